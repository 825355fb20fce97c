#include "MiniGame/Common/MiniGameCredits.h"

#include "Common/GameLink.h"
#include "Effects/Common/Effect.h"
#include "Effects/Common/EffectList.h"
#include "Error/EngineAssert.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Managers/Common/ScriptStateLink.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameClearColor.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "MiniGame/Common/ResourceNameTable.h"
#include "Utils/Common/DkLocalizer.h"

namespace {

constexpr const char* PACK_NAME = "MG_Credits";
constexpr int32_t TEXT_LINES = 36;
constexpr int32_t FIRST_PICTURE = 3;
constexpr fx32 SCREEN_CENTRE_X = 128 * FX32_ONE;
constexpr fx32 SCREEN_HEIGHT = 192 * FX32_ONE;

// The sprite names by id, from 1.
constexpr const char* SPRITE_NAMES[] = {
    "masks_MG_Top",       "masks_placeholder0", "masks_placeholder1", "masks_placeholder2", "masks_placeholder3",
    "masks_placeholder4", "masks_placeholder5", "masks_placeholder6", "masks_placeholder7", "masks_bink",
};
constexpr auto SPRITE_TABLE = SortedResourceNames(SPRITE_NAMES);

} // namespace

void MiniGameCredits::InitializeSpriteNames()
{
    int32_t iId = 1;
    for (const char* name : SPRITE_NAMES)
        RegisterSpriteFromTable(iId++, name, SPRITE_TABLE);
}

void MiniGameCredits::SetScript(const CreditsEntry* pRows, int32_t iCount)
{
    m_pRows = pRows;
    m_iRowCount = iCount;
}

bool MiniGameCredits::Initialize()
{
    InitializeSpriteNames();
    if (!LoadResources(PACK_NAME) || !m_oTextRenderer.Initialize(&MiniGameFonts::MainFont, TEXT_LINES))
        return false;
    for (int32_t iSlot = 0; iSlot < PICTURE_SLOT_COUNT; ++iSlot) {
        MGSprite& oPicture = m_aoPictures[iSlot];
        if (!oPicture.InitializeFromId(FIRST_PICTURE, false))
            return false;
        oPicture.SetAnimating(false);
        oPicture.SetPivot({oPicture.GetSize().x / 2, 0});
        m_aiPictureIds[iSlot] = FIRST_PICTURE;
        m_abPictureFree[iSlot] = true;
    }
    m_fxScrollPosition = 0;
    m_fxTotalHeight = 0;
    for (int32_t iRow = 0; iRow < m_iRowCount; ++iRow)
        m_fxTotalHeight += GetRowHeight(m_pRows[iRow]);
    SoundManager::PlayMusic(MUSIC);
    m_bEnding = false;
    return true;
}

void MiniGameCredits::ResetGame(bool)
{
    ENGINE_ASSERT(false);
}

void MiniGameCredits::Shutdown()
{
    for (int32_t iSlot = PICTURE_SLOT_COUNT - 1; iSlot >= 0; --iSlot)
        m_aoPictures[iSlot].Shutdown();
    m_oTextRenderer.Release();
    SetMiniGameClearColor(OPAQUE_BLACK_CLEAR);
    UnloadResources();
}

fx32 MiniGameCredits::GetRowHeight(const CreditsEntry& row) const
{
    switch (row.m_uKind) {
    case CreditsEntry::KIND_TEXT: return MiniGameFonts::MainFont.GetLineHeight();
    case CreditsEntry::KIND_PICTURE: return m_aoPictures[0].GetSize().y;
    case CreditsEntry::KIND_SMALL_GAP: return SMALL_GAP_HEIGHT;
    case CreditsEntry::KIND_BIG_GAP: return BIG_GAP_HEIGHT;
    default: return 0;
    }
}

template <typename Visitor>
void MiniGameCredits::ForEachVisibleRow(Visitor visit) const
{
    fx32 fxY = m_fxScrollPosition;
    for (int32_t iRow = 0; iRow < m_iRowCount && fxY < SCREEN_HEIGHT; ++iRow) {
        const fx32 fxHeight = GetRowHeight(m_pRows[iRow]);
        if (fxY + fxHeight >= 0)
            visit(m_pRows[iRow], fxY);
        fxY += fxHeight;
    }
}

int32_t MiniGameCredits::FindSlot(int32_t iPicture) const
{
    for (int32_t iSlot = 0; iSlot < PICTURE_SLOT_COUNT; ++iSlot) {
        if (m_aiPictureIds[iSlot] == iPicture)
            return iSlot;
    }
    return INVALID_PICTURE_SLOT;
}

void MiniGameCredits::UpdatePictures()
{
    for (bool& bFree : m_abPictureFree)
        bFree = true;
    ForEachVisibleRow([this](const CreditsEntry& row, fx32) {
        if (row.m_uKind != CreditsEntry::KIND_PICTURE)
            return;
        const int32_t iSlot = FindSlot(row.m_iPicture);
        if (iSlot != INVALID_PICTURE_SLOT)
            m_abPictureFree[iSlot] = false;
    });
    ForEachVisibleRow([this](const CreditsEntry& row, fx32) {
        if (row.m_uKind != CreditsEntry::KIND_PICTURE || FindSlot(row.m_iPicture) != INVALID_PICTURE_SLOT)
            return;
        int32_t iFreePictureId = INVALID_PICTURE_SLOT;
        for (int32_t iSlot = 0; iSlot < PICTURE_SLOT_COUNT && iFreePictureId == INVALID_PICTURE_SLOT; ++iSlot) {
            if (m_abPictureFree[iSlot])
                iFreePictureId = iSlot;
        }
        ENGINE_ASSERT(iFreePictureId != INVALID_PICTURE_SLOT);
        // Three slots only: a fourth picture on screen is not shown.
        if (iFreePictureId == INVALID_PICTURE_SLOT)
            return;
        m_abPictureFree[iFreePictureId] = false;
        m_aiPictureIds[iFreePictureId] = row.m_iPicture;
        m_aoPictures[iFreePictureId].ChangeSprite(row.m_iPicture);
    });
}

bool MiniGameCredits::IsSkipPressed() const
{
    return InputEventActive(InputEventId_GameSkip) || InputEventActive(InputEventId_GameConfirm);
}

bool MiniGameCredits::Update(uint32_t)
{
    if (GetGameLink().IsPaused())
        return false;
    // The pace is per update, whatever the frame's length.
    m_fxScrollPosition -= SCROLL_STEP;
    const bool bOver = m_fxScrollPosition + m_fxTotalHeight < 0;
    if ((bOver || IsSkipPressed()) && !m_bEnding) {
        Effect::StartEffect(GetGameLink().GetFadeSlot(GlobalFade::OutToBlack));
        m_bEnding = true;
    }
    if (m_bEnding) {
        const Effect* pFade = g_oEffectList.Get(GetGameLink().GetFadeSlot(GlobalFade::OutToBlack));
        if (pFade != nullptr && pFade->IsFinished())
            return true;
    }
    UpdatePictures();
    return false;
}

void MiniGameCredits::Render()
{
    SetMiniGameClearColor(OPAQUE_BLACK_CLEAR);
    m_oTextRenderer.BeginPrint();
    ForEachVisibleRow([this](const CreditsEntry& row, fx32 fxY) {
        if (row.m_uKind != CreditsEntry::KIND_TEXT)
            return;
        const char* text = row.m_sText != nullptr ? row.m_sText : g_oDkLocalizer.GetText(row.m_uTextId);
        m_oTextRenderer.Print(text, SCREEN_CENTRE_X, fxY, row.m_uColor, Tw::PRINT_CENTER_X);
    });
    m_oTextRenderer.EndPrint();
    ForEachVisibleRow([this](const CreditsEntry& row, fx32 fxY) {
        if (row.m_uKind != CreditsEntry::KIND_PICTURE)
            return;
        const int32_t iPictureId = FindSlot(row.m_iPicture);
        ENGINE_ASSERT(iPictureId != INVALID_PICTURE_SLOT);
        if (iPictureId != INVALID_PICTURE_SLOT)
            m_aoPictures[iPictureId].RenderWithPosition({SCREEN_CENTRE_X, fxY, -1});
    });
}
