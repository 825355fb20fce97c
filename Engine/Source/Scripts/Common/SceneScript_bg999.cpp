// The start menu (scene 3, bg999_start_menu): the whole front end. A title
// screen leads to the main menu (start, options, credits, quit); start opens
// the choice of the three save slots, from which slots are also cleared and
// copied after a yes/no question; the options choose the game and voice
// languages. VARINT_MENU holds the screen on show, and every screen is a
// group of the scene's sprite objects that the handlers show, hide and fade.
#include "Adventure/Common/Entity.h"
#include "Common/GameLanguages.h"
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Hash/CoreCrc32.h"
#include "Managers/Common/ScriptManager.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"

#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>

namespace {

// The scene's objects.
using Object = NamedObject<SceneTableRows::s_aObjects_bg999_3>;
constexpr Object START = "start";
constexpr Object OPTIONS = "options";
constexpr Object EXITTOWINDOWS = "exittowindows";
constexpr Object CREDITS = "credits";
constexpr Object MAINMENU_SKIN = "mainmenu_skin";
constexpr Object BACK = "back";
constexpr Object CLEARSLOT = "clearslot";
constexpr Object COPYSLOT = "copyslot";
constexpr Object CLEAR_INSTRUCTIONS_1 = "clear_instructions_1";
constexpr Object CLEAR_INSTRUCTIONS_2 = "clear_instructions_2";
constexpr Object COPY_INSTRUCTIONS_1 = "copy_instructions_1";
constexpr Object COPY_INSTRUCTIONS_2 = "copy_instructions_2";
constexpr Object COPY_CONFIRMATION = "copy_confirmation";
constexpr Object LOGO_01 = "logo_01";
constexpr Object GAME_FLAG_LEFT = "game_flag_left";
constexpr Object GAME_FLAG_RIGHT = "game_flag_right";
constexpr Object GAME_FLAGS = "game_flags";
constexpr Object VOICE_FLAG_LEFT = "voice_flag_left";
constexpr Object VOICE_FLAG_RIGHT = "voice_flag_right";
constexpr Object VOICE_FLAGS = "voice_flags";
constexpr Object ANSWER_YES = "answer_yes";
constexpr Object ANSWER_NO = "answer_no";
constexpr Object GAME_LANG = "game_lang";
constexpr Object VOICE_LANG = "voice_lang";
constexpr Object MAIN_LOGO = "main_logo";
constexpr Object PRESS_START_TO_CONTINUE = "press_start_to_continue";
constexpr Object PRESS_START_EXT = "press_start_ext";
// The three save slots: their buttons, their icons and the marks of the slot
// to be cleared.
constexpr int32_t NB_SLOTS = 3;
constexpr Object SLOTS[NB_SLOTS] = {"slot1", "slot2", "slot3"};
constexpr Object SLOT_ICONS[NB_SLOTS] = {"slot1_icon", "slot2_icon", "slot3_icon"};
constexpr Object CLEAR_SLOTS[NB_SLOTS] = {"clear_slot1", "clear_slot2", "clear_slot3"};

constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

// VARINT_MENU: the screen on show.
constexpr int32_t MENU_TITLE = 0;
constexpr int32_t MENU_MAIN = 1;
constexpr int32_t MENU_SLOTS = 10;
constexpr int32_t MENU_CLEAR_CHOOSE = 11;
constexpr int32_t MENU_CLEAR_CONFIRM = 12;
constexpr int32_t MENU_COPY_SOURCE = 15;
constexpr int32_t MENU_COPY_DESTINATION = 16;
constexpr int32_t MENU_COPY_CONFIRM = 17;
constexpr int32_t MENU_OPTIONS = 20;

// The effects of action 39.
constexpr int32_t EFFECT_FADE_IN = 1;
constexpr int32_t EFFECT_FADE_OUT = 2;
constexpr int32_t EFFECT_BLINK = 3;
constexpr int32_t FADE_MS = 150;
constexpr int32_t BLINK_MS = 1000;
constexpr int32_t CLICK_WAIT_MS = 1200;

// "Press start to continue" under the title.
constexpr uint32_t PRESS_START_TEXT = 0xc113d774;
constexpr uint32_t MENU_MUSIC = 0x47e6e6f9;
constexpr int32_t CREDITS_MINIGAME = 1;
constexpr int32_t NB_VOICE_LANGUAGES = 3;

// Sprite animations, by the CRC-32 of their names in the scene's description.
constexpr uint32_t SLOT_ICON_IDLE[NB_SLOTS] = {
    CoreCrc32Of("slot1_icon_idle"),
    CoreCrc32Of("slot2_icon_idle"),
    CoreCrc32Of("slot3_icon_idle"),
};
constexpr uint32_t SLOT_ICON_CLICK[NB_SLOTS] = {
    CoreCrc32Of("slot1_icon_click"),
    CoreCrc32Of("slot2_icon_click"),
    CoreCrc32Of("slot3_icon_click"),
};
constexpr uint32_t BACK_IDLE = CoreCrc32Of("back_idle");
constexpr uint32_t BACK_CLICK = CoreCrc32Of("back_click");
constexpr uint32_t GAME_FLAG_LEFT_IDLE = CoreCrc32Of("game_left_idle");
constexpr uint32_t GAME_FLAG_RIGHT_IDLE = CoreCrc32Of("game_right_idle");
constexpr uint32_t VOICE_FLAG_LEFT_IDLE = CoreCrc32Of("voice_left_idle");
constexpr uint32_t VOICE_FLAG_RIGHT_IDLE = CoreCrc32Of("voice_right_idle");
// The flag of each game language, and of each voice language.
constexpr uint32_t GAME_FLAG[GAME_LANGUAGE_COUNT] = {
    CoreCrc32Of("game_flag_en"), CoreCrc32Of("game_flag_fr"), CoreCrc32Of("game_flag_de"),
    CoreCrc32Of("game_flag_it"), CoreCrc32Of("game_flag_es"),
};
constexpr uint32_t VOICE_FLAG[NB_VOICE_LANGUAGES] = {
    CoreCrc32Of("voice_flag_en"),
    CoreCrc32Of("voice_flag_fr"),
    CoreCrc32Of("voice_flag_de"),
};

// A screen: its objects, the idle animations that showing it plays, and
// what hiding it also does.
enum class ScreenAnimations {
    None,
    Slots,
    Options
};
struct ScreenGroup {
    std::span<const Object> objects;
    ScreenAnimations eAnimations;
    // Hidden with the group, never shown by it.
    std::span<const Object> alsoHidden;
    // The back button may have been left half faded.
    bool bResetsBackAlpha;
};

constexpr Object MAIN_OBJECTS[] = {LOGO_01, MAINMENU_SKIN, START, OPTIONS, CREDITS, EXITTOWINDOWS};
constexpr Object SLOTS_OBJECTS[] = {BACK,     CLEARSLOT,     COPYSLOT,      SLOTS[0],     SLOTS[1],
                                    SLOTS[2], SLOT_ICONS[0], SLOT_ICONS[1], SLOT_ICONS[2]};
constexpr Object CLEAR1_OBJECTS[] = {BACK,     CLEAR_INSTRUCTIONS_1, SLOTS[0],      SLOTS[1],
                                     SLOTS[2], SLOT_ICONS[0],        SLOT_ICONS[1], SLOT_ICONS[2]};
constexpr Object CLEAR2_OBJECTS[] = {CLEAR_INSTRUCTIONS_2, ANSWER_YES, ANSWER_NO};
constexpr Object COPY1_OBJECTS[] = {BACK,     COPY_INSTRUCTIONS_1, SLOTS[0],      SLOTS[1],
                                    SLOTS[2], SLOT_ICONS[0],       SLOT_ICONS[1], SLOT_ICONS[2]};
constexpr Object COPY2_OBJECTS[] = {BACK,     COPY_INSTRUCTIONS_2, SLOTS[0],      SLOTS[1],
                                    SLOTS[2], SLOT_ICONS[0],       SLOT_ICONS[1], SLOT_ICONS[2]};
constexpr Object COPY_CONFIRM_OBJECTS[] = {COPY_CONFIRMATION, ANSWER_YES, ANSWER_NO};
constexpr Object OPTIONS_OBJECTS[] = {BACK,        GAME_FLAGS, GAME_LANG,       GAME_FLAG_LEFT,  GAME_FLAG_RIGHT,
                                      VOICE_FLAGS, VOICE_LANG, VOICE_FLAG_LEFT, VOICE_FLAG_RIGHT};

constexpr ScreenGroup MAIN_GROUP = {MAIN_OBJECTS, ScreenAnimations::None, {}, false};
constexpr ScreenGroup SLOTS_GROUP = {SLOTS_OBJECTS, ScreenAnimations::Slots, {}, true};
constexpr ScreenGroup CLEAR1_GROUP = {CLEAR1_OBJECTS, ScreenAnimations::Slots, {}, false};
constexpr ScreenGroup CLEAR2_GROUP = {CLEAR2_OBJECTS, ScreenAnimations::None, CLEAR_SLOTS, false};
constexpr ScreenGroup COPY1_GROUP = {COPY1_OBJECTS, ScreenAnimations::Slots, {}, false};
constexpr ScreenGroup COPY2_GROUP = {COPY2_OBJECTS, ScreenAnimations::Slots, {}, false};
constexpr ScreenGroup COPY_CONFIRM_GROUP = {COPY_CONFIRM_OBJECTS, ScreenAnimations::None, {}, false};
constexpr ScreenGroup OPTIONS_GROUP = {OPTIONS_OBJECTS, ScreenAnimations::Options, {}, true};

// One arrow of the options: the language it steps, its flags, and the next
// value for each current value.
struct LanguageArrow {
    int32_t iObject;
    int32_t iVarId;
    int32_t iActionType;
    int32_t iFlags;
    std::span<const uint32_t> flagAnimations;
    std::span<const int32_t> next;
};

constexpr int32_t GAME_DOWN[GAME_LANGUAGE_COUNT] = {4, 0, 1, 2, 3};
constexpr int32_t GAME_UP[GAME_LANGUAGE_COUNT] = {1, 2, 3, 4, 0};
constexpr int32_t VOICE_DOWN[NB_VOICE_LANGUAGES] = {2, 0, 1};
constexpr int32_t VOICE_UP[NB_VOICE_LANGUAGES] = {1, 2, 0};

class SceneScript_bg999 final : public SceneScript {
protected:
    void LinkSoundGroups() override;
    void BuildEnterActions() override;
    void BuildEvents() override;

private:
    void Show(const ScreenGroup& group);
    void Hide(const ScreenGroup& group);
    // Action 39 with the kind on every object of the group, 150 ms each.
    void Fade(const ScreenGroup& group, int32_t iKind);
    void Blink(int32_t iObject);
    // Waits on the logic actor: nothing runs for that long.
    void Pause(int32_t iMilliseconds);
    void SetMenu(int32_t iState) { SetIntVar(VARINT_MENU, iState); }
    // The blink of the clicked object and the pause that lets it be seen.
    void Acknowledge(int32_t iObject);
    // Leaves the main menu: its fade-out, then it is hidden.
    void LeaveMainMenu(int32_t iObject);
    // From a sub-screen of the slots back to the slot choice.
    void BackToSlots(const ScreenGroup& from);

    void BuildTitleHandler(int32_t iObject);
    void BuildSlotHandler(int32_t iSlot);
    void BuildAnswerHandler(int32_t iObject, bool bYes);
    void BuildBackHandler();
    void BuildLanguageHandler(const LanguageArrow& arrow);
};

void SceneScript_bg999::Show(const ScreenGroup& group)
{
    for (const int32_t iObject : group.objects)
        ShowObject(iObject, true);
    if (group.eAnimations == ScreenAnimations::Slots) {
        for (int32_t iSlot = 0; iSlot < NB_SLOTS; ++iSlot)
            PushHashAction23(SLOT_ICONS[iSlot], SLOT_ICON_IDLE[iSlot]);
        PushHashAction23(BACK, BACK_IDLE);
    }
    if (group.eAnimations != ScreenAnimations::Options)
        return;
    // The flags of the languages in use.
    for (int32_t iLanguage = 0; iLanguage < GAME_LANGUAGE_COUNT; ++iLanguage) {
        _IfInt(VARINT_C_GAME_LANGUAGE, Op_IntEqual, iLanguage);
        PushHashAction23(GAME_FLAGS, GAME_FLAG[iLanguage]);
        _EndMatch();
    }
    PushHashAction23(GAME_FLAG_LEFT, GAME_FLAG_LEFT_IDLE);
    PushHashAction23(GAME_FLAG_RIGHT, GAME_FLAG_RIGHT_IDLE);
    for (int32_t iLanguage = 0; iLanguage < NB_VOICE_LANGUAGES; ++iLanguage) {
        _IfInt(VARINT_C_VOICE_LANGUAGE, Op_IntEqual, iLanguage);
        PushHashAction23(VOICE_FLAGS, VOICE_FLAG[iLanguage]);
        _EndMatch();
    }
    PushHashAction23(VOICE_FLAG_LEFT, VOICE_FLAG_LEFT_IDLE);
    PushHashAction23(VOICE_FLAG_RIGHT, VOICE_FLAG_RIGHT_IDLE);
    PushHashAction23(BACK, BACK_IDLE);
}

void SceneScript_bg999::Hide(const ScreenGroup& group)
{
    for (const int32_t iObject : group.objects)
        ShowObject(iObject, false);
    for (const int32_t iObject : group.alsoHidden)
        ShowObject(iObject, false);
    if (group.bResetsBackAlpha)
        AddToQueue(BACK, ID_ACTION_TYPE_SET_ALPHA, Param::Int(255));
}

void SceneScript_bg999::Fade(const ScreenGroup& group, int32_t iKind)
{
    for (const int32_t iObject : group.objects)
        AddToQueue(iObject, ID_ACTION_TYPE_START_EFFECT, Param::Int(iKind), Param::Int(FADE_MS));
}

void SceneScript_bg999::Blink(int32_t iObject)
{
    AddToQueue(iObject, ID_ACTION_TYPE_START_EFFECT, Param::Int(EFFECT_BLINK), Param::Int(BLINK_MS));
}

void SceneScript_bg999::Pause(int32_t iMilliseconds)
{
    Wait(LOGIC_DIALOG, iMilliseconds);
    WaitUntilIdle(LOGIC_DIALOG);
}

void SceneScript_bg999::Acknowledge(int32_t iObject)
{
    Blink(iObject);
    Pause(CLICK_WAIT_MS);
}

void SceneScript_bg999::LeaveMainMenu(int32_t iObject)
{
    Acknowledge(iObject);
    Fade(MAIN_GROUP, EFFECT_FADE_OUT);
    Pause(FADE_MS);
    Hide(MAIN_GROUP);
}

void SceneScript_bg999::BackToSlots(const ScreenGroup& from)
{
    Hide(from);
    Show(SLOTS_GROUP);
    SetMenu(MENU_SLOTS);
}

void SceneScript_bg999::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg101_chapter_01"), InChapter(1));
}

void SceneScript_bg999::BuildEnterActions()
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_LOAD_SAVE_FILE);
    SetMenu(MENU_TITLE);
    SetInteractive(MAINMENU_SKIN, false);
    // The prompt's text is the script's, whatever the scene's file says.
    if (GetOwner() != nullptr)
        if (auto* pPrompt = dynamic_cast<Entity*>(GetOwner()->FindScriptable35()))
            pPrompt->m_uCaptionTextId = PRESS_START_TEXT;
    // The prompt blinks until the title is clicked.
    AddToQueue(PRESS_START_TO_CONTINUE, ID_ACTION_TYPE_START_EFFECT, Param::Int(EFFECT_BLINK), Param::Int(-1));
    for (const ScreenGroup* pGroup : {&MAIN_GROUP, &SLOTS_GROUP, &CLEAR1_GROUP, &CLEAR2_GROUP, &COPY1_GROUP,
                                      &COPY2_GROUP, &COPY_CONFIRM_GROUP, &OPTIONS_GROUP})
        Hide(*pGroup);
    PlayMusic(MENU_MUSIC);
}

void SceneScript_bg999::BuildTitleHandler(int32_t iObject)
{
    _IfMatch(MatchExpr::MakeEvent0(iObject));
    AddToQueue(MAIN_LOGO, ID_ACTION_TYPE_START_EFFECT, Param::Int(EFFECT_FADE_OUT), Param::Int(FADE_MS));
    Pause(FADE_MS);
    AddToQueue(PRESS_START_TO_CONTINUE, ID_ACTION_TYPE_STOP_EFFECT);
    ShowObject(PRESS_START_TO_CONTINUE, false);
    ShowObject(PRESS_START_EXT, false);
    ShowObject(MAIN_LOGO, false);
    SetMenu(MENU_MAIN);
    Show(MAIN_GROUP);
    _EndMatch();
}

void SceneScript_bg999::BuildSlotHandler(int32_t iSlot)
{
    // The states are tested in an order in which no block's new state is
    // tested by a later block: one click, one step.
    const int32_t iObject = SLOTS[iSlot];
    const int32_t iIcon = SLOT_ICONS[iSlot];
    _IfMatch(MatchExpr::MakeEvent0(iObject));
    PushHashAction23(iIcon, SLOT_ICON_CLICK[iSlot]);

    _IfInt(VARINT_MENU, Op_IntEqual, MENU_SLOTS);
    Blink(iObject);
    Blink(iIcon);
    SetIntVar(VARINT_C_SLOT_CURRENT, iSlot);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_START_CURRENT_SLOT);
    _EndMatch();

    _IfInt(VARINT_MENU, Op_IntEqual, MENU_CLEAR_CHOOSE);
    Blink(iObject);
    Blink(iIcon);
    Pause(CLICK_WAIT_MS);
    SetIntVar(VARINT_C_SLOT_CURRENT, iSlot);
    Hide(CLEAR1_GROUP);
    Show(CLEAR2_GROUP);
    ShowObject(CLEAR_SLOTS[iSlot], true);
    SetMenu(MENU_CLEAR_CONFIRM);
    _EndMatch();

    _IfInt(VARINT_MENU, Op_IntEqual, MENU_COPY_DESTINATION);
    Blink(iObject);
    Blink(iIcon);
    Pause(CLICK_WAIT_MS);
    SetIntVar(VARINT_C_SLOT_TO, iSlot);
    Hide(COPY2_GROUP);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_IS_SLOT_EMPTY, Param::Int(VARBOOL_RESERVED_10));
    // A used destination is only overwritten after the question.
    _IfBool(VARBOOL_RESERVED_10, 0);
    Show(COPY_CONFIRM_GROUP);
    SetMenu(MENU_COPY_CONFIRM);
    _ElseMatch();
    Show(SLOTS_GROUP);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_COPY_CURRENT_SLOT);
    SetMenu(MENU_SLOTS);
    _EndMatch();
    _EndMatch();

    _IfInt(VARINT_MENU, Op_IntEqual, MENU_COPY_SOURCE);
    Blink(iObject);
    Blink(iIcon);
    Pause(CLICK_WAIT_MS);
    SetIntVar(VARINT_C_SLOT_CURRENT, iSlot);
    Hide(COPY1_GROUP);
    Show(COPY2_GROUP);
    SetMenu(MENU_COPY_DESTINATION);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg999::BuildAnswerHandler(int32_t iObject, bool bYes)
{
    _IfMatch(MatchExpr::MakeEvent0(iObject));
    _IfInt(VARINT_MENU, Op_IntEqual, MENU_CLEAR_CONFIRM);
    Acknowledge(iObject);
    if (bYes)
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_CLEAR_CURRENT_SLOT);
    BackToSlots(CLEAR2_GROUP);
    _EndMatch();
    _IfInt(VARINT_MENU, Op_IntEqual, MENU_COPY_CONFIRM);
    Acknowledge(iObject);
    if (bYes)
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_COPY_CURRENT_SLOT);
    BackToSlots(COPY_CONFIRM_GROUP);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg999::BuildBackHandler()
{
    _IfMatch(MatchExpr::MakeEvent0(BACK));
    PushHashAction23(BACK, BACK_CLICK);

    _IfInt(VARINT_MENU, Op_IntEqual, MENU_SLOTS);
    Acknowledge(BACK);
    Fade(SLOTS_GROUP, EFFECT_FADE_OUT);
    Pause(FADE_MS);
    Hide(SLOTS_GROUP);
    Show(MAIN_GROUP);
    Fade(MAIN_GROUP, EFFECT_FADE_IN);
    SetMenu(MENU_MAIN);
    _EndMatch();

    for (const auto& [iState, pGroup] :
         {std::pair {MENU_CLEAR_CHOOSE, &CLEAR1_GROUP}, std::pair {MENU_COPY_SOURCE, &COPY1_GROUP},
          std::pair {MENU_COPY_DESTINATION, &COPY2_GROUP}}) {
        _IfInt(VARINT_MENU, Op_IntEqual, iState);
        Acknowledge(BACK);
        BackToSlots(*pGroup);
        _EndMatch();
    }

    // Leaving the options keeps the languages: a save without a current slot
    // writes only the save file's header.
    _IfInt(VARINT_MENU, Op_IntEqual, MENU_OPTIONS);
    Acknowledge(BACK);
    SetIntVar(VARINT_C_SLOT_CURRENT, -1);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SAVE_CURRENT_SLOT);
    Hide(OPTIONS_GROUP);
    Show(MAIN_GROUP);
    Fade(MAIN_GROUP, EFFECT_FADE_IN);
    SetMenu(MENU_MAIN);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg999::BuildLanguageHandler(const LanguageArrow& arrow)
{
    // VARBOOL_SET_LANGUAGE stops the blocks after the one that stepped, as
    // they test the value it has just changed.
    _IfMatch(MatchExpr::MakeEvent0(arrow.iObject));
    SetBoolVar(VARBOOL_SET_LANGUAGE, false);
    const int32_t iCount = static_cast<int32_t>(arrow.next.size());
    for (int32_t iValue = 0; iValue < iCount; ++iValue) {
        const MatchExpr oIsValue = MatchExpr::Int(arrow.iVarId, Op_IntEqual, iValue);
        if (iValue == 0)
            _IfMatch(oIsValue);
        else
            _IfMatch(Both(oIsValue, IsFalse(VARBOOL_SET_LANGUAGE)));
        const int32_t iNext = arrow.next[static_cast<size_t>(iValue)];
        AddToQueue(ID_SCRIPTABLE_INVALID, arrow.iActionType, Param::Int(iNext));
        PushHashAction23(arrow.iFlags, arrow.flagAnimations[static_cast<size_t>(iNext)]);
        SetIntVar(arrow.iVarId, iNext);
        SetBoolVar(VARBOOL_SET_LANGUAGE, true);
        _EndMatch();
    }
    AddToQueue(arrow.iObject, ID_ACTION_TYPE_START_EFFECT, Param::Int(EFFECT_BLINK), Param::Int(100));
    Pause(200);
    _EndMatch();
}

void SceneScript_bg999::BuildEvents()
{
    // Activate "main_logo" or "press_start_ext": from the title to the main
    // menu.
    BuildTitleHandler(MAIN_LOGO);
    BuildTitleHandler(PRESS_START_EXT);

    // Activate "start": the choice of a save slot.
    _IfMatch(MatchExpr::MakeEvent0(START));
    Acknowledge(START);
    Fade(MAIN_GROUP, EFFECT_FADE_OUT);
    Pause(FADE_MS);
    Hide(MAIN_GROUP);
    Show(SLOTS_GROUP);
    Fade(SLOTS_GROUP, EFFECT_FADE_IN);
    SetMenu(MENU_SLOTS);
    _EndMatch();

    // Activate "slot1" .. "slot3": start the game in the slot, or choose it
    // to be cleared, copied or copied onto.
    for (int32_t iSlot = 0; iSlot < NB_SLOTS; ++iSlot)
        BuildSlotHandler(iSlot);

    // Activate "clearslot": choose the slot to clear.
    _IfMatch(MatchExpr::MakeEvent0(CLEARSLOT));
    Blink(CLEARSLOT);
    Wait(CLEARSLOT, CLICK_WAIT_MS);
    WaitUntilIdle(CLEARSLOT);
    Hide(SLOTS_GROUP);
    Show(CLEAR1_GROUP);
    SetMenu(MENU_CLEAR_CHOOSE);
    _EndMatch();

    // Activate "copyslot": choose the slot to copy.
    _IfMatch(MatchExpr::MakeEvent0(COPYSLOT));
    Blink(COPYSLOT);
    Wait(COPYSLOT, CLICK_WAIT_MS);
    WaitUntilIdle(COPYSLOT);
    Hide(SLOTS_GROUP);
    Show(COPY1_GROUP);
    SetMenu(MENU_COPY_SOURCE);
    _EndMatch();

    // Activate "answer_yes" / "answer_no": the clear or the copy is done or
    // given up, back to the slots.
    BuildAnswerHandler(ANSWER_YES, true);
    BuildAnswerHandler(ANSWER_NO, false);

    // Activate "options": the languages.
    _IfMatch(MatchExpr::MakeEvent0(OPTIONS));
    LeaveMainMenu(OPTIONS);
    Show(OPTIONS_GROUP);
    SetMenu(MENU_OPTIONS);
    _EndMatch();

    // Activate "credits": the credits mini-game.
    _IfMatch(MatchExpr::MakeEvent0(CREDITS));
    LeaveMainMenu(CREDITS);
    StartMiniGame(CREDITS_MINIGAME);
    _EndMatch();

    // Activate "exittowindows": the program ends.
    _IfMatch(MatchExpr::MakeEvent0(EXITTOWINDOWS));
    LeaveMainMenu(EXITTOWINDOWS);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_QUIT);
    _EndMatch();

    // Activate "back": one screen back.
    BuildBackHandler();

    // Activate the arrows: step the game or the voice language.
    BuildLanguageHandler(
        {GAME_FLAG_LEFT, VARINT_C_GAME_LANGUAGE, ID_ACTION_TYPE_SET_GAME_LANGUAGE, GAME_FLAGS, GAME_FLAG, GAME_DOWN});
    BuildLanguageHandler(
        {GAME_FLAG_RIGHT, VARINT_C_GAME_LANGUAGE, ID_ACTION_TYPE_SET_GAME_LANGUAGE, GAME_FLAGS, GAME_FLAG, GAME_UP});
    BuildLanguageHandler({VOICE_FLAG_LEFT, VARINT_C_VOICE_LANGUAGE, ID_ACTION_TYPE_SET_VOICE_LANGUAGE, VOICE_FLAGS,
                          VOICE_FLAG, VOICE_DOWN});
    BuildLanguageHandler({VOICE_FLAG_RIGHT, VARINT_C_VOICE_LANGUAGE, ID_ACTION_TYPE_SET_VOICE_LANGUAGE, VOICE_FLAGS,
                          VOICE_FLAG, VOICE_UP});
}

} // namespace

// Scene 3, bg999_start_menu.
REGISTER_SCENE_SCRIPT(bg999, 3);
