// Fragments of the manifest that any content folder may hold, so that a
// scene or a set of items brings its own definitions and pack entries.
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/Manifest.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Names(const nlohmann::json& list, const char* member)
{
    std::vector<std::string> names;
    for (const nlohmann::json& item : list)
        names.push_back(item.at(member).get<std::string>());
    return names;
}

// The message of the error loading the manifest throws, or "" when it loads.
std::string LoadError(const std::filesystem::path& content)
{
    try {
        LoadManifest(content);
    } catch (const ContentError& error) {
        return error.what();
    }
    return "";
}

TEST(ManifestFragmentTest, FragmentsOfEveryFolderAppendInPathOrderAndJoinPacksOfOneFile)
{
    TestSupport::TempDir folder;
    folder.WriteFile("Manifest.json", R"({
      "textures": [ { "name": "star" } ],
      "packs": [ { "file": "common.dr", "entries": [ { "kind": "TX2D", "name": "star" } ] } ] })");
    folder.WriteFile("Scenes/bg200/Room.manifest.json", R"({
      "textures": [ { "name": "room_bg" } ],
      "packs": [ { "file": "scenes/bg200.dr", "entries": [ { "kind": "TX2D", "name": "room_bg" } ] } ] })");
    folder.WriteFile("Items/Icons.manifest.json", R"({
      "comment": "The icons.",
      "textures": [ { "name": "item_key" } ],
      "packs": [ { "file": "common.dr", "entries": [ { "kind": "TX2D", "name": "item_key" } ] } ] })");
    folder.WriteFile("MiniGames/MG_Game.json", R"({ "textures": [ { "name": "mg_dot" } ] })");
    // Neither a fragment's look-alike nor another source is read.
    folder.WriteFile("Scenes/bg200_Room.json", "not a fragment");
    folder.WriteFile("Items/manifest.json", "not a fragment");

    const nlohmann::json manifest = LoadManifest(folder.Path());
    EXPECT_EQ(Names(manifest.at("textures"), "name"),
              (std::vector<std::string> {"star", "mg_dot", "item_key", "room_bg"}));
    ASSERT_EQ(Names(manifest.at("packs"), "file"), (std::vector<std::string> {"common.dr", "scenes/bg200.dr"}));
    EXPECT_EQ(Names(manifest.at("packs")[0].at("entries"), "name"), (std::vector<std::string> {"star", "item_key"}));

    // A clash names both files, whichever section it is in.
    folder.WriteFile("Scenes/bg201/Other.manifest.json", R"({ "textures": [ { "name": "item_key" } ] })");
    const std::string twice = LoadError(folder.Path());
    EXPECT_NE(twice.find("\"item_key\" is defined twice in \"textures\""), std::string::npos) << twice;
    EXPECT_NE(twice.find("(Items/Icons.manifest.json, Scenes/bg201/Other.manifest.json)"), std::string::npos) << twice;

    folder.WriteFile("Scenes/bg201/Other.manifest.json",
                     R"({ "packs": [ { "file": "common.dr", "entries": [ { "kind": "TX2D", "name": "star" } ] } ] })");
    const std::string entered = LoadError(folder.Path());
    EXPECT_NE(entered.find("\"star\" (TX2D) is entered twice in pack \"common.dr\" (Manifest.json, "
                           "Scenes/bg201/Other.manifest.json)"),
              std::string::npos)
        << entered;

    for (const char* broken : {R"({ "packs": [ { "file": "x.dr" } ] })", R"({ "textures": {} })", "[1]", "{"}) {
        folder.WriteFile("Scenes/bg201/Other.manifest.json", broken);
        const std::string error = LoadError(folder.Path());
        EXPECT_EQ(error.rfind("Scenes/bg201/Other.manifest.json", 0), 0u) << broken << ": " << error;
    }
}

TEST(ManifestFragmentTest, NoSourceAtAllIsAnEmptyManifest)
{
    TestSupport::TempDir folder;
    EXPECT_EQ(LoadManifest(folder.Path()), nlohmann::json::object());
    EXPECT_EQ(LoadManifest(folder / "missing"), nlohmann::json::object());
}

} // namespace
