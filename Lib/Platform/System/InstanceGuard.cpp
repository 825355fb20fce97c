#include "System/InstanceGuard.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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
    // Another user may have put a file or a link at the path in the shared
    // folder: a link must not make the game create or lock a file elsewhere,
    // and a lock held on someone else's file must not read as a running game.
    const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
    if (descriptor < 0) {
        const int error = errno;
        if (error == ELOOP)
            m_report += "Cannot use the lock file \"" + path + "\": it is a link\n";
        else
            m_report += "Cannot make the lock file \"" + path + "\": " + std::strerror(error) + "\n";
        return InstanceLock::CannotBeMade;
    }
    struct stat status { };
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != geteuid()) {
        close(descriptor);
        m_report += "Cannot use the lock file \"" + path + "\": it is not a file of this user\n";
        return InstanceLock::CannotBeMade;
    }
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(descriptor);
        if (error == EWOULDBLOCK)
            return InstanceLock::HeldElsewhere;
        m_report += "Cannot make the lock file \"" + path + "\": " + std::strerror(error) + "\n";
        return InstanceLock::CannotBeMade;
    }
    m_descriptor = descriptor;
    return InstanceLock::Acquired;
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
