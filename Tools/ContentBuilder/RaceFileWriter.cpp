#include "RaceFileWriter.h"

#include "ByteWriter.h"
#include "ContentError.h"

#include <string>

namespace {

constexpr uint32_t PATTERN_HEIGHT = 480 * 4096;
constexpr uint32_t DIFFICULTY_NB = 3;
constexpr size_t ELEMENT_MAX = 86;

} // namespace

std::vector<uint8_t> WriteRaceFile(const std::vector<RacePatternRow>& patterns)
{
    if (patterns.size() > 255)
        throw ContentError("a race file holds at most 255 patterns, not " + std::to_string(patterns.size()));
    uint32_t counts[DIFFICULTY_NB] = {};
    for (const RacePatternRow& pattern : patterns) {
        if (pattern.difficulty >= DIFFICULTY_NB)
            throw ContentError("a race pattern's difficulty is 0 to 2");
        if (pattern.elements.size() > ELEMENT_MAX)
            throw ContentError("a race pattern holds at most 86 elements, not " +
                               std::to_string(pattern.elements.size()));
        ++counts[pattern.difficulty];
    }
    ByteWriter out;
    out.U8(static_cast<uint32_t>(patterns.size()));
    for (uint32_t count : counts)
        out.U8(count);
    for (const RacePatternRow& pattern : patterns) {
        out.U8(pattern.difficulty);
        out.U32(static_cast<uint32_t>(pattern.width));
        out.U32(PATTERN_HEIGHT);
        out.Zeros(8);
        out.U8(static_cast<uint32_t>(pattern.elements.size()));
        for (const RaceElementRow& element : pattern.elements) {
            out.U8(element.kind);
            out.U8(element.orientation);
            out.U32(static_cast<uint32_t>(element.x));
            out.U32(static_cast<uint32_t>(element.y));
        }
    }
    return out.Bytes();
}
