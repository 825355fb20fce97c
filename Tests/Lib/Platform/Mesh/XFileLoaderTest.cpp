#include "CountingHierarchy.h"
#include "Mesh/XFileTextCheck.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Platform;

namespace {

const std::string IDENTITY = "1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0;;";

// A square of two triangles in two materials, weighed by bones A and B; A
// has a child B placed at (1, 2, 3).
const std::string SQUARE = R"(xof 0303txt 0032
Frame Root {
 FrameTransformMatrix { )" +
                           IDENTITY + R"( }
 Frame Body {
  FrameTransformMatrix { )" +
                           IDENTITY + R"( }
  Mesh BodyMesh {
   4;
   0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;, 0.0; 1.0; 0.0;;
   2;
   3; 0, 1, 2;, 3; 0, 2, 3;;
   MeshNormals { 1; 0.0; 0.0; 1.0;; 2; 3; 0, 0, 0;, 3; 0, 0, 0;; }
   MeshTextureCoords { 4; 0.0; 0.0;, 1.0; 0.0;, 1.0; 1.0;, 0.0; 1.0;; }
   MeshMaterialList {
    2; 2; 0, 1;;
    Material Red { 1.0; 0.0; 0.0; 1.0;; 5.0; 0.1; 0.2; 0.3;; 0.0; 0.0; 0.0;; TextureFilename { "Skin.Tex.DDS"; } }
    Material Green { 0.0; 1.0; 0.0; 0.5;; 2.0; 0.0; 0.0; 0.0;; 0.4; 0.5; 0.6;; }
   }
   XSkinMeshHeader { 2; 4; 2; }
   SkinWeights { "A"; 4; 0, 1, 2, 3; 1.0, 0.5, 0.5, 1.0; )" +
                           IDENTITY + R"( }
   SkinWeights { "B"; 2; 1, 2; 0.5, 0.5;
     1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, -1.0, -2.0, -3.0, 1.0;; }
  }
 }
 Frame A {
  FrameTransformMatrix { )" +
                           IDENTITY + R"( }
  Frame B {
   FrameTransformMatrix { 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 1.0, 2.0, 3.0, 1.0;; }
  }
 }
}
)";

const std::string NO_MATERIAL = R"(xof 0303txt 0032
Frame Plain {
 Mesh {
  3;
  0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;;
  1;
  3; 0, 1, 2;;
 }
}
)";

const std::string TWO_TOP_FRAMES = R"(xof 0303txt 0032
Frame First { FrameTransformMatrix { )" +
                                   IDENTITY + R"( } }
Frame Second { FrameTransformMatrix { )" +
                                   IDENTITY + R"( } }
)";

TEST(XFileLoader, BuildsFramesInFileOrderWithTheirMatrices)
{
    LoadedHierarchy loaded(SQUARE);
    ASSERT_EQ(loaded.result, S_OK);
    MeshFrame* pRoot = loaded.pRoot;
    ASSERT_NE(pRoot, nullptr);
    EXPECT_STREQ(pRoot->Name, "Root");
    EXPECT_EQ(pRoot->pFrameSibling, nullptr);
    MeshFrame* pBody = pRoot->pFrameFirstChild;
    ASSERT_NE(pBody, nullptr);
    EXPECT_STREQ(pBody->Name, "Body");
    MeshFrame* pA = pBody->pFrameSibling;
    ASSERT_NE(pA, nullptr);
    EXPECT_STREQ(pA->Name, "A");
    MeshFrame* pB = pA->pFrameFirstChild;
    ASSERT_NE(pB, nullptr);
    // The file's row-vector matrix as written: translation in the last row.
    EXPECT_FLOAT_EQ(pB->TransformationMatrix.m[3][0], 1.0f);
    EXPECT_FLOAT_EQ(pB->TransformationMatrix.m[3][1], 2.0f);
    EXPECT_FLOAT_EQ(pB->TransformationMatrix.m[3][2], 3.0f);
    EXPECT_FLOAT_EQ(pB->TransformationMatrix.m[0][3], 0.0f);

    EXPECT_EQ(FrameFind(pRoot, "B"), pB);
    EXPECT_EQ(FrameFind(pRoot, "Body"), pBody);
    EXPECT_EQ(FrameFind(pRoot, "Missing"), nullptr);
    EXPECT_EQ(loaded.pController, nullptr);
}

TEST(XFileLoader, MergesThePerMaterialMeshesIntoOneContainer)
{
    LoadedHierarchy loaded(SQUARE);
    ASSERT_EQ(loaded.result, S_OK);
    const MeshContainer* pContainer = loaded.pRoot->pFrameFirstChild->pMeshContainer;
    ASSERT_NE(pContainer, nullptr);
    EXPECT_EQ(loaded.alloc.m_iContainers, 1);
    EXPECT_EQ(pContainer->MeshData.Type, uint32_t(D3DXMESHTYPE_MESH));
    const Mesh* pMesh = pContainer->MeshData.pMesh;
    ASSERT_EQ(pMesh->GetNumFaces(), 2u);
    EXPECT_EQ(pMesh->GetNumVertices(), 4u);
    EXPECT_EQ(pMesh->GetAttributes()[0], 0u);
    EXPECT_EQ(pMesh->GetAttributes()[1], 1u);
    // The file's winding and texture coordinates come back unchanged.
    const uint32_t* pFace = pMesh->GetIndices() + 3;
    const MeshVertex* pVertices = pMesh->GetVertices();
    EXPECT_FLOAT_EQ(pVertices[pFace[1]].position.x, 1.0f);
    EXPECT_FLOAT_EQ(pVertices[pFace[1]].position.y, 1.0f);
    EXPECT_FLOAT_EQ(pVertices[pFace[2]].position.x, 0.0f);
    EXPECT_FLOAT_EQ(pVertices[pFace[2]].position.y, 1.0f);
    EXPECT_FLOAT_EQ(pVertices[pFace[2]].v, 1.0f);
    EXPECT_FLOAT_EQ(pVertices[pFace[2]].normal.z, 1.0f);

    // The faces share the edge from vertex 0 to vertex 2.
    const uint32_t* pAdjacency = pContainer->pAdjacency;
    EXPECT_EQ(std::count(pAdjacency, pAdjacency + 3, 1u), 1);
    EXPECT_EQ(std::count(pAdjacency + 3, pAdjacency + 6, 0u), 1);
    EXPECT_EQ(std::count(pAdjacency, pAdjacency + 6, 0xFFFFFFFFu), 4);
}

TEST(XFileLoader, CopiesMaterialsAndTextureNames)
{
    LoadedHierarchy loaded(SQUARE);
    ASSERT_EQ(loaded.result, S_OK);
    const MeshContainer* pContainer = loaded.pRoot->pFrameFirstChild->pMeshContainer;
    ASSERT_EQ(pContainer->NumMaterials, 2u);
    const Material& red = pContainer->pMaterials[0].MatD3D;
    EXPECT_FLOAT_EQ(red.diffuse.r, 1.0f);
    EXPECT_FLOAT_EQ(red.diffuse.g, 0.0f);
    EXPECT_FLOAT_EQ(red.power, 5.0f);
    EXPECT_FLOAT_EQ(red.specular.b, 0.3f);
    EXPECT_STREQ(pContainer->pMaterials[0].pTextureFilename, "Skin.Tex.DDS");
    const Material& green = pContainer->pMaterials[1].MatD3D;
    EXPECT_FLOAT_EQ(green.diffuse.a, 0.5f);
    EXPECT_FLOAT_EQ(green.emissive.g, 0.5f);
    EXPECT_EQ(pContainer->pMaterials[1].pTextureFilename, nullptr);
}

// Files of other exporters: names, paths and comments in Latin-1 or UTF-8,
// and top-level objects of standard templates that the game has no use for.
TEST(XFileLoader, ReadsFilesOfOtherExporters)
{
    const struct {
        const char* pFrame;
        const char* pTexture;
    } cases[] = {
        {"Fr\xE9z\xE9", "C:\\Textures\\b\xFC"
                        "ffel.dds"},
        {"Fr\xC3\xA9z\xC3\xA9", "b\xC3\xBC"
                                "ffel.dds"},
        {"Plain", "..\\maps\\stone wall.dds"},
    };
    for (const auto& c : cases) {
        const std::string text = std::string("xof 0303txt 0032\n// exported by a tool \xC2\xA9 2026, caf\xE9\n") +
                                 "AnimTicksPerSecond { 4800; }\n"
                                 "KeyValuePair { \"author\"; \"J\xC3\xB6rg\"; }\n"
                                 "Frame " +
                                 c.pFrame +
                                 " {\n Mesh {\n  3;\n"
                                 "  0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;;\n  1;\n  3; 0, 1, 2;;\n"
                                 "  MeshMaterialList { 1; 1; 0;;\n"
                                 "   Material { 1.0; 1.0; 1.0; 1.0;; 1.0; 0.0; 0.0; 0.0;; 0.0; 0.0; 0.0;;\n"
                                 "    TextureFilename { \"" +
                                 c.pTexture + "\"; } }\n  }\n }\n}\n";
        ASSERT_TRUE(IsSafeXFileText(text.data(), text.size())) << text;
        LoadedHierarchy loaded(text);
        ASSERT_EQ(loaded.result, S_OK) << text;
        EXPECT_STREQ(loaded.pRoot->Name, c.pFrame);
        const MeshContainer* pContainer = loaded.pRoot->pMeshContainer;
        ASSERT_NE(pContainer, nullptr);
        ASSERT_EQ(pContainer->NumMaterials, 1u);
        EXPECT_STREQ(pContainer->pMaterials[0].pTextureFilename, c.pTexture);
    }
}

TEST(XFileLoader, KeepsTheSkinBonesAndOffsets)
{
    LoadedHierarchy loaded(SQUARE);
    ASSERT_EQ(loaded.result, S_OK);
    const SkinInfo* pSkin = loaded.pRoot->pFrameFirstChild->pMeshContainer->pSkinInfo;
    ASSERT_NE(pSkin, nullptr);
    ASSERT_EQ(pSkin->GetNumBones(), 2u);
    EXPECT_STREQ(pSkin->GetBoneName(0), "A");
    EXPECT_STREQ(pSkin->GetBoneName(1), "B");
    EXPECT_EQ(pSkin->GetBoneName(2), nullptr);
    EXPECT_FLOAT_EQ(pSkin->GetBoneOffsetMatrix(1)->m[3][2], -3.0f);
    EXPECT_EQ(pSkin->GetBone(0)->vertices.size(), 4u);
    EXPECT_EQ(pSkin->GetBone(1)->vertices.size(), 2u);
}

TEST(XFileLoader, AMeshWithoutMaterialsGetsNone)
{
    LoadedHierarchy loaded(NO_MATERIAL);
    ASSERT_EQ(loaded.result, S_OK);
    const MeshContainer* pContainer = loaded.pRoot->pMeshContainer;
    ASSERT_NE(pContainer, nullptr);
    EXPECT_EQ(pContainer->NumMaterials, 0u);
    EXPECT_EQ(pContainer->pSkinInfo, nullptr);
}

TEST(XFileLoader, SeveralTopFramesBecomeSiblings)
{
    LoadedHierarchy loaded(TWO_TOP_FRAMES);
    ASSERT_EQ(loaded.result, S_OK);
    EXPECT_STREQ(loaded.pRoot->Name, "First");
    ASSERT_NE(loaded.pRoot->pFrameSibling, nullptr);
    EXPECT_STREQ(loaded.pRoot->pFrameSibling->Name, "Second");
}

TEST(XFileLoader, RefusesDataThatIsNoXFile)
{
    for (const std::string& text : {std::string("not a mesh at all"), std::string("xof 0303txt 0032\nFrame {"),
                                    SQUARE.substr(0, SQUARE.size() / 2)}) {
        LoadedHierarchy loaded(text);
        EXPECT_NE(loaded.result, S_OK);
        EXPECT_EQ(loaded.pRoot, nullptr);
        EXPECT_EQ(loaded.alloc.m_iFrames, 0);
    }
    CountingHierarchy alloc;
    MeshFrame* pRoot = reinterpret_cast<MeshFrame*>(1);
    EXPECT_EQ(LoadMeshHierarchyFromXInMemory(nullptr, 10, 0, &alloc, &pRoot, nullptr), E_INVALIDARG);
    EXPECT_EQ(pRoot, nullptr);
}

TEST(XFileLoader, AnAllocatorFailureFreesEverythingMadeSoFar)
{
    for (int iFail = 0; iFail < 4; ++iFail) {
        CountingHierarchy alloc;
        alloc.m_iFailFrame = iFail;
        MeshFrame* pRoot = nullptr;
        EXPECT_EQ(LoadMeshHierarchyFromXInMemory(SQUARE.data(), uint32_t(SQUARE.size()), 0, &alloc, &pRoot, nullptr),
                  E_OUTOFMEMORY);
        EXPECT_EQ(pRoot, nullptr);
        EXPECT_EQ(alloc.m_iFrames, 0);
        EXPECT_EQ(alloc.m_iContainers, 0);
    }
    CountingHierarchy alloc;
    alloc.m_iFailContainer = 0;
    MeshFrame* pRoot = nullptr;
    EXPECT_EQ(LoadMeshHierarchyFromXInMemory(SQUARE.data(), uint32_t(SQUARE.size()), 0, &alloc, &pRoot, nullptr),
              E_OUTOFMEMORY);
    EXPECT_EQ(alloc.m_iFrames, 0);
}

} // namespace
