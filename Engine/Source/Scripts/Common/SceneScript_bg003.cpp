// Alessandro's cabin aboard the Winsome Maid (scene 7,
// bg003_WM_AlessandrosCabin). Chapter 2: the heroine meets her father and is
// given his sword. Chapter 3: Diego's good news, Briscoe's map and the door
// that opens once everything is talked over. Chapter 4: the doubloon debt
// and Elizabeth in danger. Chapter 5: all is secure, off to the docks.
// Chapter 6: the sketch map on the chart, the father asleep from the tsetse
// fly and carried home by Diego, and the end of the chapter. Chapter 8: the
// writing kit. Chapter 9: the arrival with uncle Eduardo and the whistle.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

#include <initializer_list>
#include <type_traits>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg003_7>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"alessandro_c"> ALESSANDRO;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"uncle_eduardo"> UNCLE;

// Walk-mesh blockers: the cabin door, and the corner by the globe.
constexpr int32_t DOOR_BLOCKER = 0;
constexpr int32_t GLOBE_BLOCKER = 1;

// Waypoints, by who stands there when.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_IN_BY_DOOR = 1;
constexpr int32_t WP_SWORD_CHEST = 2;
constexpr int32_t WP_ALESSANDRO_AT_SHRINE = 3;
constexpr int32_t WP_ALESSANDRO = 4;
constexpr int32_t WP_HUG = 5;
constexpr int32_t WP_MEETING = 6;
constexpr int32_t WP_ALESSANDRO_CHAPTER_2 = 7;
constexpr int32_t WP_DIEGO = 8;
constexpr int32_t WP_BY_DIEGO = 9;
constexpr int32_t WP_OUTSIDE = 10;
constexpr int32_t WP_OUTSIDE_START = 11;
constexpr int32_t WP_BEFORE_ALESSANDRO = 12;
constexpr int32_t WP_BRISCOE = 13;
constexpr int32_t WP_DIEGO_REPORTING = 14;
constexpr int32_t WP_BRISCOE_SEATED = 15;
constexpr int32_t WP_BRISCOE_WAITING = 16;
constexpr int32_t WP_BRISCOE_LATER = 17;
constexpr int32_t WP_HEROINE_LATER = 18;
constexpr int32_t WP_ALESSANDRO_LATER = 19;
constexpr int32_t WP_ALESSANDRO_ASLEEP = 20;
constexpr int32_t WP_PANIC = 21;
constexpr int32_t WP_DIEGO_BY_SLEEPER = 22;
constexpr int32_t WP_BY_SLEEPER = 23;
constexpr int32_t WP_UNCLE_ON_GLOBE = 24;
constexpr int32_t WP_BRISCOE_AT_WINDOW = 25;
constexpr int32_t WP_BEFORE_ALESSANDRO_LATER = 26;
constexpr int32_t WP_DIEGO_AT_FLY = 27;
constexpr int32_t WP_HEROINE_CHAPTER_9 = 28;
constexpr int32_t WP_ALESSANDRO_CHAPTER_9 = 29;
constexpr int32_t WP_ALESSANDRO_CHAPTER_4 = 30;
constexpr int32_t WP_BRISCOE_PANIC = 31;
constexpr int32_t WP_BEFORE_DOOR = 32;
constexpr int32_t WP_SHRINE = 33;
constexpr int32_t WP_CHART = 34;
constexpr int32_t WP_BED = 41;
constexpr int32_t WP_SNAKE = 42;
constexpr int32_t WP_PUPPET = 43;

// Sounds: the cabin's ambience, the alarm over the sleeper, and what the
// people make: the hug, the blues at the shrine, the gold bag set down, the
// sword drawn and handed over, the push out of the door.
constexpr uint32_t AMBIENCE = 0x68afb457;
constexpr uint32_t SLEEPER_ALARM = 0x10251427;
constexpr uint32_t HUG_SOUND = 0x25ab5dfe;
constexpr uint32_t SHRINE_SOUND = 0x63fc7207;
constexpr uint32_t GOLD_SOUND = 0x33777627;
constexpr uint32_t SWORD_DRAWN_SOUND = 0x0352e59f;
constexpr uint32_t SWORD_TAKEN_SOUND = 0x751c2dcf;
constexpr uint32_t PUSH_SOUND = 0x1d5c5e75;

// The sprites of the tsetse fly on the lamp: buzzing, then burnt.
constexpr uint32_t FLY_BUZZING = 0x63cecbec;
constexpr uint32_t FLY_BURNT = 0xb3fcae95;

// Alessandro's walk with the sword drawn, and his usual one.
constexpr int32_t SWORD_WALK_TYPE = 35;
constexpr int32_t USUAL_WALK_TYPE = 18;

// The scenes this cabin leads to.
constexpr int32_t CORRIDOR = 6;              // bg002_WM_Corridor
constexpr int32_t DOCKS = 13;                // bg105_BO_Docks
constexpr int32_t CASTILLO_LIVING_ROOM = 21; // bg113_BO_CastilloLivingRoom_A
constexpr int32_t WORLD_MAP = 57;            // bg911_WorldMap
constexpr int32_t LOADING = 61;              // bg993_Loading_placeholder
constexpr int32_t DEMO_END = 63;             // bg995_end_demo

// "Activate" on an object of the cabin.
EventDesc Activated(int32_t iObject)
{
    return MatchExpr::MakeEvent0(iObject).m_oEvent;
}

// The story is in none of the three chapters.
MatchExpr InNoneOfTheChapters(int32_t iFirst, int32_t iSecond, int32_t iThird)
{
    return Both(Both(MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntNotEqual, iFirst),
                     MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntNotEqual, iSecond)),
                MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntNotEqual, iThird));
}

class SceneScript_bg003 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void PlacePeople();
    void PlacePeopleChapter6();
    void InFromTheCorridor();
    void MeetingChapter2();
    void GoodNewsChapter3();
    void ElizabethInDanger();
    void AllSecure();
    void VisitsChapter6();
    void EndOfChapter6();
    void ArrivalChapter9();

    void CutSceneCallbacks();
    void GestureCallbacks();
    void DiegoEvents();
    void AlessandroEvents();
    void SwordCallbacks();
    void DoubloonEvents();
    void SleeperEvents();
    void ChartEvents();
    void BriscoeEvents();
    void FurnitureEvents();

    // The heroine opens the door, steps out and the corridor loads.
    void OutOfTheDoor();
    void RotateTo(uint32_t uTurnerId, uint32_t uActorId, int32_t iValue = TURN_TOWARD_VALUE);
    void GiveDoubloons(int32_t iCount, bool bGive);

    // Two characters hand a thing over: each plays its part, then its loop.
    template <FixedName GIVER, FixedName TAKER>
    void HandOver(ActorNamed<GIVER> giver, ActorNamed<TAKER> taker, std::type_identity_t<AnimationOf<GIVER>> then,
                  std::type_identity_t<AnimationOf<TAKER>> takerThen, bool bTakerFirst)
    {
        if (bTakerFirst) {
            Play(taker, "g_receiveobject");
            Play(giver, "g_giveobject");
            Play(taker, takerThen);
            Play(giver, then);
        } else {
            Play(giver, "g_giveobject");
            Play(taker, "g_receiveobject");
            Play(giver, then);
            Play(taker, takerThen);
        }
    }
};

void SceneScript_bg003::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg003_chapter_02"), InChapter(2));
    LinkSoundGroup(SoundGroupNamed("bg003_chapter_03"), InChapter(3));
    LinkSoundGroup(SoundGroupNamed("bg003_chapter_05_06"), InChapters({6, 5}));
    // The chapters without sounds of their own share a group without a name.
    LinkSoundGroup(0x0a60e99b, InChapters({1, 4, 7, 8, 9, 10}));
}

void SceneScript_bg003::BuildEnterActions()
{
    PlayAmbience(AMBIENCE);
    SetSceneDirection(4);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    PushAction21(HEROINE, DOOR_BLOCKER, 1);
    PushAction21(HEROINE, GLOBE_BLOCKER, 1);
    Place(HEROINE, WP_START);
    Place(ALESSANDRO, WP_ALESSANDRO);
    Place(DIEGO, WP_DIEGO);
    Place(BRISCOE, WP_BRISCOE);
    for (const int32_t iPerson :
         {static_cast<int32_t>(DIEGO), static_cast<int32_t>(BRISCOE), static_cast<int32_t>(UNCLE)}) {
        ShowObject(iPerson, false);
        SetInteractive(iPerson, false);
    }
    ShowObject(Object("m_bag_of_gold"), false);
    ShowObject(Object("m_mapp"), false);
    ShowObject(Object("fx_fly_burn"), false);

    // Pen and paper taken from the desk; the ink stays until the writing
    // kit has gone to Alessandro.
    _IfBool(VARBOOL_BG004_C08_PICK_PEN_AND_PAPER, 1);
    ShowObject(Object("i_paper"), false);
    _IfBool(VARBOOL_BG004_C08_GIVE_WRITING_KIT, 0);
    ShowObject(Object("i_ink_bottle"), false);
    _EndMatch();
    _EndMatch();

    PlacePeople();
    InFromTheCorridor();

    _IfMatch(InChapter(2));
    MeetingChapter2();
    _EndMatch();
    _IfMatch(InChapter(3));
    GoodNewsChapter3();
    _EndMatch();
    _IfMatch(InChapter(4));
    ElizabethInDanger();
    _EndMatch();
    _IfMatch(InChapter(5));
    AllSecure();
    _EndMatch();
    _IfMatch(InChapter(6));
    VisitsChapter6();
    _EndMatch();
    _IfMatch(InChapter(8));
    _IfBool(VARBOOL_BG004_C08_EVENT_INTRO, 0);
    SetBoolVar(VARBOOL_BG004_C08_EVENT_INTRO, true);
    _EndMatch();
    _EndMatch();
    _IfMatch(InChapter(9));
    ArrivalChapter9();
    _EndMatch();
}

void SceneScript_bg003::PlacePeople()
{
    _IfMatch(InChapter(2));
    ShowObject(DIEGO, true);
    SetInteractive(DIEGO, true);
    Place(ALESSANDRO, WP_ALESSANDRO_CHAPTER_2);
    // Before the meeting he waits by his desk.
    _IfBool(VARBOOL_BG003_C02_EVENT_FIRST_TIME, 0);
    Place(ALESSANDRO, WP_ALESSANDRO);
    _EndMatch();
    _EndMatch();

    _IfMatch(InChapter(3));
    _IfBool(VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_QUEST, 0);
    ShowObject(BRISCOE, true);
    SetInteractive(BRISCOE, true);
    _EndMatch();
    _EndMatch();

    // Briscoe waits here until he tags along; the chart is his meanwhile.
    _IfMatch(Both(InChapter(4), IsFalse(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG)));
    SetInteractive(Object("chart"), false);
    ShowObject(BRISCOE, true);
    SetInteractive(BRISCOE, true);
    Place(BRISCOE, WP_BRISCOE_WAITING);
    _EndMatch();

    _IfMatch(InChapters({5, 7}));
    Place(ALESSANDRO, WP_ALESSANDRO_LATER);
    _EndMatch();

    _IfMatch(InChapter(6));
    PlacePeopleChapter6();
    _EndMatch();

    _IfMatch(InChapter(8));
    Place(ALESSANDRO, WP_ALESSANDRO_LATER);
    Place(BRISCOE, WP_BRISCOE_LATER);
    Place(HEROINE, WP_HEROINE_LATER);
    ShowObject(BRISCOE, true);
    SetInteractive(BRISCOE, true);
    _EndMatch();

    _IfMatch(InChapter(9));
    Place(ALESSANDRO, WP_ALESSANDRO_CHAPTER_9);
    _EndMatch();
}

void SceneScript_bg003::PlacePeopleChapter6()
{
    Place(ALESSANDRO, WP_ALESSANDRO_LATER);
    _IfBool(VARBOOL_BG003_C06_EVENT_SKETCH_MAP, 0);
    Place(BRISCOE, WP_BRISCOE_LATER);
    ShowObject(BRISCOE, true);
    SetInteractive(BRISCOE, true);
    _EndMatch();

    // The tsetse fly has stung him: he sleeps and the fly buzzes on the
    // lamp until the alarm is raised.
    _IfMatch(Both(IsTrue(VARBOOL_BG002_C06_USE_TSETSEFLY_ON_ALESSANDROSDOOR),
                  IsFalse(VARBOOL_BG003_C06_EVENT_ALESSANDRO_SLEEPING)));
    Place(ALESSANDRO, WP_ALESSANDRO_ASLEEP);
    PushAnimAction(ALESSANDRO, "sleeping_idle_l", 1, 0);
    ShowObject(Object("fx_fly_burn"), true);
    PushHashAction23(Object("fx_fly_burn"), FLY_BUZZING);
    _EndMatch();

    // Asleep until he is home: Diego stands by, ready to carry him.
    _IfMatch(
        Both(IsTrue(VARBOOL_BG003_C06_EVENT_ALESSANDRO_SLEEPING), IsFalse(VARBOOL_BG113_C06_EVENT_ALESSANDRO_AT_HOME)));
    Place(ALESSANDRO, WP_ALESSANDRO_ASLEEP);
    PushAnimAction(ALESSANDRO, "sleeping_idle_l", 1, 0);
    Place(DIEGO, WP_DIEGO_BY_SLEEPER);
    ShowObject(DIEGO, true);
    Give(HEROINE, ItemNamed("ITEM_DIEGO"));
    _EndMatch();
}

void SceneScript_bg003::InFromTheCorridor()
{
    _IfMatch(CameFrom(CORRIDOR));
    ShowObject(Object("m_door"), true);
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    Place(HEROINE, WP_OUTSIDE_START);
    WalkTo(HEROINE, WP_IN_BY_DOOR);
    PushAction21(HEROINE, DOOR_BLOCKER, 1);
    _EndMatch();
}

void SceneScript_bg003::MeetingChapter2()
{
    _IfBool(VARBOOL_BG003_C02_EVENT_FIRST_TIME, 0);
    GoTo(ALESSANDRO, WP_HUG);
    Place(HEROINE, WP_IN_BY_DOOR);
    Sound(ALESSANDRO, HUG_SOUND, 1980);
    Play(ALESSANDRO, "tavralesshug01");
    Play(HEROINE, "tavralesshug01");
    Play(ALESSANDRO, "g_talk_l");
    Play(HEROINE, "g_talk_l");
    Dialog(0xa0b2de12);
    Play(HEROINE, "g_idle_l");
    Play(ALESSANDRO, "g_idle_l");
    GoTo(ALESSANDRO, WP_ALESSANDRO_CHAPTER_2);
    SetBoolVar(VARBOOL_BG003_C02_EVENT_FIRST_TIME, true);
    _EndMatch();
}

void SceneScript_bg003::GoodNewsChapter3()
{
    SetInteractive(Object("chart"), false);
    // Diego brings the good news and goes; the player leads him out.
    _IfBool(VARBOOL_BG003_C03_EVENT_GOOD_NEWS, 0);
    ShowObject(Object("m_door"), false);
    ShowObject(DIEGO, true);
    ShowObject(BRISCOE, false);
    Place(ALESSANDRO, WP_ALESSANDRO);
    Place(HEROINE, WP_BEFORE_ALESSANDRO);
    RotateTo(HEROINE, ALESSANDRO, 0);
    RotateTo(ALESSANDRO, HEROINE, 0);
    Dialog(0xb13e3020);
    SelectCharacter(DIEGO);
    GoTo(DIEGO, WP_DIEGO_REPORTING);
    Play(DIEGO, "g_ayecaptain");
    Play(DIEGO, "reporting_leaving");
    ShowObject(DIEGO, false);
    SelectCharacter(HEROINE);
    SetBoolVar(VARBOOL_BG003_C03_EVENT_GOOD_NEWS, true);
    _EndMatch();
}

void SceneScript_bg003::ElizabethInDanger()
{
    // Briscoe back in a panic: the chapter's visit ends at the loading
    // screen, the torn report handed over.
    _IfMatch(
        Both(IsTrue(VARBOOL_BG308_C04_EVENT_BRISCOE_IN_PANIC), IsFalse(VARBOOL_BG003_C04_EVENT_ELIZABETH_IN_DANGER)));
    SetInteractive(Object("chart"), false);
    ShowObject(DIEGO, true);
    Play(DIEGO, "g_angryidle_l");
    Place(HEROINE, WP_BEFORE_ALESSANDRO);
    Place(ALESSANDRO, WP_ALESSANDRO_CHAPTER_4);
    Place(BRISCOE, WP_BRISCOE_SEATED);
    ShowObject(BRISCOE, true);
    Play(BRISCOE, "shocksitting_l");
    Dialog(0xe4f3ec27);
    SetBoolVar(VARBOOL_BG003_C04_EVENT_ELIZABETH_IN_DANGER, true);
    FadeOut(3000);
    Take(HEROINE, ItemNamed("ITEM_TORN_REPORT"));
    GoToScene(LOADING);
    _EndMatch();
}

void SceneScript_bg003::AllSecure()
{
    _IfBool(VARBOOL_BG003_C05_EVENT_ALL_SECURE, 0);
    ShowObject(Object("m_door"), true);
    Place(HEROINE, WP_HEROINE_LATER);
    Place(BRISCOE, WP_BRISCOE_LATER);
    ShowObject(BRISCOE, true);
    Play(BRISCOE, "impatient_idle_l");
    Dialog(0x01343023);
    SetBoolVar(VARBOOL_QUEST_C5_SAVE_ELIZABETH01, true);
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    GoTo(HEROINE, WP_OUTSIDE);
    ShowObject(Object("m_door"), false);
    SetBoolVar(VARBOOL_BG003_C05_EVENT_ALL_SECURE, true);
    GoToScene(DOCKS);
    _EndMatch();
}

void SceneScript_bg003::VisitsChapter6()
{
    // The first visit: Briscoe has a plan.
    _IfBool(VARBOOL_BG003_C06_EVENT_TWEAKED, 0);
    ShowObject(Object("m_door"), true);
    Place(HEROINE, WP_BEFORE_ALESSANDRO_LATER);
    ShowObject(BRISCOE, true);
    SetInteractive(BRISCOE, true);
    Dialog(0xf103d44a);
    SetBoolVar(VARBOOL_BG003_C06_EVENT_TWEAKED, true);
    _EndMatch();

    // Back from the sketch map's voyage: Briscoe leaves, the door opens.
    _IfMatch(Both(IsTrue(VARBOOL_BG003_C06_USE_SKETCHMAP_ON_CHART), IsFalse(VARBOOL_BG003_C06_EVENT_SKETCH_MAP)));
    Place(HEROINE, WP_CHART);
    RotateTo(HEROINE, BRISCOE, 0);
    RotateTo(ALESSANDRO, HEROINE);
    Dialog(0xd0a7eba9);
    RotateTo(ALESSANDRO, BRISCOE);
    GoTo(BRISCOE, WP_OUTSIDE);
    ShowObject(BRISCOE, false);
    SetInteractive(BRISCOE, false);
    SetBoolVar(VARBOOL_BG003_C06_EVENT_SKETCH_MAP, true);
    _EndMatch();

    // The fly has done its work: the alarm, and Diego carries him home.
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C6_SLEEPY_FLY04_DONE), IsFalse(VARBOOL_BG003_C06_EVENT_ALESSANDRO_SLEEPING)));
    EffectSound(SLEEPER_ALARM);
    ShowObject(Object("m_door"), true);
    Place(ALESSANDRO, WP_ALESSANDRO_ASLEEP);
    PushAnimAction(ALESSANDRO, "sleeping_idle_l", 1, 0);
    Place(HEROINE, WP_PANIC);
    PushAnimAction(HEROINE, "fathersleeppanic", 0, 1);
    Play(HEROINE, "g_idle_l");
    GoTo(HEROINE, WP_BRISCOE_WAITING);
    RotateTo(HEROINE, ALESSANDRO);
    Place(DIEGO, WP_OUTSIDE_START);
    ShowObject(DIEGO, true);
    GoTo(DIEGO, WP_DIEGO_REPORTING);
    Dialog(0xecbc2984);
    SetBoolVar(VARBOOL_BG003_C06_EVENT_ALESSANDRO_SLEEPING, true);
    GoTo(HEROINE, WP_BY_SLEEPER);
    Dialog(0x545caccc);
    Play(DIEGO, "alesspickupstart");
    SetBoolVar(VARBOOL_BG003_C06_USE_DIEGO_ON_ALESSANDRO, true);
    GoToScene(CASTILLO_LIVING_ROOM);
    _EndMatch();

    _IfMatch(Both(IsTrue(VARBOOL_BG113_C06_EVENT_ALESSANDRO_AT_HOME), IsFalse(VARBOOL_BG003_C06_EVENT_END_CHAPTER6)));
    EndOfChapter6();
    _EndMatch();
}

void SceneScript_bg003::EndOfChapter6()
{
    ShowObject(Object("m_door"), true);
    Place(ALESSANDRO, WP_ALESSANDRO_LATER);
    Place(HEROINE, WP_HEROINE_LATER);
    Place(BRISCOE, WP_BRISCOE_LATER);
    ShowObject(BRISCOE, true);
    Place(DIEGO, WP_DIEGO);
    ShowObject(DIEGO, true);
    Dialog(0x635a534a);
    SetBoolVar(VARBOOL_BG003_C06_EVENT_END_CHAPTER6, true);
    FadeOut(3000);
    // Taken whether she holds them or not: taking a missing item does
    // nothing.
    for (const uint32_t uItem : {ItemNamed("ITEM_SKETCH_MAP"), ItemNamed("ITEM_FEATHER"), ItemNamed("ITEM_STONE_CUP"),
                                 ItemNamed("ITEM_SMALL_HAMMER"), ItemNamed("ITEM_OIL_LAMP"), ItemNamed("ITEM_CROSSBOW"),
                                 ItemNamed("ITEM_GUNPOWDER"), ItemNamed("ITEM_FAUNA_FLORA_BOOK")})
        Take(HEROINE, uItem);
    _IfBool(VARBOOL_BG994_DEMO, 1);
    GoToScene(DEMO_END);
    _ElseMatch();
    GoToScene(LOADING);
    _EndMatch();
}

void SceneScript_bg003::ArrivalChapter9()
{
    // Uncle Eduardo on the globe, Briscoe at the window; the arrival's
    // dialog gives the whistle and marks the arrival, so it plays once.
    _IfBool(VARBOOL_BG003_C09_ARRIVED, 0);
    Place(HEROINE, WP_HEROINE_CHAPTER_9);
    Place(BRISCOE, WP_BRISCOE_AT_WINDOW);
    ShowObject(BRISCOE, true);
    Play(BRISCOE, "cabinwindowwatch01_l");
    Place(ALESSANDRO, WP_ALESSANDRO_CHAPTER_9);
    Place(UNCLE, WP_UNCLE_ON_GLOBE);
    ShowObject(UNCLE, true);
    AddToQueue(UNCLE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    Play(UNCLE, "onglobeidle2_l");
    RotateTo(HEROINE, BRISCOE, 0);
    RotateTo(ALESSANDRO, BRISCOE, 0);
    Dialog(0x3a2f4100);
    GoTo(BRISCOE, WP_OUTSIDE);
    Play(UNCLE, "getoffglobe");
    ShowObject(BRISCOE, false);
    ShowObject(UNCLE, false);
    Wait(HEROINE, 1000);
    Wait(ALESSANDRO, 1000);
    Play(HEROINE, "wait");
    Play(ALESSANDRO, "wait");
    RotateTo(ALESSANDRO, HEROINE);
    Play(HEROINE, "g_idle_l");
    Play(ALESSANDRO, "g_idle_l");
    Dialog(0x70e0623a);
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    GoTo(HEROINE, WP_OUTSIDE);
    GoToScene(CORRIDOR);
    ShowObject(Object("m_door"), false);
    _EndMatch();
}

void SceneScript_bg003::BuildExitEvents()
{
    // Activate "goto_bg002": to the door, and out while nothing holds her.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg002")));
    WalkTo(HEROINE, WP_BEFORE_DOOR);

    _IfMatch(InChapter(2));
    Dialog(0x26fd2169);
    Place(HEROINE, WP_BEFORE_DOOR);
    ShowObject(Object("m_door"), true);
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    GoTo(HEROINE, WP_OUTSIDE);
    ShowObject(Object("m_door"), false);
    GoToScene(CORRIDOR);
    _EndMatch();

    // Chapter 3: not before everything is talked over with Briscoe.
    _IfMatch(InChapter(3));
    _IfMatch(Both(Both(IsTrue(VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_BUCKLEBERRY_TANNER),
                       IsTrue(VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_HOLLOW_ISLAND)),
                  Both(IsTrue(VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_NAVIGATION_LINE),
                       IsTrue(VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_QUEST))));
    OutOfTheDoor();
    _ElseMatch();
    Dialog(0x7a565c39);
    _EndMatch();
    _EndMatch();

    // Every other chapter, the first and the last too, where a stop at the
    // door would leave her shut in with the map switched off.
    _IfMatch(InNoneOfTheChapters(2, 3, 6));
    OutOfTheDoor();
    _EndMatch();

    // Chapter 6: not before the sketch map's voyage; Diego, who waits by the
    // sleeper, stays behind.
    _IfMatch(InChapter(6));
    _IfMatch(Both(IsTrue(VARBOOL_BG003_C06_EVENT_ALESSANDRO_SLEEPING), IsFalse(VARBOOL_BG003_C06_EVENT_END_CHAPTER6)));
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    _EndMatch();
    _IfBool(VARBOOL_BG003_C06_EVENT_SKETCH_MAP, 0);
    Dialog(0x7a565c39);
    _ElseMatch();
    Dialog(0x8d6a16e7);
    OutOfTheDoor();
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg003::OutOfTheDoor()
{
    ShowObject(Object("m_door"), true);
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    GoTo(HEROINE, WP_OUTSIDE);
    GoToScene(CORRIDOR);
    ShowObject(Object("m_door"), false);
}

void SceneScript_bg003::BuildEvents()
{
    CutSceneCallbacks();
    GestureCallbacks();
    DiegoEvents();
    AlessandroEvents();
    SleeperEvents();
    ChartEvents();
    BriscoeEvents();
    FurnitureEvents();
}

void SceneScript_bg003::CutSceneCallbacks()
{
    // Alessandro sings his blues at Bonita's shrine.
    _IfEvent(OnCallback(0x6e1563c8));
    WalkTo(ALESSANDRO, WP_MEETING);
    GoTo(ALESSANDRO, WP_ALESSANDRO_AT_SHRINE);
    RotateTo(HEROINE, ALESSANDRO);
    Sound(ALESSANDRO, SHRINE_SOUND, 6270);
    PushAnimAction(ALESSANDRO, "shrineblues01", 0, 1);
    Play(HEROINE, "shrineblues01");
    Play(HEROINE, "g_idle_l");
    RotateTo(HEROINE, ALESSANDRO);
    _EndMatch();

    // Briscoe brings the gold; the player leads him in.
    _IfEvent(OnCallback(0x276d5e5f));
    Play(ALESSANDRO, "g_idle_l");
    Place(BRISCOE, WP_OUTSIDE_START);
    ShowObject(BRISCOE, true);
    SetInteractive(BRISCOE, true);
    SelectCharacter(BRISCOE);
    ShowObject(Object("m_door"), true);
    GoTo(BRISCOE, WP_BRISCOE);
    Place(ALESSANDRO, WP_ALESSANDRO);
    SelectCharacter(HEROINE);
    Play(BRISCOE, "putgoldbag01");
    Play(ALESSANDRO, "observegold");
    PushAddAttachment(BRISCOE, AttachmentNamed("gold_bag"), BONE_RIGHT_HAND);
    Play(BRISCOE, "putgoldbag02");
    Play(ALESSANDRO, "g_idle_l");
    // The bag lies on the table as his hand leaves it.
    Wait(Object("m_bag_of_gold"), 2100);
    Sound(BRISCOE, GOLD_SOUND, 0);
    ShowObject(Object("m_bag_of_gold"), true);
    PushRemoveAttachment(BRISCOE, AttachmentNamed("gold_bag"));
    Play(BRISCOE, "putgoldbag03");
    Play(BRISCOE, "g_talk_l");
    RotateTo(ALESSANDRO, BRISCOE);
    _EndMatch();

    PlayGesture(OnCallback(0xbe640fe5), ALESSANDRO, "g_talk_l");
    PlayGesture(OnCallback(0x78ab0674), BRISCOE, "shocktalking_l");

    // Briscoe jumps up in a panic.
    _IfEvent(OnCallback(0xe1a257ce));
    Play(BRISCOE, "cabinpanicstand");
    Play(BRISCOE, "cabinpanictalk_l");
    Place(BRISCOE, WP_BRISCOE_PANIC);
    _EndMatch();

    PlayGesture(OnCallback(0x96a56758), BRISCOE, "cabinpanicidle_l");

    // Diego comes in to report.
    _IfEvent(OnCallback(0x24ea87db));
    Place(DIEGO, WP_DIEGO_REPORTING);
    ShowObject(DIEGO, true);
    Play(DIEGO, "reporting");
    Play(HEROINE, "reporting");
    Play(BRISCOE, "reporting");
    Play(HEROINE, "g_idle_l");
    Play(BRISCOE, "impatient_idle_l");
    Play(DIEGO, "reporting_idle_l");
    _EndMatch();

    // Diego and Briscoe leave; father and daughter wait and talk.
    _IfEvent(OnCallback(0xbde3d661));
    Play(DIEGO, "reporting_leaving");
    ShowObject(DIEGO, false);
    GoTo(BRISCOE, WP_OUTSIDE);
    ShowObject(BRISCOE, false);
    Play(HEROINE, "wait");
    Play(ALESSANDRO, "wait");
    Play(HEROINE, "g_talk_l");
    Play(ALESSANDRO, "g_talk_l");
    _EndMatch();

    // The heroine reports, walking over.
    _IfEvent(OnCallback(0xcae4e6f7));
    Play(HEROINE, "reporting");
    Play(HEROINE, "g_walk_l");
    GoTo(HEROINE, WP_HEROINE_CHAPTER_9);
    Play(HEROINE, "g_talk_l");
    Play(BRISCOE, "g_idle_l");
    _EndMatch();

    // The fly burns on the lamp.
    _IfEvent(OnCallback(0x8d39c18e));
    Play(HEROINE, "g_scratchhead");
    Place(DIEGO, WP_DIEGO_AT_FLY);
    PushHashAction23(Object("fx_fly_burn"), FLY_BURNT);
    Wait(Object("fx_fly_burn"), 1000);
    ShowObject(Object("fx_fly_burn"), false);
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    _IfEvent(OnCallback(0x62210224));
    GoTo(DIEGO, WP_DIEGO_BY_SLEEPER);
    _EndMatch();

    // Alessandro gives her the whistle.
    _IfEvent(OnCallback(0xb8f1c78f));
    HandOver(ALESSANDRO, HEROINE, "g_idle_l", "g_idle_l", true);
    Give(HEROINE, ItemNamed("ITEM_WHISTLE"));
    SetBoolVar(VARBOOL_BG003_C09_INT_CABINS_DOOR, true);
    _EndMatch();
}

void SceneScript_bg003::GestureCallbacks()
{
    PlayGesture(OnCallback(0x8bbc8e27), DIEGO, "g_talk_l");
    PlayGesture(OnCallback(0x728fd06d), DIEGO, "g_idle_l");
    PlayGesture(OnCallback(0xfe0458cd), DIEGO, "g_notwise", "g_idle_l");
    PlayGesture(OnCallback(0x0829db67), DIEGO, "g_angrytalk_l");
    PlayGesture(OnCallback(0x02024165), DIEGO, "g_angryidle_l");

    PlayGesture(OnCallback(0x660fbec0), ALESSANDRO, "g_talk_l");
    PlayGesture(OnCallback(0x0c1f2fc2), ALESSANDRO, "g_idle_l");
    PlayGesture(OnCallback(0xded5e091), ALESSANDRO, "g_laughting01", "g_laughting02_l");
    PlayGesture(OnCallback(0x30b1912c), ALESSANDRO, "g_laughting03", "g_talk_l");
    PlayGesture(OnCallback(0x6b06ad7e), ALESSANDRO, "g_refusaltalk01", "g_refusaltalk02_l");
    PlayGesture(OnCallback(0xde38063e), ALESSANDRO, "g_refusaltalk03", "g_talk_l");
    PlayGesture(OnCallback(0xe1902fc1), ALESSANDRO, "g_serioustalk01", "g_serioustalk02_l");
    PlayGesture(OnCallback(0x97f950fa), ALESSANDRO, "g_serioustalk03", "g_talk_l");

    PlayGesture(OnCallback(0xfe2d763a), HEROINE, "g_clapshands", "g_talk_l");
    PlayGesture(OnCallback(0xb9bd54ff), HEROINE, "g_scratchhead", "g_idle_l");
    PlayGesture(OnCallback(0x993bbe31), HEROINE, "g_helpless", "g_idle_l");
    PlayGesture(OnCallback(0x1ad758e8), HEROINE, "g_dlgpolite", "g_talk_l");
    PlayGesture(OnCallback(0x96ecddc8), HEROINE, "g_dlgthinking", "g_talk_l");
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0x76794709), HEROINE, "g_talkfurious_l");

    PlayGesture(OnCallback(0xa3246fdd), BRISCOE, "g_talk_l");
    PlayGesture(OnCallback(0xbf5934d1), BRISCOE, "g_idle_l");
    PlayGesture(OnCallback(0xb06fa56a), BRISCOE, "g_thinking01", "g_thinking02_l");
    PlayGesture(OnCallback(0x14c08077), BRISCOE, "g_thinking03", "g_idle_l");

    // Briscoe goes round the bed to his place; Alessandro to his.
    _IfEvent(OnCallback(0x06efb77c));
    WalkTo(BRISCOE, WP_BED);
    GoTo(BRISCOE, WP_BRISCOE_LATER);
    GoTo(ALESSANDRO, WP_ALESSANDRO_CHAPTER_9);
    Wait(HEROINE, 1500);
    RotateTo(HEROINE, BRISCOE);
    Play(BRISCOE, "g_talk_l");
    _EndMatch();
}

void SceneScript_bg003::DiegoEvents()
{
    WalkAndTalkTo(ScriptEvent_FlaggedId1(DIEGO), HEROINE, WP_BY_DIEGO, DIEGO, 0x78ec1968);
    WalkAndTalkTo(ScriptEvent_FlaggedId2(DIEGO), HEROINE, WP_BY_DIEGO, DIEGO, 0x0ad80405);
}

void SceneScript_bg003::AlessandroEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(ALESSANDRO));
    Dialog(0x4971e5b4);
    _EndMatch();

    // The heroine steps up to him for a talk, where he is in the chapter.
    _IfEvent(OnCallback(0x3f5818c8));
    _IfMatch(InChapter(2));
    GoTo(HEROINE, WP_MEETING);
    _EndMatch();
    _IfMatch(InChapters({3, 4}));
    WalkTo(HEROINE, WP_BEFORE_ALESSANDRO);
    RotateTo(HEROINE, ALESSANDRO);
    _EndMatch();
    _IfMatch(InChapters({5, 7, 8, 9}));
    WalkTo(HEROINE, WP_BEFORE_ALESSANDRO_LATER);
    RotateTo(HEROINE, ALESSANDRO);
    _EndMatch();
    _IfMatch(InChapter(6));
    _IfBool(VARBOOL_BG003_C06_EVENT_ALESSANDRO_SLEEPING, 0);
    WalkTo(HEROINE, WP_BEFORE_ALESSANDRO_LATER);
    RotateTo(HEROINE, ALESSANDRO);
    _ElseMatch();
    GoTo(HEROINE, WP_BY_SLEEPER);
    _EndMatch();
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0x8fc8b7a0));
    RotateTo(ALESSANDRO, HEROINE);
    _EndMatch();

    // Talk "alessandro_c"; once the old house or Bonita is talked over,
    // she leaves for the corridor.
    _IfEvent(ScriptEvent_FlaggedId2(ALESSANDRO));
    Dialog(0xb4cb8f32);
    _IfBool(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_OLD_HOUSE, 1);
    Play(DIEGO, "reporting_leaving");
    ShowObject(DIEGO, false);
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    GoTo(HEROINE, WP_OUTSIDE);
    ShowObject(Object("m_door"), false);
    GoToScene(CORRIDOR);
    _EndMatch();
    _IfBool(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA, 1);
    GoToScene(CORRIDOR);
    _EndMatch();
    _EndMatch();

    SwordCallbacks();
    DoubloonEvents();
}

void SceneScript_bg003::SwordCallbacks()
{
    // He fetches his sword and comes back with it drawn.
    _IfEvent(OnCallback(0xb7cd2321));
    Play(HEROINE, "g_idle_l");
    GoTo(ALESSANDRO, WP_SWORD_CHEST);
    RotateTo(HEROINE, ALESSANDRO);
    Sound(ALESSANDRO, SWORD_DRAWN_SOUND, 594);
    Play(ALESSANDRO, "swordgift01");
    PushAddAttachment(ALESSANDRO, AttachmentNamed("magnificient_sword_alessandro"), BONE_RIGHT_HAND);
    Play(ALESSANDRO, "swordgift02");
    Play(ALESSANDRO, "swordgift03_l");
    AddToQueue(ALESSANDRO, ID_ACTION_TYPE_CHANGE_ANIMATION_TYPE, Param::Int(SWORD_WALK_TYPE), Param::Int(1));
    GoTo(ALESSANDRO, WP_ALESSANDRO_CHAPTER_2);
    AddToQueue(ALESSANDRO, ID_ACTION_TYPE_CHANGE_ANIMATION_TYPE, Param::Int(USUAL_WALK_TYPE), Param::Int(1));
    RotateTo(HEROINE, ALESSANDRO);
    Play(ALESSANDRO, "swordgift05");
    Play(ALESSANDRO, "swordgift06_l");
    _EndMatch();

    // The sword passes into her hands and into her inventory.
    _IfEvent(OnCallback(0x2ec4729b));
    Play(HEROINE, "swordgift01");
    PushAddAttachment(HEROINE, AttachmentNamed("magnificient_sword_tavrine"), BONE_RIGHT_HAND);
    PushRemoveAttachment(ALESSANDRO, AttachmentNamed("magnificient_sword_alessandro"));
    Sound(HEROINE, SWORD_TAKEN_SOUND, 198);
    Play(HEROINE, "swordgift02");
    PushAnimAction(ALESSANDRO, "swordgift07", 0, 1);
    Play(ALESSANDRO, "g_talk_l");
    Give(HEROINE, ItemNamed("ITEM_MAGNIFICENT_SWORD"));
    PushRemoveAttachment(HEROINE, AttachmentNamed("magnificient_sword_tavrine"));
    Play(HEROINE, "swordgift03");
    Play(HEROINE, "g_talk_l");
    _EndMatch();
}

void SceneScript_bg003::DoubloonEvents()
{
    // Five doubloons lent to her.
    _IfEvent(OnCallback(0x642871e5));
    GiveDoubloons(5, true);
    SetBoolVar(VARBOOL_QUEST_C4_PAY_DEBT, true);
    _EndMatch();

    // Diego reports; she and Alessandro stand where they talk.
    _IfEvent(OnCallback(0x3ddbf665));
    Play(ALESSANDRO, "g_idle_l");
    ShowObject(Object("m_door"), true);
    Place(DIEGO, WP_DIEGO_REPORTING);
    ShowObject(DIEGO, true);
    Place(HEROINE, WP_HEROINE_LATER);
    Place(ALESSANDRO, WP_ALESSANDRO_LATER);
    Play(DIEGO, "reporting");
    Play(DIEGO, "reporting_idle_l");
    _EndMatch();

    PlayGesture(OnCallback(0xa4d2a7df), ALESSANDRO, "getout01", "getout02_l");

    _IfEvent(OnCallback(0xbb126f2f));
    GoTo(HEROINE, WP_HEROINE_LATER);
    GoTo(ALESSANDRO, WP_ALESSANDRO_LATER);
    _EndMatch();

    // He pushes her out.
    _IfEvent(OnCallback(0x6a937513));
    PushAnimAction(HEROINE, "pushtavrine", 0, 1);
    Sound(ALESSANDRO, PUSH_SOUND, 1254);
    PushAnimAction(ALESSANDRO, "pushtavrine", 0, 1);
    _EndMatch();

    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ALESSANDRO, ItemNamed("ITEM_DOUBLOON")));
    Dialog(0xfb93cb03);
    _EndMatch();

    // The five doubloons paid back.
    _IfEvent(OnCallback(0xe494496a));
    GiveDoubloons(5, false);
    SetBoolVar(VARBOOL_QUEST_C4_PAY_DEBT_DONE, true);
    NoEffect(10);
    _EndMatch();

    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ALESSANDRO, ItemNamed("ITEM_MAP_B")));
    Dialog(0x87ed1f6c);
    _EndMatch();
}

void SceneScript_bg003::SleeperEvents()
{
    // Diego on the sleeping Alessandro: he carries him home, from the ship
    // as it lies at the first island.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ALESSANDRO, ItemNamed("ITEM_DIEGO")));
    _IfBool(VARBOOL_BG003_C06_EVENT_ALESSANDRO_SLEEPING, 1);
    GoTo(HEROINE, WP_BY_SLEEPER);
    Dialog(0x545caccc);
    _IfInt(VARINT_LOCAL_ISLAND_MAP, Op_IntEqual, 0);
    Play(DIEGO, "alesspickupstart");
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    SetBoolVar(VARBOOL_BG003_C06_USE_DIEGO_ON_ALESSANDRO, true);
    GoToScene(CASTILLO_LIVING_ROOM);
    _EndMatch();
    _EndMatch();
    _EndMatch();

    PlayGesture(OnCallback(0x8d471264), DIEGO, "alessleepcloselook", "g_idle_l");

    // The writing kit, which he keeps once Pedro's letter is under way.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ALESSANDRO, ItemNamed("ITEM_WRITING_KIT")));
    GoTo(HEROINE, WP_BEFORE_ALESSANDRO_LATER);
    RotateTo(ALESSANDRO, HEROINE);
    RotateTo(HEROINE, ALESSANDRO);
    Dialog(0xa55f5454);
    _IfBool(VARBOOL_QUEST_C8_PEDRO03_DONE, 1);
    Take(HEROINE, ItemNamed("ITEM_WRITING_KIT"));
    SetBoolVar(VARBOOL_BG004_C08_GIVE_WRITING_KIT, true);
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0x200fd8bc));
    HandOver(HEROINE, ALESSANDRO, "g_idle_l", "g_idle_l", false);
    _EndMatch();
}

void SceneScript_bg003::ChartEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("bonitas_shrine")), HEROINE, WP_SHRINE, 0xb6fd8abd);
    WalkAndTalk(Activated(Object("bonitas_shrine")), HEROINE, WP_SHRINE, 0xfb0643db);
    WalkAndTalk(Activated(Object("chart")), HEROINE, WP_CHART, 0xfff12682);

    // The sketch map on the chart: the course is set and the world map
    // opens. Once used, the map matches and does nothing.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("chart"), ItemNamed("ITEM_SKETCH_MAP")));
    _IfBool(VARBOOL_BG003_C06_USE_SKETCHMAP_ON_CHART, 0);
    GoTo(HEROINE, WP_CHART);
    Dialog(0xd0a7eba9);
    GoToScene(WORLD_MAP);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg003::BriscoeEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(BRISCOE));
    Dialog(0xe091d666);
    _EndMatch();

    // The heroine steps up to Briscoe for a talk.
    _IfEvent(OnCallback(0x1e7e5760));
    _IfMatch(InChapters({6, 8}));
    WalkTo(HEROINE, WP_BEFORE_ALESSANDRO_LATER);
    _ElseMatch();
    WalkTo(HEROINE, WP_BEFORE_ALESSANDRO);
    _EndMatch();
    RotateTo(HEROINE, BRISCOE);
    RotateTo(BRISCOE, HEROINE);
    _EndMatch();

    // Talk "thomas_b": in chapter 3 he lays out Tanner's map, and she goes.
    _IfEvent(ScriptEvent_FlaggedId2(BRISCOE));
    Dialog(0x53c4dd61);
    _IfMatch(InChapter(3));
    GoTo(BRISCOE, WP_BRISCOE);
    Play(BRISCOE, "puttannermap01");
    PushAddAttachment(BRISCOE, AttachmentNamed("paper_scroll_thomas"), BONE_RIGHT_HAND);
    Play(BRISCOE, "puttannermap02");
    ShowObject(Object("m_mapp"), true);
    PushRemoveAttachment(BRISCOE, AttachmentNamed("paper_scroll_thomas"));
    Play(BRISCOE, "puttannermap04");
    Play(BRISCOE, "g_idle_l");
    RotateTo(BRISCOE, HEROINE);
    Dialog(0x01ed0223);
    ShowObject(HEROINE, false);
    ShowObject(Object("m_door"), false);
    GoToScene(CORRIDOR);
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0x66cf1787));
    RotateTo(BRISCOE, ALESSANDRO);
    _EndMatch();

    // Briscoe leaves the cabin.
    _IfEvent(OnCallback(0xffc6463d));
    GoTo(BRISCOE, WP_OUTSIDE);
    ShowObject(BRISCOE, false);
    SetInteractive(BRISCOE, false);
    RotateTo(HEROINE, ALESSANDRO);
    RotateTo(ALESSANDRO, HEROINE);
    _EndMatch();

    // The heroine leaves the cabin.
    _IfEvent(OnCallback(0xb1877c61));
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    GoTo(HEROINE, WP_OUTSIDE);
    _EndMatch();

    // The sketch map shown to Briscoe, before it is used on the chart.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(BRISCOE, ItemNamed("ITEM_SKETCH_MAP")));
    _IfBool(VARBOOL_BG003_C06_USE_SKETCHMAP_ON_CHART, 0);
    WalkTo(HEROINE, WP_HEROINE_LATER);
    RotateTo(HEROINE, BRISCOE);
    Dialog(0xed0cabc5);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg003::FurnitureEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("bed")), HEROINE, WP_BED, 0x642059c5);
    _IfMatch(MatchExpr::MakeEvent0(Object("bed")));
    GoTo(HEROINE, WP_BED);
    Dialog(0x390c7950);
    Play(HEROINE, "g_tapnonsense");
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    _IfEvent(ScriptEvent_Object1(Object("snake")));
    GoTo(HEROINE, WP_SNAKE);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0x7c92648d);
    _EndMatch();
    WalkAndTalk(Activated(Object("snake")), HEROINE, WP_SNAKE, 0x4bca6736);

    _IfEvent(ScriptEvent_Object1(Object("puppet")));
    GoTo(HEROINE, WP_PUPPET);
    Dialog(0x4403bfcf);
    Play(HEROINE, "g_scratchhead");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
    WalkAndTalk(Activated(Object("puppet")), HEROINE, WP_PUPPET, 0x18878dc8);
}

void SceneScript_bg003::RotateTo(uint32_t uTurnerId, uint32_t uActorId, int32_t iValue)
{
    TurnToward(static_cast<int32_t>(uTurnerId), uActorId, iValue);
}

void SceneScript_bg003::GiveDoubloons(int32_t iCount, bool bGive)
{
    // Both hands move; the heroine gives or receives.
    if (bGive)
        HandOver(ALESSANDRO, HEROINE, "g_talk_l", "g_talk_l", true);
    else
        HandOver(HEROINE, ALESSANDRO, "g_talk_l", "g_talk_l", false);
    AddToQueue(HEROINE, bGive ? ID_ACTION_TYPE_ADD_ITEM : ID_ACTION_TYPE_REMOVE_ITEM,
               Param::Item(ItemNamed("ITEM_DOUBLOON")), Param::Int(iCount));
}

} // namespace

// Scene 7, bg003_WM_AlessandrosCabin.
REGISTER_SCENE_SCRIPT(bg003, 7);
