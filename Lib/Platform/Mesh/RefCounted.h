#pragma once
#include <cstdint>

namespace Platform {

// Shared objects of the mesh service (meshes, skins, bone-combination tables,
// animation sets and controllers): made with one reference, deleted when the
// last reference is released.
class RefCounted {
public:
    RefCounted() = default;
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    uint32_t AddRef() { return ++m_iRefCount; }
    // The references left; the object is gone when this is 0.
    uint32_t Release();
    uint32_t GetRefCount() const { return m_iRefCount; }

protected:
    virtual ~RefCounted() = default;

private:
    uint32_t m_iRefCount = 1;
};

} // namespace Platform
