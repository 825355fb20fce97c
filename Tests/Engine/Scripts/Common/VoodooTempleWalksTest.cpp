// The voodoo temple as the game loads it: coming in from the village she
// stops inside the door and reaches every place a handler walks her to; the
// threshold stays shut until the exit takes its blocker off, and Bajari's mat
// is never hers to step on; Bajari gets up from his mat and comes to her, and
// leaves by the threshold; the exit takes her out over the threshold.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId TEMPLE = 37;
constexpr int32_t VILLAGE = 36;
constexpr int32_t WP_THRESHOLD = 1;
constexpr int32_t WP_INSIDE = 2;
constexpr int32_t WP_MAT = 3;
constexpr int32_t WP_BY_BAJARI = 4;
constexpr int32_t WP_BAJARI_STANDING = 5;
constexpr int32_t WP_BAJARI_ON_HIS_WAY = 6;
constexpr int32_t WP_DOOR = 7;

using Object = NamedObject<SceneTableRows::s_aObjects_bg310_37>;

class VoodooTempleWalksTest : public SampleSceneWalkTest {
protected:
    void ComeIn()
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, VILLAGE);
        Enter(TEMPLE, 7, m_uHeroine);
    }
    const uint32_t m_uBajari = Id::GetActorId("bajari");
};

TEST_F(VoodooTempleWalksTest, SheComesInAndReachesEveryPlaceHerScriptWalksHerTo)
{
    ComeIn();
    // Over the threshold: only on the way out.
    ExpectHeroineReachesHerWalks(WP_INSIDE, WP_INSIDE, 5, {WP_THRESHOLD});
}

TEST_F(VoodooTempleWalksTest, TheThresholdAndTheMatAreShutToHerAndTheExitTakesHerOut)
{
    ComeIn();
    ExpectShutUntilTheExit(WP_INSIDE, {WP_THRESHOLD, WP_MAT}, 20, Object("goto_bg309"), WP_DOOR);
}

TEST_F(VoodooTempleWalksTest, BajariGetsUpToComeToHerAndLeavesByTheThreshold)
{
    ComeIn();
    EXPECT_LE(DistanceTo(m_uBajari, WP_MAT), 2);
    WalkTo(m_uHeroine, WP_BY_BAJARI);
    ExpectReaches(m_uBajari, WP_MAT, WP_BAJARI_STANDING);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_BAJARI_STANDING), 40);
    ExpectReaches(m_uBajari, WP_BAJARI_STANDING, WP_BAJARI_ON_HIS_WAY);
    ExpectReaches(m_uBajari, WP_BAJARI_ON_HIS_WAY, WP_THRESHOLD);
}

} // namespace
