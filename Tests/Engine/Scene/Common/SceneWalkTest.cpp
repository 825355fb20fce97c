// Characters in a scene: a click on the ground walks the active one along
// the walk mesh, walk then idle, and only the selected one minds the others.
#include "Scene/Common/Character.h"
#include "Scene/Common/Scene.h"
#include "Support/HandMadeScene.h"
#include "Support/WalkMeshSamples.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr fx32 ONE = FX32_ONE;
constexpr uint32_t HEROINE = 0x80000001u;
constexpr uint32_t SAILOR = 0x80000002u;
constexpr int32_t IDLE_ID = 486;
constexpr int32_t WALK_ID = 487;

class QuietScene final : public Scene {
public:
    void HandleInputs(uint32_t) override { }
};

Character& AddCharacter(Scene& scene, uint32_t uActorId, const CoreFxVec& position)
{
    auto character = std::make_unique<Character>();
    Character& result = *character;
    result.GetAnimations().AddAnimation(IDLE_ID, 0, 2.0f, ANIMATION_TYPE_IDLE);
    result.GetAnimations().AddAnimation(WALK_ID, 1, 1.0f, ANIMATION_TYPE_WALK);
    const int32_t slot = scene.m_iNumCharacters++;
    scene.m_apCharacters[slot] = std::move(character);
    scene.m_aCharacterIds[slot] = uActorId;
    scene.UpdateSurroundings();
    result.SetPosition(position);
    return result;
}

TEST(SceneWalkTest, AClickOnTheGroundWalksTheActiveCharacterThereThenShePlaysIdle)
{
    QuietScene scene;
    TestSupport::BuildMainLayer(scene, 256 * ONE, {}, {});
    WalkMeshSource source;
    source.triangles = TestSupport::StripFloor(16);
    ASSERT_TRUE(TestSupport::BakeAndLoad(source, scene.m_oWalkMesh));
    Character& heroine = AddCharacter(scene, HEROINE, {20 * ONE, 32 * ONE, 0});
    Character& sailor = AddCharacter(scene, SAILOR, {900 * ONE, 32 * ONE, 0});
    scene.SetActiveCharacter(HEROINE);
    scene.SelectCharacter(HEROINE);
    EXPECT_FALSE(heroine.m_bForceWalk);
    EXPECT_TRUE(sailor.m_bForceWalk);

    const CoreFxVec target {600 * ONE, 40 * ONE, 0};
    scene.GetActiveCharacter()->MoveToWithPath(target, 0);
    const CharacterAnimations& animations = heroine.GetAnimations();
    scene.Update(16);
    EXPECT_EQ(animations.GetCurrentIndex(), animations.GetSlot(ANIMATION_TYPE_WALK));
    int32_t frames = 1;
    while (heroine.m_bWalking && frames < 1000) {
        scene.Update(16);
        ++frames;
    }
    EXPECT_LT(frames, 1000);
    EXPECT_EQ(heroine.m_vPosition.x, target.x);
    EXPECT_EQ(heroine.m_vPosition.y, target.y);
    scene.Update(16);
    EXPECT_EQ(animations.GetCurrentIndex(), animations.GetSlot(ANIMATION_TYPE_IDLE));

    // The sailor fills the narrow floor: she stops before him rather than
    // going round him off the floor.
    scene.GetActiveCharacter()->MoveToWithPath({1000 * ONE, 32 * ONE, 0}, 0);
    for (frames = 0; heroine.m_bWalking && frames < 1000; ++frames) {
        scene.Update(16);
        ASSERT_LE(heroine.m_vPosition.y, 64 * ONE);
        ASSERT_GE(heroine.m_vPosition.y, 0);
    }
    EXPECT_LT(frames, 1000);
    EXPECT_LT(heroine.m_vPosition.x, sailor.m_vPosition.x);
}

} // namespace
