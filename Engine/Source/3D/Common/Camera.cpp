#include "3D/Common/Camera.h"

#include "Maths/CoreFxDivide.h"
#include "Maths/CoreMatrix.h"
#include "Maths/CoreVec4.h"
#include "Renderer/CoreCamera.h"
#include "Renderer/CoreRenderer.h"
#include "Screen/CoreVirtualScreen.h"

#include <climits>
#include <cmath>

namespace {

constexpr uint32_t DEFAULT_WINDOW_WIDTH = 1280;
constexpr uint32_t DEFAULT_WINDOW_HEIGHT = 960;

// m * v, divided by w; false when w leaves nothing to divide by.
bool TransformPoint(const CoreMatrix& m, const CoreVec4& v, CoreVec4& out)
{
    CoreVec4 transformed;
    CoreVec4::Transform(&transformed, &v, &m);
    if (transformed.w == 0.0f || !std::isfinite(transformed.w))
        return false;
    CoreVec4::Scale(&out, &transformed, 1.0f / transformed.w);
    return true;
}

CoreFxVec ToFx(const CoreVec4& v)
{
    return {CoreFx::FromFloat(v.x), CoreFx::FromFloat(v.y), CoreFx::FromFloat(v.z)};
}

} // namespace

bool Camera::Initialize()
{
    m_fFovSin = 2896;
    m_fFovCos = 2896;
    m_fNear = 256;
    m_fFar = 16 * FX32_ONE;
    m_vEye = {0, FX32_ONE, 0};
    m_vTarget = {0, 0, 0};
    m_vUp = {0, 0, FX32_ONE};
    SetWindowSize(DEFAULT_WINDOW_WIDTH, DEFAULT_WINDOW_HEIGHT);
    m_f3DShift = 0;
    return true;
}

void Camera::SetLookAt(const CoreFxVec& eye, const CoreFxVec& target, const CoreFxVec& up)
{
    m_vEye = eye;
    m_vTarget = target;
    m_vUp = up;
}

void Camera::SetWindowSize(uint32_t width, uint32_t height)
{
    m_uWindowWidth = width;
    m_uWindowHeight = height;
    m_fAspect = CoreFx::Div(CoreVisibleScreenWidth(width, height), VIRTUAL_SCREEN_HEIGHT);
}

void Camera::BuildMatrices(CoreMatrix& view, CoreMatrix& projection) const
{
    CoreMatrix::LookAtRH_DX(&view, &m_vEye, &m_vTarget, &m_vUp);
    CoreMatrix perspective;
    CoreMatrix::PerspectiveFovRH_DX(&perspective, m_fFovSin, m_fAspect, m_fNear, m_fFar);
    CoreMatrix shift;
    CoreMatrix::Translation(&shift, -CoreFx::ToFloat(m_f3DShift), 0.0f, 0.0f);
    CoreMatrix::Multiply(&projection, &shift, &perspective);
}

void Camera::ApplyToDevice(CoreRenderer& renderer) const
{
    CoreCamera camera;
    BuildMatrices(camera.m_oView, camera.m_oProjection);
    renderer.SetCamera(&camera);
}

CoreFxVec Camera::ProjectToScreen(const CoreFxVec& world) const
{
    CoreMatrix view;
    CoreMatrix projection;
    BuildMatrices(view, projection);
    CoreVec4 point;
    CoreFxVec::FromFx(point, world);
    CoreVec4 eyeSpace;
    CoreVec4::Transform(&eyeSpace, &point, &view);
    CoreVec4 clip;
    // A point in the eye's plane has no picture; it goes where the fx32
    // conversion puts every value without one.
    if (!TransformPoint(projection, eyeSpace, clip))
        return {INT32_MIN, INT32_MIN, INT32_MIN};
    // The 256-wide 4:3 picture sits in the middle of a wider screen.
    const float width = CoreFx::ToFloat(CoreVisibleScreenWidth(m_uWindowWidth, m_uWindowHeight));
    const float margin = CoreFx::ToFloat(CoreRenderer::ScreenMargin(m_uWindowWidth, m_uWindowHeight));
    const float screenX = width * (clip.x + 1.0f) * 0.5f - margin;
    const float screenY = (1.0f - (clip.y + 1.0f) * 0.5f) * 192.0f;
    return {CoreFx::FromFloat(screenX), CoreFx::FromFloat(screenY), CoreFx::FromFloat(clip.z)};
}

int32_t Camera::UnprojectScreenPoint(fx32 x, fx32 y, CoreFxVec& nearPoint, CoreFxVec& farPoint) const
{
    CoreMatrix view;
    CoreMatrix projection;
    BuildMatrices(view, projection);
    CoreMatrix inverseView;
    CoreMatrix inverseProjection;
    CoreMatrix::Inverse(&inverseView, &view);
    CoreMatrix::Inverse(&inverseProjection, &projection);
    CoreMatrix inverse;
    CoreMatrix::Multiply(&inverse, &inverseView, &inverseProjection);

    const fx32 width = CoreVisibleScreenWidth(m_uWindowWidth, m_uWindowHeight);
    const fx32 margin = CoreRenderer::ScreenMargin(m_uWindowWidth, m_uWindowHeight);
    const float ndcX = 2.0f * CoreFx::ToFloat(CoreFx::Div(CoreFx::WrapAdd(x, margin), width)) - 1.0f;
    const float ndcY = 2.0f * (1.0f - CoreFx::ToFloat(CoreFx::Div(y, VIRTUAL_SCREEN_HEIGHT))) - 1.0f;
    const CoreVec4 nearScreen = {ndcX, ndcY, 0.0f, 1.0f};
    const CoreVec4 farScreen = {ndcX, ndcY, 1.0f, 1.0f};
    CoreVec4 nearWorld;
    CoreVec4 farWorld;
    if (!TransformPoint(inverse, nearScreen, nearWorld) || !TransformPoint(inverse, farScreen, farWorld))
        return -1;
    nearPoint = ToFx(nearWorld);
    farPoint = ToFx(farWorld);
    return 0;
}
