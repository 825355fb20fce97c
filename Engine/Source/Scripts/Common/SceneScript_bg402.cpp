// Buck's place on Tanner island (scene 40, bg402_TA_BucksPlace), up the
// scaffolding from the jetty: Buck asleep in his hammock by a cold fire
// place, his flying machine's propeller and model, a nut press he calls a
// strange device, and the broken rope bridge over the chasm to Carmine's
// monument. Chapter 6: talking to Buck opens the camp; the brushwood and a
// light get the fire going and Buck out of his hammock; the fish skewer
// cooked on it buys his greasy iron stem, and he hands over a cogwheel; the
// oil lamp filled in the press; the board laid over the bridge and fixed
// with the hammer and piton. The birds attack her on the first crossing.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg402_40>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"buck"> BUCK;
constexpr ActorNamed<"thomas_b"> THOMAS;

// Waypoints of the camp.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_HAMMOCK = 1;
constexpr int32_t WP_BUCK_BY_THE_FIRE = 2;
constexpr int32_t WP_THOMAS = 3;
constexpr int32_t WP_TOP_OF_THE_SCAFFOLDING = 4;
constexpr int32_t WP_FAR_SIDE_OF_THE_BRIDGE = 5;
constexpr int32_t WP_BRIDGEHEAD = 6;
constexpr int32_t WP_THOMAS_CLIMBS_UP = 7;
constexpr int32_t WP_OUT_OF_THE_HAMMOCK = 8;
constexpr int32_t WP_BEFORE_BUCK = 9;
constexpr int32_t WP_ON_THE_BRIDGE = 10;
constexpr int32_t WP_PRESS_HOPPER = 11;
constexpr int32_t WP_STONE_CUP = 12;
constexpr int32_t WP_BUCKET = 13;
constexpr int32_t WP_IRON_STEM = 14;
constexpr int32_t WP_CAMPFIRE = 15;
constexpr int32_t WP_BROKEN_BRIDGE = 16;
constexpr int32_t WP_DANGEROUS_BRIDGE = 17;
constexpr int32_t WP_ONTO_THE_BRIDGE = 18;
constexpr int32_t WP_OIL_LAMP = 19;
constexpr int32_t WP_NUT_PRESS = 20;
constexpr int32_t WP_DOWN_THE_SCAFFOLDING = 21;
constexpr int32_t WP_PRESS_SPOUT = 30;
constexpr int32_t WP_PROPELLER = 32;
constexpr int32_t WP_MODEL = 33;
constexpr int32_t WP_PLANT = 34;
constexpr int32_t WP_MUSHROOMS = 35;

// The rope bridge on the walk mesh: she sets foot on it only to cross.
constexpr int32_t BRIDGE_BLOCKER = 0;

// Sprite animations: the press at rest and pressing; the board on the
// bridge loose and nailed down.
constexpr uint32_t PRESS_AT_REST = 0xe25d1a8d;
constexpr uint32_t PRESS_PRESSING = 0x51f53431;
constexpr uint32_t BOARD_FIXED = 0xf31fb852;
constexpr uint32_t BOARD_LOOSE = 0x6d1ffa2a;

// Sounds: the music and the cliff top, the brushwood laid, the board laid,
// the press; Buck given the skewer, the fire struck, the hammock left, the
// fish sizzling, the piton hammered in.
constexpr uint32_t CAMP_MUSIC = 0x2fca9a98;
constexpr uint32_t CAMP_AMBIENCE = 0x37d236b5;
constexpr uint32_t BRUSHWOOD_SOUND = 0x679cbcb4;
constexpr uint32_t BOARD_SOUND = 0x1d42590a;
constexpr uint32_t PRESS_SOUND = 0x4ad787c4;
constexpr uint32_t SKEWER_SOUND = 0x33a20913;
constexpr uint32_t STRIKE_SOUND = 0x789cd5e8;
constexpr uint32_t HAMMOCK_SOUND = 0x066b2743;
constexpr uint32_t SIZZLE_SOUND = 0x1c2a614e;
constexpr uint32_t HAMMER_SOUND = 0x58e3a4b7;

constexpr int32_t JETTY_AND_CLIFF = 39;   // bg401_TA_JetyAndCliff
constexpr int32_t CARMINES_MONUMENT = 41; // bg403_TA_CarminesMonument
constexpr int32_t BURIAL_CHAMBER = 42;    // bg404_TA_BurialChamber
constexpr int32_t BIRDS_ATTACK = 6;
// The birds attack comes back here: 256 and its id.
constexpr int32_t BACK_FROM_THE_BIRDS = 256 + BIRDS_ATTACK;

// Remarks shared by both states of the bridge.
constexpr uint32_t PITON_ALONE = 0xe168f836;
constexpr uint32_t HAMMER_ALONE = 0xa37198c9;
// The press's two dialogs, for the strange device and for the press it is.
constexpr uint32_t LOOK_PRESS = 0xc3f3a488;
constexpr uint32_t USE_PRESS = 0xae2a1ba9;

class SceneScript_bg402 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void EnterChapter6();
    void PlaceBuckAndThomas();
    void RestoreTheCamp();
    void RestoreTheBridge();
    void CloseTheCampUntilBuckTalks();
    void ArriveFromTheJetty();
    void ArriveOverTheBridge(int32_t iSceneId);
    void BackFromTheBirds();

    void HeroineGestures();
    void BuckEvents();
    void SkewerChangesHands();
    void ThomasEvents();
    void CupBucketAndStem();
    void CampfireEvents();
    void FireCallbacks();
    void BridgeEvents();
    void LampAndPressEvents();
    void PressCallbacks();
    void MachineAndGarden();

    // Activate on a thing lying in the camp: the walk, the remark, the
    // pick-up, and the thing is gone for good.
    template <Reach REACH>
    void PickUpHandler(int32_t iObject, int32_t iWaypoint, uint32_t uDialogId, int32_t iPicture, uint32_t uItemId,
                       int32_t iVarId);
    // The hotspots that Buck's first talk opens, in his order.
    void SetCampHotspots(bool bActive);
    // The strange device becomes the nut press once Buck has told of it.
    void ShowThePress();
};

void SceneScript_bg402::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg402_chapter_06"), InChapter(6));
    LinkSoundGroup(0x4f21497f, InEveryChapterBut(6));
}

void SceneScript_bg402::BuildEnterActions()
{
    PlayMusic(CAMP_MUSIC);
    PlayAmbience(CAMP_AMBIENCE);
    SetSceneDirection(2);
    ResetObjects();
    PushAction21(HEROINE, BRIDGE_BLOCKER, 1);
    Place(BUCK, WP_HAMMOCK);
    Play(BUCK, "hammocksleep_l");

    _IfMatch(InChapter(6));
    EnterChapter6();
    _ElseMatch();
    // Out of the story's time here Buck sleeps and the camp is his alone.
    Place(BUCK, WP_HAMMOCK);
    Play(BUCK, "hammocksleep_l");
    AddToQueue(BUCK, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    ShowAndActivate(THOMAS, false);
    _EndMatch();

    Place(HEROINE, WP_START);
    ArriveFromTheJetty();
    ArriveOverTheBridge(CARMINES_MONUMENT);
    ArriveOverTheBridge(BURIAL_CHAMBER);
    BackFromTheBirds();

    _IfMatch(Both(InChapter(6), IsFalse(VARBOOL_BG402_C06_FIRST_TIME)));
    SetBoolVar(VARBOOL_QUEST_C6_TANNER_DONE, true);
    SetBoolVar(VARBOOL_TA_MAP_BG402, true);
    SetBoolVar(VARBOOL_BG402_C06_FIRST_TIME, true);
    _EndMatch();
}

void SceneScript_bg402::ResetObjects()
{
    PushHashAction23(Object("e_press"), PRESS_AT_REST);
    ShowObject(Object("i_iron_stem"), false);
    SetInteractive(Object("iron_stem"), false);
    ShowObject(Object("i_stone_cup"), false);
    SetInteractive(Object("stone_cup"), false);
    ShowObject(Object("i_oil_lamp"), false);
    SetInteractive(Object("oil_lamp"), false);
    ShowObject(Object("i_fish"), false);
    PushHashAction23(Object("e_plank"), BOARD_FIXED);
    SetInteractive(Object("broken_bridge"), false);
    SetInteractive(Object("dangerous_bridge"), false);
    SetInteractive(Object("strange_device"), false);
    ShowObject(Object("o_oilamp_fill"), false);
}

void SceneScript_bg402::EnterChapter6()
{
    // Briscoe comes along as a companion only until the boards are fished out.
    _IfBool(VARBOOL_BG401_C06_USE_BRISCOE_ON_FLOATING_WOOD_BOARDS, 0);
    Take(HEROINE, ItemNamed("ITEM_BRISCOE"));
    _EndMatch();
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C6_DIEGO_DONE), IsFalse(VARBOOL_BG401_C06_DIEGO_GO_OUT)));
    SetBoolVar(VARBOOL_BG401_C06_DIEGO_GO_OUT, true);
    _EndMatch();
    PlaceBuckAndThomas();
    RestoreTheCamp();
    RestoreTheBridge();
    CloseTheCampUntilBuckTalks();

    _IfBool(VARBOOL_BG402_C06_TALK_BUCK_ABOUT_STRANGE_DEVICE, 0);
    SetInteractive(Object("nut_press"), false);
    SetInteractive(Object("strange_device"), true);
    _ElseMatch();
    ShowThePress();
    _EndMatch();
}

void SceneScript_bg402::PlaceBuckAndThomas()
{
    _IfBool(VARBOOL_QUEST_C6_FIRE_DONE, 0);
    Place(BUCK, WP_HAMMOCK);
    Place(THOMAS, WP_THOMAS);
    Play(BUCK, "hammocksleep2_l");
    AddToQueue(BUCK, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    ShowObject(Object("fx_fire"), false);
    _ElseMatch();
    Place(BUCK, WP_BUCK_BY_THE_FIRE);
    Play(BUCK, "g_idle_l");
    // Left where the scene starts him he would stand before the fire.
    Place(THOMAS, WP_THOMAS);
    TurnToward(THOMAS, BUCK, 0);
    _EndMatch();
}

void SceneScript_bg402::RestoreTheCamp()
{
    _IfBool(VARBOOL_BG402_C06_USE_BRUSHWOOD_ON_CAMPFIRE, 0);
    ShowObject(Object("e_brindilles"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG402_C06_PICK_STONE_CUP, 0);
    ShowObject(Object("i_stone_cup"), true);
    SetInteractive(Object("stone_cup"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG402_C06_PICK_IRON_STEM, 0);
    ShowObject(Object("i_iron_stem"), true);
    SetInteractive(Object("iron_stem"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG402_C06_PICK_OIL_LAMP, 0);
    ShowObject(Object("i_oil_lamp"), true);
    SetInteractive(Object("oil_lamp"), true);
    _EndMatch();

    // The lamp still stands in the press until it is taken out full.
    _IfMatch(Both(IsTrue(VARBOOL_BG402_C06_USE_OIL_LAMP_ON_NUT_PRESS), IsFalse(VARBOOL_BG402_C06_HAVE_LAMP_WITH_OIL)));
    ShowObject(Object("o_oilamp_fill"), true);
    _EndMatch();
}

void SceneScript_bg402::RestoreTheBridge()
{
    _IfBool(VARBOOL_QUEST_C6_FIX_BRIDGE_DONE, 0);
    SetInteractive(Object("broken_bridge"), true);
    SetInteractive(Object("repaired_bridge"), false);
    ShowObject(Object("e_plank"), false);
    _ElseMatch();
    _IfBool(VARBOOL_QUEST_C6_STABILIZE_BRIDGE_DONE, 0);
    SetInteractive(Object("dangerous_bridge"), true);
    SetInteractive(Object("repaired_bridge"), false);
    ShowObject(Object("e_plank"), true);
    PushHashAction23(Object("e_plank"), BOARD_LOOSE);
    _ElseMatch();
    SetInteractive(Object("repaired_bridge"), true);
    ShowObject(Object("e_plank"), true);
    PushHashAction23(Object("e_plank"), BOARD_FIXED);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg402::CloseTheCampUntilBuckTalks()
{
    _IfBool(VARBOOL_BG402_C06_TALK_BUCK, 0);
    SetCampHotspots(false);
    SetInteractive(Object("nut_press"), false);
    Play(BUCK, "hammocksleep_l");
    _EndMatch();
}

void SceneScript_bg402::SetCampHotspots(bool bActive)
{
    SetInteractive(Object("stone_cup"), bActive);
    SetInteractive(Object("iron_stem"), bActive);
    SetInteractive(Object("oil_lamp"), bActive);
    SetInteractive(Object("broken_bridge"), bActive);
    SetInteractive(Object("broken_bucket"), bActive);
    SetInteractive(Object("campfire"), bActive);
}

void SceneScript_bg402::ShowThePress()
{
    SetInteractive(Object("nut_press"), true);
    SetInteractive(Object("strange_device"), false);
}

void SceneScript_bg402::ArriveFromTheJetty()
{
    // Up the scaffolding; on the way in with Briscoe he climbs up behind her
    // and both walk on while the player already has her back.
    _IfMatch(CameFrom(JETTY_AND_CLIFF));
    Place(HEROINE, WP_TOP_OF_THE_SCAFFOLDING);
    _IfMatch(Both(InChapter(6), MatchExpression(Op_Or, IsFalse(VARBOOL_BG402_C06_FIRST_TIME),
                                                IsFalse(VARBOOL_BG401_C06_USE_BRISCOE_ON_FLOATING_WOOD_BOARDS))));
    Place(THOMAS, WP_THOMAS_CLIMBS_UP);
    Together();
    WalkTo(HEROINE, WP_CAMPFIRE);
    GoTo(THOMAS, WP_THOMAS);
    Apart();
    _ElseMatch();
    WalkTo(HEROINE, WP_CAMPFIRE);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg402::ArriveOverTheBridge(int32_t iSceneId)
{
    _IfMatch(CameFrom(iSceneId));
    Place(HEROINE, WP_FAR_SIDE_OF_THE_BRIDGE);
    PushAction21(HEROINE, BRIDGE_BLOCKER, 0);
    WalkTo(HEROINE, WP_ON_THE_BRIDGE);
    WalkTo(HEROINE, WP_BRIDGEHEAD);
    PushAction21(HEROINE, BRIDGE_BLOCKER, 1);
    _EndMatch();
}

void SceneScript_bg402::BackFromTheBirds()
{
    // Nothing else counts the birds beaten, and the bridge would send her
    // into them again for ever: a won fight goes on over the bridge, a lost
    // one leaves her at the bridgehead to try again.
    _IfMatch(CameFrom(BACK_FROM_THE_BIRDS));
    _IfBool(VARBOOL_C_WIN_MINIGAME, 1);
    SetBoolVar(VARBOOL_WIN_MINIGAME_06, true);
    GoToScene(CARMINES_MONUMENT);
    _ElseMatch();
    Place(HEROINE, WP_BRIDGEHEAD);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg402::BuildExitEvents()
{
    // Activate "scaffolding": down to the jetty.
    _IfMatch(MatchExpr::MakeEvent0(Object("scaffolding")));
    GoTo(HEROINE, WP_DOWN_THE_SCAFFOLDING);
    GoToScene(JETTY_AND_CLIFF);
    _EndMatch();

    // Activate "repaired_bridge": the birds attack on the crossing until they
    // are beaten; then over to the monument. She walks on as the screen fades.
    _IfMatch(MatchExpr::MakeEvent0(Object("repaired_bridge")));
    GoTo(HEROINE, WP_ONTO_THE_BRIDGE);
    PushAction21(HEROINE, BRIDGE_BLOCKER, 0);
    _IfBool(VARBOOL_WIN_MINIGAME_06, 0);
    TurnToward(THOMAS, HEROINE);
    Dialog(0x8a1ae727);
    WalkTo(HEROINE, WP_ON_THE_BRIDGE);
    SetBoolVar(VARBOOL_BG402_C06_INT_REPAIRED_BRIDGE, true);
    StartMiniGame(BIRDS_ATTACK);
    WalkTo(HEROINE, WP_FAR_SIDE_OF_THE_BRIDGE);
    _ElseMatch();
    WalkTo(HEROINE, WP_ON_THE_BRIDGE);
    GoToScene(CARMINES_MONUMENT);
    WalkTo(HEROINE, WP_FAR_SIDE_OF_THE_BRIDGE);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg402::BuildEvents()
{
    HeroineGestures();
    BuckEvents();
    SkewerChangesHands();
    ThomasEvents();
    CupBucketAndStem();
    CampfireEvents();
    FireCallbacks();
    BridgeEvents();
    LampAndPressEvents();
    PressCallbacks();
    MachineAndGarden();
}

void SceneScript_bg402::HeroineGestures()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0x1ad758e8), HEROINE, "g_dlgpolite", "g_talk_l");
    PlayGesture(OnCallback(0xb9bd54ff), HEROINE, "g_scratchhead", "g_idle_l");
    PlayGesture(OnCallback(0x5c1ea16b), HEROINE, "g_tapnonsense", "g_idle_l");
    PlayGesture(OnCallback(0x993bbe31), HEROINE, "g_helpless", "g_idle_l");
    PlayGesture(OnCallback(0xcd7f373d), HEROINE, "g_disgusted", "g_idle_l");
    PlayGesture(OnCallback(0x7dbb6784), HEROINE, "g_lookingaround", "g_idle_l");
    PlayGesture(OnCallback(0x40c82c9e), HEROINE, "g_dedusthands", "g_idle_l");
}

void SceneScript_bg402::BuckEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(BUCK));
    Dialog(0x8a36e112);
    _IfBool(VARBOOL_QUEST_C6_FIRE_DONE, 1);
    Place(BUCK, WP_BUCK_BY_THE_FIRE);
    _EndMatch();
    _EndMatch();

    // Talk to Buck: the first talk opens the camp to her.
    _IfEvent(ScriptEvent_FlaggedId2(BUCK));
    _IfBool(VARBOOL_BG402_C06_TALK_BUCK, 0);
    SetCampHotspots(true);
    SetInteractive(Object("strange_device"), true);
    _EndMatch();
    Dialog(0xb94c09d4);
    _IfBool(VARBOOL_QUEST_C6_FIRE_DONE, 1);
    _IfMatch(InChapter(6));
    Place(BUCK, WP_BUCK_BY_THE_FIRE);
    _ElseMatch();
    Place(BUCK, WP_HAMMOCK);
    _EndMatch();
    _EndMatch();
    _IfBool(VARBOOL_BG402_C06_TALK_BUCK_ABOUT_STRANGE_DEVICE, 1);
    ShowThePress();
    _EndMatch();
    _EndMatch();

    // Callbacks: Buck starts and stops talking, from the hammock or on his
    // feet; the first time he wakes up for it.
    _IfEvent(OnCallback(0xc7868f6e));
    _IfMatch(Both(InChapter(6), IsTrue(VARBOOL_BG402_C06_TALK_BUCK)));
    _IfBool(VARBOOL_QUEST_C6_FIRE_DONE, 1);
    Play(BUCK, "g_talk_l");
    _ElseMatch();
    Play(BUCK, "hammocktalk_l");
    _EndMatch();
    _ElseMatch();
    Play(BUCK, "hammocktalkstart");
    Play(BUCK, "hammocktalk_l");
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0xcf927e2f));
    _IfMatch(Both(InChapter(6), IsTrue(VARBOOL_BG402_C06_TALK_BUCK)));
    _IfBool(VARBOOL_QUEST_C6_FIRE_DONE, 1);
    Play(BUCK, "g_idle_l");
    _ElseMatch();
    Play(BUCK, "hammocksleep2_l");
    _EndMatch();
    _ElseMatch();
    Play(BUCK, "hammocktalkend");
    Play(BUCK, "hammocksleep_l");
    _EndMatch();
    _EndMatch();

    // Callback: she steps up to Buck, by the fire or at his hammock.
    _IfEvent(OnCallback(0x5c95bb1f));
    _IfMatch(Both(InChapter(6), IsTrue(VARBOOL_QUEST_C6_FIRE_DONE)));
    WalkTo(HEROINE, WP_CAMPFIRE);
    TurnToward(HEROINE, BUCK);
    _ElseMatch();
    GoTo(HEROINE, WP_STONE_CUP);
    _EndMatch();
    _EndMatch();

    // Callback: Buck hands her a cogwheel.
    _IfEvent(OnCallback(0x9e5b6036));
    Together();
    Play(BUCK, "g_giveobject");
    Play(HEROINE, "g_receiveobject");
    Apart();
    Give(HEROINE, ItemNamed("ITEM_COGWHEEL"));
    Play(HEROINE, "g_idle_l");
    Play(BUCK, "g_idle_l");
    SetBoolVar(VARBOOL_BG402_C06_HAVE_COGWHEEL, true);
    _EndMatch();

    // UseItem the hot fish skewer on Buck: his greasy iron stem for it.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(BUCK, ItemNamed("ITEM_HOT_FISH_SKEWER")));
    GoTo(HEROINE, WP_BEFORE_BUCK);
    Dialog(0xca7055d0);
    Take(HEROINE, ItemNamed("ITEM_HOT_FISH_SKEWER"));
    Give(HEROINE, ItemNamed("ITEM_GREASY_IRON_STEM"));
    _EndMatch();
}

void SceneScript_bg402::SkewerChangesHands()
{
    // Callback: the skewer passes from her hand to his. Everything starts at
    // once; each of the two works through its own actions in turn.
    _IfEvent(OnCallback(0x187880c5));
    Together();
    Wait(HEROINE, 60);
    Play(HEROINE, "offerhotfishskewer_01");
    PushAddAttachment(HEROINE, AttachmentNamed("hot_fish_skewer_tavrine"), BONE_RIGHT_HAND);
    Play(HEROINE, "offerhotfishskewer_02");
    Play(BUCK, "offerhotfishskewer_01");
    PushRemoveAttachment(HEROINE, AttachmentNamed("hot_fish_skewer_tavrine"));
    PushAddAttachment(BUCK, AttachmentNamed("hot_fish_skewer_buck"), BONE_RIGHT_HAND);
    Play(HEROINE, "offerhotfishskewer_03");
    Sound(BUCK, SKEWER_SOUND, 528);
    Play(BUCK, "offerhotfishskewer_02");
    Play(HEROINE, "g_idle_l");
    Wait(HEROINE, 5510);
    Play(BUCK, "offerhotfishskewer_03");
    Play(HEROINE, "offerhotfishskewer_04");
    PushRemoveAttachment(BUCK, AttachmentNamed("hot_fish_skewer_buck"));
    PushAddAttachment(HEROINE, AttachmentNamed("hot_fish_skewer_tavrine"), BONE_RIGHT_HAND);
    Play(BUCK, "offerhotfishskewer_04");
    Play(HEROINE, "offerhotfishskewer_05");
    PushRemoveAttachment(HEROINE, AttachmentNamed("hot_fish_skewer_tavrine"));
    Play(HEROINE, "offerhotfishskewer_06");
    Play(BUCK, "g_idle_l");
    Play(HEROINE, "g_idle_l");
    Apart();
    _EndMatch();
}

void SceneScript_bg402::ThomasEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(THOMAS));
    Dialog(0xa9af7b97);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(THOMAS));
    Dialog(0x1afa7090);
    _EndMatch();

    // Callback: she steps over to Briscoe and they face each other.
    _IfEvent(OnCallback(0xaefcaf9e));
    WalkTo(HEROINE, WP_STONE_CUP);
    TurnToward(HEROINE, THOMAS);
    TurnToward(THOMAS, HEROINE);
    _EndMatch();

    PlayGesture(OnCallback(0x1a358376), THOMAS, "g_talk_l");
    PlayGesture(OnCallback(0x64afab29), THOMAS, "g_idle_l");
    PlayGesture(OnCallback(0x6b993a92), THOMAS, "g_thinking01", "g_thinking02_l");
    PlayGesture(OnCallback(0xf2ba0c95), THOMAS, "g_thinking03", "g_idle_l");
}

template <Reach REACH>
void SceneScript_bg402::PickUpHandler(int32_t iObject, int32_t iWaypoint, uint32_t uDialogId, int32_t iPicture,
                                      uint32_t uItemId, int32_t iVarId)
{
    _IfMatch(MatchExpr::MakeEvent0(iObject));
    GoTo(HEROINE, iWaypoint);
    Dialog(uDialogId);
    PickUp<REACH>(HEROINE, iPicture, uItemId, false);
    SetBoolVar(iVarId, true);
    SetInteractive(iObject, false);
    _EndMatch();
}

void SceneScript_bg402::CupBucketAndStem()
{
    WalkAndTalk(ScriptEvent_Object1(Object("stone_cup")), HEROINE, WP_STONE_CUP, 0x6e31529b);
    PickUpHandler<Reach::Low>(Object("stone_cup"), WP_STONE_CUP, 0x03e8edba, Object("i_stone_cup"),
                              ItemNamed("ITEM_STONE_CUP"), VARBOOL_BG402_C06_PICK_STONE_CUP);

    LookAndActivate(Object("broken_bucket"), HEROINE, WP_BUCKET, 0xfad5d872, 0x4fa0cab7);

    WalkAndTalk(ScriptEvent_Object1(Object("iron_stem")), HEROINE, WP_IRON_STEM, 0xc19b6815);
    PickUpHandler<Reach::Low>(Object("iron_stem"), WP_IRON_STEM, 0xac42d734, Object("i_iron_stem"),
                              ItemNamed("ITEM_IRON_STEM"), VARBOOL_BG402_C06_PICK_IRON_STEM);
}

void SceneScript_bg402::CampfireEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("campfire")), HEROINE, WP_CAMPFIRE, 0xca0b4513);

    // Activate "campfire": she looks over it to Buck.
    _IfMatch(MatchExpr::MakeEvent0(Object("campfire")));
    WalkTo(HEROINE, WP_CAMPFIRE);
    TurnToward(HEROINE, BUCK);
    Dialog(0xce508f06);
    _EndMatch();

    // UseItem the brushwood on "campfire": laid in the fire place.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("campfire"), ItemNamed("ITEM_BRUSHWOOD")));
    GoTo(HEROINE, WP_CAMPFIRE);
    Play(HEROINE, "g_leaveobjectlow01");
    EffectSound(BRUSHWOOD_SOUND);
    ShowObject(Object("e_brindilles"), true);
    Take(HEROINE, ItemNamed("ITEM_BRUSHWOOD"));
    Play(HEROINE, "g_leaveobjectlow02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG402_C06_USE_BRUSHWOOD_ON_CAMPFIRE, true);
    _EndMatch();

    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("campfire"), ItemNamed("ITEM_WOOD_BOARD")), HEROINE, WP_CAMPFIRE,
                0x6c28e4eb);

    // UseItem a match box or a flint stone on "campfire": her try at a
    // light, while the fire is out; once it burns they do nothing here.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("campfire"), ItemNamed("ITEM_MATCH_BOX")));
    _IfBool(VARBOOL_QUEST_C6_FIRE_DONE, 0);
    GoTo(HEROINE, WP_CAMPFIRE);
    Dialog(0x3f008500);
    _EndMatch();
    _EndMatch();
    _IfEvent(ScriptEvent_ItemOnObject3(Object("campfire"), ItemNamed("ITEM_FLINT_STONE")));
    _IfBool(VARBOOL_QUEST_C6_FIRE_DONE, 0);
    GoTo(HEROINE, WP_CAMPFIRE);
    Dialog(0x9645df82);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg402::FireCallbacks()
{
    // Callback: she strikes a light and the brushwood catches.
    _IfEvent(OnCallback(0x7de7288e));
    Sound(HEROINE, STRIKE_SOUND, 2904);
    Play(HEROINE, "startfire01");
    ShowObject(Object("fx_fire"), true);
    Play(HEROINE, "startfire02");
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    // Callback: the warmth gets Buck out of his hammock and over to the fire
    // while Briscoe turns to her; the walk goes on once all three are done.
    _IfEvent(OnCallback(0x05618e86));
    Sound(BUCK, HAMMOCK_SOUND, 2640);
    PushAnimAction(BUCK, "leavehammock", 0, 1);
    Play(BUCK, "g_idle_l");
    Place(BUCK, WP_OUT_OF_THE_HAMMOCK);
    AddToQueue(BUCK, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
    Together();
    WalkTo(BUCK, WP_BUCK_BY_THE_FIRE);
    Play(BUCK, "g_idle_l");
    Wait(THOMAS, 1000);
    TurnToward(THOMAS, HEROINE);
    WaitForAll();
    Apart();
    TurnToward(BUCK, HEROINE);
    TurnToward(HEROINE, BUCK);
    Play(BUCK, "g_idle_l");
    _EndMatch();

    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("campfire"), ItemNamed("ITEM_HALF_EATEN_FISH")), HEROINE, WP_CAMPFIRE,
                0x5be12a0a);
    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("campfire"), ItemNamed("ITEM_RAW_FISH_SKEWER")), HEROINE, WP_CAMPFIRE,
                0x1a139142);

    // Callback: the raw skewer held over the flames comes out hot.
    _IfEvent(OnCallback(0x777150ff));
    Play(HEROINE, "cookfishskewer_01");
    PushAddAttachment(HEROINE, AttachmentNamed("raw_fish_skewer"), BONE_RIGHT_HAND);
    Sound(HEROINE, SIZZLE_SOUND, 1188);
    Play(HEROINE, "cookfishskewer_02");
    PushRemoveAttachment(HEROINE, AttachmentNamed("raw_fish_skewer"));
    Play(HEROINE, "cookfishskewer_03");
    Play(HEROINE, "g_idle_l");
    Take(HEROINE, ItemNamed("ITEM_RAW_FISH_SKEWER"));
    Give(HEROINE, ItemNamed("ITEM_HOT_FISH_SKEWER"));
    _EndMatch();
}

void SceneScript_bg402::BridgeEvents()
{
    // Look at and use either state of the unrepaired bridge: she notes it.
    const auto examine = [this](int32_t iBridge, int32_t iWaypoint, uint32_t uLook, uint32_t uUse) {
        _IfEvent(ScriptEvent_Object1(iBridge));
        GoTo(HEROINE, iWaypoint);
        Dialog(uLook);
        SetBoolVar(VARBOOL_BG402_C06_LOOK_NOT_REPAIRED_BRIDGE, true);
        _EndMatch();
        _IfMatch(MatchExpr::MakeEvent0(iBridge));
        GoTo(HEROINE, iWaypoint);
        Dialog(uUse);
        SetBoolVar(VARBOOL_BG402_C06_LOOK_NOT_REPAIRED_BRIDGE, true);
        _EndMatch();
    };
    const auto remark = [this](int32_t iBridge, int32_t iWaypoint, uint32_t uItemId, uint32_t uDialogId) {
        WalkAndTalk(ScriptEvent_ItemOnObject3(iBridge, uItemId), HEROINE, iWaypoint, uDialogId);
    };

    examine(Object("broken_bridge"), WP_BROKEN_BRIDGE, 0x7492e14b, 0xc1e7f38e);

    // UseItem the wood board on "broken_bridge": laid over the gap, loose.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("broken_bridge"), ItemNamed("ITEM_WOOD_BOARD")));
    GoTo(HEROINE, WP_BROKEN_BRIDGE);
    Play(HEROINE, "placewoodenboard_01");
    Play(HEROINE, "placewoodenboard_02");
    Take(HEROINE, ItemNamed("ITEM_WOOD_BOARD"));
    EffectSound(BOARD_SOUND);
    PushHashAction23(Object("e_plank"), BOARD_LOOSE);
    ShowObject(Object("e_plank"), true);
    Play(HEROINE, "placewoodenboard_03");
    Play(HEROINE, "g_idle_l");
    Dialog(0x0d3adedc);
    SetInteractive(Object("dangerous_bridge"), true);
    SetInteractive(Object("broken_bridge"), false);
    _EndMatch();

    remark(Object("broken_bridge"), WP_BROKEN_BRIDGE, ItemNamed("ITEM_LOOSE_PITON"), PITON_ALONE);
    remark(Object("broken_bridge"), WP_BROKEN_BRIDGE, ItemNamed("ITEM_SMALL_HAMMER"), HAMMER_ALONE);
    remark(Object("broken_bridge"), WP_BROKEN_BRIDGE, ItemNamed("ITEM_HAMMER_AND_PITON"), 0xf23b43a2);

    examine(Object("dangerous_bridge"), WP_DANGEROUS_BRIDGE, 0xa204137d, 0x6dfbb203);
    remark(Object("dangerous_bridge"), WP_DANGEROUS_BRIDGE, ItemNamed("ITEM_LOOSE_PITON"), PITON_ALONE);
    remark(Object("dangerous_bridge"), WP_DANGEROUS_BRIDGE, ItemNamed("ITEM_SMALL_HAMMER"), HAMMER_ALONE);

    // UseItem the hammer and piton on "dangerous_bridge": the board nailed
    // down; the hammer is hers again.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("dangerous_bridge"), ItemNamed("ITEM_HAMMER_AND_PITON")));
    GoTo(HEROINE, WP_DANGEROUS_BRIDGE);
    Play(HEROINE, "fixewoodenboard_01");
    PushAddAttachment(HEROINE, AttachmentNamed("tavrine_hammer"), BONE_RIGHT_HAND);
    PushAddAttachment(HEROINE, AttachmentNamed("tavrine_chisel"), BONE_LEFT_HAND);
    Together();
    Sound(HEROINE, HAMMER_SOUND, 1584);
    Play(HEROINE, "fixewoodenboard_02");
    Take(HEROINE, ItemNamed("ITEM_HAMMER_AND_PITON"));
    Apart();
    PushHashAction23(Object("e_plank"), BOARD_FIXED);
    PushRemoveAttachment(HEROINE, AttachmentNamed("tavrine_chisel"));
    Play(HEROINE, "fixewoodenboard_02b");
    PushRemoveAttachment(HEROINE, AttachmentNamed("tavrine_hammer"));
    Play(HEROINE, "fixewoodenboard_03");
    Give(HEROINE, ItemNamed("ITEM_SMALL_HAMMER"));
    Play(HEROINE, "g_idle_l");
    Dialog(0x370c3df3);
    SetInteractive(Object("repaired_bridge"), true);
    SetInteractive(Object("dangerous_bridge"), false);
    _EndMatch();
}

void SceneScript_bg402::LampAndPressEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("oil_lamp")), HEROINE, WP_OIL_LAMP, 0x266e01e6);
    PickUpHandler<Reach::Middle>(Object("oil_lamp"), WP_OIL_LAMP, 0x2235cbf3, Object("i_oil_lamp"),
                                 ItemNamed("ITEM_OIL_LAMP"), VARBOOL_BG402_C06_PICK_OIL_LAMP);

    WalkAndTalk(ScriptEvent_Object1(Object("strange_device")), HEROINE, WP_NUT_PRESS, LOOK_PRESS);
    _IfMatch(MatchExpr::MakeEvent0(Object("strange_device")));
    GoTo(HEROINE, WP_NUT_PRESS);
    SetBoolVar(VARBOOL_BG402_C06_INT_NUT_PRESS, true);
    Dialog(USE_PRESS);
    _EndMatch();
    LookAndActivate(Object("nut_press"), HEROINE, WP_NUT_PRESS, LOOK_PRESS, USE_PRESS);
}

void SceneScript_bg402::PressCallbacks()
{
    // Callback: she works the press and the oil runs into the lamp.
    _IfEvent(OnCallback(0xa816bd27));
    Play(HEROINE, "pressnuts_01");
    EffectSound(PRESS_SOUND);
    PushHashAction23(Object("e_press"), PRESS_PRESSING);
    Play(HEROINE, "pressnuts_02");
    PushHashAction23(Object("e_press"), PRESS_AT_REST);
    Play(HEROINE, "pressnuts_03");
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    // Callback: she takes the filled lamp out; the press is empty again.
    _IfEvent(OnCallback(0x311fec9d));
    GoTo(HEROINE, WP_PRESS_SPOUT);
    Play(HEROINE, "g_pickobjectlow01");
    Give(HEROINE, ItemNamed("ITEM_LAMP_WITH_OIL"));
    ShowObject(Object("o_oilamp_fill"), false);
    Play(HEROINE, "g_pickobjectlow02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG402_C06_LAMP_FILLED_WITH_NUT_PRESS, false);
    SetBoolVar(VARBOOL_BG402_C06_USE_OIL_LAMP_ON_NUT_PRESS, false);
    SetBoolVar(VARBOOL_BG402_C06_USE_NUTS_ON_NUT_PRESS, false);
    SetBoolVar(VARBOOL_BG402_C06_HAVE_LAMP_WITH_OIL, true);
    _EndMatch();

    // UseItem the oil lamp on "nut_press": set under the spout.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("nut_press"), ItemNamed("ITEM_OIL_LAMP")));
    GoTo(HEROINE, WP_PRESS_SPOUT);
    Play(HEROINE, "g_leaveobjectlow01");
    Take(HEROINE, ItemNamed("ITEM_OIL_LAMP"));
    ShowObject(Object("o_oilamp_fill"), true);
    Play(HEROINE, "g_leaveobjectlow02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG402_C06_USE_OIL_LAMP_ON_NUT_PRESS, true);
    _EndMatch();

    // UseItem the nuts on "nut_press": poured into its hopper.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("nut_press"), ItemNamed("ITEM_NUTS")));
    GoTo(HEROINE, WP_PRESS_HOPPER);
    Play(HEROINE, "g_leaveobjectmiddlelow01");
    Take(HEROINE, ItemNamed("ITEM_NUTS"));
    Play(HEROINE, "g_leaveobjectmiddlelow02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG402_C06_USE_NUTS_ON_NUT_PRESS, true);
    _EndMatch();
}

void SceneScript_bg402::MachineAndGarden()
{
    // Look at "propeller": she looks up at it first.
    _IfEvent(ScriptEvent_Object1(Object("propeller")));
    GoTo(HEROINE, WP_PROPELLER);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0x4533c803);
    _EndMatch();
    WalkAndTalk(MatchExpr::MakeEvent0(Object("propeller")), HEROINE, WP_PROPELLER, 0x28ea7722);

    // Look at "model": it leaves her puzzled.
    _IfEvent(ScriptEvent_Object1(Object("model")));
    GoTo(HEROINE, WP_MODEL);
    Dialog(0x7863bebe);
    Play(HEROINE, "g_scratchhead");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
    WalkAndTalk(MatchExpr::MakeEvent0(Object("model")), HEROINE, WP_MODEL, 0xcc05cb27);

    LookAndActivate(Object("plant"), HEROINE, WP_PLANT, 0x04f5c115, 0xb093b48c);
    LookAndActivate(Object("mushrooms"), HEROINE, WP_MUSHROOMS, 0x206ff2cb, 0x4db64dea);
}

} // namespace

// Scene 40, bg402_TA_BucksPlace.
REGISTER_SCENE_SCRIPT(bg402, 40);
