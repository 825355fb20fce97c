// The house's front yard of chapter 1 drawn on the OpenGL device as its
// script leaves it on entering with the children's ladder standing: the kid
// in the yard, Bobby bent under the bedroom window with Nell on his
// shoulders, the pump mended and the jug under it.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId HOUSE_FRONT = 10;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using HouseExteriorGoldenImageTest = SampleSceneScriptTest;

TEST_F(HouseExteriorGoldenImageTest, TheKidBeforeTheChildrensLadderInTheYardOfChapterOne)
{
    for (int32_t iVariable :
         {VARBOOL_BG103_C01_SEE_ALESSANDRO, VARBOOL_BG102_C01_EVENT_WITH_DIEGO, VARBOOL_BG102_C01_BOBBY_KID_HERE,
          VARBOOL_BG102_C01_BOBBY_POS, VARBOOL_BG102_C01_HUMAN_LADDER_HERE, VARBOOL_BG102_C01_FIXED_WATER_PUMP_2,
          VARBOOL_BG102_C01_FIXED_WATER_PUMP_3, VARBOOL_BG102_C01_PICK_PUMP_HANDLE})
        g_VarManager.SetBool(iVariable, 1);
    CoreRandom::Init(7);
    Enter(HOUSE_FRONT, 1, Id::GetActorId("tavrine_kid"));
    if (HasFatalFailure())
        return;
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);

    const Platform::RgbaImage image = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, "Engine/Scripts/Common/HouseExteriorChapter1", TOLERANCE));
}

} // namespace
