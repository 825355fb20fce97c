#include "Scripts/Common/ActorScript.h"

#include "Common/ActorIds.h"
#include "Common/IdInit.h"
#include "Managers/Common/VarManager.h"

#include <gtest/gtest.h>

namespace {

class ActorScriptTest : public testing::Test {
protected:
    void SetUp() override
    {
        Id::Init();
        g_VarManager = VarSet();
    }
    void TearDown() override { g_VarManager = VarSet(); }
};

TEST_F(ActorScriptTest, TablesAreSortedSigned)
{
    const auto actors = ActorScript::GetActorRows();
    for (size_t index = 1; index < actors.size(); ++index)
        EXPECT_LT(static_cast<int32_t>(actors[index - 1].m_uActorId), static_cast<int32_t>(actors[index].m_uActorId));
    for (const ActorScript::ActorRow& row : actors) {
        EXPECT_NE(Id::GetActorName(row.m_uActorId), nullptr);
        EXPECT_EQ(ActorScript::FindInfo(row.m_uActorId), &row);
    }
    const auto animations = ActorScript::GetAnimationRows();
    for (size_t index = 1; index < animations.size(); ++index)
        EXPECT_LT(animations[index - 1].m_iAnimationId, animations[index].m_iAnimationId);
}

TEST_F(ActorScriptTest, AnActorWithoutARowGetsTheDefaults)
{
    ActorScriptInfo info {};
    GetActorScriptInfos(Id::GetActorId("logic_dialog"), 0, &info);
    EXPECT_EQ(info.m_uNameTextId, 0xFFFFFFFFu);
    const fx32 defaults[6] = {0x91000, 0xfcae1, 0x1e000, 0x32000, 0xc8000, 0};
    for (int value = 0; value < 6; ++value)
        EXPECT_EQ(info.m_aMove[value], defaults[value]) << value;
    EXPECT_EQ(info.m_bTalk, 0);
}

TEST_F(ActorScriptTest, ANameConditionThatFailsHidesTheName)
{
    const uint32_t stranger = Id::GetActorId("stranger");
    const ActorScript::ActorRow* pRow = ActorScript::FindInfo(stranger);
    ASSERT_NE(pRow, nullptr);

    ActorScriptInfo info {};
    GetActorScriptInfos(stranger, 0, &info);
    EXPECT_EQ(info.m_uNameTextId, ACTOR_NAME_TEXT_UNKNOWN);
    EXPECT_EQ(info.m_aMove[0], pRow->m_iMove1);
    EXPECT_EQ(info.m_bTalk, 1);

    g_VarManager.SetBool(VARBOOL_BG202_C03_TALK_STRANGER, 1);
    GetActorScriptInfos(stranger, 0, &info);
    EXPECT_EQ(info.m_uNameTextId, pRow->m_uNameTextId);
}

TEST_F(ActorScriptTest, RowsWithoutConditionKeepTheirName)
{
    const uint32_t tasco = Id::GetActorId("tasco");
    ActorScriptInfo info {};
    GetActorScriptInfos(tasco, 0, &info);
    EXPECT_EQ(info.m_uNameTextId, ActorScript::FindInfo(tasco)->m_uNameTextId);
    EXPECT_EQ(info.m_aMove[3], 0x32000);
    EXPECT_EQ(info.m_aMove[4], 0xc8000);
    EXPECT_EQ(info.m_aMove[5], 0);
}

} // namespace
