// Walks the compiled dialogs of Hollow island's jetty: the gangway's one
// answer per talk, Sancha's talk that is remembered and brings Briscoe over
// only while he waits on the jetty, the word of Tanner's friend only while
// Bajari has still to come, Bajari's arrival that hands over the document
// once, the map shown before it becomes the turtle map, and every callback
// that the jetty's script waits for.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t JETTY = 28;
constexpr uint32_t GANGWAY = 0xfb3378e9;
constexpr uint32_t TALK_SANCHA = 0x6372adca;
constexpr uint32_t TALK_BRISCOE = 0x9b62ad3e;
constexpr uint32_t FEELING_DOWN = 0x8fb7cc7b;
constexpr uint32_t BAJARI_ARRIVES = 0x826c3d26;
constexpr uint32_t BRISCOE_COMES_OVER = 0x23c6dd1c;
constexpr uint32_t DOCUMENT_HANDED = 0x2df4c24b;
constexpr uint32_t MAP_UNROLLED = 0x354f5456;
constexpr uint32_t MAP_ROLLED_UP = 0x7fb1293a;
constexpr uint32_t MAP_IS_THE_TURTLE_MAP = 0x50f3408f;

class HollowIslandJettyDialogsTest : public SceneDialogsTest {
protected:
    HollowIslandJettyDialogsTest() { UseGroup("bg301_HO_Jety.dialogs.dat", JETTY); }

    void InChapter(int32_t iChapter) { g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter); }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
    // Walks the dialog to its end with the answer that closes its choice.
    std::vector<uint32_t> WalkThrough(uint32_t uDialog)
    {
        const char* pAnswer = uDialog == GANGWAY        ? "BG301_GANGWAY_STAY"
                              : uDialog == TALK_SANCHA  ? "BG301_BYE_SANCHA"
                              : uDialog == TALK_BRISCOE ? "BG301_TELL_TANNERS_FRIEND"
                                                        : nullptr;
        return Walk(uDialog, pAnswer);
    }
};

TEST_F(HollowIslandJettyDialogsTest, TheGangwayIsAnsweredOneWayAtATimeInEveryChapter)
{
    struct Case {
        const char* pAnswer;
        bool bSail;
        bool bAboard;
    };
    for (int32_t iChapter : {4, 7})
        for (const Case& answer : {Case {"BG301_GANGWAY_SAIL", true, false}, Case {"BG301_GANGWAY_ABOARD", false, true},
                                   Case {"BG301_GANGWAY_STAY", false, false}}) {
            SCOPED_TRACE(answer.pAnswer);
            InChapter(iChapter);
            Set(VARBOOL_BG301_GOTO_WORLD_MAP, false);
            Set(VARBOOL_BG301_GOTO_ONBOARD, false);
            Walk(GANGWAY, answer.pAnswer);
            EXPECT_EQ(Get(VARBOOL_BG301_GOTO_WORLD_MAP), answer.bSail) << iChapter;
            EXPECT_EQ(Get(VARBOOL_BG301_GOTO_ONBOARD), answer.bAboard) << iChapter;
        }
}

TEST_F(HollowIslandJettyDialogsTest, SanchasTalkIsRememberedAndBringsBriscoeOverOnlyWhileHeWaitsOnTheJetty)
{
    InChapter(4);
    EXPECT_TRUE(Sends(Walk(TALK_SANCHA, "BG301_BYE_SANCHA"), BRISCOE_COMES_OVER));
    EXPECT_TRUE(Get(VARBOOL_BG301_C04_TALK_SANCHA));
    // He has come over already.
    Set(VARBOOL_BG301_C04_EVENT_BRISCOE_COME);
    EXPECT_FALSE(Sends(Walk(TALK_SANCHA, "BG301_BYE_SANCHA"), BRISCOE_COMES_OVER));
    // He has gone up to the town with her.
    Set(VARBOOL_BG301_C04_EVENT_BRISCOE_COME, false);
    Set(VARBOOL_BG302_C04_EVENT_FIRST_TIME);
    EXPECT_FALSE(Sends(Walk(TALK_SANCHA, "BG301_BYE_SANCHA"), BRISCOE_COMES_OVER));
}

TEST_F(HollowIslandJettyDialogsTest, TannersFriendIsToldOfOnlyWhileBajariHasStillToComeAndHeComesOnce)
{
    struct Case {
        int32_t iChapter;
        bool bKnown;
        bool bDone;
        bool bTold;
    };
    for (const Case& c : {Case {4, true, false, false}, Case {7, false, false, false}, Case {7, true, true, false},
                          Case {7, true, false, true}}) {
        g_VarManager = VarSet {};
        InChapter(c.iChapter);
        Set(VARBOOL_QUEST_C7_TANNERSFRIEND03, c.bKnown);
        Set(VARBOOL_QUEST_C7_TANNERSFRIEND03_DONE, c.bDone);
        Walk(TALK_BRISCOE, "BG301_TELL_TANNERS_FRIEND");
        EXPECT_EQ(Get(VARBOOL_BG301_C07_TALK_BRISCOE_ABOUT_TANNER_FRIEND), c.bTold)
            << c.iChapter << c.bKnown << c.bDone;
    }
    // His arrival hands over the document, Tanner's notes, and is over for
    // good: the talk that follows ends the chapter.
    EXPECT_TRUE(Sends(Walk(BAJARI_ARRIVES), DOCUMENT_HANDED));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C7_TANNERSFRIEND03_DONE));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C7_NOTES01));
}

TEST_F(HollowIslandJettyDialogsTest, TheMapIsShownBeforeItBecomesTheTurtleMapAndTheVillageIsToldOf)
{
    InChapter(7);
    const std::vector<uint32_t> sent = Walk(FEELING_DOWN);
    const auto at = [&](uint32_t uCallback) { return std::find(sent.begin(), sent.end(), uCallback) - sent.begin(); };
    ASSERT_TRUE(Sends(sent, MAP_IS_THE_TURTLE_MAP));
    // Briscoe tells where Tanner's friend lives: the village is on the map.
    EXPECT_TRUE(Get(VARBOOL_HO_MAP_BG309));
    EXPECT_LT(at(MAP_UNROLLED), at(MAP_ROLLED_UP));
    EXPECT_LT(at(MAP_ROLLED_UP), at(MAP_IS_THE_TURTLE_MAP));
    // Exchanged once: no other dialog of the jetty sends it.
    for (const uint32_t uDialog : Keys()) {
        if (uDialog == FEELING_DOWN)
            continue;
        EXPECT_FALSE(Sends(WalkThrough(uDialog), MAP_IS_THE_TURTLE_MAP)) << std::hex << uDialog;
    }
}

TEST_F(HollowIslandJettyDialogsTest, EveryCallbackTheJettyWaitsForIsSent)
{
    std::set<uint32_t> sent;
    for (const int32_t iChapter : {4, 7}) {
        g_VarManager = VarSet {};
        InChapter(iChapter);
        Set(VARBOOL_QUEST_C7_TANNERSFRIEND03);
        for (const uint32_t uDialog : Keys())
            for (uint32_t uCallback : WalkThrough(uDialog))
                sent.insert(uCallback);
    }
    for (const uint32_t uCallback : HandledCallbacks(JETTY))
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback << " is never sent";
}

} // namespace
