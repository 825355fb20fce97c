#include "CoreSoundFixture.h"
#include "Support/LogCapture.h"
#include "Support/StreamCapture.h"

namespace {

const char* const GROUP_BANKS[] = {"sound/common",           "sound/bg101_chapter_01", "sound/bg102_chapter_01",
                                   "sound/bg103_chapter_01", "sound/bg104_chapter_01", "sound/mg_woodenswordduel"};

TEST_F(CoreSoundTest, PopsStopAtTheMarksOfEntriesZeroAndThree)
{
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(CoreSndLoadGroup(GROUP_BANKS[i])) << GROUP_BANKS[i];
        if (i == 0 || i == 3)
            CoreSndMarkTopGroup();
    }
    ASSERT_EQ(CoreSndGroupDepth(), 6);
    // A cue playing from entry 5 is stopped when its bank goes.
    const int player = CoreSndPlayerInit("Effects");
    CoreSndPlayerPlay(player, Cue(SOUND_DUEL_STRIKE));
    ASSERT_NE(CoreSndPlayerCue(player), nullptr);

    CoreSndUnloadGroup();
    EXPECT_EQ(CoreSndGroupDepth(), 4);
    EXPECT_FALSE(CoreSndIsGroupMarked(3)) << "the mark is used up, the entry stays";
    EXPECT_TRUE(CoreSndIsGroupMarked(0));
    EXPECT_EQ(CoreSndPlayerCue(player), nullptr) << "its stop was notified";
    EXPECT_EQ(g_oGroupStack[4].m_pWaveBank, nullptr);
    EXPECT_EQ(g_oGroupStack[4].m_oResource.m_pBuffer, nullptr) << "image released";

    CoreSndUnloadGroup();
    EXPECT_EQ(CoreSndGroupDepth(), 1);
    EXPECT_FALSE(CoreSndIsGroupMarked(0));
    EXPECT_NE(g_oGroupStack[0].m_pWaveBank, nullptr);

    CoreSndUnloadGroup();
    EXPECT_EQ(CoreSndGroupDepth(), 0);
}

TEST_F(CoreSoundTest, TheStackHoldsSixteenBanks)
{
    for (int i = 0; i < GROUP_STACK_SIZE; ++i)
        ASSERT_TRUE(CoreSndLoadGroup("sound/bg101_chapter_01"));
    TestSupport::LogCapture capture;
    EXPECT_FALSE(CoreSndLoadGroup("sound/bg101_chapter_01"));
    EXPECT_FALSE(CoreSndLoadStreamGroup());
    EXPECT_NE(capture.Take().find("g_iCurrentStackLevel < GROUP_STACK_SIZE"), std::string::npos);
    CoreSndFreeAllMemory();
    EXPECT_EQ(CoreSndGroupDepth(), 0);
}

TEST_F(CoreSoundTest, StreamedMusicPlaysFromTheStreamedBank)
{
    ASSERT_TRUE(CoreSndLoadStreamGroup());
    EXPECT_EQ(CoreSndGroupDepth(), 1);
    EXPECT_EQ(g_oGroupStack[0].m_oResource.m_pBuffer, nullptr) << "no image for the streamed bank";
    const int player = CoreSndPlayerInit("Musics");
    CoreSndPlayerPlay(player, Cue(SOUND_MUSIC));
    ASSERT_NE(CoreSndPlayerCue(player), nullptr);
    EXPECT_TRUE(RunFramesUntil([&] { return (State(CoreSndPlayerCue(player)) & Platform::SOUND_STATE_PLAYING) != 0; }));
}

TEST_F(CoreSoundTest, AMissingGroupBankIsNotPushed)
{
    TestSupport::LogCapture capture;
    EXPECT_FALSE(CoreSndLoadGroup("sound/no_such_bank"));
    EXPECT_TRUE(capture.Contains("sound/no_such_bank.xwb")) << capture.Text();
    EXPECT_EQ(CoreSndGroupDepth(), 0);
}

} // namespace
