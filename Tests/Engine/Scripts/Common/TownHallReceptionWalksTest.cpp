// The town hall's reception as the game loads it: coming in from the square
// in chapters 4 and 7 she stops inside the door and reaches every place a
// handler walks her to; the door and the way round the desk stay shut until
// the exit, the chest and Miss Brown's coming to open them; Miss Brown gets
// from her desk to the chest and to the key rack's end of it behind the desk;
// whatever the chapter, what she takes in hand is loaded with the room.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"
#include "ScriptEngine/common/ScriptIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ios>
#include <set>
#include <span>
#include <utility>

namespace {

constexpr SceneId RECEPTION = 32;
constexpr int32_t TOWN_SQUARE_C = 31;
constexpr int32_t WP_DESK = 0;
constexpr int32_t WP_START = 2;
constexpr int32_t WP_OUT_OF_THE_DOOR = 3;
constexpr int32_t WP_KEY_PANIC = 6;
constexpr int32_t WP_AT_CHEST = 7;
constexpr int32_t WP_WATCHING_CHEST = 9;
constexpr int32_t WP_BY_FAINTED = 10;
constexpr int32_t WP_BEHIND_DESK_WAY = 16;
constexpr int32_t WP_KEY_RACK = 17;
constexpr int32_t WP_DOOR = 19;
constexpr int32_t DESK_BLOCKER = 0;
constexpr int32_t DOOR_BLOCKER = 1;

class TownHallReceptionWalksTest : public SampleSceneWalkTest {
protected:
    const uint32_t m_uMissBrown = Id::GetActorId("missbrown");
};

TEST_F(TownHallReceptionWalksTest, SheComesInAndReachesEveryPlaceHerScriptWalksHerToInChaptersFourAndSeven)
{
    for (const int32_t iChapter : {4, 7}) {
        SCOPED_TRACE(iChapter);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_C);
        Enter(RECEPTION, iChapter, m_uHeroine);
        // Beyond the door, and behind the desk: only with a blocker off.
        ExpectHeroineReachesHerWalks(WP_START, WP_START, 12, {WP_OUT_OF_THE_DOOR, WP_WATCHING_CHEST});
    }
}

TEST_F(TownHallReceptionWalksTest, TheDoorAndTheWayRoundTheDeskOpenOnlyWhenTheScriptTakesTheirBlockersOff)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_C);
    Enter(RECEPTION, 4, m_uHeroine);
    // The door's threshold is narrow, the way round the desk long.
    for (const auto& [iWaypoint, iShortOf] : {std::pair {WP_OUT_OF_THE_DOOR, 20}, std::pair {WP_WATCHING_CHEST, 40}}) {
        WalkTo(m_uHeroine, WP_START);
        WalkTo(m_uHeroine, iWaypoint);
        EXPECT_GT(DistanceTo(m_uHeroine, iWaypoint), iShortOf) << iWaypoint;
    }
    // The chest: round the desk and behind it.
    m_scene->m_oWalkMesh.DisactivateBlocker(DESK_BLOCKER);
    ExpectReaches(m_uHeroine, WP_BEHIND_DESK_WAY, WP_WATCHING_CHEST);
    // Coming to: from Miss Brown's side of the desk to the key rack.
    ExpectReaches(m_uHeroine, WP_BEHIND_DESK_WAY, WP_BY_FAINTED);
    ExpectReaches(m_uHeroine, WP_BY_FAINTED, WP_KEY_RACK);
    // The way out.
    m_scene->m_oWalkMesh.DisactivateBlocker(DOOR_BLOCKER);
    ExpectReaches(m_uHeroine, WP_DOOR, WP_OUT_OF_THE_DOOR);
}

TEST_F(TownHallReceptionWalksTest, MissBrownWalksFromHerDeskToTheChestAndTheRackEndBehindTheDesk)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_C);
    Enter(RECEPTION, 4, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uMissBrown, WP_DESK), 2);
    // The blocker of the way round the desk stays on while she goes.
    ExpectReaches(m_uMissBrown, WP_DESK, WP_AT_CHEST);
    ExpectReaches(m_uMissBrown, WP_AT_CHEST, WP_KEY_PANIC);
}

TEST_F(TownHallReceptionWalksTest, WhateverTheChapterWhatSheTakesInHandIsLoadedWithTheRoom)
{
    // The turtle rod may be shown to Miss Brown in any chapter, the map and
    // the egg shell whenever their flags allow, the weed killer in chapter 7.
    for (const int32_t iChapter : {4, 7, 8}) {
        SCOPED_TRACE(iChapter);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_C);
        Enter(RECEPTION, iChapter, m_uHeroine);
        const std::span<const uint32_t> loaded(m_scene->m_aAttachmentIds,
                                               static_cast<size_t>(m_scene->m_iNumAttachments));
        const ScriptNodePool& pool = m_manager.GetNodePool();
        int iAdded = 0;
        for (ScriptNodeIndex iNode = 0; iNode < pool.GetNbAllocated(); ++iNode) {
            const ActionDesc& action = pool[iNode].m_oAction;
            if (pool[iNode].m_iType != NodeType_Action || action.m_iActionType != ID_ACTION_TYPE_ADD_ATTACHMENT)
                continue;
            ++iAdded;
            const auto uAttachment = static_cast<uint32_t>(action.m_oParameter[0]);
            EXPECT_NE(std::ranges::find(loaded, uAttachment), loaded.end()) << std::hex << uAttachment;
        }
        EXPECT_GT(iAdded, 0);
    }
}

} // namespace
