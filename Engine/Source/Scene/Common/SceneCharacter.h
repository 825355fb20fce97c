#pragma once
#include "Maths/CoreFxVec.h"
#include "Scene/Common/SceneObject.h"

class CoreRenderer;
class Scene;
struct Camera;

// What a scene asks of the 3D characters that stand in it: their frame
// (SceneObject::Update), where their feet are in the world and on the
// screen, their screen box, their drawing with the scene's camera and light,
// and the two steering requests the scene makes. The character class
// provides it; tests install small fakes.
class SceneCharacter : public SceneObject {
public:
    // Where the feet stand in the world: the root-motion-corrected position
    // while a moving animation plays.
    virtual CoreFxVec GetFeetPosition() const = 0;
    // The feet on the virtual screen (x, y) and their projected depth (z), as
    // the last UpdateTransform found them.
    virtual CoreFxVec GetScreenPosition() const = 0;
    // Projects the feet and the screen box with the camera; the box and the
    // highlight marker move right by the scroll.
    virtual void UpdateTransform(const Camera& camera, fx32 scroll) = 0;
    // Draws the character (and what it carries, and its shadow) with the
    // camera already on the device.
    virtual void Render(CoreRenderer& renderer, const Scene& scene) = 0;
    // The player steers the active character; every other one never runs.
    virtual void SetForceWalk(bool bForceWalk) = 0;
    // Walks straight at the point: walking, off any path, the point as its
    // look-ahead.
    virtual void HeadFor(const CoreFxVec& target) = 0;
    // Walks to the point along the walk mesh (the player's click on the
    // ground); iMode 0 walks.
    virtual void MoveToWithPath(const CoreFxVec& target, int32_t iMode) = 0;
    // Stands still: no turning, walking, path or running.
    virtual void StopMoving() = 0;
};
