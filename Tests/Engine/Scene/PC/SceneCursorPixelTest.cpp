// The cursor's images from the sample sheet drawn on the real OpenGL device:
// each points at the place where a click at the cursor's position lands.
#include "Scene/Common/SceneCursor.h"
#include "Support/OpenGlPictureTest.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr fx32 FX = FX32_ONE;
// 1024 x 768: four pixels to a virtual unit.
constexpr int32_t PIXELS_PER_UNIT = 4;
constexpr uint32_t BLACK = 0x000000FF;

// The box around every pixel drawn over the black screen.
struct DrawnBox {
    int32_t left = 1 << 30;
    int32_t top = 1 << 30;
    int32_t right = -1;
    int32_t bottom = -1;
};

DrawnBox FindDrawnBox(const Platform::RgbaImage& picture)
{
    DrawnBox box;
    for (uint32_t y = 0; y < picture.height; ++y) {
        for (uint32_t x = 0; x < picture.width; ++x) {
            if (picture.At(x, y) == BLACK)
                continue;
            box.left = std::min(box.left, int32_t(x));
            box.top = std::min(box.top, int32_t(y));
            box.right = std::max(box.right, int32_t(x));
            box.bottom = std::max(box.bottom, int32_t(y));
        }
    }
    return box;
}

class SceneCursorPixelTest : public TestSupport::SampleScenePictureTest {
protected:
    SceneCursorPixelTest() : SampleScenePictureTest(1024, 768) { }

    DrawnBox DrawnImage(int32_t image, const CoreFxVec2& position)
    {
        SceneCursor cursor;
        cursor.InitializePlatform();
        EXPECT_NE(cursor.m_hSheet, nullptr);
        return FindDrawnBox(FramePicture([&] {
            m_renderer.SetScreenCamera();
            cursor.DrawImage(m_renderer, {FX, FX}, position, image, 0xFFFFFFFF);
        }));
    }
};

TEST_F(SceneCursorPixelTest, ThePointersTipAndTheHotspotsMiddleLieWhereTheCursorStands)
{
    const CoreFxVec2 POSITIONS[] = {{40 * FX, 30 * FX}, {128 * FX + FX / 4, 96 * FX + FX / 2}, {200 * FX, 150 * FX}};
    for (const CoreFxVec2& position : POSITIONS) {
        const int32_t x = position.x * PIXELS_PER_UNIT / FX;
        const int32_t y = position.y * PIXELS_PER_UNIT / FX;
        // The arrow points up and left from its tip; its outline and the
        // filtering of the sheet may reach a little beyond.
        const DrawnBox arrow = DrawnImage(0, position);
        EXPECT_NEAR(arrow.left, x, PIXELS_PER_UNIT) << x << ", " << y;
        EXPECT_NEAR(arrow.top, y, PIXELS_PER_UNIT) << x << ", " << y;
        // The hotspot ring surrounds it.
        const DrawnBox ring = DrawnImage(4, position);
        EXPECT_NEAR((ring.left + ring.right) / 2, x, 2) << x << ", " << y;
        EXPECT_NEAR((ring.top + ring.bottom) / 2, y, 2) << x << ", " << y;
    }
}

} // namespace
