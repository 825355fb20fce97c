#include "IncludeLayers/IncludeLayers.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr const char* ENGINE = "Engine/Source/";
constexpr const char* GAME_OBJECT_FOLDER = "Engine/Source/Game";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsAllowed(const IncludeEdge& edge)
{
    return std::ranges::any_of(AllowedIncludes(), [&edge](const AllowedInclude& allowed) {
        return edge.from == allowed.from && edge.to == allowed.to;
    });
}

using FolderGraph = std::map<std::string, std::set<std::string>>;

// A path of folders from "from" to "to", found depth first; false when there
// is none.
bool FindPath(const FolderGraph& graph, const std::string& from, const std::string& to, std::set<std::string>& visited,
              std::vector<std::string>& path)
{
    path.push_back(from);
    const auto it = graph.find(from);
    if (it != graph.end()) {
        for (const std::string& next : it->second) {
            if (next == to) {
                path.push_back(next);
                return true;
            }
            if (visited.insert(next).second && FindPath(graph, next, to, visited, path))
                return true;
        }
    }
    path.pop_back();
    return false;
}

} // namespace

std::string FolderOf(const std::string& file)
{
    const size_t first = file.find('/');
    if (first == std::string::npos)
        return file;
    const size_t start = StartsWith(file, ENGINE) ? std::string(ENGINE).size() : first + 1;
    const size_t end = file.find('/', start);
    return end == std::string::npos ? file : file.substr(0, end);
}

Layer LayerOf(const std::string& file)
{
    if (StartsWith(file, "Lib/Platform/"))
        return Layer::Platform;
    if (StartsWith(file, "Lib/"))
        return Layer::CoreLibrary;
    if (StartsWith(file, "Engine/Source/Common/"))
        return Layer::IdTables;
    if (StartsWith(file, "Engine/Source/Game/"))
        return Layer::GameObject;
    if (StartsWith(file, "Engine/Source/PC/"))
        return Layer::EntryPoint;
    if (StartsWith(file, ENGINE))
        return Layer::Subsystems;
    return Layer::Outside;
}

const char* LayerName(Layer layer)
{
    switch (layer) {
    case Layer::Platform: return "platform";
    case Layer::CoreLibrary: return "core library";
    case Layer::IdTables: return "id tables";
    case Layer::Subsystems: return "subsystems";
    case Layer::GameObject: return "game object";
    case Layer::EntryPoint: return "entry point";
    case Layer::Outside: break;
    }
    return "outside";
}

const std::vector<AllowedInclude>& AllowedIncludes()
{
    static const std::vector<AllowedInclude> ALLOWED = {
        {"Engine/Source/Common/SceneObjectNames.h", "Engine/Source/Scripts/Common/SceneScripts.h",
         "the scene table's factory column names the scene scripts"},
        {"Engine/Source/Common/SceneIds.cpp", "Engine/Source/Scripts/Common/SceneScripts.h",
         "the scene table's factory column names the scene scripts"},
        {"Engine/Source/Common/IdInit.cpp", "Engine/Source/Scripts/Common/ActorScript.h",
         "the id tables' start-up sorts the actor scripts' table"},
        {"Engine/Source/Common/GameInterface.h", "Engine/Source/ScriptEngine/common/ScriptNode.h",
         "the game interface hands out the script tree"},
        {"Engine/Source/Common/GameInterfaceImpl.cpp", "Engine/Source/Managers/Common/VarManager.h",
         "the game interface hands out the variable set"},
    };
    return ALLOWED;
}

std::vector<IncludeEdge> FindLayerBreaches(const std::vector<IncludeEdge>& edges)
{
    std::vector<IncludeEdge> breaches;
    for (const IncludeEdge& edge : edges)
        if (LayerOf(edge.to) > LayerOf(edge.from) && !IsAllowed(edge))
            breaches.push_back(edge);
    return breaches;
}

std::vector<std::string> FindCircleThroughGameObject(const std::vector<IncludeEdge>& edges)
{
    FolderGraph graph;
    for (const IncludeEdge& edge : edges) {
        const std::string from = FolderOf(edge.from);
        const std::string to = FolderOf(edge.to);
        if (from != to)
            graph[from].insert(to);
    }
    std::set<std::string> visited;
    std::vector<std::string> path;
    if (FindPath(graph, GAME_OBJECT_FOLDER, GAME_OBJECT_FOLDER, visited, path))
        return path;
    return {};
}
