// Briscoe's burning house as the game loads it in chapter 5: the heroine
// reaches every place a handler walks her to, and with all three fires
// burning neither she nor Thomas nor Elizabeth covers a hotspot.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr SceneId BURNING_HOUSE = 19;
constexpr int32_t WP_START = 3;

using BurningHouseWalksTest = SampleSceneWalkTest;

TEST_F(BurningHouseWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerTo)
{
    Enter(BURNING_HOUSE, 5, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_START), 8);
    const std::set<int32_t> waypoints = HeroineWalks();
    EXPECT_GE(waypoints.size(), 18u);
    for (const int32_t iWaypoint : waypoints)
        ExpectReaches(m_uHeroine, WP_START, iWaypoint);
}

TEST_F(BurningHouseWalksTest, NobodyCoversAHotspotWithEveryFireBurning)
{
    g_VarManager.SetBool(VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE, 1);
    g_VarManager.SetInt(VARINT_BURNING_HOUSE, 60);
    Enter(BURNING_HOUSE, 5, m_uHeroine);
    EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
}

} // namespace
