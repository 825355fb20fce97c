// The living room of the heroine's family house (scene 9,
// bg101_BO_CastilloLivingRoom). Chapter 1: the kid does three chores for her
// mother, who embroiders in her chair (the window, the three dust patches,
// the bucket), and once she has met her father the room shows the end of the
// chapter. Chapter 5: the grown heroine wakes here, haunted by her mother's
// spirit; the blanket in the toy chest and the flower picture free the room,
// and the door or a window leads on.
#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "Hash/CoreCrc32.h"
#include "Managers/Common/ScriptManager.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/LivingRoomObjects.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using namespace LivingRoomObjects;

// The ectoplasm that seals door and windows, in the order it is shown.
constexpr int32_t ECTOPLASM_PICTURES[] = {O_ECTOPLASM_RIGHT, O_ECTOPLASM_LEFT, O_ECTOPLASM_FRONT, O_ECTOPLASM_BOTTOM};

constexpr uint32_t KID = ActorIdOf("tavrine_kid");
constexpr uint32_t ADULT = ActorIdOf("tavrine");
constexpr uint32_t MOTHER_CHAIR = ActorIdOf("bonita_c_chair");
constexpr uint32_t MOTHER = ActorIdOf("bonita_c");
constexpr uint32_t FATHER = ActorIdOf("alessandro_c");
constexpr uint32_t SPIRIT = ActorIdOf("bonita_spirit");
constexpr int32_t KID_ID = ActorScriptableId(KID);
constexpr int32_t ADULT_ID = ActorScriptableId(ADULT);
constexpr int32_t MOTHER_CHAIR_ID = ActorScriptableId(MOTHER_CHAIR);
constexpr int32_t MOTHER_ID = ActorScriptableId(MOTHER);
constexpr int32_t FATHER_ID = ActorScriptableId(FATHER);
constexpr int32_t SPIRIT_ID = ActorScriptableId(SPIRIT);
constexpr int32_t LOGIC_DIALOG = ActorScriptableId(LOGIC_DIALOG_ACTOR_ID);

constexpr uint32_t ITEM_WATER_JUG = ItemIdOf("ITEM_WATER_JUG");
constexpr uint32_t ITEM_FILLED_WATER_JUG = ItemIdOf("ITEM_FILLED_WATER_JUG");
constexpr uint32_t ITEM_DRY_CLOTH = ItemIdOf("ITEM_DRY_CLOTH");
constexpr uint32_t ITEM_WET_CLOTH = ItemIdOf("ITEM_WET_CLOTH");
constexpr uint32_t ITEM_DUSTPAN = ItemIdOf("ITEM_DUSTPAN");
constexpr uint32_t ITEM_BRUSH = ItemIdOf("ITEM_BRUSH");
constexpr uint32_t ITEM_DUSTPAN_AND_BRUSH = ItemIdOf("ITEM_DUSTPAN_AND_BRUSH");
constexpr uint32_t ITEM_WOODEN_SWORD = ItemIdOf("ITEM_WOODEN_SWORD");
constexpr uint32_t ITEM_SMALL_BLANKET = ItemIdOf("ITEM_SMALL_BLANKET");
constexpr uint32_t ITEM_FLOWER_PICTURE = ItemIdOf("ITEM_FLOWER_PICTURE");
constexpr uint32_t ITEM_PAINT_BRUSH = ItemIdOf("ITEM_PAINT_BRUSH");
constexpr uint32_t ITEM_PAINT_SET = ItemIdOf("ITEM_PAINT_SET");
constexpr uint32_t ITEM_SHEET_OF_PAPER = ItemIdOf("ITEM_SHEET_OF_PAPER");

// Attachments by the CRC-32 of their names, and the bones that hold them.
constexpr uint32_t ATTACH_WATER_JUG = CoreCrc32Of("water_jug");
constexpr uint32_t ATTACH_CLOTH = CoreCrc32Of("cloth");
constexpr uint32_t ATTACH_BRUSH = CoreCrc32Of("brush");
constexpr uint32_t ATTACH_DUSTPAN = CoreCrc32Of("dustpan");
constexpr int32_t LEFT_HAND = 2;
constexpr int32_t RIGHT_HAND = 3;

// Walk-mesh blockers: the paint set on the floor, the sealed room, the way
// out of the front door.
constexpr int32_t PAINT_SET_BLOCKER = 0;
constexpr int32_t ECTOPLASM_BLOCKER = 1;
constexpr int32_t DOOR_BLOCKER = 2;

// The speed value that turns toward another actor take.
constexpr int32_t TURN = 24576;
// The volume of a character's sounds: full.
constexpr uint32_t FULL_VOLUME = 4096;

// The kid's and the heroine's idle loops.
constexpr int32_t KID_IDLE = 867;
constexpr int32_t ADULT_IDLE = 486;

// The chapter-1 sweeping of one dust patch.
struct DustPatch {
    int32_t iHotspot;
    int32_t iPicture;
    int32_t iVariable;
    int32_t iWaypoint;
    // The five sweeping animations begin here.
    int32_t iFirstAnimation;
    int32_t iFadeMilliseconds;
    int32_t iSoundDelay;
};
constexpr DustPatch DUST_PATCHES[] = {
    {DUST_PATCH_1, O_DUST01, VARBOOL_BG101_C01_CLEAN_DUST_PATCH_1, 49, 927, 5000, 1584},
    {DUST_PATCH_2, O_DUST02, VARBOOL_BG101_C01_CLEAN_DUST_PATCH_2, 30, 927, 5000, 1584},
    // Patch 3 lies on a shelf.
    {DUST_PATCH_3, O_DUST03, VARBOOL_BG101_C01_CLEAN_DUST_PATCH_3, 31, 932, 4000, 1650},
};

// How a character bends to pick a thing up: its two animations.
struct PickUpKind {
    int32_t iFirst;
    int32_t iSecond;
};
constexpr PickUpKind KID_LOW {881, 882};
constexpr PickUpKind KID_MIDDLE {883, 884};
constexpr PickUpKind KID_MIDDLE_LOW {885, 886};
constexpr PickUpKind ADULT_HIGH {499, 500};
constexpr PickUpKind ADULT_LOW {501, 502};
constexpr PickUpKind ADULT_MIDDLE {503, 504};

// A thing the player looks at or takes: both walk to its waypoint, Look has
// its dialog, Activate its own steps.
struct Thing {
    int32_t iHotspot;
    uint32_t uActor;
    int32_t iWaypoint;
    uint32_t uLookDialog;
    uint32_t uActivateDialog;
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

    void ChapterOneEvents();
    void BucketEvents();
    void WindowEvents();
    void PickUpEvents();
    void DustPatchEvents();
    void ChapterFiveEvents();
    void SpiritEvents();
    void DialogCallbacks();
    void EndOfChapterCallbacks();
    void ChapterFiveCallbacks();

    // Look and Activate of a thing that only talks; Activate's own steps
    // follow when the caller opens it itself.
    void LookAt(const Thing& oThing);
    void ActivateTalk(const Thing& oThing);
    // A dialog callback that plays an animation and returns to the idle loop.
    void GestureCallback(uint32_t uCallback, uint32_t uActor, int32_t iAnimation, int32_t iIdle);

    // The steps that every handler is written in.
    void GoTo(uint32_t uActor, int32_t iWaypoint) { PushAction5(uActor, iWaypoint, 1); }
    void WalkTo(uint32_t uActor, int32_t iWaypoint) { PushAction5(uActor, iWaypoint, 0); }
    void Dialog(uint32_t uDialog)
    {
        AddToQueue(LOGIC_DIALOG, ID_ACTION_TYPE_START_DIALOG, Param::Int(static_cast<int32_t>(uDialog)));
    }
    void Play(uint32_t uActor, int32_t iAnimation) { PushAnimAction11(uActor, iAnimation, 0); }
    void Loop(uint32_t uActor, int32_t iAnimation) { PushAnimAction11(uActor, iAnimation, 1); }
    void Give(uint32_t uActor, uint32_t uItem)
    {
        AddToQueue(ActorScriptableId(uActor), ID_ACTION_TYPE_ADD_ITEM, Param::Item(uItem), Param::Int(1));
    }
    void Take(uint32_t uActor, uint32_t uItem)
    {
        AddToQueue(ActorScriptableId(uActor), ID_ACTION_TYPE_REMOVE_ITEM, Param::Item(uItem), Param::Int(1));
    }
    void Sound(uint32_t uActor, uint32_t uSound, int32_t iDelay)
    {
        PushAction58(ActorScriptableId(uActor), static_cast<int32_t>(uSound), iDelay, FULL_VOLUME);
    }
    void EffectSound(uint32_t uSound)
    {
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_SOUND_EFFECT, Param::Sound(static_cast<int32_t>(uSound)),
                   Param::Bool(true));
    }
    void Wait(int32_t iTarget, int32_t iMilliseconds)
    {
        AddToQueue(iTarget, ID_ACTION_TYPE_WAIT, Param::Int(iMilliseconds));
    }
    void Place(int32_t iTarget, int32_t iWaypoint)
    {
        AddToQueue(iTarget, ID_ACTION_TYPE_PLACE_AT_WAYPOINT, Param::Waypoint(iWaypoint), Param::Bool(true));
    }
    void WalkOnly(int32_t iTarget, bool bWalkOnly)
    {
        AddToQueue(iTarget, ID_ACTION_TYPE_SET_WALK_ONLY, Param::Bool(bWalkOnly));
    }
    // The turner turns toward the actor.
    void TurnToward(int32_t iTurner, uint32_t uActor, int32_t iValue = TURN)
    {
        PushActorAction7(uActor, iTurner, iValue);
    }
    // The character bends, takes the item and hides its picture (or hides it
    // first), then stands up again.
    void PickUp(uint32_t uActor, int32_t iPicture, const PickUpKind& oKind, uint32_t uItem, bool bItemFirst = true);
    void Together() { m_bNoWait = 1; }
    void Apart() { m_bNoWait = 0; }
    void NoEffect(int32_t iValue)
    {
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_NO_EFFECT_44, Param::Int(iValue));
    }
};

MatchExpr Both(const MatchExpr& oA, const MatchExpr& oB)
{
    return MatchExpression(Op_And, oA, oB);
}

MatchExpr IsTrue(int32_t iVarId)
{
    return MatchExpr::Bool(iVarId, 1);
}

MatchExpr IsFalse(int32_t iVarId)
{
    return MatchExpr::Bool(iVarId, 0);
}

// The Dialog_CB event of a callback that a dialog sends.
EventDesc OnCallback(uint32_t uCallback)
{
    return ScriptEvent_Hash9(static_cast<int32_t>(uCallback));
}

constexpr int32_t SoundGroupIdOf(std::string_view name)
{
    return static_cast<int32_t>(CoreCrc32Of(name) & 0x7FFFFFFFu);
}

void SceneScript_bg101::LinkActorSets()
{
    LinkActorSet("chapter_1", Both(InChapter(1), IsFalse(VARBOOL_BG103_C01_SEE_ALESSANDRO)));
    LinkActorSet("chapter_1_end", Both(InChapter(1), IsTrue(VARBOOL_BG103_C01_SEE_ALESSANDRO)));
    LinkActorSet("chapter_5", InChapter(5));
}

void SceneScript_bg101::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupIdOf("bg101_chapter_01"), InChapter(1));
    LinkSoundGroup(SoundGroupIdOf("bg101_chapter_05"), InChapter(5));
    // The chapters without content of their own share a group without banks.
    MatchExpr oOther = InChapter(2);
    for (int32_t iChapter : {3, 4, 6, 7, 8, 9, 10})
        oOther = MatchExpression(Op_Or, oOther, InChapter(iChapter));
    LinkSoundGroup(0x278785D8, oOther);
}

void SceneScript_bg101::PickUp(uint32_t uActor, int32_t iPicture, const PickUpKind& oKind, uint32_t uItem,
                               bool bItemFirst)
{
    Play(uActor, oKind.iFirst);
    if (bItemFirst)
        Give(uActor, uItem);
    if (iPicture != ID_SCRIPTABLE_INVALID)
        ShowObject(iPicture, false);
    if (!bItemFirst)
        Give(uActor, uItem);
    Play(uActor, oKind.iSecond);
    Loop(uActor, uActor == KID ? KID_IDLE : ADULT_IDLE);
}

void SceneScript_bg101::BuildEnterActions()
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MUSIC, Param::Sound(0x0666EF79), Param::Bool(true));
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_AMBIENT, Param::Sound(0x2810A5E4), Param::Bool(true));
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SCENE_DIRECTION, Param::Int(6));
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    for (int32_t iPicture : ECTOPLASM_PICTURES)
        ShowObject(iPicture, false);
    SetInteractive(ECTOPLASM, false);
    ShowObject(FADE_BONITA_SPIRIT, false);
    ShowObject(FADE_TAVRINE_KID, false);

    _IfMatch(InChapter(1));
    EnterChapter1();
    _EndMatch();
    _IfMatch(InChapter(5));
    EnterChapter5();
    _EndMatch();
}

void SceneScript_bg101::EnterChapter1()
{
    WalkOnly(KID_ID, true);
    PushHashAction23(O_CHESTTOP, 0xAF31B71C);
    PushHashAction23(O_WINDOW, 0x794C6D52);
    PushHashAction23(O_WATER, 0x2E27AC0F);
    PushHashAction23(O_DIRTY_WINDOWS, 0x46844E77);
    // The chapter-5 things.
    for (int32_t iHotspot : {EMPTY_BUCKET, SMALL_BLANKET, PAINT_BRUSH, PAINT_SET, SHEET_OF_PAPER, VASE_OF_FLOWER})
        SetInteractive(iHotspot, false);
    for (int32_t iPicture : {I_SMALL_BLANKET, I_PAINT_BRUSH, I_PAINT_SET})
        ShowObject(iPicture, false);
    SetBoolVar(VARBOOL_BO_MAP_BG103, false);

    RestoreChapter1();
    Place(KID_ID, 0);

    // The first visit: the mother wakes the sulking kid and asks for the chores.
    _IfBool(VARBOOL_BG101_C01_EVENT_FIRST_TIME, 0);
    Place(MOTHER_CHAIR_ID, 6);
    Loop(MOTHER_CHAIR, 147);
    Place(KID_ID, 8);
    Loop(KID, 921);
    Dialog(0x824E3221);
    SetBoolVar(VARBOOL_QUEST_C1_CHORES, true);
    SetBoolVar(VARBOOL_BG101_C01_EVENT_FIRST_TIME, true);
    _EndMatch();

    _IfBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 1);
    EndOfChapter1();
    _ElseMatch();
    Place(MOTHER_CHAIR_ID, 6);
    Loop(MOTHER_CHAIR, 147);
    _EndMatch();

    // In from the house's front: the kid comes to the middle of the room.
    _IfMatch(CameFrom(10));
    Place(KID_ID, 1);
    _IfBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 0);
    GoTo(KID, 2);
    ChoresCheck();
    _EndMatch();
    _EndMatch();

    PushAction21(KID_ID, DOOR_BLOCKER, 1);
}

void SceneScript_bg101::RestoreChapter1()
{
    _IfBool(VARBOOL_BG101_C01_BUCKET_IS_FULL, 0);
    SetInteractive(EMPTY_BUCKET, true);
    SetInteractive(WATER_BUCKET, false);
    ShowObject(O_WATER, false);
    _EndMatch();

    // The jug stays in sight once it is back in its place.
    _IfBool(VARBOOL_BG101_C01_PICK_WATER_JUG, 1);
    _IfBool(VARBOOL_BG101_C01_WATER_JUG_HERE, 0);
    ShowObject(I_WATER_JUG, false);
    _EndMatch();
    SetInteractive(WATER_JUG, false);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C01_PICK_CLOTH, 1);
    ShowObject(I_CLOTH, false);
    SetInteractive(CLOTH, false);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C01_PICK_WOODEN_SWORD, 1);
    ShowObject(I_WOODSWORD, false);
    PushHashAction23(O_CHESTTOP, 0x619006D5);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C01_PICK_DUSTPAN, 1);
    ShowObject(I_DUSTPAN, false);
    SetInteractive(DUSTPAN, false);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C01_PICK_BRUSH, 1);
    ShowObject(I_HANDBRUSH, false);
    SetInteractive(BRUSH, false);
    _EndMatch();

    for (const DustPatch& oPatch : DUST_PATCHES) {
        _IfBool(oPatch.iVariable, 1);
        ShowObject(oPatch.iPicture, false);
        SetInteractive(oPatch.iHotspot, false);
        _EndMatch();
    }

    _IfBool(VARBOOL_BG101_C01_WINDOWS_IS_CLEAN, 1);
    ShowObject(O_DIRTY_WINDOWS, false);
    SetInteractive(DIRTY_WINDOW, false);
    _ElseMatch();
    SetInteractive(WINDOWS, false);
    _EndMatch();
}

void SceneScript_bg101::EndOfChapter1()
{
    // The kid climbs in by the window, where her father and mother wait.
    PushHashAction23(O_WINDOW, 0xC90BFFFA);
    Place(MOTHER_ID, 6);
    Place(FATHER_ID, 5);
    Place(KID_ID, 3);
    Loop(MOTHER, 146);
    Loop(FATHER, 17);
    EffectSound(0x7A454EAA);
    PushAnimAction(KID, 834, 0, 1);
    Loop(KID, 835);
    Dialog(0x4E9FC076);
    Loop(FATHER, 6);
    SetBoolVar(VARBOOL_QUEST_C1_HOME03_DONE, true);
    WalkOnly(KID_ID, false);
    GoTo(KID, 12);
    TurnToward(FATHER_ID, KID);
    Play(KID, 815);
    Loop(KID, 816);
    Dialog(0x4E9FC076);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SCENE_FADE_OUT, Param::Int(9000));
    GoToScene(61); // bg993_Loading_placeholder
}

void SceneScript_bg101::EnterChapter5()
{
    for (int32_t iPicture : {I_CLOTH, I_HANDBRUSH, I_DUSTPAN, I_WATER_JUG, I_WOODSWORD, O_DIRTY_WINDOWS, O_DUST01,
                             O_DUST02, O_DUST03, O_WATER})
        ShowObject(iPicture, false);
    for (int32_t iHotspot : {CLOTH, CROSSBOW, BRUSH, DUSTPAN, WATER_JUG, DIRTY_WINDOW, DUST_PATCH_1, DUST_PATCH_2,
                             DUST_PATCH_3, WATER_BUCKET, EMPTY_BUCKET, MR_PATATE, PEGLEGS})
        SetInteractive(iHotspot, false);

    PushHashAction23(O_CHESTTOP, 0xAF31B71C);
    PushHashAction23(O_WINDOW, 0x794C6D52);
    PushHashAction23(I_SMALL_BLANKET, 0x97E5F9A5);
    PushAction21(ADULT_ID, PAINT_SET_BLOCKER, 1);
    WalkOnly(ADULT_ID, true);
    PushAction21(ADULT_ID, DOOR_BLOCKER, 1);

    RestoreChapter5();
    Place(ADULT_ID, 14);
    Place(KID_ID, 21);
    Place(SPIRIT_ID, 16);

    _IfMatch(Both(IsTrue(VARBOOL_BG101_C05_INT_DOOR_WONDOWS), IsFalse(VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES_DONE)));
    for (int32_t iPicture : ECTOPLASM_PICTURES)
        ShowObject(iPicture, true);
    SetInteractive(ECTOPLASM, true);
    PushAction21(ADULT_ID, ECTOPLASM_BLOCKER, 1);
    _EndMatch();

    // The first wake-up: the kid shakes the heroine awake.
    _IfBool(VARBOOL_BG101_C05_EVENT_WAKE_UP, 0);
    Place(KID_ID, 15);
    Loop(ADULT, 584);
    Loop(KID, 920);
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
    ShowObject(I_PAINT_BRUSH, false);
    SetInteractive(PAINT_BRUSH, false);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C05_PICK_PAINT_SET, 1);
    ShowObject(I_PAINT_SET, false);
    SetInteractive(PAINT_SET, false);
    PushAction21(ADULT_ID, PAINT_SET_BLOCKER, 0);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C05_PICK_SMALL_BLANKET, 1);
    ShowObject(I_SMALL_BLANKET, false);
    SetInteractive(SMALL_BLANKET, false);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C05_USE_SMALL_BLANKET_ON_DRAWER, 1);
    ShowObject(I_SMALL_BLANKET, true);
    PushHashAction23(I_SMALL_BLANKET, 0x8E3BB753);
    _EndMatch();

    _IfBool(VARBOOL_BG101_C05_PICK_SHEET_OF_PAPER, 1);
    SetInteractive(SHEET_OF_PAPER, false);
    _EndMatch();

    _IfBool(VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES_DONE, 1);
    ShowObject(SPIRIT_ID, false);
    SetInteractive(SPIRIT_ID, false);
    _EndMatch();
}

void SceneScript_bg101::DemonFace()
{
    Place(ADULT_ID, 17);
    TurnToward(KID_ID, ADULT, 0);
    Together();
    Loop(ADULT, 745);
    Sound(SPIRIT, 0x6CF475F0, 858);
    Play(SPIRIT, 158);
    Loop(SPIRIT, 159);
    Apart();
    Loop(ADULT, 745);
    Play(SPIRIT, 160);
    Loop(SPIRIT, 153);
    Dialog(0xAA2912A0);
    Play(ADULT, 746);
    Loop(ADULT, ADULT_IDLE);
    SetBoolVar(VARBOOL_BG101_C05_EVENT_BONITA_DEMON_FACE, true);
}

void SceneScript_bg101::BuildExitEvents()
{
    // Activate "goto_bg102": out to the house's front once the mother lets
    // the kid go; in chapter 5 the door is tried, and opens once the spirit
    // is freed.
    _IfMatch(MatchExpr::MakeEvent0(GOTO_BG102));
    _IfMatch(InChapter(1));
    WalkTo(KID, 33);
    SetBoolVar(VARBOOL_BG101_C01_EXIT_BG102, true);
    // The dialog clears the variable when the kid must stay.
    Dialog(0x183827FC);
    _IfBool(VARBOOL_BG101_C01_EXIT_BG102, 1);
    SetBoolVar(VARBOOL_BG101_C01_EXIT_BG102, false);
    PushAction21(KID_ID, DOOR_BLOCKER, 0);
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
    TurnToward(ADULT_ID, KID);
    TurnToward(KID_ID, ADULT);
    Dialog(0x001CE2B2);
    SetBoolVar(VARBOOL_QUEST_C5_ESCAPE_ROOM_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C5_THE_SIGN, true);
    Play(ADULT, 749);
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
    Play(KID, 870);
    ShowObject(I_WATER_JUG, true);
    Take(KID, ITEM_FILLED_WATER_JUG);
    Play(KID, 871);
    Loop(KID, KID_IDLE);
    SetBoolVar(VARBOOL_BG101_C01_WATER_JUG_HERE, true);
    NoEffect(2);
    _EndMatch();
    AllChoresCheck();
}

void SceneScript_bg101::AllChoresCheck()
{
    _IfMatch(Both(Both(IsTrue(VARBOOL_BG101_C01_WATER_JUG_HERE), IsTrue(VARBOOL_BG102_C01_CLEAN_DUSTPAN)),
                  IsFalse(VARBOOL_BG101_C01_EVENT_ALL_CHORES)));
    TurnToward(KID_ID, MOTHER_CHAIR);
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
    for (int32_t iPicture : ECTOPLASM_PICTURES) {
        PushAction60(iPicture, 2000, 0);
        Wait(iPicture, 2000);
        ShowObject(iPicture, false);
    }
    _EndMatch();
    Wait(FADE_BONITA_SPIRIT, 2000);
    PushAction60(FADE_BONITA_SPIRIT, 1000, 1);
    Wait(SPIRIT_ID, 3000);
    ShowObject(SPIRIT_ID, false);
    Apart();
    Wait(FADE_BONITA_SPIRIT, 1000);
    PushAction60(FADE_BONITA_SPIRIT, 500, 0);
    SetInteractive(SPIRIT_ID, false);
    SetBoolVar(VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES_DONE, true);
    SetInteractive(ECTOPLASM, false);
    _EndMatch();
}

void SceneScript_bg101::Sweep(const DustPatch& oPatch)
{
    const int32_t iAnimation = oPatch.iFirstAnimation;
    GoTo(KID, oPatch.iWaypoint);
    SetBoolVar(oPatch.iVariable, true);
    Play(KID, iAnimation);
    PushAddAttachment(KID, ATTACH_BRUSH, RIGHT_HAND);
    PushAddAttachment(KID, ATTACH_DUSTPAN, LEFT_HAND);
    Together();
    Wait(oPatch.iPicture, 2500);
    PushAction60(oPatch.iPicture, oPatch.iFadeMilliseconds, 0);
    Sound(KID, 0x56FBF5AE, oPatch.iSoundDelay);
    Play(KID, iAnimation + 1);
    Apart();
    Play(KID, iAnimation + 2);
    ShowObject(oPatch.iPicture, false);
    Play(KID, iAnimation + 3);
    PushRemoveAttachment(KID, ATTACH_BRUSH);
    PushRemoveAttachment(KID, ATTACH_DUSTPAN);
    Play(KID, iAnimation + 4);
    Loop(KID, KID_IDLE);
    // The dialog tells whether the last patch is swept.
    Dialog(0x33A6DCA9);
    SetInteractive(oPatch.iHotspot, false);
    ChoresCheck();
}

void SceneScript_bg101::LookAt(const Thing& oThing)
{
    _IfEvent(ScriptEvent_Object1(oThing.iHotspot));
    GoTo(oThing.uActor, oThing.iWaypoint);
    Dialog(oThing.uLookDialog);
    _EndMatch();
}

void SceneScript_bg101::ActivateTalk(const Thing& oThing)
{
    _IfMatch(MatchExpr::MakeEvent0(oThing.iHotspot));
    GoTo(oThing.uActor, oThing.iWaypoint);
    Dialog(oThing.uActivateDialog);
    _EndMatch();
}

void SceneScript_bg101::BuildEvents()
{
    ChapterOneEvents();
    BucketEvents();
    WindowEvents();
    PickUpEvents();
    DustPatchEvents();
    ChapterFiveEvents();
    SpiritEvents();
    DialogCallbacks();
    EndOfChapterCallbacks();
    ChapterFiveCallbacks();
}

void SceneScript_bg101::ChapterOneEvents()
{
    // Look "bonita_c_chair": the kid looks at her mother.
    _IfEvent(ScriptEvent_FlaggedId1(MOTHER_CHAIR));
    GoTo(KID, 9);
    Dialog(0xE12A37C5);
    _EndMatch();

    // Talk "bonita_c_chair": the chores, and what she thinks of them.
    _IfEvent(ScriptEvent_FlaggedId2(MOTHER_CHAIR));
    GoTo(KID, 9);
    Loop(KID, 894);
    Dialog(0xD25B1E3D);
    Loop(KID, KID_IDLE);
    _EndMatch();

    // Look "bedroom_door".
    _IfEvent(ScriptEvent_Object1(BEDROOM_DOOR));
    _IfMatch(InChapter(1));
    GoTo(KID, 25);
    Dialog(0x636DD0F7);
    _EndMatch();
    _IfMatch(InChapter(5));
    GoTo(ADULT, 19);
    Dialog(0x56AF9EEF);
    _EndMatch();
    _EndMatch();

    // Activate "bedroom_door": in chapter 5 a way out once the spirit is freed.
    _IfMatch(MatchExpr::MakeEvent0(BEDROOM_DOOR));
    _IfMatch(InChapter(1));
    GoTo(KID, 25);
    Dialog(0x29C928BB);
    _EndMatch();
    _IfMatch(InChapter(5));
    GoTo(ADULT, 19);
    Dialog(0x2DF2938B);
    EscapeIfFreed();
    _EndMatch();
    _EndMatch();

    // Look "toys_chest".
    _IfEvent(ScriptEvent_Object1(TOYS_CHEST));
    _IfMatch(InChapter(1));
    GoTo(KID, 45);
    _ElseMatch();
    GoTo(ADULT, 18);
    _EndMatch();
    Dialog(0x2364F97B);
    _EndMatch();

    // Activate "toys_chest": the kid opens it and takes the wooden sword.
    _IfMatch(MatchExpr::MakeEvent0(TOYS_CHEST));
    _IfMatch(InChapter(1));
    GoTo(KID, 45);
    _IfBool(VARBOOL_BG101_C01_PICK_WOODEN_SWORD, 0);
    Play(KID, 913);
    EffectSound(0x692B01FF);
    PushHashAction23(O_CHESTTOP, 0x619006D5);
    Play(KID, 914);
    Loop(KID, KID_IDLE);
    _EndMatch();
    Dialog(0xCF4233B1);
    _IfBool(VARBOOL_BG101_C01_PICK_WOODEN_SWORD, 0);
    PickUp(KID, I_WOODSWORD, KID_MIDDLE_LOW, ITEM_WOODEN_SWORD);
    SetBoolVar(VARBOOL_BG101_C01_PICK_WOODEN_SWORD, true);
    _EndMatch();
    _ElseMatch();
    GoTo(ADULT, 18);
    Dialog(0xCF4233B1);
    _EndMatch();
    _EndMatch();

    // UseItem "toys_chest" with the small blanket: one of the spirit's wishes.
    _IfEvent(ScriptEvent_ItemOnObject3(TOYS_CHEST, ITEM_SMALL_BLANKET));
    GoTo(ADULT, 18);
    Dialog(0xC38E574C);
    SetBoolVar(VARBOOL_BG101_C05_USE_SMALL_BLANKET_ON_DRAWER, true);
    SpiritCheck();
    _EndMatch();

    // Look and Activate "crossbow": Activate has the mother look up from her
    // embroidery.
    const Thing oCrossbow {CROSSBOW, KID, 32, 0x14C1CB76, 0};
    LookAt(oCrossbow);
    _IfMatch(MatchExpr::MakeEvent0(CROSSBOW));
    GoTo(KID, 32);
    PushAnimAction13(MOTHER_CHAIR, 149, 0);
    Loop(MOTHER_CHAIR, 148);
    TurnToward(KID_ID, MOTHER_CHAIR);
    Loop(KID, KID_IDLE);
    Dialog(0xF3717F5B);
    PushAnimAction13(MOTHER_CHAIR, 150, 0);
    Loop(MOTHER_CHAIR, 147);
    _EndMatch();

    // Look and Activate "mr_patate" and "peglegs": the kid's toys.
    for (const Thing& oToy :
         {Thing {MR_PATATE, KID, 67, 0x7A329E06, 0x5736D587}, Thing {PEGLEGS, KID, 68, 0xCECF86DD, 0xC656ACD3}}) {
        LookAt(oToy);
        ActivateTalk(oToy);
    }
}

void SceneScript_bg101::BucketEvents()
{
    // Look and Activate "empty_bucket".
    const Thing oEmpty {EMPTY_BUCKET, KID, 47, 0x8165C61C, 0x7572E551};
    LookAt(oEmpty);
    ActivateTalk(oEmpty);

    // UseItem "empty_bucket" with the filled jug: the bucket is filled and the
    // empty jug kept.
    _IfEvent(ScriptEvent_ItemOnObject3(EMPTY_BUCKET, ITEM_FILLED_WATER_JUG));
    GoTo(KID, 47);
    Play(KID, 838);
    PushAddAttachment(KID, ATTACH_WATER_JUG, RIGHT_HAND);
    Together();
    Wait(O_WATER, 1500);
    ShowObject(O_WATER, true);
    PushHashAction23(O_WATER, 0x5F2C1D75);
    Sound(KID, 0x79AD3B64, 990);
    Play(KID, 839);
    PushHashAction23(O_WATER, 0x2E27AC0F);
    Apart();
    Take(KID, ITEM_FILLED_WATER_JUG);
    Give(KID, ITEM_WATER_JUG);
    PushRemoveAttachment(KID, ATTACH_WATER_JUG);
    Play(KID, 840);
    Loop(KID, KID_IDLE);
    Dialog(0xE6613DF7);
    SetInteractive(WATER_BUCKET, true);
    SetBoolVar(VARBOOL_BG101_C01_BUCKET_IS_FULL, true);
    SetBoolVar(VARBOOL_BG102_C01_WATER_JUG_IS_FULL, false);
    SetInteractive(EMPTY_BUCKET, false);
    _EndMatch();

    // UseItem "empty_bucket" with the dry cloth.
    _IfEvent(ScriptEvent_ItemOnObject3(EMPTY_BUCKET, ITEM_DRY_CLOTH));
    GoTo(KID, 47);
    Dialog(0xE4426B4D);
    _EndMatch();

    // Look and Activate "water_bucket".
    const Thing oFull {WATER_BUCKET, KID, 48, 0x8165C61C, 0x7572E551};
    LookAt(oFull);
    ActivateTalk(oFull);

    // UseItem "water_bucket" with the filled jug: it is full already.
    _IfEvent(ScriptEvent_ItemOnObject3(WATER_BUCKET, ITEM_FILLED_WATER_JUG));
    GoTo(KID, 48);
    Dialog(0xE6613DF7);
    _EndMatch();

    // UseItem "water_bucket" with the dry cloth: the cloth is wetted.
    _IfEvent(ScriptEvent_ItemOnObject3(WATER_BUCKET, ITEM_DRY_CLOTH));
    GoTo(KID, 48);
    Dialog(0xE4426B4D);
    Play(KID, 827);
    PushAddAttachment(KID, ATTACH_CLOTH, RIGHT_HAND);
    Together();
    Sound(KID, 0x55AF67B5, 1056);
    Play(KID, 828);
    Apart();
    PushRemoveAttachment(KID, ATTACH_CLOTH);
    Play(KID, 829);
    Loop(KID, KID_IDLE);
    Take(KID, ITEM_DRY_CLOTH);
    Give(KID, ITEM_WET_CLOTH);
    _EndMatch();
}

void SceneScript_bg101::WindowEvents()
{
    // Look and Activate "dirty_window".
    const Thing oDirty {DIRTY_WINDOW, KID, 24, 0xF35BA531, 0xFBC28F3F};
    LookAt(oDirty);
    ActivateTalk(oDirty);

    // UseItem "dirty_window" with the dry cloth.
    _IfEvent(ScriptEvent_ItemOnObject3(DIRTY_WINDOW, ITEM_DRY_CLOTH));
    GoTo(KID, 24);
    Dialog(0x8A88CCE0);
    _EndMatch();

    // UseItem "dirty_window" with the wet cloth: the window is washed.
    _IfEvent(ScriptEvent_ItemOnObject3(DIRTY_WINDOW, ITEM_WET_CLOTH));
    GoTo(KID, 24);
    Together();
    Wait(O_DIRTY_WINDOWS, 1856);
    PushHashAction23(O_DIRTY_WINDOWS, 0x197D3664);
    Play(KID, 945);
    PushAddAttachment(KID, ATTACH_CLOTH, RIGHT_HAND);
    Sound(KID, 0x0E89E683, 1122);
    Play(KID, 946);
    PushRemoveAttachment(KID, ATTACH_CLOTH);
    Play(KID, 947);
    Apart();
    ShowObject(O_DIRTY_WINDOWS, false);
    TurnToward(KID_ID, MOTHER_CHAIR);
    Together();
    Sound(KID, 0x34FEB5D7, 528);
    Wait(KID_ID, 120);
    Play(KID, 897);
    Apart();
    Loop(KID, KID_IDLE);
    // The dialog marks the window clean.
    Dialog(0x859879AC);
    SetInteractive(WINDOWS, true);
    SetInteractive(DIRTY_WINDOW, false);
    ChoresCheck();
    _EndMatch();

    // Look "windows".
    _IfEvent(ScriptEvent_Object1(WINDOWS));
    _IfMatch(InChapter(1));
    GoTo(KID, 24);
    Dialog(0xF35BA531);
    _EndMatch();
    _IfMatch(InChapter(5));
    GoTo(ADULT, 24);
    Dialog(0x56AF9EEF);
    _EndMatch();
    _EndMatch();

    // Activate "windows": in chapter 5 a way out once the spirit is freed.
    _IfMatch(MatchExpr::MakeEvent0(WINDOWS));
    _IfMatch(InChapter(1));
    GoTo(KID, 24);
    Dialog(0xFBC28F3F);
    _EndMatch();
    _IfMatch(InChapter(5));
    GoTo(ADULT, 24);
    Dialog(0x2DF2938B);
    EscapeIfFreed();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg101::PickUpEvents()
{
    // "water_jug": the empty jug, taken to be filled outside.
    LookAt({WATER_JUG, KID, 26, 0x9B6824E0, 0});
    _IfMatch(MatchExpr::MakeEvent0(WATER_JUG));
    GoTo(KID, 26);
    Dialog(0xDE50C821);
    PickUp(KID, I_WATER_JUG, KID_MIDDLE, ITEM_WATER_JUG, false);
    SetBoolVar(VARBOOL_BG101_C01_PICK_WATER_JUG, true);
    SetInteractive(WATER_JUG, false);
    _EndMatch();

    // UseItem "water_jug" with the dry cloth.
    _IfEvent(ScriptEvent_ItemOnObject3(WATER_JUG, ITEM_DRY_CLOTH));
    GoTo(KID, 26);
    Dialog(0x37257091);
    _EndMatch();

    // "cloth".
    LookAt({CLOTH, KID, 27, 0x7E3A1B44, 0});
    _IfMatch(MatchExpr::MakeEvent0(CLOTH));
    GoTo(KID, 27);
    Dialog(0xBDAC0752);
    PickUp(KID, I_CLOTH, KID_MIDDLE, ITEM_DRY_CLOTH);
    SetBoolVar(VARBOOL_BG101_C01_PICK_CLOTH, true);
    SetInteractive(CLOTH, false);
    _EndMatch();

    // "dustpan".
    LookAt({DUSTPAN, KID, 28, 0x71F4D86D, 0});
    _IfMatch(MatchExpr::MakeEvent0(DUSTPAN));
    GoTo(KID, 28);
    PickUp(KID, I_DUSTPAN, KID_LOW, ITEM_DUSTPAN);
    SetBoolVar(VARBOOL_BG101_C01_PICK_DUSTPAN, true);
    SetInteractive(DUSTPAN, false);
    _EndMatch();

    // "brush".
    LookAt({BRUSH, KID, 29, 0xAD6CA239, 0});
    _IfMatch(MatchExpr::MakeEvent0(BRUSH));
    GoTo(KID, 29);
    PickUp(KID, I_HANDBRUSH, KID_LOW, ITEM_BRUSH);
    SetBoolVar(VARBOOL_BG101_C01_PICK_BRUSH, true);
    SetInteractive(BRUSH, false);
    _EndMatch();
}

void SceneScript_bg101::DustPatchEvents()
{
    for (const DustPatch& oPatch : DUST_PATCHES) {
        // Look and Activate the patch; the dustpan or the brush alone will
        // not do; both together sweep it.
        const Thing oThing {oPatch.iHotspot, KID, oPatch.iWaypoint, 0x702CB7BB, 0x9C0A7D71};
        LookAt(oThing);
        ActivateTalk(oThing);
        _IfEvent(ScriptEvent_ItemOnObject3(oPatch.iHotspot, ITEM_DUSTPAN));
        GoTo(KID, oPatch.iWaypoint);
        Dialog(0x7A9C4C98);
        _EndMatch();
        _IfEvent(ScriptEvent_ItemOnObject3(oPatch.iHotspot, ITEM_BRUSH));
        GoTo(KID, oPatch.iWaypoint);
        Dialog(0x6F6ACBDD);
        _EndMatch();
        _IfEvent(ScriptEvent_ItemOnObject3(oPatch.iHotspot, ITEM_DUSTPAN_AND_BRUSH));
        Sweep(oPatch);
        _EndMatch();
    }
}

void SceneScript_bg101::ChapterFiveEvents()
{
    // Look "tavrine_kid": only in chapter 5, when both are in the room.
    _IfEvent(ScriptEvent_FlaggedId1(KID));
    _IfMatch(InChapter(5));
    WalkTo(ADULT, 14);
    TurnToward(ADULT_ID, KID);
    Dialog(0x02362BB4);
    _EndMatch();
    _EndMatch();

    // Talk "tavrine_kid".
    _IfEvent(ScriptEvent_FlaggedId2(KID));
    _IfMatch(InChapter(5));
    WalkTo(ADULT, 14);
    TurnToward(ADULT_ID, KID);
    TurnToward(KID_ID, ADULT);
    Dialog(0x532895C4);
    _EndMatch();
    _EndMatch();

    // "small_blanket": the blanket the spirit wants in the chest.
    LookAt({SMALL_BLANKET, ADULT, 52, 0xFEF9ADDA, 0});
    _IfMatch(MatchExpr::MakeEvent0(SMALL_BLANKET));
    GoTo(ADULT, 52);
    Dialog(0x81D90499);
    PickUp(ADULT, I_SMALL_BLANKET, ADULT_LOW, ITEM_SMALL_BLANKET);
    SetBoolVar(VARBOOL_BG101_C05_PICK_SMALL_BLANKET, true);
    SetInteractive(SMALL_BLANKET, false);
    _EndMatch();

    // Look and Activate "ectoplasm".
    const Thing oEctoplasm {ECTOPLASM, ADULT, 53, 0x78566064, 0x3D6E8CA5};
    LookAt(oEctoplasm);
    ActivateTalk(oEctoplasm);

    // "paint_brush".
    LookAt({PAINT_BRUSH, ADULT, 54, 0x323EC430, 0});
    _IfMatch(MatchExpr::MakeEvent0(PAINT_BRUSH));
    GoTo(ADULT, 54);
    PickUp(ADULT, I_PAINT_BRUSH, ADULT_HIGH, ITEM_PAINT_BRUSH);
    SetBoolVar(VARBOOL_BG101_C05_PICK_PAINT_BRUSH, true);
    SetInteractive(PAINT_BRUSH, false);
    _EndMatch();

    // "paint_set": once it is taken, the floor under it is free.
    LookAt({PAINT_SET, ADULT, 55, 0xC10C7A34, 0});
    _IfMatch(MatchExpr::MakeEvent0(PAINT_SET));
    GoTo(ADULT, 55);
    PickUp(ADULT, I_PAINT_SET, ADULT_LOW, ITEM_PAINT_SET);
    SetBoolVar(VARBOOL_BG101_C05_PICK_PAINT_SET, true);
    PushAction21(ADULT_ID, PAINT_SET_BLOCKER, 0);
    SetInteractive(PAINT_SET, false);
    _EndMatch();

    // "sheet_of_paper": no picture of its own.
    LookAt({SHEET_OF_PAPER, ADULT, 56, 0x9F72C8BF, 0});
    _IfMatch(MatchExpr::MakeEvent0(SHEET_OF_PAPER));
    GoTo(ADULT, 56);
    PickUp(ADULT, ID_SCRIPTABLE_INVALID, ADULT_MIDDLE, ITEM_SHEET_OF_PAPER);
    SetBoolVar(VARBOOL_BG101_C05_PICK_SHEET_OF_PAPER, true);
    SetInteractive(SHEET_OF_PAPER, false);
    _EndMatch();

    // Look "vase_of_flower": the heroine smells the flowers.
    _IfEvent(ScriptEvent_Object1(VASE_OF_FLOWER));
    GoTo(ADULT, 57);
    Play(ADULT, 743);
    Loop(ADULT, ADULT_IDLE);
    Dialog(0xA211D7F0);
    _EndMatch();
    ActivateTalk({VASE_OF_FLOWER, ADULT, 57, 0, 0x4DBBE773});
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
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(SPIRIT, ITEM_FLOWER_PICTURE));
    GoTo(ADULT, 22);
    Take(ADULT, ITEM_FLOWER_PICTURE);
    Dialog(0xF6E21D18);
    SetBoolVar(VARBOOL_BG101_C05_USE_FLOWER_PICTURE_ON_BONITA_SPIRIT, true);
    SpiritCheck();
    _EndMatch();
}

void SceneScript_bg101::GestureCallback(uint32_t uCallback, uint32_t uActor, int32_t iAnimation, int32_t iIdle)
{
    _IfEvent(OnCallback(uCallback));
    Play(uActor, iAnimation);
    Loop(uActor, iIdle);
    _EndMatch();
}

void SceneScript_bg101::DialogCallbacks()
{
    // The kid slouches, with a sigh.
    _IfEvent(OnCallback(0x65F4D99F));
    Together();
    Sound(KID, 0x71F86086, 792);
    Play(KID, 922);
    Loop(KID, KID_IDLE);
    Apart();
    _EndMatch();

    // The kid's gestures while she talks.
    struct Gesture {
        uint32_t uCallback;
        int32_t iAnimation;
    };
    constexpr Gesture GESTURES[] = {
        {0xFCFD8825, 892}, {0xA4F8E887, 892}, {0xF1C4E746, 895},
        {0x415B1D13, 895}, {0xE4817246, 866}, {0x90AAE448, 875},
    };
    for (const Gesture& oGesture : GESTURES)
        GestureCallback(oGesture.uCallback, KID, oGesture.iAnimation, KID_IDLE);

    // The kid faces her mother.
    _IfEvent(OnCallback(0x56BB020B));
    TurnToward(KID_ID, MOTHER_CHAIR);
    _EndMatch();

    // The mother looks up from her embroidery, and goes back to it.
    _IfEvent(OnCallback(0xEF72706C));
    PushAnimAction13(MOTHER_CHAIR, 149, 0);
    Loop(MOTHER_CHAIR, 148);
    _EndMatch();
    _IfEvent(OnCallback(0x9E660E0A));
    PushAnimAction13(MOTHER_CHAIR, 150, 0);
    Loop(MOTHER_CHAIR, 147);
    _EndMatch();

    // The kid talks, and stops talking.
    _IfEvent(OnCallback(0x8AB1B967));
    Loop(KID, 894);
    _EndMatch();
    _IfEvent(OnCallback(0x0A16359E));
    Loop(KID, KID_IDLE);
    _EndMatch();
}

void SceneScript_bg101::EndOfChapterCallbacks()
{
    // The kid climbs in through the window and comes to her parents.
    _IfEvent(OnCallback(0xBCA25C2E));
    Loop(MOTHER, 145);
    Loop(FATHER, 6);
    Together();
    Sound(KID, 0x634C1F10, 660);
    PushAnimAction(KID, 836, 0, 1);
    Sound(KID, 0x634C1F10, 1122);
    PushAnimAction(KID, 837, 0, 1);
    Apart();
    Loop(KID, KID_IDLE);
    GoTo(KID, 4);
    Loop(KID, 894);
    _EndMatch();

    // The father talks.
    _IfEvent(OnCallback(0x52AC3D02));
    Loop(KID, KID_IDLE);
    Loop(FATHER, 17);
    _EndMatch();

    // The hug.
    _IfEvent(OnCallback(0xCCC8A8A1));
    Together();
    PushAnimAction(KID, 912, 0, 1);
    PushAnimAction(FATHER, 25, 0, 1);
    Loop(KID, KID_IDLE);
    Loop(FATHER, 17);
    Apart();
    _EndMatch();
}

void SceneScript_bg101::ChapterFiveCallbacks()
{
    // The heroine comes to; the kid steps back.
    _IfEvent(OnCallback(0xCBD740BF));
    Place(ADULT_ID, 14);
    Together();
    PushAnimAction(KID, 919, 0, 1);
    Sound(ADULT, 0x5CBDFDD6, 3630);
    PushAnimAction(ADULT, 692, 0, 1);
    Loop(ADULT, ADULT_IDLE);
    Loop(KID, KID_IDLE);
    Place(KID_ID, 21);
    Apart();
    TurnToward(ADULT_ID, KID);
    _EndMatch();

    // The heroine puts the blanket into the chest.
    _IfEvent(OnCallback(0x30F09545));
    Together();
    Sound(ADULT, 0x3C826500, 1452);
    Play(ADULT, 629);
    Wait(O_CHESTTOP, 1750);
    PushHashAction23(O_CHESTTOP, 0x619006D5);
    Loop(ADULT, ADULT_IDLE);
    Play(ADULT, 566);
    Wait(I_SMALL_BLANKET, 4200);
    PushHashAction23(I_SMALL_BLANKET, 0x8E3BB753);
    ShowObject(I_SMALL_BLANKET, true);
    Apart();
    Take(ADULT, ITEM_SMALL_BLANKET);
    Loop(ADULT, ADULT_IDLE);
    _EndMatch();

    // The heroine steps up to the spirit.
    _IfEvent(OnCallback(0xAE52BCDB));
    GoTo(ADULT, 22);
    _EndMatch();

    // The door will not open.
    GestureCallback(0x0C46EC9D, ADULT, 476, ADULT_IDLE);

    // The spirit seals the room with ectoplasm.
    _IfEvent(OnCallback(0x8D4CE72D));
    Together();
    for (int32_t iPicture : ECTOPLASM_PICTURES) {
        ShowObject(iPicture, true);
        PushAction60(iPicture, 2000, 1);
    }
    Apart();
    EffectSound(0x4C891B84);
    Play(ADULT, 764);
    Loop(ADULT, ADULT_IDLE);
    PushAction21(ADULT_ID, ECTOPLASM_BLOCKER, 1);
    _EndMatch();

    // The spirit turns to the heroine, and away.
    _IfEvent(OnCallback(0x2E68E543));
    Together();
    TurnToward(SPIRIT_ID, ADULT);
    Apart();
    _EndMatch();
    _IfEvent(OnCallback(0x39749DD7));
    PushAnimAction(SPIRIT, 156, 1, 0);
    Loop(SPIRIT, 153);
    _EndMatch();

    // The kid fades away.
    _IfEvent(OnCallback(0xFEF5ABE8));
    PushAction60(FADE_TAVRINE_KID, 1000, 1);
    Wait(KID_ID, 1000);
    ShowObject(KID_ID, false);
    Wait(FADE_TAVRINE_KID, 1000);
    PushAction60(FADE_TAVRINE_KID, 500, 0);
    _EndMatch();

    // The heroine talks, and stops talking.
    _IfEvent(OnCallback(0xA85CC740));
    Loop(ADULT, 531);
    _EndMatch();
    _IfEvent(OnCallback(0x572C2B06));
    Loop(ADULT, ADULT_IDLE);
    _EndMatch();
}

} // namespace

// Scene 9, bg101_BO_CastilloLivingRoom.
REGISTER_SCENE_SCRIPT(bg101, 9);
