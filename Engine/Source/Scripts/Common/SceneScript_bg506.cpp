// The turtle beach of Turtle island (scene 47, bg506_TU_TurtleBeach). Chapter
// 9: the heroine spies on Tanama and an islander digging up the turtles' eggs
// while Bobby stands by; the turtle mask scares them off, Tanama faints and is
// revived, the maps are shown to her, and the whistle calls Uncle Eduardo, who
// leads everyone away. Chapter 10: once the turtle chamber's chest is open,
// Hilary, Diego and Alessandro wait here for the last confrontation. In other
// chapters the beach is empty scenery.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

#include <initializer_list>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg506_47>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"tanama"> TANAMA;
constexpr ActorNamed<"villager2"> HARVESTER;
constexpr ActorNamed<"bobby"> BOBBY;
constexpr ActorNamed<"uncle_eduardo"> EDUARDO;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"alessandro_c"> ALESSANDRO;
constexpr ActorNamed<"hilary"> HILARY;

// Waypoints of the beach.
constexpr int32_t WP_FROM_THE_ALTAR_HOUSE = 1;
constexpr int32_t WP_LOOKOUT = 2;
constexpr int32_t WP_BOBBY_WATCHING = 3;
constexpr int32_t WP_TANAMA_DIGGING = 4;
constexpr int32_t WP_HARVESTER_DIGGING = 5;
constexpr int32_t WP_BEFORE_BOBBY = 6;
constexpr int32_t WP_BEFORE_TANAMA = 7;
constexpr int32_t WP_BOBBY_COWERING = 8;
constexpr int32_t WP_EDUARDO = 9;
constexpr int32_t WP_INTO_THE_JUNGLE = 10;
constexpr int32_t WP_WAY_TO_THE_VILLAGE = 11;
constexpr int32_t WP_FROM_THE_TURTLE_PATH = 12;
constexpr int32_t WP_OFF_THE_TURTLE_PATH = 13;
constexpr int32_t WP_HILARY = 14;
constexpr int32_t WP_CONFRONTED = 15;
constexpr int32_t WP_ALESSANDRO = 16;
constexpr int32_t WP_DIEGO = 17;
constexpr int32_t WP_BEFORE_HILARY = 18;
constexpr int32_t WP_EDUARDO_FLYING = 19;
constexpr int32_t WP_TANAMA_SHOWS_THE_WAY = 20;
constexpr int32_t WP_TANAMA_STANDING = 21;
constexpr int32_t WP_BEHIND_THE_ROCKS = 22;
constexpr int32_t WP_HILARY_STRUCK = 23;
constexpr int32_t WP_BY_THE_SHIP = 24;
constexpr int32_t WP_BY_THE_SEA = 26;
constexpr int32_t WP_TO_THE_ALTAR_HOUSE = 28;
constexpr int32_t WP_TO_THE_TURTLE_PATH = 29;

// Blocker 0 fences off the jungle behind the beach, blocker 1 the path back
// to the altar house while the harvest is watched.
constexpr int32_t JUNGLE_BLOCKER = 0;
constexpr int32_t PATH_BLOCKER = 1;

constexpr uint32_t BEACH_MUSIC = 0x63c55bd5;
constexpr uint32_t SURF_AMBIENCE = 0x317d989b;
constexpr int32_t CHAPTER_NINE_SOUNDS = 0x798d30f2;
constexpr int32_t CHAPTER_TEN_SOUNDS = 0x194ab917;
constexpr int32_t QUIET_BEACH_SOUNDS = 0x24a92cbb;
constexpr uint32_t SCARE_SOUND = 0x1108ff55;
constexpr uint32_t STRIKE_SOUND = 0x79c70ac7;
constexpr uint32_t REVIVE_SOUND = 0x71843d4a;
constexpr uint32_t PARROT_SOUND = 0x7e77733a;

// The dialogs that more than one handler starts.
constexpr uint32_t HARVEST_GOES_ON = 0xaed641a5;
constexpr uint32_t WHISTLE_DIALOG = 0xd8219648;

// Eduardo's walk, once he has settled on her head.
constexpr int32_t WALK_ANIMATION_TYPE = 1;
// The marker that the egg dialog's callback queues.
constexpr int32_t EGG_MARKER = 13;

constexpr int32_t MOVIE_CINE09 = 8;
constexpr int32_t MOVIE_STRIP08 = 15;

// The scenes the beach leads to and is entered from.
constexpr int32_t BAY = 43;         // bg501_TU_BeautyBay
constexpr int32_t RUINS = 44;       // bg502_TU_Ruins1
constexpr int32_t ALTAR_HOUSE = 45; // bg504_TU_AltarHouseExterior
constexpr int32_t TURTLE_PATH = 48; // bg508_TU_TurtlePath
constexpr int32_t LOADING = 61;     // bg993_Loading_placeholder
constexpr int32_t FROM_THE_ISLAND[] = {BAY, RUINS, ALTAR_HOUSE};

class SceneScript_bg506 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter9();
    void PlaceTheHeroine();
    void WatchTheHarvest();
    void EnterChapter10();

    // The mask shown: the harvesters look up, Bobby steps aside, the strip.
    void Scare();
    // The same step on several objects and characters, in the order given.
    using SceneScript::SetInteractive;
    using SceneScript::ShowObject;
    void SetInteractive(std::initializer_list<int32_t> targets, bool bOn);
    void ShowObject(std::initializer_list<int32_t> targets, bool bOn);

    void ConfrontationCallbacks();
    void TalkCallbacks();
    void BobbyEvents();
    void TanamaEvents();
    void MapCallbacks();
    void TanamaCallbacks();
    void WhistleEvents();
    void EduardoCallbacks();
    void BeachEvents();
};

void SceneScript_bg506::LinkActorSets()
{
    LinkActorSet("default", InChapter(9));
    LinkActorSet("chapter_10", InChapter(10));
}

void SceneScript_bg506::LinkSoundGroups()
{
    LinkSoundGroup(CHAPTER_NINE_SOUNDS, InChapter(9));
    LinkSoundGroup(CHAPTER_TEN_SOUNDS, InChapter(10));
    LinkSoundGroup(QUIET_BEACH_SOUNDS, InChapters({1, 2, 3, 4, 5, 6, 7, 8}));
}

void SceneScript_bg506::SetInteractive(std::initializer_list<int32_t> targets, bool bOn)
{
    for (const int32_t iTarget : targets)
        SetInteractive(iTarget, bOn);
}

void SceneScript_bg506::ShowObject(std::initializer_list<int32_t> targets, bool bOn)
{
    for (const int32_t iTarget : targets)
        ShowObject(iTarget, bOn);
}

void SceneScript_bg506::BuildEnterActions()
{
    PlayMusic(BEACH_MUSIC);
    PlayAmbience(SURF_AMBIENCE);
    SetInteractive(Object("harvester_group"), false);
    SetInteractive(Object("go_beach"), false);
    PushAction21(HEROINE, JUNGLE_BLOCKER, 1);

    _IfMatch(InChapter(9));
    EnterChapter9();
    _EndMatch();

    _IfMatch(InChapter(9));
    Place(HARVESTER, WP_HARVESTER_DIGGING);
    Place(EDUARDO, WP_EDUARDO);
    _EndMatch();

    PlaceTheHeroine();

    _IfMatch(InChapter(9));
    WatchTheHarvest();
    _EndMatch();

    _IfMatch(InChapter(10));
    EnterChapter10();
    _EndMatch();
}

void SceneScript_bg506::EnterChapter9()
{
    ShowObject(BOBBY, false);
    ShowObject(EDUARDO, false);
    ShowObject(HARVESTER, false);
    SetInteractive({Object("harvester_group"), Object("go_beach"), TANAMA, HARVESTER, BOBBY, EDUARDO}, false);

    SetInteractive(Object("goto_bg508"), false);
    Place(TANAMA, WP_TANAMA_DIGGING);
    _IfBool(VARBOOL_QUEST_C9_HARVESTING_DONE, 1);
    SetInteractive({Object("hilarys_ship"), TANAMA, Object("sea")}, true);
    Place(BOBBY, WP_BOBBY_COWERING);
    _IfBool(VARBOOL_BG506_C09_TALK_TANAMA, 0);
    _IfBool(VARBOOL_BG506_C09_TANAMA_UNCONSCIOUS, 1);
    Play(TANAMA, "faint02_l");
    _EndMatch();
    _ElseMatch();
    Place(TANAMA, WP_TANAMA_STANDING);
    _EndMatch();
    _ElseMatch();
    // The harvest goes on until the mask is shown; after the strip they
    // stand looking up at it.
    _IfBool(VARBOOL_BG506_C09_USE_TURTLE_MASK, 0);
    Place(BOBBY, WP_BOBBY_WATCHING);
    SetInteractive(Object("harvester_group"), true);
    SetInteractive(Object("go_beach"), true);
    SetInteractive(Object("sea"), false);
    SetInteractive(Object("hilarys_ship"), false);
    ShowObject(HARVESTER, true);
    Play(TANAMA, "searcheggs_l");
    Play(HARVESTER, "searcheggs_l");
    _ElseMatch();
    Place(HEROINE, WP_LOOKOUT);
    Place(BOBBY, WP_BOBBY_COWERING);
    ShowObject(HARVESTER, true);
    Play(HEROINE, "g_idle_l");
    Play(TANAMA, "idle_l");
    Play(HARVESTER, "upidle_l");
    _EndMatch();
    _EndMatch();

    _IfBool(VARBOOL_BG506_C09_TALK_BOBBY_ABOUT_HELP, 0);
    ShowAndActivate(BOBBY, true);
    _EndMatch();
    _IfBool(VARBOOL_BG506_C09_EDUARDO_HERE, 1);
    ShowObject(EDUARDO, true);
    _EndMatch();
}

void SceneScript_bg506::PlaceTheHeroine()
{
    Place(HEROINE, WP_LOOKOUT);
    _IfBool(VARBOOL_BG506_C09_USE_TURTLE_MASK, 0);
    Place(HEROINE, WP_FROM_THE_ALTAR_HOUSE);
    GoTo(HEROINE, WP_LOOKOUT);
    _ElseMatch();
    // Back from a movie no test matches: she stays at the lookout.
    for (const int32_t iFrom : FROM_THE_ISLAND) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_FROM_THE_ALTAR_HOUSE);
        WalkTo(HEROINE, WP_BEHIND_THE_ROCKS);
        _EndMatch();
    }
    _IfMatch(CameFrom(TURTLE_PATH));
    Place(HEROINE, WP_FROM_THE_TURTLE_PATH);
    WalkTo(HEROINE, WP_OFF_THE_TURTLE_PATH);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg506::WatchTheHarvest()
{
    _IfBool(VARBOOL_BG506_C09_USE_TURTLE_MASK, 0);
    Play(HEROINE, "idlespyidle");
    Play(HEROINE, "spyidle_l");
    _EndMatch();

    _IfBool(VARBOOL_BG506_C09_EVENT_EGG_STEALERS, 0);
    Dialog(0x5ff8e582);
    SetBoolVar(VARBOOL_TU_MAP_BG506, true);
    SetBoolVar(VARBOOL_BG506_C09_EVENT_EGG_STEALERS, true);
    Dialog(HARVEST_GOES_ON);
    SetBoolVar(VARBOOL_QUEST_C9_HARVESTING, true);
    _EndMatch();

    // Back from the strip: the harvesters run, faint and cower, once.
    _IfMatch(Both(IsTrue(VARBOOL_BG506_C09_USE_TURTLE_MASK), IsFalse(VARBOOL_QUEST_C9_HARVESTING_DONE)));
    Play(HEROINE, "spyidle_l");
    Together();
    EffectSound(SCARE_SOUND);
    WalkTo(HARVESTER, WP_INTO_THE_JUNGLE);
    ShowObject(HARVESTER, false);
    Play(TANAMA, "faint01");
    Play(TANAMA, "faint02_l");
    Play(BOBBY, "scared_l");
    Apart();
    SetBoolVar(VARBOOL_QUEST_C9_HARVESTING_DONE, true);
    Dialog(0xaff00880);
    SetBoolVar(VARBOOL_BG506_C09_TANAMA_UNCONSCIOUS, true);
    SetInteractive({TANAMA, Object("hilarys_ship"), Object("sea")}, true);
    SetInteractive(Object("harvester_group"), false);
    SetInteractive(Object("go_beach"), false);
    for (const int32_t iQuest :
         {VARBOOL_QUEST_C2_BOBBY01_DONE, VARBOOL_QUEST_C4_BOBBY02_DONE, VARBOOL_QUEST_C5_BOBBY03_DONE})
        SetBoolVar(iQuest, true);
    _EndMatch();

    PushAction21(HEROINE, PATH_BLOCKER, 1);
}

void SceneScript_bg506::EnterChapter10()
{
    // He flies; a shadow on the sand would pin him to the ground.
    AddToQueue(EDUARDO, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    _IfBool(VARBOOL_BG509_C10_INT_CHEST, 1);
    ShowObject({DIEGO, ALESSANDRO, HILARY, EDUARDO}, true);
    Place(HEROINE, WP_CONFRONTED);
    Place(ALESSANDRO, WP_ALESSANDRO);
    Place(DIEGO, WP_DIEGO);
    Place(HILARY, WP_HILARY);
    Place(EDUARDO, WP_EDUARDO_FLYING);
    PushAnimAction(EDUARDO, "flyup02_l", 1, 0);
    Dialog(0x0d5009e4);
    WaitForAll();
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(MOVIE_CINE09));
    GoToScene(LOADING);
    _ElseMatch();
    ShowObject({DIEGO, ALESSANDRO, HILARY, EDUARDO}, false);
    _EndMatch();
}

void SceneScript_bg506::BuildExitEvents()
{
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg504")));
    PushAction21(HEROINE, PATH_BLOCKER, 0);
    WalkTo(HEROINE, WP_TO_THE_ALTAR_HOUSE);
    SetBoolVar(VARBOOL_BG506_C09_EDUARDO_HERE, false);
    GoToScene(ALTAR_HOUSE);
    WalkTo(HEROINE, WP_FROM_THE_ALTAR_HOUSE);
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg508")));
    _IfMatch(InChapter(10));
    WalkTo(HEROINE, WP_TO_THE_TURTLE_PATH);
    WalkOnly(HEROINE, true);
    GoToScene(TURTLE_PATH);
    WalkTo(HEROINE, WP_FROM_THE_TURTLE_PATH);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg506::BuildEvents()
{
    ConfrontationCallbacks();
    TalkCallbacks();
    BobbyEvents();
    TanamaEvents();
    MapCallbacks();
    TanamaCallbacks();
    WhistleEvents();
    EduardoCallbacks();
    BeachEvents();
}

void SceneScript_bg506::ConfrontationCallbacks()
{
    // She steps up to Bobby.
    _IfEvent(OnCallback(0xd8c6298f));
    GoTo(HEROINE, WP_BEFORE_BOBBY);
    _EndMatch();

    // Diego, Alessandro and Eduardo leave her alone with Hilary.
    _IfEvent(OnCallback(0x53b4f21b));
    Together();
    GoTo(ALESSANDRO, WP_INTO_THE_JUNGLE);
    GoTo(DIEGO, WP_INTO_THE_JUNGLE);
    PushAnimAction(EDUARDO, "flyup03", 0, 0);
    PushAnimAction(EDUARDO, "baybranchidle_l", 1, 0);
    ShowObject(DIEGO, false);
    ShowObject(ALESSANDRO, false);
    ShowObject(EDUARDO, false);
    Wait(HILARY, 5000);
    TurnToward(HILARY, HEROINE);
    Apart();
    _EndMatch();

    // She strikes Hilary down and steps back.
    _IfEvent(OnCallback(0xcabda3a1));
    GoTo(HEROINE, WP_BEFORE_HILARY);
    // Hilary steps up only once she stands ready.
    AddToQueue(HILARY, ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(HEROINE));
    WaitUntilIdle(HILARY);
    GoTo(HILARY, WP_HILARY_STRUCK);
    Together();
    Sound(HEROINE, STRIKE_SOUND, 1848);
    PushAnimAction(HEROINE, "strikehilary", 0, 1);
    PushAnimAction(HILARY, "strikehilary01", 0, 0);
    PushAnimAction(HILARY, "strikehilary03_l", 1, 0);
    Play(HEROINE, "g_idle_l");
    GoTo(HEROINE, WP_ALESSANDRO);
    Apart();
    _EndMatch();

    // She walks off into the jungle, leaving Hilary on the sand.
    _IfEvent(OnCallback(0xbdba9337));
    PushAnimAction(HILARY, "strikehilary02_l", 1, 0);
    PushAction21(HEROINE, JUNGLE_BLOCKER, 0);
    GoTo(HEROINE, WP_INTO_THE_JUNGLE);
    ShowObject(HEROINE, false);
    PushAnimAction(HILARY, "strikehilary03_l", 1, 0);
    _EndMatch();
}

void SceneScript_bg506::TalkCallbacks()
{
    PlayGesture(OnCallback(0x660fbec0), ALESSANDRO, "g_talk_l");
    PlayGesture(OnCallback(0x0c1f2fc2), ALESSANDRO, "g_idle_l");
    PlayGesture(OnCallback(0x7185de50), HILARY, "g_talk_l");
    PlayGesture(OnCallback(0xbb37f040), HILARY, "g_idle_l");
    PlayGesture(OnCallback(0x8bbc8e27), DIEGO, "g_talk_l");
    PlayGesture(OnCallback(0x728fd06d), DIEGO, "g_idle_l");
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
}

void SceneScript_bg506::Scare()
{
    GoTo(HEROINE, WP_LOOKOUT);
    Play(HEROINE, "spyidle_l");
    Together();
    Play(HARVESTER, "searcheggsidle_l");
    Apart();
    Dialog(0x69a9c042);
    Together();
    Play(TANAMA, "up");
    Play(TANAMA, "idle_l");
    TurnToward(TANAMA, HEROINE);
    Play(HARVESTER, "up");
    Play(HARVESTER, "upidle_l");
    GoTo(BOBBY, WP_BOBBY_COWERING);
    Apart();
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(MOVIE_STRIP08));
}

void SceneScript_bg506::BobbyEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(BOBBY));
    _IfBool(VARBOOL_QUEST_C5_BOBBY03_DONE, 0);
    Dialog(0x93db8a89);
    _ElseMatch();
    GoTo(HEROINE, WP_BEFORE_BOBBY);
    Dialog(0x422bfdf8);
    _EndMatch();
    _EndMatch();

    _IfEvent(ScriptEvent_FlaggedId2(BOBBY));
    _IfBool(VARBOOL_QUEST_C5_BOBBY03_DONE, 0);
    Dialog(0xa0a1624f);
    _ElseMatch();
    GoTo(HEROINE, WP_BEFORE_BOBBY);
    Dialog(0x301fe095);
    _EndMatch();
    // Asked for help, he goes off to fetch it and does not come back.
    _IfBool(VARBOOL_BG506_C09_TALK_BOBBY_ABOUT_HELP, 1);
    Together();
    GoTo(BOBBY, WP_INTO_THE_JUNGLE);
    Wait(HEROINE, 1500);
    TurnToward(HEROINE, BOBBY);
    Apart();
    ShowAndActivate(BOBBY, false);
    _EndMatch();
    _EndMatch();

    _IfEvent(ScriptEvent_ItemOnFlaggedId3(BOBBY, ItemNamed("ITEM_TURTLE_MASK")));
    _IfBool(VARBOOL_BG506_C09_USE_TURTLE_MASK, 0);
    Scare();
    _EndMatch();
    _EndMatch();

    PlayGesture(OnCallback(0x78ca40d2), BOBBY, "talk_l");
    PlayGesture(OnCallback(0x05d7f064), BOBBY, "idle_l");
    PlayGesture(OnCallback(0x68005c3f), BOBBY, "scaredreturnidle", "idle_l");
    _IfEvent(OnCallback(0xfa3d0c39));
    NoEffect(EGG_MARKER);
    _EndMatch();

    // He hands her the bird's egg.
    _IfEvent(OnCallback(0xa7dd4cb5));
    Together();
    Play(BOBBY, "give");
    Play(BOBBY, "talk_l");
    Give(HEROINE, ItemNamed("ITEM_BIRD_EGG"));
    Play(HEROINE, "g_receiveobject");
    Play(HEROINE, "g_talk_l");
    Apart();
    _EndMatch();
}

void SceneScript_bg506::TanamaEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(TANAMA), HEROINE, WP_BEFORE_TANAMA, 0x6c7c460b);
    WalkAndTalk(ScriptEvent_FlaggedId2(TANAMA), HEROINE, WP_BEFORE_TANAMA, 0x5f0d6ff3);

    _IfEvent(ScriptEvent_ItemOnFlaggedId3(TANAMA, ItemNamed("ITEM_TURTLE_MAP")));
    _IfBool(VARBOOL_BG506_C09_TANAMA_UNCONSCIOUS, 0);
    GoTo(HEROINE, WP_BEFORE_TANAMA);
    Dialog(0xb18c736e);
    SetBoolVar(VARBOOL_BG506_C09_USE_TURTLE_MAP_ON_TANAMA, true);
    _EndMatch();
    _EndMatch();

    _IfEvent(ScriptEvent_ItemOnFlaggedId3(TANAMA, ItemNamed("ITEM_COMPLETE_MAP")));
    _IfBool(VARBOOL_BG506_C09_TANAMA_UNCONSCIOUS, 0);
    GoTo(HEROINE, WP_BEFORE_TANAMA);
    Dialog(0x19d397cb);
    SetBoolVar(VARBOOL_QUEST_C9_PURE, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg506::MapCallbacks()
{
    const uint32_t uRolled = AttachmentNamed("rolled_map");
    const uint32_t uUnrolled = AttachmentNamed("unrolled_map");

    // She takes the map out and unrolls it.
    _IfEvent(OnCallback(0x354f5456));
    Play(HEROINE, "g_showmap01");
    PushAddAttachment(HEROINE, uRolled, BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap02");
    PushRemoveAttachment(HEROINE, uRolled);
    PushAddAttachment(HEROINE, uUnrolled, BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap03");
    Play(HEROINE, "g_showmap05_l");
    _EndMatch();

    PlayGesture(OnCallback(0xf02730f2), HEROINE, "g_showmap04_l");

    // She rolls it up again and puts it away.
    _IfEvent(OnCallback(0x29f5ec08));
    PushRemoveAttachment(HEROINE, uUnrolled);
    PushAddAttachment(HEROINE, uRolled, BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap06");
    PushRemoveAttachment(HEROINE, uRolled);
    Play(HEROINE, "g_showmap07");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg506::TanamaCallbacks()
{
    PlayGesture(OnCallback(0x413b3b9e), TANAMA, "scaredtalk_l");
    PlayGesture(OnCallback(0x6fc88aea), TANAMA, "scared01_l");
    PlayGesture(OnCallback(0x965b8cff), TANAMA, "talk_l");
    PlayGesture(OnCallback(0xe0d29c87), TANAMA, "idle_l");

    // She brings Tanama round.
    _IfEvent(OnCallback(0x25cdb2df));
    Together();
    Sound(HEROINE, REVIVE_SOUND, 1914);
    Play(HEROINE, "unfainttanama");
    Play(HEROINE, "g_idle_l");
    Play(TANAMA, "unfaint");
    Play(TANAMA, "scared01_l");
    TurnToward(HEROINE, TANAMA);
    Apart();
    _EndMatch();

    // Tanama gets up and steps aside to talk.
    _IfEvent(OnCallback(0x2565e062));
    Play(TANAMA, "scared02");
    Play(TANAMA, "idle_l");
    GoTo(TANAMA, WP_TANAMA_STANDING);
    Play(TANAMA, "talk_l");
    _EndMatch();

    // Tanama shows the way to the village.
    _IfEvent(OnCallback(0x3b718045));
    GoTo(TANAMA, WP_TANAMA_SHOWS_THE_WAY);
    Play(TANAMA, "showway");
    Play(TANAMA, "idle_l");
    _EndMatch();
}

void SceneScript_bg506::WhistleEvents()
{
    // The whistle calls Eduardo; with the pure quest open he comes to lead
    // them all away to the village.
    _IfMatch(MatchExpr::MakeEvent6(ItemNamed("ITEM_WHISTLE"), ItemNamed("ITEM_EDUARDO")));
    Play(HEROINE, "decoy");
    Play(HEROINE, "g_idle_l");
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C9_PURE), IsFalse(VARBOOL_QUEST_C9_PURE_DONE)));
    GoTo(HEROINE, WP_BEFORE_TANAMA);
    SetBoolVar(VARBOOL_BG506_C09_EDUARDO_HERE, true);
    Dialog(WHISTLE_DIALOG);
    SetBoolVar(VARBOOL_BG506_C09_EDUARDO_HERE, false);
    Together();
    AddToQueue(EDUARDO, ID_ACTION_TYPE_CHANGE_ANIMATION_TYPE,
               Param::Int(AnimationOf<"uncle_eduardo">("head05_l").m_iId), Param::Int(WALK_ANIMATION_TYPE));
    WalkTo(EDUARDO, WP_DIEGO);
    GoTo(EDUARDO, WP_WAY_TO_THE_VILLAGE);
    Wait(HEROINE, 400);
    WalkTo(HEROINE, WP_DIEGO);
    GoTo(HEROINE, WP_WAY_TO_THE_VILLAGE);
    Wait(TANAMA, 400);
    GoTo(TANAMA, WP_WAY_TO_THE_VILLAGE);
    Apart();
    GoToScene(LOADING);
    _ElseMatch();
    Dialog(WHISTLE_DIALOG);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg506::EduardoCallbacks()
{
    // Eduardo answers the whistle and lands on her head.
    _IfEvent(OnCallback(0x86efcf93));
    Sound(EDUARDO, PARROT_SOUND, 0);
    Place(EDUARDO, WP_EDUARDO);
    ShowObject(EDUARDO, true);
    Play(EDUARDO, "head01");
    Play(EDUARDO, "head02_l");
    _EndMatch();

    _IfEvent(OnCallback(0xbef700a9));
    Play(HEROINE, "g_talk_l");
    Play(EDUARDO, "head03_l");
    _EndMatch();

    _IfEvent(OnCallback(0x5443cded));
    Play(HEROINE, "g_idle_l");
    Play(EDUARDO, "head04");
    Play(EDUARDO, "head05_l");
    _EndMatch();
}

void SceneScript_bg506::BeachEvents()
{
    // Too close to the harvesters: she ducks back behind the rocks.
    _IfMatch(MatchExpr::MakeEvent4(HEROINE, Object("go_beach")));
    GoTo(HEROINE, WP_LOOKOUT);
    Play(HEROINE, "spyidle_l");
    Dialog(HARVEST_GOES_ON);
    _EndMatch();

    LookAndActivate(Object("hilarys_ship"), HEROINE, WP_BY_THE_SHIP, 0xf7a44a0d, 0x4a04dc8c);

    _IfEvent(ScriptEvent_Object1(Object("harvester_group")));
    Dialog(0x4a854629);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("harvester_group")));
    Dialog(0x5bbfb957);
    _EndMatch();
    _IfEvent(ScriptEvent_ItemOnObject3(Object("harvester_group"), ItemNamed("ITEM_TURTLE_MASK")));
    _IfBool(VARBOOL_BG506_C09_USE_TURTLE_MASK, 0);
    Scare();
    _EndMatch();
    _EndMatch();

    LookAndActivate(Object("sea"), HEROINE, WP_BY_THE_SEA, 0x7724d859, 0x6f42ad95);
}

} // namespace

// Scene 47, bg506_TU_TurtleBeach.
REGISTER_SCENE_SCRIPT(bg506, 47);
