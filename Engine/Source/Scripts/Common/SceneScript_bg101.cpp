// The living room of the heroine's family house (scene 9,
// bg101_BO_CastilloLivingRoom). Chapter 1: the kid does three chores for her
// mother, who embroiders in her chair (the window, the three dust patches,
// the bucket), and once she has met her father the room shows the end of the
// chapter. Chapter 5: the grown heroine wakes here, haunted by her mother's
// spirit; the blanket in the toy chest and the flower picture free the room,
// and the door or a window leads on.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg101_9>;

constexpr ActorNamed<"tavrine_kid"> KID;
constexpr ActorNamed<"tavrine"> ADULT;
constexpr ActorNamed<"bonita_c_chair"> MOTHER_CHAIR;
constexpr ActorNamed<"bonita_c"> MOTHER;
constexpr ActorNamed<"alessandro_c"> FATHER;
constexpr ActorNamed<"bonita_spirit"> SPIRIT;
using KidAnimation = AnimationOf<"tavrine_kid">;

// The ectoplasm that seals door and windows, in the order it is shown.
constexpr Object ECTOPLASM_PICTURES[] = {"o_ectoplasm_right", "o_ectoplasm_left", "o_ectoplasm_front",
                                         "o_ectoplasm_bottom"};
// What chapter 5 hides of chapter 1, and what it makes inert.
constexpr Object CHAPTER_1_PICTURES[] = {"i_cloth",         "i_handbrush", "i_dustpan", "i_water_jug", "i_woodsword",
                                         "o_dirty_windows", "o_dust01",    "o_dust02",  "o_dust03",    "o_water"};
constexpr Object CHAPTER_1_HOTSPOTS[] = {"cloth",        "crossbow",     "brush",        "dustpan",      "water_jug",
                                         "dirty_window", "dust_patch_1", "dust_patch_2", "dust_patch_3", "water_bucket",
                                         "empty_bucket", "mr_patate",    "peglegs"};
// What chapter 1 hides and makes inert of chapter 5.
constexpr Object CHAPTER_5_PICTURES[] = {"i_small_blanket", "i_paint_brush", "i_paint_set"};
constexpr Object CHAPTER_5_HOTSPOTS[] = {"empty_bucket", "small_blanket",  "paint_brush",
                                         "paint_set",    "sheet_of_paper", "vase_of_flower"};

// Walk-mesh blockers: the paint set on the floor, the sealed room, the way
// out of the front door.
constexpr int32_t PAINT_SET_BLOCKER = 0;
constexpr int32_t ECTOPLASM_BLOCKER = 1;
constexpr int32_t DOOR_BLOCKER = 2;

// The kid's five sweeping animations, for a patch on the floor and for one
// on a shelf.
constexpr KidAnimation SWEEP_GROUND[] = {"sweepgrounddust01", "sweepgrounddust02", "sweepgrounddust03",
                                         "sweepgrounddust04", "sweepgrounddust05"};
constexpr KidAnimation SWEEP_SHELF[] = {"sweepshelfdust01", "sweepshelfdust02", "sweepshelfdust03", "sweepshelfdust04",
                                        "sweepshelfdust05"};

// The chapter-1 sweeping of one dust patch.
struct DustPatch {
    Object hotspot;
    Object picture;
    int32_t iVariable;
    int32_t iWaypoint;
    const KidAnimation* pSweep;
    int32_t iFadeMilliseconds;
    int32_t iSoundDelay;
};
constexpr DustPatch DUST_PATCHES[] = {
    {"dust_patch_1", "o_dust01", VARBOOL_BG101_C01_CLEAN_DUST_PATCH_1, 49, SWEEP_GROUND, 5000, 1584},
    {"dust_patch_2", "o_dust02", VARBOOL_BG101_C01_CLEAN_DUST_PATCH_2, 30, SWEEP_GROUND, 5000, 1584},
    // Patch 3 lies on a shelf.
    {"dust_patch_3", "o_dust03", VARBOOL_BG101_C01_CLEAN_DUST_PATCH_3, 31, SWEEP_SHELF, 4000, 1650},
};

// A thing the player looks at or takes: both walk to its waypoint, Look has
// its dialog, Activate its own steps.
struct Thing {
    Object hotspot;
    uint32_t uActor;
    int32_t iWaypoint;
    uint32_t uLookDialog;
    uint32_t uActivateDialog;
};

// A dialog callback on which the kid makes a gesture.
struct Gesture {
    uint32_t uCallback;
    KidAnimation animation;
};
constexpr Gesture KID_GESTURES[] = {
    {0xFCFD8825, "g_scratchhead"}, {0xA4F8E887, "g_scratchhead"}, {0xF1C4E746, "g_tapnonsense"},
    {0x415B1D13, "g_tapnonsense"}, {0xE4817246, "g_helpless"},    {0x90AAE448, "g_lookingaround"},
};

class SceneScript_bg101 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter1();
    void RestoreChapter1();
    void EndOfChapter1();
    void EnterChapter5();
    void RestoreChapter5();
    void DemonFace();

    void ChoresCheck();
    void WaterJugCheck();
    void AllChoresCheck();
    void SpiritCheck();
    void EscapeIfFreed();
    void Sweep(const DustPatch& oPatch);

    void MotherDoorAndChestEvents();
    void BucketEvents();
    void WindowEvents();
    void PickUpEvents();
    void DustPatchEvents();
    void ToyEvents();
    void SpiritEvents();
    void ChapterFiveEvents();
    void ChapterOneCallbacks();
    void ChapterFiveCallbacks();

    // Look and Activate of a thing that only talks.
    void LookAt(const Thing& oThing);
    void ActivateTalk(const Thing& oThing);
    // Look and Activate of a thing that is taken: Activate walks there, talks
    // when the thing has words for it, picks it up, notes it in the variable
    // and makes the hotspot inert.
    template <Reach REACH, FixedName ACTOR>
    void Takeable(ActorNamed<ACTOR> actor, const Thing& oThing, int32_t iPicture, uint32_t uItem, int32_t iVariable,
                  bool bItemFirst = true);
    // Look and Activate of the door or the windows: the kid's words in
    // chapter 1; in chapter 5 the heroine's, and the way out once the spirit
    // is freed.
    void WayOut(Object exit, int32_t iKidWaypoint, uint32_t uKidLook, uint32_t uKidActivate, int32_t iAdultWaypoint);
};

void SceneScript_bg101::LinkActorSets()
{
    LinkActorSet("chapter_1", Both(InChapter(1), IsFalse(VARBOOL_BG103_C01_SEE_ALESSANDRO)));
    LinkActorSet("chapter_1_end", Both(InChapter(1), IsTrue(VARBOOL_BG103_C01_SEE_ALESSANDRO)));
    LinkActorSet("chapter_5", InChapter(5));
}

void SceneScript_bg101::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg101_chapter_01"), InChapter(1));
    LinkSoundGroup(SoundGroupNamed("bg101_chapter_05"), InChapter(5));
    // The chapters without content of their own share a group without banks
    // and without a name.
    MatchExpr oOther = InChapter(2);
    for (int32_t iChapter : {3, 4, 6, 7, 8, 9, 10})
        oOther = MatchExpression(Op_Or, oOther, InChapter(iChapter));
    LinkSoundGroup(0x278785D8, oOther);
}

void SceneScript_bg101::BuildEnterActions()
{
    PlayMusic(0x0666EF79);
    PlayAmbience(0x2810A5E4);
    SetSceneDirection(6);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    for (Object picture : ECTOPLASM_PICTURES)
        ShowObject(picture, false);
    SetInteractive(Object("ectoplasm"), false);
    ShowObject(Object("fade_bonita_spirit"), false);
    ShowObject(Object("fade_tavrine_kid"), false);

    _IfMatch(InChapter(1));
    EnterChapter1();
    _EndMatch();
    _IfMatch(InChapter(5));
    EnterChapter5();
    _EndMatch();
}

void SceneScript_bg101::EnterChapter1()
{
    WalkOnly(KID, true);
    PushHashAction23(Object("o_chesttop"), 0xAF31B71C);
    PushHashAction23(Object("o_window"), 0x794C6D52);
    PushHashAction23(Object("o_water"), 0x2E27AC0F);
    PushHashAction23(Object("o_dirty_windows"), 0x46844E77);
    for (Object hotspot : CHAPTER_5_HOTSPOTS)
        SetInteractive(hotspot, false);
    for (Object picture : CHAPTER_5_PICTURES)
        ShowObject(picture, false);
    SetBoolVar(VARBOOL_BO_MAP_BG103, false);

    RestoreChapter1();
    Place(KID, 0);

    // The first visit: the mother wakes the sulking kid and asks for the chores.
    _IfBool(VARBOOL_BG101_C01_EVENT_FIRST_TIME, 0);
    Place(MOTHER_CHAIR, 6);
    Play(MOTHER_CHAIR, "embroiding01_l");
    Place(KID, 8);
    Play(KID, "slouching01_l");
    Dialog(0x824E3221);
    SetBoolVar(VARBOOL_QUEST_C1_CHORES, true);
    SetBoolVar(VARBOOL_BG101_C01_EVENT_FIRST_TIME, true);
    _EndMatch();

    _IfBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 1);
    EndOfChapter1();
    _ElseMatch();
    Place(MOTHER_CHAIR, 6);
    Play(MOTHER_CHAIR, "embroiding01_l");
    _EndMatch();

    // In from the house's front: the kid comes to the middle of the room.
    _IfMatch(CameFrom(10));
    Place(KID, 1);
    _IfBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 0);
    GoTo(KID, 2);
    ChoresCheck();
    _EndMatch();
    _EndMatch();

    PushAction21(KID, DOOR_BLOCKER, 1);
}

void SceneScript_bg101::RestoreChapter1()
{
    _IfBool(VARBOOL_BG101_C01_BUCKET_IS_FULL, 0);
    SetInteractive(Object("empty_bucket"), true);
    SetInteractive(Object("water_bucket"), false);
    ShowObject(Object("o_water"), false);
    _EndMatch();

    // The jug stays in sight once it is back in its place.
    _IfBool(VARBOOL_BG101_C01_PICK_WATER_JUG, 1);
    _IfBool(VARBOOL_BG101_C01_WATER_JUG_HERE, 0);
    ShowObject(Object("i_water_jug"), false);
    _EndMatch();
    SetInteractive(Object("water_jug"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C01_PICK_CLOTH, 1);
    ShowObject(Object("i_cloth"), false);
    SetInteractive(Object("cloth"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C01_PICK_WOODEN_SWORD, 1);
    ShowObject(Object("i_woodsword"), false);
    PushHashAction23(Object("o_chesttop"), 0x619006D5);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C01_PICK_DUSTPAN, 1);
    ShowObject(Object("i_dustpan"), false);
    SetInteractive(Object("dustpan"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C01_PICK_BRUSH, 1);
    ShowObject(Object("i_handbrush"), false);
    SetInteractive(Object("brush"), false);
    _EndMatch();

    for (const DustPatch& oPatch : DUST_PATCHES) {
        _IfBool(oPatch.iVariable, 1);
        ShowObject(oPatch.picture, false);
        SetInteractive(oPatch.hotspot, false);
        _EndMatch();
    }

    _IfBool(VARBOOL_BG101_C01_WINDOWS_IS_CLEAN, 1);
    ShowObject(Object("o_dirty_windows"), false);
    SetInteractive(Object("dirty_window"), false);
    _ElseMatch();
    SetInteractive(Object("windows"), false);
    _EndMatch();
}

void SceneScript_bg101::EndOfChapter1()
{
    // The kid climbs in by the window, where her father and mother wait.
    PushHashAction23(Object("o_window"), 0xC90BFFFA);
    Place(MOTHER, 6);
    Place(FATHER, 5);
    Place(KID, 3);
    Play(MOTHER, "g_talk_l");
    Play(FATHER, "g_talk_l");
    EffectSound(0x7A454EAA);
    PushAnimAction(KID, "enterwindow01", 0, 1);
    Play(KID, "enterwindow02_l");
    Dialog(0x4E9FC076);
    Play(FATHER, "g_idle_l");
    SetBoolVar(VARBOOL_QUEST_C1_HOME03_DONE, true);
    WalkOnly(KID, false);
    GoTo(KID, 12);
    TurnToward(FATHER, KID);
    Play(KID, "benchcrying01");
    Play(KID, "benchcrying02_l");
    Dialog(0x4E9FC076);
    FadeOut(9000);
    GoToScene(61); // bg993_Loading_placeholder
}

void SceneScript_bg101::EnterChapter5()
{
    for (Object picture : CHAPTER_1_PICTURES)
        ShowObject(picture, false);
    for (Object hotspot : CHAPTER_1_HOTSPOTS)
        SetInteractive(hotspot, false);

    PushHashAction23(Object("o_chesttop"), 0xAF31B71C);
    PushHashAction23(Object("o_window"), 0x794C6D52);
    PushHashAction23(Object("i_small_blanket"), 0x97E5F9A5);
    PushAction21(ADULT, PAINT_SET_BLOCKER, 1);
    WalkOnly(ADULT, true);
    PushAction21(ADULT, DOOR_BLOCKER, 1);

    RestoreChapter5();
    Place(ADULT, 14);
    Place(KID, 21);
    Place(SPIRIT, 16);

    _IfMatch(Both(IsTrue(VARBOOL_BG101_C05_INT_DOOR_WONDOWS), IsFalse(VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES_DONE)));
    for (Object picture : ECTOPLASM_PICTURES)
        ShowObject(picture, true);
    SetInteractive(Object("ectoplasm"), true);
    PushAction21(ADULT, ECTOPLASM_BLOCKER, 1);
    _EndMatch();

    // The first wake-up: the kid shakes the heroine awake.
    _IfBool(VARBOOL_BG101_C05_EVENT_WAKE_UP, 0);
    Place(KID, 15);
    Play(ADULT, "lexorciste_04_idle_l");
    Play(KID, "shakecorpse_idle_l");
    EffectSound(0x45B4AC6C);
    Dialog(0xB899B360);
    SetBoolVar(VARBOOL_BG101_C05_EVENT_WAKE_UP, true);
    _EndMatch();

    // Back from the movie of the spirit's demon face (512 + movie 18).
    _IfMatch(CameFrom(530));
    DemonFace();
    _EndMatch();
}

void SceneScript_bg101::RestoreChapter5()
{
    _IfBool(VARBOOL_BG101_C05_PICK_PAINT_BRUSH, 1);
    ShowObject(Object("i_paint_brush"), false);
    SetInteractive(Object("paint_brush"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C05_PICK_PAINT_SET, 1);
    ShowObject(Object("i_paint_set"), false);
    SetInteractive(Object("paint_set"), false);
    PushAction21(ADULT, PAINT_SET_BLOCKER, 0);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C05_PICK_SMALL_BLANKET, 1);
    ShowObject(Object("i_small_blanket"), false);
    SetInteractive(Object("small_blanket"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C05_USE_SMALL_BLANKET_ON_DRAWER, 1);
    ShowObject(Object("i_small_blanket"), true);
    PushHashAction23(Object("i_small_blanket"), 0x8E3BB753);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C05_PICK_SHEET_OF_PAPER, 1);
    SetInteractive(Object("sheet_of_paper"), false);
    _EndMatch();

    _IfBool(VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES_DONE, 1);
    ShowObject(SPIRIT, false);
    SetInteractive(SPIRIT, false);
    _EndMatch();
}

void SceneScript_bg101::DemonFace()
{
    Place(ADULT, 17);
    TurnToward(KID, ADULT, 0);
    Together();
    Play(ADULT, "spirit_threatening_02_idle_l");
    Sound(SPIRIT, 0x6CF475F0, 858);
    Play(SPIRIT, "threatening01");
    Play(SPIRIT, "threatening02_l");
    Apart();
    Play(ADULT, "spirit_threatening_02_idle_l");
    Play(SPIRIT, "threatening03");
    Play(SPIRIT, "idle_l");
    Dialog(0xAA2912A0);
    Play(ADULT, "spirit_threatening_03");
    Play(ADULT, "g_idle_l");
    SetBoolVar(VARBOOL_BG101_C05_EVENT_BONITA_DEMON_FACE, true);
}

void SceneScript_bg101::BuildExitEvents()
{
    // Activate "goto_bg102": out to the house's front once the mother lets
    // the kid go; in chapter 5 the door is tried, and opens once the spirit
    // is freed.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg102")));
    _IfMatch(InChapter(1));
    WalkTo(KID, 33);
    SetBoolVar(VARBOOL_BG101_C01_EXIT_BG102, true);
    // The dialog clears the variable when the kid must stay.
    Dialog(0x183827FC);
    _IfBool(VARBOOL_BG101_C01_EXIT_BG102, 1);
    SetBoolVar(VARBOOL_BG101_C01_EXIT_BG102, false);
    PushAction21(KID, DOOR_BLOCKER, 0);
    GoTo(KID, 7);
    GoToScene(10); // bg102_BO_CastilloHouseExterior
    _EndMatch();
    _EndMatch();
    _IfMatch(InChapter(5));
    GoTo(ADULT, 23);
    Dialog(0x2DF2938B);
    EscapeIfFreed();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg101::EscapeIfFreed()
{
    _IfBool(VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES_DONE, 1);
    TurnToward(ADULT, KID);
    TurnToward(KID, ADULT);
    Dialog(0x001CE2B2);
    SetBoolVar(VARBOOL_QUEST_C5_ESCAPE_ROOM_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C5_THE_SIGN, true);
    Play(ADULT, "staggers");
    GoToScene(21); // bg113_BO_CastilloLivingRoom_A
    _EndMatch();
}

void SceneScript_bg101::ChoresCheck()
{
    _IfMatch(Both(Both(IsTrue(VARBOOL_BG101_C01_WINDOWS_IS_CLEAN), IsTrue(VARBOOL_BG101_C01_CLEAN_ALL_DUST_PATCH)),
                  IsFalse(VARBOOL_QUEST_C1_CHORES_DONE)));
    Dialog(0x2830862F);
    SetBoolVar(VARBOOL_QUEST_C1_CHORES_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C1_PLAY01, true);
    NoEffect(1);
    _EndMatch();
    WaterJugCheck();
}

void SceneScript_bg101::WaterJugCheck()
{
    // The jug, filled again outside, goes back to its place.
    _IfMatch(Both(Both(IsTrue(VARBOOL_BG101_C01_BUCKET_IS_FULL), IsTrue(VARBOOL_BG102_C01_WATER_JUG_IS_FULL)),
                  IsFalse(VARBOOL_BG101_C01_WATER_JUG_HERE)));
    GoTo(KID, 26);
    Play(KID, "g_leaveobjectmiddle01");
    ShowObject(Object("i_water_jug"), true);
    Take(KID, ItemNamed("ITEM_FILLED_WATER_JUG"));
    Play(KID, "g_leaveobjectmiddle02");
    Play(KID, "g_idle_l");
    SetBoolVar(VARBOOL_BG101_C01_WATER_JUG_HERE, true);
    NoEffect(2);
    _EndMatch();
    AllChoresCheck();
}

void SceneScript_bg101::AllChoresCheck()
{
    _IfMatch(Both(Both(IsTrue(VARBOOL_BG101_C01_WATER_JUG_HERE), IsTrue(VARBOOL_BG102_C01_CLEAN_DUSTPAN)),
                  IsFalse(VARBOOL_BG101_C01_EVENT_ALL_CHORES)));
    TurnToward(KID, MOTHER_CHAIR);
    Dialog(0x40A76A12);
    SetBoolVar(VARBOOL_BG101_C01_EVENT_ALL_CHORES, true);
    _EndMatch();
}

void SceneScript_bg101::SpiritCheck()
{
    _IfMatch(Both(IsTrue(VARBOOL_BG101_C05_USE_SMALL_BLANKET_ON_DRAWER),
                  IsTrue(VARBOOL_BG101_C05_USE_FLOWER_PICTURE_ON_BONITA_SPIRIT)));
    Dialog(0xDBD55C0A);
    Together();
    _IfBool(VARBOOL_BG101_C05_INT_DOOR_WONDOWS, 1);
    EffectSound(0x33DEF110);
    for (Object picture : ECTOPLASM_PICTURES) {
        PushAction60(picture, 2000, 0);
        Wait(picture, 2000);
        ShowObject(picture, false);
    }
    _EndMatch();
    Wait(Object("fade_bonita_spirit"), 2000);
    PushAction60(Object("fade_bonita_spirit"), 1000, 1);
    Wait(SPIRIT, 3000);
    ShowObject(SPIRIT, false);
    Apart();
    Wait(Object("fade_bonita_spirit"), 1000);
    PushAction60(Object("fade_bonita_spirit"), 500, 0);
    SetInteractive(SPIRIT, false);
    SetBoolVar(VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES_DONE, true);
    SetInteractive(Object("ectoplasm"), false);
    _EndMatch();
}

void SceneScript_bg101::Sweep(const DustPatch& oPatch)
{
    GoTo(KID, oPatch.iWaypoint);
    SetBoolVar(oPatch.iVariable, true);
    Play(KID, oPatch.pSweep[0]);
    PushAddAttachment(KID, AttachmentNamed("brush"), BONE_RIGHT_HAND);
    PushAddAttachment(KID, AttachmentNamed("dustpan"), BONE_LEFT_HAND);
    Together();
    Wait(oPatch.picture, 2500);
    PushAction60(oPatch.picture, oPatch.iFadeMilliseconds, 0);
    Sound(KID, 0x56FBF5AE, oPatch.iSoundDelay);
    Play(KID, oPatch.pSweep[1]);
    Apart();
    Play(KID, oPatch.pSweep[2]);
    ShowObject(oPatch.picture, false);
    Play(KID, oPatch.pSweep[3]);
    PushRemoveAttachment(KID, AttachmentNamed("brush"));
    PushRemoveAttachment(KID, AttachmentNamed("dustpan"));
    Play(KID, oPatch.pSweep[4]);
    Play(KID, "g_idle_l");
    // The dialog tells whether the last patch is swept.
    Dialog(0x33A6DCA9);
    // The last patch fills the dustpan: nothing else makes the full dustpan
    // that the barrel outside takes, and the house chores would never end.
    _IfMatch(Both(Both(IsTrue(VARBOOL_BG101_C01_CLEAN_ALL_DUST_PATCH), IsFalse(VARBOOL_BG101_C01_DUSTPAN_IS_FULL)),
                  IsFalse(VARBOOL_BG102_C01_CLEAN_DUSTPAN)));
    Take(KID, ItemNamed("ITEM_DUSTPAN_AND_BRUSH"));
    Give(KID, ItemNamed("ITEM_DUSTPAN_BRUSH_FULL"));
    SetBoolVar(VARBOOL_BG101_C01_DUSTPAN_IS_FULL, true);
    _EndMatch();
    SetInteractive(oPatch.hotspot, false);
    ChoresCheck();
}

void SceneScript_bg101::LookAt(const Thing& oThing)
{
    WalkAndTalk(ScriptEvent_Object1(oThing.hotspot), oThing.uActor, oThing.iWaypoint, oThing.uLookDialog);
}

void SceneScript_bg101::ActivateTalk(const Thing& oThing)
{
    WalkAndTalk(MatchExpr::MakeEvent0(oThing.hotspot), oThing.uActor, oThing.iWaypoint, oThing.uActivateDialog);
}

template <Reach REACH, FixedName ACTOR>
void SceneScript_bg101::Takeable(ActorNamed<ACTOR> actor, const Thing& oThing, int32_t iPicture, uint32_t uItem,
                                 int32_t iVariable, bool bItemFirst)
{
    LookAt(oThing);
    _IfMatch(MatchExpr::MakeEvent0(oThing.hotspot));
    GoTo(actor, oThing.iWaypoint);
    if (oThing.uActivateDialog != 0)
        Dialog(oThing.uActivateDialog);
    PickUp<REACH>(actor, iPicture, uItem, bItemFirst);
    SetBoolVar(iVariable, true);
    SetInteractive(oThing.hotspot, false);
    _EndMatch();
}

void SceneScript_bg101::WayOut(Object exit, int32_t iKidWaypoint, uint32_t uKidLook, uint32_t uKidActivate,
                               int32_t iAdultWaypoint)
{
    _IfEvent(ScriptEvent_Object1(exit));
    _IfMatch(InChapter(1));
    GoTo(KID, iKidWaypoint);
    Dialog(uKidLook);
    _EndMatch();
    _IfMatch(InChapter(5));
    GoTo(ADULT, iAdultWaypoint);
    Dialog(0x56AF9EEF);
    _EndMatch();
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(exit));
    _IfMatch(InChapter(1));
    GoTo(KID, iKidWaypoint);
    Dialog(uKidActivate);
    _EndMatch();
    _IfMatch(InChapter(5));
    GoTo(ADULT, iAdultWaypoint);
    Dialog(0x2DF2938B);
    EscapeIfFreed();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg101::BuildEvents()
{
    MotherDoorAndChestEvents();
    BucketEvents();
    WindowEvents();
    PickUpEvents();
    DustPatchEvents();
    ToyEvents();
    SpiritEvents();
    ChapterFiveEvents();
    ChapterOneCallbacks();
    ChapterFiveCallbacks();
}

void SceneScript_bg101::MotherDoorAndChestEvents()
{
    // Look "bonita_c_chair": the kid looks at her mother.
    _IfEvent(ScriptEvent_FlaggedId1(MOTHER_CHAIR));
    GoTo(KID, 9);
    Dialog(0xE12A37C5);
    _EndMatch();

    // Talk "bonita_c_chair": the chores, and what she thinks of them.
    _IfEvent(ScriptEvent_FlaggedId2(MOTHER_CHAIR));
    GoTo(KID, 9);
    Play(KID, "g_talk_l");
    Dialog(0xD25B1E3D);
    Play(KID, "g_idle_l");
    _EndMatch();

    // Look and Activate "bedroom_door".
    WayOut("bedroom_door", 25, 0x636DD0F7, 0x29C928BB, 19);

    // Look "toys_chest".
    _IfEvent(ScriptEvent_Object1(Object("toys_chest")));
    _IfMatch(InChapter(1));
    GoTo(KID, 45);
    _ElseMatch();
    GoTo(ADULT, 18);
    _EndMatch();
    Dialog(0x2364F97B);
    _EndMatch();

    // Activate "toys_chest": the kid opens it and takes the wooden sword.
    _IfMatch(MatchExpr::MakeEvent0(Object("toys_chest")));
    _IfMatch(InChapter(1));
    GoTo(KID, 45);
    _IfBool(VARBOOL_BG101_C01_PICK_WOODEN_SWORD, 0);
    Play(KID, "openchest01");
    EffectSound(0x692B01FF);
    PushHashAction23(Object("o_chesttop"), 0x619006D5);
    Play(KID, "openchest02");
    Play(KID, "g_idle_l");
    _EndMatch();
    Dialog(0xCF4233B1);
    _IfBool(VARBOOL_BG101_C01_PICK_WOODEN_SWORD, 0);
    PickUp<Reach::MiddleLow>(KID, Object("i_woodsword"), ItemNamed("ITEM_WOODEN_SWORD"));
    SetBoolVar(VARBOOL_BG101_C01_PICK_WOODEN_SWORD, true);
    _EndMatch();
    _ElseMatch();
    GoTo(ADULT, 18);
    Dialog(0xCF4233B1);
    _EndMatch();
    _EndMatch();

    // UseItem "toys_chest" with the small blanket: one of the spirit's wishes.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("toys_chest"), ItemNamed("ITEM_SMALL_BLANKET")));
    GoTo(ADULT, 18);
    Dialog(0xC38E574C);
    SetBoolVar(VARBOOL_BG101_C05_USE_SMALL_BLANKET_ON_DRAWER, true);
    SpiritCheck();
    _EndMatch();
}

void SceneScript_bg101::BucketEvents()
{
    // Look and Activate "empty_bucket".
    const Thing oEmpty {"empty_bucket", KID, 47, 0x8165C61C, 0x7572E551};
    LookAt(oEmpty);
    ActivateTalk(oEmpty);

    // UseItem "empty_bucket" with the filled jug: the bucket is filled and the
    // empty jug kept.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("empty_bucket"), ItemNamed("ITEM_FILLED_WATER_JUG")));
    GoTo(KID, 47);
    Play(KID, "fillbucketfromjug01");
    PushAddAttachment(KID, AttachmentNamed("water_jug"), BONE_RIGHT_HAND);
    Together();
    Wait(Object("o_water"), 1500);
    ShowObject(Object("o_water"), true);
    PushHashAction23(Object("o_water"), 0x5F2C1D75);
    Sound(KID, 0x79AD3B64, 990);
    Play(KID, "fillbucketfromjug02");
    PushHashAction23(Object("o_water"), 0x2E27AC0F);
    Apart();
    Take(KID, ItemNamed("ITEM_FILLED_WATER_JUG"));
    Give(KID, ItemNamed("ITEM_WATER_JUG"));
    PushRemoveAttachment(KID, AttachmentNamed("water_jug"));
    Play(KID, "fillbucketfromjug03");
    Play(KID, "g_idle_l");
    Dialog(0xE6613DF7);
    SetInteractive(Object("water_bucket"), true);
    SetBoolVar(VARBOOL_BG101_C01_BUCKET_IS_FULL, true);
    SetBoolVar(VARBOOL_BG102_C01_WATER_JUG_IS_FULL, false);
    SetInteractive(Object("empty_bucket"), false);
    _EndMatch();

    // UseItem "empty_bucket" with the dry cloth.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("empty_bucket"), ItemNamed("ITEM_DRY_CLOTH")));
    GoTo(KID, 47);
    Dialog(0xE4426B4D);
    _EndMatch();

    // Look and Activate "water_bucket".
    const Thing oFull {"water_bucket", KID, 48, 0x8165C61C, 0x7572E551};
    LookAt(oFull);
    ActivateTalk(oFull);

    // UseItem "water_bucket" with the filled jug: it is full already.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("water_bucket"), ItemNamed("ITEM_FILLED_WATER_JUG")));
    GoTo(KID, 48);
    Dialog(0xE6613DF7);
    _EndMatch();

    // UseItem "water_bucket" with the dry cloth: the cloth is wetted.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("water_bucket"), ItemNamed("ITEM_DRY_CLOTH")));
    GoTo(KID, 48);
    Dialog(0xE4426B4D);
    Play(KID, "dipcloth01");
    PushAddAttachment(KID, AttachmentNamed("cloth"), BONE_RIGHT_HAND);
    Together();
    Sound(KID, 0x55AF67B5, 1056);
    Play(KID, "dipcloth02");
    Apart();
    PushRemoveAttachment(KID, AttachmentNamed("cloth"));
    Play(KID, "dipcloth03");
    Play(KID, "g_idle_l");
    Take(KID, ItemNamed("ITEM_DRY_CLOTH"));
    Give(KID, ItemNamed("ITEM_WET_CLOTH"));
    _EndMatch();
}

void SceneScript_bg101::WindowEvents()
{
    // Look and Activate "dirty_window".
    const Thing oDirty {"dirty_window", KID, 24, 0xF35BA531, 0xFBC28F3F};
    LookAt(oDirty);
    ActivateTalk(oDirty);

    // UseItem "dirty_window" with the dry cloth.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("dirty_window"), ItemNamed("ITEM_DRY_CLOTH")));
    GoTo(KID, 24);
    Dialog(0x8A88CCE0);
    _EndMatch();

    // UseItem "dirty_window" with the wet cloth: the window is washed.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("dirty_window"), ItemNamed("ITEM_WET_CLOTH")));
    GoTo(KID, 24);
    Together();
    Wait(Object("o_dirty_windows"), 1856);
    PushHashAction23(Object("o_dirty_windows"), 0x197D3664);
    Play(KID, "windowwash01");
    PushAddAttachment(KID, AttachmentNamed("cloth"), BONE_RIGHT_HAND);
    Sound(KID, 0x0E89E683, 1122);
    Play(KID, "windowwash02");
    PushRemoveAttachment(KID, AttachmentNamed("cloth"));
    Play(KID, "windowwash03");
    Apart();
    ShowObject(Object("o_dirty_windows"), false);
    TurnToward(KID, MOTHER_CHAIR);
    Together();
    Sound(KID, 0x34FEB5D7, 528);
    Wait(KID, 120);
    Play(KID, "g_victoryfist");
    Apart();
    Play(KID, "g_idle_l");
    // The dialog marks the window clean.
    Dialog(0x859879AC);
    SetInteractive(Object("windows"), true);
    SetInteractive(Object("dirty_window"), false);
    ChoresCheck();
    _EndMatch();

    // Look and Activate "windows".
    WayOut("windows", 24, 0xF35BA531, 0xFBC28F3F, 24);
}

void SceneScript_bg101::PickUpEvents()
{
    // "water_jug": the empty jug, taken to be filled outside.
    Takeable<Reach::Middle>(KID, {"water_jug", KID, 26, 0x9B6824E0, 0xDE50C821}, Object("i_water_jug"),
                            ItemNamed("ITEM_WATER_JUG"), VARBOOL_BG101_C01_PICK_WATER_JUG, false);

    // UseItem "water_jug" with the dry cloth.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("water_jug"), ItemNamed("ITEM_DRY_CLOTH")));
    GoTo(KID, 26);
    Dialog(0x37257091);
    _EndMatch();

    // "cloth".
    Takeable<Reach::Middle>(KID, {"cloth", KID, 27, 0x7E3A1B44, 0xBDAC0752}, Object("i_cloth"),
                            ItemNamed("ITEM_DRY_CLOTH"), VARBOOL_BG101_C01_PICK_CLOTH);

    // "dustpan".
    Takeable<Reach::Low>(KID, {"dustpan", KID, 28, 0x71F4D86D, 0}, Object("i_dustpan"), ItemNamed("ITEM_DUSTPAN"),
                         VARBOOL_BG101_C01_PICK_DUSTPAN);

    // "brush".
    Takeable<Reach::Low>(KID, {"brush", KID, 29, 0xAD6CA239, 0}, Object("i_handbrush"), ItemNamed("ITEM_BRUSH"),
                         VARBOOL_BG101_C01_PICK_BRUSH);
}

void SceneScript_bg101::DustPatchEvents()
{
    // Look and Activate each patch.
    for (const DustPatch& oPatch : DUST_PATCHES) {
        const Thing oThing {oPatch.hotspot, KID, oPatch.iWaypoint, 0x702CB7BB, 0x9C0A7D71};
        LookAt(oThing);
        ActivateTalk(oThing);
    }
    // The dustpan or the brush alone will not do.
    for (const DustPatch& oPatch : DUST_PATCHES) {
        _IfEvent(ScriptEvent_ItemOnObject3(oPatch.hotspot, ItemNamed("ITEM_DUSTPAN")));
        GoTo(KID, oPatch.iWaypoint);
        Dialog(0x7A9C4C98);
        _EndMatch();
        _IfEvent(ScriptEvent_ItemOnObject3(oPatch.hotspot, ItemNamed("ITEM_BRUSH")));
        GoTo(KID, oPatch.iWaypoint);
        Dialog(0x6F6ACBDD);
        _EndMatch();
    }
    // Both together sweep it.
    for (const DustPatch& oPatch : DUST_PATCHES) {
        _IfEvent(ScriptEvent_ItemOnObject3(oPatch.hotspot, ItemNamed("ITEM_DUSTPAN_AND_BRUSH")));
        Sweep(oPatch);
        _EndMatch();
    }
}

void SceneScript_bg101::ToyEvents()
{
    // Look and Activate "crossbow": Activate has the mother look up from her
    // embroidery.
    LookAt({"crossbow", KID, 32, 0x14C1CB76, 0});
    _IfMatch(MatchExpr::MakeEvent0(Object("crossbow")));
    GoTo(KID, 32);
    PushAnimAction13(MOTHER_CHAIR, "embroiding03", 0);
    Play(MOTHER_CHAIR, "embroiding02_l");
    TurnToward(KID, MOTHER_CHAIR);
    Play(KID, "g_idle_l");
    Dialog(0xF3717F5B);
    PushAnimAction13(MOTHER_CHAIR, "embroiding04", 0);
    Play(MOTHER_CHAIR, "embroiding01_l");
    _EndMatch();

    // Look and Activate "mr_patate" and "peglegs": the kid's toys.
    for (const Thing& oToy :
         {Thing {"mr_patate", KID, 67, 0x7A329E06, 0x5736D587}, Thing {"peglegs", KID, 68, 0xCECF86DD, 0xC656ACD3}}) {
        LookAt(oToy);
        ActivateTalk(oToy);
    }
}

void SceneScript_bg101::SpiritEvents()
{
    // Look and Talk "bonita_spirit": the heroine keeps her distance until
    // she has spoken with the spirit.
    const auto approach = [this] {
        _IfBool(VARBOOL_BG101_C05_TALK_BONITA_SPIRIT, 0);
        GoTo(ADULT, 17);
        _ElseMatch();
        GoTo(ADULT, 22);
        _EndMatch();
    };
    _IfEvent(ScriptEvent_FlaggedId1(SPIRIT));
    approach();
    Dialog(0xFB37ACD0);
    _EndMatch();

    _IfEvent(ScriptEvent_FlaggedId2(SPIRIT));
    approach();
    // The dialog notes the talk; the demon face shows only once.
    Dialog(0xAA2912A0);
    _IfMatch(Both(IsTrue(VARBOOL_BG101_C05_TALK_BONITA_SPIRIT), IsFalse(VARBOOL_BG101_C05_EVENT_BONITA_DEMON_FACE)));
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(18)); // MOVIE_STRIP11
    _EndMatch();
    _EndMatch();

    // UseItem "bonita_spirit" with the flower picture: the other wish.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(SPIRIT, ItemNamed("ITEM_FLOWER_PICTURE")));
    GoTo(ADULT, 22);
    Take(ADULT, ItemNamed("ITEM_FLOWER_PICTURE"));
    Dialog(0xF6E21D18);
    SetBoolVar(VARBOOL_BG101_C05_USE_FLOWER_PICTURE_ON_BONITA_SPIRIT, true);
    SpiritCheck();
    _EndMatch();
}

void SceneScript_bg101::ChapterFiveEvents()
{
    // Look "tavrine_kid": only in chapter 5, when both are in the room.
    _IfEvent(ScriptEvent_FlaggedId1(KID));
    _IfMatch(InChapter(5));
    WalkTo(ADULT, 14);
    TurnToward(ADULT, KID);
    Dialog(0x02362BB4);
    _EndMatch();
    _EndMatch();

    // Talk "tavrine_kid".
    _IfEvent(ScriptEvent_FlaggedId2(KID));
    _IfMatch(InChapter(5));
    WalkTo(ADULT, 14);
    TurnToward(ADULT, KID);
    TurnToward(KID, ADULT);
    Dialog(0x532895C4);
    _EndMatch();
    _EndMatch();

    // "small_blanket": the blanket the spirit wants in the chest.
    Takeable<Reach::Low>(ADULT, {"small_blanket", ADULT, 52, 0xFEF9ADDA, 0x81D90499}, Object("i_small_blanket"),
                         ItemNamed("ITEM_SMALL_BLANKET"), VARBOOL_BG101_C05_PICK_SMALL_BLANKET);

    // Look and Activate "ectoplasm".
    const Thing oEctoplasm {"ectoplasm", ADULT, 53, 0x78566064, 0x3D6E8CA5};
    LookAt(oEctoplasm);
    ActivateTalk(oEctoplasm);

    // "paint_brush".
    Takeable<Reach::High>(ADULT, {"paint_brush", ADULT, 54, 0x323EC430, 0}, Object("i_paint_brush"),
                          ItemNamed("ITEM_PAINT_BRUSH"), VARBOOL_BG101_C05_PICK_PAINT_BRUSH);

    // "paint_set": once it is taken, the floor under it is free.
    LookAt({"paint_set", ADULT, 55, 0xC10C7A34, 0});
    _IfMatch(MatchExpr::MakeEvent0(Object("paint_set")));
    GoTo(ADULT, 55);
    PickUp<Reach::Low>(ADULT, Object("i_paint_set"), ItemNamed("ITEM_PAINT_SET"));
    SetBoolVar(VARBOOL_BG101_C05_PICK_PAINT_SET, true);
    PushAction21(ADULT, PAINT_SET_BLOCKER, 0);
    SetInteractive(Object("paint_set"), false);
    _EndMatch();

    // "sheet_of_paper": no picture of its own.
    Takeable<Reach::Middle>(ADULT, {"sheet_of_paper", ADULT, 56, 0x9F72C8BF, 0}, ID_SCRIPTABLE_INVALID,
                            ItemNamed("ITEM_SHEET_OF_PAPER"), VARBOOL_BG101_C05_PICK_SHEET_OF_PAPER);

    // Look "vase_of_flower": the heroine smells the flowers.
    _IfEvent(ScriptEvent_Object1(Object("vase_of_flower")));
    GoTo(ADULT, 57);
    Play(ADULT, "smellsflowers");
    Play(ADULT, "g_idle_l");
    Dialog(0xA211D7F0);
    _EndMatch();
    ActivateTalk({"vase_of_flower", ADULT, 57, 0, 0x4DBBE773});
}

void SceneScript_bg101::ChapterOneCallbacks()
{
    // The kid slouches, with a sigh.
    _IfEvent(OnCallback(0x65F4D99F));
    Together();
    Sound(KID, 0x71F86086, 792);
    Play(KID, "slouching02");
    Play(KID, "g_idle_l");
    Apart();
    _EndMatch();

    // The kid's gestures while she talks.
    for (const Gesture& oGesture : KID_GESTURES)
        PlayGesture(OnCallback(oGesture.uCallback), KID, oGesture.animation, "g_idle_l");

    // The kid climbs in through the window and comes to her parents.
    _IfEvent(OnCallback(0xBCA25C2E));
    Play(MOTHER, "g_idle_l");
    Play(FATHER, "g_idle_l");
    Together();
    Sound(KID, 0x634C1F10, 660);
    PushAnimAction(KID, "enterwindow03", 0, 1);
    Sound(KID, 0x634C1F10, 1122);
    PushAnimAction(KID, "enterwindow04", 0, 1);
    Apart();
    Play(KID, "g_idle_l");
    GoTo(KID, 4);
    Play(KID, "g_talk_l");
    _EndMatch();

    // The father talks.
    _IfEvent(OnCallback(0x52AC3D02));
    Play(KID, "g_idle_l");
    Play(FATHER, "g_talk_l");
    _EndMatch();

    // The hug.
    _IfEvent(OnCallback(0xCCC8A8A1));
    Together();
    PushAnimAction(KID, "hugfather", 0, 1);
    PushAnimAction(FATHER, "swordgift05", 0, 1);
    Play(KID, "g_idle_l");
    Play(FATHER, "g_talk_l");
    Apart();
    _EndMatch();

    // The kid faces her mother.
    _IfEvent(OnCallback(0x56BB020B));
    TurnToward(KID, MOTHER_CHAIR);
    _EndMatch();

    // The mother looks up from her embroidery, and goes back to it.
    _IfEvent(OnCallback(0xEF72706C));
    PushAnimAction13(MOTHER_CHAIR, "embroiding03", 0);
    Play(MOTHER_CHAIR, "embroiding02_l");
    _EndMatch();
    _IfEvent(OnCallback(0x9E660E0A));
    PushAnimAction13(MOTHER_CHAIR, "embroiding04", 0);
    Play(MOTHER_CHAIR, "embroiding01_l");
    _EndMatch();
}

void SceneScript_bg101::ChapterFiveCallbacks()
{
    // The heroine comes to; the kid steps back.
    _IfEvent(OnCallback(0xCBD740BF));
    Place(ADULT, 14);
    Together();
    PushAnimAction(KID, "recovers", 0, 1);
    Sound(ADULT, 0x5CBDFDD6, 3630);
    PushAnimAction(ADULT, "recovers", 0, 1);
    Play(ADULT, "g_idle_l");
    Play(KID, "g_idle_l");
    Place(KID, 21);
    Apart();
    TurnToward(ADULT, KID);
    _EndMatch();

    // The heroine puts the blanket into the chest.
    _IfEvent(OnCallback(0x30F09545));
    Together();
    Sound(ADULT, 0x3C826500, 1452);
    Play(ADULT, "openchestliving");
    Wait(Object("o_chesttop"), 1750);
    PushHashAction23(Object("o_chesttop"), 0x619006D5);
    Play(ADULT, "g_idle_l");
    Play(ADULT, "interactchest_put");
    Wait(Object("i_small_blanket"), 4200);
    PushHashAction23(Object("i_small_blanket"), 0x8E3BB753);
    ShowObject(Object("i_small_blanket"), true);
    Apart();
    Take(ADULT, ItemNamed("ITEM_SMALL_BLANKET"));
    Play(ADULT, "g_idle_l");
    _EndMatch();

    // The heroine steps up to the spirit.
    _IfEvent(OnCallback(0xAE52BCDB));
    GoTo(ADULT, 22);
    _EndMatch();

    // The door will not open.
    PlayGesture(OnCallback(0x0C46EC9D), ADULT, "g_dooropenfailure", "g_idle_l");

    // The spirit seals the room with ectoplasm.
    _IfEvent(OnCallback(0x8D4CE72D));
    Together();
    for (Object picture : ECTOPLASM_PICTURES) {
        ShowObject(picture, true);
        PushAction60(picture, 2000, 1);
    }
    Apart();
    EffectSound(0x4C891B84);
    Play(ADULT, "stepsback");
    Play(ADULT, "g_idle_l");
    PushAction21(ADULT, ECTOPLASM_BLOCKER, 1);
    _EndMatch();

    // The spirit turns to the heroine, and away.
    _IfEvent(OnCallback(0x2E68E543));
    Together();
    TurnToward(SPIRIT, ADULT);
    Apart();
    _EndMatch();
    _IfEvent(OnCallback(0x39749DD7));
    PushAnimAction(SPIRIT, "rotate180_left", 1, 0);
    Play(SPIRIT, "idle_l");
    _EndMatch();

    // The kid talks, and stops talking.
    PlayGesture(OnCallback(0x8AB1B967), KID, "g_talk_l");
    PlayGesture(OnCallback(0x0A16359E), KID, "g_idle_l");

    // The kid fades away.
    _IfEvent(OnCallback(0xFEF5ABE8));
    PushAction60(Object("fade_tavrine_kid"), 1000, 1);
    Wait(KID, 1000);
    ShowObject(KID, false);
    Wait(Object("fade_tavrine_kid"), 1000);
    PushAction60(Object("fade_tavrine_kid"), 500, 0);
    _EndMatch();

    // The heroine talks, and stops talking.
    PlayGesture(OnCallback(0xA85CC740), ADULT, "g_talk_l");
    PlayGesture(OnCallback(0x572C2B06), ADULT, "g_idle_l");
}

} // namespace

// Scene 9, bg101_BO_CastilloLivingRoom.
REGISTER_SCENE_SCRIPT(bg101, 9);
