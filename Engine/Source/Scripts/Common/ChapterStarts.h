#pragma once
#include <cstdint>
#include <span>

// The start of each chapter as the chapter menu's buttons make it: the
// playing character, what she holds and the story's variables, and the
// chapter's first scene.
struct IntSetting {
    int32_t iVarId;
    int32_t iValue;
};

struct ChapterStart {
    uint32_t uPlayingCharacter;
    // Given to the playing character, in order.
    std::span<const uint32_t> items;
    std::span<const IntSetting> ints;
    // Set true, in order.
    std::span<const int32_t> bools;
    int32_t iSceneId;
};

constexpr int32_t FIRST_STARTED_CHAPTER = 1;
constexpr int32_t LAST_STARTED_CHAPTER = 10;

// The start of chapter 1 .. 10; null for any other chapter.
const ChapterStart* ChapterStartOf(int32_t iChapter);
