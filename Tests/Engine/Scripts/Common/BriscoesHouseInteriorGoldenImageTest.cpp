// Briscoe's house inside drawn on the OpenGL device as its script leaves it
// in chapter 5 once the arrival has been played: Elizabeth tied to her chair
// by the candle and the lit lamp, Briscoe near her and the heroine at her
// talking place, the door open behind them.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId BRISCOES_HOUSE = 18;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using BriscoesHouseInteriorGoldenImageTest = SampleSceneScriptTest;

TEST_F(BriscoesHouseInteriorGoldenImageTest, ElizabethTiedToHerChairByCandlelight)
{
    g_VarManager.SetBool(VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER, 1);
    CoreRandom::Init(7);
    Enter(BRISCOES_HOUSE, 5, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/BriscoesHouseInterior", TOLERANCE));
}

} // namespace
