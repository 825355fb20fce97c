// The living room's script (scene 9): every handler fired in its chapter with
// its decisive actions, the chapter-1 chores and their checks, the end of
// chapter 1, and the chapter-5 spirit with the way out of the room.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t LIVING_ROOM = 9;

// The living room's objects that the tests act on, by their names.
using Object = NamedObject<SceneTableRows::s_aObjects_bg101_9>;
constexpr int32_t WINDOWS = Object("windows");
constexpr int32_t BEDROOM_DOOR = Object("bedroom_door");
constexpr int32_t WATER_JUG = Object("water_jug");
constexpr int32_t CLOTH = Object("cloth");
constexpr int32_t DUSTPAN = Object("dustpan");
constexpr int32_t BRUSH = Object("brush");
constexpr int32_t DUST_PATCH_2 = Object("dust_patch_2");
constexpr int32_t DUST_PATCH_3 = Object("dust_patch_3");
constexpr int32_t CROSSBOW = Object("crossbow");
constexpr int32_t GOTO_BG102 = Object("goto_bg102");
constexpr int32_t I_WATER_JUG = Object("i_water_jug");
constexpr int32_t O_WATER = Object("o_water");
constexpr int32_t O_DUST03 = Object("o_dust03");
constexpr int32_t O_DUST01 = Object("o_dust01");
constexpr int32_t I_CLOTH = Object("i_cloth");
constexpr int32_t TOYS_CHEST = Object("toys_chest");
constexpr int32_t I_WOODSWORD = Object("i_woodsword");
constexpr int32_t EMPTY_BUCKET = Object("empty_bucket");
constexpr int32_t WATER_BUCKET = Object("water_bucket");
constexpr int32_t DUST_PATCH_1 = Object("dust_patch_1");
constexpr int32_t O_DIRTY_WINDOWS = Object("o_dirty_windows");
constexpr int32_t DIRTY_WINDOW = Object("dirty_window");
constexpr int32_t SMALL_BLANKET = Object("small_blanket");
constexpr int32_t ECTOPLASM = Object("ectoplasm");
constexpr int32_t PAINT_BRUSH = Object("paint_brush");
constexpr int32_t PAINT_SET = Object("paint_set");
constexpr int32_t SHEET_OF_PAPER = Object("sheet_of_paper");
constexpr int32_t VASE_OF_FLOWER = Object("vase_of_flower");
constexpr int32_t O_ECTOPLASM_LEFT = Object("o_ectoplasm_left");
constexpr int32_t O_ECTOPLASM_BOTTOM = Object("o_ectoplasm_bottom");
constexpr int32_t I_SMALL_BLANKET = Object("i_small_blanket");
constexpr int32_t MR_PATATE = Object("mr_patate");
constexpr int32_t PEGLEGS = Object("peglegs");

constexpr uint32_t KID_ACTOR = ActorIdOf("tavrine_kid");
constexpr uint32_t ADULT_ACTOR = ActorIdOf("tavrine");
constexpr uint32_t CHAIR_ACTOR = ActorIdOf("bonita_c_chair");
constexpr uint32_t SPIRIT_ACTOR = ActorIdOf("bonita_spirit");
constexpr int32_t KID = ActorScriptableId(KID_ACTOR);
constexpr int32_t ADULT = ActorScriptableId(ADULT_ACTOR);
constexpr int32_t CHAIR = ActorScriptableId(CHAIR_ACTOR);
constexpr int32_t MOTHER = ActorScriptableId(ActorIdOf("bonita_c"));
constexpr int32_t FATHER = ActorScriptableId(ActorIdOf("alessandro_c"));
constexpr int32_t SPIRIT = ActorScriptableId(SPIRIT_ACTOR);
constexpr int32_t LOGIC_DIALOG = ActorScriptableId(LOGIC_DIALOG_ACTOR_ID);

EventDesc LookAt(int32_t iObject)
{
    return ScriptEvent_Object1(iObject);
}

class LivingRoomTest : public SceneScriptWithDialogsTest {
protected:
    // Enters the room in the chapter from the scene, with the variables as
    // the test set them; the enter walk's actions are then in Fired().
    void Enter(int32_t iChapter, int32_t iFrom = 0) { EnterInChapter(LIVING_ROOM, iChapter, iFrom); }
    // The actor set that the scene loaded on entering.
    std::string LoadedActorSet() const
    {
        for (const std::string& call : calls)
            if (call.starts_with("actor set "))
                return call.substr(10);
        return "";
    }

    const std::vector<ActionDesc>& Fired() const { return actionLog; }
    std::vector<int32_t> Animations(int32_t iActor) const
    {
        std::vector<int32_t> values;
        for (const ActionDesc& oAction : Fired())
            if (oAction.m_iTargetId == iActor && (oAction.m_iActionType == ID_ACTION_TYPE_ANIMATION ||
                                                  oAction.m_iActionType == ID_ACTION_TYPE_PLAY_ANIMATION ||
                                                  oAction.m_iActionType == ID_ACTION_TYPE_ANIMATION_HOLD))
                values.push_back(oAction.m_oParameter[0]);
        return values;
    }
    int Count(int32_t iActionType, int32_t iTarget, int32_t iValue) const
    {
        const std::vector<int32_t> values = Values(iActionType, iTarget);
        return static_cast<int>(std::count(values.begin(), values.end(), iValue));
    }
};

TEST_F(LivingRoomTest, EveryHandlerWalksToItsPlaceAndStartsItsDialogsInItsChapter)
{
    struct Case {
        const char* pName;
        int32_t iChapter;
        EventDesc oEvent;
        int32_t iWalker;
        int32_t iWaypoint;
        std::vector<int32_t> dialogs;
    };
    const Case cases[] = {
        {"look mother", 1, ScriptEvent_FlaggedId1(CHAIR_ACTOR), KID, 9, Ids({0xE12A37C5})},
        {"talk mother", 1, ScriptEvent_FlaggedId2(CHAIR_ACTOR), KID, 9, Ids({0xD25B1E3D})},
        {"look door 1", 1, LookAt(BEDROOM_DOOR), KID, 25, Ids({0x636DD0F7})},
        {"look door 5", 5, LookAt(BEDROOM_DOOR), ADULT, 19, Ids({0x56AF9EEF})},
        {"open door 1", 1, Click(BEDROOM_DOOR), KID, 25, Ids({0x29C928BB})},
        {"open door 5", 5, Click(BEDROOM_DOOR), ADULT, 19, Ids({0x2DF2938B})},
        {"look chest 1", 1, LookAt(TOYS_CHEST), KID, 45, Ids({0x2364F97B})},
        {"look chest 5", 5, LookAt(TOYS_CHEST), ADULT, 18, Ids({0x2364F97B})},
        {"open chest 5", 5, Click(TOYS_CHEST), ADULT, 18, Ids({0xCF4233B1})},
        {"look bucket", 1, LookAt(EMPTY_BUCKET), KID, 47, Ids({0x8165C61C})},
        {"open bucket", 1, Click(EMPTY_BUCKET), KID, 47, Ids({0x7572E551})},
        {"cloth on bucket", 1, UseOn(EMPTY_BUCKET, "ITEM_DRY_CLOTH"), KID, 47, Ids({0xE4426B4D})},
        {"look full", 1, LookAt(WATER_BUCKET), KID, 48, Ids({0x8165C61C})},
        {"open full", 1, Click(WATER_BUCKET), KID, 48, Ids({0x7572E551})},
        {"jug on full", 1, UseOn(WATER_BUCKET, "ITEM_FILLED_WATER_JUG"), KID, 48, Ids({0xE6613DF7})},
        {"look dirty", 1, LookAt(DIRTY_WINDOW), KID, 24, Ids({0xF35BA531})},
        {"open dirty", 1, Click(DIRTY_WINDOW), KID, 24, Ids({0xFBC28F3F})},
        {"dry on dirty", 1, UseOn(DIRTY_WINDOW, "ITEM_DRY_CLOTH"), KID, 24, Ids({0x8A88CCE0})},
        {"look windows 1", 1, LookAt(WINDOWS), KID, 24, Ids({0xF35BA531})},
        {"look windows 5", 5, LookAt(WINDOWS), ADULT, 24, Ids({0x56AF9EEF})},
        {"open windows 1", 1, Click(WINDOWS), KID, 24, Ids({0xFBC28F3F})},
        {"open windows 5", 5, Click(WINDOWS), ADULT, 24, Ids({0x2DF2938B})},
        {"look jug", 1, LookAt(WATER_JUG), KID, 26, Ids({0x9B6824E0})},
        {"cloth on jug", 1, UseOn(WATER_JUG, "ITEM_DRY_CLOTH"), KID, 26, Ids({0x37257091})},
        {"look cloth", 1, LookAt(CLOTH), KID, 27, Ids({0x7E3A1B44})},
        {"look dustpan", 1, LookAt(DUSTPAN), KID, 28, Ids({0x71F4D86D})},
        {"look brush", 1, LookAt(BRUSH), KID, 29, Ids({0xAD6CA239})},
        {"look patch 1", 1, LookAt(DUST_PATCH_1), KID, 49, Ids({0x702CB7BB})},
        {"open patch 2", 1, Click(DUST_PATCH_2), KID, 30, Ids({0x9C0A7D71})},
        {"dustpan on patch 3", 1, UseOn(DUST_PATCH_3, "ITEM_DUSTPAN"), KID, 31, Ids({0x7A9C4C98})},
        {"brush on patch 1", 1, UseOn(DUST_PATCH_1, "ITEM_BRUSH"), KID, 49, Ids({0x6F6ACBDD})},
        {"look crossbow", 1, LookAt(CROSSBOW), KID, 32, Ids({0x14C1CB76})},
        {"open crossbow", 1, Click(CROSSBOW), KID, 32, Ids({0xF3717F5B})},
        {"look potato", 1, LookAt(MR_PATATE), KID, 67, Ids({0x7A329E06})},
        {"open potato", 1, Click(MR_PATATE), KID, 67, Ids({0x5736D587})},
        {"look peglegs", 1, LookAt(PEGLEGS), KID, 68, Ids({0xCECF86DD})},
        {"open peglegs", 1, Click(PEGLEGS), KID, 68, Ids({0xC656ACD3})},
        {"look spirit", 5, ScriptEvent_FlaggedId1(SPIRIT_ACTOR), ADULT, 17, Ids({0xFB37ACD0})},
        {"talk spirit", 5, ScriptEvent_FlaggedId2(SPIRIT_ACTOR), ADULT, 17, Ids({0xAA2912A0})},
        {"look kid", 5, ScriptEvent_FlaggedId1(KID_ACTOR), ADULT, 14, Ids({0x02362BB4})},
        {"talk kid", 5, ScriptEvent_FlaggedId2(KID_ACTOR), ADULT, 14, Ids({0x532895C4})},
        {"look blanket", 5, LookAt(SMALL_BLANKET), ADULT, 52, Ids({0xFEF9ADDA})},
        {"look ectoplasm", 5, LookAt(ECTOPLASM), ADULT, 53, Ids({0x78566064})},
        {"open ectoplasm", 5, Click(ECTOPLASM), ADULT, 53, Ids({0x3D6E8CA5})},
        {"look paint brush", 5, LookAt(PAINT_BRUSH), ADULT, 54, Ids({0x323EC430})},
        {"look paint set", 5, LookAt(PAINT_SET), ADULT, 55, Ids({0xC10C7A34})},
        {"look paper", 5, LookAt(SHEET_OF_PAPER), ADULT, 56, Ids({0x9F72C8BF})},
        {"look vase", 5, LookAt(VASE_OF_FLOWER), ADULT, 57, Ids({0xA211D7F0})},
        {"open vase", 5, Click(VASE_OF_FLOWER), ADULT, 57, Ids({0x4DBBE773})},
    };
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        // Past the first visit and the wake-up, so that only the handler talks.
        Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
        Set(VARBOOL_BG101_C05_EVENT_WAKE_UP);
        Enter(c.iChapter);
        Run(c.oEvent);
        EXPECT_EQ(Walks(c.iWalker), std::vector<int32_t> {c.iWaypoint}) << c.pName;
        EXPECT_EQ(Dialogs(), c.dialogs) << c.pName;
        EXPECT_EQ(NextScene(), 0) << c.pName;
        EXPECT_TRUE(Given(KID).empty() && Given(ADULT).empty()) << c.pName;
    }
}

TEST_F(LivingRoomTest, TheKidTakesEachThingOnceAndItsPictureGoes)
{
    struct Case {
        int32_t iHotspot;
        int32_t iPicture;
        const char* pItem;
        int32_t iVariable;
        // The two bending animations.
        int32_t iFirst;
        int32_t iSecond;
    } const cases[] = {
        {WATER_JUG, I_WATER_JUG, "ITEM_WATER_JUG", VARBOOL_BG101_C01_PICK_WATER_JUG, 883, 884},
        {CLOTH, I_CLOTH, "ITEM_DRY_CLOTH", VARBOOL_BG101_C01_PICK_CLOTH, 883, 884},
        {DUSTPAN, 11, "ITEM_DUSTPAN", VARBOOL_BG101_C01_PICK_DUSTPAN, 881, 882},
        {BRUSH, 19, "ITEM_BRUSH", VARBOOL_BG101_C01_PICK_BRUSH, 881, 882},
    };
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
        Enter(1);
        ASSERT_TRUE(Visible(c.iPicture));
        Run(Click(c.iHotspot));
        EXPECT_EQ(Given(KID), std::vector<int32_t> {Item(c.pItem)}) << c.pItem;
        EXPECT_TRUE(Get(c.iVariable)) << c.pItem;
        EXPECT_FALSE(Visible(c.iPicture)) << c.pItem;
        EXPECT_FALSE(Open(c.iHotspot)) << c.pItem;
        EXPECT_EQ(Animations(KID), (std::vector<int32_t> {c.iFirst, c.iSecond, 867})) << c.pItem;

        // Back in the room, the thing stays gone.
        Enter(1);
        EXPECT_FALSE(Visible(c.iPicture)) << c.pItem;
        EXPECT_FALSE(Open(c.iHotspot)) << c.pItem;
    }

    // The jug is hidden before it is given; the other things after.
    g_VarManager = VarSet {};
    Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
    Enter(1);
    Run(Click(WATER_JUG));
    const std::vector<ActionDesc> fired = Fired();
    const auto hide = std::find_if(fired.begin(), fired.end(), [](const ActionDesc& a) {
        return a.m_iActionType == ID_ACTION_TYPE_SET_VISIBLE && a.m_iTargetId == I_WATER_JUG;
    });
    const auto give = std::find_if(fired.begin(), fired.end(),
                                   [](const ActionDesc& a) { return a.m_iActionType == ID_ACTION_TYPE_ADD_ITEM; });
    EXPECT_LT(hide - fired.begin(), give - fired.begin());
}

TEST_F(LivingRoomTest, TheToyChestGivesTheSwordOnlyOnce)
{
    Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
    Enter(1);
    Run(Click(TOYS_CHEST));
    EXPECT_EQ(Walks(KID), std::vector<int32_t> {45});
    EXPECT_EQ(Dialogs(), Ids({0xCF4233B1}));
    EXPECT_EQ(Given(KID), std::vector<int32_t> {Item("ITEM_WOODEN_SWORD")});
    EXPECT_EQ(Animations(KID), (std::vector<int32_t> {913, 914, 867, 885, 886, 867}));
    EXPECT_TRUE(Get(VARBOOL_BG101_C01_PICK_WOODEN_SWORD));
    EXPECT_FALSE(Visible(I_WOODSWORD));

    Run(Click(TOYS_CHEST));
    EXPECT_EQ(Dialogs(), Ids({0xCF4233B1}));
    EXPECT_TRUE(Given(KID).empty());
    EXPECT_TRUE(Animations(KID).empty());
}

TEST_F(LivingRoomTest, TheFirstVisitWakesTheKidAndGivesTheChores)
{
    Enter(1);
    EXPECT_EQ(LoadedActorSet(), "chapter_1");
    EXPECT_EQ(Dialogs(), Ids({0x824E3221}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C1_CHORES));
    EXPECT_TRUE(Get(VARBOOL_BG101_C01_EVENT_FIRST_TIME));
    EXPECT_EQ(Count(ID_ACTION_TYPE_SET_BLOCKER, KID, 2), 1);
    // The chapter-5 things are out of reach; the dirty window is the one to use.
    for (int32_t iHotspot : {SMALL_BLANKET, PAINT_BRUSH, PAINT_SET, SHEET_OF_PAPER, VASE_OF_FLOWER})
        EXPECT_FALSE(Open(iHotspot)) << iHotspot;
    EXPECT_TRUE(Open(EMPTY_BUCKET));
    EXPECT_FALSE(Open(WATER_BUCKET));
    EXPECT_FALSE(Visible(O_WATER));
    EXPECT_FALSE(Open(WINDOWS));
    EXPECT_TRUE(Open(DIRTY_WINDOW));
    EXPECT_FALSE(Visible(O_ECTOPLASM_LEFT));

    // Once only.
    Enter(1);
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(LivingRoomTest, TheWetClothWashesTheWindowAndTheChoresCheckSpeaksOnce)
{
    Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
    Enter(1);
    Run(UseOn(WATER_BUCKET, "ITEM_DRY_CLOTH"));
    EXPECT_EQ(Taken(KID), std::vector<int32_t> {Item("ITEM_DRY_CLOTH")});
    EXPECT_EQ(Given(KID), std::vector<int32_t> {Item("ITEM_WET_CLOTH")});
    EXPECT_EQ(Animations(KID), (std::vector<int32_t> {827, 828, 829, 867}));

    // The window's dialog marks it clean; the dust patches are swept already.
    dialogEffects[0x859879AC] = [] { g_VarManager.SetBool(VARBOOL_BG101_C01_WINDOWS_IS_CLEAN, 1); };
    Set(VARBOOL_BG101_C01_CLEAN_ALL_DUST_PATCH);
    Run(UseOn(DIRTY_WINDOW, "ITEM_WET_CLOTH"));
    EXPECT_EQ(Dialogs(), Ids({0x859879AC, 0x2830862F}));
    EXPECT_FALSE(Visible(O_DIRTY_WINDOWS));
    EXPECT_TRUE(Open(WINDOWS));
    EXPECT_FALSE(Open(DIRTY_WINDOW));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C1_CHORES_DONE));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C1_PLAY01));

    // Another chore afterwards runs only the jug and all-chores checks.
    Run(UseOn(DUST_PATCH_1, "ITEM_DUSTPAN_AND_BRUSH"));
    EXPECT_EQ(Dialogs(), Ids({0x33A6DCA9}));
}

TEST_F(LivingRoomTest, SweepingAPatchHidesItAndTheDustpanAndBrushComeBackFromTheHands)
{
    struct Case {
        int32_t iHotspot;
        int32_t iPicture;
        int32_t iVariable;
        int32_t iWaypoint;
        int32_t iFirstAnimation;
        int32_t iFade;
    } const cases[] = {
        {DUST_PATCH_1, O_DUST01, VARBOOL_BG101_C01_CLEAN_DUST_PATCH_1, 49, 927, 5000},
        {DUST_PATCH_2, 16, VARBOOL_BG101_C01_CLEAN_DUST_PATCH_2, 30, 927, 5000},
        {DUST_PATCH_3, O_DUST03, VARBOOL_BG101_C01_CLEAN_DUST_PATCH_3, 31, 932, 4000},
    };
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
        Enter(1);
        Run(UseOn(c.iHotspot, "ITEM_DUSTPAN_AND_BRUSH"));
        EXPECT_EQ(Walks(KID), std::vector<int32_t> {c.iWaypoint});
        EXPECT_TRUE(Get(c.iVariable));
        EXPECT_FALSE(Visible(c.iPicture));
        EXPECT_FALSE(Open(c.iHotspot));
        EXPECT_EQ(Values(ID_ACTION_TYPE_FADE_SPRITES, c.iPicture), std::vector<int32_t> {c.iFade});
        const int32_t a = c.iFirstAnimation;
        EXPECT_EQ(Animations(KID), (std::vector<int32_t> {a, a + 1, a + 2, a + 3, a + 4, 867}));
        EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ATTACHMENT, KID).size(), 2u);
        EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ATTACHMENT, KID).size(), 2u);
        EXPECT_EQ(Dialogs(), Ids({0x33A6DCA9}));
        // Swept patches stay swept.
        Enter(1);
        EXPECT_FALSE(Visible(c.iPicture));
        EXPECT_FALSE(Open(c.iHotspot));
    }
}

TEST_F(LivingRoomTest, OnlyTheLastPatchSweptFillsTheDustpanAndOnlyOnce)
{
    Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
    Enter(1);
    // The sweeping dialog notes the floor clean once every patch is swept.
    dialogEffects[0x33A6DCA9] = [this] {
        Set(VARBOOL_BG101_C01_CLEAN_ALL_DUST_PATCH, Get(VARBOOL_BG101_C01_CLEAN_DUST_PATCH_1) &&
                                                        Get(VARBOOL_BG101_C01_CLEAN_DUST_PATCH_2) &&
                                                        Get(VARBOOL_BG101_C01_CLEAN_DUST_PATCH_3));
    };
    for (const int32_t iPatch : {DUST_PATCH_2, DUST_PATCH_1}) {
        Run(UseOn(iPatch, "ITEM_DUSTPAN_AND_BRUSH"));
        EXPECT_TRUE(Given(KID).empty()) << iPatch;
        EXPECT_TRUE(Taken(KID).empty()) << iPatch;
        EXPECT_FALSE(Get(VARBOOL_BG101_C01_DUSTPAN_IS_FULL)) << iPatch;
    }
    Run(UseOn(DUST_PATCH_3, "ITEM_DUSTPAN_AND_BRUSH"));
    EXPECT_EQ(Taken(KID), std::vector<int32_t> {Item("ITEM_DUSTPAN_AND_BRUSH")});
    EXPECT_EQ(Given(KID), std::vector<int32_t> {Item("ITEM_DUSTPAN_BRUSH_FULL")});
    EXPECT_TRUE(Get(VARBOOL_BG101_C01_DUSTPAN_IS_FULL));

    // Full already, or emptied into the barrel outside: no second dustpan of
    // dust.
    for (const bool bEmptied : {false, true}) {
        Set(VARBOOL_BG101_C01_DUSTPAN_IS_FULL, !bEmptied);
        Set(VARBOOL_BG102_C01_CLEAN_DUSTPAN, bEmptied);
        Run(UseOn(DUST_PATCH_3, "ITEM_DUSTPAN_AND_BRUSH"));
        EXPECT_EQ(Dialogs(), Ids({0x33A6DCA9})) << bEmptied;
        EXPECT_TRUE(Given(KID).empty()) << bEmptied;
        EXPECT_TRUE(Taken(KID).empty()) << bEmptied;
    }
}

TEST_F(LivingRoomTest, TheBucketFillsFromTheJugAndTheJugGoesBackWhenFilledAgain)
{
    Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
    Set(VARBOOL_BG101_C01_PICK_WATER_JUG);
    Set(VARBOOL_BG102_C01_WATER_JUG_IS_FULL);
    Enter(1);
    EXPECT_FALSE(Visible(I_WATER_JUG));
    Run(UseOn(EMPTY_BUCKET, "ITEM_FILLED_WATER_JUG"));
    EXPECT_EQ(Taken(KID), std::vector<int32_t> {Item("ITEM_FILLED_WATER_JUG")});
    EXPECT_EQ(Given(KID), std::vector<int32_t> {Item("ITEM_WATER_JUG")});
    EXPECT_EQ(Dialogs(), Ids({0xE6613DF7}));
    EXPECT_TRUE(Get(VARBOOL_BG101_C01_BUCKET_IS_FULL));
    EXPECT_FALSE(Get(VARBOOL_BG102_C01_WATER_JUG_IS_FULL));
    EXPECT_TRUE(Open(WATER_BUCKET));
    EXPECT_FALSE(Open(EMPTY_BUCKET));
    EXPECT_TRUE(Visible(O_WATER));

    // The jug, filled again outside, goes back on coming in from the house's
    // front; with the dustpan emptied outside, all chores are done.
    struct Case {
        bool bJugFull;
        bool bDustpanClean;
        bool bJugBack;
        bool bAllChores;
    } const cases[] = {{false, true, false, false}, {true, false, true, false}, {true, true, true, true}};
    for (const Case& c : cases) {
        Set(VARBOOL_BG102_C01_WATER_JUG_IS_FULL, c.bJugFull);
        Set(VARBOOL_BG102_C01_CLEAN_DUSTPAN, c.bDustpanClean);
        Set(VARBOOL_BG101_C01_WATER_JUG_HERE, false);
        Set(VARBOOL_BG101_C01_EVENT_ALL_CHORES, false);
        Enter(1, 10);
        EXPECT_EQ(Walks(KID).front(), 2);
        EXPECT_EQ(Get(VARBOOL_BG101_C01_WATER_JUG_HERE), c.bJugBack);
        EXPECT_EQ(Visible(I_WATER_JUG), c.bJugBack);
        EXPECT_EQ(Count(ID_ACTION_TYPE_REMOVE_ITEM, KID, Item("ITEM_FILLED_WATER_JUG")), c.bJugBack ? 1 : 0);
        EXPECT_EQ(Get(VARBOOL_BG101_C01_EVENT_ALL_CHORES), c.bAllChores);
        EXPECT_EQ(Dialogs(), c.bAllChores ? Ids({0x40A76A12}) : std::vector<int32_t> {});
    }
}

TEST_F(LivingRoomTest, TheFrontDoorLetsTheKidOutOnlyWhenTheDialogKeepsTheExitOpen)
{
    Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
    Enter(1);
    dialogEffects[0x183827FC] = [] { g_VarManager.SetBool(VARBOOL_BG101_C01_EXIT_BG102, 0); };
    Run(Click(GOTO_BG102));
    EXPECT_EQ(Walks(KID), std::vector<int32_t> {33});
    EXPECT_EQ(Dialogs(), Ids({0x183827FC}));
    EXPECT_EQ(NextScene(), 0);
    EXPECT_EQ(Count(ID_ACTION_TYPE_SET_BLOCKER, KID, 2), 0);

    dialogEffects.clear();
    Run(Click(GOTO_BG102));
    EXPECT_EQ(Walks(KID), (std::vector<int32_t> {33, 7}));
    EXPECT_EQ(Count(ID_ACTION_TYPE_SET_BLOCKER, KID, 2), 1);
    EXPECT_EQ(NextScene(), 10);
    EXPECT_FALSE(Get(VARBOOL_BG101_C01_EXIT_BG102));
}

TEST_F(LivingRoomTest, AfterMeetingHerFatherTheRoomEndsTheChapter)
{
    Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
    Set(VARBOOL_BG103_C01_SEE_ALESSANDRO);
    Enter(1, 10);
    EXPECT_EQ(LoadedActorSet(), "chapter_1_end");
    EXPECT_EQ(Dialogs(), Ids({0x4E9FC076, 0x4E9FC076}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C1_HOME03_DONE));
    EXPECT_EQ(Walks(KID), std::vector<int32_t> {12});
    EXPECT_GE(states.StartsOf(GlobalFade::OutToBlack), 1);
    EXPECT_EQ(NextScene(), 61);
    EXPECT_EQ(Count(ID_ACTION_TYPE_PLACE_AT_WAYPOINT, MOTHER, 6), 1);
    EXPECT_EQ(Count(ID_ACTION_TYPE_PLACE_AT_WAYPOINT, FATHER, 5), 1);
    EXPECT_EQ(Count(ID_ACTION_TYPE_PLACE_AT_WAYPOINT, CHAIR, 6), 0);
}

TEST_F(LivingRoomTest, EachDialogCallbackMovesItsCharacters)
{
    struct Case {
        uint32_t uCallback;
        int32_t iChapter;
        int32_t iActor;
        std::vector<int32_t> animations;
    };
    const Case cases[] = {
        {0x65F4D99F, 1, KID, {922, 867}},
        {0xFCFD8825, 1, KID, {892, 867}},
        {0xA4F8E887, 1, KID, {892, 867}},
        {0xF1C4E746, 1, KID, {895, 867}},
        {0x415B1D13, 1, KID, {895, 867}},
        {0xE4817246, 1, KID, {866, 867}},
        {0x90AAE448, 1, KID, {875, 867}},
        {0xBCA25C2E, 1, KID, {836, 837, 867, 894}},
        {0xBCA25C2E, 1, FATHER, {6}},
        {0x52AC3D02, 1, FATHER, {17}},
        {0xCCC8A8A1, 1, FATHER, {25, 17}},
        {0xCCC8A8A1, 1, KID, {912, 867}},
        {0xEF72706C, 1, CHAIR, {149, 148}},
        {0x9E660E0A, 1, CHAIR, {150, 147}},
        {0x8AB1B967, 1, KID, {894}},
        {0x0A16359E, 1, KID, {867}},
        {0xCBD740BF, 5, ADULT, {692, 486}},
        {0xCBD740BF, 5, KID, {919, 867}},
        {0x30F09545, 5, ADULT, {629, 486, 566, 486}},
        {0x0C46EC9D, 5, ADULT, {476, 486}},
        {0x8D4CE72D, 5, ADULT, {764, 486}},
        {0x39749DD7, 5, SPIRIT, {156, 153}},
        {0xA85CC740, 5, ADULT, {531}},
        {0x572C2B06, 5, ADULT, {486}},
    };
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
        Set(VARBOOL_BG101_C05_EVENT_WAKE_UP);
        Enter(c.iChapter);
        Run(Callback(c.uCallback));
        EXPECT_EQ(Animations(c.iActor), c.animations) << std::hex << c.uCallback;
    }

    // The callbacks that move no limb.
    Enter(1);
    Run(Callback(0x56BB020B));
    EXPECT_EQ(Values(ID_ACTION_TYPE_TURN_TO_ACTOR, KID), std::vector<int32_t> {CHAIR});
    Enter(5);
    Run(Callback(0xAE52BCDB));
    EXPECT_EQ(Walks(ADULT), std::vector<int32_t> {22});
    Run(Callback(0x2E68E543));
    EXPECT_EQ(Values(ID_ACTION_TYPE_TURN_TO_ACTOR, SPIRIT), std::vector<int32_t> {ADULT});
    Run(Callback(0x30F09545));
    EXPECT_EQ(Taken(ADULT), std::vector<int32_t> {Item("ITEM_SMALL_BLANKET")});
    EXPECT_TRUE(Visible(I_SMALL_BLANKET));
    Run(Callback(0x8D4CE72D));
    EXPECT_TRUE(Visible(O_ECTOPLASM_BOTTOM));
    EXPECT_EQ(Count(ID_ACTION_TYPE_SET_BLOCKER, ADULT, 1), 1);
    Run(Callback(0xFEF5ABE8));
    EXPECT_FALSE(Visible(KID));
}

TEST_F(LivingRoomTest, TheHeroineTakesTheChapterFiveThings)
{
    struct Case {
        int32_t iHotspot;
        int32_t iPicture;
        const char* pItem;
        int32_t iVariable;
        std::vector<int32_t> dialogs;
        std::vector<int32_t> animations;
    };
    const Case cases[] = {
        {SMALL_BLANKET,
         I_SMALL_BLANKET,
         "ITEM_SMALL_BLANKET",
         VARBOOL_BG101_C05_PICK_SMALL_BLANKET,
         Ids({0x81D90499}),
         {501, 502, 486}},
        {PAINT_BRUSH, 40, "ITEM_PAINT_BRUSH", VARBOOL_BG101_C05_PICK_PAINT_BRUSH, {}, {499, 500, 486}},
        {PAINT_SET, 39, "ITEM_PAINT_SET", VARBOOL_BG101_C05_PICK_PAINT_SET, {}, {501, 502, 486}},
        {SHEET_OF_PAPER, -1, "ITEM_SHEET_OF_PAPER", VARBOOL_BG101_C05_PICK_SHEET_OF_PAPER, {}, {503, 504, 486}},
    };
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        Set(VARBOOL_BG101_C05_EVENT_WAKE_UP);
        Enter(5);
        EXPECT_TRUE(Open(c.iHotspot));
        Run(Click(c.iHotspot));
        EXPECT_EQ(Given(ADULT), std::vector<int32_t> {Item(c.pItem)}) << c.pItem;
        EXPECT_EQ(Dialogs(), c.dialogs) << c.pItem;
        EXPECT_EQ(Animations(ADULT), c.animations) << c.pItem;
        EXPECT_TRUE(Get(c.iVariable)) << c.pItem;
        EXPECT_FALSE(Open(c.iHotspot)) << c.pItem;
        if (c.iPicture >= 0) {
            EXPECT_FALSE(Visible(c.iPicture)) << c.pItem;
        }
        // Only the paint set frees the floor it stood on.
        EXPECT_EQ(Count(ID_ACTION_TYPE_SET_BLOCKER, ADULT, 0), c.iHotspot == PAINT_SET ? 1 : 0) << c.pItem;
    }
}

TEST_F(LivingRoomTest, TheSpiritIsFreedByTheSecondOfItsTwoWishesAndTheRoomThenLetsTheHeroineOut)
{
    for (const bool bBlanketFirst : {true, false}) {
        g_VarManager = VarSet {};
        Set(VARBOOL_BG101_C05_EVENT_WAKE_UP);
        Set(VARBOOL_BG101_C05_INT_DOOR_WONDOWS);
        Enter(5);
        EXPECT_EQ(LoadedActorSet(), "chapter_5");
        EXPECT_TRUE(Visible(O_ECTOPLASM_LEFT));
        EXPECT_TRUE(Open(ECTOPLASM));

        const EventDesc blanket = UseOn(TOYS_CHEST, "ITEM_SMALL_BLANKET");
        const EventDesc flower = ScriptEvent_ItemOnFlaggedId3(SPIRIT_ACTOR, ItemIdOf("ITEM_FLOWER_PICTURE"));
        Run(bBlanketFirst ? blanket : flower);
        if (!bBlanketFirst) {
            EXPECT_EQ(Taken(ADULT), std::vector<int32_t> {Item("ITEM_FLOWER_PICTURE")});
        }
        EXPECT_FALSE(Get(VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES_DONE));
        EXPECT_EQ(Count(ID_ACTION_TYPE_START_DIALOG, LOGIC_DIALOG, static_cast<int32_t>(0xDBD55C0A)), 0);
        Run(bBlanketFirst ? flower : blanket);
        EXPECT_EQ(Count(ID_ACTION_TYPE_START_DIALOG, LOGIC_DIALOG, static_cast<int32_t>(0xDBD55C0A)), 1);
        EXPECT_TRUE(Get(VARBOOL_BG101_C05_USE_SMALL_BLANKET_ON_DRAWER));
        EXPECT_TRUE(Get(VARBOOL_BG101_C05_USE_FLOWER_PICTURE_ON_BONITA_SPIRIT));
        EXPECT_TRUE(Get(VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES_DONE));
        EXPECT_FALSE(Visible(SPIRIT));
        EXPECT_FALSE(Open(SPIRIT));
        EXPECT_FALSE(Open(ECTOPLASM));
        EXPECT_FALSE(Visible(O_ECTOPLASM_LEFT));
    }

    // Back in the room: the spirit stays gone and the ectoplasm hidden.
    Enter(5);
    EXPECT_FALSE(Visible(SPIRIT));
    EXPECT_FALSE(Open(SPIRIT));
    EXPECT_FALSE(Visible(O_ECTOPLASM_LEFT));
    EXPECT_FALSE(Open(ECTOPLASM));

    // Each way out now leads to the room's other state.
    for (const int32_t iWayOut : {GOTO_BG102, BEDROOM_DOOR, WINDOWS}) {
        Set(VARBOOL_QUEST_C5_ESCAPE_ROOM_DONE, false);
        Enter(5);
        EXPECT_EQ(NextScene(), 0);
        Run(Click(iWayOut));
        EXPECT_EQ(Dialogs(), Ids({0x2DF2938B, 0x001CE2B2})) << iWayOut;
        EXPECT_TRUE(Get(VARBOOL_QUEST_C5_ESCAPE_ROOM_DONE)) << iWayOut;
        EXPECT_TRUE(Get(VARBOOL_QUEST_C5_THE_SIGN)) << iWayOut;
        EXPECT_EQ(Animations(ADULT), std::vector<int32_t> {749}) << iWayOut;
        EXPECT_EQ(NextScene(), 21) << iWayOut;
    }
}

TEST_F(LivingRoomTest, TheSpiritShowsItsDemonFaceOnlyOnce)
{
    Set(VARBOOL_BG101_C05_EVENT_WAKE_UP);
    Enter(5);
    // The first talk notes itself in its dialog; the movie follows it.
    dialogEffects[0xAA2912A0] = [] { g_VarManager.SetBool(VARBOOL_BG101_C05_TALK_BONITA_SPIRIT, 1); };
    Run(ScriptEvent_FlaggedId2(SPIRIT_ACTOR));
    EXPECT_EQ(QueuedMovie(), 18);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 530);

    // Back from the movie.
    Enter(5, 530);
    EXPECT_TRUE(Get(VARBOOL_BG101_C05_EVENT_BONITA_DEMON_FACE));
    EXPECT_EQ(Dialogs(), Ids({0xAA2912A0}));
    EXPECT_EQ(Animations(SPIRIT), (std::vector<int32_t> {158, 159, 160, 153}));

    Enter(5);
    Run(ScriptEvent_FlaggedId2(SPIRIT_ACTOR));
    EXPECT_EQ(Walks(ADULT), std::vector<int32_t> {22});
    EXPECT_EQ(QueuedMovie(), 0);
}

TEST_F(LivingRoomTest, TheFirstWakeUpRunsOnceAndTheKidIsOnlyTalkedToInChapterFive)
{
    Enter(5);
    EXPECT_EQ(Dialogs(), Ids({0xB899B360}));
    EXPECT_TRUE(Get(VARBOOL_BG101_C05_EVENT_WAKE_UP));
    EXPECT_EQ(Count(ID_ACTION_TYPE_PLACE_AT_WAYPOINT, KID, 15), 1);
    // The chapter-1 things are gone, the ectoplasm too while the room is open.
    for (int32_t iHotspot : {CLOTH, CROSSBOW, WATER_JUG, DIRTY_WINDOW, DUST_PATCH_1, EMPTY_BUCKET, MR_PATATE})
        EXPECT_FALSE(Open(iHotspot)) << iHotspot;
    EXPECT_FALSE(Visible(O_ECTOPLASM_LEFT));
    Enter(5);
    EXPECT_TRUE(Dialogs().empty());

    Set(VARBOOL_BG101_C01_EVENT_FIRST_TIME);
    Enter(1);
    for (const EventDesc& event : {ScriptEvent_FlaggedId1(KID_ACTOR), ScriptEvent_FlaggedId2(KID_ACTOR)}) {
        actionLog.clear();
        ASSERT_TRUE(manager.FireEvent(event));
        // Matched: no bad interaction takes its place.
        EXPECT_EQ(manager.GetPendingEvent().m_eType, event.m_eType);
        RunWalk();
        EXPECT_TRUE(Fired().empty());
    }
}

TEST_F(LivingRoomTest, OtherChaptersLoadTheDefaultsAndRunOnlyTheAlwaysSteps)
{
    for (const int32_t iChapter : {1, 2, 5, 7}) {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        std::unique_ptr<SceneScript> pScript(CreateScriptFromId(LIVING_ROOM));
        pScript->SetOwner(&manager);
        pScript->LinkActorSets();
        pScript->LinkSoundGroups();
        const char* const expected = iChapter == 1 ? "chapter_1" : iChapter == 5 ? "chapter_5" : "default";
        EXPECT_STREQ(pScript->SelectActorSet(), expected);
        const int32_t iGroup = iChapter == 1 ? 0x1A62DE54 : iChapter == 5 ? 0x1D0F1A4D : 0x278785D8;
        EXPECT_EQ(pScript->SelectSoundGroup(), iGroup) << iChapter;
    }

    Enter(3);
    EXPECT_EQ(LoadedActorSet(), "default");
    EXPECT_TRUE(Walks(ADULT).empty());
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Values(ID_ACTION_TYPE_PLACE_AT_WAYPOINT).empty());
    EXPECT_FALSE(Visible(O_ECTOPLASM_LEFT));
    EXPECT_FALSE(Open(ECTOPLASM));
}

} // namespace
