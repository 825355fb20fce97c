// The dark beach of Hollow island (scene 34, bg307_HO_DarkBeach), below a
// cliff with a door in it, where the shore runs on to the reefs. A doubloon
// glints at the edge of a puddle of sea water: once picked up it can be
// thrown back in with a wish. Chapter 4: the first visit ticks off a step of
// the search for Hilary's base.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg307_34>;

constexpr ActorNamed<"tavrine"> HEROINE;
// Named by two handlers, but never in the beach's actor set.
constexpr ActorNamed<"diego"> DIEGO;

// Waypoints of the beach.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_REEFS_BEYOND = 3;
constexpr int32_t WP_ISLAND_ROAD_END = 4;
constexpr int32_t WP_OFF_THE_ISLAND_ROAD = 5;
constexpr int32_t WP_REEFS_EDGE = 6;
constexpr int32_t WP_OFF_THE_SHORE = 7;
constexpr int32_t WP_BY_THE_COIN = 8;
constexpr int32_t WP_AFTER_THE_WISH = 9;
constexpr int32_t WP_BY_THE_PUDDLE = 10;
constexpr int32_t WP_CAVE_DOOR = 11;
constexpr int32_t WP_TO_THE_REEFS = 12;
constexpr int32_t WP_TO_THE_ISLAND_ROAD = 13;

// The walk-mesh blocker on the shore to the reefs: only its exit leads there.
constexpr int32_t REEFS_BLOCKER = 0;

// Sprite animations of the flying coin: at rest, and thrown into the puddle.
constexpr uint32_t COIN_AT_REST = 0xb492c561;
constexpr uint32_t COIN_FLIES = 0x3436aac2;

// Sounds: the music and the surf; the coin picked up and the coin thrown.
constexpr uint32_t BEACH_MUSIC = 0x47e6e6f9;
constexpr uint32_t SURF_AMBIENCE = 0x0245028a;
constexpr uint32_t COIN_TAKEN_SOUND = 0x47b82990;
constexpr uint32_t COIN_THROWN_SOUND = 0x51dc5129;

// The scenes the beach leads to and is entered from.
constexpr int32_t DARK_REEFS = 35; // bg308_HO_DarkReefs
// The jetty, the three town squares, the garden, the village and the hut:
// all of them come down the island road.
constexpr int32_t DOWN_THE_ISLAND_ROAD[] = {28, 29, 30, 31, 33, 36, 38};

// The in-game menu's page with the island's map.
constexpr int32_t MENU_MAP = 1;

class SceneScript_bg307 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ArriveFrom();
    void PuddleEvents();
    void CoinTaken();
    void CoinThrown();
};

void SceneScript_bg307::LinkSoundGroups()
{
    LinkSoundGroup(0x651d5c62, InAnyChapter());
}

void SceneScript_bg307::BuildEnterActions()
{
    PlayMusic(BEACH_MUSIC);
    PlayAmbience(SURF_AMBIENCE);
    SetSceneDirection(7);
    ShowObject(Object("fx_coin"), false);
    PushHashAction23(Object("fx_coin"), COIN_AT_REST);
    _IfBool(VARBOOL_BG307_C04_PICK_COIN, 1);
    ShowObject(Object("o_coin_halo"), false);
    _EndMatch();

    Place(HEROINE, WP_START);
    ArriveFrom();

    _IfMatch(InChapter(4));
    _IfBool(VARBOOL_BG307_C04_EVENT_FIRST_TIME, 0);
    SetBoolVar(VARBOOL_QUEST_C4_HILARY_BASE04_DONE, true);
    SetBoolVar(VARBOOL_BG307_C04_EVENT_FIRST_TIME, true);
    _EndMatch();
    _EndMatch();

    PushAction21(HEROINE, REEFS_BLOCKER, 1);
}

void SceneScript_bg307::ArriveFrom()
{
    // Eight separate tests: seven down the island road, one along the shore
    // from the reefs; from anywhere else she stays at the start.
    for (const int32_t iFrom : DOWN_THE_ISLAND_ROAD) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_ISLAND_ROAD_END);
        GoTo(HEROINE, WP_OFF_THE_ISLAND_ROAD);
        _EndMatch();
    }
    _IfMatch(CameFrom(DARK_REEFS));
    Place(HEROINE, WP_REEFS_EDGE);
    GoTo(HEROINE, WP_OFF_THE_SHORE);
    _EndMatch();
}

void SceneScript_bg307::BuildExitEvents()
{
    // Activate "goto_hollow_island": up the road, and the island's map.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_hollow_island")));
    GoTo(HEROINE, WP_TO_THE_ISLAND_ROAD);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SHOW_MENU, Param::Int(MENU_MAP));
    _EndMatch();

    // Activate "goto_bg308": past the blocker, and on along the shore during
    // the fade-out.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg308")));
    PushAction21(HEROINE, REEFS_BLOCKER, 0);
    WalkTo(HEROINE, WP_TO_THE_REEFS);
    GoToScene(DARK_REEFS);
    GoTo(HEROINE, WP_REEFS_BEYOND);
    _EndMatch();
}

void SceneScript_bg307::BuildEvents()
{
    PuddleEvents();
    CoinTaken();
    CoinThrown();
    LookAndActivate(Object("cave_door"), HEROINE, WP_CAVE_DOOR, 0x6f51ad3a, 0x26598e2b);
    WalkAndTalk(ScriptEvent_FlaggedId1(DIEGO), HEROINE, WP_CAVE_DOOR, 0x078b07cc);
    WalkAndTalk(ScriptEvent_FlaggedId2(DIEGO), HEROINE, WP_CAVE_DOOR, 0x75bf1aa1);
}

void SceneScript_bg307::PuddleEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("puddle_of_water")), HEROINE, WP_BY_THE_PUDDLE, 0x194b8b27);

    // Activate "puddle_of_water": while the coin lies there she speaks where
    // she stands, and the dialog sends her to pick it up.
    _IfMatch(MatchExpr::MakeEvent0(Object("puddle_of_water")));
    _IfBool(VARBOOL_BG307_C04_PICK_COIN, 1);
    GoTo(HEROINE, WP_BY_THE_PUDDLE);
    _EndMatch();
    Dialog(0xed5f916d);
    _EndMatch();

    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("puddle_of_water"), ItemNamed("ITEM_DOUBLOON")), HEROINE,
                WP_BY_THE_PUDDLE, 0xd488d957);
}

void SceneScript_bg307::CoinTaken()
{
    // Callback: she picks the doubloon out of the puddle's edge.
    _IfEvent(OnCallback(0xa4e9831b));
    GoTo(HEROINE, WP_BY_THE_COIN);
    Play(HEROINE, "g_pickobjectlow01");
    EffectSound(COIN_TAKEN_SOUND);
    ShowObject(Object("o_coin_halo"), false);
    Give(HEROINE, ItemNamed("ITEM_DOUBLOON"));
    Play(HEROINE, "g_pickobjectlow02");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg307::CoinThrown()
{
    // Callback: the wish. The throw, the coin's flight and her idle start
    // together; she is put where the throw leaves her while they run.
    _IfEvent(OnCallback(0xa1411ba4));
    Play(HEROINE, "doobloonwish01");
    Together();
    EffectSound(COIN_THROWN_SOUND);
    PushAnimAction(HEROINE, "doobloonwish02", 0, 1);
    ShowObject(Object("fx_coin"), true);
    PushHashAction23(Object("fx_coin"), COIN_FLIES);
    Play(HEROINE, "g_idle_l");
    Apart();
    Place(HEROINE, WP_AFTER_THE_WISH);
    Take(HEROINE, ItemNamed("ITEM_DOUBLOON"));
    ShowObject(Object("fx_coin"), false);
    PushHashAction23(Object("fx_coin"), COIN_AT_REST);
    _EndMatch();
}

} // namespace

// Scene 34, bg307_HO_DarkBeach.
REGISTER_SCENE_SCRIPT(bg307, 34);
