// The character's box on the screen, used for picking and the highlight.
#include "3D/Common/Camera.h"
#include "Scene/Common/Character.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr fx32 ONE = FX32_ONE;

Camera RoomCamera()
{
    Camera camera;
    camera.Initialize();
    camera.SetLookAt({0, -1000 * ONE, 300 * ONE}, {0, 0, 100 * ONE}, {0, 0, ONE});
    camera.m_fNear = 10 * ONE;
    camera.m_fFar = 4000 * ONE;
    camera.SetWindowSize(1280, 960);
    return camera;
}

TEST(CharacterScreenBoxTest, TheBoxSpansHerWidthAndHeightAndMovesWithScrollAndOffset)
{
    const Camera camera = RoomCamera();
    Character character;
    character.SetPosition({0, 0, 0});
    character.UpdateTransform(camera, 0);
    const SceneRect box = character.m_oBox;
    const CoreFxVec feet = camera.ProjectToScreen({0, 0, 0});
    const CoreFxVec head = camera.ProjectToScreen({0, 0, 200 * ONE});
    EXPECT_EQ(character.GetScreenPosition().x, feet.x);
    EXPECT_EQ(character.GetScreenPosition().y, feet.y);
    EXPECT_LT(box.xMin, feet.x);
    EXPECT_GT(box.xMax, feet.x);
    EXPECT_EQ(std::min(feet.y, head.y), box.yMin);
    EXPECT_EQ(std::max(feet.y, head.y), box.yMax);
    EXPECT_EQ(character.m_oPulse.m_oPosition.x, box.xMin + (box.xMax - box.xMin) / 2);
    EXPECT_EQ(character.m_oPulse.m_oPosition.y, box.yMin + (box.yMax - box.yMin) / 2);

    character.m_iBoxOffset = 20 * ONE;
    character.UpdateTransform(camera, 10 * ONE);
    EXPECT_EQ(character.m_oBox.xMin, box.xMin + 10 * ONE);
    EXPECT_EQ(character.m_oBox.xMax, box.xMax + 10 * ONE);
    EXPECT_EQ(character.m_oBox.yMin, box.yMin - 20 * ONE);
    EXPECT_EQ(character.m_oBox.yMax, box.yMax - 20 * ONE);
}

} // namespace
