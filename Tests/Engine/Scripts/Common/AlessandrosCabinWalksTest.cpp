// Alessandro's cabin as the game loads it: in each chapter, with its people
// in their places and the door's and the cabin's blockers on, the heroine
// reaches every place that a handler of that chapter walks her to; she comes
// in through the door and can move on from there; Diego and Briscoe, each
// led by the player for a moment, reach their places too.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <set>

namespace {

constexpr SceneId CABIN = 7;
constexpr SceneId CORRIDOR = 6;
// Beyond the cabin's door.
constexpr int32_t OUTSIDE = 10;
// Places in the front of the cabin that the walks start from: the start,
// the chart, the middle, by the door.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_CHART = 34;
constexpr int32_t MIDDLE = 35;
constexpr int32_t WP_BY_THE_DOOR = 40;

// Whether the condition holds the same way with every story variable clear
// and with every one set: then the chapter alone decides it.
std::optional<bool> DecidedByTheChapter(const ScriptNodePool& pool, ScriptNodeIndex iNode, int32_t iChapter)
{
    VarSet clear;
    clear.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
    VarSet set = clear;
    for (int32_t iBool = 0; iBool < VARBOOL_LAST; ++iBool)
        set.SetBool(iBool, 1);
    for (int32_t iInt = 0; iInt < VARINT_LAST; ++iInt)
        if (iInt != VARINT_CURRENT_CHAPTER)
            set.SetInt(iInt, 1);
    const bool bClear = pool.EvalCondition(iNode, clear);
    if (bClear != pool.EvalCondition(iNode, set))
        return std::nullopt;
    return bClear;
}

// The dialog callbacks on which the heroine steps up to Alessandro or to
// Briscoe for a talk: their dialogs send them in every chapter. The other
// callbacks' walks belong to the cut-scenes of one chapter each.
constexpr uint32_t TALK_APPROACHES[] = {0x3f5818c8, 0x1e7e5760};

// Whether the player can point at the scriptable that the handler answers
// for; handlers of nothing in particular (dialog callbacks) count.
bool CanBeClicked(ScriptManager& manager, const EventDesc& event)
{
    if (event.m_eType == TwEventType_Dialog_CB || event.m_iParameterType[0] != ID_PARAMETER_TYPE_SCRIPTABLE)
        return true;
    const Scriptable* pTarget = manager.FindScriptable(event.m_oParameter[0]);
    return pTarget != nullptr && pTarget->IsInteractive() && pTarget->IsVisible();
}

// The waypoints that walks of the actor lead to in the chapter, from iFirst
// and its siblings, in the handlers of what the player can click now: into a
// condition's branch that the chapter takes, into both where the story
// decides; the way out of the door, behind its blocker, is left out.
void CollectWalks(ScriptManager& manager, ScriptNodeIndex iFirst, int32_t iChapter, uint32_t uActorId,
                  std::set<int32_t>& waypoints)
{
    const ScriptNodePool& pool = manager.GetNodePool();
    for (ScriptNodeIndex iNode = iFirst; pool.Contains(iNode); iNode = pool[iNode].m_iNext) {
        const ScriptNode& node = pool[iNode];
        if (node.m_iType == NodeType_Action) {
            if (node.m_oAction.m_iActionType == ID_ACTION_TYPE_WALK_TO_WAYPOINT &&
                node.m_oAction.m_iTargetId == ActorScriptableId(uActorId) && node.m_oAction.m_oParameter[0] != OUTSIDE)
                waypoints.insert(node.m_oAction.m_oParameter[0]);
            continue;
        }
        if (node.m_iType == NodeType_Event &&
            ((node.m_oEvent.m_eType == TwEventType_Dialog_CB &&
              std::find(std::begin(TALK_APPROACHES), std::end(TALK_APPROACHES),
                        static_cast<uint32_t>(node.m_oEvent.m_oParameter[0])) == std::end(TALK_APPROACHES)) ||
             !CanBeClicked(manager, node.m_oEvent)))
            continue;
        if (node.m_iType != NodeType_Condition) {
            CollectWalks(manager, node.m_iChild, iChapter, uActorId, waypoints);
            continue;
        }
        const std::optional<bool> holds = DecidedByTheChapter(pool, iNode, iChapter);
        if (holds.value_or(true))
            CollectWalks(manager, node.m_iChild, iChapter, uActorId, waypoints);
        if (!holds.value_or(false))
            CollectWalks(manager, node.m_oCondition.m_iElse, iChapter, uActorId, waypoints);
    }
}

class AlessandrosCabinWalksTest : public SampleSceneWalkTest {
protected:
    // Where a walk to the waypoint starts: the middle of the cabin, where a
    // click on anything may find her, or, for a place near it, the front
    // place farthest from it, as the engine ends walks of a few steps early.
    int32_t StartFor(int32_t iTarget) const
    {
        const auto distance = [&](int32_t iPlace) {
            return Apart(m_scene->m_vLocators[iPlace].m_vPosition, m_scene->m_vLocators[iTarget].m_vPosition);
        };
        if (distance(MIDDLE) >= 60)
            return MIDDLE;
        int32_t iFarthest = WP_START;
        for (const int32_t iPlace : {WP_CHART, WP_BY_THE_DOOR})
            if (distance(iPlace) > distance(iFarthest))
                iFarthest = iPlace;
        return iFarthest;
    }
    uint32_t Selected() const
    {
        return m_scene->m_iActiveCharacter == -1 ? 0 : m_scene->m_aCharacterIds[m_scene->m_iActiveCharacter];
    }

    const uint32_t heroine = Id::GetActorId("tavrine");
};

TEST_F(AlessandrosCabinWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToInEveryChapter)
{
    // Every cut-scene that plays on entering is over.
    for (const int32_t iFlag :
         {VARBOOL_BG003_C02_EVENT_FIRST_TIME, VARBOOL_BG003_C03_EVENT_GOOD_NEWS, VARBOOL_BG003_C05_EVENT_ALL_SECURE,
          VARBOOL_BG003_C06_EVENT_TWEAKED, VARBOOL_BG003_C09_ARRIVED})
        Set(iFlag);
    struct Visit {
        int32_t iChapter;
        // Asleep in chapter 6, with Diego by him; else Briscoe is here.
        bool bAsleep;
    };
    for (const Visit visit :
         {Visit {1, false}, Visit {2, false}, Visit {3, false}, Visit {4, false}, Visit {5, false}, Visit {6, false},
          Visit {6, true}, Visit {7, false}, Visit {8, false}, Visit {9, false}, Visit {10, false}}) {
        SCOPED_TRACE(testing::Message() << "chapter " << visit.iChapter << (visit.bAsleep ? ", asleep" : ""));
        const VarSet story = g_VarManager;
        if (visit.bAsleep) {
            Set(VARBOOL_BG003_C06_EVENT_SKETCH_MAP);
            Set(VARBOOL_BG003_C06_EVENT_ALESSANDRO_SLEEPING);
        }
        Enter(CABIN, visit.iChapter, heroine);
        ASSERT_EQ(Selected(), heroine);

        std::set<int32_t> waypoints;
        const ScriptNodePool& pool = m_manager.GetNodePool();
        CollectWalks(m_manager, pool[m_manager.GetScriptTree().m_iRoot].m_iChild, visit.iChapter, heroine, waypoints);
        EXPECT_GE(waypoints.size(), 8u);
        for (const int32_t iWaypoint : waypoints) {
            ExpectReaches(heroine, StartFor(iWaypoint), iWaypoint);
        }
        g_VarManager = story;
    }
}

TEST_F(AlessandrosCabinWalksTest, SheComesInThroughTheDoorAndCanMoveOnOnceItIsShut)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, CORRIDOR);
    Enter(CABIN, 7, heroine);
    EXPECT_LE(DistanceTo(heroine, 1), 8);
    WalkTo(heroine, 0);
    EXPECT_LE(DistanceTo(heroine, 0), 8);
    // The door is shut again: a walk out stops inside.
    WalkTo(heroine, OUTSIDE);
    EXPECT_GT(DistanceTo(heroine, OUTSIDE), 8);

    // Out of the door she goes, as far as the corridor.
    ASSERT_TRUE(m_manager.FireEvent(MatchExpr::MakeEvent0(0).m_oEvent));
    for (int frame = 0; frame < 1900 && !m_manager.IsChangePending(); ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    EXPECT_TRUE(m_manager.IsChangePending());
    EXPECT_LE(DistanceTo(heroine, OUTSIDE), 8);
}

TEST_F(AlessandrosCabinWalksTest, DiegoAndBriscoeReachTheirPlacesWhileThePlayerLeadsThem)
{
    // The good news: Diego, led by the player, comes to report and goes;
    // the heroine leads again.
    Enter(CABIN, 3, heroine);
    EXPECT_LE(DistanceTo(Id::GetActorId("diego"), 14), 8);
    EXPECT_EQ(Selected(), heroine);

    // Briscoe brings the gold in from the door to his place at the table.
    const uint32_t briscoe = Id::GetActorId("thomas_b");
    ASSERT_TRUE(m_manager.FireEvent(ScriptEvent_Hash9(static_cast<int32_t>(0x276d5e5fu))));
    for (int frame = 0; frame < 1900 && (frame < 2 || m_manager.IsBusy()); ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    EXPECT_FALSE(m_manager.IsBusy());
    EXPECT_LE(DistanceTo(briscoe, 13), 8);
    EXPECT_EQ(Selected(), heroine);
}

} // namespace
