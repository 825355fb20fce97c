// The garden beside the town hall of Hollow island (scene 33, bg306_HO_Garden),
// up the stairs from Percy's square: his shed, his flowers and a mosaic
// column. Chapter 4: the hammer and chisel from the shed will not break the
// column; Diego, called into the garden and handed the tools, does, and the
// rubble gives up the other half of the stone disk. The shed also holds a
// weed killer.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg306_33>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"diego"> DIEGO;

// Waypoints of the garden.
constexpr int32_t WP_FOOT_OF_THE_STAIRS = 1;
constexpr int32_t WP_IN_FROM_THE_STAIRS = 2;
constexpr int32_t WP_DIEGO = 3;
constexpr int32_t WP_DOWN_THE_STAIRS = 4;
constexpr int32_t WP_BEFORE_THE_SHED = 5;
constexpr int32_t WP_SHED_DOOR = 6;
constexpr int32_t WP_BY_DIEGO = 7;
constexpr int32_t WP_ASIDE_THE_COLUMN = 8;
constexpr int32_t WP_COLUMN = 10;
constexpr int32_t WP_IN_THE_SHED = 11;
constexpr int32_t WP_RUBBLE = 12;
constexpr int32_t WP_GARDEN_STAIRS = 13;
constexpr int32_t WP_TOWNHALL = 19;
constexpr int32_t WP_FLOWERS = 20;

// The walk-mesh blocker in the shed's doorway: she goes in only to search it.
constexpr int32_t SHED_DOOR_BLOCKER = 0;

// VARINT_DIEGO_SCENE while Diego is in this garden.
constexpr int32_t DIEGO_IN_THE_GARDEN = 6;

// Sprite animations: the column broken and whole, the shed at rest and
// shaking while she rummages in it.
constexpr uint32_t COLUMN_BROKEN = 0x7e8f9fd3;
constexpr uint32_t COLUMN_WHOLE = 0x6e0d5147;
constexpr uint32_t SHED_AT_REST = 0x65d5fc7d;
constexpr uint32_t SHED_SHAKES = 0xcc166dad;

// Sounds: the music and the garden, the rummaging in the shed, the hammer on
// the chisel in her hands and in Diego's.
constexpr uint32_t GARDEN_MUSIC = 0x47e6e6f9;
constexpr uint32_t GARDEN_AMBIENCE = 0x35f0e429;
constexpr uint32_t SHED_RUMMAGE = 0x2f9c0e23;
constexpr uint32_t HEROINE_HAMMERS = 0x49a51c7f;
constexpr uint32_t DIEGO_HAMMERS = 0x53bd6e8a;
constexpr int32_t HEROINE_HAMMERS_DELAY = 1122;
constexpr int32_t DIEGO_HAMMERS_DELAY = 2772;

// The dialog that calls Diego to the column, and after the tools are his,
// has him break it.
constexpr uint32_t CALL_DIEGO = 0xd012953f;

// Movie 17, MOVIE_STRIP10: Diego breaks the column; the scene is entered
// again after it.
constexpr int32_t MOVIE_STRIP10 = 17;
constexpr int32_t AFTER_STRIP10 = 512 + MOVIE_STRIP10;
constexpr int32_t TOWN_SQUARE_C = 31; // bg304_HO_TownSquareC

class SceneScript_bg306 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void EnterChapter4();

    void ColumnEvents();
    void RubbleEvents();
    void ShedEvents();
    void DiegoEvents();
    void GardenEvents();
};

void SceneScript_bg306::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg306_chapter_04"), InChapter(4));
    LinkSoundGroup(SoundGroupNamed("bg306_chapter_07"), InChapter(7));
    LinkSoundGroup(0x29b75cfc, InChapters({1, 2, 3, 5, 6, 8, 9, 10}));
}

void SceneScript_bg306::BuildEnterActions()
{
    PlayMusic(GARDEN_MUSIC);
    PlayAmbience(GARDEN_AMBIENCE);
    SetSceneDirection(3);
    ShowAndActivate(DIEGO, false);
    Place(HEROINE, WP_BY_DIEGO);
    PushAction21(HEROINE, SHED_DOOR_BLOCKER, 1);
    ResetObjects();

    _IfMatch(InChapter(4));
    EnterChapter4();
    _EndMatch();

    _IfMatch(CameFrom(TOWN_SQUARE_C));
    Place(HEROINE, WP_FOOT_OF_THE_STAIRS);
    GoTo(HEROINE, WP_IN_FROM_THE_STAIRS);
    _EndMatch();
}

void SceneScript_bg306::ResetObjects()
{
    // Outside chapter 4 the column stands broken and nothing is left of it.
    PushHashAction23(Object("o_mosaic"), COLUMN_BROKEN);
    SetInteractive(Object("mosaic_column"), false);
    ShowObject(Object("i_disk"), false);
    SetInteractive(Object("rubble"), false);
    ShowObject(Object("fx_shake_shed"), false);
    PushHashAction23(Object("fx_shake_shed"), SHED_AT_REST);
}

void SceneScript_bg306::EnterChapter4()
{
    _IfInt(VARINT_DIEGO_SCENE, Op_IntEqual, DIEGO_IN_THE_GARDEN);
    ShowAndActivate(DIEGO, true);
    Place(DIEGO, WP_DIEGO);
    _EndMatch();

    _IfBool(VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL, 1);
    PushHashAction23(Object("o_mosaic"), COLUMN_BROKEN);
    SetInteractive(Object("mosaic_column"), false);
    SetInteractive(Object("rubble"), true);
    ShowObject(Object("i_disk"), true);
    _ElseMatch();
    PushHashAction23(Object("o_mosaic"), COLUMN_WHOLE);
    SetInteractive(Object("mosaic_column"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG306_C04_PICK_HALF_DISK, 1);
    ShowObject(Object("i_disk"), false);
    SetInteractive(Object("rubble"), false);
    _EndMatch();

    // Back from the movie: Diego steps back from the broken column.
    _IfMatch(CameFrom(AFTER_STRIP10));
    Place(DIEGO, WP_COLUMN);
    Place(HEROINE, WP_ASIDE_THE_COLUMN);
    GoTo(DIEGO, WP_DIEGO);
    Dialog(0x124005d1);
    SetBoolVar(VARBOOL_BG306_C04_DIEGO_HERE, false);
    _EndMatch();
}

void SceneScript_bg306::BuildExitEvents()
{
    // Activate "goto_bg304": down the stairs to Percy's square; she walks on
    // while the screen fades.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg304")));
    WalkTo(HEROINE, WP_GARDEN_STAIRS);
    GoToScene(TOWN_SQUARE_C);
    GoTo(HEROINE, WP_DOWN_THE_STAIRS);
    _EndMatch();
}

void SceneScript_bg306::BuildEvents()
{
    ColumnEvents();
    RubbleEvents();
    ShedEvents();
    DiegoEvents();
    GardenEvents();
}

void SceneScript_bg306::ColumnEvents()
{
    LookAndActivate(Object("mosaic_column"), HEROINE, WP_COLUMN, 0x30b5a594, 0x2e7be9f2);

    // UseItem the hammer and chisel on "mosaic_column": she tries, and the
    // stone is too hard for her; the tools stay hers.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("mosaic_column"), ItemNamed("ITEM_HAMMER_CHISEL")));
    GoTo(HEROINE, WP_COLUMN);
    Play(HEROINE, "hammerchiseltry01");
    PushAddAttachment(HEROINE, AttachmentNamed("tavrine_hammer"), BONE_RIGHT_HAND);
    PushAddAttachment(HEROINE, AttachmentNamed("tavrine_chisel"), BONE_LEFT_HAND);
    Sound(HEROINE, HEROINE_HAMMERS, HEROINE_HAMMERS_DELAY);
    Together();
    Play(HEROINE, "hammerchiseltry02");
    Apart();
    PushRemoveAttachment(HEROINE, AttachmentNamed("tavrine_hammer"));
    PushRemoveAttachment(HEROINE, AttachmentNamed("tavrine_chisel"));
    Play(HEROINE, "hammerchiseltry03");
    Play(HEROINE, "g_idle_l");
    Dialog(0x1b043a2b);
    _EndMatch();

    // UseItem Diego on "mosaic_column": she calls him over.
    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("mosaic_column"), ItemNamed("ITEM_DIEGO")), HEROINE,
                WP_ASIDE_THE_COLUMN, CALL_DIEGO);

    // Callback: Diego comes to the column, or, already here, comes to look
    // at it again and goes back to his place.
    _IfEvent(OnCallback(0x640c4039));
    _IfInt(VARINT_DIEGO_SCENE, Op_IntEqual, DIEGO_IN_THE_GARDEN);
    GoTo(DIEGO, WP_COLUMN);
    Play(DIEGO, "hesitates");
    Play(DIEGO, "g_idle_l");
    GoTo(DIEGO, WP_DIEGO);
    _ElseMatch();
    ShowAndActivate(DIEGO, true);
    Place(DIEGO, WP_FOOT_OF_THE_STAIRS);
    GoTo(DIEGO, WP_COLUMN);
    Play(DIEGO, "hesitates");
    Play(DIEGO, "g_idle_l");
    SetBoolVar(VARBOOL_BG306_C04_DIEGO_HERE, true);
    GoTo(DIEGO, WP_DIEGO);
    SetIntVar(VARINT_DIEGO_SCENE, DIEGO_IN_THE_GARDEN);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg306::RubbleEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("rubble")), HEROINE, WP_RUBBLE, 0x5b59b41f);

    // Activate "rubble": the other half of the stone disk lies in it. Once
    // taken, the garden remembers it, so that no visit offers it again.
    _IfMatch(MatchExpr::MakeEvent0(Object("rubble")));
    GoTo(HEROINE, WP_RUBBLE);
    Dialog(0xef4d0db9);
    PickUp<Reach::Low>(HEROINE, Object("i_disk"), ItemNamed("ITEM_HALF_STONE_DISK02"));
    SetBoolVar(VARBOOL_QUEST_C4_MISSING_HALF_DISK02_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C4_MISSING_HALF_DISK03_DONE, true);
    SetBoolVar(VARBOOL_BG306_C04_PICK_HALF_DISK, true);
    SetInteractive(Object("rubble"), false);
    _EndMatch();
}

void SceneScript_bg306::ShedEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("percys_shed")), HEROINE, WP_SHED_DOOR, 0x92ac8ded);

    // Activate "percys_shed": she goes in and searches it, and comes out.
    _IfMatch(MatchExpr::MakeEvent0(Object("percys_shed")));
    PushAction21(HEROINE, SHED_DOOR_BLOCKER, 0);
    GoTo(HEROINE, WP_SHED_DOOR);
    Dialog(0x43dd1d51);
    GoTo(HEROINE, WP_IN_THE_SHED);
    Dialog(0x963786db);
    WalkTo(HEROINE, WP_SHED_DOOR);
    GoTo(HEROINE, WP_BEFORE_THE_SHED);
    PushAction21(HEROINE, SHED_DOOR_BLOCKER, 1);
    _EndMatch();

    // Callbacks: the hammer and chisel, and the weed killer, found.
    _IfEvent(OnCallback(0xcb36030f));
    Give(HEROINE, ItemNamed("ITEM_HAMMER_CHISEL"));
    SetBoolVar(VARBOOL_BG306_C04_PICK_HAMMER_AND_CHISEL, true);
    _EndMatch();

    _IfEvent(OnCallback(0xbc6dd3ec));
    Give(HEROINE, ItemNamed("ITEM_WEED_KILLER"));
    SetBoolVar(VARBOOL_BG306_C07_PICK_WEED_KILLER, true);
    _EndMatch();

    // Callback: the shed shakes while she rummages inside.
    _IfEvent(OnCallback(0x68bfe2f3));
    EffectSound(SHED_RUMMAGE);
    ShowObject(HEROINE, false);
    ShowObject(Object("o_shed_enter"), false);
    ShowObject(Object("o_shed"), false);
    ShowObject(Object("fx_shake_shed"), true);
    PushHashAction23(Object("fx_shake_shed"), SHED_SHAKES);
    ShowObject(Object("o_shed"), true);
    ShowObject(Object("fx_shake_shed"), false);
    PushHashAction23(Object("fx_shake_shed"), SHED_AT_REST);
    ShowObject(Object("o_shed_enter"), true);
    ShowObject(HEROINE, true);
    _EndMatch();
}

void SceneScript_bg306::DiegoEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(DIEGO), HEROINE, WP_BY_DIEGO, 0x9c2e4ba3);
    WalkAndTalk(ScriptEvent_FlaggedId2(DIEGO), HEROINE, WP_BY_DIEGO, 0xee1a56ce);

    // UseItem the hammer and chisel on Diego: she hands them over, steps
    // aside and has him break the column.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(DIEGO, ItemNamed("ITEM_HAMMER_CHISEL")));
    GoTo(HEROINE, WP_BY_DIEGO);
    Dialog(0xf7385775);
    Together();
    Play(HEROINE, "g_givedocument01");
    Play(DIEGO, "g_receiveobject");
    Play(HEROINE, "g_givedocument02");
    Take(HEROINE, ItemNamed("ITEM_HAMMER_CHISEL"));
    Play(DIEGO, "g_idle_l");
    Play(HEROINE, "g_idle_l");
    Apart();
    GoTo(HEROINE, WP_ASIDE_THE_COLUMN);
    Dialog(CALL_DIEGO);
    _EndMatch();

    // Callback: Diego breaks the column, and the movie shows it fall.
    _IfEvent(OnCallback(0x3eb6ab35));
    GoTo(DIEGO, WP_COLUMN);
    Play(DIEGO, "hammerchiseltry01");
    PushAddAttachment(DIEGO, AttachmentNamed("diego_hammer"), BONE_RIGHT_HAND);
    PushAddAttachment(DIEGO, AttachmentNamed("diego_chisel"), BONE_LEFT_HAND);
    Sound(DIEGO, DIEGO_HAMMERS, DIEGO_HAMMERS_DELAY);
    Together();
    Play(DIEGO, "hammerchiseltry02");
    Apart();
    SetBoolVar(VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL, true);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(MOVIE_STRIP10));
    _EndMatch();
}

void SceneScript_bg306::GardenEvents()
{
    // Look "townhall": she looks up at it first.
    _IfEvent(ScriptEvent_Object1(Object("townhall")));
    GoTo(HEROINE, WP_TOWNHALL);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0x54413049);
    _EndMatch();

    WalkAndTalk(MatchExpr::MakeEvent0(Object("townhall")), HEROINE, WP_TOWNHALL, 0x6b40222d);

    // Look "flowers": she smells them first.
    _IfEvent(ScriptEvent_Object1(Object("flowers")));
    GoTo(HEROINE, WP_FLOWERS);
    Play(HEROINE, "smellsflowers");
    Play(HEROINE, "g_idle_l");
    Dialog(0x8f7e8c09);
    _EndMatch();

    WalkAndTalk(MatchExpr::MakeEvent0(Object("flowers")), HEROINE, WP_FLOWERS, 0xb07f9e6d);
}

} // namespace

// Scene 33, bg306_HO_Garden.
REGISTER_SCENE_SCRIPT(bg306, 33);
