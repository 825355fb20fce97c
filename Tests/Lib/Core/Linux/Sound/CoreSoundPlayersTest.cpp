#include "CoreSoundFixture.h"
#include "Support/LogCapture.h"

namespace {

TEST_F(CoreSoundTest, TwoPlaysOnOnePlayerBothSoundAndOnlyTheSecondStops)
{
    ASSERT_TRUE(CoreSndLoadGroup("sound/common"));
    const int player = CoreSndPlayerInit("Ambients");
    ASSERT_GE(player, 0);
    CoreSndPlayerPlay(player, Cue(SOUND_WIND_LOOP));
    Platform::SoundCue* first = CoreSndPlayerCue(player);
    CoreSndPlayerPlay(player, Cue(SOUND_WIND_LOOP));
    Platform::SoundCue* second = CoreSndPlayerCue(player);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, first);
    EXPECT_TRUE(State(first) & Platform::SOUND_STATE_PLAYING);
    EXPECT_TRUE(State(second) & Platform::SOUND_STATE_PLAYING);

    CoreSndPlayerStop(player);
    EXPECT_TRUE(State(second) & (Platform::SOUND_STATE_STOPPING | Platform::SOUND_STATE_STOPPED));
    EXPECT_TRUE(State(first) & Platform::SOUND_STATE_PLAYING) << "the replaced cue plays on";
    // The stop was notified: the player holds no cue, and the stopped one is
    // destroyed by the next frame's work.
    EXPECT_EQ(CoreSndPlayerCue(player), nullptr);
    CoreSndDoWork();
    uint32_t state = 0;
    EXPECT_EQ(Engine().GetState(second, state), Platform::SOUND_E_INVALID_CALL) << "destroyed, not leaked";
    EXPECT_TRUE(State(first) & Platform::SOUND_STATE_PLAYING);
}

TEST_F(CoreSoundTest, ACueThatEndsIsNotifiedAndDestroyed)
{
    ASSERT_TRUE(CoreSndLoadGroup("sound/common"));
    const int player = CoreSndPlayerInit("Effects");
    CoreSndPlayerPlay(player, Cue(SOUND_CLICK));
    Platform::SoundCue* click = CoreSndPlayerCue(player);
    ASSERT_NE(click, nullptr);
    ASSERT_TRUE(RunFramesUntil([&] { return CoreSndPlayerCue(player) == nullptr; }));
    ASSERT_TRUE(RunFramesUntil([] {
        std::lock_guard<std::mutex> lock(g_oCoreSnd.m_oPlayersLock);
        return g_oCoreSnd.m_vRetiredCues.empty();
    }));
    uint32_t state = 0;
    EXPECT_EQ(Engine().GetState(click, state), Platform::SOUND_E_INVALID_CALL);
}

TEST_F(CoreSoundTest, ACueIsRefusedWithoutItsWaveBankOrOutsideTheBank)
{
    const int player = CoreSndPlayerInit("Effects");
    TestSupport::LogCapture capture;
    CoreSndPlayerPlay(player, Cue(SOUND_CLICK));
    const std::string notLoaded = capture.Take();
    EXPECT_NE(notLoaded.find("condition: SUCCEEDED(hr)"), std::string::npos) << notLoaded;
    EXPECT_NE(notLoaded.find("its wave bank is not loaded"), std::string::npos) << notLoaded;
    EXPECT_EQ(CoreSndPlayerCue(player), nullptr);

    ASSERT_TRUE(CoreSndLoadGroup("sound/common"));
    CoreSndPlayerPlay(player, 0xFFFE);
    const std::string outside = capture.Take();
    EXPECT_NE(outside.find("not in the sound bank"), std::string::npos) << outside;
    EXPECT_EQ(CoreSndPlayerCue(player), nullptr);

    CoreSndPlayerPlay(player, SOUND_CUE_NONE);
    CoreSndPlayerPlay(SOUND_PLAYER_MAX, Cue(SOUND_CLICK));
    const std::string none = capture.Take();
    EXPECT_EQ(none.find("SUCCEEDED"), std::string::npos) << "no cue: nothing happens";
    EXPECT_NE(none.find("iPlayerID < SOUND_PLAYER_MAX"), std::string::npos);
}

TEST_F(CoreSoundTest, AVolumeSetOnOnePlayerIsItsWholeCategorys)
{
    const int effectsA = CoreSndPlayerInit("Effects");
    const int effectsB = CoreSndPlayerInit("Effects");
    const int voices = CoreSndPlayerInit("Voices");
    ASSERT_EQ(effectsB, effectsA + 1);
    CoreSndPlayerSetVolume(effectsA, 2048);
    EXPECT_FLOAT_EQ(CategoryVolume("Effects"), 0.5f);
    CoreSndPlayerSetVolume(effectsB, 1024);
    EXPECT_FLOAT_EQ(CategoryVolume("Effects"), 0.25f);
    EXPECT_FLOAT_EQ(CategoryVolume("Voices"), 1.0f);
    CoreSndPlayerSetVolume(voices, 7168);
    EXPECT_FLOAT_EQ(CategoryVolume("Voices"), 1.75f);

    const int unknown = CoreSndPlayerInit("Nothing");
    TestSupport::LogCapture capture;
    CoreSndPlayerSetVolume(unknown, 4096);
    EXPECT_NE(capture.Take().find("condition: false"), std::string::npos);
}

TEST_F(CoreSoundTest, PanPlacesLeftCentreAndRight)
{
    ASSERT_TRUE(CoreSndLoadGroup("sound/common"));
    const int player = CoreSndPlayerInit("Effects");
    CoreSndPlayerPlay(player, Cue(SOUND_WIND_LOOP));
    const std::vector<float>& matrix = g_oCoreSnd.m_vMatrix;
    ASSERT_EQ(matrix.size(), 4u) << "two source channels on a two-channel mix";
    auto leftMinusRight = [&](fx32 pan) {
        CoreSndPlayerSetPan(player, pan);
        return (matrix[0] + matrix[1]) - (matrix[2] + matrix[3]);
    };
    EXPECT_GT(leftMinusRight(-4096), 0.0f);
    EXPECT_FLOAT_EQ(leftMinusRight(0), 0.0f);
    EXPECT_LT(leftMinusRight(4096), 0.0f);
    EXPECT_NEAR(leftMinusRight(-4096), -leftMinusRight(4096), 1e-5);

    // Without a cue the placement is only computed.
    CoreSndPlayerClose(player);
    EXPECT_EQ(CoreSndPlayerCue(player), nullptr);
    EXPECT_GT(leftMinusRight(-2048), 0.0f);
}

TEST_F(CoreSoundTest, PlayersBindUpToSixteen)
{
    for (int id = 0; id < SOUND_PLAYER_MAX; ++id)
        EXPECT_EQ(CoreSndPlayerInit("Effects"), id);
    EXPECT_EQ(CoreSndPlayerInit("Effects"), -1);
    CoreSndPlayerTerm(5);
    EXPECT_EQ(CoreSndPlayerInit("Voices"), 5);
    EXPECT_STREQ(g_oPlayerHandles[5].m_sCategory, "Voices");

    TestSupport::LogCapture capture;
    CoreSndPlayerTerm(SOUND_PLAYER_MAX);
    CoreSndPlayerClose(-1);
    const std::string output = capture.Take();
    EXPECT_NE(output.find("iPlayerID>=0 && iPlayerID<SOUND_PLAYER_MAX && g_oPlayerHandles[iPlayerID].m_bBound==true"),
              std::string::npos)
        << output;
}

TEST_F(CoreSoundTest, PauseAndResumeAllOnlyOnChange)
{
    ASSERT_TRUE(CoreSndLoadGroup("sound/common"));
    const int player = CoreSndPlayerInit("Ambients");
    CoreSndPlayerPlay(player, Cue(SOUND_WIND_LOOP));
    Platform::SoundCue* cue = CoreSndPlayerCue(player);
    EXPECT_FALSE(CoreSndIsPaused());
    CoreSndPauseAll();
    EXPECT_TRUE(CoreSndIsPaused());
    EXPECT_TRUE(State(cue) & Platform::SOUND_STATE_PAUSED);
    CoreSndPauseAll();
    CoreSndResumeAll();
    EXPECT_FALSE(CoreSndIsPaused());
    EXPECT_FALSE(State(cue) & Platform::SOUND_STATE_PAUSED);
}

} // namespace
