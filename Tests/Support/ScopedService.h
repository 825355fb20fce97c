#pragma once

namespace TestSupport {

// Installs a backend through its service's setter, the SetX of the platform
// layer's GetX/SetX pair (Platform::SetClock, SetInputDevices,
// SetMessageBoxes), for the life of the object; SetX(nullptr) puts the
// default backend back. Declare it after the backend it installs.
template <typename Service>
class ScopedService {
public:
    using Setter = void (*)(Service*);

    ScopedService(Setter set, Service& backend) : m_set(set) { m_set(&backend); }
    ~ScopedService() { m_set(nullptr); }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

private:
    Setter m_set;
};

} // namespace TestSupport
