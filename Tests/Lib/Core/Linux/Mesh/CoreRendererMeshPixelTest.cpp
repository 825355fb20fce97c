#include "Graphics/MatrixFunctions.h"
#include "Graphics/RgbaImage.h"
#include "Mesh/BoneCombinationTable.h"
#include "Mesh/CoreMesh.h"
#include "Mesh/CoreMeshAnimationManager.h"
#include "Mesh/VertexBlending.h"
#include "Renderer/CoreCamera.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTexture.h"
#include "Support/OpenGlRendererTest.h"
#include "Support/SampleFigure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using namespace Platform;

namespace {

constexpr fx32 FX = 4096;

struct Region {
    uint32_t left, top, right, bottom;
};

// The camera sees the figure from behind: its right hand is on the right of
// the picture.
constexpr Region RIGHT_HAND = {136, 78, 178, 116};
constexpr Region LEFT_HAND = {78, 78, 120, 116};

uint32_t Red(uint32_t rgba)
{
    return rgba >> 24;
}

// The sample figure on the OpenGL device, seen from the front and lit by
// one white directional light along the view.
class MeshPixelTest : public TestSupport::OpenGlRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::OpenGlRendererTest::SetUp();
        if (HasFatalFailure())
            return;

        const std::string data = TestSupport::ReadSampleFigure();
        m_hMesh = m_renderer.GetMeshManager()->CreateMesh("figure", data.data(), uint32_t(data.size()));
        ASSERT_NE(m_hMesh, nullptr);
        ASSERT_TRUE(CoreMeshAnimationManager::UpdateAnimation(m_hMesh, 0));

        CoreCamera camera;
        const CoreFxVec eye = {0, -500 * FX, 90 * FX};
        const CoreFxVec target = {0, 0, 90 * FX};
        const CoreFxVec up = {0, 0, FX};
        CoreMatrix::LookAtRH_DX(&camera.m_oView, &eye, &target, &up);
        CoreMatrix::PerspectiveFovRH_DX(&camera.m_oProjection, 819, 5461, 10 * FX, 2000 * FX);
        m_renderer.SetCamera(&camera);
        m_renderer.SetRenderState(D3DRS_LIGHTING, 1);
        m_renderer.SetAmbiantColor({40 * FX, 40 * FX, 40 * FX});
        m_renderer.SetLight({FX, FX, FX}, {0, FX, 0}, {0, 0, 0});
        m_renderer.EnableLight(0);
    }

    RgbaImage Draw(const CoreMatrix& world = IdentityWorld())
    {
        EXPECT_TRUE(m_renderer.BeginFrame());
        m_renderer.ClearFrame();
        EXPECT_TRUE(m_renderer.RenderMesh(m_hMesh, world, nullptr));
        RgbaImage image = Picture();
        m_renderer.EndFrame();
        if (const char* pFolder = std::getenv("VELMARSH_PICTURES"))
            WritePng(image, std::string(pFolder) + "/mesh_" + std::to_string(m_iPicture++) + ".png");
        return image;
    }

    static CoreMatrix IdentityWorld()
    {
        CoreMatrix world;
        CoreMatrix::Identity(&world);
        return world;
    }

    static uint32_t Changed(const RgbaImage& a, const RgbaImage& b, const Region& region)
    {
        uint32_t iChanged = 0;
        for (uint32_t y = region.top; y < region.bottom; ++y)
            for (uint32_t x = region.left; x < region.right; ++x)
                iChanged += a.At(x, y) != b.At(x, y);
        return iChanged;
    }

    // The figure drawn one bone group at a time, each group's vertices
    // blended from its bones' offsets, their pose and the world matrix.
    RgbaImage DrawnGroupByGroup(const Matrix4& world)
    {
        const CoreMesh& mesh = *m_hMesh;
        const Mesh& blended = *mesh.m_pMeshContainer->MeshData.pMesh;
        std::vector<MeshVertex> vertices(blended.GetNumVertices());
        GraphicsDevice& device = *m_renderer.GetDevice();
        EXPECT_TRUE(m_renderer.BeginFrame());
        m_renderer.ClearFrame();
        device.SetTransform(D3DTS_WORLD, &IDENTITY_MATRIX);
        for (uint32_t i = 0; i < mesh.m_iNumBoneCombinations; ++i) {
            const BoneCombination& group = mesh.m_pBoneCombinationBuffer->GetBufferPointer()[i];
            Matrix4 slots[4] = {IDENTITY_MATRIX, IDENTITY_MATRIX, IDENTITY_MATRIX, IDENTITY_MATRIX};
            uint32_t iLast = 0;
            for (uint32_t j = 0; j < mesh.m_iMaxFaceInfluences && j < 4; ++j) {
                const uint32_t iBone = group.BoneId[j];
                if (iBone == UNUSED_BONE_ID)
                    continue;
                MatrixMultiply(&slots[j], &mesh.m_pBoneOffsetMatrices[iBone], mesh.m_ppBoneMatrixPtrs[iBone]);
                MatrixMultiply(&slots[j], &slots[j], &world);
                iLast = j;
            }
            BlendVertices(blended, group.VertexStart, group.VertexCount, slots, iLast,
                          vertices.data() + group.VertexStart);
            device.SetMaterial(&mesh.m_pMeshContainer->pMaterials[group.AttribId].MatD3D);
            CoreTexture* pTexture = mesh.m_pTextureHandles[group.AttribId];
            device.SetTexture(0, pTexture != nullptr ? pTexture->m_pD3DTexture : nullptr);
            blended.DrawFaces(&device, *blended.FindAttributeRange(i), vertices.data());
        }
        RgbaImage image = Picture();
        m_renderer.EndFrame();
        return image;
    }

    CoreMeshHandle m_hMesh = nullptr;
    int m_iPicture = 0;
};

TEST_F(MeshPixelTest, TheFigureIsDrawnLitByTheLight)
{
    const RgbaImage image = Draw();
    ASSERT_EQ(image.width, 256u);
    // The chest faces the light: its white cloth comes out bright; the
    // background stays black.
    EXPECT_GT(Red(image.At(128, 70)), 200u);
    EXPECT_EQ(image.At(4, 4), 0x000000FFu);
    EXPECT_EQ(image.At(128, 188 - 180), 0x000000FFu);

    // Without the light only the ambient colour is left.
    m_renderer.EnableLight(0, false);
    const RgbaImage unlit = Draw();
    EXPECT_LT(Red(unlit.At(128, 70)), 80u);
    EXPECT_GT(Red(unlit.At(128, 70)), 10u);
}

TEST_F(MeshPixelTest, TurningABoneMovesTheVerticesItWeighs)
{
    const RgbaImage before = Draw();
    // A quarter turn of the right hand about the figure's forward axis.
    MeshFrame* pHand = FrameFind(m_hMesh->m_pRoot, "Bip01_R_Hand");
    ASSERT_NE(pHand, nullptr);
    Matrix4& m = pHand->TransformationMatrix;
    m.m[0][0] = 0.0f;
    m.m[0][2] = 1.0f;
    m.m[2][0] = -1.0f;
    m.m[2][2] = 0.0f;
    ASSERT_TRUE(CoreMeshAnimationManager::UpdateAnimation(m_hMesh, 0));
    const RgbaImage after = Draw();
    EXPECT_GT(Changed(before, after, RIGHT_HAND), 40u);
    EXPECT_EQ(Changed(before, after, LEFT_HAND), 0u);
}

TEST_F(MeshPixelTest, TheWholeFigureInOneDrawLooksAsItsBoneGroupsDrawnOneByOne)
{
    // Mid-walk, turned a little and moved: no bone's offset and pose cancel,
    // and the world matrix does not commute with them.
    ASSERT_EQ(m_hMesh->SetTrackAnimation(0, 1), S_OK);
    m_hMesh->SetAnimationTrackEnable(0, true);
    m_hMesh->SetAnimationTrackWeight(0, 1.0f);
    ASSERT_EQ(m_hMesh->UpdateAnimation(250), S_OK);
    CoreMatrix world;
    CoreMatrix::Identity(&world);
    world.m[0][0] = world.m[1][1] = std::cos(0.4f);
    world.m[1][0] = std::sin(0.4f);
    world.m[0][1] = -world.m[1][0];
    world.m[0][3] = 20.0f;
    Matrix4 worldD3D;
    CoreMatrix::TransposeToD3D(&worldD3D, &world);

    const RgbaImage whole = Draw(world);
    const RgbaImage groups = DrawnGroupByGroup(worldD3D);
    const Region all = {0, 0, whole.width, whole.height};
    EXPECT_GT(Changed(whole, Draw(IdentityWorld()), all), 100u) << "the world matrix moves her";
    EXPECT_EQ(Changed(whole, groups, all), 0u);
}

} // namespace
