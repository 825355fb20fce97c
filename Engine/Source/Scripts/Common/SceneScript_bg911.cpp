// The world map (scene 57, bg911_WorldMap): the boat sails between the
// islands. On entering, the map shows the islands that the chapter has opened
// and the boat sails out from the island it lies at; activating an island's
// marker sails there and lands on its docks.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Hash/CoreCrc32.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg911_57>;

// The scene's objects: the islands, their destination markers and the sea
// monsters.
constexpr Object BOUNTY_ISLAND = "bounty_island";
constexpr Object TURTLE_ISLAND = "turtle_island";
constexpr Object CRAB_ISLAND = "crab_island";
constexpr Object TANNER_ISLAND = "tanner_island";
constexpr Object HOLLOW_ISLAND = "hollow_island";
constexpr Object BO = "bo";
constexpr Object CR = "cr";
constexpr Object HO = "ho";
constexpr Object TA = "ta";
constexpr Object TU = "tu";
constexpr Object M_NESSI = "m_nessi";
constexpr Object M_PTERO = "m_ptero";
constexpr Object M_TORNADE = "m_tornade";

constexpr ActorNamed<"boat_windsome_maid"> BOAT;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;
constexpr ActorNamed<"tavrine"> TAVRINE;

// Sprite animations, by the CRC-32 of their names in the scene's description:
// an island's idle loop, and its animation while the boat comes or goes.
constexpr uint32_t BOUNTY_IDLE = CoreCrc32Of("bounty_island_idle");
constexpr uint32_t BOUNTY_BOAT = CoreCrc32Of("bounty_island_boat");
constexpr uint32_t TURTLE_IDLE = CoreCrc32Of("turtle_island_idle");
constexpr uint32_t TURTLE_BOAT = CoreCrc32Of("turtle_island_boat");
constexpr uint32_t CRAB_IDLE = CoreCrc32Of("crab_island_idle");
constexpr uint32_t CRAB_BOAT = CoreCrc32Of("crab_island_boat");
constexpr uint32_t HOLLOW_IDLE = CoreCrc32Of("hollow_island_idle");
constexpr uint32_t HOLLOW_BOAT = CoreCrc32Of("hollow_island_boat");
constexpr uint32_t TANNER_IDLE = CoreCrc32Of("tanner_island_idle");
constexpr uint32_t TANNER_BOAT = CoreCrc32Of("tanner_island_boat");
// The tanner island once the sketch map has shown it (chapter 6).
constexpr uint32_t TANNER_IDLE_C06 = CoreCrc32Of("tanner_island_idle_c06");
constexpr uint32_t TANNER_BOAT_C06 = CoreCrc32Of("tanner_island_boat_c06");
constexpr uint32_t PTERO_IDLE = CoreCrc32Of("m_ptero_idle");
constexpr uint32_t PTERO_ATTACK = CoreCrc32Of("m_ptero_attack");
constexpr uint32_t NESSI_IDLE = CoreCrc32Of("m_nessi_idle");
constexpr uint32_t NESSI_ATTACK = CoreCrc32Of("m_nessi_attack");

// Waypoints: the boat's mooring at each island, and the place off each
// island where it waits on the map.
constexpr int32_t BOUNTY_MOORING = 11;
constexpr int32_t CRAB_MOORING = 12;
constexpr int32_t HOLLOW_MOORING = 13;
constexpr int32_t TANNER_MOORING = 14;
constexpr int32_t TURTLE_MOORING = 15;
constexpr int32_t BOUNTY_OFFSHORE = 0;
constexpr int32_t HOLLOW_OFFSHORE = 1;
constexpr int32_t TANNER_OFFSHORE = 2;
constexpr int32_t CRAB_OFFSHORE = 3;
constexpr int32_t TURTLE_OFFSHORE = 4;
// Where the boat leaves the bounty island's docks.
constexpr int32_t BOUNTY_CHANNEL = 5;

// Walk-mesh blockers that close the sea lanes until the boat sails.
constexpr int32_t HOLLOW_LANE = 0;
constexpr int32_t TANNER_LANE = 1;
constexpr int32_t BOUNTY_LANE = 2;

// VARINT_LOCAL_ISLAND_MAP: the island the boat lies at.
constexpr int32_t AT_BOUNTY = 0;
constexpr int32_t AT_CRAB = 1;
constexpr int32_t AT_HOLLOW = 2;
constexpr int32_t AT_TANNER = 3;
constexpr int32_t AT_TURTLE = 4;

class SceneScript_bg911 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;

private:
    // The tanner island's animation, its chapter-6 form in chapter 6.
    void PlayTanner(uint32_t uHash, uint32_t uHashChapter6);
    // The boat lies at the island: its animation, the boat placed at the
    // mooring and sailed out to the waiting place.
    void LeaveIsland(int32_t iIsland, int32_t iObject, uint32_t uHash, int32_t iMooring, int32_t iOffshore);
    // Makes the grown-up heroine the playing character and goes to the scene.
    void Land(int32_t iSceneId);
};

void SceneScript_bg911::PlayTanner(uint32_t uHash, uint32_t uHashChapter6)
{
    _IfMatch(InChapter(6));
    PushHashAction23(TANNER_ISLAND, uHashChapter6);
    _ElseMatch();
    PushHashAction23(TANNER_ISLAND, uHash);
    _EndMatch();
}

void SceneScript_bg911::LeaveIsland(int32_t iIsland, int32_t iObject, uint32_t uHash, int32_t iMooring,
                                    int32_t iOffshore)
{
    _IfInt(VARINT_LOCAL_ISLAND_MAP, Op_IntEqual, iIsland);
    if (iObject == TANNER_ISLAND)
        PlayTanner(TANNER_BOAT, TANNER_BOAT_C06);
    else
        PushHashAction23(iObject, uHash);
    Place(BOAT, iMooring);
    WalkTo(BOAT, iOffshore);
    _EndMatch();
}

void SceneScript_bg911::Land(int32_t iSceneId)
{
    SetPlayingCharacter(TAVRINE);
    GoToScene(iSceneId);
}

void SceneScript_bg911::BuildEnterActions()
{
    SetBoolVar(VARBOOL_PICK_BO_MAP, false);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    SetInteractive(BOAT, false);

    PushHashAction23(TANNER_ISLAND, TANNER_IDLE);
    PushHashAction23(TURTLE_ISLAND, TURTLE_IDLE);
    PushHashAction23(CRAB_ISLAND, CRAB_IDLE);
    PushHashAction23(HOLLOW_ISLAND, HOLLOW_IDLE);
    PushHashAction23(BOUNTY_ISLAND, BOUNTY_IDLE);
    PushHashAction23(M_PTERO, PTERO_IDLE);
    PushHashAction23(M_NESSI, NESSI_IDLE);

    // The islands that the chapter has not opened yet.
    _IfMatch(InChapter(2));
    ShowObject(CRAB_ISLAND, false);
    ShowObject(HOLLOW_ISLAND, false);
    SetInteractive(CR, false);
    SetInteractive(HO, false);
    _EndMatch();
    _IfMatch(InChapter(3));
    SetInteractive(HO, false);
    _EndMatch();
    _IfInt(VARINT_CURRENT_CHAPTER, Op_IntLess, 6);
    ShowObject(TANNER_ISLAND, false);
    SetInteractive(TA, false);
    _EndMatch();
    _IfMatch(InChapter(6));
    PushHashAction23(TANNER_ISLAND, TANNER_IDLE_C06);
    _EndMatch();
    _IfInt(VARINT_CURRENT_CHAPTER, Op_IntLess, 9);
    ShowObject(TURTLE_ISLAND, false);
    SetInteractive(TU, false);
    _EndMatch();

    // Chapter 6 before the sketch map's event: the tanner island is still
    // hidden; once the sketch map lies on the chart, it rises from the sea
    // and the boat's cabin follows without a click.
    _IfMatch(Both(InChapter(6), IsFalse(VARBOOL_BG003_C06_EVENT_SKETCH_MAP)));
    ShowObject(TANNER_ISLAND, false);
    SetInteractive(TA, false);
    Wait(LOGIC_DIALOG, 5000);
    WaitUntilIdle(LOGIC_DIALOG);
    _IfBool(VARBOOL_BG003_C06_USE_SKETCHMAP_ON_CHART, 1);
    ShowObject(M_TORNADE, false);
    ShowObject(BOAT, false);
    PushHashAction23(BOUNTY_ISLAND, BOUNTY_BOAT);
    ShowObject(TANNER_ISLAND, true);
    PushAction60(TANNER_ISLAND, 6000, 1);
    Wait(TANNER_ISLAND, 2000);
    WaitUntilIdle(TANNER_ISLAND);
    PushHashAction23(TANNER_ISLAND, TANNER_IDLE_C06);
    GoToScene(7); // bg003_WM_AlessandrosCabin
    _EndMatch();
    _EndMatch();

    LeaveIsland(AT_BOUNTY, BOUNTY_ISLAND, BOUNTY_BOAT, BOUNTY_MOORING, BOUNTY_OFFSHORE);
    LeaveIsland(AT_CRAB, CRAB_ISLAND, CRAB_BOAT, CRAB_MOORING, CRAB_OFFSHORE);
    LeaveIsland(AT_HOLLOW, HOLLOW_ISLAND, HOLLOW_BOAT, HOLLOW_MOORING, HOLLOW_OFFSHORE);
    LeaveIsland(AT_TANNER, TANNER_ISLAND, TANNER_BOAT, TANNER_MOORING, TANNER_OFFSHORE);
    LeaveIsland(AT_TURTLE, TURTLE_ISLAND, TURTLE_BOAT, TURTLE_MOORING, TURTLE_OFFSHORE);

    PlayTanner(TANNER_IDLE, TANNER_IDLE_C06);
    PushHashAction23(TURTLE_ISLAND, TURTLE_IDLE);
    PushHashAction23(CRAB_ISLAND, CRAB_IDLE);
    PushHashAction23(HOLLOW_ISLAND, HOLLOW_IDLE);
    PushHashAction23(BOUNTY_ISLAND, BOUNTY_IDLE);

    PushAction21(BOAT, HOLLOW_LANE, 1);
    PushAction21(BOAT, TANNER_LANE, 1);
    PushAction21(BOAT, BOUNTY_LANE, 1);
}

void SceneScript_bg911::BuildExitEvents()
{
    // Activate "bo": sail to the bounty island; in chapter 6, once the sleepy
    // fly has done its work, the corridor of the ship instead of the docks.
    _IfMatch(MatchExpr::MakeEvent0(BO));
    PushAction21(BOAT, BOUNTY_LANE, 0);
    WalkTo(BOAT, BOUNTY_CHANNEL);
    WalkTo(BOAT, BOUNTY_MOORING);
    PushHashAction23(BOUNTY_ISLAND, BOUNTY_BOAT);
    SetIntVar(VARINT_LOCAL_ISLAND_MAP, AT_BOUNTY);
    SetBoolVar(VARBOOL_PICK_BO_MAP, true);
    WaitForAll();
    _IfMatch(Both(InChapter(6), IsTrue(VARBOOL_QUEST_C6_SLEEPY_FLY04)));
    Land(6); // bg002_WM_Corridor
    _ElseMatch();
    Land(13); // bg105_BO_Docks
    _EndMatch();
    _EndMatch();

    // Activate "cr": sail to the crab island; the pterodactyl shows itself on
    // the first crossing.
    _IfMatch(MatchExpr::MakeEvent0(CR));
    SetIntVar(VARINT_LOCAL_ISLAND_MAP, AT_CRAB);
    _IfBool(VARBOOL_STRIP_CR_DONE, 0);
    PushHashAction23(M_PTERO, PTERO_ATTACK);
    WalkTo(BOAT, CRAB_MOORING);
    PushHashAction23(CRAB_ISLAND, CRAB_BOAT);
    SetBoolVar(VARBOOL_STRIP_CR_DONE, true);
    SetBoolVar(VARBOOL_CR_MAP_BASE, true);
    _ElseMatch();
    WalkTo(BOAT, CRAB_MOORING);
    PushHashAction23(CRAB_ISLAND, CRAB_BOAT);
    _EndMatch();
    WaitForAll();
    Land(22); // bg201_CR_Docks
    _EndMatch();

    // Activate "ho": sail to the hollow island; the sea monster shows itself
    // on the first crossing.
    _IfMatch(MatchExpr::MakeEvent0(HO));
    PushAction21(BOAT, HOLLOW_LANE, 0);
    SetIntVar(VARINT_LOCAL_ISLAND_MAP, AT_HOLLOW);
    _IfBool(VARBOOL_STRIP_HO_DONE, 0);
    PushHashAction23(M_NESSI, NESSI_ATTACK);
    WalkTo(BOAT, HOLLOW_MOORING);
    PushHashAction23(HOLLOW_ISLAND, HOLLOW_BOAT);
    SetBoolVar(VARBOOL_STRIP_HO_DONE, true);
    _ElseMatch();
    WalkTo(BOAT, HOLLOW_MOORING);
    PushHashAction23(HOLLOW_ISLAND, HOLLOW_BOAT);
    _EndMatch();
    WaitForAll();
    Land(28); // bg301_HO_Jety
    _EndMatch();

    // Activate "ta": sail to the tanner island.
    _IfMatch(MatchExpr::MakeEvent0(TA));
    PushAction21(BOAT, TANNER_LANE, 0);
    WalkTo(BOAT, TANNER_MOORING);
    PlayTanner(TANNER_BOAT, TANNER_BOAT_C06);
    SetIntVar(VARINT_LOCAL_ISLAND_MAP, AT_TANNER);
    WaitForAll();
    _IfBool(VARBOOL_STRIP_TA_DONE, 0);
    SetBoolVar(VARBOOL_STRIP_TA_DONE, true);
    SetBoolVar(VARBOOL_TA_MAP_BASE, true);
    _EndMatch();
    Land(39); // bg401_TA_JetyAndCliff
    _EndMatch();

    // Activate "tu": sail to the turtle island.
    _IfMatch(MatchExpr::MakeEvent0(TU));
    WalkTo(BOAT, TURTLE_MOORING);
    PushHashAction23(TURTLE_ISLAND, TURTLE_BOAT);
    SetIntVar(VARINT_LOCAL_ISLAND_MAP, AT_TURTLE);
    WaitForAll();
    _IfBool(VARBOOL_STRIP_TU_DONE, 0);
    SetBoolVar(VARBOOL_STRIP_TU_DONE, true);
    SetBoolVar(VARBOOL_TU_MAP_BASE, true);
    _EndMatch();
    Land(43); // bg501_TU_BeautyBay
    _EndMatch();
}

} // namespace

// Scene 57, bg911_WorldMap.
REGISTER_SCENE_SCRIPT(bg911, 57);
