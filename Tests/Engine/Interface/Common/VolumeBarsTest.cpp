// The options tab's volume bars: the volume a click sets, the steps a volume
// lights and which master volume of the sound manager a click reaches.
#include "Interface/Common/VolumeBars.h"

#include "Common/VarIds.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"
#include "Support/ScopedSoundManager.h"

#include <gtest/gtest.h>

namespace {

using VolumeBars::Bar;

constexpr fx32 Units(double units)
{
    return static_cast<fx32>(units * FX32_ONE);
}

class VolumeBarsTest : public testing::Test {
protected:
    VolumeBarsTest() : m_oSavedVars(g_VarManager)
    {
        for (const Bar bar : VolumeBars::DRAW_ORDER)
            VolumeBars::SetMasterVolume(bar, FX32_ONE);
    }
    ~VolumeBarsTest() override
    {
        for (const Bar bar : VolumeBars::DRAW_ORDER)
            VolumeBars::SetMasterVolume(bar, FX32_ONE);
        g_VarManager = m_oSavedVars;
    }

    // A point `along` units into the bar, half-way down it.
    static CoreFxVec2 On(Bar bar, double along)
    {
        const CoreFxVec2 origin = VolumeBars::GetOrigin(bar);
        return {origin.x + Units(along), origin.y + Units(7.5)};
    }

private:
    VarSet m_oSavedVars;
    TestSupport::ScopedSoundManager m_oSound;
};

TEST_F(VolumeBarsTest, AClickSetsTheTenthItLiesInAndTheFirstHalfTenthMutes)
{
    const struct {
        double along;
        fx32 volume;
    } cases[] = {{0.01, 0},   {3, 0},     {4.9, 0},   {5, 409},      {7, 409},   {10, 819},
                 {19.9, 819}, {25, 1228}, {35, 1638}, {45, 2048},    {55, 2457}, {65, 2867},
                 {75, 3276},  {85, 3686}, {99, 4096}, {99.99, 4096}, {100, -1},  {250, -1}};
    const CoreFxVec2 origin = VolumeBars::GetOrigin(Bar::Music);
    for (const auto& oneCase : cases)
        EXPECT_EQ(VolumeBars::VolumeFromPoint(origin, On(Bar::Music, oneCase.along)), oneCase.volume) << oneCase.along;

    // The bar's height, edges excluded.
    const fx32 x = origin.x + Units(45);
    EXPECT_EQ(VolumeBars::VolumeFromPoint(origin, {x, origin.y}), -1);
    EXPECT_EQ(VolumeBars::VolumeFromPoint(origin, {x, origin.y + 1}), 2048);
    EXPECT_EQ(VolumeBars::VolumeFromPoint(origin, {x, origin.y + Units(15) - 1}), 2048);
    EXPECT_EQ(VolumeBars::VolumeFromPoint(origin, {x, origin.y + Units(15)}), -1);
}

TEST_F(VolumeBarsTest, AVolumeLightsItsNearestTenth)
{
    const struct {
        fx32 volume;
        int32_t steps;
    } cases[] = {{0, 0}, {204, 0}, {205, 1}, {409, 1}, {1843, 4}, {1844, 5}, {2048, 5}, {4096, 10}};
    for (const auto& oneCase : cases)
        EXPECT_EQ(VolumeBars::LitSteps(oneCase.volume), oneCase.steps) << oneCase.volume;
    // Every volume a click sets lights as many steps as the click's tenth.
    for (int tenth = 0; tenth < VolumeBars::STEP_COUNT; ++tenth) {
        const fx32 volume =
            VolumeBars::VolumeFromPoint(VolumeBars::GetOrigin(Bar::Speech), On(Bar::Speech, tenth * 10 + 6));
        EXPECT_EQ(VolumeBars::LitSteps(volume), tenth + 1) << tenth;
    }
}

TEST_F(VolumeBarsTest, AClickSetsTheMasterVolumeOfItsBarOnlyAndMirrorsIt)
{
    const struct {
        Bar bar;
        fx32* master;
        int variable;
    } bars[] = {{Bar::Music, &SoundManager::m_fxMasterMusicVolume, VARINT_C_MASTER_MUSIC},
                {Bar::Ambient, &SoundManager::m_fxMasterAmbientVolume, VARINT_C_MASTER_AMBIENT},
                {Bar::Effects, &SoundManager::m_fxMasterEffectsVolume, VARINT_C_MASTER_EFFECTS},
                {Bar::Speech, &SoundManager::m_fxMasterSpeechVolume, VARINT_C_MASTER_SPEECHES}};
    for (const auto& clicked : bars) {
        EXPECT_TRUE(VolumeBars::Click(On(clicked.bar, 25))) << int(clicked.bar);
        for (const auto& other : bars)
            EXPECT_EQ(*other.master, other.bar == clicked.bar ? 1228 : FX32_ONE) << int(clicked.bar);
        EXPECT_EQ(g_VarManager.GetInt(clicked.variable), 30);
        // The same volume again changes nothing.
        EXPECT_FALSE(VolumeBars::Click(On(clicked.bar, 28)));
        VolumeBars::SetMasterVolume(clicked.bar, FX32_ONE);
    }
    // Left of the bars, between them and right of them: nothing.
    const CoreFxVec2 misses[] = {{Units(131), Units(50)}, {Units(150), Units(62)}, {Units(232), Units(50)}};
    for (const CoreFxVec2& miss : misses)
        EXPECT_FALSE(VolumeBars::Click(miss));
    for (const auto& bar : bars)
        EXPECT_EQ(*bar.master, FX32_ONE);
}

} // namespace
