#pragma once
#include <cstdint>
#include <vector>

// One element of a race pattern: obstacle kind, mirrored or not, and its
// centre in 20.12, y measured down from the pattern's top.
struct RaceElementRow {
    uint8_t kind;
    uint8_t orientation;
    int32_t x;
    int32_t y;
};

// One pattern: its difficulty (0 easy .. 2 hard), its width in 20.12 (the
// game centres it on the 256-wide screen) and its elements.
struct RacePatternRow {
    uint8_t difficulty;
    int32_t width;
    std::vector<RaceElementRow> elements;
};

// The race file of the patterns: their count, the count of each difficulty,
// then per pattern its difficulty, width, height (always 480.0), 8 unused
// bytes and element count, and per element its kind, orientation, x and y.
// Throws ContentError when a count does not fit its byte.
std::vector<uint8_t> WriteRaceFile(const std::vector<RacePatternRow>& patterns);
