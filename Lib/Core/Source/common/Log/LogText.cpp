#include "Log/LogText.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

bool IsContinuation(uint8_t byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 character of printable text that
// starts at p (1 for a printable ASCII byte, a tab or a line end), or 0.
size_t PrintableLength(const uint8_t* p)
{
    const uint8_t lead = p[0];
    if (lead == '\t' || lead == '\n' || (lead >= 0x20 && lead < 0x7F))
        return 1;
    // C1 control characters (U+0080 to U+009F) steer terminals too.
    if (lead == 0xC2)
        return IsContinuation(p[1]) && p[1] >= 0xA0 ? 2 : 0;
    if (lead > 0xC2 && lead <= 0xDF)
        return IsContinuation(p[1]) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        // No overlong forms and no surrogates.
        const uint8_t lowest = lead == 0xE0 ? 0xA0 : 0x80;
        const uint8_t highest = lead == 0xED ? 0x9F : 0xBF;
        return p[1] >= lowest && p[1] <= highest && IsContinuation(p[2]) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        // No overlong forms and nothing above U+10FFFF.
        const uint8_t lowest = lead == 0xF0 ? 0x90 : 0x80;
        const uint8_t highest = lead == 0xF4 ? 0x8F : 0xBF;
        return p[1] >= lowest && p[1] <= highest && IsContinuation(p[2]) && IsContinuation(p[3]) ? 4 : 0;
    }
    return 0;
}

bool NeedsEscaping(const uint8_t* p)
{
    for (; *p != 0;) {
        const size_t length = PrintableLength(p);
        if (length == 0)
            return true;
        p += length;
    }
    return false;
}

} // namespace

const char* EscapeLogText(const char* text, char* buffer, size_t size)
{
    const auto* p = reinterpret_cast<const uint8_t*>(text);
    if (!NeedsEscaping(p) || size == 0)
        return text;
    size_t used = 0;
    while (*p != 0) {
        char piece[5] = {};
        size_t length = PrintableLength(p);
        if (length == 0) {
            std::snprintf(piece, sizeof piece, "\\x%02X", *p);
            length = 1;
        } else {
            std::memcpy(piece, p, length);
        }
        const size_t pieceLength = std::strlen(piece);
        if (used + pieceLength >= size)
            break;
        std::memcpy(buffer + used, piece, pieceLength);
        used += pieceLength;
        p += length;
    }
    buffer[used] = 0;
    return buffer;
}
