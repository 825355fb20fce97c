#include "SceneCamera.h"

#include "SourceRecord.h"

#include <cmath>
#include <numbers>

namespace {

// Any 4:3 window shows the 256 x 192 screen whole.
constexpr uint32_t WINDOW_WIDTH = 1024;
constexpr uint32_t WINDOW_HEIGHT = 768;

CoreFxVec Vector(const SourceRecord& camera, const char* member, const std::vector<double>& fallback)
{
    const std::vector<int32_t> fixed = camera.FixedList(member, 3, fallback);
    return {fixed[0], fixed[1], fixed[2]};
}

} // namespace

Camera ReadSceneCamera(const nlohmann::json& source, const std::string& place)
{
    const SourceRecord record(source, place);
    Camera camera;
    camera.Initialize();
    camera.SetLookAt(Vector(record, "position", {}), Vector(record, "target", {}), Vector(record, "up", {0, 0, 1}));
    const double degrees = record.Member("fieldOfView").is_number() ? record.Member("fieldOfView").get<double>() : 0;
    if (!(degrees > 0 && degrees < 180))
        record.Fail("\"fieldOfView\" must be an angle between 0 and 180 degrees");
    const double half = degrees * std::numbers::pi / 360.0;
    camera.m_fFovSin = record.ToFixed(std::sin(half), "the field of view");
    camera.m_fFovCos = record.ToFixed(std::cos(half), "the field of view");
    camera.m_fNear = record.ToFixed(record.Member("near"), "\"near\"");
    camera.m_fFar = record.ToFixed(record.Member("far"), "\"far\"");
    if (!(camera.m_fNear > 0 && camera.m_fNear < camera.m_fFar))
        record.Fail("\"near\" must lie between 0 and \"far\"");
    camera.SetWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    return camera;
}
