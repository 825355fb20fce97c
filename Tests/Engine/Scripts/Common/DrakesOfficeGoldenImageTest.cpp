// Drake's office drawn on the OpenGL device as its script leaves it in
// chapter 8, back from the safe's lock with the right combination: Mabel by
// the statues, the portrait swung aside on the open safe and its folder.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId OFFICE = 26;
constexpr SceneId SAFE_CLOSE_UP = 54;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using DrakesOfficeGoldenImageTest = SampleSceneScriptTest;

TEST_F(DrakesOfficeGoldenImageTest, TheOpenSafeBehindThePortraitInChapterEight)
{
    for (const int32_t iVar :
         {VARBOOL_BG205_C08_EVENT_TAKING_IT_IN, VARBOOL_QUEST_C8_JUSTICE01, VARBOOL_QUEST_C8_NOTES04,
          VARBOOL_BG205_C08_OPEN_PORTRAIT, VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION})
        g_VarManager.SetBool(iVar, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, SAFE_CLOSE_UP);
    CoreRandom::Init(7);
    Enter(OFFICE, 8, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 2);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/DrakesOffice", TOLERANCE));
}

} // namespace
