// A sound bank as the game uses it: checked and read by the sound engine on
// the sample global settings, with every wave bank of the sample loaded (the
// streamed one too), then its cues played for a while and the bank
// destroyed.
#include "FuzzSupport.h"
#include "SoundFuzzKit.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<Platform::SoundEngine> s_pEngine;
// Waves play from the images of the banks loaded into memory.
std::vector<std::vector<uint8_t>> s_waveBankImages;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    Fuzz::SelectFastSilentOutput();
    s_pEngine = Fuzz::MakeEngine(Fuzz::ReadDataFile("Sound/SoundPack.xgs"));
    if (!s_pEngine)
        std::abort();
    for (const auto& file : std::filesystem::directory_iterator(Fuzz::DataFolder() / "Sound")) {
        if (file.path().extension() != ".xwb")
            continue;
        if (file.path().filename() == "stream.xwb") {
            Fuzz::LoadStreamedBank(*s_pEngine, file.path().string());
            continue;
        }
        s_waveBankImages.push_back(Fuzz::ReadDataFile(("Sound/" + file.path().filename().string()).c_str()));
        Platform::SoundWaveBank* bank = nullptr;
        std::string reason;
        const std::vector<uint8_t>& image = s_waveBankImages.back();
        s_pEngine->CreateInMemoryWaveBank(image.data(), image.size(), bank, reason);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that reading one byte past the image is caught.
    const std::vector<uint8_t> image(data, data + size);
    Platform::SoundBank* bank = nullptr;
    std::string reason;
    if (s_pEngine->CreateSoundBank(image.data(), image.size(), bank, reason) != Platform::SOUND_OK)
        return 0;
    Fuzz::PlayCues(*s_pEngine, bank);
    s_pEngine->DestroySoundBank(bank);
    return 0;
}
