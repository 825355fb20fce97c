#pragma once
#include <string>

namespace Platform {

// What an attempt to take the lock found.
enum class InstanceLock {
    Acquired,
    HeldElsewhere,
    // No folder could hold the lock file: whether another holder runs is
    // unknown.
    CannotBeMade,
};

// A named, process-wide lock: the first holder gets it, later ones are told it
// is taken. The operating system drops it when its holder ends, even by a
// crash, so a dead process never leaves it behind.
class InstanceGuard {
public:
    InstanceGuard() = default;
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // Takes the lock in the user's runtime folder, or in the shared temporary
    // folder when that one cannot hold it.
    InstanceLock Acquire(const char* name);
    void Release();

    // The lock files that could not be made or used (a link, or a file of
    // another user), each with the reason, and where the lock was taken
    // instead: one line each, empty when the first folder served.
    const std::string& Report() const { return m_report; }

    // The lock file in the user's runtime folder, or the shared one when the
    // user has none.
    static std::string LockPath(const char* name);
    // The lock file in the shared temporary folder, one per user.
    static std::string SharedLockPath(const char* name);

private:
    // Acquired, HeldElsewhere, or CannotBeMade with the reason in the report.
    InstanceLock AcquireAt(const std::string& path);

    int m_descriptor = -1;
    std::string m_report;
};

} // namespace Platform
