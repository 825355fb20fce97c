#pragma once
#include "MiniGame/Common/MiniGameTurtleDoorPuzzle.h"

#include <cstdint>

namespace TestSupport {

// A move of the turtle door's puzzle: the turtle on top of its post, and the
// post it is put on.
struct TurtleMove {
    int32_t turtle = -1;
    int32_t post = -1;

    bool Found() const { return turtle >= 0; }
};

// The first move of a shortest way from the game's board to all three
// turtles stacked on the post, as a player who knows the puzzle plans it;
// none when they stand there already.
TurtleMove NextTurtleMove(const MiniGameTurtleDoorPuzzle& game, int32_t post);

} // namespace TestSupport
