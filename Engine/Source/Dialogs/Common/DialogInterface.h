#pragma once
#include "Dialogs/Common/DialogFormat.h"
#include "Dialogs/Common/TypewriterLine.h"
#include "Maths/Fx32.h"
#include "Scene/Common/InterfaceSprite.h"
#include "Utils/Common/Font/Common/TextRenderer.h"

#include <cstdint>
#include <vector>

class Dialog;
class DialogManager;

namespace DialogConstants {
// The most wrapped lines a sentence shows.
constexpr int32_t NB_TEXT_LINES_MAX = 10;
} // namespace DialogConstants

// The size of the caption buffer and of each wrapped line's buffer, with the
// NUL.
constexpr int32_t NB_CHAR_MAX = 128;

enum DialogInterfaceState : int32_t {
    DIALOG_STATE_NONE = 0,     // nothing to show
    DIALOG_STATE_SENTENCE = 1, // a sentence is shown
    DIALOG_STATE_THINKING = 2, // propositions are offered
};

// Where a portrait stands: position and alpha.
struct PortraitPlacement {
    fx32 m_fxX = 0;
    fx32 m_fxY = 0;
    fx32 m_fxZ = 0;
    fx32 m_fxAlpha = FX32_ONE;
};

// The talk screen, drawn over the bottom of a scene while a dialog of the
// current group runs: a strip across the window, the speaker's portrait
// sliding in from the speaker's side (the playing character's on the left,
// anyone else's mirrored on the right), the sentence typed out three lines a
// page, or up to three propositions a page with paging arrows for the player
// to choose from. It also draws the caption box near the bottom of the
// screen. It reads the running dialog through the dialog manager and tells it
// when to go on; under auto-test playback it answers by itself.
class DialogInterface {
public:
    static constexpr int32_t PAGE_ROWS = 3;
    static constexpr uint32_t AUTO_ADVANCE_TIME = 25000;
    // 0.3 s.
    static constexpr fx32 PORTRAIT_SLIDE_TIME = 1229;
    // 2.1 alpha per second.
    static constexpr fx32 FADE_RATE = 8602;
    // 350 units per second.
    static constexpr fx32 ROW_SLIDE_SPEED = 1433600;
    // A row's marker shows once the row is left of this.
    static constexpr fx32 ROW_MARKER_LIMIT = 0x5A000;
    // A proposition that is never shown as read.
    static constexpr uint32_t NEVER_READ_TEXT_ID = 0x41E7E6F5;

    // Row colours (0xRRGGBBAA).
    static constexpr uint32_t ROW_HIGHLIGHTED = 0xD7AF28FF;
    static constexpr uint32_t ROW_HIGHLIGHTED_READ = 0xC79F18FF;
    static constexpr uint32_t ROW_NORMAL = 0xFFFFFFFF;
    static constexpr uint32_t ROW_READ = 0x8888BBFF;

    DialogInterface();

    // Loads the sprites (strip, next, up arrow, down arrow, three markers,
    // portrait placeholder, caption, large caption; false at the first that
    // cannot be loaded) and lays the screen out for the window's width.
    bool Initialize();
    void Shutdown();
    // One frame: reads the dialog when it has moved, slides the portrait,
    // types the sentence or offers the propositions, takes the player's
    // input, fades the strip and the caption box.
    void Update(uint32_t dt);
    // The strip, the portrait, the arrows and the text; the scene draws the
    // caption box after it.
    void Draw();
    // The caption box and its text, unless the game is busy.
    void DrawCaption();
    // Shows a caption (one or two lines of UTF-8), or hides it for null. A
    // caption too long for its buffer is reported and cut after the last
    // whole code point that fits.
    void SetCaptionDisplayed(const char* sCaption);
    // While a dialog of the current group runs, or the portrait still slides
    // out after it.
    bool IsActive() const;

    // "intdial_" + the actor's name, + "_" + the mood's name unless the mood
    // is 0 (or unknown); null for an actor not in the actor table. One buffer
    // that the next call overwrites.
    static const char* GetPortraitSpriteName(uint32_t uActorId, uint32_t uMood);

    // The colour row k of the page is printed in.
    uint32_t GetRowColour(int32_t k) const;

    DialogInterfaceState GetState() const { return m_eState; }
    bool NeedsRefresh() const { return m_bRefresh != 0; }
    uint32_t GetSpeaker() const { return m_uSpeaker; }
    uint32_t GetDisplayedSpeaker() const { return m_uDisplayedSpeaker; }
    uint32_t GetDisplayedMood() const { return m_uDisplayedMood; }
    bool IsPortraitSlidingIn() const { return m_bSlidingIn != 0; }
    bool IsPortraitSlidingOut() const { return m_bSlidingOut != 0; }
    bool AreRowsSliding() const { return m_bRowsSliding != 0; }
    int32_t GetLineCount() const { return m_iNbSubstrings; }
    const char* GetLine(int32_t i) const { return m_asSubstrings[i]; }
    int32_t GetFirst() const { return m_iFirst; }
    const TypewriterLine& GetTypewriterLine(int32_t k) const { return m_aoLines[k]; }
    int32_t GetPropositionCount() const { return m_iNbPropositions; }
    uint32_t GetPropositionId(int32_t i) const { return m_auPropositionIds[i]; }
    const char* GetRowText(int32_t k) const { return m_apRowTexts[k]; }
    fx32 GetRowX(int32_t k) const { return m_afxRowX[k]; }
    int32_t GetHighlight() const { return m_iHighlight; }
    int32_t GetHover() const { return m_iHover; }
    uint32_t GetAutoTimer() const { return m_uAutoTimer; }
    fx32 GetStripAlpha() const { return m_fxStripAlpha; }
    fx32 GetCaptionAlpha() const { return m_fxCaptionAlpha; }
    bool IsCaptionDisplayed() const { return m_bCaptionDisplayed != 0; }
    const char* GetCaption() const { return m_sCaption; }
    // The text area, which the rows of propositions share from its top, one
    // line high each.
    fx32 GetTextLeft() const { return m_fxTextLeft; }
    fx32 GetTextTop() const { return m_fxTextTop; }
    fx32 GetTextRight() const { return m_fxTextRight; }
    fx32 GetTextBottom() const { return m_fxTextBottom; }
    fx32 GetRowHeight() const;
    fx32 GetTextX() const { return m_fxTextX; }
    const InterfaceSprite& GetPortrait() const { return m_oPortrait; }
    const InterfaceSprite& GetArrowUp() const { return m_oArrowUp; }
    const InterfaceSprite& GetArrowDown() const { return m_oArrowDown; }

private:
    // Reading the dialog.
    void UpdateSubstrings();
    void ReadSentence(Dialog& oDialog);
    void LayoutSentence(const char* text);
    void StartLines();
    void NextPage();
    // Sentence mode.
    void UpdateSentence(uint32_t dt);
    void HandleInputsSentenceMode();
    // Thinking mode.
    void BuildPropositionPage(bool bResetPage);
    void TurnPage(int32_t iFirst, int32_t iHighlight);
    void HandleInputsThinkingMode();
    void HandleInputsThinkingMode_AutoTest();
    int32_t GetRowAt(fx32 x, fx32 y) const;
    int32_t GetPageRows() const;
    void ChooseRow(int32_t k);
    void SlidePropositions(uint32_t dt);
    // Portrait.
    void UpdatePortrait(uint32_t dt);
    void ShowPortrait();
    // The displayed speaker's portrait in the displayed mood, facing the
    // speaker's side; false when there is none.
    bool LoadPortrait();
    bool SlidePortrait(const PortraitPlacement& from, const PortraitPlacement& to, uint32_t dt);
    void PlacePortrait(const PortraitPlacement& placement);
    void PlacePortraitAtTarget();
    bool IsHeroSide(uint32_t uActorId) const;
    void SetTextArea(bool bHero);
    bool IsPortraitSliding() const { return m_bSlidingIn || m_bSlidingOut; }

    void UpdateFades(uint32_t dt);
    static DialogManager* GetManager();
    static uint32_t GetPlayingCharacter();

    // Sprites.
    InterfaceSprite m_oStrip;
    InterfaceSprite m_oCaption;
    InterfaceSprite m_oCaptionBig;
    InterfaceSprite m_oArrowUp;
    InterfaceSprite m_oArrowDown;
    InterfaceSprite m_oNext;
    InterfaceSprite m_aoSquares[PAGE_ROWS];
    InterfaceSprite m_oPortrait;

    // Portrait.
    uint32_t m_uDisplayedSpeaker = 0;
    uint32_t m_uDisplayedMood = 0;
    fx32 m_fxSlideTimer = 0;
    uint8_t m_bSlidingOut = 0;
    uint8_t m_bSlidingIn = 0;
    PortraitPlacement m_oHeroStart;
    PortraitPlacement m_oHeroTarget;
    PortraitPlacement m_oOtherStart;
    PortraitPlacement m_oOtherTarget;

    // Text area.
    fx32 m_fxTextLeft = 0;
    fx32 m_fxTextTop = 0;
    fx32 m_fxTextRight = 0;
    fx32 m_fxTextBottom = 0;
    fx32 m_fxTextX = 0;

    // Caption.
    char m_sCaption[NB_CHAR_MAX] = {};
    uint8_t m_bCaptionDisplayed = 0;
    fx32 m_fxCaptionAlpha = 0;

    // Sentence.
    uint32_t m_uSpeaker = 0;
    const char* m_pSentenceText = nullptr;
    uint32_t m_uMood = 0;
    int32_t m_iNbSubstrings = 0;
    char m_asSubstrings[DialogConstants::NB_TEXT_LINES_MAX][NB_CHAR_MAX] = {};
    // The first line, or the first proposition, of the page.
    int32_t m_iFirst = 0;
    uint32_t m_uAutoTimer = 0;
    TypewriterLine m_aoLines[PAGE_ROWS];
    // The renderer's lines of the sentence being laid out.
    std::vector<Tw::TextSubstring> m_aLayout;

    // Propositions.
    int32_t m_iNbPropositions = 0;
    uint32_t m_auPropositionIds[MAX_OFFERED_PROPOSITIONS] = {};
    uint8_t m_abPropositionRead[MAX_OFFERED_PROPOSITIONS] = {};
    int32_t m_iLastSelected = -1;
    const char* m_apRowTexts[PAGE_ROWS] = {};
    fx32 m_afxRowX[DialogConstants::NB_TEXT_LINES_MAX] = {};
    uint8_t m_bRowsSliding = 0;
    int32_t m_iHighlight = -1;
    int32_t m_iHover = -1;

    uint8_t m_bRefresh = 1;
    DialogInterfaceState m_eState = DIALOG_STATE_NONE;
    fx32 m_fxStripAlpha = 0;
};

// The game's one talk screen.
extern DialogInterface g_oDialogInterface;
