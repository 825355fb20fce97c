#pragma once
#include <cstdint>

// One row of the credits: a text line, a picture or a gap.
struct CreditsEntry {
    enum Kind : uint32_t {
        KIND_TEXT = 0,
        KIND_PICTURE = 1,
        KIND_SMALL_GAP = 2,
        KIND_BIG_GAP = 3,
    };
    static constexpr uint32_t NO_TEXT_ID = 0xFFFFFFFF;
    static constexpr int32_t NO_PICTURE = 0x7FFF;
    static constexpr uint32_t WHITE = 0xFFFFFFFF;
    static constexpr uint32_t HEADING_COLOR = 0xEDBB7FFF;

    uint32_t m_uKind;
    uint32_t m_uColor;
    // The text of a text line: by id from the text tables, or literal.
    uint32_t m_uTextId;
    const char* m_sText;
    int32_t m_iPicture;
};

namespace CreditsScript {

constexpr int32_t ROW_COUNT = 226;
// The rows from the top down.
extern const CreditsEntry ROWS[ROW_COUNT];

} // namespace CreditsScript
