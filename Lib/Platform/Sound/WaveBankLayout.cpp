#include "Sound/WaveBankLayout.h"

#include "Sound/BoundedReader.h"

#include <algorithm>

namespace Platform {
namespace {

constexpr size_t HEADER_SIZE = 52;
constexpr uint32_t BANK_DATA_SIZE = 96;
constexpr uint32_t ENTRY_SIZE = 24;
constexpr uint32_t ENTRY_NAME_SIZE = 64;
constexpr size_t NAME_FIELD = 64;
constexpr uint32_t FLAG_STREAMING = 0x00000001;
constexpr uint32_t FLAG_ENTRY_NAMES = 0x00010000;
constexpr uint32_t STREAM_ALIGNMENT = 2048;

enum Segment {
    Segment_BankData,
    Segment_EntryMetadata,
    Segment_SeekTables,
    Segment_EntryNames,
    Segment_WaveData,
    SEGMENT_COUNT
};

struct Region {
    uint32_t offset;
    uint32_t length;
    uint64_t End() const { return uint64_t(offset) + length; }
};

bool ReadHeader(BoundedReader& in, Region (&segments)[SEGMENT_COUNT], std::string& error)
{
    const uint32_t magic = in.U32();
    const uint32_t contentVersion = in.U32();
    const uint32_t headerVersion = in.U32();
    for (Region& segment : segments) {
        segment.offset = in.U32();
        segment.length = in.U32();
    }
    if (!in.Good())
        error = "truncated header";
    else if (magic != 0x444E4257) // "WBND"
        error = "not a wave bank";
    else if (contentVersion != 46 || headerVersion != 44)
        error = "unsupported version";
    return error.empty();
}

// A 16-bit or 8-bit PCM format, packed as tag:2 channels:3 rate:18 align:8
// bits:1; returns the block size, or 0 when the format is not accepted.
uint32_t PcmBlockAlign(uint32_t format)
{
    const uint32_t tag = format & 0x3;
    const uint32_t channels = (format >> 2) & 0x7;
    const uint32_t rate = (format >> 5) & 0x3FFFF;
    const uint32_t blockAlign = (format >> 23) & 0xFF;
    const uint32_t bytesPerSample = (format >> 31) ? 2 : 1;
    if (tag != 0 || channels < 1 || channels > 6 || rate < 1000 || rate > 200000 ||
        blockAlign != channels * bytesPerSample)
        return 0;
    return blockAlign;
}

std::string CheckEntry(BoundedReader& in, const Region& waveData, uint32_t alignment, bool streaming)
{
    const uint32_t durationAndFlags = in.U32();
    const uint32_t format = in.U32();
    const Region play {in.U32(), in.U32()};
    const Region loop {in.U32(), in.U32()};
    if (!in.Good())
        return "truncated";
    const uint32_t blockAlign = PcmBlockAlign(format);
    if (blockAlign == 0)
        return "not a PCM format of 1 to 6 channels at 1000 to 200000 Hz";
    const uint32_t frames = play.length / blockAlign;
    if (play.length == 0 || play.length % blockAlign != 0 || play.End() > waveData.length)
        return "wave data outside the wave data segment";
    if (streaming && play.offset % alignment != 0)
        return "streamed wave not aligned";
    if ((durationAndFlags >> 4) > frames || loop.End() > frames)
        return "duration or loop region beyond the wave";
    return {};
}

} // namespace

uint64_t WaveBankTablesSize(const uint8_t* bytes, size_t size)
{
    if (!bytes || size < HEADER_SIZE)
        return 0;
    BoundedReader in(bytes, size);
    in.Skip(12);
    uint64_t end = HEADER_SIZE;
    for (int segment = 0; segment < Segment_WaveData; ++segment) {
        const Region region {in.U32(), in.U32()};
        end = std::max(end, region.End());
    }
    return end;
}

std::string CheckWaveBank(const uint8_t* bytes, size_t size, uint64_t fileSize, WaveBankInfo& info)
{
    info = {};
    if (!bytes)
        return "no data";
    BoundedReader in(bytes, size);
    Region segments[SEGMENT_COUNT];
    std::string error;
    if (!ReadHeader(in, segments, error))
        return error;
    for (int segment = 0; segment < Segment_WaveData; ++segment)
        if (segments[segment].End() > size)
            return "segment " + std::to_string(segment) + " outside the file";
    const Region& waveData = segments[Segment_WaveData];
    if (waveData.End() > fileSize)
        return "wave data outside the file";
    if (segments[Segment_BankData].length < BANK_DATA_SIZE)
        return "bank data too short";

    in.Seek(segments[Segment_BankData].offset);
    const uint32_t flags = in.U32();
    info.waveCount = in.U32();
    in.FixedString(NAME_FIELD, info.name);
    const uint32_t entrySize = in.U32();
    const uint32_t entryNameSize = in.U32();
    const uint32_t alignment = in.U32();
    const uint32_t compactFormat = in.U32();
    if (!in.Good())
        return "bad bank data or bank name";
    info.streaming = (flags & FLAG_STREAMING) != 0;
    if ((flags & ~(FLAG_STREAMING | FLAG_ENTRY_NAMES)) != 0 || compactFormat != 0 || entrySize != ENTRY_SIZE)
        return "compact entries, seek tables and unknown flags are not supported";
    if (info.streaming && (alignment != STREAM_ALIGNMENT || waveData.offset % STREAM_ALIGNMENT != 0))
        return "streamed bank not aligned to 2048 bytes";
    if (info.waveCount == 0 || info.waveCount > 0xFFFF)
        return "no waves or too many waves";
    if (uint64_t(info.waveCount) * ENTRY_SIZE > segments[Segment_EntryMetadata].length)
        return "wave entries outside their segment";
    if ((flags & FLAG_ENTRY_NAMES) && (entryNameSize != ENTRY_NAME_SIZE || uint64_t(info.waveCount) * ENTRY_NAME_SIZE >
                                                                               segments[Segment_EntryNames].length))
        return "wave names outside their segment";

    for (uint32_t i = 0; i < info.waveCount; ++i) {
        in.Seek(segments[Segment_EntryMetadata].offset + size_t(i) * ENTRY_SIZE);
        error = CheckEntry(in, waveData, alignment, info.streaming);
        if (!error.empty())
            return "wave " + std::to_string(i) + ": " + error;
    }
    return {};
}

} // namespace Platform
