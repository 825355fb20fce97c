// The map tab: which pins show, lighting one, travelling by a second release
// and the island's picture.
#include "Engine/Interface/Common/MenuTabWorld.h"

#include "Common/VarIds.h"
#include "Interface/Common/InterfaceMap.h"
#include "Managers/Common/ScriptManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

using namespace MenuTabTest;

// The kid's locations of chapter one on the first island, opened together:
// 0 leads to scene 10, 2 to scene 11, 4 to scene 12.
constexpr int32_t OPEN_LOCATIONS[] = {0, 2, 4};
constexpr fx32 AWAY_X = 250 * U;
constexpr fx32 AWAY_Y = 185 * U;

class MapTabTest : public testing::Test {
protected:
    MapTabTest()
    {
        g_VarManager.SetBool(VARBOOL_ACTIVE_MAP, 1);
        g_VarManager.SetBool(VARBOOL_BO_MAP_MK_ALL, 1);
        g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(KID));
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
        g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, 0);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 17);
        m_world.ShowTab(TAB_MAP);
        Away(false);
    }

    InterfaceMap& Map() { return m_world.Menu().GetMap(); }
    CoreFxVec2 PinCentre(int32_t iLocation) { return Map().GetPin(iLocation).GetCenter(); }
    void Away(bool bButton) { m_world.Frame(AWAY_X, AWAY_Y, bButton); }
    void At(const CoreFxVec2& point, bool bButton) { m_world.Frame(point.x, point.y, bButton); }

    MenuTabWorld m_world;
};

TEST_F(MapTabTest, OnlyTheOpenLocationsShowAPinAtTheirPlace)
{
    for (int32_t iLocation = 0; iLocation < NB_MAP_THUMBS; ++iLocation) {
        const bool bOpen =
            std::find(std::begin(OPEN_LOCATIONS), std::end(OPEN_LOCATIONS), iLocation) != std::end(OPEN_LOCATIONS);
        EXPECT_EQ(Map().GetPin(iLocation).m_bVisible != 0, bOpen) << iLocation;
        EXPECT_EQ(Map().GetPin(iLocation).m_fxX, MapThumb::GetThumbDescs()[iLocation].m_fxX) << iLocation;
    }
    // A pin has the size of its picture (40 pixels).
    EXPECT_EQ(Map().GetPin(0).m_fxWidth, 8 * U);
    // Without the map's own condition nothing shows.
    g_VarManager.SetBool(VARBOOL_ACTIVE_MAP, 0);
    Away(false);
    for (const int32_t iLocation : OPEN_LOCATIONS)
        EXPECT_FALSE(Map().GetPin(iLocation).m_bVisible) << iLocation;
}

TEST_F(MapTabTest, AReleaseOnAnUnlitPinLightsItAndASecondOneTravels)
{
    const CoreFxVec2 pin = PinCentre(0);
    // Held away, released on the pin: it only lights.
    Away(true);
    At(pin, false);
    EXPECT_EQ(Map().GetHoveredLocation(), 0);
    EXPECT_FALSE(g_oScriptManager.IsChangePending());
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), 17);
    EXPECT_FALSE(m_world.Log().Contains("Action \"Map\""));

    m_world.Draw();
    EXPECT_FALSE(m_world.Services().mainText.glyphs.empty());
    EXPECT_EQ(m_world.Services().mainText.glyphs[0].colour, 0xFFFFFFFFu);

    At(pin, true);
    At(pin, false);
    // The scene variables change before the scene change starts.
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 17);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), 10);
    EXPECT_TRUE(g_oScriptManager.IsChangePending());
    EXPECT_EQ(g_oScriptManager.GetNextSceneId(), 10);
    EXPECT_EQ(Map().GetHoveredLocation(), InterfaceMap::NO_LOCATION);
    EXPECT_TRUE(m_world.Log().Contains("]:Action \"Map\" on \"0\"\n"));

    // While the change is pending the map takes no input.
    const CoreFxVec2 other = PinCentre(2);
    At(other, false);
    At(other, true);
    At(other, false);
    EXPECT_EQ(g_oScriptManager.GetNextSceneId(), 10);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), 10);
    EXPECT_EQ(m_world.ApplySceneChange(), 10);
}

TEST_F(MapTabTest, APinWhoseLocationClosesCanNeitherLightNorTravel)
{
    const CoreFxVec2 pin = PinCentre(2);
    At(pin, false);
    ASSERT_EQ(Map().GetHoveredLocation(), 2);
    g_VarManager.SetBool(VARBOOL_BO_MAP_MK_ALL, 0);
    At(pin, true);
    At(pin, false);
    EXPECT_FALSE(Map().GetPin(2).m_bVisible);
    EXPECT_EQ(Map().GetHoveredLocation(), InterfaceMap::NO_LOCATION);
    EXPECT_FALSE(g_oScriptManager.IsChangePending());
    m_world.Draw();
    EXPECT_TRUE(m_world.Services().mainText.glyphs.empty());
}

TEST_F(MapTabTest, TheIslandVariableChoosesTheMapAndOnePastTheLastIsRefused)
{
    const struct {
        int32_t value;
        int32_t map;
        bool accepted;
    } cases[] = {{-3, 0, true},
                 {0, 0, true},
                 {1, 1, true},
                 {4, 4, true},
                 {5, InterfaceMap::NO_MAP, false},
                 {2, 2, true},
                 {1000, InterfaceMap::NO_MAP, false}};
    for (const auto& oneCase : cases) {
        g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, oneCase.value);
        m_world.Log().Take();
        EXPECT_EQ(Map().UpdateMap(), oneCase.accepted) << oneCase.value;
        EXPECT_EQ(Map().GetCurrentMap(), oneCase.map) << oneCase.value;
        EXPECT_EQ(m_world.Log().Contains("condition: iMapId >= MAP_FIRST && iMapId <= MAP_LAST\n"), !oneCase.accepted)
            << oneCase.value;
        // Drawing without a picture is sound.
        m_world.Draw();
    }
}

} // namespace
