// The chapter's view of who is out of sight or reach keeps to what it knows:
// hidden by the arrival in every story state and shown by no handler of the
// chapter. What a story variable may leave shown counts as shown.
#include "Common/ActorIds.h"
#include "Engine/Scripts/Common/SceneScriptTree.h"
#include "Common/VarIds.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "Engine/Scripts/Common/ChapterReach.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "Engine/Scripts/Common/SceneScriptLimits.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace {

constexpr uint32_t KID = ActorIdOf("tavrine_kid");
constexpr uint32_t MOTHER = ActorIdOf("bonita_c_chair");
constexpr int32_t WINDOWS = 0;
constexpr int32_t SHELF = 1;
constexpr int32_t DUSTPAN = 4;

class SwitchingLivingRoomScript final : public SceneScript {
protected:
    void BuildEnterActions() override
    {
        ShowObject(WINDOWS, false);
        SetInteractive(SHELF, false);
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 5);
        ShowAndActivate(static_cast<int32_t>(MOTHER), false);
        _EndMatch();
        _IfBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 0);
        ShowObject(DUSTPAN, false);
        _EndMatch();
    }
    void BuildEvents() override
    {
        _IfEvent(ScriptEvent_Object1(WINDOWS));
        Place(KID, 1);
        _EndMatch();
        _IfEvent(ScriptEvent_Object1(SHELF));
        Place(KID, 2);
        _EndMatch();
        _IfEvent(ScriptEvent_FlaggedId2(MOTHER));
        Place(KID, 3);
        _EndMatch();
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 1);
        _IfEvent(ScriptEvent_Object1(DUSTPAN));
        ShowObject(WINDOWS, true);
        _EndMatch();
        _EndMatch();
    }
};

class ChapterReachTest : public ScriptManagerTest {
protected:
    ScriptNodeIndex Build()
    {
        m_script = std::make_unique<SwitchingLivingRoomScript>();
        return BuildHandMadeScriptTree(manager, *m_script);
    }
    // The scriptables whose clicks have a handler among the nodes.
    std::set<int32_t> ClickedIn(ScriptNodeIndex root, const std::vector<ScriptNodeIndex>& nodes)
    {
        std::set<int32_t> clicked;
        for (const ScriptNodeIndex iNode : nodes)
            if (const EventDesc* pEvent = EventOf(manager.GetNodePool(), root, iNode))
                if (pEvent->m_eType != TwEventType_Init)
                    clicked.insert(pEvent->m_oParameter[0]);
        return clicked;
    }

    std::unique_ptr<SwitchingLivingRoomScript> m_script;
    // As the arrival leaves them: all hidden but the shelf, which is shown
    // but unclickable, the mother unclickable too.
    const ArrivalLooks m_looks {{WINDOWS, {false, true}},
                                {SHELF, {true, false}},
                                {DUSTPAN, {false, true}},
                                {static_cast<int32_t>(MOTHER), {false, false}}};
};

TEST_F(ChapterReachTest, OnlyWhatEveryStoryStateKeepsOffStaysOff)
{
    const ScriptNodePool& pool = manager.GetNodePool();
    const ScriptNodeIndex root = Build();
    const std::vector<ScriptNodeIndex> five = NodesInChapter(pool, root, 5);
    const auto hiddenInFive = [&](int32_t iId) { return StaysHidden(pool, root, five, 5, m_looks, iId); };
    EXPECT_TRUE(hiddenInFive(WINDOWS));
    EXPECT_TRUE(hiddenInFive(static_cast<int32_t>(MOTHER)));
    // Hidden only while a variable holds, shown, or not known.
    EXPECT_FALSE(hiddenInFive(DUSTPAN));
    EXPECT_FALSE(hiddenInFive(SHELF));
    EXPECT_FALSE(hiddenInFive(7));
    EXPECT_EQ(ClickedIn(root, NodesWithinReach(pool, root, five, 5, m_looks)), std::set<int32_t> {});

    // Chapter 1 shows the windows on a click of the dustpan, and hides the
    // mother in no handler: the content has her hidden.
    const std::vector<ScriptNodeIndex> one = NodesInChapter(pool, root, 1);
    EXPECT_FALSE(StaysHidden(pool, root, one, 1, m_looks, WINDOWS));
    EXPECT_TRUE(StaysHidden(pool, root, one, 1, m_looks, static_cast<int32_t>(MOTHER)));
    EXPECT_EQ(ClickedIn(root, NodesWithinReach(pool, root, one, 1, m_looks)), (std::set<int32_t> {WINDOWS, DUSTPAN}));
}

} // namespace
