#include "Mesh/SkinInfo.h"
#include "Mesh/VertexBlending.h"

#include <gtest/gtest.h>

using namespace Platform;

namespace {

Matrix4 Translation(float x, float y, float z)
{
    return Matrix4 {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {x, y, z, 1}}};
}

// A quarter turn about z (x goes to y), then a move.
Matrix4 QuarterTurnThenMove(float x, float y, float z)
{
    return Matrix4 {{{0, 1, 0, 0}, {-1, 0, 0, 0}, {0, 0, 1, 0}, {x, y, z, 1}}};
}

Matrix4 Multiply(const Matrix4& a, const Matrix4& b)
{
    Matrix4 out {};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k)
                out.m[r][c] += a.m[r][k] * b.m[k][c];
    return out;
}

MeshVertex Vertex(float x, float y)
{
    return MeshVertex {{x, y, 0.0f}, {0.0f, 0.0f, 1.0f}, x, y};
}

// Two faces in two materials over four vertices; bone A weighs v0 and v3
// fully and v1 by half, bone B (placed at x = 2) weighs v1 by half and v2
// fully.
class TwoBoneMesh : public testing::Test {
protected:
    void SetUp() override
    {
        m_pMesh = new Mesh(D3DXMESH_SYSTEMMEM, {Vertex(0, 0), Vertex(1, 0), Vertex(2, 1), Vertex(0, 1)},
                           {0, 1, 2, 0, 2, 3}, {0, 1});
        std::vector<SkinBone> bones(2);
        bones[0] = {"A", Translation(0, 0, 0), {0, 1, 3}, {1.0f, 0.5f, 1.0f}};
        bones[1] = {"B", Translation(-2, 0, 0), {1, 2}, {0.5f, 1.0f}};
        m_pSkin = new SkinInfo(4, std::move(bones));
        ASSERT_EQ(m_pSkin->ConvertToBlendedMesh(m_pMesh, D3DXMESH_MANAGED, &m_iMaxFaceInfl, &m_iCombinations, &m_pTable,
                                                &m_pBlended),
                  S_OK);
    }

    void TearDown() override
    {
        m_pBlended->Release();
        m_pTable->Release();
        m_pSkin->Release();
        m_pMesh->Release();
    }

    Mesh* m_pMesh = nullptr;
    SkinInfo* m_pSkin = nullptr;
    uint32_t m_iMaxFaceInfl = 0;
    uint32_t m_iCombinations = 0;
    BoneCombinationTable* m_pTable = nullptr;
    Mesh* m_pBlended = nullptr;
};

TEST_F(TwoBoneMesh, SplitsIntoOneCombinationPerMaterial)
{
    EXPECT_EQ(m_iMaxFaceInfl, 2u);
    ASSERT_EQ(m_iCombinations, 2u);
    ASSERT_EQ(m_pTable->GetCount(), 2u);
    const BoneCombination* pCombinations = m_pTable->GetBufferPointer();
    for (uint32_t i = 0; i < 2; ++i) {
        EXPECT_EQ(pCombinations[i].AttribId, i);
        EXPECT_EQ(pCombinations[i].FaceStart, i);
        EXPECT_EQ(pCombinations[i].FaceCount, 1u);
        EXPECT_EQ(pCombinations[i].VertexStart, 3 * i);
        EXPECT_EQ(pCombinations[i].VertexCount, 3u);
        EXPECT_EQ(pCombinations[i].BoneId[0], 0u);
        EXPECT_EQ(pCombinations[i].BoneId[1], 1u);
    }
    EXPECT_EQ(m_pBlended->GetNumFaces(), 2u);
    EXPECT_EQ(m_pBlended->GetNumVertices(), 6u);
    EXPECT_EQ(m_pBlended->GetWeightsPerVertex(), 1u);
    EXPECT_EQ(m_pBlended->GetAttributes()[1], 1u);
    EXPECT_EQ(m_pBlended->GetOptions(), uint32_t(D3DXMESH_MANAGED));
    // One explicit weight, bone A's: v0, v1, v2, then v0, v2, v3.
    const float* pWeights = m_pBlended->GetWeights();
    const float expected[] = {1.0f, 0.5f, 0.0f, 1.0f, 0.0f, 1.0f};
    for (int i = 0; i < 6; ++i)
        EXPECT_FLOAT_EQ(pWeights[i], expected[i]) << i;
}

TEST_F(TwoBoneMesh, BlendsTheVerticesOfACombination)
{
    // Bone A stays; bone B turns a quarter about its place; the world moves
    // everything by 10 in x. Slot j = offset x combined x world.
    const Matrix4 world = Translation(10, 0, 0);
    const Matrix4 matrices[2] = {
        Multiply(Multiply(*m_pSkin->GetBoneOffsetMatrix(0), Translation(0, 0, 0)), world),
        Multiply(Multiply(*m_pSkin->GetBoneOffsetMatrix(1), QuarterTurnThenMove(2, 0, 0)), world),
    };
    MeshVertex out[3];
    BlendVertices(*m_pBlended, 0, 3, matrices, 1, out);
    // v0 on A alone; v1 = (1, 0) half on A, half on B: (1, 0) and (2, -1);
    // v2 = (2, 1) on B: (0, 1) turned to (-1, 0), back to (1, 0).
    const float expected[3][2] = {{10.0f, 0.0f}, {11.5f, -0.5f}, {11.0f, 0.0f}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(out[i].position.x, expected[i][0], 1e-5f) << i;
        EXPECT_NEAR(out[i].position.y, expected[i][1], 1e-5f) << i;
        EXPECT_NEAR(out[i].position.z, 0.0f, 1e-5f) << i;
        EXPECT_NEAR(out[i].normal.z, 1.0f, 1e-5f) << i;
    }
    EXPECT_FLOAT_EQ(out[1].u, 1.0f);

    // Blend state 0 uses the first matrix alone.
    BlendVertices(*m_pBlended, 0, 3, matrices, 0, out);
    EXPECT_NEAR(out[2].position.x, 12.0f, 1e-5f);
    EXPECT_NEAR(out[2].position.y, 1.0f, 1e-5f);
}

TEST(SkinInfo, FacesNeedingMoreBonesThanFitStartANewCombination)
{
    // Each face is weighed by two bones; together they need three.
    Mesh* pMesh = new Mesh(0, {Vertex(0, 0), Vertex(1, 0), Vertex(1, 1), Vertex(0, 1)}, {0, 1, 2, 0, 1, 3}, {0, 0});
    std::vector<SkinBone> bones(3);
    bones[0] = {"A", Translation(0, 0, 0), {0, 1}, {1.0f, 1.0f}};
    bones[1] = {"B", Translation(0, 0, 0), {2}, {1.0f}};
    bones[2] = {"C", Translation(0, 0, 0), {3}, {2.0f}};
    SkinInfo* pSkin = new SkinInfo(4, std::move(bones));
    uint32_t iMaxFaceInfl = 0;
    uint32_t iCount = 0;
    BoneCombinationTable* pTable = nullptr;
    Mesh* pBlended = nullptr;
    ASSERT_EQ(pSkin->ConvertToBlendedMesh(pMesh, 0, &iMaxFaceInfl, &iCount, &pTable, &pBlended), S_OK);
    EXPECT_EQ(iMaxFaceInfl, 2u);
    ASSERT_EQ(iCount, 2u);
    const BoneCombination* pCombinations = pTable->GetBufferPointer();
    EXPECT_EQ(pCombinations[0].BoneId[0], 0u);
    EXPECT_EQ(pCombinations[0].BoneId[1], 1u);
    EXPECT_EQ(pCombinations[1].BoneId[0], 0u);
    EXPECT_EQ(pCombinations[1].BoneId[1], 2u);
    EXPECT_EQ(pCombinations[1].AttribId, 0u);
    // A weight of 2 alone is normalised to 1: C's place is the implicit one.
    EXPECT_FLOAT_EQ(pBlended->GetWeights()[5], 0.0f);

    Mesh* pOther = new Mesh(0, {Vertex(0, 0)}, {}, {});
    EXPECT_EQ(pSkin->ConvertToBlendedMesh(pOther, 0, &iMaxFaceInfl, &iCount, &pTable, &pBlended), E_INVALIDARG);
    pOther->Release();
    pBlended->Release();
    pTable->Release();
    pSkin->Release();
    pMesh->Release();
}

TEST(Mesh, KeepsFacesSortedBySubset)
{
    Mesh* pMesh = new Mesh(0, {Vertex(0, 0), Vertex(1, 0), Vertex(1, 1), Vertex(0, 1), Vertex(5, 5)},
                           {0, 1, 2, 2, 3, 4, 0, 2, 3}, {1, 0, 1});
    EXPECT_EQ(pMesh->GetIndices()[0], 2u);
    ASSERT_EQ(pMesh->GetAttributeTable().size(), 2u);
    const AttributeRange* pRange = pMesh->FindAttributeRange(1);
    ASSERT_NE(pRange, nullptr);
    EXPECT_EQ(pRange->FaceStart, 1u);
    EXPECT_EQ(pRange->FaceCount, 2u);
    EXPECT_EQ(pRange->VertexStart, 0u);
    EXPECT_EQ(pRange->VertexCount, 4u);
    EXPECT_EQ(pMesh->FindAttributeRange(7), nullptr);

    Mesh* pClone = nullptr;
    EXPECT_EQ(pMesh->CloneMeshFVF(D3DXMESH_SOFTWAREPROCESSING, 0x002, &pClone), E_INVALIDARG);
    ASSERT_EQ(pMesh->CloneMeshFVF(D3DXMESH_SOFTWAREPROCESSING, pMesh->GetFVF(), &pClone), S_OK);
    EXPECT_EQ(pClone->GetOptions(), uint32_t(D3DXMESH_SOFTWAREPROCESSING));
    EXPECT_EQ(pClone->GetNumFaces(), 3u);
    pClone->Release();
    pMesh->Release();
}

} // namespace
