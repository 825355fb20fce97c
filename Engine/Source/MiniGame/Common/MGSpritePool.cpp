#include "MiniGame/Common/MGSprite.h"

#include "Log/CoreLog.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <cstring>

namespace {

// A texel covers 0.2 virtual units: a 1280-texel picture spans the screen.
constexpr fx32 UNITS_PER_TEXEL = 0x333;
constexpr int32_t TABLE_COUNT = 3;
constexpr const char* TABLE_NAMES[TABLE_COUNT] = {"Memory", "Top Screen", "Bottom Screen"};

char s_aNames[MGSprite::SPRITE_ID_COUNT][MGSprite::SPRITE_NAME_SIZE];
MGTextureRecord s_aRecords[MGSprite::SPRITE_ID_COUNT];
uint16_t s_aCounts[TABLE_COUNT][MGSprite::SPRITE_ID_COUNT];

uint16_t* MemoryCounts()
{
    return s_aCounts[static_cast<int32_t>(MGSprite::CountTable::Memory)];
}

} // namespace

bool MGSprite::RegisterSpriteName(int32_t iId, const char* prefix, const char* name)
{
    if (iId < 1 || iId >= SPRITE_ID_COUNT || prefix == nullptr || name == nullptr) {
        CorePrint(&g_oCoreLog, "MGSprite::RegisterSpriteName -- Invalid sprite ID : %i.\n", static_cast<int>(iId));
        return false;
    }
    const size_t prefixLength = std::strlen(prefix);
    const size_t nameLength = std::strlen(name);
    if (prefixLength + nameLength >= SPRITE_NAME_SIZE) {
        CorePrint(&g_oCoreLog, "MGSprite::RegisterSpriteName -- Name too long for sprite ID : %i.\n",
                  static_cast<int>(iId));
        return false;
    }
    std::memcpy(s_aNames[iId], prefix, prefixLength);
    std::memcpy(s_aNames[iId] + prefixLength, name, nameLength + 1);
    return true;
}

const char* MGSprite::GetRegisteredName(int32_t iId)
{
    return iId >= 0 && iId < SPRITE_ID_COUNT ? s_aNames[iId] : nullptr;
}

bool MGSprite::LoadTextureFromPool(int32_t iId, MGTextureRecord** ppOut)
{
    if (iId <= 0 || iId >= SPRITE_ID_COUNT) {
        CorePrint(&g_oCoreLog, "MGSprite::LoadTextureFromPool -- Invalid sprite ID : %i.\n", static_cast<int>(iId));
        return false;
    }
    uint16_t& count = MemoryCounts()[iId];
    if (count == UINT16_MAX) {
        CorePrint(&g_oCoreLog, "MGSprite::LoadTextureFromPool -- Too many references to sprite ID : %i.\n",
                  static_cast<int>(iId));
        return false;
    }
    if (count == 0) {
        const char* name = s_aNames[iId][0] == ':' ? s_aNames[iId] + 1 : s_aNames[iId];
        CoreTexture* hTexture = g_pTextureManager != nullptr ? g_pTextureManager->GetTextureByName(name) : nullptr;
        const CoreTextureDescription* pDescription =
            hTexture != nullptr ? CoreTexture::GetTextureDescriptionFromHandle(hTexture) : nullptr;
        if (pDescription == nullptr) {
            // Drawing a texture that is not there would draw garbage or
            // nothing without a word; the game learns it here instead.
            CorePrint(&g_oCoreLog, "MGSprite::LoadTextureFromPool -- No texture \"%s\" for sprite ID : %i.\n", name,
                      static_cast<int>(iId));
            return false;
        }
        MGTextureRecord& record = s_aRecords[iId];
        record.m_hTexture = hTexture;
        record.m_fxTexelWidth = static_cast<fx32>(pDescription->m_iWidth << FX32_SHIFT);
        record.m_fxTexelHeight = static_cast<fx32>(pDescription->m_iHeight << FX32_SHIFT);
        record.m_fxWidth = static_cast<fx32>(pDescription->m_iWidth) * UNITS_PER_TEXEL;
        record.m_fxHeight = static_cast<fx32>(pDescription->m_iHeight) * UNITS_PER_TEXEL;
    }
    ++count;
    if (ppOut != nullptr)
        *ppOut = &s_aRecords[iId];
    return true;
}

void MGSprite::ReleaseTextureFromPool(int32_t iId)
{
    if (iId > 0 && iId < SPRITE_ID_COUNT && MemoryCounts()[iId] > 0)
        --MemoryCounts()[iId];
}

void MGSprite::ClearPoolCounts()
{
    std::memset(s_aCounts, 0, sizeof(s_aCounts));
}

void MGSprite::ShutdownPoolSystem()
{
    for (int32_t iId = 0; iId < SPRITE_ID_COUNT; ++iId) {
        for (int32_t iTable = 0; iTable < TABLE_COUNT; ++iTable) {
            if (s_aCounts[iTable][iId] != 0)
                CorePrint(&g_oCoreLog,
                          "MGSprite::ShutdownPoolSystem (%s references) -- Warning ! The minigame did not properly "
                          "shutdown the sprite number with ID : %i\n",
                          TABLE_NAMES[iTable], static_cast<int>(iId));
        }
    }
    ClearPoolCounts();
}

uint16_t MGSprite::GetPoolCount(CountTable eTable, int32_t iId)
{
    return iId >= 0 && iId < SPRITE_ID_COUNT ? s_aCounts[static_cast<int32_t>(eTable)][iId] : 0;
}
