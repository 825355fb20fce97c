// The cabin as the game loads it: the heroine reaches every place her script
// walks her to with the door's blocker on, and the threshold only once the
// door opens; Diego's way out of the wake-up; and the cabin drawn after the
// intro, the sword, the magnet and the handkerchief waiting for her.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId CABIN = 5;
constexpr int32_t MIDDLE = 2;
constexpr int32_t BEYOND_DOOR = 0;
constexpr int32_t DOOR_BLOCKER = 0;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

class TavrinesCabinWalksTest : public SampleSceneWalkTest {
protected:
    // Plays the dialog callback through; it leads to no other scene.
    void Callback(uint32_t uCallback)
    {
        Fire(ScriptEvent_Hash9(static_cast<int32_t>(uCallback)));
        EXPECT_FALSE(m_manager.IsBusy());
    }

    const uint32_t m_uDiego = Id::GetActorId("diego");
};

TEST_F(TavrinesCabinWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToAndTheDoorOnlyWhenItOpens)
{
    g_VarManager.SetBool(VARBOOL_BG001_C02_EVENT_INTRO, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, 6);
    Enter(CABIN, 2, m_uHeroine);
    ASSERT_EQ(m_scene->m_iNumCharacters, 3);
    EXPECT_LE(DistanceTo(m_uHeroine, MIDDLE), 8);

    std::set<int32_t> waypoints = HeroineWalks();
    EXPECT_EQ(waypoints.size(), 12u);
    waypoints.erase(BEYOND_DOOR);
    // Each from the middle of the cabin, where a click on anything may find
    // her; a walk ends within a step of its end.
    for (const int32_t iWaypoint : waypoints) {
        ExpectReaches(m_uHeroine, MIDDLE, iWaypoint);
    }

    // The threshold stays closed while the blocker is on, and opens with it
    // for the exit's walk from before the door.
    WalkTo(m_uHeroine, MIDDLE);
    WalkTo(m_uHeroine, BEYOND_DOOR);
    EXPECT_GT(DistanceTo(m_uHeroine, BEYOND_DOOR), 8);
    m_sceneLink.SetWalkMeshBlocker(DOOR_BLOCKER, false);
    WalkTo(m_uHeroine, 13);
    WalkTo(m_uHeroine, BEYOND_DOOR);
    EXPECT_LE(DistanceTo(m_uHeroine, BEYOND_DOOR), 8);
}

TEST_F(TavrinesCabinWalksTest, AfterTheWakeUpDiegoIsOutAndTheCabinWaitsWithHerThings)
{
    Enter(CABIN, 2, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, 3), 5);
    EXPECT_LE(DistanceTo(m_uDiego, 5), 5);
    // The dialogs' callbacks come while the door is still open in the game.
    m_sceneLink.SetWalkMeshBlocker(DOOR_BLOCKER, false);
    Callback(0x1e7c8212);
    EXPECT_LE(DistanceTo(m_uDiego, MIDDLE), 8);
    Callback(0x697bb284);
    EXPECT_LE(DistanceTo(m_uDiego, BEYOND_DOOR), 8);
    EXPECT_LE(DistanceTo(m_uHeroine, 6), 5);
    m_sceneLink.SetWalkMeshBlocker(DOOR_BLOCKER, true);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/TavrinesCabinChapter2", TOLERANCE));
}

} // namespace
