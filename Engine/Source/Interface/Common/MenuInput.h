#pragma once
#include "Maths/CoreFxVec.h"

#include <cstdint>

// This frame's input events as the menu's tabs read them.
namespace MenuInput {

bool IsActive(uint16_t eventId);
// Whether the event is active; its pointer on the virtual screen (20.12
// units) goes to the out.
bool PointerOf(uint16_t eventId, CoreFxVec2& point);
// Whether the event is active; its two signed 16-bit values (x low, y high)
// go to the out, as a direction.
bool DirectionOf(uint16_t eventId, CoreFxVec2& direction);

// The select point of this frame: the scene cursor's when the pad selects
// (bFromCursor set), the pointer of the press event when it is active (which
// wins); false when there is none.
bool SelectPoint(uint16_t pressEventId, CoreFxVec2& point, bool& bFromCursor);

} // namespace MenuInput
