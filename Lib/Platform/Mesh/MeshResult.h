#pragma once
#include <cstdint>

namespace Platform {

// What the mesh service's calls answer: 0 for success, a negative code
// otherwise.
enum MeshResult : int32_t {
    S_OK = 0,
    E_FAIL = -100,
    E_OUTOFMEMORY = -101,
    E_INVALIDARG = -102,
    D3DERR_NOTFOUND = -103,
    D3DXERR_INVALIDDATA = -104,
};

constexpr bool MeshSucceeded(MeshResult result)
{
    return result >= 0;
}

} // namespace Platform

// Spelled as the callers' checks read in their assert reports.
#define SUCCEEDED(hr) (::Platform::MeshSucceeded(hr))
#define FAILED(hr) (!::Platform::MeshSucceeded(hr))
