#pragma once
#include <cstdint>

// Where an object of a scene without content of its own leads, read from its
// name: "goto_bgNNN" to the scene of that number, the ship ("goto_wm",
// "goto_main_dock", "the_winsome_maid", "winsome_maid") out to the world map,
// a close-up's "exit" back to the scene the player came from, and every other
// "goto_" (a map, a path the name does not place) to the in-game menu's map
// tab, so that no exit strands the player or leaves the adventure.
enum class StandInExitKind {
    None,
    Scene,
    WorldMap,
    PreviousScene,
    MapTab
};

struct StandInExit {
    StandInExitKind m_eKind = StandInExitKind::None;
    // The destination of a Scene exit.
    int32_t m_iSceneId = 0;
};

StandInExit StandInExitOf(const char* pObjectName);

// The world map, where the ship sails between the islands, and the boat that
// is the playing character there.
constexpr int32_t WORLD_MAP_SCENE = 57;
