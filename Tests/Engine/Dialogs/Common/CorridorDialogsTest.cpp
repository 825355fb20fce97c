// Walks the ship's corridor's compiled dialogs: the gangway's one answer per
// talk, the flags of Diego's talks that send him ashore, Nacho's offer to
// write, and every callback that the corridor's script waits for.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t CORRIDOR = 6;
constexpr uint32_t DIEGO_TALK = 0x917d486a;
constexpr uint32_t NACHO_TALK = 0x9d6c1859;

class CorridorDialogsTest : public SceneDialogsTest {
protected:
    CorridorDialogsTest() { UseGroup("bg002_WM_Corridor.dialogs.dat", CORRIDOR); }

    void InChapter(int32_t iChapter) { g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter); }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(CorridorDialogsTest, TheGangwayIsAnsweredOneWayAtATimeInEveryChapter)
{
    struct Case {
        const char* pAnswer;
        bool bAshore;
        bool bSail;
    };
    for (int32_t iChapter : {2, 6, 9})
        for (const Case& answer : {Case {"BG002_DOCK_ASHORE", true, false}, Case {"BG002_DOCK_SAIL", false, true},
                                   Case {"BG002_DOCK_STAY", false, false}}) {
            SCOPED_TRACE(answer.pAnswer);
            InChapter(iChapter);
            Set(VARBOOL_BG002_GOTO_LOCAL_ISLAND, false);
            Set(VARBOOL_BG002_GOTO_WORLD_MAP, false);
            Walk(0xe6d4cd74, answer.pAnswer);
            EXPECT_EQ(Get(VARBOOL_BG002_GOTO_LOCAL_ISLAND), answer.bAshore) << iChapter;
            EXPECT_EQ(Get(VARBOOL_BG002_GOTO_WORLD_MAP), answer.bSail) << iChapter;
        }
}

TEST_F(CorridorDialogsTest, DiegosTalkSetsTheFlagThatSendsHimAshoreInHisChapters)
{
    const int32_t talkFlags[] = {VARBOOL_BG002_C04_TALK_DIEGO_ABOUT_HILARY,
                                 VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE,
                                 VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_ANCHOR, VARBOOL_BG002_C09_TALK_DIEGO_ABOUT_AXE};
    struct Case {
        int32_t iChapter;
        int32_t iFlag;
    } const cases[] = {{4, talkFlags[0]}, {5, talkFlags[1]}, {6, talkFlags[2]}, {9, talkFlags[3]}};
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        InChapter(c.iChapter);
        const std::vector<uint32_t> sent = Walk(DIEGO_TALK);
        // He speaks, and falls silent at the end.
        EXPECT_TRUE(Sends(sent, 0x8bbc8e27)) << c.iChapter;
        EXPECT_EQ(sent.back(), 0x728fd06du) << c.iChapter;
        for (int32_t iFlag : talkFlags)
            EXPECT_EQ(Get(iFlag), iFlag == c.iFlag) << c.iChapter << " " << iFlag;
    }

    // Chapter 6, once he has been hit: the bandage, once.
    g_VarManager = VarSet {};
    InChapter(6);
    Set(VARBOOL_QUEST_C6_DIEGO_DONE);
    EXPECT_TRUE(Sends(Walk(DIEGO_TALK), 0xc007392c));
    EXPECT_TRUE(Get(VARBOOL_BG002_C06_GET_BLOOD_BANDAGE));
    EXPECT_FALSE(Sends(Walk(DIEGO_TALK), 0xc007392c));
}

TEST_F(CorridorDialogsTest, NachoOffersToWriteOnlyOnceHeHasSeenItAndNotYetWritten)
{
    InChapter(8);
    struct Case {
        bool bSeen;
        bool bWritten;
    } const cases[] = {{false, false}, {true, false}, {true, true}};
    for (const Case& c : cases) {
        Set(VARBOOL_QUEST_C8_PEN_PAPER01, false);
        Set(VARBOOL_QUEST_C8_JUSTICE03_DONE, c.bSeen);
        Set(VARBOOL_QUEST_C8_PEDRO04, c.bWritten);
        const std::vector<uint32_t> sent = Walk(NACHO_TALK);
        EXPECT_EQ(Get(VARBOOL_QUEST_C8_PEN_PAPER01), c.bSeen && !c.bWritten) << c.bSeen << c.bWritten;
        // He talks, then goes back to his work or stays standing.
        EXPECT_TRUE(Sends(sent, 0x1761c598));
        EXPECT_EQ(sent.back(), 0xa4a8c824u);
    }
}

TEST_F(CorridorDialogsTest, EveryCallbackTheCorridorWaitsForIsSent)
{
    std::set<uint32_t> sent;
    const auto walk = [&](uint32_t uDialog) {
        for (uint32_t uCallback : Walk(uDialog))
            sent.insert(uCallback);
    };
    InChapter(6);
    for (uint32_t uDialog : {0x482371eau, 0xb3377197u, 0xa6a8d11cu, 0x1dad273bu, 0x02935127u, 0xbe73313du})
        walk(uDialog);
    Set(VARBOOL_QUEST_C6_DIEGO_DONE);
    walk(DIEGO_TALK);
    InChapter(5);
    walk(DIEGO_TALK);
    InChapter(8);
    walk(0x3fb613ff);
    walk(NACHO_TALK);
    walk(0xc0940928);
    for (uint32_t uCallback :
         {0xff15a909u, 0x35344e96u, 0x94c08250u, 0x8bbc8e27u, 0x728fd06du, 0xfe0458cdu, 0xc007392cu, 0xc7f3f060u,
          0x22a8abc2u, 0x1ad758e8u, 0x993bbe31u, 0x231cd59bu, 0x1761c598u, 0xa4a8c824u})
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback;

    // The sheet is handed over only while it is still in the hamper.
    Set(VARBOOL_BG002_C08_PICK_SHEET);
    EXPECT_FALSE(Sends(Walk(0x3fb613ff), 0x231cd59b));
}

} // namespace
