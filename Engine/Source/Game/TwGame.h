#pragma once
#include "Effects/Common/ScreenColorEffect.h"
#include "Interface/Common/SystemMessageBox.h"
#include "Managers/Common/ScriptStateLink.h"
#include "States/Common/FiniteStateManager.h"
#include "Utils/Common/Font/Common/TwFont.h"

#include <cstdint>

class PackageResource;
struct SDL_Window;
class AdventureManager;
class DialogManager;
class InventoryScript;

// The game object: start-up, main loop and shutdown, the settings, the
// languages, the game clock, the game states, the four screen fades and the
// quit box.
class TwGame : public FiniteStateManager {
public:
    static constexpr int32_t GLOBAL_FADE_COUNT = 4;
    // The quit box's texts.
    static constexpr uint32_t QUIT_TITLE_TEXT = 0x39CC9811;
    static constexpr uint32_t QUIT_BUTTON_TEXT = 0xCC58BDFE;
    static constexpr uint32_t STAY_BUTTON_TEXT = 0xBEF67649;
    static constexpr int32_t QUIT_BUTTON = 0;

    // What the renderer is made with.
    struct DisplaySettings {
        SDL_Window* pWindow = nullptr;
        uint32_t uReserved1 = 2;
        uint32_t uReserved2 = 1;
        uint32_t uWidth = 0xFFFFFFFFu;
        uint32_t uHeight = 0xFFFFFFFFu;
        uint8_t bFullScreen = 0;
        uint32_t uAntiAliasing = 0;
        uint32_t uPrimitiveVertexCount = 0;
    };

    // Frame time bounds in milliseconds, before the speed scaling.
    static constexpr uint32_t MIN_FRAME_TIME = 16;
    static constexpr uint32_t MAX_FRAME_TIME = 48;
    // Speed shifts: each step above normal doubles the frame time.
    static constexpr int32_t NORMAL_SPEED_SHIFT = 4;
    static constexpr int32_t AUTOTEST_SPEED_SHIFT = 6;
    static constexpr uint32_t PRIMITIVE_VERTEX_COUNT = 768;

    // Start-up switches that the command line can change.
    static bool s_bAutoTest;
    // Off: under auto-test playback the talk screen turns a sentence's page
    // at once. On: only once the page is typed out.
    static bool s_bAutoTestWaitsForSentences;
    static int32_t s_iStartSpeedShift;

    // The start-up sequence; false at the first step that fails.
    bool Initialize();
    // Runs frames until the application's quit flag is set.
    void MainLoop();
    // Ends the main loop after the current frame because the game cannot go
    // on; the program then exits with code 1.
    void EndAsFailed();
    bool HasFailed() const { return m_bFailed; }
    // Undoes the start-up in reverse; safe after a failed start-up.
    void Shutdown();

    // The update and render passes of one frame (dt in milliseconds).
    void Update(uint32_t dt);
    void Render();

    // Reads the clock, makes the frame time (clamped, then scaled by the speed
    // shift), advances the game clock by it and returns it.
    uint32_t AdvanceFrameTime();
    static uint32_t ClampFrameTime(int32_t milliseconds);
    static uint32_t ScaleFrameTime(uint32_t frameTime, int32_t speedShift);

    // The game clock as "%02dh:%02dm:%02ds" in one static buffer that every
    // call overwrites.
    const char* GetClockString() const;

    // An INFO line: the level prefix with the clock stamp, then the text.
    void LogInfo(const char* text) const;
    // An INFO line of the text and a line end, then the memory report.
    void LogStep(const char* text) const;

    bool ReadSettings();
    // Makes the renderer with the display settings and hands it to the core
    // application; shows "Could not initialize renderer!" when it cannot be
    // made.
    bool InitializeDisplay();
    void ShutdownDisplay();
    void GetSystemInformations();
    // Creates the input system with the default bindings and enables it.
    bool InitializeInputs();
    // Disables and destroys the input system, the input event handler and the
    // input devices.
    void ShutdownInputs();
    bool InitializeIds();
    bool InitializeProfiler();
    // The sound manager and the common sound group; false when either
    // fails.
    bool InitializeSound();
    void ShutdownSound();
    // Creates the resource manager and loads its common packages; false when
    // the common dialogs or "common.dr" cannot be loaded.
    bool InitializeResourceManager();
    void ShutdownResourceManager();
    // Creates the save-file manager and lets it read "save.dat".
    bool InitializeCardManager();
    void ShutdownCardManager();
    // Creates the save slots and logs the save file's layout.
    bool InitializeAdventureManager();
    void ShutdownAdventureManager();
    // Fills the menu buttons' definitions, creates the in-game menu and joins
    // it to the main state, the scenes and the game interface.
    bool InitializeInGameMenu();
    void ShutdownInGameMenu();
    void ShutdownProfiler();
    // Loads the common text tables of the five game languages and adds the
    // game language's one to the localiser; false, after "Cannot load common
    // text data", when one of them is missing or damaged.
    bool InitializeLocalizerCommon();
    // Removes the common table, unloads the five tables and clears the
    // localiser.
    void ShutdownLocalizer();
    // Puts the game language's common table into the common text bank.
    void ReloadLocalizer();
    // "text/" + the language code + the file name, cut to the buffer.
    static void BuildTextPath(char* out, uint32_t outSize, const char* languageCode, const char* fileName);
    // The main and small fonts; a font that cannot be loaded stays empty.
    bool InitializeFonts();
    void ReleaseFonts();
    // Under "-autotest": reads the recorded play-through; false when it is
    // missing or damaged.
    bool InitializeAutoTest();
    // Hands the recording to the script manager, which replays it from its
    // first event (the main state does it when it first starts).
    void StartAutoTestPlayback();
    void ShutdownAutoTest();

    // The four screen fades with their colours and durations, each in the
    // first free slot of the effect list; always true.
    bool InitializeEffects();
    // Resets the fades, last first, and takes them out of the effect list.
    void ResetFades();
    // The fade, or null when it found no slot of the effect list.
    ScreenColorEffect* GetFade(GlobalFade eFade);
    // The fade's slot of the effect list, or -1.
    int32_t GetFadeSlot(GlobalFade eFade) const;
    // Makes the game states and the start-up queue (the splash sequence,
    // when there is a mini-game state, then the save-file check) and enters
    // the state at its head; the script manager reaches the states, the
    // fades and the scene manager from then on.
    bool InitializeStates();
    // Exits the current state and deletes the states.
    void ShutdownStates();
    // Esc opens the quit box or, when it is shown, hides it; the shown box
    // reads the pointer, and its first button ends the main loop.
    void UpdateQuitRequest();
    SystemMessageBox& GetQuitBox() { return m_oQuitBox; }

    // Frame timing.
    int32_t m_iLastClock = 0;
    uint64_t m_uGameClock = 0;
    // A 16 ms frame read as 15 was counted as 16: the next longer reading
    // counts one millisecond less.
    bool m_bClockMillisecondOwed = false;
    // Languages (GameLanguages.h).
    int32_t m_iSystemLanguage = 0;
    int32_t m_iGameLanguage = 0;
    int32_t m_iVoiceLanguage = 0;
    // 1 when the movies are to be played in low resolution.
    uint32_t m_uLowResolutionVideo = 0;
    uint8_t m_bPaused = 0;
    int32_t m_iSpeedShift = NORMAL_SPEED_SHIFT;
    DisplaySettings m_oDisplaySettings;
    // The localiser bank of the game language's common text table; -1 when
    // none.
    int32_t m_iCommonTextBank = -1;
    // The common text tables, by language id.
    PackageResource* m_pCommonTextPackages[5] = {};

    static Tw::Font SmallFont;
    static Tw::Font MainFont;
    // Set while the adventure manager exists.
    AdventureManager* m_pAdventureManager = nullptr;
    // Set while the dialog manager exists.
    DialogManager* m_pDialogManager = nullptr;
    // Set while the inventory script exists.
    InventoryScript* m_pInventoryScript = nullptr;

private:
    SystemMessageBox m_oQuitBox;
    bool m_bFailed = false;
    // In effect-list order: fade-in from black, fade-out to black (the scene
    // transition), fade-in from white, fade-out to white.
    ScreenColorEffect m_aoFades[GLOBAL_FADE_COUNT];
    int32_t m_aiFadeSlots[GLOBAL_FADE_COUNT] = {-1, -1, -1, -1};
};

// The one game object.
extern TwGame g_oTwGame;
// Whether the quit box is shown.
extern uint8_t g_bQuitBoxShown;
