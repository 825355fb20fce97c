// 3D scene files written by the content builder and read by the scene.
#include "ContentBuilder/SceneFiles.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SerialStream.h"
#include "Support/LogCapture.h"

#include <gmock/gmock.h>

#include <cmath>

namespace {

using testing::HasSubstr;

constexpr fx32 FX = FX32_ONE;
// Offsets of the file's fields.
constexpr size_t MAJOR_OFFSET = 8;
constexpr size_t MINOR_OFFSET = 12;
constexpr size_t FLAGS_OFFSET = 16;
constexpr size_t NEAR_OFFSET = 64;
constexpr size_t FAR_OFFSET = 68;
constexpr size_t LIGHT_COUNT_OFFSET = 84;
constexpr size_t LIGHT_SIZE = 44;

nlohmann::json Source()
{
    return nlohmann::json::parse(R"({
      "camera": { "position": [0, -400, 250], "target": [0, 40, 0], "up": [0, 0, 1], "fieldOfView": 45,
                  "near": 10, "far": 2000 },
      "ambient": [0.25, 0.5, 0.75],
      "lights": [
        { "type": "directional", "direction": [0, 0.6, -0.8], "colour": [1, 0.5, 0.25],
          "shadowColour": [0.1, 0.2, 0.3], "shadowDensity": 0.5 },
        { "type": "omni", "position": [10, 20, 30], "colour": [1, 1, 1] }
      ],
      "walkMesh": { "vertices": [[-100, -100, 0], [100, -100, 0], [100, 100, 0], [-100, 100, 0]],
                    "triangles": [[0, 1, 2], [0, 2, 3]] }
    })");
}

void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

class Scene3DFileTest : public testing::Test {
protected:
    bool Read(const std::vector<uint8_t>& bytes)
    {
        m_scene = std::make_unique<Scene>();
        SerialStream stream(bytes.data(), bytes.size(), "scenes/test_room.3dscene.o");
        TestSupport::LogCapture capture;
        const bool read = m_scene->Initialize3D(stream);
        m_log = capture.Take();
        return read;
    }

    const std::vector<uint8_t> m_bytes = WriteScene3DFile(Source(), "test_room.json");
    std::unique_ptr<Scene> m_scene;
    std::string m_log;
};

TEST_F(Scene3DFileTest, CameraLightsAndWalkMeshReadBack)
{
    ASSERT_TRUE(Read(m_bytes)) << m_log;
    EXPECT_EQ(m_log, "");
    const Camera& camera = m_scene->m_oCamera;
    EXPECT_EQ(camera.m_vEye.y, -400 * FX);
    EXPECT_EQ(camera.m_vEye.z, 250 * FX);
    EXPECT_EQ(camera.m_vTarget.y, 40 * FX);
    EXPECT_EQ(camera.m_vUp.z, FX);
    EXPECT_EQ(camera.m_fFovSin, static_cast<fx32>(std::lround(std::sin(M_PI / 8) * FX)));
    EXPECT_EQ(camera.m_fFovCos, static_cast<fx32>(std::lround(std::cos(M_PI / 8) * FX)));
    EXPECT_EQ(camera.m_fNear, 10 * FX);
    EXPECT_EQ(camera.m_fFar, 2000 * FX);
    // A 4:3 window when the settings name none.
    EXPECT_EQ(camera.m_fAspect, 0x1555);

    EXPECT_EQ(m_scene->m_oAmbient.m_iType, SCENE_LIGHT_DIRECTIONAL);
    // Colours written 0..1 are kept as levels 0..255.
    EXPECT_EQ(m_scene->m_oAmbient.m_aColour[2], 255 * 3 * FX / 4);
    ASSERT_EQ(m_scene->m_iNumLights, 2);
    // The file numbers the kinds the other way round.
    const SceneLight& sun = m_scene->m_aLights[0];
    EXPECT_EQ(sun.m_iType, SCENE_LIGHT_DIRECTIONAL);
    EXPECT_EQ(sun.m_vVector.z, static_cast<fx32>(std::lround(-0.8 * FX)));
    EXPECT_EQ(sun.m_aColour[2], 255 * FX / 4);
    EXPECT_EQ(sun.m_aShadowColour[1], 255 * static_cast<fx32>(std::lround(0.2 * FX)));
    EXPECT_EQ(sun.m_fShadowDensity, FX / 2);
    EXPECT_EQ(m_scene->m_aLights[1].m_iType, SCENE_LIGHT_OMNI);
    EXPECT_EQ(m_scene->m_aLights[1].m_vVector.y, 20 * FX);

    EXPECT_EQ(m_scene->m_oWalkMesh.m_iNumTriangles, 2);
}

TEST_F(Scene3DFileTest, OnlyVersionTwoSixIsAccepted)
{
    for (auto [major, minor] : {std::pair {2u, 5u}, {2u, 7u}, {3u, 6u}, {1u, 6u}}) {
        std::vector<uint8_t> bytes = m_bytes;
        PutU32(bytes, MAJOR_OFFSET, major);
        PutU32(bytes, MINOR_OFFSET, minor);
        EXPECT_FALSE(Read(bytes));
        EXPECT_EQ(m_log, "Scene::Initialize -- Only version 2.6 of mesh is supported!\n");
    }
}

TEST_F(Scene3DFileTest, RoutesAndEdgesMustBothBeComputed)
{
    const struct {
        uint32_t flags;
        const char* message;
    } cases[] = {
        {2, "Scene::Initialize -- 3DScene does not contain path information!\n"},
        {0, "Scene::Initialize -- 3DScene does not contain path information!\n"},
        {1, "Scene::Initialize -- 3DScene does not contain edge information!\n"},
        {0xFFFFFFFC, "Scene::Initialize -- 3DScene does not contain path information!\n"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = m_bytes;
        PutU32(bytes, FLAGS_OFFSET, c.flags);
        EXPECT_FALSE(Read(bytes));
        EXPECT_EQ(m_log, c.message);
    }
    std::vector<uint8_t> extra = m_bytes;
    PutU32(extra, FLAGS_OFFSET, 0xFFFFFFFF);
    EXPECT_TRUE(Read(extra));
}

TEST_F(Scene3DFileTest, NearTimesFarIsKeptBelowTheDepthLimit)
{
    const struct {
        fx32 nearPlane;
        fx32 farPlane;
        fx32 guarded;
    } cases[] = {
        {16 * FX, 16384 * FX, 15 * FX},
        {16 * FX, 16383 * FX, 16 * FX},
        {10 * FX, 2000 * FX, 10 * FX},
        // 100000 x 200000 wraps in 32 bits; the guard still applies.
        {100000 * FX, 200000 * FX, 1 * FX},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = m_bytes;
        PutU32(bytes, NEAR_OFFSET, static_cast<uint32_t>(c.nearPlane));
        PutU32(bytes, FAR_OFFSET, static_cast<uint32_t>(c.farPlane));
        ASSERT_TRUE(Read(bytes));
        EXPECT_EQ(m_scene->m_oCamera.m_fNear, c.guarded);
        EXPECT_EQ(m_scene->m_oCamera.m_fFar, c.farPlane);
        const bool warned = c.guarded != c.nearPlane;
        EXPECT_EQ(m_log, warned ? "Warning ! Camera near * Camera far is too big (> 262143)!\n" : "");
    }
}

TEST_F(Scene3DFileTest, LightsBeyondFourOrOfUnknownTypeRefuseTheFile)
{
    std::vector<uint8_t> five = m_bytes;
    PutU32(five, LIGHT_COUNT_OFFSET, 5);
    EXPECT_FALSE(Read(five));
    EXPECT_EQ(m_log, "Scene::Initialize -- \"scenes/test_room.3dscene.o\": 5 lights, at most 4\n");
    EXPECT_EQ(m_scene->m_iNumLights, 0);

    std::vector<uint8_t> unknown = m_bytes;
    PutU32(unknown, LIGHT_COUNT_OFFSET + 4 + LIGHT_SIZE, 2);
    EXPECT_FALSE(Read(unknown));
    EXPECT_EQ(m_log, "Unsupported light type : 2\n");
}

TEST_F(Scene3DFileTest, AWalkMeshThatCannotBeLoadedFailsTheFile)
{
    std::vector<uint8_t> noFloor = m_bytes;
    PutU32(noFloor, LIGHT_COUNT_OFFSET + 4 + 2 * LIGHT_SIZE, 0);
    EXPECT_FALSE(Read(noFloor));
    EXPECT_EQ(m_log, "WalkMesh::Initialize -- Invalid number of triangles\n");
}

} // namespace
