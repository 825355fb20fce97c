#include "Engine/Scripts/Common/ChapterReach.h"

#include "Adventure/Common/Entity.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "Engine/Scripts/Common/SceneScriptLimits.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "ScriptEngine/common/ScriptParameters.h"

#include <algorithm>

namespace {

// Whether every condition the node sits under is decided by the chapter.
bool DecidedByChapter(const ScriptNodePool& pool, ScriptNodeIndex iNode, int32_t iChapter)
{
    for (ScriptNodeIndex i = pool[iNode].m_iParent; pool.Contains(i); i = pool[i].m_iParent)
        if (pool[i].m_iType == NodeType_Condition && !HoldsInChapter(pool, i, iChapter))
            return false;
    return true;
}

// Whether the switch (show or make clickable) of the scriptable, off after
// the arrival, keeps it off through the chapter: no handler turns it on, and
// the arrival turns it off whatever the other variables hold, or nothing
// does (the scene's content has it off).
bool StaysSwitchedOff(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> nodes,
                      int32_t iChapter, int32_t iId, int32_t iSwitch)
{
    bool bSwitchedOff = false;
    bool bSurelyOff = false;
    for (const ScriptNodeIndex iNode : nodes) {
        const ScriptNode& node = pool[iNode];
        if (node.m_iType != NodeType_Action || node.m_oAction.m_iTargetId != iId)
            continue;
        if (TurnsOn(node.m_oAction, iSwitch))
            return false;
        if (node.m_oAction.m_iActionType != iSwitch)
            continue;
        bSwitchedOff = true;
        const EventDesc* pEvent = EventOf(pool, iRoot, iNode);
        bSurelyOff |= pEvent && pEvent->m_eType == TwEventType_Init && DecidedByChapter(pool, iNode, iChapter);
    }
    return !bSwitchedOff || bSurelyOff;
}

bool IsClick(const EventDesc* pEvent)
{
    return pEvent && pEvent->m_eType <= TwEventType_UseItem && pEvent->m_iNbParameter >= 1;
}

} // namespace

bool TurnsOn(const ActionDesc& action, int32_t iSwitch)
{
    constexpr int32_t BLINK = 3;
    const int32_t type = action.m_iActionType;
    if (iSwitch == ID_ACTION_TYPE_SET_VISIBLE &&
        (type == ID_ACTION_TYPE_FADE_SPRITES ||
         (type == ID_ACTION_TYPE_START_EFFECT && action.m_oParameter[0] == BLINK)))
        return true;
    return type == iSwitch && (action.m_oParameter[0] & 0xFF) != 0;
}

ArrivalLooks LooksOf(const Scene& scene)
{
    ArrivalLooks looks;
    const auto add = [&](const Scriptable& scriptable) {
        looks[scriptable.GetId()] = {scriptable.IsVisible(), scriptable.IsInteractive()};
    };
    for (int32_t i = 0; i < scene.m_iNumEntities; ++i)
        add(scene.m_vEntities[i]);
    for (int32_t i = 0; i < scene.m_iNumCharacters; ++i)
        if (const Scriptable* pActor = scene.m_apCharacters[i]->m_pScriptable)
            add(*pActor);
    return looks;
}

bool StaysHidden(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> nodes,
                 int32_t iChapter, const ArrivalLooks& looks, int32_t iId)
{
    const auto look = looks.find(iId);
    return look != looks.end() && !look->second.bShown &&
           StaysSwitchedOff(pool, iRoot, nodes, iChapter, iId, ID_ACTION_TYPE_SET_VISIBLE);
}

std::vector<ScriptNodeIndex> NodesWithinReach(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                              std::span<const ScriptNodeIndex> nodes, int32_t iChapter,
                                              const ArrivalLooks& looks)
{
    const auto staysUnclickable = [&](int32_t iId) {
        const auto look = looks.find(iId);
        return look != looks.end() && !look->second.bClickable &&
               StaysSwitchedOff(pool, iRoot, nodes, iChapter, iId, ID_ACTION_TYPE_SET_ACTIVE);
    };
    std::vector<ScriptNodeIndex> within;
    for (const ScriptNodeIndex iNode : nodes) {
        const EventDesc* pEvent = EventOf(pool, iRoot, iNode);
        const int32_t iId = IsClick(pEvent) ? pEvent->m_oParameter[0] : ID_SCRIPTABLE_INVALID;
        if (iId == ID_SCRIPTABLE_INVALID ||
            (!StaysHidden(pool, iRoot, nodes, iChapter, looks, iId) && !staysUnclickable(iId)))
            within.push_back(iNode);
    }
    return within;
}

std::vector<ScriptNodeIndex> WithoutClicksOnTheAbsent(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                                      std::span<const ScriptNodeIndex> nodes,
                                                      const std::set<uint32_t>& cast)
{
    std::vector<ScriptNodeIndex> within;
    for (const ScriptNodeIndex iNode : nodes) {
        const EventDesc* pEvent = EventOf(pool, iRoot, iNode);
        if (!IsClick(pEvent) || !IsActorScriptableId(pEvent->m_oParameter[0]) ||
            cast.contains(static_cast<uint32_t>(pEvent->m_oParameter[0])))
            within.push_back(iNode);
    }
    return within;
}
