#include "Support/LogCapture.h"
#include "Support/HandMadeTextTable.h"
#include "Utils/Common/DkLocalizer.h"

#include <gmock/gmock.h>

#include <cstring>
#include <string>
#include <vector>

using testing::HasSubstr;
using TestSupport::HandMadeTextTable;

namespace {

class DkLocalizerTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_localizer.Initialize(m_banks)); }

    int32_t Add(std::vector<uint8_t>& table, const char* name = "table.dat")
    {
        return m_localizer.AddBank(name, table.data(), uint32_t(table.size()));
    }

    std::string Text(uint32_t id)
    {
        std::string text;
        TestSupport::LogOf([&] { text = m_localizer.GetText(id); });
        return text;
    }

    static uint32_t PreparedFlag(const std::vector<uint8_t>& table)
    {
        uint32_t flag;
        std::memcpy(&flag, &table[0x28], sizeof flag);
        return flag;
    }

    DkLocalizerBank m_banks[DkLocalizer::BANK_COUNT];
    DkLocalizer m_localizer;
};

TEST_F(DkLocalizerTest, ATableOfOneEntryFindsThatIdAndNothingElse)
{
    std::vector<uint8_t> table = HandMadeTextTable({{0x1234, "only"}});
    ASSERT_EQ(Add(table), 0);
    EXPECT_EQ(Text(0x1234), "only");
    EXPECT_EQ(Text(0x1233), "!! INVALID TEXTID 4659 !!");
    EXPECT_EQ(Text(0x1235), "!! INVALID TEXTID 4661 !!");
}

TEST_F(DkLocalizerTest, EveryIdOfASortedTableIsFoundInUnsignedOrder)
{
    // Ids above 0x7FFFFFFF sort after the smaller ones; each count exercises
    // another shape of the search.
    const std::vector<uint32_t> ids = {0, 1, 7, 0x7FFFFFFF, 0x80000000, 0xC0000000, 0xFFFFFFFE, 0xFFFFFFFF};
    for (size_t count = 1; count <= ids.size(); ++count) {
        std::vector<std::pair<uint32_t, std::string>> texts;
        for (size_t i = 0; i < count; ++i)
            texts.push_back({ids[i], "text " + std::to_string(i)});
        std::vector<uint8_t> table = HandMadeTextTable(texts);
        ASSERT_EQ(Add(table), 0);
        for (size_t i = 0; i < count; ++i)
            EXPECT_EQ(Text(ids[i]), "text " + std::to_string(i)) << count << " entries, id " << ids[i];
        EXPECT_EQ(Text(5), "!! INVALID TEXTID 5 !!") << count;
        m_localizer.RemoveBank(0);
    }
}

TEST_F(DkLocalizerTest, ALowerBankShadowsAHigherOne)
{
    std::vector<uint8_t> first = HandMadeTextTable({{10, "first"}, {20, "only in the first"}});
    std::vector<uint8_t> second = HandMadeTextTable({{5, "second"}});
    std::vector<uint8_t> third = HandMadeTextTable({{10, "third"}, {30, "only in the third"}});
    ASSERT_EQ(Add(first), 0);
    ASSERT_EQ(Add(second), 1);
    ASSERT_EQ(Add(third), 2);
    EXPECT_EQ(Text(10), "first");
    EXPECT_EQ(Text(30), "only in the third");
    m_localizer.RemoveBank(0);
    EXPECT_EQ(Text(10), "third");
    EXPECT_EQ(Text(20), "!! INVALID TEXTID 20 !!");
    // The freed bank is the next one used.
    EXPECT_EQ(Add(first), 0);
    EXPECT_EQ(Text(10), "first");
}

TEST_F(DkLocalizerTest, AMissLogsTheIdAndShowsItSigned)
{
    std::vector<uint8_t> table = HandMadeTextTable({{1, "one"}});
    ASSERT_EQ(Add(table), 0);
    std::string text;
    const std::string log = TestSupport::LogOf([&] { text = m_localizer.GetText(4294967295u); });
    EXPECT_EQ(text, "!! INVALID TEXTID -1 !!");
    EXPECT_THAT(log, HasSubstr("ASSERT\n"));
    EXPECT_THAT(log, HasSubstr("message:\nInvalid Textid -1\nnot in table.dat\n"));
    // One static buffer: the next miss overwrites the text of the last one.
    const char* firstMiss = nullptr;
    TestSupport::LogOf([&] { firstMiss = m_localizer.GetText(2); });
    TestSupport::LogOf([&] { EXPECT_EQ(m_localizer.GetText(3), firstMiss); });
    EXPECT_STREQ(firstMiss, "!! INVALID TEXTID 3 !!");
    // The line names every table searched, so that a damaged one shows.
    std::vector<uint8_t> scene = HandMadeTextTable({{9, "nine"}});
    ASSERT_EQ(Add(scene, "scene.dat"), 1);
    EXPECT_THAT(TestSupport::LogOf([&] { m_localizer.GetText(5); }),
                HasSubstr("message:\nInvalid Textid 5\nnot in table.dat, scene.dat\n"));
}

TEST_F(DkLocalizerTest, APreparedTableIsNotPreparedAgain)
{
    std::vector<uint8_t> table = HandMadeTextTable({{1, "one"}});
    EXPECT_EQ(PreparedFlag(table), 0u);
    ASSERT_EQ(Add(table), 0);
    EXPECT_EQ(PreparedFlag(table), 1u);
    const std::vector<uint8_t> prepared = table;
    m_localizer.RemoveBank(0);
    EXPECT_EQ(TestSupport::LogOf([&] { EXPECT_EQ(Add(table), 0); }), "");
    EXPECT_EQ(table, prepared);
    EXPECT_EQ(Text(1), "one");
    // Even a prepared table is checked against its size: the mark is read
    // from the file like everything else.
    m_localizer.RemoveBank(0);
    table.resize(0x30);
    EXPECT_THAT(TestSupport::LogOf([&] { EXPECT_EQ(Add(table, "short.dat"), -1); }),
                HasSubstr("text table \"short.dat\" refused: its entries run past the end of the file"));
}

TEST_F(DkLocalizerTest, AWrongVersionOrMagicKeepsTheTableOutOfTheSearch)
{
    std::vector<uint8_t> newer = HandMadeTextTable({{1, "one"}}, 3, 1);
    EXPECT_THAT(TestSupport::LogOf([&] { EXPECT_EQ(Add(newer, "newer.dat"), -1); }),
                HasSubstr("DkLocalizer::Initialize -- Only version 3.0 of localization is supported (got 3.1)!\n"
                          "text table \"newer.dat\" refused: not a text table of a known version\n"));
    EXPECT_EQ(PreparedFlag(newer), 0u);

    std::vector<uint8_t> other = HandMadeTextTable({{1, "one"}});
    other[2] = 'X';
    EXPECT_THAT(TestSupport::LogOf([&] { EXPECT_EQ(Add(other, "other.dat"), -1); }), HasSubstr("condition: bMagic\n"));
    EXPECT_EQ(Text(1), "!! INVALID TEXTID 1 !!");
    EXPECT_EQ(m_banks[0].m_pTable, nullptr);
}

TEST_F(DkLocalizerTest, EntriesLyingOverThePreparedMarkAreCheckedAsTheMarkLeavesThem)
{
    // The entry at 0x22 takes its string offset from 0x26..0x29: 0 in the
    // file, 0x10000 once the mark at 0x28 is set, far past the table's end.
    std::vector<uint8_t> table = HandMadeTextTable({{1, "one"}});
    const uint32_t entries = 0x22;
    std::memcpy(&table[0x20], &entries, sizeof entries);
    const std::string log = TestSupport::LogOf([&] { EXPECT_EQ(Add(table, "overlap.dat"), -1); });
    EXPECT_THAT(log,
                HasSubstr("text table \"overlap.dat\" refused: entry 0: its string lies past the end of the file"));
}

TEST_F(DkLocalizerTest, ATableOutOfIdOrderIsRefusedByName)
{
    std::vector<uint8_t> table = HandMadeTextTable({{1, "one"}, {5, "five"}, {3, "three"}, {7, "seven"}});
    EXPECT_THAT(TestSupport::LogOf([&] { EXPECT_EQ(Add(table, "unsorted.dat"), -1); }),
                HasSubstr("text table \"unsorted.dat\" refused: entry 2: its id is out of order\n"));
    EXPECT_EQ(m_banks[0].m_pTable, nullptr);
    std::vector<uint8_t> repeated = HandMadeTextTable({{1, "one"}, {1, "one again"}, {2, "two"}});
    EXPECT_EQ(Add(repeated), 0);
}

TEST_F(DkLocalizerTest, AnEmptyTableHoldsNoText)
{
    std::vector<uint8_t> empty = HandMadeTextTable({});
    // An entry table offset beyond the file does not matter without entries.
    std::memset(&empty[0x20], 0xFF, 4);
    ASSERT_EQ(Add(empty), 0);
    EXPECT_EQ(Text(0), "!! INVALID TEXTID 0 !!");
}

TEST_F(DkLocalizerTest, TheNinthBankIsRefused)
{
    std::vector<std::vector<uint8_t>> tables;
    for (int i = 0; i < DkLocalizer::BANK_COUNT + 1; ++i)
        tables.push_back(HandMadeTextTable({{uint32_t(i), "bank " + std::to_string(i)}}));
    for (int i = 0; i < DkLocalizer::BANK_COUNT; ++i)
        EXPECT_EQ(Add(tables[i]), i);
    EXPECT_THAT(TestSupport::LogOf([&] { EXPECT_EQ(Add(tables.back()), -1); }),
                HasSubstr("condition: -1 != iFreeBank\n"));
    EXPECT_EQ(Text(7), "bank 7");
    EXPECT_EQ(Text(8), "!! INVALID TEXTID 8 !!");
}

TEST_F(DkLocalizerTest, BadBankIndicesAndANullArrayAreReported)
{
    std::vector<uint8_t> table = HandMadeTextTable({{1, "one"}});
    EXPECT_THAT(TestSupport::LogOf(
                    [&] { EXPECT_FALSE(m_localizer.InsertBank(-1, "t", table.data(), uint32_t(table.size()))); }),
                HasSubstr("condition: iFreeBank>=0\n"));
    EXPECT_EQ(TestSupport::LogOf([&] {
                  EXPECT_FALSE(
                      m_localizer.InsertBank(DkLocalizer::BANK_COUNT, "t", table.data(), uint32_t(table.size())));
              }),
              "");
    EXPECT_THAT(TestSupport::LogOf([&] { m_localizer.RemoveBank(-1); }), HasSubstr("condition: iBank>=0\n"));
    DkLocalizer other;
    EXPECT_THAT(TestSupport::LogOf([&] { EXPECT_FALSE(other.Initialize(nullptr)); }),
                HasSubstr("condition: pBuffer!=NULL\n"));
}

} // namespace
