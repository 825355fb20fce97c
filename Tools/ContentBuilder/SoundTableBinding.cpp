#include "SoundTableBinding.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr size_t WAVE_BANKS_MAX = 255;
// The cue names ("sound_" and eight digits, with the NUL) must fit the sound
// bank's 16-bit size of its name table.
constexpr size_t CUES_MAX = 0xFFFF / 16;

bool DeclaresBank(const SoundPackDesc& pack, const std::string& name)
{
    return std::any_of(pack.banks.begin(), pack.banks.end(),
                       [&](const WaveBankDesc& bank) { return bank.name == name; });
}

} // namespace

bool BindSoundTables(SoundPackDesc& pack, std::span<const SoundRow> sounds, std::span<const SoundGroupRow> groups,
                     std::string& error)
{
    for (const SoundGroupRow& group : groups) {
        for (const char* name : group.m_apBanks) {
            if (!name || !*name)
                break;
            if (DeclaresBank(pack, name))
                continue;
            if (pack.banks.size() == WAVE_BANKS_MAX || std::string(name).size() >= 64) {
                error = std::string("too many wave banks or bank name too long: ") + name;
                return false;
            }
            pack.banks.push_back({name, false, {pack.groupWave}});
        }
    }

    pack.cues.assign(sounds.size(), CueDesc {});
    std::vector<bool> placed(sounds.size(), false);
    size_t bound = 0;
    for (const SoundRow& sound : sounds) {
        const int index = sound.m_iPlatformSoundId;
        if (index < 0 || static_cast<size_t>(index) >= sounds.size() || placed[index] || index == 0xFFFF) {
            error = "the sound table's platform ids are not the numbers 0..n-1";
            return false;
        }
        placed[index] = true;
        const uint32_t id = static_cast<uint32_t>(sound.m_iSoundId);
        const auto binding = std::find_if(pack.bindings.begin(), pack.bindings.end(),
                                          [id](const SoundBinding& b) { return b.soundId == id; });
        CueDesc& cue = pack.cues[index];
        cue = binding != pack.bindings.end() ? binding->cue : pack.defaultCue;
        bound += binding != pack.bindings.end();
        char name[32];
        std::snprintf(name, sizeof name, "sound_%08x", id);
        cue.name = name;
    }
    if (bound != pack.bindings.size()) {
        error = "a bound sound is not in the sound id table";
        return false;
    }
    if (pack.cues.empty() || pack.cues.size() > CUES_MAX) {
        error = "the sound id table is empty or too long for one sound bank";
        return false;
    }
    return true;
}
