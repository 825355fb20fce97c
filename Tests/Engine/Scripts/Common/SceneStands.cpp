#include "Engine/Scripts/Common/SceneStands.h"

#include "Common/VarIds.h"
#include "Engine/Scripts/Common/ChapterReach.h"
#include "Engine/Scripts/Common/HandlerRuns.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "ScriptEngine/common/ScriptParameters.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

namespace {

// Where the heroine stands in a handler and whose facing she took there;
// -1 while unknown (she walked without turning, or turned toward someone).
struct HeroinePose {
    int32_t iWaypoint = -1;
    int32_t iFacing = -1;
    // Her last line in the handler, and whether she has since walked on to
    // a thing in the scene: what she says there is about that thing.
    ScriptNodeIndex iSpoken = NO_NODE;
    bool bAtAThing = false;
};

// The actor that the event is about, else 0.
uint32_t ActorOfEvent(const EventDesc* pEvent)
{
    if (!pEvent || pEvent->m_iNbParameter < 1 || !IsActorScriptableId(pEvent->m_oParameter[0]))
        return 0;
    return static_cast<uint32_t>(pEvent->m_oParameter[0]);
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

// The condition as text, its operands followed through the pool: two
// conditions built from one expression read the same.
std::string ConditionText(const ScriptNodePool& pool, ScriptNodeIndex iCondition)
{
    if (!pool.Contains(iCondition) || pool[iCondition].m_iType != NodeType_Condition)
        return "-";
    const MatchCondition& record = pool[iCondition].m_oCondition.m_oRecord;
    if (IsLogicOp(record.m_iOp))
        return "(" + std::to_string(record.m_iOp) + " " + ConditionText(pool, record.m_iA) + " " +
               ConditionText(pool, record.m_iB) + ")";
    return std::to_string(record.m_iA) + " " + std::to_string(record.m_iOp) + " " + std::to_string(record.m_iValue);
}

// The conditions the node runs under, each with the side taken.
std::set<std::string> ConditionsAbove(const ScriptNodePool& pool, ScriptNodeIndex iNode)
{
    std::set<std::string> conditions;
    for (ScriptNodeIndex i = iNode; pool.Contains(i) && pool.Contains(pool[i].m_iParent); i = pool[i].m_iParent)
        if (pool[pool[i].m_iParent].m_iType == NodeType_Condition)
            conditions.insert((InFirstChain(pool, i) ? "" : "not ") + ConditionText(pool, pool[i].m_iParent));
    return conditions;
}

// Whether the node runs whenever the place does: under no condition the
// place does not hold under.
bool RunsWithThePlace(const ScriptNodePool& pool, const std::set<std::string>& placeConditions, ScriptNodeIndex iNode)
{
    const std::set<std::string> conditions = ConditionsAbove(pool, iNode);
    return std::includes(placeConditions.begin(), placeConditions.end(), conditions.begin(), conditions.end());
}

// The scene the player must have come from for the node to run, if a
// condition it holds under (or one of its "and" parts) names one.
std::optional<int32_t> CameFromOf(const ScriptNodePool& pool, ScriptNodeIndex iNode)
{
    std::vector<ScriptNodeIndex> required;
    for (ScriptNodeIndex i = iNode; pool.Contains(i) && pool.Contains(pool[i].m_iParent); i = pool[i].m_iParent)
        if (pool[pool[i].m_iParent].m_iType == NodeType_Condition && InFirstChain(pool, i))
            required.push_back(pool[i].m_iParent);
    while (!required.empty()) {
        const ScriptNodeIndex iCondition = required.back();
        required.pop_back();
        if (!pool.Contains(iCondition) || pool[iCondition].m_iType != NodeType_Condition)
            continue;
        const MatchCondition& record = pool[iCondition].m_oCondition.m_oRecord;
        if (record.m_iOp == Op_And) {
            required.push_back(record.m_iA);
            required.push_back(record.m_iB);
        } else if (record.m_iOp == Op_IntEqual && record.m_iA == VARINT_C_PREVIOUS_STATE) {
            return record.m_iValue;
        }
    }
    return std::nullopt;
}

bool IsClick(const EventDesc* pEvent)
{
    return pEvent && pEvent->m_eType <= TwEventType_UseItem;
}

// Whether the action takes the player out of the scene: to another scene or
// a mini-game. The island map is no way out: the player may close it and
// stay where it opened.
bool LeavesTheScene(const ActionDesc& action)
{
    return action.m_iActionType == ID_ACTION_TYPE_GO_TO_SCENE || action.m_iActionType == ID_ACTION_TYPE_START_MINIGAME;
}

// The ways out, with every if / else that takes one on both its sides:
// either way the player leaves there.
std::vector<ScriptNodeIndex> WithWaysOutEitherWay(const ScriptNodePool& pool, std::vector<ScriptNodeIndex> changes)
{
    std::map<ScriptNodeIndex, std::pair<bool, bool>> sidesLeft; // condition -> its first side, its else side
    for (size_t i = 0; i < changes.size(); ++i) {
        const ScriptNodeIndex iParent = pool[changes[i]].m_iParent;
        if (!pool.Contains(iParent) || pool[iParent].m_iType != NodeType_Condition)
            continue;
        auto& [bFirst, bElse] = sidesLeft[iParent];
        const bool bBefore = bFirst && bElse;
        (InFirstChain(pool, changes[i]) ? bFirst : bElse) = true;
        if (!bBefore && bFirst && bElse)
            changes.push_back(iParent);
    }
    return changes;
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

// Whether an arrival from the scene moves the actor on from the place (one
// made before it in the same handler) with no dialog between: whoever that
// arrival puts down never meets the actor there.
bool MovedOnComingFrom(const ScriptNodePool& pool, const PlacedAt& at, int32_t iFrom,
                       const std::vector<PlacedAt>& placed, const std::vector<ScriptNodeIndex>& dialogs)
{
    return IsArrival(at.pEvent) && std::any_of(placed.begin(), placed.end(), [&](const PlacedAt& next) {
               return next.stand.uActor == at.stand.uActor && next.pEvent == at.pEvent && next.iNode > at.iNode &&
                      CameFromOf(pool, next.iNode) == iFrom &&
                      std::none_of(dialogs.begin(), dialogs.end(), [&](ScriptNodeIndex iDialog) {
                          return iDialog > at.iNode && iDialog < next.iNode && OnOneRun(pool, iDialog, next.iNode);
                      });
           });
}

// Whether the handler that shows the actor walks or places him somewhere
// else right after, whenever it shows him and with no dialog between: he
// only comes into sight on his way from where he waited.
bool MovedOnAsShown(const ScriptNodePool& pool, ScriptNodeIndex iRoot, ScriptNodeIndex iShow, const PlacedAt& at,
                    const std::vector<PlacedAt>& placed, const std::vector<ScriptNodeIndex>& dialogs)
{
    const EventDesc* pEvent = EventOf(pool, iRoot, iShow);
    const std::set<std::string> showConditions = ConditionsAbove(pool, iShow);
    return std::any_of(placed.begin(), placed.end(), [&](const PlacedAt& next) {
        return next.stand.uActor == at.stand.uActor && next.pEvent == pEvent && next.iNode > iShow &&
               next.stand.iWaypoint != at.stand.iWaypoint && RunsWithThePlace(pool, showConditions, next.iNode) &&
               std::none_of(dialogs.begin(), dialogs.end(), [&](ScriptNodeIndex iDialog) {
                   return iDialog > iShow && iDialog < next.iNode && OnOneRun(pool, iDialog, next.iNode);
               });
    });
}

// Whether the arrival hides the actor wherever it puts him there: it hides
// him under no condition the place does not hold under, and nothing in the
// chapter shows him there.
bool PlacedHidden(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> nodes,
                  const PlacedAt& at, const std::vector<PlacedAt>& placed, const std::vector<ScriptNodeIndex>& dialogs)
{
    if (!IsArrival(at.pEvent))
        return false;
    const std::set<std::string> placeConditions = ConditionsAbove(pool, at.iNode);
    bool bHidden = false;
    for (const ScriptNodeIndex iNode : nodes) {
        const ScriptNode& node = pool[iNode];
        if (node.m_iType != NodeType_Action || node.m_oAction.m_iTargetId != static_cast<int32_t>(at.stand.uActor))
            continue;
        if (TurnsOn(node.m_oAction, ID_ACTION_TYPE_SET_VISIBLE) &&
            !MovedOnAsShown(pool, iRoot, iNode, at, placed, dialogs))
            return false;
        if (node.m_oAction.m_iActionType == ID_ACTION_TYPE_SET_VISIBLE && IsArrival(EventOf(pool, iRoot, iNode)))
            bHidden |= RunsWithThePlace(pool, placeConditions, iNode);
    }
    return bHidden;
}

// Whether the arrival hides the actor for good after the place, in a block
// that runs whenever the place does (one built twice from one condition): he
// is gone before the player can click anything.
bool HiddenLaterByItsArrival(const ScriptNodePool& pool, const PlacedAt& at, const Comings& comings)
{
    const std::set<std::string> placeConditions = ConditionsAbove(pool, at.iNode);
    const auto sameActorAfter = [&](const PlacedAt& other, ScriptNodeIndex iAfter) {
        return other.stand.uActor == at.stand.uActor && other.pEvent == at.pEvent && other.iNode > iAfter;
    };
    return IsArrival(at.pEvent) && std::any_of(comings.hides.begin(), comings.hides.end(), [&](const PlacedAt& hide) {
               return sameActorAfter(hide, at.iNode) && RunsWithThePlace(pool, placeConditions, hide.iNode) &&
                      std::none_of(comings.shows.begin(), comings.shows.end(),
                                   [&](const PlacedAt& show) { return sameActorAfter(show, hide.iNode); });
           });
}

// Whether the actor walked there only to vanish: the handler hides him next,
// with nothing else for him but the turn the walk ends in and no dialog
// between (he walks off out of sight).
bool WalkedOutOfSight(const ScriptNodePool& pool, const PlacedAt& at, const std::vector<PlacedAt>& hides)
{
    const auto stopsThere = [&](ScriptNodeIndex iNode) {
        const ScriptNode& node = pool[iNode];
        const int32_t type = node.m_oAction.m_iActionType;
        return node.m_iType == NodeType_Action && OnOneRun(pool, at.iNode, iNode) &&
               ((node.m_oAction.m_iTargetId == static_cast<int32_t>(at.stand.uActor) &&
                 type != ID_ACTION_TYPE_TURN_TO_WAYPOINT) ||
                type == ID_ACTION_TYPE_START_DIALOG || type == ID_ACTION_TYPE_START_COMMON_DIALOG);
    };
    return pool[at.iNode].m_oAction.m_iActionType == ID_ACTION_TYPE_WALK_TO_WAYPOINT &&
           std::any_of(hides.begin(), hides.end(), [&](const PlacedAt& hide) {
               if (hide.stand.uActor != at.stand.uActor || hide.pEvent != at.pEvent ||
                   !FollowsInItsBlock(pool, at.iNode, hide.iNode))
                   return false;
               for (ScriptNodeIndex i = at.iNode + 1; i < hide.iNode; ++i)
                   if (stopsThere(i))
                       return false;
               return true;
           });
}

// The thing a click is on; -1 for a click on a person.
int32_t ThingOfClick(const EventDesc* pEvent)
{
    return pEvent->m_iNbParameter < 1 || IsActorScriptableId(pEvent->m_oParameter[0]) ? -1 : pEvent->m_oParameter[0];
}

// Whether the node holds only under the other side of a condition the
// place holds under.
bool OnTheOtherSide(const std::set<std::string>& placeConditions, const std::set<std::string>& conditions)
{
    return std::any_of(conditions.begin(), conditions.end(), [&](const std::string& condition) {
        return placeConditions.contains(condition.starts_with("not ") ? condition.substr(4) : "not " + condition);
    });
}

// Whether the arrival turns the thing off wherever it places the actor, and
// nothing turns it on again but itself before that or a handler under the
// other side of the place's condition: a click on it never finds him there.
bool OffWhileThere(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> switches,
                   const PlacedAt& at, int32_t iThing)
{
    const std::set<std::string> placeConditions = ConditionsAbove(pool, at.iNode);
    const auto onThing = [&](ScriptNodeIndex iNode) { return pool[iNode].m_oAction.m_iTargetId == iThing; };
    ScriptNodeIndex iOff = NO_NODE;
    for (const ScriptNodeIndex iNode : switches)
        if (onThing(iNode) && !TurnsOn(pool[iNode].m_oAction, ID_ACTION_TYPE_SET_ACTIVE) &&
            EventOf(pool, iRoot, iNode) == at.pEvent && RunsWithThePlace(pool, placeConditions, iNode))
            iOff = iNode;
    return iOff != NO_NODE && std::none_of(switches.begin(), switches.end(), [&](ScriptNodeIndex iNode) {
               return onThing(iNode) && TurnsOn(pool[iNode].m_oAction, ID_ACTION_TYPE_SET_ACTIVE) &&
                      !(iNode < iOff && EventOf(pool, iRoot, iNode) == at.pEvent) &&
                      !OnTheOtherSide(placeConditions, ConditionsAbove(pool, iNode));
           });
}

} // namespace

SceneStands StandsInChapter(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> nodes,
                            const SceneDesc& scene, uint32_t uHeroine,
                            const std::map<uint32_t, std::set<uint32_t>>& sureCallbacks)
{
    SceneStands found;
    std::vector<PlacedAt> placed;
    Comings comings;
    std::vector<ScriptNodeIndex> dialogs;
    std::vector<ScriptNodeIndex> sceneChanges;
    std::map<const EventDesc*, HeroinePose> poses;
    // Where a handler turns a thing or a person on or off.
    std::vector<ScriptNodeIndex> switches;
    // The places a click on a thing (not a person) walks her to.
    std::set<int32_t> thingPlaces;
    for (const ScriptNodeIndex iNode : nodes) {
        const ScriptNode& node = pool[iNode];
        const EventDesc* pEvent = EventOf(pool, iRoot, iNode);
        if (node.m_iType == NodeType_Action && node.m_oAction.m_iTargetId == static_cast<int32_t>(uHeroine) &&
            node.m_oAction.m_iActionType == ID_ACTION_TYPE_WALK_TO_WAYPOINT && IsClick(pEvent) &&
            pEvent->m_iNbParameter >= 1 && !IsActorScriptableId(pEvent->m_oParameter[0]))
            thingPlaces.insert(node.m_oAction.m_oParameter[0]);
    }
    for (const ScriptNodeIndex iNode : nodes) {
        if (pool[iNode].m_iType != NodeType_Action)
            continue;
        const ActionDesc& action = pool[iNode].m_oAction;
        const EventDesc* pEvent = EventOf(pool, iRoot, iNode);
        const int32_t type = action.m_iActionType;
        if (type == ID_ACTION_TYPE_SET_ACTIVE)
            switches.push_back(iNode);
        if (LeavesTheScene(action))
            sceneChanges.push_back(iNode);
        if (type == ID_ACTION_TYPE_START_DIALOG || type == ID_ACTION_TYPE_START_COMMON_DIALOG) {
            dialogs.push_back(iNode);
            HeroinePose& pose = poses[pEvent];
            const uint32_t uPartner = ActorOfEvent(pEvent);
            if (pose.iWaypoint >= 0 && pose.iFacing >= 0 && uPartner != 0 && uPartner != uHeroine && !pose.bAtAThing)
                found.talks.push_back({pose.iWaypoint, pose.iFacing, uPartner, HandlerOf(pool, iRoot, iNode, scene)});
            pose.iSpoken = iNode;
            continue;
        }
        if (!IsActorScriptableId(action.m_iTargetId))
            continue;
        const auto uActor = static_cast<uint32_t>(action.m_iTargetId);
        if (type == ID_ACTION_TYPE_SET_VISIBLE)
            (TurnsOn(action, type) ? comings.shows : comings.hides).push_back({{uActor, -1, {}, false}, iNode, pEvent});
        const int32_t iWaypoint = action.m_oParameter[0];
        HeroinePose& pose = poses[pEvent];
        const bool bHeroine = uActor == uHeroine;
        switch (type) {
        case ID_ACTION_TYPE_WALK_TO_WAYPOINT:
        case ID_ACTION_TYPE_PLACE_AT_WAYPOINT:
            placed.push_back(
                {{uActor, iWaypoint, HandlerOf(pool, iRoot, iNode, scene), IsArrival(pEvent)}, iNode, pEvent});
            if (bHeroine)
                pose = {iWaypoint,
                        type == ID_ACTION_TYPE_PLACE_AT_WAYPOINT && (action.m_oParameter[1] & 0xFF) != 0 ? iWaypoint
                                                                                                         : -1,
                        pose.iSpoken,
                        pose.bAtAThing || (pose.iSpoken != NO_NODE && thingPlaces.contains(iWaypoint) &&
                                           FollowsInItsBlock(pool, pose.iSpoken, iNode))};
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
    // One who walks out as the player leaves the scene is not left there
    // either; a way out the handler takes only under a condition of its own
    // (once a dialog has set a flag) may leave him standing, unless its else
    // leads out too.
    sceneChanges = WithWaysOutEitherWay(pool, std::move(sceneChanges));
    const auto leaves = [&](const PlacedAt& at) {
        const std::set<std::string> placeConditions = ConditionsAbove(pool, at.iNode);
        return std::any_of(sceneChanges.begin(), sceneChanges.end(), [&](ScriptNodeIndex iChange) {
            return EventOf(pool, iRoot, iChange) == at.pEvent && RunsWithThePlace(pool, placeConditions, iChange);
        });
    };
    std::vector<PlacedAt> left;
    for (const PlacedAt& at : placed)
        if (!leaves(at) && !PlacedHidden(pool, iRoot, nodes, at, placed, dialogs) &&
            !WalkedOutOfSight(pool, at, comings.hides) &&
            std::none_of(placed.begin(), placed.end(),
                         [&](const PlacedAt& next) { return PassedThrough(pool, at, next, dialogs); }))
            left.push_back(at);
    comings.places = placed;
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
            // Arrivals from two different scenes never happen at once; one
            // who walks on is no longer where he stopped when the other comes.
            const std::optional<int32_t> firstFrom = CameFromOf(pool, first.iNode);
            const std::optional<int32_t> secondFrom = CameFromOf(pool, second.iNode);
            if ((firstFrom && secondFrom && *firstFrom != *secondFrom) ||
                (firstFrom && !secondFrom && MovedOnComingFrom(pool, second, *firstFrom, placed, dialogs)) ||
                (secondFrom && !firstFrom && MovedOnComingFrom(pool, first, *secondFrom, placed, dialogs)) ||
                (first.pEvent == second.pEvent &&
                 (LeftBefore(pool, first, second.iNode, comings) || LeftBefore(pool, second, first.iNode, comings))))
                continue;
            const bool bOneRun = first.pEvent == second.pEvent ? OnOneRun(pool, first.iNode, second.iNode)
                                                               : IsArrival(first.pEvent) && IsArrival(second.pEvent);
            const auto meetsClick = [&](const PlacedAt& arrival, const PlacedAt& click) {
                return IsArrival(arrival.pEvent) && IsClick(click.pEvent) &&
                       !moves(click.pEvent, arrival.stand.uActor) &&
                       !GoneBeforeClicks(pool, dialogs, arrival, comings, sureCallbacks) &&
                       !HiddenLaterByItsArrival(pool, arrival, comings) &&
                       !OffWhileThere(pool, iRoot, switches, arrival, ThingOfClick(click.pEvent));
            };
            const bool bClickByArrival = meetsClick(first, second) || meetsClick(second, first);
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
