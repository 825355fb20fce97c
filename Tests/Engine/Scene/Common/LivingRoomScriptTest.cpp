// The sample living room under a small scene script: its hotspot answers a
// Look and its Touch region a character's feet, through the script manager.
#include "Adventure/Common/Entity.h"
#include "Common/IdHash.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "Managers/Common/ResourceManager.h"
#include "Scene/Common/Scene.h"
#include "Support/FakeSceneServices.h"
#include "Support/MainHeap.h"
#include "Support/NullRendererTest.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr SceneId LIVING_ROOM = 9;
// Game variables that the script below sets.
constexpr int32_t LOOKED_AT_JUG = 602;
constexpr int32_t WALKED_IN_DUST = 603;

// The entity id of an object of the living room: its index in the row.
int32_t ObjectId(const char* name)
{
    return SceneObjectId(LIVING_ROOM, name);
}

void SetFlag(TestSceneScript& s, int32_t iVarId)
{
    s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(iVarId), Param::Bool(true));
}

class LivingRoomScriptTest : public ScriptManagerTest {
protected:
    LivingRoomScriptTest()
    {
        TestSupport::EnsureMainHeap();
        ResourceManager::CreateSingleton();
        TestScripts::For(LIVING_ROOM) = [](TestSceneScript& script) {
            script.m_events = [](TestSceneScript& s) {
                s._IfEvent(MakeEvent(TwEventType_Look, ObjectId("water_jug")));
                s.AddToQueue(ObjectId("water_jug"), ID_ACTION_TYPE_SET_VISIBLE, Param::Bool(false));
                SetFlag(s, LOOKED_AT_JUG);
                s._EndMatch();
                EventDesc touch;
                s._IfEvent(*BuildEvent(&touch, TwEventType_Touch, 2, ID_PARAMETER_TYPE_SCRIPTABLE,
                                       ObjectId("dust_patch_1"), ID_PARAMETER_TYPE_SCRIPTABLE,
                                       ActorScriptableId(ActorIdOf("tavrine"))));
                SetFlag(s, WALKED_IN_DUST);
                s._EndMatch();
            };
        };
    }
    ~LivingRoomScriptTest() override
    {
        if (m_scene)
            m_scene->Shutdown();
        m_scene.reset();
        ResourceManager::DestroySingleton();
    }

    TestSupport::ScopedNullRenderer m_renderer;
    TestSupport::FakeSceneServices m_services {&manager};
    TestSupport::FakeSceneCast m_cast;
    ManagerSink m_sink {manager};
    std::unique_ptr<Scene> m_scene;
};

TEST_F(LivingRoomScriptTest, TheHotspotAndTheTouchRegionReachTheScript)
{
    ASSERT_TRUE(m_renderer.IsReady());
    {
        TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
        m_scene = std::make_unique<Scene>();
        ASSERT_TRUE(m_scene->Initialize(LIVING_ROOM));
        m_scene->LoadActorSet("default");
    }
    ASSERT_EQ(m_scene->m_iNumCharacters, 1);
    StartScene(LIVING_ROOM);
    while (manager.IsBusy())
        manager.Update(16);

    // Look at the jug: the script hides it.
    Entity& jug = m_scene->m_vEntities[ObjectId("water_jug")];
    EXPECT_EQ(manager.FindScriptable(ObjectId("water_jug")), &jug);
    ASSERT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Look, ObjectId("water_jug"))));
    manager.Update(16);
    EXPECT_FALSE(jug.IsVisible());
    EXPECT_FALSE(jug.m_apSprites[0]->IsVisible());
    EXPECT_EQ(g_VarManager.GetBool(LOOKED_AT_JUG), 1);

    // The heroine's feet in the dust.
    Region* dust = m_scene->GetRegionById(m_scene->m_vEntities[ObjectId("dust_patch_1")].m_iRegionId);
    ASSERT_NE(dust, nullptr);
    const TouchCharacter heroine {m_scene->m_apActors[0].get(), 130 * FX32_ONE, 168 * FX32_ONE};
    dust->UpdateTouches(TouchScene {m_scene->GetName(), 0, &heroine, 1});
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetBool(WALKED_IN_DUST), 1);
    EXPECT_EQ(dust->m_vTouchingActors[MAX_ACTORS - 1], m_scene->m_apActors[0].get());
}

} // namespace
