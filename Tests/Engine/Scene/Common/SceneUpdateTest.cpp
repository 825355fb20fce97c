// The scene's frame: the order of its steps, the characters' depths among
// the regions, the walk target under the pointer, the active and selected
// characters, the highlights and the shadow direction.
#include "Adventure/Common/Scriptable.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneInterfaceLink.h"
#include "Support/HandMadeScene.h"
#include "Support/LogCapture.h"
#include "Support/ScopedService.h"
#include "Support/WalkMeshSamples.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

namespace {

using testing::ElementsAre;
using TestSupport::AddFakeCharacter;
using TestSupport::BuildMainLayer;
using TestSupport::FakeCastMember;
using TestSupport::HandMadeRegion;

constexpr fx32 FX = FX32_ONE;
constexpr uint32_t HEROINE = 0x80000001u;
constexpr uint32_t SAILOR = 0x80000002u;
constexpr uint32_t PARROT = 0x80000003u;

SceneRect Box(int x0, int y0, int x1, int y1)
{
    return {x0 * FX, y0 * FX, x1 * FX, y1 * FX};
}

// Records the order of the frame's steps.
struct StepLog {
    std::vector<std::string> steps;
};

class RecordingLink final : public SceneInterfaceLink {
public:
    explicit RecordingLink(StepLog& log) : m_log(log) { }
    void UpdateMenu(uint32_t) override { m_log.steps.push_back("menu"); }
    void UpdateTalkScreen(uint32_t) override { m_log.steps.push_back("talk screen"); }
    void DrawTalkScreen() override { }
    void DrawMenuPanel() override { }
    void DrawMenuBars() override { }
    CoreTexture* GetHeldItemIcon() override { return nullptr; }
    bool IsBusy() override { return false; }
    Tw::TextRenderer* GetMainTextRenderer() override { return nullptr; }
    Tw::TextRenderer* GetSmallTextRenderer() override { return nullptr; }

private:
    StepLog& m_log;
};

class RecordingScene final : public Scene {
public:
    explicit RecordingScene(StepLog& log) : m_log(log) { }
    void HandleInputs(uint32_t) override { m_log.steps.push_back("input"); }

private:
    StepLog& m_log;
};

TEST(SceneUpdateTest, AFrameRunsMenuInputTalkScreenThenTheCharactersAndTheirFollowing)
{
    StepLog log;
    RecordingLink link(log);
    TestSupport::ScopedService<SceneInterfaceLink> installed(SetSceneInterfaceLink, link);
    RecordingScene scene(log);
    BuildMainLayer(scene, 256 * FX, {}, {});
    FakeCastMember& heroine = AddFakeCharacter(scene, HEROINE, 0);
    FakeCastMember& sailor = AddFakeCharacter(scene, SAILOR, 0);
    scene.SetActiveCharacter(HEROINE);

    scene.Update(16);
    EXPECT_THAT(log.steps, ElementsAre("menu", "input", "talk screen"));
    EXPECT_THAT(heroine.m_updates, ElementsAre(16u));
    EXPECT_THAT(sailor.m_updates, ElementsAre(16u));
    EXPECT_EQ(heroine.m_iTransforms, 1);
    EXPECT_TRUE(heroine.m_headings.empty());

    // Following the pointer, the active character heads for the walk
    // target, and only it.
    scene.m_iInputState = INPUT_STATE_FOLLOW;
    scene.m_vWalkTarget = {5 * FX, 6 * FX, 0};
    scene.Update(16);
    ASSERT_EQ(heroine.m_headings.size(), 1u);
    EXPECT_EQ(heroine.m_headings[0].x, scene.m_vWalkTarget.x);
    EXPECT_EQ(heroine.m_headings[0].y, scene.m_vWalkTarget.y);
    EXPECT_TRUE(sailor.m_headings.empty());
}

TEST(SceneUpdateTest, ACharacterTakesTheSmallestDepthOfTheRegionsUnderItsFeet)
{
    Scene scene;
    BuildMainLayer(scene, 400 * FX, {},
                   {HandMadeRegion {-3 * FX, Box(0, 100, 200, 192)}, HandMadeRegion {-8 * FX, Box(50, 120, 150, 192)},
                    HandMadeRegion {-20 * FX, Box(300, 100, 400, 192)}});
    constexpr fx32 NO_REGION = 1;
    struct Case {
        int screenX, screenY;
        fx32 scroll;
        fx32 depth;
    };
    const Case cases[] = {
        {100, 150, 0, -8 * FX},           // in both overlapping regions
        {20, 110, 0, -3 * FX},            // in one
        {250, 150, 0, NO_REGION},         // in none
        {220, 150, 100 * FX, -20 * FX},   // scrolled onto the far region
        {100, 150, -100 * FX, NO_REGION}, // scrolled off both
    };
    for (const Case& c : cases) {
        FakeCastMember& character = AddFakeCharacter(scene, HEROINE, 0);
        character.m_vScreen = {c.screenX * FX, c.screenY * FX, 0};
        scene.m_fScroll = c.scroll;
        scene.UpdateCharacterDepths();
        EXPECT_EQ(character.m_iDepth, c.depth == NO_REGION ? scene.m_fNoRegionLayer : c.depth)
            << c.screenX << "," << c.screenY;
        scene.m_apCharacters[--scene.m_iNumCharacters].reset();
    }
    // A hidden character keeps its depth.
    FakeCastMember& hidden = AddFakeCharacter(scene, HEROINE, 7);
    hidden.m_bVisible = false;
    hidden.m_vScreen = {100 * FX, 150 * FX, 0};
    scene.UpdateCharacterDepths();
    EXPECT_EQ(hidden.m_iDepth, 7);
}

TEST(SceneUpdateTest, PrepareSharesTheRegionDepthStepAndCentresTheView)
{
    TestSupport::ScopedWindowSize window(1280, 960);
    Scene scene;
    BuildMainLayer(scene, 600 * FX, {}, {});
    scene.m_fRegionDepthStep = 2 * FX;
    FakeCastMember& heroine = AddFakeCharacter(scene, HEROINE, 0);
    AddFakeCharacter(scene, SAILOR, 0);
    AddFakeCharacter(scene, PARROT, 0);
    heroine.m_vScreen = {400 * FX, 150 * FX, 0};
    scene.SelectCharacter(HEROINE);
    EXPECT_TRUE(scene.Prepare());
    EXPECT_EQ(scene.m_fRegionDepthStep, 2731); // 2.0 / 3
    EXPECT_EQ(scene.m_fScroll, 272 * FX);
    EXPECT_EQ(heroine.m_iTransforms, 1);
    EXPECT_EQ(heroine.m_iDepth, scene.m_fNoRegionLayer);

    Scene empty;
    BuildMainLayer(empty, 256 * FX, {}, {});
    empty.m_fRegionDepthStep = 2 * FX;
    EXPECT_TRUE(empty.Prepare());
    EXPECT_EQ(empty.m_fRegionDepthStep, 0);
}

TEST(SceneUpdateTest, OnlyTheActiveCharacterMayRunAndSelectionsFollowActorIds)
{
    Scene scene;
    FakeCastMember& heroine = AddFakeCharacter(scene, HEROINE, 0);
    FakeCastMember& sailor = AddFakeCharacter(scene, SAILOR, 0);
    scene.SetActiveCharacter(SAILOR);
    EXPECT_EQ(scene.m_iActiveCharacter, 1);
    EXPECT_TRUE(heroine.m_bForceWalk);
    EXPECT_FALSE(sailor.m_bForceWalk);
    scene.SetActiveCharacter(PARROT);
    EXPECT_EQ(scene.m_iActiveCharacter, -1);
    EXPECT_TRUE(heroine.m_bForceWalk);
    EXPECT_TRUE(sailor.m_bForceWalk);

    scene.m_fScroll = 40 * FX;
    scene.m_iScrollMode = SCROLL_FOLLOW;
    scene.SelectCharacter(SAILOR);
    EXPECT_EQ(scene.m_iSelectedCharacter, 1);
    EXPECT_EQ(scene.m_iScrollMode, SCROLL_PUSH);
    EXPECT_EQ(scene.m_fScrollTarget, 40 * FX);
    EXPECT_EQ(scene.m_bFollowOnSettle, 1);
    // The same selection again changes nothing.
    scene.m_iScrollMode = SCROLL_FOLLOW;
    scene.SelectCharacter(SAILOR);
    EXPECT_EQ(scene.m_iScrollMode, SCROLL_FOLLOW);
    scene.SelectCharacter(PARROT);
    EXPECT_EQ(scene.m_iSelectedCharacter, -1);
}

class PointerRayTest : public testing::Test {
protected:
    void SetUp() override
    {
        BuildMainLayer(m_scene, 256 * FX, {}, {});
        // Looking down at a strip of floor along x from above its near edge.
        m_scene.m_oCamera.SetLookAt({100 * FX, -200 * FX, 300 * FX}, {100 * FX, 20 * FX, 0}, {0, 0, FX});
        m_scene.m_oCamera.m_fNear = 10 * FX;
        m_scene.m_oCamera.m_fFar = 2000 * FX;
        const std::vector<WalkMeshTriangle> floor = TestSupport::StripFloor(4);
        m_scene.m_oWalkMesh.m_pTriangles = std::make_unique<WalkMeshTriangle[]>(floor.size());
        std::copy(floor.begin(), floor.end(), m_scene.m_oWalkMesh.m_pTriangles.get());
        m_scene.m_oWalkMesh.m_iNumTriangles = static_cast<int32_t>(floor.size());
        m_scene.m_oPointerTarget = {128 * FX, 96 * FX};
        m_scene.m_vWalkTarget = {-1, -1, -1};
    }

    // Where the walk target shows on the screen.
    CoreFxVec2 OnScreen() const
    {
        const CoreFxVec screen = m_scene.m_oCamera.ProjectToScreen(m_scene.m_vWalkTarget);
        return {screen.x, screen.y};
    }

    TestSupport::ScopedWindowSize m_window {1280, 960};
    Scene m_scene;
};

TEST_F(PointerRayTest, WalkingCastsTheRayOnTheFloorAndFollowingMeetsTheFeetsHeight)
{
    m_scene.m_iInputState = INPUT_STATE_WALK;
    m_scene.PickUnderCursor();
    // On the floor, within the ray cast's fixed-point steps.
    EXPECT_NEAR(m_scene.m_vWalkTarget.z, 0, FX / 16);
    EXPECT_NEAR(OnScreen().x, 128 * FX, FX / 4);
    EXPECT_NEAR(OnScreen().y, 96 * FX, FX / 4);

    // Following: the ray meets the plane at the active character's height.
    FakeCastMember& heroine = AddFakeCharacter(m_scene, HEROINE, 0);
    heroine.m_vFeet = {0, 0, 20 * FX};
    m_scene.SetActiveCharacter(HEROINE);
    m_scene.m_iInputState = INPUT_STATE_FOLLOW;
    m_scene.PickUnderCursor();
    EXPECT_EQ(m_scene.m_vWalkTarget.z, 20 * FX);
    EXPECT_NEAR(OnScreen().x, 128 * FX, FX / 4);
    EXPECT_NEAR(OnScreen().y, 96 * FX, FX / 4);

    // Other states leave the target alone.
    m_scene.m_vWalkTarget = {1, 2, 3};
    m_scene.m_iInputState = INPUT_STATE_IDLE;
    m_scene.PickUnderCursor();
    EXPECT_EQ(m_scene.m_vWalkTarget.x, 1);
    EXPECT_EQ(m_scene.m_vWalkTarget.z, 3);
}

TEST_F(PointerRayTest, AWalkClickWhoseRayMissesTheWalkMeshStartsNoWalk)
{
    FakeCastMember& heroine = AddFakeCharacter(m_scene, HEROINE, 0);
    m_scene.SetActiveCharacter(HEROINE);
    // The click's walk state: the ray at the end of its frame, the walk in
    // the next one.
    const auto walkClick = [&](fx32 y) {
        m_scene.m_oPointerTarget = {128 * FX, y};
        m_scene.m_iInputState = INPUT_STATE_WALK;
        m_scene.PickUnderCursor();
        m_scene.HandleInputs(16);
        EXPECT_EQ(m_scene.m_iInputState, INPUT_STATE_IDLE);
    };
    walkClick(96 * FX);
    ASSERT_EQ(heroine.m_walks.size(), 1u);
    // Far beyond the strip of floor: she is not sent back to the first
    // click's place.
    walkClick(8 * FX);
    EXPECT_EQ(heroine.m_walks.size(), 1u);
}

TEST_F(PointerRayTest, ARayAlongTheFloorSendsTheTargetFarOut)
{
    // Looking level along +y: the ray under the middle of the screen does
    // not descend.
    m_scene.m_oCamera.SetLookAt({0, 0, 100 * FX}, {0, 100 * FX, 100 * FX}, {0, 0, FX});
    m_scene.m_iInputState = INPUT_STATE_WALK;
    m_scene.PickUnderCursor();
    EXPECT_NEAR(m_scene.m_vWalkTarget.x, 0, 8);
    EXPECT_NEAR(m_scene.m_vWalkTarget.y, 5000 * FX, 5000 * 4);
    EXPECT_EQ(m_scene.m_vWalkTarget.z, 0);
}

TEST_F(PointerRayTest, ACameraThatCannotBeInvertedIsReported)
{
    m_scene.m_oCamera.SetLookAt({0, 0, 0}, {0, 0, 0}, {0, 0, 0});
    TestSupport::LogCapture capture;
    m_scene.PickUnderCursor();
    EXPECT_THAT(capture.Take(), testing::HasSubstr("Unproject returned -1\n"));
}

TEST(SceneHighlightTest, OnlyVisibleHotspotsThePlayerMayUsePulse)
{
    Scene scene;
    BuildMainLayer(scene, 256 * FX, {{-10 * FX, Box(0, 0, 10, 10)}, {-10 * FX, Box(0, 0, 10, 10)}},
                   {HandMadeRegion {-5 * FX, Box(0, 0, 50, 50)}, HandMadeRegion {-5 * FX, Box(0, 0, 50, 50)}});
    Scriptable usable;
    Scriptable unusable;
    unusable.DoSetActive(0);
    ASSERT_FALSE(unusable.IsInteractive());
    Layer& layer = scene.m_vLayers[0];
    layer.m_vSprites[0].m_pScriptable = &usable;
    layer.m_vSprites[1].m_pScriptable = &unusable;
    layer.m_vRegions[0].m_pScriptable = &usable;
    FakeCastMember& heroine = AddFakeCharacter(scene, HEROINE, 0);
    FakeCastMember& sailor = AddFakeCharacter(scene, SAILOR, 0);
    heroine.m_pScriptable = &usable;
    sailor.m_pScriptable = &usable;
    scene.SetActiveCharacter(HEROINE);

    scene.UpdateHighlights(true);
    EXPECT_TRUE(layer.m_vSprites[0].m_oPulse.m_bActive);
    EXPECT_FALSE(layer.m_vSprites[1].m_oPulse.m_bActive);
    EXPECT_TRUE(layer.m_vRegions[0].m_oPulse.m_bActive);
    EXPECT_FALSE(layer.m_vRegions[1].m_oPulse.m_bActive);
    EXPECT_TRUE(sailor.m_oPulse.m_bActive);
    EXPECT_FALSE(heroine.m_oPulse.m_bActive);

    // Without highlight-all only the objects flagged by their entity pulse;
    // a hidden sprite stops.
    layer.m_vRegions[0].m_bHighlighted = 1;
    layer.m_vSprites[0].m_bVisible = 0;
    scene.UpdateHighlights(false);
    EXPECT_TRUE(layer.m_vRegions[0].m_oPulse.m_bActive);
    EXPECT_FALSE(layer.m_vSprites[0].m_oPulse.m_bActive);
    EXPECT_FALSE(sailor.m_oPulse.m_bActive);
}

TEST(SceneHighlightTest, ExitArrowsTurnToTheirDirections)
{
    Scene scene;
    constexpr fx32 PI = 0x3244;
    const fx32 angles[] = {0, PI / 2, PI, 3 * PI / 2, PI / 4, 3 * PI / 4, 5 * PI / 4, 7 * PI / 4};
    for (uint32_t code = 1; code <= 8; ++code)
        EXPECT_NEAR(scene.SetArrowDirection(code).m_fxAngle, angles[code - 1], 2) << code;
}

TEST(SceneHighlightTest, ScriptedDirectionsTurnTheShadowRoundTheCameraAndNineIsStraightDown)
{
    Scene scene;
    // Looking along +y: code 1 leans the shadow a quarter sideways along +y.
    scene.m_oCamera.SetLookAt({0, 0, 0}, {0, 100 * FX, 0}, {0, 0, FX});
    scene.DirectionToVector(9);
    EXPECT_EQ(scene.m_vShadowDirection.x, 0);
    EXPECT_EQ(scene.m_vShadowDirection.y, 0);
    EXPECT_EQ(scene.m_vShadowDirection.z, -FX);
    scene.DirectionToVector(1);
    EXPECT_EQ(scene.m_vShadowDirection.x, 0);
    EXPECT_NEAR(scene.m_vShadowDirection.y, 993, 2); // (0, 1/4, -1) normalised
    EXPECT_NEAR(scene.m_vShadowDirection.z, -3974, 2);
    scene.DirectionToVector(3);
    EXPECT_NEAR(scene.m_vShadowDirection.x, 993, 2);
    EXPECT_EQ(scene.m_vShadowDirection.y, 0);
}

} // namespace
