#include "Utils/Common/Utf8.h"

uint32_t Utf8DecodeNext(const char** text)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(*text);
    const uint32_t lead = bytes[0];
    uint32_t length = 1;
    uint32_t value = lead;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    }
    for (uint32_t i = 1; i < length; ++i) {
        if (bytes[i] == 0) {
            *text += 1;
            return lead;
        }
        value = (value << 6) | (bytes[i] & 0x3F);
    }
    *text += length;
    return value;
}

uint32_t Utf8EncodedLength(uint32_t c)
{
    if (c < 0x800)
        return 2;
    return c < 0x10000 ? 3 : 4;
}

char* Utf8EncodeChar(char* dest, uint32_t c)
{
    auto* out = reinterpret_cast<uint8_t*>(dest);
    if (c < 0x800) {
        *out++ = static_cast<uint8_t>(0xC0 | c >> 6);
    } else if (c < 0x10000) {
        *out++ = static_cast<uint8_t>(0xE0 | c >> 12);
        *out++ = static_cast<uint8_t>(0x80 | (c >> 6 & 0x3F));
    } else {
        *out++ = static_cast<uint8_t>(0xF0 | c >> 18);
        *out++ = static_cast<uint8_t>(0x80 | (c >> 12 & 0x3F));
        *out++ = static_cast<uint8_t>(0x80 | (c >> 6 & 0x3F));
    }
    *out++ = static_cast<uint8_t>(0x80 | (c & 0x3F));
    return reinterpret_cast<char*>(out);
}

char* Utf8CopyCodePoints(const char* src, int32_t count, char* dest, size_t capacity)
{
    if (src == nullptr || dest == nullptr || count <= 0)
        return dest;
    char* const end = dest + capacity;
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t c = Utf8DecodeNext(&src);
        if (c == 0) {
            // The source is shorter: a zero for every missing code point.
            for (; i < count && dest < end; ++i)
                *dest++ = '\0';
            return dest;
        }
        const uint32_t length = c < 0x80 ? 1 : Utf8EncodedLength(c);
        if (static_cast<size_t>(end - dest) < length)
            return dest;
        if (c < 0x80)
            *dest++ = static_cast<char>(c);
        else
            dest = Utf8EncodeChar(dest, c);
    }
    return dest;
}

size_t Utf8FittingLength(const char* text, size_t maxBytes)
{
    const char* position = text;
    size_t fitting = 0;
    for (;;) {
        if (Utf8DecodeNext(&position) == 0)
            return fitting;
        const auto length = static_cast<size_t>(position - text);
        if (length > maxBytes)
            return fitting;
        fitting = length;
    }
}
