// What the new-item and quest alerts draw with the sample pack's pictures: a
// whole icon at the top middle of the screen for as long as they run, not a
// sliver of one.
#include "Engine/Interface/Common/MenuTabWorld.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace MenuTabTest;

TEST(MenuAlertDrawingTest, EachAlertShowsASquareIconAtTheTopMiddleThroughoutItsRun)
{
    MenuTabWorld world;
    const struct {
        const char* texture;
        void (InterfaceMenu::*start)();
        void (InterfaceMenu::*draw)();
    } alerts[] = {{"int_alert_invent", &InterfaceMenu::StartItemAlert, &InterfaceMenu::DrawItemAlert},
                  {"int_alert_quest", &InterfaceMenu::StartQuestAlert, &InterfaceMenu::DrawQuestAlert}};
    for (const auto& alert : alerts) {
        SCOPED_TRACE(alert.texture);
        (world.Menu().*alert.start)();
        // Frames a quarter of a second apart cover the run's cells.
        for (int frame = 0; frame < 7; ++frame) {
            world.Frame(0, 0, false, 250);
            const std::vector<DrawnQuad> quads = world.DrawQuads(alert.draw);
            ASSERT_EQ(quads.size(), 1u);
            const DrawnQuad& icon = quads[0];
            EXPECT_EQ(icon.texture, world.TextureId(alert.texture));
            EXPECT_NEAR(icon.width, icon.height, 0.01f);
            EXPECT_GT(icon.height, 8.0f);
            EXPECT_NEAR(icon.x + icon.width / 2, 128.0f, 0.01f);
            EXPECT_NEAR(icon.y, 5.0f, 0.01f);
        }
    }
}

} // namespace
