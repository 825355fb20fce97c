// The talk screen drawn on the real OpenGL device from the living room's
// sample dialogs: a sentence of the mother's, the kid's page of
// propositions, and a caption; each picture is compared with its reference.
#include "Dialogs/Common/DialogInterface.h"

#include "Engine/Dialogs/Common/TalkScreenTestKit.h"
#include "Renderer/CoreRenderer.h"
#include "Support/GoldenImage.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace TalkScreenTest;

constexpr int32_t LIVING_ROOM = 9;
constexpr uint32_t FIRST_VISIT = 0x824E3221;
constexpr uint32_t TALK_TO_MOTHER = 0xD25B1E3D;

class TalkScreenGoldenImageTest : public TestSupport::OpenGlPictureTest {
protected:
    void SetUp() override
    {
        OpenGlPictureTest::SetUp();
        if (HasFatalFailure())
            return;
        // A sea blue behind the screen shows what the strip lets through.
        m_renderer.SetClearColor(0xFF3C6E96);
        world.SetUp();
        world.AddSampleTexts("en-GBTextBG101.dat");
        world.AddSampleTexts("en-GBTextCommon.dat");
        const int32_t iSlot = world.AddSampleGroup("bg101_BO_CastilloLivingRoom.dialogs.dat", LIVING_ROOM);
        world.Manager().SetCurrentDialogGroup(iSlot);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
        TestSupport::LogCapture log;
        ASSERT_TRUE(talk.Initialize());
        ASSERT_EQ(log.Take(), "");
    }
    void TearDown() override
    {
        talk.Shutdown();
        world.TearDown();
        OpenGlPictureTest::TearDown();
    }

    // Frames until the portrait has arrived and every line is typed.
    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i)
            talk.Update(16);
    }
    Platform::RgbaImage Picture(bool bCaption)
    {
        return FramePicture([&] {
            m_renderer.SetScreenCamera();
            talk.Draw();
            if (bCaption)
                talk.DrawCaption();
        });
    }

    TalkWorld world;
    DialogInterface talk;
};

TEST_F(TalkScreenGoldenImageTest, TheMotherSpeaksFromTheRightInHerHappyMood)
{
    world.Manager().StartDialog(FIRST_VISIT);
    Run(400);
    ASSERT_EQ(talk.GetState(), DIALOG_STATE_SENTENCE);
    ASSERT_TRUE(talk.GetTypewriterLine(2).IsDone());
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(Picture(false), "Engine/Dialogs/Common/TalkScreen/Sentence", 8));
}

TEST_F(TalkScreenGoldenImageTest, TheKidsFirstPageOfPropositions)
{
    world.Manager().StartDialog(TALK_TO_MOTHER);
    Run(10);
    // No pointer: the sentence turns by itself after 25 seconds.
    for (int i = 0; i < 30 && talk.GetState() != DIALOG_STATE_THINKING; ++i)
        talk.Update(1000);
    ASSERT_EQ(talk.GetState(), DIALOG_STATE_THINKING);
    Run(60);
    ASSERT_FALSE(talk.AreRowsSliding());
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(Picture(false), "Engine/Dialogs/Common/TalkScreen/Propositions", 8));
}

TEST_F(TalkScreenGoldenImageTest, ACaptionOfTwoLinesTakesTheLargeBox)
{
    talk.SetCaptionDisplayed("The bedroom door, left ajar since this morning, with a drawing of a gull pinned to it");
    Run(60);
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(Picture(true), "Engine/Dialogs/Common/TalkScreen/Caption", 8));
}

} // namespace
