// The Buckleberry inn drawn on the OpenGL device as its script leaves it in
// chapter 3: downstairs, the heroine in from the docks with Anita behind the
// bar, the stranger in his corner and the modern picture; upstairs, the
// heroine by the jackpot machine. Both load and draw without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId INN = 23;
constexpr SceneId DOCKS = 22;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using BuckleberryInnGoldenImageTest = SampleSceneScriptTest;

TEST_F(BuckleberryInnGoldenImageTest, TheBarRoomAndTheUpperFloorInChapterThree)
{
    g_VarManager.SetBool(VARBOOL_BG202_C03_EVENT_CLOSING_SOON, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DOCKS);
    CoreRandom::Init(7);
    Enter(INN, 3, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    const Platform::RgbaImage barRoom = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(barRoom, "Engine/Scripts/Common/BuckleberryInnBarRoom", TOLERANCE));

    g_VarManager.SetBool(VARBOOL_BG202_C03_EVENT_UPSTAIR, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, 256 + 3);
    Enter(INN, 3, Id::GetActorId("tavrine"));
    const Platform::RgbaImage upperFloor = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(
        TestSupport::MatchesGoldenImage(upperFloor, "Engine/Scripts/Common/BuckleberryInnUpperFloor", TOLERANCE));
}

} // namespace
