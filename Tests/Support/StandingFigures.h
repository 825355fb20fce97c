#pragma once
#include "Maths/CoreFxVec.h"
#include "Scene/Common/SceneObject.h"
#include "Support/PlayerInput.h"

#include <cstdint>
#include <string>

class Layer;
class Scene;
class SceneCharacter;

namespace TestSupport {

// Where a scene's figures stand on the screen, seen through the scene's
// camera: a character placed at a place of the floor as the scene places,
// boxes and sorts her, and her figure, as its mesh is built, standing with
// its feet there. The boxes lie on the main layer, as the characters'
// picking boxes do: x in units of the main layer (the screen's plus the
// scroll), y in the screen's.

// Where a character standing at a place of a loaded scene's floor shows.
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

// The figure's height and half its breadth in scene units, from its mesh in
// its built pose; zero for a character without a mesh.
struct FigureSize {
    fx32 height = 0;
    fx32 halfWidth = 0;
};
FigureSize FigureSizeOf(const SceneCharacter& character);

// The screen box of a figure of that size standing at the feet, upright and
// seen side on, with the scene's camera at its scroll.
SceneRect FigureBoxAt(const Scene& scene, const FigureSize& size, const CoreFxVec& feet);

// Whether the two boxes overlap by more than the margin both ways.
bool BoxesOverlap(const SceneRect& a, const SceneRect& b, fx32 margin);

// How far the two boxes cover each other across, where they also meet up
// and down; zero when they are apart.
fx32 SidewaysOverlap(const SceneRect& first, const SceneRect& second);

// A hand's width beside the figure: a twelfth of its height on the screen.
// Figures side by side touch with their arms and shoulders, which their
// breadth already holds, so more than this is one standing in the other.
fx32 HandWidthBeside(const SceneRect& figure);

// The edges of the main layer that the box reaches beyond ("left", "top"...,
// joined by ", "), which no scroll brings on screen; empty when it is whole.
std::string EdgesCrossed(const Scene& scene, const SceneRect& box);

// The screen line that picture iSprite of the layer stands on: the lowest
// bottom edge of it and of the pictures it stands on, whose width holds it
// and whose box its bottom edge lies in (a stall's goods stand where the
// stall stands), and that are not drawn well over it. The full background,
// at the deepest depth, carries nothing.
fx32 StandingBaseLine(const Layer& layer, int32_t iSprite);

// Whether one standing at `from` and turned to the orientation (a
// waypoint's, in radians) has `to` in front of her: less than a right angle
// off her facing.
bool Faces(fx32 orientation, const CoreFxVec& from, const CoreFxVec& to);

} // namespace TestSupport
