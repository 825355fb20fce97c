#pragma once
#include "Effects/Common/ScreenColorEffect.h"
#include "MiniGame/Common/MiniGame.h"

#include <cstdint>

// The logo sequence at start-up: each logo fades in from black, holds for
// five seconds or until the player skips, and fades out to black; after the
// last one the sequence is finished. It uses none of the base's boxes. A
// pause of the game (quit box, inactive window) ends it at once.
class SplashScreenSequence final : public MiniGame {
public:
    struct Logo {
        int32_t iSpriteId;
        uint32_t uColor; // background, 0xRRGGBBAA
    };
    static constexpr fx32 HOLD_TIME = 0x5000;
    static constexpr fx32 FADE_OUT_TIME = 0xB33;
    static constexpr fx32 FADE_IN_TIME = 0x800;
    static constexpr fx32 FLASH_TIME = 0x333;

    explicit SplashScreenSequence(int32_t iVariant);
    ~SplashScreenSequence() override;

    // Refused (false, after a log line) for a variant other than 1 or 2.
    bool Initialize() override;
    void ResetGame(bool won) override;
    void Shutdown() override;
    bool Update(uint32_t dtMs) override;
    void Render() override;

    virtual bool InitializeLogo();
    virtual bool UpdateSequence(uint32_t dtMs);
    virtual void RenderLogo();
    virtual void ShutdownLogo();

    // The row of the logo table with that sprite id; null for none.
    static const Logo* FindLogo(int32_t iSpriteId);

    int32_t GetStep() const { return m_iStep; }
    fx32 GetStepTime() const { return m_fxStepTime; }
    bool IsSkipRequested() const { return m_bSkipRequested; }
    uint32_t GetLogoColor() const { return m_uLogoColor; }
    int32_t GetLogoId() const { return m_iLogoId; }
    int32_t GetFadeOutSlot() const { return m_iFadeOutSlot; }
    int32_t GetFadeInSlot() const { return m_iFadeInSlot; }

private:
    void InitializeSpriteNames();
    void InitializeEffects();
    void CheckSkipInput();
    void ShowLogo(int32_t iSpriteId);
    // The next logo after a fade-out: the hold starts again from the fade-in.
    void StartLogo(int32_t iSpriteId);
    void StartFadeOut();
    // Whether the fade-out has finished. A fade-out that found no slot in
    // the effect list never runs, so there is nothing to wait for.
    bool IsFadeOutOver() const;

    int32_t m_iStep = 0;
    MGSprite m_oLogo;
    uint32_t m_uLogoColor = 0;
    int32_t m_iLogoId = 0;
    int32_t m_iVariant;
    bool m_bSkipRequested = false;
    fx32 m_fxElapsed = 0;
    fx32 m_fxStepTime = 0;
    ScreenColorEffect m_oFadeOut;
    ScreenColorEffect m_oFadeIn;
    ScreenColorEffect m_oFlash;
    int32_t m_iFadeOutSlot = -1;
    int32_t m_iFadeInSlot = -1;
    int32_t m_iFlashSlot = -1;
};
