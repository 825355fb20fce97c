#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// A growing little-endian byte image, with patching of words written earlier
// (offsets that are only known once later tables are laid out).
class ByteWriter {
public:
    // Room for a header from the start: GCC 12's release build otherwise
    // warns of an overflow that cannot happen when the first bytes of a
    // function's writer are inserted.
    ByteWriter() { m_vBytes.reserve(INITIAL_CAPACITY); }

    uint32_t Size() const { return static_cast<uint32_t>(m_vBytes.size()); }
    const std::vector<uint8_t>& Bytes() const { return m_vBytes; }

    void U8(uint32_t value) { m_vBytes.push_back(static_cast<uint8_t>(value)); }
    void U16(uint32_t value)
    {
        U8(value);
        U8(value >> 8);
    }
    void U32(uint32_t value)
    {
        U16(value);
        U16(value >> 16);
    }
    void F32(float value)
    {
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        U32(bits);
    }
    void Zeros(uint32_t count) { m_vBytes.insert(m_vBytes.end(), count, 0); }
    void Bytes(const uint8_t* bytes, size_t count) { m_vBytes.insert(m_vBytes.end(), bytes, bytes + count); }
    // The text and its NUL.
    void String(const std::string& text) { Bytes(reinterpret_cast<const uint8_t*>(text.c_str()), text.size() + 1); }
    // The text zero-padded to a fixed field (the caller keeps it shorter).
    void FixedString(const std::string& text, uint32_t fieldSize)
    {
        const uint32_t length =
            static_cast<uint32_t>(text.size()) < fieldSize ? static_cast<uint32_t>(text.size()) : fieldSize - 1;
        Bytes(reinterpret_cast<const uint8_t*>(text.data()), length);
        Zeros(fieldSize - length);
    }
    void AlignTo(uint32_t alignment)
    {
        while (Size() % alignment)
            U8(0);
    }

    void PatchU16(uint32_t offset, uint32_t value)
    {
        m_vBytes[offset] = static_cast<uint8_t>(value);
        m_vBytes[offset + 1] = static_cast<uint8_t>(value >> 8);
    }
    void PatchU32(uint32_t offset, uint32_t value)
    {
        PatchU16(offset, value);
        PatchU16(offset + 2, value >> 16);
    }

private:
    static constexpr size_t INITIAL_CAPACITY = 256;
    std::vector<uint8_t> m_vBytes;
};
