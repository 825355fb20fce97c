// The mini-game message box drawn on the real OpenGL device from the sample
// art: the frame, the title, a page of text scrolled from the first, both
// scroll arrows, two buttons (one under the pointer) and the pointer.
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Input/Common/InputSystem.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "Renderer/CoreRenderer.h"
#include "Support/GoldenImage.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"

#include <gtest/gtest.h>

namespace {

using namespace MiniGameTest;

constexpr const char* MESSAGE =
    "The tide comes in twice a day, and twice a day the crabs run for the rocks. Catch the stars that fall from the "
    "mast before they reach the water. Each star you miss costs a life, and three lives lost end the round. Move "
    "with the arrow keys or the mouse; press Escape to pause. The faster you are, the more stars fall at once. "
    "Mind the gulls, who like stars as much as you do. When the bell rings, the round is over and the stars you "
    "caught are counted: ten make a good catch, twenty a fine one, and thirty a catch that the whole harbour will "
    "talk about until the next tide. The old fisherman at the end of the pier keeps the record; ask him about it "
    "and he will tell you, at length, about the night of the great storm when the sky emptied itself of stars.";

using MessageBoxGoldenImageTest = TestSupport::OpenGlPictureTest;

TEST_F(MessageBoxGoldenImageTest, TheBoxShowsItsTitleTextArrowsButtonsAndPointer)
{
    m_renderer.SetClearColor(0xFF3C6E96);
    TestSupport::LogCapture log;
    MiniGameWorld world;
    world.SetUp();
    InputSystem::EnableGameEvents(true);
    MiniGameFonts::Load();
    MGSprite::ClearPoolCounts();
    {
        KitTestMiniGame game;
        ASSERT_TRUE(game.Initialize());
        MGMessageBox& box = game.GetMessageBox();
        box.Hide();
        box.Show(MESSAGE, "Star catcher", "Go on", "Skip", 0);
        box.ScrollDown();
        box.UpdateScrollButtons();
        ASSERT_TRUE(box.GetUpArrow().IsVisible());
        ASSERT_TRUE(box.GetDownArrow().IsVisible()) << box.GetLineCount() << " lines, " << box.GetLinesPerPage();
        const MGRectangle& skip = box.GetButton(1).m_oRect;
        world.Frame(skip.m_fxX + skip.m_fxWidth / 2, skip.m_fxY + skip.m_fxHeight / 2, false);
        box.Update(16);
        ASSERT_TRUE(box.GetButton(1).m_bHovered);

        const Platform::RgbaImage picture = FramePicture([&] {
            m_renderer.SetScreenCamera();
            game.Render();
        });
        EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/MiniGame/Common/MessageBox", 8));
        game.Shutdown();
    }
    MGSprite::ShutdownPoolSystem();
    MiniGameFonts::Release();
    world.TearDown();
    EXPECT_EQ(log.Text().find("Warning"), std::string::npos) << log.Text();
}

} // namespace
