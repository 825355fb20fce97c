#pragma once
#include <cstdint>

class FiniteStateManager;
class ScreenColorEffect;
enum class GlobalFade : int32_t;
namespace Tw {
class Font;
}

// What every subsystem reads of the game object and asks of it: the clock
// stamp of log lines, the start-up step log, the pause and auto-test
// switches, the languages, the game clock, the screen fades, the fonts, the
// window size and the game states. The game object provides it; a subsystem
// never includes the game object's header.
class GameLink {
public:
    virtual ~GameLink() = default;

    // The game clock as "%02dh:%02dm:%02ds", in a buffer the next call
    // overwrites.
    virtual const char* GetClockString() = 0;
    // An INFO line of the text, then the memory report.
    virtual void LogStep(const char* pText) = 0;

    // The quit box is shown or the application is inactive.
    virtual bool IsPaused() = 0;
    // Under "-autotest".
    virtual bool IsAutoTest() = 0;
    // Under auto-test playback, whether the talk screen waits until a
    // sentence's page is typed out.
    virtual bool AutoTestWaitsForSentences() = 0;
    // Hands the recorded play-through to the script manager.
    virtual void StartAutoTestPlayback() = 0;
    // Ends the main loop after the current frame; the program exits with 1.
    virtual void EndAsFailed() = 0;

    virtual int32_t GetGameLanguage() = 0;
    virtual int32_t GetVoiceLanguage() = 0;
    // Sets the game language and puts its common text table in place.
    virtual void SetGameLanguage(int32_t iLanguage) = 0;
    virtual void SetVoiceLanguage(int32_t iLanguage) = 0;

    // The play time in milliseconds.
    virtual uint64_t GetGameClock() = 0;
    virtual void SetGameClock(uint64_t uMilliseconds) = 0;

    // The fade, or null when it found no slot of the effect list.
    virtual ScreenColorEffect* GetFade(GlobalFade eFade) = 0;
    // The fade's slot of the effect list, or -1.
    virtual int32_t GetFadeSlot(GlobalFade eFade) = 0;

    virtual Tw::Font& GetMainFont() = 0;
    virtual Tw::Font& GetSmallFont() = 0;
    // Movies play in low resolution.
    virtual bool PlaysLowResolutionVideo() = 0;
    // The window's client size as configured; 0xFFFFFFFF before the settings
    // are read.
    virtual uint32_t GetWindowWidth() = 0;
    virtual uint32_t GetWindowHeight() = 0;

    // The game states by id, the current one and the state queue.
    virtual FiniteStateManager& GetStates() = 0;
};

// The link every subsystem uses; SetGameLink(nullptr) restores the game
// object's.
GameLink& GetGameLink();
void SetGameLink(GameLink* pLink);
