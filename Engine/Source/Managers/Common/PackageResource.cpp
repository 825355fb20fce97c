#include "Managers/Common/PackageResource.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"

#include <cstring>

namespace {

// The largest package whose size still fits the resource's 32 bits.
constexpr size_t MAX_MAPPED_SIZE = 0xFFFFFFF0u;

} // namespace

PackageResource::~PackageResource()
{
    ENGINE_ASSERT(m_iNbRef==0);
}

bool PackageResource::Load(const char* name, const PackageParameters* parameters)
{
    std::strncpy(m_sName, name, CORE_MAX_PATH - 1);
    m_sName[CORE_MAX_PATH - 1] = '\0';
    m_oParameters = parameters ? *parameters : PackageParameters();
    // A start that reads its large common packs spends most of that time
    // copying them into new memory; a mapping takes the cached file as it
    // is. A file that cannot be mapped is read, which names what is wrong.
    if (m_oMapping.Map(m_sName, MAX_MAPPED_SIZE)) {
        m_oData.m_pBuffer = m_oMapping.Data();
        m_oData.m_uSize = uint32_t(m_oMapping.Size());
        m_oData.m_uCapacity = m_oData.m_uSize;
        return true;
    }
    if (Core::LoadResource(&m_oData, m_sName, true) != 0) {
        CorePrint(&g_oCoreLog, "Error loading \"%s\"\n", m_sName);
        return false;
    }
    return true;
}

void PackageResource::Release()
{
    if (m_oMapping.Data() != nullptr)
        m_oMapping.Unmap();
    else if (m_oData.m_pBuffer)
        Core::ReleaseResource(&m_oData);
    m_oData = CoreResource();
}
