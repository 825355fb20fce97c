#include "DataPack/DataPackFormat.h"
#include "DataPack/DkDataPackBinding.h"
#include "Graphics/DeviceTexture.h"
#include "Graphics/GraphicsFormats.h"
#include "Support/HandMadeDds.h"
#include "Support/HandMadePack.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
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
    // The pixels a texture's level 0 reads.
    static std::span<const uint8_t> Pixels(const CoreTexture* texture)
    {
        return static_cast<const DeviceTexture*>(texture->m_pD3DTexture)->Levels().At(0).Bytes();
    }
    static std::vector<uint8_t> Copy(std::span<const uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }
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
    const std::vector<std::string> created = m_graphics.Recorder().Texts("CreateTextureInPlace");
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

    // The second pack's users keep a live texture after the first goes,
    // with the first pack's pixels, which it read in place until then.
    const std::vector<uint8_t> firstPixels = Copy(Pixels(shared));
    EXPECT_EQ(firstPixels.front(), 1u);
    EXPECT_EQ(Unbind(first), "");
    std::fill(firstBytes.begin(), firstBytes.end(), uint8_t(0xEE));
    EXPECT_EQ(Find("shared"), shared);
    EXPECT_EQ(Copy(Pixels(shared)), firstPixels);
    EXPECT_EQ(Find("only_one"), nullptr);
    EXPECT_EQ(shared->m_oDescription.m_iWidth, 8u);
    EXPECT_EQ(g_pTextureManager->GetTotalBytes(), 32u);

    EXPECT_EQ(Unbind(second), "");
    EXPECT_EQ(Find("shared"), nullptr);
    EXPECT_EQ(g_pTextureManager->GetTotalBytes(), 0u);
}

// A start that binds hundreds of textures copies none of them: each reads
// its pixels in the pack until something writes to it.
TEST_F(DataPackTexturesTest, TexturesReadTheirPixelsInThePackUntilWritten)
{
    HandMadePack made;
    made.Add(DATAPACK_TEXTURE, "skin", HandMadeDds(8, 8, D3DFMT_DXT5, 64, 5));
    std::vector<uint8_t> bytes = made.Bytes();
    DataPack pack;
    Bind(pack, bytes);
    CoreTexture* skin = Find("skin");
    ASSERT_NE(skin, nullptr);
    const std::span<const uint8_t> pixels = Pixels(skin);
    ASSERT_EQ(pixels.size(), 64u);
    EXPECT_EQ(pixels.data(), pack.EntryData(0) + DDS_LEVEL0_OFFSET);
    EXPECT_EQ(pixels.front(), 5u);

    // Reading hands out the pack's bytes; writing works on a copy and
    // leaves the pack as it was.
    LockedRect locked {};
    ASSERT_EQ(skin->m_pD3DTexture->LockRect(0, &locked, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(locked.bits, pixels.data());
    skin->m_pD3DTexture->UnlockRect(0);
    ASSERT_EQ(skin->m_pD3DTexture->LockRect(0, &locked, 0), D3D_OK);
    ASSERT_NE(locked.bits, pixels.data());
    EXPECT_EQ(static_cast<const uint8_t*>(locked.bits)[0], 5u);
    static_cast<uint8_t*>(locked.bits)[0] = 0xAB;
    skin->m_pD3DTexture->UnlockRect(0);
    EXPECT_EQ(pack.EntryData(0)[DDS_LEVEL0_OFFSET], 5u);
    EXPECT_EQ(Pixels(skin).front(), 0xABu);
    Unbind(pack);
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
