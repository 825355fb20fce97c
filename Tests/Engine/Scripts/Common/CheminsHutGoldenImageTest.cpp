// Chemin's hut drawn on the OpenGL device as its script leaves it in chapter
// 7: outside when the heroine has climbed up from the village, Tana at the
// door and the roof over the hut; inside, the roof gone, with Chemin in his
// trance on his throne and the mixture brewing over the fire.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId CHEMINS_HUT = 38;
constexpr SceneId VOODOO_VILLAGE = 36;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using CheminsHutGoldenImageTest = SampleSceneScriptTest;

TEST_F(CheminsHutGoldenImageTest, TanaAtTheDoorWhenTheHeroineComesUpFromTheVillage)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, VOODOO_VILLAGE);
    CoreRandom::Init(7);
    Enter(CHEMINS_HUT, 7, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 3);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/CheminsHutOutside", TOLERANCE));
}

TEST_F(CheminsHutGoldenImageTest, CheminInHisTranceWhileTheMixtureBrewsOverTheFire)
{
    for (const int32_t iDone :
         {VARBOOL_BG311_C07_INSIDE_HUT, VARBOOL_BG311_C07_CRAB_CLAW_ON_FIREPLACE,
          VARBOOL_BG311_C07_CABA_FLOWERS_PETALS_ON_FIREPLACE, VARBOOL_BG311_C07_VESSEL_AND_INGREDIENTS_ON_FIREPLACE,
          VARBOOL_BG311_C07_FIREPLACE_ON_FIRE, VARBOOL_BG311_C07_SMOKE_RISING_VESSEL})
        g_VarManager.SetBool(iDone, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, VOODOO_VILLAGE);
    CoreRandom::Init(7);
    Enter(CHEMINS_HUT, 7, Id::GetActorId("tavrine"));
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/CheminsHutInside", TOLERANCE));
}

} // namespace
