#include "SceneCamera.h"
#include "SceneFiles.h"
#include "SourceRecord.h"
#include "WalkMeshBaker.h"

namespace {

constexpr uint32_t VERSION_MAJOR = 2;
constexpr uint32_t VERSION_MINOR = 6;
// Routes and wall edges are always baked.
constexpr uint32_t FLAGS_PATHS_AND_EDGES = 3;
// Eight bytes, the last a NUL.
constexpr char FILE_ID[8] = "3DSCENE";
constexpr size_t MAX_LIGHTS = 4;
// How the file numbers its lights.
constexpr uint32_t LIGHT_DIRECTIONAL = 0;
constexpr uint32_t LIGHT_OMNI = 1;
constexpr int64_t COLOUR_LEVELS = 255;

void WriteFixed(ByteWriter& out, const std::vector<int32_t>& values)
{
    for (int32_t value : values)
        out.U32(static_cast<uint32_t>(value));
}

// Sources write colours 0..1; the file keeps colour levels 0..255, which the
// renderer takes as they are for the ambient colour and shifts for lights.
void WriteColour(ByteWriter& out, const SourceRecord& record, const char* member, const std::vector<double>& fallback)
{
    for (int32_t value : record.FixedList(member, 3, fallback))
        out.U32(static_cast<uint32_t>(static_cast<int64_t>(value) * COLOUR_LEVELS));
}

void WriteVector(ByteWriter& out, const CoreFxVec& vector)
{
    WriteFixed(out, {vector.x, vector.y, vector.z});
}

void WriteCamera(ByteWriter& out, const nlohmann::json& source, const std::string& place)
{
    const Camera camera = ReadSceneCamera(source, place);
    WriteVector(out, camera.m_vEye);
    WriteVector(out, camera.m_vTarget);
    WriteVector(out, camera.m_vUp);
    WriteFixed(out, {camera.m_fFovSin, camera.m_fFovCos, camera.m_fNear, camera.m_fFar});
}

void WriteLight(ByteWriter& out, const nlohmann::json& source, const std::string& place)
{
    const SourceRecord light(source, place);
    const nlohmann::json& type = light.Member("type");
    if (type == "directional") {
        out.U32(LIGHT_DIRECTIONAL);
        WriteFixed(out, light.FixedList("direction", 3, {}));
    } else if (type == "omni") {
        out.U32(LIGHT_OMNI);
        WriteFixed(out, light.FixedList("position", 3, {}));
    } else {
        light.Fail("\"type\" must be \"directional\" or \"omni\"");
    }
    WriteColour(out, light, "colour", {});
    WriteColour(out, light, "shadowColour", {0, 0, 0});
    out.U32(static_cast<uint32_t>(light.Fixed("shadowDensity", 0)));
}

} // namespace

std::vector<uint8_t> WriteScene3DFile(const nlohmann::json& source, const std::string& place)
{
    const SourceRecord scene(source, place);
    ByteWriter out;
    // Byte by byte: the optimiser takes a block copy into the empty writer
    // for an overflow.
    for (char letter : FILE_ID)
        out.U8(static_cast<uint8_t>(letter));
    out.U32(VERSION_MAJOR);
    out.U32(VERSION_MINOR);
    out.U32(FLAGS_PATHS_AND_EDGES);
    WriteCamera(out, scene.Member("camera"), place + ": camera");
    WriteColour(out, scene, "ambient", {0, 0, 0});

    const nlohmann::json lights = scene.Has("lights") ? scene.Member("lights") : nlohmann::json::array();
    if (!lights.is_array() || lights.size() > MAX_LIGHTS)
        scene.Fail("\"lights\" must be a list of at most 4 lights");
    out.U32(static_cast<uint32_t>(lights.size()));
    for (size_t i = 0; i < lights.size(); ++i)
        WriteLight(out, lights[i], place + ": light " + std::to_string(i));

    WalkMesh mesh;
    BakeWalkMesh(ReadWalkMeshSource(scene.Member("walkMesh"), place + ": walkMesh"), place + ": walkMesh", mesh);
    WriteWalkMeshBlock(mesh, out);
    return out.Bytes();
}
