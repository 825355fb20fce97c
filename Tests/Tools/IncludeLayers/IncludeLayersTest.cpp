// The layering of the include lines: the project keeps it, and the check
// finds what would break it.
#include "IncludeLayers/IncludeLayers.h"

#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>

using TestSupport::SourceDir;
using TestSupport::TempDir;

namespace {

std::string Describe(const std::vector<IncludeEdge>& edges)
{
    std::string text;
    for (const IncludeEdge& edge : edges)
        text += edge.from + ":" + std::to_string(edge.line) + " -> " + edge.to + "\n";
    return text;
}

// A small project: a subsystem standing on the id tables and the core, the
// game object standing on the subsystem, and the entry point on top.
void WriteLayeredTree(const TempDir& tree)
{
    tree.WriteFile("Lib/Platform/Window/Window.h", "#pragma once\n#include <cstdint>\n");
    tree.WriteFile("Lib/Core/Source/common/Log/CoreLog.h", "#include \"Window/Window.h\"\n");
    tree.WriteFile("Engine/Source/Common/SceneIds.h", "#include \"Log/CoreLog.h\"\n");
    tree.WriteFile("Engine/Source/Scene/Common/Scene.h", "#include \"Common/SceneIds.h\"\n");
    tree.WriteFile("Engine/Source/Scene/Common/Scene.cpp",
                   "#include \"Scene.h\"\n  #  include \"Common/GameLink.h\"\n");
    tree.WriteFile("Engine/Source/Common/GameLink.h", "#pragma once\n");
    tree.WriteFile("Engine/Source/Game/TwGame.h", "#include \"Scene/Common/Scene.h\"\n");
    tree.WriteFile("Engine/Source/Game/TwGame.cpp", "#include \"Game/TwGame.h\"\n#include \"Common/GameLink.h\"\n");
    tree.WriteFile("Engine/Source/PC/Main.cpp", "#include \"Game/TwGame.h\"\n#include <cstdio>\n");
}

} // namespace

TEST(IncludeLayersTest, TheProjectKeepsItsLayersAndNoCircleGoesThroughTheGameObject)
{
    const std::vector<IncludeEdge> edges = ReadIncludeGraph(SourceDir());
    ASSERT_GT(edges.size(), 1000u);
    EXPECT_TRUE(std::ranges::any_of(edges, [](const IncludeEdge& edge) {
        return edge.from == "Engine/Source/PC/Main.cpp" && edge.to == "Engine/Source/Game/TwGame.h";
    }));
    EXPECT_EQ(Describe(FindLayerBreaches(edges)), "");
    EXPECT_TRUE(FindCircleThroughGameObject(edges).empty());
}

TEST(IncludeLayersTest, EveryAllowedIncludeStillExistsAndClimbsALayer)
{
    const std::vector<IncludeEdge> edges = ReadIncludeGraph(SourceDir());
    for (const AllowedInclude& allowed : AllowedIncludes()) {
        const bool present = std::ranges::any_of(
            edges, [&allowed](const IncludeEdge& edge) { return edge.from == allowed.from && edge.to == allowed.to; });
        EXPECT_TRUE(present) << allowed.from << " no longer includes " << allowed.to;
        EXPECT_GT(LayerOf(allowed.to), LayerOf(allowed.from)) << allowed.from;
    }
}

TEST(IncludeLayersTest, ALayeredTreePassesWithItsIncludesResolvedThroughTheRoots)
{
    TempDir tree;
    WriteLayeredTree(tree);
    const std::vector<IncludeEdge> edges = ReadIncludeGraph(tree.Path());
    // The standard library's includes are not ours; the bare name resolves
    // beside its file and the spaced directive still counts.
    EXPECT_EQ(Describe(edges), "Engine/Source/Common/SceneIds.h:1 -> Lib/Core/Source/common/Log/CoreLog.h\n"
                               "Engine/Source/Game/TwGame.cpp:1 -> Engine/Source/Game/TwGame.h\n"
                               "Engine/Source/Game/TwGame.cpp:2 -> Engine/Source/Common/GameLink.h\n"
                               "Engine/Source/Game/TwGame.h:1 -> Engine/Source/Scene/Common/Scene.h\n"
                               "Engine/Source/PC/Main.cpp:1 -> Engine/Source/Game/TwGame.h\n"
                               "Engine/Source/Scene/Common/Scene.cpp:1 -> Engine/Source/Scene/Common/Scene.h\n"
                               "Engine/Source/Scene/Common/Scene.cpp:2 -> Engine/Source/Common/GameLink.h\n"
                               "Engine/Source/Scene/Common/Scene.h:1 -> Engine/Source/Common/SceneIds.h\n"
                               "Lib/Core/Source/common/Log/CoreLog.h:1 -> Lib/Platform/Window/Window.h\n");
    EXPECT_TRUE(FindLayerBreaches(edges).empty());
    EXPECT_TRUE(FindCircleThroughGameObject(edges).empty());
}

TEST(IncludeLayersTest, ASubsystemIncludingTheGameObjectIsABreachAndACircle)
{
    TempDir tree;
    WriteLayeredTree(tree);
    tree.WriteFile("Engine/Source/Scene/Common/SceneLog.cpp",
                   "#include \"Log/CoreLog.h\"\n#include \"Game/TwGame.h\"\n");
    // Angle brackets do not hide it.
    tree.WriteFile("Engine/Source/Scene/Common/SceneLogLevels.cpp", "#include <Game/TwGame.h>\n");
    const std::vector<IncludeEdge> edges = ReadIncludeGraph(tree.Path());
    EXPECT_EQ(Describe(FindLayerBreaches(edges)),
              "Engine/Source/Scene/Common/SceneLog.cpp:2 -> Engine/Source/Game/TwGame.h\n"
              "Engine/Source/Scene/Common/SceneLogLevels.cpp:1 -> Engine/Source/Game/TwGame.h\n");
    const std::vector<std::string> expected = {"Engine/Source/Game", "Engine/Source/Scene", "Engine/Source/Game"};
    EXPECT_EQ(FindCircleThroughGameObject(edges), expected);
}

TEST(IncludeLayersTest, EveryClimbOfALayerIsABreach)
{
    // Each pair: a file of a lower layer and the higher one it includes.
    const std::vector<std::pair<std::string, std::string>> climbs = {
        {"Lib/Platform/Window/Window.h", "Log/CoreLog.h"},
        {"Lib/Core/Source/common/Log/CoreLog.h", "Common/SceneIds.h"},
        {"Engine/Source/Common/SceneIds.h", "Scene/Common/Scene.h"},
        {"Engine/Source/Game/TwGame.cpp", "PC/Main.cpp"},
    };
    for (const auto& [file, included] : climbs) {
        TempDir tree;
        WriteLayeredTree(tree);
        tree.WriteFile(file, "#include \"" + included + "\"\n");
        const std::vector<IncludeEdge> breaches = FindLayerBreaches(ReadIncludeGraph(tree.Path()));
        ASSERT_EQ(breaches.size(), 1u) << file;
        EXPECT_EQ(breaches[0].from, file);
    }
}
