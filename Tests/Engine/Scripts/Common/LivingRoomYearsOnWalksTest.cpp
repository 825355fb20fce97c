// The family's living room years on as the game loads it: come in from the
// street, the heroine reaches every place a handler walks her to, but for the
// doorway, which its blocker keeps shut until she leaves.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId LIVING_ROOM = 21;
constexpr int32_t STREET = 20;
constexpr int32_t WP_INSIDE = 11;
// The doorway: where she steps out, and the street side of it.
const std::set<int32_t> DOORWAY {0, 17};

using LivingRoomYearsOnWalksTest = SampleSceneWalkTest;

TEST_F(LivingRoomYearsOnWalksTest, InsideTheHeroineReachesEveryPlaceHerScriptWalksHerToButTheDoorway)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, STREET);
    g_VarManager.SetBool(VARBOOL_BG113_C05_EVENT_SAD_MEMORIES, 1);
    Enter(LIVING_ROOM, 5, m_uHeroine);
    ExpectHeroineReachesHerWalks(WP_INSIDE, WP_INSIDE, 15, DOORWAY);
}

} // namespace
