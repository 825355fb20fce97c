#include "Engine/Scripts/Common/HandlerRuns.h"

#include <algorithm>
#include <limits>

namespace {

// Whether the node is in the very block of the place, after it.
bool LaterInItsBlock(const ScriptNodePool& pool, const PlacedAt& at, ScriptNodeIndex iNode)
{
    return iNode > at.iNode && pool[iNode].m_iParent == pool[at.iNode].m_iParent &&
           InFirstChain(pool, iNode) == InFirstChain(pool, at.iNode);
}

// Whether the handler shows the hidden actor again before iUntil, and
// does not hide him once more, before iUntil, further on in the block of
// that show.
bool ShownAgain(const ScriptNodePool& pool, const Comings& comings, const PlacedAt& hide, ScriptNodeIndex iUntil)
{
    return std::any_of(comings.shows.begin(), comings.shows.end(), [&](const PlacedAt& show) {
        return show.stand.uActor == hide.stand.uActor && show.pEvent == hide.pEvent && show.iNode > hide.iNode &&
               show.iNode < iUntil &&
               std::none_of(comings.hides.begin(), comings.hides.end(), [&](const PlacedAt& again) {
                   return again.stand.uActor == show.stand.uActor && again.pEvent == show.pEvent &&
                          again.iNode < iUntil && LaterInItsBlock(pool, show, again.iNode);
               });
    });
}

// The hides of the actor in the place's handler after it that he is not
// shown again after before iUntil.
std::vector<PlacedAt> HidesAfter(const ScriptNodePool& pool, const Comings& comings, const PlacedAt& at,
                                 ScriptNodeIndex iUntil)
{
    std::vector<PlacedAt> hides;
    for (const PlacedAt& hide : comings.hides)
        if (hide.stand.uActor == at.stand.uActor && hide.pEvent == at.pEvent && hide.iNode > at.iNode &&
            !ShownAgain(pool, comings, hide, iUntil))
            hides.push_back(hide);
    return hides;
}

// Whether the handler answering the callback moves the actor off the
// place or hides him for good, whatever holds.
bool CallbackTakesAway(const ScriptNodePool& pool, uint32_t uCallback, const Stand& from, const Comings& comings)
{
    const auto answers = [&](const PlacedAt& at) {
        return at.stand.uActor == from.uActor && at.pEvent && at.pEvent->m_eType == TwEventType_Dialog_CB &&
               at.pEvent->m_iNbParameter >= 1 && static_cast<uint32_t>(at.pEvent->m_oParameter[0]) == uCallback &&
               pool[pool[at.iNode].m_iParent].m_iType == NodeType_Event;
    };
    return std::any_of(comings.places.begin(), comings.places.end(),
                       [&](const PlacedAt& next) { return answers(next) && next.stand.iWaypoint != from.iWaypoint; }) ||
           std::any_of(comings.hides.begin(), comings.hides.end(), [&](const PlacedAt& hide) {
               return answers(hide) && !ShownAgain(pool, comings, hide, std::numeric_limits<ScriptNodeIndex>::max());
           });
}

// Whether the block goes on from the place at iFirst to iLater through
// places alone: they are put down in one moment, and whoever iLater moves
// on is never seen where he stood beside the one placed at iFirst.
bool PlacedInOneMoment(const ScriptNodePool& pool, ScriptNodeIndex iFirst, ScriptNodeIndex iLater)
{
    for (ScriptNodeIndex i = iFirst; i != NO_NODE; i = pool[i].m_iNext) {
        if (pool[i].m_iType != NodeType_Action || pool[i].m_oAction.m_iActionType != ID_ACTION_TYPE_PLACE_AT_WAYPOINT)
            return false;
        if (i == iLater)
            return true;
    }
    return false;
}

} // namespace

bool IsArrival(const EventDesc* pEvent)
{
    return pEvent && pEvent->m_eType == TwEventType_Init;
}

bool InFirstChain(const ScriptNodePool& pool, ScriptNodeIndex iNode)
{
    for (ScriptNodeIndex i = pool[pool[iNode].m_iParent].m_iChild; i != NO_NODE; i = pool[i].m_iNext)
        if (i == iNode)
            return true;
    return false;
}

bool FollowsInItsBlock(const ScriptNodePool& pool, ScriptNodeIndex iEarlier, ScriptNodeIndex iLater)
{
    const ScriptNodeIndex iBlock = pool[iEarlier].m_iParent;
    for (ScriptNodeIndex i = iLater; pool.Contains(i) && pool.Contains(pool[i].m_iParent); i = pool[i].m_iParent)
        if (pool[i].m_iParent == iBlock)
            return i > iEarlier && InFirstChain(pool, i) == InFirstChain(pool, iEarlier);
    return false;
}

bool LeftBefore(const ScriptNodePool& pool, const PlacedAt& at, ScriptNodeIndex iOther, const Comings& comings)
{
    const bool bMoved = std::any_of(comings.places.begin(), comings.places.end(), [&](const PlacedAt& next) {
        if (next.stand.uActor != at.stand.uActor || next.pEvent != at.pEvent || next.iNode <= at.iNode)
            return false;
        return next.iNode < iOther
                   ? FollowsInItsBlock(pool, at.iNode, next.iNode) || FollowsInItsBlock(pool, next.iNode, iOther)
                   : iOther > at.iNode && PlacedInOneMoment(pool, iOther, next.iNode);
    });
    const std::vector<PlacedAt> hides = HidesAfter(pool, comings, at, iOther);
    return bMoved || std::any_of(hides.begin(), hides.end(), [&](const PlacedAt& hide) {
               return hide.iNode < iOther &&
                      (LaterInItsBlock(pool, at, hide.iNode) || FollowsInItsBlock(pool, hide.iNode, iOther));
           });
}

bool GoneBeforeClicks(const ScriptNodePool& pool, std::span<const ScriptNodeIndex> dialogs, const PlacedAt& at,
                      const Comings& comings, const std::map<uint32_t, std::set<uint32_t>>& sureCallbacks)
{
    if (!IsArrival(at.pEvent))
        return false;
    const std::vector<PlacedAt> hides = HidesAfter(pool, comings, at, std::numeric_limits<ScriptNodeIndex>::max());
    const auto dialogTakesAway = [&](ScriptNodeIndex iDialog) {
        const ActionDesc& action = pool[iDialog].m_oAction;
        const auto sent = sureCallbacks.find(static_cast<uint32_t>(action.m_oParameter[0]));
        return action.m_iActionType == ID_ACTION_TYPE_START_DIALOG && LaterInItsBlock(pool, at, iDialog) &&
               sent != sureCallbacks.end() && std::any_of(sent->second.begin(), sent->second.end(), [&](uint32_t c) {
                   return CallbackTakesAway(pool, c, at.stand, comings);
               });
    };
    return std::any_of(comings.places.begin(), comings.places.end(),
                       [&](const PlacedAt& next) {
                           return next.stand.uActor == at.stand.uActor && next.pEvent == at.pEvent &&
                                  LaterInItsBlock(pool, at, next.iNode);
                       }) ||
           std::any_of(hides.begin(), hides.end(),
                       [&](const PlacedAt& hide) { return LaterInItsBlock(pool, at, hide.iNode); }) ||
           std::any_of(dialogs.begin(), dialogs.end(), dialogTakesAway);
}
