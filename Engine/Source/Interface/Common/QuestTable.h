#pragma once
#include <cstdint>
#include <span>

// One entry of the quest log: it is open for its owner while the opening
// flag is set and the closing flag is not; it shows a portrait (0: none), a
// title and a description.
struct QuestRow {
    int32_t m_iOpenFlag;
    int32_t m_iCloseFlag;
    uint32_t m_uPortraitActor;
    uint32_t m_uOwner;
    uint32_t m_uTitleTextId;
    uint32_t m_uDescriptionTextId;
};

constexpr int NB_QUEST_ROWS = 139;

// The whole quest log of the game, in its fixed order.
std::span<const QuestRow, NB_QUEST_ROWS> GetQuestTable();
