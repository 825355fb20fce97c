#include "SceneRecords.h"
#include "SourceRecord.h"

#include <algorithm>
#include <array>

namespace {

using Corner = std::array<int64_t, 2>;
using Triangle = std::array<Corner, 3>;

Triangle ReadTriangle(const SourceRecord& region, const nlohmann::json& source, size_t index)
{
    const std::string what = "triangle " + std::to_string(index);
    if (!source.is_array() || source.size() != 3)
        region.Fail(what + " must be three corners [x, y]");
    Triangle triangle;
    for (size_t c = 0; c < 3; ++c) {
        if (!source[c].is_array() || source[c].size() != 2)
            region.Fail(what + " must be three corners [x, y]");
        for (size_t k = 0; k < 2; ++k)
            triangle[c][k] = region.ToInteger(source[c][k], INT16_MIN, INT16_MAX, what + ": a corner");
    }
    // The engine takes a point as inside when it lies on the inner side of
    // every edge in order: the corners go clockwise on the screen.
    const int64_t twiceArea = (triangle[1][0] - triangle[0][0]) * (triangle[2][1] - triangle[0][1]) -
                              (triangle[1][1] - triangle[0][1]) * (triangle[2][0] - triangle[0][0]);
    if (twiceArea == 0)
        region.Fail(what + " has no area");
    if (twiceArea < 0)
        region.Fail(what + " is wound the other way: list its corners in the opposite order");
    return triangle;
}

} // namespace

void WriteRegionRecord(ByteWriter& out, const nlohmann::json& source, const std::string& place)
{
    const SourceRecord region(source, place);
    std::vector<Triangle> triangles;
    if (region.Has("triangles")) {
        const nlohmann::json& list = region.Member("triangles");
        if (!list.is_array())
            region.Fail("\"triangles\" must be a list of triangles");
        for (size_t i = 0; i < list.size(); ++i)
            triangles.push_back(ReadTriangle(region, list[i], i));
    }

    // Without a box of its own the region takes its triangles' bounds.
    std::vector<double> box = {0, 0, 0, 0};
    if (!triangles.empty()) {
        int64_t xMin = INT64_MAX, yMin = INT64_MAX, xMax = INT64_MIN, yMax = INT64_MIN;
        for (const Triangle& triangle : triangles) {
            for (const Corner& corner : triangle) {
                xMin = std::min(xMin, corner[0]);
                xMax = std::max(xMax, corner[0]);
                yMin = std::min(yMin, corner[1]);
                yMax = std::max(yMax, corner[1]);
            }
        }
        box = {double(xMin), double(yMin), double(xMax - xMin), double(yMax - yMin)};
    } else if (!region.Has("position") || !region.Has("size")) {
        region.Fail("a region without triangles needs \"position\" and \"size\"");
    }

    region.WriteName(out, "name");
    out.U32(static_cast<uint32_t>(region.Integer("id", -1, UINT32_MAX, -1)));
    out.U32(static_cast<uint32_t>(region.Integer("entity", -1, INT32_MAX, -1)));
    for (int32_t value : region.FixedList("position", 2, {box[0], box[1]}))
        out.U32(static_cast<uint32_t>(value));
    out.U32(static_cast<uint32_t>(region.ToFixed(region.Member("depth"), "\"depth\"")));
    for (int32_t value : region.FixedList("size", 2, {box[2], box[3]}))
        out.U32(static_cast<uint32_t>(value));
    out.U32(static_cast<uint32_t>(triangles.size()));
    for (const Triangle& triangle : triangles)
        for (const Corner& corner : triangle)
            for (int64_t coordinate : corner)
                out.U16(static_cast<uint32_t>(coordinate));
    out.U32(static_cast<uint32_t>(region.Integer("direction", 0, UINT32_MAX, 0)));
    for (int32_t value : region.FixedList("marker", 3, {-1, -1, 0}))
        out.U32(static_cast<uint32_t>(value));
}
