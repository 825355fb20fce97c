#include "Sound/SoundBankLayout.h"

#include "Sound/BoundedReader.h"

#include <map>

namespace Platform {
namespace {

constexpr uint32_t HEADER_SIZE = 138;
constexpr size_t NAME_FIELD = 64;
constexpr size_t CUE_NAME_MAX = 256;
constexpr uint32_t NONE = 0xFFFFFFFF;
constexpr uint8_t SOUND_SIMPLE = 0x00;
constexpr uint8_t SOUND_COMPLEX = 0x01;
constexpr uint8_t CUE_ONE_SOUND = 0x04;
constexpr uint32_t EVENT_TYPE_MASK = 0x1F;
constexpr uint32_t EVENT_PLAY_WAVE = 1;

struct Header {
    uint16_t simpleCueCount;
    uint16_t complexCueCount;
    uint16_t cueHashCount;
    uint8_t waveBankCount;
    uint16_t soundCount;
    uint16_t cueNameBytes;
    uint32_t simpleCues, complexCues, cueNames, unused, variations, transitions, waveBankNames, cueHash, cueNameIndex,
        sounds;
};

std::string ReadHeader(BoundedReader& in, Header& h)
{
    const uint32_t magic = in.U32();
    const uint16_t contentVersion = in.U16();
    const uint16_t toolVersion = in.U16();
    in.Skip(2 + 8); // check word, build time
    const uint8_t platform = in.U8();
    h.simpleCueCount = in.U16();
    h.complexCueCount = in.U16();
    in.U16();
    h.cueHashCount = in.U16();
    h.waveBankCount = in.U8();
    h.soundCount = in.U16();
    h.cueNameBytes = in.U16();
    in.U16();
    for (uint32_t* offset : {&h.simpleCues, &h.complexCues, &h.cueNames, &h.unused, &h.variations, &h.transitions,
                             &h.waveBankNames, &h.cueHash, &h.cueNameIndex, &h.sounds})
        *offset = in.U32();
    std::string name;
    if (!in.FixedString(NAME_FIELD, name))
        return "truncated header";
    if (magic != 0x4B424453) // "SDBK"
        return "not a sound bank";
    if (contentVersion != 46 || toolVersion != 43 || platform != 1)
        return "unsupported version or platform";
    if (h.complexCueCount || h.cueHashCount || h.complexCues != NONE || h.unused != NONE || h.variations != NONE ||
        h.transitions != NONE || h.cueHash != NONE)
        return "complex cues, variations, transitions and cue hashes are not supported";
    if (h.simpleCueCount == 0 || h.waveBankCount == 0 || h.soundCount == 0)
        return "no cues, sounds or wave banks";
    return {};
}

std::string ReadPlayWaveEvents(BoundedReader& in, const Header& h, std::vector<SoundBankWaveRef>& waves)
{
    const uint8_t eventCount = in.U8();
    for (uint8_t e = 0; e < eventCount; ++e) {
        const uint32_t info = in.U32();
        in.Skip(3); // random offset, 0xFF
        if ((info & EVENT_TYPE_MASK) != EVENT_PLAY_WAVE)
            return "track event other than play-wave";
        const uint8_t flags = in.U8();
        const uint16_t wave = in.U16();
        const uint8_t waveBank = in.U8();
        in.Skip(5); // loop count, position, angle
        if (!in.Good())
            return "truncated track event";
        if (flags != 0)
            return "play-wave event with variations";
        if (waveBank >= h.waveBankCount)
            return "wave bank index out of range";
        waves.push_back({waveBank, wave});
    }
    return {};
}

// One sound; its waves are added to the list.
std::string ReadSound(BoundedReader& in, const Header& h, size_t categoryCount, std::vector<SoundBankWaveRef>& waves)
{
    const uint8_t flags = in.U8();
    const uint16_t category = in.U16();
    in.Skip(6); // volume, pitch, priority, unused word
    if (!in.Good())
        return "truncated sound";
    if (flags != SOUND_SIMPLE && flags != SOUND_COMPLEX)
        return "sound with RPCs or effects";
    if (category >= categoryCount)
        return "sound category out of range";
    if (flags == SOUND_SIMPLE) {
        const uint16_t wave = in.U16();
        const uint8_t waveBank = in.U8();
        if (!in.Good())
            return "truncated sound";
        if (waveBank >= h.waveBankCount)
            return "wave bank index out of range";
        waves.push_back({waveBank, wave});
        return {};
    }
    const uint8_t trackCount = in.U8();
    std::vector<uint32_t> eventBlocks(trackCount);
    for (uint32_t& offset : eventBlocks) {
        in.U8(); // volume
        offset = in.U32();
        in.Skip(4);
    }
    if (!in.Good() || trackCount == 0)
        return "truncated or empty track table";
    for (uint32_t offset : eventBlocks) {
        if (offset != in.Position())
            return "track events out of place";
        const std::string error = ReadPlayWaveEvents(in, h, waves);
        if (!error.empty())
            return error;
    }
    return {};
}

std::string ReadCueNames(BoundedReader& in, const Header& h, SoundBankInfo& info)
{
    if (h.cueNameIndex != in.Position())
        return "cue name index out of place";
    std::vector<uint32_t> nameOffsets(h.simpleCueCount);
    for (uint32_t& offset : nameOffsets) {
        offset = in.U32();
        in.U16();
    }
    if (!in.Good())
        return "truncated cue name index";
    if (h.cueNames != in.Position())
        return "cue names out of place";
    const size_t namesStart = in.Position();
    info.cueNames.resize(h.simpleCueCount);
    for (size_t i = 0; i < nameOffsets.size(); ++i) {
        if (nameOffsets[i] != in.Position())
            return "cue name index does not match the names";
        if (!in.CString(CUE_NAME_MAX, info.cueNames[i]))
            return "truncated or overlong cue name";
    }
    if (in.Position() - namesStart != h.cueNameBytes)
        return "cue name size does not match the names";
    return {};
}

} // namespace

std::string CheckSoundBank(const uint8_t* bytes, size_t size, size_t categoryCount, SoundBankInfo& info)
{
    info = {};
    if (!bytes)
        return "no data";
    BoundedReader in(bytes, size);
    Header h {};
    std::string error = ReadHeader(in, h);
    if (!error.empty())
        return error;

    if (h.waveBankNames != HEADER_SIZE)
        return "wave bank names out of place";
    info.waveBankNames.resize(h.waveBankCount);
    for (std::string& name : info.waveBankNames)
        if (!in.FixedString(NAME_FIELD, name))
            return "truncated wave bank names";

    if (h.sounds != in.Position())
        return "sounds out of place";
    std::map<uint32_t, std::vector<SoundBankWaveRef>> soundWaves;
    for (uint16_t s = 0; s < h.soundCount; ++s) {
        std::vector<SoundBankWaveRef>& waves = soundWaves[static_cast<uint32_t>(in.Position())];
        error = ReadSound(in, h, categoryCount, waves);
        if (!error.empty())
            return "sound " + std::to_string(s) + ": " + error;
    }

    if (h.simpleCues != in.Position())
        return "cues out of place";
    info.cueWaves.resize(h.simpleCueCount);
    for (uint16_t c = 0; c < h.simpleCueCount; ++c) {
        const uint8_t flags = in.U8();
        const uint32_t sound = in.U32();
        if (!in.Good())
            return "truncated cue table";
        const auto found = soundWaves.find(sound);
        if (flags != CUE_ONE_SOUND || found == soundWaves.end())
            return "cue " + std::to_string(c) + " does not name one of the sounds";
        info.cueWaves[c] = found->second;
    }

    error = ReadCueNames(in, h, info);
    if (!error.empty())
        return error;
    if (!in.AtEnd())
        return "data after the cue names";
    return {};
}

} // namespace Platform
