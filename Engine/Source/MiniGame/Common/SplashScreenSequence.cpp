#include "MiniGame/Common/SplashScreenSequence.h"

#include "Common/GameLink.h"
#include "Effects/Common/EffectList.h"
#include "Error/EngineAssert.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Log/CoreLog.h"
#include "MiniGame/Common/MiniGameClearColor.h"
#include "MiniGame/Common/MiniGameTime.h"
#include "MiniGame/Common/ResourceNameTable.h"

namespace {

constexpr const char* PACK_NAME = "SSS_Intro";

constexpr int32_t DRAVIK_LOGO = 1;
constexpr int32_t PELVOR_LOGO = 4;
constexpr int32_t KOVIL_LOGO = 5;
constexpr int32_t OTTA_LOGO = 6;
constexpr int32_t BINK_LOGO = 7;

constexpr const char* SPRITE_NAMES[] = {"masks_dravik_logo", "masks_pelvor_logo", "masks_kovil_logo", "masks_otta_logo",
                                        "masks_bink_logo"};
constexpr auto SPRITE_TABLE = SortedResourceNames(SPRITE_NAMES);

constexpr SplashScreenSequence::Logo LOGOS[] = {
    {DRAVIK_LOGO, 0x000000FF}, {KOVIL_LOGO, 0x000000FF}, {OTTA_LOGO, 0x000000FF},
    {PELVOR_LOGO, 0xFFFFFFFF}, {BINK_LOGO, 0x000000FF},  {0, 0},
};

// Steps of the sequence; the others wait.
enum Step : int32_t {
    STEP_FIRST_LOGO = 0,
    STEP_FIRST_HOLD = 3,
    STEP_SECOND_HOLD = 4,
    STEP_FIRST_FADE_OUT = 7,
    STEP_LAST_FADE_OUT = 9,
};

} // namespace

SplashScreenSequence::SplashScreenSequence(int32_t iVariant) : m_iVariant(iVariant)
{
}

SplashScreenSequence::~SplashScreenSequence()
{
    // The effects must not stay listed once they are gone.
    g_oEffectList.Remove(&m_oFadeIn);
    g_oEffectList.Remove(&m_oFadeOut);
    g_oEffectList.Remove(&m_oFlash);
}

const SplashScreenSequence::Logo* SplashScreenSequence::FindLogo(int32_t iSpriteId)
{
    for (const Logo& logo : LOGOS) {
        if (logo.iSpriteId == 0)
            break;
        if (logo.iSpriteId == iSpriteId)
            return &logo;
    }
    return nullptr;
}

void SplashScreenSequence::InitializeSpriteNames()
{
    RegisterSpriteFromTable(DRAVIK_LOGO, "masks_dravik_logo", SPRITE_TABLE);
    RegisterSpriteFromTable(PELVOR_LOGO, "masks_pelvor_logo", SPRITE_TABLE);
    RegisterSpriteFromTable(KOVIL_LOGO, "masks_kovil_logo", SPRITE_TABLE);
    RegisterSpriteFromTable(OTTA_LOGO, "masks_otta_logo", SPRITE_TABLE);
    RegisterSpriteFromTable(BINK_LOGO, "masks_bink_logo", SPRITE_TABLE);
}

bool SplashScreenSequence::Initialize()
{
    InitializeSpriteNames();
    if (m_iVariant != 1 && m_iVariant != 2) {
        // Only the two start-up variants have a pack of logos.
        CorePrint(&g_oCoreLog, "SplashScreenSequence::Initialize -- Unknown variant %d: no logos\n",
                  static_cast<int>(m_iVariant));
        return false;
    }
    if (!LoadResources(PACK_NAME))
        return false;
    m_bSkipRequested = false;
    m_fxElapsed = 0;
    m_fxStepTime = 0;
    InitializeEffects();
    if (!InitializeLogo())
        return false;
    SetMiniGameClearColor(OPAQUE_BLACK_CLEAR);
    return true;
}

void SplashScreenSequence::InitializeEffects()
{
    struct Setting {
        ScreenColorEffect& oEffect;
        int32_t& iSlot;
        uint32_t uStart;
        uint32_t uEnd;
        fx32 fxDuration;
    };
    const Setting settings[] = {
        {m_oFadeOut, m_iFadeOutSlot, 0x00000000, 0x000000FF, FADE_OUT_TIME},
        {m_oFadeIn, m_iFadeInSlot, 0x000000FF, 0x00000000, FADE_IN_TIME},
        {m_oFlash, m_iFlashSlot, 0xFFFFFFFF, 0xFFFFFF00, FLASH_TIME},
    };
    for (const Setting& setting : settings) {
        setting.oEffect.Initialize();
        setting.oEffect.SetColors(setting.uStart, setting.uEnd);
        setting.oEffect.SetDuration(setting.fxDuration);
        setting.iSlot = g_oEffectList.Add(&setting.oEffect);
    }
}

bool SplashScreenSequence::InitializeLogo()
{
    if (!m_oLogo.InitializeFromId(DRAVIK_LOGO, false))
        return false;
    m_oLogo.SetAnimating(false);
    m_oLogo.SetPosition(128 * FX32_ONE, 96 * FX32_ONE, -1024 * FX32_ONE);
    m_oLogo.SetPivotCentered();
    m_iStep = STEP_FIRST_LOGO;
    m_fxStepTime = 0;
    return true;
}

void SplashScreenSequence::ResetGame(bool)
{
    ENGINE_ASSERT(0);
}

void SplashScreenSequence::Shutdown()
{
    ShutdownLogo();
    g_oEffectList.Remove(&m_oFadeIn);
    g_oEffectList.Remove(&m_oFadeOut);
    g_oEffectList.Remove(&m_oFlash);
    m_iFadeInSlot = m_iFadeOutSlot = m_iFlashSlot = -1;
    UnloadResources();
}

void SplashScreenSequence::ShutdownLogo()
{
    m_oLogo.Shutdown();
}

void SplashScreenSequence::CheckSkipInput()
{
    if (InputEventActive(InputEventId_GamePointerPressed) || InputEventActive(InputEventId_GameConfirm))
        m_bSkipRequested = true;
}

bool SplashScreenSequence::Update(uint32_t dtMs)
{
    // A pause ends the sequence: the game goes on to what follows it.
    if (GetGameLink().IsPaused())
        return true;
    CheckSkipInput();
    if (GetState() != STATE_PAUSE_BOX) {
        m_fxElapsed += MiniGameSeconds(dtMs);
        m_fxStepTime += MiniGameSeconds(dtMs);
    }
    return UpdateSequence(dtMs);
}

void SplashScreenSequence::ShowLogo(int32_t iSpriteId)
{
    const Logo* pLogo = FindLogo(iSpriteId);
    if (pLogo == nullptr)
        return;
    m_oLogo.ChangeSprite(pLogo->iSpriteId);
    m_uLogoColor = pLogo->uColor;
    m_iLogoId = pLogo->iSpriteId;
    SetMiniGameClearColor(OPAQUE_BLACK_CLEAR | (pLogo->uColor >> 8));
}

void SplashScreenSequence::StartLogo(int32_t iSpriteId)
{
    m_bSkipRequested = false;
    ShowLogo(iSpriteId);
    Effect::StartEffect(m_iFadeInSlot);
    m_fxStepTime = 0;
}

void SplashScreenSequence::StartFadeOut()
{
    Effect::StartEffect(m_iFadeOutSlot);
    m_fxStepTime = 0;
}

bool SplashScreenSequence::IsFadeOutOver() const
{
    const Effect* pEffect = g_oEffectList.Get(m_iFadeOutSlot);
    return pEffect != &m_oFadeOut || pEffect->IsFinished();
}

bool SplashScreenSequence::UpdateSequence(uint32_t)
{
    const bool bHoldOver = m_bSkipRequested || m_fxStepTime >= HOLD_TIME;
    switch (m_iStep) {
    case STEP_FIRST_LOGO:
        StartLogo(KOVIL_LOGO);
        m_iStep = STEP_FIRST_HOLD;
        break;
    case STEP_FIRST_HOLD:
        if (bHoldOver) {
            StartFadeOut();
            m_iStep = STEP_FIRST_FADE_OUT;
        }
        break;
    case STEP_FIRST_FADE_OUT:
        if (IsFadeOutOver()) {
            StartLogo(DRAVIK_LOGO);
            m_iStep = STEP_SECOND_HOLD;
        }
        break;
    case STEP_SECOND_HOLD:
        if (bHoldOver) {
            m_bSkipRequested = false;
            StartFadeOut();
            m_iStep = STEP_LAST_FADE_OUT;
        }
        break;
    case STEP_LAST_FADE_OUT:
        if (IsFadeOutOver()) {
            SetMiniGameClearColor(OPAQUE_BLACK_CLEAR);
            return true;
        }
        break;
    default: break;
    }
    return false;
}

void SplashScreenSequence::Render()
{
    RenderLogo();
}

void SplashScreenSequence::RenderLogo()
{
    if (m_oLogo.IsInitialized())
        m_oLogo.RenderWithPosition(m_oLogo.GetPosition());
}
