// The portraits painted from the characters' descriptions: one per mood under
// the name the talk screen looks up, in the description's colours and shapes,
// and the quest log's framed picture; drawn portraits win.
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/Manifest.h"
#include "ContentBuilder/PortraitPainter.h"
#include "ContentBuilder/TextureBuilder.h"

#include "Common/CharacterIds.h"
#include "Common/IdHash.h"
#include "Hash/CoreCrc32.h"
#include "Dialogs/Common/DialogInterface.h"
#include "Interface/Common/InterfaceQuest.h"
#include "Interface/Common/QuestTable.h"
#include "Support/TestPaths.h"
#include "Tools/ContentBuilder/SampleCharacterLooks.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

// A bearded man in a hat, and a woman whose figure is a mesh of its own.
const char* const MAN = R"({ "height": 160, "skin": "#D8A080", "top": "#3A3A6A", "hair": "#8A2A1A",
  "shapes": [ { "shape": "beard", "colour": "#204020" }, { "shape": "hat", "colour": "#A0A000" } ] })";
const char* const WOMAN = R"({ "height": 170, "skin": "#F2C29E", "top": "#3C5A8C", "hair": "#D8C070",
  "shapes": [ { "shape": "long_hair", "colour": "#D8C070" } ] })";

std::array<uint8_t, 3> Pixel(const RgbaImage& image, uint32_t x, uint32_t y)
{
    const uint8_t* p = image.At(x, y);
    return {p[0], p[1], p[2]};
}

const nlohmann::json* Find(const nlohmann::json& textures, const std::string& name)
{
    for (const nlohmann::json& texture : textures)
        if (texture.at("name") == name)
            return &texture;
    return nullptr;
}

std::string FragmentError(const fs::path& content, const nlohmann::json& manifest = nlohmann::json::object())
{
    try {
        PortraitFragment(content, manifest);
    } catch (const ContentError& error) {
        return error.what();
    }
    return "";
}

TEST(PortraitPainterTest, EachCharacterSpeaksInEveryMoodInItsOwnColoursAndShapes)
{
    TestSupport::TempDir folder;
    folder.WriteFile("Characters/razzo.json", MAN);
    folder.WriteFile("Portraits/tavrine.json", WOMAN);
    const nlohmann::json fragment = PortraitFragment(folder.Path(), nlohmann::json::object());
    const nlohmann::json& textures = fragment.at("textures");
    ASSERT_EQ(textures.size(), 2u * (MOOD_COUNT + 1));
    ASSERT_EQ(fragment.at("packs").size(), 1u);
    EXPECT_EQ(fragment.at("packs")[0].at("file"), "common.dr");
    EXPECT_EQ(fragment.at("packs")[0].at("entries").size(), textures.size());

    for (const char* actor : {"razzo", "tavrine"}) {
        std::set<uint32_t> pictures;
        for (int mood = 0; mood < MOOD_COUNT; ++mood) {
            // The name the talk screen asks for.
            const std::string name = DialogInterface::GetPortraitSpriteName(ActorIdOf(actor), mood);
            const nlohmann::json* texture = Find(textures, name);
            ASSERT_NE(texture, nullptr) << name;
            const RgbaImage picture = DrawTexturePicture(*texture);
            EXPECT_EQ(picture.width, 320u);
            EXPECT_EQ(picture.height, 400u);
            pictures.insert(CoreCrc32::HashBlock(picture.pixels.data(), uint32_t(picture.pixels.size())));
            // The top below the face, the skin of the cheek (a sick face
            // turns green).
            const bool man = std::string(actor) == "razzo";
            EXPECT_EQ(Pixel(picture, 150, 380),
                      man ? (std::array<uint8_t, 3> {0x3A, 0x3A, 0x6A}) : (std::array<uint8_t, 3> {0x3C, 0x5A, 0x8C}))
                << name;
            if (std::string(Id::GetMoodName(mood)) != "sick" && std::string(Id::GetMoodName(mood)) != "shy") {
                EXPECT_EQ(Pixel(picture, 104, 200), man ? (std::array<uint8_t, 3> {0xD8, 0xA0, 0x80})
                                                        : (std::array<uint8_t, 3> {0xF2, 0xC2, 0x9E}))
                    << name;
            }
            if (man) {
                EXPECT_EQ(Pixel(picture, 150, 250), (std::array<uint8_t, 3> {0x20, 0x40, 0x20})) << "beard " << name;
                EXPECT_EQ(Pixel(picture, 150, 80), (std::array<uint8_t, 3> {0xA0, 0xA0, 0x00})) << "hat " << name;
            } else {
                EXPECT_EQ(Pixel(picture, 60, 280), (std::array<uint8_t, 3> {0xD8, 0xC0, 0x70})) << "hair " << name;
            }
        }
        // No two moods look alike.
        EXPECT_EQ(pictures.size(), size_t(MOOD_COUNT)) << actor;

        // The quest log's picture: the frame, and the face inside it.
        char questName[64];
        ASSERT_TRUE(InterfaceQuest::GetPortraitName(ActorIdOf(actor), questName, sizeof questName));
        const nlohmann::json* quest = Find(textures, questName);
        ASSERT_NE(quest, nullptr) << questName;
        const RgbaImage framed = DrawTexturePicture(*quest);
        EXPECT_EQ(framed.width, 120u);
        EXPECT_EQ(framed.height, 200u);
        EXPECT_EQ(Pixel(framed, 2, 100), (std::array<uint8_t, 3> {0x6A, 0x4A, 0x2A})) << questName;
        EXPECT_EQ(Pixel(framed, 60, 20), (std::array<uint8_t, 3> {0xE8, 0xD8, 0xB0})) << questName;
        EXPECT_EQ(Pixel(framed, 41, 126), std::string(actor) == "razzo" ? (std::array<uint8_t, 3> {0xD8, 0xA0, 0x80})
                                                                        : (std::array<uint8_t, 3> {0xF2, 0xC2, 0x9E}))
            << questName;
    }
}

TEST(PortraitPainterTest, ADrawnPortraitWinsAndFaultsNameTheirDescription)
{
    TestSupport::TempDir folder;
    folder.WriteFile("Characters/razzo.json", MAN);
    folder.WriteFile("Characters/nell.json", WOMAN);
    folder.WriteFile("Manifest.json", R"({ "textures": [ { "name": "intdial_razzo", "format": "DXT1",
      "size": [320, 400], "shapes": [] } ], "packs": [ { "file": "common.dr", "entries": [
      { "kind": "TX2D", "name": "intdial_razzo" } ] } ] })");
    const nlohmann::json manifest = LoadManifest(folder.Path());
    std::set<std::string> entries;
    for (const nlohmann::json& entry : manifest.at("packs")[0].at("entries"))
        EXPECT_TRUE(entries.insert(entry.at("name").get<std::string>()).second) << entry;
    EXPECT_TRUE(entries.count("intdial_razzo") && entries.count("intdial_nell") && entries.count("intdial_nell_sad"));
    // The drawn one only: none of its moods is painted beside it.
    EXPECT_FALSE(entries.count("intdial_razzo_sad"));
    EXPECT_TRUE(Find(manifest.at("textures"), "intdial_razzo")->at("shapes").empty());

    folder.WriteFile("Portraits/nell.json", WOMAN);
    EXPECT_EQ(FragmentError(folder.Path()), "\"nell\" is described twice (Characters/nell.json, Portraits/nell.json)");
    fs::remove(folder / "Portraits/nell.json");
    folder.WriteFile("Characters/nell.json", R"({ "height": 160, "eyes": "#000000" })");
    EXPECT_EQ(FragmentError(folder.Path()).rfind("Characters/nell.json: ", 0), 0u) << FragmentError(folder.Path());
    folder.WriteFile("Characters/nell.json", "{");
    EXPECT_EQ(FragmentError(folder.Path()).rfind("Characters/nell.json: ", 0), 0u) << FragmentError(folder.Path());
}

std::string ColourAt(const RgbaImage& image, uint32_t x, uint32_t y)
{
    const std::array<uint8_t, 3> rgb = Pixel(image, x, y);
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
    return text;
}

// A face on the talk screen stands for a figure in the scene: every portrait
// of the sample, drawn or painted, in each mood it has, wears the top and
// the hair of its character's figure (where a portrait of its build shows
// them: below the face and over the left temple, or an animal's mane
// between its ears).
TEST(PortraitPainterTest, EveryPortraitOfTheSampleWearsTheTopAndHairOfItsFigure)
{
    const nlohmann::json textures = LoadManifest(TestSupport::SourceDir() / "Content").at("textures");
    int portraits = 0;
    for (const auto& [actor, look] : SampleCharacterLooks())
        for (int mood = 0; mood < MOOD_COUNT; ++mood) {
            const std::string name = "intdial_" + actor + (mood == 0 ? "" : "_" + std::string(Id::GetMoodName(mood)));
            const nlohmann::json* texture = Find(textures, name);
            if (texture == nullptr)
                continue;
            ++portraits;
            const RgbaImage picture = DrawTexturePicture(*texture);
            // A sick animal's coat turns green as a sick face does.
            if (!(look.animal && std::string(Id::GetMoodName(mood)) == "sick")) {
                EXPECT_EQ(ColourAt(picture, 150, 380), look.top) << name << "'s top";
            }
            EXPECT_EQ(look.animal ? ColourAt(picture, 150, 100) : ColourAt(picture, 80, 150), look.hair)
                << name << "'s hair";
        }
    EXPECT_GT(portraits, MOOD_COUNT);
}

TEST(PortraitPainterTest, EveryCharacterOfTheSampleHasItsPortraitInTheCommonPack)
{
    const fs::path content = TestSupport::SourceDir() / "Content";
    const nlohmann::json manifest = LoadManifest(content);
    std::set<std::string> common;
    for (const nlohmann::json& pack : manifest.at("packs"))
        if (pack.at("file") == "common.dr")
            for (const nlohmann::json& entry : pack.at("entries"))
                common.insert(entry.at("name").get<std::string>());
    for (const char* folder : {"Characters", "Portraits"})
        for (const auto& entry : fs::directory_iterator(content / folder)) {
            const std::string actor = entry.path().stem().string();
            EXPECT_TRUE(common.count("intdial_" + actor)) << actor;
        }
    // Every quest entry shows a picture in its frame.
    for (const QuestRow& row : GetQuestTable()) {
        char name[64];
        ASSERT_TRUE(InterfaceQuest::GetPortraitName(row.m_uPortraitActor, name, sizeof name)) << row.m_iOpenFlag;
        EXPECT_TRUE(common.count(name)) << name;
    }
}

} // namespace
