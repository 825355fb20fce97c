#include "ContentError.h"
#include "ContentSteps.h"
#include "OutputFile.h"
#include "SoundBankWriters.h"
#include "SoundPackDescription.h"
#include "SoundTableBinding.h"

#include <algorithm>
#include <cstdio>

namespace fs = std::filesystem;

namespace {

constexpr const char* PACK_NAME = "SoundPack";

bool WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes)
{
    try {
        WriteOutputFile(path, bytes);
        return true;
    } catch (const ContentError& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
        return false;
    }
}

} // namespace

// Content/Sound/SoundPack.txt describes the categories, wave banks (with
// generated waves) and the cues of particular sounds; the other ".txt" files
// beside it, read after it in name order, add each mini-game's own. The game's
// sound tables give the cue numbering and the banks of the sound groups. The engine reads
// "Sound/SoundPack.xgs", "Sound/SoundPack.xsb" and one "sound/<bank>.xwb" per
// bank (paths are matched without regard to case).
bool BuildSoundBanks(const fs::path& content, const fs::path& data)
{
    const fs::path description = content / "Sound" / "SoundPack.txt";
    if (!fs::exists(description))
        return true;
    std::vector<fs::path> sources;
    for (const fs::directory_entry& entry : fs::directory_iterator(description.parent_path()))
        if (entry.is_regular_file() && entry.path().extension() == ".txt" && entry.path() != description)
            sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end());
    sources.insert(sources.begin(), description);
    SoundPackDesc pack;
    std::string error;
    if (!ReadSoundPackDescription(sources, pack, error) ||
        !BindSoundTables(pack, Id::GetSoundTable(), Id::GetSoundGroupTable(), error)) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.c_str());
        return false;
    }
    const fs::path folder = data / "Sound";
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    if (!WriteBytes(folder / (std::string(PACK_NAME) + ".xgs"), WriteGlobalSettings(pack)) ||
        !WriteBytes(folder / (std::string(PACK_NAME) + ".xsb"), WriteSoundBank(pack, PACK_NAME)))
        return false;
    for (const WaveBankDesc& bank : pack.banks)
        if (!WriteBytes(folder / (bank.name + ".xwb"), WriteWaveBank(bank)))
            return false;
    return true;
}
