#include "System/InstanceGuard.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace Platform {

InstanceGuard::~InstanceGuard()
{
    Release();
}

std::string InstanceGuard::LockPath(const char* name)
{
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir && *runtimeDir)
        return std::string(runtimeDir) + "/" + name + ".lock";
    // The shared folder holds one lock per user: a file left there by another
    // user could not be opened and would refuse this one for good.
    return std::string("/tmp/") + name + "-" + std::to_string(getuid()) + ".lock";
}

bool InstanceGuard::Acquire(const char* name)
{
    Release();
    const std::string path = LockPath(name);
    const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return false;
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        close(descriptor);
        return false;
    }
    m_descriptor = descriptor;
    return true;
}

void InstanceGuard::Release()
{
    if (m_descriptor >= 0) {
        flock(m_descriptor, LOCK_UN);
        close(m_descriptor);
        m_descriptor = -1;
    }
}

} // namespace Platform
