// The altar house on Turtle island seen from outside (scene 45,
// bg504_TU_AltarHouseExterior). Chapter 9: a sleepy islander guards the house,
// the basket holds slimy caterpillars, and the first way out of the house is
// a jump down through the hole in its roof. Chapter 10: once Tanama has told
// her of the shaman's hut the stairs up to it open; at their foot the shaman
// and Hilary come down to meet her. Coming down again with the spirit egg,
// two guards hold her until Uncle Eduardo, called with the whistle, scares
// the sleepy one off and Diego comes to take her to the turtle chamber.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg504_45>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"villager1"> GUARD;
constexpr ActorNamed<"villager2"> SLEEPY_GUARD;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"uncle_eduardo"> EDUARDO;
constexpr ActorNamed<"baba_c"> SHAMAN;
constexpr ActorNamed<"hilary"> HILARY;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

// Waypoints of the clearing before the altar house.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_FROM_THE_RUINS = 1;
constexpr int32_t WP_OUT_OF_THE_RUINS = 2;
constexpr int32_t WP_FROM_THE_BEACH = 3;
constexpr int32_t WP_OUT_OF_THE_BEACH = 4;
constexpr int32_t WP_SLEEPY_GUARD = 5;
constexpr int32_t WP_BY_THE_SLEEPY_GUARD = 6;
constexpr int32_t WP_GUARD = 7;
constexpr int32_t WP_DOWN_FROM_THE_HUT = 8;
constexpr int32_t WP_FOOT_OF_THE_STAIRS = 9;
constexpr int32_t WP_SHAMAN_DOWN = 10;
constexpr int32_t WP_HILARY_DOWN = 11;
constexpr int32_t WP_SHAMAN_STAYS = 12;
constexpr int32_t WP_HILARY_STAYS = 13;
constexpr int32_t WP_DIEGO = 14;
constexpr int32_t WP_SHAMAN_ON_THE_STAIRS = 15;
constexpr int32_t WP_HILARY_ON_THE_STAIRS = 16;
constexpr int32_t WP_BELOW_THE_ROOF = 17;
constexpr int32_t WP_EDUARDO = 18;
constexpr int32_t WP_SLEEPY_GUARD_FLEES = 19;
constexpr int32_t WP_FREED = 20;
constexpr int32_t WP_DIEGO_COMES = 21;
constexpr int32_t WP_DIEGO_GOES = 22;
constexpr int32_t WP_EDUARDO_COMES = 23;
constexpr int32_t WP_BEFORE_THE_STAIRS = 24;
constexpr int32_t WP_BELOW_THE_STAIRS = 25;
constexpr int32_t WP_TOP_OF_THE_STAIRS = 26;
constexpr int32_t WP_OFF_THE_STAIRS = 28;
constexpr int32_t WP_HUT = 29;
constexpr int32_t WP_HOLE_IN_ROOF = 30;
constexpr int32_t WP_RED_FLOWER = 31;
constexpr int32_t WP_TURTLE_STONE = 32;
constexpr int32_t WP_BASKET = 33;
constexpr int32_t WP_BEACH_PATH = 35;
constexpr int32_t WP_UP_THE_STAIRS = 36;

// The walk blockers: the foot of the stairs (two), the altar's corner and the
// path to the beach.
constexpr int32_t STAIRS_BLOCKER = 0;
constexpr int32_t STAIRS_SIDE_BLOCKER = 1;
constexpr int32_t ALTAR_BLOCKER = 2;
constexpr int32_t BEACH_BLOCKER = 3;

constexpr uint32_t ALTAR_MUSIC = 0x653e13c1;
constexpr uint32_t JUNGLE_AMBIENCE = 0x304e8c72;
constexpr uint32_t LANDING_SOUND = 0x47e79001;
constexpr uint32_t GUARDS_FLEE_SOUND = 0x2a7349f6;
constexpr uint32_t EDUARDO_CALL_SOUND = 0x52de427d;
constexpr int32_t CHAPTER_NINE_SOUNDS = 0x15b6ae6d;
constexpr int32_t CHAPTER_TEN_SOUNDS = 0x75712788;
constexpr int32_t EARLIER_SOUNDS = 0x668c2bc6;

// The guard's challenge, which the rescue plays again.
constexpr uint32_t CHALLENGE_DIALOG = 0x369afb93;

// The scenes she comes from and goes to.
constexpr int32_t BEAUTY_BAY = 43;
constexpr int32_t RUINS = 44;
constexpr int32_t ALTAR_HOUSE_EXTERIOR = 45;
constexpr int32_t ALTAR_HOUSE_INTERIOR = 46;
constexpr int32_t TURTLE_BEACH = 47;
constexpr int32_t TURTLE_PATH = 48;
constexpr int32_t TURTLE_CHAMBER = 49;
constexpr int32_t SHAMANS_HUT = 50;

class SceneScript_bg504 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter9();
    void EnterChapter10();
    void ArriveFrom();
    void DownFromTheHut();

    void GuardEvents();
    void RescueByDiego();
    void SleepyGuardEvents();
    void EduardoEvents();
    void SceneryEvents();
    void BasketEvents();
    void HeroineCallbacks();
    void StairsCallbacks();
    void TalkCallbacks();

    // She goes back to her idle loop.
    void Idle();
    void Shadow(int32_t iActorId, bool bOn);
    void Blockers(std::initializer_list<int32_t> blockers, bool bOn);
};

// Chapter 10, held at the foot of the stairs: the spirit egg is taken and the
// sleepy guard not yet tricked.
MatchExpr HeldByTheGuards()
{
    return Both(Both(InChapter(10), IsFalse(VARBOOL_BG504_C10_USE_EDUARDO_ON_SLEEPY_GUARD)),
                IsTrue(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE));
}

void SceneScript_bg504::LinkActorSets()
{
    LinkActorSet("Shaman_And_Hilary", Both(InChapter(10), IsFalse(VARBOOL_BG504_C10_SHAMAN_AND_HILARY)));
}

void SceneScript_bg504::LinkSoundGroups()
{
    LinkSoundGroup(CHAPTER_NINE_SOUNDS, InChapter(9));
    LinkSoundGroup(CHAPTER_TEN_SOUNDS, InChapter(10));
    LinkSoundGroup(EARLIER_SOUNDS, InChapters({1, 2, 3, 4, 5, 6, 7, 8}));
}

void SceneScript_bg504::Idle()
{
    Play(HEROINE, "g_idle_l");
}

void SceneScript_bg504::Shadow(int32_t iActorId, bool bOn)
{
    AddToQueue(iActorId, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(bOn));
}

void SceneScript_bg504::Blockers(std::initializer_list<int32_t> blockers, bool bOn)
{
    for (const int32_t iBlocker : blockers)
        PushAction21(HEROINE, iBlocker, bOn ? 1 : 0);
}

void SceneScript_bg504::BuildEnterActions()
{
    PlayMusic(ALTAR_MUSIC);
    PlayAmbience(JUNGLE_AMBIENCE);
    SetSceneDirection(6);
    SetInteractive(Object("basket"), false);
    ShowObject(Object("fx_caterpillars"), false);

    _IfMatch(InChapter(9));
    EnterChapter9();
    _ElseMatch();
    EnterChapter10();
    _EndMatch();

    Place(HEROINE, WP_START);
    ArriveFrom();

    _IfMatch(Both(HeldByTheGuards(), IsTrue(VARBOOL_BG504_C10_EDUARDO_HERE)));
    ShowAndActivate(EDUARDO, true);
    Place(EDUARDO, WP_EDUARDO);
    Shadow(EDUARDO, false);
    _EndMatch();

    Blockers({ALTAR_BLOCKER, BEACH_BLOCKER}, true);
}

void SceneScript_bg504::EnterChapter9()
{
    ShowAndActivate(DIEGO, false);
    ShowAndActivate(GUARD, false);
    ShowAndActivate(EDUARDO, false);
    SetInteractive(Object("goto_bg511"), false);
    _IfBool(VARBOOL_BG504_C09_PICK_SLIMY_CATERPILLAR, 0);
    SetInteractive(Object("basket"), true);
    ShowObject(Object("fx_caterpillars"), true);
    _EndMatch();

    ShowAndActivate(SLEEPY_GUARD, true);
    Place(SLEEPY_GUARD, WP_SLEEPY_GUARD);
    PushAddAttachment(SLEEPY_GUARD, AttachmentNamed("stick_villager"), BONE_RIGHT_HAND);
    PushAnimAction(SLEEPY_GUARD, "idle_l", 1, 0);
    ShowAndActivate(GUARD, false);
    Blockers({STAIRS_BLOCKER, STAIRS_SIDE_BLOCKER}, true);
}

void SceneScript_bg504::EnterChapter10()
{
    Blockers({STAIRS_BLOCKER, STAIRS_SIDE_BLOCKER}, true);
    ShowObject(Object("o_portcullis"), false);
    _IfBool(VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT, 0);
    SetInteractive(Object("goto_bg511"), false);
    ShowObject(Object("o_portcullis"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG504_C10_SHAMAN_AND_HILARY, 1);
    ShowAndActivate(DIEGO, false);
    ShowAndActivate(GUARD, false);
    ShowAndActivate(EDUARDO, false);
    _ElseMatch();
    // The shaman and Hilary stay out of sight until they come down the stairs.
    ShowAndActivate(SHAMAN, false);
    ShowAndActivate(HILARY, false);
    Blockers({STAIRS_BLOCKER, STAIRS_SIDE_BLOCKER}, true);
    _EndMatch();

    Place(SLEEPY_GUARD, WP_SLEEPY_GUARD);
    _IfBool(VARBOOL_BG504_C10_USE_EDUARDO_ON_SLEEPY_GUARD, 0);
    ShowAndActivate(SLEEPY_GUARD, true);
    PushAddAttachment(SLEEPY_GUARD, AttachmentNamed("stick_villager"), BONE_RIGHT_HAND);
    _IfBool(VARBOOL_BG504_C10_EDUARDO_HERE, 1);
    ShowObject(EDUARDO, true);
    Play(EDUARDO, "comealtarexterioridle_l");
    Place(EDUARDO, WP_EDUARDO);
    SetInteractive(EDUARDO, true);
    _EndMatch();
    _ElseMatch();
    ShowAndActivate(SLEEPY_GUARD, false);
    _EndMatch();

    _IfBool(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE, 1);
    ShowAndActivate(GUARD, true);
    Place(GUARD, WP_GUARD);
    PushAddAttachment(GUARD, AttachmentNamed("stick_guard"), BONE_RIGHT_HAND);
    _EndMatch();

    _IfBool(VARBOOL_BG504_C10_SAVED, 1);
    ShowAndActivate(DIEGO, true);
    Place(DIEGO, WP_DIEGO);
    _EndMatch();
}

void SceneScript_bg504::ArriveFrom()
{
    _IfMatch(CameFrom(ALTAR_HOUSE_EXTERIOR));
    Place(HEROINE, WP_BELOW_THE_STAIRS);
    _EndMatch();
    for (const int32_t iFrom : {BEAUTY_BAY, RUINS}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_FROM_THE_RUINS);
        GoTo(HEROINE, WP_OUT_OF_THE_RUINS);
        _EndMatch();
    }
    for (const int32_t iFrom : {TURTLE_BEACH, TURTLE_PATH}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_FROM_THE_BEACH);
        GoTo(HEROINE, WP_OUT_OF_THE_BEACH);
        _EndMatch();
    }

    // Out of the house the first time, she jumps down through the roof.
    _IfMatch(CameFrom(ALTAR_HOUSE_INTERIOR));
    Place(HEROINE, WP_BELOW_THE_ROOF);
    _IfBool(VARBOOL_BG504_C09_THROUGH_THE_ROOF_HOLE, 0);
    EffectSound(LANDING_SOUND);
    PushAnimAction(HEROINE, "jumpaltarexterior", 0, 1);
    Idle();
    Place(HEROINE, WP_BELOW_THE_ROOF);
    Dialog(0xf74b083c);
    SetBoolVar(VARBOOL_BG504_C09_THROUGH_THE_ROOF_HOLE, true);
    SetBoolVar(VARBOOL_TU_MAP_BG504, true);
    _EndMatch();
    _EndMatch();

    _IfMatch(CameFrom(SHAMANS_HUT));
    DownFromTheHut();
    _EndMatch();
}

void SceneScript_bg504::DownFromTheHut()
{
    Place(HEROINE, WP_DOWN_FROM_THE_HUT);
    _IfBool(VARBOOL_BG504_C10_OUT_FROM_BG511, 1);
    Place(HEROINE, WP_FOOT_OF_THE_STAIRS);
    _ElseMatch();
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE), IsFalse(VARBOOL_BG504_C10_SAVED)));
    // The guards are waiting for her at the foot of the stairs: she is held
    // there, and the player leads the sleepy guard until he is tricked.
    Blockers({STAIRS_BLOCKER}, true);
    PushAnimAction(HEROINE, "outhutte", 0, 1);
    Idle();
    Place(HEROINE, WP_FOOT_OF_THE_STAIRS);
    _IfBool(VARBOOL_BG504_C10_USE_EDUARDO_ON_SLEEPY_GUARD, 0);
    SelectCharacter(SLEEPY_GUARD);
    _IfBool(VARBOOL_BG504_C10_LEAVING_THE_SHAMANS_HUT, 0);
    TurnToward(HEROINE, GUARD, 0);
    Dialog(0xd2235cc2);
    SetBoolVar(VARBOOL_BG504_C10_LEAVING_THE_SHAMANS_HUT, true);
    _EndMatch();
    _ElseMatch();
    Place(HEROINE, WP_FOOT_OF_THE_STAIRS);
    _EndMatch();
    for (const int32_t iObject : {Object("goto_bg502"), Object("goto_bg506"), Object("hole_in_roof"),
                                  Object("red_flower"), Object("the_hut"), Object("turtle_stone")})
        SetInteractive(iObject, false);
    _ElseMatch();
    Shadow(HEROINE, false);
    PushAnimAction(HEROINE, "stairsdown", 0, 1);
    Idle();
    Place(HEROINE, WP_OFF_THE_STAIRS);
    Shadow(HEROINE, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg504::BuildExitEvents()
{
    // While she is held, the exits only turn her toward a guard.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg502")));
    _IfMatch(HeldByTheGuards());
    TurnToward(HEROINE, SLEEPY_GUARD, 0);
    _ElseMatch();
    WalkTo(HEROINE, WP_OUT_OF_THE_RUINS);
    GoToScene(RUINS);
    WalkTo(HEROINE, WP_FROM_THE_RUINS);
    SetBoolVar(VARBOOL_BG504_C10_OUT_FROM_BG511, false);
    _EndMatch();
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg506")));
    _IfMatch(HeldByTheGuards());
    TurnToward(HEROINE, GUARD, 0);
    _ElseMatch();
    _IfBool(VARBOOL_BG504_C09_INT_PATH_1, 0);
    WalkTo(HEROINE, WP_BEACH_PATH);
    Dialog(0x6d7e31fb);
    SetBoolVar(VARBOOL_BG504_C09_INT_PATH_1, true);
    _EndMatch();
    Blockers({BEACH_BLOCKER}, false);
    WalkTo(HEROINE, WP_FROM_THE_BEACH);
    SetBoolVar(VARBOOL_BG504_C10_OUT_FROM_BG511, false);
    GoToScene(TURTLE_BEACH);
    _EndMatch();
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg511")));
    _IfBool(VARBOOL_BG504_C10_INT_SHAMANS_HUT, 0);
    // The first time at the stairs the shaman and Hilary come down to her.
    Blockers({STAIRS_BLOCKER, STAIRS_SIDE_BLOCKER}, false);
    GoTo(HEROINE, WP_BEFORE_THE_STAIRS);
    Dialog(0x00260f58);
    SetBoolVar(VARBOOL_BG504_C10_INT_SHAMANS_HUT, true);
    Dialog(0xffa79a15);
    Together();
    GoTo(SHAMAN, WP_SHAMAN_STAYS);
    GoTo(HILARY, WP_HILARY_STAYS);
    Apart();
    SetBoolVar(VARBOOL_BG504_C10_SHAMAN_AND_HILARY, true);
    GoToScene(ALTAR_HOUSE_EXTERIOR);
    _ElseMatch();
    _IfMatch(MatchExpression(Op_Or, IsFalse(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE), IsTrue(VARBOOL_BG504_C10_SAVED)));
    Blockers({STAIRS_BLOCKER, STAIRS_SIDE_BLOCKER}, false);
    GoTo(HEROINE, WP_UP_THE_STAIRS);
    Shadow(HEROINE, false);
    PushAnimAction(HEROINE, "stairsup", 0, 1);
    _EndMatch();
    SetBoolVar(VARBOOL_BG504_C10_OUT_FROM_BG511, false);
    GoToScene(SHAMANS_HUT);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg504::BuildEvents()
{
    LookAndActivate(Object("the_hut"), HEROINE, WP_HUT, 0x00a84ec8, 0xcff0905c);
    GuardEvents();
    SleepyGuardEvents();
    EduardoEvents();
    SceneryEvents();
    BasketEvents();
    HeroineCallbacks();
    StairsCallbacks();
    TalkCallbacks();
}

void SceneScript_bg504::GuardEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(GUARD));
    Dialog(0x66ce9411);
    _EndMatch();

    _IfEvent(ScriptEvent_FlaggedId2(GUARD));
    _IfBool(VARBOOL_BG504_C10_USE_EDUARDO_ON_SLEEPY_GUARD, 0);
    TurnToward(HEROINE, GUARD, 0);
    Dialog(CHALLENGE_DIALOG);
    _ElseMatch();
    RescueByDiego();
    _EndMatch();
    _EndMatch();
}

// The sleepy guard tricked, she challenges the other one: both flee, and
// Diego comes to take her to the turtle chamber.
void SceneScript_bg504::RescueByDiego()
{
    Blockers({STAIRS_BLOCKER}, false);
    Shadow(HEROINE, false);
    GoTo(HEROINE, WP_FOOT_OF_THE_STAIRS);
    Together();
    Play(GUARD, "stairsdown");
    Play(GUARD, "stairsdown02idle_l");
    PushAnimAction(HEROINE, "outhutte2", 0, 1);
    Idle();
    Place(HEROINE, WP_FREED);
    Apart();
    Shadow(HEROINE, true);
    Dialog(CHALLENGE_DIALOG);
    Dialog(0x4e058a2a);
    SetBoolVar(VARBOOL_BG504_C10_CHALLENGED, true);
    Play(GUARD, "stairsdown02idle_l");
    Idle();
    Place(SLEEPY_GUARD, WP_SLEEPY_GUARD_FLEES);
    ShowAndActivate(SLEEPY_GUARD, true);
    EffectSound(GUARDS_FLEE_SOUND);
    Together();
    Play(SLEEPY_GUARD, "fly01");
    Play(SLEEPY_GUARD, "fly02_l");
    PushAnimAction(GUARD, "flyrun", 0, 1);
    Apart();
    Place(DIEGO, WP_DIEGO_COMES);
    ShowAndActivate(DIEGO, true);
    GoTo(DIEGO, WP_DIEGO);
    TurnToward(HEROINE, DIEGO, 0);
    ShowAndActivate(GUARD, false);
    SelectCharacter(HEROINE);
    SetBoolVar(VARBOOL_BG504_C10_SAVED, true);
    Dialog(0xfae383e7);
    Together();
    GoTo(HEROINE, WP_BEACH_PATH);
    GoTo(DIEGO, WP_DIEGO_GOES);
    Apart();
    GoToScene(TURTLE_CHAMBER);
}

void SceneScript_bg504::SleepyGuardEvents()
{
    // Before the spirit egg she walks up to him; afterwards she is held.
    _IfEvent(ScriptEvent_FlaggedId1(SLEEPY_GUARD));
    _IfMatch(InChapter(9));
    GoTo(HEROINE, WP_BY_THE_SLEEPY_GUARD);
    Dialog(0x8695bec7);
    _ElseMatch();
    _IfBool(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE, 0);
    GoTo(HEROINE, WP_BY_THE_SLEEPY_GUARD);
    _EndMatch();
    Dialog(0xd215b37b);
    _EndMatch();
    _EndMatch();

    _IfEvent(ScriptEvent_FlaggedId2(SLEEPY_GUARD));
    _IfMatch(InChapter(9));
    GoTo(HEROINE, WP_BY_THE_SLEEPY_GUARD);
    Dialog(0x462bf4f6);
    _ElseMatch();
    _IfBool(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE, 0);
    GoTo(HEROINE, WP_BY_THE_SLEEPY_GUARD);
    _EndMatch();
    Dialog(0x12abf94a);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg504::EduardoEvents()
{
    // The whistle brings Eduardo only to the held heroine, and only once.
    _IfMatch(MatchExpr::MakeEvent6(ItemNamed("ITEM_WHISTLE"), ItemNamed("ITEM_EDUARDO")));
    _IfMatch(MatchExpression(Op_Or, IsFalse(VARBOOL_BG504_C10_EDUARDO_HERE),
                             IsTrue(VARBOOL_BG504_C10_USE_EDUARDO_ON_SLEEPY_GUARD)));
    Play(HEROINE, "decoy");
    Idle();
    _EndMatch();
    Dialog(0x742a9baa);
    _IfMatch(Both(HeldByTheGuards(), IsFalse(VARBOOL_BG504_C10_EDUARDO_HERE)));
    Place(EDUARDO, WP_EDUARDO_COMES);
    Shadow(EDUARDO, false);
    ShowAndActivate(EDUARDO, true);
    Sound(EDUARDO, EDUARDO_CALL_SOUND, 1254);
    PushAnimAction(EDUARDO, "comealtarexterior", 0, 1);
    Play(EDUARDO, "comealtarexterioridle_l");
    Place(EDUARDO, WP_EDUARDO);
    SetBoolVar(VARBOOL_BG504_C10_EDUARDO_HERE, true);
    _EndMatch();
    _EndMatch();

    // Eduardo shows himself to the sleepy guard, who runs off; the guard's
    // dialog records the trick.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(SLEEPY_GUARD, ItemNamed("ITEM_EDUARDO")));
    TurnToward(HEROINE, SLEEPY_GUARD, 0);
    _IfBool(VARBOOL_BG504_C10_EDUARDO_HERE, 1);
    Together();
    Play(HEROINE, "showguard");
    Idle();
    PushAnimAction(EDUARDO, "showguard01", 0, 0);
    PushAnimAction(EDUARDO, "showguard02", 0, 0);
    PushAnimAction(SLEEPY_GUARD, "showguard01", 0, 1);
    PushAnimAction(SLEEPY_GUARD, "showguard02", 0, 1);
    PushAnimAction(SLEEPY_GUARD, "idle_l", 1, 0);
    ShowObject(SLEEPY_GUARD, false);
    Wait(GUARD, 6000);
    Play(GUARD, "showguard02");
    Play(GUARD, "guardidle_l");
    Apart();
    Wait(LOGIC_DIALOG, 5000);
    Dialog(0x85ba9dbf);
    Take(HEROINE, ItemNamed("ITEM_EDUARDO"));
    SelectCharacter(GUARD);
    SetInteractive(SLEEPY_GUARD, false);
    _EndMatch();
    _EndMatch();

    _IfEvent(ScriptEvent_FlaggedId1(EDUARDO));
    Dialog(0xaee862bd);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(EDUARDO));
    Dialog(0x61b0bc29);
    _EndMatch();
}

void SceneScript_bg504::SceneryEvents()
{
    LookAndActivate(Object("hole_in_roof"), HEROINE, WP_HOLE_IN_ROOF, 0x6aa72cde, 0xa667d72d);
    LookAndActivate(Object("red_flower"), HEROINE, WP_RED_FLOWER, 0xbde5135b, 0x716975ef);
    LookAndActivate(Object("turtle_stone"), HEROINE, WP_TURTLE_STONE, 0x6c395835, 0x48413b68);
}

void SceneScript_bg504::BasketEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("basket")));
    GoTo(HEROINE, WP_BASKET);
    Dialog(0xd34f76b1);
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(Object("basket")));
    GoTo(HEROINE, WP_BASKET);
    Dialog(0x31047b87);
    Play(HEROINE, "g_pickobjectlow01");
    ShowObject(Object("fx_caterpillars"), false);
    Give(HEROINE, ItemNamed("ITEM_SLIMY_CATERPILLARS"));
    SetBoolVar(VARBOOL_BG504_C09_PICK_SLIMY_CATERPILLAR, true);
    Play(HEROINE, "g_pickobjectlow02");
    Idle();
    SetInteractive(Object("basket"), false);
    _EndMatch();
}

void SceneScript_bg504::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x911363fc), HEROINE, "talkwall01", "talkwall03_l");
    PlayGesture(OnCallback(0x9fb7e14b), HEROINE, "talkwall04", "g_idle_l");
}

void SceneScript_bg504::StairsCallbacks()
{
    // She starts up the stairs as the shaman and Hilary appear at the top.
    _IfEvent(OnCallback(0x0f49520d));
    Together();
    Play(HEROINE, "stairs01");
    Play(HEROINE, "stairs02");
    Play(HEROINE, "stairs03_l");
    Place(SHAMAN, WP_TOP_OF_THE_STAIRS);
    PushAddAttachment(SHAMAN, AttachmentNamed("stick_baba"), BONE_RIGHT_HAND);
    Place(HILARY, WP_TOP_OF_THE_STAIRS);
    ShowObject(SHAMAN, true);
    ShowObject(HILARY, true);
    GoTo(SHAMAN, WP_SHAMAN_ON_THE_STAIRS);
    GoTo(HILARY, WP_HILARY_ON_THE_STAIRS);
    Apart();
    _EndMatch();

    // All three come down to the foot of the stairs.
    _IfEvent(OnCallback(0x964003b7));
    Shadow(SHAMAN, false);
    Shadow(HILARY, false);
    Together();
    PushAnimAction(HEROINE, "stairs04", 0, 1);
    Play(HEROINE, "stairs05_l");
    Place(HEROINE, WP_BELOW_THE_STAIRS);
    PushAnimAction(SHAMAN, "stairs", 0, 1);
    Play(SHAMAN, "idle_l");
    PushAnimAction(HILARY, "g_stairs", 0, 1);
    Play(HILARY, "g_idle_l");
    Place(HILARY, WP_HILARY_DOWN);
    Place(SHAMAN, WP_SHAMAN_DOWN);
    Shadow(SHAMAN, true);
    Shadow(HILARY, true);
    Apart();
    _EndMatch();
}

void SceneScript_bg504::TalkCallbacks()
{
    PlayGesture(OnCallback(0xc43a3f4b), GUARD, "stairsdown02talk_l");
    PlayGesture(OnCallback(0x8bbc8e27), DIEGO, "g_talk_l");
    PlayGesture(OnCallback(0x7185de50), HILARY, "g_talk_l");
    PlayGesture(OnCallback(0xbb37f040), HILARY, "g_idle_l");
    PlayGesture(OnCallback(0xfd95b089), SHAMAN, "talk_l");
    PlayGesture(OnCallback(0x0cee3d23), SHAMAN, "idle_l");
}

} // namespace

// Scene 45, bg504_TU_AltarHouseExterior.
REGISTER_SCENE_SCRIPT(bg504, 45);
