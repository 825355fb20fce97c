// The turtle path as the game loads it: in from the beach she reaches every
// place a handler walks her to, and on the first chapter-10 arrival Tanama
// comes in behind her to the door and steps aside once it opens.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId TURTLE_PATH = 48;
constexpr int32_t TURTLE_BEACH = 47;
constexpr int32_t WP_FROM_THE_BEACH = 1;
constexpr int32_t WP_ON_THE_PATH = 2;
constexpr int32_t WP_TANAMA_BY_THE_DOOR = 3;
constexpr int32_t WP_TANAMA_ASIDE = 6;
constexpr int32_t WP_TANAMA_COMES_IN = 7;
constexpr int32_t WP_DOOR = 12;

class TurtlePathWalksTest : public SampleSceneWalkTest {
protected:
    void ComeIn(int32_t iChapter)
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TURTLE_BEACH);
        Enter(TURTLE_PATH, iChapter, m_uHeroine);
    }
    const uint32_t m_uTanama = Id::GetActorId("tanama");
};

TEST_F(TurtlePathWalksTest, SheComesInAndReachesEveryPlaceHerScriptWalksHerTo)
{
    Set(VARBOOL_BG508_C10_EVENT_WERE_HERE);
    ComeIn(10);
    ExpectHeroineReachesHerWalks(WP_ON_THE_PATH, WP_FROM_THE_BEACH, 8);
}

TEST_F(TurtlePathWalksTest, TanamaLeadsHerInToTheDoorAndStepsAsideAndDownFromThere)
{
    ComeIn(10);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_ON_THE_PATH), 8);
    EXPECT_LE(DistanceTo(m_uTanama, WP_TANAMA_BY_THE_DOOR), 8);
    ExpectReaches(m_uTanama, WP_TANAMA_COMES_IN, WP_TANAMA_BY_THE_DOOR);
    ExpectReaches(m_uTanama, WP_TANAMA_BY_THE_DOOR, WP_TANAMA_ASIDE);
    ExpectReaches(m_uTanama, WP_TANAMA_ASIDE, WP_DOOR);
}

} // namespace
