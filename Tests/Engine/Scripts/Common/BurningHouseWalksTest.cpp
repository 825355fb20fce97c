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
    ExpectHeroineReachesHerWalks(WP_START, WP_START, 18);
}

TEST_F(BurningHouseWalksTest, NobodyCoversAHotspotWithEveryFireBurning)
{
    g_VarManager.SetBool(VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE, 1);
    g_VarManager.SetInt(VARINT_BURNING_HOUSE, 60);
    Enter(BURNING_HOUSE, 5, m_uHeroine);
    EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
}

} // namespace
