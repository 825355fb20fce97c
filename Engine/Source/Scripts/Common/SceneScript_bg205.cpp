// Drake's office on Crab island (scene 26, bg205_CR_DrakesOfficeInterior), a
// room of showcases, a flag, a desk, statues, the governor's portrait with
// the safe behind it and a cabinet of drawers. On her first visit the ghost
// of Mabel shows herself and asks for justice; the cabinet's locked drawer
// opens to the small key and holds the safe's combination, and the safe,
// opened in its close-up, holds Drake's note. The blowpipe in its showcase
// is hers to take.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg205_26>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"mabel"> MABEL;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

// Waypoints: the way in and out, Mabel's place, then the heroine's place by
// each thing of the room.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_DOOR = 1;
constexpr int32_t WP_MABEL = 2;
constexpr int32_t WP_BEFORE_MABEL = 3;
constexpr int32_t WP_DOORSTEP = 4;
constexpr int32_t WP_IN_FROM_OUTSIDE = 5;
constexpr int32_t WP_BACK_FROM_MABEL = 9;
constexpr int32_t WP_BEFORE_PORTRAIT = 10;
constexpr int32_t WP_WINDOW = 11;
constexpr int32_t WP_RED_BUTTERFLY = 12;
constexpr int32_t WP_GREEN_BUTTERFLY = 13;
constexpr int32_t WP_GOLD_BUTTERFLY = 14;
constexpr int32_t WP_BLACK_BUG = 15;
constexpr int32_t WP_BLOWPIPE = 16;
constexpr int32_t WP_PAPERS = 17;
constexpr int32_t WP_FLAG = 18;
constexpr int32_t WP_SAFE = 19;
constexpr int32_t WP_BACK_FROM_SAFE = 20;
constexpr int32_t WP_INTO_SAFE = 21;
constexpr int32_t WP_CABINET = 22;
constexpr int32_t WP_FIRST_DRAWER = 23;
constexpr int32_t WP_SECOND_DRAWER = 24;
constexpr int32_t WP_DESK = 34;
constexpr int32_t WP_STATUES = 35;

constexpr int32_t OFFICE_EXTERIOR = 25; // bg204_CR_DrakesOfficeExterior
constexpr int32_t SAFE_CLOSE_UP = 54;   // bg806_CU_06_DrakesSafe

// Sprite animations: the portrait shut and swung aside, the safe shut and
// open.
constexpr uint32_t PORTRAIT_SHUT = 0x28c43338;
constexpr uint32_t PORTRAIT_ASIDE = 0x49d5d92e;
constexpr uint32_t SAFE_SHUT = 0x8712e3d5;
constexpr uint32_t SAFE_OPEN = 0x79343e49;

// Sounds: the office's music and ambience, Mabel's coming, the portrait
// swung aside and back, the locked drawer tried and opened.
constexpr uint32_t OFFICE_MUSIC = 0x2e44d392;
constexpr uint32_t OFFICE_AMBIENCE = 0x2d3bdfa4;
constexpr uint32_t GHOST_SOUND = 0x7578b556;
constexpr uint32_t PORTRAIT_OPENS_SOUND = 0x6c123a26;
constexpr uint32_t PORTRAIT_CLOSES_SOUND = 0x10ff0171;
constexpr uint32_t LOCKED_DRAWER_SOUND = 0x244453d4;
constexpr uint32_t DRAWER_OPENS_SOUND = 0x2f2bed58;

// Mabel's first appearance: the one dialog, started three times.
constexpr uint32_t TAKING_IT_IN = 0xf7589124;

class SceneScript_bg205 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void RestorePortraitAndSafe();
    void RestoreCabinet();
    void RestoreMabel();
    void ArriveFromOutside();
    void MabelAppears();
    void BackFromTheSafe();

    void MabelEvents();
    void ShowcaseEvents();
    void PortraitEvents();
    void ApproachThePortrait();
    void SafeEvents();
    void CabinetEvents();
    void FurnitureEvents();
    void GestureCallbacks();

    // The portrait swung aside and the open safe with the folder in it; only
    // the safe's inside answers.
    void ShowOpenSafe();
};

void SceneScript_bg205::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg205_chapter_08"), InChapter(8));
    // Every other chapter of the story: asked chapter by chapter, the
    // condition would outgrow what one condition may hold.
    LinkSoundGroup(0x48fa3021, InEveryChapterBut(8));
}

void SceneScript_bg205::BuildEnterActions()
{
    PlayMusic(OFFICE_MUSIC);
    PlayAmbience(OFFICE_AMBIENCE);
    SetSceneDirection(2);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    ResetObjects();
    RestorePortraitAndSafe();
    RestoreCabinet();

    _IfBool(VARBOOL_BG205_C08_PICK_BLOCKED_BLOWPIPE, 1);
    ShowObject(Object("i_blowpipe"), false);
    SetInteractive(Object("showcase_blowpipe"), false);
    _EndMatch();

    RestoreMabel();

    _IfMatch(Both(InChapter(8), IsTrue(VARBOOL_BG204_C08_EVENT_DIEGO_ARRIVES)));
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    _EndMatch();

    Place(HEROINE, WP_START);
    Place(MABEL, WP_MABEL);
    ArriveFromOutside();
    BackFromTheSafe();
}

void SceneScript_bg205::ResetObjects()
{
    ShowObject(Object("o_safe"), false);
    PushHashAction23(Object("o_safe"), SAFE_SHUT);
    PushHashAction23(Object("o_portrait"), PORTRAIT_SHUT);
    SetInteractive(Object("governors_portrait"), false);
    SetInteractive(Object("safe"), false);
    SetInteractive(Object("safe_interior"), false);
    ShowObject(Object("o_drawer_3"), false);
    ShowObject(Object("i_folder_paper_2"), false);
    ShowObject(Object("i_folder_paper_1"), false);
    ShowObject(Object("m_fade_mabel"), false);
    ShowObject(Object("m_fade_mabel_2"), false);
    SetInteractive(Object("four_drawer_cabinets"), false);
    SetInteractive(Object("fourth_drawer1"), false);
    SetInteractive(Object("fourth_drawer2"), false);
}

void SceneScript_bg205::RestorePortraitAndSafe()
{
    _IfBool(VARBOOL_QUEST_C8_CONSIGNMENT03, 0);
    _IfBool(VARBOOL_BG205_C08_OPEN_PORTRAIT, 0);
    SetInteractive(Object("governors_portrait"), true);
    _ElseMatch();
    PushHashAction23(Object("o_portrait"), PORTRAIT_ASIDE);
    ShowObject(Object("o_safe"), true);
    PushHashAction23(Object("o_safe"), SAFE_SHUT);
    SetInteractive(Object("governors_portrait"), false);
    SetInteractive(Object("safe"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION, 1);
    ShowOpenSafe();
    _EndMatch();
    _ElseMatch();
    // The note has been read: the portrait hangs as ever.
    SetInteractive(Object("governors_portrait"), true);
    _EndMatch();
}

void SceneScript_bg205::ShowOpenSafe()
{
    PushHashAction23(Object("o_portrait"), PORTRAIT_ASIDE);
    ShowObject(Object("o_safe"), true);
    PushHashAction23(Object("o_safe"), SAFE_OPEN);
    ShowObject(Object("i_folder_paper_2"), true);
    SetInteractive(Object("governors_portrait"), false);
    SetInteractive(Object("safe"), false);
    SetInteractive(Object("safe_interior"), true);
}

void SceneScript_bg205::RestoreCabinet()
{
    _IfBool(VARBOOL_QUEST_C8_NOTES04, 1);
    _IfBool(VARBOOL_BG205_C08_INT_FOURTH_DRAWER_CABINET, 0);
    SetInteractive(Object("four_drawer_cabinets"), true);
    SetInteractive(Object("fourth_drawer1"), false);
    SetInteractive(Object("fourth_drawer2"), false);
    _ElseMatch();
    SetInteractive(Object("four_drawer_cabinets"), false);
    SetInteractive(Object("fourth_drawer1"), true);
    SetInteractive(Object("fourth_drawer2"), true);
    _EndMatch();
    _EndMatch();

    // Once its paper is read the locked drawer stands open for good.
    _IfBool(VARBOOL_QUEST_C8_NOTES04_DONE, 0);
    ShowObject(Object("o_drawer_2"), false);
    _ElseMatch();
    ShowObject(Object("o_drawer_2"), true);
    SetInteractive(Object("fourth_drawer2"), false);
    _EndMatch();
}

void SceneScript_bg205::RestoreMabel()
{
    // Mabel haunts the office from her first appearance until her notes are
    // found.
    _IfMatch(
        MatchExpression(Op_Or, IsFalse(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN), IsTrue(VARBOOL_QUEST_C8_NOTES03_DONE)));
    ShowObject(MABEL, false);
    SetInteractive(MABEL, false);
    _EndMatch();

    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C8_JUSTICE03), IsFalse(VARBOOL_QUEST_C8_NOTES03_DONE)));
    ShowObject(Object("m_fade_mabel"), true);
    _EndMatch();
}

void SceneScript_bg205::ArriveFromOutside()
{
    _IfMatch(CameFrom(OFFICE_EXTERIOR));
    Place(HEROINE, WP_DOORSTEP);
    GoTo(HEROINE, WP_IN_FROM_OUTSIDE);
    _IfBool(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN, 0);
    MabelAppears();
    _ElseMatch();
    // Until Mabel has been heard out she does not let her go.
    _IfBool(VARBOOL_QUEST_C8_JUSTICE01, 0);
    SetInteractive(Object("goto_bg204"), false);
    SetInteractive(Object("window"), false);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg205::MabelAppears()
{
    Dialog(TAKING_IT_IN);
    SetInteractive(Object("goto_bg204"), false);
    SetInteractive(Object("window"), false);
    SetBoolVar(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN, true);
    Place(MABEL, WP_MABEL);
    EffectSound(GHOST_SOUND);
    SetInteractive(MABEL, true);
    // Each queue runs on its own: Mabel shows after a second while her glow
    // flares and dies away, and the heroine panics and steps back.
    Together();
    Wait(MABEL, 1000);
    ShowObject(MABEL, true);
    Wait(Object("m_fade_mabel_2"), 1000);
    Wait(Object("m_fade_mabel"), 1000);
    ShowObject(Object("m_fade_mabel_2"), true);
    PushAction60(Object("m_fade_mabel_2"), 500, 0);
    Wait(Object("m_fade_mabel_2"), 1000);
    PushAction60(Object("m_fade_mabel"), 500, 0);
    Wait(Object("m_fade_mabel"), 500);
    ShowObject(Object("m_fade_mabel"), false);
    PushPlayAnimation(HEROINE, AnimationOf<"tavrine">("ghostpanic").m_iId, 0, 1);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, WP_BACK_FROM_MABEL);
    Play(MABEL, "g_idle_l");
    Apart();
    Wait(LOGIC_DIALOG, 1800);
    Dialog(TAKING_IT_IN);
    Dialog(TAKING_IT_IN);
}

void SceneScript_bg205::BackFromTheSafe()
{
    _IfMatch(Both(CameFrom(SAFE_CLOSE_UP), IsFalse(VARBOOL_QUEST_C8_CONSIGNMENT03)));
    Place(HEROINE, WP_BACK_FROM_SAFE);
    _IfBool(VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION, 0);
    Dialog(0x83591363);
    _ElseMatch();
    ShowObject(Object("o_portrait"), true);
    ShowOpenSafe();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg205::BuildExitEvents()
{
    // Activate "goto_bg204": out of the door; her hand on the stiff door
    // plays on while the screen fades.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg204")));
    GoTo(HEROINE, WP_DOOR);
    GoToScene(OFFICE_EXTERIOR);
    Play(HEROINE, "g_dooropenfailure02");
    _EndMatch();
}

void SceneScript_bg205::BuildEvents()
{
    _IfMatch(MatchExpr::MakeEvent0(Object("window")));
    GoTo(HEROINE, WP_WINDOW);
    Dialog(0x66ce348e);
    _EndMatch();

    MabelEvents();
    ShowcaseEvents();
    PortraitEvents();
    SafeEvents();
    CabinetEvents();
    FurnitureEvents();
    GestureCallbacks();
}

void SceneScript_bg205::MabelEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(MABEL), HEROINE, WP_BEFORE_MABEL, 0x64d7536d);

    _IfEvent(ScriptEvent_FlaggedId2(MABEL));
    GoTo(HEROINE, WP_BEFORE_MABEL);
    Dialog(0xa469195c);
    _IfBool(VARBOOL_QUEST_C8_NOTES03_DONE, 1);
    SetInteractive(MABEL, false);
    _EndMatch();
    _EndMatch();

    // Mabel vanishes: her glow fades out, a second glow rises where she
    // stood and she is gone; every queue runs on its own.
    _IfEvent(OnCallback(0xe13a8c0f));
    Together();
    PushAction60(Object("m_fade_mabel"), 500, 0);
    Wait(Object("m_fade_mabel"), 500);
    ShowObject(Object("m_fade_mabel"), false);
    Wait(Object("m_fade_mabel_2"), 500);
    ShowObject(Object("m_fade_mabel_2"), true);
    PushAction60(Object("m_fade_mabel_2"), 1000, 1);
    Wait(MABEL, 1500);
    ShowObject(MABEL, false);
    Wait(Object("m_fade_mabel_2"), 1000);
    PushAction60(Object("m_fade_mabel_2"), 500, 0);
    Apart();
    _EndMatch();

    PlayGesture(OnCallback(0xd7bf6d6b), MABEL, "g_talk_l");
    PlayGesture(OnCallback(0x4119170d), MABEL, "g_idle_l");
    // The end of her first appearance: the door and the window answer again.
    _IfEvent(OnCallback(0x69689394));
    SetInteractive(Object("goto_bg204"), true);
    SetInteractive(Object("window"), true);
    _EndMatch();
}

void SceneScript_bg205::ShowcaseEvents()
{
    LookAndActivate(Object("showcase_red_butterfly"), HEROINE, WP_RED_BUTTERFLY, 0x4a9eb8ab, 0x2b7a7788);
    LookAndActivate(Object("showcase_green_butterfly"), HEROINE, WP_GREEN_BUTTERFLY, 0x316c77e9, 0x841ebe4d);
    LookAndActivate(Object("showcase_gold_butterfly"), HEROINE, WP_GOLD_BUTTERFLY, 0xfb26ff8b, 0x59206a36);
    LookAndActivate(Object("showcase_black_bug"), HEROINE, WP_BLACK_BUG, 0xa7771f33, 0xcbd55c63);

    WalkAndTalk(ScriptEvent_Object1(Object("showcase_blowpipe")), HEROINE, WP_BLOWPIPE, 0x4ac91d5c);
    _IfMatch(MatchExpr::MakeEvent0(Object("showcase_blowpipe")));
    _IfBool(VARBOOL_BG205_C08_PICK_BLOCKED_BLOWPIPE, 0);
    GoTo(HEROINE, WP_BLOWPIPE);
    Dialog(0xee1fa008);
    Play(HEROINE, "g_pickobjectmiddle01");
    ShowObject(Object("i_blowpipe"), false);
    Give(HEROINE, ItemNamed("ITEM_BLOCKED_BLOW_PIPE"));
    Play(HEROINE, "g_pickobjectmiddle02");
    SetBoolVar(VARBOOL_BG205_C08_PICK_BLOCKED_BLOWPIPE, true);
    SetInteractive(Object("showcase_blowpipe"), false);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg205::PortraitEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("governors_portrait")));
    ApproachThePortrait();
    Dialog(0xa3033e19);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("governors_portrait")));
    ApproachThePortrait();
    Dialog(0xcfa17d49);
    _EndMatch();

    // The portrait swings aside and bares the safe.
    _IfEvent(OnCallback(0x9bb4210d));
    Play(HEROINE, "openportrait01");
    EffectSound(PORTRAIT_OPENS_SOUND);
    ShowObject(Object("o_portrait"), true);
    PushHashAction23(Object("o_portrait"), PORTRAIT_ASIDE);
    ShowObject(Object("o_safe"), true);
    Play(HEROINE, "openportrait02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG205_C08_OPEN_PORTRAIT, true);
    SetInteractive(Object("governors_portrait"), false);
    SetInteractive(Object("safe"), true);
    SetInteractive(Object("safe_interior"), false);
    _EndMatch();
}

void SceneScript_bg205::ApproachThePortrait()
{
    // Once Mabel's notes are found she stands back from the portrait, by the
    // safe; before, close up to it.
    _IfBool(VARBOOL_QUEST_C8_NOTES03_DONE, 0);
    GoTo(HEROINE, WP_BEFORE_PORTRAIT);
    _ElseMatch();
    GoTo(HEROINE, WP_SAFE);
    _EndMatch();
}

void SceneScript_bg205::SafeEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("safe")), HEROINE, WP_SAFE, 0x6aadc958);
    _IfMatch(MatchExpr::MakeEvent0(Object("safe")));
    GoTo(HEROINE, WP_SAFE);
    GoToScene(SAFE_CLOSE_UP);
    _EndMatch();

    WalkAndTalk(ScriptEvent_Object1(Object("safe_interior")), HEROINE, WP_SAFE, 0xa1b3e3a7);
    // She takes the note from the folder, unrolls it and reads.
    _IfMatch(MatchExpr::MakeEvent0(Object("safe_interior")));
    GoTo(HEROINE, WP_INTO_SAFE);
    Play(HEROINE, "takesflorabook01");
    ShowObject(Object("i_folder_paper_2"), false);
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_note"), BONE_LEFT_HAND);
    Play(HEROINE, "takesflorabook02");
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_note"));
    PushAddAttachment(HEROINE, AttachmentNamed("unrolled_note"), BONE_RIGHT_HAND);
    Play(HEROINE, "takesflorabook03");
    Play(HEROINE, "takesflorabook_idle_l");
    Dialog(0x3b7083fc);
    _EndMatch();

    // The note goes back into the safe and the portrait is swung shut.
    _IfEvent(OnCallback(0x18142901));
    Play(HEROINE, "leavepaper01");
    PushRemoveAttachment(HEROINE, AttachmentNamed("unrolled_note"));
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_note"), BONE_LEFT_HAND);
    Play(HEROINE, "leavepaper02");
    ShowObject(Object("i_folder_paper_2"), true);
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_note"));
    Play(HEROINE, "leavepaper03");
    Play(HEROINE, "closeportrait01");
    EffectSound(PORTRAIT_CLOSES_SOUND);
    ShowObject(Object("o_portrait"), true);
    PushHashAction23(Object("o_portrait"), PORTRAIT_SHUT);
    ShowObject(Object("o_safe"), false);
    Play(HEROINE, "closeportrait02");
    Play(HEROINE, "g_idle_l");
    SetInteractive(Object("governors_portrait"), true);
    SetInteractive(Object("safe"), false);
    SetInteractive(Object("safe_interior"), false);
    _EndMatch();
}

void SceneScript_bg205::CabinetEvents()
{
    // The cabinet, looked over, shows its two drawers.
    _IfMatch(MatchExpr::MakeEvent0(Object("four_drawer_cabinets")));
    GoTo(HEROINE, WP_CABINET);
    Play(HEROINE, "g_lookingaround");
    Play(HEROINE, "g_idle_l");
    Dialog(0xbd8909f7);
    SetInteractive(Object("four_drawer_cabinets"), false);
    SetInteractive(Object("fourth_drawer1"), true);
    SetInteractive(Object("fourth_drawer2"), true);
    SetBoolVar(VARBOOL_BG205_C08_INT_FOURTH_DRAWER_CABINET, true);
    _EndMatch();

    _IfEvent(OnCallback(0xb92da68c));
    SetInteractive(Object("four_drawer_cabinets"), true);
    _EndMatch();

    WalkAndTalk(ScriptEvent_Object1(Object("fourth_drawer1")), HEROINE, WP_FIRST_DRAWER, 0xa4e741b3);
    _IfMatch(MatchExpr::MakeEvent0(Object("fourth_drawer1")));
    GoTo(HEROINE, WP_FIRST_DRAWER);
    Play(HEROINE, "opendrawerdrake01");
    ShowObject(Object("o_drawer_3"), true);
    Play(HEROINE, "opendrawerdrake03_l");
    Dialog(0xb01a3eb7);
    ShowObject(Object("o_drawer_3"), false);
    Play(HEROINE, "opendrawerdrake05");
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    WalkAndTalk(ScriptEvent_Object1(Object("fourth_drawer2")), HEROINE, WP_SECOND_DRAWER, 0x3dee1009);
    // Locked: the rattle and her pull start together.
    _IfMatch(MatchExpr::MakeEvent0(Object("fourth_drawer2")));
    GoTo(HEROINE, WP_SECOND_DRAWER);
    Together();
    Sound(HEROINE, LOCKED_DRAWER_SOUND, 2178);
    Play(HEROINE, "openlockeddrawertry");
    Apart();
    Play(HEROINE, "g_idle_l");
    Dialog(0x29136f0d);
    _EndMatch();

    _IfEvent(ScriptEvent_ItemOnObject3(Object("fourth_drawer2"), ItemNamed("ITEM_SMALL_KEY")));
    GoTo(HEROINE, WP_SECOND_DRAWER);
    Dialog(0x05e77ee1);
    Dialog(0x78732763);
    SetInteractive(Object("fourth_drawer2"), false);
    _EndMatch();

    // The key turns: the drawer opens on a folded paper, which she reads.
    _IfEvent(OnCallback(0x13057a21));
    Together();
    Sound(HEROINE, DRAWER_OPENS_SOUND, 792);
    Play(HEROINE, "openlockeddrawer01");
    Apart();
    GoTo(HEROINE, WP_SECOND_DRAWER);
    ShowObject(Object("o_drawer_2"), true);
    ShowObject(Object("i_folder_paper_1"), true);
    Play(HEROINE, "openlockeddrawer02");
    ShowObject(Object("i_folder_paper_1"), false);
    PushAddAttachment(HEROINE, AttachmentNamed("unrolled_folded_paper"), BONE_RIGHT_HAND);
    Play(HEROINE, "openlockeddrawer03");
    Play(HEROINE, "g_readdocument04_l");
    _EndMatch();

    // Read, the paper is folded and put away.
    _IfEvent(OnCallback(0xed02b3dd));
    PushRemoveAttachment(HEROINE, AttachmentNamed("unrolled_folded_paper"));
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_folded_paper"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_readdocument05");
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_folded_paper"));
    Play(HEROINE, "g_readdocument06");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg205::FurnitureEvents()
{
    LookAndActivate(Object("flag"), HEROINE, WP_FLAG, 0xa4fd0a4d, 0x4d09d076);
    WalkAndTalk(ScriptEvent_Object1(Object("papers")), HEROINE, WP_PAPERS, 0x580a906f);
    LookAndActivate(Object("desk"), HEROINE, WP_DESK, 0x7067c5b1, 0x99931f8a);
    LookAndActivate(Object("statues"), HEROINE, WP_STATUES, 0x1e04fe3a, 0xafe6e3c4);
}

void SceneScript_bg205::GestureCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0x773e252b), HEROINE, "g_lookup", "g_idle_l");
    // A mark in the dialogs that asks nothing of the room.
    _IfEvent(OnCallback(0x737b600c));
    _EndMatch();
}

} // namespace

// Scene 26, bg205_CR_DrakesOfficeInterior.
REGISTER_SCENE_SCRIPT(bg205, 26);
