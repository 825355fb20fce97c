// Global settings as the game uses them: an engine made on them, the sample
// sound bank and the common wave bank loaded on it, the cues played with the
// categories of the game's players set and placed for a while, every
// category paused and resumed, then the engine shut down.
#include "FuzzSupport.h"
#include "SoundFuzzKit.h"

#include <string>
#include <vector>

namespace {

std::vector<uint8_t> s_soundBankImage;
std::vector<uint8_t> s_waveBankImage;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    Fuzz::SelectFastSilentOutput();
    s_soundBankImage = Fuzz::ReadDataFile("Sound/SoundPack.xsb");
    s_waveBankImage = Fuzz::ReadDataFile("Sound/common.xwb");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that reading one byte past the image is caught;
    // the game keeps it while the engine lives.
    const std::vector<uint8_t> image(data, data + size);
    std::unique_ptr<Platform::SoundEngine> engine = Fuzz::MakeEngine(image);
    if (!engine)
        return 0;
    Platform::SoundBank* soundBank = nullptr;
    Platform::SoundWaveBank* waveBank = nullptr;
    std::string reason;
    if (engine->CreateSoundBank(s_soundBankImage.data(), s_soundBankImage.size(), soundBank, reason) ==
            Platform::SOUND_OK &&
        engine->CreateInMemoryWaveBank(s_waveBankImage.data(), s_waveBankImage.size(), waveBank, reason) ==
            Platform::SOUND_OK)
        Fuzz::PlayCues(*engine, soundBank);
    for (bool paused : {true, false})
        for (size_t category = 0; category < engine->CategoryCount(); ++category)
            engine->PauseCategory(uint16_t(category), paused);
    engine.reset();
    return 0;
}
