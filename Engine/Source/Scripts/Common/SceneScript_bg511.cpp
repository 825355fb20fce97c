// The shaman's hut on Turtle island (scene 50, bg511_TU_ShamansHut), entered
// from the altar house's square and left by the same door. Chapter 10: she
// picks up the two pelts, the bone needle and the tough thread, moves the
// mattress aside and opens the secret trap beneath it in its close-up. The
// great spirit egg taken from the trap in the hide bag drops a woven grid
// over the door; the bird's egg laid in its place lifts the grid again.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg511_50>;
using HeroineAnimation = AnimationOf<"tavrine">;

constexpr ActorNamed<"tavrine"> HEROINE;

// Waypoints of the hut.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_DOORWAY = 1;
constexpr int32_t WP_INSIDE = 2;
constexpr int32_t WP_DOOR = 3;
constexpr int32_t WP_TRIBAL_MASK = 4;
constexpr int32_t WP_GOURDS = 5;
constexpr int32_t WP_TIGER_SKIN = 6;
constexpr int32_t WP_EGG = 7;
constexpr int32_t WP_LEATHER_HIDE_PELT = 8;
constexpr int32_t WP_FUR_HIDE_PELT = 9;
constexpr int32_t WP_BONE_NEEDLE = 10;
constexpr int32_t WP_TOUGH_THREAD = 11;
constexpr int32_t WP_MATTRESS = 12;
constexpr int32_t WP_CLOSED_TRAP = 13;
constexpr int32_t WP_WOVEN_GRID = 14;
constexpr int32_t WP_OPEN_TRAP = 22;

constexpr int32_t ALTAR_HOUSE_SQUARE = 45; // bg504_TU_AltarHouseExterior
constexpr int32_t TRAP_CLOSE_UP = 51;      // bg801_CU_01_ShamansHut

constexpr uint32_t HUT_MUSIC = 0x653e13c1;
constexpr uint32_t HUT_AMBIENCE = 0x7f1f9187;
constexpr int32_t CHAPTER_TEN_SOUNDS = 0x3044891d;
constexpr int32_t HUT_SOUNDS = 0x391731e1;

// The sprite animations of the hut's pictures.
constexpr uint32_t GRID_UP = 0xa0115f34;
constexpr uint32_t GRID_DOWN = 0x301eca1d;
constexpr uint32_t GRID_FALLING = 0xbb3c54b9;
constexpr uint32_t GRID_RISING = 0x6861221e;
constexpr uint32_t MATTRESS_IN_PLACE = 0x605c4826;
constexpr uint32_t MATTRESS_ASIDE = 0xe92fe5ba;
constexpr uint32_t TRAP_CLOSED = 0xbaa29efd;
constexpr uint32_t TRAP_OPEN = 0xd0b83ef8;
constexpr uint32_t SPIRIT_EGG = 0x38992721;
constexpr uint32_t BIRD_EGG = 0x99635b96;

// The dialogs' callbacks.
constexpr uint32_t MOVE_THE_MATTRESS = 0x964f4044;
constexpr uint32_t PUT_THE_MATTRESS_BACK = 0x533ae1fa;
constexpr uint32_t TAKE_THE_EGG = 0x7486af5a;
constexpr uint32_t GRAB_AT_THE_EGG = 0x544181ed;

// A thing on the shelves that she picks up, and how high it lies.
struct Thing {
    Object hotspot;
    Object picture;
    uint32_t uItem;
    int32_t iPickedUp;
    int32_t iWaypoint;
    uint32_t uLookDialog;
    bool bHigh;
};

constexpr Thing LEATHER_HIDE_PELT = {"leather_hide_pelt",
                                     "i_leather_hide_pelt",
                                     ItemNamed("ITEM_LEATHER_HIDE_PELT"),
                                     VARBOOL_BG511_C10_INT_LEATHER_HIDE_PELT,
                                     WP_LEATHER_HIDE_PELT,
                                     0xb0d366ac,
                                     false};
constexpr Thing FUR_HIDE_PELT = {"fur_hide_pelt",
                                 "i_fur_hide_pelt",
                                 ItemNamed("ITEM_FUR_HIDE_PELT"),
                                 VARBOOL_BG511_C10_INT_FUR_HIDE_PELT,
                                 WP_FUR_HIDE_PELT,
                                 0x729e39f0,
                                 false};
constexpr Thing BONE_NEEDLE = {"bone_needle",
                               "i_bone_needle",
                               ItemNamed("ITEM_BONE_NEEDLE"),
                               VARBOOL_BG511_C10_INT_BONE_NEEDLE,
                               WP_BONE_NEEDLE,
                               0x61051e81,
                               false};
constexpr Thing TOUGH_THREAD = {"tough_thread",
                                "i_tough_thread",
                                ItemNamed("ITEM_TOUGH_THREAD"),
                                VARBOOL_BG511_C10_INT_TOUGH_THREAD,
                                WP_TOUGH_THREAD,
                                0xb2f28a26,
                                true};

class SceneScript_bg511 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterTheTrap();
    void ArriveFrom();

    void Idle() { Play(HEROINE, "g_idle_l"); }
    // She looks up at it, then says what she sees.
    void LookUpAt(const EventDesc& oEvent, int32_t iWaypoint, uint32_t uDialog);
    // Once picked up, a thing's picture and hotspot stay gone.
    void PickedUpStaysGone(const Thing& thing);
    void PickUpEvents(const Thing& thing);
    void MattressEvents();
    void TrapEvents();
    void EggEvents();
    void TakeTheEgg();
    void LayTheBirdEgg();
};

void SceneScript_bg511::LinkSoundGroups()
{
    LinkSoundGroup(CHAPTER_TEN_SOUNDS, InChapter(10));
    // Chapters 1 to 9 in one short condition: a chain of nine chapter tests
    // is longer than a condition may be.
    LinkSoundGroup(HUT_SOUNDS, InEveryChapterBut(10));
}

void SceneScript_bg511::PickedUpStaysGone(const Thing& thing)
{
    _IfBool(thing.iPickedUp, 1);
    ShowObject(thing.picture, false);
    SetInteractive(thing.hotspot, false);
    _EndMatch();
}

void SceneScript_bg511::BuildEnterActions()
{
    PlayMusic(HUT_MUSIC);
    PlayAmbience(HUT_AMBIENCE);
    SetSceneDirection(6);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);

    PushHashAction23(Object("fx_grid"), GRID_UP);
    PushHashAction23(Object("o_mattress"), MATTRESS_IN_PLACE);
    PushHashAction23(Object("o_secret_trap"), TRAP_CLOSED);
    PushHashAction23(Object("i_egg"), SPIRIT_EGG);

    for (const Thing* pThing : {&BONE_NEEDLE, &LEATHER_HIDE_PELT, &FUR_HIDE_PELT, &TOUGH_THREAD})
        PickedUpStaysGone(*pThing);

    _IfBool(VARBOOL_BG511_C10_PRISONER, 1);
    SetInteractive(Object("goto_bg504"), false);
    SetInteractive(Object("woven_grid"), true);
    PushHashAction23(Object("fx_grid"), GRID_DOWN);
    _ElseMatch();
    SetInteractive(Object("goto_bg504"), true);
    SetInteractive(Object("woven_grid"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG511_C10_MATTRESS_OPEN, 1);
    SetInteractive(Object("mattress"), false);
    PushHashAction23(Object("o_mattress"), MATTRESS_ASIDE);
    EnterTheTrap();
    _ElseMatch();
    SetInteractive(Object("secret_trap_close"), false);
    SetInteractive(Object("secret_trap_open"), false);
    SetInteractive(Object("great_spirit_egg"), false);
    _EndMatch();

    _IfBool(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE, 1);
    SetInteractive(Object("mattress"), false);
    _EndMatch();

    Place(HEROINE, WP_START);
    ArriveFrom();
}

// The mattress is aside: the trap shows closed, or open with the spirit egg,
// nothing, or the bird's egg in it.
void SceneScript_bg511::EnterTheTrap()
{
    _IfBool(VARBOOL_BG511_C10_SECRET_TRAP_OPEN, 1);
    SetInteractive(Object("secret_trap_close"), false);
    SetInteractive(Object("secret_trap_open"), true);
    PushHashAction23(Object("o_secret_trap"), TRAP_OPEN);
    _IfBool(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE, 1);
    ShowObject(Object("i_egg"), false);
    SetInteractive(Object("great_spirit_egg"), false);
    _IfBool(VARBOOL_BG511_C10_USE_TURTLE_EGG_ON_TRAP, 1);
    ShowObject(Object("i_egg"), true);
    PushHashAction23(Object("i_egg"), BIRD_EGG);
    _EndMatch();
    _EndMatch();
    _ElseMatch();
    SetInteractive(Object("secret_trap_close"), true);
    SetInteractive(Object("secret_trap_open"), false);
    PushHashAction23(Object("o_secret_trap"), TRAP_CLOSED);
    SetInteractive(Object("great_spirit_egg"), false);
    _EndMatch();
}

void SceneScript_bg511::ArriveFrom()
{
    _IfMatch(CameFrom(ALTAR_HOUSE_SQUARE));
    Place(HEROINE, WP_DOORWAY);
    GoTo(HEROINE, WP_INSIDE);
    _EndMatch();

    // Back from the trap's close-up: the first time she says what she found.
    _IfMatch(CameFrom(TRAP_CLOSE_UP));
    Place(HEROINE, WP_CLOSED_TRAP);
    _IfBool(VARBOOL_BG511_C10_AFTER_CLOSE_UP, 0);
    Dialog(0x3bace2f8);
    SetBoolVar(VARBOOL_BG511_C10_AFTER_CLOSE_UP, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg511::BuildExitEvents()
{
    // The door leads out unless the grid has fallen over it.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg504")));
    _IfBool(VARBOOL_BG511_C10_PRISONER, 0);
    GoTo(HEROINE, WP_DOOR);
    GoToScene(ALTAR_HOUSE_SQUARE);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg511::LookUpAt(const EventDesc& oEvent, int32_t iWaypoint, uint32_t uDialog)
{
    _IfEvent(oEvent);
    GoTo(HEROINE, iWaypoint);
    Play(HEROINE, "g_lookup");
    Idle();
    Dialog(uDialog);
    _EndMatch();
}

void SceneScript_bg511::BuildEvents()
{
    // The whistle blown for Eduardo: there is nobody here to fetch.
    _IfMatch(MatchExpr::MakeEvent6(ItemNamed("ITEM_WHISTLE"), ItemNamed("ITEM_EDUARDO")));
    Play(HEROINE, "decoy");
    Idle();
    Dialog(0x49722e2f);
    _EndMatch();

    LookUpAt(ScriptEvent_Object1(Object("tribal_mask")), WP_TRIBAL_MASK, 0x22567ea7);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("tribal_mask")), HEROINE, WP_TRIBAL_MASK, 0xc63ea3c1);
    LookUpAt(ScriptEvent_Object1(Object("gourds")), WP_GOURDS, 0x0d7168c7);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("gourds")), HEROINE, WP_GOURDS, 0x2a2f9901);
    WalkAndTalk(ScriptEvent_Object1(Object("tiger_skin")), HEROINE, WP_TIGER_SKIN, 0xe23c2677);

    MattressEvents();
    TrapEvents();
    EggEvents();

    for (const Thing* pThing : {&LEATHER_HIDE_PELT, &FUR_HIDE_PELT, &BONE_NEEDLE, &TOUGH_THREAD})
        PickUpEvents(*pThing);
    LookAndActivate(Object("woven_grid"), HEROINE, WP_WOVEN_GRID, 0x924da682, 0xf45fcb0e);
}

void SceneScript_bg511::MattressEvents()
{
    WalkAndTalk(MatchExpr::MakeEvent0(Object("mattress")), HEROINE, WP_MATTRESS, 0x842e4bfb);

    // Callback: she drags the mattress aside and finds the trap under it.
    _IfEvent(OnCallback(MOVE_THE_MATTRESS));
    Play(HEROINE, "removebedding01");
    EffectSound(0x7b3f369a);
    PushHashAction23(Object("o_mattress"), MATTRESS_ASIDE);
    SetBoolVar(VARBOOL_BG511_C10_MATTRESS_OPEN, true);
    SetInteractive(Object("secret_trap_close"), true);
    PushHashAction23(Object("o_secret_trap"), TRAP_CLOSED);
    Play(HEROINE, "removebedding02");
    Idle();
    SetInteractive(Object("mattress"), false);
    _EndMatch();
}

void SceneScript_bg511::TrapEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("secret_trap_close")), HEROINE, WP_CLOSED_TRAP, 0x1cd4325a);
    _IfMatch(MatchExpr::MakeEvent0(Object("secret_trap_close")));
    GoTo(HEROINE, WP_CLOSED_TRAP);
    Dialog(0xe365c265);
    GoToScene(TRAP_CLOSE_UP);
    _EndMatch();

    LookAndActivate(Object("secret_trap_open"), HEROINE, WP_OPEN_TRAP, 0x713a29cd, 0xcfa06614);

    // Only once the spirit egg is gone does the bird's egg take its place;
    // before, the use is taken and nothing happens.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("secret_trap_open"), ItemNamed("ITEM_BIRD_EGG")));
    _IfBool(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE, 1);
    LayTheBirdEgg();
    _EndMatch();
    _EndMatch();

    // Callback: the trap shut and the mattress laid back over it.
    _IfEvent(OnCallback(PUT_THE_MATTRESS_BACK));
    SetInteractive(Object("secret_trap_close"), false);
    SetInteractive(Object("secret_trap_open"), false);
    PushHashAction23(Object("o_secret_trap"), TRAP_CLOSED);
    PushHashAction23(Object("o_mattress"), MATTRESS_IN_PLACE);
    SetBoolVar(VARBOOL_BG511_C10_MATTRESS_OPEN, false);
    _EndMatch();
}

void SceneScript_bg511::LayTheBirdEgg()
{
    GoTo(HEROINE, WP_EGG);
    Play(HEROINE, "putegg01");
    Play(HEROINE, "putegg02");
    EffectSound(0x1187338e);
    Play(HEROINE, "putegg03");
    Take(HEROINE, ItemNamed("ITEM_BIRD_EGG"));
    PushHashAction23(Object("i_egg"), BIRD_EGG);
    ShowObject(Object("i_egg"), true);
    // The grid rises while she stands up.
    Together();
    PushHashAction23(Object("fx_grid"), GRID_RISING);
    Play(HEROINE, "putegg04");
    Idle();
    Apart();
    SetBoolVar(VARBOOL_BG511_C10_PRISONER, false);
    SetBoolVar(VARBOOL_BG511_C10_USE_TURTLE_EGG_ON_TRAP, true);
    SetInteractive(Object("goto_bg504"), true);
    SetInteractive(Object("woven_grid"), false);
    Dialog(0x66a3e88a);
}

void SceneScript_bg511::EggEvents()
{
    LookAndActivate(Object("great_spirit_egg"), HEROINE, WP_EGG, 0xbbfcf838, 0x0566b7e1);
    _IfEvent(ScriptEvent_ItemOnObject3(Object("great_spirit_egg"), ItemNamed("ITEM_HIDE_BAG")));
    GoTo(HEROINE, WP_EGG);
    Dialog(0x9623b43f);
    Dialog(0x3ffbdcb6);
    SetInteractive(Object("great_spirit_egg"), false);
    _EndMatch();

    _IfEvent(OnCallback(TAKE_THE_EGG));
    TakeTheEgg();
    _EndMatch();

    // Callback: bare hands do not lift the egg.
    _IfEvent(OnCallback(GRAB_AT_THE_EGG));
    Sound(HEROINE, 0x21c3cbd8, 1980);
    Play(HEROINE, "trytakeegg");
    Idle();
    _EndMatch();
}

void SceneScript_bg511::TakeTheEgg()
{
    Play(HEROINE, "takeegg01");
    Play(HEROINE, "takeegg02");
    EffectSound(0x415563d3);
    Play(HEROINE, "takeegg03");
    ShowObject(Object("i_egg"), false);
    Take(HEROINE, ItemNamed("ITEM_HIDE_BAG"));
    Give(HEROINE, ItemNamed("ITEM_EGG_BAG"));
    SetBoolVar(VARBOOL_BG511_C10_PRISONER, true);
    SetInteractive(Object("goto_bg504"), false);
    SetInteractive(Object("woven_grid"), true);
    // The grid falls while she straightens up with the bag.
    Together();
    PushHashAction23(Object("fx_grid"), GRID_FALLING);
    Play(HEROINE, "takeegg04");
    Apart();
    Play(HEROINE, "takeegg05");
    Idle();
    SetBoolVar(VARBOOL_QUEST_C10_SPIRITEGG_01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C10_RETURN, true);
}

void SceneScript_bg511::PickUpEvents(const Thing& thing)
{
    if (thing.bHigh)
        LookUpAt(ScriptEvent_Object1(thing.hotspot), thing.iWaypoint, thing.uLookDialog);
    else
        WalkAndTalk(ScriptEvent_Object1(thing.hotspot), HEROINE, thing.iWaypoint, thing.uLookDialog);

    constexpr HeroineAnimation REACH_MIDDLE[] = {"g_pickobjectmiddle01", "g_pickobjectmiddle02"};
    constexpr HeroineAnimation REACH_HIGH[] = {"g_pickobjecthigh01", "g_pickobjecthigh02"};
    const HeroineAnimation* pReach = thing.bHigh ? REACH_HIGH : REACH_MIDDLE;
    _IfMatch(MatchExpr::MakeEvent0(thing.hotspot));
    GoTo(HEROINE, thing.iWaypoint);
    PushAnimAction11(HEROINE, pReach[0].m_iId, 0);
    Give(HEROINE, thing.uItem);
    ShowObject(thing.picture, false);
    SetInteractive(thing.hotspot, false);
    SetBoolVar(thing.iPickedUp, true);
    PushAnimAction11(HEROINE, pReach[1].m_iId, 0);
    Idle();
    _EndMatch();
}

} // namespace

// Scene 50, bg511_TU_ShamansHut.
REGISTER_SCENE_SCRIPT(bg511, 50);
