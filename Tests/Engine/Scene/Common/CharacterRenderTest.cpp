// The heroine drawn on the OpenGL device, seen from above: her planar shadow
// on the ground and the dustpan she carries in her right hand.
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Maths/CoreVec4.h"
#include "Mesh/CoreMesh.h"
#include "Mesh/CoreMeshAnimationManager.h"
#include "Renderer/CoreCamera.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/Scene.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlRendererTest.h"
#include "Support/SampleFigure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr fx32 FX = FX32_ONE;
constexpr int32_t RIGHT_HAND = 3;
constexpr uint32_t DUSTPAN = 0x6148f8c7u;
// A point of the pan in the frame of the hand that holds it.
constexpr float PAN_POINT[3] = {-9.0f, -11.0f, -15.0f};

bool IsGrey(uint32_t rgba, uint32_t level)
{
    for (int shift : {24, 16, 8})
        if (std::abs(int((rgba >> shift) & 0xFF) - int(level)) > 8)
            return false;
    return true;
}

bool IsGreen(uint32_t rgba)
{
    const int r = int(rgba >> 24);
    const int g = int((rgba >> 16) & 0xFF);
    const int b = int((rgba >> 8) & 0xFF);
    return g > r + 40 && g > b + 40;
}

class CharacterRenderTest : public TestSupport::OpenGlRendererTest {
protected:
    void SetUp() override
    {
        OpenGlRendererTest::SetUp();
        if (HasFatalFailure())
            return;
        const std::string figure = TestSupport::ReadUntexturedSampleFigure();
        const std::string dustpan = TestSupport::ReadSampleMesh("dustpan");
        CoreMeshManager& meshes = *m_renderer.GetMeshManager();
        CoreMeshHandle body = meshes.CreateMesh("tavrine", figure.data(), uint32_t(figure.size()));
        CoreMeshHandle pan = meshes.CreateMesh("dustpan", dustpan.data(), uint32_t(dustpan.size()));
        ASSERT_NE(body, nullptr);
        ASSERT_NE(pan, nullptr);
        m_dustpan.m_oBody.SetMesh(pan);

        // From straight above, the world's x to the right and y up.
        const CoreFxVec eye = {0, 0, 1500 * FX};
        const CoreFxVec target = {0, 0, 0};
        const CoreFxVec up = {0, FX, 0};
        CoreMatrix::LookAtRH_DX(&m_camera.m_oView, &eye, &target, &up);
        CoreMatrix::PerspectiveFovRH_DX(&m_camera.m_oProjection, 819, 5461, 10 * FX, 4000 * FX);
        m_renderer.SetCamera(&m_camera);
        m_renderer.SetRenderState(Platform::D3DRS_LIGHTING, 1);
        m_renderer.SetAmbiantColor({80 * FX, 80 * FX, 80 * FX});
        m_renderer.SetLight({FX, FX, FX}, {0, 0, -FX}, {0, 0, 0});
        m_renderer.EnableLight(0);
        // The sun shines from the left, so the shadow falls to the right.
        m_scene.m_iNumLights = 1;
        m_scene.m_aLights[0].m_iType = SCENE_LIGHT_DIRECTIONAL;
        m_scene.m_aLights[0].m_vVector = {FX, 0, -FX};

        m_attachments[0] = &m_dustpan;
        m_surroundings.m_ppAttachments = m_attachments;
        m_surroundings.m_pAttachmentIds = &DUSTPAN;
        m_surroundings.m_iNumAttachments = 1;
        const uint32_t tavrine = Id::GetActorId("tavrine");
        m_heroine = std::make_unique<Character>(tavrine);
        auto figureBody = std::make_unique<CharacterBody>();
        figureBody->SetMesh(body);
        m_heroine->SetBody(std::move(figureBody));
        m_heroine->SetSurroundings(&m_surroundings);
        m_heroine->AddAnimation(Id::GetAnimationId(tavrine, "g_walk_l"), ANIMATION_TYPE_WALK);
        m_heroine->AddAnimation(Id::GetAnimationId(tavrine, "g_idle_l"), ANIMATION_TYPE_IDLE);
        m_heroine->Update(16);
    }
    void TearDown() override
    {
        // The meshes go with the renderer.
        m_heroine.reset();
        m_dustpan.m_oBody.SetMesh(nullptr);
        OpenGlRendererTest::TearDown();
    }

    Platform::RgbaImage Draw()
    {
        EXPECT_TRUE(m_renderer.BeginFrame());
        m_renderer.SetClearColor(0xFFFFFFFF);
        m_renderer.ClearFrame();
        m_heroine->Render(m_renderer, m_scene);
        Platform::RgbaImage image = Picture();
        m_renderer.EndFrame();
        return image;
    }

    // Where a point of the hand's frame lands on the 256 x 192 picture.
    std::pair<uint32_t, uint32_t> OnPicture(const float (&inHand)[3]) const
    {
        CoreMatrix hand;
        CoreMeshAnimationManager::GetBoneTransformationFromName(m_heroine->GetBody()->GetMesh(), &hand, "Bip01_R_Hand");
        CoreMatrix world;
        m_heroine->GetWorldMatrix(world);
        CoreMatrix chain;
        CoreMatrix::Multiply(&chain, &m_camera.m_oView, &world);
        CoreMatrix::Multiply(&chain, &chain, &hand);
        CoreMatrix::Multiply(&chain, &m_camera.m_oProjection, &chain);
        const CoreVec4 point = {inHand[0], inHand[1], inHand[2], 1.0f};
        CoreVec4 clip;
        CoreVec4::Transform(&clip, &point, &chain);
        return {uint32_t((clip.x / clip.w + 1.0f) * 128.0f), uint32_t((1.0f - clip.y / clip.w) * 96.0f)};
    }

    CoreCamera m_camera;
    Scene m_scene;
    Attachment m_dustpan;
    Attachment* m_attachments[1] = {};
    CharacterSurroundings m_surroundings;
    std::unique_ptr<Character> m_heroine;
};

TEST_F(CharacterRenderTest, TheShadowDarkensTheGroundOnceBesideHerAndOnlyWhenCast)
{
    struct Count {
        int half = 0;
        int twice = 0;
        int64_t sumX = 0;
    };
    const auto count = [](const Platform::RgbaImage& image) {
        Count c;
        for (uint32_t y = 0; y < image.height; ++y)
            for (uint32_t x = 0; x < image.width; ++x) {
                const uint32_t pixel = image.At(x, y);
                if (IsGrey(pixel, 0x80)) {
                    ++c.half;
                    c.sumX += x;
                }
                c.twice += IsGrey(pixel, 0x40) ? 1 : 0;
            }
        return c;
    };
    const Count cast = count(Draw());
    // Body, head and arms overlap once flattened: the stencil keeps every
    // pixel from being darkened again.
    EXPECT_GT(cast.half, 300);
    EXPECT_EQ(cast.twice, 0);
    EXPECT_GT(cast.sumX / std::max(cast.half, 1), 128 + 10) << "away from the light";

    // What comes after her is drawn as before.
    EXPECT_EQ(m_renderer.GetRenderState(Platform::D3DRS_STENCILENABLE), 0u);
    EXPECT_EQ(m_renderer.GetRenderState(Platform::D3DRS_ALPHAFUNC), uint32_t(Platform::D3DCMP_GREATEREQUAL));
    EXPECT_EQ(m_renderer.GetRenderState(Platform::D3DRS_ALPHAREF), 1u);

    m_heroine->m_bShadow = 0;
    EXPECT_EQ(count(Draw()).half, 0);
}

TEST_F(CharacterRenderTest, TheShadowFollowsTheLightsDirectionNotItsLength)
{
    // Mid-walk, where her joints blend two bones.
    ASSERT_GT(m_heroine->GetBody()->GetMesh()->m_iMaxFaceInfluences, 1u);
    ASSERT_TRUE(m_heroine->SetCurrentAnimation(Id::GetAnimationId(Id::GetActorId("tavrine"), "g_walk_l"), false, true));
    m_heroine->Update(200);
    m_scene.m_aLights[0].m_vVector = {FX / 2, 0, -FX};
    const Platform::RgbaImage sun = Draw();
    m_scene.m_aLights[0].m_vVector = {FX / 4, 0, -FX / 2};
    const Platform::RgbaImage sameSun = Draw();
    uint32_t iShadow = 0;
    uint32_t iChanged = 0;
    for (uint32_t y = 0; y < sun.height; ++y)
        for (uint32_t x = 0; x < sun.width; ++x) {
            iShadow += IsGrey(sun.At(x, y), 0x80) ? 1 : 0;
            iChanged += sun.At(x, y) != sameSun.At(x, y) ? 1 : 0;
        }
    EXPECT_GT(iShadow, 100u);
    EXPECT_EQ(iChanged, 0u);
}

TEST_F(CharacterRenderTest, TheDustpanFollowsHerRightHandThroughTheWalk)
{
    m_heroine->m_bShadow = 0;
    ASSERT_TRUE(m_heroine->AddAttachment(RIGHT_HAND, DUSTPAN));
    ASSERT_TRUE(m_heroine->SetCurrentAnimation(Id::GetAnimationId(Id::GetActorId("tavrine"), "g_walk_l"), false, true));
    std::pair<uint32_t, uint32_t> first {};
    bool moved = false;
    for (int frame = 0; frame < 8; ++frame) {
        m_heroine->Update(60);
        const Platform::RgbaImage image = Draw();
        const auto [x, y] = OnPicture(PAN_POINT);
        ASSERT_LT(x, image.width);
        ASSERT_LT(y, image.height);
        EXPECT_TRUE(IsGreen(image.At(x, y))) << "frame " << frame << " at " << x << ", " << y;
        moved = moved || (frame > 0 && (x != first.first || y != first.second));
        if (frame == 0)
            first = {x, y};
    }
    EXPECT_TRUE(moved) << "the hand swings while she walks";

    // Put down, it is not drawn.
    ASSERT_TRUE(m_heroine->RemoveAttachment(DUSTPAN));
    const Platform::RgbaImage image = Draw();
    const auto [x, y] = OnPicture(PAN_POINT);
    EXPECT_FALSE(IsGreen(image.At(x, y)));
}

} // namespace
