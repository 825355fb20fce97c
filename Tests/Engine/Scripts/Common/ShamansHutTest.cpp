// The script of the shaman's hut on Turtle island (scene 50): chapter 10
// played from the door through the pick-ups, the mattress, the trap's
// close-up, the spirit egg and the grid to the bird's egg that lets her out;
// the door shut while she is a prisoner, the bird's egg that does nothing
// before its time, the word after the close-up said once, and things picked
// up that stay gone.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t SHAMANS_HUT = 50;
constexpr int32_t ALTAR_HOUSE_SQUARE = 45;
constexpr int32_t TRAP_CLOSE_UP = 51;
constexpr int32_t MINI_GAME_MENU = 2;

using Object = NamedObject<SceneTableRows::s_aObjects_bg511_50>;

constexpr int32_t WP_START = 0;
constexpr int32_t WP_INSIDE = 2;
constexpr int32_t WP_CLOSED_TRAP = 13;

constexpr uint32_t AFTER_THE_CLOSE_UP = 0x3bace2f8;
constexpr uint32_t TO_THE_CLOSE_UP = 0xe365c265;
constexpr uint32_t HIDE_BAG_ON_EGG = 0x9623b43f;
constexpr uint32_t EGG_TAKEN = 0x3ffbdcb6;
constexpr uint32_t BIRD_EGG_LAID = 0x66a3e88a;

constexpr uint32_t MOVE_THE_MATTRESS = 0x964f4044;
constexpr uint32_t PUT_THE_MATTRESS_BACK = 0x533ae1fa;
constexpr uint32_t TAKE_THE_EGG = 0x7486af5a;

constexpr uint32_t GRID_FALLING = 0xbb3c54b9;
constexpr uint32_t GRID_RISING = 0x6861221e;

struct Thing {
    Object hotspot;
    Object picture;
    const char* pItem;
    int32_t iPickedUp;
};

const Thing THINGS[] = {
    {"leather_hide_pelt", "i_leather_hide_pelt", "ITEM_LEATHER_HIDE_PELT", VARBOOL_BG511_C10_INT_LEATHER_HIDE_PELT},
    {"fur_hide_pelt", "i_fur_hide_pelt", "ITEM_FUR_HIDE_PELT", VARBOOL_BG511_C10_INT_FUR_HIDE_PELT},
    {"bone_needle", "i_bone_needle", "ITEM_BONE_NEEDLE", VARBOOL_BG511_C10_INT_BONE_NEEDLE},
    {"tough_thread", "i_tough_thread", "ITEM_TOUGH_THREAD", VARBOOL_BG511_C10_INT_TOUGH_THREAD},
};

class ShamansHutTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iFrom = ALTAR_HOUSE_SQUARE) { EnterInChapter(SHAMANS_HUT, 10, iFrom); }
    bool DoorOpen() { return Open(Object("goto_bg504")) && !Open(Object("woven_grid")); }
    std::vector<int32_t> SpriteAnimations(int32_t iObject) const
    {
        return Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, iObject);
    }
};

TEST_F(ShamansHutTest, ChapterTenPlaysFromThePeltsThroughTheTrapAndTheSpiritEggToTheBirdsEgg)
{
    Enter();
    EXPECT_EQ(Walks(heroine), std::vector<int32_t> {WP_INSIDE});
    EXPECT_TRUE(DoorOpen());
    EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
    // The mattress in place hides the trap and the egg.
    EXPECT_TRUE(Open(Object("mattress")));
    for (const int32_t iHidden : {Object("secret_trap_close"), Object("secret_trap_open"), Object("great_spirit_egg")})
        EXPECT_FALSE(Open(iHidden)) << iHidden;

    for (const Thing& thing : THINGS) {
        Run(Click(thing.hotspot));
        EXPECT_EQ(Given(), std::vector<int32_t> {Item(thing.pItem)}) << thing.pItem;
        EXPECT_TRUE(Get(thing.iPickedUp));
        EXPECT_FALSE(Visible(thing.picture) || Open(thing.hotspot));
    }

    Run(Click(Object("mattress")));
    Run(Callback(MOVE_THE_MATTRESS));
    EXPECT_TRUE(Get(VARBOOL_BG511_C10_MATTRESS_OPEN));
    EXPECT_TRUE(Open(Object("secret_trap_close")));
    EXPECT_FALSE(Open(Object("mattress")));
    Run(Click(Object("secret_trap_close")));
    EXPECT_EQ(Dialogs(), Ids({TO_THE_CLOSE_UP}));
    EXPECT_EQ(NextScene(), TRAP_CLOSE_UP);

    // The close-up opened the trap.
    Set(VARBOOL_BG511_C10_SECRET_TRAP_OPEN);
    Enter(TRAP_CLOSE_UP);
    EXPECT_EQ(PlacedAt(heroine), WP_CLOSED_TRAP);
    EXPECT_EQ(Dialogs(), Ids({AFTER_THE_CLOSE_UP}));
    EXPECT_TRUE(Open(Object("secret_trap_open")) && Open(Object("great_spirit_egg")));
    EXPECT_FALSE(Open(Object("secret_trap_close")) || Open(Object("mattress")));

    Run(UseOn(Object("great_spirit_egg"), "ITEM_HIDE_BAG"));
    EXPECT_EQ(Dialogs(), Ids({HIDE_BAG_ON_EGG, EGG_TAKEN}));
    EXPECT_FALSE(Open(Object("great_spirit_egg")));
    Run(Callback(TAKE_THE_EGG));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_HIDE_BAG")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_EGG_BAG")});
    EXPECT_EQ(SpriteAnimations(Object("fx_grid")), Ids({GRID_FALLING}));
    EXPECT_FALSE(Visible(Object("i_egg")) || DoorOpen());
    EXPECT_TRUE(Open(Object("woven_grid")));
    for (const int32_t iFlag : {VARBOOL_BG511_C10_PRISONER, VARBOOL_QUEST_C10_SPIRITEGG_01_DONE,
                                VARBOOL_QUEST_C10_SPIRITEGG_02_DONE, VARBOOL_QUEST_C10_RETURN})
        EXPECT_TRUE(Get(iFlag)) << iFlag;

    Run(UseOn(Object("secret_trap_open"), "ITEM_BIRD_EGG"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_BIRD_EGG")});
    EXPECT_EQ(SpriteAnimations(Object("fx_grid")), Ids({GRID_RISING}));
    EXPECT_EQ(Dialogs(), Ids({BIRD_EGG_LAID}));
    EXPECT_TRUE(Visible(Object("i_egg")) && DoorOpen());
    EXPECT_FALSE(Get(VARBOOL_BG511_C10_PRISONER));
    EXPECT_TRUE(Get(VARBOOL_BG511_C10_USE_TURTLE_EGG_ON_TRAP));

    // Her last word there lays the mattress back over the trap.
    Run(Callback(PUT_THE_MATTRESS_BACK));
    EXPECT_FALSE(Get(VARBOOL_BG511_C10_MATTRESS_OPEN));
    EXPECT_FALSE(Open(Object("secret_trap_open")) || Open(Object("secret_trap_close")));
    Run(Click(Object("goto_bg504")));
    EXPECT_EQ(NextScene(), ALTAR_HOUSE_SQUARE);
}

TEST_F(ShamansHutTest, APrisonerFindsTheDoorShutOnEveryEntryUntilTheBirdsEggIsLaid)
{
    Set(VARBOOL_BG511_C10_MATTRESS_OPEN);
    Set(VARBOOL_BG511_C10_SECRET_TRAP_OPEN);
    Set(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE);
    Set(VARBOOL_BG511_C10_PRISONER);
    Enter(TRAP_CLOSE_UP);
    EXPECT_FALSE(DoorOpen() || Open(Object("mattress")) || Open(Object("great_spirit_egg")));
    EXPECT_FALSE(Visible(Object("i_egg")));
    EXPECT_TRUE(Open(Object("secret_trap_open")));

    // The door's handler is there but does nothing while the grid is down.
    ExpectMatchedAndIdle(Click(Object("goto_bg504")));
    RunWalk();
    EXPECT_EQ(NextScene(), 0);

    Run(UseOn(Object("secret_trap_open"), "ITEM_BIRD_EGG"));
    Enter(TRAP_CLOSE_UP);
    EXPECT_TRUE(DoorOpen());
    EXPECT_TRUE(Visible(Object("i_egg")));
    EXPECT_EQ(SpriteAnimations(Object("i_egg")).back(), 0x99635b96);
}

TEST_F(ShamansHutTest, TheBirdsEggBeforeItsTimeIsTakenAndDoesNothingAnyOtherItemIsABadInteraction)
{
    Set(VARBOOL_BG511_C10_MATTRESS_OPEN);
    Set(VARBOOL_BG511_C10_SECRET_TRAP_OPEN);
    Enter();
    ExpectMatchedAndIdle(UseOn(Object("secret_trap_open"), "ITEM_BIRD_EGG"));
    RunWalk();
    EXPECT_FALSE(Get(VARBOOL_BG511_C10_USE_TURTLE_EGG_ON_TRAP));

    for (const int32_t iOther :
         {Object("secret_trap_open"), Object("great_spirit_egg"), Object("tribal_mask"), Object("goto_bg504")}) {
        manager.Update(16);
        ASSERT_TRUE(manager.FireEvent(UseOn(iOther, "ITEM_FUR_HIDE_PELT")));
        EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract) << iOther;
        RunWalk();
    }
}

TEST_F(ShamansHutTest, TheWordAfterTheCloseUpIsSaidOnceAndAnyOtherWayInLeavesHerAtTheStart)
{
    Set(VARBOOL_BG511_C10_MATTRESS_OPEN);
    Enter(TRAP_CLOSE_UP);
    EXPECT_EQ(Dialogs(), Ids({AFTER_THE_CLOSE_UP}));
    EXPECT_TRUE(Get(VARBOOL_BG511_C10_AFTER_CLOSE_UP));
    // Back from an unsolved close-up the trap is still shut.
    EXPECT_TRUE(Open(Object("secret_trap_close")));
    Enter(TRAP_CLOSE_UP);
    EXPECT_TRUE(Dialogs().empty());

    Enter(MINI_GAME_MENU);
    EXPECT_EQ(PlacedAt(heroine), WP_START);
    EXPECT_TRUE(Walks(heroine).empty());
}

TEST_F(ShamansHutTest, ThingsPickedUpStayGoneOnEveryEntry)
{
    for (const Thing& thing : THINGS) {
        g_VarManager = VarSet {};
        Set(thing.iPickedUp);
        Enter();
        for (const Thing& other : THINGS) {
            const bool bGone = &other == &thing;
            EXPECT_EQ(Visible(other.picture), !bGone) << thing.pItem << " " << other.pItem;
            EXPECT_EQ(Open(other.hotspot), !bGone) << thing.pItem << " " << other.pItem;
        }
    }
}

} // namespace
