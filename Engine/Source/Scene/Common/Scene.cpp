#include "Scene/Common/Scene.h"

#include "Adventure/Common/Entity.h"
#include "DataPack/DkDataPackBinding.h"
#include "Error/EngineAssert.h"
#include "Managers/Common/ResourceManager.h"
#include "Scene/Common/SceneServices.h"

namespace {

constexpr fx32 DEFAULT_POINTER_X = 128 * FX32_ONE;
constexpr fx32 DEFAULT_POINTER_Y = 96 * FX32_ONE;

} // namespace

Scene::Scene()
{
    Clear();
}

Scene::~Scene()
{
    Release();
}

void Scene::Clear()
{
    Release();
    m_iId = 0;
    m_sName[0] = 0;
    m_bIs3D = 0;
    m_bHasDialog = 0;
    m_bHasText = 0;
    m_uHeaderWordA = 0;
    m_uSoundVariant = 0;
    for (uint32_t& word : m_aHeaderWords)
        word = 0;
    m_iMainLayerIndex = 0;
    m_oMainLayerSize = {0, 0};
    m_fNoRegionLayer = 0;
    m_fRegionDepthStep = 0;
    m_iSelectedActorSet = -1;
    m_oCamera.Initialize();
    m_oAmbient = SceneLight();
    for (SceneLight& light : m_aLights)
        light = SceneLight();
    m_iNumLights = 0;
    m_iActiveCharacter = -1;
    m_iSelectedCharacter = -1;
    m_iTextBank = -1;
    m_iDialogSlot = -1;
    m_iInputState = 0;
    m_oPointerTarget = {DEFAULT_POINTER_X, DEFAULT_POINTER_Y};
    m_vWalkTarget = {0, 0, 0};
    m_bWalkTargetPicked = false;
    m_pHoveredObject = nullptr;
    m_bVerbMenuOpen = 0;
    m_fHoldTime = 0;
    m_vShadowDirection = {0, 0, -FX32_ONE};
    m_fScroll = 0;
    m_fScrollTarget = 0;
    m_iScrollMode = SCROLL_PUSH;
    m_bFollowOnSettle = 0;
    m_fScrollRatio = 0;
    m_oCursor = SceneCursor();
    m_oCursor.m_vPosition = {DEFAULT_POINTER_X, DEFAULT_POINTER_Y};
}

void Scene::UnloadPackage(PackageResource*& pPackage)
{
    if (pPackage && ResourceManager::GetInstance())
        ResourceManager::GetInstance()->UnloadPackage(pPackage);
    pPackage = nullptr;
}

void Scene::Release()
{
    SceneServices& services = GetSceneServices();
    if (m_iDialogSlot != -1)
        services.RemoveDialogGroup(m_iDialogSlot);
    m_iDialogSlot = -1;
    UnloadPackage(m_pDialogsPackage);

    m_oWalkMesh.Release();
    UnloadPackage(m_p3DPackage);
    m_oCamera.Initialize();

    if (m_oDataPack.m_bBound)
        DkDataPackBinding::UnbindPack(m_oDataPack);
    UnloadPackage(m_pScenePackage);

    if (m_iTextBank != -1)
        services.RemoveTextBank(m_iTextBank);
    m_iTextBank = -1;
    UnloadPackage(m_pTextPackage);

    ReleaseCast();
    ReleaseDescription();
    UnloadPackage(m_pDescPackage);

    if (m_bInterfaceReady)
        services.ShutdownInterface(*this);
    m_bInterfaceReady = 0;
    m_oStar.Release();
    m_oArrow.Release();
}

void Scene::ReleaseCast()
{
    SceneServices& services = GetSceneServices();
    for (int32_t i = 0; i < m_iNumCharacters; ++i) {
        if (m_apActors[i])
            services.RemoveScriptable(m_apActors[i]->GetId());
        m_apActors[i].reset();
        m_apCharacters[i].reset();
        m_aCharacterIds[i] = 0;
        m_apRenderOrder[i] = nullptr;
    }
    m_pHoveredObject = nullptr;
    m_iNumCharacters = 0;
    m_iActiveCharacter = -1;
    m_iSelectedCharacter = -1;
    for (int32_t i = 0; i < m_iNumAttachments; ++i) {
        m_apAttachments[i].reset();
        m_aAttachmentIds[i] = 0;
    }
    m_iNumAttachments = 0;
}

void Scene::ReleaseDescription()
{
    for (int32_t i = 0; i < m_iNumRegisteredEntities; ++i)
        GetSceneServices().RemoveScriptable(i);
    m_iNumRegisteredEntities = 0;
    m_vActorSets.reset();
    m_iNumActorSets = 0;
    m_iSelectedActorSet = -1;
    m_vLocators.reset();
    m_iNumLocators = 0;
    m_vEntities.reset();
    m_iNumEntities = 0;
    for (int32_t i = 0; i < m_iNumLayers; ++i)
        m_vLayers[i].Release();
    m_vLayers.reset();
    m_iNumLayers = 0;
}

Sprite* Scene::GetSpriteById(int32_t iId) const
{
    for (int32_t l = 0; l < m_iNumLayers; ++l) {
        const Layer& layer = m_vLayers[l];
        for (int32_t s = 0; s < layer.m_iNbSprites; ++s)
            if (layer.m_vSprites[s].m_iId == iId)
                return &layer.m_vSprites[s];
    }
    return nullptr;
}

const Layer* Scene::GetMainLayer() const
{
    return m_iMainLayerIndex >= 0 && m_iMainLayerIndex < m_iNumLayers ? &m_vLayers[m_iMainLayerIndex] : nullptr;
}

Sprite* Scene::GetSpriteByIndex(int32_t iSpriteIndex) const
{
    const Layer* layer = GetMainLayer();
    if (!layer)
        return nullptr;
    ENGINE_ASSERT(iSpriteIndex>=0);
    ENGINE_ASSERT(iSpriteIndex<m_vLayers[m_iMainLayerIndex].m_iNbSprites);
    if (iSpriteIndex < 0 || iSpriteIndex >= layer->m_iNbSprites)
        return nullptr;
    return &layer->m_vSprites[iSpriteIndex];
}

Region* Scene::GetRegionById(int32_t iId) const
{
    const Layer* layer = GetMainLayer();
    if (!layer)
        return nullptr;
    for (int32_t r = 0; r < layer->m_iNbRegions; ++r)
        if (layer->m_vRegions[r].m_iId == iId)
            return &layer->m_vRegions[r];
    return nullptr;
}

const ActorSet* Scene::GetSelectedActorSet() const
{
    return m_iSelectedActorSet >= 0 && m_iSelectedActorSet < m_iNumActorSets ? &m_vActorSets[m_iSelectedActorSet]
                                                                             : nullptr;
}
