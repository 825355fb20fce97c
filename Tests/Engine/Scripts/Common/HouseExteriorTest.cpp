// The house's front yard (scene 10): the pump mended with the handle and the
// bolt drawn from the mud, the jug filled, the dustpan emptied, the door and
// the path out of the yard, the children's arrival and their ladder, the
// ledge, and the chapters without content of their own.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int32_t HOUSE_FRONT = 10;

using Object = NamedObject<SceneTableRows::s_aObjects_bg102_10>;

constexpr uint32_t KID_ACTOR = ActorIdOf("tavrine_kid");
constexpr uint32_t BOBBY_ACTOR = ActorIdOf("bobby_kid");
constexpr uint32_t NELL_ACTOR = ActorIdOf("nell_kid");
constexpr int32_t KID = ActorScriptableId(KID_ACTOR);
constexpr int32_t BOBBY = ActorScriptableId(BOBBY_ACTOR);
constexpr int32_t NELL = ActorScriptableId(NELL_ACTOR);
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));

class HouseExteriorTest : public SceneScriptWithDialogsTest {
protected:
    HouseExteriorTest() { heroine = KID; }

    // Enters the yard in the chapter from the scene, with the variables as
    // the test set them.
    void Enter(int32_t iChapter, int32_t iFrom = 0) { EnterInChapter(HOUSE_FRONT, iChapter, iFrom); }

    std::vector<int32_t> Animations(int32_t iActor) const
    {
        std::vector<int32_t> values;
        for (int32_t iType : {ID_ACTION_TYPE_ANIMATION, ID_ACTION_TYPE_PLAY_ANIMATION})
            for (int32_t iValue : Values(iType, iActor))
                values.push_back(iValue);
        return values;
    }
    // The blockers switched by the walk, as "id on" / "id off".
    std::vector<std::string> Blockers() const
    {
        std::vector<std::string> switched;
        for (const ActionDesc& oAction : actionLog)
            if (oAction.m_iActionType == ID_ACTION_TYPE_SET_BLOCKER)
                switched.push_back(std::to_string(oAction.m_oParameter[0]) +
                                   (oAction.m_oParameter[1] != 0 ? " on" : " off"));
        return switched;
    }
    // The yard's hotspots and children that the player can point at.
    std::set<std::string> OpenHotspots()
    {
        std::set<std::string> open;
        for (int32_t iObject = 0; iObject < static_cast<int32_t>(std::size(SceneTableRows::s_aObjects_bg102_10));
             ++iObject) {
            const std::string name = SceneTableRows::s_aObjects_bg102_10[iObject];
            if (!name.starts_with("i_") && !name.starts_with("o_") && !name.starts_with("fx_") && Open(iObject))
                open.insert(name);
        }
        if (Open(BOBBY))
            open.insert("bobby_kid");
        if (Open(NELL))
            open.insert("nell_kid");
        return open;
    }
};

std::vector<int32_t> Ids(std::initializer_list<uint32_t> values)
{
    return std::vector<int32_t>(values.begin(), values.end());
}

TEST_F(HouseExteriorTest, TheDoorLeadsInUntilTheBoatIsSeenAndThenOnlyRattles)
{
    Enter(1, 9);
    EXPECT_EQ(Places(KID), (std::vector<int32_t> {0, 2}));
    EXPECT_EQ(Walks(KID), std::vector<int32_t> {3});
    Run(Click(Object("goto_bg101")));
    EXPECT_EQ(NextScene(), 9);
    EXPECT_EQ(Animations(KID), std::vector<int32_t> {902});
    EXPECT_TRUE(Dialogs().empty());

    Set(VARBOOL_BG103_C01_SEE_ALESSANDRO);
    Set(VARBOOL_BG102_C01_EVENT_WITH_DIEGO);
    Enter(1);
    Run(Click(Object("goto_bg101")));
    EXPECT_EQ(NextScene(), 0);
    EXPECT_EQ(Walks(KID), std::vector<int32_t> {28});
    EXPECT_EQ(Animations(KID), (std::vector<int32_t> {902, 867}));
    EXPECT_EQ(Dialogs(), Ids({0xF6AFA4B6}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C1_HOME01_DONE));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C1_HOME03));
}

TEST_F(HouseExteriorTest, ThePathOutWaitsForTheChoresAndTheSwordThenLeadsToTheMapAndLaterToTheFork)
{
    struct Case {
        const char* pName;
        bool bChores;
        bool bSword;
        bool bHillSeen;
        int32_t iScene;
    } const cases[] = {
        {"nothing done", false, false, false, 0},
        {"sword only", false, true, false, 0},
        // Without the sword the hill, whose way back waits for the duel, would hold her.
        {"chores without the sword", true, false, false, 0},
        {"first time out", true, true, false, 56},
        {"the hill seen", true, true, true, 12},
    };
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        Set(VARBOOL_QUEST_C1_CHORES_DONE, c.bChores);
        Set(VARBOOL_BG101_C01_PICK_WOODEN_SWORD, c.bSword);
        Set(VARBOOL_BG103_C01_EVENT_FIRST_TIME, c.bHillSeen);
        Enter(1);
        Run(Click(Object("goto_bg901")));
        EXPECT_EQ(NextScene(), c.iScene) << c.pName;
        if (c.iScene == 0) {
            EXPECT_EQ(Walks(KID), std::vector<int32_t> {5}) << c.pName;
            EXPECT_EQ(Dialogs(), Ids({0xF8BCF50E})) << c.pName;
            EXPECT_TRUE(Blockers().empty()) << c.pName;
        } else {
            // Through the gate once it is open.
            EXPECT_EQ(Walks(KID), (std::vector<int32_t> {29, 1})) << c.pName;
            EXPECT_EQ(Blockers(), std::vector<std::string> {"0 off"}) << c.pName;
            EXPECT_TRUE(Dialogs().empty()) << c.pName;
        }
    }
}

TEST_F(HouseExteriorTest, ThePumpIsMendedFromTheGrassAndTheMudAndFillsTheJugPutUnderIt)
{
    Enter(1);
    EXPECT_FALSE(Visible(Object("fx_pump")));
    EXPECT_FALSE(Visible(Object("i_water_jug")));
    EXPECT_TRUE(Blockers() == std::vector<std::string> {"0 on"});

    // Under the broken pump the jug is refused without a word.
    Run(UseOn(Object("water_pump"), "ITEM_WATER_JUG"));
    EXPECT_TRUE(actionLog.empty());

    Run(Click(Object("pump_hundle")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_PUMP_HANDLE")});
    EXPECT_FALSE(Visible(Object("i_pump_handle")));
    EXPECT_FALSE(Open(Object("pump_hundle")));

    Run(Click(Object("woodpile")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_MAGNET")});
    EXPECT_FALSE(Visible(Object("i_magnet")));
    Run(Click(Object("woodpile")));
    EXPECT_TRUE(Given().empty());

    // The magnet finds nothing in the grass, and the bolt in the mud once.
    Run(UseOn(Object("long_grass"), "ITEM_MAGNET"));
    EXPECT_TRUE(Given().empty());
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ATTACHMENT, KID).size(), 1u);
    EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ATTACHMENT, KID).size(), 1u);
    Run(UseOn(Object("muddy_patch"), "ITEM_MAGNET"));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_PIVOT_BOLT")});
    EXPECT_EQ(Animations(KID), (std::vector<int32_t> {907, 909, 910, 867}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ATTACHMENT, KID), Values(ID_ACTION_TYPE_ADD_ATTACHMENT, KID));
    Run(UseOn(Object("muddy_patch"), "ITEM_MAGNET"));
    EXPECT_TRUE(actionLog.empty());

    Run(UseOn(Object("water_pump"), "ITEM_HANDLE_AND_BOLT"));
    EXPECT_TRUE(Get(VARBOOL_BG102_C01_FIXED_WATER_PUMP_2));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_HANDLE_AND_BOLT")});
    EXPECT_TRUE(Visible(Object("fx_pump")));
    EXPECT_EQ(Dialogs(), Ids({0x4C66FE50}));

    Run(UseOn(Object("water_pump"), "ITEM_WATER_JUG"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_WATER_JUG")});
    EXPECT_TRUE(Visible(Object("i_water_jug")));
    EXPECT_TRUE(Get(VARBOOL_BG102_C01_FIXED_WATER_PUMP_3));
    EXPECT_EQ(Dialogs(), Ids({0xA3559F52}));

    // The jug stays under the pump when the kid comes back, and the pump mended.
    Enter(1);
    EXPECT_TRUE(Visible(Object("i_water_jug")));
    EXPECT_TRUE(Visible(Object("fx_pump")));
    EXPECT_FALSE(Visible(Object("i_pump_handle")));
    EXPECT_FALSE(Visible(Object("i_magnet")));

    // The pumping the pump's dialog calls for fills the jug.
    Run(ScriptEvent_Hash9(static_cast<int32_t>(0x6308435B)));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_FILLED_WATER_JUG")});
    EXPECT_FALSE(Visible(Object("i_water_jug")));
    EXPECT_FALSE(Get(VARBOOL_BG102_C01_FIXED_WATER_PUMP_3));
    EXPECT_TRUE(Get(VARBOOL_BG102_C01_WATER_JUG_IS_FULL));
}

TEST_F(HouseExteriorTest, TheFullDustpanIsEmptiedIntoTheBarrelOnlyOnce)
{
    Set(VARBOOL_BG101_C01_DUSTPAN_IS_FULL);
    Enter(1);
    Run(UseOn(Object("large_barrel"), "ITEM_DUSTPAN_BRUSH_FULL"));
    EXPECT_EQ(Walks(KID), std::vector<int32_t> {18});
    EXPECT_EQ(Dialogs(), Ids({0xA1270BD6}));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DUSTPAN_BRUSH_FULL")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DUSTPAN_AND_BRUSH")});
    EXPECT_FALSE(Get(VARBOOL_BG101_C01_DUSTPAN_IS_FULL));
    EXPECT_TRUE(Get(VARBOOL_BG102_C01_CLEAN_DUSTPAN));

    // The dialog's throw: the brush and the dustpan come back from the hands.
    Run(ScriptEvent_Hash9(static_cast<int32_t>(0xF51F9C63)));
    EXPECT_EQ(Animations(KID), (std::vector<int32_t> {937, 938, 939, 940, 941, 867}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ATTACHMENT, KID).size(), 2u);
    EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ATTACHMENT, KID).size(), 2u);
    EXPECT_FALSE(Visible(Object("fx_dust_f")));

    // The clean dustpan only talks.
    Run(UseOn(Object("large_barrel"), "ITEM_DUSTPAN_AND_BRUSH"));
    EXPECT_EQ(Dialogs(), Ids({0xA1270BD6}));
    EXPECT_TRUE(Given().empty() && Taken().empty());
}

TEST_F(HouseExteriorTest, DiegoGreetsTheKidOnceWhenSheComesBackFromTheFork)
{
    Set(VARBOOL_BG103_C01_SEE_ALESSANDRO);
    Enter(1, 12);
    EXPECT_EQ(Dialogs(), Ids({0x0CF88C54}));
    EXPECT_EQ(Walks(KID), (std::vector<int32_t> {5, 13}));
    EXPECT_EQ(Walks(DIEGO), (std::vector<int32_t> {17, 1}));
    EXPECT_FALSE(Visible(DIEGO));
    EXPECT_TRUE(Get(VARBOOL_BG102_C01_EVENT_WITH_DIEGO));
    EXPECT_TRUE(Get(VARBOOL_BO_MAP_MK_ALL));
    EXPECT_FALSE(Get(VARBOOL_BO_MAP_BG102));

    Enter(1, 12);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_FALSE(Visible(DIEGO));
}

TEST_F(HouseExteriorTest, TheChildrenArriveOnceAndTheirLadderNeedsBobbyFirst)
{
    Set(VARBOOL_BG103_C01_SEE_ALESSANDRO);
    Set(VARBOOL_BG102_C01_EVENT_WITH_DIEGO);
    Enter(1);
    EXPECT_FALSE(Visible(BOBBY) || Visible(NELL));

    // Nell before Bobby: the children come, and she only talks.
    Run(UseOn(Object("bedroom_window"), "ITEM_NELL_KID"));
    EXPECT_EQ(Places(BOBBY), std::vector<int32_t> {4});
    EXPECT_TRUE(Visible(BOBBY) && Visible(NELL));
    EXPECT_TRUE(Get(VARBOOL_BG102_C01_BOBBY_KID_HERE));
    EXPECT_EQ(Dialogs(), Ids({0x0D34878C}));
    EXPECT_EQ(Animations(KID), (std::vector<int32_t> {894, 867}));
    EXPECT_TRUE(Animations(NELL).empty());
    EXPECT_FALSE(Get(VARBOOL_BG102_C01_HUMAN_LADDER_HERE));

    // Bobby bends under the window; the children do not come a second time.
    Run(UseOn(Object("bedroom_window"), "ITEM_BOBBY_KID"));
    EXPECT_TRUE(Places(BOBBY).empty());
    EXPECT_EQ(Walks(BOBBY), std::vector<int32_t> {7});
    EXPECT_EQ(Animations(BOBBY), (std::vector<int32_t> {138, 139}));
    EXPECT_TRUE(Get(VARBOOL_BG102_C01_BOBBY_POS));
    EXPECT_EQ(Blockers(), (std::vector<std::string> {"1 on", "2 on"}));

    // Nell on his shoulders, given to him.
    Run(ScriptEvent_ItemOnFlaggedId3(BOBBY_ACTOR, ItemIdOf("ITEM_NELL_KID")));
    // From the ladder's foot up onto him: no walk leads up there.
    EXPECT_EQ(Walks(NELL), std::vector<int32_t> {31});
    EXPECT_EQ(Places(NELL), std::vector<int32_t> {8});
    EXPECT_EQ(Animations(NELL), (std::vector<int32_t> {988, 989}));
    EXPECT_TRUE(Get(VARBOOL_BG102_C01_HUMAN_LADDER_HERE));
    EXPECT_TRUE(Open(Object("human_ladder")));
    EXPECT_FALSE(Open(NELL));
    EXPECT_TRUE(Blockers().empty());

    // Up the ladder: the children stay below, and only the ledge is in reach.
    Run(Click(Object("human_ladder")));
    EXPECT_EQ(Blockers(), (std::vector<std::string> {"1 off", "2 off"}));
    EXPECT_EQ(Dialogs(), Ids({0x6669D516}));
    EXPECT_EQ(Taken(), (std::vector<int32_t> {Item("ITEM_NELL_KID"), Item("ITEM_BOBBY_KID")}));
    EXPECT_TRUE(Get(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE));
    EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
    EXPECT_EQ(OpenHotspots(), (std::set<std::string> {"bedroom_window", "bobby_kid", "floor", "ledge", "pump_hundle"}));

    // Round the ledge's end, back into the house.
    Run(Click(Object("ledge")));
    EXPECT_EQ(Walks(KID), std::vector<int32_t> {27});
    EXPECT_EQ(Animations(KID), std::vector<int32_t> {814});
    EXPECT_EQ(NextScene(), 9);
}

TEST_F(HouseExteriorTest, TheWindowClimbsTheLadderOnceItStands)
{
    Set(VARBOOL_BG103_C01_SEE_ALESSANDRO);
    Set(VARBOOL_BG102_C01_EVENT_WITH_DIEGO);
    Set(VARBOOL_BG102_C01_BOBBY_KID_HERE);
    Set(VARBOOL_BG102_C01_BOBBY_POS);
    Set(VARBOOL_BG102_C01_HUMAN_LADDER_HERE);
    Enter(1);
    EXPECT_EQ(Places(BOBBY), (std::vector<int32_t> {6, 7}));
    EXPECT_EQ(Places(NELL), (std::vector<int32_t> {16, 8}));
    EXPECT_TRUE(Open(Object("human_ladder")));
    EXPECT_FALSE(Open(NELL));

    Run(Click(Object("bedroom_window")));
    EXPECT_EQ(Dialogs(), Ids({0xF40F03DA, 0x6669D516}));
    EXPECT_TRUE(Places(BOBBY).empty());
    EXPECT_EQ(Walks(KID), std::vector<int32_t> {15});
    EXPECT_TRUE(Get(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE));
    // Unlike the ladder itself, the window takes no children and leaves the toys.
    EXPECT_TRUE(Taken().empty());
    EXPECT_TRUE(Open(Object("kite")) && Open(Object("skull")) && Open(Object("tiller")));
    EXPECT_FALSE(Open(Object("goto_bg101")) || Open(Object("goto_bg901")) || Open(Object("water_pump")));

    // The climb's callbacks put her on Nell's shoulders while Nell complains,
    // then on the ledge, and the children back in place.
    Run(ScriptEvent_Hash9(static_cast<int32_t>(0x1CBA7D92)));
    EXPECT_EQ(Walks(KID), std::vector<int32_t> {25});
    EXPECT_EQ(Places(KID), std::vector<int32_t> {30});
    EXPECT_EQ(Animations(BOBBY), (std::vector<int32_t> {134, 140}));
    Run(ScriptEvent_Hash9(static_cast<int32_t>(0x85B32C28)));
    EXPECT_EQ(Places(KID), std::vector<int32_t> {14});
    EXPECT_EQ(Places(NELL), std::vector<int32_t> {31});
    EXPECT_EQ(Walks(NELL), std::vector<int32_t> {16});
    EXPECT_EQ(Walks(BOBBY), std::vector<int32_t> {6});
    EXPECT_FALSE(Get(VARBOOL_BG102_C01_HUMAN_LADDER_HERE));
}

TEST_F(HouseExteriorTest, EnteringOnTheLedgeLeavesOnlyTheLedgeTheWindowTheHandleAndTheChildrenInReach)
{
    Set(VARBOOL_BG103_C01_SEE_ALESSANDRO);
    Set(VARBOOL_BG102_C01_EVENT_WITH_DIEGO);
    Set(VARBOOL_BG102_C01_BOBBY_KID_HERE);
    Set(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE);
    Set(VARBOOL_ACTIVE_MAP);
    Enter(1, 12);
    EXPECT_EQ(Places(KID), (std::vector<int32_t> {0, 14}));
    EXPECT_TRUE(Walks(KID).empty());
    EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
    EXPECT_EQ(OpenHotspots(),
              (std::set<std::string> {"bedroom_window", "bobby_kid", "floor", "ledge", "nell_kid", "pump_hundle"}));

    // Looking at the window from up here.
    Run(ScriptEvent_Object1(Object("bedroom_window")));
    EXPECT_EQ(Walks(KID), std::vector<int32_t> {10});

    // With the handle taken, it is out of reach too.
    Set(VARBOOL_BG102_C01_PICK_PUMP_HANDLE);
    Enter(1, 12);
    EXPECT_EQ(OpenHotspots(), (std::set<std::string> {"bedroom_window", "bobby_kid", "floor", "ledge", "nell_kid"}));
}

TEST_F(HouseExteriorTest, OtherChaptersRunOnlyTheStepsOfEveryVisitWithTheSharedSoundGroup)
{
    Enter(1);
    EXPECT_EQ(manager.GetSceneScript()->SelectActorSet(), std::string("Chapter_1"));
    EXPECT_EQ(manager.GetSceneScript()->SelectSoundGroup(), SoundGroupNamed("bg102_chapter_01"));
    for (int32_t iChapter = 2; iChapter <= 10; ++iChapter) {
        g_VarManager = VarSet {};
        Enter(iChapter);
        EXPECT_EQ(manager.GetSceneScript()->SelectActorSet(), std::string("default")) << iChapter;
        EXPECT_EQ(manager.GetSceneScript()->SelectSoundGroup(), 0x2908823B) << iChapter;
        // Only the two sprite animations and the jug hidden.
        std::set<int32_t> touched;
        for (const ActionDesc& oAction : actionLog)
            if (oAction.m_iActionType != ID_ACTION_TYPE_WAIT_FOR)
                touched.insert(oAction.m_iTargetId);
        EXPECT_EQ(touched, (std::set<int32_t> {Object("fx_tiller"), Object("fx_water_pump"), Object("i_water_jug")}))
            << iChapter;
    }
}

} // namespace
