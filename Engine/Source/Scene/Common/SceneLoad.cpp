#include "Scene/Common/Scene.h"

#include "App/CoreApp.h"
#include "Common/GameLink.h"
#include "DataPack/DkDataPackBinding.h"
#include "Error/EngineAssert.h"
#include "Managers/Common/ResourceManager.h"
#include "Renderer/CoreRenderer.h"
#include "Scene/Common/SceneLog.h"
#include "Scene/Common/SceneServices.h"
#include "Scene/Common/SerialStream.h"

#include <cstring>

namespace {

constexpr uint32_t OPAQUE_BLACK = 0xFF000000u;

PackageResource* LoadPackage(const char* pPath)
{
    ResourceManager* manager = ResourceManager::GetInstance();
    return manager && pPath ? manager->LoadPackage(pPath) : nullptr;
}

} // namespace

bool Scene::Initialize(SceneId iId)
{
    Clear();
    m_iId = iId;
    GetGameLink().LogStep("Before scene initialize");
    const SceneDesc* pDesc = Id::GetSceneDesc(iId);
    if (!pDesc) {
        LogSceneError("Scene::Initialize -- Unknown scene id %d\n", iId);
        return false;
    }
    const char* pDescPath = Id::GetScenePath(iId);
    LogSceneInfo("Load scene : \"%s\"\n", pDescPath);

    const char* pPackPath = Id::GetScenePackPath(iId);
    m_pScenePackage = LoadPackage(pPackPath);
    if (!m_pScenePackage ||
        !DkDataPackBinding::BindPack(m_oDataPack, m_pScenePackage->Buffer(), m_pScenePackage->Size(), pPackPath)) {
        LogSceneError("Scene::Initialize -- Cannot load the scene ressource !\n");
        return false;
    }

    if (!LoadDescription(pDescPath))
        return false;
    if (m_bIs3D && !Load3DFile())
        return false;
    if (!LoadTextAndDialogs())
        return false;

    // A missing marker texture is reported by the texture manager; the
    // scene goes on without that marker.
    m_oStar.Initialize(INTERFACE_SPRITE_STAR);
    m_oArrow.Initialize(INTERFACE_SPRITE_ARROW);
    if (!m_oCursor.InitializePlatform())
        return false;
    if (!GetSceneServices().InitializeInterface(*this))
        return false;
    m_bInterfaceReady = 1;
    GetGameLink().LogStep("After scene initialize");

    EnterState(INPUT_STATE_IDLE);
    m_bFollowOnSettle = 0;
    if (g_pCoreApp && g_pCoreApp->m_pRenderer)
        g_pCoreApp->m_pRenderer->SetClearColor(OPAQUE_BLACK);
    return true;
}

bool Scene::LoadDescription(const char* pPath)
{
    m_pDescPackage = LoadPackage(pPath);
    if (!m_pDescPackage) {
        LogSceneError("Scene::Initialize -- Cannot load the scene desc !\n");
        return false;
    }
    SerialStream stream(m_pDescPackage->Buffer(), m_pDescPackage->Size(), m_pDescPackage->m_sName);
    if (!Initialize2D(stream)) {
        LogSceneError("Scene::Initialize - Failed to load scene 2D\n");
        return false;
    }
    return true;
}

bool Scene::Load3DFile()
{
    m_p3DPackage = LoadPackage(Id::GetScene3DPath(m_iId));
    if (!m_p3DPackage) {
        LogSceneError("Scene::Initialize -- Error loading main mesh!\n");
        return false;
    }
    SerialStream stream(m_p3DPackage->Buffer(), m_p3DPackage->Size(), m_p3DPackage->m_sName);
    if (!Initialize3D(stream)) {
        LogSceneError("Scene::Initialize - Failed to load scene 3D\n");
        return false;
    }
    return true;
}

bool Scene::LoadTextAndDialogs()
{
    SceneServices& services = GetSceneServices();
    if ((m_bHasText || m_bHasDialog) && !m_pTextPackage) {
        const char* pTextPath = Id::GetSceneTextPath(m_iId, GetGameLink().GetGameLanguage());
        LogSceneInfo("Load text : \"%s\"\n", pTextPath);
        m_pTextPackage = LoadPackage(pTextPath);
        if (!m_pTextPackage) {
            LogSceneError("Scene::Initialize -- Cannot load the text ressource !\n");
            return false;
        }
        m_iTextBank = services.AddTextBank(m_pTextPackage->m_sName, m_pTextPackage->Buffer(), m_pTextPackage->Size());
    }

    // The scene table and the file must agree on the dialogs; the file wins.
    using Id::GetSceneDesc;
    const SceneId iId = m_iId;
    ENGINE_ASSERT(GetSceneDesc(SceneId(iId))->m_bHasDialog == HasDialog());

    if (m_bHasDialog) {
        m_pDialogsPackage = LoadPackage(Id::GetSceneDialogsPath(m_iId));
        if (!m_pDialogsPackage) {
            LogSceneError("Scene::Initialize -- Cannot load the dialog ressource !\n");
            return false;
        }
        m_iDialogSlot = services.AddDialogGroup(m_pDialogsPackage->Buffer(), m_pDialogsPackage->Size(), m_iId,
                                                m_pDialogsPackage->m_sName);
    }
    return true;
}

void Scene::Shutdown()
{
    GetGameLink().LogStep("Before scene shutdown");
    Release();
    GetGameLink().LogStep("After scene shutdown");
}
