#include "PortraitPainter.h"

#include "CharacterDescription.h"
#include "Common/CharacterIds.h"
#include "ContentError.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using nlohmann::json;

// The size of a drawn portrait: the talk screen shows them as they are.
constexpr unsigned PORTRAIT_WIDTH = 320;
constexpr unsigned PORTRAIT_HEIGHT = 400;

std::string ColourText(const FigureColour& colour)
{
    char text[10];
    const auto byte = [](double value) { return unsigned(std::clamp(value, 0.0, 1.0) * 255.0 + 0.5); };
    std::snprintf(text, sizeof text, "#%02X%02X%02X", byte(colour[0]), byte(colour[1]), byte(colour[2]));
    return text;
}

// Each channel moved `amount` of the way towards `target`.
FigureColour Blend(const FigureColour& colour, const FigureColour& target, double amount)
{
    FigureColour blended = colour;
    for (int i = 0; i < 3; ++i)
        blended[i] = colour[i] + (target[i] - colour[i]) * amount;
    return blended;
}

constexpr FigureColour BLACK {0, 0, 0, 1};
constexpr FigureColour WHITE {1, 1, 1, 1};
constexpr FigureColour SICK_GREEN {0.55, 0.75, 0.35, 1};
constexpr const char* EYE_WHITE = "#FFFFFF";
constexpr const char* PUPIL = "#101010";
constexpr const char* LIPS = "#8A3030";
constexpr const char* TEAR = "#80C0FF";

json Circle(double x, double y, double r, const std::string& colour)
{
    return {{"circle", {x, y, r}}, {"colour", colour}};
}
json Ring(double x, double y, double r, double inner, const std::string& colour)
{
    return {{"circle", {x, y, r}}, {"inner", inner}, {"colour", colour}};
}
json Line(double x0, double y0, double x1, double y1, double width, const std::string& colour)
{
    return {{"line", {{x0, y0}, {x1, y1}}}, {"width", width}, {"colour", colour}};
}
json Polygon(std::initializer_list<std::pair<double, double>> points, const std::string& colour)
{
    json list = json::array();
    for (const auto& [x, y] : points)
        list.push_back({x, y});
    return {{"polygon", list}, {"colour", colour}};
}

// The brows' inner and outer heights of each eye (left eye's outer end
// first), and the mouth, by mood: the face tells the mood at a glance.
void AddBrowsAndMouth(json& shapes, const std::string& mood, const std::string& brow)
{
    double outer = 145;
    double inner = 145;
    if (mood == "angry") {
        outer = 139, inner = 151;
    } else if (mood == "sad" || mood == "afraid") {
        outer = 151, inner = 139;
    } else if (mood == "surprised") {
        outer = inner = 133;
    } else if (mood == "happy") {
        outer = inner = 141;
    }
    shapes.push_back(Line(116, outer, 140, inner, 4, brow));
    if (mood == "wondering")
        shapes.push_back(Line(170, 141, 194, 133, 4, brow));
    else
        shapes.push_back(Line(170, inner, 194, outer, 4, brow));

    if (mood == "happy") {
        shapes.push_back(Polygon({{138, 213}, {188, 213}, {178, 229}, {162, 235}, {146, 229}}, LIPS));
        shapes.push_back({{"rect", {146, 213, 36, 5}}, {"colour", EYE_WHITE}});
    } else if (mood == "sad" || mood == "angry") {
        shapes.push_back(Polygon({{146, 229}, {162, 219}, {178, 229}, {178, 233}, {162, 224}, {146, 233}}, LIPS));
    } else if (mood == "surprised" || mood == "afraid") {
        shapes.push_back(Circle(163, 224, mood == "surprised" ? 12 : 8, LIPS));
        shapes.push_back(Circle(163, 224, mood == "surprised" ? 7 : 4, "#401010"));
    } else if (mood == "wondering") {
        shapes.push_back(Ring(164, 223, 8, 4, LIPS));
    } else if (mood == "shy") {
        shapes.push_back(Line(152, 221, 174, 221, 4, LIPS));
    } else if (mood == "sick") {
        shapes.push_back(Line(144, 223, 156, 217, 4, LIPS));
        shapes.push_back(Line(156, 217, 168, 223, 4, LIPS));
        shapes.push_back(Line(168, 223, 180, 217, 4, LIPS));
    } else {
        shapes.push_back(Line(144, 219, 180, 219, 4, LIPS));
    }
    if (mood == "sad")
        shapes.push_back(Circle(192, 185, 4, TEAR));
    if (mood == "afraid")
        shapes.push_back(Polygon({{214, 118}, {220, 132}, {214, 138}, {208, 132}}, TEAR));
    if (mood == "shy") {
        shapes.push_back(Circle(118, 196, 12, "#E89090"));
        shapes.push_back(Circle(196, 196, 12, "#E89090"));
    }
}

void AddEyes(json& shapes, const std::string& iris, bool wide)
{
    const double white = wide ? 13 : 11;
    for (double x : {128.0, 182.0}) {
        shapes.push_back(Circle(x, 167, white, EYE_WHITE));
        shapes.push_back(Circle(x + 3, 168, 6, iris));
        shapes.push_back(Circle(x + 4, 167, 2, PUPIL));
    }
}

json PersonShapes(const CharacterDescription& figure, const std::string& mood)
{
    const FigureColour skinColour = mood == "sick" ? Blend(figure.skin, SICK_GREEN, 0.45) : figure.skin;
    const std::string skin = ColourText(skinColour);
    const std::string top = ColourText(figure.top);
    const std::string hair = ColourText(figure.hair);
    const std::string shade = ColourText(Blend(skinColour, BLACK, 0.2));
    const std::string brow = ColourText(Blend(figure.hair, BLACK, 0.3));

    json shapes = json::array();
    shapes.push_back(Polygon({{40, 400}, {60, 320}, {110, 290}, {190, 290}, {240, 320}, {260, 400}}, top));
    shapes.push_back(Polygon({{120, 290}, {180, 290}, {150, 330}}, ColourText(Blend(figure.top, WHITE, 0.5))));
    shapes.push_back({{"rect", {128, 240, 44, 60}}, {"colour", skin}});
    for (const CharacterShape& shape : figure.shapes)
        if (shape.shape == FigureShape::LongHair) {
            shapes.push_back(Circle(150, 165, 92, ColourText(shape.colour)));
            shapes.push_back(Polygon({{62, 170}, {238, 170}, {250, 300}, {50, 300}}, ColourText(shape.colour)));
        }
    shapes.push_back(Circle(150, 175, 78, skin));
    shapes.push_back(Polygon({{70, 165},
                              {80, 115},
                              {120, 89},
                              {180, 91},
                              {220, 125},
                              {226, 160},
                              {205, 130},
                              {140, 115},
                              {90, 140},
                              {84, 180}},
                             hair));
    shapes.push_back(Circle(76, 183, 12, skin));
    shapes.push_back(Polygon({{172, 169}, {190, 203}, {172, 205}}, shade));
    AddEyes(shapes, "#3A4A6A", mood == "surprised" || mood == "afraid");
    for (const CharacterShape& shape : figure.shapes)
        if (shape.shape == FigureShape::Beard)
            shapes.push_back(Polygon({{84, 190},
                                      {106, 236},
                                      {150, 262},
                                      {196, 236},
                                      {218, 190},
                                      {206, 230},
                                      {176, 246},
                                      {150, 238},
                                      {124, 246},
                                      {96, 230}},
                                     ColourText(shape.colour)));
    AddBrowsAndMouth(shapes, mood, brow);
    for (const CharacterShape& shape : figure.shapes)
        if (shape.shape == FigureShape::Hat) {
            const std::string hat = ColourText(shape.colour);
            shapes.push_back(Polygon({{40, 118}, {260, 118}, {240, 132}, {60, 132}}, hat));
            shapes.push_back(Polygon({{86, 120}, {96, 60}, {150, 44}, {204, 60}, {214, 120}}, hat));
            shapes.push_back({{"rect", {92, 104, 116, 8}}, {"colour", ColourText(Blend(shape.colour, BLACK, 0.4))}});
        }
    return shapes;
}

// An animal: a long head in its coat, a muzzle in its "skin", its mane.
json AnimalShapes(const CharacterDescription& figure, const std::string& mood)
{
    const std::string coat = ColourText(mood == "sick" ? Blend(figure.top, SICK_GREEN, 0.45) : figure.top);
    const std::string muzzle = ColourText(figure.skin);
    const std::string mane = ColourText(figure.hair);
    json shapes = json::array();
    shapes.push_back(Polygon({{60, 400}, {90, 300}, {210, 300}, {240, 400}}, coat));
    shapes.push_back(Polygon({{100, 90}, {84, 20}, {128, 80}}, coat));
    shapes.push_back(Polygon({{200, 90}, {216, 20}, {172, 80}}, coat));
    shapes.push_back(Polygon({{90, 120}, {210, 120}, {220, 250}, {80, 250}}, coat));
    shapes.push_back(Circle(150, 120, 60, coat));
    shapes.push_back(Polygon({{130, 60}, {170, 60}, {160, 300}, {140, 300}}, mane));
    shapes.push_back(Circle(150, 262, 62, muzzle));
    shapes.push_back(Circle(126, 262, 8, PUPIL));
    shapes.push_back(Circle(174, 262, 8, PUPIL));
    json face = json::array();
    AddEyes(face, "#4A3020", mood == "surprised" || mood == "afraid");
    for (json& eye : face)
        eye["circle"][1] = eye["circle"][1].get<double>() - 20;
    shapes.insert(shapes.end(), face.begin(), face.end());
    return shapes;
}

json PortraitDefinition(const std::string& name, const CharacterDescription& figure, const std::string& mood)
{
    return {{"name", name},
            {"format", "DXT1"},
            {"size", {PORTRAIT_WIDTH, PORTRAIT_HEIGHT}},
            {"shapes", figure.build == FigureBuild::Animal ? AnimalShapes(figure, mood) : PersonShapes(figure, mood)}};
}

// The quest log's framed picture: the default face, scaled into a wooden
// frame of the log's size.
constexpr unsigned QUEST_WIDTH = 120;
constexpr unsigned QUEST_HEIGHT = 200;
constexpr double QUEST_BORDER = 6;
constexpr double QUEST_SCALE = (QUEST_WIDTH - 2 * QUEST_BORDER) / PORTRAIT_WIDTH;

json Scaled(json shape)
{
    const auto move = [](json& point) {
        point[0] = QUEST_BORDER + point[0].get<double>() * QUEST_SCALE;
        point[1] = QUEST_HEIGHT - QUEST_BORDER + (point[1].get<double>() - PORTRAIT_HEIGHT) * QUEST_SCALE;
    };
    if (shape.contains("circle")) {
        move(shape["circle"]);
        shape["circle"][2] = shape["circle"][2].get<double>() * QUEST_SCALE;
        if (shape.contains("inner"))
            shape["inner"] = shape["inner"].get<double>() * QUEST_SCALE;
    } else if (shape.contains("rect")) {
        move(shape["rect"]);
        shape["rect"][2] = shape["rect"][2].get<double>() * QUEST_SCALE;
        shape["rect"][3] = shape["rect"][3].get<double>() * QUEST_SCALE;
    } else {
        for (json& point : shape.contains("polygon") ? shape["polygon"] : shape["line"])
            move(point);
        if (shape.contains("width"))
            shape["width"] = shape["width"].get<double>() * QUEST_SCALE;
    }
    return shape;
}

json QuestPictureDefinition(const std::string& name, const json& face)
{
    json shapes = json::array();
    shapes.push_back({{"rect", {0, 0, QUEST_WIDTH, QUEST_HEIGHT}}, {"colour", "#6A4A2A"}});
    shapes.push_back(
        {{"rect", {QUEST_BORDER, QUEST_BORDER, QUEST_WIDTH - 2 * QUEST_BORDER, QUEST_HEIGHT - 2 * QUEST_BORDER}},
         {"colour", "#E8D8B0"}});
    for (const json& shape : face.at("shapes"))
        shapes.push_back(Scaled(shape));
    return {{"name", name}, {"format", "DXT1"}, {"size", {QUEST_WIDTH, QUEST_HEIGHT}}, {"shapes", shapes}};
}

bool IsDefined(const json& manifest, const std::string& name)
{
    if (!manifest.contains("textures"))
        return false;
    const json& textures = manifest.at("textures");
    return std::any_of(textures.begin(), textures.end(),
                       [&](const json& definition) { return definition.value("name", std::string()) == name; });
}

// Every description of both folders, by actor name.
std::vector<fs::path> DescriptionFiles(const fs::path& content)
{
    std::vector<fs::path> files;
    for (const char* folder : {PORTRAIT_FIGURES_FOLDER, PORTRAIT_ONLY_FOLDER})
        if (fs::is_directory(content / folder))
            for (const fs::directory_entry& entry : fs::directory_iterator(content / folder))
                if (entry.is_regular_file() && entry.path().extension() == ".json")
                    files.push_back(entry.path());
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
    return files;
}

CharacterDescription ReadDescription(const fs::path& file, const std::string& label)
{
    std::ifstream stream(file);
    if (!stream)
        throw ContentError("cannot open " + label);
    try {
        return ReadCharacterDescription(json::parse(stream), file.stem().string(), label);
    } catch (const json::exception& error) {
        throw ContentError(label + ": " + error.what());
    }
}

} // namespace

json PortraitFragment(const fs::path& content, const json& manifest)
{
    json textures = json::array();
    json entries = json::array();
    std::map<std::string, std::string> described;
    for (const fs::path& file : DescriptionFiles(content)) {
        const std::string label = fs::relative(file, content).generic_string();
        const CharacterDescription figure = ReadDescription(file, label);
        const auto [first, fresh] = described.emplace(figure.actor, label);
        if (!fresh)
            throw ContentError("\"" + figure.actor + "\" is described twice (" + first->second + ", " + label + ")");
        const std::string quest = "intquest_" + figure.actor;
        if (!IsDefined(manifest, quest)) {
            textures.push_back(QuestPictureDefinition(quest, PortraitDefinition(quest, figure, Id::GetMoodName(0))));
            entries.push_back({{"kind", "TX2D"}, {"name", quest}});
        }
        const std::string base = "intdial_" + figure.actor;
        if (IsDefined(manifest, base))
            continue;
        for (int mood = 0; mood < MOOD_COUNT; ++mood) {
            const std::string moodName = Id::GetMoodName(mood);
            const std::string name = mood == 0 ? base : base + "_" + moodName;
            textures.push_back(PortraitDefinition(name, figure, moodName));
            entries.push_back({{"kind", "TX2D"}, {"name", name}});
        }
    }
    if (textures.empty())
        return json::object();
    json pack = {{"file", PORTRAIT_PACK}, {"entries", entries}};
    return {{"textures", textures}, {"packs", json::array({pack})}};
}
