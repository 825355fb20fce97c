#include "ScriptEngine/common/SceneScript.h"

#include "Common/VarIds.h"
#include "Error/EngineAssert.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/ScriptSceneLink.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Sound/CoreSound.h"

SceneScript::SceneScript()
{
    for (ActorSetEntry& oEntry : m_aActorSets)
        oEntry = ActorSetEntry {nullptr, NO_NODE};
    for (SoundGroupEntry& oEntry : m_aSoundGroups)
        oEntry = SoundGroupEntry {-1, NO_NODE};
}

SceneScript::~SceneScript() = default;

void SceneScript::LinkActorSets()
{
}

void SceneScript::LinkSoundGroups()
{
}

void SceneScript::BuildEnterActions()
{
}

void SceneScript::BuildEvents()
{
}

void SceneScript::BuildExitEvents()
{
}

ScriptNodeIndex SceneScript::CloneCondition(const MatchExpr& oCondition) const
{
    ENGINE_ASSERT_MSG(m_pOwner != NULL, "a scene script links its sets only while it has an owner\n");
    if (m_pOwner == nullptr)
        return NO_NODE;
    ScriptNodePool& oPool = m_pOwner->GetNodePool();
    const ScriptNodeIndex iNode = oPool.AllocNode();
    if (iNode == NO_NODE || !oPool.Clone(iNode, oCondition))
        return NO_NODE;
    return iNode;
}

bool SceneScript::Holds(ScriptNodeIndex iCondition) const
{
    return m_pOwner != nullptr && m_pOwner->GetNodePool().EvalCondition(iCondition, g_VarManager);
}

void SceneScript::LinkActorSet(const char* pName, const MatchExpr& oCondition)
{
    ENGINE_ASSERT(m_iActorSetListSize<(MAX_ACTOR_SET-1));
    if (m_iActorSetListSize >= MAX_ACTOR_SET - 1)
        return;
    m_aActorSets[m_iActorSetListSize++] = ActorSetEntry {pName, CloneCondition(oCondition)};
}

void SceneScript::LinkSoundGroup(int32_t iSoundGroupId, const MatchExpr& oCondition)
{
    ENGINE_ASSERT(m_iSoundGroupListSize < (MAX_SOUND_GROUP - 1));
    if (m_iSoundGroupListSize >= MAX_SOUND_GROUP - 1)
        return;
    m_aSoundGroups[m_iSoundGroupListSize++] = SoundGroupEntry {iSoundGroupId, CloneCondition(oCondition)};
}

const char* SceneScript::SelectActorSet() const
{
    for (int32_t index = 0; index < m_iActorSetListSize; ++index) {
        if (Holds(m_aActorSets[index].m_iCondition))
            return m_aActorSets[index].m_pName;
    }
    return DEFAULT_ACTOR_SET;
}

int32_t SceneScript::SelectSoundGroup() const
{
    for (int32_t index = 0; index < m_iSoundGroupListSize; ++index) {
        if (Holds(m_aSoundGroups[index].m_iCondition))
            return m_aSoundGroups[index].m_iSoundGroupId;
    }
    return -1;
}

void SceneScript::Init()
{
    LinkActorSets();
    LinkSoundGroups();
    // The groups below stay loaded when the scene's own group is released.
    if (CoreSndGroupDepth() > 0)
        CoreSndMarkTopGroup();
    ScriptSceneLink& oScene = GetScriptSceneLink();
    if (oScene.HasScene()) {
        oScene.LoadActorSet(SelectActorSet());
        const int32_t iSoundGroup = SelectSoundGroup();
        if (iSoundGroup != -1)
            SoundManager::LoadGroup(static_cast<uint32_t>(iSoundGroup));
    }
    g_VarManager.SetBool(VARBOOL_ACTIVE_MAP, 1);
}

void SceneScript::Update(uint32_t)
{
}

void SceneScript::ReleaseSounds()
{
    SoundManager::StopMusic();
    SoundManager::StopAmbient();
    CoreSndUnloadGroup();
}

void SceneScript::BuildScriptTree(SceneScript* pScript, ScriptTreeBuilder* pTreeBuilder)
{
    ENGINE_ASSERT(pTreeBuilder!=NULL && pTreeBuilder->GetCurrentNode() != NO_NODE);
    if (pScript == nullptr || pTreeBuilder == nullptr || pTreeBuilder->GetCurrentNode() == NO_NODE)
        return;
    ScriptTreeBuilder* pPrevious = pScript->GetTreeBuilder();
    pScript->SetTreeBuilder(pTreeBuilder);

    // The enter actions start once everything fired before has finished, and
    // the game is interactive again once they have all finished.
    const int32_t iLogicDialog = ActorScriptableId(LOGIC_DIALOG_ACTOR_ID);
    EventDesc oInit;
    pScript->_IfEvent(*BuildEvent(&oInit, TwEventType_Init, 0));
    pScript->AddToQueue(iLogicDialog, ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(ID_SCRIPTABLE_INVALID));
    pScript->AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_ACTIVE, Param::Bool(false));
    pScript->BuildEnterActions();
    pScript->AddToQueue(iLogicDialog, ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(ID_SCRIPTABLE_INVALID));
    pScript->AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_ACTIVE, Param::Bool(true));
    pScript->_EndMatch();

    pScript->BuildExitEvents();
    pScript->BuildEvents();
    pScript->SetTreeBuilder(pPrevious);
}
