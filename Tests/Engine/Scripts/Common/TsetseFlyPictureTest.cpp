// The tsetse-fly picture (scene 55): the map is closed while it is shown,
// and a click anywhere, from the first frame the player has the game, leads
// back to the living room whatever the story holds.
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/ActorIds.h"
#include "Common/SceneObjectNames.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t TSETSE_FLY = 55;
constexpr int32_t LIVING_ROOM = 21;

using Object = NamedObject<SceneTableRows::s_aObjects_bg814_55>;

using TsetseFlyPictureTest = SceneScriptTest;

TEST_F(TsetseFlyPictureTest, AClickFromTheFirstFreeFrameLeadsBackToTheLivingRoomWhichKeepsTheMapClosed)
{
    // Opened by the book in chapter 5, or later from a saved game.
    for (const int32_t iChapter : {5, 6, 10}) {
        g_VarManager.SetBool(VARBOOL_ACTIVE_MAP, 1);
        EnterInChapter(TSETSE_FLY, iChapter, LIVING_ROOM);
        EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 0) << iChapter;
        ASSERT_FALSE(manager.IsBusy()) << iChapter;
        Activate(Object("clique"));
        EXPECT_EQ(NextScene(), LIVING_ROOM) << iChapter;
        // The living room closes the map on every entry of its own.
        EnterInChapter(LIVING_ROOM, iChapter, TSETSE_FLY);
        EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 0) << iChapter;
    }
}

// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using TsetseFlyPictureGoldenImageTest = SampleSceneScriptTest;

TEST_F(TsetseFlyPictureGoldenImageTest, TheFlyOnItsPageOfTheBook)
{
    Enter(TSETSE_FLY, 5, Id::GetActorId("tavrine"));
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/TsetseFlyPicture", TOLERANCE));
}

} // namespace
