#include "DataPack/DataPack.h"
#include "DataPack/DataPackFormat.h"
#include "DataPack/DkDataPackBinding.h"
#include "MeshTestFixture.h"
#include "Support/Files.h"
#include "Support/HandMadePack.h"
#include "Support/LogCapture.h"
#include "Texture/CoreTextureManager.h"

#include <string>
#include <vector>

namespace {

using MeshPackTest = MeshTest;

std::vector<uint8_t> ReadActorPack()
{
    return TestSupport::ReadFileBytes(TestSupport::DataDir() / "scenes/tavrine.dr");
}

// The sample actor pack: the figure's texture, then its mesh, both under the
// actor's name.
TEST_F(MeshPackTest, TheActorPackBindsItsTextureThenItsMesh)
{
    std::vector<uint8_t> buffer = ReadActorPack();
    ASSERT_FALSE(buffer.empty());

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

// Two bound packs that hold the same mesh share it: it stays until both
// are unbound.
TEST_F(MeshPackTest, ASharedMeshStaysUntilItsLastPackIsUnbound)
{
    std::vector<uint8_t> first = ReadActorPack();
    std::vector<uint8_t> second = ReadActorPack();
    ASSERT_FALSE(first.empty());
    DataPack firstPack;
    DataPack secondPack;
    ASSERT_TRUE(DkDataPackBinding::BindPack(firstPack, first.data(), first.size(), "first"));
    ASSERT_TRUE(DkDataPackBinding::BindPack(secondPack, second.data(), second.size(), "second"));
    const CoreMeshHandle hMesh = Meshes().GetMeshByName("tavrine");
    ASSERT_NE(hMesh, nullptr);

    TestSupport::LogCapture capture;
    DkDataPackBinding::UnbindPack(firstPack);
    first.clear();
    EXPECT_EQ(Meshes().GetMeshByName("tavrine"), hMesh);
    CoreMatrix world;
    CoreMatrix::Identity(&world);
    EXPECT_TRUE(m_renderer.RenderMesh(hMesh, world, nullptr));
    DkDataPackBinding::UnbindPack(secondPack);
    const std::string log = capture.Take();
    EXPECT_EQ(log.find("bRemoved"), std::string::npos) << log;
    EXPECT_EQ(Meshes().GetMeshCount(), 0u);
}

// A damaged attachment's mesh: the log names the pack file it came from, not
// only the entry.
TEST_F(MeshPackTest, AMeshThatCannotBeLoadedIsNamedWithItsPackFile)
{
    TestSupport::HandMadePack made;
    const std::string damaged = "xof 0303txt 0032\nFrame {";
    made.Add(DATAPACK_XMESH, "brush", std::vector<uint8_t>(damaged.begin(), damaged.end()));
    std::vector<uint8_t> buffer = made.Bytes();
    DataPack pack;
    TestSupport::LogCapture capture;
    ASSERT_TRUE(DkDataPackBinding::BindPack(pack, buffer.data(), buffer.size(), "Attachments/brush.dr"));
    EXPECT_EQ(Meshes().GetMeshCount(), 0u);
    const std::string log = capture.Take();
    EXPECT_NE(log.find("Mesh \"brush\" of data pack \"Attachments/brush.dr\" could not be loaded\n"), std::string::npos)
        << log;
    DkDataPackBinding::UnbindPack(pack);
    capture.Take();
}

} // namespace
