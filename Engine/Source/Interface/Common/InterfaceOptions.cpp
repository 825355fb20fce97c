#include "Interface/Common/InterfaceOptions.h"

#include "Interface/Common/InterfaceMenu.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTextureManager.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Font/Common/TextRenderer.h"

namespace {

constexpr uint32_t TEXT_COLOUR = 0x8F7445FF;
// The pointed answer of a confirmation: the brown of the menu's body texts,
// darker than the rest on the light parchment, where white could not be read.
constexpr uint32_t CHOSEN_COLOUR = 0x3F2304FF;
// Centred both ways and wrapped; centred both ways on one line.
constexpr uint32_t CENTRED = Tw::PRINT_SUBSTRINGS | Tw::PRINT_CENTER_Y | Tw::PRINT_CENTER_X;
constexpr uint32_t CENTRED_UNWRAPPED = Tw::PRINT_CENTER_Y | Tw::PRINT_CENTER_X;

constexpr uint32_t BAR_LABEL_TEXTS[VolumeBars::BAR_COUNT] = {0x75215F1E, 0x1D98CB00, 0x16821562, 0xB2206197};
constexpr uint32_t SAVE_HELP_TEXT = 0x9BBE61C9;
constexpr uint32_t EXIT_HELP_TEXT = 0xB9700BCF;
constexpr uint32_t SAVE_TITLE_TEXT = 0x8C8DBC57;
constexpr uint32_t EXIT_TITLE_TEXT = 0x1A2C945E;
constexpr uint32_t SAVED_TEXT = 0x4177E703;
constexpr uint32_t YES_TEXT = 0xCC58BDFE;
constexpr uint32_t NO_TEXT = 0xBEF67649;

constexpr fx32 LABEL_X = 60 * FX32_ONE;
constexpr CoreFxVec2 HELP_POINT = {175 * FX32_ONE, 145 * FX32_ONE};
constexpr CoreFxVec2 TITLE_POINT = {140 * FX32_ONE, 72 * FX32_ONE};
constexpr CoreFxVec2 SAVED_POINT = {140 * FX32_ONE, 88 * FX32_ONE};
constexpr CoreFxVec2 CLIP_MIN = {60 * FX32_ONE, 29 * FX32_ONE};
constexpr CoreFxVec2 CLIP_MAX = {196 * FX32_ONE, 163 * FX32_ONE};

void PrintText(Tw::TextRenderer& text, uint32_t uTextId, const CoreFxVec2& at, uint32_t uColour, uint32_t uFlags)
{
    text.Print(g_oDkLocalizer.GetText(uTextId), at.x, at.y, uColour, uFlags);
}

} // namespace

InterfaceOptions::InterfaceOptions()
{
    for (int32_t iStep = 0; iStep < VolumeBars::STEP_COUNT; ++iStep) {
        m_aLit[iStep].m_bVisible = 0;
        m_aUnlit[iStep].m_bVisible = 0;
    }
}

bool InterfaceOptions::Load()
{
    InterfacePanel::Load();
    if (m_pMenu != nullptr) {
        for (const int32_t iEntry : {BUTTON_SAVE_LIT, BUTTON_SAVE, BUTTON_EXIT_LIT, BUTTON_EXIT})
            m_pMenu->GetButton(iEntry).InitFromTable(iEntry);
    }
    for (int32_t iStep = 0; iStep < VolumeBars::STEP_COUNT; ++iStep) {
        m_aLit[iStep].InitFromTable(BUTTON_VOLUME_LIT);
        m_aUnlit[iStep].InitFromTable(BUTTON_VOLUME);
    }
    return true;
}

void InterfaceOptions::Unload()
{
    for (int32_t iStep = 0; iStep < VolumeBars::STEP_COUNT; ++iStep) {
        m_aLit[iStep].DropTexture();
        m_aUnlit[iStep].DropTexture();
    }
    if (m_pMenu != nullptr) {
        for (const int32_t iEntry : {BUTTON_EXIT, BUTTON_EXIT_LIT, BUTTON_SAVE, BUTTON_SAVE_LIT})
            m_pMenu->GetButton(iEntry).DropTexture();
    }
}

void InterfaceOptions::Draw()
{
    InterfacePanel::Draw();
    // The bars are laid out on the 256 x 192 virtual screen.
    if (g_pTextureManager != nullptr && g_pTextureManager->m_pRenderer != nullptr)
        g_pTextureManager->m_pRenderer->SetScreenCamera();
    for (const VolumeBars::Bar bar : VolumeBars::DRAW_ORDER)
        DrawVolumeBar(VolumeBars::GetOrigin(bar), VolumeBars::GetMasterVolume(bar));
}

void InterfaceOptions::DrawVolumeBar(const CoreFxVec2& origin, fx32 volume)
{
    const int32_t lit = VolumeBars::LitSteps(volume);
    for (int32_t iStep = 0; iStep < VolumeBars::STEP_COUNT; ++iStep) {
        // The same ten steps serve every bar: placed before each drawing.
        InterfaceButton& step = iStep < lit ? m_aLit[iStep] : m_aUnlit[iStep];
        if (!step.m_bVisible)
            continue;
        step.m_fxX = origin.x + iStep * VolumeBars::STEP_PITCH;
        step.m_fxY = origin.y;
        step.Draw();
    }
}

void InterfaceOptions::DrawText()
{
    Tw::TextRenderer* pText = m_pMenu ? m_pMenu->GetMainTextRenderer() : nullptr;
    if (pText == nullptr)
        return;
    Tw::TextRenderer& text = *pText;
    text.SetClipRect(CLIP_MIN.x, CLIP_MIN.y, CLIP_MAX.x, CLIP_MAX.y);
    const auto answerColour = [this](int32_t iAnswer) {
        return m_iHighlightedAnswer == iAnswer ? CHOSEN_COLOUR : TEXT_COLOUR;
    };
    switch (m_iState) {
    case STATE_MAIN:
        for (int32_t iBar = 0; iBar < VolumeBars::BAR_COUNT; ++iBar) {
            const CoreFxVec2 label = {LABEL_X, VolumeBars::GetOrigin(VolumeBars::DRAW_ORDER[iBar]).y};
            PrintText(text, BAR_LABEL_TEXTS[iBar], label, TEXT_COLOUR, 0);
        }
        if (m_iHighlighted == HIGHLIGHT_SAVE)
            PrintText(text, SAVE_HELP_TEXT, HELP_POINT, TEXT_COLOUR, CENTRED);
        else if (m_iHighlighted == HIGHLIGHT_EXIT)
            PrintText(text, EXIT_HELP_TEXT, HELP_POINT, TEXT_COLOUR, CENTRED);
        break;
    case STATE_SAVE_CONFIRM:
        PrintText(text, SAVE_TITLE_TEXT, TITLE_POINT, TEXT_COLOUR, CENTRED);
        PrintText(text, YES_TEXT, YES_POINT, answerColour(ANSWER_YES), CENTRED_UNWRAPPED);
        PrintText(text, NO_TEXT, NO_POINT, answerColour(ANSWER_NO), CENTRED);
        break;
    case STATE_SAVED: PrintText(text, SAVED_TEXT, SAVED_POINT, TEXT_COLOUR, CENTRED); break;
    case STATE_EXIT_CONFIRM:
        PrintText(text, EXIT_TITLE_TEXT, TITLE_POINT, TEXT_COLOUR, CENTRED);
        PrintText(text, YES_TEXT, YES_POINT, answerColour(ANSWER_YES), CENTRED);
        PrintText(text, NO_TEXT, NO_POINT, answerColour(ANSWER_NO), CENTRED);
        break;
    default: break;
    }
}

bool InterfaceOptions::IsDirty()
{
    const bool bDirty = m_iHighlighted != m_iLastHighlighted || m_iState != m_iLastState;
    m_iLastHighlighted = m_iHighlighted;
    m_iLastState = m_iState;
    return bDirty;
}

void InterfaceOptions::ClearSelection()
{
    m_iHighlighted = HIGHLIGHT_NONE;
    m_iState = STATE_MAIN;
    m_iLastState = STATE_MAIN;
    ShowButton(BUTTON_SAVE_LIT, false);
    ShowButton(BUTTON_EXIT_LIT, false);
    ShowButton(BUTTON_SAVE, true);
    ShowButton(BUTTON_EXIT, true);
}

void InterfaceOptions::Deactivate()
{
    m_iHighlighted = HIGHLIGHT_NONE;
    for (const int32_t iEntry : {BUTTON_SAVE_LIT, BUTTON_SAVE, BUTTON_EXIT_LIT, BUTTON_EXIT})
        ShowButton(iEntry, false);
}

int32_t InterfaceOptions::GetCursorTargets(CoreFxVec2* pTargets, int32_t iMax)
{
    // Every step has the size and pivot of the first one.
    InterfaceButton step = m_aLit[0];
    int32_t count = 0;
    for (const VolumeBars::Bar bar : VolumeBars::DRAW_ORDER) {
        const CoreFxVec2 origin = VolumeBars::GetOrigin(bar);
        for (int32_t iStep = 0; iStep < VolumeBars::STEP_COUNT && count < iMax; ++iStep) {
            step.m_fxX = origin.x + iStep * VolumeBars::STEP_PITCH;
            step.m_fxY = origin.y;
            pTargets[count++] = step.GetCenter();
        }
    }
    return count;
}

bool InterfaceOptions::HitsButton(int32_t iEntry, const CoreFxVec2& point) const
{
    const InterfaceButton& button = m_pMenu->GetButton(iEntry);
    return button.m_bVisible && button.HitTest(point.x, point.y, BUTTON_MARGIN);
}

void InterfaceOptions::ShowButton(int32_t iEntry, bool bVisible)
{
    if (m_pMenu != nullptr)
        m_pMenu->GetButton(iEntry).m_bVisible = bVisible ? 1 : 0;
}
