#pragma once
#include "Hash/CoreCrc32.h"
#include "MiniGame/Common/MiniGame.h"

#include <algorithm>
#include <array>
#include <cstddef>

// A game's sprite-name table, made at compile time from its names: each row
// holds the name's CRC-32, and the rows are sorted by it for
// MiniGame::GetResourceNameFromCRC.
template <std::size_t N>
constexpr std::array<ResourceNameEntry, N> SortedResourceNames(const char* const (&names)[N])
{
    std::array<ResourceNameEntry, N> rows {};
    for (std::size_t i = 0; i < N; ++i)
        rows[i] = {CoreCrc32Of(names[i]), names[i]};
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.m_uCrc < b.m_uCrc; });
    return rows;
}

// Binds the sprite id to the name, found in the game's table by its CRC.
template <std::size_t N>
bool RegisterSpriteFromTable(int32_t iId, const char* name, const std::array<ResourceNameEntry, N>& table)
{
    const char* found = MiniGame::GetResourceNameFromCRC(CoreCrc32Of(name), table.data(), static_cast<int32_t>(N));
    return found != nullptr && MGSprite::RegisterSpriteName(iId, "", found);
}
