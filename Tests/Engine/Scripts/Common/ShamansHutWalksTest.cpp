// The shaman's hut as the game loads it: in from the square she reaches every
// place a handler walks her to; the woven grid starts to fall and to rise in
// the very frame in which she straightens up, with no wait between; and the
// hut in chapter 10 with the mattress aside and the spirit egg in the open
// trap looks as it should.
#include "Adventure/Common/Actor.h"
#include "Adventure/Common/Entity.h"
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/SceneIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/Scene.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId SHAMANS_HUT = 50;
constexpr int32_t ALTAR_HOUSE_SQUARE = 45;
constexpr int32_t TRAP_CLOSE_UP = 51;
constexpr int32_t WP_INSIDE = 2;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

constexpr int32_t GRID_FALLING = static_cast<int32_t>(0xbb3c54b9);
constexpr int32_t GRID_RISING = static_cast<int32_t>(0x6861221e);

using Object = NamedObject<SceneTableRows::s_aObjects_bg511_50>;

class ShamansHutWalksTest : public SampleSceneWalkTest {
protected:
    void ComeIn(int32_t iFrom)
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, iFrom);
        Enter(SHAMANS_HUT, 10, m_uHeroine);
    }
    // Back from the close-up with the trap open and its word said.
    void BackAtTheOpenTrap()
    {
        for (const int32_t iFlag :
             {VARBOOL_BG511_C10_MATTRESS_OPEN, VARBOOL_BG511_C10_SECRET_TRAP_OPEN, VARBOOL_BG511_C10_AFTER_CLOSE_UP})
            Set(iFlag);
        ComeIn(TRAP_CLOSE_UP);
    }
    // Fires the event and runs frames until the grid shows the sprite; the
    // heroine's animation in that frame (0: the grid never showed it).
    int32_t HeroinesAnimationWhenTheGridShows(const EventDesc& oEvent, int32_t iGridSprite)
    {
        auto* pGrid = dynamic_cast<Entity*>(m_manager.FindScriptable(Object("fx_grid")));
        auto* pActor = dynamic_cast<Actor*>(m_manager.FindActorScriptable(m_uHeroine));
        const Character* pHeroine = pActor != nullptr ? pActor->GetCharacter() : nullptr;
        EXPECT_TRUE(pGrid != nullptr && pHeroine != nullptr);
        if (pGrid == nullptr || pHeroine == nullptr)
            return 0;
        const int32_t iIndex = pGrid->GetSpriteIndex(iGridSprite);
        EXPECT_NE(iIndex, -1);
        // The walk before has ended.
        for (int frame = 0; frame < 1900 && m_manager.IsBusy(); ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
        EXPECT_TRUE(m_manager.FireEvent(oEvent));
        for (int frame = 0; frame < 1900; ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
            if (pGrid->m_iCurrentSprite == iIndex)
                return pHeroine->GetCurrentAnimationId();
        }
        return 0;
    }
};

TEST_F(ShamansHutWalksTest, SheComesInAndReachesEveryPlaceHerScriptWalksHerTo)
{
    ComeIn(ALTAR_HOUSE_SQUARE);
    ExpectHeroineReachesHerWalks(WP_INSIDE, WP_INSIDE, 14);
}

TEST_F(ShamansHutWalksTest, TheGridFallsAndRisesInTheFrameSheStraightensUp)
{
    BackAtTheOpenTrap();
    EXPECT_EQ(HeroinesAnimationWhenTheGridShows(OnCallback(0x7486af5a), GRID_FALLING),
              Id::GetAnimationId(m_uHeroine, "takeegg04"));
    EXPECT_EQ(HeroinesAnimationWhenTheGridShows(
                  ScriptEvent_ItemOnObject3(Object("secret_trap_open"), ItemIdOf("ITEM_BIRD_EGG")), GRID_RISING),
              Id::GetAnimationId(m_uHeroine, "putegg04"));
}

TEST_F(ShamansHutWalksTest, TheSpiritEggInTheOpenTrapInChapterTen)
{
    CoreRandom::Init(7);
    BackAtTheOpenTrap();
    ASSERT_EQ(m_scene->m_iNumCharacters, 1);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/ShamansHutChapter10", TOLERANCE));
}

} // namespace
