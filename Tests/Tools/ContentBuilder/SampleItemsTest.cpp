// Every item of the item table reaches the player whole in the sample data:
// an icon in the common pack, a name and a description in every language;
// a person carried as an item looks like the person in the scenes.
#include "Common/GameLanguages.h"
#include "Common/ItemIds.h"
#include "DataPack/DataPackFormat.h"
#include "DataPack/DkDataPackBinding.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Support/TestPaths.h"
#include "Tools/ContentBuilder/SampleCharacterLooks.h"
#include "Utils/Common/DkLocalizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

class SampleItemsTest : public TestSupport::NullRendererTest { };

std::string IconName(const char* item)
{
    return LowerCase(item);
}

TEST_F(SampleItemsTest, EveryItemHasItsOwnIconInTheCommonPack)
{
    std::vector<uint8_t> bytes = TestSupport::ReadFileBytes(TestSupport::DataDir() / "common.dr");
    DataPack pack;
    ASSERT_TRUE(DkDataPackBinding::BindPack(pack, bytes.data(), bytes.size(), "common.dr"));
    std::map<std::string, std::string> icons;
    for (uint32_t i = 0; i < pack.m_iEntryCount; ++i)
        if (pack.EntryKind(i) == DATAPACK_TEXTURE)
            icons[pack.EntryName(i)].assign(reinterpret_cast<const char*>(pack.EntryData(i)), pack.EntryDataSize(i));
    DkDataPackBinding::UnbindPack(pack);

    // Two items drawn alike could not be told apart in the inventory.
    std::map<std::string, std::string> pictures;
    for (const ItemIdRow& item : Id::GetItemTable()) {
        const auto icon = icons.find(IconName(item.m_pName));
        if (icon == icons.end()) {
            ADD_FAILURE() << item.m_pName << " has no icon";
            continue;
        }
        const auto [same, fresh] = pictures.emplace(icon->second, item.m_pName);
        EXPECT_TRUE(fresh) << item.m_pName << " looks like " << same->second;
    }
}

TEST_F(SampleItemsTest, EveryItemHasANameAndADescriptionInEveryLanguage)
{
    for (int32_t language = 0; language < GAME_LANGUAGE_COUNT; ++language) {
        const std::string code = GetLanguageCode(language);
        std::vector<uint8_t> table =
            TestSupport::ReadFileBytes(TestSupport::DataDir() / "text" / (code + "TextCommon.dat"));
        ASSERT_FALSE(table.empty()) << code;
        DkLocalizerBank banks[DkLocalizer::BANK_COUNT];
        DkLocalizer localizer;
        localizer.Initialize(banks);
        ASSERT_EQ(localizer.AddBank(code.c_str(), table.data(), uint32_t(table.size())), 0) << code;

        std::set<std::string> names;
        for (const ItemIdRow& item : Id::GetItemTable()) {
            TestSupport::LogCapture missing;
            const std::string name = localizer.GetText(uint32_t(Id::GetItemHashA(item.m_uId)));
            const std::string description = localizer.GetText(uint32_t(Id::GetItemHashB(item.m_uId)));
            EXPECT_EQ(missing.Take(), "") << code << " " << item.m_pName;
            EXPECT_FALSE(name.empty()) << code << " " << item.m_pName;
            EXPECT_GT(description.size(), name.size()) << code << " " << item.m_pName;
            // The pointer names the item under the hand: two of one name would
            // leave the player guessing.
            EXPECT_TRUE(names.insert(name).second) << code << " " << item.m_pName << ": \"" << name << "\" twice";
        }
        localizer.Release();
    }
}

// The crew the heroine carries in her inventory must be told apart there as
// in the scenes: a figure icon wears the shirt and hair colours of one of
// the characters.
TEST_F(SampleItemsTest, EveryFigureIconWearsTheColoursOfACharacter)
{
    const std::filesystem::path content = TestSupport::SourceDir() / "Content";
    const std::map<std::string, CharacterLook> looks = SampleCharacterLooks();
    const auto colours = [](const CharacterLook& look) { return std::pair {look.top, look.hair}; };
    std::istringstream items(TestSupport::ReadFileText(content / "Items" / "Items.txt"));
    int figures = 0;
    for (std::string line; std::getline(items, line);) {
        std::istringstream fields(line);
        std::string name, shape, main, detail;
        fields >> name >> shape >> main >> detail;
        if (shape != "figure")
            continue;
        ++figures;
        const std::pair look {LowerCase(main), LowerCase(detail)};
        // Named after a character: that one's look; else someone's.
        if (looks.contains(LowerCase(name)))
            EXPECT_EQ(look, colours(looks.at(LowerCase(name)))) << name;
        else
            EXPECT_TRUE(std::any_of(looks.begin(), looks.end(),
                                    [&](const auto& entry) { return colours(entry.second) == look; }))
                << name << " wears " << main << " and " << detail << ", which no character does";
    }
    EXPECT_GT(figures, 0);
}

} // namespace
