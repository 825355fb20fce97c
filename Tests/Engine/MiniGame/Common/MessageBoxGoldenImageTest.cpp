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

#include <algorithm>

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

// 640 x 480: two and a half pixels to a virtual unit.
constexpr float PIXELS_PER_UNIT = 2.5f;

// The middle of the light pixels (text and lines on the dark frame) of a
// band of the picture, or -1 when there are none.
float LightMiddle(const Platform::RgbaImage& picture, fx32 left, fx32 right, fx32 top, fx32 bottom)
{
    const auto pixel = [](fx32 units) { return uint32_t(float(units) / FX32_ONE * PIXELS_PER_UNIT); };
    uint32_t first = picture.width;
    uint32_t last = 0;
    for (uint32_t y = pixel(top); y <= pixel(bottom); ++y) {
        for (uint32_t x = pixel(left); x <= pixel(right); ++x) {
            if ((picture.At(x, y) >> 24) < 0xA0)
                continue;
            first = std::min(first, x);
            last = std::max(last, x);
        }
    }
    return first <= last ? (first + last) / 2.0f : -1.0f;
}

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
        // The title stands centred over the line the frame draws under it;
        // the frame's emblem fills the row left of the title.
        const fx32 titleRight = MGMessageBox::TITLE_X + MGMessageBox::TITLE_WIDTH;
        const float title =
            LightMiddle(picture, MGMessageBox::TITLE_X, titleRight, MGMessageBox::TITLE_Y, 72 * FX32_ONE);
        const float line = LightMiddle(picture, 40 * FX32_ONE, 216 * FX32_ONE, 73 * FX32_ONE, 76 * FX32_ONE);
        ASSERT_GT(title, 0);
        EXPECT_NEAR(title, line, 3.0f);
        game.Shutdown();
    }
    MGSprite::ShutdownPoolSystem();
    MiniGameFonts::Release();
    world.TearDown();
    EXPECT_EQ(log.Text().find("Warning"), std::string::npos) << log.Text();
}

} // namespace
