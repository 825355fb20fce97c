// The living room of the house on Castillo's street (scene 21,
// bg113_BO_CastilloLivingRoom_A). Chapter 5: her first entry brings back sad
// memories; the fauna and flora book leads to the tsetse-fly picture, the
// crossbow can be taken, and the toys chest throws her back into the room of
// her childhood before it opens and gives up the small blanket. Chapter 6:
// Diego carries her father home asleep, she wakes him, and her mother's
// spirit comes to embrace him.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/ActionDesc.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg113_21>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"alessandro_c"> FATHER;
constexpr ActorNamed<"bonita_spirit"> SPIRIT;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

// Waypoints of the living room.
constexpr int32_t WP_DOOR = 0;
constexpr int32_t WP_BEFORE_CHEST = 1;
constexpr int32_t WP_THROWN_BACK = 2;
constexpr int32_t WP_BY_FATHER = 3;
constexpr int32_t WP_FATHER_ASLEEP = 4;
constexpr int32_t WP_DIEGO_PUTS_DOWN = 5;
constexpr int32_t WP_SPIRIT = 6;
constexpr int32_t WP_FATHER_AWAKE = 7;
constexpr int32_t WP_FATHER_TO_SPIRIT = 8;
constexpr int32_t WP_MEMORIES = 9;
constexpr int32_t WP_THRESHOLD = 10;
constexpr int32_t WP_INSIDE = 11;
constexpr int32_t WP_WOKEN = 12;
constexpr int32_t WP_CHAIR = 13;
constexpr int32_t WP_BOOK = 14;
constexpr int32_t WP_PAINTING = 15;
constexpr int32_t WP_CHEST = 16;
constexpr int32_t WP_EXIT = 17;
constexpr int32_t WP_CROSSBOW = 18;
constexpr int32_t WP_SPIDER = 27;
constexpr int32_t WP_TABLE = 28;
constexpr int32_t WP_WEBS[] = {29, 30, 31, 32};
constexpr Object WEBS[] = {"web_1", "web_2", "web_3", "web_4"};

// Walk-mesh blocker: the way out through the door.
constexpr int32_t DOOR_BLOCKER = 0;

// Sprite animations of the chest, its blast and the dust it throws off.
constexpr uint32_t BLAST_AT_REST = 0xba87a16d;
constexpr uint32_t BLAST = 0xa33148e4;
constexpr uint32_t DUST_AT_REST = 0xfd9d7700;
constexpr uint32_t DUST = 0xb8cef22a;
constexpr uint32_t CHEST_CLOSED = 0x93b4c21e;
constexpr uint32_t CHEST_OPEN = 0xc2c8dcfa;

// Sounds.
constexpr uint32_t ROOM_MUSIC = 0x0666ef79;
constexpr uint32_t ROOM_AMBIENCE = 0x5f05f589;

// Dialogs.
constexpr uint32_t DIALOG_SPIDER_AND_WEBS = 0xcd850ec4;

// Scenes this room leads to.
constexpr int32_t CHILDHOOD_LIVING_ROOM = 9; // bg101_BO_CastilloLivingRoom
constexpr int32_t HOUSE_EXTERIOR = 20;       // bg112_BO_CastilloHouseExterior_A
constexpr int32_t TSETSE_FLY_PICTURE = 55;   // bg814_CU_04_TseTseFly
constexpr int32_t ALESSANDROS_CABIN = 7;     // bg003_WM_AlessandrosCabin
constexpr int32_t DEMO_END = 63;             // bg995_end_demo

class SceneScript_bg113 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetRoom();
    void PlaceByPreviousScene();
    void ChapterFiveEntry();
    void ChapterSixEntry();
    void TalkCallbacks();
    void BookEvents();
    void ChestEvents();
    void ChestBlast();
    void CrossbowEvent();
    void FatherEvents();
    void SpiritCallbacks();
    void SpiderAndWebs();
};

void SceneScript_bg113::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg113_chapter_05"), InChapter(5));
    LinkSoundGroup(SoundGroupNamed("bg113_chapter_06"), InChapter(6));
    LinkSoundGroup(0x72d996e6, InChapters({1, 2, 3, 4, 7, 8, 9, 10}));
}

void SceneScript_bg113::BuildEnterActions()
{
    PlayMusic(ROOM_MUSIC);
    PlayAmbience(ROOM_AMBIENCE);
    SetSceneDirection(6);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    ResetRoom();
    Place(HEROINE, WP_PAINTING);
    PlaceByPreviousScene();
    ChapterFiveEntry();
    ChapterSixEntry();
    PushAction21(HEROINE, DOOR_BLOCKER, 1);
}

void SceneScript_bg113::ResetRoom()
{
    ShowAndActivate(DIEGO, false);
    ShowAndActivate(FATHER, false);
    ShowAndActivate(SPIRIT, false);
    ShowObject(Object("fx_chest_repulse"), false);
    PushHashAction23(Object("fx_chest_repulse"), BLAST_AT_REST);
    ShowObject(Object("fx_wall_dust"), false);
    PushHashAction23(Object("fx_wall_dust"), DUST_AT_REST);
    PushHashAction23(Object("o_toys_chest"), CHEST_CLOSED);
    SetInteractive(Object("bonitas_chair"), false);
    ShowObject(Object("fade_in_bonita_spirit"), false);
    ShowObject(Object("fade_out_bonita_spirit"), false);

    // The flower painting and the painting's answer come with the blast.
    _IfBool(VARBOOL_BG113_C05_EVENT_WHAT_WAS_THAT, 0);
    ShowObject(Object("o_flower_paint"), false);
    SetInteractive(Object("painting"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG113_C05_PICK_CROSSBOW, 1);
    ShowObject(Object("i_crossbow"), false);
    SetInteractive(Object("crossbow"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG113_C05_PICK_SMALL_BLANCKET, 1);
    PushHashAction23(Object("o_toys_chest"), CHEST_OPEN);
    SetInteractive(Object("toys_chest"), false);
    ShowObject(Object("i_small_blanket"), false);
    _EndMatch();
}

void SceneScript_bg113::PlaceByPreviousScene()
{
    _IfMatch(CameFrom(HOUSE_EXTERIOR));
    _IfBool(VARBOOL_BG113_C05_EVENT_SAD_MEMORIES, 1);
    Place(HEROINE, WP_THRESHOLD);
    WalkTo(HEROINE, WP_INSIDE);
    _EndMatch();
    _EndMatch();

    // Back from the close-up of the fly, the first time she reads on.
    _IfMatch(CameFrom(TSETSE_FLY_PICTURE));
    Place(HEROINE, WP_BOOK);
    _IfBool(VARBOOL_QUEST_C5_SLEEPY_FLY02, 0);
    Play(HEROINE, "takesflorabook_idle_l");
    Play(HEROINE, "g_readdocument05");
    Play(HEROINE, "g_readdocument06");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_QUEST_C5_SLEEPY_FLY01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C5_SLEEPY_FLY02, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg113::ChapterFiveEntry()
{
    _IfMatch(InChapter(5));
    _IfBool(VARBOOL_BG113_C05_EVENT_SAD_MEMORIES, 0);
    Place(HEROINE, WP_DOOR);
    Sound(HEROINE, 0x6d11ba82, 1122);
    Together();
    PushAnimAction(HEROINE, "entersoldhouse", 0, 1);
    Play(HEROINE, "g_idle_l");
    Apart();
    Place(HEROINE, WP_MEMORIES);
    Dialog(0xca7a509f);
    SetBoolVar(VARBOOL_BG113_C05_EVENT_SAD_MEMORIES, true);
    _EndMatch();

    // Thrown back into her childhood, she wakes up here again.
    _IfMatch(CameFrom(CHILDHOOD_LIVING_ROOM));
    Place(HEROINE, WP_THROWN_BACK);
    _IfBool(VARBOOL_BG113_C05_EVENT_RETURN_SPIRIT, 0);
    Sound(HEROINE, 0x25ae2a82, 4092);
    Together();
    PushAnimAction(HEROINE, "wakesupagain", 0, 1);
    Play(HEROINE, "g_idle_l");
    Apart();
    Place(HEROINE, WP_WOKEN);
    SetBoolVar(VARBOOL_BG113_C05_EVENT_RETURN_SPIRIT, true);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg113::ChapterSixEntry()
{
    _IfMatch(InChapter(6));
    _IfBool(VARBOOL_BG113_C06_EVENT_ALESSANDRO_AT_HOME, 1);
    Place(HEROINE, WP_FATHER_AWAKE);
    Place(FATHER, WP_FATHER_ASLEEP);
    ShowObject(FATHER, true);
    PushAnimAction(FATHER, "sleeping_idle_l", 1, 0);
    SetInteractive(FATHER, true);
    _EndMatch();

    // Diego carries him in and lays him down, then leaves.
    _IfMatch(
        Both(IsTrue(VARBOOL_BG003_C06_USE_DIEGO_ON_ALESSANDRO), IsFalse(VARBOOL_BG113_C06_EVENT_ALESSANDRO_AT_HOME)));
    Place(HEROINE, WP_FATHER_AWAKE);
    Place(DIEGO, WP_DIEGO_PUTS_DOWN);
    ShowObject(DIEGO, true);
    Place(FATHER, WP_FATHER_ASLEEP);
    ShowObject(FATHER, true);
    Sound(DIEGO, 0x560fdb17, 990);
    Together();
    Play(DIEGO, "alesspickupend");
    Play(FATHER, "alesspickupend");
    PushAnimAction(FATHER, "sleeping_idle_l", 1, 0);
    Play(DIEGO, "g_idle_l");
    Apart();
    Wait(LOGIC_DIALOG, 2000);
    Dialog(0x341ab094);
    WalkTo(DIEGO, WP_DOOR);
    ShowObject(DIEGO, false);
    SetInteractive(FATHER, true);
    SetBoolVar(VARBOOL_BG113_C06_EVENT_ALESSANDRO_AT_HOME, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg113::BuildExitEvents()
{
    // Activate "goto_bg112": while her father lies here unspoken to she
    // stays; in the demo the return of the spirit ends it.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg112")));
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    _IfMatch(Both(InChapter(6),
                  Both(IsTrue(VARBOOL_BG113_C06_EVENT_ALESSANDRO_AT_HOME), IsFalse(VARBOOL_QUEST_C2_MEMORIES_DONE))));
    Dialog(0xfd473033);
    _ElseMatch();
    _IfMatch(Both(IsTrue(VARBOOL_BG994_DEMO), IsTrue(VARBOOL_BG113_C05_EVENT_RETURN_SPIRIT)));
    GoToScene(DEMO_END);
    _ElseMatch();
    GoTo(HEROINE, WP_EXIT);
    GoToScene(HOUSE_EXTERIOR);
    WalkTo(HEROINE, WP_DOOR);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg113::BuildEvents()
{
    TalkCallbacks();
    LookAndActivate(Object("bonitas_chair"), HEROINE, WP_CHAIR, 0x76bec1e6, 0x4d59a000);
    BookEvents();
    ChestEvents();
    LookAndActivate(Object("painting"), HEROINE, WP_PAINTING, 0x6d2a1dbe, 0xd4e196d6);
    CrossbowEvent();
    FatherEvents();
    SpiritCallbacks();
    LookAndActivate(Object("table"), HEROINE, WP_TABLE, 0x9b4fb8a6, 0xaabd1604);
    SpiderAndWebs();
}

void SceneScript_bg113::TalkCallbacks()
{
    PlayGesture(OnCallback(0xa85cc740), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x572c2b06), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0x8bbc8e27), DIEGO, "g_talk_l");
    PlayGesture(OnCallback(0x728fd06d), DIEGO, "g_idle_l");
    PlayGesture(OnCallback(0x660fbec0), FATHER, "g_talk_l");
    PlayGesture(OnCallback(0x0c1f2fc2), FATHER, "g_idle_l");
    PlayGesture(OnCallback(0xef72706c), SPIRIT, "talk_02_l");
    PlayGesture(OnCallback(0x9e660e0a), SPIRIT, "idle_02_l");
}

void SceneScript_bg113::BookEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("fauna_flora_book")), HEROINE, WP_BOOK, 0x3bcdfbbd);

    // Once taken, the book opens on the fly until she has read it through.
    _IfMatch(MatchExpr::MakeEvent0(Object("fauna_flora_book")));
    GoTo(HEROINE, WP_BOOK);
    Dialog(0xd42a7aa9);
    _IfMatch(Both(IsTrue(VARBOOL_BG113_C05_PICK_FAUNA_FLORA_BOOK), IsFalse(VARBOOL_QUEST_C5_SLEEPY_FLY01_DONE)));
    GoToScene(TSETSE_FLY_PICTURE);
    _EndMatch();
    _EndMatch();

    // Callback: she takes the book.
    _IfEvent(OnCallback(0x53e8ebd5));
    Play(HEROINE, "takesflorabook01");
    Play(HEROINE, "takesflorabook02");
    Play(HEROINE, "takesflorabook_idle_l");
    Give(HEROINE, ItemNamed("ITEM_FAUNA_FLORA_BOOK"));
    SetBoolVar(VARBOOL_BG113_C05_PICK_FAUNA_FLORA_BOOK, true);
    _EndMatch();
}

void SceneScript_bg113::ChestEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("toys_chest")), HEROINE, WP_CHEST, 0x180adf5d);

    // The first time the chest throws her back; after that it opens.
    _IfMatch(MatchExpr::MakeEvent0(Object("toys_chest")));
    _IfBool(VARBOOL_BG113_C05_EVENT_WHAT_WAS_THAT, 1);
    GoTo(HEROINE, WP_CHEST);
    _ElseMatch();
    GoTo(HEROINE, WP_BEFORE_CHEST);
    _EndMatch();
    Dialog(0xcf44dd91);
    _IfBool(VARBOOL_BG113_C05_EVENT_WHAT_WAS_THAT, 1);
    SetBoolVar(VARBOOL_BG113_C05_PICK_SMALL_BLANCKET, true);
    SetInteractive(Object("toys_chest"), false);
    _ElseMatch();
    ChestBlast();
    _EndMatch();
    _EndMatch();

    // Callback: the chest opens.
    _IfEvent(OnCallback(0x4d7918f4));
    Together();
    Play(HEROINE, "openchestliving");
    Wait(Object("o_toys_chest"), 1700);
    PushHashAction23(Object("o_toys_chest"), CHEST_OPEN);
    Play(HEROINE, "g_idle_l");
    Apart();
    _EndMatch();

    // Callback: she takes the blanket out.
    _IfEvent(OnCallback(0xd470494e));
    Together();
    Play(HEROINE, "interactchest_take");
    Play(HEROINE, "g_idle_l");
    Apart();
    Wait(Object("i_small_blanket"), 1600);
    ShowObject(Object("i_small_blanket"), false);
    Give(HEROINE, ItemNamed("ITEM_SMALL_BLANKET"));
    _EndMatch();
}

void SceneScript_bg113::ChestBlast()
{
    // All in one step: the blast, the dust off the wall and her fall run on
    // their own queues, and the scene changes behind them.
    Together();
    Sound(HEROINE, 0x125af855, 1340);
    AddToQueue(HEROINE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    PushAnimAction(HEROINE, "lexorciste_01", 0, 1);
    Wait(Object("fx_chest_repulse"), 1408);
    ShowObject(Object("fx_chest_repulse"), true);
    PushHashAction23(Object("fx_chest_repulse"), BLAST);
    Wait(Object("fx_wall_dust"), 26856);
    ShowObject(Object("fx_wall_dust"), true);
    PushHashAction23(Object("fx_wall_dust"), DUST);
    ShowObject(Object("fx_chest_repulse"), false);
    ShowObject(Object("fx_wall_dust"), false);
    Play(HEROINE, "lexorciste_02_idle_l");
    Place(HEROINE, WP_THROWN_BACK);
    Wait(LOGIC_DIALOG, 1700);
    Dialog(0x2f0ad511);
    Play(HEROINE, "lexorciste_03");
    Play(HEROINE, "lexorciste_04_idle_l");
    SetBoolVar(VARBOOL_BG113_C05_EVENT_WHAT_WAS_THAT, true);
    GoToScene(CHILDHOOD_LIVING_ROOM);
    Apart();
}

void SceneScript_bg113::CrossbowEvent()
{
    _IfMatch(MatchExpr::MakeEvent0(Object("crossbow")));
    GoTo(HEROINE, WP_CROSSBOW);
    Play(HEROINE, "g_pickobjecthigh01");
    ShowObject(Object("i_crossbow"), false);
    Give(HEROINE, ItemNamed("ITEM_CROSSBOW"));
    Play(HEROINE, "g_pickobjecthigh02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG113_C05_PICK_CROSSBOW, true);
    SetInteractive(Object("crossbow"), false);
    _EndMatch();
}

void SceneScript_bg113::FatherEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(FATHER), HEROINE, WP_BY_FATHER, 0x71c1d30d);

    // The talk always ends on board, in his cabin.
    _IfEvent(ScriptEvent_FlaggedId2(FATHER));
    GoTo(HEROINE, WP_BY_FATHER);
    Dialog(0x8c7bb98b);
    SetBoolVar(VARBOOL_QUEST_C2_MEMORIES_DONE, true);
    _IfBool(VARBOOL_BG307_C04_WISH_FATHERS_GRIEF, 1);
    SetBoolVar(VARBOOL_BG307_C04_A_WISH, false);
    Together();
    WalkTo(FATHER, WP_DOOR);
    Apart();
    Dialog(0xa0d20395);
    Together();
    GoTo(HEROINE, WP_BY_FATHER);
    NoEffect(11);
    Apart();
    _EndMatch();
    NoEffect(7);
    WaitForAll();
    GoToScene(ALESSANDROS_CABIN);
    _EndMatch();

    // Callback: she shakes him awake; they face each other.
    _IfEvent(OnCallback(0xfd253d8f));
    Sound(HEROINE, 0x684cf730, 1914);
    Together();
    PushAnimAction(HEROINE, "shakewakedadtry", 0, 1);
    PushAnimAction(FATHER, "shakewakedadtry", 0, 1);
    Play(HEROINE, "g_idle_l");
    Play(FATHER, "g_idle_l");
    Apart();
    GoTo(HEROINE, WP_FATHER_AWAKE);
    TurnToward(HEROINE, FATHER);
    TurnToward(FATHER, HEROINE);
    _EndMatch();

    _IfEvent(OnCallback(0x8d4fc900));
    TurnToward(FATHER, HEROINE);
    TurnToward(HEROINE, FATHER);
    _EndMatch();
}

void SceneScript_bg113::SpiritCallbacks()
{
    // Callback: her mother's spirit fades in; he goes to meet her.
    _IfEvent(OnCallback(0x642c6c35));
    ShowObject(Object("fade_in_bonita_spirit"), true);
    Place(SPIRIT, WP_SPIRIT);
    ShowObject(SPIRIT, true);
    PushAction60(Object("fade_in_bonita_spirit"), 1000, 0);
    Wait(FATHER, 1000);
    GoTo(FATHER, WP_FATHER_TO_SPIRIT);
    Wait(HEROINE, 100);
    TurnToward(HEROINE, SPIRIT);
    _EndMatch();

    // Callback: the embrace; the spirit fades away ten seconds on.
    _IfEvent(OnCallback(0x132b5ca3));
    Together();
    Play(SPIRIT, "makehugbonitaspirit");
    Sound(FATHER, 0x45cfcfbd, 4356);
    PushAnimAction(FATHER, "makehugbonitaspirit", 0, 1);
    Play(SPIRIT, "idle_l");
    Play(FATHER, "g_idle_l");
    Wait(Object("fade_out_bonita_spirit"), 10000);
    ShowObject(Object("fade_out_bonita_spirit"), true);
    PushAction60(Object("fade_out_bonita_spirit"), 1000, 1);
    ShowObject(SPIRIT, false);
    Wait(Object("fade_out_bonita_spirit"), 2000);
    PushAction60(Object("fade_out_bonita_spirit"), 500, 0);
    Apart();
    _EndMatch();
}

void SceneScript_bg113::SpiderAndWebs()
{
    _IfEvent(ScriptEvent_Object1(Object("spider")));
    GoTo(HEROINE, WP_SPIDER);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(DIALOG_SPIDER_AND_WEBS);
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(Object("spider")));
    GoTo(HEROINE, WP_SPIDER);
    Dialog(0xe4ce0900);
    _EndMatch();

    for (size_t i = 0; i < std::size(WEBS); ++i) {
        WalkAndTalk(ScriptEvent_Object1(WEBS[i]), HEROINE, WP_WEBS[i], DIALOG_SPIDER_AND_WEBS);
    }
}

} // namespace

// Scene 21, bg113_BO_CastilloLivingRoom_A.
REGISTER_SCENE_SCRIPT(bg113, 21);
