// The front of Briscoe's house (scene 17, bg110_BO_BriscoesHouseExterior),
// with its garden, its statues, a hollow tree and an old bell by the door.
// Chapter 5: Briscoe worries on the first visit and sends the heroine back
// to her errands; then two guards block the house until strong rum put out
// for them and a fruit thrown at the bell put them to sleep, and the spare
// key opens the door. After the fire inside, the escape leads into the
// chase. In the other chapters the door is burnt and only the remarks stay.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg110_17>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"dinsdale"> DINSDALE;
constexpr ActorNamed<"mitchell"> MITCHELL;
constexpr ActorNamed<"elizabeth_b"> ELIZABETH;

// Waypoints: the yard, the guards' places, the things' places and the street.
constexpr int32_t WP_HIDING = 0;
constexpr int32_t WP_STREET = 1;
constexpr int32_t WP_YARD = 2;
constexpr int32_t WP_BRISCOE_STOPS_HER = 3;
constexpr int32_t WP_DOWN_THE_STREET = 4;
constexpr int32_t WP_DOORSTEP = 5;
constexpr int32_t WP_DINSDALE_GUARDING = 6;
constexpr int32_t WP_MITCHELL_GUARDING = 7;
constexpr int32_t WP_BRISCOE_ESCAPED = 8;
constexpr int32_t WP_ELIZABETH_ESCAPED = 9;
constexpr int32_t WP_BY_DINSDALE = 10;
constexpr int32_t WP_BY_MITCHELL = 11;
constexpr int32_t WP_BY_BRISCOE = 12;
constexpr int32_t WP_BRISCOE_HIDING = 13;
constexpr int32_t WP_BRISCOE_WAITING = 14;
constexpr int32_t WP_BRISCOE_ON_HIS_WAY = 15;
constexpr int32_t WP_BACK_IN_HIDING = 16;
constexpr int32_t WP_DINSDALE_ASLEEP = 17;
constexpr int32_t WP_MITCHELL_ASLEEP = 18;
constexpr int32_t WP_GATE = 23;
constexpr int32_t WP_DOOR = 24;
constexpr int32_t WP_STATUES = 25;
constexpr int32_t WP_BUSHES = 26;
constexpr int32_t WP_DOORMAT = 27;
constexpr int32_t WP_HOLLOW_TREE = 28;
constexpr int32_t WP_WAY_OUT = 29;
constexpr int32_t WP_BELL = 34;
constexpr int32_t WP_MANSION = 38;

// Walk-mesh blockers: the street (lifted only on the way out) and the side
// of the house.
constexpr int32_t STREET_BLOCKER = 0;
constexpr int32_t SIDE_BLOCKER = 1;

// Sounds: the music and the evening; the fruit on the bell; Briscoe's bell,
// the locked door, the rum set down, the guards taking, drinking and falling.
constexpr uint32_t HOUSE_MUSIC = 0x0666ef79;
constexpr uint32_t HOUSE_AMBIENCE = 0x6510503d;
constexpr uint32_t FRUIT_ON_BELL_SOUND = 0x3bf9e667;
constexpr uint32_t BRISCOE_BELL_SOUND = 0x0ebdde12;
constexpr uint32_t LOCKED_DOOR_SOUND = 0x69d91384;
constexpr uint32_t RUM_SET_DOWN_SOUND = 0x510bfd05;
constexpr uint32_t RUM_TAKEN_SOUND = 0x5a30cd9a;
constexpr uint32_t DINSDALE_DRINKS_SOUND = 0x43399c20;
constexpr uint32_t DINSDALE_FALLS_SOUND = 0x343eacb6;
constexpr uint32_t MITCHELL_FALLS_SOUND = 0x2a5a3915;

// Sprite animations: the fruit at rest and flying at the bell; the bell at
// rest, swinging and ringing; the door whole and burnt.
constexpr uint32_t FRUIT_RESTING = 0x318fea79;
constexpr uint32_t FRUIT_THROWN = 0x88194db0;
constexpr uint32_t BELL_RESTING = 0x7dde4f7f;
constexpr uint32_t BELL_SWINGING = 0xda120cef;
constexpr uint32_t BELL_RINGING = 0x3b9f275e;
constexpr uint32_t DOOR_WHOLE = 0x84c088a6;
constexpr uint32_t DOOR_BURNT = 0xf62237d7;

constexpr int32_t BONE_FOR_BOTTLE = BONE_RIGHT_HAND;

constexpr int32_t THE_CHASE = 5;
// The chase's return to this scene.
constexpr int32_t BACK_FROM_THE_CHASE = 256 + THE_CHASE;
constexpr int32_t DOCKS = 13;             // bg105_BO_Docks
constexpr int32_t TOWNHALL_EXTERIOR = 15; // bg107_BO_TownhallExterior
constexpr int32_t BRISCOES_INTERIOR = 18; // bg111_BO_BriscoesHouseInterior

// The yard's hotspots, closed while the guards stand and opened together
// once they sleep.
constexpr Object YARD_HOTSPOTS[] = {"bushes_and_plants", "doormat",  "gate",    "goto_bg111", "goto_bo",
                                    "hollow_tree",       "old_bell", "statues", "mansion"};

// The scenes from which the heroine walks in from the street.
constexpr int32_t STREET_SCENES[] = {11, 12, 13, 15, 20};

class SceneScript_bg110 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter5();
    void GuardsAwake();
    void GuardsAsleep();
    void FirstVisit();
    void TheEscape();
    void BackFromTheChase();
    // Opens or closes the yard's hotspots but one (-1: none).
    void YardHotspots(bool bActive, int32_t iLeftAlone);

    void TalkCallbacks();
    void DoorEvents();
    void GuardEvents();
    void BriscoeEvents();
    void GardenEvents();
    void BellEvents();
    void RumEvents();
    void GuardsFallAsleep();
};

void SceneScript_bg110::LinkActorSets()
{
    LinkActorSet("chapter_5", InChapter(5));
}

void SceneScript_bg110::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg110_chapter_05"), InChapter(5));
    LinkSoundGroup(0x7c569105, InEveryChapterBut(5));
}

void SceneScript_bg110::BuildEnterActions()
{
    PlayMusic(HOUSE_MUSIC);
    PlayAmbience(HOUSE_AMBIENCE);
    SetSceneDirection(2);
    Place(HEROINE, WP_DOORSTEP);
    ShowObject(Object("o_strong_rum"), false);
    SetInteractive(Object("strong_rum"), false);
    SetInteractive(Object("event_ninja"), false);
    ShowObject(Object("fx_smoke"), false);
    ShowObject(Object("fx_bell_pear"), false);
    PushHashAction23(Object("fx_bell_pear"), FRUIT_RESTING);
    PushHashAction23(Object("fx_ring_bell"), BELL_RESTING);

    _IfMatch(InChapter(5));
    EnterChapter5();
    _ElseMatch();
    PushHashAction23(Object("o_door"), DOOR_BURNT);
    Place(HEROINE, WP_DOORSTEP);
    for (const int32_t iScene : STREET_SCENES) {
        _IfMatch(CameFrom(iScene));
        Place(HEROINE, WP_STREET);
        GoTo(HEROINE, WP_YARD);
        _EndMatch();
    }
    _EndMatch();

    PushAction21(HEROINE, STREET_BLOCKER, 1);
    PushAction21(HEROINE, SIDE_BLOCKER, 1);
}

void SceneScript_bg110::EnterChapter5()
{
    PushHashAction23(Object("o_door"), DOOR_WHOLE);
    Place(DINSDALE, WP_DINSDALE_GUARDING);
    Place(MITCHELL, WP_MITCHELL_GUARDING);
    ShowAndActivate(ELIZABETH, false);

    _IfBool(VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS, 0);
    Place(BRISCOE, WP_STREET);
    Place(HEROINE, WP_STREET);
    GoTo(HEROINE, WP_YARD);
    ShowAndActivate(BRISCOE, false);
    YardHotspots(false, Object("goto_bo"));
    _ElseMatch();
    _IfBool(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS, 0);
    GuardsAwake();
    _ElseMatch();
    _IfBool(VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE, 0);
    GuardsAsleep();
    _EndMatch();
    _EndMatch();
    _EndMatch();

    _IfBool(VARBOOL_BG110_C05_EVENT_BRISCOE_WORRIES, 0);
    FirstVisit();
    _ElseMatch();
    // Worries heard but errands not done: she stops and turns back.
    _IfBool(VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS, 0);
    Play(HEROINE, "halt_01");
    Play(HEROINE, "halt_03");
    Play(HEROINE, "g_idle_l");
    GoToScene(DOCKS);
    _EndMatch();
    _EndMatch();

    // The two exclude each other: the escape's start of the chase already
    // names the chase as where she comes from while this entry still runs.
    _IfMatch(CameFrom(BACK_FROM_THE_CHASE));
    BackFromTheChase();
    _ElseMatch();
    _IfMatch(
        Both(IsTrue(VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE), IsFalse(VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE)));
    TheEscape();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg110::GuardsAwake()
{
    // The guards stand: she keeps to the bushes, with the map and every way
    // out but the bell closed. Briscoe, who came along in her inventory from
    // the docks, hides beside her now.
    Place(HEROINE, WP_HIDING);
    Take(HEROINE, ItemNamed("ITEM_BRISCOE"));
    Place(BRISCOE, WP_BRISCOE_HIDING);
    Play(BRISCOE, "impatient_idle_l");
    SetInteractive(Object("event_ninja"), true);
    YardHotspots(false, -1);
    SetInteractive(Object("old_bell"), true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    _IfBool(VARBOOL_BG110_C05_USE_STRONGRUM_ON_GUARDS, 1);
    SetInteractive(Object("strong_rum"), false);
    ShowObject(Object("o_strong_rum"), true);
    _EndMatch();
}

void SceneScript_bg110::GuardsAsleep()
{
    Place(MITCHELL, WP_MITCHELL_ASLEEP);
    Play(MITCHELL, "sleeping_idle_l");
    Place(DINSDALE, WP_DINSDALE_ASLEEP);
    Play(DINSDALE, "sleeping_idle_l");
    Place(BRISCOE, WP_BRISCOE_WAITING);
    Play(BRISCOE, "impatient_idle_l");
    Place(HEROINE, WP_STREET);
    GoTo(HEROINE, WP_GATE);
}

void SceneScript_bg110::FirstVisit()
{
    // Briscoe hurries up to her and tells of the guards; then she is off to
    // her errands.
    ShowObject(BRISCOE, true);
    Together();
    Play(HEROINE, "halt_01");
    Play(HEROINE, "halt_02_l");
    GoTo(BRISCOE, WP_BRISCOE_STOPS_HER);
    Apart();
    Dialog(0xfa4195f3);
    SetBoolVar(VARBOOL_BG110_C05_EVENT_BRISCOE_WORRIES, true);
    GoToScene(DOCKS);
}

void SceneScript_bg110::TheEscape()
{
    // Out of the burning house, all three coughing; the guards have gone for
    // help, and the chase begins. The flag is set first, so it plays once.
    PushHashAction23(Object("o_door"), DOOR_BURNT);
    ShowObject(Object("fx_smoke"), true);
    ShowAndActivate(DINSDALE, false);
    ShowAndActivate(MITCHELL, false);
    Place(HEROINE, WP_DOORSTEP);
    Place(ELIZABETH, WP_ELIZABETH_ESCAPED);
    ShowObject(ELIZABETH, true);
    Place(BRISCOE, WP_BRISCOE_ESCAPED);
    ShowObject(BRISCOE, true);
    Play(HEROINE, "cough_l");
    Play(ELIZABETH, "cough_l");
    Play(BRISCOE, "cough_l");
    Dialog(0x170c764c);
    GoTo(HEROINE, WP_DOWN_THE_STREET);
    SetBoolVar(VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE, true);
    StartMiniGame(THE_CHASE);
}

void SceneScript_bg110::BackFromTheChase()
{
    // Nothing else marks the chase as won, and the way out would start it
    // again for ever: a won chase counts here and goes on to the docks.
    _IfBool(VARBOOL_C_WIN_MINIGAME, 1);
    SetBoolVar(VARBOOL_WIN_MINIGAME_05, true);
    GoToScene(DOCKS);
    _EndMatch();
}

void SceneScript_bg110::BuildExitEvents()
{
    // Activate "goto_bo": the chase again until it is won; out to the town
    // hall before the errands or once the guards sleep; while they stand
    // she stays, and the street's blocker stays lifted until the next entry.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bo")));
    PushAction21(HEROINE, STREET_BLOCKER, 0);
    _IfMatch(Both(Both(InChapter(5), IsTrue(VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE)),
                  IsFalse(VARBOOL_WIN_MINIGAME_05)));
    GoTo(HEROINE, WP_WAY_OUT);
    StartMiniGame(THE_CHASE);
    _ElseMatch();
    _IfMatch(MatchExpression(Op_Or, IsFalse(VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS),
                             IsTrue(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS)));
    GoTo(HEROINE, WP_WAY_OUT);
    GoToScene(TOWNHALL_EXTERIOR);
    GoTo(HEROINE, WP_DOWN_THE_STREET);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg110::BuildEvents()
{
    PlayGesture(OnCallback(0x1024851b), HEROINE, "halt_03", "g_idle_l");
    // Callback: Briscoe rings the bell himself.
    _IfEvent(OnCallback(0x4dfeb750));
    GoTo(BRISCOE, WP_BELL);
    PushHashAction23(Object("fx_ring_bell"), BELL_SWINGING);
    Play(BRISCOE, "ringbell_01");
    Together();
    PushHashAction23(Object("fx_ring_bell"), BELL_RINGING);
    Sound(BRISCOE, BRISCOE_BELL_SOUND, 132);
    Play(BRISCOE, "ringbell_02_l");
    Apart();
    _EndMatch();
    TalkCallbacks();
    DoorEvents();
    GuardEvents();
    BriscoeEvents();
    GardenEvents();
    BellEvents();
    RumEvents();
    GuardsFallAsleep();
}

void SceneScript_bg110::TalkCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0xc6872627), MITCHELL, "g_talk_l");
    PlayGesture(OnCallback(0x913b0ea0), MITCHELL, "idle_l");
    PlayGesture(OnCallback(0x6f949d4e), DINSDALE, "g_talk_l");
    PlayGesture(OnCallback(0xd0fbfd06), DINSDALE, "idle_l");
}

void SceneScript_bg110::DoorEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("goto_bg111")), HEROINE, WP_DOOR, 0xa3071074);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("goto_bg111")), HEROINE, WP_DOOR, 0xa3071074);

    // Callback: the door is locked.
    _IfEvent(OnCallback(0x567050fa));
    Sound(HEROINE, LOCKED_DOOR_SOUND, 1056);
    Together();
    Play(HEROINE, "g_dooropenfailure02");
    Apart();
    Play(HEROINE, "g_idle_l");
    _EndMatch();
    PlayGesture(OnCallback(0xcf790140), HEROINE, "listendoor", "g_idle_l");

    // UseItem the spare key on the door: in.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("goto_bg111"), ItemNamed("ITEM_SPARE_KEY")));
    GoTo(HEROINE, WP_DOOR);
    Take(HEROINE, ItemNamed("ITEM_SPARE_KEY"));
    SetBoolVar(VARBOOL_QUEST_C5_SAVE_ELIZABETH03_DONE, true);
    Dialog(0x91c0aa98);
    GoToScene(BRISCOES_INTERIOR);
    _EndMatch();

    // Touch "event_ninja": too close to the guards, she slips back.
    _IfMatch(MatchExpr::MakeEvent4(HEROINE, Object("event_ninja")));
    WalkTo(HEROINE, WP_BACK_IN_HIDING);
    _EndMatch();
    PlayGesture(OnCallback(0x0f11323d), HEROINE, "observgards01", "observgards02_l");
    PlayGesture(OnCallback(0x96186387), HEROINE, "observgards03", "g_idle_l");
    WalkAndTalk(ScriptEvent_Object1(Object("gate")), HEROINE, WP_GATE, 0x9a1af5a0);
}

void SceneScript_bg110::GuardEvents()
{
    // Look and Talk on a guard: she walks up only once they sleep. The rum
    // offered to either only starts the talk; a callback of it sets it down.
    for (const auto& [uGuard, iWaypoint] : {std::pair {static_cast<uint32_t>(DINSDALE), WP_BY_DINSDALE},
                                            std::pair {static_cast<uint32_t>(MITCHELL), WP_BY_MITCHELL}}) {
        for (const auto& [pattern, uDialog] : {std::pair {ScriptEvent_FlaggedId1(uGuard), 0xafb09bcau},
                                               std::pair {ScriptEvent_FlaggedId2(uGuard), 0x9cc1b232u}}) {
            _IfEvent(pattern);
            _IfBool(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS, 1);
            GoTo(HEROINE, iWaypoint);
            _EndMatch();
            Dialog(uDialog);
            _EndMatch();
        }
        _IfEvent(ScriptEvent_ItemOnFlaggedId3(uGuard, ItemNamed("ITEM_STRONG_RUM")));
        Dialog(0x3a0306e6);
        _EndMatch();
    }

    _IfEvent(OnCallback(0xf4cef1cb));
    GoTo(HEROINE, WP_HIDING);
    _EndMatch();

    // Callback: she creeps up, sets the bottle down where they will see it
    // and creeps back.
    _IfEvent(OnCallback(0x6dc7a071));
    Sound(HEROINE, RUM_SET_DOWN_SOUND, 1320);
    Together();
    PushAnimAction(HEROINE, "ninjamove_01", 0, 0);
    Apart();
    PushAddAttachment(HEROINE, AttachmentNamed("strong_rhum_tavrine"), BONE_FOR_BOTTLE);
    PushAnimAction(HEROINE, "ninjamove_02", 0, 0);
    ShowObject(Object("o_strong_rum"), true);
    PushRemoveAttachment(HEROINE, AttachmentNamed("strong_rhum_tavrine"));
    PushAnimAction(HEROINE, "ninjamove_03", 0, 0);
    Play(HEROINE, "g_idle_l");
    Take(HEROINE, ItemNamed("ITEM_STRONG_RUM"));
    SetBoolVar(VARBOOL_BG110_C05_USE_STRONGRUM_ON_GUARDS, true);
    SetInteractive(Object("strong_rum"), true);
    _EndMatch();
}

void SceneScript_bg110::BriscoeEvents()
{
    // Look and Talk on Briscoe: while the guards stand she only turns to him.
    for (const auto& [pattern, uDialog] : {std::pair {ScriptEvent_FlaggedId1(BRISCOE), 0x2ecc0facu},
                                           std::pair {ScriptEvent_FlaggedId2(BRISCOE), 0x9d9904abu}}) {
        _IfEvent(pattern);
        _IfBool(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS, 1);
        GoTo(HEROINE, WP_BY_BRISCOE);
        _ElseMatch();
        TurnToward(HEROINE, BRISCOE);
        _EndMatch();
        Dialog(uDialog);
        _EndMatch();
    }
    PlayGesture(OnCallback(0x1a358376), BRISCOE, "g_talk_l");
    PlayGesture(OnCallback(0x64afab29), BRISCOE, "impatient_idle_l");
}

void SceneScript_bg110::GardenEvents()
{
    LookAndActivate(Object("statues"), HEROINE, WP_STATUES, 0x27a43cc2, 0x4b5014a1);
    PlayGesture(OnCallback(0x5ca1ca06), HEROINE, "searching_low", "g_idle_l");
    LookAndActivate(Object("bushes_and_plants"), HEROINE, WP_BUSHES, 0x4b2a0c08, 0x7fe4afe1);
    LookAndActivate(Object("doormat"), HEROINE, WP_DOORMAT, 0x9eaa2f08, 0xf25e076b);
    PlayGesture(OnCallback(0xb28ba316), HEROINE, "searching_doormat", "g_idle_l");
    LookAndActivate(Object("hollow_tree"), HEROINE, WP_HOLLOW_TREE, 0x5b373cdf, 0x702e7aa0);
    PlayGesture(OnCallback(0x8217db64), HEROINE, "searching_high", "g_idle_l");
}

void SceneScript_bg110::BellEvents()
{
    // Look and Activate "old_bell": she walks up only once the guards sleep.
    for (const auto& [pattern, uDialog] :
         {std::pair {MatchExpr::Event(ScriptEvent_Object1(Object("old_bell"))), 0x8089d241u},
          std::pair {MatchExpr::MakeEvent0(Object("old_bell")), 0x545e168bu}}) {
        _IfMatch(pattern);
        _IfBool(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS, 1);
        GoTo(HEROINE, WP_BELL);
        _EndMatch();
        Dialog(uDialog);
        _EndMatch();
    }

    // UseItem the fruit on "old_bell": nothing before the errands; with the
    // rum set down, the ringing draws the guards to it and they sleep, and
    // the yard is hers.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("old_bell"), ItemNamed("ITEM_FRUIT")));
    _IfBool(VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS, 1);
    GoTo(HEROINE, WP_HIDING);
    Dialog(0x3ccc50fb);
    _IfBool(VARBOOL_BG110_C05_USE_STRONGRUM_ON_GUARDS, 1);
    SetInteractive(Object("event_ninja"), false);
    Play(HEROINE, "pear04");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_ACTIVE_MAP, true);
    SetInteractive(Object("strong_rum"), false);
    YardHotspots(true, -1);
    WalkTo(BRISCOE, WP_BRISCOE_ON_HIS_WAY);
    GoTo(BRISCOE, WP_BRISCOE_WAITING);
    Play(BRISCOE, "impatient_idle_l");
    SetBoolVar(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS, true);
    SetBoolVar(VARBOOL_QUEST_C5_AVOID_GUARDS01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C5_AVOID_GUARDS02_DONE, true);
    _EndMatch();
    _EndMatch();
    _EndMatch();

    // Callback: the fruit flies at the bell.
    _IfEvent(OnCallback(0x541ebbc5));
    Play(HEROINE, "pear01");
    EffectSound(FRUIT_ON_BELL_SOUND);
    ShowObject(Object("fx_ring_bell"), false);
    ShowObject(Object("fx_bell_pear"), true);
    Together();
    PushHashAction23(Object("fx_bell_pear"), FRUIT_THROWN);
    PushHashAction23(Object("fx_bell_pear"), FRUIT_RESTING);
    Play(HEROINE, "pear02");
    Apart();
    Play(HEROINE, "pear03_l");
    Take(HEROINE, ItemNamed("ITEM_FRUIT"));
    _EndMatch();
}

void SceneScript_bg110::YardHotspots(bool bActive, int32_t iLeftAlone)
{
    for (const Object hotspot : YARD_HOTSPOTS)
        if (hotspot != iLeftAlone)
            SetInteractive(hotspot, bActive);
}

void SceneScript_bg110::RumEvents()
{
    LookAndActivate(Object("strong_rum"), HEROINE, WP_HIDING, 0xa1510b8b, 0x0c4de631);

    // Callback: Dinsdale finds the bottle, Mitchell watches.
    _IfEvent(OnCallback(0xa4467e35));
    Sound(DINSDALE, RUM_TAKEN_SOUND, 2838);
    Together();
    PushAnimAction(DINSDALE, "pear01", 0, 0);
    Play(MITCHELL, "pear01");
    PushAnimAction(DINSDALE, "pear02", 0, 0);
    Apart();
    PushAddAttachment(DINSDALE, AttachmentNamed("strong_rhum_thug1"), BONE_FOR_BOTTLE);
    ShowObject(Object("o_strong_rum"), false);
    Together();
    PushAnimAction(DINSDALE, "pear03", 0, 0);
    PushAnimAction(DINSDALE, "pear04", 0, 0);
    Play(DINSDALE, "pear04b_l");
    Play(MITCHELL, "pear01b_l");
    Apart();
    _EndMatch();

    // Callback: both drink, Dinsdale a little after Mitchell.
    _IfEvent(OnCallback(0x3d4f2f8f));
    Together();
    Place(DINSDALE, WP_DINSDALE_GUARDING);
    Play(MITCHELL, "pear01c");
    PushAddAttachment(MITCHELL, AttachmentNamed("strong_rhum_thug2"), BONE_FOR_BOTTLE);
    Play(MITCHELL, "pear02");
    Wait(DINSDALE, 2200);
    Sound(DINSDALE, DINSDALE_DRINKS_SOUND, 1980);
    Play(DINSDALE, "pear04c");
    Play(DINSDALE, "pear05");
    PushRemoveAttachment(DINSDALE, AttachmentNamed("strong_rhum_thug1"));
    Play(DINSDALE, "pear06_l");
    Play(MITCHELL, "pear03_l");
    Apart();
    _EndMatch();
}

void SceneScript_bg110::GuardsFallAsleep()
{
    _IfEvent(OnCallback(0x4a481f19));
    Sound(DINSDALE, DINSDALE_FALLS_SOUND, 726);
    PushAnimAction(DINSDALE, "pear07", 0, 1);
    Play(DINSDALE, "sleeping_idle_l");
    Place(DINSDALE, WP_DINSDALE_ASLEEP);
    AddToQueue(DINSDALE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    _EndMatch();

    _IfEvent(OnCallback(0xd42c8aba));
    Sound(MITCHELL, MITCHELL_FALLS_SOUND, 924);
    PushAnimAction(MITCHELL, "pear04", 0, 1);
    Play(MITCHELL, "sleeping_idle_l");
    Place(MITCHELL, WP_MITCHELL_ASLEEP);
    _EndMatch();

    LookAndActivate(Object("mansion"), HEROINE, WP_MANSION, 0xd00c3956, 0xbcf81135);
}

} // namespace

// Scene 17, bg110_BO_BriscoesHouseExterior.
REGISTER_SCENE_SCRIPT(bg110, 17);
