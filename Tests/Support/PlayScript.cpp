#include "Support/PlayScript.h"

#include "App/CoreApp.h"
#include "Common/ItemIds.h"
#include "Common/SceneIds.h"
#include "ContentBuilder/TextTableWriter.h"
#include "Dialogs/Common/DialogInterface.h"
#include "Graphics/GraphicsDevice.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Inventory/Common/Inventory.h"
#include "MiniGame/Common/MiniGame.h"
#include "Scene/Common/Scene.h"
#include "ScriptEngine/common/MapThumb.h"
#include "Support/GameMoments.h"
#include "Support/PlayLimits.h"
#include "Support/StoryRecord.h"
#include "Window/Window.h"

#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <memory>
#include <sstream>

namespace TestSupport {
namespace {

// A watch lasts as long as a whole recorded run may: half an hour.
constexpr int32_t WATCH_LIMIT = 30 * WAIT_LIMIT;
// Frames a click may take to be answered: a second.
constexpr int32_t CLICK_TAKEN_LIMIT = 60;
// Frames the game may take to end after the last step.
constexpr int32_t ENDING_LIMIT = 600;

std::string Where(ScreenPoint point)
{
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << "(" << point.x / double(FX32_ONE) << ", "
         << point.y / double(FX32_ONE) << ")";
    return text.str();
}

} // namespace

void PlayScript::Add(std::string text, Act act, int32_t frameLimit)
{
    m_vSteps.push_back({std::move(text), std::move(act), frameLimit});
}

void PlayScript::AddWait(std::string text, std::function<bool()> moment)
{
    Add(
        std::move(text),
        [this, moment]() {
            if (moment())
                return Progress::Done;
            ReadOn();
            return Progress::Pending;
        },
        WAIT_LIMIT);
}

void PlayScript::WaitForScene(const std::string& name)
{
    AddWait("wait for the scene " + name, [name]() { return IsSceneShown(name); });
}

void PlayScript::WatchForScene(const std::string& name)
{
    Add(
        "watch for the scene " + name, [name]() { return IsSceneShown(name) ? Progress::Done : Progress::Pending; },
        WATCH_LIMIT);
}

void PlayScript::SkipToScene(const std::string& name)
{
    Add(
        "skip to the scene " + name,
        [this, name]() {
            if (IsSceneShown(name))
                return Progress::Done;
            if (IsAdventureAway() && m_iFrame - m_iLastReadingClick >= READING_PAUSE) {
                ClickNow(SDL_BUTTON_LEFT, ClickStyle::Quick);
                m_iLastReadingClick = m_iFrame;
            }
            return Progress::Pending;
        },
        WAIT_LIMIT);
}

void PlayScript::WaitForMovie()
{
    AddWait("wait for the movie", IsMoviePlaying);
}

void PlayScript::WaitUntilInteractive()
{
    AddWait("wait until the game is interactive", IsInteractive);
}

void PlayScript::WaitUntilBusy()
{
    AddWait("wait until the scripts take the game", IsBusy);
}

void PlayScript::WaitForChoices()
{
    AddWait("wait for the propositions", ShowsChoices);
}

void PlayScript::PointAt(const std::string& object, Spot spot)
{
    Add(spot == Spot::Centre ? "point at " + object : "point at a corner of " + object, [this, object, spot]() {
        ScreenPoint seen;
        if (!MoveOnto(spot == Spot::Centre ? ObjectPlace(object) : ObjectCornerPlace(object), object, &seen))
            return Progress::Done;
        const SceneObject* picked = PickedAt(seen);
        if (picked != FindObject(*PlayedScene(), object))
            Fail(object + " at " + Where(seen) + " picks " + NameOf(picked));
        return Progress::Done;
    });
}

void PlayScript::ClickHere(ClickStyle style)
{
    const char* what = style == ClickStyle::Quick  ? "click"
                       : style == ClickStyle::Held ? "click and hold a frame"
                                                   : "click and move away";
    Add(what, [this, style]() {
        ClickNow(SDL_BUTTON_LEFT, style);
        return Progress::Done;
    });
}

void PlayScript::Click(const std::string& object, ClickStyle style, Spot spot)
{
    PointAt(object, spot);
    ClickHere(style);
}

void PlayScript::OpenVerbMenu(const std::string& object, ClickStyle style, Spot spot)
{
    Click(object, style, spot);
    WaitForVerbMenu(object);
}

void PlayScript::WaitForVerbMenu(const std::string& object)
{
    // The icons have flown out once the menu's opening time stands still.
    auto openedFor = std::make_shared<fx32>(-1);
    AddWait("wait for the verb menu of " + object, [openedFor]() {
        if (!IsVerbMenuOpen())
            return false;
        const fx32 time = PlayedScene()->m_oCursor.m_fOpeningTime;
        const bool settled = time == *openedFor;
        *openedFor = time;
        return settled;
    });
}

void PlayScript::PointAtVerb(Verb verb)
{
    Add("point at verb " + std::to_string(int32_t(verb)), [this, verb]() {
        ScreenPoint seen;
        const std::string what = "verb " + std::to_string(int32_t(verb));
        if (MoveOnto(VerbPlace(int32_t(verb)), what, &seen) &&
            PlayedScene()->m_oCursor.HitVerb(seen.x, seen.y) != int32_t(verb))
            Fail("the icon of " + what + " is not hit at its place " + Where(seen));
        return Progress::Done;
    });
}

void PlayScript::Use(const std::string& object, Verb verb, ClickStyle style, Spot spot)
{
    OpenVerbMenu(object, style, spot);
    PointAtVerb(verb);
    ClickHere(style);
}

void PlayScript::Choose(int32_t proposition, ClickStyle style)
{
    AddChoice(
        "choose proposition " + std::to_string(proposition),
        [this, proposition]() {
            const int32_t offered = g_oDialogInterface.GetPropositionCount();
            if (proposition < offered)
                return proposition;
            Fail("only " + std::to_string(offered) + " propositions are offered");
            return -1;
        },
        style);
}

void PlayScript::ChooseKey(const std::string& textKey, ClickStyle style)
{
    const uint32_t textId = TextIdOfKey(textKey);
    AddChoice(
        "choose the proposition " + textKey,
        [this, textKey, textId]() {
            const DialogInterface& talk = g_oDialogInterface;
            for (int32_t proposition = 0; proposition < talk.GetPropositionCount(); ++proposition)
                if (talk.GetPropositionId(proposition) == textId)
                    return proposition;
            Fail("no proposition " + textKey + " is offered");
            return -1;
        },
        style);
}

void PlayScript::AddChoice(std::string text, std::function<int32_t()> which, ClickStyle style)
{
    // Point at the row (or at a page's arrow), click there; after a turned
    // page look again.
    struct Choosing {
        bool pointed = false;
        bool turning = false;
        int32_t page = -1;
    };
    auto choosing = std::make_shared<Choosing>();
    Add(
        std::move(text),
        [this, which, style, choosing]() {
            const DialogInterface& talk = g_oDialogInterface;
            if (choosing->pointed) {
                ClickNow(SDL_BUTTON_LEFT, style);
                choosing->pointed = false;
                return choosing->turning ? Progress::Pending : Progress::Done;
            }
            if (choosing->turning && talk.GetFirst() == choosing->page)
                return Progress::Pending;
            choosing->turning = false;
            if (!ShowsChoices()) {
                ReadOn();
                return Progress::Pending;
            }
            const int32_t proposition = which();
            if (proposition < 0)
                return Progress::Done;
            const int32_t first = talk.GetFirst();
            choosing->turning = proposition < first || proposition >= first + DialogInterface::PAGE_ROWS;
            choosing->page = first;
            const Place place =
                choosing->turning ? PageArrowPlace(proposition >= first) : ChoiceRowPlace(proposition - first);
            choosing->pointed = MoveOnto(place, "proposition " + std::to_string(proposition));
            if (choosing->pointed && !choosing->turning && talk.GetRowText(proposition - first))
                Note("the proposition reads \"" + std::string(talk.GetRowText(proposition - first)) + "\"");
            return Progress::Pending;
        },
        WAIT_LIMIT);
}

void PlayScript::ClickInOneFrame(const std::string& what, std::function<Place()> place, std::function<bool()> shown,
                                 std::function<bool()> taken)
{
    Add(
        "click at once on " + what,
        [this, what, place, shown]() {
            if (!shown()) {
                ReadOn();
                return Progress::Pending;
            }
            if (MoveOnto(place(), what))
                ClickNow(SDL_BUTTON_LEFT, ClickStyle::Quick);
            return Progress::Done;
        },
        WAIT_LIMIT);
    Add(
        "the click on " + what + " is taken", [taken]() { return taken() ? Progress::Done : Progress::Pending; },
        CLICK_TAKEN_LIMIT);
}

void PlayScript::OpenInventory(ClickStyle style)
{
    Add("open the in-game menu", [this, style]() {
        ClickNow(SDL_BUTTON_RIGHT, style);
        return Progress::Done;
    });
    AddWait("wait for the inventory", IsInventoryShown);
}

void PlayScript::CloseInventory(ClickStyle style)
{
    AddWait("wait for the menu to take input", IsMenuIdle);
    Add("close the in-game menu", [this, style]() {
        ClickNow(SDL_BUTTON_RIGHT, style);
        return Progress::Done;
    });
}

void PlayScript::PickUpItem(const std::string& item)
{
    // The pages turned by their arrows to the item's first, a click on the
    // arrow towards it again once the last one has been read without turning
    // it (the menu still sliding in).
    struct Turning {
        int32_t page = -1;
        int32_t clickFrame = 0;
    };
    auto turning = std::make_shared<Turning>();
    Add(
        "point at the cell of " + item,
        [this, item, turning]() {
            const std::optional<int32_t> turns = ItemPageTurns(item);
            if (turns && *turns != 0) {
                const int32_t page = InterfaceMenu::GetInstance()->GetInventory().GetPageStart();
                if (page == turning->page && m_iFrame - turning->clickFrame < READING_PAUSE)
                    return Progress::Pending;
                if (MoveOnto(InventoryArrowPlace(*turns > 0), "the inventory's page arrow")) {
                    ClickNow(SDL_BUTTON_LEFT, ClickStyle::Quick);
                    *turning = {page, m_iFrame};
                }
                return Progress::Pending;
            }
            if (MoveOnto(ItemCellPlace(item), item))
                CheckPointedCell(item);
            return Progress::Done;
        },
        WAIT_LIMIT);
    Add("press on " + item, [this]() {
        m_oInput.Press(SDL_BUTTON_LEFT);
        return Progress::Done;
    });
}

void PlayScript::CarryTo(const std::string& object)
{
    // Out of the menu's area first, straight down (or up) from the cell: the
    // scene carries the item from there on.
    struct Carrying {
        bool leaving = true;
        int32_t framesLeft = CARRY_FRAMES;
    };
    auto carrying = std::make_shared<Carrying>();
    Add(
        "carry the item onto " + object,
        [this, object, carrying]() {
            if (carrying->leaving) {
                const std::optional<WindowPixel> exit = OutOfTheMenu();
                if (!exit)
                    Fail("the item cannot be carried out of the menu");
                else if (StepTowards(*exit, carrying->framesLeft))
                    *carrying = {false, CARRY_FRAMES};
                return Progress::Pending;
            }
            if (carrying->framesLeft == 0) {
                if (IsCarriedOver(object))
                    return Progress::Done;
                const Scene* scene = PlayedScene();
                if (scene && scene->m_iInputState == INPUT_STATE_ITEM_DRAG &&
                    scene->m_pHoveredObject != FindObject(*scene, object))
                    Fail("the item carried onto " + object + " is over " + NameOf(scene->m_pHoveredObject));
                return Progress::Pending;
            }
            const Place place = ObjectPlace(object);
            if (!place.Found())
                Fail(object + ": " + place.missing);
            else
                StepTowards(PixelOf(place.point, m_iWidth, m_iHeight), carrying->framesLeft);
            return Progress::Pending;
        },
        WAIT_LIMIT);
}

void PlayScript::CarryToItem(const std::string& item)
{
    auto framesLeft = std::make_shared<int32_t>(CARRY_FRAMES);
    Add(
        "carry the item onto " + item,
        [this, item, framesLeft]() {
            // Held on the page arrow towards the item, the pages flip until
            // it shows.
            const std::optional<int32_t> turns = ItemPageTurns(item);
            if (turns && *turns != 0) {
                MoveOnto(InventoryArrowPlace(*turns > 0), "the inventory's page arrow");
                *framesLeft = CARRY_FRAMES;
                return Progress::Pending;
            }
            const Place place = ItemCellPlace(item);
            if (!place.Found())
                Fail(item + ": " + place.missing);
            else if (StepTowards(PixelOf(place.point, m_iWidth, m_iHeight), *framesLeft)) {
                CheckPointedCell(item);
                return Progress::Done;
            }
            return Progress::Pending;
        },
        WAIT_LIMIT);
}

void PlayScript::Drop()
{
    Add("drop", [this]() {
        m_oInput.Release(SDL_BUTTON_LEFT);
        return Progress::Done;
    });
}

void PlayScript::DragItemOnto(const std::string& item, const std::string& object)
{
    OpenInventory();
    PickUpItem(item);
    CarryTo(object);
    Drop();
}

void PlayScript::Combine(const std::string& item, const std::string& other)
{
    OpenInventory();
    PickUpItem(item);
    CarryToItem(other);
    Drop();
}

void PlayScript::OpenMapTab()
{
    OpenInventory();
    AddWait("wait for the menu to take input", IsMenuIdle);
    Add("click the map tab", [this]() {
        if (MoveOnto(MapTabPlace(), "the map tab"))
            ClickNow(SDL_BUTTON_LEFT, ClickStyle::Quick);
        return Progress::Done;
    });
    WaitForMapTab();
}

void PlayScript::WaitForMapTab()
{
    AddWait("wait for the map tab", []() {
        const InterfaceMenu* menu = InterfaceMenu::GetInstance();
        return menu && menu->GetCurrentTabIndex() == TAB_MAP && IsMenuIdle();
    });
}

void PlayScript::TravelByMap(const std::string& scene)
{
    Add("point at the pin of " + scene, [this, scene]() {
        MoveOnto(MapPinPlace(scene), "the pin of " + scene);
        return Progress::Done;
    });
    // A pin lights in the frame after the pointer came onto it; only a lit
    // pin travels.
    Add(
        "wait for the pin of " + scene + " to light",
        [this, scene]() {
            InterfaceMenu* menu = InterfaceMenu::GetInstance();
            const int32_t lit = menu ? menu->GetMap().GetHoveredLocation() : InterfaceMap::NO_LOCATION;
            if (lit == InterfaceMap::NO_LOCATION)
                return Progress::Pending;
            const SceneDesc* leadsTo =
                Id::GetSceneDesc(static_cast<int32_t>(MapThumb::GetThumbDescs()[lit].m_uSceneId));
            if (!leadsTo || scene != leadsTo->m_pName)
                Fail("the pointer lights location " + std::to_string(lit) + ", which does not lead to " + scene);
            return Progress::Done;
        },
        WAIT_LIMIT);
    ClickHere();
}

void PlayScript::ChooseInMiniGameBox(int32_t button)
{
    AddBoxChoice("choose button " + std::to_string(button) + " of the mini-game box", [button]() { return button; });
}

void PlayScript::AddBoxChoice(std::string text, std::function<std::optional<int32_t>()> which)
{
    auto lastClick = std::make_shared<int32_t>(-READING_PAUSE);
    Add(
        std::move(text),
        [this, which, lastClick]() {
            const std::optional<int32_t> button = which();
            if (!button)
                return Progress::Done;
            MiniGame* game = PlayedMiniGame();
            const MGMessageBox* box = game ? &game->GetMessageBox() : nullptr;
            if (box && box->IsShown() && box->IsDone() && *lastClick > 0) {
                if (box->GetResult() != *button + 1)
                    Fail("the box took button " + std::to_string(box->GetResult() - 1));
                return Progress::Done;
            }
            if (!IsMiniGameOn())
                ReadOn();
            if (!AsksInMiniGameBox() || m_iFrame - *lastClick < READING_PAUSE)
                return Progress::Pending;
            // A click before the box takes input is lost: the next one counts.
            if (MoveOnto(MiniGameButtonPlace(*button), "button " + std::to_string(*button))) {
                ClickNow(SDL_BUTTON_LEFT, ClickStyle::Quick);
                *lastClick = m_iFrame;
            }
            return Progress::Pending;
        },
        WAIT_LIMIT);
}

void PlayScript::WaitForMiniGameEnd()
{
    AddWait("wait for the mini-game to end", []() { return !IsMiniGameOn() && IsInteractive(); });
}

void PlayScript::WatchAMiniGameToItsEnd()
{
    auto started = std::make_shared<bool>(false);
    Add(
        "watch a mini-game to its end",
        [started]() {
            *started = *started || IsMiniGameOn();
            return *started && !IsMiniGameOn() ? Progress::Done : Progress::Pending;
        },
        WATCH_LIMIT);
}

void PlayScript::PressKey(SDL_Scancode key)
{
    Add(std::string("press ") + SDL_GetScancodeName(key), [this, key]() {
        m_oInput.Key(key, true);
        m_eKeyToRelease = key;
        return Progress::Done;
    });
}

void PlayScript::Quit()
{
    PressKey(SDL_SCANCODE_ESCAPE);
    AddWait("wait for the quit box", IsQuitBoxShown);
    Add("point at the quit line", [this]() {
        MoveOnto(QuitLinePlace(), "the quit line");
        return Progress::Done;
    });
    ClickHere();
}

void PlayScript::Screenshot(const std::string& name)
{
    Add("take the picture " + name, [this, name]() {
        Platform::RgbaImage image;
        if (m_pDevice->ReadBackBuffer(&image) != Platform::D3D_OK || !Platform::WritePng(image, name + ".png"))
            Fail("the picture " + name + " cannot be taken");
        return Progress::Done;
    });
    m_vSteps.back().takesPicture = true;
}

void PlayScript::RecordStory(const std::string& name)
{
    Add("record the story into " + name, [name]() {
        std::ofstream(name + ".txt") << StoryRecord::OfGame().Text();
        return Progress::Done;
    });
}

void PlayScript::OnFrame(Platform::GraphicsDevice& device)
{
    m_pDevice = &device;
    ++m_iFrame;
    m_oClock.AdvanceMilliseconds(double(CoreApp::MIN_FRAME_MS));
    if (Platform::Window* window = g_pCoreApp ? g_pCoreApp->GetWindow() : nullptr) {
        m_oInput.Attach(window->GetSdlWindow());
        window->GetClientSize(m_iWidth, m_iHeight);
    }
    // A held button or key goes up a frame after it went down. The game reads
    // every click over two frames, the press and then the release, so the
    // next step waits for the frame after both.
    const bool settling = m_bClickSettling || m_uButtonToRelease != 0 || m_eKeyToRelease != SDL_SCANCODE_UNKNOWN;
    m_bClickSettling = false;
    if (m_uButtonToRelease != 0)
        m_oInput.Release(m_uButtonToRelease);
    m_uButtonToRelease = 0;
    if (m_eKeyToRelease != SDL_SCANCODE_UNKNOWN)
        m_oInput.Key(m_eKeyToRelease, false);
    m_eKeyToRelease = SDL_SCANCODE_UNKNOWN;
    if (m_bFailed || settling)
        return;

    if (m_uStep == m_vSteps.size()) {
        if (!m_bOver) {
            Note("the play is over");
            m_bOver = true;
            m_iStepStart = m_iFrame;
        } else if (m_iFrame - m_iStepStart > ENDING_LIMIT) {
            Fail("the game did not end after the last step");
        }
        return;
    }
    const Step& step = m_vSteps[m_uStep];
    const Progress progress = step.act();
    if (m_bFailed)
        return;
    if (progress == Progress::Done) {
        Note(step.text);
        ++m_uStep;
        m_iStepStart = m_iFrame + 1;
    } else if (m_iFrame - m_iStepStart + 1 >= step.frameLimit) {
        Fail("not done after " + std::to_string(step.frameLimit) + " frames");
    }
}

bool PlayScript::LooksAtNextFrame() const
{
    static const bool everyFrame = std::getenv("VELMARSH_DRAW_EVERY_FRAME") != nullptr;
    return everyFrame || (m_uStep < m_vSteps.size() && m_vSteps[m_uStep].takesPicture);
}

void PlayScript::Fail(const std::string& why)
{
    const std::string step = m_uStep < m_vSteps.size() ? m_vSteps[m_uStep].text : "the end";
    Note("FAILED: " + step + ": " + why);
    m_bFailed = true;
    Platform::RgbaImage image;
    if (m_pDevice && m_pDevice->ReadBackBuffer(&image) == Platform::D3D_OK)
        Platform::WritePng(image, "failure.png");
    // As a person closes the window.
    SDL_Event quit {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

void PlayScript::Note(const std::string& line)
{
    std::ofstream("play.txt", std::ios::app) << "frame " << m_iFrame << ": " << line << "\n";
}

bool PlayScript::MoveOnto(const Place& place, const std::string& what, ScreenPoint* seen)
{
    if (!place.Found()) {
        Fail(what + ": " + place.missing);
        return false;
    }
    const WindowPixel pixel = PixelOf(place.point, m_iWidth, m_iHeight);
    const std::optional<ScreenPoint> at = SeenAt(pixel, m_iWidth, m_iHeight);
    if (!at) {
        Fail(what + " at " + Where(place.point) + " lies outside the window");
        return false;
    }
    m_oInput.MoveTo(pixel);
    if (seen)
        *seen = *at;
    return true;
}

void PlayScript::ClickNow(uint8_t button, ClickStyle style)
{
    m_oInput.Press(button);
    if (style == ClickStyle::Held) {
        m_uButtonToRelease = button;
        return;
    }
    m_oInput.Release(button);
    if (style == ClickStyle::QuickThenAway)
        m_oInput.MoveTo({0, 0});
    m_bClickSettling = true;
}

void PlayScript::ReadOn()
{
    if (!ShowsSentence() || m_iFrame - m_iLastReadingClick < READING_PAUSE)
        return;
    ClickNow(SDL_BUTTON_LEFT, ClickStyle::Quick);
    m_iLastReadingClick = m_iFrame;
}

void PlayScript::CheckPointedCell(const std::string& item)
{
    const std::optional<ScreenPoint> seen = SeenAt(m_oInput.Pointer(), m_iWidth, m_iHeight);
    const Inventory& inventory = InterfaceMenu::GetInstance()->GetInventory();
    const int32_t cell = seen ? inventory.CellAt(seen->x, seen->y) : -1;
    const char* shown = cell >= 0 ? Id::GetItemName(inventory.GetCells()[cell]) : nullptr;
    if (!shown || shown != item)
        Fail("the cell of " + item + " is not hit at its middle");
}

std::optional<WindowPixel> PlayScript::OutOfTheMenu() const
{
    // Pixel by pixel, as the game sees each.
    for (int32_t step : {1, -1}) {
        for (WindowPixel pixel = m_oInput.Pointer(); pixel.y >= 0 && pixel.y < m_iHeight; pixel.y += step) {
            const std::optional<ScreenPoint> seen = SeenAt(pixel, m_iWidth, m_iHeight);
            if (seen && !Inventory::IsInInventoryArea(seen->x, seen->y))
                return pixel;
        }
    }
    return std::nullopt;
}

bool PlayScript::StepTowards(WindowPixel target, int32_t& framesLeft)
{
    if (framesLeft <= 0)
        return true;
    const WindowPixel from = m_oInput.Pointer();
    m_oInput.MoveTo({from.x + (target.x - from.x) / framesLeft, from.y + (target.y - from.y) / framesLeft});
    return --framesLeft == 0;
}

} // namespace TestSupport
