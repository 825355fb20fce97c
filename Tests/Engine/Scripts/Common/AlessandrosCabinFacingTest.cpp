// Alessandro's cabin as the game loads it in chapter 3: Briscoe, who talks
// with the heroine there, stands turned towards the room she comes into, not
// with his back to it.
#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr SceneId CABIN = 7;
constexpr SceneId CORRIDOR = 6;

using AlessandrosCabinFacingTest = SampleSceneScriptTest;

TEST_F(AlessandrosCabinFacingTest, BriscoeFacesTheHeroineInChapterThree)
{
    g_VarManager.SetBool(VARBOOL_BG003_C03_EVENT_GOOD_NEWS, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, CORRIDOR);
    Enter(CABIN, 3, ActorIdOf("tavrine"));
    const Character* pBriscoe = nullptr;
    const Character* pHeroine = nullptr;
    for (int32_t i = 0; i < m_scene->m_iNumCharacters; ++i) {
        const auto* pCharacter = dynamic_cast<const Character*>(m_scene->m_apCharacters[i].get());
        if (m_scene->m_aCharacterIds[i] == ActorIdOf("thomas_b"))
            pBriscoe = pCharacter;
        if (m_scene->m_aCharacterIds[i] == ActorIdOf("tavrine"))
            pHeroine = pCharacter;
    }
    ASSERT_NE(pBriscoe, nullptr);
    ASSERT_NE(pHeroine, nullptr);
    const double toX = pHeroine->GetFeetPosition().x - pBriscoe->GetFeetPosition().x;
    const double toY = pHeroine->GetFeetPosition().y - pBriscoe->GetFeetPosition().y;
    const double cosine = (pBriscoe->m_iFacingX * toX + pBriscoe->m_iFacingY * toY) / (FX32_ONE * std::hypot(toX, toY));
    // Within 60 degrees of her.
    EXPECT_GT(cosine, 0.5);
}

} // namespace
