// The quest and map tabs drawn on the real OpenGL device from the sample
// common pack, each compared with its reference: the pictures in the quest
// log's frames, and the dark parchment the map's white place names stand on.
#include "Common/ActorIds.h"
#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "Engine/Inventory/Common/MenuPictureTest.h"
#include "Interface/Common/InterfaceButton.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/VarManager.h"
#include "Support/GoldenImage.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace MenuTest;

// Two and a half pixels of the 640 x 480 picture to a virtual unit.
uint32_t Pixels(double units)
{
    return uint32_t(units * 2.5);
}

class MenuTabsGoldenImageTest : public MenuPictureTest {
protected:
    void TearDown() override
    {
        for (const int32_t flag : {VARBOOL_QUEST_C2_CREW01, VARBOOL_QUEST_C2_UNCLE_EDUARDO01})
            g_VarManager.SetBool(flag, 0);
        MenuPictureTest::TearDown();
    }
};

TEST_F(MenuTabsGoldenImageTest, EachQuestEntryShowsThePictureOfWhomItIsAbout)
{
    SceneManager::SetPlayingCharacter(ActorIdOf("tavrine"));
    g_VarManager.SetBool(VARBOOL_QUEST_C2_CREW01, 1);
    g_VarManager.SetBool(VARBOOL_QUEST_C2_UNCLE_EDUARDO01, 1);
    world.Menu().SetCurrentTab(TAB_QUEST);
    world.Frame(0, 0, false);
    world.Frame(0, 0, false);
    EXPECT_EQ(world.Menu().GetButton(BUTTON_QUEST_PORTRAIT_1).m_hTexture,
              g_pTextureManager->GetTextureByName("intquest_alessandro_c"));
    EXPECT_EQ(world.Menu().GetButton(BUTTON_QUEST_PORTRAIT_1 + 1).m_hTexture,
              g_pTextureManager->GetTextureByName("intquest_uncle_eduardo"));
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(Picture(), "Engine/Inventory/Common/QuestTab", 8));
}

TEST_F(MenuTabsGoldenImageTest, TheMapsWhitePlaceNamesStandOnDarkParchment)
{
    world.Menu().SetCurrentTab(TAB_MAP);
    world.Frame(0, 0, false);
    const Platform::RgbaImage picture = Picture();
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Inventory/Common/MapTab", 8));
    // Under the line where a pointed place's name is printed, centred on 140.
    for (const double x : {110.0, 140.0, 170.0}) {
        for (const double y : {150.0, 154.0, 158.0}) {
            const uint32_t pixel = picture.At(Pixels(x), Pixels(y));
            const uint32_t brightest = std::max({pixel >> 24, (pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF});
            EXPECT_LT(brightest, 0x60u) << x << ", " << y;
        }
    }
}

} // namespace
