#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace Platform {

// A little-endian read cursor over an untrusted byte image. Reads past the
// end fail (the cursor is then marked bad and reads give 0) instead of
// touching memory outside the image.
class BoundedReader {
public:
    BoundedReader(const uint8_t* bytes, size_t size) : m_pBytes(bytes), m_uSize(size) { }

    size_t Position() const { return m_uPosition; }
    size_t Size() const { return m_uSize; }
    bool Good() const { return m_bGood; }
    bool AtEnd() const { return m_uPosition == m_uSize; }

    bool Seek(size_t position)
    {
        if (position > m_uSize)
            return Fail();
        m_uPosition = position;
        return true;
    }
    bool Skip(size_t count) { return Has(count) ? Seek(m_uPosition + count) : Fail(); }

    uint8_t U8() { return Has(1) ? m_pBytes[m_uPosition++] : static_cast<uint8_t>(Fail()); }
    uint16_t U16()
    {
        const uint16_t low = U8();
        return static_cast<uint16_t>(low | U8() << 8);
    }
    uint32_t U32()
    {
        const uint32_t low = U16();
        return low | static_cast<uint32_t>(U16()) << 16;
    }
    float F32()
    {
        const uint32_t bits = U32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // A NUL-terminated text that must end within maxLength bytes (the NUL
    // included) and within the image; the cursor moves past the NUL.
    bool CString(size_t maxLength, std::string& text)
    {
        if (!m_bGood)
            return false;
        const size_t limit = m_uSize - m_uPosition < maxLength ? m_uSize - m_uPosition : maxLength;
        const void* nul = std::memchr(m_pBytes + m_uPosition, 0, limit);
        if (!nul)
            return Fail();
        const size_t length = static_cast<const uint8_t*>(nul) - (m_pBytes + m_uPosition);
        text.assign(reinterpret_cast<const char*>(m_pBytes + m_uPosition), length);
        m_uPosition += length + 1;
        return true;
    }
    // A zero-padded text in a fixed field of fieldSize bytes that holds a NUL.
    bool FixedString(size_t fieldSize, std::string& text)
    {
        const size_t start = m_uPosition;
        if (!Has(fieldSize) || !CString(fieldSize, text))
            return Fail();
        m_uPosition = start + fieldSize;
        return true;
    }

private:
    bool Has(size_t count) const { return m_bGood && count <= m_uSize - m_uPosition; }
    bool Fail()
    {
        m_bGood = false;
        return false;
    }

    const uint8_t* m_pBytes;
    size_t m_uSize;
    size_t m_uPosition = 0;
    bool m_bGood = true;
};

} // namespace Platform
