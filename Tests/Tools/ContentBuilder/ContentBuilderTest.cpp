// Runs the content builder on small content folders and reads what it wrote
// with the engine's own readers.
#include "DataPack/DataPackFormat.h"
#include "DataPack/DkDataPackBinding.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Support/RunContentBuilder.h"
#include "Support/TestPaths.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"
#include "Texture/DdsFormat.h"
#include "Texture/DdsImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using TestSupport::ReadFileBytes;
using TestSupport::TempDir;

using BuildResult = TestSupport::ContentBuildResult;
using TestSupport::RunContentBuilder;

const char* const MANIFEST = R"({
  "textures": [
    { "name": "odd_dxt1", "format": "DXT1", "size": [30, 17], "background": "#FF0000" },
    { "name": "odd_dxt5", "format": "DXT5", "size": [30, 17], "shapes": [{ "rect": [0, 0, 10, 10], "colour": "#00FF0080" }] },
    { "name": "arrow", "format": "DXT5", "png": "Pictures/arrow.png" }
  ],
  "packs": [
    { "file": "first.dr", "entries": [
        { "kind": "TX2D", "name": "odd_dxt5" },
        { "kind": "TX2D", "name": "odd_dxt1" } ] },
    { "file": "deeper/second.dr", "entries": [
        { "kind": "TX2D", "name": "arrow" },
        { "kind": "TX2D", "name": "odd_dxt1" } ] }
  ]
})";

class ContentBuilderTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::NullRendererTest::SetUp();
        m_folder.WriteFile("content/Manifest.json", MANIFEST);
        std::filesystem::create_directories(m_folder / "content/Pictures");
        std::filesystem::copy_file(TestSupport::SourceDir() / "Content/Textures/int_arrow.png",
                                   m_folder / "content/Pictures/arrow.png");
    }

    BuildResult Build() { return RunContentBuilder(m_folder / "content", m_folder / "data"); }

    TempDir m_folder;
};

TEST_F(ContentBuilderTest, PacksHoldTheirEntriesInListedOrder)
{
    const BuildResult result = Build();
    ASSERT_EQ(result.exitCode, 0) << result.errors;

    std::vector<uint8_t> first = ReadFileBytes(m_folder / "data/first.dr");
    DataPack pack;
    TestSupport::LogCapture capture;
    ASSERT_TRUE(DkDataPackBinding::BindPack(pack, first.data(), first.size(), "first.dr"));
    EXPECT_EQ(capture.Take(), "");
    ASSERT_EQ(pack.m_iEntryCount, 2u);
    EXPECT_STREQ(pack.EntryName(0), "odd_dxt5");
    EXPECT_STREQ(pack.EntryName(1), "odd_dxt1");
    for (uint32_t i = 0; i < 2; ++i) {
        EXPECT_EQ(pack.EntryKind(i), DATAPACK_TEXTURE);
        // Entry data starts on 128-byte boundaries of the file.
        EXPECT_EQ((DATAPACK_HEADER_SIZE + pack.EntryDataOffset(i)) % DATAPACK_DATA_ALIGNMENT, 0u);
    }
    EXPECT_EQ(pack.m_iRegionStart, DATAPACK_HEADER_SIZE + pack.EntryDataOffset(0));
    EXPECT_LE(pack.m_iRegionEnd, first.size());

    const CoreTextureDescription& dxt1 = g_pTextureManager->GetTextureByName("odd_dxt1")->m_oDescription;
    EXPECT_EQ(dxt1.m_iWidth, 32u);
    EXPECT_EQ(dxt1.m_iHeight, 20u);
    EXPECT_EQ(dxt1.m_iImageWidth, 30u);
    EXPECT_EQ(dxt1.m_iImageHeight, 17u);
    EXPECT_EQ(dxt1.m_iByteSize, 320u);
    EXPECT_EQ(dxt1.m_vDdsWords[0], 30u);
    EXPECT_EQ(dxt1.m_vDdsWords[1], 17u);
    EXPECT_EQ(dxt1.m_vDdsWords[4], DDS_FOURCC_DXT1);
    EXPECT_EQ(g_pTextureManager->GetTextureByName("odd_dxt5")->m_oDescription.m_iByteSize, 640u);
    DkDataPackBinding::UnbindPack(pack);

    // The same definition in two packs gives the same bytes.
    std::vector<uint8_t> second = ReadFileBytes(m_folder / "data/deeper/second.dr");
    ASSERT_TRUE(DkDataPackBinding::BindPack(pack, second.data(), second.size(), "second.dr"));
    std::vector<uint8_t> again = ReadFileBytes(m_folder / "data/first.dr");
    DataPack firstAgain;
    ASSERT_TRUE(DkDataPackBinding::BindPack(firstAgain, again.data(), again.size(), "first.dr"));
    ASSERT_EQ(pack.EntryDataSize(1), firstAgain.EntryDataSize(1));
    EXPECT_TRUE(std::equal(pack.EntryData(1), pack.EntryData(1) + pack.EntryDataSize(1), firstAgain.EntryData(1)));
    const CoreTextureDescription& arrow = g_pTextureManager->GetTextureByName("arrow")->m_oDescription;
    EXPECT_EQ(arrow.m_iImageWidth, 32u);
    EXPECT_EQ(arrow.m_iBitsPerPixel, 8u);
    DkDataPackBinding::UnbindPack(firstAgain);
    DkDataPackBinding::UnbindPack(pack);
    EXPECT_EQ(g_pTextureManager->GetTextureCount(), 0u);
}

TEST_F(ContentBuilderTest, MiniGameFragmentsAddTheirDefinitionsAndPacks)
{
    m_folder.WriteFile("content/MiniGames/MG_Game.json", R"({
      "textures": [ { "name": "mg_dot", "format": "DXT1", "size": [4, 4], "background": "#00FF00" } ],
      "packs": [ { "file": "MiniGame/MG_Game.twscene.dr", "entries": [
          { "kind": "TX2D", "name": "mg_dot" }, { "kind": "TX2D", "name": "odd_dxt1" } ] } ]
    })");
    // The sources of a mini-game's own formats are not fragments.
    m_folder.WriteFile("content/MiniGames/MG_Game.col.json", "[1, 2, 3]");
    const BuildResult result = Build();
    ASSERT_EQ(result.exitCode, 0) << result.errors;
    std::vector<uint8_t> bytes = ReadFileBytes(m_folder / "data/MiniGame/MG_Game.twscene.dr");
    DataPack pack;
    ASSERT_TRUE(DkDataPackBinding::BindPack(pack, bytes.data(), bytes.size(), "MG_Game.twscene.dr"));
    ASSERT_EQ(pack.m_iEntryCount, 2u);
    EXPECT_STREQ(pack.EntryName(0), "mg_dot");
    EXPECT_STREQ(pack.EntryName(1), "odd_dxt1");
    DkDataPackBinding::UnbindPack(pack);
    EXPECT_TRUE(std::filesystem::exists(m_folder / "data/first.dr"));

    // Two games' pictures under one definition name would share one picture.
    m_folder.WriteFile("content/MiniGames/MG_Other.json",
                       R"({ "textures": [ { "name": "mg_dot", "format": "DXT1", "size": [4, 4] } ] })");
    const BuildResult twice = Build();
    EXPECT_EQ(twice.exitCode, 1);
    EXPECT_NE(twice.errors.find("\"mg_dot\" is defined twice in \"textures\""), std::string::npos) << twice.errors;

    m_folder.WriteFile("content/MiniGames/MG_Other.json", R"({ "packs": { "file": "x.dr" } })");
    const BuildResult broken = Build();
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_NE(broken.errors.find("MG_Other.json: \"packs\" must be a list"), std::string::npos) << broken.errors;
}

TEST_F(ContentBuilderTest, DdsHeaderCarriesThePictureSize)
{
    ASSERT_EQ(Build().exitCode, 0);
    std::vector<uint8_t> bytes = ReadFileBytes(m_folder / "data/first.dr");
    DataPack pack;
    ASSERT_TRUE(DkDataPackBinding::BindPack(pack, bytes.data(), bytes.size(), "first.dr"));
    DdsImage image;
    ASSERT_TRUE(ReadDdsImage("odd_dxt5", pack.EntryData(0), pack.EntryDataSize(0), image));
    EXPECT_EQ(image.m_iWidth, 30u);
    EXPECT_EQ(image.m_iHeight, 17u);
    EXPECT_EQ(image.m_iImageSize, (30u << 16) | 17u);
    EXPECT_EQ(image.m_iFourCc, DDS_FOURCC_DXT5);
    EXPECT_EQ(image.m_iLevel0Size, 640u);
    EXPECT_EQ(pack.EntryDataSize(0), 128u + 640u);
    DkDataPackBinding::UnbindPack(pack);
}

TEST_F(ContentBuilderTest, UserFilesAreWrittenOnlyWhenMissingOtherFilesEveryTime)
{
    m_folder.WriteFile("content/Files/Settings.ini", "[Application]\nAA=0\n");
    m_folder.WriteFile("content/Files/save.dat", "empty save");
    m_folder.WriteFile("content/Files/text/readme.txt", "sample");
    ASSERT_EQ(Build().exitCode, 0);
    const auto text = [&](const char* name) {
        const std::vector<uint8_t> bytes = ReadFileBytes(m_folder / "data" / name);
        return std::string(bytes.begin(), bytes.end());
    };
    EXPECT_EQ(text("Settings.ini"), "[Application]\nAA=0\n");
    EXPECT_EQ(text("save.dat"), "empty save");

    // The user's edits and saves stay, under any letter case; the game's
    // other files are brought up to date.
    m_folder.WriteFile("data/Settings.ini", "[Application]\nAA=4\n");
    std::filesystem::remove(m_folder / "data/save.dat");
    m_folder.WriteFile("data/SAVE.DAT", "a saved game");
    m_folder.WriteFile("data/text/readme.txt", "stale");
    ASSERT_EQ(Build().exitCode, 0);
    EXPECT_EQ(text("Settings.ini"), "[Application]\nAA=4\n");
    EXPECT_EQ(text("SAVE.DAT"), "a saved game");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "data/save.dat"));
    EXPECT_EQ(text("text/readme.txt"), "sample");
}

TEST_F(ContentBuilderTest, FaultsInTheSourcesStopTheBuildWithTheirPlace)
{
    struct Case {
        const char* what;
        std::string manifest;
        const char* message;
    };
    const std::string packOf = R"(, "packs": [{ "file": "p.dr", "entries": [{ "kind": "TX2D", "name": "t" }] }] })";
    const std::vector<Case> cases = {
        {"json", "{ \"textures\": [", "Manifest.json"},
        {"missing png", R"({ "textures": [{ "name": "t", "format": "DXT1", "png": "nowhere.png" }])" + packOf,
         "p.dr: texture \"t\": "},
        {"bad colour",
         R"({ "textures": [{ "name": "t", "format": "DXT1", "size": [4, 4], "background": "red" }])" + packOf,
         "texture \"t\": a colour must be"},
        {"bad format", R"({ "textures": [{ "name": "t", "format": "DXT3", "size": [4, 4] }])" + packOf,
         "texture \"t\": format \"DXT3\" is not DXT1 or DXT5"},
        {"too wide", R"({ "textures": [{ "name": "t", "format": "DXT1", "size": [65536, 1] }])" + packOf,
         "texture \"t\": a picture must be 1 to 65535 pixels"},
        {"no definition", R"({ "textures": [])" + packOf, "p.dr: no definition named \"t\" in \"textures\""},
        {"unknown kind", R"({ "packs": [{ "file": "p.dr", "entries": [{ "kind": "ABCD", "name": "t" }] }] })",
         "p.dr: no entry kind \"ABCD\""},
        {"outside", R"({ "packs": [{ "file": "../p.dr", "entries": [] }] })", "is not a path below the data folder"},
    };
    for (const Case& c : cases) {
        TempDir folder;
        folder.WriteFile("content/Manifest.json", c.manifest);
        const BuildResult result = RunContentBuilder(folder / "content", folder / "data");
        EXPECT_EQ(result.exitCode, 1) << c.what;
        EXPECT_NE(result.errors.find(c.message), std::string::npos) << c.what << ": " << result.errors;
        EXPECT_NE(result.errors.find("step \"data packs\" failed"), std::string::npos) << c.what;
    }
}

TEST(ContentBuilderSoundTest, FaultsInTheSoundDescriptionNameItsLine)
{
    const std::string description = TestSupport::ReadFileText(TestSupport::SourceDir() / "Content/Sound/SoundPack.txt");
    const std::string nextLine = std::to_string(std::count(description.begin(), description.end(), '\n') + 1);
    struct Case {
        std::string line;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"sound 0x30ca3b76 Musics stream nowhere", "SoundPack.txt:" + nextLine + ": unknown wave \"nowhere\""},
        {"sound 0x47e6e6f9 Effects common click", "SoundPack.txt:" + nextLine + ": sound bound twice"},
        {"wave common long tone 440:0", "SoundPack.txt:" + nextLine + ": bad tone step \"440:0\""},
        {"sound 0x12345678 Effects common click", "a bound sound is not in the sound id table"},
    };
    for (const Case& c : cases) {
        TempDir folder;
        folder.WriteFile("content/Manifest.json", "{ \"textures\": [], \"packs\": [] }");
        folder.WriteFile("content/Sound/SoundPack.txt", description + c.line + "\n");
        const BuildResult result = RunContentBuilder(folder / "content", folder / "data");
        EXPECT_EQ(result.exitCode, 1) << c.line;
        EXPECT_NE(result.errors.find(c.message), std::string::npos) << c.line << ": " << result.errors;
        EXPECT_NE(result.errors.find("step \"sound banks\" failed"), std::string::npos) << c.line;
    }

    // A mini-game's sound file is read after the pack's description and
    // cannot bind a sound the description binds.
    TempDir folder;
    folder.WriteFile("content/Manifest.json", "{ \"textures\": [], \"packs\": [] }");
    folder.WriteFile("content/Sound/SoundPack.txt", description);
    folder.WriteFile("content/Sound/MG_Game.txt", "bank mg_game memory\nwave mg_game beep tone 440:50\n"
                                                  "sound 0x47e6e6f9 Effects mg_game beep\n");
    const BuildResult result = RunContentBuilder(folder / "content", folder / "data");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.errors.find("MG_Game.txt:3: sound bound twice"), std::string::npos) << result.errors;
}

} // namespace
