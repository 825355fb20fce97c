#pragma once
#include <array>
#include <string_view>

// The chase's obstacle kinds by name, in kind order: kind k is drawn with
// the picture "masks_" + name (sprite id 4 + k). The race and collision
// sources name kinds this way.
inline constexpr std::array<std::string_view, 25> CHASE_OBSTACLE_KINDS = {
    "Bags",    "Box",     "Boxes",   "Build",  "Chicken", "Crab_Box", "Fish_Box", "Hole",   "House1",
    "House2",  "House3",  "Puddle",  "Wagon",  "Well",    "Grass1",   "Grass2",   "Grass3", "Ground1",
    "Ground2", "Ground3", "Ground4", "Tiles1", "Tiles2",  "Tiles3",   "Tiles4",
};

// The kind of that name, or -1.
inline int ChaseObstacleKind(std::string_view name)
{
    for (size_t kind = 0; kind < CHASE_OBSTACLE_KINDS.size(); ++kind) {
        if (CHASE_OBSTACLE_KINDS[kind] == name)
            return static_cast<int>(kind);
    }
    return -1;
}
