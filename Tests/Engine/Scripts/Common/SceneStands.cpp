#include "Engine/Scripts/Common/SceneStands.h"

#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "ScriptEngine/common/ScriptParameters.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace {

// Where the heroine stands in a handler and whose facing she took there;
// -1 while unknown (she walked without turning, or turned toward someone).
struct HeroinePose {
    int32_t iWaypoint = -1;
    int32_t iFacing = -1;
};

// The actor that the event is about, else 0.
uint32_t ActorOfEvent(const EventDesc* pEvent)
{
    if (!pEvent || pEvent->m_iNbParameter < 1 || !IsActorScriptableId(pEvent->m_oParameter[0]))
        return 0;
    return static_cast<uint32_t>(pEvent->m_oParameter[0]);
}

// Whether the node is in its parent's first chain (a condition that holds)
// rather than its else chain.
bool InFirstChain(const ScriptNodePool& pool, ScriptNodeIndex iNode)
{
    for (ScriptNodeIndex i = pool[pool[iNode].m_iParent].m_iChild; i != NO_NODE; i = pool[i].m_iNext)
        if (i == iNode)
            return true;
    return false;
}

// Whether one run of the tree may reach both nodes: not on the two sides of
// one if / else.
bool OnOneRun(const ScriptNodePool& pool, ScriptNodeIndex iFirst, ScriptNodeIndex iSecond)
{
    std::map<ScriptNodeIndex, ScriptNodeIndex> firstPath; // ancestor -> its child toward iFirst
    for (ScriptNodeIndex i = iFirst; pool.Contains(i) && pool.Contains(pool[i].m_iParent); i = pool[i].m_iParent)
        firstPath[pool[i].m_iParent] = i;
    for (ScriptNodeIndex i = iSecond; pool.Contains(i) && pool.Contains(pool[i].m_iParent); i = pool[i].m_iParent) {
        const auto common = firstPath.find(pool[i].m_iParent);
        if (common != firstPath.end())
            return common->second == i || InFirstChain(pool, common->second) == InFirstChain(pool, i);
    }
    return true;
}

bool IsArrival(const EventDesc* pEvent)
{
    return pEvent && pEvent->m_eType == TwEventType_Init;
}

bool IsClick(const EventDesc* pEvent)
{
    return pEvent && pEvent->m_eType <= TwEventType_UseItem;
}

// A stand before it is known to be left there.
struct PlacedAt {
    Stand stand;
    ScriptNodeIndex iNode = NO_NODE;
    const EventDesc* pEvent = nullptr;
};

// Whether the action at iLater runs after the one at iEarlier whenever that
// one runs: later in its block, or in a block nested there on the same side
// of its if / else.
bool FollowsInItsBlock(const ScriptNodePool& pool, ScriptNodeIndex iEarlier, ScriptNodeIndex iLater)
{
    const ScriptNodeIndex iBlock = pool[iEarlier].m_iParent;
    for (ScriptNodeIndex i = iLater; pool.Contains(i) && pool.Contains(pool[i].m_iParent); i = pool[i].m_iParent)
        if (pool[i].m_iParent == iBlock)
            return i > iEarlier && InFirstChain(pool, i) == InFirstChain(pool, iEarlier);
    return false;
}

// Whether the handler's later place for the same actor follows the earlier
// with no dialog between: the earlier one is passed through. Of the scene's
// arrival handlers, which all run in order, a later one moves on whom an
// earlier one placed unconditionally.
bool PassedThrough(const ScriptNodePool& pool, const PlacedAt& earlier, const PlacedAt& later,
                   const std::vector<ScriptNodeIndex>& dialogs)
{
    if (later.stand.uActor != earlier.stand.uActor || later.iNode <= earlier.iNode)
        return false;
    const bool bFollows = earlier.pEvent == later.pEvent
                              ? FollowsInItsBlock(pool, earlier.iNode, later.iNode)
                              : IsArrival(earlier.pEvent) && IsArrival(later.pEvent) &&
                                    pool[pool[earlier.iNode].m_iParent].m_iType == NodeType_Event;
    return bFollows && std::none_of(dialogs.begin(), dialogs.end(), [&](ScriptNodeIndex iDialog) {
               return iDialog > earlier.iNode && iDialog < later.iNode && OnOneRun(pool, earlier.iNode, iDialog);
           });
}

} // namespace

SceneStands StandsInChapter(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> nodes,
                            const SceneDesc& scene, uint32_t uHeroine)
{
    SceneStands found;
    std::vector<PlacedAt> placed;
    std::vector<ScriptNodeIndex> dialogs;
    std::vector<ScriptNodeIndex> sceneChanges;
    std::map<const EventDesc*, HeroinePose> poses;
    for (const ScriptNodeIndex iNode : nodes) {
        if (pool[iNode].m_iType != NodeType_Action)
            continue;
        const ActionDesc& action = pool[iNode].m_oAction;
        const EventDesc* pEvent = EventOf(pool, iRoot, iNode);
        const int32_t type = action.m_iActionType;
        if (type == ID_ACTION_TYPE_GO_TO_SCENE)
            sceneChanges.push_back(iNode);
        if (type == ID_ACTION_TYPE_START_DIALOG || type == ID_ACTION_TYPE_START_COMMON_DIALOG) {
            dialogs.push_back(iNode);
            const HeroinePose& pose = poses[pEvent];
            const uint32_t uPartner = ActorOfEvent(pEvent);
            if (pose.iWaypoint >= 0 && pose.iFacing >= 0 && uPartner != 0 && uPartner != uHeroine)
                found.talks.push_back({pose.iWaypoint, pose.iFacing, uPartner, HandlerOf(pool, iRoot, iNode, scene)});
            continue;
        }
        if (!IsActorScriptableId(action.m_iTargetId))
            continue;
        const auto uActor = static_cast<uint32_t>(action.m_iTargetId);
        const int32_t iWaypoint = action.m_oParameter[0];
        HeroinePose& pose = poses[pEvent];
        const bool bHeroine = uActor == uHeroine;
        switch (type) {
        case ID_ACTION_TYPE_WALK_TO_WAYPOINT:
        case ID_ACTION_TYPE_PLACE_AT_WAYPOINT:
            placed.push_back(
                {{uActor, iWaypoint, HandlerOf(pool, iRoot, iNode, scene), IsArrival(pEvent)}, iNode, pEvent});
            if (bHeroine)
                pose = {iWaypoint, type == ID_ACTION_TYPE_PLACE_AT_WAYPOINT && (action.m_oParameter[1] & 0xFF) != 0
                                       ? iWaypoint
                                       : -1};
            break;
        case ID_ACTION_TYPE_TURN_TO_WAYPOINT:
            if (bHeroine)
                pose.iFacing = iWaypoint;
            break;
        case ID_ACTION_TYPE_TURN_TO_ACTOR:
        case ID_ACTION_TYPE_TURN_TO_ANGLE:
            if (bHeroine)
                pose.iFacing = -1;
            break;
        default: break;
        }
    }
    // One who walks out as the scene changes is not left there either.
    const auto leaves = [&](const PlacedAt& at) {
        return std::any_of(sceneChanges.begin(), sceneChanges.end(), [&](ScriptNodeIndex iChange) {
            return EventOf(pool, iRoot, iChange) == at.pEvent && OnOneRun(pool, at.iNode, iChange);
        });
    };
    std::vector<PlacedAt> left;
    for (const PlacedAt& at : placed)
        if (!leaves(at) && std::none_of(placed.begin(), placed.end(),
                                        [&](const PlacedAt& next) { return PassedThrough(pool, at, next, dialogs); }))
            left.push_back(at);
    // Whether the click's handler moves the actor.
    const auto moves = [&](const EventDesc* pEvent, uint32_t uActor) {
        return std::any_of(placed.begin(), placed.end(),
                           [&](const PlacedAt& at) { return at.pEvent == pEvent && at.stand.uActor == uActor; });
    };
    for (size_t i = 0; i < left.size(); ++i) {
        found.stands.push_back(left[i].stand);
        for (size_t j = 0; j < i; ++j) {
            const PlacedAt& first = left[j];
            const PlacedAt& second = left[i];
            if (first.stand.uActor == second.stand.uActor)
                continue;
            const bool bOneRun = first.pEvent == second.pEvent ? OnOneRun(pool, first.iNode, second.iNode)
                                                               : IsArrival(first.pEvent) && IsArrival(second.pEvent);
            const bool bClickByArrival =
                (IsArrival(first.pEvent) && IsClick(second.pEvent) && !moves(second.pEvent, first.stand.uActor)) ||
                (IsArrival(second.pEvent) && IsClick(first.pEvent) && !moves(first.pEvent, second.stand.uActor));
            if (bOneRun || bClickByArrival)
                found.together.emplace_back(j, i);
        }
    }
    return found;
}

SceneStands WithoutHidden(const SceneStands& found, const std::function<bool(uint32_t)>& hidden)
{
    SceneStands shown;
    shown.talks = found.talks;
    std::vector<size_t> kept(found.stands.size(), SIZE_MAX);
    for (size_t i = 0; i < found.stands.size(); ++i)
        if (!hidden(found.stands[i].uActor)) {
            kept[i] = shown.stands.size();
            shown.stands.push_back(found.stands[i]);
        }
    for (const auto& [i, j] : found.together)
        if (kept[i] != SIZE_MAX && kept[j] != SIZE_MAX)
            shown.together.emplace_back(kept[i], kept[j]);
    return shown;
}
