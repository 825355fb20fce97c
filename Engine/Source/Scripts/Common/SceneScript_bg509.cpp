// The turtle chamber on Turtle island (scene 49, bg509_TU_TurtleChamber),
// behind the turtle door. Its story is chapter 10's, told in episodes that
// each entry picks by the story flags: Tanama brings her in to the old golden
// turtle and its strange device; back with the spirit egg she lays it in the
// incubator and the shaman and his guard burst in (CINE07); once the shaman
// makes amends the turtle rod opens the incubator and the egg hatches; the
// new turtle sends the shaman off, Alessandro and Briscoe arrive (CINE08),
// the dark zone's smoke clears, the chest appears, and once it is opened
// (STRIP09) she goes down to the turtle beach with the skull. Each step that
// changes who stands here enters the chamber anew.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg509_49>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"tanama"> TANAMA;
constexpr ActorNamed<"baba_c"> SHAMAN;
constexpr ActorNamed<"villager1"> GUARD;
constexpr ActorNamed<"golden_turtle"> TURTLE;
constexpr ActorNamed<"newgolden_turtle"> NEW_TURTLE;
constexpr ActorNamed<"alessandro_c"> ALESSANDRO;
constexpr ActorNamed<"thomas_b"> BRISCOE;

// The animation slot a character falls back to when not busy.
constexpr int32_t IDLE_ANIMATION_TYPE = 2;

// Waypoints of the chamber.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_TANAMA = 1;
constexpr int32_t WP_DOOR = 2;
constexpr int32_t WP_INSIDE_THE_DOOR = 3;
constexpr int32_t WP_BY_THE_SHAMAN = 4;
constexpr int32_t WP_BEFORE_THE_TURTLE = 5;
constexpr int32_t WP_SHAMAN = 6;
constexpr int32_t WP_GUARD = 7;
constexpr int32_t WP_TANAMA_LYING = 8;
constexpr int32_t WP_AFTER_THE_EGG = 9;
constexpr int32_t WP_ALESSANDRO = 11;
constexpr int32_t WP_TURTLE = 13;
constexpr int32_t WP_TANAMA_COMING_IN = 15;
constexpr int32_t WP_ALESSANDRO_COMING_IN = 16;
constexpr int32_t WP_BY_THE_DOOR = 17;
constexpr int32_t WP_HEROINE_COMING_IN = 18;
constexpr int32_t WP_INCUBATOR = 19;
constexpr int32_t WP_SHAKING_INCUBATOR = 20;
constexpr int32_t WP_SECRET_PANEL = 21;
constexpr int32_t WP_DARK_ZONE = 22;
constexpr int32_t WP_CHEST = 23;
constexpr int32_t WP_WAY_OUT = 24;

constexpr uint32_t CHAMBER_MUSIC = 0x2e44d392;
constexpr uint32_t CHAMBER_AMBIENCE = 0x21c2850a;
constexpr int32_t CHAPTER_TEN_SOUNDS = 0x6bde2666;
constexpr int32_t CHAMBER_SOUNDS = 0x7d893e17;
constexpr uint32_t STEPS_IN_SOUND = 0x4602994b;
constexpr uint32_t HATCHING_SOUND = 0x6ab87240;
constexpr uint32_t EGG_LAID_SOUND = 0x12a67b44;
constexpr uint32_t LAST_BREATH_SOUND = 0x1407eebb;

// The chest's sprite animations: shut, and thrown open.
constexpr uint32_t CHEST_SHUT = 0x8fca660e;
constexpr uint32_t CHEST_OPEN = 0xf1f9376e;
constexpr uint32_t EGG_RESTING = 0x28a75272;
constexpr uint32_t EGG_GLOWING = 0x7cf5959c;
// How much of the old turtle still shows once it has died.
constexpr int32_t FADED_TURTLE_ALPHA = 80;

// The dialogs that more than one handler or the enter actions start.
constexpr uint32_t DANGER_DIALOG = 0x727923c9;
constexpr uint32_t DEVICE_LOOK_DIALOG = 0xe4306059;
constexpr uint32_t DEVICE_USE_DIALOG = 0x65322f99;
constexpr uint32_t EGG_SHELL_DIALOG = 0xc084b838;

constexpr int32_t TURTLE_BEACH = 47; // bg506_TU_TurtleBeach
constexpr int32_t TURTLE_PATH = 48;  // bg508_TU_TurtlePath
constexpr int32_t CHAMBER = 49;      // this scene, entered anew
// Movies, and the previous state they return with (512 + movie).
constexpr int32_t MOVIE_CINE07 = 6;   // the shaman's men burst in on the egg
constexpr int32_t MOVIE_CINE08 = 7;   // Alessandro and Briscoe in the chamber
constexpr int32_t MOVIE_STRIP09 = 16; // the chest opened
constexpr int32_t BACK_FROM_CINE07 = 512 + MOVIE_CINE07;
// A marker that nothing acts on, queued when the wish is spent and when the
// chamber's story ends.
constexpr int32_t WISH_SPENT_MARKER = 11;
constexpr int32_t STORY_END_MARKER = 0;

class SceneScript_bg509 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void SetUpTheCast();
    void PlaceTheCast();
    void ArriveFrom();
    void FirstEntry();
    void TheReturn();
    void TheHatching();
    void TheArrival();
    void TheOpenedChest();

    void PlayMovie(int32_t iMovie);
    void Idle();

    void HeroineEvents();
    void TanamaEvents();
    void TurtleEvents();
    void NewTurtleEvents();
    void ShamanAndGuardEvents();
    void VisitorEvents();
    void IncubatorEvents();
    void EggBagOnTheIncubator();
    void PanelAndDarkZoneEvents();
};

void SceneScript_bg509::LinkActorSets()
{
    LinkActorSet("Egg_Hatched_And_Baba_Carrey_Here",
                 Both(IsTrue(VARBOOL_BG509_C10_USE_TURTLE_ROD_ON_SECRET_PANEL),
                      IsFalse(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANNER)));
    LinkActorSet("Baba_Carrey_Left", IsTrue(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANNER));
}

void SceneScript_bg509::LinkSoundGroups()
{
    LinkSoundGroup(CHAPTER_TEN_SOUNDS, InChapter(10));
    LinkSoundGroup(CHAMBER_SOUNDS, InEveryChapterBut(10));
}

void SceneScript_bg509::PlayMovie(int32_t iMovie)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(iMovie));
}

void SceneScript_bg509::Idle()
{
    Play(HEROINE, "g_idle_l");
}

void SceneScript_bg509::BuildEnterActions()
{
    PlayMusic(CHAMBER_MUSIC);
    PlayAmbience(CHAMBER_AMBIENCE);
    SetSceneDirection(1);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    WalkOnly(HEROINE, true);
    ResetObjects();
    SetUpTheCast();
    PlaceTheCast();
    ArriveFrom();

    _IfMatch(InChapter(10));
    FirstEntry();
    TheReturn();
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C10_INCUBATE_DONE), IsFalse(VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER)));
    SetBoolVar(VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER, true);
    Dialog(DANGER_DIALOG);
    _EndMatch();
    TheHatching();
    TheArrival();
    TheOpenedChest();
    _EndMatch();

    PushAction21(HEROINE, 0, 1);
}

void SceneScript_bg509::ResetObjects()
{
    ShowObject(Object("o_coffre_open_closed"), false);
    PushHashAction23(Object("o_coffre_open_closed"), CHEST_SHUT);
    ShowObject(Object("o_coffre"), false);
    ShowObject(Object("i_coffre_treasure"), false);
    SetInteractive(Object("secret_panel"), false);
    SetInteractive(Object("chest"), false);
    ShowObject(Object("i_turtle_egg"), false);
    ShowObject(Object("m_glass"), false);
    ShowObject(Object("fx_egg"), false);
    PushHashAction23(Object("fx_egg"), EGG_RESTING);
    ShowObject(Object("fx_globe"), false);
    ShowObject(Object("fx_danger"), false);
    SetInteractive(Object("incubator"), false);
    SetInteractive(Object("strange_device"), false);
    SetInteractive(Object("shaking_incubator"), false);
    ShowObject(Object("fade_golden_turtle"), false);

    _IfBool(VARBOOL_QUEST_C10_RETURN_DONE, 1);
    SetInteractive(Object("goto_bg508"), false);
    _EndMatch();
}

void SceneScript_bg509::SetUpTheCast()
{
    _IfBool(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANNER, 0);
    _IfBool(VARBOOL_QUEST_C10_INCUBATE_DONE, 0);
    ShowAndActivate(SHAMAN, false);
    ShowAndActivate(GUARD, false);
    SetInteractive(Object("incubator"), true);
    _ElseMatch();
    PushAddAttachment(SHAMAN, AttachmentNamed("stick_baba"), BONE_RIGHT_HAND);
    _IfBool(VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER, 0);
    PushAddAttachment(GUARD, AttachmentNamed("stick_guard"), BONE_RIGHT_HAND);
    _ElseMatch();
    // Disarmed, the guard rests in his second idle whenever he is not busy.
    AddToQueue(GUARD, ID_ACTION_TYPE_CHANGE_ANIMATION_TYPE, Param::Int(AnimationOf<"villager1">("idle02_l").m_iId),
               Param::Int(IDLE_ANIMATION_TYPE));
    _EndMatch();
    _EndMatch();
    // Once they have walked out on her they stay gone, also on an entry
    // from a saved game.
    _IfBool(VARBOOL_BG509_C10_EVENT_BETRAYAL, 1);
    ShowAndActivate(SHAMAN, false);
    ShowAndActivate(GUARD, false);
    _EndMatch();
    _ElseMatch();
    ShowAndActivate(BRISCOE, false);
    _EndMatch();

    // Until the turtle has explained it, the incubator is a strange device.
    _IfBool(VARBOOL_BG509_C10_TALK_GOLDEN_TURTLE_ABOUT_STRANGE_DEVICE, 0);
    SetInteractive(Object("strange_device"), true);
    SetInteractive(Object("incubator"), false);
    _EndMatch();

    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C10_INCUBATE_DONE), IsFalse(VARBOOL_BG509_C10_USE_TURTLE_ROD_ON_SECRET_PANEL)));
    ShowObject(Object("i_turtle_egg"), true);
    ShowObject(Object("m_glass"), true);
    ShowObject(Object("fx_danger"), true);
    SetInteractive(Object("shaking_incubator"), true);
    Play(TURTLE, "died_idle_l");
    ShowObject(Object("fade_golden_turtle"), true);
    AddToQueue(Object("fade_golden_turtle"), ID_ACTION_TYPE_SET_ALPHA, Param::Int(FADED_TURTLE_ALPHA));
    _EndMatch();

    _IfMatch(Both(IsTrue(VARBOOL_BG509_C10_INT_SHAKING_INCUBATOR),
                  IsFalse(VARBOOL_BG509_C10_USE_TURTLE_ROD_ON_SECRET_PANEL)));
    SetInteractive(Object("secret_panel"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG509_C10_EVENT_THE_BIG_REVEAL, 1);
    ShowObject(Object("fx_smoke"), false);
    SetInteractive(Object("dark_zone"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_LEAVE_IN_PEACE, 1);
    ShowObject(Object("o_coffre_open_closed"), true);
    PushHashAction23(Object("o_coffre_open_closed"), CHEST_SHUT);
    ShowObject(Object("o_coffre"), true);
    SetInteractive(Object("chest"), true);
    _EndMatch();
}

void SceneScript_bg509::PlaceTheCast()
{
    Place(HEROINE, WP_START);
    _IfMatch(
        Both(IsTrue(VARBOOL_BG509_C10_FIRST_TIME), IsFalse(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANNER)));
    Place(TANAMA, WP_TANAMA);
    // Since the shaman's men came in, Tanama lies hurt, or better once the
    // new turtle has healed her.
    _IfBool(VARBOOL_QUEST_C10_INCUBATE_DONE, 1);
    Place(TANAMA, WP_TANAMA_LYING);
    _IfBool(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANAMA, 0);
    PushAnimAction(TANAMA, "died_l", 1, 0);
    _ElseMatch();
    PushAnimAction(TANAMA, "better_l", 1, 0);
    _EndMatch();
    _EndMatch();
    _EndMatch();

    _IfBool(VARBOOL_BG509_C10_USE_TURTLE_ROD_ON_SECRET_PANEL, 0);
    Place(SHAMAN, WP_SHAMAN);
    Place(GUARD, WP_GUARD);
    Place(TURTLE, WP_TURTLE);
    _EndMatch();
    _IfMatch(Both(IsTrue(VARBOOL_BG509_C10_USE_TURTLE_ROD_ON_SECRET_PANEL),
                  IsFalse(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANAMA)));
    Place(SHAMAN, WP_SHAMAN);
    Place(GUARD, WP_GUARD);
    Place(NEW_TURTLE, WP_TURTLE);
    _EndMatch();
    _IfBool(VARBOOL_BG509_C10_EVENT_BETRAYAL, 1);
    Place(NEW_TURTLE, WP_TURTLE);
    Place(HEROINE, WP_BEFORE_THE_TURTLE);
    _EndMatch();
    _IfBool(VARBOOL_BG509_C10_ALESSANDRO_AND_BRISCOE_HERE, 1);
    Place(ALESSANDRO, WP_ALESSANDRO);
    _EndMatch();
}

void SceneScript_bg509::ArriveFrom()
{
    _IfMatch(Both(CameFrom(TURTLE_PATH), IsTrue(VARBOOL_BG509_C10_FIRST_TIME)));
    Place(HEROINE, WP_DOOR);
    GoTo(HEROINE, WP_INSIDE_THE_DOOR);
    _EndMatch();

    // The danger is always noted before the movie starts, so the return is
    // known by the movie alone: she stays where the men found her.
    _IfMatch(CameFrom(BACK_FROM_CINE07));
    Place(HEROINE, WP_AFTER_THE_EGG);
    TurnToward(HEROINE, SHAMAN, 0);
    Place(TANAMA, WP_TANAMA_LYING);
    _EndMatch();

    _IfMatch(CameFrom(CHAMBER));
    _IfMatch(Both(IsTrue(VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER),
                  IsFalse(VARBOOL_BG509_C10_USE_TURTLE_ROD_ON_SECRET_PANEL)));
    TurnToward(HEROINE, SHAMAN, 0);
    ShowObject(Object("fx_danger"), true);
    _EndMatch();
    Place(HEROINE, WP_SECRET_PANEL);
    _EndMatch();
}

void SceneScript_bg509::FirstEntry()
{
    // Tanama brings her in; the way out stays shut until their talk opens it.
    _IfBool(VARBOOL_BG509_C10_FIRST_TIME, 0);
    SetInteractive(Object("goto_bg508"), false);
    Place(TANAMA, WP_TANAMA_COMING_IN);
    Place(HEROINE, WP_DOOR);
    Together();
    PushAnimAction(TANAMA, "enterturtlechamber", 0, 1);
    Sound(HEROINE, STEPS_IN_SOUND, 1122);
    PushAnimAction(HEROINE, "enterturtlechamber", 0, 1);
    Idle();
    Place(HEROINE, WP_HEROINE_COMING_IN);
    Play(TANAMA, "idle_l");
    Apart();
    GoTo(TANAMA, WP_TANAMA);
    GoTo(HEROINE, WP_BEFORE_THE_TURTLE);
    Dialog(0xc6927503);
    SetBoolVar(VARBOOL_BG509_C10_FIRST_TIME, true);
    _EndMatch();
}

void SceneScript_bg509::TheReturn()
{
    // Back with the spirit egg: the incubation begins, and there is no way
    // out of the chamber until its story ends.
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C10_RETURN), IsFalse(VARBOOL_QUEST_C10_INCUBATE)));
    Place(HEROINE, WP_DOOR);
    GoTo(HEROINE, WP_BEFORE_THE_TURTLE);
    SetBoolVar(VARBOOL_QUEST_C10_RETURN_DONE, true);
    Dialog(0x3e85b654);
    SetInteractive(Object("goto_bg508"), false);
    SetBoolVar(VARBOOL_QUEST_C10_INCUBATE, true);
    _EndMatch();
}

void SceneScript_bg509::TheHatching()
{
    _IfMatch(Both(IsTrue(VARBOOL_BG509_C10_USE_TURTLE_ROD_ON_SECRET_PANEL),
                  IsFalse(VARBOOL_BG509_C10_EVENT_THE_EGG_HATCHES)));
    ShowObject(NEW_TURTLE, false);
    Play(HEROINE, "putsceptre03");
    Idle();
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SECOND_FADE_OUT, Param::Int(1000));
    Together();
    Play(HEROINE, "dazzled01");
    Play(SHAMAN, "dazzled01");
    Play(GUARD, "dazzled01");
    Play(HEROINE, "dazzled02_l");
    Play(SHAMAN, "dazzled02_l");
    Play(GUARD, "dazzled02_l");
    Apart();
    WaitForAll();
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SECOND_FADE_IN, Param::Int(1000));
    Together();
    ShowObject(NEW_TURTLE, true);
    EffectSound(HATCHING_SOUND);
    Play(NEW_TURTLE, "birth");
    Play(NEW_TURTLE, "idle_l");
    Play(HEROINE, "dazzled03");
    Play(SHAMAN, "dazzled03");
    Play(GUARD, "dazzled03");
    Idle();
    Play(SHAMAN, "idle_l");
    Play(GUARD, "idle02_l");
    Apart();
    TurnToward(HEROINE, NEW_TURTLE);
    TurnToward(SHAMAN, NEW_TURTLE);
    SetBoolVar(VARBOOL_BG509_C10_EVENT_THE_EGG_HATCHES, true);
    _EndMatch();
}

void SceneScript_bg509::TheArrival()
{
    const MatchExpr aboutTheTanner = IsTrue(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANNER);

    // Once they are here, the truth about the dark zone comes out.
    _IfMatch(Both(Both(aboutTheTanner, IsTrue(VARBOOL_BG509_C10_ALESSANDRO_AND_BRISCOE_HERE)),
                  IsFalse(VARBOOL_BG509_C10_EVENT_THE_BIG_REVEAL)));
    ShowObject(Object("fx_smoke"), false);
    SetInteractive(Object("dark_zone"), false);
    Place(HEROINE, WP_BEFORE_THE_TURTLE);
    Dialog(0xb99e7670);
    SetBoolVar(VARBOOL_BG509_C10_EVENT_THE_BIG_REVEAL, true);
    _EndMatch();

    _IfMatch(Both(Both(aboutTheTanner, IsFalse(VARBOOL_BG509_C10_ALESSANDRO_AND_BRISCOE_HERE)),
                  IsFalse(VARBOOL_BG509_C10_EVENT_THE_BIG_REVEAL)));
    Place(NEW_TURTLE, WP_TURTLE);
    Place(ALESSANDRO, WP_ALESSANDRO_COMING_IN);
    Place(BRISCOE, WP_BY_THE_DOOR);
    Place(HEROINE, WP_BEFORE_THE_TURTLE);
    Together();
    ShowObject(ALESSANDRO, true);
    PushAnimAction(ALESSANDRO, "enterturtlechamber", 0, 1);
    Play(ALESSANDRO, "g_idle_l");
    GoTo(ALESSANDRO, WP_ALESSANDRO);
    Wait(BRISCOE, 200);
    ShowObject(BRISCOE, true);
    PushAnimAction(BRISCOE, "enterturtlechamber", 0, 1);
    Play(BRISCOE, "g_idle_l");
    TurnToward(BRISCOE, HEROINE);
    Wait(HEROINE, 5000);
    Apart();
    WaitForAll();
    SetBoolVar(VARBOOL_BG509_C10_ALESSANDRO_AND_BRISCOE_HERE, true);
    TurnToward(HEROINE, ALESSANDRO);
    Dialog(0x34897154);
    GoTo(BRISCOE, WP_DOOR);
    ShowObject(BRISCOE, false);
    PlayMovie(MOVIE_CINE08);
    _EndMatch();
}

void SceneScript_bg509::TheOpenedChest()
{
    _IfBool(VARBOOL_BG509_C10_INT_CHEST, 1);
    Place(HEROINE, WP_CHEST);
    ShowObject(Object("i_coffre_treasure"), true);
    ShowObject(Object("o_coffre"), true);
    PushHashAction23(Object("o_coffre_open_closed"), CHEST_OPEN);
    ShowObject(Object("o_coffre_open_closed"), true);
    Play(HEROINE, "skull_talk_l");
    PushAddAttachment(HEROINE, AttachmentNamed("skull"), BONE_RIGHT_HAND);
    TurnToward(ALESSANDRO, HEROINE, 0);
    Dialog(0x1e635488);
    GoToScene(TURTLE_BEACH);
    NoEffect(STORY_END_MARKER);
    _EndMatch();
}

void SceneScript_bg509::BuildExitEvents()
{
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg508")));
    PushAction21(HEROINE, 0, 0);
    WalkTo(HEROINE, WP_WAY_OUT);
    GoToScene(TURTLE_PATH);
    WalkTo(HEROINE, WP_DOOR);
    _EndMatch();
}

void SceneScript_bg509::BuildEvents()
{
    HeroineEvents();
    TanamaEvents();
    TurtleEvents();
    NewTurtleEvents();
    ShamanAndGuardEvents();
    VisitorEvents();
    IncubatorEvents();
    PanelAndDarkZoneEvents();
}

void SceneScript_bg509::HeroineEvents()
{
    _IfEvent(OnCallback(0x7e751e50));
    SetInteractive(Object("goto_bg508"), true);
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent6(ItemNamed("ITEM_WHISTLE"), ItemNamed("ITEM_EDUARDO")));
    Play(HEROINE, "decoy");
    Idle();
    Dialog(0xc3d0ebf1);
    _EndMatch();

    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
}

void SceneScript_bg509::TanamaEvents()
{
    // Beside her, or where she lies once the shaman's men came in.
    const auto toTanama = [this](const EventDesc& oEvent, uint32_t uDialog) {
        _IfEvent(oEvent);
        _IfBool(VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER, 0);
        WalkTo(HEROINE, WP_BEFORE_THE_TURTLE);
        TurnToward(HEROINE, TANAMA);
        _ElseMatch();
        GoTo(HEROINE, WP_BY_THE_SHAMAN);
        _EndMatch();
        Dialog(uDialog);
        _EndMatch();
    };
    toTanama(ScriptEvent_FlaggedId1(TANAMA), 0x4b0c933e);
    toTanama(ScriptEvent_FlaggedId2(TANAMA), 0x787dbac6);
    PlayGesture(OnCallback(0x965b8cff), TANAMA, "talk_l");
    PlayGesture(OnCallback(0xe0d29c87), TANAMA, "idle_l");
}

void SceneScript_bg509::TurtleEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(TURTLE), HEROINE, WP_BEFORE_THE_TURTLE, 0xa9dcebcd);

    _IfEvent(ScriptEvent_FlaggedId2(TURTLE));
    GoTo(HEROINE, WP_BEFORE_THE_TURTLE);
    SelectCharacter(TURTLE);
    Dialog(0xf8c255bd);
    SelectCharacter(HEROINE);
    _IfMatch(Both(IsTrue(VARBOOL_BG509_C10_TALK_GOLDEN_TURTLE_ABOUT_STRANGE_DEVICE),
                  IsFalse(VARBOOL_QUEST_C10_INCUBATE_DONE)));
    SetInteractive(Object("strange_device"), false);
    SetInteractive(Object("incubator"), true);
    _EndMatch();
    // A wish kept from the golden turtle inn is spent here.
    _IfMatch(Both(Both(IsTrue(VARBOOL_BG307_C04_WISH_GOLDEN_TURTLE), IsTrue(VARBOOL_BG307_C04_A_WISH)),
                  IsTrue(VARBOOL_BG509_C10_TALK_GOLDEN_TURTLE_ABOUT_GOLDEN_TURTLE)));
    SetBoolVar(VARBOOL_BG307_C04_A_WISH, false);
    Dialog(0x080fc5dd);
    NoEffect(WISH_SPENT_MARKER);
    _EndMatch();
    _EndMatch();

    // The shell and the bird's egg answer only before the return journey.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(TURTLE, ItemNamed("ITEM_EGG_SHELL")));
    _IfBool(VARBOOL_QUEST_C10_RETURN, 0);
    GoTo(HEROINE, WP_BEFORE_THE_TURTLE);
    SelectCharacter(TURTLE);
    Dialog(EGG_SHELL_DIALOG);
    SelectCharacter(HEROINE);
    _EndMatch();
    _EndMatch();
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(TURTLE, ItemNamed("ITEM_BIRD_EGG")));
    _IfBool(VARBOOL_QUEST_C10_RETURN, 0);
    WalkTo(HEROINE, WP_INCUBATOR);
    TurnToward(HEROINE, TURTLE);
    Dialog(0xe7c2a774);
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0xbf784be7));
    TurnToward(HEROINE, TURTLE);
    _EndMatch();
}

void SceneScript_bg509::NewTurtleEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(NEW_TURTLE), HEROINE, WP_BEFORE_THE_TURTLE, 0x15744cd6);

    _IfEvent(ScriptEvent_FlaggedId2(NEW_TURTLE));
    GoTo(HEROINE, WP_BEFORE_THE_TURTLE);
    SelectCharacter(NEW_TURTLE);
    Dialog(0x79a661ed);
    SelectCharacter(HEROINE);
    // Healed Tanama: the shaman and his guard walk out on them.
    _IfMatch(
        Both(IsTrue(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANAMA), IsFalse(VARBOOL_BG509_C10_EVENT_BETRAYAL)));
    TurnToward(HEROINE, SHAMAN);
    Dialog(0xb9495e47);
    Together();
    Wait(SHAMAN, 500);
    GoTo(SHAMAN, WP_BY_THE_DOOR);
    GoTo(GUARD, WP_BY_THE_DOOR);
    Apart();
    WaitForAll();
    ShowAndActivate(SHAMAN, false);
    ShowAndActivate(GUARD, false);
    SetBoolVar(VARBOOL_BG509_C10_EVENT_BETRAYAL, true);
    _EndMatch();
    _IfMatch(Both(IsTrue(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANNER),
                  IsFalse(VARBOOL_BG509_C10_ALESSANDRO_AND_BRISCOE_HERE)));
    GoToScene(CHAMBER);
    _EndMatch();
    _IfMatch(Both(IsFalse(VARBOOL_BG509_C10_CHEST_HERE),
                  IsTrue(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_LEAVE_IN_PEACE)));
    SetInteractive(Object("chest"), true);
    PushHashAction23(Object("o_coffre_open_closed"), CHEST_SHUT);
    ShowObject(Object("o_coffre_open_closed"), true);
    ShowObject(Object("o_coffre"), true);
    PushAction60(Object("o_coffre"), 1000, 1);
    PushAction60(Object("o_coffre_open_closed"), 1000, 1);
    SetBoolVar(VARBOOL_BG509_C10_CHEST_HERE, true);
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0x9c40e13e));
    SelectCharacter(TANAMA);
    Play(TANAMA, "gobetter");
    Play(TANAMA, "better_l");
    _EndMatch();

    _IfEvent(OnCallback(0x98230f84));
    TurnToward(HEROINE, NEW_TURTLE);
    _EndMatch();
}

void SceneScript_bg509::ShamanAndGuardEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(SHAMAN));
    WalkTo(HEROINE, WP_BY_THE_SHAMAN);
    TurnToward(HEROINE, SHAMAN);
    Dialog(0x366a7a58);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(SHAMAN));
    WalkTo(HEROINE, WP_BY_THE_SHAMAN);
    TurnToward(HEROINE, SHAMAN);
    TurnToward(SHAMAN, HEROINE);
    Dialog(0x051b53a0);
    GoTo(SHAMAN, WP_SHAMAN);
    _EndMatch();
    PlayGesture(OnCallback(0x389b986d), SHAMAN, "talk_l");
    PlayGesture(OnCallback(0x1620e7a5), SHAMAN, "idle_l");

    _IfEvent(ScriptEvent_FlaggedId1(GUARD));
    WalkTo(HEROINE, WP_BY_THE_SHAMAN);
    TurnToward(HEROINE, GUARD);
    Dialog(0xec799ad3);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(GUARD));
    WalkTo(HEROINE, WP_BY_THE_SHAMAN);
    TurnToward(HEROINE, GUARD);
    Dialog(0x4a35f4f3);
    _EndMatch();
}

void SceneScript_bg509::VisitorEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(ALESSANDRO));
    WalkTo(HEROINE, WP_BEFORE_THE_TURTLE);
    TurnToward(HEROINE, ALESSANDRO);
    Dialog(0x45d7b757);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(ALESSANDRO));
    WalkTo(HEROINE, WP_BEFORE_THE_TURTLE);
    TurnToward(HEROINE, ALESSANDRO);
    Dialog(0xb86dddd1);
    _EndMatch();
    PlayGesture(OnCallback(0x660fbec0), ALESSANDRO, "g_talk_l");
    PlayGesture(OnCallback(0x0c1f2fc2), ALESSANDRO, "g_idle_l");
    PlayGesture(OnCallback(0x1a358376), BRISCOE, "g_talk_l");
    PlayGesture(OnCallback(0x64afab29), BRISCOE, "g_idle_l");
}

void SceneScript_bg509::IncubatorEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("strange_device")));
    GoTo(HEROINE, WP_INCUBATOR);
    Dialog(DEVICE_LOOK_DIALOG);
    SetBoolVar(VARBOOL_BG509_C10_INT_INCUBATOR, true);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("strange_device")));
    GoTo(HEROINE, WP_INCUBATOR);
    Dialog(DEVICE_USE_DIALOG);
    SetBoolVar(VARBOOL_BG509_C10_INT_INCUBATOR, true);
    _EndMatch();
    LookAndActivate(Object("incubator"), HEROINE, WP_INCUBATOR, DEVICE_LOOK_DIALOG, DEVICE_USE_DIALOG);

    _IfEvent(ScriptEvent_ItemOnObject3(Object("incubator"), ItemNamed("ITEM_EGG_SHELL")));
    _IfBool(VARBOOL_QUEST_C10_RETURN, 0);
    GoTo(HEROINE, WP_BEFORE_THE_TURTLE);
    Dialog(EGG_SHELL_DIALOG);
    _EndMatch();
    _EndMatch();
    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("incubator"), ItemNamed("ITEM_BIRD_EGG")), HEROINE, WP_INCUBATOR,
                0x35662fd1);
    EggBagOnTheIncubator();

    _IfEvent(OnCallback(0xe420ca1a));
    Sound(HEROINE, LAST_BREATH_SOUND, 660);
    Play(TURTLE, "died");
    Play(TURTLE, "died_idle_l");
    _EndMatch();

    WalkAndTalk(ScriptEvent_Object1(Object("shaking_incubator")), HEROINE, WP_SHAKING_INCUBATOR, 0x28ffc242);
    _IfMatch(MatchExpr::MakeEvent0(Object("shaking_incubator")));
    GoTo(HEROINE, WP_SHAKING_INCUBATOR);
    Dialog(0x2154b8cc);
    _IfBool(VARBOOL_BG509_C10_TALK_BABA_ABOUT_MAKE_AMENDS, 1);
    SetBoolVar(VARBOOL_BG509_C10_INT_SHAKING_INCUBATOR, true);
    SetInteractive(Object("secret_panel"), true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg509::EggBagOnTheIncubator()
{
    _IfEvent(ScriptEvent_ItemOnObject3(Object("incubator"), ItemNamed("ITEM_EGG_BAG")));
    GoTo(HEROINE, WP_INCUBATOR);
    Play(HEROINE, "g_leaveobjectmiddlelow01");
    ShowObject(Object("i_turtle_egg"), true);
    Take(HEROINE, ItemNamed("ITEM_EGG_BAG"));
    EffectSound(EGG_LAID_SOUND);
    Play(HEROINE, "g_leaveobjectmiddlelow02");
    Idle();
    Together();
    ShowObject(Object("fx_egg"), true);
    PushHashAction23(Object("fx_egg"), EGG_GLOWING);
    ShowObject(Object("fx_egg"), false);
    Wait(Object("fx_globe"), 1000);
    ShowObject(Object("fx_globe"), true);
    Apart();
    Dialog(0x34834b8d);
    SetBoolVar(VARBOOL_QUEST_C10_INCUBATE_DONE, true);

    // The shaman and his guard burst in, armed.
    PushAddAttachment(GUARD, AttachmentNamed("stick_guard"), BONE_RIGHT_HAND);
    Place(GUARD, WP_DOOR);
    ShowAndActivate(GUARD, true);
    PushAddAttachment(SHAMAN, AttachmentNamed("stick_baba"), BONE_RIGHT_HAND);
    Place(SHAMAN, WP_DOOR);
    ShowAndActivate(SHAMAN, true);
    Together();
    GoTo(GUARD, WP_GUARD);
    Wait(SHAMAN, 800);
    GoTo(SHAMAN, WP_SHAMAN);
    Wait(HEROINE, 600);
    TurnToward(HEROINE, SHAMAN);
    Wait(TANAMA, 600);
    TurnToward(TANAMA, SHAMAN);
    Apart();
    Wait(ActorScriptableId(ActorIdOf("logic_dialog")), 1000);
    Dialog(DANGER_DIALOG);
    PushAction60(Object("fade_golden_turtle"), 1000, 1);
    SetBoolVar(VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER, true);
    PlayMovie(MOVIE_CINE07);
    _EndMatch();
}

void SceneScript_bg509::PanelAndDarkZoneEvents()
{
    LookAndActivate(Object("secret_panel"), HEROINE, WP_SECRET_PANEL, 0x03ffdc72, 0x0bbf7855);
    _IfEvent(ScriptEvent_ItemOnObject3(Object("secret_panel"), ItemNamed("ITEM_TURTLE_ROD")));
    GoTo(HEROINE, WP_SECRET_PANEL);
    Play(HEROINE, "putsceptre01");
    PushAddAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"), BONE_RIGHT_HAND);
    SetBoolVar(VARBOOL_BG509_C10_USE_TURTLE_ROD_ON_SECRET_PANEL, true);
    GoToScene(CHAMBER);
    Play(HEROINE, "putsceptre02");
    _EndMatch();

    LookAndActivate(Object("dark_zone"), HEROINE, WP_DARK_ZONE, 0xa1f91a89, 0x20fb5549);
    WalkAndTalk(ScriptEvent_Object1(Object("chest")), HEROINE, WP_CHEST, 0xb82f3aa8);
    _IfMatch(MatchExpr::MakeEvent0(Object("chest")));
    GoTo(HEROINE, WP_CHEST);
    SetBoolVar(VARBOOL_BG509_C10_INT_CHEST, true);
    PlayMovie(MOVIE_STRIP09);
    _EndMatch();
}

} // namespace

// Scene 49, bg509_TU_TurtleChamber.
REGISTER_SCENE_SCRIPT(bg509, 49);
