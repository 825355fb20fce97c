// Drake's office as the game loads it in chapter 8, Mabel haunting it: the
// heroine reaches every place her script walks her to from the middle of the
// room, around the desk and back, and Mabel, whole in the picture, hides no
// hotspot.
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/SceneObject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

constexpr SceneId OFFICE = 26;
constexpr SceneId OFFICE_EXTERIOR = 25;
// The start, in the middle of the room before the desk.
constexpr int32_t MIDDLE = 0;

using DrakesOfficeWalksTest = SampleSceneWalkTest;

TEST_F(DrakesOfficeWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToAndMabelStandsInViewHidingNoHotspot)
{
    g_VarManager.SetBool(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN, 1);
    g_VarManager.SetBool(VARBOOL_QUEST_C8_JUSTICE01, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, OFFICE_EXTERIOR);
    Enter(OFFICE, 8, m_uHeroine);
    // In at the door, a few steps into the room.
    EXPECT_LE(DistanceTo(m_uHeroine, 5), 8);
    EXPECT_TRUE(CoveredHotspots(*m_scene).empty());
    // Mabel stands whole in the 4:3 picture, not half beyond its left edge:
    // her box is wider than her figure, three quarters of it inside suffice.
    const auto clickable = ClickableObjects(*m_scene);
    const auto mabel = std::ranges::find(clickable, "mabel", ObjectNameOf);
    ASSERT_NE(mabel, clickable.end());
    const SceneRect& box = (*mabel)->m_oBox;
    EXPECT_GE(box.xMin + (box.xMax - box.xMin) / 4, 0);
    const std::set<int32_t> waypoints = HeroineWalks();
    EXPECT_EQ(waypoints.size(), 19u);
    for (const int32_t iWaypoint : waypoints) {
        WalkTo(m_uHeroine, MIDDLE);
        EXPECT_LE(DistanceTo(m_uHeroine, MIDDLE), 8) << "back from waypoint " << iWaypoint;
        WalkTo(m_uHeroine, iWaypoint);
        EXPECT_LE(DistanceTo(m_uHeroine, iWaypoint), 8) << "waypoint " << iWaypoint;
    }
}

} // namespace
