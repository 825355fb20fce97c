#pragma once
#include "MiniGame/Common/MiniGameChase.h"

namespace TestSupport {

// The arrow keys held in a frame of the chase.
struct ChaseKeys {
    bool right = false;
    bool left = false;
};

// The chase steered as a player watching the street steers it: towards the
// nearest x that is clear of what comes in the next stretch, without running
// through what is beside her now.
ChaseKeys SteerChase(MiniGameChase& chase);

} // namespace TestSupport
