#include "DataPack/DataPackFormat.h"
#include "DataPack/DkDataPackBinding.h"
#include "Graphics/GraphicsFormats.h"
#include "Support/HandMadeDds.h"
#include "Support/HandMadePack.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Platform;
using TestSupport::HandMadeDds;
using TestSupport::HandMadePack;

namespace {

class DataPackTexturesTest : public TestSupport::NullRendererTest {
protected:
    std::string Bind(DataPack& pack, std::vector<uint8_t>& bytes, const char* name = "pack.dr")
    {
        TestSupport::LogCapture capture;
        EXPECT_TRUE(DkDataPackBinding::BindPack(pack, bytes.data(), bytes.size(), name));
        return capture.Take();
    }
    std::string Unbind(DataPack& pack)
    {
        TestSupport::LogCapture capture;
        DkDataPackBinding::UnbindPack(pack);
        return capture.Take();
    }
    CoreTexture* Find(const char* name)
    {
        TestSupport::LogCapture capture;
        CoreTexture* texture = g_pTextureManager->GetTextureByName(name);
        capture.Take();
        return texture;
    }
};

TEST_F(DataPackTexturesTest, TexturesLiveWhileTheirPackIsBound)
{
    HandMadePack made;
    made.Add(DATAPACK_TEXTURE, "first", HandMadeDds(8, 8, D3DFMT_DXT1, 32));
    made.Add(DATAPACK_TEXTURE, "second", HandMadeDds(30, 17, D3DFMT_DXT5, 640));
    std::vector<uint8_t> bytes = made.Bytes();
    DataPack pack;
    EXPECT_EQ(Bind(pack, bytes), "");
    EXPECT_EQ(DkDataPackBinding::GetResourceCount(pack, DATAPACK_TEXTURE), 2u);
    ASSERT_NE(Find("first"), nullptr);
    ASSERT_NE(Find("second"), nullptr);
    EXPECT_EQ(Find("second")->m_oDescription.m_iWidth, 32u);
    EXPECT_EQ(g_pTextureManager->GetTotalBytes(), 32u + 640u);
    // Registered in table order.
    const std::vector<std::string> created = m_graphics.Recorder().Texts("CreateTexture");
    ASSERT_EQ(created.size(), 2u);
    EXPECT_NE(created[0].find("(8, 8,"), std::string::npos) << created[0];
    EXPECT_NE(created[1].find("(32, 20,"), std::string::npos) << created[1];

    EXPECT_EQ(Unbind(pack), "");
    EXPECT_EQ(g_pTextureManager->GetTextureCount(), 0u);
    EXPECT_EQ(g_pTextureManager->GetTotalBytes(), 0u);
}

TEST_F(DataPackTexturesTest, SharedTextureLivesUntilItsLastPackIsUnbound)
{
    HandMadePack one;
    one.Add(DATAPACK_TEXTURE, "shared", HandMadeDds(8, 8, D3DFMT_DXT1, 32, 1));
    one.Add(DATAPACK_TEXTURE, "only_one", HandMadeDds(4, 4, D3DFMT_DXT1, 8));
    HandMadePack two;
    two.Add(DATAPACK_TEXTURE, "shared", HandMadeDds(8, 8, D3DFMT_DXT1, 32, 99));
    std::vector<uint8_t> firstBytes = one.Bytes();
    std::vector<uint8_t> secondBytes = two.Bytes();
    DataPack first;
    DataPack second;
    Bind(first, firstBytes, "one.dr");
    CoreTexture* shared = Find("shared");
    Bind(second, secondBytes, "two.dr");
    EXPECT_EQ(Find("shared"), shared);
    EXPECT_EQ(g_pTextureManager->GetTotalBytes(), 40u);

    // The second pack's users keep a live texture after the first goes.
    EXPECT_EQ(Unbind(first), "");
    EXPECT_EQ(Find("shared"), shared);
    EXPECT_EQ(Find("only_one"), nullptr);
    EXPECT_EQ(shared->m_oDescription.m_iWidth, 8u);
    EXPECT_EQ(g_pTextureManager->GetTotalBytes(), 32u);

    EXPECT_EQ(Unbind(second), "");
    EXPECT_EQ(Find("shared"), nullptr);
    EXPECT_EQ(g_pTextureManager->GetTotalBytes(), 0u);
}

TEST_F(DataPackTexturesTest, BadImageDoesNotStopTheBinding)
{
    HandMadePack made;
    std::vector<uint8_t> cut = HandMadeDds(16, 16, D3DFMT_DXT5, 256);
    cut.resize(200);
    made.Add(DATAPACK_TEXTURE, "broken", cut);
    made.Add(DATAPACK_TEXTURE, "fine", HandMadeDds(4, 4, D3DFMT_DXT1, 8));
    std::vector<uint8_t> bytes = made.Bytes();
    DataPack pack;
    const std::string log = Bind(pack, bytes);
    EXPECT_NE(log.find("texture \"broken\": bad DDS image:"), std::string::npos) << log;
    EXPECT_EQ(pack.EntryFlags(0), DATAPACK_FLAG_REGISTERED | DATAPACK_FLAG_PREPARED);
    EXPECT_EQ(Find("broken"), nullptr);
    EXPECT_NE(Find("fine"), nullptr);

    // The broken entry is marked registered, so unbinding reports its name
    // as missing and goes on.
    const std::string unbound = Unbind(pack);
    EXPECT_NE(unbound.find("condition: bRemoved\n"), std::string::npos) << unbound;
    EXPECT_EQ(g_pTextureManager->GetTextureCount(), 0u);
}

TEST_F(DataPackTexturesTest, MeshEntriesAreCarriedInTableOrder)
{
    HandMadePack made;
    made.Add(DATAPACK_XMESH, "mesh");
    made.Add(DATAPACK_TEXTURE, "skin", HandMadeDds(4, 4, D3DFMT_DXT1, 8));
    std::vector<uint8_t> bytes = made.Bytes();
    DataPack pack;
    Bind(pack, bytes);
    EXPECT_EQ(DkDataPackBinding::GetResourceCount(pack, DATAPACK_XMESH), 1u);
    EXPECT_STREQ(pack.EntryName(0), "mesh");
    EXPECT_EQ(pack.EntryFlags(0), DATAPACK_FLAG_REGISTERED | DATAPACK_FLAG_PREPARED);
    EXPECT_NE(Find("skin"), nullptr);
    Unbind(pack);
}

} // namespace
