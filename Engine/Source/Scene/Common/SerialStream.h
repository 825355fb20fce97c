#pragma once
#include <cstddef>
#include <cstdint>

// A four-character chunk id, the first character in the most significant byte:
// "DTOC" is 0x44544F43.
constexpr uint32_t SERIALSTREAM_MAKE_ID(char a, char b, char c, char d)
{
    return uint32_t(uint8_t(a)) << 24 | uint32_t(uint8_t(b)) << 16 | uint32_t(uint8_t(c)) << 8 | uint32_t(uint8_t(d));
}

struct SerialChunkHeader {
    uint32_t m_iId = 0;
    uint32_t m_iSize = 0;
};

// The read cursor over a file loaded whole into memory, through which every
// file parsed in place is read: little-endian integers byte by byte (nothing in
// the files has to be aligned), fixed-width and NUL-terminated texts, chunk
// headers. The stream does not own the bytes.
//
// Files are untrusted: no read crosses the end. A read that would gives zeros,
// moves nothing and leaves the stream failed; the first one logs a line naming
// the file. Readers check IsGood() before they trust what they read, and check
// counts with HasRoomFor() before they allocate for them.
class SerialStream {
public:
    SerialStream(const uint8_t* base, size_t size, const char* fileName);

    uint8_t ReadU8();
    uint16_t ReadU16();
    uint32_t ReadU32();
    int16_t ReadS16() { return static_cast<int16_t>(ReadU16()); }
    int32_t ReadS32() { return static_cast<int32_t>(ReadU32()); }
    // Copies count bytes; on failure the destination is zeroed.
    bool ReadBytes(void* destination, size_t count);
    // A NUL-terminated text in place; the cursor moves past the NUL. Null
    // (and the stream failed) when the file ends before a NUL.
    const char* ReadString();
    // Moves the cursor to the next multiple of 4 from the start of the file
    // (files are loaded at 32-byte boundaries, so addresses agree).
    void Align4();
    // Four bytes, the first in the most significant position, then the size.
    SerialChunkHeader ReadChunkHeader();

    // Whether count records of at least recordSize bytes each can still
    // follow; when they cannot, the stream fails as a truncated file does.
    bool HasRoomFor(uint64_t count, uint64_t recordSize);

    bool IsGood() const { return m_bGood; }
    size_t GetPosition() const { return m_uPosition; }
    size_t GetSize() const { return m_uSize; }
    const char* GetFileName() const { return m_sFileName; }

private:
    // True when count bytes remain; otherwise fails the stream.
    bool Take(uint64_t count);

    const uint8_t* m_pBase;
    size_t m_uSize;
    size_t m_uPosition = 0;
    const char* m_sFileName;
    bool m_bGood = true;
};
