#pragma once
#include "Common/GameLink.h"

// The game object's answers to what the subsystems ask of it.
class TwGameLink final : public GameLink {
public:
    const char* GetClockString() override;
    void LogStep(const char* pText) override;
    bool IsPaused() override;
    bool IsAutoTest() override;
    bool AutoTestWaitsForSentences() override;
    void StartAutoTestPlayback() override;
    void EndAsFailed() override;
    int32_t GetGameLanguage() override;
    int32_t GetVoiceLanguage() override;
    void SetGameLanguage(int32_t iLanguage) override;
    void SetVoiceLanguage(int32_t iLanguage) override;
    uint64_t GetGameClock() override;
    void SetGameClock(uint64_t uMilliseconds) override;
    ScreenColorEffect* GetFade(GlobalFade eFade) override;
    int32_t GetFadeSlot(GlobalFade eFade) override;
    Tw::Font& GetMainFont() override;
    Tw::Font& GetSmallFont() override;
    bool PlaysLowResolutionVideo() override;
    uint32_t GetWindowWidth() override;
    uint32_t GetWindowHeight() override;
    FiniteStateManager& GetStates() override;
};
