#pragma once
#include <string>
#include <vector>

class Scene;
class SceneObject;
struct CoreFxVec2;

// Every object the player can click in the scene as it stands: the shown
// sprites and regions of interactive entities that offer a verb, and the
// characters other than the one the player steers.
std::vector<const SceneObject*> ClickableObjects(const Scene& scene);

// A point where a player would click the object: the middle of its box, or
// of its first triangle when a region leaves the middle out.
CoreFxVec2 ClickPointOf(const SceneObject& object);

// The name of the object's entity; "nothing" for no object.
std::string ObjectNameOf(const SceneObject* object);

// The hotspots a player can click in the scene as it stands that picking at
// their on-screen centre does not find, each with what it finds instead.
std::vector<std::string> CoveredHotspots(const Scene& scene);
