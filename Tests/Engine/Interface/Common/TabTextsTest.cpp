// The sample common text tables hold, in every game language, the texts the
// map, quest and options tabs and the save-slot label print.
#include "Common/GameLanguages.h"
#include "Interface/Common/QuestTable.h"
#include "Interface/Common/SaveSlotLabel.h"
#include "ScriptEngine/common/MapThumb.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"
#include "Utils/Common/DkLocalizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The options tab's texts: bar labels, help lines, titles, saved message,
// yes and no.
constexpr uint32_t OPTIONS_TEXTS[] = {0x75215F1E, 0x1D98CB00, 0x16821562, 0xB2206197, 0x9BBE61C9, 0xB9700BCF,
                                      0x8C8DBC57, 0x4177E703, 0x1A2C945E, 0xCC58BDFE, 0xBEF67649};
// The quest rows whose flags the sample's dialogs and item combinations set.
constexpr int AUTHORED_QUEST_ROWS[] = {0, 19, 31, 32, 33, 34, 35, 36, 89, 104, 105, 106, 120, 121, 126};

TEST(TabTextsTest, EveryLanguageNamesTheLocationsAndHoldsTheOptionsAndQuestTexts)
{
    MapThumb::InitThumbDescs();
    for (int32_t language = 0; language < GAME_LANGUAGE_COUNT; ++language) {
        const std::string file = std::string(GetLanguageCode(language)) + "TextCommon.dat";
        std::vector<uint8_t> table = TestSupport::ReadFileBytes(TestSupport::DataDir() / "text" / file);
        DkLocalizerBank banks[DkLocalizer::BANK_COUNT] = {};
        DkLocalizer localizer;
        ASSERT_TRUE(localizer.Initialize(banks));
        ASSERT_NE(localizer.AddBank(file.c_str(), table.data(), uint32_t(table.size())), -1) << file;
        const auto has = [&localizer](uint32_t id) {
            return std::string(localizer.GetText(id)).find("INVALID TEXTID") == std::string::npos;
        };
        for (const MapThumbDesc& desc : MapThumb::GetThumbDescs())
            EXPECT_TRUE(has(desc.m_uNameTextId)) << file << " " << std::hex << desc.m_uNameTextId;
        for (const uint32_t id : OPTIONS_TEXTS)
            EXPECT_TRUE(has(id)) << file << " " << std::hex << id;
        EXPECT_TRUE(has(EMPTY_SLOT_TEXT)) << file;
        EXPECT_TRUE(has(SLOT_LABEL_TEXT)) << file;
        for (const int row : AUTHORED_QUEST_ROWS) {
            EXPECT_TRUE(has(GetQuestTable()[row].m_uTitleTextId)) << file << " row " << row;
            EXPECT_TRUE(has(GetQuestTable()[row].m_uDescriptionTextId)) << file << " row " << row;
        }
        localizer.Release();
    }
}

} // namespace
