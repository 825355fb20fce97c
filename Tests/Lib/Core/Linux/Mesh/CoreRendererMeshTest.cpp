#include "MeshTestFixture.h"
#include "Renderer/CoreCamera.h"
#include "Renderer/CoreMaterial.h"
#include "Mesh/BoneCombinationTable.h"

#include <cmath>
#include <cstring>

using namespace Platform;

namespace {

using RendererMeshTest = MeshTest;

constexpr fx32 FX = 4096;

Matrix4 RecordedMatrix(const GraphicsCall& call)
{
    Matrix4 matrix {};
    std::memcpy(&matrix, call.data.data(), sizeof matrix);
    return matrix;
}

TEST_F(RendererMeshTest, AmbientColourIsMadeOfTheLevelsWholeParts)
{
    m_graphics.Recorder().Clear();
    m_renderer.SetAmbiantColor({255 * FX, 128 * FX + 2000, 0});
    EXPECT_EQ(m_renderer.GetRenderState(D3DRS_AMBIENT), 0xFFFF8000u);
    EXPECT_EQ(m_graphics.Recorder().Texts("SetRenderState"),
              std::vector<std::string> {"SetRenderState(139, 4294934528)"});
}

TEST_F(RendererMeshTest, TheScreenMarginFollowsTheWindowShape)
{
    EXPECT_EQ(CoreRenderer::ScreenMargin(1280, 960), 0);
    EXPECT_EQ(CoreRenderer::ScreenMargin(1920, 1080), 174762);
    EXPECT_LT(CoreRenderer::ScreenMargin(960, 960), 0);
    // Wide enough for width * 0xC0000 to overflow 32 bits.
    EXPECT_EQ(CoreRenderer::ScreenMargin(7680, 1440), (7680 * 0xC0000LL / 1440 - 256 * 4096) / 2);
    m_renderer.SetScreenCamera();
    // x = 0 and x = 256 map to the left and right edges.
    const CoreMatrix& projection = m_renderer.GetProjectionMatrix();
    EXPECT_NEAR(projection.m[0][3], -1.0f, 1e-6f);
    EXPECT_NEAR(projection.m[0][0] * 256.0f + projection.m[0][3], 1.0f, 1e-6f);
}

TEST_F(RendererMeshTest, CameraSendsTheViewThenThePostView)
{
    CoreCamera camera;
    CoreMatrix::Translation(&camera.m_oView, 1.0f, 0.0f, 0.0f);
    CoreMatrix::Identity(&camera.m_oProjection);
    CoreMatrix postView;
    CoreMatrix::Scaling(&postView, 2.0f, 2.0f, 2.0f);
    m_renderer.SetPostViewMatrix(postView);
    m_graphics.Recorder().Clear();
    m_renderer.SetCamera(&camera);
    const std::vector<GraphicsCall> calls = m_graphics.Recorder().Named("SetTransform");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].arguments[0], uint64_t(D3DTS_PROJECTION));
    EXPECT_EQ(calls[1].arguments[0], uint64_t(D3DTS_VIEW));
    // Moved by 1, then scaled by 2: the translation row reads 2.
    EXPECT_FLOAT_EQ(RecordedMatrix(calls[1]).m[3][0], 2.0f);
    EXPECT_FLOAT_EQ(RecordedMatrix(calls[1]).m[0][0], 2.0f);
}

TEST_F(RendererMeshTest, TheLightIsDirectionalLightZero)
{
    m_graphics.Recorder().Clear();
    m_renderer.SetLight({FX, FX / 2, 0}, {0, 0, -FX}, {FX, 2 * FX, 3 * FX});
    m_renderer.EnableLight(0);
    const std::vector<GraphicsCall> calls = m_graphics.Recorder().Named("SetLight");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].arguments[0], 0u);
    Light light {};
    std::memcpy(&light, calls[0].data.data(), sizeof light);
    EXPECT_EQ(light.type, uint32_t(D3DLIGHT_DIRECTIONAL));
    EXPECT_FLOAT_EQ(light.diffuse.g, 0.5f);
    EXPECT_FLOAT_EQ(light.diffuse.a, 0.0f);
    EXPECT_FLOAT_EQ(light.direction.z, -1.0f);
    EXPECT_FLOAT_EQ(light.position.z, 3.0f);
    EXPECT_FLOAT_EQ(light.range, 100000.0f);
    EXPECT_FLOAT_EQ(light.attenuation0, 1.0f);
    EXPECT_EQ(m_graphics.Recorder().Texts("LightEnable"), std::vector<std::string> {"LightEnable(0, 1)"});
}

// The primitive counts of the draws and the world matrices set, in order.
struct DrawnMesh {
    std::vector<uint64_t> draws;
    std::vector<Matrix4> worlds;
    uint32_t iMaterials = 0;
    uint32_t iBlendStates = 0;
};

DrawnMesh Recorded(const GraphicsRecorder& recorder)
{
    DrawnMesh drawn;
    for (const GraphicsCall& call : recorder.Calls()) {
        if (call.name == "DrawIndexedPrimitiveUP")
            drawn.draws.push_back(call.arguments[3]);
        else if (call.name == "SetTransform" && call.arguments[0] == D3DTS_WORLD)
            drawn.worlds.push_back(RecordedMatrix(call));
        drawn.iMaterials += call.name == "SetMaterial";
        drawn.iBlendStates += call.name == "SetRenderState" && call.arguments[0] == D3DRS_VERTEXBLEND;
    }
    return drawn;
}

bool Same(const Matrix4& a, const Matrix4& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(RendererMeshTest, ASkinnedMeshIsOneDrawPerMaterialAndUnderAnOverrideOneDraw)
{
    const CoreMeshHandle hMesh = Create("figure", SampleFigure());
    ASSERT_NE(hMesh, nullptr);
    const uint32_t iFaces = hMesh->m_pMeshContainer->MeshData.pMesh->GetNumFaces();
    // The materials in the order the bone groups use them.
    uint32_t iRuns = 0;
    uint32_t iLastAttribute = UNUSED_BONE_ID;
    for (uint32_t i = 0; i < hMesh->m_iNumBoneCombinations; ++i) {
        const uint32_t iAttribute = hMesh->m_pBoneCombinationBuffer->GetBufferPointer()[i].AttribId;
        iRuns += iAttribute != iLastAttribute;
        iLastAttribute = iAttribute;
    }
    ASSERT_LT(iRuns, hMesh->m_iNumBoneCombinations);
    ASSERT_TRUE(m_renderer.BeginFrame());
    Matrix4 before = IDENTITY_MATRIX;
    before.m[3][0] = 7.0f;
    m_renderer.GetDevice()->SetTransform(D3DTS_WORLD, &before);
    CoreMatrix world;
    CoreMatrix::Translation(&world, 5.0f, 0.0f, 0.0f);

    m_graphics.Recorder().Clear();
    EXPECT_TRUE(m_renderer.RenderMesh(hMesh, world, nullptr));
    const DrawnMesh own = Recorded(m_graphics.Recorder());
    EXPECT_EQ(own.draws.size(), iRuns);
    EXPECT_EQ(own.iMaterials, iRuns);
    uint64_t iDrawn = 0;
    for (uint64_t iCount : own.draws)
        iDrawn += iCount;
    EXPECT_EQ(iDrawn, iFaces) << "every face once";
    // The vertices come blended into world space; the device blends nothing
    // and gets its world matrix back.
    EXPECT_EQ(own.iBlendStates, 0u);
    ASSERT_EQ(own.worlds.size(), 2u);
    EXPECT_TRUE(Same(own.worlds[0], IDENTITY_MATRIX));
    EXPECT_TRUE(Same(own.worlds[1], before));

    // A shadow: one material for all, one draw, the projection on the device.
    CoreMatrix projection;
    CoreMatrix::Scaling(&projection, 1.0f, 1.0f, 0.0f);
    Matrix4 projectionD3D;
    CoreMatrix::TransposeToD3D(&projectionD3D, &projection);
    CoreMaterial grey = {{{0.5f, 0.5f, 0.5f, 0.5f}, {}, {}, {}, 1.0f}, nullptr};
    m_graphics.Recorder().Clear();
    EXPECT_TRUE(m_renderer.RenderMesh(hMesh, world, &grey, &projection));
    const DrawnMesh shadow = Recorded(m_graphics.Recorder());
    EXPECT_EQ(shadow.draws, std::vector<uint64_t> {iFaces});
    EXPECT_EQ(shadow.iMaterials, 1u);
    ASSERT_EQ(shadow.worlds.size(), 2u);
    EXPECT_TRUE(Same(shadow.worlds[0], projectionD3D));
    EXPECT_TRUE(Same(shadow.worlds[1], before));
    m_renderer.EndFrame();
}

} // namespace
