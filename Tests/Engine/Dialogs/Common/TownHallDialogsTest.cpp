// The town hall's compiled dialogs send the callbacks its scripts wait for,
// and only when the story allows: Razzo's unlocking of the window is the one
// way into the map room.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t SQUARE = 15;
constexpr int32_t MAP_ROOM = 16;
constexpr uint32_t ASK_RAZZO = 0xCFB6F737;
constexpr uint32_t TRY_LOCKED_CHEST = 0x087707B8;
constexpr uint32_t HEROINE_TALKS = 0xC7F3F060;
constexpr uint32_t HEROINE_IDLES = 0x22A8ABC2;
constexpr uint32_t RAZZO_TALKS = 0xB9460319;
constexpr uint32_t RAZZO_IDLES = 0xAD128F9B;
constexpr uint32_t RAZZO_PLEASED = 0x255B7854;
constexpr uint32_t RAZZO_UNLOCKS = 0x4076FA16;
constexpr uint32_t HEROINE_SHRUGS = 0x993BBE31;

class TownHallDialogsTest : public SceneDialogsTest {
protected:
    // The callbacks a dialog sends, walked to its end with nothing behind them.
    std::vector<uint32_t> CallbacksOf(uint32_t uDialog) { return Walk(uDialog); }
};

using Callbacks = std::vector<uint32_t>;

TEST_F(TownHallDialogsTest, RazzoUnlocksTheWindowOnceAndOnlyAfterThePistolHasOpenedTheShutter)
{
    UseGroup("bg107_BO_TownhallExterior.dialogs.dat", SQUARE);
    const Callbacks talk {HEROINE_TALKS, HEROINE_IDLES, RAZZO_TALKS, RAZZO_IDLES};

    EXPECT_EQ(CallbacksOf(ASK_RAZZO), talk) << "shutter still closed";

    g_VarManager.SetBool(VARBOOL_BG107_C02_USE_PISTOL_ON_CLOSED_SHUTTER, 1);
    Callbacks unlocking = talk;
    unlocking.push_back(RAZZO_PLEASED);
    unlocking.push_back(RAZZO_UNLOCKS);
    EXPECT_EQ(CallbacksOf(ASK_RAZZO), unlocking) << "shutter open";

    g_VarManager.SetBool(VARBOOL_BG107_C02_USE_RAZZO_ON_MAP_ROOM_WINDOWS, 1);
    EXPECT_EQ(CallbacksOf(ASK_RAZZO), talk) << "window unlocked";
}

TEST_F(TownHallDialogsTest, TryingTheLockedChestMakesHerShrug)
{
    UseGroup("bg108_BO_TownHallInterior.dialogs.dat", MAP_ROOM);
    EXPECT_EQ(CallbacksOf(TRY_LOCKED_CHEST), Callbacks {HEROINE_SHRUGS});
}

} // namespace
