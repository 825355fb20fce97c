// Briscoe's house on fire (scene 19, bg111_BO_BriscoesHouseInterior_B): the
// heroine is shut in with Thomas and Elizabeth. Nearly everything she does
// costs time; the smoke thickens and fires break out as the time runs, and at
// its end the house burns down and she starts again with the room as it was.
// The way out: the purse's powder poured into the pistols for gunpowder, the
// gunpowder and the silk fringes cut from the net curtain put on the front
// door, and the match box; the movie follows and she is outside (scene 17).
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

#include <array>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg111_19>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"thomas_b"> THOMAS;
constexpr ActorNamed<"elizabeth_b"> ELIZABETH;

// Waypoints of the room.
constexpr int32_t WP_ELIZABETH = 0;
constexpr int32_t WP_THOMAS = 1;
constexpr int32_t WP_BY_ELIZABETH = 2;
constexpr int32_t WP_START = 3;
constexpr int32_t WP_BY_THOMAS = 5;
constexpr int32_t WP_MATCH_STRUCK = 6;
constexpr int32_t WP_FRONT_DOOR = 7;
constexpr int32_t WP_WINDOW = 8;
constexpr int32_t WP_FIREPLACE = 9;
constexpr int32_t WP_IRON_BAR = 10;
constexpr int32_t WP_TAPESTRY = 11;
constexpr int32_t WP_CARPET_1 = 12;
constexpr int32_t WP_CARPET_2 = 13;
constexpr int32_t WP_PORTRAIT_OF_ELIZABETH = 14;
constexpr int32_t WP_FAMILY_PORTRAIT = 15;
constexpr int32_t WP_PISTOLS = 16;
constexpr int32_t WP_SMALL_PURSE = 17;
constexpr int32_t WP_SHUTTERS = 22;
constexpr int32_t WP_NET_CURTAIN = 23;
constexpr int32_t WP_PORTRAIT_THOMAS = 30;
constexpr int32_t WP_FLAMES_1 = 31;
constexpr int32_t WP_FLAMES_2 = 32;

// Sounds: the music and the fire, the powder poured, the match struck and
// the sword through the fringes.
constexpr uint32_t FIRE_MUSIC = 0x653e13c1;
constexpr uint32_t FIRE_AMBIENCE = 0x5733b30a;
constexpr uint32_t POWDER_POURED = 0x582902a4;
constexpr uint32_t MATCH_STRUCK = 0x2babdefb;
constexpr int32_t MATCH_STRUCK_DELAY = 2178;
constexpr uint32_t SWORD_CUTS = 0x30463d88;
constexpr int32_t SWORD_CUTS_DELAY = 1650;

// The time in the burning house: each counted action adds a step; at the
// end the house burns down.
constexpr int32_t TIME_STEP = 10;
constexpr int32_t BURNT_DOWN = 100;

constexpr int32_t FIRST_SMOKE = 10;
constexpr int32_t THICKEST_SMOKE = 255;
constexpr int32_t FIRE_FADE_IN_MS = 500;
constexpr int32_t COUGH_MS = 5000;

// A level of the fire: from this time on, the smoke's alpha, and the fire
// that breaks out with its flag and, where she can click it, its flames.
constexpr int32_t NONE = -1;
struct FireLevel {
    int32_t iTime;
    int32_t iSmokeAlpha;
    int32_t iFire;
    int32_t iFlames;
    int32_t iFireFlag;
};
constexpr std::array<FireLevel, 7> FIRE_LEVELS = {{
    {10, 50, Object("o_fire_2"), NONE, VARBOOL_BG111_C05_FIRE_2_ON},
    {20, 75, NONE, NONE, NONE},
    {40, 100, Object("o_fire_3"), Object("flames_1"), VARBOOL_BG111_C05_FIRE_3_ON},
    {50, 125, NONE, NONE, NONE},
    {60, 150, Object("o_fire_4"), Object("flames_2"), VARBOOL_BG111_C05_FIRE_4_ON},
    {70, 175, NONE, NONE, NONE},
    {80, 200, NONE, NONE, NONE},
}};

// The flames' two dialogs, the same for both fires.
constexpr uint32_t FLAMES_LOOK = 0xdaebb115;
constexpr uint32_t FLAMES_TOUCH = 0xbe695f5e;

// Movie 4, MOVIE_CINE05: the door blown open; outside, the escape.
constexpr int32_t MOVIE_CINE05 = 4;
constexpr int32_t HOUSE_EXTERIOR = 17; // bg110_BO_BriscoesHouseExterior
constexpr int32_t THIS_SCENE = 19;

class SceneScript_bg111_B final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildEvents() override;

private:
    // The house burns down: the room's finds are taken back, its flags
    // cleared, and the scene starts again.
    void BuildBurnDown();
    void CounterBlock();
    void EnterWithTimeSpent();

    void DoorEvents();
    void RoomEvents();
    void CurtainEvents();
    void FurnitureEvents();
    void PistolEvents();
    void PeopleEvents();

    // The heroine walks to the waypoint and talks; the time runs on.
    void CostlyTalk(const MatchExpr& oPattern, int32_t iWaypoint, uint32_t uDialogId);
    void CostlyTalk(const EventDesc& oEvent, int32_t iWaypoint, uint32_t uDialogId)
    {
        CostlyTalk(MatchExpr::Event(oEvent), iWaypoint, uDialogId);
    }
    void TimePasses();
    void SetSmoke(int32_t iAlpha);
};

void SceneScript_bg111_B::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg111b_chapter_05"), InChapter(5));
    LinkSoundGroup(0x79f3ea31, InEveryChapterBut(5));
}

void SceneScript_bg111_B::BuildEnterActions()
{
    PlayMusic(FIRE_MUSIC);
    PlayAmbience(FIRE_AMBIENCE);
    SetSceneDirection(3);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    Place(THOMAS, WP_THOMAS);
    Place(ELIZABETH, WP_ELIZABETH);
    Place(HEROINE, WP_START);
    ShowObject(THOMAS, true);
    ShowObject(ELIZABETH, true);
    Play(ELIZABETH, "panic_02_l");
    Play(THOMAS, "panic_02_l");
    ShowObject(Object("o_fire_2"), false);
    ShowObject(Object("o_fire_3"), false);
    ShowObject(Object("o_fire_4"), false);
    SetInteractive(Object("flames_1"), false);
    SetInteractive(Object("flames_2"), false);

    _IfInt(VARINT_BURNING_HOUSE, Op_IntEqual, 0);
    SetSmoke(FIRST_SMOKE);
    _IfBool(VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE, 0);
    Dialog(0x8a7eb3a0);
    SetBoolVar(VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE, true);
    _EndMatch();
    _ElseMatch();
    EnterWithTimeSpent();
    _EndMatch();
}

// Back in the room with time spent (a saved game): what she took stays gone,
// and the smoke and the fires stand as far as the time has run.
void SceneScript_bg111_B::EnterWithTimeSpent()
{
    _IfBool(VARBOOL_BG111_C05_PICK_IRON_BAR, 1);
    ShowObject(Object("i_iron_bar"), false);
    SetInteractive(Object("iron_bar"), false);
    _EndMatch();
    _IfBool(VARBOOL_BG111_C05_PICK_SILK_FRINGES, 1);
    ShowObject(Object("o_silk_fringes"), false);
    SetInteractive(Object("net_curtain"), false);
    _EndMatch();
    // The purse is two pictures, the purse and its clasp: both go with it.
    _IfBool(VARBOOL_BG111_C05_PICK_SMALL_PURSE, 1);
    ShowObject(Object("i_smallpurse"), false);
    ShowObject(Object("o_small_purse"), false);
    SetInteractive(Object("small_purse"), false);
    _EndMatch();

    for (const FireLevel& level : FIRE_LEVELS) {
        _IfInt(VARINT_BURNING_HOUSE, Op_IntGreaterEqual, level.iTime);
        SetSmoke(level.iSmokeAlpha);
        if (level.iFire != NONE)
            ShowObject(level.iFire, true);
        if (level.iFlames != NONE)
            SetInteractive(level.iFlames, true);
        _EndMatch();
    }
}

void SceneScript_bg111_B::BuildEvents()
{
    PlayGesture(OnCallback(0xa85cc740), HEROINE, "g_talkfurious_l");
    PlayGesture(OnCallback(0x572c2b06), HEROINE, "g_idle_l");
    DoorEvents();
    RoomEvents();
    CurtainEvents();
    FurnitureEvents();
    PistolEvents();
    PeopleEvents();
    // Outside every handler, so that every walk brings the fire up to date.
    CounterBlock();
}

void SceneScript_bg111_B::DoorEvents()
{
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg110")));
    GoTo(HEROINE, WP_FRONT_DOOR);
    Dialog(0x0d6f81e5);
    SetBoolVar(VARBOOL_BG111_C05_USE_FRONT_DOOR, true);
    TimePasses();
    _EndMatch();

    const int32_t door = Object("goto_bg110");
    CostlyTalk(ScriptEvent_ItemOnObject3(door, ItemNamed("ITEM_SPARE_KEY")), WP_FRONT_DOOR, 0xccd5186b);
    CostlyTalk(ScriptEvent_ItemOnObject3(door, ItemNamed("ITEM_PISTOL")), WP_FRONT_DOOR, 0x09e17df0);

    _IfEvent(ScriptEvent_ItemOnObject3(door, ItemNamed("ITEM_GUNPOWDER")));
    GoTo(HEROINE, WP_FRONT_DOOR);
    Play(HEROINE, "interactdoor_01");
    Play(HEROINE, "g_idle_l");
    Dialog(0x256ee36e);
    SetBoolVar(VARBOOL_BG111_C05_USE_GUNPOWDER_ON_FRONT_DOOR, true);
    TimePasses();
    _EndMatch();

    // Its dialog records the fringes on the door and hands them over.
    CostlyTalk(ScriptEvent_ItemOnObject3(door, ItemNamed("ITEM_SILK_FRINGES")), WP_FRONT_DOOR, 0x19838662);
    _IfEvent(OnCallback(0x471693a7));
    Take(HEROINE, ItemNamed("ITEM_SILK_FRINGES"));
    Play(HEROINE, "interactdoor_02");
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    // The match box costs no time: either the door blows open or nothing
    // is ready to light.
    _IfEvent(ScriptEvent_ItemOnObject3(door, ItemNamed("ITEM_MATCH_BOX")));
    GoTo(HEROINE, WP_FRONT_DOOR);
    Dialog(0xdb200359);
    _IfMatch(MatchExpression(Op_And, MatchExpr::Bool(VARBOOL_BG111_C05_USE_GUNPOWDER_ON_FRONT_DOOR, 1),
                             MatchExpr::Bool(VARBOOL_BG111_C05_USE_SILK_FRINGES_ON_FRONT_DOOR, 1)));
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(MOVIE_CINE05));
    GoToScene(HOUSE_EXTERIOR);
    _IfBool(VARBOOL_BG111_C05_FIRE_RELOAD, 0);
    NoEffect(6);
    _EndMatch();
    _EndMatch();
    _EndMatch();

    // The match struck: she lights the fuse and steps back, and the three
    // of them brace for the blast.
    _IfEvent(OnCallback(0x419cfa9e));
    Together();
    Sound(HEROINE, MATCH_STRUCK, MATCH_STRUCK_DELAY);
    PushAnimAction(HEROINE, "match01", 0, 1);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, WP_MATCH_STRUCK);
    PushAnimAction(HEROINE, "match02", 0, 1);
    Play(THOMAS, "panic_03");
    Play(ELIZABETH, "panic_03");
    Play(THOMAS, "g_idle_l");
    Play(ELIZABETH, "idle_l");
    PushAnimAction(HEROINE, "match02", 0, 1);
    Play(THOMAS, "match02");
    Play(ELIZABETH, "match02");
    Apart();
    _EndMatch();
}

void SceneScript_bg111_B::RoomEvents()
{
    CostlyTalk(MatchExpr::MakeEvent0(Object("window")), WP_WINDOW, 0x856b2dcc);
    CostlyTalk(ScriptEvent_Object1(Object("fireplace")), WP_FIREPLACE, 0xd1ef0715);

    _IfMatch(MatchExpr::MakeEvent0(Object("iron_bar")));
    GoTo(HEROINE, WP_IRON_BAR);
    Dialog(0xe7058df1);
    PickUp<Reach::Low>(HEROINE, Object("i_iron_bar"), ItemNamed("ITEM_IRON_BAR"));
    SetBoolVar(VARBOOL_BG111_C05_PICK_IRON_BAR, true);
    TimePasses();
    SetInteractive(Object("iron_bar"), false);
    _EndMatch();

    CostlyTalk(ScriptEvent_Object1(Object("tapestry")), WP_TAPESTRY, 0x87bea833);
}

void SceneScript_bg111_B::FurnitureEvents()
{
    CostlyTalk(MatchExpr::MakeEvent0(Object("shutters")), WP_SHUTTERS, 0xc43ff3af);
    CostlyTalk(ScriptEvent_Object1(Object("carpet_1")), WP_CARPET_1, 0xca0f2843);
    CostlyTalk(ScriptEvent_Object1(Object("carpet_2")), WP_CARPET_2, 0x530679f9);
    CostlyTalk(ScriptEvent_Object1(Object("flames_1")), WP_FLAMES_1, FLAMES_LOOK);
    CostlyTalk(MatchExpr::MakeEvent0(Object("flames_1")), WP_FLAMES_1, FLAMES_TOUCH);
    CostlyTalk(ScriptEvent_Object1(Object("flames_2")), WP_FLAMES_2, FLAMES_LOOK);
    CostlyTalk(MatchExpr::MakeEvent0(Object("flames_2")), WP_FLAMES_2, FLAMES_TOUCH);
    CostlyTalk(ScriptEvent_Object1(Object("portrait_of_elizabeth")), WP_PORTRAIT_OF_ELIZABETH, 0x42b83166);
    CostlyTalk(ScriptEvent_Object1(Object("portrait_of_briscoe_family")), WP_FAMILY_PORTRAIT, 0x31cefadb);
    PlayGesture(OnCallback(0x980ab6db), HEROINE, "g_lookup", "g_idle_l");
    CostlyTalk(ScriptEvent_Object1(Object("portrait_thomas")), WP_PORTRAIT_THOMAS, 0x739e3d29);
}

void SceneScript_bg111_B::CurtainEvents()
{
    CostlyTalk(ScriptEvent_Object1(Object("net_curtain")), WP_NET_CURTAIN, 0xf9218276);

    _IfEvent(ScriptEvent_ItemOnObject3(Object("net_curtain"), ItemNamed("ITEM_MAGNIFICENT_SWORD")));
    GoTo(HEROINE, WP_NET_CURTAIN);
    Dialog(0x3b70692c);
    GoTo(ELIZABETH, WP_ELIZABETH);
    Play(ELIZABETH, "panic_02_l");
    TimePasses();
    SetInteractive(Object("net_curtain"), false);
    _EndMatch();

    // The fringes cut with the sword.
    _IfEvent(OnCallback(0xadf1c731));
    PushAddAttachment(HEROINE, AttachmentNamed("magnificient_sword_tavrine"), BONE_RIGHT_HAND);
    Sound(HEROINE, SWORD_CUTS, SWORD_CUTS_DELAY);
    Together();
    Play(HEROINE, "swordfringe");
    Apart();
    PushRemoveAttachment(HEROINE, AttachmentNamed("magnificient_sword_tavrine"));
    Play(HEROINE, "g_idle_l");
    ShowObject(Object("o_silk_fringes"), false);
    Give(HEROINE, ItemNamed("ITEM_SILK_FRINGES"));
    SetBoolVar(VARBOOL_BG111_C05_PICK_SILK_FRINGES, true);
    TurnToward(ELIZABETH, HEROINE);
    Play(ELIZABETH, "panic_02_l");
    _EndMatch();
}

void SceneScript_bg111_B::PistolEvents()
{
    _IfMatch(MatchExpr::MakeEvent0(Object("small_purse")));
    GoTo(HEROINE, WP_SMALL_PURSE);
    Dialog(0x742a1895);
    PickUp<Reach::Low>(HEROINE, Object("o_small_purse"), ItemNamed("ITEM_SMALL_PURSE"), false);
    ShowObject(Object("i_smallpurse"), false);
    SetBoolVar(VARBOOL_BG111_C05_PICK_SMALL_PURSE, true);
    TimePasses();
    SetInteractive(Object("small_purse"), false);
    _EndMatch();

    CostlyTalk(ScriptEvent_Object1(Object("pistols")), WP_PISTOLS, 0xee588f61);
    CostlyTalk(MatchExpr::MakeEvent0(Object("pistols")), WP_PISTOLS, 0xc2359ff1);

    // The purse's powder taken out through the pistol's pan: gunpowder.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("pistols"), ItemNamed("ITEM_SMALL_PURSE")));
    GoTo(HEROINE, WP_PISTOLS);
    Play(HEROINE, "g_pickobjectmiddle01");
    Take(HEROINE, ItemNamed("ITEM_SMALL_PURSE"));
    Give(HEROINE, ItemNamed("ITEM_GUNPOWDER"));
    ShowObject(Object("o_pistol"), false);
    EffectSound(POWDER_POURED);
    Play(HEROINE, "g_pickobjectmiddle02");
    Play(HEROINE, "g_idle_l");
    Play(HEROINE, "g_leaveobjectmiddle01");
    ShowObject(Object("o_pistol"), true);
    Play(HEROINE, "g_leaveobjectmiddle02");
    Play(HEROINE, "g_idle_l");
    TimePasses();
    SetInteractive(Object("pistols"), false);
    _EndMatch();
}

void SceneScript_bg111_B::PeopleEvents()
{
    CostlyTalk(ScriptEvent_FlaggedId1(THOMAS), WP_BY_THOMAS, 0x166c58b2);
    CostlyTalk(ScriptEvent_FlaggedId2(THOMAS), WP_BY_THOMAS, 0xa53953b5);
    CostlyTalk(ScriptEvent_FlaggedId1(ELIZABETH), WP_BY_ELIZABETH, 0xf6bfd438);
    CostlyTalk(ScriptEvent_FlaggedId2(ELIZABETH), WP_BY_ELIZABETH, 0x2e2c2822);
}

// One chain, highest level first: the smoke of the level reached, and its
// fire faded in the first time only.
void SceneScript_bg111_B::CounterBlock()
{
    _IfInt(VARINT_BURNING_HOUSE, Op_IntEqual, BURNT_DOWN);
    BuildBurnDown();
    for (auto level = FIRE_LEVELS.rbegin(); level != FIRE_LEVELS.rend(); ++level) {
        _ElseMatch();
        _IfInt(VARINT_BURNING_HOUSE, Op_IntGreaterEqual, level->iTime);
        SetSmoke(level->iSmokeAlpha);
        if (level->iFire != NONE) {
            _IfBool(level->iFireFlag, 0);
            ShowObject(level->iFire, true);
            PushAction60(level->iFire, FIRE_FADE_IN_MS, 1);
            if (level->iFlames != NONE)
                SetInteractive(level->iFlames, true);
            SetBoolVar(level->iFireFlag, true);
            _EndMatch();
        }
    }
    for (size_t i = 0; i <= FIRE_LEVELS.size(); ++i)
        _EndMatch();
}

void SceneScript_bg111_B::BuildBurnDown()
{
    _IfInt(VARINT_BURNING_HOUSE, Op_IntEqual, BURNT_DOWN);
    Play(HEROINE, "cough_l");
    Play(THOMAS, "cough_l");
    Play(ELIZABETH, "cough_l");
    Wait(HEROINE, COUGH_MS);
    SetSmoke(THICKEST_SMOKE);
    for (const uint32_t uItem : {ItemNamed("ITEM_IRON_BAR"), ItemNamed("ITEM_SILK_FRINGES"),
                                 ItemNamed("ITEM_SMALL_PURSE"), ItemNamed("ITEM_GUNPOWDER")})
        Take(HEROINE, uItem);
    _IfBool(VARBOOL_BG111_C05_COMB_LOADED_PISTOL, 1);
    Take(HEROINE, ItemNamed("ITEM_LOADED_PISTOL"));
    Give(HEROINE, ItemNamed("ITEM_PISTOL"));
    SetBoolVar(VARBOOL_BG111_C05_COMB_LOADED_PISTOL, false);
    _EndMatch();
    for (const int32_t iFlag :
         {VARBOOL_BG111_C05_PICK_IRON_BAR, VARBOOL_BG111_C05_PICK_PISTOLS, VARBOOL_BG111_C05_PICK_SILK_FRINGES,
          VARBOOL_BG111_C05_PICK_SMALL_PURSE, VARBOOL_BG111_C05_USE_FRONT_DOOR,
          VARBOOL_BG111_C05_USE_FUSE_ON_FRONT_DOOR, VARBOOL_BG111_C05_USE_GUNPOWDER_ON_FRONT_DOOR,
          VARBOOL_BG111_C05_USE_SILK_FRINGES_ON_FRONT_DOOR, VARBOOL_BG111_C05_FIRE_2_ON, VARBOOL_BG111_C05_FIRE_3_ON,
          VARBOOL_BG111_C05_FIRE_4_ON})
        SetBoolVar(iFlag, false);
    SetBoolVar(VARBOOL_BG111_C05_FIRE_RELOAD, true);
    SetIntVar(VARINT_BURNING_HOUSE, 0);
    WaitForAll();
    GoToScene(THIS_SCENE);
    _EndMatch();
}

void SceneScript_bg111_B::CostlyTalk(const MatchExpr& oPattern, int32_t iWaypoint, uint32_t uDialogId)
{
    _IfMatch(oPattern);
    GoTo(HEROINE, iWaypoint);
    Dialog(uDialogId);
    TimePasses();
    _EndMatch();
}

void SceneScript_bg111_B::TimePasses()
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_ADD_TO_VARIABLE, Param::Int(VARINT_BURNING_HOUSE),
               Param::Int(TIME_STEP));
}

void SceneScript_bg111_B::SetSmoke(int32_t iAlpha)
{
    AddToQueue(Object("o_smoke_01"), ID_ACTION_TYPE_SET_ALPHA, Param::Int(iAlpha));
    AddToQueue(Object("o_smoke_02"), ID_ACTION_TYPE_SET_ALPHA, Param::Int(iAlpha));
}

} // namespace

// Scene 19, bg111_BO_BriscoesHouseInterior_B.
REGISTER_SCENE_SCRIPT(bg111_B, 19);
