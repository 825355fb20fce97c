// The quest table and the quest tab's list of open entries: which entries a
// character sees, when the list counts as changed and which page is shown.
#include "Interface/Common/QuestLog.h"

#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "Managers/Common/VarManager.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t HEROINE = ActorIdOf("tavrine");
constexpr uint32_t KID = ActorIdOf("tavrine_kid");
constexpr uint32_t MAID = ActorIdOf("boat_windsome_maid");
constexpr int KID_ROWS[] = {31, 32, 33, 34, 35, 36};
constexpr int NEVER_OPEN_ROW = 65;

const QuestRow& Row(int index)
{
    return GetQuestTable()[index];
}

class QuestLogTest : public testing::Test {
protected:
    QuestLogTest() { m_log.Init(); }

    void Open(int row) { m_vars.SetBool(Row(row).m_iOpenFlag, 1); }
    void Close(int row) { m_vars.SetBool(Row(row).m_iCloseFlag, 1); }
    bool Refresh(uint32_t owner = HEROINE) { return m_log.Refresh(owner, m_vars); }

    VarSet m_vars;
    QuestLog m_log;
};

TEST(QuestTableTest, RowsHaveTheirOwnersAndEveryClosingFlagIsTheOpeningOneDone)
{
    const QuestRow& first = Row(0);
    EXPECT_EQ(first.m_iOpenFlag, 722);
    EXPECT_EQ(first.m_iCloseFlag, 723);
    EXPECT_EQ(first.m_uPortraitActor, ActorIdOf("alessandro_c"));
    EXPECT_EQ(first.m_uOwner, HEROINE);
    EXPECT_EQ(first.m_uTitleTextId, 0x824F1253u);
    EXPECT_EQ(first.m_uDescriptionTextId, 0x70AD0E48u);

    int owners[3] = {};
    for (int index = 0; index < NB_QUEST_ROWS; ++index) {
        const QuestRow& row = Row(index);
        owners[0] += row.m_uOwner == HEROINE;
        owners[1] += row.m_uOwner == KID;
        owners[2] += row.m_uOwner == MAID;
        const std::string open = Id::GetVarBoolName(row.m_iOpenFlag);
        EXPECT_EQ(open.rfind("VARBOOL_QUEST_", 0), 0u) << index;
        const std::string close = Id::GetVarBoolName(row.m_iCloseFlag);
        EXPECT_EQ(close, index == NEVER_OPEN_ROW ? open : open + "_DONE") << index;
    }
    EXPECT_EQ(owners[0], 132);
    EXPECT_EQ(owners[1], 6);
    EXPECT_EQ(owners[2], 1);
    for (const int index : KID_ROWS)
        EXPECT_EQ(Row(index).m_uOwner, KID) << index;
    EXPECT_EQ(Row(126).m_uOwner, MAID);
    EXPECT_EQ(std::string(Id::GetVarBoolName(Row(138).m_iOpenFlag)), "VARBOOL_QUEST_C10_SPIRITEGG_02");
}

TEST_F(QuestLogTest, EveryOpenEntryOfACharacterIsListedEvenBeyondSixtyFour)
{
    for (int row = 0; row < NB_QUEST_ROWS; ++row)
        Open(row);
    Refresh();
    // Every row of the heroine but the one that closes with its own flag.
    ASSERT_EQ(m_log.GetOpenCount(), 131);
    EXPECT_EQ(m_log.GetOpen(0).m_iOpenFlag, Row(0).m_iOpenFlag);
    EXPECT_EQ(m_log.GetOpen(130).m_iOpenFlag, Row(138).m_iOpenFlag);
    for (int index = 1; index < m_log.GetOpenCount(); ++index)
        EXPECT_NE(m_log.GetOpen(index).m_iOpenFlag, Row(NEVER_OPEN_ROW).m_iOpenFlag);
    // Paging reaches the last entry.
    while (m_log.PageDown())
        Refresh();
    EXPECT_EQ(m_log.GetFirstShown(), 130);
    EXPECT_EQ(m_log.GetShownCount(), 1);
    EXPECT_EQ(m_log.GetShown(0).m_iOpenFlag, Row(138).m_iOpenFlag);
}

TEST_F(QuestLogTest, OpeningAnEntryOnTheLastPageKeepsTheViewThereAndChangesTheListOnce)
{
    Open(0);
    Open(1);
    Open(2);
    EXPECT_TRUE(Refresh());
    EXPECT_TRUE(m_log.HasChanged());
    EXPECT_FALSE(Refresh());
    EXPECT_FALSE(m_log.HasChanged());
    ASSERT_TRUE(m_log.PageDown());
    EXPECT_TRUE(Refresh());
    EXPECT_FALSE(m_log.HasChanged());
    EXPECT_EQ(m_log.GetFirstShown(), 2);
    EXPECT_EQ(m_log.GetShownCount(), 1);

    m_log.ClearPaged();
    Open(3);
    EXPECT_TRUE(Refresh());
    EXPECT_TRUE(m_log.HasChanged());
    EXPECT_EQ(m_log.GetFirstShown(), 2);
    EXPECT_EQ(m_log.GetShownCount(), 2);
    EXPECT_EQ(m_log.GetShown(1).m_iOpenFlag, Row(3).m_iOpenFlag);
    EXPECT_FALSE(Refresh());
    EXPECT_FALSE(m_log.HasChanged());
}

TEST_F(QuestLogTest, TheDownArrowNeedsAThirdEntry)
{
    Open(0);
    Open(1);
    Refresh();
    EXPECT_FALSE(m_log.CanPageDown());
    EXPECT_FALSE(m_log.CanPageUp());
    EXPECT_FALSE(m_log.PageDown());
    Open(2);
    Refresh();
    EXPECT_TRUE(m_log.CanPageDown());
    EXPECT_TRUE(m_log.PageDown());
    Refresh();
    EXPECT_FALSE(m_log.CanPageDown());
    EXPECT_TRUE(m_log.CanPageUp());
}

TEST_F(QuestLogTest, AClosedEntryLeavesTheListAtTheNextFrame)
{
    Open(0);
    Open(7);
    Refresh();
    ASSERT_EQ(m_log.GetShownCount(), 2);
    Close(0);
    // Between two frames only the flags tell that the shown entry closed.
    EXPECT_FALSE(QuestLog::IsOpen(m_log.GetShown(0), m_vars));
    EXPECT_TRUE(QuestLog::IsOpen(m_log.GetShown(1), m_vars));
    EXPECT_TRUE(Refresh());
    EXPECT_EQ(m_log.GetOpenCount(), 1);
    EXPECT_EQ(m_log.GetShownCount(), 1);
    EXPECT_EQ(m_log.GetShown(0).m_iOpenFlag, Row(7).m_iOpenFlag);
    EXPECT_EQ(m_log.GetShown(1).m_iOpenFlag, QuestLog::EMPTY_ROW.m_iOpenFlag);

    // Replacing one entry by another at the same place is a change too.
    m_vars.SetBool(Row(7).m_iOpenFlag, 0);
    Open(8);
    EXPECT_TRUE(Refresh());
    EXPECT_EQ(m_log.GetShown(0).m_iOpenFlag, Row(8).m_iOpenFlag);
}

TEST_F(QuestLogTest, EntriesClosingUnderTheShownPageBringTheViewBackToTheLastPage)
{
    for (int row = 0; row < 5; ++row)
        Open(row);
    Refresh();
    m_log.PageDown();
    Refresh();
    m_log.PageDown();
    Refresh();
    ASSERT_EQ(m_log.GetFirstShown(), 4);
    m_log.ClearPaged();
    for (int row = 1; row < 5; ++row)
        Close(row);
    Refresh();
    EXPECT_EQ(m_log.GetFirstShown(), 0);
    EXPECT_EQ(m_log.GetShownCount(), 1);
    Close(0);
    Refresh();
    EXPECT_EQ(m_log.GetFirstShown(), 0);
    EXPECT_EQ(m_log.GetShownCount(), 0);
    EXPECT_FALSE(m_log.CanPageUp());
}

TEST_F(QuestLogTest, ChangingThePlayingCharacterRebuildsTheListFromItsRows)
{
    Open(0);
    Open(31);
    Open(32);
    Open(126);
    Refresh(HEROINE);
    EXPECT_EQ(m_log.GetOpenCount(), 1);
    EXPECT_TRUE(Refresh(KID));
    ASSERT_EQ(m_log.GetOpenCount(), 2);
    EXPECT_EQ(m_log.GetShown(0).m_iOpenFlag, Row(31).m_iOpenFlag);
    EXPECT_EQ(m_log.GetShown(1).m_iOpenFlag, Row(32).m_iOpenFlag);
    EXPECT_TRUE(Refresh(MAID));
    EXPECT_EQ(m_log.GetOpenCount(), 1);
    EXPECT_EQ(m_log.GetShown(0).m_iOpenFlag, Row(126).m_iOpenFlag);
    EXPECT_TRUE(Refresh(ActorIdOf("percy")));
    EXPECT_EQ(m_log.GetShownCount(), 0);
}

} // namespace
