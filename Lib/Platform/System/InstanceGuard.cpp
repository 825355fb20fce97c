#include "System/InstanceGuard.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
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
    return SharedLockPath(name);
}

std::string InstanceGuard::SharedLockPath(const char* name)
{
    // The shared folder holds one lock per user: a file left there by another
    // user could not be opened and would refuse this one for good.
    return std::string("/tmp/") + name + "-" + std::to_string(getuid()) + ".lock";
}

InstanceLock InstanceGuard::Acquire(const char* name)
{
    Release();
    m_report.clear();
    const std::string path = LockPath(name);
    const InstanceLock result = AcquireAt(path);
    const std::string shared = SharedLockPath(name);
    // A runtime folder that is missing or not this user's (after a switch of
    // user) must not stop the game: only a lock that is held does.
    if (result != InstanceLock::CannotBeMade || path == shared)
        return result;
    const InstanceLock sharedResult = AcquireAt(shared);
    if (sharedResult == InstanceLock::Acquired)
        m_report += "The lock file is \"" + shared + "\" instead\n";
    return sharedResult;
}

InstanceLock InstanceGuard::AcquireAt(const std::string& path)
{
    const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor >= 0 && flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
        m_descriptor = descriptor;
        return InstanceLock::Acquired;
    }
    const int error = errno;
    if (descriptor >= 0)
        close(descriptor);
    if (error == EWOULDBLOCK)
        return InstanceLock::HeldElsewhere;
    m_report += "Cannot make the lock file \"" + path + "\": " + std::strerror(error) + "\n";
    return InstanceLock::CannotBeMade;
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
