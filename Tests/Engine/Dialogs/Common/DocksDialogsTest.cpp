// Walks the docks' compiled dialogs: every flag and callback that the docks'
// story waits for is set or sent by the dialog that the script plays.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t DOCKS = 13;

class DocksDialogsTest : public SceneDialogsTest {
protected:
    DocksDialogsTest() { UseGroup("bg105_BO_Docks.dialogs.dat", DOCKS); }

    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(DocksDialogsTest, TheShipIsAskedOneWayAtATime)
{
    struct Case {
        const char* pAnswer;
        bool bWorldMap;
        bool bOnBoard;
    };
    for (const Case& answer : {Case {"BG105_SHIP_SAIL", true, false}, Case {"BG105_SHIP_ABOARD", false, true},
                               Case {"BG105_SHIP_NOT_NOW", false, false}}) {
        SCOPED_TRACE(answer.pAnswer);
        Set(VARBOOL_BG105_GOTO_WORLD_MAP, false);
        Set(VARBOOL_BG105_GOTO_ONBOARD, false);
        Walk(0x7EA927E6, answer.pAnswer);
        EXPECT_EQ(Get(VARBOOL_BG105_GOTO_WORLD_MAP), answer.bWorldMap);
        EXPECT_EQ(Get(VARBOOL_BG105_GOTO_ONBOARD), answer.bOnBoard);
    }
}

TEST_F(DocksDialogsTest, TheCrewsTasksAreSetAndTheirItemsHandedOut)
{
    // Nell's goods come once.
    EXPECT_TRUE(Sends(Walk(0xC2543AE0), 0xFD58F14C));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_FOOD));
    EXPECT_FALSE(Sends(Walk(0xC2543AE0), 0xFD58F14C));

    // The wings feed Carlo; the sword arms Razzo; the old sword is refused.
    EXPECT_TRUE(Sends(Walk(0x1A79871C), 0xEDDDA7C2));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_FOOD_DONE));
    EXPECT_TRUE(Sends(Walk(0x293B8797), 0x997547D5));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_SWORD_DONE));
    Walk(0xCE377750);
    EXPECT_TRUE(Get(VARBOOL_BG105_C02_USE_OLD_SWORD_ON_RAZZO));

    // The magnet brings up the sword.
    EXPECT_TRUE(Sends(Walk(0xA8EF893B), 0xBAD15C90));

    // Razzo and Carlo join: the crew counts two.
    Walk(0xDFAEC078);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_CREW_MEMBER), 2);
}

TEST_F(DocksDialogsTest, ArnoLooksAwayOnlyForTheGlintAndLeavesOnlyOnceHisSwordIsGone)
{
    Walk(0x2861AC7B);
    EXPECT_FALSE(Get(VARBOOL_BG105_C02_ARNO_IS_LOOKING_AWAY));
    Set(VARBOOL_BG103_C02_SHINY_PLATE_IS_ON_NEST);
    Walk(0x2861AC7B);
    EXPECT_TRUE(Get(VARBOOL_BG105_C02_ARNO_IS_LOOKING_AWAY));

    // The greasy bread's first playing: Arno stays, the work is not done.
    EXPECT_FALSE(Sends(Walk(0xF2D22EE0), 0x61F9C554));
    EXPECT_FALSE(Get(VARBOOL_QUEST_C2_WORK02_DONE));
    // Its second, with the sword in the sea: he leaves, and the script gives
    // the heroine back to the player.
    Set(VARBOOL_BG105_C02_USE_GREASYBREADLOAF_ON_ARNOSSWORD);
    EXPECT_TRUE(Sends(Walk(0xF2D22EE0), 0x61F9C554));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_WORK02_DONE));
    // Later plays never send him off again.
    Set(VARBOOL_BG105_C02_EVENT_ARNO_GREASYSWORD);
    EXPECT_FALSE(Sends(Walk(0xF2D22EE0), 0x61F9C554));
}

TEST_F(DocksDialogsTest, TheCaptureTiesArnoSoThatTheReloadedDocksEndTheChapter)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 5);
    Walk(0x6DD4D5C7);
    EXPECT_TRUE(Get(VARBOOL_BG105_C05_EVENT_ARNO_TIED));
}

} // namespace
