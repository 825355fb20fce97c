// The inside of the altar house on Turtle island (scene 46,
// bg505_TU_AltarHouseInterior), the islanders' prison. Chapter 9: she wakes
// in a foot trap beside Briscoe and Alessandro; the amber turtle brings the
// shaman and his guard, then Hilary comes to gloat. The whistle calls Uncle
// Eduardo, a berry thrown at the bodkins lures him onto the altar, and he
// pulls the pins that free her. Free, she builds a step of the chest and the
// plank on the posts, and a shackle on the plank gets them out (the strip);
// the what-now talk takes her outside. Each story step restarts the scene, so
// that its enter actions play the next one. In other chapters the room is
// empty.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg505_46>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"alessandro_c"> ALESSANDRO;
constexpr ActorNamed<"baba_c"> SHAMAN;
constexpr ActorNamed<"villager1"> GUARD;
constexpr ActorNamed<"hilary"> HILARY;
constexpr ActorNamed<"uncle_eduardo"> EDUARDO;
// Hidden: the character the player leads while she is held.
constexpr ActorNamed<"boat_windsome_maid"> BOAT;

// Waypoints of the room.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_BRISCOE = 1;
constexpr int32_t WP_ALESSANDRO = 2;
constexpr int32_t WP_CAPTIVE = 3;
constexpr int32_t WP_BEFORE_THE_CAPTIVES = 4;
constexpr int32_t WP_DOORWAY = 5;
constexpr int32_t WP_EDUARDO_ON_THE_ALTAR = 6;
constexpr int32_t WP_EDUARDO = 7;
constexpr int32_t WP_GUARD = 8;
constexpr int32_t WP_EDUARDO_FLIES_IN = 9;
constexpr int32_t WP_AFTER_THE_STRIP = 10;
constexpr int32_t WP_OUT_OF_SIGHT = 11;
constexpr int32_t WP_ON_THE_CHEST = 12;
constexpr int32_t WP_BY_ALESSANDRO = 13;
constexpr int32_t WP_BY_BRISCOE = 14;
constexpr int32_t WP_FREED = 15;
constexpr int32_t WP_DOOR = 17;
constexpr int32_t WP_ALTAR = 18;
constexpr int32_t WP_SOLID_SMALL_CHEST = 21;
constexpr int32_t WP_SHACKLES_1 = 22;
constexpr int32_t WP_SHACKLES_2 = 23;
constexpr int32_t WP_UNSTABLE_PLANK = 24;
constexpr int32_t WP_POSTS = 31;
constexpr int32_t WP_PLANK = 35;
constexpr int32_t WP_SHELLS = 36;
constexpr int32_t WP_POTION = 37;

// The walk-mesh blocker round her foot trap.
constexpr int32_t FOOT_TRAP_BLOCKER = 0;

// The pictures of the table, the berry, the plank and the chest.
constexpr uint32_t TABLE_AT_REST = 0x312810bb;
constexpr uint32_t TABLE_BERRY_LAID = 0x40bab4b5;
constexpr uint32_t BERRY_AT_REST = 0xba8cde75;
constexpr uint32_t BERRY_FLIES = 0x2a5c6b3b;
constexpr uint32_t PLANK_ON_THE_FLOOR = 0x4c83bc96;
constexpr uint32_t PLANK_ON_THE_POSTS = 0x4019ca9d;
constexpr uint32_t CHEST_ON_THE_FLOOR = 0xc859b3da;
constexpr uint32_t CHEST_OPENS = 0xff55ac68;
constexpr uint32_t CHEST_ON_THE_POSTS = 0x90ac1663;

constexpr uint32_t PRISON_MUSIC = 0x63c55bd5;
constexpr uint32_t PRISON_AMBIENCE = 0x7f1f9187;
constexpr int32_t CHAPTER_NINE_SOUNDS = 0x0e13e202;
constexpr int32_t ROOM_SOUNDS = 0x2a262b58;
constexpr uint32_t STEPS_OFF_THE_CHEST = 0x651df896;

// The dialogs that more than one handler starts.
constexpr uint32_t HILARY_DIALOG = 0x3de9d464;
constexpr uint32_t HILARY_GONE_DIALOG = 0x04932f2d;
constexpr uint32_t AMBER_TURTLE_DIALOG = 0xb3e8d4f4;
constexpr uint32_t NOTHING_TO_DO_DIALOG = 0x6da81ed9;
constexpr uint32_t SHACKLES_DIALOG = 0x47e34f32;
constexpr uint32_t SHACKLE_DIALOG = 0x56f01a94;
constexpr uint32_t PLANK_ON_POSTS_DIALOG = 0xa29c8d8f;
constexpr uint32_t SHACKLES_LOOK_DIALOG = 0x6afbf36a;
constexpr uint32_t SHACKLES_TAKE_DIALOG = 0xb9a2c677;
constexpr uint32_t POSTS_LOOK_DIALOG = 0xc11c5226;
constexpr uint32_t POSTS_USE_DIALOG = 0x57e18a65;

// The scenes: the ruins she is brought from, this room, the yard outside
// and the strip of the escape (a movie leaves 512 + its id as the previous
// state).
constexpr int32_t RUINS = 44;       // bg502_TU_Ruins1
constexpr int32_t ALTAR_HOUSE = 46; // bg505_TU_AltarHouseInterior
constexpr int32_t OUTSIDE = 45;     // bg504_TU_AltarHouseExterior
constexpr int32_t MOVIE_STRIP07 = 14;
constexpr int32_t AFTER_STRIP07 = 512 + MOVIE_STRIP07;

MatchExpr Held()
{
    return IsFalse(VARBOOL_BG505_C09_TAVRINE_FREE);
}
// The shaman's visit is due: the amber turtle seen, the shaman not yet heard.
MatchExpr ShamanDue()
{
    return Both(IsTrue(VARBOOL_BG505_C09_INT_AMBER_TURTLE), IsFalse(VARBOOL_BG505_C09_TALK_SHAMAN));
}
// Hilary's visit is due: the shaman heard, Hilary not yet.
MatchExpr HilaryDue()
{
    return Both(IsTrue(VARBOOL_BG505_C09_TALK_SHAMAN), IsFalse(VARBOOL_BG505_C09_TALK_HILARY));
}
// Briscoe cowers from the shaman's word until the earrings calm him.
MatchExpr BriscoeScared()
{
    return Both(IsTrue(VARBOOL_BG505_C09_TALK_SHAMAN), IsFalse(VARBOOL_BG505_C09_USE_EARRINGS_ON_BRISCOE));
}
MatchExpr BothShacklesOnTheStep()
{
    return Both(Both(IsTrue(VARBOOL_BG505_C09_PICK_SHACKLES), IsTrue(VARBOOL_BG505_C09_PICK_SHACKLE2)),
                IsTrue(VARBOOL_BG505_C09_USE_PLANK_ON_POTS));
}

class SceneScript_bg505 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildEvents() override;

private:
    // Eduardo out of sight and, while she is held, the hidden boat led.
    void HideEduardoAndLeadTheBoat();
    void EnterChapter9();
    void HeldOrFree();
    void TakenAndBuilt();
    void PlaceOnArrival();
    void WakeUp();
    void HilarysVisit();
    void ShamansVisit();
    void WhatNow();
    // Hilary walks out and is heard outside; she is gone for good.
    void HilaryLeaves();

    void Idle();
    // Free, she walks up to the captive and faces him; held, she stays.
    void ApproachWhenFree(int32_t iWaypoint, uint32_t uCaptive);
    // The captives' shackles trick: with the plank on the posts, the strip.
    void ShacklesOnTheStep(const EventDesc& oEvent, uint32_t uFacing);
    void TheStrip();
    void ShackleOnThePlank(uint32_t uShackle);
    void PutTheChestOnThePosts(int32_t iPosts, bool bWithSound);
    void LayThePlank(int32_t iPosts);
    void TakeShackles(int32_t iShackles, int32_t iPicture, int32_t iWaypoint, uint32_t uSound, int32_t iTakenVar,
                      uint32_t uItem);
    void StepOffTheChest();
    void FirstSightOfTheTurtle();

    void HeroineCallbacks();
    void CaptiveEvents();
    void VisitorCallbacks();
    void HilaryEvents();
    void EduardoEvents();
    void DoorAndAltarEvents();
    void AmberTurtleEvents();
    void BodkinsEvents();
    void ReleaseCallbacks();
    void PickUpEvents();
    void PostsEvents();
    void PlankEvents();
    void ShelfEvents();
};

void SceneScript_bg505::LinkActorSets()
{
    LinkActorSet("Baba_carey", ShamanDue());
    LinkActorSet("Hilary", HilaryDue());
}

void SceneScript_bg505::LinkSoundGroups()
{
    LinkSoundGroup(CHAPTER_NINE_SOUNDS, InChapter(9));
    LinkSoundGroup(ROOM_SOUNDS, InEveryChapterBut(9));
}

void SceneScript_bg505::Idle()
{
    Play(HEROINE, "g_idle_l");
}

void SceneScript_bg505::HideEduardoAndLeadTheBoat()
{
    ShowObject(EDUARDO, false);
    SetInteractive(EDUARDO, false);
    AddToQueue(EDUARDO, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    ShowObject(BOAT, false);
    _IfMatch(Held());
    SetPlayingCharacter(BOAT);
    Place(BOAT, WP_OUT_OF_SIGHT);
    SelectCharacter(BOAT);
    _EndMatch();
}

void SceneScript_bg505::BuildEnterActions()
{
    PlayMusic(PRISON_MUSIC);
    PlayAmbience(PRISON_AMBIENCE);
    SetSceneDirection(6);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    WalkOnly(HEROINE, true);
    PushHashAction23(Object("o_table"), TABLE_AT_REST);

    _IfBool(VARBOOL_BG505_C09_INT_AMBER_TURTLE, 0);
    HideEduardoAndLeadTheBoat();
    _EndMatch();
    _IfMatch(ShamanDue());
    ShowObject(SHAMAN, false);
    ShowObject(GUARD, false);
    _EndMatch();
    _IfMatch(HilaryDue());
    ShowAndActivate(HILARY, false);
    SelectCharacter(ALESSANDRO);
    _EndMatch();
    _IfBool(VARBOOL_BG505_C09_TALK_HILARY, 1);
    HideEduardoAndLeadTheBoat();
    _EndMatch();

    ShowObject(Object("i_shackles_3"), false);
    ShowObject(Object("i_pins"), false);
    SetInteractive(Object("pair_of_bodkins"), false);
    ShowObject(Object("fx_berry"), false);
    PushHashAction23(Object("fx_berry"), BERRY_AT_REST);
    SetInteractive(Object("unstable_plank"), false);
    PushHashAction23(Object("i_plank"), PLANK_ON_THE_FLOOR);
    PushHashAction23(Object("i_chest"), CHEST_ON_THE_FLOOR);

    _IfMatch(InChapter(9));
    EnterChapter9();
    _EndMatch();

    _IfMatch(ShamanDue());
    Place(SHAMAN, WP_DOORWAY);
    Place(GUARD, WP_DOORWAY);
    _EndMatch();
    _IfMatch(HilaryDue());
    Place(HILARY, WP_DOORWAY);
    _EndMatch();

    PlaceOnArrival();

    _IfMatch(InChapter(9));
    WakeUp();
    HilarysVisit();
    ShamansVisit();
    WhatNow();
    _EndMatch();
}

void SceneScript_bg505::EnterChapter9()
{
    Play(ALESSANDRO, "captiveidle_l");
    Play(BRISCOE, "captiveidle_l");
    PushAddAttachment(ALESSANDRO, AttachmentNamed("foot_trap_alessandro"), 5);
    PushAddAttachment(BRISCOE, AttachmentNamed("foot_trap_briscoe"), 5);
    _IfMatch(BriscoeScared());
    Play(BRISCOE, "captivescaredidle_l");
    _EndMatch();

    HeldOrFree();

    _IfBool(VARBOOL_BG505_C09_EDUARDO_HERE, 1);
    ShowObject(EDUARDO, true);
    Place(EDUARDO, WP_EDUARDO);
    Play(EDUARDO, "altarhouseidle_02_l");
    _IfBool(VARBOOL_BG505_C09_UNCLE_EDUARDO_ON_ALTAR, 1);
    Place(EDUARDO, WP_EDUARDO_ON_THE_ALTAR);
    Play(EDUARDO, "altarhouseidle_04_l");
    _EndMatch();
    _EndMatch();

    TakenAndBuilt();

    _IfMatch(Both(IsTrue(VARBOOL_BG505_C09_UNCLE_EDUARDO_ON_ALTAR), Held()));
    Place(EDUARDO, WP_EDUARDO_ON_THE_ALTAR);
    Play(EDUARDO, "altarhouseidle_04_l");
    PushHashAction23(Object("o_table"), TABLE_BERRY_LAID);
    _EndMatch();
}

void SceneScript_bg505::HeldOrFree()
{
    // Held, she is a picture in her trap: only the door, the altar, the
    // turtle and the bodkins answer, and the boat is led in her stead.
    _IfMatch(Held());
    SetInteractive(HEROINE, false);
    PushAddAttachment(HEROINE, AttachmentNamed("foot_trap_tavrine"), 5);
    ShowObject(Object("i_pins"), true);
    SetInteractive(Object("pair_of_bodkins"), true);
    for (const int32_t iObject :
         {Object("plank"), Object("shackles_1"), Object("shackles_2"), Object("solid_small_chest"), Object("posts"),
          Object("posts_2"), Object("potion"), Object("shells")})
        SetInteractive(iObject, false);
    PushAction21(HEROINE, FOOT_TRAP_BLOCKER, 1);
    _ElseMatch();
    SetInteractive(BOAT, false);
    _IfBool(VARBOOL_QUEST_C9_CAPTIVES, 0);
    SetBoolVar(VARBOOL_QUEST_C9_CAPTIVES, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg505::TakenAndBuilt()
{
    _IfBool(VARBOOL_BG505_C09_PICK_PLANK, 1);
    SetInteractive(Object("plank"), false);
    ShowObject(Object("i_plank"), false);
    _EndMatch();
    _IfBool(VARBOOL_BG505_C09_PICK_SOLID_SMALL_CHEST, 1);
    SetInteractive(Object("solid_small_chest"), false);
    ShowObject(Object("i_chest"), false);
    _EndMatch();
    _IfBool(VARBOOL_BG505_C09_PICK_SHACKLES, 1);
    SetInteractive(Object("shackles_1"), false);
    ShowObject(Object("i_shackles_1"), false);
    _EndMatch();
    _IfBool(VARBOOL_BG505_C09_PICK_SHACKLE2, 1);
    SetInteractive(Object("shackles_2"), false);
    ShowObject(Object("i_shackles_2"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG505_C09_USE_PLANK_ON_POTS, 1);
    SetInteractive(Object("unstable_plank"), true);
    PushHashAction23(Object("i_plank"), PLANK_ON_THE_POSTS);
    ShowObject(Object("i_plank"), true);
    SetInteractive(Object("posts"), false);
    SetInteractive(Object("posts_2"), false);
    _EndMatch();
    _IfBool(VARBOOL_BG505_C09_USE_SOLID_SMALL_CHEST_ON_POSTS, 1);
    PushHashAction23(Object("i_chest"), CHEST_ON_THE_POSTS);
    ShowObject(Object("i_chest"), true);
    _EndMatch();
}

void SceneScript_bg505::PlaceOnArrival()
{
    Place(HEROINE, WP_START);
    Place(BRISCOE, WP_BRISCOE);
    Place(ALESSANDRO, WP_ALESSANDRO);
    _IfMatch(CameFrom(RUINS));
    Place(HEROINE, WP_CAPTIVE);
    _EndMatch();
    _IfMatch(CameFrom(ALTAR_HOUSE));
    _IfMatch(Held());
    Place(HEROINE, WP_CAPTIVE);
    _ElseMatch();
    Place(HEROINE, WP_FREED);
    _EndMatch();
    _EndMatch();
    _IfMatch(CameFrom(AFTER_STRIP07));
    Place(HEROINE, WP_AFTER_THE_STRIP);
    ShowObject(Object("m_eduardo_mask"), false);
    _EndMatch();
    // Held, she is in her trap however the house was entered (a slot loaded
    // or the chapter chosen from the menu too), not in the middle of the room.
    _IfMatch(Both(InChapter(9), Held()));
    Place(HEROINE, WP_CAPTIVE);
    _EndMatch();
}

void SceneScript_bg505::WakeUp()
{
    _IfBool(VARBOOL_QUEST_C9_ESCAPE, 0);
    Place(HEROINE, WP_CAPTIVE);
    Play(HEROINE, "captivegetconscious01_l");
    Dialog(0x272506c4);
    SetBoolVar(VARBOOL_QUEST_C9_ESCAPE, true);
    _EndMatch();
}

void SceneScript_bg505::HilaryLeaves()
{
    WalkTo(HILARY, WP_DOORWAY);
    ShowAndActivate(HILARY, false);
    ShowObject(Object("m_door"), true);
    Place(HILARY, WP_OUT_OF_SIGHT);
    Dialog(HILARY_GONE_DIALOG);
    Place(HILARY, WP_OUT_OF_SIGHT);
    SetBoolVar(VARBOOL_BG505_C09_NOT_SO_GOOD, true);
    GoToScene(ALTAR_HOUSE);
}

void SceneScript_bg505::HilarysVisit()
{
    _IfMatch(HilaryDue());
    Place(HILARY, WP_DOORWAY);
    ShowObject(Object("m_door"), false);
    ShowAndActivate(HILARY, true);
    GoTo(HILARY, WP_BEFORE_THE_CAPTIVES);
    Dialog(HILARY_DIALOG);
    _IfBool(VARBOOL_BG505_C09_TALK_HILARY_SIMPKINS_ABOUT_TANNER, 1);
    HilaryLeaves();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg505::ShamansVisit()
{
    _IfMatch(Both(ShamanDue(), IsFalse(VARBOOL_BG505_C09_TALK_HILARY)));
    Place(HEROINE, WP_CAPTIVE);
    SelectCharacter(HEROINE);
    Dialog(0x479819be);
    Place(SHAMAN, WP_DOORWAY);
    PushAddAttachment(SHAMAN, AttachmentNamed("stick_baba"), BONE_RIGHT_HAND);
    ShowObject(Object("m_door"), false);
    ShowObject(SHAMAN, true);
    PushAddAttachment(GUARD, AttachmentNamed("stick_guard"), BONE_RIGHT_HAND);
    SetBoolVar(VARBOOL_QUEST_C9_ISLANDERS_DONE, true);
    SelectCharacter(SHAMAN);
    Together();
    GoTo(SHAMAN, WP_BEFORE_THE_CAPTIVES);
    // The guard comes in at his back once the doorway is clear.
    Wait(GUARD, 1000);
    ShowObject(GUARD, true);
    GoTo(GUARD, WP_GUARD);
    Apart();
    WaitForAll();
    SelectCharacter(HEROINE);
    Dialog(0x9fa1ea5b);
    WaitForAll();
    SelectCharacter(SHAMAN);
    Together();
    WalkTo(SHAMAN, WP_DOORWAY);
    Wait(GUARD, 500);
    WalkTo(GUARD, WP_DOORWAY);
    Apart();
    WaitForAll();
    GoToScene(ALTAR_HOUSE);
    _EndMatch();
}

void SceneScript_bg505::WhatNow()
{
    _IfMatch(Both(IsTrue(VARBOOL_BG505_C09_USE_SHACKLES_ON_UNSTABLE_PLANK), IsFalse(VARBOOL_BG505_C09_EVENT_WHAT_NOW)));
    ShowObject(Object("i_shackles_3"), true);
    Play(HEROINE, "plateitalk_l");
    Play(ALESSANDRO, "holdplateidle_l");
    Play(BRISCOE, "holdplateidle_l");
    Dialog(0xc7e65389);
    SetBoolVar(VARBOOL_QUEST_C9_THIEVES, true);
    SetBoolVar(VARBOOL_BG505_C09_EVENT_WHAT_NOW, true);
    SetBoolVar(VARBOOL_BG505_C09_EDUARDO_HERE, false);
    // The scene change waits for the fade, so she still turns to go.
    GoToScene(OUTSIDE);
    PushAnimAction(HEROINE, "plategoaway_01", 0, 0);
    _EndMatch();
}

void SceneScript_bg505::BuildEvents()
{
    HeroineCallbacks();
    CaptiveEvents();
    VisitorCallbacks();
    HilaryEvents();
    EduardoEvents();
    DoorAndAltarEvents();
    AmberTurtleEvents();
    BodkinsEvents();
    ReleaseCallbacks();
    PickUpEvents();
    PostsEvents();
    PlankEvents();
    ShelfEvents();
}

void SceneScript_bg505::HeroineCallbacks()
{
    // Callback: she talks standing once free, sitting in her trap before.
    _IfEvent(OnCallback(0xc7f3f060));
    _IfBool(VARBOOL_BG505_C09_TAVRINE_FREE, 1);
    Play(HEROINE, "g_talk_l");
    _ElseMatch();
    Play(HEROINE, "captivetalk_l");
    _EndMatch();
    _EndMatch();
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");

    // Callback: she comes round with a groan.
    _IfEvent(OnCallback(0x2fce7038));
    Sound(HEROINE, 0x75bb85fb, 1056);
    Play(HEROINE, "captivegetconscious02");
    Play(HEROINE, "captivetalk_l");
    _EndMatch();
}

void SceneScript_bg505::ApproachWhenFree(int32_t iWaypoint, uint32_t uCaptive)
{
    _IfBool(VARBOOL_BG505_C09_TAVRINE_FREE, 1);
    WalkTo(HEROINE, iWaypoint);
    TurnToward(HEROINE, uCaptive);
    _EndMatch();
}

void SceneScript_bg505::TheStrip()
{
    SetBoolVar(VARBOOL_QUEST_C9_HUT_DONE, true);
    SetBoolVar(VARBOOL_BG505_C09_USE_SHACKLES_ON_UNSTABLE_PLANK, true);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(MOVIE_STRIP07));
}

void SceneScript_bg505::ShacklesOnTheStep(const EventDesc& oEvent, uint32_t uFacing)
{
    _IfEvent(oEvent);
    WalkTo(HEROINE, WP_UNSTABLE_PLANK);
    TurnToward(HEROINE, uFacing);
    Dialog(SHACKLES_DIALOG);
    _IfBool(VARBOOL_BG505_C09_USE_PLANK_ON_POTS, 1);
    Take(HEROINE, ItemNamed("ITEM_SHACKLES"));
    TheStrip();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg505::CaptiveEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(ALESSANDRO));
    ApproachWhenFree(WP_BY_ALESSANDRO, ALESSANDRO);
    Dialog(0xd0cfdf06);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(ALESSANDRO));
    ApproachWhenFree(WP_BY_ALESSANDRO, ALESSANDRO);
    Dialog(0x2d75b580);
    _EndMatch();
    ShacklesOnTheStep(ScriptEvent_ItemOnFlaggedId3(ALESSANDRO, ItemNamed("ITEM_SHACKLES")), ALESSANDRO);
    PlayGesture(OnCallback(0x660fbec0), ALESSANDRO, "captivetalk_l");
    PlayGesture(OnCallback(0x0c1f2fc2), ALESSANDRO, "captiveidle_l");

    _IfEvent(ScriptEvent_FlaggedId1(BRISCOE));
    ApproachWhenFree(WP_BY_BRISCOE, BRISCOE);
    Dialog(0x620a40c6);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(BRISCOE));
    ApproachWhenFree(WP_BY_BRISCOE, BRISCOE);
    Dialog(0xd15f4bc1);
    _EndMatch();
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(BRISCOE, ItemNamed("ITEM_DIAMOND_EARRINGS")));
    WalkTo(HEROINE, WP_UNSTABLE_PLANK);
    TurnToward(HEROINE, BRISCOE);
    Dialog(0x2277bde2);
    SetBoolVar(VARBOOL_QUEST_C9_JEWELS_02_DONE, true);
    _EndMatch();
    ShacklesOnTheStep(ScriptEvent_ItemOnFlaggedId3(BRISCOE, ItemNamed("ITEM_SHACKLES")), BRISCOE);
    PlayGesture(OnCallback(0x1a358376), BRISCOE, "captivetalk_l");
    _IfEvent(OnCallback(0x64afab29));
    _IfMatch(BriscoeScared());
    Play(BRISCOE, "captivescaredidle_l");
    _ElseMatch();
    Play(BRISCOE, "captiveidle_l");
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg505::VisitorCallbacks()
{
    PlayGesture(OnCallback(0x389b986d), SHAMAN, "talk_l");
    PlayGesture(OnCallback(0x1620e7a5), SHAMAN, "idle_l");
}

void SceneScript_bg505::HilaryEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(HILARY));
    Dialog(0x3e0f6207);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(HILARY));
    Dialog(HILARY_DIALOG);
    _IfBool(VARBOOL_BG505_C09_TALK_HILARY_SIMPKINS_ABOUT_TANNER, 1);
    HilaryLeaves();
    _EndMatch();
    _EndMatch();
    PlayGesture(OnCallback(0x7185de50), HILARY, "g_talk_l");
    PlayGesture(OnCallback(0xbb37f040), HILARY, "g_idle_l");
}

void SceneScript_bg505::EduardoEvents()
{
    // The whistle: he flies in only once Hilary has gone, and only once.
    _IfMatch(MatchExpr::MakeEvent6(ItemNamed("ITEM_WHISTLE"), ItemNamed("ITEM_EDUARDO")));
    Sound(EDUARDO, 0x7e77733a, 4500);
    Play(HEROINE, "decoy");
    Idle();
    _IfMatch(Both(IsFalse(VARBOOL_BG505_C09_EDUARDO_HERE), IsTrue(VARBOOL_BG505_C09_NOT_SO_GOOD)));
    Place(EDUARDO, WP_EDUARDO_FLIES_IN);
    ShowObject(EDUARDO, true);
    PushAnimAction(EDUARDO, "altarhouse_01", 0, 1);
    Play(EDUARDO, "altarhouseidle_02_l");
    Place(EDUARDO, WP_EDUARDO);
    Dialog(0xbcc1edb6);
    SetBoolVar(VARBOOL_BG505_C09_EDUARDO_HERE, true);
    _ElseMatch();
    Dialog(0xbcc1edb6);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg505::DoorAndAltarEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("door")));
    _IfBool(VARBOOL_BG505_C09_TAVRINE_FREE, 1);
    GoTo(HEROINE, WP_DOOR);
    _EndMatch();
    Dialog(0x829fb3a2);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("door")));
    _IfBool(VARBOOL_BG505_C09_TAVRINE_FREE, 1);
    GoTo(HEROINE, WP_DOOR);
    Dialog(0x6280864e);
    _ElseMatch();
    Dialog(NOTHING_TO_DO_DIALOG);
    _EndMatch();
    _EndMatch();

    _IfEvent(ScriptEvent_Object1(Object("altar")));
    _IfBool(VARBOOL_BG505_C09_TAVRINE_FREE, 1);
    GoTo(HEROINE, WP_ALTAR);
    Play(HEROINE, "g_lookup");
    Idle();
    _EndMatch();
    Dialog(0xc4f4afbf);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("altar")));
    _IfBool(VARBOOL_BG505_C09_TAVRINE_FREE, 1);
    GoTo(HEROINE, WP_ALTAR);
    Play(HEROINE, "g_lookup");
    Idle();
    _EndMatch();
    Dialog(NOTHING_TO_DO_DIALOG);
    _EndMatch();
}

void SceneScript_bg505::FirstSightOfTheTurtle()
{
    SetBoolVar(VARBOOL_BG505_C09_INT_AMBER_TURTLE, true);
    Dialog(AMBER_TURTLE_DIALOG);
    SetBoolVar(VARBOOL_BG505_C09_AMBER_TURTLE_CLOSEUP, true);
    GoToScene(ALTAR_HOUSE);
}

void SceneScript_bg505::AmberTurtleEvents()
{
    // The first look or use brings the islanders in: the scene restarts.
    _IfEvent(ScriptEvent_Object1(Object("amber_turtle")));
    _IfBool(VARBOOL_BG505_C09_AMBER_TURTLE_CLOSEUP, 0);
    FirstSightOfTheTurtle();
    _ElseMatch();
    Dialog(0x45438378);
    _EndMatch();
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("amber_turtle")));
    _IfBool(VARBOOL_BG505_C09_AMBER_TURTLE_CLOSEUP, 0);
    FirstSightOfTheTurtle();
    _ElseMatch();
    Dialog(0xaa006e8a);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg505::BodkinsEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("pair_of_bodkins")));
    Dialog(0x8c533a98);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("pair_of_bodkins")));
    Dialog(0xdf0fea45);
    _EndMatch();

    // A berry thrown onto the table lures Eduardo up onto the altar.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("pair_of_bodkins"), ItemNamed("ITEM_BERRIES")));
    _IfMatch(Both(IsTrue(VARBOOL_BG505_C09_EDUARDO_HERE), IsFalse(VARBOOL_BG505_C09_UNCLE_EDUARDO_ON_ALTAR)));
    GoTo(HEROINE, WP_CAPTIVE);
    PushHashAction23(Object("o_table"), TABLE_BERRY_LAID);
    Together();
    Sound(HEROINE, 0x052dab84, 1452);
    Play(HEROINE, "throwberry");
    Wait(Object("fx_berry"), 1600);
    ShowObject(Object("fx_berry"), true);
    PushHashAction23(Object("fx_berry"), BERRY_FLIES);
    Apart();
    PushHashAction23(Object("fx_berry"), BERRY_AT_REST);
    Idle();
    Dialog(0x3e4d2b56);
    Sound(EDUARDO, 0x771b8ba9, 462);
    PushAnimAction(EDUARDO, "altarhouse_03", 0, 1);
    Play(EDUARDO, "altarhouseidle_04_l");
    Place(EDUARDO, WP_EDUARDO_ON_THE_ALTAR);
    Play(EDUARDO, "altarhouse_05");
    ShowObject(Object("fx_berry"), false);
    Play(EDUARDO, "altarhouse_06");
    Play(EDUARDO, "altarhouseidle_04_l");
    SetBoolVar(VARBOOL_BG505_C09_UNCLE_EDUARDO_ON_ALTAR, true);
    _EndMatch();
    _EndMatch();

    // Eduardo at the bodkins: from the altar he pulls them and she is free.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("pair_of_bodkins"), ItemNamed("ITEM_EDUARDO")));
    _IfBool(VARBOOL_BG505_C09_EDUARDO_HERE, 1);
    Dialog(0xcd3b2a24);
    _IfBool(VARBOOL_BG505_C09_UNCLE_EDUARDO_ON_ALTAR, 1);
    SetBoolVar(VARBOOL_BG505_C09_TAVRINE_FREE, true);
    SetPlayingCharacter(HEROINE);
    SetBoolVar(VARBOOL_BG505_C09_UNCLE_EDUARDO_ON_ALTAR, false);
    GoToScene(ALTAR_HOUSE);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg505::ReleaseCallbacks()
{
    // Callback: Eduardo pulls the pins out of her trap.
    _IfEvent(OnCallback(0xce70ae92));
    PushAction21(HEROINE, FOOT_TRAP_BLOCKER, 0);
    GoTo(HEROINE, WP_CAPTIVE);
    Together();
    EffectSound(0x754508c2);
    PushAnimAction(EDUARDO, "altarhouse_07", 0, 1);
    Play(HEROINE, "altarhouse_07");
    Wait(Object("i_pins"), 1000);
    ShowObject(Object("i_pins"), false);
    Play(EDUARDO, "altarhouseidle_02_l");
    Play(HEROINE, "altarhouse_08_talk_l");
    Apart();
    _EndMatch();

    // Callback: she opens the trap and steps out of it.
    _IfEvent(OnCallback(0x00a6848b));
    Sound(HEROINE, 0x66ad4f08, 1122);
    Play(HEROINE, "openhandcuffs01");
    PushRemoveAttachment(HEROINE, AttachmentNamed("foot_trap_tavrine"));
    PushAnimAction(HEROINE, "openhandcuffs02", 0, 1);
    SetBoolVar(VARBOOL_QUEST_C9_ESCAPE_DONE, true);
    _EndMatch();
}

void SceneScript_bg505::PickUpEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("plank")));
    GoTo(HEROINE, WP_PLANK);
    Dialog(0x606ac419);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("plank")));
    GoTo(HEROINE, WP_PLANK);
    Dialog(0xc936757f);
    PickUp<Reach::Middle>(HEROINE, Object("i_plank"), ItemNamed("ITEM_PLANK"), false);
    SetBoolVar(VARBOOL_BG505_C09_PICK_PLANK, true);
    SetInteractive(Object("plank"), false);
    _EndMatch();

    // The chest holds the earrings: both are hers.
    _IfEvent(ScriptEvent_Object1(Object("solid_small_chest")));
    GoTo(HEROINE, WP_SOLID_SMALL_CHEST);
    Dialog(0x623ea8f9);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("solid_small_chest")));
    GoTo(HEROINE, WP_SOLID_SMALL_CHEST);
    Sound(HEROINE, 0x17d6fd8f, 1716);
    Play(HEROINE, "altarhouseopenchest01");
    PushHashAction23(Object("i_chest"), CHEST_OPENS);
    Play(HEROINE, "altarhouseopenchest02");
    Idle();
    Dialog(0xd07b9223);
    PickUp<Reach::Low>(HEROINE, Object("i_chest"), ItemNamed("ITEM_DIAMOND_EARRINGS"), false);
    Give(HEROINE, ItemNamed("ITEM_SOLID_SMALL_CHEST"));
    SetBoolVar(VARBOOL_QUEST_C5_FIND_JEWELS_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C9_JEWELS_02, true);
    SetBoolVar(VARBOOL_BG505_C09_PICK_SOLID_SMALL_CHEST, true);
    SetInteractive(Object("solid_small_chest"), false);
    _EndMatch();

    TakeShackles(Object("shackles_1"), Object("i_shackles_1"), WP_SHACKLES_1, 0x0009ae29,
                 VARBOOL_BG505_C09_PICK_SHACKLES, ItemNamed("ITEM_SHACKLE1"));
    TakeShackles(Object("shackles_2"), Object("i_shackles_2"), WP_SHACKLES_2, 0x1900ff93,
                 VARBOOL_BG505_C09_PICK_SHACKLE2, ItemNamed("ITEM_SHACKLE2"));
}

void SceneScript_bg505::TakeShackles(int32_t iShackles, int32_t iPicture, int32_t iWaypoint, uint32_t uSound,
                                     int32_t iTakenVar, uint32_t uItem)
{
    _IfEvent(ScriptEvent_Object1(iShackles));
    GoTo(HEROINE, iWaypoint);
    Dialog(SHACKLES_LOOK_DIALOG);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(iShackles));
    GoTo(HEROINE, iWaypoint);
    Dialog(SHACKLES_TAKE_DIALOG);
    Play(HEROINE, "g_pickobjectmiddle01");
    EffectSound(uSound);
    ShowObject(iPicture, false);
    Play(HEROINE, "g_pickobjectmiddle02");
    Idle();
    SetBoolVar(iTakenVar, true);
    Give(HEROINE, uItem);
    SetInteractive(iShackles, false);
    _EndMatch();
}

void SceneScript_bg505::StepOffTheChest()
{
    Sound(HEROINE, STEPS_OFF_THE_CHEST, 858);
    PushAnimAction(HEROINE, "downchest", 0, 1);
    Idle();
    Place(HEROINE, WP_POSTS);
    AddToQueue(HEROINE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
}

void SceneScript_bg505::PutTheChestOnThePosts(int32_t iPosts, bool bWithSound)
{
    // She sets the chest down between the posts and tries it as a step.
    _IfEvent(ScriptEvent_ItemOnObject3(iPosts, ItemNamed("ITEM_SOLID_SMALL_CHEST")));
    GoTo(HEROINE, WP_POSTS);
    Play(HEROINE, "g_leaveobjectlow01");
    if (bWithSound)
        EffectSound(0x5d037e78);
    PushHashAction23(Object("i_chest"), CHEST_ON_THE_POSTS);
    ShowObject(Object("i_chest"), true);
    Play(HEROINE, "g_leaveobjectlow02");
    AddToQueue(HEROINE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    PushAnimAction(HEROINE, "mountchest", 0, 1);
    Idle();
    Place(HEROINE, WP_ON_THE_CHEST);
    Dialog(0x7e9e95b1);
    StepOffTheChest();
    Take(HEROINE, ItemNamed("ITEM_SOLID_SMALL_CHEST"));
    SetBoolVar(VARBOOL_BG505_C09_USE_SOLID_SMALL_CHEST_ON_POSTS, true);
    _EndMatch();
}

void SceneScript_bg505::LayThePlank(int32_t iPosts)
{
    // The plank goes across the posts only from the chest.
    _IfEvent(ScriptEvent_ItemOnObject3(iPosts, ItemNamed("ITEM_PLANK")));
    GoTo(HEROINE, WP_POSTS);
    Dialog(PLANK_ON_POSTS_DIALOG);
    _IfBool(VARBOOL_BG505_C09_USE_SOLID_SMALL_CHEST_ON_POSTS, 1);
    Take(HEROINE, ItemNamed("ITEM_PLANK"));
    SetInteractive(Object("unstable_plank"), true);
    SetBoolVar(VARBOOL_BG505_C09_USE_PLANK_ON_POTS, true);
    SetInteractive(Object("posts"), false);
    SetInteractive(Object("posts_2"), false);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg505::PostsEvents()
{
    bool bWithSound = false;
    for (const int32_t iPosts : {Object("posts"), Object("posts_2")}) {
        LookAndActivate(iPosts, HEROINE, WP_POSTS, POSTS_LOOK_DIALOG, POSTS_USE_DIALOG);
        LayThePlank(iPosts);
        PutTheChestOnThePosts(iPosts, bWithSound);
        bWithSound = true;
    }

    // Callback: from the chest she lays the plank across the posts.
    _IfEvent(OnCallback(0x61181bce));
    AddToQueue(HEROINE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    Sound(HEROINE, 0x69ef950c, 1056);
    PushAnimAction(HEROINE, "mountchest", 0, 1);
    Idle();
    Place(HEROINE, WP_ON_THE_CHEST);
    Together();
    Play(HEROINE, "putplate");
    PushHashAction23(Object("i_plank"), PLANK_ON_THE_POSTS);
    Wait(Object("i_plank"), 1800);
    ShowObject(Object("i_plank"), true);
    Apart();
    StepOffTheChest();
    _EndMatch();
}

void SceneScript_bg505::ShackleOnThePlank(uint32_t uShackle)
{
    _IfEvent(ScriptEvent_ItemOnObject3(Object("unstable_plank"), uShackle));
    _IfMatch(BothShacklesOnTheStep());
    TurnToward(HEROINE, BRISCOE);
    TurnToward(BRISCOE, HEROINE);
    TurnToward(ALESSANDRO, HEROINE);
    Dialog(SHACKLE_DIALOG);
    Take(HEROINE, ItemNamed("ITEM_SHACKLE1"));
    Take(HEROINE, ItemNamed("ITEM_SHACKLE2"));
    TheStrip();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg505::PlankEvents()
{
    LookAndActivate(Object("unstable_plank"), HEROINE, WP_UNSTABLE_PLANK, 0xe3f39af3, 0xb0af4a2e);
    ShackleOnThePlank(ItemNamed("ITEM_SHACKLE1"));
    ShackleOnThePlank(ItemNamed("ITEM_SHACKLE2"));
    ShacklesOnTheStep(ScriptEvent_ItemOnObject3(Object("unstable_plank"), ItemNamed("ITEM_SHACKLES")), BRISCOE);
}

void SceneScript_bg505::ShelfEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("shells")));
    GoTo(HEROINE, WP_SHELLS);
    Play(HEROINE, "g_lookup");
    Idle();
    Dialog(0xf4d82c57);
    _EndMatch();
    WalkAndTalk(MatchExpr::MakeEvent0(Object("shells")), HEROINE, WP_SHELLS, 0x50a0b48b);
    LookAndActivate(Object("potion"), HEROINE, WP_POTION, 0x66294fe2, 0xc251d73e);
}

} // namespace

// Scene 46, bg505_TU_AltarHouseInterior.
REGISTER_SCENE_SCRIPT(bg505, 46);
