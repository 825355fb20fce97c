// Pack entries that take their bytes from a definition of another name, so
// that two packs can each hold their own picture under one entry name.
#include "DataPack/DkDataPackBinding.h"
#include "Support/Files.h"
#include "Support/NullRendererTest.h"
#include "Support/RunContentBuilder.h"
#include "Support/TestPaths.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const char* const MANIFEST = R"({
  "textures": [
    { "name": "small_bg", "format": "DXT1", "size": [8, 4], "background": "#FF0000" },
    { "name": "large_bg", "format": "DXT1", "size": [16, 12], "background": "#0000FF" }
  ],
  "packs": [
    { "file": "a.dr", "entries": [{ "kind": "TX2D", "name": "masks_BG", "source": "small_bg" }] },
    { "file": "b.dr", "entries": [{ "kind": "TX2D", "name": "masks_BG", "source": "large_bg" }] }
  ]
})";

class PackEntrySourceTest : public TestSupport::NullRendererTest { };

TEST_F(PackEntrySourceTest, EachPackHoldsItsOwnSourceUnderTheSharedName)
{
    TestSupport::TempDir folder;
    folder.WriteFile("content/Manifest.json", MANIFEST);
    const TestSupport::ContentBuildResult result = TestSupport::RunContentBuilder(folder / "content", folder / "data");
    ASSERT_EQ(result.exitCode, 0) << result.errors;

    for (const auto& [file, width] : {std::pair {"a.dr", 8u}, std::pair {"b.dr", 16u}}) {
        std::vector<uint8_t> bytes = TestSupport::ReadFileBytes(folder / "data" / file);
        DataPack pack;
        ASSERT_TRUE(DkDataPackBinding::BindPack(pack, bytes.data(), bytes.size(), file));
        ASSERT_EQ(pack.m_iEntryCount, 1u);
        EXPECT_STREQ(pack.EntryName(0), "masks_BG");
        EXPECT_EQ(g_pTextureManager->GetTextureByName("masks_BG")->m_oDescription.m_iImageWidth, width) << file;
        DkDataPackBinding::UnbindPack(pack);
    }

    // A source that names no definition is refused, naming it.
    folder.WriteFile("content/Manifest.json",
                     R"({"packs": [{"file": "c.dr", "entries": [{"kind": "TX2D", "name": "x", "source": "gone"}]}]})");
    const TestSupport::ContentBuildResult refused = TestSupport::RunContentBuilder(folder / "content", folder / "data");
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_NE(refused.errors.find("\"gone\""), std::string::npos) << refused.errors;
}

} // namespace
