#include "DataPack/DataPack.h"
#include "DataPack/DataPackFormat.h"
#include "DataPack/DkDataPackBinding.h"
#include "MeshTestFixture.h"
#include "Texture/CoreTextureManager.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

using MeshPackTest = MeshTest;

// The sample actor pack: the figure's texture, then its mesh, both under the
// actor's name.
TEST_F(MeshPackTest, TheActorPackBindsItsTextureThenItsMesh)
{
    std::ifstream file(TestSupport::DataDir() / "scenes/tavrine.dr", std::ios::binary);
    ASSERT_TRUE(file.good());
    std::vector<uint8_t> buffer((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());

    DataPack pack;
    ASSERT_TRUE(DkDataPackBinding::BindPack(pack, buffer.data(), buffer.size(), "scenes/tavrine.dr"));
    EXPECT_EQ(DkDataPackBinding::GetResourceCount(pack, DATAPACK_XMESH), 1u);
    // A character finds its mesh by the name of the pack's first entry.
    const CoreMeshHandle hMesh = Meshes().GetMeshByName(pack.EntryName(0));
    ASSERT_NE(hMesh, nullptr);
    EXPECT_NE(hMesh->m_pSkinInfo, nullptr);
    EXPECT_EQ(hMesh->m_pTextureHandles[0], m_renderer.GetTextureManager()->GetTextureByName("tavrine"));
    EXPECT_NE(hMesh->m_pTextureHandles[0], nullptr);
    EXPECT_EQ(hMesh->m_pTextureHandles[1], nullptr);

    DkDataPackBinding::UnbindPack(pack);
    EXPECT_EQ(Meshes().GetMeshCount(), 0u);
    EXPECT_EQ(m_renderer.GetTextureManager()->GetTextureCount(), 0u);
}

} // namespace
