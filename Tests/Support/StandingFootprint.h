#pragma once
#include "Maths/CoreFxVec.h"
#include "Scene/Common/SceneObject.h"
#include "Support/PlayerInput.h"

#include <cstdint>

class Layer;
class Scene;

namespace TestSupport {

// Where a character standing at a place of a loaded scene's floor shows, as
// the scene itself places, boxes and sorts her; x in units of the main layer
// (the screen's plus the scroll), y in the screen's.
struct StandingFootprint {
    // Her feet, projected through the scene's camera.
    ScreenPoint feet;
    // Her on-screen box: the one the scene picks her by.
    SceneRect box;
    // The depth the scene gives her there among the main layer's pictures.
    fx32 depth = 0;
};

// The footprint of the actor's character standing at the position, which
// takes the height of the walk mesh under it as a placed character does; the
// box is the actor's own from the actor table.
StandingFootprint FootprintAt(const Scene& scene, uint32_t uActorId, const CoreFxVec& position);

// The screen line that picture iSprite of the layer stands on: the lowest
// bottom edge of it and of the pictures it stands on, whose width holds it
// and whose box its bottom edge lies in (a stall's goods stand where the
// stall stands), and that are not drawn well over it. The full background,
// at the deepest depth, carries nothing.
fx32 StandingBaseLine(const Layer& layer, int32_t iSprite);

// Whether the two boxes overlap by more than the margin both ways.
bool BoxesOverlap(const SceneRect& a, const SceneRect& b, fx32 margin);

} // namespace TestSupport
