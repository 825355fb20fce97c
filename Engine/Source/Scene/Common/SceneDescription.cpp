#include "Adventure/Common/Entity.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneLog.h"
#include "Scene/Common/SceneServices.h"
#include "Scene/Common/SerialStream.h"

#include <new>

namespace {

constexpr uint16_t SCENE_VERSION_MAJOR = 4;
constexpr uint16_t SCENE_VERSION_MINOR = 1;
constexpr uint32_t FILE_ID_SIZE = 8;

// The step a region depth search starts from.
constexpr fx32 NO_DEPTH_STEP = 16384 * FX32_ONE;

// The fewest bytes a record takes; counts are checked against them before
// anything is allocated. A layer without sprites and regions; an entity
// without event types, look dialogs, sprites and region; an actor set with
// an empty name, no characters and no attachments.
constexpr uint64_t LAYER_MIN_SIZE = 16 + 8 + 4 + 4;
constexpr uint64_t ENTITY_MIN_SIZE = 16 + 4 + 4 + 4 + 4 + 4 + 16 + 8;
constexpr uint64_t ACTOR_SET_MIN_SIZE = 1 + 4 + 4;

fx32 MainLayerNoRegionDepth(const Layer& layer)
{
    fx32 depth = SCENE_DEEPEST_DEPTH;
    for (int32_t r = 0; r < layer.m_iNbRegions; ++r)
        if (layer.m_vRegions[r].m_iDepth > depth)
            depth = layer.m_vRegions[r].m_iDepth;
    for (int32_t s = 0; s < layer.m_iNbSprites; ++s)
        if (layer.m_vSprites[s].m_iDepth > depth)
            depth = layer.m_vSprites[s].m_iDepth;
    return depth;
}

fx32 RegionDepthStep(const Layer& layer)
{
    int64_t step = NO_DEPTH_STEP;
    for (int32_t r = 1; r < layer.m_iNbRegions; ++r) {
        // In 64 bits: depths from the file may lie far apart.
        const int64_t d = int64_t(layer.m_vRegions[r].m_iDepth) - layer.m_vRegions[r - 1].m_iDepth;
        if (d > 0 && d < step)
            step = d;
    }
    return step == NO_DEPTH_STEP ? 0 : static_cast<fx32>(step);
}

} // namespace

bool Scene::Initialize2D(SerialStream& stream)
{
    char fileId[FILE_ID_SIZE];
    stream.ReadBytes(fileId, FILE_ID_SIZE);
    stream.ReadBytes(m_sName, SCENE_OBJECT_NAME_SIZE);
    m_sName[SCENE_OBJECT_NAME_SIZE] = 0;
    const uint16_t major = stream.ReadU16();
    const uint16_t minor = stream.ReadU16();
    if (!stream.IsGood())
        return false;
    if (major != SCENE_VERSION_MAJOR) {
        LogSceneError("Scene::Initialize -- Only version %i.x of scene is supported! (try to re-export scene)\n",
                      SCENE_VERSION_MAJOR);
        ENGINE_ASSERT(major == SCENE_VERSION_MAJOR);
        return false;
    }
    if (minor != SCENE_VERSION_MINOR)
        LogSceneWarning("Scene::Initialize -- minor version differs : %d.%d (expecting %d.%d)\n", SCENE_VERSION_MAJOR,
                        minor, SCENE_VERSION_MAJOR, SCENE_VERSION_MINOR);

    m_bIs3D = stream.ReadU32() != 0;
    m_bHasDialog = stream.ReadU32() != 0;
    m_bHasText = stream.ReadU32() != 0;
    m_uHeaderWordA = stream.ReadU32();
    m_uSoundVariant = minor >= 1 ? stream.ReadU32() : 1;
    for (uint32_t& word : m_aHeaderWords)
        word = stream.ReadU32();
    const uint32_t mainLayer = stream.ReadU32();
    const uint32_t layerCount = stream.ReadU32();
    if (!stream.IsGood())
        return false;
    // Everything after the layers works on the main layer: one that is not
    // there refuses the file.
    if (mainLayer >= layerCount) {
        CorePrint(&g_oCoreLog, "Scene::Initialize -- \"%s\": main layer %u of %u layers\n", stream.GetFileName(),
                  mainLayer, layerCount);
        return false;
    }
    m_iMainLayerIndex = static_cast<int32_t>(mainLayer);

    return ReadLayers(stream, layerCount) && ReadEntities(stream) && ReadLocators(stream) && ReadActorSets(stream);
}

bool Scene::ReadLayers(SerialStream& stream, uint32_t uLayerCount)
{
    if (!stream.HasRoomFor(uLayerCount, LAYER_MIN_SIZE))
        return false;
    m_vLayers.reset(new (std::nothrow) Layer[uLayerCount]);
    if (!m_vLayers)
        return false;
    m_iNumLayers = static_cast<int32_t>(uLayerCount);
    for (int32_t l = 0; l < m_iNumLayers; ++l) {
        if (!m_vLayers[l].Initialize(stream)) {
            CorePrint(&g_oCoreLog, "Scene::Initialize -- Error intializing layer!\n");
            return false;
        }
    }

    const Layer& main = m_vLayers[m_iMainLayerIndex];
    m_oMainLayerSize = main.m_oSize;
    m_fNoRegionLayer = MainLayerNoRegionDepth(main);
    ENGINE_ASSERT(m_fNoRegionLayer <= -FX32_ONE);
    m_fRegionDepthStep = RegionDepthStep(main);
    return true;
}

bool Scene::ReadEntities(SerialStream& stream)
{
    const uint32_t count = stream.ReadU32();
    if (!stream.HasRoomFor(count, ENTITY_MIN_SIZE))
        return false;
    if (count > 0) {
        m_vEntities.reset(new (std::nothrow) Entity[count]);
        if (!m_vEntities)
            return false;
        m_iNumEntities = static_cast<int32_t>(count);
    }
    SceneServices& services = GetSceneServices();
    for (int32_t i = 0; i < m_iNumEntities; ++i) {
        Entity& entity = m_vEntities[i];
        entity.SetScene(this);
        entity.SetId(i);
        if (!entity.Initialize(stream))
            return false;
        services.InsertScriptable(i, &entity);
        m_iNumRegisteredEntities = i + 1;
    }
    ResolveEntities();
    return true;
}

void Scene::ResolveEntities()
{
    const auto resolve = [this](SceneObject& object) {
        const int32_t index = object.m_iEntityIndex;
        object.m_pScriptable = nullptr;
        if (index == -1)
            return;
        const bool bResolved = index >= 0 && index < m_iNumEntities;
        ENGINE_ASSERT(bResolved);
        if (bResolved)
            object.m_pScriptable = &m_vEntities[index];
    };
    for (int32_t l = 0; l < m_iNumLayers; ++l) {
        Layer& layer = m_vLayers[l];
        for (int32_t s = 0; s < layer.m_iNbSprites; ++s)
            resolve(layer.m_vSprites[s]);
        for (int32_t r = 0; r < layer.m_iNbRegions; ++r)
            resolve(layer.m_vRegions[r]);
    }

    for (int32_t i = 0; i < m_iNumEntities; ++i) {
        Entity& entity = m_vEntities[i];
        const bool bResolved = entity.ResolveSprites();
        ENGINE_ASSERT(bResolved);
        // An entity shows its first sprite at start.
        for (int32_t s = 1; s < entity.m_iNumSprite; ++s) {
            if (Sprite* sprite = entity.m_apSprites[s]) {
                sprite->m_bVisible = 0;
                sprite->m_bAnimating = 0;
            }
        }
    }
}

bool Scene::ReadLocators(SerialStream& stream)
{
    const int32_t count = stream.ReadS32();
    if (count <= 0)
        return stream.IsGood();
    if (!stream.HasRoomFor(uint32_t(count), LOCATOR_SIZE))
        return false;
    m_vLocators.reset(new (std::nothrow) Locator[count]);
    if (!m_vLocators)
        return false;
    m_iNumLocators = count;
    for (int32_t i = 0; i < count; ++i) {
        Locator& locator = m_vLocators[i];
        locator.m_vPosition.x = stream.ReadS32();
        locator.m_vPosition.y = stream.ReadS32();
        locator.m_vPosition.z = stream.ReadS32();
        locator.m_iWord3 = stream.ReadS32();
        locator.m_fOrientation = stream.ReadS32();
        locator.m_iWord5 = stream.ReadS32();
        locator.m_fRadius = stream.ReadS32();
    }
    return stream.IsGood();
}

bool Scene::ReadActorSets(SerialStream& stream)
{
    const uint32_t count = stream.ReadU32();
    if (!stream.HasRoomFor(count, ACTOR_SET_MIN_SIZE))
        return false;
    if (count > 0) {
        m_vActorSets.reset(new (std::nothrow) ActorSet[count]);
        if (!m_vActorSets)
            return false;
        m_iNumActorSets = static_cast<int32_t>(count);
    }
    for (int32_t i = 0; i < m_iNumActorSets; ++i)
        if (!m_vActorSets[i].Initialize(stream))
            return false;
    return true;
}
