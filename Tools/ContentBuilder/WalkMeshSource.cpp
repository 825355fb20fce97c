#include "ContentError.h"
#include "WalkMeshBaker.h"

#include <cmath>

namespace {

// A world coordinate in fx32; the whole fx32 range is about +-524288 units.
fx32 Coordinate(const nlohmann::json& value, const std::string& where)
{
    if (!value.is_number())
        throw ContentError(where + ": " + value.dump() + " is not a number");
    const double scaled = std::round(value.get<double>() * FX32_ONE);
    if (!(scaled >= INT32_MIN && scaled <= INT32_MAX))
        throw ContentError(where + ": " + value.dump() + " is beyond the range of world coordinates");
    return static_cast<fx32>(scaled);
}

std::vector<CoreFxVec> Points(const nlohmann::json& description, const char* member, const std::string& where)
{
    std::vector<CoreFxVec> points;
    if (!description.contains(member))
        return points;
    if (!description.at(member).is_array())
        throw ContentError(where + ": \"" + member + "\" must be a list of points");
    for (const nlohmann::json& point : description.at(member))
        points.push_back(ReadWorldPoint(point, where + ": \"" + member + "\""));
    return points;
}

std::vector<WalkMeshTriangle> Triangles(const nlohmann::json& list, const std::vector<CoreFxVec>& vertices,
                                        const std::string& where)
{
    if (!list.is_array())
        throw ContentError(where + " must be a list of triangles [i, j, k]");
    std::vector<WalkMeshTriangle> triangles;
    for (const nlohmann::json& corners : list) {
        if (!corners.is_array() || corners.size() != 3)
            throw ContentError(where + ": " + corners.dump() + " is not a triangle [i, j, k]");
        WalkMeshTriangle triangle;
        for (int k = 0; k < 3; ++k) {
            const nlohmann::json& index = corners[k];
            if (!index.is_number_integer() || index.get<int64_t>() < 0 ||
                index.get<int64_t>() >= static_cast<int64_t>(vertices.size()))
                throw ContentError(where + ": " + corners.dump() + " names a vertex that is not in \"vertices\"");
            triangle.m_vVertices[k] = vertices[index.get<size_t>()];
        }
        triangles.push_back(triangle);
    }
    return triangles;
}

} // namespace

CoreFxVec ReadWorldPoint(const nlohmann::json& value, const std::string& where)
{
    if (!value.is_array() || value.size() != 3)
        throw ContentError(where + ": " + value.dump() + " is not a point [x, y, z]");
    return {Coordinate(value[0], where), Coordinate(value[1], where), Coordinate(value[2], where)};
}

WalkMeshSource ReadWalkMeshSource(const nlohmann::json& description, const std::string& where)
{
    if (!description.is_object() || !description.contains("triangles"))
        throw ContentError(where + ": a walk mesh needs \"vertices\" and \"triangles\"");
    const std::vector<CoreFxVec> vertices = Points(description, "vertices", where);
    WalkMeshSource source;
    source.triangles = Triangles(description.at("triangles"), vertices, where + ": \"triangles\"");
    if (description.contains("blockers")) {
        const nlohmann::json& blockers = description.at("blockers");
        if (!blockers.is_array())
            throw ContentError(where + ": \"blockers\" must be a list of triangle lists");
        for (size_t index = 0; index < blockers.size(); ++index)
            source.blockers.push_back(
                Triangles(blockers[index], vertices, where + ": blocker " + std::to_string(index)));
    }
    source.wayPoints = Points(description, "waypoints", where);
    return source;
}
