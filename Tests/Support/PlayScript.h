#pragma once
#include "Scene/Common/SceneCursor.h"
#include "Support/PlayerInput.h"
#include "Support/ScreenPlaces.h"
#include "System/FakeClock.h"

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Platform {
class GraphicsDevice;
}

namespace TestSupport {

// Where on a hotspot the player clicks: its on-screen centre, or near the
// corner of its box farthest from its marker.
enum class Spot {
    Centre,
    Corner,
};

// The verbs of a hotspot's verb menu.
enum class Verb : int32_t {
    Look = CURSOR_LOOK,
    Talk = CURSOR_TALK,
    Activate = CURSOR_ACTIVATE,
};

// How the player clicks: the button pressed and released between the same
// two frames, or held down for one frame, or pressed and released with the
// pointer moved on to the screen's corner before the next frame, as a
// player does on a slow machine.
enum class ClickStyle {
    Quick,
    Held,
    QuickThenAway,
};

// A player's way through the real game, written down as steps and played
// inside the game's process. Once a frame, after the game has drawn it and
// before it is shown, the play looks at the game and acts through SDL mouse
// and keyboard events on its window, as a person at the screen acts between
// two frames. Every place it clicks comes from the game's data
// (ScreenPlaces.h), and every step waits for a moment of the game
// (GameMoments.h), never for a count of frames.
//
// The play writes what it did to "play.txt" in the game's folder, its
// pictures to "<name>.png" and, when asked, the story to "story.txt". A step
// that cannot be done is written down as a line starting with "FAILED"
// (with the picture "failure.png") and closes the game's window, as does a
// game still running long after the last step.
class PlayScript {
public:
    PlayScript() = default;
    // The steps hold on to the play.
    PlayScript(const PlayScript&) = delete;
    PlayScript& operator=(const PlayScript&) = delete;

    // While waiting, the play reads on through the talk screen: a click
    // types a sentence out, the next one goes on.
    void WaitForScene(const std::string& name);
    // The same, clicking away the splash logos and the movies on the way.
    void SkipToScene(const std::string& name);
    // The same without a click: for a play that only watches.
    void WatchForScene(const std::string& name);
    void WaitForMovie();
    void WaitUntilInteractive();
    // Until the scripts have taken the game (an event the player set off).
    void WaitUntilBusy();
    void WaitForChoices();

    // The pointer over the spot of the hotspot, which must pick it.
    void PointAt(const std::string& object, Spot spot = Spot::Centre);
    // A click where the pointer is.
    void ClickHere(ClickStyle style = ClickStyle::Quick);
    void Click(const std::string& object, ClickStyle style = ClickStyle::Quick, Spot spot = Spot::Centre);
    // A click on the hotspot, then a wait for its verb icons to fly out.
    void OpenVerbMenu(const std::string& object, ClickStyle style = ClickStyle::Quick, Spot spot = Spot::Centre);
    // The wait for the hotspot's verb icons to fly out.
    void WaitForVerbMenu(const std::string& object);
    void PointAtVerb(Verb verb);
    // The verb menu of the hotspot, and the verb chosen in it.
    void Use(const std::string& object, Verb verb, ClickStyle style = ClickStyle::Quick, Spot spot = Spot::Centre);
    // The proposition of the talk screen by its place in the whole list,
    // turning the pages by their arrows on the way.
    void Choose(int32_t proposition, ClickStyle style = ClickStyle::Quick);
    // The proposition whose text has the key ("BG002_DOCK_ASHORE"), the same
    // way.
    void ChooseKey(const std::string& textKey, ClickStyle style = ClickStyle::Quick);

    // Once the player sees the place (`shown`), the pointer moved onto it
    // and the button pressed and released, all between the same two frames,
    // as a quick player clicks (reading on through the talk screen while
    // waiting); then the click must be `taken` within a second, with no
    // other click.
    void ClickInOneFrame(const std::string& what, std::function<Place()> place, std::function<bool()> shown,
                         std::function<bool()> taken);

    // The secondary button, then a wait for the inventory.
    void OpenInventory(ClickStyle style = ClickStyle::Quick);
    // Once the menu takes input again, the secondary button closes it.
    void CloseInventory(ClickStyle style = ClickStyle::Quick);
    // The button pressed on the item's cell, and held; the pages turned to
    // it first by their arrows.
    void PickUpItem(const std::string& item);
    // The held item moved across the screen, a step a frame, onto the
    // scene's hotspot, until the caption names it.
    void CarryTo(const std::string& object);
    // The held item moved onto another item's cell, held on the page arrow
    // on the way until the pages flip to it.
    void CarryToItem(const std::string& item);
    // The held button released where the pointer is.
    void Drop();
    void DragItemOnto(const std::string& item, const std::string& object);
    // The item dragged onto the other in the inventory, which stays open.
    void Combine(const std::string& item, const std::string& other);
    // The in-game menu opened, and its map tab chosen.
    void OpenMapTab();
    // The map tab shown and taking input.
    void WaitForMapTab();
    // On the map tab, the pin of the open location that leads to the scene
    // pointed at until it lights, then clicked: the journey starts at once.
    void TravelByMap(const std::string& scene);

    // Button k (0 the first, 1 the second) of the mini-game's message box,
    // once the box asks, clicked again now and then until the box takes it;
    // on the way the play reads on through the talk screen.
    void ChooseInMiniGameBox(int32_t button);
    // The mini-game over and the adventure on again.
    void WaitForMiniGameEnd();
    // The same without a click, for as long as a watch lasts: a mini-game
    // started and then over, such as the credits played to their end.
    void WatchAMiniGameToItsEnd();
    // The inn's slot machine played for its prize: Go on; the lever pulled
    // until the reels stop for good; a win taken (Quit), a loss retried and
    // the retry's instructions skipped, which the machine pays as its bottle.
    // The machine's luck is seeded as the play's clock is fixed, so that every
    // run plays the same game.
    void PlaySlotMachine();
    // The key rack's door opened for its lost key: Go on; the key that fits
    // each keyhole carried from its hook into its lock, level after level;
    // a win taken (Quit), a loss retried and skipped.
    void PlayLostKey();
    // The birds attack on the mended bridge: Go on; a step ahead whenever
    // nothing falls onto the next plank (or onto hers), a broken plank
    // ahead mended first; a win taken (Quit), a loss retried and skipped.
    void PlayBirdsAttack();
    // The chase through the town run to its end: Go on; the arrow keys held
    // as the autopilot steers round what comes down the street; a win taken
    // (Quit), a loss retried and skipped.
    void PlayChase();
    // The turtle door's puzzle: Go on; the three turtles stacked, biggest at
    // the bottom, on the sky's post, then the water's, then the earth's, each
    // turtle dragged from the top of its stack; a win taken (Quit), a loss
    // retried and skipped.
    void PlayTurtleDoorPuzzle();

    // The key pressed, and released a frame later.
    void PressKey(SDL_Scancode key);
    // Esc, and the quit box's line that quits.
    void Quit();

    // The frame as shown, into "<name>.png".
    void Screenshot(const std::string& name);
    // The story as it stands, into "<name>.txt".
    void RecordStory(const std::string& name = "story");

    // The clock the played game runs on: each frame moves it on by one
    // frame's 16 ms at once, so that frames follow each other unpaced. Its
    // calendar and processor time stay at 0, so the game and its mini-games
    // take the same seeds in every run: the same bout, reels and keys.
    Platform::Clock& Clock() { return m_oClock; }
    // One frame of the play: the graphics watcher calls it.
    void OnFrame(Platform::GraphicsDevice& device);
    // Whether the next frame's pixels are looked at: a picture is taken of
    // it, or every frame is wanted drawn (VELMARSH_DRAW_EVERY_FRAME=1, for a
    // failure's picture).
    bool LooksAtNextFrame() const;

private:
    enum class Progress {
        Pending,
        Done,
    };
    using Act = std::function<Progress()>;
    struct Step {
        std::string text;
        Act act;
        // The frames the step may take.
        int32_t frameLimit;
        bool takesPicture = false;
    };

    void Add(std::string text, Act act, int32_t frameLimit = 1);
    void AddWait(std::string text, std::function<bool()> moment);
    // A click on the button of the mini-game's box that `which` names once
    // the box asks (none: nothing to answer, the step is done).
    void AddBoxChoice(std::string text, std::function<std::optional<int32_t>()> which);
    // A click on the proposition that `which` finds among those offered once
    // the talk screen offers them (-1: none, after Fail).
    void AddChoice(std::string text, std::function<int32_t()> which, ClickStyle style);
    // The mini-game's end box answered: a won game quit, a lost one retried
    // and its retry's instructions skipped; then the adventure on again.
    void TakeTheResult(std::function<bool()> won);
    void Fail(const std::string& why);
    void Note(const std::string& line);
    // Moves the pointer onto the place; false (after Fail) when it is not
    // found or the game would not see the pointer there.
    bool MoveOnto(const Place& place, const std::string& what, ScreenPoint* seen = nullptr);
    void ClickNow(uint8_t button, ClickStyle style);
    // A click on a sentence of the talk screen, now and then.
    void ReadOn();
    // Fails unless the pointer is on the inventory cell of the item.
    void CheckPointedCell(const std::string& item);
    // The nearest pixel straight below (else above) the pointer where the
    // game sees it outside the area an inventory item is dragged out of.
    std::optional<WindowPixel> OutOfTheMenu() const;
    // The pointer moved a step on its way to the target; true once there.
    bool StepTowards(WindowPixel target, int32_t& stepsLeft);

    std::vector<Step> m_vSteps;
    size_t m_uStep = 0;
    int32_t m_iFrame = 0;
    int32_t m_iStepStart = 0;
    int32_t m_iLastReadingClick = 0;
    bool m_bFailed = false;
    bool m_bOver = false;
    int32_t m_iWidth = 0;
    int32_t m_iHeight = 0;
    // A quick click is read in the next two frames.
    bool m_bClickSettling = false;
    // What a held click or a key press lets go of in the next frame.
    uint8_t m_uButtonToRelease = 0;
    SDL_Scancode m_eKeyToRelease = SDL_SCANCODE_UNKNOWN;
    Platform::GraphicsDevice* m_pDevice = nullptr;
    PlayerInput m_oInput;
    Platform::FakeClock m_oClock;
};

} // namespace TestSupport
