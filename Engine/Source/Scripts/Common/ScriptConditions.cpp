#include "Scripts/Common/ScriptConditions.h"

#include "Common/VarIds.h"

MatchExpr InChapter(int32_t iChapter)
{
    return MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntEqual, iChapter);
}

MatchExpr CameFrom(int32_t iSceneId)
{
    return MatchExpr::Int(VARINT_C_PREVIOUS_STATE, Op_IntEqual, iSceneId);
}

MatchExpr InChapterFrom(int32_t iChapter, int32_t iSceneId)
{
    return Both(InChapter(iChapter), CameFrom(iSceneId));
}

MatchExpr Both(const MatchExpr& oFirst, const MatchExpr& oSecond)
{
    return MatchExpression(Op_And, oFirst, oSecond);
}

MatchExpr IsTrue(int32_t iVarId)
{
    return MatchExpr::Bool(iVarId, 1);
}

MatchExpr IsFalse(int32_t iVarId)
{
    return MatchExpr::Bool(iVarId, 0);
}

MatchExpr InChapters(std::initializer_list<int32_t> chapters)
{
    MatchExpr oAny = InChapter(*chapters.begin());
    for (const int32_t* pChapter = chapters.begin() + 1; pChapter != chapters.end(); ++pChapter)
        oAny = MatchExpression(Op_Or, oAny, InChapter(*pChapter));
    return oAny;
}

MatchExpr InAnyChapter()
{
    return Both(MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntGreaterEqual, 1),
                MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntLessEqual, 10));
}

MatchExpr InEveryChapterBut(int32_t iChapter)
{
    return Both(InAnyChapter(), MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntNotEqual, iChapter));
}
