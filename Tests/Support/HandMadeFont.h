#pragma once
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace TestSupport {

// Lays out a ".fnt.bin" font byte by byte, independently of the content
// builder: ranges, then one glyph record per code point of the ranges.
class HandMadeFont {
public:
    struct Glyph {
        uint16_t u = 0;
        uint16_t v = 0;
        uint8_t width = 0;
        uint8_t height = 0;
        int8_t offsetX = 0;
        int8_t offsetY = 0;
        int8_t advance = 0;
        uint8_t dummy = 0;
    };

    explicit HandMadeFont(uint32_t lineHeight = 10) : m_lineHeight(lineHeight) { }

    // A range whose code points all get the same glyph.
    void Add(uint32_t first, uint32_t last, const Glyph& glyph)
    {
        m_ranges.push_back({first, last});
        for (uint32_t c = first; c <= last; ++c)
            m_glyphs.push_back(glyph);
    }

    std::vector<uint8_t> Bytes(uint16_t major = 1, uint16_t minor = 0) const
    {
        std::vector<uint8_t> bytes(0x34, 0);
        std::memcpy(bytes.data(), "font", 5);
        bytes[8] = uint8_t(major);
        bytes[9] = uint8_t(major >> 8);
        bytes[10] = uint8_t(minor);
        bytes[11] = uint8_t(minor >> 8);
        Put(bytes, 0x2C, m_lineHeight);
        Put(bytes, 0x30, uint32_t(m_ranges.size()));
        for (const auto& range : m_ranges) {
            Append(bytes, range.first);
            Append(bytes, range.second);
        }
        for (const Glyph& glyph : m_glyphs) {
            const uint8_t record[10] = {
                uint8_t(glyph.u), uint8_t(glyph.u >> 8),  uint8_t(glyph.v),       uint8_t(glyph.v >> 8),  glyph.width,
                glyph.height,     uint8_t(glyph.offsetX), uint8_t(glyph.offsetY), uint8_t(glyph.advance), glyph.dummy};
            bytes.insert(bytes.end(), record, record + sizeof record);
        }
        return bytes;
    }

    static void Put(std::vector<uint8_t>& bytes, size_t offset, uint32_t value)
    {
        std::memcpy(&bytes[offset], &value, sizeof value);
    }

private:
    static void Append(std::vector<uint8_t>& bytes, uint32_t value)
    {
        bytes.resize(bytes.size() + 4);
        Put(bytes, bytes.size() - 4, value);
    }

    uint32_t m_lineHeight;
    std::vector<std::pair<uint32_t, uint32_t>> m_ranges;
    std::vector<Glyph> m_glyphs;
};

} // namespace TestSupport
