#pragma once
#include <cstdint>
#include <vector>

// One subtitle of a movie: its text id, shown from start to end
// (exclusive), in milliseconds of movie time.
struct SubtitleRow {
    uint32_t textId;
    uint32_t start;
    uint32_t end;
};

// The ".tw.sub" file of the rows: their count, then per row its text id,
// start and end, little-endian words.
std::vector<uint8_t> WriteSubtitleFile(const std::vector<SubtitleRow>& rows);
