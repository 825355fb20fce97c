#pragma once
#include <string>

namespace Platform {

// A named, process-wide lock: the first holder gets it, later ones are told it
// is taken. The operating system drops it when its holder ends, even by a
// crash, so a dead process never leaves it behind.
class InstanceGuard {
public:
    InstanceGuard() = default;
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // False when another holder has the name (or the lock cannot be made).
    bool Acquire(const char* name);
    void Release();

    static std::string LockPath(const char* name);

private:
    int m_descriptor = -1;
};

} // namespace Platform
