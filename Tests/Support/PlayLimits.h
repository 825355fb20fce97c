#pragma once
#include "App/CoreApp.h"

#include <cstdint>

namespace TestSupport {

// The frame counts that a play's steps wait and move by.

// A minute of game time: a wait longer than that is stuck.
constexpr int32_t WAIT_LIMIT = 60000 / CoreApp::MIN_FRAME_MS;
// Frames between two clicks that read on through the talk screen.
constexpr int32_t READING_PAUSE = 3;
// Frames that a carried item takes from its cell to its target.
constexpr int32_t CARRY_FRAMES = 8;

} // namespace TestSupport
