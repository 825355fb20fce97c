#include "Engine/Scripts/Common/SceneScriptTree.h"

#include "Common/VarIds.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/VarManager.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptTreeBuilder.h"
#include "Scripts/Common/SceneScripts.h"

#include <gtest/gtest.h>

ScriptNodeIndex BuildSceneScriptTree(ScriptManager& manager, std::unique_ptr<SceneScript>& script,
                                     const SceneDesc& scene, int32_t iChapter, std::span<SceneScript* const> behind)
{
    ScriptNodePool& pool = manager.GetNodePool();
    pool.ResetPool();
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
    script.reset(CreateScriptFromId(scene.m_iId));
    script->SetOwner(&manager);
    script->LinkActorSets();
    script->LinkSoundGroups();
    const ScriptNodeIndex root = pool.AllocNode();
    ScriptTreeBuilder builder(pool, root);
    SceneScript::BuildScriptTree(script.get(), &builder);
    for (SceneScript* pScript : behind)
        SceneScript::BuildScriptTree(pScript, &builder);
    EXPECT_EQ(builder.GetCurrentNode(), root) << scene.m_pName << ": a block is left open";
    return root;
}

ScriptNodeIndex BuildHandMadeScriptTree(ScriptManager& manager, SceneScript& script)
{
    ScriptNodePool& pool = manager.GetNodePool();
    pool.ResetPool();
    script.SetOwner(&manager);
    const ScriptNodeIndex root = pool.AllocNode();
    ScriptTreeBuilder builder(pool, root);
    SceneScript::BuildScriptTree(&script, &builder);
    return root;
}
