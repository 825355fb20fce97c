// Beauty bay on Turtle island (scene 43, bg501_TU_BeautyBay), where the
// island is reached by sea. Chapter 9: Briscoe greets the islanders' shore,
// Uncle Eduardo perches on a branch and eats the berries from the bush, the
// battered turtle shell lies on the sand, and Diego, brought from the ship,
// cuts his way through the dense vegetation into the ruins with his axe.
// In other chapters the bay is empty scenery with its exits.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg501_43>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"uncle_eduardo"> EDUARDO;
constexpr ActorNamed<"boat_windsome_maid"> BOAT;

// Walk-mesh blocker: the tree that Eduardo climbs to his bough, fenced off
// from the heroine.
constexpr int32_t TREE_BLOCKER = 0;

// Waypoints of the bay.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_FROM_THE_JUNGLE = 1;
constexpr int32_t WP_OUT_OF_THE_JUNGLE = 2;
constexpr int32_t WP_DIEGO = 3;
constexpr int32_t WP_BRISCOE = 4;
constexpr int32_t WP_ASHORE = 5;
constexpr int32_t WP_FROM_THE_SEA = 6;
constexpr int32_t WP_EDUARDO = 7;
constexpr int32_t WP_BY_DIEGO = 8;
constexpr int32_t WP_BELOW_EDUARDO = 9;
constexpr int32_t WP_BERRY_BUSH = 10;
constexpr int32_t WP_SHELL = 11;
constexpr int32_t WP_VEGETATION = 12;
constexpr int32_t WP_HIGH_BRANCHES_1 = 13;
constexpr int32_t WP_HIGH_BRANCHES_2 = 14;
constexpr int32_t WP_ROW_BOAT = 15;
constexpr int32_t WP_JUNGLE_PATH = 16;
constexpr int32_t WP_AXE = 18;
constexpr int32_t WP_WATER_EDGE = 20;
constexpr int32_t WP_ROCKS = 21;
constexpr int32_t WP_SIGN = 22;

constexpr uint32_t BAY_MUSIC = 0x60d0778b;
constexpr uint32_t SURF_AMBIENCE = 0x2f190d38;
constexpr int32_t CHAPTER_NINE_SOUNDS = 0x0d15d97d;
constexpr int32_t BAY_SOUNDS = 0x2e6c25a2;

// The dialogs that more than one handler starts.
constexpr uint32_t BOAT_DIALOG = 0x5cda4d0d;
constexpr uint32_t AXE_DIALOG = 0x5232a2da;

// The scenes the bay leads to and is entered from.
constexpr int32_t CORRIDOR = 6;   // bg002_WM_Corridor
constexpr int32_t RUINS = 44;     // bg502_TU_Ruins1
constexpr int32_t WORLD_MAP = 57; // bg911_WorldMap
constexpr int32_t FROM_THE_SEA[] = {CORRIDOR, WORLD_MAP};
constexpr int32_t FROM_THE_ISLAND[] = {
    RUINS,
    45, // bg504_TU_AltarHouseExterior
    47, // bg506_TU_TurtleBeach
    48, // bg508_TU_TurtlePath
};

class SceneScript_bg501 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter9();
    void ArriveFrom();

    // The boat dialog's answer: off to the world map or on board.
    void SailAway();
    // She goes back to her idle loop.
    void Idle();
    // Eduardo settles back on his branch.
    void EduardoOnTheBranch();

    void BoatEvents();
    void HeroineCallbacks();
    void BriscoeEvents();
    void EduardoEvents();
    void DiegoEvents();
    void TrunkEvents();
    void BushAndShellEvents();
    void VegetationEvents();
    void BranchesEvents();
    void FlightCallbacks();
    void ShoreEvents();
};

void SceneScript_bg501::LinkSoundGroups()
{
    LinkSoundGroup(CHAPTER_NINE_SOUNDS, InChapter(9));
    LinkSoundGroup(BAY_SOUNDS, InEveryChapterBut(9));
}

void SceneScript_bg501::Idle()
{
    Play(HEROINE, "g_idle_l");
}

void SceneScript_bg501::EduardoOnTheBranch()
{
    PushAnimAction(EDUARDO, "baybranchidle_l", 1, 0);
}

void SceneScript_bg501::BuildEnterActions()
{
    PlayMusic(BAY_MUSIC);
    PlayAmbience(SURF_AMBIENCE);
    PushAction21(HEROINE, TREE_BLOCKER, 1);
    ShowAndActivate(BRISCOE, false);
    ShowAndActivate(DIEGO, false);
    ShowAndActivate(EDUARDO, false);
    ShowObject(Object("i_battered_turtle_shell"), false);
    SetInteractive(Object("battered_turtle_shell"), false);
    SetInteractive(Object("tree_trunk"), false);
    SetInteractive(Object("dense_vegetation"), false);
    SetInteractive(Object("goto_wm"), false);
    SetInteractive(Object("sign"), false);

    _IfMatch(InChapter(9));
    EnterChapter9();
    _EndMatch();

    SetSceneDirection(9);
    Place(HEROINE, WP_START);
    Place(DIEGO, WP_DIEGO);
    Place(BRISCOE, WP_BRISCOE);
    Place(EDUARDO, WP_EDUARDO);
    ArriveFrom();

    // Until the islanders are met, every landing starts with Briscoe's word.
    _IfMatch(Both(InChapter(9), IsFalse(VARBOOL_QUEST_C9_ISLANDERS)));
    TurnToward(HEROINE, BRISCOE);
    TurnToward(BRISCOE, HEROINE);
    Dialog(0xb675ee6e);
    _EndMatch();
}

void SceneScript_bg501::EnterChapter9()
{
    _IfBool(VARBOOL_BG502_C09_INT_MECHANISM, 0);
    ShowAndActivate(BRISCOE, true);
    _EndMatch();

    // Diego, told about the axe on the ship, comes along as a companion.
    _IfMatch(Both(IsTrue(VARBOOL_BG002_C09_TALK_DIEGO_ABOUT_AXE), IsFalse(VARBOOL_QUEST_C9_JUNGLE_DONE)));
    ShowAndActivate(DIEGO, true);
    Give(HEROINE, ItemNamed("ITEM_DIEGO"));
    SetBoolVar(VARBOOL_BG002_C09_DIEGO_NOT_HERE, true);
    _EndMatch();

    _IfBool(VARBOOL_BG501_C09_PICK_BATTERED_TURTLE_SHELL, 0);
    ShowObject(Object("i_battered_turtle_shell"), true);
    SetInteractive(Object("battered_turtle_shell"), true);
    _EndMatch();

    // Until the jungle is crossed, Eduardo perches on his branch and the
    // way in is overgrown.
    _IfBool(VARBOOL_QUEST_C9_JUNGLE_DONE, 0);
    SetBoolVar(VARBOOL_TU_MAP_BASE, true);
    ShowAndActivate(EDUARDO, true);
    AddToQueue(EDUARDO, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    Give(HEROINE, ItemNamed("ITEM_EDUARDO"));
    EduardoOnTheBranch();
    SetInteractive(Object("goto_bg502"), false);
    SetInteractive(Object("dense_vegetation"), true);
    SetInteractive(Object("sign"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG505_C09_TAVRINE_FREE, 1);
    ShowAndActivate(BRISCOE, false);
    ShowAndActivate(DIEGO, false);
    ShowAndActivate(EDUARDO, false);
    SetInteractive(Object("goto_bg502"), true);
    _ElseMatch();
    SetInteractive(Object("goto_wm"), true);
    SetInteractive(Object("row_boat"), false);
    _EndMatch();
}

void SceneScript_bg501::ArriveFrom()
{
    for (const int32_t iFrom : FROM_THE_SEA) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_FROM_THE_SEA);
        WalkTo(HEROINE, WP_ASHORE);
        _EndMatch();
    }
    for (const int32_t iFrom : FROM_THE_ISLAND) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_FROM_THE_JUNGLE);
        WalkTo(HEROINE, WP_OUT_OF_THE_JUNGLE);
        _EndMatch();
    }
}

void SceneScript_bg501::SailAway()
{
    _IfBool(VARBOOL_BG501_GOTO_WORLD_MAP, 1);
    SetBoolVar(VARBOOL_BG501_GOTO_WORLD_MAP, false);
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    SetPlayingCharacter(BOAT);
    GoToScene(WORLD_MAP);
    _EndMatch();
    _IfBool(VARBOOL_BG501_GOTO_ONBOARD, 1);
    SetBoolVar(VARBOOL_BG501_GOTO_ONBOARD, false);
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    GoToScene(CORRIDOR);
    _EndMatch();
}

void SceneScript_bg501::BuildExitEvents()
{
    // Activate "goto_bg502": the first time she says a word about the path.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg502")));
    GoTo(HEROINE, WP_JUNGLE_PATH);
    _IfBool(VARBOOL_BG501_C09_INT_JUNGLE_EXIT, 0);
    Dialog(0xb60ff50f);
    SetBoolVar(VARBOOL_BG501_C09_INT_JUNGLE_EXIT, true);
    _EndMatch();
    GoToScene(RUINS);
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(Object("goto_wm")));
    GoTo(HEROINE, WP_WATER_EDGE);
    Dialog(BOAT_DIALOG);
    SailAway();
    _EndMatch();
}

void SceneScript_bg501::BuildEvents()
{
    BoatEvents();
    HeroineCallbacks();
    BriscoeEvents();
    EduardoEvents();
    DiegoEvents();
    TrunkEvents();
    BushAndShellEvents();
    VegetationEvents();
    BranchesEvents();
    FlightCallbacks();
    ShoreEvents();
}

void SceneScript_bg501::BoatEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("row_boat")));
    GoTo(HEROINE, WP_ROW_BOAT);
    Dialog(0x1c539268);
    _EndMatch();

    // The row boat is the way off the bay whenever the boat exit is not
    // offered, so its dialog's answer is taken here as there.
    _IfMatch(MatchExpr::MakeEvent0(Object("row_boat")));
    GoTo(HEROINE, WP_ROW_BOAT);
    Dialog(BOAT_DIALOG);
    SailAway();
    _EndMatch();

    // The whistle calls Eduardo; once she is free he is called in earnest.
    _IfMatch(MatchExpr::MakeEvent6(ItemNamed("ITEM_WHISTLE"), ItemNamed("ITEM_EDUARDO")));
    _IfBool(VARBOOL_BG505_C09_TAVRINE_FREE, 1);
    Play(HEROINE, "decoy");
    Idle();
    _EndMatch();
    Dialog(0xf089f5c7);
    _EndMatch();
}

void SceneScript_bg501::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
}

void SceneScript_bg501::BriscoeEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(BRISCOE));
    WalkTo(HEROINE, WP_ASHORE);
    TurnToward(HEROINE, BRISCOE);
    Dialog(0x7ba6cfdd);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(BRISCOE));
    WalkTo(HEROINE, WP_ASHORE);
    TurnToward(HEROINE, BRISCOE);
    Dialog(0xc8f3c4da);
    _EndMatch();
    PlayGesture(OnCallback(0x1a358376), BRISCOE, "g_talk_l");
    PlayGesture(OnCallback(0x64afab29), BRISCOE, "g_idle_l");
}

void SceneScript_bg501::EduardoEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(EDUARDO), HEROINE, WP_BELOW_EDUARDO, 0xe592c1c8);
    WalkAndTalk(ScriptEvent_FlaggedId2(EDUARDO), HEROINE, WP_BELOW_EDUARDO, 0xb48c7fb8);

    // The berries held up to him: he eats from her hand.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(EDUARDO, ItemNamed("ITEM_BERRIES")));
    GoTo(HEROINE, WP_BELOW_EDUARDO);
    Play(HEROINE, "showobject01");
    Play(HEROINE, "showobject02");
    Play(HEROINE, "showobject03_l");
    Sound(EDUARDO, 0x26b78b9e, 858);
    Play(EDUARDO, "baybrancheat01");
    EduardoOnTheBranch();
    Play(HEROINE, "showobject04");
    Play(HEROINE, "showobject05");
    Idle();
    Dialog(0xfc1a6bd3);
    SetBoolVar(VARBOOL_BG501_C09_USE_BERRIES_ON_UNCLE_EDUARDO, true);
    _EndMatch();

    PlayGesture(OnCallback(0x98377b3b), EDUARDO, "baybranchtalk_l");
    _IfEvent(OnCallback(0x8786892f));
    EduardoOnTheBranch();
    _EndMatch();
}

void SceneScript_bg501::DiegoEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(DIEGO), HEROINE, WP_BY_DIEGO, 0x1074e99a);
    WalkAndTalk(ScriptEvent_FlaggedId2(DIEGO), HEROINE, WP_BY_DIEGO, 0x6240f4f7);
    PlayGesture(OnCallback(0x8bbc8e27), DIEGO, "g_talk_l");
    PlayGesture(OnCallback(0x53f25f4d), DIEGO, "brutalaxe04_l");
    PlayGesture(OnCallback(0x728fd06d), DIEGO, "g_idle_l");

    // Callback: while she steps aside, Diego walks up to the green wall and
    // takes his axe out.
    _IfEvent(OnCallback(0x7a09c971));
    Idle();
    Together();
    GoTo(HEROINE, WP_ASHORE);
    GoTo(DIEGO, WP_AXE);
    Play(DIEGO, "brutalaxe01");
    Sound(DIEGO, 0x4343563c, 0);
    PushAddAttachment(DIEGO, AttachmentNamed("brutale_axe"), BONE_RIGHT_HAND);
    Play(DIEGO, "brutalaxe02");
    Play(DIEGO, "brutalaxe03_l");
    Apart();
    _EndMatch();
}

void SceneScript_bg501::TrunkEvents()
{
    // The trunk is never made active; its handlers stay for a scene that
    // would make it so.
    LookAndActivate(Object("tree_trunk"), HEROINE, WP_AXE, 0x3bbfe2df, 0x3559f2f1);
    _IfEvent(ScriptEvent_ItemOnObject3(Object("tree_trunk"), ItemNamed("ITEM_DIEGO")));
    GoTo(HEROINE, WP_AXE);
    Dialog(AXE_DIALOG);
    Sound(DIEGO, 0x5a4a0786, 264);
    PushAnimAction(DIEGO, "brutalaxe05", 0, 1);
    GoToScene(RUINS);
    _EndMatch();
}

void SceneScript_bg501::BushAndShellEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("berry_bush")));
    GoTo(HEROINE, WP_BERRY_BUSH);
    Dialog(0x9a5c1e8f);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("berry_bush")));
    GoTo(HEROINE, WP_BERRY_BUSH);
    Dialog(0x94ba0ea1);
    PickUp<Reach::MiddleLow>(HEROINE, ID_SCRIPTABLE_INVALID, ItemNamed("ITEM_BERRIES"));
    _EndMatch();

    _IfEvent(ScriptEvent_Object1(Object("battered_turtle_shell")));
    GoTo(HEROINE, WP_SHELL);
    Dialog(0x430e78ee);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("battered_turtle_shell")));
    GoTo(HEROINE, WP_SHELL);
    Dialog(0xececb784);
    PickUp<Reach::Low>(HEROINE, Object("i_battered_turtle_shell"), ItemNamed("ITEM_TURTLE_SHELL"));
    SetBoolVar(VARBOOL_BG501_C09_PICK_BATTERED_TURTLE_SHELL, true);
    SetInteractive(Object("battered_turtle_shell"), false);
    _EndMatch();
}

void SceneScript_bg501::VegetationEvents()
{
    LookAndActivate(Object("dense_vegetation"), HEROINE, WP_VEGETATION, 0x0f770921, 0xabbbc90b);
    _IfEvent(ScriptEvent_ItemOnObject3(Object("dense_vegetation"), ItemNamed("ITEM_DIEGO")));
    GoTo(HEROINE, WP_AXE);
    Dialog(AXE_DIALOG);
    PushAnimAction(DIEGO, "brutalaxe05", 0, 1);
    GoToScene(RUINS);
    _EndMatch();
}

void SceneScript_bg501::BranchesEvents()
{
    LookAndActivate(Object("high_branches_1"), HEROINE, WP_HIGH_BRANCHES_1, 0x6df36360, 0x70f72406);
    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("high_branches_1"), ItemNamed("ITEM_EDUARDO")), HEROINE,
                WP_HIGH_BRANCHES_1, 0x2b8a1d97);
    LookAndActivate(Object("high_branches_2"), HEROINE, WP_HIGH_BRANCHES_2, 0xf4fa32da, 0xe9fe75bc);
    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("high_branches_2"), ItemNamed("ITEM_EDUARDO")), HEROINE,
                WP_HIGH_BRANCHES_2, 0xb2834c2d);
}

void SceneScript_bg501::FlightCallbacks()
{
    // Callbacks: Eduardo flies up to look around and lands on his branch
    // again, once from each of the two high branches.
    _IfEvent(OnCallback(0x77462c07));
    Sound(EDUARDO, 0x704a1361, 396);
    Play(EDUARDO, "flyup01");
    Play(EDUARDO, "flyup02_l");
    _EndMatch();
    _IfEvent(OnCallback(0x7c04a91b));
    EffectSound(0x11c7c166);
    Play(EDUARDO, "flyup03");
    EduardoOnTheBranch();
    _EndMatch();
    _IfEvent(OnCallback(0xee4f7dbd));
    Sound(EDUARDO, 0x41a209fc, 396);
    Play(EDUARDO, "flyup04");
    Play(EDUARDO, "flyup05_l");
    _EndMatch();
    _IfEvent(OnCallback(0xe50df8a1));
    EffectSound(0x1753b3c8);
    Play(EDUARDO, "flyup06");
    EduardoOnTheBranch();
    _EndMatch();
}

void SceneScript_bg501::ShoreEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("rocks")));
    GoTo(HEROINE, WP_ROCKS);
    Play(HEROINE, "g_lookup");
    Idle();
    Dialog(0x6686bb95);
    _EndMatch();
    WalkAndTalk(MatchExpr::MakeEvent0(Object("rocks")), HEROINE, WP_ROCKS, 0x7c05420e);
    LookAndActivate(Object("sign"), HEROINE, WP_SIGN, 0x27dd05f3, 0x7ef0e3e7);
}

} // namespace

// Scene 43, bg501_TU_BeautyBay.
REGISTER_SCENE_SCRIPT(bg501, 43);
