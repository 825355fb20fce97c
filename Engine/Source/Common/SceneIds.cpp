#include "Common/SceneIds.h"

#include "Common/IdHash.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Scripts/Common/SceneScripts.h"

#include <cstdio>
#include <iterator>
#include <span>

namespace {

#define SCENE_LIST(array) static_cast<int32_t>(std::size(array)), array
#define SCENE_NO_LIST 0, nullptr
#include "Common/SceneTable.inc"
#undef SCENE_NO_LIST
#undef SCENE_LIST

// The scene rows with the registered scripts' factories in their factory
// column.
struct Registry {
    SceneDesc m_aScenes[std::size(s_aScenes)];
    const SceneDesc* m_apScenes[std::size(s_aScenes) + 1];
};

// A script registered for a scene without a row, or for a scene that already
// has one, is reported and left out: the scene keeps its first script.
void InstallFactory(Registry& registry, const SceneScriptRegistration& script)
{
    for (SceneDesc& scene : registry.m_aScenes) {
        if (scene.m_iId != script.m_iSceneId)
            continue;
        if (scene.m_pFactory != nullptr)
            CorePrint(&g_oCoreLog, "Scene script %s left out: scene %d (%s) already has a script\n", script.m_pTag,
                      static_cast<int>(script.m_iSceneId), scene.m_pName);
        else
            scene.m_pFactory = script.m_pFactory;
        return;
    }
    CorePrint(&g_oCoreLog, "Scene script %s left out: no scene %d\n", script.m_pTag,
              static_cast<int>(script.m_iSceneId));
}

void FillRegistry(Registry& registry, std::span<const SceneScriptRegistration* const> scripts)
{
    for (size_t index = 0; index < std::size(s_aScenes); ++index) {
        registry.m_aScenes[index] = s_aScenes[index];
        registry.m_apScenes[index] = &registry.m_aScenes[index];
    }
    for (const SceneScriptRegistration* pScript : scripts)
        InstallFactory(registry, *pScript);
}

const Registry& GetRegistry()
{
    // Filled in place: the row pointers point into it.
    static Registry s_oRegistry {};
    static const bool s_bFilled = (FillRegistry(s_oRegistry, GetSceneScriptRegistrations()), true);
    (void)s_bFilled;
    return s_oRegistry;
}

struct LanguageCode {
    int m_iLanguage;
    const char* m_pCode;
};

// Searched in this order; the last row has no code.
const LanguageCode s_aLanguageCodes[] = {
    {5, "ja-JP"}, {0, "en-GB"}, {1, "fr-FR"}, {2, "de-DE"}, {3, "it-IT"},
    {4, "es-ES"}, {7, "zh-CN"}, {8, "ko-KR"}, {0, ""},
};

const char* BuildScenePath(char* pBuffer, size_t size, int iSceneId, const char* pExtension)
{
    const SceneDesc* pDesc = Id::GetSceneDesc(iSceneId);
    if (pDesc == nullptr)
        return nullptr;
    std::snprintf(pBuffer, size, "scenes/%s%s", pDesc->m_pName, pExtension);
    return pBuffer;
}

} // namespace

const SceneDesc* const* Id::GetSceneRegistry()
{
    return GetRegistry().m_apScenes;
}

const SceneDesc* Id::GetSceneDesc(int iSceneId)
{
    for (const SceneDesc* const* ppDesc = GetSceneRegistry(); *ppDesc != nullptr; ++ppDesc)
        if ((*ppDesc)->m_iId == iSceneId)
            return *ppDesc;
    return nullptr;
}

bool IsMenuScene(int iSceneId)
{
    static const int s_aMenuScenes[] = {1, 4, 61, 0};
    if (iSceneId == 3)
        return true;
    for (const int* pScene = s_aMenuScenes; *pScene != 0; ++pScene)
        if (*pScene == iSceneId)
            return true;
    return false;
}

SceneScript* CreateScriptFromId(int iSceneId)
{
    ENGINE_ASSERT_MSG(iSceneId>=ID_SCENE_FIRST && iSceneId<=ID_SCENE_LAST, "CreateScriptFromId -- Invalid scene id\n");
    const SceneDesc* pDesc = Id::GetSceneDesc(iSceneId);
    if (pDesc == nullptr)
        return nullptr;
    if (pDesc->m_pFactory == nullptr) {
        // Every row has a registered script; a build that lost one says which.
        CorePrint(&g_oCoreLog, "Scene %d (%s) has no script\n", iSceneId, pDesc->m_pName);
        return nullptr;
    }
    return pDesc->m_pFactory();
}

const char* Id::GetScenePath(int iSceneId)
{
    static char s_aPath[128];
    return BuildScenePath(s_aPath, sizeof s_aPath, iSceneId, ".twscene.pc");
}

const char* Id::GetScene3DPath(int iSceneId)
{
    static char s_aPath[128];
    return BuildScenePath(s_aPath, sizeof s_aPath, iSceneId, ".3dscene.o");
}

const char* Id::GetSceneDialogsPath(int iSceneId)
{
    static char s_aPath[128];
    return BuildScenePath(s_aPath, sizeof s_aPath, iSceneId, ".dialogs.dat");
}

const char* Id::GetScenePackPath(int iSceneId)
{
    static char s_aPath[128];
    return BuildScenePath(s_aPath, sizeof s_aPath, iSceneId, ".twscene.dr");
}

const char* Id::GetLanguageCode(int iLanguage)
{
    for (const LanguageCode& row : s_aLanguageCodes)
        if (row.m_iLanguage == iLanguage)
            return row.m_pCode;
    return "unknown";
}

const char* Id::GetSceneTextPath(int iSceneId, int iLanguage)
{
    static char s_aPath[128];
    const SceneDesc* pDesc = GetSceneDesc(iSceneId);
    if (pDesc == nullptr)
        return nullptr;
    // The scene's number: the three digits after "bg".
    std::snprintf(s_aPath, sizeof s_aPath, "text/%sTextBG%.3s.dat", GetLanguageCode(iLanguage), pDesc->m_pName + 2);
    return s_aPath;
}
