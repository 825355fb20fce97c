#include "Engine/Scripts/Common/SceneScriptAudit.h"

#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/SoundIds.h"
#include "Common/VarIds.h"
#include "Dialogs/Common/Dialog.h"
#include "Managers/Common/ScriptManager.h"
#include "Scene/Common/SceneObject.h"
#include "Support/Files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The actors that a scene's handlers answer although none of its actor
// sets holds them.
struct AbsentActor {
    const char* pScene;
    const char* pActor;
};
constexpr AbsentActor ANSWERED_BUT_ABSENT[] = {
    {"bg307_HO_DarkBeach", "diego"},
};

// The touch regions whose names read as pictures' ("m_"): scripts switch
// them on and off as hotspots.
struct TouchRegion {
    const char* pScene;
    const char* pObject;
};
constexpr TouchRegion TOUCH_REGIONS[] = {
    {"bg204_CR_DrakesOfficeExterior", "m_walk_past_guards"},
};

std::string Hex(uint32_t uValue)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", uValue);
    return text;
}

bool IsPictureName(const char* pName)
{
    return std::strncmp(pName, "i_", 2) == 0 || std::strncmp(pName, "o_", 2) == 0 ||
           std::strncmp(pName, "fade_", 5) == 0 || std::strncmp(pName, "m_", 2) == 0 ||
           std::strncmp(pName, "fx_", 3) == 0 || std::strncmp(pName, "e_", 2) == 0 || std::strncmp(pName, "f_", 2) == 0;
}

// The scene's view of the scriptables its handlers name.
class SceneNames {
public:
    explicit SceneNames(const SceneDesc& scene) : m_scene(scene)
    {
        m_actors = {LOGIC_DIALOG_ACTOR_ID, LOGIC_SOUND_ACTOR_ID};
        for (int32_t iSet = 0; iSet < scene.m_iNbActorSets; ++iSet)
            for (const uint32_t* pActor = scene.m_pActorSets[iSet].m_aActorIds; *pActor != 0; ++pActor)
                m_actors.insert(*pActor);
    }
    bool Has(int32_t iId) const
    {
        if (IsActorScriptableId(iId))
            return m_actors.count(static_cast<uint32_t>(iId)) != 0;
        return iId >= 0 && iId < m_scene.m_iNbObjects;
    }
    // The object's name, the actor's, or the number that names nothing.
    std::string Of(int32_t iId) const
    {
        if (IsActorScriptableId(iId)) {
            const char* pName = Id::GetActorName(static_cast<uint32_t>(iId));
            return pName != nullptr && *pName != 0 ? pName : "actor " + Hex(static_cast<uint32_t>(iId));
        }
        if (iId >= 0 && iId < m_scene.m_iNbObjects && *m_scene.m_ppObjectNames[iId] != 0)
            return m_scene.m_ppObjectNames[iId];
        return "object " + std::to_string(iId);
    }
    bool IsPicture(int32_t iId) const
    {
        return IsActorScriptableId(iId) || (Has(iId) && IsPictureName(m_scene.m_ppObjectNames[iId]));
    }
    bool IsHotspot(int32_t iId) const
    {
        return IsActorScriptableId(iId) || (Has(iId) && (!IsPicture(iId) || IsTouchRegion(iId)));
    }
    const SceneDesc& Scene() const { return m_scene; }

private:
    bool IsTouchRegion(int32_t iId) const
    {
        return std::any_of(std::begin(TOUCH_REGIONS), std::end(TOUCH_REGIONS), [&](const TouchRegion& region) {
            return std::strcmp(region.pScene, m_scene.m_pName) == 0 &&
                   std::strcmp(region.pObject, m_scene.m_ppObjectNames[iId]) == 0;
        });
    }

    const SceneDesc& m_scene;
    std::set<uint32_t> m_actors;
};

std::string CheckAnimation(const SceneNames& names, int32_t iTarget, int32_t iAnimation)
{
    if (!IsActorScriptableId(iTarget))
        return "plays animation " + std::to_string(iAnimation) + " on " + names.Of(iTarget) + ", not an actor";
    const auto rows = Id::GetAnimationTable();
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const AnimationRow& r) { return r.m_iId == iAnimation; });
    // A character holds its animations by name: one without a name is in no
    // figure, and the character stands still instead of playing it.
    if (row == rows.end())
        return "plays animation " + std::to_string(iAnimation) + " on " + names.Of(iTarget) +
               ", which has no name in the animation table";
    const std::string actor = names.Of(iTarget);
    if (actor == row->m_pActorName)
        return "";
    return "plays " + std::string(row->m_pActorName) + "'s animation " + std::to_string(iAnimation) + " \"" +
           row->m_pName + "\" on " + actor;
}

std::string CheckWaypoint(const SceneFacts& facts, int32_t iWaypoint)
{
    if (iWaypoint == -1)
        return "";
    if (iWaypoint < -1 || (facts.waypoints && iWaypoint >= *facts.waypoints))
        return "goes to waypoint " + std::to_string(iWaypoint) + " of " +
               (facts.waypoints ? std::to_string(*facts.waypoints) : std::string("the scene's"));
    return "";
}

// Whether the object a handler names is the content's entity of its index
// (whose name field keeps 16 characters).
std::string CheckInContent(const SceneNames& names, const SceneFacts& facts, int32_t iId)
{
    if (!facts.entityNames || IsActorScriptableId(iId) || iId < 0)
        return "";
    const std::vector<std::string>& entities = *facts.entityNames;
    const std::string name = names.Of(iId).substr(0, SCENE_OBJECT_NAME_SIZE);
    if (static_cast<size_t>(iId) >= entities.size())
        return "names " + names.Of(iId) + ", which the scene's content lacks";
    if (entities[iId] != name)
        return "names " + names.Of(iId) + ", whose place in the content holds " + entities[iId];
    return "";
}

std::string CheckSpriteAnimation(const SceneNames& names, const SceneFacts& facts, int32_t iTarget, int32_t iSprite)
{
    if (!facts.entitySprites || IsActorScriptableId(iTarget) || iTarget < 0)
        return "";
    const auto& sprites = *facts.entitySprites;
    if (static_cast<size_t>(iTarget) < sprites.size() && sprites[iTarget].count(iSprite) != 0)
        return "";
    return "plays sprite animation " + Hex(static_cast<uint32_t>(iSprite)) + ", which " + names.Of(iTarget) +
           " does not have";
}

std::string CheckAction(const SceneNames& names, const SceneFacts& facts, const ActionDesc& action)
{
    const int32_t iTarget = action.m_iTargetId;
    const int32_t* values = action.m_oParameter;
    if (action.m_iActionType == ID_ACTION_TYPE_SET_PLAYING_CHARACTER)
        return ""; // the playing character need not stand in the scene
    if (iTarget != ID_SCRIPTABLE_INVALID && !names.Has(iTarget))
        return "acts on " + names.Of(iTarget) + ", which the scene does not have";
    if (std::string fault = CheckInContent(names, facts, iTarget); !fault.empty())
        return fault;
    for (int i = 0; i < ACTION_PARAMETERS_MAX; ++i)
        if (action.m_iParameterType[i] == ID_PARAMETER_TYPE_SCRIPTABLE && values[i] != ID_SCRIPTABLE_INVALID &&
            !names.Has(values[i]))
            return "names " + names.Of(values[i]) + ", which the scene does not have";
    switch (action.m_iActionType) {
    case ID_ACTION_TYPE_ANIMATION:
    case ID_ACTION_TYPE_PLAY_ANIMATION:
    case ID_ACTION_TYPE_ANIMATION_HOLD: return CheckAnimation(names, iTarget, values[0]);
    case ID_ACTION_TYPE_START_DIALOG:
        if (facts.dialogKeys && facts.dialogKeys->count(static_cast<uint32_t>(values[0])) == 0)
            return "starts dialog " + Hex(static_cast<uint32_t>(values[0])) + ", which the scene's dialogs lack";
        return "";
    case ID_ACTION_TYPE_START_COMMON_DIALOG:
        if (facts.commonDialogKeys.count(static_cast<uint32_t>(values[0])) == 0)
            return "starts common dialog " + Hex(static_cast<uint32_t>(values[0])) + ", which the common dialogs lack";
        return "";
    case ID_ACTION_TYPE_PLAY_SOUND_EFFECT:
    case ID_ACTION_TYPE_PLAY_MUSIC:
    case ID_ACTION_TYPE_PLAY_AMBIENT:
    case ID_ACTION_TYPE_PLAY_ACTOR_SOUND:
        if (Id::FindSound(values[0]) == nullptr)
            return "plays sound " + Hex(static_cast<uint32_t>(values[0])) + ", which the sound table lacks";
        return "";
    case ID_ACTION_TYPE_WALK_TO_WAYPOINT:
        for (int i = 0; i < ACTION_PARAMETERS_MAX; ++i)
            if (std::string fault = CheckWaypoint(facts, values[i]); !fault.empty())
                return names.Of(iTarget) + " " + fault;
        return "";
    case ID_ACTION_TYPE_TURN_TO_WAYPOINT:
    case ID_ACTION_TYPE_PLACE_AT_WAYPOINT:
        if (std::string fault = CheckWaypoint(facts, values[0]); !fault.empty())
            return names.Of(iTarget) + " " + fault;
        return "";
    case ID_ACTION_TYPE_GO_TO_SCENE:
        return Id::GetSceneDesc(values[0]) != nullptr
                   ? ""
                   : "goes to scene " + std::to_string(values[0]) + ", which does not exist";
    case ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION:
        if (std::string fault = CheckSpriteAnimation(names, facts, iTarget, values[0]); !fault.empty())
            return fault;
        [[fallthrough]];
    case ID_ACTION_TYPE_SET_VISIBLE:
    case ID_ACTION_TYPE_FADE_SPRITES:
        if (facts.picturesByName && iTarget != ID_SCRIPTABLE_INVALID && !names.IsPicture(iTarget))
            return (action.m_iActionType == ID_ACTION_TYPE_SET_VISIBLE ? "shows or hides " : "fades or animates ") +
                   names.Of(iTarget) + ", which is not a picture";
        return "";
    case ID_ACTION_TYPE_SET_ACTIVE:
        if (facts.picturesByName && iTarget != ID_SCRIPTABLE_INVALID && !names.IsHotspot(iTarget))
            return "activates or deactivates " + names.Of(iTarget) + ", which is not a hotspot";
        return "";
    default: return "";
    }
}

std::string CheckNode(const SceneNames& names, const SceneFacts& facts, const ScriptNode& node)
{
    switch (node.m_iType) {
    case NodeType_Event: {
        const EventDesc& event = node.m_oEvent;
        for (int i = 0; i < event.m_iNbParameter; ++i)
            if (event.m_iParameterType[i] == ID_PARAMETER_TYPE_SCRIPTABLE &&
                event.m_oParameter[i] != ID_SCRIPTABLE_INVALID && !names.Has(event.m_oParameter[i]) &&
                !IsAnsweredButAbsent(names.Scene(), event.m_oParameter[i]))
                return "waits for " + names.Of(event.m_oParameter[i]) + ", which the scene does not have";
        for (int i = 0; i < event.m_iNbParameter; ++i)
            if (event.m_iParameterType[i] == ID_PARAMETER_TYPE_SCRIPTABLE)
                if (std::string fault = CheckInContent(names, facts, event.m_oParameter[i]); !fault.empty())
                    return fault;
        return "";
    }
    case NodeType_Condition: {
        // Coming from a scene: below 256 the value is a scene's id.
        const MatchCondition& record = node.m_oCondition.m_oRecord;
        const bool bCameFrom =
            !IsLogicOp(record.m_iOp) && record.m_iOp < Op_BoolEqual && record.m_iA == VARINT_C_PREVIOUS_STATE;
        if (bCameFrom && record.m_iValue > 0 && record.m_iValue < 256 && Id::GetSceneDesc(record.m_iValue) == nullptr)
            return "tests for coming from scene " + std::to_string(record.m_iValue) + ", which does not exist";
        return "";
    }
    case NodeType_Action: return CheckAction(names, facts, node.m_oAction);
    default: return "";
    }
}

} // namespace

bool IsAnsweredButAbsent(const SceneDesc& scene, int32_t iId)
{
    const char* pActor = IsActorScriptableId(iId) ? Id::GetActorName(static_cast<uint32_t>(iId)) : nullptr;
    return pActor != nullptr &&
           std::any_of(std::begin(ANSWERED_BUT_ABSENT), std::end(ANSWERED_BUT_ABSENT), [&](const AbsentActor& absent) {
               return std::strcmp(absent.pScene, scene.m_pName) == 0 && std::strcmp(absent.pActor, pActor) == 0;
           });
}

std::optional<std::set<uint32_t>> ReadDialogKeys(const std::string& path)
{
    const std::vector<uint8_t> bytes = TestSupport::ReadFileBytes(path);
    Dialog dialog;
    if (bytes.empty() || !dialog.Initialize(bytes.data(), bytes.size(), path.c_str()))
        return std::nullopt;
    std::set<uint32_t> keys;
    for (int32_t i = 0; i < dialog.GetNumDialogs(); ++i)
        keys.insert(dialog.GetKeys()[i].m_uKey);
    return keys;
}

std::vector<std::string> AuditScriptTree(const ScriptNodePool& pool, ScriptNodeIndex iRoot, const SceneFacts& facts)
{
    const SceneDesc& scene = *facts.scene;
    const SceneNames names(scene);
    std::vector<std::string> faults;
    for (ScriptNodeIndex iNode = iRoot + 1; iNode < pool.GetNbAllocated(); ++iNode) {
        const std::string fault = CheckNode(names, facts, pool[iNode]);
        if (!fault.empty())
            faults.push_back(std::string(scene.m_pName) + ", " + HandlerOf(pool, iRoot, iNode, scene) + ": " + fault);
    }
    return faults;
}

const EventDesc* EventOf(const ScriptNodePool& pool, ScriptNodeIndex iRoot, ScriptNodeIndex iNode)
{
    for (; pool.Contains(iNode) && iNode != iRoot; iNode = pool[iNode].m_iParent)
        if (pool[iNode].m_iType == NodeType_Event)
            return &pool[iNode].m_oEvent;
    return nullptr;
}

std::string HandlerOf(const ScriptNodePool& pool, ScriptNodeIndex iRoot, ScriptNodeIndex iNode, const SceneDesc& scene)
{
    const EventDesc* pEvent = EventOf(pool, iRoot, iNode);
    return pEvent != nullptr ? EventDesc::ToString(&scene, *pEvent) : "the scene's top level";
}

std::string JoinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}
