#include "Engine/Scripts/Common/SceneScriptLimits.h"

#include "Common/VarIds.h"
#include "Managers/Common/VarManager.h"
#include "ScriptEngine/common/ScriptTreefilters.h"

#include <algorithm>
#include <map>
#include <set>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Whether a condition that tests the chapter alone holds in the chapter;
// none for any other condition.
std::optional<bool> ChapterTest(const ScriptNodePool& pool, ScriptNodeIndex iNode, int32_t iChapter)
{
    const MatchCondition& record = pool[iNode].m_oCondition.m_oRecord;
    if (IsLogicOp(record.m_iOp) || record.m_iOp >= Op_BoolEqual || record.m_iA != VARINT_CURRENT_CHAPTER)
        return std::nullopt;
    VarSet vars;
    vars.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
    return pool.EvalCondition(iNode, vars);
}

// An event pattern as a key; the two items of a Combine in either order.
using PatternKey = std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t>;
PatternKey KeyOf(const EventDesc& event)
{
    int32_t a = event.m_oParameter[0];
    int32_t b = event.m_oParameter[1];
    if (event.m_eType == TwEventType_Combine && a > b)
        std::swap(a, b);
    return {event.m_eType,
            event.m_iNbParameter,
            event.m_iParameterType[0],
            event.m_iParameterType[1],
            event.m_iParameterType[2],
            a,
            b,
            event.m_oParameter[2]};
}

// Calls visit(node) on every node the chapter can reach from iFirst and its
// siblings: a condition on the chapter alone leads into the branch that
// holds, any other into both.
template <typename Visit>
void VisitInChapter(const ScriptNodePool& pool, ScriptNodeIndex iFirst, int32_t iChapter, Visit&& visit)
{
    for (ScriptNodeIndex iNode = iFirst; pool.Contains(iNode); iNode = pool[iNode].m_iNext) {
        const ScriptNode& node = pool[iNode];
        visit(iNode);
        if (node.m_iType != NodeType_Condition) {
            VisitInChapter(pool, node.m_iChild, iChapter, visit);
            continue;
        }
        const std::optional<bool> holds = ChapterTest(pool, iNode, iChapter);
        if (holds.value_or(true))
            VisitInChapter(pool, node.m_iChild, iChapter, visit);
        if (!holds.value_or(false))
            VisitInChapter(pool, node.m_oCondition.m_iElse, iChapter, visit);
    }
}

// The most actions that a walk of the event fires from iFirst through its
// siblings.
int32_t MostFired(const ScriptNodePool& pool, ScriptNodeIndex iFirst, const EventDesc& event, int32_t iChapter)
{
    int32_t iFired = 0;
    for (ScriptNodeIndex iNode = iFirst; pool.Contains(iNode); iNode = pool[iNode].m_iNext) {
        const ScriptNode& node = pool[iNode];
        switch (node.m_iType) {
        case NodeType_Action: ++iFired; break;
        case NodeType_Event:
            if (EventDesc::MatchEvent(node.m_oEvent, event))
                iFired += MostFired(pool, node.m_iChild, event, iChapter);
            break;
        case NodeType_Condition: {
            const std::optional<bool> holds = ChapterTest(pool, iNode, iChapter);
            const int32_t iThen = MostFired(pool, node.m_iChild, event, iChapter);
            const int32_t iElse = MostFired(pool, node.m_oCondition.m_iElse, event, iChapter);
            iFired += holds ? (*holds ? iThen : iElse) : std::max(iThen, iElse);
            break;
        }
        default: iFired += MostFired(pool, node.m_iChild, event, iChapter); break;
        }
    }
    return iFired;
}

// Every distinct event pattern of the tree, with the scene start.
std::vector<EventDesc> PatternsOf(const ScriptNodePool& pool, ScriptNodeIndex iRoot)
{
    std::map<PatternKey, EventDesc> patterns;
    for (ScriptNodeIndex iNode = iRoot; iNode < pool.GetNbAllocated(); ++iNode)
        if (pool[iNode].m_iType == NodeType_Event)
            patterns.emplace(KeyOf(pool[iNode].m_oEvent), pool[iNode].m_oEvent);
    std::vector<EventDesc> events;
    for (const auto& [key, event] : patterns)
        events.push_back(event);
    return events;
}

} // namespace

int32_t CountCollectedPatterns(const ScriptNodePool& pool, ScriptNodeIndex iRoot)
{
    std::vector<ScriptNodeIndex> list(MAX_SCRIPTNODES);
    return CollectEvents(pool, iRoot, &Filter_Events, std::span(list));
}

std::vector<std::string> RepeatedPatterns(const ScriptNodePool& pool, ScriptNodeIndex iRoot, const SceneDesc& scene,
                                          int32_t iChapter)
{
    std::set<PatternKey> seen;
    std::vector<std::string> faults;
    VisitInChapter(pool, pool[iRoot].m_iChild, iChapter, [&](ScriptNodeIndex iNode) {
        const ScriptNode& node = pool[iNode];
        if (node.m_iType != NodeType_Event || node.m_oEvent.m_eType == TwEventType_Init)
            return;
        if (!seen.insert(KeyOf(node.m_oEvent)).second)
            faults.push_back(std::string(scene.m_pName) + ", chapter " + std::to_string(iChapter) + ": " +
                             EventDesc::ToString(&scene, node.m_oEvent) + " is handled twice");
    });
    return faults;
}

int32_t MostFiredInOneWalk(const ScriptNodePool& pool, ScriptNodeIndex iRoot, const SceneDesc& scene, int32_t iChapter,
                           std::string* longest)
{
    int32_t iMost = 0;
    for (const EventDesc& event : PatternsOf(pool, iRoot)) {
        const int32_t iFired = MostFired(pool, pool[iRoot].m_iChild, event, iChapter);
        if (iFired > iMost && longest != nullptr)
            *longest = EventDesc::ToString(&scene, event);
        iMost = std::max(iMost, iFired);
    }
    return iMost;
}
