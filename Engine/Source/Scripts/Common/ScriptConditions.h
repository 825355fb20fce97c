#pragma once
#include "ScriptEngine/common/MatchExpression.h"

#include <cstdint>
#include <initializer_list>

// The conditions that scene scripts test most, for _IfMatch; combine them
// with MatchExpression.

// The story is in the chapter (VARINT_CURRENT_CHAPTER == iChapter).
MatchExpr InChapter(int32_t iChapter);
// The player came from the scene (VARINT_C_PREVIOUS_STATE == iSceneId).
MatchExpr CameFrom(int32_t iSceneId);
// Both hold.
MatchExpr InChapterFrom(int32_t iChapter, int32_t iSceneId);
MatchExpr Both(const MatchExpr& oFirst, const MatchExpr& oSecond);
// The bool variable is true / false.
MatchExpr IsTrue(int32_t iVarId);
MatchExpr IsFalse(int32_t iVarId);
// The story is in one of the chapters 1 to 10, as two comparisons: ten ==
// tests joined by or would exceed the records one condition holds.
MatchExpr InAnyChapter();
// The story is in one of the chapters listed, one test after another joined
// by or: up to eight chapters fit into one condition.
MatchExpr InChapters(std::initializer_list<int32_t> chapters);
// The story is in one of the chapters 1 to 10 other than iChapter: three
// comparisons, for the same reason.
MatchExpr InEveryChapterBut(int32_t iChapter);
