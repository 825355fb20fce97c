// A sample cue mixed into a file: signal comes out.
#include "Sound/CoreSound.h"
#include "Sound/CoreSoundState.h"
#include "Sound/SoundEngine.h"
#include "Sound/SoundOutput.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace {

// The mix as 32-bit float samples (the engine's output format).
std::vector<float> ReadMix(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<float> samples;
    float sample;
    while (file.read(reinterpret_cast<char*>(&sample), sizeof sample))
        samples.push_back(sample);
    return samples;
}

TEST(CoreSoundOutputTest, ASampleCueMixesIntoTheOutput)
{
    TestSupport::EnsureMainHeap();
    TestSupport::TempDir output;
    const auto mixFile = output / "mix.raw";
    Platform::SelectSoundOutput(Platform::SoundOutput::File, mixFile.c_str());
    {
        TestSupport::ScopedWorkingDirectory cwd(TestSupport::DataDir());
        ASSERT_EQ(CoreSndInitWithBuffer(), 0);
        ASSERT_TRUE(CoreSndLoadGroup("sound/common"));
        const int player = CoreSndPlayerInit("Voices");
        // The line of speech of the sample bank.
        CoreSndPlayerPlay(player, CoreSndGetEngine()->GetCueIndex(g_oCoreSnd.m_pSoundBank, "sound_2af5a458"));
        ASSERT_NE(CoreSndPlayerCue(player), nullptr);
        // The disk output writes in its own thread at the sound's pace, which
        // a loaded machine slows: wait for 0.9 s of sound, not of the clock.
        constexpr std::uintmax_t PLAYED_BYTES = 48000 * 2 * sizeof(float) * 9 / 10;
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        std::error_code error;
        while (std::chrono::steady_clock::now() < giveUp &&
               !(std::filesystem::file_size(mixFile, error) >= PLAYED_BYTES && !error)) {
            CoreSndDoWork();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        CoreSndPlayerTerm(player);
        CoreSndDestroy();
    }
    Platform::SelectSoundOutput(Platform::SoundOutput::Device);

    const std::vector<float> mix = ReadMix(mixFile);
    ASSERT_GT(mix.size(), 4800u) << "at least 50 ms of stereo at 48 kHz";
    float peak = 0.0f;
    size_t audible = 0;
    for (float sample : mix) {
        ASSERT_TRUE(std::isfinite(sample));
        peak = std::max(peak, std::fabs(sample));
        audible += std::fabs(sample) > 0.01f;
    }
    EXPECT_GT(peak, 0.1f);
    EXPECT_LE(peak, 1.5f);
    EXPECT_GT(audible, mix.size() / 10) << "signal for a good part of the run";
}

} // namespace
