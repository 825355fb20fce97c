#include "ScriptEngine/common/MapThumb.h"

#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "Managers/Common/VarManager.h"

#include <iterator>

MapThumbDesc MapThumb::s_aThumbDescs[NB_MAP_THUMBS] = {};
MatchExpr MapThumb::s_oCommonCondition;

namespace {

constexpr uint32_t KID = ActorIdOf("tavrine_kid");
constexpr uint32_t HEROINE = ActorIdOf("tavrine");

struct ThumbRow {
    uint32_t m_uPlayingCharacter;
    uint16_t m_uChapter;
    int32_t m_iFlag;
    uint32_t m_uNameTextId;
    int32_t m_iX;
    int32_t m_iY;
    uint32_t m_uSceneId;
    uint32_t m_uIslandMap;
};

// {playing character, chapter, flag that opens it, name text, pin x, pin y,
// destination scene, island}. The kid's three locations on the island map
// (scene 56) animate her route from where she stands and go on from there.
const ThumbRow s_aThumbRows[] = {
    {KID, 1, VARBOOL_BO_MAP_MK_ALL, 0xb9f36523, 157, 112, 10, 0},                  // bg102_BO_CastilloHouseExterior
    {KID, 1, VARBOOL_BO_MAP_BG103, 0x014f0246, 162, 64, 56, 0},                    // bg901_BountyIslandMap
    {KID, 1, VARBOOL_BO_MAP_MK_ALL, 0x014f0246, 162, 64, 11, 0},                   // bg103_BO_FlatTopHill
    {KID, 1, VARBOOL_BO_MAP_BG104, 0x9c983aff, 142, 92, 56, 0},                    // bg901_BountyIslandMap
    {KID, 1, VARBOOL_BO_MAP_MK_ALL, 0x9c983aff, 142, 92, 12, 0},                   // bg104_BO_Fork
    {KID, 1, VARBOOL_BO_MAP_BG102, 0xb9f36523, 157, 112, 56, 0},                   // bg901_BountyIslandMap
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_BO_MAP_BASE, 0xb9f36523, 157, 112, 20, 0},  // bg112_BO_CastilloHouseExterior_A
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_BO_MAP_BASE, 0x014f0246, 162, 64, 11, 0},   // bg103_BO_FlatTopHill
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_BO_MAP_BASE, 0x9c983aff, 142, 92, 12, 0},   // bg104_BO_Fork
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_BO_MAP_BASE, 0x24245d9a, 75, 79, 13, 0},    // bg105_BO_Docks
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_BO_MAP_BASE, 0x8e2d9511, 117, 82, 15, 0},   // bg107_BO_TownhallExterior
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_BO_MAP_BG110, 0x2e9a8418, 92, 50, 17, 0},   // bg110_BO_BriscoesHouseExterior
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_CR_MAP_BASE, 0x57cfe5fb, 142, 110, 22, 1},  // bg201_CR_Docks
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_CR_MAP_BG203, 0xfdc62d70, 142, 77, 24, 1},  // bg203_CR_GraveyardOfTheAncients
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_CR_MAP_BG204, 0x601115c9, 92, 122, 25, 1},  // bg204_CR_DrakesOfficeExterior
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_HO_MAP_BASE, 0x1c61834c, 147, 112, 28, 2},  // bg301_HO_Jety
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_HO_MAP_BASE, 0x0ed42ca2, 147, 87, 29, 2},   // bg302_HO_TownSquareA
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_HO_MAP_BG304, 0x2bbf737e, 110, 87, 31, 2},  // bg304_HO_TownSquareC
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_HO_MAP_BG307, 0x390adc90, 69, 54, 34, 2},   // bg307_HO_DarkBeach
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_HO_MAP_BG309, 0xd9d5aba3, 82, 80, 36, 2},   // bg309_HO_VoodooVillage
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_TA_MAP_BASE, 0x00abc3ae, 40, 54, 39, 3},    // bg401_TA_JetyAndCliff
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_TA_MAP_BG402, 0x121e6c40, 62, 80, 40, 3},   // bg402_TA_BucksPlace
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_TA_MAP_BG403, 0xaaa20b25, 132, 82, 41, 3},  // bg403_TA_CarminesMonument
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_TA_MAP_BG404, 0x3775339c, 177, 77, 42, 3},  // bg404_TA_BurialChamber
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_TU_MAP_BASE, 0xd12dc476, 92, 52, 43, 4},    // bg501_TU_BeautyBay
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_TU_MAP_BG502, 0xc3986b98, 117, 60, 44, 4},  // bg502_TU_Ruins1
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_TU_MAP_BG504, 0xe6f33444, 139, 47, 45, 4},  // bg504_TU_AltarHouseExterior
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_TU_MAP_BG506, 0x4cfafccf, 162, 87, 47, 4},  // bg506_TU_TurtleBeach
    {HEROINE, MAP_ANY_CHAPTER, VARBOOL_TU_MAP_BG508, 0xac258bfc, 112, 102, 48, 4}, // bg508_TU_TurtlePath
};

static_assert(std::size(s_aThumbRows) == NB_MAP_THUMBS);

bool Holds(const MatchExpr& oCondition)
{
    return oCondition.EvalCondition(g_VarManager);
}

} // namespace

void MapThumb::InitThumbDescs()
{
    for (int index = 0; index < NB_MAP_THUMBS; ++index) {
        const ThumbRow& row = s_aThumbRows[index];
        s_aThumbDescs[index] = MapThumbDesc {row.m_uPlayingCharacter, row.m_uChapter,  MatchExpr::Bool(row.m_iFlag, 1),
                                             row.m_uNameTextId,       row.m_iX << 12,  row.m_iY << 12,
                                             row.m_uSceneId,          row.m_uIslandMap};
    }
    s_oCommonCondition = MatchExpr::Bool(VARBOOL_ACTIVE_MAP, 1);
}

bool MapThumb::IsVisible(const MapThumbDesc& oDesc)
{
    const bool bCharacter =
        Holds(MatchExpr::Int(VARINT_C_PLAYING_CHARACTER, Op_IntEqual, static_cast<int32_t>(oDesc.m_uPlayingCharacter)));
    const bool bChapter = oDesc.m_uChapter >= MAP_ANY_CHAPTER ||
                          Holds(MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntEqual, oDesc.m_uChapter));
    const bool bIsland =
        Holds(MatchExpr::Int(VARINT_LOCAL_ISLAND_MAP, Op_IntEqual, static_cast<int32_t>(oDesc.m_uIslandMap)));
    return bCharacter && bChapter && bIsland;
}

bool MapThumb::IsActive(const MapThumbDesc& oDesc)
{
    return Holds(oDesc.m_oCondition);
}
