// The dark reefs of Hollow island (scene 35, bg308_HO_DarkReefs), below a
// cliff, with a reinforced door, a chest, a broken egg shell and a post.
// Chapter 4: Briscoe is tied to the post. The first visit stops on the cliff
// top; once Diego has fetched the ladder from the middle square he sets it up
// and both climb down, the heroine unties Briscoe, who panics until Diego
// knocks him out, and a talk to him leads back to the ship. Chapter 7: Sancha
// searches the reefs for diamonds.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg308_35>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"sancha"> SANCHA;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

// Waypoints: the cliff top first, then the reefs below it.
constexpr int32_t WP_BRISCOE = 1;
constexpr int32_t WP_CLIFF_EDGE = 2;
constexpr int32_t WP_DIEGO_PLACING_LADDER = 3;
constexpr int32_t WP_CLIFF_WAY_IN = 4;
constexpr int32_t WP_FOOT_OF_LADDER = 5;
constexpr int32_t WP_DIEGO_BY_BRISCOE = 7;
constexpr int32_t WP_TOP_OF_LADDER = 8;
constexpr int32_t WP_UNTYING = 9;
constexpr int32_t WP_DIEGO = 10;
constexpr int32_t WP_SANCHA_SEARCHING = 11;
constexpr int32_t WP_BY_SANCHA = 12;
constexpr int32_t WP_BY_DIEGO = 13;
constexpr int32_t WP_AFTER_EGG_SHELL = 14;
constexpr int32_t WP_SANCHA_STANDING = 15;
constexpr int32_t WP_DIEGO_ON_CLIFF = 16;
constexpr int32_t WP_CLIFF = 17;
constexpr int32_t WP_REINFORCED_DOOR = 18;
constexpr int32_t WP_EGG_SHELL = 19;
constexpr int32_t WP_REEFS_WAY_OUT = 20;
constexpr int32_t WP_CHEST = 26;

// The walk-mesh blocker over the ladder's place: without the ladder the
// heroine stays on the cliff top.
constexpr int32_t NO_LADDER_BLOCKER = 0;

// Where Diego is: the reefs.
constexpr int32_t DIEGO_AT_THE_REEFS = 8;

// Sounds: the music and the surf; the ladder against the rock, the door that
// will not open, the shell that reforms, Briscoe knocked out.
constexpr uint32_t REEFS_MUSIC = 0x653e13c1;
constexpr uint32_t REEFS_AMBIENCE = 0x0245028a;
constexpr uint32_t LADDER_SOUND = 0x2bccec0f;
constexpr uint32_t DOOR_RATTLE_SOUND = 0x7afbba45;
constexpr uint32_t SHELL_REFORMS_SOUND = 0x7806282b;
constexpr uint32_t KNOCKOUT_SOUND = 0x5e61057d;

// Sprite animations: the ataban's rest and glow, the broken shell at rest and
// reforming.
constexpr uint32_t ATABAN_RESTING = 0xcf0d9a1f;
constexpr uint32_t ATABAN_GLOW = 0xceac1959;
constexpr uint32_t SHELL_RESTING = 0x9c08ae21;
constexpr uint32_t SHELL_REFORMS = 0x9f9af7a9;

constexpr int32_t DARK_BEACH = 34;       // bg307_HO_DarkBeach
constexpr int32_t ALESSANDROS_CABIN = 7; // bg003_WM_AlessandrosCabin

class SceneScript_bg308 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void HideEveryone();
    void SanchaSearches();
    void EnterChapter4();
    void OnTheCliff();
    void LadderScene();

    void CliffAndChestEvents();
    void DoorEvents();
    void EggShellEvents();
    void BriscoeEvents();
    void UntyingCallbacks();
    void DiegoEvents();
    void SanchaEvents();
};

void SceneScript_bg308::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg308_chapter_04"), InChapter(4));
    LinkSoundGroup(0x0fc6855d, InChapter(7));
    LinkSoundGroup(0x3c3d4ece, InChapters({1, 2, 3, 5, 6, 8, 9, 10}));
}

void SceneScript_bg308::BuildEnterActions()
{
    PlayMusic(REEFS_MUSIC);
    PlayAmbience(REEFS_AMBIENCE);
    SetSceneDirection(4);
    HideEveryone();
    SanchaSearches();

    Place(HEROINE, WP_FOOT_OF_LADDER);
    Place(SANCHA, WP_SANCHA_SEARCHING);
    ShowObject(Object("fx_ataban"), false);
    PushHashAction23(Object("fx_ataban"), ATABAN_RESTING);
    PushHashAction23(Object("m_eggshell_full"), SHELL_RESTING);
    ShowObject(Object("o_post"), false);

    _IfBool(VARBOOL_BG308_C04_USE_EGG_SHELL_ON_EGG_SHELL_2, 1);
    ShowObject(Object("m_eggshell_full"), false);
    SetInteractive(Object("egg_shell_2"), false);
    _EndMatch();

    _IfMatch(InChapter(4));
    EnterChapter4();
    _EndMatch();
}

void SceneScript_bg308::HideEveryone()
{
    ShowAndActivate(SANCHA, false);
    ShowObject(Object("fx_diamonds"), false);
    ShowAndActivate(BRISCOE, false);
    ShowAndActivate(DIEGO, false);
}

void SceneScript_bg308::SanchaSearches()
{
    // Chapter 7: the diamonds glint; Sancha searches once Miss Brown has told
    // of the island.
    _IfMatch(InChapter(7));
    ShowObject(Object("fx_diamonds"), true);
    _IfBool(VARBOOL_BG305_C07_TALK_MISS_BROWN_ABOUT_ISLAND, 1);
    ShowAndActivate(SANCHA, true);
    PushAnimAction(SANCHA, "searchingdiamonds_l", 1, 0);
    SetBoolVar(VARBOOL_BG308_C07_SANCHA_SEARCHES_DIAMONDS, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg308::EnterChapter4()
{
    ShowAndActivate(BRISCOE, true);
    ShowAndActivate(DIEGO, true);
    ShowObject(Object("o_post"), true);

    // Without the ladder nothing below the cliff answers.
    _IfBool(VARBOOL_BG308_C04_EVENT_LADDER, 0);
    ShowObject(Object("o_ladder"), false);
    SetInteractive(Object("cliff"), false);
    SetInteractive(Object("egg_shell_2"), false);
    SetInteractive(Object("reinforced_door"), false);
    SetInteractive(Object("chest"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG308_C04_EVENT_BRISCOE_IN_PANIC, 0);
    Play(BRISCOE, "tiedidle_l");
    _EndMatch();
    Place(BRISCOE, WP_BRISCOE);

    _IfBool(VARBOOL_BG308_C04_EVENT_LADDER, 0);
    Place(HEROINE, WP_CLIFF_WAY_IN);
    Place(DIEGO, WP_DIEGO_ON_CLIFF);
    SetIntVar(VARINT_DIEGO_SCENE, DIEGO_AT_THE_REEFS);
    _IfBool(VARBOOL_BG303_C04_PICK_LADDER, 0);
    OnTheCliff();
    _ElseMatch();
    LadderScene();
    _EndMatch();
    _ElseMatch();
    Place(HEROINE, WP_FOOT_OF_LADDER);
    Place(DIEGO, WP_DIEGO);
    _EndMatch();
}

void SceneScript_bg308::OnTheCliff()
{
    // No ladder yet: she looks down at Briscoe from the cliff top and calls to
    // him, and stays up there.
    PushAction21(HEROINE, NO_LADDER_BLOCKER, 1);
    Place(HEROINE, WP_CLIFF_WAY_IN);
    GoTo(HEROINE, WP_CLIFF_EDGE);
    SelectCharacter(BRISCOE);
    Dialog(0xbbf9841c);
    SelectCharacter(HEROINE);
    SetBoolVar(VARBOOL_QUEST_C4_FIND_BRISCOE02_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C4_FIND_BRISCOE03, true);
}

void SceneScript_bg308::LadderScene()
{
    // Diego sets the ladder against the cliff and slides down; she follows.
    Place(HEROINE, WP_CLIFF_EDGE);
    Place(DIEGO, WP_DIEGO_PLACING_LADDER);
    AddToQueue(DIEGO, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    Together();
    Play(DIEGO, "placingladder");
    ShowObject(Object("o_ladder"), true);
    Play(DIEGO, "g_idle_l");
    Sound(DIEGO, LADDER_SOUND, 660);
    PushAnimAction(DIEGO, "slidedownladder", 0, 1);
    Play(DIEGO, "g_idle_l");
    Apart();
    AddToQueue(DIEGO, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
    GoTo(DIEGO, WP_DIEGO);
    GoTo(HEROINE, WP_TOP_OF_LADDER);
    AddToQueue(HEROINE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    PushAnimAction(HEROINE, "slidedownladder", 0, 1);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, WP_FOOT_OF_LADDER);
    AddToQueue(HEROINE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
    SetInteractive(Object("cliff"), true);
    SetInteractive(Object("egg_shell_2"), true);
    SetInteractive(Object("reinforced_door"), true);
    SetBoolVar(VARBOOL_BG308_C04_TAVRINE_NOT_ON_CLIFF, true);
    SetBoolVar(VARBOOL_BG308_C04_EVENT_LADDER, true);
}

void SceneScript_bg308::BuildExitEvents()
{
    // Activate "goto_bg307": along the cliff top, or along the reefs once
    // she is down.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg307")));
    _IfBool(VARBOOL_BG308_C04_EVENT_LADDER, 0);
    GoTo(HEROINE, WP_CLIFF_WAY_IN);
    _ElseMatch();
    GoTo(HEROINE, WP_REEFS_WAY_OUT);
    _EndMatch();
    GoToScene(DARK_BEACH);
    _EndMatch();
}

void SceneScript_bg308::BuildEvents()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    CliffAndChestEvents();
    DoorEvents();
    EggShellEvents();
    BriscoeEvents();
    UntyingCallbacks();
    DiegoEvents();
    SanchaEvents();
}

void SceneScript_bg308::CliffAndChestEvents()
{
    LookAndActivate(Object("cliff"), HEROINE, WP_CLIFF, 0x993cc41e, 0x3d7cadfa);

    // Look and Activate "chest": from the reefs once the ladder has been
    // fetched, else from the cliff's edge.
    for (const auto& [pattern, uDialog] :
         {std::pair {MatchExpr::Event(ScriptEvent_Object1(Object("chest"))), 0xdb483d71u},
          std::pair {MatchExpr::MakeEvent0(Object("chest")), 0x7f085495u}}) {
        _IfMatch(pattern);
        _IfBool(VARBOOL_BG303_C04_PICK_LADDER, 1);
        GoTo(HEROINE, WP_CHEST);
        _ElseMatch();
        GoTo(HEROINE, WP_CLIFF_EDGE);
        _EndMatch();
        Dialog(uDialog);
        _EndMatch();
    }
}

void SceneScript_bg308::DoorEvents()
{
    LookAndActivate(Object("reinforced_door"), HEROINE, WP_REINFORCED_DOOR, 0xf3bdef45, 0xa70d4021);

    // Callback: the door will not open.
    _IfEvent(OnCallback(0x8081b403));
    Together();
    Sound(HEROINE, DOOR_RATTLE_SOUND, 1056);
    Play(HEROINE, "g_dooropenfailure02");
    Apart();
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg308::EggShellEvents()
{
    LookAndActivate(Object("egg_shell_2"), HEROINE, WP_EGG_SHELL, 0x7c9fe778, 0x200d0651);

    // UseItem the egg shell on "egg_shell_2": her half fits the broken one,
    // the shell reforms in the ataban's glow and is gone for this visit; her
    // remark afterwards records it for the later ones.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("egg_shell_2"), ItemNamed("ITEM_EGG_SHELL")));
    GoTo(HEROINE, WP_EGG_SHELL);
    Play(HEROINE, "eggreform01");
    PushAddAttachment(HEROINE, AttachmentNamed("egg_shell"), BONE_RIGHT_HAND);
    Play(HEROINE, "eggreform02");
    PushRemoveAttachment(HEROINE, AttachmentNamed("egg_shell"));
    PushHashAction23(Object("m_eggshell_full"), SHELL_REFORMS);
    Take(HEROINE, ItemNamed("ITEM_EGG_SHELL"));
    Together();
    Sound(HEROINE, SHELL_REFORMS_SOUND, 2500);
    PushAnimAction(HEROINE, "eggreform03", 0, 1);
    Wait(Object("fx_ataban"), 2500);
    ShowObject(Object("fx_ataban"), true);
    PushHashAction23(Object("fx_ataban"), ATABAN_GLOW);
    Wait(Object("m_eggshell_full"), 5000);
    ShowObject(Object("m_eggshell_full"), false);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, WP_AFTER_EGG_SHELL);
    Apart();
    ShowObject(Object("fx_ataban"), false);
    Wait(LOGIC_DIALOG, 6000);
    Dialog(0x60af1161);
    SetInteractive(Object("egg_shell_2"), false);
    _EndMatch();
}

void SceneScript_bg308::BriscoeEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(BRISCOE));
    Dialog(0x86615979);
    _EndMatch();

    // Talk "thomas_b": from the cliff she calls down to him; below, she
    // unties him. Diego leaves her party only with Briscoe knocked out, on
    // the way back to the ship: he is still needed for the ladder.
    _IfEvent(ScriptEvent_FlaggedId2(BRISCOE));
    Dialog(0x3534527e);
    _IfBool(VARBOOL_BG308_C04_EVENT_BRISCOE_IN_PANIC, 1);
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    GoToScene(ALESSANDROS_CABIN);
    _EndMatch();
    _EndMatch();

    // Callback: she steps up to him, at the cliff's edge or by the post.
    _IfEvent(OnCallback(0x5c50b38e));
    _IfBool(VARBOOL_BG308_C04_EVENT_LADDER, 0);
    GoTo(HEROINE, WP_CLIFF_EDGE);
    _ElseMatch();
    GoTo(HEROINE, WP_UNTYING);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg308::UntyingCallbacks()
{
    // Callback: the untying begins.
    _IfEvent(OnCallback(0x8f32e48a));
    Together();
    GoTo(DIEGO, WP_DIEGO_BY_BRISCOE);
    Play(HEROINE, "g_use01");
    Play(HEROINE, "g_use02_l");
    Wait(BRISCOE, 1000);
    Play(BRISCOE, "untie01");
    Play(BRISCOE, "untie02_l");
    Apart();
    _EndMatch();

    _IfEvent(OnCallback(0x7e7b7278));
    Play(DIEGO, "turnheadashamed");
    Play(DIEGO, "g_idle_l");
    Play(HEROINE, "g_use03");
    Play(HEROINE, "g_idle_l");
    PushAnimAction(BRISCOE, "untie03", 0, 1);
    Play(BRISCOE, "untie04_l");
    _EndMatch();

    PlayGesture(OnCallback(0xe763f83f), BRISCOE, "untie05", "untie06_l");

    // Callback: Briscoe panics and Diego knocks him out.
    _IfEvent(OnCallback(0x5dc64475));
    Together();
    Sound(DIEGO, KNOCKOUT_SOUND, 3564);
    Play(DIEGO, "knockoutbriscoe");
    Play(BRISCOE, "untie07");
    Play(DIEGO, "g_idle_l");
    Play(BRISCOE, "unconscious_l");
    Apart();
    SetBoolVar(VARBOOL_BG308_C04_EVENT_BRISCOE_IN_PANIC, true);
    SetBoolVar(VARBOOL_QUEST_C4_FIND_BRISCOE03_DONE, true);
    _EndMatch();
}

void SceneScript_bg308::DiegoEvents()
{
    // Look and Talk "diego": she goes over to him once both are down, and
    // only turns to him on the cliff.
    for (const auto& [pattern, uDialog] : {std::pair {ScriptEvent_FlaggedId1(DIEGO), 0x751f98bdu},
                                           std::pair {ScriptEvent_FlaggedId2(DIEGO), 0x072b85d0u}}) {
        _IfEvent(pattern);
        _IfBool(VARBOOL_BG308_C04_EVENT_LADDER, 1);
        WalkTo(HEROINE, WP_BY_DIEGO);
        _EndMatch();
        TurnToward(HEROINE, DIEGO);
        Dialog(uDialog);
        _EndMatch();
    }
}

void SceneScript_bg308::SanchaEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(SANCHA), HEROINE, WP_BY_SANCHA, 0xd7968eda);
    WalkAndTalk(ScriptEvent_FlaggedId2(SANCHA), HEROINE, WP_BY_SANCHA, 0xe4e7a722);
    PlayGesture(OnCallback(0xaf7db1a6), SANCHA, "g_talk_l");
    PlayGesture(OnCallback(0xe6bfa140), SANCHA, "g_idle_l");

    // Callback: Sancha stops searching and stands up to talk.
    _IfEvent(OnCallback(0x01e6c07f));
    PushAnimAction(SANCHA, "searchingdiamondsend", 0, 1);
    Play(SANCHA, "g_idle_l");
    Place(SANCHA, WP_SANCHA_STANDING);
    Play(SANCHA, "g_talk_l");
    SetBoolVar(VARBOOL_BG308_C07_SANCHA_SEARCHES_DIAMONDS, false);
    _EndMatch();
}

} // namespace

// Scene 35, bg308_HO_DarkReefs.
REGISTER_SCENE_SCRIPT(bg308, 35);
