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

// What the condition record is in the chapter, whatever the other
// variables hold: none when that depends on them. find(index) gives the
// sub-condition a logic operator names, or null.
template <typename Find>
std::optional<bool> RecordInChapter(const MatchCondition& record, int32_t iChapter, const Find& find)
{
    if (!IsLogicOp(record.m_iOp)) {
        if (record.m_iOp >= Op_BoolEqual || record.m_iA != VARINT_CURRENT_CHAPTER)
            return std::nullopt;
        VarSet vars;
        vars.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        return MatchExpr::CompareVariable(record, vars);
    }
    // An absent operand is false, as the game evaluates it.
    const MatchCondition* pA = find(record.m_iA);
    const MatchCondition* pB = find(record.m_iB);
    const std::optional<bool> a = pA ? RecordInChapter(*pA, iChapter, find) : false;
    const std::optional<bool> b = pB ? RecordInChapter(*pB, iChapter, find) : false;
    switch (record.m_iOp) {
    case Op_And:
        if (a == false || b == false)
            return false;
        return a && b ? std::optional<bool>(true) : std::nullopt;
    case Op_Or:
        if (a == true || b == true)
            return true;
        return a && b ? std::optional<bool>(false) : std::nullopt;
    case Op_Xor:
        if (!pA || !pB)
            return false;
        return a && b ? std::optional<bool>(*a != *b) : std::nullopt;
    default:
        if (!pA)
            return false;
        return a ? std::optional<bool>(!*a) : std::nullopt;
    }
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
// siblings: a condition whose outcome the chapter decides leads into that
// branch, any other into both.
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
        const std::optional<bool> holds = HoldsInChapter(pool, iNode, iChapter);
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
            const std::optional<bool> holds = HoldsInChapter(pool, iNode, iChapter);
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

std::optional<bool> HoldsInChapter(const ScriptNodePool& pool, ScriptNodeIndex iCondition, int32_t iChapter)
{
    const auto find = [&](int32_t iSub) -> const MatchCondition* {
        return pool.Contains(iSub) && pool[iSub].m_iType == NodeType_Condition ? &pool[iSub].m_oCondition.m_oRecord
                                                                               : nullptr;
    };
    if (!find(iCondition))
        return std::nullopt;
    return RecordInChapter(*find(iCondition), iChapter, find);
}

std::optional<bool> RecordsHoldInChapter(std::span<const MatchCondition> records, int32_t iChapter)
{
    const auto find = [&](int32_t iSub) -> const MatchCondition* {
        return iSub >= 0 && static_cast<size_t>(iSub) < records.size() ? &records[static_cast<size_t>(iSub)] : nullptr;
    };
    if (records.empty())
        return std::nullopt;
    return RecordInChapter(records[0], iChapter, find);
}

std::vector<ScriptNodeIndex> NodesInChapter(const ScriptNodePool& pool, ScriptNodeIndex iRoot, int32_t iChapter)
{
    std::vector<ScriptNodeIndex> nodes;
    VisitInChapter(pool, pool[iRoot].m_iChild, iChapter, [&](ScriptNodeIndex iNode) { nodes.push_back(iNode); });
    return nodes;
}

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
