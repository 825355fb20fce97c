#include "App/CoreApp.h"
#include "Effects/Common/EffectList.h"
#include "Effects/Common/ScreenColorEffect.h"
#include "Game/TwGame.h"
#include "Renderer/CoreRenderer.h"
#include "Support/ScopedNullGraphics.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t FRAME = 16;
constexpr fx32 FADE_OUT_DURATION = 0xB33; // 0.7 s

ScreenColorEffect& MakeFade(ScreenColorEffect& fade, uint32_t start, uint32_t end, fx32 duration)
{
    fade.Initialize();
    fade.SetColors(start, end);
    fade.SetDuration(duration);
    return fade;
}

TEST(ScreenColorEffectTest, TheFadeOutShowsItsEndOnThe45thUpdateAndStopsOnTheNext)
{
    ScreenColorEffect fade;
    MakeFade(fade, 0x00000000, 0x000000FF, FADE_OUT_DURATION).Start();
    EXPECT_EQ(fade.GetCurrentColor(), 0x00000000u);
    fade.Update(FRAME);
    // 16 ms is 65/4096 s: 65/2867 of the way, rounded to 93/4096, gives alpha 6.
    EXPECT_EQ(fade.GetCurrentColor(), 0x00000006u);
    uint32_t previous = fade.GetCurrentColor();
    for (int update = 2; update <= 44; ++update) {
        fade.Update(FRAME);
        EXPECT_FALSE(fade.IsFinished()) << update;
        EXPECT_GE(fade.GetCurrentColor(), previous) << update;
        EXPECT_LT(fade.GetCurrentColor(), 0x000000FFu) << update;
        previous = fade.GetCurrentColor();
    }
    fade.Update(FRAME);
    EXPECT_EQ(fade.GetCurrentColor(), 0x000000FFu);
    EXPECT_TRUE(fade.IsFinished());
    EXPECT_TRUE(fade.IsRunning()); // shown for one more frame
    fade.Update(FRAME);
    EXPECT_TRUE(fade.IsFinished());
    EXPECT_FALSE(fade.IsRunning());

    // Started again, it runs from its start.
    fade.Start();
    EXPECT_FALSE(fade.IsFinished());
    EXPECT_EQ(fade.GetCurrentColor(), 0x00000000u);
}

TEST(ScreenColorEffectTest, EveryChannelMovesTowardsItsEndEvenDownwards)
{
    ScreenColorEffect fade;
    // From opaque white to transparent black in one second, half-way.
    MakeFade(fade, 0xFFFFFFFF, 0x00000000, FX32_ONE).Start();
    fade.Update(500);
    EXPECT_EQ(fade.GetCurrentColor(), 0x80808080u);
}

TEST(ScreenColorEffectTest, ARunForAGivenDurationDoesNotChangeTheNextRuns)
{
    ScreenColorEffect fade;
    MakeFade(fade, 0, 0xFF, FADE_OUT_DURATION);
    const int32_t slot = g_oEffectList.Add(&fade);
    ASSERT_NE(slot, -1);
    fade.StartFor(FX32_ONE * 3);
    EXPECT_EQ(fade.GetDuration(), FX32_ONE * 3);
    fade.StartFor(FX32_ONE);
    Effect::StartEffect(slot);
    EXPECT_EQ(fade.GetDuration(), FADE_OUT_DURATION);
    EXPECT_TRUE(fade.IsRunning());
    g_oEffectList.Remove(&fade);
}

TEST(EffectListTest, EffectsAdvanceInTheirSlotsButNotWhileTheGameIsPaused)
{
    ScreenColorEffect fades[EffectList::SLOT_COUNT + 1];
    for (ScreenColorEffect& fade : fades)
        MakeFade(fade, 0, 0xFF, FX32_ONE);
    for (int32_t slot = 0; slot < EffectList::SLOT_COUNT; ++slot)
        ASSERT_EQ(g_oEffectList.Add(&fades[slot]), slot);
    // A full list gives no slot; that owner's starts do nothing.
    EXPECT_EQ(g_oEffectList.Add(&fades[EffectList::SLOT_COUNT]), -1);
    Effect::StartEffect(-1);
    Effect::StartEffect(EffectList::SLOT_COUNT);

    Effect::StartEffect(3);
    g_oTwGame.m_bPaused = 1;
    Effect::UpdateAll(FRAME);
    EXPECT_EQ(fades[3].GetElapsed(), 0);
    g_oTwGame.m_bPaused = 0;
    Effect::UpdateAll(FRAME);
    EXPECT_EQ(fades[3].GetElapsed(), 65);
    EXPECT_EQ(fades[4].GetElapsed(), 0); // not started, not advanced
    for (ScreenColorEffect& fade : fades)
        g_oEffectList.Remove(&fade);
    EXPECT_EQ(g_oEffectList.Get(3), nullptr);
}

// The fades draw through the application's renderer, here on the recording
// device.
class ScreenQuadTest : public testing::Test {
protected:
    void TearDown() override
    {
        if (g_pCoreApp) {
            g_pCoreApp->m_pRenderer = nullptr;
            delete g_pCoreApp;
            g_pCoreApp = nullptr;
        }
        m_renderer.Shutdown();
    }
    void MakeRenderer(uint32_t width, uint32_t height)
    {
        CoreRendererSettings settings;
        settings.m_uWidth = width;
        settings.m_uHeight = height;
        settings.m_uPrimitiveBufferSize = 768;
        ASSERT_TRUE(m_renderer.Initialize(settings));
        g_pCoreApp = new CoreApp();
        g_pCoreApp->m_pRenderer = &m_renderer;
    }
    size_t Draws() { return m_graphics.Recorder().Named("DrawPrimitiveUP").size(); }

    TestSupport::ScopedNullGraphics m_graphics;
    CoreRenderer m_renderer;
};

TEST_F(ScreenQuadTest, TheQuadCoversTheWholeWindowWithItsSideMargins)
{
    struct Case {
        uint32_t width;
        uint32_t height;
        float left;
        float right;
    };
    const Case CASES[] = {{1280, 960, 0.0f, 256.0f}, {1920, 1080, -42.67f, 298.67f}, {640, 480, 0.0f, 256.0f}};
    for (const Case& c : CASES) {
        MakeRenderer(c.width, c.height);
        ScreenColorEffect fade;
        MakeFade(fade, 0x000000FF, 0x00000000, FX32_ONE).Start();
        fade.Render();
        ASSERT_EQ(Draws(), 1u) << c.width;
        const CorePrimitiveVertex* vertices = m_renderer.GetPrimitiveBuffer();
        const float offset = m_renderer.GetHalfPixelOffsetX();
        EXPECT_NEAR(vertices[0].x + offset, c.left, 0.01f) << c.width;
        EXPECT_NEAR(vertices[2].x + offset, c.right, 0.01f) << c.width;
        EXPECT_NEAR(vertices[1].y + m_renderer.GetHalfPixelOffsetY(), 192.0f, 0.01f);
        EXPECT_EQ(vertices[0].colour, 0xFF000000u); // opaque black
        TearDown();
        m_graphics.Recorder().Clear();
    }
}

TEST_F(ScreenQuadTest, ATransparentOrStoppedFadeDrawsNothing)
{
    MakeRenderer(1280, 960);
    ScreenColorEffect fade;
    MakeFade(fade, 0xFFFFFF00, 0xFFFFFFFF, FX32_ONE);
    fade.Render(); // not started
    fade.Start();
    fade.Render(); // alpha 0
    EXPECT_EQ(Draws(), 0u);
    fade.Update(500);
    fade.Render();
    EXPECT_EQ(Draws(), 1u);
}

} // namespace
