// Clicks of a quick player are never lost: the real program with its SDL
// input, where every click moves the pointer and presses and releases the
// button between the same two frames, as soon as the player sees what it
// clicks: the menus' buttons, the quit box, the mini-games' boxes, the talk
// screen's propositions and the first hotspot after a talk.
#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "MiniGame/Common/MiniGame.h"
#include "Scripts/Common/ChapterStarts.h"
#include "Support/ChapterStartSlot.h"
#include "Support/GameMoments.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/ScreenPlaces.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace TestSupport;

const std::string START_MENU = "bg999_start_menu";
const std::string MINIGAME_MENU = "bg980_MiniGame_Menu";
const std::string LIVING_ROOM = "bg101_BO_CastilloLivingRoom";

// One kind of button: where it is, when the player sees it, and what shows
// that the click was taken.
struct Button {
    std::string what;
    std::function<Place()> place;
    std::function<bool()> shown;
    std::function<bool()> taken;
};

class QuickClicksPlayTest : public GamePlayTest {
protected:
    void Click(const Button& button) { play.ClickInOneFrame(button.what, button.place, button.shown, button.taken); }
    // A hotspot of the scene, clicked as soon as the scene looks ready and
    // the hotspot shows at its place.
    static Button Hotspot(const std::string& name, std::function<bool()> taken)
    {
        const auto shows = [name]() {
            const Place place = ObjectPlace(name);
            return LooksReady() && place.Found() && PickedAt(place.point) == FindObject(*PlayedScene(), name);
        };
        return {name, [name]() { return ObjectPlace(name); }, shows, std::move(taken)};
    }
};

MiniGame* Game()
{
    return PlayedMiniGame();
}

bool InState(int32_t state)
{
    return Game() && Game()->GetState() == state;
}

const Button GO_ON = {"the instructions' Go on", []() { return MiniGameButtonPlace(0); },
                      []() { return InState(MiniGame::STATE_INSTRUCTIONS) && ShowsMiniGameBox(); },
                      []() { return !InState(MiniGame::STATE_INSTRUCTIONS); }};
// A click into the empty top-left corner once the game plays, where no game
// has anything to click.
const Button INTO_THE_PLAY = {"the playing game's corner",
                              []() {
                                  return Place {{2 * FX32_ONE, 2 * FX32_ONE}, {}};
                              },
                              []() { return InState(MiniGame::STATE_PLAYING); }, []() { return true; }};
const Button QUIT_BOX_NO = {"the quit box's No", []() { return QuitLinePlace(true); }, IsQuitBoxShown,
                            []() { return !IsQuitBoxShown(); }};
const Button PAUSE_BOX_QUIT = {"the pause box's Quit", []() { return MiniGameButtonPlace(1); },
                               []() { return InState(MiniGame::STATE_PAUSE_BOX) && !IsQuitBoxShown(); },
                               []() { return Game() && Game()->GetMessageBox().IsDone(); }};
const Button FIRST_PROPOSITION = {"the first proposition", []() { return ChoiceRowPlace(0); }, ShowsChoices,
                                  []() { return !ShowsChoices(); }};

TEST_F(QuickClicksPlayTest, EachTileShowsItsVerbAtTheFirstClickAndTheGamesBoxesAndTheQuitBoxTakeTheFirstClick)
{
    const IntSetting ints[] = {{VARINT_CURRENT_CHAPTER, 1}};
    ASSERT_TRUE(WriteSlot(folder, {ActorIdOf("tavrine"), {}, ints, {}, 2}));
    play.SkipToScene(START_MENU);
    for (const char* button : {"main_logo", "start", "slot1"}) {
        Click(Hotspot(button, IsBusy));
        way.Expect("Action \"Activate\" on \"" + START_MENU + ":" + button);
    }
    way.Arrive(MINIGAME_MENU);
    for (const char* tile : {"mg_01", "mg_02", "mg_03", "mg_04", "mg_05", "mg_06"}) {
        // The first click shows the tile's verb, whose click starts its game.
        Click(Hotspot(tile, IsVerbMenuOpen));
        play.WaitForVerbMenu(tile);
        play.PointAtVerb(Verb::Activate);
        play.ClickHere();
        way.Expect("Action \"Activate\" on \"" + MINIGAME_MENU + ":" + tile);
        Click(GO_ON);
        Click(INTO_THE_PLAY);
        // Esc asks whether to quit the whole game and pauses the mini-game
        // behind the question: No, then the pause box's Quit, which goes
        // back to the menu the game was started from.
        play.PressKey(SDL_SCANCODE_ESCAPE);
        Click(QUIT_BOX_NO);
        Click(PAUSE_BOX_QUIT);
        way.Arrive(MINIGAME_MENU);
    }
    PlayToTheEnd();
}

TEST_F(QuickClicksPlayTest, APropositionAndTheFirstHotspotAfterATalkOrALineTakeTheFirstClick)
{
    ASSERT_TRUE(WriteChapterStartSlot(folder, 1));
    ContinueTheChapter(way, LIVING_ROOM);
    play.Use("bonita_c_chair", Verb::Talk);
    Click(FIRST_PROPOSITION);
    // Goodbye, on the second page; the talk read to its end, and the very
    // first click on a hotspot then opens its verbs.
    play.Choose(3);
    Click(Hotspot("dustpan", IsVerbMenuOpen));
    way.Expect("Action \"Talk\" on \"" + LIVING_ROOM + ":bonita_c_chair");
    // The same after her own line on what she looks at.
    play.WaitForVerbMenu("dustpan");
    play.PointAtVerb(Verb::Look);
    play.ClickHere();
    Click(Hotspot("brush", IsVerbMenuOpen));
    way.Expect("Action \"Look\" on \"" + LIVING_ROOM + ":dustpan");
    PlayToTheEnd();
}

} // namespace
