// What the map and options tabs draw on the recording device: the island's
// picture and the pins, and the volume bars' steps.
#include "Engine/Interface/Common/MenuTabWorld.h"

#include "Common/VarIds.h"
#include "Interface/Common/InterfaceMap.h"
#include "Interface/Common/VolumeBars.h"
#include "Managers/Common/SoundManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using namespace MenuTabTest;

std::vector<DrawnQuad> WithTexture(const std::vector<DrawnQuad>& quads, uint64_t texture)
{
    std::vector<DrawnQuad> found;
    std::copy_if(quads.begin(), quads.end(), std::back_inserter(found),
                 [texture](const DrawnQuad& quad) { return quad.texture == texture; });
    return found;
}

class TabDrawingTest : public testing::Test {
protected:
    ~TabDrawingTest() override
    {
        for (const VolumeBars::Bar bar : VolumeBars::DRAW_ORDER)
            *Master(bar) = FX32_ONE;
    }
    static fx32* Master(VolumeBars::Bar bar)
    {
        switch (bar) {
        case VolumeBars::Bar::Music: return &SoundManager::m_fxMasterMusicVolume;
        case VolumeBars::Bar::Ambient: return &SoundManager::m_fxMasterAmbientVolume;
        case VolumeBars::Bar::Effects: return &SoundManager::m_fxMasterEffectsVolume;
        case VolumeBars::Bar::Speech: return &SoundManager::m_fxMasterSpeechVolume;
        }
        return nullptr;
    }

    MenuTabWorld m_world;
};

TEST_F(TabDrawingTest, EachBarLightsItsStepsUpToItsMasterVolume)
{
    const struct {
        VolumeBars::Bar bar;
        fx32 volume;
        int lit;
    } bars[] = {{VolumeBars::Bar::Music, 4096, 10},
                {VolumeBars::Bar::Ambient, 0, 0},
                {VolumeBars::Bar::Effects, 1228, 3},
                {VolumeBars::Bar::Speech, 1843, 4}};
    for (const auto& bar : bars)
        *Master(bar.bar) = bar.volume;
    m_world.ShowTab(TAB_OPTIONS);
    const std::vector<DrawnQuad> quads = m_world.DrawQuads();
    const std::vector<DrawnQuad> lit = WithTexture(quads, m_world.TextureId("s_options_vol_on"));
    const std::vector<DrawnQuad> unlit = WithTexture(quads, m_world.TextureId("s_options_vol_off"));
    ASSERT_EQ(lit.size() + unlit.size(), 40u);
    size_t nextLit = 0;
    size_t nextUnlit = 0;
    for (const auto& bar : bars) {
        const CoreFxVec2 origin = VolumeBars::GetOrigin(bar.bar);
        for (int step = 0; step < VolumeBars::STEP_COUNT; ++step) {
            const DrawnQuad& quad = step < bar.lit ? lit.at(nextLit++) : unlit.at(nextUnlit++);
            EXPECT_FLOAT_EQ(quad.x, float(origin.x / U + 10 * step)) << int(bar.bar) << " " << step;
            EXPECT_FLOAT_EQ(quad.y, float(origin.y / U)) << int(bar.bar) << " " << step;
            EXPECT_FLOAT_EQ(quad.width, 8.0f);
        }
    }
}

TEST_F(TabDrawingTest, TheIslandIsCentredUnderItsPinsAndTheLitPinStandsInForItsOwn)
{
    g_VarManager.SetBool(VARBOOL_ACTIVE_MAP, 1);
    g_VarManager.SetBool(VARBOOL_BO_MAP_MK_ALL, 1);
    g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(KID));
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
    g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, 0);
    m_world.Menu().GetMap().UpdateMap();
    m_world.ShowTab(TAB_MAP);
    const CoreFxVec2 pin = m_world.Menu().GetMap().GetPin(2).GetCenter();
    m_world.Frame(pin.x, pin.y, false);
    ASSERT_EQ(m_world.Menu().GetMap().GetHoveredLocation(), 2);

    const std::vector<DrawnQuad> quads = m_world.DrawQuads();
    const std::vector<DrawnQuad> island = WithTexture(quads, m_world.TextureId("s_map_bounty"));
    ASSERT_EQ(island.size(), 1u);
    // 640 x 480 pixels, 128 x 96 units around (140, 96).
    EXPECT_FLOAT_EQ(island[0].x, 76.0f);
    EXPECT_FLOAT_EQ(island[0].y, 48.0f);
    EXPECT_FLOAT_EQ(island[0].width, 128.0f);
    EXPECT_FLOAT_EQ(island[0].height, 96.0f);
    // The background, then the island, then the pins over it.
    ASSERT_GE(quads.size(), 5u);
    EXPECT_EQ(quads[0].texture, m_world.TextureId("s_gen_screen_bg"));
    EXPECT_EQ(quads[1].texture, island[0].texture);

    const std::vector<DrawnQuad> pins = WithTexture(quads, m_world.TextureId("map_pin_off"));
    const std::vector<DrawnQuad> lit = WithTexture(quads, m_world.TextureId("map_pin_on"));
    ASSERT_EQ(pins.size(), 2u);
    ASSERT_EQ(lit.size(), 1u);
    const std::span<const MapThumbDesc> descs = MapThumb::GetThumbDescs();
    EXPECT_FLOAT_EQ(pins[0].x, float(descs[0].m_fxX / U));
    EXPECT_FLOAT_EQ(pins[1].y, float(descs[4].m_fxY / U));
    EXPECT_FLOAT_EQ(lit[0].x, float(descs[2].m_fxX / U));
    EXPECT_FLOAT_EQ(lit[0].y, float(descs[2].m_fxY / U));

    // An island past the last map: no picture.
    g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, 5);
    m_world.Menu().GetMap().UpdateMap();
    EXPECT_TRUE(WithTexture(m_world.DrawQuads(), m_world.TextureId("s_map_bounty")).empty());
}

} // namespace
