// Checks the layering of the project's include lines and prints what it
// found; exits with 1 when a lower layer includes a higher one or a circle of
// includes passes through the game object's folder:
//   IncludeLayers <project root>
#include "IncludeLayers/IncludeLayers.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

namespace {

// One line per folder that the game object's folder includes, so the reader
// sees it stands on the subsystems and nothing stands on it.
void PrintGameObjectEdges(const std::vector<IncludeEdge>& edges)
{
    std::map<std::string, std::set<std::string>> graph;
    for (const IncludeEdge& edge : edges)
        if (FolderOf(edge.from) != FolderOf(edge.to))
            graph[FolderOf(edge.from)].insert(FolderOf(edge.to));
    for (const auto& [from, targets] : graph) {
        for (const std::string& to : targets) {
            if (LayerOf(to + "/") >= Layer::GameObject)
                std::printf("%s (%s) -> %s (%s)\n", from.c_str(), LayerName(LayerOf(from + "/")), to.c_str(),
                            LayerName(LayerOf(to + "/")));
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <project root>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    std::error_code error;
    if (!std::filesystem::is_directory(root / "Engine/Source", error)) {
        std::fprintf(stderr, "IncludeLayers: %s has no Engine/Source folder\n", root.c_str());
        return 2;
    }
    const std::vector<IncludeEdge> edges = ReadIncludeGraph(root);
    std::printf("%zu include lines read\n", edges.size());
    std::printf("Includes of the game object's layer and above:\n");
    PrintGameObjectEdges(edges);

    const std::vector<IncludeEdge> breaches = FindLayerBreaches(edges);
    for (const IncludeEdge& edge : breaches)
        std::printf("%s:%d: the %s include the %s: %s\n", edge.from.c_str(), edge.line, LayerName(LayerOf(edge.from)),
                    LayerName(LayerOf(edge.to)), edge.to.c_str());
    std::printf("%zu includes of a higher layer (%zu allowed by name)\n", breaches.size(), AllowedIncludes().size());

    const std::vector<std::string> circle = FindCircleThroughGameObject(edges);
    if (circle.empty()) {
        std::printf("No circle of includes passes through Engine/Source/Game\n");
    } else {
        std::printf("A circle of includes passes through the game object:");
        for (const std::string& folder : circle)
            std::printf(" %s", folder.c_str());
        std::printf("\n");
    }
    return breaches.empty() && circle.empty() ? 0 : 1;
}
