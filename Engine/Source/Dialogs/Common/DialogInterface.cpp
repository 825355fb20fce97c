#include "Dialogs/Common/DialogInterface.h"

#include "Common/GameLink.h"
#include "Common/VarIds.h"
#include "Dialogs/Common/DialogManager.h"
#include "Dialogs/Common/TalkScreenServices.h"
#include "Managers/Common/VarManager.h"
#include "Maths/CoreFxDivide.h"
#include "Renderer/CoreRenderer.h"
#include "Screen/CoreVirtualScreen.h"
#include "Texture/CoreTextureManager.h"
#include "Utils/Common/Font/Common/TwFont.h"

DialogInterface g_oDialogInterface;

namespace {

constexpr fx32 U = FX32_ONE;

// The text areas: the hero's (and the propositions') right of the hero's
// portrait, anyone else's left of theirs.
constexpr fx32 HERO_TEXT_LEFT = 66 * U;
constexpr fx32 HERO_TEXT_RIGHT = 236 * U;
constexpr fx32 OTHER_TEXT_LEFT = 20 * U;
constexpr fx32 OTHER_TEXT_RIGHT = 190 * U;
constexpr fx32 TEXT_TOP = 144 * U;
constexpr fx32 TEXT_BOTTOM = 184 * U;

constexpr fx32 STRIP_TOP = 142 * U;
constexpr fx32 PORTRAIT_TOP = 112 * U;
constexpr fx32 PORTRAIT_WIDTH = 80 * U;
constexpr fx32 PORTRAIT_OTHER_START = 364 * U;
constexpr fx32 ARROW_LEFT = 53 * U;
constexpr fx32 ARROW_UP_TOP = 143 * U;
// The down arrow's bottom edge: as far below the text area as the up arrow's
// top is above it.
constexpr fx32 ARROW_DOWN_BOTTOM = 185 * U;

// The width of the window in virtual units: 256 for 4:3, more for a wider
// window.
fx32 WindowWidth()
{
    const CoreRenderer* renderer = g_pTextureManager ? g_pTextureManager->m_pRenderer : nullptr;
    if (renderer == nullptr)
        return VIRTUAL_SCREEN_WIDTH;
    return CoreVisibleScreenWidth(renderer->GetSettings().m_uWidth, renderer->GetSettings().m_uHeight);
}

// Scales a sprite horizontally to the window's width.
void SpanWindow(InterfaceSprite& sprite, fx32 windowWidth)
{
    if (sprite.m_fxWidth > 0)
        sprite.m_fxScaleX = CoreFx::Div(windowWidth, sprite.m_fxWidth);
}

// Moves a value toward the target by at most step.
fx32 Approach(fx32 value, fx32 target, fx32 step)
{
    if (value < target)
        return value + step >= target ? target : value + step;
    return value - step <= target ? target : value - step;
}

} // namespace

DialogInterface::DialogInterface()
{
    for (TypewriterLine& line : m_aoLines) {
        line.SetText("");
        line.SetRate(TypewriterLine::DEFAULT_RATE);
    }
}

bool DialogInterface::Initialize()
{
    InterfaceSprite* const sprites[] = {&m_oStrip,       &m_oNext,        &m_oArrowUp,  &m_oArrowDown, &m_aoSquares[0],
                                        &m_aoSquares[1], &m_aoSquares[2], &m_oPortrait, &m_oCaption,   &m_oCaptionBig};
    const int32_t ids[] = {INTERFACE_SPRITE_DIALOG_STRIP,    INTERFACE_SPRITE_DIALOG_NEXT,
                           INTERFACE_SPRITE_DIALOG_ARROW_UP, INTERFACE_SPRITE_DIALOG_ARROW_DOWN,
                           INTERFACE_SPRITE_DIALOG_SQUARE,   INTERFACE_SPRITE_DIALOG_SQUARE,
                           INTERFACE_SPRITE_DIALOG_SQUARE,   INTERFACE_SPRITE_DIALOG_RESERVATION,
                           INTERFACE_SPRITE_DIALOG_CAPTION,  INTERFACE_SPRITE_DIALOG_CAPTION_BIG};
    for (size_t i = 0; i < std::size(sprites); ++i)
        if (!sprites[i]->Initialize(ids[i]))
            return false;

    const fx32 width = WindowWidth();
    const fx32 margin = (width - VIRTUAL_SCREEN_WIDTH) / 2;
    m_oStrip.SetPosition(-margin, STRIP_TOP);
    SpanWindow(m_oStrip, width);
    SpanWindow(m_oCaption, width);
    m_oCaption.ComputeHalfSize();
    m_oCaption.SetPosition(128 * U, 170 * U);
    SpanWindow(m_oCaptionBig, width);
    m_oCaptionBig.ComputeHalfSize();
    m_oCaptionBig.SetPosition(128 * U, 164 * U);
    m_oArrowUp.SetPosition(ARROW_LEFT, ARROW_UP_TOP);
    m_oArrowDown.SetAnchor(0, m_oArrowDown.m_fxHeight);
    m_oArrowDown.SetPosition(ARROW_LEFT, ARROW_DOWN_BOTTOM);
    for (InterfaceSprite& square : m_aoSquares)
        square.ComputeHalfSize();

    m_oHeroStart = {-PORTRAIT_WIDTH - margin, PORTRAIT_TOP, 0, U};
    m_oHeroTarget = {-margin, PORTRAIT_TOP, 0, U};
    m_oOtherStart = {PORTRAIT_OTHER_START + margin, PORTRAIT_TOP, 0, U};
    m_oOtherTarget = {VIRTUAL_SCREEN_WIDTH + margin, PORTRAIT_TOP, 0, U};

    m_oNext.m_bVisible = 0;
    m_oArrowUp.m_bVisible = 0;
    m_oArrowDown.m_bVisible = 0;
    m_oPortrait.m_bVisible = 0;
    m_uDisplayedSpeaker = m_uDisplayedMood = 0;
    m_bSlidingIn = m_bSlidingOut = 0;
    m_fxSlideTimer = 0;
    m_uSpeaker = m_uMood = 0;
    m_eState = DIALOG_STATE_NONE;
    m_bRefresh = 1;
    m_iHighlight = m_iHover = -1;
    m_fxStripAlpha = 0;
    m_oStrip.m_fxAlpha = 0;
    m_uAutoTimer = 0;
    SetTextArea(true);
    return true;
}

void DialogInterface::Shutdown()
{
    for (InterfaceSprite* sprite : {&m_oStrip, &m_oNext, &m_oArrowUp, &m_oArrowDown, &m_aoSquares[0], &m_aoSquares[1],
                                    &m_aoSquares[2], &m_oPortrait, &m_oCaption, &m_oCaptionBig})
        sprite->Release();
}

void DialogInterface::Update(uint32_t dt)
{
    UpdateSubstrings();
    if (m_bRefresh && !(GetManager() && GetManager()->IsDialogRunning())) {
        m_eState = DIALOG_STATE_NONE;
        m_uSpeaker = 0;
        m_uMood = 0;
        m_oArrowUp.m_bVisible = 0;
        m_oArrowDown.m_bVisible = 0;
    }
    UpdatePortrait(dt);
    if (m_eState == DIALOG_STATE_SENTENCE)
        UpdateSentence(dt);
    if (m_eState == DIALOG_STATE_THINKING) {
        fx32 markerWidth = 0;
        fx32 markerHeight = 0;
        m_aoSquares[0].GetSize(markerWidth, markerHeight);
        m_fxTextX = HERO_TEXT_LEFT + markerWidth;
        SlidePropositions(dt);
        if (!IsPortraitSliding() && !m_bRowsSliding) {
            if (GetGameLink().IsAutoTest())
                HandleInputsThinkingMode_AutoTest();
            else
                HandleInputsThinkingMode();
        }
    } else {
        m_iHover = -1;
    }
    UpdateFades(dt);
}

void DialogInterface::UpdateFades(uint32_t dt)
{
    const auto seconds = static_cast<fx32>((static_cast<uint64_t>(dt) << FX32_SHIFT) / 1000);
    const fx32 step = CoreFx::Mul(FADE_RATE, seconds);
    const bool bShown = m_eState == DIALOG_STATE_SENTENCE || m_eState == DIALOG_STATE_THINKING;
    m_fxStripAlpha = Approach(m_fxStripAlpha, bShown ? U : 0, step);
    m_fxCaptionAlpha = Approach(m_fxCaptionAlpha, m_bCaptionDisplayed ? U : 0, step);
    m_oStrip.m_fxAlpha = m_fxStripAlpha;
    m_oCaption.m_fxAlpha = m_fxCaptionAlpha;
    m_oCaptionBig.m_fxAlpha = U;
}

bool DialogInterface::IsActive() const
{
    const DialogManager* manager = GetManager();
    return (manager && manager->IsDialogRunning()) || m_bSlidingOut;
}

void DialogInterface::SetTextArea(bool bHero)
{
    m_fxTextLeft = bHero ? HERO_TEXT_LEFT : OTHER_TEXT_LEFT;
    m_fxTextRight = bHero ? HERO_TEXT_RIGHT : OTHER_TEXT_RIGHT;
    m_fxTextTop = TEXT_TOP;
    m_fxTextBottom = TEXT_BOTTOM;
    m_fxTextX = m_fxTextLeft;
}

fx32 DialogInterface::GetRowHeight() const
{
    const Tw::TextRenderer* renderer = GetTalkScreenServices().GetTextRenderer();
    return renderer && renderer->GetFont() ? renderer->GetFont()->GetLineHeight() : 0;
}

DialogManager* DialogInterface::GetManager()
{
    return DialogManager::GetInstance();
}

uint32_t DialogInterface::GetPlayingCharacter()
{
    return static_cast<uint32_t>(g_VarManager.GetInt(VARINT_C_PLAYING_CHARACTER));
}

bool DialogInterface::IsHeroSide(uint32_t uActorId) const
{
    return uActorId == GetPlayingCharacter();
}
