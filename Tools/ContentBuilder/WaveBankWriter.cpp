#include "ByteWriter.h"
#include "SoundBankWriters.h"

namespace {

constexpr uint32_t BANK_DATA_SIZE = 96;
constexpr uint32_t ENTRY_SIZE = 24;
constexpr uint32_t NAME_FIELD = 64;
constexpr uint32_t STREAMING = 0x00000001;
constexpr uint32_t MEMORY_ALIGNMENT = 4;
constexpr uint32_t STREAM_ALIGNMENT = 2048;

enum Segment {
    Segment_BankData,
    Segment_EntryMetadata,
    Segment_SeekTables,
    Segment_EntryNames,
    Segment_WaveData
};

// 16-bit PCM: tag 0, channels, sample rate, block align, 16-bit flag.
uint32_t MiniWaveFormat(uint32_t channels, uint32_t sampleRate)
{
    return channels << 2 | sampleRate << 5 | (channels * 2) << 23 | 1u << 31;
}

} // namespace

std::vector<uint8_t> WriteWaveBank(const WaveBankDesc& bank)
{
    const uint32_t alignment = bank.streaming ? STREAM_ALIGNMENT : MEMORY_ALIGNMENT;
    const uint32_t waveCount = static_cast<uint32_t>(bank.waves.size());
    ByteWriter out;
    out.Bytes(reinterpret_cast<const uint8_t*>("WBND"), 4);
    out.U32(46); // content version
    out.U32(44); // header version
    out.Zeros(5 * 8);
    auto setSegment = [&out](Segment segment, uint32_t offset, uint32_t length) {
        out.PatchU32(12 + 8 * segment, offset);
        out.PatchU32(16 + 8 * segment, length);
    };

    setSegment(Segment_BankData, out.Size(), BANK_DATA_SIZE);
    out.U32(bank.streaming ? STREAMING : 0);
    out.U32(waveCount);
    out.FixedString(bank.name, NAME_FIELD);
    out.U32(ENTRY_SIZE);
    out.U32(NAME_FIELD);
    out.U32(alignment);
    out.U32(0);   // compact format
    out.Zeros(8); // build time

    const uint32_t metadataAt = out.Size();
    setSegment(Segment_EntryMetadata, metadataAt, waveCount * ENTRY_SIZE);
    out.Zeros(waveCount * ENTRY_SIZE);
    setSegment(Segment_SeekTables, out.Size(), 0);
    setSegment(Segment_EntryNames, out.Size(), 0);

    out.AlignTo(alignment);
    const uint32_t waveDataAt = out.Size();
    for (uint32_t i = 0; i < waveCount; ++i) {
        const WaveDesc& wave = bank.waves[i];
        const uint32_t frames = static_cast<uint32_t>(wave.samples.size());
        const uint32_t entryAt = metadataAt + i * ENTRY_SIZE;
        out.PatchU32(entryAt, frames << 4);
        out.PatchU32(entryAt + 4, MiniWaveFormat(1, wave.sampleRate));
        out.PatchU32(entryAt + 8, out.Size() - waveDataAt);
        out.PatchU32(entryAt + 12, frames * 2);
        for (int16_t sample : wave.samples)
            out.U16(static_cast<uint16_t>(sample));
        out.AlignTo(alignment);
    }
    setSegment(Segment_WaveData, waveDataAt, out.Size() - waveDataAt);
    return out.Bytes();
}
