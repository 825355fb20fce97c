// The sound engine over the real library, on the silent output.
#include "Common/SoundIds.h"
#include "SampleBanks.h"
#include "Sound/SoundEngine.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

namespace {

using namespace SampleBanks;
using Platform::SoundResult;

std::mutex s_notifiedLock;
std::vector<Platform::SoundCue*> s_notified;
std::vector<std::thread::id> s_notifiedThreads;

void RecordNotification(const Platform::SoundNotification* notification)
{
    std::lock_guard<std::mutex> lock(s_notifiedLock);
    s_notified.push_back(notification->cue);
    s_notifiedThreads.push_back(std::this_thread::get_id());
}

size_t NotificationsFor(Platform::SoundCue* cue)
{
    std::lock_guard<std::mutex> lock(s_notifiedLock);
    return std::count(s_notified.begin(), s_notified.end(), cue);
}

class SoundEngineTest : public testing::Test {
protected:
    void SetUp() override
    {
        {
            std::lock_guard<std::mutex> lock(s_notifiedLock);
            s_notified.clear();
            s_notifiedThreads.clear();
        }
        m_settings = Read("SoundPack.xgs");
        m_soundBankImage = Read("SoundPack.xsb");
        m_common = Read("common.xwb");
        m_duel = Read("mg_woodenswordduel.xwb");
        ASSERT_EQ(Platform::SoundEngine::Create(m_engine), Platform::SOUND_OK);
        std::string error;
        ASSERT_EQ(m_engine->Initialize(m_settings.data(), m_settings.size(), 250, RecordNotification, error),
                  Platform::SOUND_OK)
            << error;
        ASSERT_EQ(m_engine->RegisterCueStopNotification(), Platform::SOUND_OK);
        ASSERT_EQ(m_engine->CreateSoundBank(m_soundBankImage.data(), m_soundBankImage.size(), m_bank, error),
                  Platform::SOUND_OK)
            << error;
    }

    Platform::SoundWaveBank* LoadBank(const std::vector<uint8_t>& image)
    {
        Platform::SoundWaveBank* bank = nullptr;
        std::string error;
        EXPECT_EQ(m_engine->CreateInMemoryWaveBank(image.data(), image.size(), bank, error), Platform::SOUND_OK)
            << error;
        return bank;
    }

    uint16_t Cue(const char* name) { return m_engine->GetCueIndex(m_bank, name); }

    uint32_t State(Platform::SoundCue* cue)
    {
        uint32_t state = 0;
        EXPECT_EQ(m_engine->GetState(cue, state), Platform::SOUND_OK);
        return state;
    }

    // Runs the engine's frame work until the condition holds (at most 3 s).
    template <typename Condition>
    bool WaitFor(Condition condition)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            m_engine->DoWork();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    std::vector<uint8_t> m_settings, m_soundBankImage, m_common, m_duel;
    std::unique_ptr<Platform::SoundEngine> m_engine;
    Platform::SoundBank* m_bank = nullptr;
};

TEST_F(SoundEngineTest, TheLibraryReadsTheSampleBanksAsWritten)
{
    const char* categories[] = {"Global", "Default", "Music", "Effects", "Voices", "Musics", "Ambients"};
    for (uint16_t i = 0; i < 7; ++i)
        EXPECT_EQ(m_engine->GetCategory(categories[i]), i) << categories[i];
    EXPECT_EQ(m_engine->GetCategory("Nothing"), Platform::SOUND_CATEGORY_INVALID);
    EXPECT_EQ(m_engine->CategoryCount(), 7u);

    // One cue per sound of the id table, at its platform id.
    for (const SoundRow& sound : Id::GetSoundTable()) {
        char name[32];
        std::snprintf(name, sizeof name, "sound_%08x", static_cast<uint32_t>(sound.m_iSoundId));
        EXPECT_EQ(Cue(name), sound.m_iPlatformSoundId) << name;
    }
    EXPECT_EQ(Cue("missing"), Platform::SOUND_CUE_INVALID);
    EXPECT_EQ(m_engine->Initialize3D(), Platform::SOUND_OK) << "needs the settings' speed of sound";
}

TEST_F(SoundEngineTest, ACueNeedsItsWaveBankAndAnIndexInsideTheBank)
{
    Platform::SoundCue* cue = nullptr;
    EXPECT_EQ(m_engine->Play(m_bank, Cue("sound_30ca3b76"), cue), Platform::SOUND_E_WAVES_NOT_LOADED);
    EXPECT_EQ(cue, nullptr);
    LoadBank(m_duel);
    EXPECT_EQ(m_engine->Play(m_bank, Cue("sound_30ca3b76"), cue), Platform::SOUND_E_WAVES_NOT_LOADED)
        << "another bank is no stand-in";
    LoadBank(m_common);
    const uint16_t cueCount = static_cast<uint16_t>(Id::GetSoundTable().size());
    EXPECT_EQ(m_engine->Play(m_bank, cueCount, cue), Platform::SOUND_E_INVALID_CUE);
    EXPECT_EQ(m_engine->Play(m_bank, 0xFFFF, cue), Platform::SOUND_E_INVALID_CUE);
    ASSERT_EQ(m_engine->Play(m_bank, Cue("sound_0009ae29"), cue), Platform::SOUND_OK);
    EXPECT_TRUE(State(cue) & Platform::SOUND_STATE_PLAYING);
    EXPECT_EQ(m_engine->Destroy(cue), Platform::SOUND_OK);
    EXPECT_EQ(m_engine->Destroy(cue), Platform::SOUND_E_INVALID_CALL) << "a destroyed handle is refused";
}

TEST_F(SoundEngineTest, AShortCueEndsOnTheEngineThreadAndIsNotified)
{
    LoadBank(m_common);
    Platform::SoundCue* cue = nullptr;
    ASSERT_EQ(m_engine->Play(m_bank, Cue("sound_30ca3b76"), cue), Platform::SOUND_OK);
    ASSERT_TRUE(WaitFor([&] { return NotificationsFor(cue) > 0; }));
    EXPECT_TRUE(State(cue) & Platform::SOUND_STATE_STOPPED);
    {
        std::lock_guard<std::mutex> lock(s_notifiedLock);
        EXPECT_NE(s_notifiedThreads.front(), std::this_thread::get_id());
    }
    EXPECT_EQ(m_engine->Destroy(cue), Platform::SOUND_OK);
}

TEST_F(SoundEngineTest, StoppingALoopNotifiesAtOnce)
{
    LoadBank(m_common);
    Platform::SoundCue* cue = nullptr;
    ASSERT_EQ(m_engine->Play(m_bank, Cue("sound_0009ae29"), cue), Platform::SOUND_OK);
    EXPECT_EQ(m_engine->Stop(cue, false), Platform::SOUND_OK);
    EXPECT_GE(NotificationsFor(cue), 1u);
    EXPECT_TRUE(State(cue) & (Platform::SOUND_STATE_STOPPING | Platform::SOUND_STATE_STOPPED));
    EXPECT_EQ(m_engine->Destroy(cue), Platform::SOUND_OK);
}

TEST_F(SoundEngineTest, UnloadingAWaveBankStopsItsCuesAndKeepsTheirHandles)
{
    Platform::SoundWaveBank* common = LoadBank(m_common);
    Platform::SoundWaveBank* duel = LoadBank(m_duel);
    Platform::SoundCue* wind = nullptr;
    Platform::SoundCue* strike = nullptr;
    ASSERT_EQ(m_engine->Play(m_bank, Cue("sound_0009ae29"), wind), Platform::SOUND_OK);
    ASSERT_EQ(m_engine->Play(m_bank, Cue("sound_57c95796"), strike), Platform::SOUND_OK);

    EXPECT_EQ(m_engine->DestroyWaveBank(duel), Platform::SOUND_OK);
    EXPECT_GE(NotificationsFor(strike), 1u);
    EXPECT_EQ(State(strike), Platform::SOUND_STATE_STOPPED);
    EXPECT_EQ(m_engine->Stop(strike, true), Platform::SOUND_OK) << "a stopped handle stays usable";
    EXPECT_TRUE(State(wind) & Platform::SOUND_STATE_PLAYING) << "the other bank's cue plays on";
    EXPECT_EQ(m_engine->DestroyWaveBank(duel), Platform::SOUND_E_INVALID_CALL);

    Platform::SoundCue* again = nullptr;
    EXPECT_EQ(m_engine->Play(m_bank, Cue("sound_57c95796"), again), Platform::SOUND_E_WAVES_NOT_LOADED);
    EXPECT_EQ(m_engine->Destroy(strike), Platform::SOUND_OK);

    // Destroying the sound bank stops the rest.
    EXPECT_EQ(m_engine->DestroySoundBank(m_bank), Platform::SOUND_OK);
    EXPECT_EQ(State(wind), Platform::SOUND_STATE_STOPPED);
    EXPECT_EQ(m_engine->Destroy(wind), Platform::SOUND_OK);
    EXPECT_EQ(m_engine->DestroyWaveBank(common), Platform::SOUND_OK);
}

TEST_F(SoundEngineTest, StreamedBankPlaysFromItsFile)
{
    const std::string path = (TestSupport::DataDir() / "sound" / "STREAM.xwb").string();
    Platform::SoundWaveBank* stream = nullptr;
    std::string error;
    ASSERT_EQ(m_engine->CreateStreamingWaveBank(path.c_str(), 64, stream, error), Platform::SOUND_OK) << error;
    uint32_t state = 0;
    ASSERT_TRUE(WaitFor([&] {
        m_engine->GetWaveBankState(stream, state);
        return (state & Platform::SOUND_STATE_PREPARED) != 0;
    }));
    Platform::SoundCue* music = nullptr;
    ASSERT_EQ(m_engine->Play(m_bank, Cue("sound_47e6e6f9"), music), Platform::SOUND_OK);
    EXPECT_TRUE(WaitFor([&] { return (State(music) & Platform::SOUND_STATE_PLAYING) != 0; }));

    const std::string common = (TestSupport::DataDir() / "Sound" / "common.xwb").string();
    EXPECT_EQ(m_engine->CreateStreamingWaveBank(common.c_str(), 64, stream, error), Platform::SOUND_E_BAD_FILE);
    EXPECT_EQ(error, "not a streamed bank");
    EXPECT_EQ(m_engine->CreateStreamingWaveBank("sound/none.xwb", 64, stream, error), Platform::SOUND_E_FILE_NOT_FOUND);
    EXPECT_EQ(stream, nullptr);
}

TEST_F(SoundEngineTest, PlacementPansLeftAndRight)
{
    ASSERT_EQ(m_engine->Initialize3D(), Platform::SOUND_OK);
    float matrix[4] = {};
    Platform::SoundPlacement placement;
    placement.matrix = matrix;
    auto leftAndRight = [&](float x) {
        EXPECT_EQ(m_engine->Calculate3D(x, placement), Platform::SOUND_OK);
        return std::pair<float, float>(matrix[0] + matrix[1], matrix[2] + matrix[3]);
    };
    const auto [leftOfLeft, rightOfLeft] = leftAndRight(-1.0f);
    const auto [leftOfCentre, rightOfCentre] = leftAndRight(0.0f);
    const auto [leftOfRight, rightOfRight] = leftAndRight(1.0f);
    EXPECT_GT(leftOfLeft, rightOfLeft);
    EXPECT_FLOAT_EQ(leftOfCentre, rightOfCentre);
    EXPECT_LT(leftOfRight, rightOfRight);
    EXPECT_FLOAT_EQ(leftOfLeft, rightOfRight) << "symmetric";

    LoadBank(m_common);
    Platform::SoundCue* cue = nullptr;
    ASSERT_EQ(m_engine->Play(m_bank, Cue("sound_0009ae29"), cue), Platform::SOUND_OK);
    EXPECT_EQ(m_engine->Apply3D(placement, cue), Platform::SOUND_OK);
    placement.destinationChannels = 33;
    EXPECT_EQ(m_engine->Calculate3D(0.0f, placement), Platform::SOUND_E_INVALID_CALL);
}

TEST_F(SoundEngineTest, CategoryVolumeAndPause)
{
    EXPECT_FLOAT_EQ(m_engine->GetCategoryVolume(3), 1.0f);
    EXPECT_EQ(m_engine->SetCategoryVolume(3, 0.25f), Platform::SOUND_OK);
    EXPECT_FLOAT_EQ(m_engine->GetCategoryVolume(3), 0.25f);
    EXPECT_EQ(m_engine->SetCategoryVolume(7, 0.25f), Platform::SOUND_E_INVALID_CALL);

    LoadBank(m_common);
    Platform::SoundCue* cue = nullptr;
    ASSERT_EQ(m_engine->Play(m_bank, Cue("sound_0009ae29"), cue), Platform::SOUND_OK);
    for (uint16_t category = 0; category < 0xFFFF; ++category)
        ASSERT_EQ(m_engine->PauseCategory(category, true), Platform::SOUND_OK);
    EXPECT_TRUE(State(cue) & Platform::SOUND_STATE_PAUSED);
    for (uint16_t category = 0; category < 7; ++category)
        m_engine->PauseCategory(category, false);
    EXPECT_FALSE(State(cue) & Platform::SOUND_STATE_PAUSED);
}

TEST(SoundEngineFilesTest, BadFilesAreRefusedWithAReason)
{
    std::unique_ptr<Platform::SoundEngine> engine;
    ASSERT_EQ(Platform::SoundEngine::Create(engine), Platform::SOUND_OK);
    std::vector<uint8_t> settings = Read("SoundPack.xgs");
    std::string error;
    EXPECT_EQ(engine->Initialize(settings.data(), settings.size() - 1, 250, nullptr, error),
              Platform::SOUND_E_BAD_FILE);
    EXPECT_EQ(error, "truncated or overlong name");
    ASSERT_EQ(engine->Initialize(settings.data(), settings.size(), 250, nullptr, error), Platform::SOUND_OK);

    std::vector<uint8_t> soundBank = Read("SoundPack.xsb");
    Platform::SoundBank* bank = nullptr;
    EXPECT_EQ(engine->CreateSoundBank(soundBank.data(), 200, bank, error), Platform::SOUND_E_BAD_FILE);
    EXPECT_EQ(bank, nullptr);
    std::vector<uint8_t> waves = Read("common.xwb");
    Platform::SoundWaveBank* waveBank = nullptr;
    EXPECT_EQ(engine->CreateInMemoryWaveBank(waves.data(), waves.size() - 1, waveBank, error),
              Platform::SOUND_E_BAD_FILE);
    std::vector<uint8_t> stream = Read("stream.xwb");
    EXPECT_EQ(engine->CreateInMemoryWaveBank(stream.data(), stream.size(), waveBank, error),
              Platform::SOUND_E_BAD_FILE);
    EXPECT_EQ(error, "a streamed bank cannot be loaded into memory");
}

// Single-byte changes that the checks let through must still be read safely
// by the library: every variant is loaded and its cues played.
TEST(SoundEngineFilesTest, AcceptedVariantsOfTheBanksLoadAndPlay)
{
    const std::vector<uint8_t> settings = Read("SoundPack.xgs");
    const std::vector<uint8_t> soundBank = Read("SoundPack.xsb");
    const std::vector<uint8_t> waves = Read("mg_woodenswordduel.xwb");
    std::unique_ptr<Platform::SoundEngine> engine;
    ASSERT_EQ(Platform::SoundEngine::Create(engine), Platform::SOUND_OK);
    std::string error;
    ASSERT_EQ(engine->Initialize(settings.data(), settings.size(), 250, nullptr, error), Platform::SOUND_OK);

    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    int accepted = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> bank = soundBank;
        std::vector<uint8_t> waveImage = waves;
        if (round % 2)
            bank[next() % bank.size()] ^= static_cast<uint8_t>(1u << (next() % 8));
        else
            waveImage[next() % 400] ^= static_cast<uint8_t>(1u << (next() % 8));
        Platform::SoundBank* sounds = nullptr;
        Platform::SoundWaveBank* waveBank = nullptr;
        if (engine->CreateSoundBank(bank.data(), bank.size(), sounds, error) != Platform::SOUND_OK ||
            engine->CreateInMemoryWaveBank(waveImage.data(), waveImage.size(), waveBank, error) != Platform::SOUND_OK) {
            if (sounds)
                engine->DestroySoundBank(sounds);
            continue;
        }
        ++accepted;
        for (uint16_t index = 0; index < 12; ++index) {
            Platform::SoundCue* cue = nullptr;
            if (engine->Play(sounds, index, cue) == Platform::SOUND_OK)
                engine->Destroy(cue);
        }
        engine->DoWork();
        engine->DestroyWaveBank(waveBank);
        engine->DestroySoundBank(sounds);
    }
    EXPECT_GT(accepted, 0);
}

} // namespace
