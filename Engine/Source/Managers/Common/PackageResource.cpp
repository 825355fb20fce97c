#include "Managers/Common/PackageResource.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"

#include <cstring>

PackageResource::~PackageResource()
{
    ENGINE_ASSERT(m_iNbRef==0);
}

bool PackageResource::Load(const char* name, const PackageParameters* parameters)
{
    std::strncpy(m_sName, name, CORE_MAX_PATH - 1);
    m_sName[CORE_MAX_PATH - 1] = '\0';
    m_oParameters = parameters ? *parameters : PackageParameters();
    if (Core::LoadResource(&m_oData, m_sName, true) != 0) {
        CorePrint(&g_oCoreLog, "Error loading \"%s\"\n", m_sName);
        return false;
    }
    return true;
}

void PackageResource::Release()
{
    if (m_oData.m_pBuffer)
        Core::ReleaseResource(&m_oData);
    m_oData = CoreResource();
}
