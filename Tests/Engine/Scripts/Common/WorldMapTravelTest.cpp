// The boat's voyages as a player makes them in the game's scene world, from
// the sample data: from the docks of the first island the ship's exit sails
// out to the world map, the player clicks an island where it shows on the
// screen, the boat sails there and the heroine lands on one of that island's
// places of the map tab; from there the ship takes her out again, until every
// island of the map's locations has been reached.
#include "Adventure/Common/Entity.h"
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "Managers/Common/GameSceneWorldLink.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/SceneManagerScriptLink.h"
#include "Scene/Common/Region.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "ScriptEngine/common/MapThumb.h"
#include "Scripts/Common/GlobalScript.h"
#include "Scripts/Common/InventoryScript.h"
#include "Support/FakeSceneServices.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

constexpr int32_t FIRST_DOCKS = 13;
constexpr int32_t WORLD_MAP_SCENE = 57;
// A landing place's ways to the ship: out to sea at once, or on board by the
// ship's corridor.
constexpr const char* OUT_TO_SEA[] = {"goto_wm", "goto_main_dock", "the_winsome_maid", "winsome_maid"};
constexpr const char* ON_BOARD = "goto_bg002";
constexpr int32_t CHAPTER_WITH_EVERY_ISLAND = 9;
// The world map's object that sails to each island, by the island's number
// in VARINT_LOCAL_ISLAND_MAP.
constexpr const char* ISLAND_MARKERS[] = {"bo", "cr", "ho", "ta", "tu"};

class WorldMapTravelTest : public TestSupport::SampleScenePictureTest {
protected:
    void SetUp() override
    {
        SampleScenePictureTest::SetUp();
        if (HasFatalFailure())
            return;
        g_VarManager = VarSet {};
        SetSceneWorldLink(&m_world);
        SetScriptSceneLink(&m_link);
        SceneManager::ClearSceneIds();
        m_states.At(GlobalFade::OutToBlack).bExists = false;
        m_manager.GetNodePool().InitPool();
        m_manager.SetSceneScriptMaker(&CreateScriptFromId);
        m_manager.SetCommonScripts(&m_inventory, &g_oGlobalScript);
        MapThumb::InitThumbDescs();
    }
    void TearDown() override
    {
        m_manager.TermScene();
        SceneManager::Terminate();
        SceneManager::ClearSceneIds();
        m_manager.SetCommonScripts(nullptr, nullptr);
        m_manager.GetNodePool().TermPool();
        SetScriptSceneLink(nullptr);
        SetSceneWorldLink(nullptr);
        g_VarManager = VarSet {};
        SampleScenePictureTest::TearDown();
    }

    // Runs frames until the scene is another than the one given (or, with
    // 0, until the walk is over); false when that takes too long.
    bool RunUntilSceneLeaves(int32_t iSceneId)
    {
        for (int frame = 0; frame < 4000; ++frame) {
            m_manager.Update(16);
            if (Scene* pScene = SceneManagerScriptLink::GetCurrentScene())
                pScene->Update(16);
            if (iSceneId != 0 && m_link.GetSceneId() != iSceneId && !m_manager.IsBusy())
                return true;
            if (iSceneId == 0 && !m_manager.IsBusy())
                return true;
        }
        return false;
    }

    // Clicks the object where the player sees it: the middle of its
    // region's box must pick it, and its Activate goes to the scripts.
    void Click(const std::string& name)
    {
        Scene* pScene = SceneManagerScriptLink::GetCurrentScene();
        ASSERT_NE(pScene, nullptr);
        int32_t iEntity = -1;
        for (int32_t i = 0; i < pScene->m_iNumEntities; ++i)
            if (name == std::string(pScene->m_vEntities[i].GetName(), strnlen(pScene->m_vEntities[i].GetName(), 16)))
                iEntity = i;
        ASSERT_NE(iEntity, -1) << name;
        const Region* pRegion = pScene->m_vEntities[iEntity].m_pRegion;
        ASSERT_NE(pRegion, nullptr) << name;
        const SceneRect& box = pRegion->m_oBox;
        const fx32 x = box.xMin + (box.xMax - box.xMin) / 2;
        const fx32 y = box.yMin + (box.yMax - box.yMin) / 2;
        const SceneObject* pPicked = pScene->PickObjectAt(x - pScene->m_fScroll, y);
        ASSERT_EQ(pPicked, pRegion) << name << " is not picked at its middle";
        ASSERT_TRUE(m_manager.FireEvent(MakeEvent(TwEventType_Activate, iEntity)));
    }

    // From a landing place, out to the world map by the ship: the scene's
    // exit to the world map, or on board first when the ship's exit leads
    // there.
    void SailOut()
    {
        for (int step = 0; step < 3 && m_link.GetSceneId() != WORLD_MAP_SCENE; ++step) {
            const SceneDesc& row = *Id::GetSceneDesc(m_link.GetSceneId());
            std::string exit;
            for (int32_t i = 0; i < row.m_iNbObjects; ++i) {
                const std::string object = row.m_ppObjectNames[i];
                if (std::ranges::find(OUT_TO_SEA, object) != std::end(OUT_TO_SEA) ||
                    (exit.empty() && object == ON_BOARD))
                    exit = object;
            }
            ASSERT_FALSE(exit.empty()) << row.m_pName << " has no way to the ship";
            const int32_t iFrom = m_link.GetSceneId();
            // The first island's ship, the ship's gangway, Crab island's
            // landing stage, Hollow island's gangway and the ship below
            // Tanner island's cliff ask where to: the player sets sail.
            g_VarManager.SetBool(VARBOOL_BG105_GOTO_WORLD_MAP, 1);
            g_VarManager.SetBool(VARBOOL_BG002_GOTO_WORLD_MAP, 1);
            g_VarManager.SetBool(VARBOOL_BG201_GOTO_WORLD_MAP, 1);
            g_VarManager.SetBool(VARBOOL_BG301_GOTO_WORLD_MAP, 1);
            g_VarManager.SetBool(VARBOOL_BG401_GOTO_WORLD_MAP, 1);
            Click(exit);
            ASSERT_TRUE(RunUntilSceneLeaves(iFrom)) << m_log.Take();
        }
        ASSERT_EQ(m_link.GetSceneId(), WORLD_MAP_SCENE) << m_log.Take();
    }

    TestSupport::LogCapture m_log;
    GameSceneWorldLink m_world;
    SceneManagerScriptLink m_link;
    FakeStateLink m_states;
    FakeSaveLink m_saves;
    FakeGameLink m_game;
    ScriptManager m_manager;
    InventoryScript m_inventory;
    TestSupport::FakeSceneServices m_services {&m_manager};
};

TEST_F(WorldMapTravelTest, TheBoatSailsFromTheFirstIslandsDocksToEveryIslandOfTheMapsLocations)
{
    const uint32_t heroine = Id::GetActorId("tavrine");
    const uint32_t boat = Id::GetActorId("boat_windsome_maid");
    // The places of each island where the map tab takes the heroine.
    std::map<int32_t, std::set<int32_t>> places;
    for (const MapThumbDesc& location : MapThumb::GetThumbDescs())
        if (location.m_uPlayingCharacter == heroine)
            places[static_cast<int32_t>(location.m_uIslandMap)].insert(static_cast<int32_t>(location.m_uSceneId));
    ASSERT_EQ(places.size(), std::size(ISLAND_MARKERS));

    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, CHAPTER_WITH_EVERY_ISLAND);
    g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, 0);
    m_link.SetPlayingCharacter(heroine);
    m_manager.ChangeScene(FIRST_DOCKS);
    ASSERT_TRUE(RunUntilSceneLeaves(0));
    ASSERT_EQ(m_link.GetSceneId(), FIRST_DOCKS) << m_log.Take();

    for (const auto& [island, landings] : places) {
        SCOPED_TRACE(ISLAND_MARKERS[island]);
        SailOut();
        if (HasFatalFailure())
            return;
        // The boat is the playing character on the sea, and stands there.
        EXPECT_EQ(m_link.GetPlayingCharacter(), boat);
        const Scene& map = *SceneManagerScriptLink::GetCurrentScene();
        ASSERT_EQ(map.m_iNumCharacters, 1);
        EXPECT_EQ(map.m_aCharacterIds[0], boat);

        Click(ISLAND_MARKERS[island]);
        ASSERT_TRUE(RunUntilSceneLeaves(WORLD_MAP_SCENE)) << "the boat never lands: " << m_log.Take();
        EXPECT_EQ(landings.count(m_link.GetSceneId()), 1u) << "landed at scene " << m_link.GetSceneId();
        EXPECT_EQ(g_VarManager.GetInt(VARINT_LOCAL_ISLAND_MAP), island);
        EXPECT_EQ(m_link.GetPlayingCharacter(), heroine);
    }
    const std::string log = m_log.Take();
    EXPECT_EQ(log.find("back to the start menu"), std::string::npos) << log;
    // The boat turns and sails by its own figure's rocking, not by a fault.
    EXPECT_EQ(log.find("walk or idle animation"), std::string::npos) << log;
}

} // namespace
