#include "Log/CoreLog.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneScreen.h"
#include "Scene/Common/SerialStream.h"

namespace {

constexpr uint32_t MESH_VERSION_MAJOR = 2;
constexpr uint32_t MESH_VERSION_MINOR = 6;
constexpr uint32_t FLAG_PATH_COMPUTED = 1u << 0;
constexpr uint32_t FLAG_EDGE_COMPUTED = 1u << 1;
constexpr uint32_t FILE_ID_SIZE = 8;
// Whole units: the depth buffer loses the scene when near times far reaches
// this.
constexpr uint32_t MAX_NEAR_TIMES_FAR = 0x3FFFF;
// How the file numbers its lights.
constexpr uint32_t FILE_LIGHT_DIRECTIONAL = 0;
constexpr uint32_t FILE_LIGHT_OMNI = 1;

CoreFxVec ReadVector(SerialStream& stream)
{
    const fx32 x = stream.ReadS32();
    const fx32 y = stream.ReadS32();
    const fx32 z = stream.ReadS32();
    return {x, y, z};
}

void ReadColour(SerialStream& stream, fx32* pColour)
{
    for (int i = 0; i < 3; ++i)
        pColour[i] = stream.ReadS32();
}

// The near plane pulled in so that near times far (whole units) stays below
// the limit; the product in 64 bits, so that it cannot wrap past the test.
fx32 GuardNearPlane(fx32 fNear, fx32 fFar)
{
    const uint32_t n = static_cast<uint32_t>(fNear >> FX32_SHIFT);
    const uint32_t f = static_cast<uint32_t>(fFar >> FX32_SHIFT);
    if (uint64_t(n) * f < MAX_NEAR_TIMES_FAR)
        return fNear;
    CorePrint(&g_oCoreLog, "Warning ! Camera near * Camera far is too big (> %i)!\n",
              static_cast<int>(MAX_NEAR_TIMES_FAR));
    return static_cast<fx32>((MAX_NEAR_TIMES_FAR / f) << FX32_SHIFT);
}

} // namespace

bool Scene::Initialize3D(SerialStream& stream)
{
    char fileId[FILE_ID_SIZE];
    stream.ReadBytes(fileId, FILE_ID_SIZE);
    const uint32_t major = stream.ReadU32();
    const uint32_t minor = stream.ReadU32();
    const uint32_t flags = stream.ReadU32();
    if (!stream.IsGood())
        return false;
    if (major != MESH_VERSION_MAJOR || minor != MESH_VERSION_MINOR) {
        CorePrint(&g_oCoreLog, "Scene::Initialize -- Only version %i.%i of mesh is supported!\n",
                  static_cast<int>(MESH_VERSION_MAJOR), static_cast<int>(MESH_VERSION_MINOR));
        return false;
    }
    if (!(flags & FLAG_PATH_COMPUTED)) {
        CorePrint(&g_oCoreLog, "Scene::Initialize -- 3DScene does not contain path information!\n");
        return false;
    }
    if (!(flags & FLAG_EDGE_COMPUTED)) {
        CorePrint(&g_oCoreLog, "Scene::Initialize -- 3DScene does not contain edge information!\n");
        return false;
    }

    const CoreFxVec eye = ReadVector(stream);
    const CoreFxVec target = ReadVector(stream);
    const CoreFxVec up = ReadVector(stream);
    const fx32 fovSin = stream.ReadS32();
    const fx32 fovCos = stream.ReadS32();
    const fx32 fNear = stream.ReadS32();
    const fx32 fFar = stream.ReadS32();
    if (!stream.IsGood())
        return false;
    m_oCamera.SetLookAt(eye, target, up);
    m_oCamera.m_fFovSin = fovSin;
    m_oCamera.m_fFovCos = fovCos;
    const SceneWindow window = SceneWindow::Current();
    m_oCamera.SetWindowSize(window.m_uWidth, window.m_uHeight);
    m_oCamera.m_fNear = GuardNearPlane(fNear, fFar);
    m_oCamera.m_fFar = fFar;

    m_oAmbient = SceneLight();
    m_oAmbient.m_iType = SCENE_LIGHT_DIRECTIONAL;
    ReadColour(stream, m_oAmbient.m_aColour);
    return ReadLights(stream) && m_oWalkMesh.Load(stream);
}

bool Scene::ReadLights(SerialStream& stream)
{
    const uint32_t count = stream.ReadU32();
    if (!stream.IsGood())
        return false;
    // The scene has room for four lights: more refuse the file.
    if (count > MAX_SCENE_LIGHTS) {
        CorePrint(&g_oCoreLog, "Scene::Initialize -- \"%s\": %u lights, at most %d\n", stream.GetFileName(), count,
                  MAX_SCENE_LIGHTS);
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        SceneLight& light = m_aLights[i];
        const uint32_t type = stream.ReadU32();
        light.m_vVector = ReadVector(stream);
        ReadColour(stream, light.m_aColour);
        ReadColour(stream, light.m_aShadowColour);
        light.m_fShadowDensity = stream.ReadS32();
        if (!stream.IsGood())
            return false;
        if (type == FILE_LIGHT_DIRECTIONAL) {
            light.m_iType = SCENE_LIGHT_DIRECTIONAL;
        } else if (type == FILE_LIGHT_OMNI) {
            light.m_iType = SCENE_LIGHT_OMNI;
        } else {
            CorePrint(&g_oCoreLog, "Unsupported light type : %i\n", static_cast<int32_t>(type));
            return false;
        }
        m_iNumLights = static_cast<int32_t>(i + 1);
    }
    return true;
}
