#pragma once
#include <string>
#include <vector>

class Scene;

// The hotspots a player can click in the scene as it stands that picking at
// their on-screen centre does not find, each with what it finds instead.
std::vector<std::string> CoveredHotspots(const Scene& scene);
