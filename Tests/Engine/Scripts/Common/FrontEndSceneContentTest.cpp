// The sample front-end scenes load with the objects of their scene table
// rows, and every sprite animation that their scripts play is a sprite of
// the entity it is played on.
#include "Adventure/Common/Entity.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SerialStream.h"
#include "ScriptEngine/common/ScriptTreeBuilder.h"
#include "Support/FakeSceneServices.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class FrontEndSceneContentTest : public SceneScriptTest { };

TEST_F(FrontEndSceneContentTest, EverySpriteAnimationOfTheScriptsIsASpriteOfItsEntity)
{
    for (const int32_t iSceneId : {1, 3, 4, 56, 58}) {
        const SceneDesc* pRow = Id::GetSceneDesc(iSceneId);
        ASSERT_NE(pRow, nullptr);
        const char* pPath = Id::GetScenePath(iSceneId);
        const std::vector<uint8_t> bytes = TestSupport::ReadFileBytes(TestSupport::DataDir() / pPath);
        ASSERT_FALSE(bytes.empty()) << pPath;

        TestSupport::FakeSceneServices services;
        Scene scene;
        SerialStream stream(bytes.data(), bytes.size(), pPath);
        ASSERT_TRUE(scene.Initialize2D(stream)) << pPath << TakeLog();
        EXPECT_EQ(TakeLog(), "") << pPath;
        ASSERT_EQ(scene.m_iNumEntities, pRow->m_iNbObjects) << pPath;
        for (int32_t index = 0; index < pRow->m_iNbObjects; ++index)
            EXPECT_EQ(std::string(scene.m_vEntities[index].GetName()),
                      std::string(pRow->m_ppObjectNames[index]).substr(0, SCENE_OBJECT_NAME_SIZE))
                << pPath;

        std::unique_ptr<SceneScript> pScript(CreateScriptFromId(iSceneId));
        ASSERT_NE(pScript, nullptr);
        ScriptNodePool& pool = manager.GetNodePool();
        pool.ResetPool();
        pScript->SetOwner(&manager);
        const ScriptNodeIndex root = pool.AllocNode();
        ScriptTreeBuilder builder(pool, root);
        SceneScript::BuildScriptTree(pScript.get(), &builder);
        int iNbAnimations = 0;
        for (ScriptNodeIndex iNode = root + 1; iNode < pool.GetNbAllocated(); ++iNode) {
            const ScriptNode& node = pool[iNode];
            if (node.m_iType != NodeType_Action || node.m_oAction.m_iActionType != ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION)
                continue;
            ++iNbAnimations;
            const int32_t iTarget = node.m_oAction.m_iTargetId;
            ASSERT_TRUE(iTarget >= 0 && iTarget < scene.m_iNumEntities) << pPath;
            EXPECT_NE(scene.m_vEntities[iTarget].GetSpriteIndex(node.m_oAction.m_oParameter[0]), -1)
                << pPath << ": entity " << pRow->m_ppObjectNames[iTarget] << " has no sprite " << std::hex
                << node.m_oAction.m_oParameter[0];
        }
        pool.ResetPool();
        EXPECT_EQ(iNbAnimations > 0, iSceneId == 3 || iSceneId == 56) << pPath;
    }
}

} // namespace
