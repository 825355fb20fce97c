#include "WorldShapes.h"

#include "ContentError.h"
#include "SceneCamera.h"
#include "SourceRecord.h"
#include "WalkMeshBaker.h"

#include <optional>

namespace {

double ToUnits(fx32 value)
{
    return value / static_cast<double>(FX32_ONE);
}

std::string PointText(const CoreFxVec& point)
{
    return nlohmann::json {ToUnits(point.x), ToUnits(point.y), ToUnits(point.z)}.dump();
}

// Projects the world shapes of one texture; the camera and the walk mesh are
// read when a shape first needs them.
class WorldPainter {
public:
    WorldPainter(const nlohmann::json& texture, const nlohmann::json& scene, std::string place)
        : m_scene(scene), m_place(std::move(place))
    {
        const SourceRecord record(texture, m_place);
        const std::vector<int32_t> origin = record.FixedList("screen", 2, {0, 0});
        m_originX = ToUnits(origin[0]);
        m_originY = ToUnits(origin[1]);
    }

    nlohmann::json Shapes(const nlohmann::json& shapes)
    {
        if (!shapes.is_array())
            return shapes;
        nlohmann::json projected = nlohmann::json::array();
        for (size_t i = 0; i < shapes.size(); ++i)
            projected.push_back(Shape(shapes[i], m_place + ": shape " + std::to_string(i)));
        return projected;
    }

private:
    nlohmann::json Shape(const nlohmann::json& shape, const std::string& place)
    {
        if (!shape.is_object())
            return shape;
        if (shape.contains("group")) {
            nlohmann::json group = shape;
            group["group"] = Shapes(shape.at("group"));
            return group;
        }
        if (shape.contains("world"))
            return Polygon(WorldPoints(shape.at("world"), place), shape, place);
        if (shape.contains("walkMesh")) {
            nlohmann::json triangles = nlohmann::json::array();
            for (const WalkMeshTriangle& triangle : WalkMeshTriangles(place).triangles) {
                const std::vector<CoreFxVec> corners(std::begin(triangle.m_vVertices), std::end(triangle.m_vVertices));
                triangles.push_back(Polygon(corners, shape, place));
            }
            return {{"group", triangles}};
        }
        return shape;
    }

    static std::vector<CoreFxVec> WorldPoints(const nlohmann::json& list, const std::string& place)
    {
        if (!list.is_array() || list.size() < 3)
            throw ContentError(place + ": \"world\" must be a list of at least 3 points [x, y, z]");
        std::vector<CoreFxVec> points;
        for (const nlohmann::json& point : list)
            points.push_back(ReadWorldPoint(point, place));
        return points;
    }

    nlohmann::json Polygon(const std::vector<CoreFxVec>& points, const nlohmann::json& shape, const std::string& place)
    {
        const Camera& camera = SceneCamera(place);
        const CoreFxVec& eye = camera.m_vEye;
        const CoreFxVec& target = camera.m_vTarget;
        nlohmann::json corners = nlohmann::json::array();
        for (const CoreFxVec& point : points) {
            // A point behind the eye would be drawn mirrored.
            const double ahead = ToUnits(point.x - eye.x) * ToUnits(target.x - eye.x) +
                                 ToUnits(point.y - eye.y) * ToUnits(target.y - eye.y) +
                                 ToUnits(point.z - eye.z) * ToUnits(target.z - eye.z);
            if (!(ahead > 0))
                throw ContentError(place + ": the point " + PointText(point) + " lies behind the camera");
            const CoreFxVec screen = camera.ProjectToScreen(point);
            corners.push_back({ToUnits(screen.x) - m_originX, ToUnits(screen.y) - m_originY});
        }
        return {{"polygon", corners}, {"colour", shape.contains("colour") ? shape.at("colour") : nlohmann::json()}};
    }

    const Camera& SceneCamera(const std::string& place)
    {
        if (!m_camera) {
            if (!m_scene.contains("camera"))
                throw ContentError(place + ": a world shape needs the scene's \"camera\"");
            m_camera = ReadSceneCamera(m_scene.at("camera"), m_place + ": camera");
        }
        return *m_camera;
    }

    const WalkMeshSource& WalkMeshTriangles(const std::string& place)
    {
        if (!m_walkMesh) {
            if (!m_scene.contains("walkMesh"))
                throw ContentError(place + ": \"walkMesh\" needs the scene's \"walkMesh\"");
            m_walkMesh = ReadWalkMeshSource(m_scene.at("walkMesh"), m_place + ": walkMesh");
        }
        return *m_walkMesh;
    }

    const nlohmann::json& m_scene;
    std::string m_place;
    double m_originX = 0;
    double m_originY = 0;
    std::optional<Camera> m_camera;
    std::optional<WalkMeshSource> m_walkMesh;
};

} // namespace

nlohmann::json ProjectWorldShapes(const nlohmann::json& texture, const nlohmann::json& scene, const std::string& place)
{
    if (!texture.is_object() || !texture.contains("shapes"))
        return texture;
    WorldPainter painter(texture, scene, place);
    nlohmann::json projected = texture;
    projected["shapes"] = painter.Shapes(texture.at("shapes"));
    return projected;
}
