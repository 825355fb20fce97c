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
