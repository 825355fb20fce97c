// Every scene script of the registry, with the inventory and system scripts
// behind it, builds a tree whose handlers and actions name only what the
// scene has: its objects, its characters, known items, scenes and variables.
#include "Common/ActorIds.h"
#include "Common/ItemIds.h"
#include "Common/SceneIds.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"
#include "ScriptEngine/common/ScriptTreeBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

namespace {

// Where a scene's tree may point.
struct SceneBounds {
    const SceneDesc& scene;
    std::set<uint32_t> actors;

    explicit SceneBounds(const SceneDesc& oScene) : scene(oScene)
    {
        actors = {LOGIC_DIALOG_ACTOR_ID, LOGIC_SOUND_ACTOR_ID};
        for (int32_t iSet = 0; iSet < scene.m_iNbActorSets; ++iSet)
            for (const uint32_t* pActor = scene.m_pActorSets[iSet].m_aActorIds; *pActor != 0; ++pActor)
                actors.insert(*pActor);
    }
    bool IsScriptable(int32_t iId) const
    {
        if (IsActorScriptableId(iId))
            return actors.count(static_cast<uint32_t>(iId)) != 0;
        return iId >= 0 && iId < scene.m_iNbObjects;
    }
};

bool IsKnownItem(int32_t iValue)
{
    const auto items = Id::GetItemTable();
    return std::any_of(items.begin(), items.end(),
                       [iValue](const ItemIdRow& row) { return row.m_uId == static_cast<uint32_t>(iValue); });
}

bool IsVariable(int32_t iVarId, bool bBoolean)
{
    const int32_t iLast = bBoolean ? static_cast<int32_t>(VARBOOL_LAST) : static_cast<int32_t>(VARINT_LAST);
    return iVarId >= 0 && iVarId < iLast;
}

// What is wrong with one parameter, or "".
std::string CheckParameter(const SceneBounds& bounds, int32_t iType, int32_t iValue)
{
    switch (iType) {
    case ID_PARAMETER_TYPE_SCRIPTABLE:
        return iValue == ID_SCRIPTABLE_INVALID || bounds.IsScriptable(iValue) ? "" : "scriptable not in the scene";
    case ID_PARAMETER_TYPE_ITEM: return IsKnownItem(iValue) ? "" : "unknown item";
    case ID_PARAMETER_TYPE_SCENE: return Id::GetSceneDesc(iValue) != nullptr ? "" : "unknown scene";
    case ID_PARAMETER_TYPE_WAYPOINT: return iValue >= -1 ? "" : "bad waypoint";
    case ID_PARAMETER_TYPE_HASH: return iValue != 0 ? "" : "empty hash";
    default: return "";
    }
}

std::string CheckAction(const SceneBounds& bounds, const ActionDesc& action)
{
    // The playing character need not stand in the scene.
    if (action.m_iActionType == ID_ACTION_TYPE_SET_PLAYING_CHARACTER) {
        const auto actors = Id::GetActorTable();
        const bool bKnown = std::any_of(actors.begin(), actors.end(), [&action](const ActorIdRow& row) {
            return static_cast<int32_t>(row.m_uId | 0x80000000u) == action.m_oParameter[0];
        });
        return bKnown && action.m_iTargetId == ID_SCRIPTABLE_INVALID ? "" : "unknown playing character";
    }
    if (action.m_iActionType < ID_ACTION_TYPE_FIRST || action.m_iActionType > ID_ACTION_TYPE_LAST)
        return "unknown action";
    if (action.m_iTargetId != ID_SCRIPTABLE_INVALID && !bounds.IsScriptable(action.m_iTargetId))
        return "target not in the scene";
    for (int i = 0; i < ACTION_PARAMETERS_MAX; ++i) {
        const std::string fault = CheckParameter(bounds, action.m_iParameterType[i], action.m_oParameter[i]);
        if (!fault.empty())
            return fault;
    }
    const int32_t* values = action.m_oParameter;
    switch (action.m_iActionType) {
    case ID_ACTION_TYPE_SET_VARIABLE:
        return IsVariable(values[0], action.m_iParameterType[1] == ID_PARAMETER_TYPE_BOOL) ? "" : "unknown variable";
    case ID_ACTION_TYPE_ADD_TO_VARIABLE:
    case ID_ACTION_TYPE_SUBTRACT_FROM_VARIABLE:
    case ID_ACTION_TYPE_RANDOM_VARIABLE: return IsVariable(values[0], false) ? "" : "unknown variable";
    case ID_ACTION_TYPE_GO_TO_SCENE:
        return action.m_iParameterType[0] == ID_PARAMETER_TYPE_SCENE ? "" : "scene not typed as a scene";
    default: return "";
    }
}

std::string CheckNode(const SceneBounds& bounds, const ScriptNode& node)
{
    switch (node.m_iType) {
    case NodeType_Event: {
        const EventDesc& event = node.m_oEvent;
        if (event.m_eType < 0 || event.m_eType >= NB_TW_EVENT_TYPES)
            return "unknown event";
        for (int i = 0; i < event.m_iNbParameter; ++i) {
            if (event.m_iParameterType[i] == ID_PARAMETER_TYPE_SCRIPTABLE &&
                IsAnsweredButAbsent(bounds.scene, event.m_oParameter[i]))
                continue;
            const std::string fault = CheckParameter(bounds, event.m_iParameterType[i], event.m_oParameter[i]);
            if (!fault.empty())
                return fault;
        }
        return "";
    }
    case NodeType_Condition: {
        const MatchCondition& record = node.m_oCondition.m_oRecord;
        if (IsLogicOp(record.m_iOp))
            return "";
        const bool bBoolean = record.m_iOp == Op_BoolEqual || record.m_iOp == Op_BoolNotEqual;
        if (record.m_iOp > Op_BoolNotEqual)
            return "unknown operator";
        return IsVariable(record.m_iA, bBoolean) ? "" : "unknown variable";
    }
    case NodeType_Action: return CheckAction(bounds, node.m_oAction);
    default: return "";
    }
}

class SceneScriptsTest : public SceneScriptTest { };

TEST_F(SceneScriptsTest, EveryRegisteredScriptBuildsATreeThatNamesOnlyWhatItsSceneHas)
{
    int iNbScripts = 0;
    for (const SceneDesc* const* ppScene = Id::GetSceneRegistry(); *ppScene != nullptr; ++ppScene) {
        const SceneDesc& scene = **ppScene;
        std::unique_ptr<SceneScript> pScript(CreateScriptFromId(scene.m_iId));
        ASSERT_NE(pScript, nullptr) << scene.m_pName;
        ++iNbScripts;

        ScriptNodePool& pool = manager.GetNodePool();
        pool.ResetPool();
        TakeLog();
        pScript->SetOwner(&manager);
        pScript->LinkActorSets();
        pScript->LinkSoundGroups();
        const ScriptNodeIndex root = pool.AllocNode();
        ScriptTreeBuilder builder(pool, root);
        for (SceneScript* pPart :
             {pScript.get(), static_cast<SceneScript*>(&inventory), static_cast<SceneScript*>(&g_oGlobalScript)})
            SceneScript::BuildScriptTree(pPart, &builder);
        // Every block is closed, and nothing was reported on the way.
        EXPECT_EQ(builder.GetCurrentNode(), root) << scene.m_pName;
        EXPECT_FALSE(builder.IsElseMode()) << scene.m_pName;
        EXPECT_EQ(TakeLog(), "") << scene.m_pName;

        const SceneBounds bounds(scene);
        for (ScriptNodeIndex iNode = root + 1; iNode < pool.GetNbAllocated(); ++iNode) {
            const std::string fault = CheckNode(bounds, pool[iNode]);
            EXPECT_EQ(fault, "") << scene.m_pName << " node " << iNode;
        }
        pool.ResetPool();
    }
    EXPECT_EQ(iNbScripts, ID_SCENE_LAST - 1);
}

TEST_F(SceneScriptsTest, TheMenuScenesAreTheFrontEndScenes)
{
    for (int iSceneId = 0; iSceneId <= ID_SCENE_LAST; ++iSceneId) {
        const bool bMenu = iSceneId == 3 || iSceneId == 1 || iSceneId == 4 || iSceneId == 61;
        EXPECT_EQ(IsMenuScene(iSceneId), bMenu) << iSceneId;
    }
}

} // namespace
