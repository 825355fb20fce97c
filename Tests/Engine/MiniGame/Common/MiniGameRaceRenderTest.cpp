// The race's drawing on the recording renderer, with the kit's test pack
// giving the obstacle pictures: which elements are on screen, and the
// mirroring of the pool's shared sprites.
#include "DataPack/DkDataPackBinding.h"
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Managers/Common/PackageResource.h"
#include "Managers/Common/ResourceManager.h"
#include "MiniGame/Common/MiniGameRace.h"
#include "MiniGame/Common/SpritePool.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <gtest/gtest.h>

namespace {

using namespace MiniGameTest;

constexpr int32_t KIND_NB = 2;

class MiniGameRaceRenderTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        pack = ResourceManager::GetInstance()->LoadPackage("MiniGame/MG_KitTest.twscene.dr");
        ASSERT_NE(pack, nullptr);
        ASSERT_TRUE(DkDataPackBinding::BindPack(dataPack, pack->Buffer(), pack->Size(), "MG_KitTest"));
        MGSprite::ClearPoolCounts();
        ASSERT_TRUE(MGSprite::RegisterSpriteName(LIFE_ID, "", "mg_kit_life"));
        ASSERT_TRUE(pool.Initialize(KIND_NB));
        for (int32_t kind = 0; kind < KIND_NB; ++kind) {
            for (int32_t copy = 0; copy < SpritePool::POOL_SIZE; ++copy) {
                MGSprite& sprite = *pool.GetSprite(kind, copy);
                ASSERT_TRUE(sprite.InitializeFromId(LIFE_ID, false));
                sprite.SetPivotCentered();
            }
        }
        ASSERT_TRUE(race.Initialize(&pool));
        log.Take();
    }
    void TearDown() override
    {
        race.FreePatterns();
        race.Shutdown();
        for (int32_t kind = KIND_NB - 1; kind >= 0; --kind) {
            for (int32_t copy = 0; copy < SpritePool::POOL_SIZE; ++copy)
                pool.GetSprite(kind, copy)->Shutdown();
        }
        pool.Shutdown();
        MGSprite::ShutdownPoolSystem();
        DkDataPackBinding::UnbindPack(dataPack);
        world.TearDown();
        NullRendererTest::TearDown();
    }

    size_t Draws()
    {
        const size_t before = m_graphics.Recorder().Named("DrawPrimitiveUP").size();
        EXPECT_TRUE(m_renderer.BeginFrame());
        race.Render();
        m_renderer.EndFrame();
        return m_graphics.Recorder().Named("DrawPrimitiveUP").size() - before;
    }

    TestSupport::LogCapture log;
    MiniGameWorld world;
    PackageResource* pack = nullptr;
    DataPack dataPack;
    SpritePool pool;
    MiniGameRace race;
};

TEST_F(MiniGameRaceRenderTest, OnlyElementsOverlappingTheScreenAreDrawnAndTheOthersStay)
{
    const MGSprite& sprite = *pool.GetSprite(0, 0);
    const fx32 height = sprite.GetSize().y;
    const fx32 pivot = sprite.GetPivot().y;
    ASSERT_GT(height, 0);
    struct Case {
        fx32 y;
        bool drawn;
    };
    const Case cases[] = {
        {pivot - height, false},     // its bottom edge on the screen's top
        {pivot - height + 1, true},  // one 4096th of it on screen
        {U * 96, true},              // the middle
        {U * 192 + pivot - 1, true}, // its top one 4096th above the bottom
        {U * 192 + pivot, false},    // its top on the bottom edge
        {U * 2000, false},           // long passed
        {-U * 4000, false},          // far ahead
    };
    for (const Case& c : cases) {
        race.ResetPatternSlots();
        race.GetElements()[7] = {U * 128, c.y, 0, 3, 0};
        EXPECT_EQ(Draws(), c.drawn ? 1u : 0u) << "y " << c.y;
        EXPECT_EQ(race.GetElements()[7].m_iKind, 0) << "elements are not recycled";
    }
    race.ResetPatternSlots();
    for (int32_t i = 0; i < static_cast<int32_t>(std::size(cases)); ++i)
        race.GetElements()[i * 100] = {U * 128, cases[i].y, 0, i % SpritePool::POOL_SIZE, 0};
    EXPECT_EQ(Draws(), 3u);
    EXPECT_EQ(log.Take(), "");
}

TEST_F(MiniGameRaceRenderTest, MirroredElementsSetTheSignOfTheirSpritesScale)
{
    MGSprite& sprite = *pool.GetSprite(1, 2);
    sprite.SetScale({2 * U, U});
    race.GetElements()[0] = {U * 100, U * 90, 1, 2, 1};
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(Draws(), 1u);
        EXPECT_EQ(sprite.GetScale().x, -2 * U) << "pass " << pass;
        EXPECT_EQ(sprite.GetScale().y, U);
    }
    race.GetElements()[0].m_iOrientation = 0;
    EXPECT_EQ(Draws(), 1u);
    EXPECT_EQ(sprite.GetScale().x, 2 * U);
    EXPECT_EQ(sprite.GetPivot().x, sprite.GetSize().x);
}

} // namespace
