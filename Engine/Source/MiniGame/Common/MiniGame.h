#pragma once
#include "DataPack/DataPack.h"
#include "Maths/Fx32.h"
#include "MiniGame/Common/MGGauge.h"
#include "MiniGame/Common/MGMessageBox.h"
#include "MiniGame/Common/MGMeter.h"
#include "MiniGame/Common/MGSprite.h"
#include "Utils/Common/Font/PC/TextureTextRenderer.h"

#include <cstdint>

class PackageResource;

// One row of a game's sprite-name table: the CRC-32 of the name and the name.
struct ResourceNameEntry {
    uint32_t m_uCrc;
    const char* m_sName;
};

// The base of every mini-game. It owns the widgets that all games share, loads
// the game's pack and sound group, and runs the state stack that leads the
// player through the instructions box, play, the pause box and the end box,
// with retry and skip, and reports the result (won, skipped) into the current
// save slot. A game supplies Initialize, ResetGame, Shutdown and its play, and
// calls the base Update last in its own.
class MiniGame {
public:
    enum State : int32_t {
        STATE_NONE = 0,
        STATE_INSTRUCTIONS = 1,
        STATE_STARTING = 2,
        STATE_PLAYING = 3,
        STATE_PAUSE_BOX = 4,
        STATE_SUSPENDED = 5,
        STATE_END_BOX = 7,
    };
    static constexpr int32_t STACK_LEVEL = 3;
    // The mini-game state's four screen effects, by role.
    enum TransitionEffect : int32_t {
        EFFECT_OPENING_FADE = 0,
        EFFECT_PLAY_TRANSITION = 1,
        EFFECT_BOX_TRANSITION = 2,
        EFFECT_CLOSING_FADE = 3,
        EFFECT_COUNT = 4,
    };
    static constexpr uint32_t MESSAGE_SIZE = 256;
    static constexpr fx32 SKIP_WAIT = 0x2000;
    static constexpr uint32_t BUTTON_COLOR = 0xEBB960FF;
    static constexpr uint32_t HOVERED_BUTTON_COLOR = 0xE8CD9CFF;

    // Texts and sounds of the boxes.
    static constexpr uint32_t TEXT_GO_ON = 0xE0D76B6F;
    static constexpr uint32_t TEXT_SKIP = 0x3C450E11;
    static constexpr uint32_t TEXT_PAUSE = 0xB5CFFDFE;
    static constexpr uint32_t TEXT_QUIT = 0x503ADF62;
    static constexpr uint32_t TEXT_RETRY = 0x514E6F03;
    static constexpr uint32_t TEXT_WON = 0x76A09143;
    static constexpr uint32_t TEXT_LOST = 0x47EE2A19;
    static constexpr int32_t SOUND_WON = 0x30CA3B76;
    static constexpr int32_t SOUND_SKIP = 0x2AF5A458;

    MiniGame();
    virtual ~MiniGame() = default;
    MiniGame(const MiniGame&) = delete;
    MiniGame& operator=(const MiniGame&) = delete;

    virtual bool Initialize() = 0;
    // The player chose Retry after a run that ended with `won`: the game
    // resets its play and shows the instructions again.
    virtual void ResetGame(bool won) = 0;
    // Releases everything Initialize made; safe after an Initialize that
    // failed part-way.
    virtual void Shutdown() = 0;
    // True once the mini-game is finished.
    virtual bool Update(uint32_t dtMs);
    virtual void Render();
    virtual void OnStateChanged(int32_t) { }

    // "MiniGame/" + name + ".twscene.dr", bound, and the sound group of the
    // lower-case name when the game has one; false after a log line.
    bool LoadResources(const char* name);
    // Unbinds and unloads the pack; nothing when none is loaded.
    void UnloadResources();
    // The name of the CRC in a table sorted by CRC; null (after the assert)
    // when the table does not hold it.
    static const char* GetResourceNameFromCRC(uint32_t crc, const ResourceNameEntry* table, int32_t count);
    // The games' own text renderer on the score font.
    bool InitializeTextRenderer();

    void DisplayInstructionsState(uint32_t textId);
    void GoToEndState(bool won);
    // The system pause: state 5 over the current one. Refused (false) when
    // the stack is full.
    bool PushState();
    // The top state, taken off; -1 (refused) when only the bottom is left.
    int32_t PopState();
    void SetState(int32_t iState);
    int32_t GetState() const { return m_aiStateStack[m_iMGStackLevel]; }
    int32_t GetStackLevel() const { return m_iMGStackLevel; }

    // Starts the effect of that list index and marks it pending; false when
    // one is already pending, or for an index of no effect (-1).
    bool StartTransition(int32_t effectIndex);
    // True when no transition is pending or the pending one has finished.
    bool IsTransitionDone();
    // The effect-list indexes of the mini-game state's four effects.
    void SetEffectIndexes(const int32_t (&aiIndexes)[EFFECT_COUNT]);
    int32_t GetEffectIndex(TransitionEffect eEffect) const { return m_aiEffects[eEffect]; }

    bool IsWon() const { return m_bWon; }
    bool IsSkipped() const { return m_bSkipped; }
    bool IsRetrying() const { return m_bRetrying; }
    bool IsSkipOffered() const { return m_bSkipOffered; }
    void SetSkipOffered(bool bOffered) { m_bSkipOffered = bOffered; }
    bool IsQuitAfterLosing() const { return m_bQuitAfterLosing; }
    void SetQuitAfterLosing(bool bQuit) { m_bQuitAfterLosing = bQuit; }
    const char* GetName() const { return m_sMiniGameName; }
    MGMessageBox& GetMessageBox() { return m_oMessageBox; }
    PackageResource* GetPackage() const { return m_pPackage; }

protected:
    // The wait on a transition: true once it is over and the caller may go on.
    bool WaitTransition(int32_t effectIndex);
    // Whether the effect has finished; an index of no effect does not hold.
    static bool IsEffectFinished(int32_t effectIndex);

    bool m_bWon = false;
    bool m_bSkipped = false;
    Tw::TextureTextRenderer m_oTextRenderer;
    MGMeter m_oMeter;
    MGGauge m_oGauge;
    MGMessageBox m_oMessageBox;
    MGSprite m_oBackground;
    PackageResource* m_pPackage = nullptr;
    DataPack m_oDataPack;
    int32_t m_iMGStackLevel = 0;
    int32_t m_aiStateStack[STACK_LEVEL] = {};
    const char* m_sMiniGameName = nullptr;
    bool m_bRetrying = false;
    bool m_bTransitionPending = false;
    int32_t m_iTransitionEffect = -1;
    fx32 m_fxSkipTimer = 0;
    bool m_bSkipOffered = false;
    bool m_bQuitAfterLosing = true;
    int32_t m_aiEffects[EFFECT_COUNT] = {-1, -1, -1, -1};

private:
    bool UpdatePlayingState();
    bool UpdatePauseState(uint32_t dtMs);
    bool UpdateInstructionsState(uint32_t dtMs);
    bool UpdateSkip(uint32_t dtMs);
    bool UpdateEndState(uint32_t dtMs);
    // Reads the shown box's input this frame; true once it was answered and
    // the effect is over.
    bool ReadBoxAfter(int32_t effectIndex, uint32_t dtMs);
    // The box's result once it closed; false (after the assert) for none.
    bool HasBoxResult() const;
    void ShowMessage(uint32_t textId, const char* button1, const char* button2, uint32_t layoutFlags);
};
