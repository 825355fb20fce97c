#include "ScenePaintingCheck.h"

#include "ContentError.h"
#include "WalkMeshBaker.h"

#include <optional>

namespace {

const nlohmann::json& ListOf(const nlohmann::json& record, const char* member)
{
    static const nlohmann::json empty = nlohmann::json::array();
    return record.is_object() && record.contains(member) && record.at(member).is_array() ? record.at(member) : empty;
}

bool PaintsWalkMesh(const nlohmann::json& shapes)
{
    for (const nlohmann::json& shape : shapes) {
        if (!shape.is_object())
            continue;
        if (shape.value("walkMesh", false))
            return true;
        if (PaintsWalkMesh(ListOf(shape, "group")))
            return true;
    }
    return false;
}

const nlohmann::json& MainLayer(const nlohmann::json& source, const std::string& place)
{
    const nlohmann::json& layers = ListOf(source, "layers");
    const std::string main = source.value("mainLayer", std::string());
    for (const nlohmann::json& layer : layers)
        if (main.empty() || (layer.is_object() && layer.value("name", std::string()) == main))
            return layer;
    throw ContentError(place + ": a 3D scene needs its main layer");
}

// The sprite drawn behind every other one of the main layer.
std::optional<nlohmann::json> Background(const nlohmann::json& layer)
{
    std::optional<nlohmann::json> back;
    for (const nlohmann::json& sprite : ListOf(layer, "sprites"))
        if (sprite.is_object() && sprite.contains("depth") && sprite.at("depth").is_number() &&
            (!back || sprite.at("depth").get<double>() < back->at("depth").get<double>()))
            back = sprite;
    return back;
}

void CheckBackground(const nlohmann::json& source, const std::string& place)
{
    const std::optional<nlohmann::json> back = Background(MainLayer(source, place));
    if (!back)
        throw ContentError(place + ": a 3D scene needs a background sprite painted from its 3D description");
    const std::string spriteName = back->value("name", std::string());
    const nlohmann::json& frames = ListOf(*back, "textures");
    const std::string texture = !frames.empty() && frames[0].is_string() ? frames[0].get<std::string>() : "";
    for (const nlohmann::json& definition : ListOf(source, "textures"))
        if (definition.is_object() && definition.value("name", std::string()) == texture &&
            PaintsWalkMesh(ListOf(definition, "shapes")))
            return;
    throw ContentError(place + ": the background \"" + spriteName + "\" of a 3D scene must show a texture of the " +
                       "scene's own whose floor is painted from the walk mesh ({\"walkMesh\": true})");
}

// Whether the point lies over the triangle, seen from above.
bool IsOver(const CoreFxVec& point, const WalkMeshTriangle& triangle)
{
    int sides = 0;
    for (int i = 0; i < 3; ++i) {
        const CoreFxVec& a = triangle.m_vVertices[i];
        const CoreFxVec& b = triangle.m_vVertices[(i + 1) % 3];
        const int64_t cross = int64_t(b.x - a.x) * (point.y - a.y) - int64_t(b.y - a.y) * (point.x - a.x);
        sides += cross >= 0 ? 1 : -1;
    }
    return sides == 3 || sides == -3;
}

void CheckWaypoints(const nlohmann::json& source, const std::string& place)
{
    if (!source.contains("walkMesh"))
        throw ContentError(place + ": a 3D scene needs its \"walkMesh\"");
    const WalkMeshSource floor = ReadWalkMeshSource(source.at("walkMesh"), place + ": walkMesh");
    const nlohmann::json& locators = ListOf(source, "locators");
    for (size_t i = 0; i < locators.size(); ++i) {
        const nlohmann::json& locator = locators[i];
        std::string where = place;
        where.append(": waypoint ")
            .append(locator.value("name", std::string()))
            .append(" (")
            .append(std::to_string(i))
            .append(")");
        const CoreFxVec point = ReadWorldPoint(locator.value("position", nlohmann::json()), where);
        bool onFloor = false;
        for (const WalkMeshTriangle& triangle : floor.triangles)
            onFloor = onFloor || IsOver(point, triangle);
        if (!onFloor)
            throw ContentError(where + " at " + locator.at("position").dump() + " stands on no floor of the walk mesh");
    }
}

} // namespace

void CheckPaintedFromScene(const nlohmann::json& source, const std::string& place)
{
    if (!source.is_object() || !source.contains("camera"))
        return;
    CheckBackground(source, place);
    CheckWaypoints(source, place);
}
