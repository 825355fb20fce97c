#include "ItemIcons.h"

#include "ContentError.h"
#include "ShapePainter.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct IconShapes {
    unsigned size = 0;
    nlohmann::json shapes;
};

IconShapes ReadIconShapes(const fs::path& content)
{
    std::ifstream file(content / ITEM_SHAPES_FILE);
    if (!file)
        throw ContentError(std::string("cannot open ") + ITEM_SHAPES_FILE);
    try {
        const nlohmann::json source = nlohmann::json::parse(file);
        const nlohmann::json& size = source.at("size");
        if (!size.is_number_unsigned() || size.get<unsigned>() == 0 || !source.at("shapes").is_object())
            throw ContentError(std::string(ITEM_SHAPES_FILE) + ": \"size\" must be positive, \"shapes\" an object");
        return IconShapes {size.get<unsigned>(), source.at("shapes")};
    } catch (const nlohmann::json::exception& error) {
        throw ContentError(std::string(ITEM_SHAPES_FILE) + ": " + error.what());
    }
}

std::string ColourText(const uint8_t rgba[4])
{
    char text[10];
    std::snprintf(text, sizeof text, "#%02X%02X%02X%02X", rgba[0], rgba[1], rgba[2], rgba[3]);
    return text;
}

// Each channel moved `amount` of the way towards `target` (0 or 255); the
// opacity stays.
std::string Blend(const uint8_t rgba[4], int target, double amount)
{
    uint8_t blended[4] = {0, 0, 0, rgba[3]};
    for (int i = 0; i < 3; ++i)
        blended[i] = uint8_t(rgba[i] + (target - rgba[i]) * amount + 0.5);
    return ColourText(blended);
}

// The colour words of a shape, taken from one item's colours.
struct ItemColours {
    std::string main;
    std::string detail;
    std::string shade;
    std::string light;
};

ItemColours ReadColours(const std::vector<std::string>& fields)
{
    uint8_t main[4];
    ParseColour(fields[2], main);
    ItemColours colours {ColourText(main), "", Blend(main, 0, 0.4), Blend(main, 255, 0.45)};
    if (fields.size() > 3) {
        uint8_t detail[4];
        ParseColour(fields[3], detail);
        colours.detail = ColourText(detail);
    } else {
        colours.detail = colours.shade;
    }
    return colours;
}

// The shapes with their colour words replaced by the item's colours.
nlohmann::json Colour(const nlohmann::json& shapes, const ItemColours& colours)
{
    if (shapes.is_array()) {
        nlohmann::json coloured = nlohmann::json::array();
        for (const nlohmann::json& shape : shapes)
            coloured.push_back(Colour(shape, colours));
        return coloured;
    }
    if (!shapes.is_object())
        return shapes;
    nlohmann::json coloured = nlohmann::json::object();
    for (const auto& [key, value] : shapes.items()) {
        if (key == "colour" && value == "main")
            coloured[key] = colours.main;
        else if (key == "colour" && value == "detail")
            coloured[key] = colours.detail;
        else if (key == "colour" && value == "shade")
            coloured[key] = colours.shade;
        else if (key == "colour" && value == "light")
            coloured[key] = colours.light;
        else
            coloured[key] = Colour(value, colours);
    }
    return coloured;
}

bool IsItemName(const std::string& name)
{
    for (char c : name)
        if (!std::isupper(static_cast<unsigned char>(c)) && !std::isdigit(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return !name.empty();
}

std::string IconName(const std::string& item)
{
    std::string name = "item_" + item;
    for (char& c : name)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

} // namespace

nlohmann::json ItemIconFragment(const fs::path& content)
{
    std::ifstream list(content / ITEM_LIST_FILE);
    if (!list)
        return nlohmann::json::object();
    const IconShapes icons = ReadIconShapes(content);
    nlohmann::json textures = nlohmann::json::array();
    nlohmann::json entries = nlohmann::json::array();
    std::set<std::string> listed;
    std::string line;
    for (int number = 1; std::getline(list, line); ++number) {
        const std::string place = std::string(ITEM_LIST_FILE) + ":" + std::to_string(number);
        std::istringstream words(line);
        std::vector<std::string> fields;
        for (std::string word; words >> word;)
            fields.push_back(word);
        if (fields.empty() || fields[0][0] == '#')
            continue;
        if (fields.size() < 3 || fields.size() > 4)
            throw ContentError(place + ": an item is its name, a shape, a colour and maybe a second colour");
        if (!IsItemName(fields[0]))
            throw ContentError(place + ": \"" + fields[0] + "\" is not an item name (capitals without \"ITEM_\")");
        if (!listed.insert(fields[0]).second)
            throw ContentError(place + ": \"" + fields[0] + "\" is listed twice");
        if (!icons.shapes.contains(fields[1]))
            throw ContentError(place + ": no shape \"" + fields[1] + "\" in " + ITEM_SHAPES_FILE);
        ItemColours colours;
        try {
            colours = ReadColours(fields);
        } catch (const ContentError& error) {
            throw ContentError(place + ": " + error.what());
        }
        const std::string name = IconName(fields[0]);
        textures.push_back({{"name", name},
                            {"format", "DXT5"},
                            {"size", {icons.size, icons.size}},
                            {"shapes", Colour(icons.shapes.at(fields[1]), colours)}});
        entries.push_back({{"kind", "TX2D"}, {"name", name}});
    }
    nlohmann::json pack = {{"file", ITEM_ICON_PACK}, {"entries", entries}};
    return {{"textures", textures}, {"packs", nlohmann::json::array({pack})}};
}
