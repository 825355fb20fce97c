// Item icons generated from one line each: a shape whose colour words take
// the item's colours, in the common pack; faults name their line.
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/ItemIcons.h"
#include "ContentBuilder/Manifest.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const SHAPES = R"({ "size": 8, "shapes": {
  "dot": [ { "circle": [4, 4, 3], "colour": "main" }, { "rect": [0, 0, 2, 2], "colour": "detail" },
           { "group": [ { "rect": [0, 6, 1, 1], "colour": "shade" } ], "at": [[0, 0]] },
           { "rect": [6, 6, 1, 1], "colour": "light" }, { "rect": [7, 7, 1, 1], "colour": "#010203" } ] } })";

std::string FragmentError(const TestSupport::TempDir& folder)
{
    try {
        ItemIconFragment(folder.Path());
    } catch (const ContentError& error) {
        return error.what();
    }
    return "";
}

TEST(ItemIconsTest, EachLineBecomesAnIconOfTheCommonPackInItsColours)
{
    TestSupport::TempDir folder;
    folder.WriteFile("Items/IconShapes.json", SHAPES);
    folder.WriteFile("Items/Items.txt", "# name shape colour [detail]\n"
                                        "\n"
                                        "SMALL_KEY  dot  #C86400\r\n"
                                        "GHOST\tdot\t#FFFFFF80\t#00FF00\n");
    const nlohmann::json fragment = ItemIconFragment(folder.Path());
    ASSERT_EQ(fragment.at("textures").size(), 2u);
    const nlohmann::json& key = fragment.at("textures")[0];
    EXPECT_EQ(key.at("name"), "item_small_key");
    EXPECT_EQ(key.at("format"), "DXT5");
    EXPECT_EQ(key.at("size"), nlohmann::json::parse("[8, 8]"));
    const nlohmann::json& shapes = key.at("shapes");
    EXPECT_EQ(shapes[0].at("colour"), "#C86400FF");
    // Without a detail colour the detail is the shade: darker, never lighter.
    EXPECT_EQ(shapes[1].at("colour"), "#783C00FF");
    EXPECT_EQ(shapes[2].at("group")[0].at("colour"), "#783C00FF");
    EXPECT_EQ(shapes[3].at("colour"), "#E1AA73FF");
    EXPECT_EQ(shapes[4].at("colour"), "#010203");
    const nlohmann::json& ghost = fragment.at("textures")[1].at("shapes");
    EXPECT_EQ(ghost[0].at("colour"), "#FFFFFF80");
    EXPECT_EQ(ghost[1].at("colour"), "#00FF00FF");
    EXPECT_EQ(ghost[2].at("group")[0].at("colour"), "#99999980");
    EXPECT_EQ(fragment.at("packs"), nlohmann::json::parse(R"([{ "file": "common.dr", "entries": [
        { "kind": "TX2D", "name": "item_small_key" }, { "kind": "TX2D", "name": "item_ghost" } ] }])"));

    // An icon drawn by hand and described as well would be two pictures of one item.
    folder.WriteFile("Items/Drawn.manifest.json", R"({ "textures": [ { "name": "item_ghost" } ] })");
    try {
        LoadManifest(folder.Path());
        ADD_FAILURE() << "a drawn and a generated icon of one item were both taken";
    } catch (const ContentError& error) {
        EXPECT_NE(std::string(error.what()).find("(Items/Drawn.manifest.json, Items/Items.txt)"), std::string::npos)
            << error.what();
    }
}

TEST(ItemIconsTest, FaultsNameTheirLineAndNoListIsNoIcons)
{
    TestSupport::TempDir folder;
    EXPECT_EQ(ItemIconFragment(folder.Path()), nlohmann::json::object());

    folder.WriteFile("Items/IconShapes.json", SHAPES);
    const struct {
        const char* line;
        const char* error;
    } faults[] = {
        {"KEY dot", "Items/Items.txt:2: an item is its name, a shape, a colour"},
        {"KEY dot #FFFFFF #000000 #111111", "Items/Items.txt:2: an item is its name"},
        {"ITEM-KEY dot #FFFFFF", "Items/Items.txt:2: \"ITEM-KEY\" is not an item name"},
        {"small_key dot #FFFFFF", "Items/Items.txt:2: \"small_key\" is not an item name"},
        {"KEY star #FFFFFF", "Items/Items.txt:2: no shape \"star\" in Items/IconShapes.json"},
        {"KEY dot FFFFFF", "Items/Items.txt:2: a colour must be"},
        {"KEY dot #FFFFFF #GG0000", "Items/Items.txt:2: a colour must be"},
        {"OTHER dot #FFFFFF", "Items/Items.txt:2: \"OTHER\" is listed twice"},
    };
    for (const auto& fault : faults) {
        folder.WriteFile("Items/Items.txt", std::string("OTHER dot #000000\n") + fault.line + "\n");
        const std::string error = FragmentError(folder);
        EXPECT_EQ(error.rfind(fault.error, 0), 0u) << fault.line << ": " << error;
    }

    folder.WriteFile("Items/Items.txt", "KEY dot #FFFFFF\n");
    for (const char* shapes : {R"({ "size": 0, "shapes": {} })", R"({ "size": 8, "shapes": [] })", "{"}) {
        folder.WriteFile("Items/IconShapes.json", shapes);
        EXPECT_EQ(FragmentError(folder).rfind("Items/IconShapes.json: ", 0), 0u) << shapes;
    }
}

} // namespace
