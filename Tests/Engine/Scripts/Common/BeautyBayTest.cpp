// The script of Beauty bay on Turtle island (scene 43): chapter 9 played from
// Briscoe's word on landing through the berries, the shell and Diego's axe
// into the ruins; the places she arrives at; the boat that takes her off the
// bay whichever of its two hotspots is offered; and the bay of other chapters.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int32_t BEAUTY_BAY = 43;
constexpr int32_t CORRIDOR = 6;
constexpr int32_t RUINS = 44;
constexpr int32_t WORLD_MAP = 57;

using Object = NamedObject<SceneTableRows::s_aObjects_bg501_43>;

constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));
constexpr int32_t BRISCOE = ActorScriptableId(ActorIdOf("thomas_b"));
constexpr int32_t EDUARDO = ActorScriptableId(ActorIdOf("uncle_eduardo"));

constexpr uint32_t LANDING = 0xb675ee6e;
constexpr uint32_t BOAT = 0x5cda4d0d;
constexpr uint32_t INTO_THE_JUNGLE = 0xb60ff50f;
constexpr uint32_t AXE = 0x5232a2da;
constexpr uint32_t BERRIES_EATEN = 0xfc1a6bd3;

constexpr int32_t WP_OUT_OF_THE_JUNGLE = 2;
constexpr int32_t WP_ASHORE = 5;

class BeautyBayTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = CORRIDOR) { EnterInChapter(BEAUTY_BAY, iChapter, iFrom); }
    bool Boat() const { return Called("playing " + FakeSceneLink::Hex(ActorIdOf("boat_windsome_maid"))); }
};

TEST_F(BeautyBayTest, ChapterNinePlaysFromTheLandingThroughTheBerriesAndTheShellToDiegosAxe)
{
    Set(VARBOOL_BG002_C09_TALK_DIEGO_ABOUT_AXE);
    Enter(9);
    EXPECT_EQ(Dialogs(), Ids({LANDING}));
    EXPECT_EQ(Given(), (std::vector<int32_t> {Item("ITEM_DIEGO"), Item("ITEM_EDUARDO")}));
    EXPECT_TRUE(Get(VARBOOL_BG002_C09_DIEGO_NOT_HERE) && Get(VARBOOL_TU_MAP_BASE));
    EXPECT_TRUE(Visible(BRISCOE) && Open(BRISCOE) && Visible(DIEGO) && Visible(EDUARDO));
    EXPECT_TRUE(Open(Object("dense_vegetation")) && Open(Object("battered_turtle_shell")));
    EXPECT_FALSE(Open(Object("goto_bg502")) || Open(Object("row_boat")) || Open(Object("tree_trunk")));
    EXPECT_TRUE(Open(Object("goto_wm")));

    Run(Click(Object("berry_bush")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_BERRIES")});
    Run(ScriptEvent_ItemOnFlaggedId3(ActorIdOf("uncle_eduardo"), ItemIdOf("ITEM_BERRIES")));
    EXPECT_EQ(Dialogs(), Ids({BERRIES_EATEN}));
    EXPECT_TRUE(Get(VARBOOL_BG501_C09_USE_BERRIES_ON_UNCLE_EDUARDO));

    Run(Click(Object("battered_turtle_shell")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_TURTLE_SHELL")});
    EXPECT_TRUE(Get(VARBOOL_BG501_C09_PICK_BATTERED_TURTLE_SHELL));
    EXPECT_FALSE(Open(Object("battered_turtle_shell")) || Visible(Object("i_battered_turtle_shell")));

    Run(UseOn(Object("dense_vegetation"), "ITEM_DIEGO"));
    EXPECT_EQ(Dialogs(), Ids({AXE}));
    EXPECT_EQ(NextScene(), RUINS);
}

TEST_F(BeautyBayTest, BriscoesWordOnLandingRepeatsUntilTheIslandersAreKnownAndTheShellStaysTaken)
{
    Enter(9);
    EXPECT_EQ(Dialogs(), Ids({LANDING}));
    EXPECT_FALSE(Visible(DIEGO) || Open(DIEGO));
    Enter(9, WORLD_MAP);
    EXPECT_EQ(Dialogs(), Ids({LANDING}));

    // The sample dialog tells her about the islanders.
    Set(VARBOOL_QUEST_C9_ISLANDERS);
    Set(VARBOOL_BG501_C09_PICK_BATTERED_TURTLE_SHELL);
    Enter(9, WORLD_MAP);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_FALSE(Open(Object("battered_turtle_shell")) || Visible(Object("i_battered_turtle_shell")));

    // Across the mechanism Briscoe has gone on; past the jungle Eduardo too.
    Set(VARBOOL_BG502_C09_INT_MECHANISM);
    Set(VARBOOL_QUEST_C9_JUNGLE_DONE);
    Enter(9, RUINS);
    EXPECT_FALSE(Visible(BRISCOE) || Visible(EDUARDO) || Visible(DIEGO));
    EXPECT_TRUE(Given().empty());
}

TEST_F(BeautyBayTest, SheArrivesFromTheSeaOrFromTheIslandAndTheJungleExitSpeaksOnce)
{
    Set(VARBOOL_QUEST_C9_ISLANDERS);
    for (const int32_t iFrom : {CORRIDOR, WORLD_MAP}) {
        Enter(9, iFrom);
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_ASHORE}) << iFrom;
    }
    for (const int32_t iFrom : {RUINS, 45, 47, 48}) {
        Enter(9, iFrom);
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_OUT_OF_THE_JUNGLE}) << iFrom;
    }

    Set(VARBOOL_BG505_C09_TAVRINE_FREE);
    Enter(9, RUINS);
    EXPECT_TRUE(Open(Object("goto_bg502")));
    Run(Click(Object("goto_bg502")));
    EXPECT_EQ(Dialogs(), Ids({INTO_THE_JUNGLE}));
    EXPECT_EQ(NextScene(), RUINS);
    Enter(9, RUINS);
    Run(Click(Object("goto_bg502")));
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(NextScene(), RUINS);
}

// Wherever the boat's question is asked, by the water or at the row boat, its
// answer is taken: no bay leaves her stranded with the boat saying yes.
TEST_F(BeautyBayTest, TheBoatTakesHerAwayFromEitherHotspotAndLeavesDiegoAboard)
{
    struct Case {
        const char* pName;
        int32_t iChapter;
        bool bFree;
        int32_t iHotspot;
    };
    const Case cases[] = {
        {"chapter 9 by the water", 9, false, Object("goto_wm")},
        {"chapter 9, free, at the row boat", 9, true, Object("row_boat")},
        {"chapter 10 at the row boat", 10, false, Object("row_boat")},
    };
    const int32_t answers[] = {0, VARBOOL_BG501_GOTO_WORLD_MAP, VARBOOL_BG501_GOTO_ONBOARD};
    for (const Case& c : cases) {
        for (const int32_t iAnswer : answers) {
            SCOPED_TRACE(std::string(c.pName) + " " + std::to_string(iAnswer));
            g_VarManager = VarSet {};
            Set(VARBOOL_QUEST_C9_ISLANDERS);
            Set(VARBOOL_BG505_C09_TAVRINE_FREE, c.bFree);
            dialogEffects[BOAT] = [&] {
                if (iAnswer != 0)
                    Set(iAnswer);
            };
            Enter(c.iChapter);
            EXPECT_TRUE(Open(c.iHotspot));
            Run(Click(c.iHotspot));
            EXPECT_EQ(Dialogs(), Ids({BOAT}));
            const int32_t iNext = iAnswer == VARBOOL_BG501_GOTO_WORLD_MAP ? WORLD_MAP : (iAnswer == 0 ? 0 : CORRIDOR);
            EXPECT_EQ(NextScene(), iNext);
            EXPECT_EQ(Boat(), iNext == WORLD_MAP);
            EXPECT_EQ(Taken(), iNext != 0 ? std::vector<int32_t> {Item("ITEM_DIEGO")} : std::vector<int32_t> {});
            EXPECT_FALSE(Get(VARBOOL_BG501_GOTO_WORLD_MAP) || Get(VARBOOL_BG501_GOTO_ONBOARD));
        }
    }
}

TEST_F(BeautyBayTest, OutsideChapterNineTheBayIsEmptyAndTheTrunkIsNeverOffered)
{
    for (const int32_t iChapter : {0, 8, 9, 10}) {
        SCOPED_TRACE(iChapter);
        g_VarManager = VarSet {};
        Set(VARBOOL_QUEST_C9_ISLANDERS);
        Enter(iChapter);
        EXPECT_FALSE(Open(Object("tree_trunk")));
        if (iChapter == 9)
            continue;
        EXPECT_TRUE(Dialogs().empty() && Given().empty());
        EXPECT_FALSE(Visible(BRISCOE) || Visible(DIEGO) || Visible(EDUARDO));
        EXPECT_FALSE(Open(Object("goto_wm")) || Open(Object("dense_vegetation")) || Open(Object("sign")));
        EXPECT_TRUE(Open(Object("goto_bg502")) && Open(Object("row_boat")) && Open(Object("rocks")));
    }
}

} // namespace
