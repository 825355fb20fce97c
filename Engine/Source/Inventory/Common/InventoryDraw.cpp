// The inventory tab's pictures and texts.
#include "Common/ItemIds.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Inventory/Common/Inventory.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTextureManager.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Font/Common/TextRenderer.h"

#include <cstdio>

namespace {

constexpr fx32 U = FX32_ONE;
constexpr fx32 CELL_SIZE = 32 * U;
constexpr uint32_t TITLE_COLOUR = 0x8F7445FF;
constexpr uint32_t BODY_COLOUR = 0x3F2304FF;
constexpr fx32 NAME_X = 140 * U;
constexpr fx32 NAME_Y = 36 * U;
// The description box.
constexpr fx32 BOX_LEFT = 60 * U;
constexpr fx32 BOX_TOP = 114 * U;
constexpr fx32 BOX_RIGHT = 220 * U;
constexpr fx32 BOX_BOTTOM = 141 * U;
// Where a doubloon count stands right-aligned, from its cell's corner.
constexpr fx32 COUNT_DX = 30 * U;
constexpr fx32 COUNT_DY = 26 * U;
// "Use", then "with", around the two names of the combine sentence.
constexpr uint32_t USE_TEXT_ID = 0x1ED665A3;
constexpr uint32_t WITH_TEXT_ID = 0x0DA5CF25;
constexpr size_t NAME_SIZE = 128;
constexpr size_t SENTENCE_SIZE = 4 * NAME_SIZE + 4;

// The text of an item's name or description; the unknown-text result for an
// item the table lacks.
const char* ItemText(uint32_t uItemId, bool bDescription)
{
    const int32_t iTextId = bDescription ? Id::GetItemHashB(uItemId) : Id::GetItemHashA(uItemId);
    return g_oDkLocalizer.GetText(static_cast<uint32_t>(iTextId));
}

} // namespace

void Inventory::Draw()
{
    if (!m_bLoaded)
        return;
    InterfacePanel::Draw();
    CoreRenderer* renderer = g_pTextureManager ? g_pTextureManager->m_pRenderer : nullptr;
    if (renderer == nullptr)
        return;
    for (int32_t k = 0; k < INVENTORY_PAGE_CELLS; ++k) {
        const int32_t iCell = m_iPageStart + k;
        const CoreFxVec2 corner = GetCellPosition(k);
        if (m_hCellBackground != nullptr)
            renderer->DrawTexturedQuad(m_hCellBackground, CELL_SIZE, CELL_SIZE, corner.x, corner.y, 0);
        // The picked-up item rides on the cursor instead.
        if (m_oCells.m_aCells[iCell] != 0 && iCell != m_iSelectedCell && m_ahIcons[iCell] != nullptr)
            renderer->DrawTexturedQuad(m_ahIcons[iCell], CELL_SIZE, CELL_SIZE, corner.x, corner.y, 0);
    }
}

void Inventory::DrawText()
{
    PrintItemTexts();
    Tw::TextRenderer* main = m_pMenu->GetMainTextRenderer();
    if (main == nullptr)
        return;
    for (int32_t k = 0; k < INVENTORY_PAGE_CELLS; ++k) {
        if (m_aiDoubloonCounts[k] == 0 || m_iPageStart + k == m_iSelectedCell)
            continue;
        char count[16];
        std::snprintf(count, sizeof count, "%i", m_aiDoubloonCounts[k]);
        const CoreFxVec2 corner = GetCellPosition(k);
        main->Print(count, corner.x + COUNT_DX, corner.y + COUNT_DY, TITLE_COLOUR,
                    Tw::PRINT_RIGHT | Tw::PRINT_CENTER_Y);
    }
}

void Inventory::PrintItemTexts()
{
    Tw::TextRenderer* main = m_pMenu->GetMainTextRenderer();
    Tw::TextRenderer* second = m_pMenu->GetSecondTextRenderer();
    const uint32_t uPointed = GetPointedItem();
    uint32_t uShown = 0;
    char sentence[SENTENCE_SIZE] = {};
    const char* body = nullptr;
    if (m_iHeldCell >= 0 && m_iHeldCell < INVENTORY_CELLS) {
        uShown = m_oCells.m_aCells[m_iHeldCell];
        if (m_iPointedCell == m_iHeldCell || uPointed == 0) {
            body = ItemText(uShown, true);
        } else {
            // Each lookup may reuse the localiser's buffer for a missing text:
            // the names are copied before the next one.
            char held[NAME_SIZE];
            char pointed[NAME_SIZE];
            std::snprintf(held, sizeof held, "%s", ItemText(uShown, false));
            std::snprintf(pointed, sizeof pointed, "%s", ItemText(uPointed, false));
            char use[NAME_SIZE];
            char with[NAME_SIZE];
            std::snprintf(use, sizeof use, "%s", g_oDkLocalizer.GetText(USE_TEXT_ID));
            std::snprintf(with, sizeof with, "%s", g_oDkLocalizer.GetText(WITH_TEXT_ID));
            std::snprintf(sentence, sizeof sentence, "%s %s %s %s", use, held, with, pointed);
            body = sentence;
        }
    } else if (uPointed != 0) {
        uShown = uPointed;
        body = ItemText(uShown, true);
    }
    if (uShown == 0)
        return;
    if (second != nullptr && body != nullptr) {
        // The description first: the name's lookup may reuse its buffer.
        second->SetClipRect(BOX_LEFT, BOX_TOP, BOX_RIGHT, BOX_BOTTOM);
        second->BeginPrint();
        second->Print(body, BOX_LEFT, BOX_TOP, BODY_COLOUR, Tw::PRINT_SUBSTRINGS);
        second->EndPrint();
    }
    if (main != nullptr)
        main->Print(ItemText(uShown, false), NAME_X, NAME_Y, TITLE_COLOUR, Tw::PRINT_CENTER_X);
}
