#pragma once
#include "Scripts/Common/ChapterStarts.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

namespace TestSupport {

// Writes "save.dat" into the folder with a saved game in the slot that
// stands at the beginning of the chapter, exactly as the chapter menu's
// button leaves the story: its playing character with its items, its
// variables, in its first scene, at full volumes. The start menu's slot
// button continues it. The game's own save path writes the bytes: the live
// state is set as a new game's, then as the start says, and the adventure
// manager saves it; the test process's live state is put back afterwards.
// The other slots of a file already there keep what they hold.
testing::AssertionResult WriteChapterStartSlot(const TempDir& folder, int32_t chapter, int slot = 0);

// The same for any state to continue from (a scene, items and variables of
// the test's choosing).
testing::AssertionResult WriteSlot(const TempDir& folder, const ChapterStart& state, int slot = 0);

// The chapter's start moved on into the scene, with the items added after
// the start's own: a chapter played part of the way, in the first slot.
testing::AssertionResult WriteChapterStartSlotIn(const TempDir& folder, int32_t chapter, int32_t sceneId,
                                                 std::initializer_list<uint32_t> addedItems);

} // namespace TestSupport
