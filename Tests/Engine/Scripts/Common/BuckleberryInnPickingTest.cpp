// The inn's jackpot machine as the game loads it upstairs in chapter 3: the
// pointer finds it over the whole of its painted picture, lever and all.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId INN = 23;

class BuckleberryInnPickingTest : public SampleSceneScriptTest { };

TEST_F(BuckleberryInnPickingTest, TheJackpotMachineAnswersAllOverItsPicture)
{
    g_VarManager.SetBool(VARBOOL_BG202_C03_EVENT_UPSTAIR, 1);
    Enter(INN, 3, ActorIdOf("tavrine"));
    // Its left, middle and right thirds, from the top of its case to its
    // foot; the lever at the right edge.
    for (const int32_t x : {174, 181, 187, 190})
        for (const int32_t y : {48, 66, 86})
            EXPECT_EQ(ObjectNameOf(m_scene->PickObjectAt(x * FX32_ONE, y * FX32_ONE)), "jackpot_machine")
                << "at (" << x << ", " << y << ")";
}

} // namespace
