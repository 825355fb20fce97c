#include "ByteWriter.h"
#include "SoundBankWriters.h"

namespace {

constexpr uint32_t HEADER_SIZE = 138;
constexpr uint32_t NAME_FIELD = 64;
constexpr uint32_t NONE = 0xFFFFFFFF;

// Header fields by offset.
constexpr uint32_t AT_CUE_NAME_BYTES = 0x1E;
constexpr uint32_t AT_SIMPLE_CUES = 0x22;
constexpr uint32_t AT_CUE_NAMES = 0x2A;
constexpr uint32_t AT_CUE_NAME_INDEX = 0x42;
constexpr uint32_t AT_SOUNDS = 0x46;

constexpr uint8_t SOUND_SIMPLE = 0x00;
constexpr uint8_t SOUND_COMPLEX = 0x01;
constexpr uint8_t CUE_ONE_SOUND = 0x04;
constexpr uint32_t EVENT_PLAY_WAVE = 1;
constexpr uint8_t LOOP_FOREVER = 255;

// A cue's sound: a simple sound plays its wave once; a looping cue gets a
// sound with one track whose single event plays the wave forever.
void WriteSound(ByteWriter& out, const CueDesc& cue)
{
    out.U8(cue.loop ? SOUND_COMPLEX : SOUND_SIMPLE);
    out.U16(cue.category);
    out.U8(VolumeByte(cue.volumeDb));
    out.U16(0); // pitch
    out.U8(0);  // priority
    out.U16(0);
    if (!cue.loop) {
        out.U16(cue.wave);
        out.U8(cue.bank);
        return;
    }
    out.U8(1); // tracks
    out.U8(VolumeByte(0.0));
    const uint32_t eventBlockAt = out.Size() + 4 + 2 + 2;
    out.U32(eventBlockAt);
    out.U16(0);
    out.U16(0);
    out.U8(1);                // events
    out.U32(EVENT_PLAY_WAVE); // at time 0
    out.U16(0);               // random offset
    out.U8(0xFF);
    out.U8(0); // play flags
    out.U16(cue.wave);
    out.U8(cue.bank);
    out.U8(LOOP_FOREVER);
    out.U16(0); // position
    out.U16(0); // angle
}

} // namespace

std::vector<uint8_t> WriteSoundBank(const SoundPackDesc& pack, const std::string& bankName)
{
    ByteWriter out;
    const uint32_t cueCount = static_cast<uint32_t>(pack.cues.size());
    out.Bytes(reinterpret_cast<const uint8_t*>("SDBK"), 4);
    out.U16(46);       // content version
    out.U16(43);       // tool version
    out.U16(0);        // check word, not verified
    out.Zeros(8);      // build time
    out.U8(1);         // platform
    out.U16(cueCount); // simple cues
    out.U16(0);        // complex cues
    out.U16(0);
    out.U16(0); // cue-hash entries
    out.U8(static_cast<uint32_t>(pack.banks.size()));
    out.U16(cueCount); // sounds: one per cue
    out.U16(0);        // cue-name bytes
    out.U16(0);
    out.U32(0);    // simple cues
    out.U32(NONE); // complex cues
    out.U32(0);    // cue names
    out.U32(NONE);
    out.U32(NONE);        // variations
    out.U32(NONE);        // transitions
    out.U32(HEADER_SIZE); // wave-bank names
    out.U32(NONE);        // cue-hash table
    out.U32(0);           // cue-name index
    out.U32(0);           // sounds
    out.FixedString(bankName, NAME_FIELD);

    for (const WaveBankDesc& bank : pack.banks)
        out.FixedString(bank.name, NAME_FIELD);

    out.PatchU32(AT_SOUNDS, out.Size());
    std::vector<uint32_t> soundOffsets;
    for (const CueDesc& cue : pack.cues) {
        soundOffsets.push_back(out.Size());
        WriteSound(out, cue);
    }

    out.PatchU32(AT_SIMPLE_CUES, out.Size());
    for (uint32_t offset : soundOffsets) {
        out.U8(CUE_ONE_SOUND);
        out.U32(offset);
    }

    out.PatchU32(AT_CUE_NAME_INDEX, out.Size());
    const uint32_t nameIndexAt = out.Size();
    out.Zeros(cueCount * 6);
    out.PatchU32(AT_CUE_NAMES, out.Size());
    const uint32_t namesAt = out.Size();
    for (uint32_t i = 0; i < cueCount; ++i) {
        out.PatchU32(nameIndexAt + 6 * i, out.Size());
        out.PatchU16(nameIndexAt + 6 * i + 4, 0xFFFF);
        out.String(pack.cues[i].name);
    }
    out.PatchU16(AT_CUE_NAME_BYTES, out.Size() - namesAt);
    return out.Bytes();
}
