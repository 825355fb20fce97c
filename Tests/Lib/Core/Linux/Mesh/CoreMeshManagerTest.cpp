#include "MeshTestFixture.h"
#include "Support/LogCapture.h"

#include <cstring>
#include <memory>

using namespace Platform;

namespace {

TEST_F(MeshTest, SameNameTwiceGivesTheFirstMesh)
{
    const CoreMeshHandle hFirst = Create("figure", SampleFigure());
    ASSERT_NE(hFirst, nullptr);
    const CoreMeshHandle hSecond = Create("figure", Triangle(""));
    EXPECT_EQ(hSecond, hFirst);
    EXPECT_NE(hFirst->m_pSkinInfo, nullptr);
    EXPECT_EQ(Meshes().GetMeshCount(), 1u);
    EXPECT_EQ(Meshes().GetMeshByName("figure"), hFirst);
    EXPECT_EQ(Meshes().GetMeshByName("nothing"), nullptr);

    // Each registration is removed once; the mesh goes with the last.
    EXPECT_TRUE(Meshes().RemoveMesh("figure"));
    EXPECT_EQ(Meshes().GetMeshCount(), 1u);
    EXPECT_NE(hFirst->m_pSkinInfo, nullptr);
    EXPECT_TRUE(Meshes().RemoveMesh("figure"));
    EXPECT_EQ(Meshes().GetMeshCount(), 0u);
    EXPECT_FALSE(Meshes().RemoveMesh("figure"));
}

TEST_F(MeshTest, FailuresAreReportedWithTheMeshName)
{
    TestSupport::LogCapture capture;
    EXPECT_EQ(Meshes().GetMeshByName("nothing"), nullptr);
    EXPECT_EQ(Create("broken", "xof 0303txt 0032\nFrame {"), nullptr);
    const std::string log = capture.Take();
    EXPECT_NE(log.find("condition: FALSE\nmessage:\nmesh \"nothing\" not found\n"), std::string::npos) << log;
    EXPECT_NE(log.find("condition: bResult == true\nmessage:\nFailed to load mesh 'broken'\n"), std::string::npos)
        << log;
    EXPECT_NE(log.find("condition: hMesh != 0\n"), std::string::npos) << log;
}

TEST_F(MeshTest, AMeshWithoutMaterialsGetsOneMagentaMaterial)
{
    const CoreMeshHandle hMesh = Create("plain", Triangle(""));
    ASSERT_NE(hMesh, nullptr);
    const MeshContainer* pContainer = hMesh->m_pMeshContainer;
    ASSERT_EQ(pContainer->NumMaterials, 1u);
    const Material& material = pContainer->pMaterials[0].MatD3D;
    for (const ColorValue& colour : {material.diffuse, material.ambient, material.specular}) {
        EXPECT_FLOAT_EQ(colour.r, 1.0f);
        EXPECT_FLOAT_EQ(colour.g, 0.0f);
        EXPECT_FLOAT_EQ(colour.b, 1.0f);
    }
    EXPECT_EQ(pContainer->pMaterials[0].pTextureFilename, nullptr);
    EXPECT_EQ(hMesh->m_pTextureHandles[0], nullptr);
    // Unskinned: the container keeps its mesh, there are no bones.
    EXPECT_EQ(hMesh->m_pSkinInfo, nullptr);
    EXPECT_EQ(hMesh->m_pMesh, pContainer->MeshData.pMesh);
    EXPECT_EQ(hMesh->m_ppBoneMatrixPtrs, nullptr);
    EXPECT_EQ(hMesh->m_pBoneOffsetMatrices, nullptr);
    EXPECT_EQ(hMesh->m_pBoneCombinationBuffer, nullptr);
    EXPECT_EQ(hMesh->m_pAnimationCtrl, nullptr);
}

TEST_F(MeshTest, MaterialsTakeTheirDiffuseAsAmbientAndLowerCaseTextureNames)
{
    const CoreMeshHandle hMesh = Create("figure", SampleFigure());
    ASSERT_NE(hMesh, nullptr);
    const MeshContainer* pContainer = hMesh->m_pMeshContainer;
    ASSERT_EQ(pContainer->NumMaterials, 3u);
    EXPECT_STREQ(pContainer->pMaterials[0].pTextureFilename, "tavrine");
    EXPECT_FLOAT_EQ(pContainer->pMaterials[1].MatD3D.ambient.g, pContainer->pMaterials[1].MatD3D.diffuse.g);
    // No texture of that name is bound here: the material draws untextured.
    EXPECT_EQ(hMesh->m_pTextureHandles[0], nullptr);
}

TEST(CoreMeshNames, TextureNamesLoseTheirExtensionAndCase)
{
    const auto copy = [](const char* pName) {
        std::unique_ptr<char[]> copy(CoreMesh::AllocMeshHierarchy::CopyTextureName(pName));
        return std::string(copy ? copy.get() : "(null)");
    };
    EXPECT_EQ(copy("Body.DDS"), "body");
    EXPECT_EQ(copy("Skin.Tex.DDS"), "skin.tex");
    EXPECT_EQ(copy("NoDot"), "nodot");
    EXPECT_EQ(copy(""), "");
    EXPECT_EQ(copy(nullptr), "(null)");
    std::unique_ptr<char[]> name(CoreMesh::AllocMeshHierarchy::CopyName("Bip01"));
    EXPECT_STREQ(name.get(), "Bip01");
    EXPECT_EQ(CoreMesh::AllocMeshHierarchy::CopyName(nullptr), nullptr);
}

TEST(CoreMeshFrames, TheSiblingsMeshIsFoundBeforeTheChilds)
{
    Mesh* pMesh = new Mesh(0, {}, {}, {});
    MeshContainer siblingContainer {};
    siblingContainer.MeshData = {D3DXMESHTYPE_MESH, pMesh};
    MeshContainer childContainer = siblingContainer;
    MeshContainer emptyContainer {};
    MeshFrame child {};
    child.pMeshContainer = &childContainer;
    MeshFrame sibling {};
    sibling.pMeshContainer = &siblingContainer;
    MeshFrame root {};
    root.pMeshContainer = &emptyContainer;
    root.pFrameFirstChild = &child;
    EXPECT_EQ(CoreMesh::FindFrameWithMesh(&root), &child);
    root.pFrameSibling = &sibling;
    EXPECT_EQ(CoreMesh::FindFrameWithMesh(&root), &sibling);
    child.pMeshContainer = nullptr;
    sibling.pMeshContainer = nullptr;
    EXPECT_EQ(CoreMesh::FindFrameWithMesh(&root), nullptr);
    pMesh->Release();
}

TEST_F(MeshTest, ABoneThatNamesNoFrameFailsTheLoad)
{
    std::string text = SampleFigure();
    const size_t at = text.find("\"Bip01_Head\";");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 13, "\"Nobody_Here\";");
    EXPECT_EQ(Create("broken", text), nullptr);
    EXPECT_EQ(Meshes().GetMeshCount(), 0u);
    EXPECT_EQ(Create("garbage", "xof 0303txt 0032\nFrame {"), nullptr);
    // A file without any mesh is refused too.
    EXPECT_EQ(Create("empty", "xof 0303txt 0032\nFrame Empty { FrameTransformMatrix { " + Identity() + " } }\n"),
              nullptr);
}

TEST_F(MeshTest, AFullMapRefusesAndReleasesTheNewMesh)
{
    const std::string text = Triangle("");
    for (uint32_t i = 0; i < CoreMeshManager::NB_MESH_MAX - 1; ++i)
        ASSERT_NE(Create(("mesh" + std::to_string(i)).c_str(), text), nullptr) << i;
    EXPECT_EQ(Create("one too many", text), nullptr);
    EXPECT_EQ(Meshes().GetMeshCount(), CoreMeshManager::NB_MESH_MAX - 1);
    EXPECT_TRUE(Meshes().RemoveMesh("mesh0"));
    EXPECT_FALSE(Meshes().RemoveMesh("mesh0"));
    EXPECT_NE(Create("one too many", text), nullptr);
}

TEST_F(MeshTest, TheSkinnedFigureIsBlendedWithItsBonesBound)
{
    const CoreMeshHandle hMesh = Create("figure", SampleFigure());
    ASSERT_NE(hMesh, nullptr);
    EXPECT_EQ(hMesh->m_iNumBones, 5u);
    EXPECT_NE(hMesh->m_pMesh, hMesh->m_pMeshContainer->MeshData.pMesh);
    EXPECT_GT(hMesh->m_iNumBoneCombinations, 0u);
    ASSERT_NE(hMesh->m_ppBoneMatrixPtrs, nullptr);
    for (uint32_t i = 0; i < hMesh->m_iNumBones; ++i) {
        const MeshFrame* pFrame = FrameFind(hMesh->m_pRoot, hMesh->m_pSkinInfo->GetBoneName(i));
        ASSERT_NE(pFrame, nullptr);
        EXPECT_EQ(hMesh->m_ppBoneMatrixPtrs[i],
                  &static_cast<const CoreMeshFrame*>(pFrame)->CombinedTransformationMatrix);
        EXPECT_FLOAT_EQ(hMesh->m_pBoneOffsetMatrices[i].m[3][2], hMesh->m_pSkinInfo->GetBoneOffsetMatrix(i)->m[3][2]);
    }
    // Every track runs at speed 1 with weight 0 until the game plays a set.
    TrackDesc desc {};
    for (uint32_t iTrack = 0; iTrack < hMesh->m_pAnimationCtrl->GetMaxNumTracks(); ++iTrack) {
        hMesh->m_pAnimationCtrl->GetTrackDesc(iTrack, &desc);
        EXPECT_FLOAT_EQ(desc.Speed, 1.0f);
        EXPECT_FLOAT_EQ(desc.Weight, 0.0f);
    }
}

} // namespace
