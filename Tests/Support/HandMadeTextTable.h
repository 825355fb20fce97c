#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace TestSupport {

// Lays out a text table byte by byte, independently of the content builder,
// in the order the texts are given (sort them to make a valid table).
inline std::vector<uint8_t> HandMadeTextTable(const std::vector<std::pair<uint32_t, std::string>>& texts,
                                              uint16_t major = 3, uint16_t minor = 0)
{
    const uint32_t count = uint32_t(texts.size());
    const uint32_t entries = 0x2C;
    const uint32_t pool = entries + 8 * count;
    std::vector<uint8_t> bytes(pool, 0);
    auto put = [&bytes](size_t offset, uint32_t value) { std::memcpy(&bytes[offset], &value, sizeof value); };
    std::memcpy(bytes.data(), "DK-L10n", 8);
    bytes[8] = uint8_t(major);
    bytes[9] = uint8_t(major >> 8);
    bytes[10] = uint8_t(minor);
    bytes[11] = uint8_t(minor >> 8);
    put(0x1C, count);
    put(0x20, entries);
    put(0x24, pool);
    uint32_t offset = 0;
    for (uint32_t i = 0; i < count; ++i) {
        put(entries + 8 * i, texts[i].first);
        put(entries + 8 * i + 4, offset);
        bytes.insert(bytes.end(), texts[i].second.begin(), texts[i].second.end());
        bytes.push_back(0);
        offset += uint32_t(texts[i].second.size()) + 1;
    }
    return bytes;
}

} // namespace TestSupport
