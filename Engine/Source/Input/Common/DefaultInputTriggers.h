#pragma once
#include "Input/InputEventTrigger.h"

// The game's fixed bindings: static trigger records that exist for the whole
// run and start disabled. InputSystem::Init registers all of them but one.
constexpr int INPUT_DEFAULT_TRIGGER_COUNT = 53;

extern InputEventTrigger g_aoDefaultInputTriggers[INPUT_DEFAULT_TRIGGER_COUNT];
