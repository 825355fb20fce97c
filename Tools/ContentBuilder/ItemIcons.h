#pragma once
#include <nlohmann/json.hpp>

#include <filesystem>

// The icons of the items nobody drew, one line of description each in
// "Items/Items.txt": the item's name without "ITEM_", a shape of
// "Items/IconShapes.json", its main colour and, optionally, its detail
// colour ("#RRGGBB" or "#RRGGBBAA"). An icon is the texture
// "item_<name in lower case>" of the common pack, where the inventory
// looks for it.
constexpr const char* ITEM_LIST_FILE = "Items/Items.txt";
constexpr const char* ITEM_SHAPES_FILE = "Items/IconShapes.json";
constexpr const char* ITEM_ICON_PACK = "common.dr";

// The manifest fragment of the generated icons: their texture definitions
// and their entries of the common pack, in the list's order; an empty object
// when the content has no item list. Throws ContentError naming the file
// and line of a fault.
nlohmann::json ItemIconFragment(const std::filesystem::path& content);
