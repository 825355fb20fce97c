// Walks the compiled dialogs of the garden beside the town hall, with the
// callbacks changing the story as the garden's handlers do, mid-dialog: the
// shed shakes at every search and gives each find once in its chapter, the
// call brings Diego in once and breaks the column only once he holds the
// tools, and every callback that the garden's script waits for is sent
// somewhere along the story.
#include "SceneDialogsTestKit.h"

#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

constexpr int32_t GARDEN = 33;
constexpr int32_t DIEGO_IN_THE_GARDEN = 6;

constexpr uint32_t SEARCH_THE_SHED = 0x963786db;
constexpr uint32_t SHED_SHAKES = 0x68bfe2f3;
constexpr uint32_t FIND_THE_TOOLS = 0xcb36030f;
constexpr uint32_t FIND_THE_WEED_KILLER = 0xbc6dd3ec;
constexpr uint32_t CALL_DIEGO = 0xd012953f;
constexpr uint32_t DIEGO_COMES = 0x640c4039;
constexpr uint32_t HAND_OVER_THE_TOOLS = 0xf7385775;
constexpr uint32_t DIEGO_BREAKS_THE_COLUMN = 0x3eb6ab35;

class GardenDialogsTest : public SceneDialogsTest {
protected:
    GardenDialogsTest()
    {
        UseGroup("bg306_HO_Garden.dialogs.dat", GARDEN);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 4);
        SetsWhenSent(FIND_THE_TOOLS, VARBOOL_BG306_C04_PICK_HAMMER_AND_CHISEL);
        SetsWhenSent(FIND_THE_WEED_KILLER, VARBOOL_BG306_C07_PICK_WEED_KILLER);
        SetsWhenSent(DIEGO_BREAKS_THE_COLUMN, VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL);
        script._IfEvent(OnCallback(DIEGO_COMES));
        script.SetIntVar(VARINT_DIEGO_SCENE, DIEGO_IN_THE_GARDEN);
        script._EndMatch();
    }
    // The callback's handler sets the flag, as the garden's does.
    void SetsWhenSent(uint32_t uCallback, int32_t iVarId)
    {
        script._IfEvent(OnCallback(uCallback));
        script.SetBoolVar(iVarId, true);
        script._EndMatch();
    }
    void Chapter(int32_t iChapter) { g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter); }
    using Sent = std::vector<uint32_t>;
};

TEST_F(GardenDialogsTest, TheShedShakesAtEverySearchAndGivesEachFindOnceInItsChapter)
{
    struct Search {
        int32_t iChapter;
        uint32_t uFind;
    };
    for (const Search search : {Search {4, FIND_THE_TOOLS}, Search {7, FIND_THE_WEED_KILLER}, Search {5, 0}}) {
        SCOPED_TRACE(search.iChapter);
        Set(VARBOOL_BG306_C04_PICK_HAMMER_AND_CHISEL, false);
        Set(VARBOOL_BG306_C07_PICK_WEED_KILLER, false);
        Chapter(search.iChapter);
        const Sent first = search.uFind != 0 ? Sent {SHED_SHAKES, search.uFind} : Sent {SHED_SHAKES};
        EXPECT_EQ(Walk(SEARCH_THE_SHED), first);
        // One line each time: the find, or that nothing is left.
        EXPECT_EQ(Lines(SEARCH_THE_SHED).size(), 1u);
        EXPECT_EQ(Walk(SEARCH_THE_SHED), Sent {SHED_SHAKES});
    }
}

TEST_F(GardenDialogsTest, TheCallBringsDiegoInOnceAndBreaksTheColumnOnlyOnceHeHoldsTheTools)
{
    EXPECT_EQ(Walk(CALL_DIEGO), Sent {DIEGO_COMES});
    EXPECT_EQ(g_VarManager.GetInt(VARINT_DIEGO_SCENE), DIEGO_IN_THE_GARDEN);
    // Here without the tools, he only comes to look again.
    EXPECT_EQ(Walk(CALL_DIEGO), Sent {DIEGO_COMES});
    EXPECT_FALSE(Get(VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL));

    EXPECT_EQ(Walk(HAND_OVER_THE_TOOLS), Sent {});
    EXPECT_TRUE(Get(VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL));
    EXPECT_EQ(Walk(CALL_DIEGO), Sent {DIEGO_BREAKS_THE_COLUMN});
}

TEST_F(GardenDialogsTest, EveryCallbackTheGardenWaitsForIsSentAlongTheStory)
{
    std::set<uint32_t> sent;
    // Every dialog of the group in chapters 4 and 7, from the start and with
    // Diego in the garden holding the tools; the group's one choice, what
    // she needs of Diego, is answered that he waits.
    for (const int32_t iChapter : {4, 7}) {
        for (const bool bDiegoHere : {false, true}) {
            Chapter(iChapter);
            g_VarManager.SetInt(VARINT_DIEGO_SCENE, bDiegoHere ? DIEGO_IN_THE_GARDEN : 0);
            Set(VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL, bDiegoHere);
            Set(VARBOOL_BG306_C04_PICK_HAMMER_AND_CHISEL, false);
            Set(VARBOOL_BG306_C07_PICK_WEED_KILLER, false);
            for (const uint32_t uDialog : Keys())
                for (const uint32_t uCallback : Walk(uDialog, "BG306_ASK_DIEGO_TO_WAIT"))
                    sent.insert(uCallback);
        }
    }
    for (const uint32_t uCallback : HandledCallbacks(GARDEN))
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback;
}

} // namespace
