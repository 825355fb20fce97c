#pragma once
#include "IncludeLayers/IncludeGraph.h"

#include <string>
#include <vector>

// The layers of the project, lowest first. A file may include files of its
// own layer and of the layers below it; the subsystems of the engine share
// one layer.
enum class Layer {
    Platform,
    CoreLibrary,
    IdTables,
    Subsystems,
    GameObject,
    EntryPoint,
    Outside,
};

// The layer of a file given relative to the project root.
Layer LayerOf(const std::string& file);
const char* LayerName(Layer layer);

// An include of a higher layer that the layering allows by name: the id
// tables' column of scene-script factories and the like.
struct AllowedInclude {
    const char* from;
    const char* to;
    const char* reason;
};
const std::vector<AllowedInclude>& AllowedIncludes();

// Every include of a higher layer that is not allowed by name.
std::vector<IncludeEdge> FindLayerBreaches(const std::vector<IncludeEdge>& edges);

// The folders of a circle of includes that leaves the game object's folder
// and comes back to it ("Engine/Source/Game", a subsystem's folder, ...,
// "Engine/Source/Game"), or empty when there is none.
std::vector<std::string> FindCircleThroughGameObject(const std::vector<IncludeEdge>& edges);

// The folder a file's layer is told by: "Engine/Source/<top folder>" for the
// engine, "Lib/<top folder>" for the libraries.
std::string FolderOf(const std::string& file);
