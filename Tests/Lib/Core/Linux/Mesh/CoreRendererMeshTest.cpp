#include "MeshTestFixture.h"
#include "Renderer/CoreCamera.h"
#include "Renderer/CoreMaterial.h"

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

TEST_F(RendererMeshTest, SkinnedCombinationsSetTheirBlendStateAndRestoreIt)
{
    const CoreMeshHandle hMesh = Create("figure", SampleFigure());
    ASSERT_NE(hMesh, nullptr);
    ASSERT_TRUE(m_renderer.BeginFrame());
    m_renderer.GetDevice()->SetRenderState(D3DRS_VERTEXBLEND, 0);
    m_graphics.Recorder().Clear();
    CoreMatrix world;
    CoreMatrix::Translation(&world, 5.0f, 0.0f, 0.0f);
    EXPECT_TRUE(m_renderer.RenderMesh(hMesh, world, nullptr));

    std::vector<uint64_t> blends;
    uint32_t iDraws = 0;
    uint32_t iMaterials = 0;
    for (const GraphicsCall& call : m_graphics.Recorder().Calls()) {
        if (call.name == "SetRenderState" && call.arguments[0] == D3DRS_VERTEXBLEND)
            blends.push_back(call.arguments[1]);
        iDraws += call.name == "DrawIndexedPrimitiveUP";
        iMaterials += call.name == "SetMaterial";
    }
    // Each combination sets its highest slot, then puts 0 back.
    ASSERT_EQ(blends.size(), 2 * hMesh->m_iNumBoneCombinations);
    for (size_t i = 0; i < blends.size(); i += 2) {
        EXPECT_EQ(blends[i + 1], 0u);
        const BoneCombination& combination = hMesh->m_pBoneCombinationBuffer->GetBufferPointer()[i / 2];
        uint32_t iLast = 0;
        for (uint32_t j = 0; j < hMesh->m_iMaxFaceInfluences; ++j)
            if (combination.BoneId[j] != UNUSED_BONE_ID)
                iLast = j;
        EXPECT_EQ(blends[i], iLast);
    }
    EXPECT_EQ(iDraws, hMesh->m_iNumBoneCombinations);
    // The material changes only where the attribute does.
    uint32_t iChanges = 0;
    uint32_t iLastAttribute = UNUSED_BONE_ID;
    for (uint32_t i = 0; i < hMesh->m_iNumBoneCombinations; ++i) {
        const uint32_t iAttribute = hMesh->m_pBoneCombinationBuffer->GetBufferPointer()[i].AttribId;
        iChanges += iAttribute != iLastAttribute;
        iLastAttribute = iAttribute;
    }
    EXPECT_EQ(iMaterials, iChanges);
    EXPECT_LT(iMaterials, iDraws);
    m_renderer.EndFrame();
}

Matrix4 Product(const Matrix4& a, const Matrix4& b)
{
    Matrix4 out {};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k)
                out.m[r][c] += a.m[r][k] * b.m[k][c];
    return out;
}

bool Near(const Matrix4& a, const Matrix4& b)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (std::fabs(a.m[r][c] - b.m[r][c]) > 1e-3f)
                return false;
    return true;
}

TEST_F(RendererMeshTest, BoneSlotsGetOffsetTimesCombinedTimesWorld)
{
    const CoreMeshHandle hMesh = Create("figure", SampleFigure());
    ASSERT_NE(hMesh, nullptr);
    // Mid-walk, so that no bone's offset and combined matrices cancel.
    ASSERT_EQ(hMesh->SetTrackAnimation(0, 1), S_OK);
    hMesh->SetAnimationTrackEnable(0, true);
    hMesh->SetAnimationTrackWeight(0, 1.0f);
    ASSERT_EQ(hMesh->UpdateAnimation(250), S_OK);
    // A quarter turn about z, then a move: it does not commute with the
    // bones' matrices.
    CoreMatrix world;
    CoreMatrix::Identity(&world);
    world.m[0][0] = 0.0f;
    world.m[0][1] = -1.0f;
    world.m[1][0] = 1.0f;
    world.m[1][1] = 0.0f;
    world.m[0][3] = 5.0f;
    Matrix4 worldD3D;
    CoreMatrix::TransposeToD3D(&worldD3D, &world);

    ASSERT_TRUE(m_renderer.BeginFrame());
    m_graphics.Recorder().Clear();
    CoreMaterial grey = {{{0.5f, 0.5f, 0.5f, 0.5f}, {}, {}, {}, 1.0f}, nullptr};
    m_renderer.RenderMesh(hMesh, world, &grey);
    m_renderer.EndFrame();

    // The slot matrices each combination sets before its draw.
    std::vector<std::vector<GraphicsCall>> setsBeforeDraw(1);
    for (const GraphicsCall& call : m_graphics.Recorder().Calls()) {
        if (call.name == "DrawIndexedPrimitiveUP")
            setsBeforeDraw.emplace_back();
        else if (call.name == "SetTransform" && call.arguments[0] >= D3DTS_WORLD)
            setsBeforeDraw.back().push_back(call);
    }
    ASSERT_EQ(setsBeforeDraw.size(), hMesh->m_iNumBoneCombinations + 1);
    const BoneCombination* pCombinations = hMesh->m_pBoneCombinationBuffer->GetBufferPointer();
    for (uint32_t i = 0; i < hMesh->m_iNumBoneCombinations; ++i) {
        for (uint32_t j = 0; j < hMesh->m_iMaxFaceInfluences; ++j) {
            const uint32_t iBone = pCombinations[i].BoneId[j];
            if (iBone == UNUSED_BONE_ID)
                continue;
            const Matrix4 expected =
                Product(Product(hMesh->m_pBoneOffsetMatrices[iBone], *hMesh->m_ppBoneMatrixPtrs[iBone]), worldD3D);
            bool bFound = false;
            for (const GraphicsCall& call : setsBeforeDraw[i])
                bFound |= call.arguments[0] == D3DTS_WORLDMATRIX(j) && Near(RecordedMatrix(call), expected);
            EXPECT_TRUE(bFound) << "combination " << i << " slot " << j;
        }
    }
    for (const GraphicsCall& call : m_graphics.Recorder().Named("SetMaterial")) {
        Material material {};
        std::memcpy(&material, call.data.data(), sizeof material);
        EXPECT_FLOAT_EQ(material.diffuse.a, 0.5f);
    }
}

} // namespace
