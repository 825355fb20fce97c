// A wave bank as the game uses it, both ways: loaded whole into memory, and
// streamed from its file while it plays. Either way the cues of the sample
// sound bank that play from it are played for a while, then the bank is
// destroyed.
#include "FuzzSupport.h"
#include "SoundFuzzKit.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<Platform::SoundEngine> s_pEngine;
std::vector<uint8_t> s_soundBankImage;
Platform::SoundBank* s_pSoundBank = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    Fuzz::SelectFastSilentOutput();
    s_pEngine = Fuzz::MakeEngine(Fuzz::ReadDataFile("Sound/SoundPack.xgs"));
    s_soundBankImage = Fuzz::ReadDataFile("Sound/SoundPack.xsb");
    std::string reason;
    if (!s_pEngine || s_pEngine->CreateSoundBank(s_soundBankImage.data(), s_soundBankImage.size(), s_pSoundBank,
                                                 reason) != Platform::SOUND_OK)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        // An exact-size copy, so that reading one byte past the image is
        // caught; it outlives the bank, as the game's image does.
        const std::vector<uint8_t> image(data, data + size);
        Platform::SoundWaveBank* bank = nullptr;
        std::string reason;
        if (s_pEngine->CreateInMemoryWaveBank(image.data(), image.size(), bank, reason) == Platform::SOUND_OK) {
            Fuzz::PlayCues(*s_pEngine, s_pSoundBank);
            s_pEngine->DestroyWaveBank(bank);
        }
    }
    static Fuzz::InputFile s_file(".xwb");
    if (Platform::SoundWaveBank* bank = Fuzz::LoadStreamedBank(*s_pEngine, s_file.Write(data, size))) {
        Fuzz::PlayCues(*s_pEngine, s_pSoundBank);
        s_pEngine->DestroyWaveBank(bank);
    }
    return 0;
}
