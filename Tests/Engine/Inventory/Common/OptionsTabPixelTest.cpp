// The options tab drawn on the real OpenGL device from the sample common
// pack: its save and exit buttons sit below the volume bars' labels.
#include "Engine/Inventory/Common/MenuPictureTest.h"
#include "Interface/Common/InterfaceButton.h"

#include <gtest/gtest.h>

namespace {

using namespace MenuTest;

// 640 x 480: two and a half pixels to a virtual unit.
uint32_t Pixel(fx32 units)
{
    return uint32_t(units * 5 / 2 / U);
}

using OptionsTabPixelTest = MenuPictureTest;

TEST_F(OptionsTabPixelTest, TheSaveAndExitButtonsLeaveTheBarLabelsAsTheyAre)
{
    world.Menu().SetCurrentTab(TAB_OPTIONS);
    const Platform::RgbaImage withButtons = Picture();
    for (const int32_t entry : {BUTTON_SAVE_LIT, BUTTON_SAVE, BUTTON_EXIT_LIT, BUTTON_EXIT})
        world.Menu().GetButton(entry).m_bVisible = 0;
    const Platform::RgbaImage withoutButtons = Picture();

    // The labels stand at x 60, from y 45 to a line below y 105, left of the
    // bars at x 132.
    int32_t changed = 0;
    for (uint32_t y = Pixel(45 * U); y <= Pixel(105 * U + m_mainFont.GetLineHeight()); ++y)
        for (uint32_t x = Pixel(60 * U); x < Pixel(132 * U); ++x)
            changed += withButtons.At(x, y) != withoutButtons.At(x, y);
    EXPECT_EQ(changed, 0);
}

} // namespace
