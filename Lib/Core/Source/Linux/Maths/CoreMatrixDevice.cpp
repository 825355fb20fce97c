#include "Maths/CoreMatrix.h"

#include "Graphics/MatrixFunctions.h"
#include "Maths/CoreFxVec.h"
#include "Maths/MathsAssert.h"
#include "Screen/CoreVirtualScreen.h"

#include <cmath>
#include <cstring>

namespace {

Platform::Vector3 ToVector3(const CoreFxVec& v)
{
    return {CoreFx::ToFloat(v.x), CoreFx::ToFloat(v.y), CoreFx::ToFloat(v.z)};
}

} // namespace

void CoreMatrix::TransposeToD3D(Platform::Matrix4* pOut, const CoreMatrix* pM)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    MATHS_REQUIRE_POINTER(pM, "pM != NULL");
    Platform::Matrix4 copy;
    std::memcpy(copy.m, pM->m, sizeof copy.m);
    Platform::MatrixTranspose(pOut, &copy);
}

void CoreMatrix::TransposeFromD3D(CoreMatrix* pOut, const Platform::Matrix4* pM)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    MATHS_REQUIRE_POINTER(pM, "pM != NULL");
    Platform::Matrix4 transposed;
    Platform::MatrixTranspose(&transposed, pM);
    std::memcpy(pOut->m, transposed.m, sizeof pOut->m);
}

void CoreMatrix::OrthoOffCenterRH_DX(CoreMatrix* pOut, fx32 left, fx32 right)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    Platform::Matrix4 projection;
    Platform::MatrixOrthoOffCenterRH(&projection, CoreFx::ToFloat(left), CoreFx::ToFloat(right),
                                     CoreFx::ToFloat(VIRTUAL_SCREEN_HEIGHT), 0.0f, 0.0f, 1.0f);
    TransposeFromD3D(pOut, &projection);
}

void CoreMatrix::PerspectiveFovRH_DX(CoreMatrix* pOut, fx32 sinHalfFov, fx32 aspect, fx32 zNear, fx32 zFar)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    const float fieldOfView = 2.0f * std::asin(CoreFx::ToFloat(sinHalfFov));
    Platform::Matrix4 projection;
    Platform::MatrixPerspectiveFovRH(&projection, fieldOfView, CoreFx::ToFloat(aspect), CoreFx::ToFloat(zNear),
                                     CoreFx::ToFloat(zFar));
    TransposeFromD3D(pOut, &projection);
}

void CoreMatrix::LookAtRH_DX(CoreMatrix* pOut, const CoreFxVec* pCamPos, const CoreFxVec* pCamTarget,
                             const CoreFxVec* pCamUp)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    MATHS_REQUIRE_POINTER(pCamPos, "pCamPos != NULL");
    MATHS_REQUIRE_POINTER(pCamTarget, "pCamTarget != NULL");
    MATHS_REQUIRE_POINTER(pCamUp, "pCamUp != NULL");
    const Platform::Vector3 eye = ToVector3(*pCamPos);
    const Platform::Vector3 target = ToVector3(*pCamTarget);
    const Platform::Vector3 up = ToVector3(*pCamUp);
    Platform::Matrix4 view;
    Platform::MatrixLookAtRH(&view, &eye, &target, &up);
    TransposeFromD3D(pOut, &view);
}
