#pragma once
#include "Maths/Fx32.h"
#include "ScriptEngine/common/MatchExpression.h"

#include <cstdint>
#include <span>

// A travel location of the map tab: for whom and in which chapter it exists,
// the flag that opens it, its name, its pin on the island's map, the scene it
// leads to and the island (VARINT_LOCAL_ISLAND_MAP) whose map shows it.
struct MapThumbDesc {
    uint32_t m_uPlayingCharacter;
    // MAP_ANY_CHAPTER: every chapter.
    uint16_t m_uChapter;
    MatchExpr m_oCondition;
    uint32_t m_uNameTextId;
    fx32 m_fxX;
    fx32 m_fxY;
    uint32_t m_uSceneId;
    uint32_t m_uIslandMap;
};

constexpr int NB_MAP_THUMBS = 29;
constexpr uint16_t MAP_ANY_CHAPTER = 65535;

// The map's travel locations, which the map tab shows as pins: a pin is shown
// while the map's common condition holds, the location is visible and active.
class MapThumb {
public:
    // Rebuilds the locations and the map's common condition (the map is
    // active: VARBOOL_ACTIVE_MAP).
    static void InitThumbDescs();
    static std::span<const MapThumbDesc> GetThumbDescs() { return s_aThumbDescs; }
    static const MatchExpr& GetCommonCondition() { return s_oCommonCondition; }

    // The location exists for the playing character, the chapter and the
    // island the heroine is on (all three tested).
    static bool IsVisible(const MapThumbDesc& oDesc);
    // Its flag is set.
    static bool IsActive(const MapThumbDesc& oDesc);

private:
    static MapThumbDesc s_aThumbDescs[NB_MAP_THUMBS];
    static MatchExpr s_oCommonCondition;
};
