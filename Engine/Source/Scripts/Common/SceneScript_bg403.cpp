// Carmine's monument on Tanner island (scene 41, bg403_TA_CarminesMonument):
// two clifftops over a chasm. On the left side, where the path from Buck's
// place comes in, the heroine picks up a feather, a dark rock and nuts,
// scares the mocking seagulls off their rock with the loaded pistol and takes
// the half-eaten fish they leave, cuts the undergrowth with the magnificent
// sword for brushwood and mends the drawbridge's mechanism with the
// cogwheel, which lowers the drawbridge and takes her across. On the right
// side she unlocks the stone pillar with the mysterious disk, catches the
// strange fly in the trap bottle and opens the secret entrance with the
// lamp, the way down into the burial chamber. Once the drawbridge is down,
// the rope bridge takes her from one side to the other. Everything but the
// crossing belongs to chapter 6.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

#include <initializer_list>
#include <tuple>
#include <utility>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg403_41>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"bird01"> SEAGULL_1;
constexpr ActorNamed<"bird02"> SEAGULL_2;

// Waypoints: the right side's, then the left side's, then the seagulls'.
constexpr int32_t WP_RIGHT_BRIDGE_HEAD = 0;
constexpr int32_t WP_UP_FROM_THE_CHAMBER = 2;
constexpr int32_t WP_BOTTLE_DOWN = 10;
constexpr int32_t WP_RIGHT_BRIDGE_END = 11;
constexpr int32_t WP_RIGHT_EDGE = 13;
constexpr int32_t WP_BOTTLE_BACK = 14;
constexpr int32_t WP_FLY = 22;
constexpr int32_t WP_SECRET_ENTRANCE = 23;
constexpr int32_t WP_PILLAR = 32;
constexpr int32_t WP_WAY_DOWN = 35;
constexpr int32_t WP_LEFT_WAY_IN = 1;
constexpr int32_t WP_LEFT_ARRIVED = 3;
constexpr int32_t WP_BEFORE_SEAGULLS = 4;
constexpr int32_t WP_FISH = 5;
constexpr int32_t WP_DRAWBRIDGE_START = 8;
constexpr int32_t WP_NUT_THROW = 9;
constexpr int32_t WP_LEFT_BRIDGE_END = 12;
constexpr int32_t WP_FEATHER = 15;
constexpr int32_t WP_DARK_ROCK = 16;
constexpr int32_t WP_UNDERGROWTH = 17;
constexpr int32_t WP_NUTS = 18;
constexpr int32_t WP_LEFT_BRIDGE_HEAD = 19;
constexpr int32_t WP_MECHANISM = 21;
constexpr int32_t WP_LEFT_WAY_OUT = 24;
constexpr int32_t WP_DRAWBRIDGE = 33;
constexpr int32_t WP_LEFT_EDGE = 46;
constexpr int32_t WP_SEAGULL_1 = 6;
constexpr int32_t WP_SEAGULL_2 = 7;

// Walk-mesh blockers: the undergrowth's patch, the raised drawbridge, the
// fly's corner, the two halves of the rope bridge (open only while she
// crosses) and the path out to Buck's place (open only while she leaves).
constexpr int32_t UNDERGROWTH_BLOCKER = 0;
constexpr int32_t DRAWBRIDGE_BLOCKER = 1;
constexpr int32_t FLY_BLOCKER = 2;
constexpr int32_t BRIDGE_LEFT_BLOCKER = 3;
constexpr int32_t BRIDGE_RIGHT_BLOCKER = 4;
constexpr int32_t WAY_OUT_BLOCKER = 5;

// The music of Buck's place and the clifftop wind; the shot, the cut, the
// mechanism, the trap bottle, the secret entrance and the pillar's lock.
constexpr uint32_t MUSIC = 0x2fca9a98;
constexpr uint32_t AMBIENCE = 0x40d50623;
constexpr uint32_t SHOT_SOUND = 0x315c498b;
constexpr uint32_t CUT_SOUND = 0x4cf38224;
constexpr uint32_t MECHANISM_SOUND = 0x0670bdff;
constexpr uint32_t TRAP_BOTTLE_SOUND = 0x08d038b3;
constexpr uint32_t ENTRANCE_SOUND = 0x497169e6;
constexpr uint32_t PILLAR_SOUND = 0x5ddd7f6a;
constexpr int32_t PILLAR_SOUND_DELAY = 300;

// Sprite animations, by their hashes in the scene's sprite data.
constexpr uint32_t BRIDGE_AT_REST = 0x774ec642;
constexpr uint32_t BRIDGE_RAISED = 0x469ca415;
constexpr uint32_t BRIDGE_LOWERING = 0xc7c9b404;
constexpr uint32_t DOOR_SHUT = 0xcd1e55e6;
constexpr uint32_t DOOR_UNLOCKED = 0x5371e715;
constexpr uint32_t DOOR_UNLOCKING = 0xebba69b2;
constexpr uint32_t DOOR_OPENING = 0x3f51d6c4;
constexpr uint32_t FISH_AT_REST = 0xb2af2a62;
constexpr uint32_t FISH_DROPPED = 0x5e2b79ac;
constexpr uint32_t SHOT_AT_REST = 0xf187a6fa;
constexpr uint32_t SHOT_FIRED = 0xca58b524;
constexpr uint32_t DISK_AT_REST = 0xb72a57cf;
constexpr uint32_t DISK_TURNING = 0x6d2be09d;
constexpr uint32_t NUT_AT_REST = 0xcb015146;
constexpr uint32_t NUT_FLYING = 0x4b87547c;
constexpr uint32_t FLY_HOVERING = 0x6748cf6d;
constexpr uint32_t FLY_INTO_BOTTLE = 0xb5b46b2a;
constexpr uint32_t LEAVES_AT_REST = 0x1138ee65;
constexpr uint32_t LEAVES_FLYING = 0x33f716c4;
constexpr uint32_t UNDERGROWTH_STANDING = 0x33acc8af;
constexpr uint32_t UNDERGROWTH_FALLING = 0x20bda356;
constexpr uint32_t EMPTY_BOTTLE_SET_DOWN = 0x1dc10e92;
constexpr uint32_t TRAP_BOTTLE_SET_DOWN = 0x5ac59bb6;

// Timings of the longer moments, in milliseconds.
constexpr int32_t FISH_DROP_DELAY = 500;
constexpr int32_t LEAVES_TIME = 3300;
constexpr int32_t DISK_DELAY = 1000;
constexpr int32_t FLY_DELAY = 2500;
constexpr int32_t BOTTLE_TIME = 3300;

// The scenes this one meets.
constexpr int32_t JETTY_AND_CLIFF = 39;      // bg401_TA_JetyAndCliff
constexpr int32_t BUCKS_PLACE = 40;          // bg402_TA_BucksPlace
constexpr int32_t CARMINES_MONUMENT = 41;    // bg403_TA_CarminesMonument
constexpr int32_t BURIAL_CHAMBER = 42;       // bg404_TA_BurialChamber
constexpr int32_t MINIGAME_STAND_IN = 60;    // bg992_Minigame_placeholder
constexpr int32_t BACK_FROM_THE_BIRDS = 262; // the birds' attack, mini-game 6

// A thing lying on the ground that she picks up once.
struct Find {
    int32_t iHotspot;
    int32_t iPicture;
    uint32_t uItem;
    int32_t iPickedFlag;
};

EventDesc Activated(int32_t iObject)
{
    return MatchExpr::MakeEvent0(iObject).m_oEvent;
}

class SceneScript_bg403 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void ResetSprites();
    void SetUpChapter6();
    void ShowTheMonument();
    void Arrive();
    void PlaceTheSides();
    // Chapter 6's things of the right side, or only the way down in the
    // other chapters.
    void OpenTheRightSide();
    void ShowTheRightSide();
    void ShowTheLeftSide();
    // The feather and the nuts, while they lie there.
    void OpenTheFinds();

    void GestureCallbacks();
    void SeagullEvents();
    void ThrowANut();
    void ScareTheSeagulls();
    void FindEvents();
    void UndergrowthEvents();
    void CutTheUndergrowth();
    void BridgeEvents();
    void CrossToTheRight();
    void CrossToTheLeft();
    void DrawbridgeEvents();
    void MendTheMechanism();
    void PillarEvents();
    void UnlockThePillar();
    void FlyEvents();
    void CatchTheFly();
    void SecretEntranceEvents();
    void OpenTheEntrance();
    void EdgeEvents();

    void Idle() { Play(HEROINE, "g_idle_l"); }
    void Blockers(std::initializer_list<int32_t> blockers, bool bOn);
    void CastShadow(int32_t iActor, bool bCast);
    // Over the rope bridge from one head to the far end, its blockers lifted
    // only while she is on it.
    void WalkOver(int32_t iHead, int32_t iFarEnd);
    void PickUp(const Find& oFind);
    // The edge she looks down from, on the side she stands.
    void GoToTheEdge();
};

void SceneScript_bg403::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg403_chapter_06"), InChapter(6));
    LinkSoundGroup(0x038b49e1, InEveryChapterBut(6));
}

void SceneScript_bg403::BuildEnterActions()
{
    PlayMusic(MUSIC);
    PlayAmbience(AMBIENCE);
    SetSceneDirection(1);
    ResetObjects();
    ResetSprites();

    _IfMatch(InChapter(6));
    SetUpChapter6();
    _EndMatch();

    Place(HEROINE, WP_UNDERGROWTH);
    Place(SEAGULL_1, WP_SEAGULL_1);
    Place(SEAGULL_2, WP_SEAGULL_2);
    Arrive();
    PlaceTheSides();
    PushAction21(HEROINE, WAY_OUT_BLOCKER, 1);
}

void SceneScript_bg403::Blockers(std::initializer_list<int32_t> blockers, bool bOn)
{
    for (const int32_t iBlocker : blockers)
        PushAction21(HEROINE, iBlocker, bOn ? 1 : 0);
}

void SceneScript_bg403::CastShadow(int32_t iActor, bool bCast)
{
    AddToQueue(iActor, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(bCast));
}

void SceneScript_bg403::WalkOver(int32_t iHead, int32_t iFarEnd)
{
    WalkTo(HEROINE, iHead);
    CastShadow(HEROINE, false);
    Blockers({BRIDGE_LEFT_BLOCKER, BRIDGE_RIGHT_BLOCKER}, false);
    WalkTo(HEROINE, iFarEnd);
    Blockers({BRIDGE_LEFT_BLOCKER, BRIDGE_RIGHT_BLOCKER}, true);
}

void SceneScript_bg403::ResetObjects()
{
    Blockers({UNDERGROWTH_BLOCKER, DRAWBRIDGE_BLOCKER, FLY_BLOCKER}, false);
    Blockers({BRIDGE_LEFT_BLOCKER, BRIDGE_RIGHT_BLOCKER}, true);
    CastShadow(SEAGULL_1, false);
    CastShadow(SEAGULL_2, false);
    SetInteractive(SEAGULL_1, false);
    SetInteractive(SEAGULL_2, false);
    ShowObject(SEAGULL_2, false);
    ShowObject(SEAGULL_1, false);
    SetInteractive(Object("mocking_seagull"), false);
    for (const auto& [iPicture, iHotspot] : {std::pair {Object("i_feather"), Object("feather")},
                                             {Object("i_dark_rock"), Object("dark_rock")},
                                             {Object("o_undergrowth"), Object("undergrowth")},
                                             {Object("i_nuts"), Object("nuts")}}) {
        ShowObject(iPicture, false);
        SetInteractive(iHotspot, false);
    }
    for (const int32_t iHotspot : {Object("drawbridge"), Object("drawbridge_mechanism"), Object("strange_fly")})
        SetInteractive(iHotspot, false);
    ShowObject(Object("o_disk"), false);
    SetInteractive(Object("secret_entrance"), false);
    ShowObject(Object("o_stone_pillar"), false);
    SetInteractive(Object("stone_pillar"), false);
    ShowObject(Object("o_bottle"), false);
}

void SceneScript_bg403::ResetSprites()
{
    PushHashAction23(Object("fx_bridge"), BRIDGE_AT_REST);
    for (const auto& [iEffect, uRest] : {std::pair {Object("fx_door"), DOOR_SHUT},
                                         {Object("fx_fish"), FISH_AT_REST},
                                         {Object("fx_shot"), SHOT_AT_REST},
                                         {Object("fx_disk"), DISK_AT_REST},
                                         {Object("fx_nuts"), NUT_AT_REST},
                                         {Object("fx_fly_to_bottle"), FLY_HOVERING},
                                         {Object("fx_leaves"), LEAVES_AT_REST}}) {
        ShowObject(iEffect, false);
        PushHashAction23(iEffect, uRest);
    }
}

void SceneScript_bg403::SetUpChapter6()
{
    SetBoolVar(VARBOOL_TA_MAP_BG403, true);
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C6_DIEGO_DONE), IsFalse(VARBOOL_BG401_C06_DIEGO_GO_OUT)));
    SetBoolVar(VARBOOL_BG401_C06_DIEGO_GO_OUT, true);
    _EndMatch();

    _IfBool(VARBOOL_BG403_C06_USE_LOADED_PISTOL_ON_SEAGULL, 0);
    for (const int32_t iShown : std::initializer_list<int32_t> {SEAGULL_2, SEAGULL_1, Object("fx_fish")})
        ShowObject(iShown, true);
    SetInteractive(Object("mocking_seagull"), true);
    _EndMatch();

    for (const auto& [iPickedFlag, iPicture, iHotspot] :
         {std::tuple {VARBOOL_BG403_C06_PICK_FEATHER, Object("i_feather"), Object("feather")},
          {VARBOOL_BG403_C06_PICK_DARK_ROCK_2, Object("i_dark_rock"), Object("dark_rock")}}) {
        _IfBool(iPickedFlag, 0);
        ShowObject(iPicture, true);
        SetInteractive(iHotspot, true);
        _EndMatch();
    }

    _IfBool(VARBOOL_QUEST_C6_PATH_DONE, 0);
    ShowObject(Object("o_undergrowth"), true);
    PushHashAction23(Object("o_undergrowth"), UNDERGROWTH_STANDING);
    SetInteractive(Object("undergrowth"), true);
    PushAction21(HEROINE, UNDERGROWTH_BLOCKER, 1);
    _EndMatch();

    _IfBool(VARBOOL_BG403_C06_PICK_NUTS, 0);
    ShowObject(Object("i_nuts"), true);
    SetInteractive(Object("nuts"), true);
    _EndMatch();

    // Until the mechanism works, the drawbridge stands raised and the rope
    // bridge cannot be reached.
    _IfBool(VARBOOL_QUEST_C6_DRAWBRIDGE_DONE, 0);
    SetInteractive(Object("rope_bridge"), false);
    SetInteractive(Object("rope_bridge_right"), false);
    PushAction21(HEROINE, DRAWBRIDGE_BLOCKER, 1);
    PushAction21(HEROINE, BRIDGE_LEFT_BLOCKER, 0);
    PushHashAction23(Object("fx_bridge"), BRIDGE_RAISED);
    SetInteractive(Object("drawbridge"), true);
    SetInteractive(Object("drawbridge_mechanism"), true);
    _EndMatch();
    _IfBool(VARBOOL_QUEST_C6_DRAWBRIDGE_DONE, 0);
    ShowObject(Object("o_wheel"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG403_C06_USE_TRAPBOTTLE_ON_STRANGEFLY, 0);
    ShowObject(Object("fx_fly_to_bottle"), true);
    SetInteractive(Object("strange_fly"), true);
    PushAction21(HEROINE, FLY_BLOCKER, 1);
    _EndMatch();

    _IfBool(VARBOOL_QUEST_C6_TRAPDOOR_DONE, 0);
    ShowTheMonument();
    _EndMatch();

    // Back from the birds' attack: only a won fight counts.
    _IfMatch(Both(CameFrom(BACK_FROM_THE_BIRDS), IsTrue(VARBOOL_C_WIN_MINIGAME)));
    SetBoolVar(VARBOOL_WIN_MINIGAME_06, true);
    _EndMatch();
}

void SceneScript_bg403::ShowTheMonument()
{
    // The pillar until the disk unlocks it, then the door behind it.
    SetInteractive(Object("goto_bg404"), false);
    _IfBool(VARBOOL_BG403_C06_USE_MYSETRIOUSDISCK_ON_STONEPILLAR, 1);
    SetInteractive(Object("secret_entrance"), true);
    PushHashAction23(Object("fx_door"), DOOR_UNLOCKED);
    ShowObject(Object("fx_door"), true);
    _ElseMatch();
    SetInteractive(Object("stone_pillar"), true);
    PushHashAction23(Object("fx_door"), DOOR_SHUT);
    ShowObject(Object("o_stone_pillar"), true);
    _EndMatch();
}

void SceneScript_bg403::Arrive()
{
    // From Tanner island's other places she comes in on the left side,
    // from the burial chamber up on the right.
    for (const int32_t iFrom : {JETTY_AND_CLIFF, BUCKS_PLACE, MINIGAME_STAND_IN}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_LEFT_WAY_IN);
        GoTo(HEROINE, WP_LEFT_ARRIVED);
        SetBoolVar(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE, false);
        _EndMatch();
    }
    _IfMatch(CameFrom(BURIAL_CHAMBER));
    Place(HEROINE, WP_UP_FROM_THE_CHAMBER);
    SetBoolVar(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE, true);
    _EndMatch();
}

void SceneScript_bg403::PlaceTheSides()
{
    _IfBool(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE, 1);
    SetInteractive(Object("rope_bridge_right"), true);
    SetInteractive(Object("rope_bridge"), false);
    SetInteractive(Object("goto_bg402"), false);
    _IfMatch(CameFrom(CARMINES_MONUMENT));
    Place(HEROINE, WP_RIGHT_BRIDGE_HEAD);
    _EndMatch();
    OpenTheRightSide();

    _ElseMatch();
    SetInteractive(Object("goto_bg404"), false);
    SetInteractive(Object("rope_bridge_right"), false);
    _IfMatch(CameFrom(CARMINES_MONUMENT));
    Place(HEROINE, WP_LEFT_BRIDGE_HEAD);
    _EndMatch();
    _IfMatch(InChapter(6));
    ShowTheLeftSide();
    _ElseMatch();
    SetInteractive(Object("rope_bridge"), true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg403::OpenTheRightSide()
{
    _IfMatch(InChapter(6));
    ShowTheRightSide();
    _ElseMatch();
    SetInteractive(Object("goto_bg404"), true);
    _EndMatch();
}

void SceneScript_bg403::ShowTheRightSide()
{
    SetInteractive(Object("feather"), false);
    SetInteractive(Object("nuts"), false);
    _IfBool(VARBOOL_QUEST_C6_TRAPDOOR_DONE, 0);
    _IfBool(VARBOOL_BG403_C06_USE_MYSETRIOUSDISCK_ON_STONEPILLAR, 1);
    SetInteractive(Object("secret_entrance"), true);
    _ElseMatch();
    SetInteractive(Object("stone_pillar"), true);
    _EndMatch();
    _ElseMatch();
    SetInteractive(Object("goto_bg404"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG403_C06_USE_TRAPBOTTLE_ON_STRANGEFLY, 0);
    SetInteractive(Object("strange_fly"), true);
    _EndMatch();
}

void SceneScript_bg403::OpenTheFinds()
{
    _IfBool(VARBOOL_BG403_C06_PICK_FEATHER, 0);
    SetInteractive(Object("feather"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG403_C06_PICK_NUTS, 0);
    SetInteractive(Object("nuts"), true);
    _EndMatch();
}

void SceneScript_bg403::ShowTheLeftSide()
{
    for (const int32_t iHotspot : {Object("secret_entrance"), Object("stone_pillar"), Object("strange_fly")})
        SetInteractive(iHotspot, false);
    OpenTheFinds();
    _IfBool(VARBOOL_QUEST_C6_DRAWBRIDGE_DONE, 1);
    SetInteractive(Object("rope_bridge"), true);
    _EndMatch();
}

void SceneScript_bg403::BuildExitEvents()
{
    // Activate "goto_bg402": down the path to Buck's place.
    _IfEvent(Activated(Object("goto_bg402")));
    PushAction21(HEROINE, WAY_OUT_BLOCKER, 0);
    GoTo(HEROINE, WP_LEFT_WAY_OUT);
    GoToScene(BUCKS_PLACE);
    WalkTo(HEROINE, WP_LEFT_WAY_IN);
    _EndMatch();

    // Activate "goto_bg404": down through the open entrance.
    _IfEvent(Activated(Object("goto_bg404")));
    GoTo(HEROINE, WP_WAY_DOWN);
    GoToScene(BURIAL_CHAMBER);
    Play(HEROINE, "downtoburial");
    _EndMatch();
}

void SceneScript_bg403::BuildEvents()
{
    GestureCallbacks();
    SeagullEvents();
    FindEvents();
    BridgeEvents();
    DrawbridgeEvents();
    PillarEvents();
    FlyEvents();
    SecretEntranceEvents();
    EdgeEvents();
}

void SceneScript_bg403::GestureCallbacks()
{
    PlayGesture(OnCallback(0xc1cf7065), HEROINE, "g_impatience", "g_idle_l");
    PlayGesture(OnCallback(0xecbf3ef5), HEROINE, "g_helpless", "g_idle_l");
    PlayGesture(OnCallback(0xe796eed1), HEROINE, "darkmapcaselook", "g_idle_l");
    PlayGesture(OnCallback(0x5103b514), HEROINE, "g_disgusted", "g_idle_l");
    PlayGesture(OnCallback(0x5a07cb29), HEROINE, "g_lookup", "g_idle_l");
    PlayGesture(OnCallback(0xb9bd54ff), HEROINE, "g_scratchhead", "g_idle_l");
}

void SceneScript_bg403::SeagullEvents()
{
    const int32_t iSeagull = Object("mocking_seagull");
    LookAndActivate(iSeagull, HEROINE, WP_BEFORE_SEAGULLS, 0x5162ccf5, 0x52847a96);
    WalkAndTalk(ScriptEvent_ItemOnObject3(iSeagull, ItemNamed("ITEM_NUTS")), HEROINE, WP_NUT_THROW, 0xbece465e);
    ThrowANut();
    WalkAndTalk(ScriptEvent_ItemOnObject3(iSeagull, ItemNamed("ITEM_PISTOL")), HEROINE, WP_BEFORE_SEAGULLS, 0x96bd3081);

    // The loaded pistol: the dialog fires the shot (below).
    _IfEvent(ScriptEvent_ItemOnObject3(iSeagull, ItemNamed("ITEM_LOADED_PISTOL")));
    GoTo(HEROINE, WP_BEFORE_SEAGULLS);
    Dialog(0xcdeed197);
    SetInteractive(iSeagull, false);
    _EndMatch();

    ScareTheSeagulls();

    // Callback: she picks up the fish the seagulls dropped.
    _IfEvent(OnCallback(0x1e56d168));
    GoTo(HEROINE, WP_FISH);
    Play(HEROINE, "g_pickobjectlow01");
    Give(HEROINE, ItemNamed("ITEM_HALF_EATEN_FISH"));
    ShowObject(Object("fx_fish"), false);
    Play(HEROINE, "g_pickobjectlow02");
    Idle();
    _EndMatch();
}

void SceneScript_bg403::ThrowANut()
{
    // Callback: a nut thrown at the seagulls, which they ignore.
    _IfEvent(OnCallback(0x72366ee0));
    Play(HEROINE, "thrownut_01");
    Together();
    PushHashAction23(Object("fx_nuts"), NUT_AT_REST);
    ShowObject(Object("fx_nuts"), true);
    PushHashAction23(Object("fx_nuts"), NUT_FLYING);
    Play(HEROINE, "thrownut_02");
    Apart();
    ShowObject(Object("fx_nuts"), false);
    Idle();
    _EndMatch();
}

void SceneScript_bg403::ScareTheSeagulls()
{
    // Callback: the shot; the seagulls fly off and drop their fish.
    _IfEvent(OnCallback(0x875f80d2));
    Play(HEROINE, "shootscareseaguls_01");
    PushAddAttachment(HEROINE, AttachmentNamed("loaded_pistol"), BONE_RIGHT_HAND);
    Play(HEROINE, "shootscareseaguls_02");
    EffectSound(SHOT_SOUND);
    Together();
    ShowObject(Object("fx_shot"), true);
    PushHashAction23(Object("fx_shot"), SHOT_FIRED);
    Wait(Object("fx_fish"), FISH_DROP_DELAY);
    ShowObject(Object("fx_fish"), true);
    PushHashAction23(Object("fx_fish"), FISH_DROPPED);
    Play(HEROINE, "shootscareseaguls_03");
    Play(SEAGULL_1, "scared01");
    Play(SEAGULL_2, "scared01");
    PushRemoveAttachment(HEROINE, AttachmentNamed("loaded_pistol"));
    Play(HEROINE, "shootscareseaguls_04");
    Idle();
    ShowObject(SEAGULL_1, false);
    ShowObject(SEAGULL_2, false);
    Apart();
    ShowObject(Object("fx_shot"), false);
    SetBoolVar(VARBOOL_BG403_C06_USE_LOADED_PISTOL_ON_SEAGULL, true);
    _EndMatch();
}

void SceneScript_bg403::PickUp(const Find& oFind)
{
    Play(HEROINE, "g_pickobjectlow01");
    Give(HEROINE, oFind.uItem);
    ShowObject(oFind.iPicture, false);
    Play(HEROINE, "g_pickobjectlow02");
    Idle();
    SetBoolVar(oFind.iPickedFlag, true);
    SetInteractive(oFind.iHotspot, false);
}

void SceneScript_bg403::FindEvents()
{
    const Find FEATHER {Object("feather"), Object("i_feather"), ItemNamed("ITEM_FEATHER"),
                        VARBOOL_BG403_C06_PICK_FEATHER};
    const Find DARK_ROCK {Object("dark_rock"), Object("i_dark_rock"), ItemNamed("ITEM_DARK_ROCK_2"),
                          VARBOOL_BG403_C06_PICK_DARK_ROCK_2};
    const Find NUTS {Object("nuts"), Object("i_nuts"), ItemNamed("ITEM_NUTS"), VARBOOL_BG403_C06_PICK_NUTS};

    WalkAndTalk(ScriptEvent_Object1(FEATHER.iHotspot), HEROINE, WP_FEATHER, 0x06f27d05);
    _IfEvent(Activated(FEATHER.iHotspot));
    GoTo(HEROINE, WP_FEATHER);
    Dialog(0xc6874570);
    PickUp(FEATHER);
    _EndMatch();

    WalkAndTalk(ScriptEvent_Object1(DARK_ROCK.iHotspot), HEROINE, WP_DARK_ROCK, 0xc04bf016);
    _IfEvent(Activated(DARK_ROCK.iHotspot));
    GoTo(HEROINE, WP_DARK_ROCK);
    Dialog(0x7ffe5b93);
    PickUp(DARK_ROCK);
    _EndMatch();

    // The undergrowth's handlers stand between the rock's and the nuts'.
    UndergrowthEvents();

    WalkAndTalk(ScriptEvent_Object1(NUTS.iHotspot), HEROINE, WP_NUTS, 0x17819daa);
    _IfEvent(Activated(NUTS.iHotspot));
    GoTo(HEROINE, WP_NUTS);
    PickUp(NUTS);
    _EndMatch();
}

void SceneScript_bg403::UndergrowthEvents()
{
    const int32_t iUndergrowth = Object("undergrowth");
    WalkAndTalk(ScriptEvent_Object1(iUndergrowth), HEROINE, WP_UNDERGROWTH, 0x321a9cc7);
    _IfEvent(Activated(iUndergrowth));
    GoTo(HEROINE, WP_UNDERGROWTH);
    Dialog(0x8daf3742);
    SetBoolVar(VARBOOL_QUEST_C6_PATH, true);
    _EndMatch();

    _IfEvent(ScriptEvent_ItemOnObject3(iUndergrowth, ItemNamed("ITEM_MAGNIFICENT_SWORD")));
    GoTo(HEROINE, WP_UNDERGROWTH);
    Dialog(0x1b49b856);
    SetBoolVar(VARBOOL_QUEST_C6_PATH_DONE, true);
    PushAction21(HEROINE, UNDERGROWTH_BLOCKER, 0);
    SetInteractive(iUndergrowth, false);
    _EndMatch();

    CutTheUndergrowth();

    // Callback: she gathers the cut brushwood.
    _IfEvent(OnCallback(0x1ecbd54b));
    Play(HEROINE, "g_pickobjectlow01");
    Give(HEROINE, ItemNamed("ITEM_BRUSHWOOD"));
    ShowObject(Object("o_undergrowth"), false);
    Play(HEROINE, "g_pickobjectlow02");
    Idle();
    _EndMatch();
}

void SceneScript_bg403::CutTheUndergrowth()
{
    // Callback: the sword swings and the leaves fly.
    _IfEvent(OnCallback(0x87c284f1));
    Play(HEROINE, "hackundergrowth_01");
    PushAddAttachment(HEROINE, AttachmentNamed("magnificient_sword_tavrine"), BONE_RIGHT_HAND);
    Play(HEROINE, "hackundergrowth_02");
    EffectSound(CUT_SOUND);
    Together();
    ShowObject(Object("fx_leaves"), true);
    PushHashAction23(Object("fx_leaves"), LEAVES_FLYING);
    Play(HEROINE, "hackundergrowth_03");
    Wait(Object("o_undergrowth"), LEAVES_TIME);
    PushHashAction23(Object("o_undergrowth"), UNDERGROWTH_FALLING);
    Wait(Object("fx_leaves"), LEAVES_TIME);
    ShowObject(Object("fx_leaves"), false);
    Apart();
    GoTo(HEROINE, WP_UNDERGROWTH);
    PushRemoveAttachment(HEROINE, AttachmentNamed("magnificient_sword_tavrine"));
    Play(HEROINE, "hackundergrowth_04");
    Idle();
    _EndMatch();
}

void SceneScript_bg403::BridgeEvents()
{
    // Look "rope_bridge": a remark from where she stands.
    _IfEvent(ScriptEvent_Object1(Object("rope_bridge")));
    Dialog(0x10807eae);
    _EndMatch();
    CrossToTheRight();
    CrossToTheLeft();
}

void SceneScript_bg403::CrossToTheRight()
{
    // Activate "rope_bridge": over the chasm, the bridge's blockers lifted
    // only for her crossing; the right side's things take the left's place.
    _IfEvent(Activated(Object("rope_bridge")));
    WalkOver(WP_LEFT_BRIDGE_HEAD, WP_RIGHT_BRIDGE_END);
    SetInteractive(Object("goto_bg402"), false);
    OpenTheRightSide();
    SetBoolVar(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE, true);
    CastShadow(HEROINE, true);
    SetInteractive(Object("rope_bridge_right"), true);
    SetInteractive(Object("rope_bridge"), false);
    _EndMatch();
}

void SceneScript_bg403::CrossToTheLeft()
{
    // Activate "rope_bridge_right": back over to the left side.
    _IfEvent(Activated(Object("rope_bridge_right")));
    WalkOver(WP_RIGHT_BRIDGE_HEAD, WP_LEFT_BRIDGE_END);
    for (const int32_t iHotspot :
         {Object("secret_entrance"), Object("goto_bg404"), Object("stone_pillar"), Object("strange_fly")})
        SetInteractive(iHotspot, false);
    SetInteractive(Object("goto_bg402"), true);
    _IfMatch(InChapter(6));
    OpenTheFinds();
    _EndMatch();
    SetBoolVar(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE, false);
    CastShadow(HEROINE, true);
    SetInteractive(Object("rope_bridge"), true);
    SetInteractive(Object("rope_bridge_right"), false);
    _EndMatch();
}

void SceneScript_bg403::DrawbridgeEvents()
{
    LookAndActivate(Object("drawbridge"), HEROINE, WP_DRAWBRIDGE, 0xf74a9bc7, 0x928008f4);
    const int32_t iMechanism = Object("drawbridge_mechanism");
    WalkAndTalk(ScriptEvent_Object1(iMechanism), HEROINE, WP_MECHANISM, 0x4012b2c4);
    _IfEvent(Activated(iMechanism));
    GoTo(HEROINE, WP_MECHANISM);
    Dialog(0x0226cdb9);
    SetBoolVar(VARBOOL_QUEST_C6_DRAWBRIDGE, true);
    _EndMatch();
    MendTheMechanism();
}

void SceneScript_bg403::MendTheMechanism()
{
    // The cogwheel: the drawbridge comes down and she walks over it to the
    // right side.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("drawbridge_mechanism"), ItemNamed("ITEM_COGWHEEL")));
    GoTo(HEROINE, WP_MECHANISM);
    Play(HEROINE, "fixbridgemechanism_01");
    Play(HEROINE, "fixbridgemechanism_02");
    EffectSound(MECHANISM_SOUND);
    Together();
    ShowObject(Object("o_wheel"), true);
    PushHashAction23(Object("fx_bridge"), BRIDGE_LOWERING);
    Play(HEROINE, "fixbridgemechanism_03");
    Apart();
    Idle();
    Take(HEROINE, ItemNamed("ITEM_COGWHEEL"));
    SetBoolVar(VARBOOL_QUEST_C6_DRAWBRIDGE_DONE, true);
    SetInteractive(Object("drawbridge"), false);
    Blockers({DRAWBRIDGE_BLOCKER, BRIDGE_RIGHT_BLOCKER}, false);
    GoTo(HEROINE, WP_DRAWBRIDGE_START);
    CastShadow(HEROINE, false);
    PushAnimAction(HEROINE, "tomonumentbridgepass", 0, 1);
    Idle();
    Place(HEROINE, WP_RIGHT_BRIDGE_END);
    CastShadow(HEROINE, true);
    Blockers({BRIDGE_LEFT_BLOCKER, BRIDGE_RIGHT_BLOCKER}, true);
    SetInteractive(Object("feather"), false);
    SetInteractive(Object("nuts"), false);
    // Over on the right, the way out to Buck's place is the rope bridge's
    // again, as after every other crossing.
    SetInteractive(Object("goto_bg402"), false);
    SetInteractive(Object("stone_pillar"), true);
    SetInteractive(Object("strange_fly"), true);
    SetBoolVar(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE, true);
    SetInteractive(Object("rope_bridge_right"), true);
    SetInteractive(Object("drawbridge_mechanism"), false);
    _EndMatch();
}

void SceneScript_bg403::PillarEvents()
{
    const int32_t iPillar = Object("stone_pillar");
    _IfEvent(ScriptEvent_Object1(iPillar));
    Dialog(0x2face970);
    _EndMatch();
    _IfEvent(Activated(iPillar));
    Dialog(0xb2c12b74);
    _EndMatch();
    _IfEvent(ScriptEvent_ItemOnObject3(iPillar, ItemNamed("ITEM_MYSTERIOUS_DISK")));
    Dialog(0xa9ac0ece);
    _EndMatch();

    // Callback: to the pillar, beside the fly while it still buzzes there.
    _IfEvent(OnCallback(0xcf71929b));
    _IfBool(VARBOOL_BG403_C06_USE_TRAPBOTTLE_ON_STRANGEFLY, 0);
    GoTo(HEROINE, WP_FLY);
    _ElseMatch();
    GoTo(HEROINE, WP_PILLAR);
    _EndMatch();
    _EndMatch();

    UnlockThePillar();
}

void SceneScript_bg403::UnlockThePillar()
{
    // Callback: the disk turns in the pillar and the door behind unlocks.
    _IfEvent(OnCallback(0x8a1fc989));
    Play(HEROINE, "unlockstonepillar_01");
    Play(HEROINE, "unlockstonepillar_02");
    Sound(HEROINE, PILLAR_SOUND, PILLAR_SOUND_DELAY);
    Play(HEROINE, "unlockstonepillar_03");
    ShowObject(Object("o_stone_pillar"), false);
    ShowObject(Object("fx_door"), true);
    Together();
    Wait(Object("fx_door"), DISK_DELAY);
    ShowObject(Object("fx_disk"), true);
    PushHashAction23(Object("fx_disk"), DISK_TURNING);
    PushHashAction23(Object("fx_door"), DOOR_UNLOCKING);
    Apart();
    ShowObject(Object("fx_disk"), false);
    PushHashAction23(Object("fx_door"), DOOR_UNLOCKED);
    Take(HEROINE, ItemNamed("ITEM_MYSTERIOUS_DISK"));
    Idle();
    SetBoolVar(VARBOOL_BG403_C06_USE_MYSETRIOUSDISCK_ON_STONEPILLAR, true);
    SetInteractive(Object("secret_entrance"), true);
    SetInteractive(Object("stone_pillar"), false);
    _EndMatch();
}

void SceneScript_bg403::FlyEvents()
{
    const int32_t iFly = Object("strange_fly");
    WalkAndTalk(ScriptEvent_Object1(iFly), HEROINE, WP_FLY, 0x665be9ff);
    _IfEvent(Activated(iFly));
    GoTo(HEROINE, WP_FLY);
    Dialog(0xd9ee427a);
    SetBoolVar(VARBOOL_BG403_C06_INT_STRANGE_FLY, true);
    _EndMatch();

    // The empty bottle: set down by the fly, which takes no interest.
    _IfEvent(ScriptEvent_ItemOnObject3(iFly, ItemNamed("ITEM_EMPTY_BOTTLE")));
    GoTo(HEROINE, WP_BOTTLE_DOWN);
    Play(HEROINE, "g_leaveobjectlow01");
    PushHashAction23(Object("o_bottle"), EMPTY_BOTTLE_SET_DOWN);
    ShowObject(Object("o_bottle"), true);
    Play(HEROINE, "g_leaveobjectlow02");
    Idle();
    Dialog(0x642c7026);
    _EndMatch();

    // Callback: she takes the empty bottle back.
    _IfEvent(OnCallback(0x08081936));
    GoTo(HEROINE, WP_BOTTLE_BACK);
    Play(HEROINE, "g_pickobjectlow01");
    ShowObject(Object("o_bottle"), false);
    Play(HEROINE, "g_pickobjectlow02");
    Idle();
    _EndMatch();

    CatchTheFly();
}

void SceneScript_bg403::CatchTheFly()
{
    // The trap bottle: the fly goes in for the blood, and she corks it.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("strange_fly"), ItemNamed("ITEM_TRAP_BOTTLE")));
    GoTo(HEROINE, WP_BOTTLE_DOWN);
    Play(HEROINE, "g_leaveobjectlow01");
    PushHashAction23(Object("o_bottle"), TRAP_BOTTLE_SET_DOWN);
    ShowObject(Object("o_bottle"), true);
    EffectSound(TRAP_BOTTLE_SOUND);
    Take(HEROINE, ItemNamed("ITEM_TRAP_BOTTLE"));
    Play(HEROINE, "g_leaveobjectlow02");
    GoTo(HEROINE, WP_FLY);
    Together();
    Play(HEROINE, "capturetzetzefly_01");
    Wait(Object("fx_fly_to_bottle"), FLY_DELAY);
    PushHashAction23(Object("fx_fly_to_bottle"), FLY_INTO_BOTTLE);
    Wait(Object("o_bottle"), BOTTLE_TIME);
    Apart();
    ShowObject(Object("fx_fly_to_bottle"), false);
    PushAddAttachment(HEROINE, AttachmentNamed("bottle"), BONE_RIGHT_HAND);
    ShowObject(Object("o_bottle"), false);
    Play(HEROINE, "capturetzetzefly_02");
    PushRemoveAttachment(HEROINE, AttachmentNamed("bottle"));
    Play(HEROINE, "capturetzetzefly_03");
    Idle();
    Dialog(0x85431103);
    SetBoolVar(VARBOOL_BG403_C06_USE_TRAPBOTTLE_ON_STRANGEFLY, true);
    Give(HEROINE, ItemNamed("ITEM_TSETSE_FLY"));
    PushAction21(HEROINE, FLY_BLOCKER, 0);
    SetInteractive(Object("strange_fly"), false);
    _EndMatch();
}

void SceneScript_bg403::SecretEntranceEvents()
{
    const int32_t iEntrance = Object("secret_entrance");
    WalkAndTalk(ScriptEvent_Object1(iEntrance), HEROINE, WP_SECRET_ENTRANCE, 0x599f7e11);
    _IfEvent(Activated(iEntrance));
    GoTo(HEROINE, WP_SECRET_ENTRANCE);
    Dialog(0x94597e79);
    _IfBool(VARBOOL_QUEST_C6_TRAPDOOR_DONE, 1);
    Play(HEROINE, "downtoburial");
    GoToScene(BURIAL_CHAMBER);
    _EndMatch();
    _EndMatch();
    OpenTheEntrance();
}

void SceneScript_bg403::OpenTheEntrance()
{
    // The lamp with oil in the door's hollow: the door slides open, and she
    // keeps the emptied lamp.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("secret_entrance"), ItemNamed("ITEM_LAMP_WITH_OIL")));
    GoTo(HEROINE, WP_SECRET_ENTRANCE);
    Play(HEROINE, "g_use01");
    Play(HEROINE, "g_use02_l");
    Take(HEROINE, ItemNamed("ITEM_LAMP_WITH_OIL"));
    Give(HEROINE, ItemNamed("ITEM_OIL_LAMP"));
    EffectSound(ENTRANCE_SOUND);
    Together();
    PushHashAction23(Object("fx_door"), DOOR_OPENING);
    Play(HEROINE, "g_use03");
    Apart();
    ShowObject(Object("fx_door"), false);
    Idle();
    Dialog(0x4454e01b);
    SetBoolVar(VARBOOL_QUEST_C6_TRAPDOOR_DONE, true);
    SetInteractive(Object("goto_bg404"), true);
    SetInteractive(Object("secret_entrance"), false);
    _EndMatch();
}

void SceneScript_bg403::GoToTheEdge()
{
    _IfBool(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE, 1);
    GoTo(HEROINE, WP_RIGHT_EDGE);
    _ElseMatch();
    GoTo(HEROINE, WP_LEFT_EDGE);
    _EndMatch();
}

void SceneScript_bg403::EdgeEvents()
{
    // Look "down": she peers into the chasm from her side's edge.
    _IfEvent(ScriptEvent_Object1(Object("down")));
    GoToTheEdge();
    Play(HEROINE, "searching_low");
    Idle();
    Dialog(0x21a66472);
    _EndMatch();

    _IfEvent(Activated(Object("down")));
    GoToTheEdge();
    Dialog(0x62217e70);
    _EndMatch();
}

} // namespace

REGISTER_SCENE_SCRIPT(bg403, 41);
