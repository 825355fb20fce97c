// Projection of world points onto the virtual screen and back.
#include "3D/Common/Camera.h"
#include "Maths/CoreVec4.h"
#include "Support/NullRendererTest.h"

#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr fx32 ONE = FX32_ONE;

// A camera 10 units behind and 3 above the origin, looking at a point of the
// floor, on a window of that size.
Camera SceneCamera(uint32_t width, uint32_t height)
{
    Camera camera;
    camera.Initialize();
    camera.SetLookAt({0, -10 * ONE, 3 * ONE}, {ONE, 2 * ONE, 0}, {0, 0, ONE});
    camera.m_fNear = ONE;
    camera.m_fFar = 64 * ONE;
    camera.SetWindowSize(width, height);
    return camera;
}

// The distance of a point in front of the eye along the view direction.
double DepthInView(const Camera& camera, const CoreFxVec& point)
{
    const double view[3] = {double(camera.m_vTarget.x) - camera.m_vEye.x, double(camera.m_vTarget.y) - camera.m_vEye.y,
                            double(camera.m_vTarget.z) - camera.m_vEye.z};
    const double offset[3] = {double(point.x) - camera.m_vEye.x, double(point.y) - camera.m_vEye.y,
                              double(point.z) - camera.m_vEye.z};
    const double length = std::sqrt(view[0] * view[0] + view[1] * view[1] + view[2] * view[2]);
    return (view[0] * offset[0] + view[1] * offset[1] + view[2] * offset[2]) / length / ONE;
}

using CameraDeviceTest = TestSupport::NullRendererTest;

TEST(CameraTest, TheTargetProjectsToTheScreenCentreAndTheShiftMovesIt)
{
    Camera camera = SceneCamera(1280, 960);
    CoreFxVec screen = camera.ProjectToScreen(camera.m_vTarget);
    EXPECT_EQ(screen.x, 128 * ONE);
    EXPECT_EQ(screen.y, 96 * ONE);
    EXPECT_GT(screen.z, 0);
    EXPECT_LT(screen.z, ONE);
    // A shift of half the normalised width moves the picture a quarter of
    // the screen to the left.
    camera.m_f3DShift = ONE / 2;
    screen = camera.ProjectToScreen(camera.m_vTarget);
    EXPECT_EQ(screen.x, 64 * ONE);
    EXPECT_EQ(screen.y, 96 * ONE);
    // A window narrower than 4:3 crops the picture's sides.
    const Camera narrow = SceneCamera(800, 800);
    EXPECT_EQ(narrow.ProjectToScreen(narrow.m_vTarget).x, 128 * ONE);
    // Up in the world is up on the screen, which counts downward.
    EXPECT_LT(camera.ProjectToScreen({ONE, 2 * ONE, ONE}).y, 96 * ONE);
}

TEST(CameraTest, AWideWindowShowsTheLeftEdgeOfTheViewInTheMargin)
{
    Camera camera;
    camera.Initialize();
    camera.SetLookAt({0, 0, 0}, {0, ONE, 0}, {0, 0, ONE});
    camera.SetWindowSize(1920, 1080);
    // The left edge of the view at distance 10.
    const double halfFov = std::asin(camera.m_fFovSin / 4096.0);
    const double x = -10.0 * camera.m_fAspect / 4096.0 * std::tan(halfFov);
    const CoreFxVec screen = camera.ProjectToScreen({fx32(std::lround(x * ONE)), 10 * ONE, 0});
    EXPECT_NEAR(screen.x, -42.6667 * ONE, 0.01 * ONE);
    EXPECT_NEAR(screen.y, 96 * ONE, 0.01 * ONE);
}

TEST(CameraTest, UnprojectedPointsLieOnTheRayThroughTheScreenPoint)
{
    struct Case {
        uint32_t width;
        uint32_t height;
        fx32 shift;
        CoreFxVec screen;
    };
    const Case cases[] = {
        {1280, 960, 0, {128 * ONE, 96 * ONE, 0}},         {1280, 960, 0, {0, 0, 0}},
        {1280, 960, ONE / 3, {255 * ONE, 191 * ONE, 0}},  {1920, 1080, 0, {-40 * ONE, 50 * ONE, 0}},
        {1920, 1080, -ONE / 5, {290 * ONE, 20 * ONE, 0}}, {800, 800, 0, {30 * ONE, 150 * ONE, 0}},
    };
    for (const Case& c : cases) {
        Camera camera = SceneCamera(c.width, c.height);
        camera.m_f3DShift = c.shift;
        CoreFxVec nearPoint = {};
        CoreFxVec farPoint = {};
        ASSERT_EQ(camera.UnprojectScreenPoint(c.screen.x, c.screen.y, nearPoint, farPoint), 0);
        const CoreFxVec nearScreen = camera.ProjectToScreen(nearPoint);
        const CoreFxVec farScreen = camera.ProjectToScreen(farPoint);
        // One fx32 step of the near point moves its picture by 1/4096 of the
        // near plane's height, about 0.05 screen units.
        EXPECT_NEAR(nearScreen.x, c.screen.x, 0.1 * ONE) << c.width << " " << c.screen.x;
        EXPECT_NEAR(nearScreen.y, c.screen.y, 0.1 * ONE) << c.width << " " << c.screen.y;
        EXPECT_NEAR(nearScreen.z, 0, 0.01 * ONE);
        EXPECT_NEAR(farScreen.x, c.screen.x, 0.05 * ONE) << c.width << " " << c.screen.x;
        EXPECT_NEAR(farScreen.y, c.screen.y, 0.05 * ONE) << c.width << " " << c.screen.y;
        EXPECT_NEAR(farScreen.z, ONE, 0.01 * ONE);
        // They lie on the clip planes, in front of the eye.
        EXPECT_NEAR(DepthInView(camera, nearPoint), 1.0, 0.01);
        EXPECT_NEAR(DepthInView(camera, farPoint), 64.0, 0.01);
    }
}

TEST_F(CameraDeviceTest, TheRendererGetsTheShiftedProjection)
{
    Camera camera = SceneCamera(1280, 960);
    camera.m_f3DShift = ONE / 4;
    camera.ApplyToDevice(m_renderer);
    CoreVec4 target;
    CoreFxVec::FromFx(target, camera.m_vTarget);
    CoreVec4 eyeSpace;
    CoreVec4 clip;
    CoreVec4::Transform(&eyeSpace, &target, &m_renderer.GetViewMatrix());
    CoreVec4::Transform(&clip, &eyeSpace, &m_renderer.GetProjectionMatrix());
    EXPECT_NEAR(clip.x / clip.w, -0.25, 1e-4);
    EXPECT_NEAR(clip.y / clip.w, 0.0, 1e-4);
}

TEST(CameraTest, ACameraWithoutAViewCannotUnproject)
{
    Camera camera = SceneCamera(1280, 960);
    camera.m_vTarget = camera.m_vEye;
    CoreFxVec nearPoint = {1, 2, 3};
    CoreFxVec farPoint = {1, 2, 3};
    TestSupport::LogCapture capture;
    const int32_t result = camera.UnprojectScreenPoint(128 * ONE, 96 * ONE, nearPoint, farPoint);
    EXPECT_NE(capture.Take().find("Wrong determinant"), std::string::npos);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(nearPoint.x, 1);
    EXPECT_EQ(farPoint.z, 3);
}

} // namespace
