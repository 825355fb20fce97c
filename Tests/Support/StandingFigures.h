#pragma once
#include "Maths/CoreFxVec.h"
#include "Scene/Common/SceneObject.h"

#include <cstdint>
#include <string>

class Scene;
class SceneCharacter;

namespace TestSupport {

// Where a scene's figures stand on the screen: a character's figure, as its
// mesh is built, standing with its feet at a place of the floor, seen
// through the scene's camera. The boxes lie on the main layer, as the
// characters' picking boxes do.

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

// Whether one standing at `from` and turned to the orientation (a
// waypoint's, in radians) has `to` in front of her: less than a right angle
// off her facing.
bool Faces(fx32 orientation, const CoreFxVec& from, const CoreFxVec& to);

} // namespace TestSupport
