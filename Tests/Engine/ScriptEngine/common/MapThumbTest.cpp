// The map's travel locations: where they lead, and when they are visible and
// active.
#include "ScriptEngine/common/MapThumb.h"

#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Managers/Common/VarManager.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t KID = ActorIdOf("tavrine_kid");
constexpr uint32_t HEROINE = ActorIdOf("tavrine");
constexpr int32_t ISLAND_MAP_SCENE = 56;

class MapThumbTest : public testing::Test {
protected:
    MapThumbTest()
    {
        m_oSaved = g_VarManager;
        g_VarManager = VarSet {};
        MapThumb::InitThumbDescs();
    }
    ~MapThumbTest() override { g_VarManager = m_oSaved; }

    static void Place(uint32_t uCharacter, int32_t iChapter, int32_t iIsland)
    {
        g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(uCharacter));
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, iIsland);
    }

private:
    VarSet m_oSaved;
};

TEST_F(MapThumbTest, EveryLocationLeadsToAnIslandSceneFromAPinOnTheMap)
{
    const std::span<const MapThumbDesc> descs = MapThumb::GetThumbDescs();
    ASSERT_EQ(descs.size(), 29u);
    for (size_t index = 0; index < descs.size(); ++index) {
        const MapThumbDesc& desc = descs[index];
        EXPECT_NE(Id::GetSceneDesc(static_cast<int>(desc.m_uSceneId)), nullptr) << index;
        EXPECT_LE(desc.m_uIslandMap, 4u) << index;
        EXPECT_GT(desc.m_fxX, 0) << index;
        EXPECT_LT(desc.m_fxX, 256 << 12) << index;
        EXPECT_GT(desc.m_fxY, 0) << index;
        EXPECT_LT(desc.m_fxY, 192 << 12) << index;
        EXPECT_EQ(desc.m_oCondition.m_iType, NodeType_Condition) << index;
        // Only the kid's locations belong to a chapter, and only hers go by
        // the island map.
        const bool bKid = desc.m_uPlayingCharacter == KID;
        EXPECT_TRUE(bKid || desc.m_uPlayingCharacter == HEROINE) << index;
        EXPECT_EQ(desc.m_uChapter, bKid ? 1 : MAP_ANY_CHAPTER) << index;
        if (desc.m_uSceneId == ISLAND_MAP_SCENE) {
            EXPECT_TRUE(bKid) << index;
        }
    }
}

TEST_F(MapThumbTest, ALocationIsVisibleForItsCharacterChapterAndIslandAndActiveByItsFlag)
{
    const std::span<const MapThumbDesc> descs = MapThumb::GetThumbDescs();
    const MapThumbDesc& kidsHouse = descs[0];
    const MapThumbDesc& turtlePath = descs[28];
    struct Case {
        uint32_t uCharacter;
        int32_t iChapter;
        int32_t iIsland;
        bool bKidsHouse;
        bool bTurtlePath;
    } const cases[] = {
        {KID, 1, 0, true, false},      {KID, 2, 0, false, false},    {KID, 1, 4, false, false},
        {HEROINE, 1, 0, false, false}, {HEROINE, 9, 4, false, true}, {HEROINE, 2, 4, false, true},
        {HEROINE, 9, 3, false, false}, {KID, 9, 4, false, false},
    };
    for (const Case& c : cases) {
        Place(c.uCharacter, c.iChapter, c.iIsland);
        EXPECT_EQ(MapThumb::IsVisible(kidsHouse), c.bKidsHouse) << c.iChapter << " " << c.iIsland;
        EXPECT_EQ(MapThumb::IsVisible(turtlePath), c.bTurtlePath) << c.iChapter << " " << c.iIsland;
    }

    EXPECT_FALSE(MapThumb::IsActive(turtlePath));
    g_VarManager.SetBool(VARBOOL_TU_MAP_BG508, 1);
    EXPECT_TRUE(MapThumb::IsActive(turtlePath));
    EXPECT_FALSE(MapThumb::IsActive(kidsHouse));

    // The map as a whole is open while it is active.
    EXPECT_FALSE(MapThumb::GetCommonCondition().EvalCondition(g_VarManager));
    g_VarManager.SetBool(VARBOOL_ACTIVE_MAP, 1);
    EXPECT_TRUE(MapThumb::GetCommonCondition().EvalCondition(g_VarManager));
}

} // namespace
