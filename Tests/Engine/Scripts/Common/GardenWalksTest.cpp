// The garden beside the town hall as the game loads it in chapter 4: the
// heroine arrives off the stairs and reaches every place a handler walks her
// to, the shed's inside only while its doorway is open; Diego comes up the
// stairs to the column and to his place, and steps back to it after the
// movie; standing there he covers no hotspot. Wherever she stands before
// the column or the rubble, she is drawn in front of it.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "Scene/Common/Sprite.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr SceneId GARDEN = 33;
constexpr int32_t TOWN_SQUARE_C = 31;
constexpr int32_t DIEGO_IN_THE_GARDEN = 6;
constexpr int32_t SHED_DOOR_BLOCKER = 0;
constexpr int32_t WP_FOOT_OF_THE_STAIRS = 1;
constexpr int32_t WP_IN_FROM_THE_STAIRS = 2;
constexpr int32_t WP_DIEGO = 3;
constexpr int32_t WP_SHED_DOOR = 6;
constexpr int32_t WP_COLUMN = 10;
constexpr int32_t WP_IN_THE_SHED = 11;

class GardenWalksTest : public SampleSceneWalkTest {
protected:
    void EnterFromTheSquare()
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_C);
        g_VarManager.SetInt(VARINT_DIEGO_SCENE, DIEGO_IN_THE_GARDEN);
        Enter(GARDEN, 4, m_uHeroine);
    }
    const uint32_t m_uDiego = Id::GetActorId("diego");
    const SceneCharacter& Heroine() const
    {
        for (int32_t i = 0; i < m_scene->m_iNumCharacters; ++i)
            if (m_scene->m_aCharacterIds[i] == m_uHeroine)
                return *m_scene->m_apCharacters[i];
        ADD_FAILURE() << "no heroine in the scene";
        return *m_scene->m_apCharacters[0];
    }
    static bool OfTheColumn(const Sprite& painted)
    {
        const char* owner = painted.m_pScriptable != nullptr ? painted.m_pScriptable->GetName() : "";
        return std::strncmp(owner, "o_mosaic", SCENE_OBJECT_NAME_SIZE) == 0 ||
               std::strncmp(owner, "i_disk", SCENE_OBJECT_NAME_SIZE) == 0;
    }
};

TEST_F(GardenWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToAndTheShedOnlyWhileItsDoorIsOpen)
{
    EnterFromTheSquare();
    EXPECT_LE(DistanceTo(m_uHeroine, WP_IN_FROM_THE_STAIRS), 8);
    const std::set<int32_t> waypoints = HeroineWalks();
    EXPECT_GE(waypoints.size(), 11u);
    // The doorway is shut, as the scene starts.
    WalkTo(m_uHeroine, WP_SHED_DOOR);
    WalkTo(m_uHeroine, WP_IN_THE_SHED);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_IN_THE_SHED), 40);

    m_scene->m_oWalkMesh.DisactivateBlocker(SHED_DOOR_BLOCKER);
    for (const int32_t iWaypoint : waypoints)
        ExpectReaches(m_uHeroine, WP_IN_FROM_THE_STAIRS, iWaypoint);
}

TEST_F(GardenWalksTest, DiegoComesUpTheStairsToTheColumnAndToHisPlaceAndBackFromIt)
{
    EnterFromTheSquare();
    EXPECT_LE(DistanceTo(m_uDiego, WP_DIEGO), 8);
    for (const int32_t iWaypoint : {WP_FOOT_OF_THE_STAIRS, WP_COLUMN, WP_DIEGO, WP_COLUMN, WP_DIEGO}) {
        WalkTo(m_uDiego, iWaypoint);
        EXPECT_LE(DistanceTo(m_uDiego, iWaypoint), 8) << iWaypoint;
    }
}

TEST_F(GardenWalksTest, BeforeTheColumnWholeOrBrokenSheIsDrawnInFrontOfItWhereverSheStands)
{
    int32_t iCompared = 0;
    for (const bool bBroken : {false, true}) {
        SCOPED_TRACE(bBroken);
        g_VarManager = VarSet {};
        if (bBroken)
            Set(VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL);
        EnterFromTheSquare();
        m_scene->m_oWalkMesh.DisactivateBlocker(SHED_DOOR_BLOCKER);
        const Layer& main = *m_scene->GetMainLayer();
        for (const int32_t iWaypoint : HeroineWalks()) {
            WalkTo(m_uHeroine, iWaypoint);
            const CoreFxVec feet = Heroine().GetScreenPosition();
            // The column, its rubble and the disk, where shown, are behind
            // her when her feet are nearer than their foot.
            for (int32_t i = 0; i < main.m_iNbSprites; ++i) {
                const Sprite& painted = main.m_vSprites[i];
                const SceneRect& box = painted.m_oBox;
                if (OfTheColumn(painted) && painted.IsVisible() && feet.x > box.xMin && feet.x < box.xMax &&
                    feet.y > box.yMax) {
                    EXPECT_GT(Heroine().m_iDepth, painted.m_iDepth) << "waypoint " << iWaypoint;
                    ++iCompared;
                }
            }
        }
    }
    // At least at the column itself, while it stands whole.
    EXPECT_GE(iCompared, 1);
}

TEST_F(GardenWalksTest, DiegoAtHisPlaceCoversNoHotspotBeforeOrAfterTheColumnFalls)
{
    for (const bool bBroken : {false, true}) {
        SCOPED_TRACE(bBroken);
        g_VarManager = VarSet {};
        if (bBroken)
            Set(VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL);
        EnterFromTheSquare();
        EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
    }
}

} // namespace
