#include "Scene/Common/SerialStream.h"

#include "Log/CoreLog.h"

#include <cstring>

SerialStream::SerialStream(const uint8_t* base, size_t size, const char* fileName)
    : m_pBase(base), m_uSize(base ? size : 0), m_sFileName(fileName ? fileName : "")
{
}

bool SerialStream::Take(uint64_t count)
{
    if (!m_bGood)
        return false;
    if (count <= m_uSize - m_uPosition)
        return true;
    CorePrint(&g_oCoreLog, "SerialStream -- \"%s\" is truncated: %llu bytes needed at offset %zu of %zu\n", m_sFileName,
              static_cast<unsigned long long>(count), m_uPosition, m_uSize);
    m_bGood = false;
    return false;
}

uint8_t SerialStream::ReadU8()
{
    if (!Take(1))
        return 0;
    return m_pBase[m_uPosition++];
}

uint16_t SerialStream::ReadU16()
{
    if (!Take(2))
        return 0;
    const uint16_t low = ReadU8();
    return static_cast<uint16_t>(low | ReadU8() << 8);
}

uint32_t SerialStream::ReadU32()
{
    if (!Take(4))
        return 0;
    uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8)
        value |= uint32_t(ReadU8()) << shift;
    return value;
}

bool SerialStream::ReadBytes(void* destination, size_t count)
{
    if (!Take(count)) {
        std::memset(destination, 0, count);
        return false;
    }
    if (count != 0)
        std::memcpy(destination, m_pBase + m_uPosition, count);
    m_uPosition += count;
    return true;
}

const char* SerialStream::ReadString()
{
    if (!m_bGood)
        return nullptr;
    const uint8_t* start = m_pBase + m_uPosition;
    const size_t remaining = m_uSize - m_uPosition;
    const void* nul = remaining ? std::memchr(start, 0, remaining) : nullptr;
    // A text that the file cuts off needs at least one byte more.
    const size_t length = nul ? static_cast<const uint8_t*>(nul) - start + 1 : remaining + 1;
    if (!Take(length))
        return nullptr;
    m_uPosition += length;
    return reinterpret_cast<const char*>(start);
}

void SerialStream::Align4()
{
    const size_t padding = (4 - m_uPosition % 4) % 4;
    if (Take(padding))
        m_uPosition += padding;
}

SerialChunkHeader SerialStream::ReadChunkHeader()
{
    SerialChunkHeader header;
    if (!Take(8))
        return header;
    for (int i = 0; i < 4; ++i)
        header.m_iId = header.m_iId << 8 | ReadU8();
    header.m_iSize = ReadU32();
    return header;
}

bool SerialStream::HasRoomFor(uint64_t count, uint64_t recordSize)
{
    // Both come from 32-bit fields, so the product fits in 64 bits.
    return Take(count * recordSize);
}
