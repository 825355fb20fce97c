#include "StandInSource.h"

#include "SceneCamera.h"

#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Scripts/Common/StandInExits.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <vector>

namespace {

using json = nlohmann::json;

constexpr double FLOOR_NEAR = -39;
constexpr double FLOOR_FAR = 377;
constexpr double FLOOR_HALF_WIDTH = 416;
constexpr double WALL_HEIGHT = 260;
constexpr double DOOR_HALF_WIDTH = 36;
constexpr double DOOR_HEIGHT = 150;
// Where the characters of the actor set stand in a place without doors, in
// the set's order.
constexpr double OPEN_PLACES[][2] = {{-110, 30}, {110, 30}, {-300, 60}, {300, 60}, {0, -10}};

struct Colours {
    const char* code;
    const char* sky;
    const char* floor;
    const char* wall;
};

// Each island (the code after the number) keeps its colours.
constexpr Colours PALETTE[] = {
    {"BO", "#88C0E8", "#7BA05B", "#E0D2A8"}, {"CR", "#9CC4DC", "#C8B080", "#9C8868"},
    {"HO", "#50607A", "#6A7A50", "#807060"}, {"TA", "#A0B0C0", "#A09080", "#706860"},
    {"TU", "#78B8D0", "#5C8A48", "#B0A070"}, {"WM", "#403020", "#8A6A48", "#6A4A30"},
};
constexpr Colours OTHER_PLACES = {"", "#404850", "#909090", "#B0B0B0"};
constexpr const char* CAPTION_FACE = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

const Colours& ColoursOf(const std::string& sceneName)
{
    const size_t first = sceneName.find('_');
    const std::string code = first == std::string::npos ? "" : sceneName.substr(first + 1, 2);
    for (const Colours& colours : PALETTE)
        if (code == colours.code)
            return colours;
    return OTHER_PLACES;
}

std::string ExitKey(const std::string& objectName)
{
    std::string key = "STANDIN_EXIT_" + objectName;
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return key;
}

// The row's objects that lead somewhere, with their index.
std::vector<std::pair<int32_t, StandInExit>> Exits(const SceneDesc& row)
{
    std::vector<std::pair<int32_t, StandInExit>> exits;
    for (int32_t i = 0; i < row.m_iNbObjects; ++i) {
        const StandInExit exit = StandInExitOf(row.m_ppObjectNames[i]);
        if (exit.m_eKind != StandInExitKind::None)
            exits.emplace_back(i, exit);
    }
    return exits;
}

// The place's name on a banner at the top of the picture.
json PlaceCaption(const SceneDesc& row)
{
    return {{{"rect", {0, 2, 256, 20}}, {"colour", "#302820"}},
            {{"text", PlaceName(row.m_pName)},
             {"at", {128, 4}},
             {"size", 14u},
             {"face", CAPTION_FACE},
             {"colour", "#F0E8D0"}}};
}

// The scene's picture, its main layer and its entities: the shapes painted
// on the island's sky colour under the place's banner.
json Picture(const SceneDesc& row, json shapes, const json& regions, const json& entities)
{
    for (const json& shape : PlaceCaption(row))
        shapes.push_back(shape);
    const std::string background = std::string(row.m_pName).substr(0, 5) + "_standin";
    const json screen = json::array({256u, 192u});
    return {{"textures",
             {{{"name", background},
               {"format", "DXT1"},
               {"size", screen},
               {"background", ColoursOf(row.m_pName).sky},
               {"shapes", shapes}}}},
            {"layers",
             {{{"name", "main"},
               {"size", screen},
               {"sprites",
                {{{"name", "background"},
                  {"position", json::array({0, 0})},
                  {"depth", -63},
                  {"size", screen},
                  {"textures", {background}}}}},
               {"regions", regions}}}},
            {"entities", entities}};
}

// An exit: activated on its region, captioned with where it leads.
json ExitEntity(const std::string& object, const std::string& region)
{
    return {
        {"name", object}, {"events", {"Activate"}}, {"region", region}, {"caption", ExitKey(object)}, {"saveSlot", 0}};
}

json Camera3D()
{
    return {{"position", {0, -390, 208}},
            {"target", {0, 390, 70}},
            {"up", {0, 0, 1}},
            {"fieldOfView", 40},
            {"near", 10},
            {"far", 2000}};
}

// A 4 x 2 grid of squares, each two triangles wound counter-clockwise.
json WalkMesh()
{
    json vertices = json::array();
    json triangles = json::array();
    constexpr int COLUMNS = 4;
    constexpr int ROWS = 2;
    for (int r = 0; r <= ROWS; ++r)
        for (int c = 0; c <= COLUMNS; ++c)
            vertices.push_back({-FLOOR_HALF_WIDTH + 2 * FLOOR_HALF_WIDTH * c / COLUMNS,
                                FLOOR_NEAR + (FLOOR_FAR - FLOOR_NEAR) * r / ROWS, 0});
    for (int r = 0; r < ROWS; ++r) {
        for (int c = 0; c < COLUMNS; ++c) {
            const int a = r * (COLUMNS + 1) + c;
            const int b = a + COLUMNS + 1;
            triangles.push_back({a, a + 1, b + 1});
            triangles.push_back({a, b + 1, b});
        }
    }
    return {{"vertices", vertices}, {"triangles", triangles}};
}

json ScreenPoint(const Camera& camera, double x, double y, double z)
{
    const CoreFxVec screen = camera.ProjectToScreen(
        {int32_t(std::lround(x * FX32_ONE)), int32_t(std::lround(y * FX32_ONE)), int32_t(std::lround(z * FX32_ONE))});
    return {std::lround(double(screen.x) / FX32_ONE), std::lround(double(screen.y) / FX32_ONE)};
}

// A quad of screen corners, clockwise from the top left, as two triangles.
json Quad(const json& topLeft, const json& topRight, const json& bottomRight, const json& bottomLeft)
{
    return {{topLeft, topRight, bottomRight}, {topLeft, bottomRight, bottomLeft}};
}

json Scene3D(const SceneDesc& row, const StandInCast& cast)
{
    const Colours& colours = ColoursOf(row.m_pName);
    const json camera = Camera3D();
    const Camera projection = ReadSceneCamera(camera, "stand-in camera");
    const auto exits = Exits(row);

    json shapes = {{{"world",
                     {{-FLOOR_HALF_WIDTH, FLOOR_FAR, 0},
                      {FLOOR_HALF_WIDTH, FLOOR_FAR, 0},
                      {FLOOR_HALF_WIDTH, FLOOR_FAR, WALL_HEIGHT},
                      {-FLOOR_HALF_WIDTH, FLOOR_FAR, WALL_HEIGHT}}},
                    {"colour", colours.wall}},
                   {{"walkMesh", true}, {"colour", colours.floor}}};
    json regions = json::array();
    json entities = json::array();
    json locators = json::array();
    // With doors, the characters stand in the lines of the gaps beside and
    // between them, the middlemost first, rows from the back wall forward as
    // the set needs: there none covers a door's middle, where a click must
    // open the door.
    std::vector<std::array<double, 2>> places;
    if (exits.empty()) {
        for (const auto& place : OPEN_PLACES)
            places.push_back({place[0], place[1]});
    } else {
        const double gap = 660.0 / double(exits.size());
        for (double y = FLOOR_FAR - 70; places.size() < size_t(MAX_ACTORS_PER_SET); y -= 80) {
            const size_t row = places.size();
            for (size_t k = 0; k <= exits.size(); ++k)
                places.push_back({-330 + gap * double(k), y});
            std::stable_sort(places.begin() + std::ptrdiff_t(row), places.end(),
                             [](const auto& a, const auto& b) { return std::abs(a[0]) < std::abs(b[0]); });
        }
    }
    for (size_t p = 0; p < places.size(); ++p)
        locators.push_back({{"name", "place_" + std::to_string(p)},
                            {"position", {places[p][0], places[p][1], 0}},
                            {"orientation", 0},
                            {"radius", 20}});

    // The floor in front of the back wall takes a depth of its own, so that
    // characters are drawn in front of the painted room.
    const json horizon = ScreenPoint(projection, 0, FLOOR_FAR, 0);
    regions.push_back({{"name", "floor"},
                       {"depth", -30},
                       {"triangles", Quad({0, horizon[1]}, {256, horizon[1]}, {256, 192}, {0, 192})}});
    for (size_t e = 0; e < exits.size(); ++e) {
        const std::string object = row.m_ppObjectNames[exits[e].first];
        const double x = -330 + 660 * (double(e) + 0.5) / double(exits.size());
        shapes.push_back({{"world",
                           {{x - DOOR_HALF_WIDTH, FLOOR_FAR, 0},
                            {x + DOOR_HALF_WIDTH, FLOOR_FAR, 0},
                            {x + DOOR_HALF_WIDTH, FLOOR_FAR, DOOR_HEIGHT},
                            {x - DOOR_HALF_WIDTH, FLOOR_FAR, DOOR_HEIGHT}}},
                          {"colour", "#4A3020"}});
        const json topLeft = ScreenPoint(projection, x - DOOR_HALF_WIDTH, FLOOR_FAR, DOOR_HEIGHT);
        const json bottomRight = ScreenPoint(projection, x + DOOR_HALF_WIDTH, FLOOR_FAR, 0);
        const json middle = ScreenPoint(projection, x, FLOOR_FAR, DOOR_HEIGHT / 2);
        regions.push_back(
            {{"name", "door_" + std::to_string(e)},
             {"entity", object},
             {"depth", -60},
             {"marker", {middle[0], middle[1], 0}},
             {"triangles", Quad(topLeft, {bottomRight[0], topLeft[1]}, bottomRight, {topLeft[0], bottomRight[1]})}});
        entities.push_back(ExitEntity(object, "door_" + std::to_string(e)));
        locators.push_back({{"name", "door_" + std::to_string(e)},
                            {"position", {x, FLOOR_FAR - 40, 0}},
                            {"orientation", 0},
                            {"radius", 20}});
    }

    json actorSets = json::array();
    for (int32_t s = 0; s < row.m_iNbActorSets; ++s) {
        const ActorSetRecord& set = row.m_pActorSets[s];
        json characters = json::array();
        for (const uint32_t actorId : set.m_aActorIds) {
            const char* actor = actorId != 0 ? Id::GetActorName(actorId) : nullptr;
            if (!actor || !cast.figures.count(actor))
                continue;
            const auto animations = cast.animations.find(actor);
            characters.push_back(
                {{"name", actor},
                 {"animations", animations != cast.animations.end() ? animations->second : json::array()}});
        }
        actorSets.push_back({{"name", set.m_pName}, {"characters", characters}});
    }

    json source = Picture(row, shapes, regions, entities);
    source.update({{"locators", locators},
                   {"actorSets", actorSets},
                   {"camera", camera},
                   {"ambient", {0.35, 0.3, 0.3}},
                   {"lights",
                    {{{"type", "directional"},
                      {"direction", {0.3, 0.5, -0.8}},
                      {"colour", {1, 0.95, 0.85}},
                      {"shadowColour", {0, 0, 0}},
                      {"shadowDensity", 0.5}}}},
                   {"walkMesh", WalkMesh()}});
    return source;
}

json Scene2D(const SceneDesc& row)
{
    const Colours& colours = ColoursOf(row.m_pName);
    const auto exits = Exits(row);
    json regions = json::array();
    json entities = json::array();
    json shapes = {{{"rect", {8, 8, 240, 176}}, {"colour", colours.wall}}};
    for (size_t e = 0; e < exits.size(); ++e) {
        const std::string object = row.m_ppObjectNames[exits[e].first];
        const int right = 248 - 56 * int(e);
        shapes.push_back({{"rect", {right - 48, 160, 48, 24}}, {"colour", "#4A3020"}});
        regions.push_back({{"name", "exit_" + std::to_string(e)},
                           {"entity", object},
                           {"depth", -30},
                           {"marker", {right - 24, 172, 0}},
                           {"triangles", Quad({right - 48, 160}, {right, 160}, {right, 184}, {right - 48, 184})}});
        entities.push_back(ExitEntity(object, "exit_" + std::to_string(e)));
    }
    return Picture(row, shapes, regions, entities);
}

struct Words {
    const char* language;
    const char* worldMap;
    const char* back;
    const char* map;
};

constexpr Words WORDS[] = {
    {"en-GB", "World map", "Back", "Map"},         {"fr-FR", "Carte du monde", "Retour", "Carte"},
    {"de-DE", "Weltkarte", "Zurück", "Karte"},     {"it-IT", "Mappa del mondo", "Indietro", "Mappa"},
    {"es-ES", "Mapa del mundo", "Volver", "Mapa"},
};

} // namespace

std::string PlaceName(const std::string& sceneName)
{
    // The name's words after the number and the island's code.
    const size_t number = sceneName.find('_');
    std::string words = number == std::string::npos ? sceneName : sceneName.substr(number + 1);
    if (words.size() > 3 && std::isupper(static_cast<unsigned char>(words[0])) &&
        std::isupper(static_cast<unsigned char>(words[1])) && words[2] == '_')
        words = words.substr(3);
    std::string name;
    for (size_t i = 0; i < words.size(); ++i) {
        const char c = words[i];
        if (c == '_') {
            name += ' ';
            continue;
        }
        if (i > 0 && std::isupper(static_cast<unsigned char>(c)) && words[i - 1] != '_' &&
            !std::isupper(static_cast<unsigned char>(words[i - 1])))
            name += ' ';
        name += c;
    }
    return name;
}

nlohmann::json StandInSource(const SceneDesc& row, const StandInCast& cast)
{
    json source = row.m_bIs3D ? Scene3D(row, cast) : Scene2D(row);
    source["text"] = true;
    source["dialogs"] = row.m_bHasDialog != 0;
    return source;
}

std::vector<TextRow> StandInTexts(const SceneDesc& row, const std::string& language)
{
    const Words* words = &WORDS[0];
    for (const Words& candidate : WORDS)
        if (language == candidate.language)
            words = &candidate;
    std::vector<TextRow> texts;
    for (const auto& [object, exit] : Exits(row)) {
        std::string caption;
        switch (exit.m_eKind) {
        case StandInExitKind::Scene: caption = PlaceName(Id::GetSceneDesc(exit.m_iSceneId)->m_pName); break;
        case StandInExitKind::WorldMap: caption = words->worldMap; break;
        case StandInExitKind::PreviousScene: caption = words->back; break;
        case StandInExitKind::MapTab: caption = words->map; break;
        case StandInExitKind::None: break;
        }
        texts.push_back({TextIdOfKey(ExitKey(row.m_ppObjectNames[object])), caption});
    }
    return texts;
}
