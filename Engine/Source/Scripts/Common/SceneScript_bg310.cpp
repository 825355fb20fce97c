// The voodoo temple of Hollow island (scene 37, bg310_HO_VoodooTemple): a
// statue, a skeleton and Bajari, who lies ill on the temple floor. She shows
// him the turtle rod; once he is cured he stands up and hugs her, and after
// their talk about Tanner's friend the rod sends him out of the temple. The
// map is off in here.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg310_37>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"bajari"> BAJARI;

// Waypoints of the temple.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_THRESHOLD = 1;
constexpr int32_t WP_INSIDE = 2;
constexpr int32_t WP_MAT = 3;
constexpr int32_t WP_BY_BAJARI = 4;
constexpr int32_t WP_BAJARI_STANDING = 5;
constexpr int32_t WP_BAJARI_ON_HIS_WAY = 6;
constexpr int32_t WP_DOOR = 7;
constexpr int32_t WP_STATUE = 8;
constexpr int32_t WP_SKELETON = 9;

// Walk-mesh blockers: the threshold, and Bajari's mat.
constexpr int32_t THRESHOLD_BLOCKER = 0;
constexpr int32_t MAT_BLOCKER = 1;

// Sounds: the music and the temple, and Bajari's hug.
constexpr uint32_t TEMPLE_MUSIC = 0x2e44d392;
constexpr uint32_t TEMPLE_AMBIENCE = 0x4588705d;
constexpr uint32_t HUG_SOUND = 0x7be8a7cb;
constexpr int32_t HUG_SOUND_DELAY = 924;

// The village outside.
constexpr int32_t VILLAGE = 36; // bg309_HO_VoodooVillage

class SceneScript_bg310 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void BajariEvents();
    void TurtleRodEvents();
    void TalkCallbacks();
    void HugCallback();
    void BajariTalkCallbacks();
};

void SceneScript_bg310::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg310_chapter_07"), InChapter(7));
    LinkSoundGroup(0x78a34138, InEveryChapterBut(7));
}

void SceneScript_bg310::BuildEnterActions()
{
    PlayMusic(TEMPLE_MUSIC);
    PlayAmbience(TEMPLE_AMBIENCE);
    SetSceneDirection(3);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);

    // Once he has set off for the jetty he is gone from here.
    _IfBool(VARBOOL_QUEST_C7_TANNERSFRIEND03, 1);
    ShowAndActivate(BAJARI, false);
    _EndMatch();

    Place(HEROINE, WP_START);

    // Ill, he lies on his mat; cured, he stands beside it.
    _IfBool(VARBOOL_BG310_C07_TALK_BAJARI_CURED, 0);
    Place(BAJARI, WP_MAT);
    PushAnimAction(BAJARI, "lying_l", 1, 0);
    _ElseMatch();
    Place(BAJARI, WP_BAJARI_STANDING);
    Play(BAJARI, "g_idle_l");
    _EndMatch();

    _IfMatch(CameFrom(VILLAGE));
    Place(HEROINE, WP_THRESHOLD);
    GoTo(HEROINE, WP_INSIDE);
    _EndMatch();

    PushAction21(HEROINE, THRESHOLD_BLOCKER, 1);
    PushAction21(HEROINE, MAT_BLOCKER, 1);
}

void SceneScript_bg310::BuildExitEvents()
{
    // Activate "goto_bg309": back out to the village; she walks on over the
    // threshold during the fade-out.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg309")));
    PushAction21(HEROINE, THRESHOLD_BLOCKER, 0);
    WalkTo(HEROINE, WP_DOOR);
    GoToScene(VILLAGE);
    WalkTo(HEROINE, WP_THRESHOLD);
    _EndMatch();
}

void SceneScript_bg310::BuildEvents()
{
    BajariEvents();
    TurtleRodEvents();
    TalkCallbacks();
    HugCallback();
    BajariTalkCallbacks();
    LookAndActivate(Object("statue"), HEROINE, WP_STATUE, 0x0191a995, 0xbac452fd);
    LookAndActivate(Object("skeleton"), HEROINE, WP_SKELETON, 0x130aa58a, 0x9441d4e4);
}

void SceneScript_bg310::BajariEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(BAJARI));
    GoTo(HEROINE, WP_BY_BAJARI);
    Dialog(0xea005c2f);
    SetBoolVar(VARBOOL_BG310_C07_LOOK_BAJARI, true);
    _EndMatch();

    WalkAndTalk(ScriptEvent_FlaggedId2(BAJARI), HEROINE, WP_BY_BAJARI, 0xd97175d7);

    // UseItem the turtle rod on "bajari": she shows it to him; once they
    // have talked about Tanner's friend he takes it as Tanner's word and
    // leaves the temple.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(BAJARI, ItemNamed("ITEM_TURTLE_ROD")));
    GoTo(HEROINE, WP_BY_BAJARI);
    Dialog(0x18675c15);
    _IfBool(VARBOOL_BG310_C07_TALK_BAJARI_ABOUT_TANNER_FRIEND, 1);
    WalkTo(BAJARI, WP_BAJARI_ON_HIS_WAY);
    WalkTo(BAJARI, WP_THRESHOLD);
    ShowAndActivate(BAJARI, false);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg310::TurtleRodEvents()
{
    // Callback: she holds up the rod.
    _IfEvent(OnCallback(0x513181c2));
    Play(HEROINE, "showrod_01");
    PushAddAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"), BONE_RIGHT_HAND);
    Play(HEROINE, "showrod_02");
    Play(HEROINE, "showrod_04_l");
    _EndMatch();

    // Callback: she puts it away.
    _IfEvent(OnCallback(0x2e3b04ca));
    Play(HEROINE, "showrod_05");
    PushRemoveAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"));
    Play(HEROINE, "showrod_06");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg310::TalkCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
}

void SceneScript_bg310::HugCallback()
{
    // Callback: cured, Bajari gets up from his mat, comes to her and hugs
    // her; then both talk on together.
    _IfEvent(OnCallback(0x771d732d));
    Play(HEROINE, "g_idle_l");
    Play(BAJARI, "standup");
    Play(BAJARI, "g_idle_l");
    GoTo(BAJARI, WP_BAJARI_STANDING);
    Together();
    Sound(BAJARI, HUG_SOUND, HUG_SOUND_DELAY);
    Play(BAJARI, "bajarihugtavrine");
    Play(HEROINE, "bajarihugtavrine");
    Play(HEROINE, "g_talk_l");
    Play(BAJARI, "g_talk_l");
    Apart();
    _EndMatch();
}

void SceneScript_bg310::BajariTalkCallbacks()
{
    // Bajari talks and listens lying on his mat until he is cured, standing
    // after; the cure is read when the line comes.
    _IfEvent(OnCallback(0xf031bd31));
    _IfBool(VARBOOL_BG310_C07_TALK_BAJARI_CURED, 0);
    Play(BAJARI, "lying_talk_l");
    _ElseMatch();
    Play(BAJARI, "g_talk_l");
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0x682acd55));
    _IfBool(VARBOOL_BG310_C07_TALK_BAJARI_CURED, 0);
    PushAnimAction(BAJARI, "lying_l", 1, 0);
    _ElseMatch();
    Play(BAJARI, "g_idle_l");
    _EndMatch();
    _EndMatch();
}

} // namespace

// Scene 37, bg310_HO_VoodooTemple.
REGISTER_SCENE_SCRIPT(bg310, 37);
