#include "Adventure/Common/Scriptable.h"
#include "Adventure/Common/ScriptableServices.h"
#include "Effects/Common/EffectList.h"
#include "Effects/Common/ScreenColorEffect.h"
#include "Effects/Common/ScriptableEffect.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t FRAME = 16;
constexpr int32_t TARGET = 12;

// A scriptable that shows something: it keeps the alpha it is given.
class ShownScriptable final : public Scriptable {
public:
    void SetColorLowByte(uint8_t alpha) override { m_alphas.push_back(alpha); }
    std::vector<uint8_t> m_alphas;
};

// Finds the one target by its id.
class OneTarget final : public ScriptableServices {
public:
    Scriptable* FindScriptable(int32_t id) override { return id == TARGET && m_bPresent ? &m_target : nullptr; }
    void SetWalkMeshBlocker(int32_t, bool) override { }
    void StartScriptableEffect(int32_t, int32_t, int32_t) override { }
    void StopFirstScriptableEffect() override { }

    ShownScriptable m_target;
    bool m_bPresent = true;
};

class ScriptableEffectTest : public testing::Test {
protected:
    void SetUp() override { SetScriptableServices(&m_services); }
    void TearDown() override
    {
        ScriptableEffect::StopAll();
        SetScriptableServices(nullptr);
    }
    // Advances the effect list as the update pass does.
    static void Frames(int count, uint32_t dt = FRAME)
    {
        for (int frame = 0; frame < count; ++frame)
            Effect::UpdateAll(dt);
    }
    static int Running()
    {
        int running = 0;
        for (int32_t index = 0; index < ScriptableEffect::POOL_SIZE; ++index)
            running += ScriptableEffect::GetPooled(index).IsRunning() ? 1 : 0;
        return running;
    }

    OneTarget m_services;
};

TEST_F(ScriptableEffectTest, ABlinkTogglesEverySeventhUpdateAndEndsVisible)
{
    ScriptableEffect::StartFader(TARGET, ScriptableEffect::KIND_BLINK, 1000);
    std::vector<int> toggles;
    bool visible = m_services.m_target.IsVisible();
    for (int update = 1; Running() != 0; ++update) {
        ASSERT_LT(update, 100);
        Frames(1);
        if (m_services.m_target.IsVisible() != visible)
            toggles.push_back(update);
        visible = m_services.m_target.IsVisible();
    }
    // An update adds 65/4096 s: the 64th passes 1 s and shows the target.
    const std::vector<int> expected = {1, 8, 15, 22, 29, 36, 43, 50, 57, 64};
    EXPECT_EQ(toggles, expected);
    EXPECT_TRUE(m_services.m_target.IsVisible());
}

TEST_F(ScriptableEffectTest, AFadeInRisesToOpaqueAndLeavesTheList)
{
    ScriptableEffect::StartFader(TARGET, ScriptableEffect::KIND_FADE_IN, 100);
    const ScriptableEffect& effect = ScriptableEffect::GetPooled(0);
    ASSERT_TRUE(effect.IsRunning());
    EXPECT_NE(g_oEffectList.Get(0), nullptr);
    Frames(10);
    const std::vector<uint8_t>& alphas = m_services.m_target.m_alphas;
    ASSERT_EQ(alphas.size(), 7u); // 409/4096 s at 65 a frame
    for (size_t index = 1; index < alphas.size(); ++index)
        EXPECT_GT(alphas[index], alphas[index - 1]);
    EXPECT_EQ(alphas.back(), 255);
    EXPECT_FALSE(effect.IsRunning());
    for (int32_t slot = 0; slot < EffectList::SLOT_COUNT; ++slot)
        EXPECT_NE(g_oEffectList.Get(slot), &effect);
}

TEST_F(ScriptableEffectTest, AFadeNeverWrapsToTransparentWhenItsShareRoundsToWhole)
{
    // A long fade-in whose last step is within rounding of its end, and a
    // long fade-out whose first step is within rounding of its start.
    ScriptableEffect::StartFader(TARGET, ScriptableEffect::KIND_FADE_IN, 100000);
    Frames(1, 99990);
    ScriptableEffect::StopAll();
    ScriptableEffect::StartFader(TARGET, ScriptableEffect::KIND_FADE_OUT, 100000);
    Frames(1, 1);
    EXPECT_EQ(m_services.m_target.m_alphas, std::vector<uint8_t>({255, 255}));
}

TEST_F(ScriptableEffectTest, WithoutAFreeListSlotTheFaderEndsAtOnce)
{
    ScreenColorEffect fillers[EffectList::SLOT_COUNT];
    int32_t added = 0;
    for (ScreenColorEffect& filler : fillers)
        added += g_oEffectList.Add(&filler) != -1 ? 1 : 0;
    ASSERT_GT(added, 0);
    m_services.m_target.SetVisible(0);
    TestSupport::LogCapture capture;
    ScriptableEffect::StartFader(TARGET, ScriptableEffect::KIND_FADE_OUT, 500);
    ScriptableEffect::StartFader(TARGET, ScriptableEffect::KIND_BLINK, 500);
    const std::string log = capture.Take();
    for (ScreenColorEffect& filler : fillers)
        g_oEffectList.Remove(&filler);
    EXPECT_NE(log.find("No free effect slot: the effect 2 on 12 ends at once\n"), std::string::npos) << log;
    EXPECT_EQ(m_services.m_target.m_alphas, std::vector<uint8_t>({0}));
    EXPECT_TRUE(m_services.m_target.IsVisible());
    EXPECT_EQ(Running(), 0); // the pool is not used up
}

TEST_F(ScriptableEffectTest, ThePoolHoldsSixteenAndStopsTheFirstOnRequest)
{
    ScriptableEffect::StartFader(-1, ScriptableEffect::KIND_FADE_IN, 500);
    EXPECT_EQ(Running(), 0);
    for (int count = 0; count < ScriptableEffect::POOL_SIZE + 1; ++count)
        ScriptableEffect::StartFader(TARGET, ScriptableEffect::KIND_BLINK, 0);
    EXPECT_EQ(Running(), ScriptableEffect::POOL_SIZE);
    ScriptableEffect::StopFirst();
    EXPECT_EQ(Running(), ScriptableEffect::POOL_SIZE - 1);
    EXPECT_FALSE(ScriptableEffect::GetPooled(0).IsRunning());
    // A blink without a duration goes on until it is stopped.
    Frames(200);
    EXPECT_EQ(Running(), ScriptableEffect::POOL_SIZE - 1);
}

TEST_F(ScriptableEffectTest, AnEffectWhoseTargetIsGoneWaitsToBeStopped)
{
    ScriptableEffect::StartFader(TARGET, ScriptableEffect::KIND_FADE_OUT, 100);
    m_services.m_bPresent = false;
    Frames(20);
    EXPECT_TRUE(ScriptableEffect::GetPooled(0).IsRunning());
    EXPECT_TRUE(m_services.m_target.m_alphas.empty());
}

} // namespace
