#pragma once
#include "Interface/Common/InterfaceButton.h"
#include "Interface/Common/InterfacePanel.h"
#include "Interface/Common/VolumeBars.h"

#include <cstdint>

// The options tab: four volume bars of ten steps (a click sets that master
// volume at once), save with a confirmation (then a short saved message and
// back to the game) and exit to the start menu with a confirmation. It loads
// no saved game.
class InterfaceOptions : public InterfacePanel {
public:
    enum State : int32_t {
        STATE_MAIN = 0,
        STATE_SAVE_CONFIRM = 1,
        STATE_SAVED = 2,
        STATE_EXIT_CONFIRM = 4,
    };
    enum Highlight : int32_t {
        HIGHLIGHT_NONE = 0,
        HIGHLIGHT_SAVE = 1,
        HIGHLIGHT_EXIT = 2,
    };
    enum Answer : int32_t {
        ANSWER_NONE = 0,
        ANSWER_YES = 1,
        ANSWER_NO = 2,
    };
    static constexpr uint32_t SAVED_MESSAGE_MS = 3000;
    static constexpr fx32 ANSWER_REACH = 30 * FX32_ONE;
    static constexpr CoreFxVec2 YES_POINT = {76 * FX32_ONE, 124 * FX32_ONE};
    static constexpr CoreFxVec2 NO_POINT = {204 * FX32_ONE, 124 * FX32_ONE};
    // The buttons react only well inside their pictures.
    static constexpr fx32 BUTTON_MARGIN = -16 * FX32_ONE;
    static constexpr int32_t START_MENU_SCENE = 3;

    // The step buttons hidden.
    InterfaceOptions();

    // The background, the save and exit buttons and the ten step pairs.
    bool Load() override;
    void Unload() override;
    // The background and the four bars at the current master volumes.
    void Draw() override;
    // In the menu state or the modal state: the main input, a confirmation's
    // input, or the saved message's countdown.
    void Update(uint32_t dtMs) override;
    void DrawText() override;
    // Whether the highlight or the state changed since the last call.
    bool IsDirty() override;
    void ClearSelection() override;
    void Deactivate() override;
    // The steps of the four bars.
    int32_t GetCursorTargets(CoreFxVec2* pTargets, int32_t iMax) override;

    int32_t GetState() const { return m_iState; }
    int32_t GetHighlighted() const { return m_iHighlighted; }
    int32_t GetHighlightedAnswer() const { return m_iHighlightedAnswer; }
    const InterfaceButton& GetStep(bool bLit, int32_t iStep) const { return bLit ? m_aLit[iStep] : m_aUnlit[iStep]; }

private:
    void HandleMainInput();
    void HandleConfirmInput();
    // Stores the game into the current slot and writes the save file; the
    // saved message only when it reached the file.
    void SaveGame();
    void EndSavedMessage();
    // The modal state: no main buttons, no steps.
    void HideMainButtons();
    void ShowMainButtons();
    // The steps of a bar, lit up to the volume's nearest tenth.
    void DrawVolumeBar(const CoreFxVec2& origin, fx32 volume);
    bool HitsButton(int32_t iEntry, const CoreFxVec2& point) const;
    void ShowButton(int32_t iEntry, bool bVisible);

    InterfaceButton m_aLit[VolumeBars::STEP_COUNT];
    InterfaceButton m_aUnlit[VolumeBars::STEP_COUNT];
    int32_t m_iHighlighted = HIGHLIGHT_NONE;
    int32_t m_iLastHighlighted = HIGHLIGHT_NONE;
    int32_t m_iState = STATE_MAIN;
    int32_t m_iLastState = STATE_MAIN;
    int32_t m_iHighlightedAnswer = ANSWER_NONE;
    uint32_t m_uCountdown = 0;
};
