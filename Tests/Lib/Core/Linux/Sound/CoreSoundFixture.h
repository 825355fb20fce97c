#pragma once
// The core sound layer started on the sample data, on the silent output.
#include "Sound/CoreSound.h"
#include "Sound/CoreSoundState.h"
#include "Sound/SoundEngine.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

class CoreSoundTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        m_cwd.emplace(TestSupport::DataDir());
        TestSupport::LogCapture capture;
        const int result = CoreSndInitWithBuffer();
        m_initOutput = capture.Take();
        ASSERT_EQ(result, 0) << m_initOutput;
    }

    void TearDown() override
    {
        for (int id = 0; id < SOUND_PLAYER_MAX; ++id)
            g_oPlayerHandles[id].m_bBound = 0;
        CoreSndDestroy();
    }

    static Platform::SoundEngine& Engine() { return *CoreSndGetEngine(); }

    // The cue index of a sound of the sample bank, by its sound id.
    static uint16_t Cue(uint32_t soundId)
    {
        char name[32];
        std::snprintf(name, sizeof name, "sound_%08x", soundId);
        return Engine().GetCueIndex(g_oCoreSnd.m_pSoundBank, name);
    }

    static uint32_t State(Platform::SoundCue* cue)
    {
        uint32_t state = 0;
        return Engine().GetState(cue, state) == Platform::SOUND_OK ? state : 0;
    }

    static float CategoryVolume(const char* category)
    {
        return Engine().GetCategoryVolume(Engine().GetCategory(category));
    }

    // Runs frames of sound work until the condition holds (at most 3 s).
    template <typename Condition>
    static bool RunFramesUntil(Condition condition)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            CoreSndDoWork();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    std::optional<TestSupport::ScopedWorkingDirectory> m_cwd;
    std::string m_initOutput;
};

// Sounds of the sample bank: a wind loop in "common", a short click in
// "common" (the default cue), a strike in the sword duel's bank, the streamed
// music loop.
constexpr uint32_t SOUND_WIND_LOOP = 0x0009ae29;
constexpr uint32_t SOUND_CLICK = 0x30ca3b76;
constexpr uint32_t SOUND_DUEL_STRIKE = 0x57c95796;
constexpr uint32_t SOUND_MUSIC = 0x47e6e6f9;
