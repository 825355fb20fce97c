#include "System/MemoryStatus.h"

#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <unistd.h>

namespace Platform {
namespace {

// The user half of the address space of a 64-bit process (47 bits).
constexpr uint64_t USER_ADDRESS_SPACE = 1ULL << 47;

// A "Name:   value kB" line of a /proc file, in bytes; false when absent.
bool ReadKilobyteField(const char* path, const char* name, uint64_t& bytes)
{
    FILE* file = std::fopen(path, "r");
    if (!file)
        return false;
    const size_t nameLength = std::strlen(name);
    char line[256];
    bool found = false;
    while (std::fgets(line, sizeof line, file)) {
        unsigned long long kilobytes = 0;
        if (std::strncmp(line, name, nameLength) == 0 && line[nameLength] == ':' &&
            std::sscanf(line + nameLength + 1, "%llu", &kilobytes) == 1) {
            bytes = static_cast<uint64_t>(kilobytes) << 10;
            found = true;
            break;
        }
    }
    std::fclose(file);
    return found;
}

uint64_t AddressSpaceLimit()
{
    rlimit limit {};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < USER_ADDRESS_SPACE)
        return static_cast<uint64_t>(limit.rlim_cur);
    return USER_ADDRESS_SPACE;
}

} // namespace

SystemInfo GetSystemInfo()
{
    SystemInfo info;
    const long pageSize = sysconf(_SC_PAGESIZE);
    const long processors = sysconf(_SC_NPROCESSORS_ONLN);
    info.m_uPageSize = pageSize > 0 ? static_cast<uint32_t>(pageSize) : 4096u;
    info.m_uAllocationGranularity = info.m_uPageSize;
    info.m_uProcessorCount = processors > 0 ? static_cast<uint32_t>(processors) : 1u;
    return info;
}

bool GetMemoryStatus(MemoryStatus& status)
{
    struct sysinfo system { };
    if (sysinfo(&system) != 0)
        return false;
    const uint64_t unit = system.mem_unit ? system.mem_unit : 1;
    status.m_uTotalPhysical = static_cast<uint64_t>(system.totalram) * unit;
    if (!ReadKilobyteField("/proc/meminfo", "MemAvailable", status.m_uAvailablePhysical))
        status.m_uAvailablePhysical = (static_cast<uint64_t>(system.freeram) + system.bufferram) * unit;
    if (status.m_uAvailablePhysical > status.m_uTotalPhysical)
        status.m_uAvailablePhysical = status.m_uTotalPhysical;
    status.m_uMemoryLoad = status.m_uTotalPhysical
                               ? static_cast<uint32_t>((status.m_uTotalPhysical - status.m_uAvailablePhysical) * 100 /
                                                       status.m_uTotalPhysical)
                               : 0;

    status.m_uTotalVirtual = AddressSpaceLimit();
    uint64_t mapped = 0;
    ReadKilobyteField("/proc/self/status", "VmSize", mapped);
    status.m_uAvailableVirtual = mapped < status.m_uTotalVirtual ? status.m_uTotalVirtual - mapped : 0;
    return true;
}

uint32_t CurrentProcessId()
{
    return static_cast<uint32_t>(getpid());
}

} // namespace Platform
