#include "Managers/Common/ResourceManager.h"

#include "Common/GameLink.h"
#include "DataPack/DkDataPackBinding.h"
#include "Dialogs/Common/Dialog.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"

#include <cstring>

ResourceManager* ResourceManager::m_pSingleton = nullptr;

// Packages that callers never unloaded were named by UnloadAll; nothing can
// use them once the manager is gone, so their memory goes back here.
ResourceManager::~ResourceManager()
{
    while (PackageResource* package = m_pPackages) {
        m_pPackages = package->m_pNext;
        package->Release();
        package->m_iNbRef = 0;
        delete package;
    }
}

ResourceManager* ResourceManager::CreateSingleton()
{
    ENGINE_ASSERT(m_pSingleton==NULL);
    if (m_pSingleton == nullptr)
        m_pSingleton = new ResourceManager();
    return m_pSingleton;
}

void ResourceManager::DestroySingleton()
{
    delete m_pSingleton;
    m_pSingleton = nullptr;
}

bool ResourceManager::LoadCommonPackages()
{
    m_pCommonDialogsPackage = LoadPackage(COMMON_DIALOGS);
    // Read once here, so that a damaged file stops the game before it shows
    // anything: every scene's talk may need the common dialogs.
    Dialog readable;
    if (m_pCommonDialogsPackage == nullptr ||
        !readable.Initialize(m_pCommonDialogsPackage->Buffer(), m_pCommonDialogsPackage->Size(), COMMON_DIALOGS)) {
        CorePrint(&g_oCoreLog, "Cannot load the common dialogs \"%s\": the game cannot start without them\n",
                  COMMON_DIALOGS);
        return false;
    }
    m_pCommonDataPackage = LoadPackage(COMMON_DATA_PACK);
    if (m_pCommonDataPackage != nullptr &&
        !DkDataPackBinding::BindPack(m_oCommonDataPack, m_pCommonDataPackage->Buffer(), m_pCommonDataPackage->Size(),
                                     COMMON_DATA_PACK)) {
        UnloadPackage(m_pCommonDataPackage);
        m_pCommonDataPackage = nullptr;
    }
    if (m_pCommonDataPackage == nullptr) {
        CorePrint(&g_oCoreLog, "Cannot load the common data pack \"%s\": the game cannot start without it\n",
                  COMMON_DATA_PACK);
        return false;
    }
    return true;
}

PackageResource* ResourceManager::FindPackage(const char* name) const
{
    for (PackageResource* package = m_pPackages; package; package = package->m_pNext)
        if (std::strcmp(package->m_sName, name) == 0)
            return package;
    return nullptr;
}

PackageResource* ResourceManager::LoadPackage(const char* packageName, const PackageParameters* parameters)
{
    ENGINE_ASSERT(packageName!=NULL);
    if (packageName == nullptr)
        return nullptr;
    ENGINE_ASSERT(strlen(packageName)<CORE_MAX_PATH);

    if (PackageResource* found = FindPackage(packageName)) {
        ++found->m_iNbRef;
        return found;
    }
    PackageResource* package = new PackageResource();
    if (!package->Load(packageName, parameters)) {
        delete package;
        return nullptr;
    }
    package->m_pNext = m_pPackages;
    m_pPackages = package;
    package->m_iNbRef = 1;
    return package;
}

void ResourceManager::UnloadPackage(PackageResource* package)
{
    PackageResource** link = &m_pPackages;
    while (*link && *link != package)
        link = &(*link)->m_pNext;
    if (package == nullptr || *link == nullptr)
        return;

    PackageResource* pCurPackage = package;
    ENGINE_ASSERT(pCurPackage->m_iNbRef>0);
    if (pCurPackage->m_iNbRef > 0)
        --pCurPackage->m_iNbRef;
    if (pCurPackage->m_iNbRef == 0) {
        *link = pCurPackage->m_pNext;
        pCurPackage->Release();
        delete pCurPackage;
    }
}

void ResourceManager::UnloadAll()
{
    if (m_oCommonDataPack.m_bBound)
        DkDataPackBinding::UnbindPack(m_oCommonDataPack);
    UnloadPackage(m_pCommonDataPackage);
    m_pCommonDataPackage = nullptr;
    UnloadPackage(m_pCommonDialogsPackage);
    m_pCommonDialogsPackage = nullptr;
    for (PackageResource* package = m_pPackages; package; package = package->m_pNext) {
        CorePrint(&g_oCoreLog, "ERR [%s]:", GetGameLink().GetClockString());
        CorePrint(&g_oCoreLog, "Unloaded package: %s\n", package->m_sName);
    }
}
