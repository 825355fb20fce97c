// The sample common text tables hold, in every game language, the texts the
// map, quest and options tabs and the save-slot label print, and every quest
// entry's title and description fit the quest tab's box at its fonts.
#include "Common/GameLanguages.h"
#include "Interface/Common/InterfaceQuest.h"
#include "Interface/Common/QuestTable.h"
#include "Interface/Common/SaveSlotLabel.h"
#include "ScriptEngine/common/MapThumb.h"
#include "Support/Files.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Font/Common/TextRenderer.h"
#include "Utils/Common/Font/Common/TwFont.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The options tab's texts: bar labels, help lines, titles, saved message,
// yes and no.
constexpr uint32_t OPTIONS_TEXTS[] = {0x75215F1E, 0x1D98CB00, 0x16821562, 0xB2206197, 0x9BBE61C9, 0xB9700BCF,
                                      0x8C8DBC57, 0x4177E703, 0x1A2C945E, 0xCC58BDFE, 0xBEF67649};

// One language's common text table, as the game loads it.
class CommonTable {
public:
    explicit CommonTable(int32_t language)
        : m_file(std::string(GetLanguageCode(language)) + "TextCommon.dat"),
          m_bytes(TestSupport::ReadFileBytes(TestSupport::DataDir() / "text" / m_file))
    {
        m_bLoaded = m_localizer.Initialize(m_banks) &&
                    m_localizer.AddBank(m_file.c_str(), m_bytes.data(), uint32_t(m_bytes.size())) != -1;
    }
    ~CommonTable() { m_localizer.Release(); }
    CommonTable(const CommonTable&) = delete;
    CommonTable& operator=(const CommonTable&) = delete;

    bool IsLoaded() const { return m_bLoaded; }
    const std::string& File() const { return m_file; }
    const char* Text(uint32_t id) { return m_localizer.GetText(id); }
    bool Has(uint32_t id) { return std::string(Text(id)).find("INVALID TEXTID") == std::string::npos; }

private:
    std::string m_file;
    std::vector<uint8_t> m_bytes;
    DkLocalizerBank m_banks[DkLocalizer::BANK_COUNT] = {};
    DkLocalizer m_localizer;
    bool m_bLoaded = false;
};

// Lays text out only: the quest tab's renderers wrap the same way.
class LayoutOnly : public Tw::TextRenderer {
public:
    void DrawGlyph(uint32_t, uint32_t, uint32_t, uint32_t, fx32, fx32, fx32, fx32, uint32_t) override { }
};

TEST(TabTextsTest, EveryLanguageNamesTheLocationsAndHoldsTheOptionsTextsAndEveryQuestEntrysTexts)
{
    MapThumb::InitThumbDescs();
    for (int32_t language = 0; language < GAME_LANGUAGE_COUNT; ++language) {
        CommonTable table(language);
        ASSERT_TRUE(table.IsLoaded()) << table.File();
        for (const MapThumbDesc& desc : MapThumb::GetThumbDescs())
            EXPECT_TRUE(table.Has(desc.m_uNameTextId)) << table.File() << " " << std::hex << desc.m_uNameTextId;
        for (const uint32_t id : OPTIONS_TEXTS)
            EXPECT_TRUE(table.Has(id)) << table.File() << " " << std::hex << id;
        EXPECT_TRUE(table.Has(EMPTY_SLOT_TEXT)) << table.File();
        EXPECT_TRUE(table.Has(SLOT_LABEL_TEXT)) << table.File();
        for (int row = 0; row < NB_QUEST_ROWS; ++row) {
            EXPECT_TRUE(table.Has(GetQuestTable()[row].m_uTitleTextId)) << table.File() << " row " << row;
            EXPECT_TRUE(table.Has(GetQuestTable()[row].m_uDescriptionTextId)) << table.File() << " row " << row;
        }
    }
}

// A title wider than the box wraps over its description; a description
// taller than the box runs into the next entry.
TEST(TabTextsTest, EveryQuestTitleTakesOneLineAndEveryDescriptionStaysInTheBox)
{
    TestSupport::EnsureMainHeap();
    Tw::Font titleFont;
    Tw::Font textFont;
    // Only measured: the fonts' textures are not needed.
    const auto load = [](Tw::Font& font, const char* name) {
        const std::string path = (TestSupport::DataDir() / "fonts" / (std::string(name) + ".fnt.bin")).string();
        return font.Initialize(path.c_str(), {nullptr, 0});
    };
    // The menu's main renderer prints the titles, its second one the descriptions.
    ASSERT_TRUE(load(titleFont, "MainFont"));
    ASSERT_TRUE(load(textFont, "SmallFont"));
    constexpr int32_t MAX_LINES = 16;
    LayoutOnly title;
    LayoutOnly text;
    ASSERT_TRUE(title.Initialize(&titleFont, MAX_LINES));
    ASSERT_TRUE(text.Initialize(&textFont, MAX_LINES));
    for (LayoutOnly* renderer : {&title, &text})
        renderer->SetClipRect(InterfaceQuest::TEXT_LEFT, InterfaceQuest::TEXT_TOP, InterfaceQuest::TEXT_RIGHT,
                              InterfaceQuest::TEXT_BOTTOM);
    const fx32 titleRoom = InterfaceQuest::DESCRIPTION_TOP - InterfaceQuest::TEXT_TOP;
    const fx32 textRoom = InterfaceQuest::TEXT_BOTTOM - InterfaceQuest::DESCRIPTION_TOP;
    ASSERT_LE(titleFont.GetLineHeight(), titleRoom);

    for (int32_t language = 0; language < GAME_LANGUAGE_COUNT; ++language) {
        CommonTable table(language);
        ASSERT_TRUE(table.IsLoaded()) << table.File();
        for (int row = 0; row < NB_QUEST_ROWS; ++row) {
            const std::string titleText = table.Text(GetQuestTable()[row].m_uTitleTextId);
            const std::string description = table.Text(GetQuestTable()[row].m_uDescriptionTextId);
            EXPECT_EQ(title.GenerateSubstrings(titleText.c_str(), nullptr), 1)
                << table.File() << " row " << row << ": " << titleText;
            const int32_t lines = text.GenerateSubstrings(description.c_str(), nullptr);
            EXPECT_LE(int64_t(lines) * textFont.GetLineHeight(), textRoom)
                << table.File() << " row " << row << " takes " << lines << " lines: " << description;
        }
    }
    title.Release();
    text.Release();
    titleFont.Release();
    textFont.Release();
}

} // namespace
