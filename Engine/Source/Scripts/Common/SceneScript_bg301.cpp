// The jetty of Hollow island (scene 28, bg301_HO_Jety): the landing place
// beside the ship, with the road up to the town. Chapter 4: Briscoe waits on
// the jetty and tags along, and Sancha stands here until the bell is mended.
// Chapter 7: Briscoe is feeling down, the map is found to be a turtle map,
// and Bajari brings the document; with the notes in hand the visit ends at
// the loading screen.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg301_28>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"sancha"> SANCHA;
constexpr ActorNamed<"bajari"> BAJARI;
constexpr ActorNamed<"boat_windsome_maid"> BOAT;

// Waypoints of the jetty.
constexpr int32_t WP_BY_SANCHA = 0;
constexpr int32_t WP_ROAD_END = 1;
constexpr int32_t WP_OFF_THE_ROAD = 2;
constexpr int32_t WP_JETTY_END = 3;
constexpr int32_t WP_SANCHA = 4;
constexpr int32_t WP_BRISCOE = 5;
constexpr int32_t WP_UP_THE_ROAD = 6;
constexpr int32_t WP_BRISCOE_BY_SANCHA = 7;
constexpr int32_t WP_BAJARI = 8;
constexpr int32_t WP_BAJARI_BEFORE_HER = 9;
constexpr int32_t WP_GANGWAY = 10;
constexpr int32_t WP_ROAD = 11;
constexpr int32_t WP_SHIP = 12;
constexpr int32_t WP_JETTY = 13;

// The walk-mesh blocker across the road to the town.
constexpr int32_t ROAD_BLOCKER = 0;

constexpr uint32_t JETTY_MUSIC = 0x47e6e6f9;
constexpr uint32_t SURF_AMBIENCE = 0x2b94718a;
constexpr int32_t JETTY_SOUND_GROUP = 0x237255e5;

// The scenes the jetty leads to and is entered from.
constexpr int32_t CORRIDOR = 6;     // bg002_WM_Corridor
constexpr int32_t TOWN_SQUARE = 29; // bg302_HO_TownSquareA
constexpr int32_t WORLD_MAP = 57;   // bg911_WorldMap
constexpr int32_t LOADING = 61;     // bg993_Loading_placeholder
constexpr int32_t FROM_THE_SEA[] = {
    1,  // bg101_BO_CastilloLivingRoom
    58, // bg900_chapter_menu
    LOADING, WORLD_MAP, CORRIDOR,
};
constexpr int32_t FROM_THE_ISLAND[] = {
    TOWN_SQUARE,
    30, // bg303_HO_TownSquareB
    31, // bg304_HO_TownSquareC
    33, // bg306_HO_Garden
    34, // bg307_HO_DarkBeach
    35, // bg308_HO_DarkReefs
    36, // bg309_HO_VoodooVillage
    38, // bg311_HO_CheminsHut
};

// The notes and what goes with them to the loading screen.
constexpr uint32_t CHAPTER_SEVEN_LUGGAGE[] = {
    ItemNamed("ITEM_FLASK"),       ItemNamed("ITEM_WEED_KILLER"),    ItemNamed("ITEM_DESCRIPTION_FLOWERS"),
    ItemNamed("ITEM_METAL_HOOK"),  ItemNamed("ITEM_PAINTED_PEBBLE"), ItemNamed("ITEM_VOODOO_RECIPES"),
    ItemNamed("ITEM_FLINT_STONE"), ItemNamed("ITEM_BLOODY_FEATHER"),
};

class SceneScript_bg301 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter4();
    void EnterChapter7();
    void ArriveFrom();
    void FirstVisits();

    void SanchaEvents();
    void HeroineCallbacks();
    void BriscoeEvents();
    void BriscoeCallbacks();
    void BajariEvents();
    void DocumentAndMapCallbacks();
    void PlaceEvents();

    // The heroine walks to the waypoint where she addresses Briscoe.
    void ApproachBriscoe();
    // With the notes in hand the chapter's visit fades out to the loading
    // screen, and the chapter's luggage goes with it.
    void LeaveWithTheNotes();
    void ShowAndActivate(int32_t iActor, bool bOn);
    void Select(uint32_t uActorId);
};

void SceneScript_bg301::LinkSoundGroups()
{
    // Chapters 1 to 10 as one range: an or of ten chapter tests would not fit
    // into one condition.
    LinkSoundGroup(JETTY_SOUND_GROUP, Both(MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntGreaterEqual, 1),
                                           MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntLessEqual, 10)));
}

void SceneScript_bg301::BuildEnterActions()
{
    PlayMusic(JETTY_MUSIC);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_AMBIENT, Param::Sound(static_cast<int32_t>(SURF_AMBIENCE)),
               Param::Bool(true));
    ShowAndActivate(BRISCOE, false);
    ShowAndActivate(SANCHA, false);
    ShowAndActivate(BAJARI, false);

    _IfMatch(InChapter(4));
    EnterChapter4();
    _EndMatch();
    _IfMatch(InChapter(7));
    EnterChapter7();
    _EndMatch();

    Place(SANCHA, WP_SANCHA);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SCENE_DIRECTION, Param::Int(6));
    Place(HEROINE, WP_BY_SANCHA);
    ArriveFrom();
    FirstVisits();
    PushAction21(HEROINE, ROAD_BLOCKER, 1);
}

void SceneScript_bg301::EnterChapter4()
{
    // Briscoe waits on the jetty until he has gone up to the town with her;
    // after Sancha's talk he stands beside her.
    _IfBool(VARBOOL_BG302_C04_EVENT_FIRST_TIME, 0);
    ShowAndActivate(BRISCOE, true);
    Place(BRISCOE, WP_BRISCOE);
    _IfBool(VARBOOL_BG301_C04_TALK_SANCHA, 1);
    Place(BRISCOE, WP_BRISCOE_BY_SANCHA);
    _EndMatch();
    _EndMatch();
    // Sancha waits here until the bell is to be mended.
    _IfBool(VARBOOL_QUEST_C4_FIX_BELL, 0);
    ShowAndActivate(SANCHA, true);
    _EndMatch();
}

void SceneScript_bg301::EnterChapter7()
{
    Place(BRISCOE, WP_BRISCOE);
    ShowAndActivate(BRISCOE, true);
    _IfMatch(
        Both(IsTrue(VARBOOL_BG301_C07_TALK_BRISCOE_ABOUT_TANNER_FRIEND), IsTrue(VARBOOL_QUEST_C7_TANNERSFRIEND03)));
    Place(BAJARI, WP_BAJARI);
    ShowAndActivate(BAJARI, true);
    _EndMatch();
}

void SceneScript_bg301::ArriveFrom()
{
    // One test per scene: off the ship at the end of the jetty, or down the
    // road from the town.
    for (const int32_t iFrom : FROM_THE_SEA) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_JETTY_END);
        _EndMatch();
    }
    for (const int32_t iFrom : FROM_THE_ISLAND) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_ROAD_END);
        GoTo(HEROINE, WP_OFF_THE_ROAD);
        _EndMatch();
    }
}

void SceneScript_bg301::FirstVisits()
{
    // Chapter 4, once: Briscoe joins her.
    _IfMatch(Both(InChapter(4), IsFalse(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG)));
    Place(BRISCOE, WP_BRISCOE);
    TurnToward(HEROINE, BRISCOE, 0);
    Dialog(0x2db378f2);
    SetBoolVar(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG, true);
    SetBoolVar(VARBOOL_BG301_C04_BRISCOE_HERE, true);
    _EndMatch();

    // Chapter 7, once: Briscoe is feeling down.
    _IfMatch(Both(InChapter(7), IsFalse(VARBOOL_BG301_C07_EVENT_FEELING_DOWN)));
    TurnToward(HEROINE, BRISCOE, 0);
    TurnToward(BRISCOE, HEROINE, 0);
    Dialog(0x8fb7cc7b);
    SetBoolVar(VARBOOL_BG301_C07_EVENT_FEELING_DOWN, true);
    _EndMatch();
}

void SceneScript_bg301::BuildExitEvents()
{
    // Activate "goto_hollow_map": up the road to the town; she walks on up
    // the road during the fade-out.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_hollow_map")));
    PushAction21(HEROINE, ROAD_BLOCKER, 0);
    WalkTo(HEROINE, WP_ROAD);
    GoToScene(TOWN_SQUARE);
    GoTo(HEROINE, WP_UP_THE_ROAD);
    _EndMatch();

    // Activate "goto_wm": the gangway asks where to; one answer, one scene
    // change (the world map first), and neither is kept for the next visit.
    // No answer leaves her at the gangway.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_wm")));
    GoTo(HEROINE, WP_GANGWAY);
    Dialog(0xfb3378e9);
    _IfBool(VARBOOL_BG301_GOTO_WORLD_MAP, 1);
    SetBoolVar(VARBOOL_BG301_GOTO_WORLD_MAP, false);
    SetBoolVar(VARBOOL_BG301_GOTO_ONBOARD, false);
    SetPlayingCharacter(BOAT);
    GoToScene(WORLD_MAP);
    _ElseMatch();
    _IfBool(VARBOOL_BG301_GOTO_ONBOARD, 1);
    SetBoolVar(VARBOOL_BG301_GOTO_ONBOARD, false);
    GoToScene(CORRIDOR);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg301::BuildEvents()
{
    SanchaEvents();
    HeroineCallbacks();
    BriscoeEvents();
    BriscoeCallbacks();
    BajariEvents();
    DocumentAndMapCallbacks();
    PlaceEvents();
}

void SceneScript_bg301::SanchaEvents()
{
    // Look and Talk "sancha": she turns to her where she stands.
    _IfEvent(ScriptEvent_FlaggedId1(SANCHA));
    WalkTo(HEROINE, WP_BY_SANCHA);
    TurnToward(HEROINE, SANCHA);
    Dialog(0x50038432);
    _EndMatch();

    _IfEvent(ScriptEvent_FlaggedId2(SANCHA));
    WalkTo(HEROINE, WP_BY_SANCHA);
    TurnToward(HEROINE, SANCHA);
    Dialog(0x6372adca);
    _EndMatch();

    PlayGesture(OnCallback(0xaf7db1a6), SANCHA, "g_talk_l");
    PlayGesture(OnCallback(0xe6bfa140), SANCHA, "g_idle_l");
}

void SceneScript_bg301::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
}

void SceneScript_bg301::BriscoeEvents()
{
    // Look "thomas_b".
    _IfEvent(ScriptEvent_FlaggedId1(BRISCOE));
    ApproachBriscoe();
    TurnToward(HEROINE, BRISCOE);
    Dialog(0x2837a639);
    _EndMatch();

    // Talk "thomas_b": in chapter 7, once the heroine knows of Tanner's
    // friend, Bajari comes down the road with the document; with the notes
    // in hand the visit ends.
    _IfEvent(ScriptEvent_FlaggedId2(BRISCOE));
    ApproachBriscoe();
    TurnToward(HEROINE, BRISCOE);
    TurnToward(BRISCOE, HEROINE);
    Dialog(0x9b62ad3e);
    _IfMatch(
        Both(Both(IsTrue(VARBOOL_BG301_C07_TALK_BRISCOE_ABOUT_TANNER_FRIEND), IsTrue(VARBOOL_QUEST_C7_TANNERSFRIEND03)),
             IsFalse(VARBOOL_QUEST_C7_TANNERSFRIEND03_DONE)));
    Place(BAJARI, WP_ROAD_END);
    ShowAndActivate(BAJARI, true);
    Select(BAJARI);
    GoTo(BAJARI, WP_BAJARI_BEFORE_HER);
    Select(HEROINE);
    TurnToward(HEROINE, BAJARI);
    TurnToward(BRISCOE, BAJARI);
    Dialog(0x826c3d26);
    TurnToward(BRISCOE, BAJARI);
    Dialog(0x99e84d24);
    LeaveWithTheNotes();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg301::ApproachBriscoe()
{
    // Once he has come over to Sancha he is addressed from beside her.
    _IfMatch(Both(InChapter(4), IsTrue(VARBOOL_BG301_C04_EVENT_BRISCOE_COME)));
    WalkTo(HEROINE, WP_BY_SANCHA);
    _ElseMatch();
    WalkTo(HEROINE, WP_JETTY_END);
    _EndMatch();
}

void SceneScript_bg301::BriscoeCallbacks()
{
    PlayGesture(OnCallback(0x1a358376), BRISCOE, "g_talk_l");
    PlayGesture(OnCallback(0x64afab29), BRISCOE, "g_idle_l");
    PlayGesture(OnCallback(0xc16a0466), BRISCOE, "g_explorer01", "g_explorer02_l");
    PlayGesture(OnCallback(0xeb0db965), BRISCOE, "g_explorer03", "g_idle_l");

    // Callback: Briscoe comes over to Sancha.
    _IfEvent(OnCallback(0x23c6dd1c));
    GoTo(BRISCOE, WP_BRISCOE_BY_SANCHA);
    SetBoolVar(VARBOOL_BG301_C04_EVENT_BRISCOE_COME, true);
    _EndMatch();
}

void SceneScript_bg301::BajariEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(BAJARI), HEROINE, WP_JETTY_END, 0xaa9964dc);

    // Talk "bajari".
    _IfEvent(ScriptEvent_FlaggedId2(BAJARI));
    WalkTo(HEROINE, WP_JETTY_END);
    TurnToward(HEROINE, BAJARI);
    Dialog(0x99e84d24);
    LeaveWithTheNotes();
    _EndMatch();

    PlayGesture(OnCallback(0xf031bd31), BAJARI, "g_talk_l");
    PlayGesture(OnCallback(0x682acd55), BAJARI, "g_idle_l");
}

void SceneScript_bg301::LeaveWithTheNotes()
{
    _IfBool(VARBOOL_QUEST_C7_NOTES01, 1);
    FadeOut(3000);
    for (const uint32_t uItem : CHAPTER_SEVEN_LUGGAGE)
        Take(HEROINE, uItem);
    GoToScene(LOADING);
    _EndMatch();
}

void SceneScript_bg301::DocumentAndMapCallbacks()
{
    // Callback: Bajari hands her the document.
    _IfEvent(OnCallback(0x2df4c24b));
    GoTo(BAJARI, WP_BAJARI_BEFORE_HER);
    Wait(BAJARI, 95);
    Play(BAJARI, "g_givedocument_01");
    Play(HEROINE, "g_getdocument01");
    PushAddAttachment(BAJARI, AttachmentNamed("bajari_document"), BONE_RIGHT_HAND);
    Play(BAJARI, "g_givedocument_02");
    PushAddAttachment(HEROINE, AttachmentNamed("tavrine_document"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_getdocument02");
    PushRemoveAttachment(BAJARI, AttachmentNamed("bajari_document"));
    Play(BAJARI, "g_givedocument_03");
    PushRemoveAttachment(HEROINE, AttachmentNamed("tavrine_document"));
    Play(HEROINE, "g_getdocument03");
    GoTo(BAJARI, WP_BAJARI);
    Play(HEROINE, "g_idle_l");
    Play(BAJARI, "g_idle_l");
    TurnToward(BRISCOE, HEROINE);
    _EndMatch();

    // Callbacks: she unrolls the map and holds it up, points along it, and
    // rolls it up again.
    _IfEvent(OnCallback(0x354f5456));
    Play(HEROINE, "g_showmap01");
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_map"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap02");
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_map"));
    PushAddAttachment(HEROINE, AttachmentNamed("unrolled_map"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap03");
    Play(HEROINE, "g_showmap04_l");
    _EndMatch();

    PlayGesture(OnCallback(0xde5fe2c1), HEROINE, "g_showmap05_l");

    _IfEvent(OnCallback(0x7fb1293a));
    PushRemoveAttachment(HEROINE, AttachmentNamed("unrolled_map"));
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_map"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap06");
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_map"));
    Play(HEROINE, "g_showmap07");
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    // Callback: the map is the turtle map.
    _IfEvent(OnCallback(0x50f3408f));
    Take(HEROINE, ItemNamed("ITEM_MAP_B"));
    Give(HEROINE, ItemNamed("ITEM_TURTLE_MAP"));
    _EndMatch();
}

void SceneScript_bg301::PlaceEvents()
{
    LookAndActivate(Object("jety"), HEROINE, WP_JETTY, 0x410fff0a, 0x57fa6323);
    LookAndActivate(Object("ship"), HEROINE, WP_SHIP, 0x4ecc84f3, 0x608bebe6);
}

void SceneScript_bg301::ShowAndActivate(int32_t iActor, bool bOn)
{
    ShowObject(iActor, bOn);
    SetInteractive(iActor, bOn);
}

void SceneScript_bg301::Select(uint32_t uActorId)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SELECT_CHARACTER, Param::Scriptable(ActorScriptableId(uActorId)));
}

} // namespace

// Scene 28, bg301_HO_Jety.
REGISTER_SCENE_SCRIPT(bg301, 28);
