// The town hall's reception on Hollow island (scene 32,
// bg305_HO_TownHallReception): Miss Brown at her desk, the key rack, the wall
// map and the exotic chest. Chapter 4: the map, the stone half-disk, the egg
// shell and the turtle rod shown to her, the doubloons and the torn report,
// her fainting and recovery, the lost key found on the rack and the chest
// opened. Chapter 7: the dead flowers in the vase and their petals.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg305_32>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"missbrown"> MISS_BROWN;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

// Waypoints of the reception.
constexpr int32_t WP_DESK = 0;
constexpr int32_t WP_DOORWAY = 1;
constexpr int32_t WP_START = 2;
constexpr int32_t WP_OUT_OF_THE_DOOR = 3;
constexpr int32_t WP_BEFORE_DESK = 4;
constexpr int32_t WP_FAINTED = 5;
constexpr int32_t WP_KEY_PANIC = 6;
constexpr int32_t WP_AT_CHEST = 7;
constexpr int32_t WP_WATCHING_CHEST = 9;
constexpr int32_t WP_BY_FAINTED = 10;
constexpr int32_t WP_PETALS = 11;
constexpr int32_t WP_SPRAYING_VASE = 12;
constexpr int32_t WP_SOBBING_CHAPTER_7 = 13;
constexpr int32_t WP_SOBBING = 14;
constexpr int32_t WP_BEHIND_DESK_WAY = 16;
constexpr int32_t WP_KEY_RACK = 17;
constexpr int32_t WP_WALL_MAP = 18;
constexpr int32_t WP_DOOR = 19;
constexpr int32_t WP_EXOTIC_CHEST = 21;
constexpr int32_t WP_VASE = 22;
constexpr int32_t WP_STATUE_1 = 25;
constexpr int32_t WP_STATUE_2 = 26;

// Walk-mesh blockers: the way round the desk to the chest, and the door.
constexpr int32_t DESK_BLOCKER = 0;
constexpr int32_t DOOR_BLOCKER = 1;

// Sprite animations: the petals at rest and falling, the chest shut and
// opening.
constexpr uint32_t PETALS_STILL = 0xa5ca0524;
constexpr uint32_t PETALS_FALLING = 0xe88f7d35;
constexpr uint32_t CHEST_SHUT = 0xc5b20358;
constexpr uint32_t CHEST_OPENING = 0x81173ccb;

// Sounds: the music and the room, the chest's lid, Miss Brown coming to,
// the chest's lock, her fall, the weed killer's spray.
constexpr uint32_t RECEPTION_MUSIC = 0x60d0778b;
constexpr uint32_t RECEPTION_AMBIENCE = 0x2cf9b593;
constexpr uint32_t CHEST_LID_SOUND = 0x560cab10;
constexpr uint32_t COMING_TO_SOUND = 0x33c52b4d;
constexpr uint32_t CHEST_LOCK_SOUND = 0x2c3b13ed;
constexpr uint32_t FAINT_SOUND = 0x44c21bdb;
constexpr uint32_t SPRAY_SOUND = 0x1f8933c3;

// The square outside and the reception itself, and the lost-key search
// (256 plus mini-game 4 once it is over).
constexpr int32_t TOWN_SQUARE_C = 31; // bg304_HO_TownSquareC
constexpr int32_t RECEPTION = 32;     // bg305_HO_TownHallReception
constexpr int32_t LOST_KEY = 4;
constexpr int32_t BACK_FROM_LOST_KEY = 256 + LOST_KEY;

// The dialogs the script starts itself.
constexpr uint32_t MISS_BROWN_COMES_TO = 0x114cce5a;
constexpr uint32_t WALL_MAP_TALK = 0xc10fb505;

class SceneScript_bg305 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void EnterChapter7();
    void MissBrownComesTo();
    void BackFromTheKeyRack();

    void KeyAndChestCallbacks();
    void TalkCallbacks();
    void MissBrownEvents();
    void MapEvents();
    void HalfDiskEvents();
    void LostKeyCallbacks();
    void EggShellEvents();
    void TurtleRodEvents();
    void ChestEvents();
    void KeyRackAndWallMapEvents();
    void VaseEvents();
    void StatueEvents();

    // The heroine's object in her right hand, and put away again.
    void Hold(uint32_t uAttachment) { PushAddAttachment(HEROINE, uAttachment, BONE_RIGHT_HAND); }
    void PutAway(uint32_t uAttachment) { PushRemoveAttachment(HEROINE, uAttachment); }
};

void SceneScript_bg305::LinkActorSets()
{
    LinkActorSet("chapter_7", InChapters({7, 8, 9}));
}

void SceneScript_bg305::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg305_chapter_04"), InChapter(4));
    LinkSoundGroup(SoundGroupNamed("bg305_chapter_07"), InChapter(7));
    LinkSoundGroup(0x27385b1f, InChapters({1, 2, 3, 5, 6, 8, 9, 10}));
}

void SceneScript_bg305::BuildEnterActions()
{
    PlayMusic(RECEPTION_MUSIC);
    PlayAmbience(RECEPTION_AMBIENCE);
    SetSceneDirection(2);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    ResetObjects();

    // Since the half-disk upset her she sobs at the far end of her desk,
    // until they have talked about Percy.
    _IfMatch(InChapter(4));
    _IfMatch(
        Both(IsTrue(VARBOOL_BG305_C04_MISS_BROWN_SOBBING), IsFalse(VARBOOL_BG305_C04_TALK_MISS_BROWN_ABOUT_PERCY)));
    Place(MISS_BROWN, WP_SOBBING);
    PushAnimAction(MISS_BROWN, "desksobbing_l", 1, 0);
    _EndMatch();
    _EndMatch();

    _IfMatch(InChapter(7));
    EnterChapter7();
    _EndMatch();

    _IfMatch(CameFrom(TOWN_SQUARE_C));
    Place(HEROINE, WP_DOORWAY);
    GoTo(HEROINE, WP_START);
    _EndMatch();

    _IfMatch(InChapter(4));
    MissBrownComesTo();
    _EndMatch();

    BackFromTheKeyRack();
    PushAction21(HEROINE, DOOR_BLOCKER, 1);
}

void SceneScript_bg305::ResetObjects()
{
    SetInteractive(Object("vase_of_flowers"), false);
    ShowObject(Object("o_flowers_dead"), false);
    ShowObject(Object("fx_petals"), false);
    PushHashAction23(Object("fx_petals"), PETALS_STILL);
    PushAction21(HEROINE, DESK_BLOCKER, 1);
    Place(HEROINE, WP_START);
    Place(MISS_BROWN, WP_DESK);
    Play(MISS_BROWN, "g_desksitting_l");
    PushHashAction23(Object("m_chest"), CHEST_SHUT);
}

void SceneScript_bg305::EnterChapter7()
{
    ShowObject(Object("o_flowers_dead"), true);
    SetInteractive(Object("vase_of_flowers"), true);
    // The petals lie by the vase until the weed killer has done its work;
    // after that she mourns her flowers.
    _IfBool(VARBOOL_BG305_C07_USE_WEED_KILLER_ON_VASE_OF_FLOWERS, 0);
    ShowObject(Object("fx_petals"), true);
    _ElseMatch();
    Place(MISS_BROWN, WP_SOBBING_CHAPTER_7);
    PushAnimAction(MISS_BROWN, "desksobbing_l", 1, 0);
    _EndMatch();
}

void SceneScript_bg305::MissBrownComesTo()
{
    // The entry after she fainted: she comes to, once.
    _IfMatch(Both(IsTrue(VARBOOL_BG305_C04_MISS_BROWN_FAINTING), IsFalse(VARBOOL_BG305_C04_EVENT_MISSBROWN_UNFAINT)));
    PushAction21(HEROINE, DESK_BLOCKER, 0);
    Place(HEROINE, WP_BY_FAINTED);
    Place(MISS_BROWN, WP_FAINTED);
    PushAnimAction(MISS_BROWN, "brownunfaints01", 0, 0);
    Sound(HEROINE, COMING_TO_SOUND, 6930);
    Play(HEROINE, "brownunfaints01");
    PushAnimAction(MISS_BROWN, "desksobbing_l", 1, 0);
    Play(HEROINE, "g_idle_l");
    PushAction21(HEROINE, DESK_BLOCKER, 0);
    WalkTo(HEROINE, WP_KEY_RACK);
    TurnToward(HEROINE, MISS_BROWN);
    PushAction21(HEROINE, DESK_BLOCKER, 1);
    Wait(LOGIC_DIALOG, 1000);
    Dialog(MISS_BROWN_COMES_TO);
    SetBoolVar(VARBOOL_BG305_C04_EVENT_MISSBROWN_UNFAINT, true);
    _EndMatch();
}

void SceneScript_bg305::BackFromTheKeyRack()
{
    // Back from the search: a won game finds the key once, and the room is
    // entered anew.
    _IfMatch(CameFrom(BACK_FROM_LOST_KEY));
    Place(HEROINE, WP_KEY_RACK);
    _IfMatch(Both(IsTrue(VARBOOL_C_WIN_MINIGAME), IsFalse(VARBOOL_BG305_C04_EVENT_FOUND_KEY)));
    SetBoolVar(VARBOOL_WIN_MINIGAME_04, true);
    SetBoolVar(VARBOOL_QUEST_C4_FIND_KEY_DONE, true);
    SetBoolVar(VARBOOL_BG305_C04_EVENT_FOUND_KEY, true);
    Dialog(MISS_BROWN_COMES_TO);
    GoToScene(RECEPTION);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg305::BuildExitEvents()
{
    // Activate "goto_bg304": out to the square; she walks on through the door
    // during the fade-out.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg304")));
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    GoTo(HEROINE, WP_DOOR);
    GoToScene(TOWN_SQUARE_C);
    GoTo(HEROINE, WP_OUT_OF_THE_DOOR);
    _EndMatch();
}

void SceneScript_bg305::BuildEvents()
{
    KeyAndChestCallbacks();
    TalkCallbacks();
    MissBrownEvents();
    MapEvents();
    HalfDiskEvents();
    LostKeyCallbacks();
    EggShellEvents();
    TurtleRodEvents();
    ChestEvents();
    KeyRackAndWallMapEvents();
    VaseEvents();
    StatueEvents();
}

void SceneScript_bg305::KeyAndChestCallbacks()
{
    PlayGesture(OnCallback(0xbcb707e2), MISS_BROWN, "keyfound01", "keyfound02_l");

    // Callback: Miss Brown takes the found key round her desk and opens the
    // chest while the heroine watches.
    _IfEvent(OnCallback(0x25be5658));
    PushAction21(HEROINE, DESK_BLOCKER, 0);
    Play(HEROINE, "g_idle_l");
    PushAnimAction(MISS_BROWN, "keyfound03", 0, 1);
    Play(MISS_BROWN, "g_idle_l");
    GoTo(MISS_BROWN, WP_AT_CHEST);
    WalkTo(HEROINE, WP_BEHIND_DESK_WAY);
    TurnToward(HEROINE, MISS_BROWN);
    Wait(HEROINE, 1000);
    GoTo(HEROINE, WP_WATCHING_CHEST);
    Sound(MISS_BROWN, CHEST_LOCK_SOUND, 1716);
    Play(MISS_BROWN, "openmansionchest01");
    Play(HEROINE, "g_idle_l");
    PushHashAction23(Object("m_chest"), CHEST_OPENING);
    SetBoolVar(VARBOOL_BG305_C04_CHEST_IS_UNLOCKED, true);
    PushAction21(HEROINE, DESK_BLOCKER, 1);
    _EndMatch();

    _IfEvent(OnCallback(0x56534627));
    PushAnimAction(MISS_BROWN, "openmansionchest02", 0, 1);
    Play(MISS_BROWN, "keypanic02_l");
    _EndMatch();

    // Callback: she faints; both fall to the floor.
    _IfEvent(OnCallback(0xcf5a179d));
    Sound(MISS_BROWN, FAINT_SOUND, 1320);
    Play(MISS_BROWN, "brownfaints01");
    Play(HEROINE, "brownfaints01");
    _EndMatch();
}

void SceneScript_bg305::TalkCallbacks()
{
    // Talking and listening, for the heroine and for Miss Brown at her desk.
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0xdc6c78bb), MISS_BROWN, "g_desktalking_l");
    PlayGesture(OnCallback(0x4067805b), MISS_BROWN, "g_desksitting_l");
}

void SceneScript_bg305::MissBrownEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(MISS_BROWN), HEROINE, WP_BEFORE_DESK, 0x8be430c6);
    WalkAndTalk(ScriptEvent_FlaggedId2(MISS_BROWN), HEROINE, WP_BEFORE_DESK, 0x765e5a40);

    // Callback: the sobbing ends and she is back at her place.
    _IfEvent(OnCallback(0xa283d29e));
    PushAnimAction(MISS_BROWN, "desksobbingsitting", 0, 1);
    Play(MISS_BROWN, "g_desksitting_l");
    Place(MISS_BROWN, WP_DESK);
    SetBoolVar(VARBOOL_BG305_C04_MISS_BROWN_SOBBING, false);
    Play(MISS_BROWN, "g_desktalking_l");
    _EndMatch();

    // Callback: two doubloons over the desk.
    _IfEvent(OnCallback(0x3b8a8324));
    Play(MISS_BROWN, "g_deskgiveobject");
    Play(HEROINE, "g_receiveobject");
    Play(HEROINE, "g_idle_l");
    Play(MISS_BROWN, "g_desksitting_l");
    AddToQueue(ActorScriptableId(HEROINE), ID_ACTION_TYPE_ADD_ITEM, Param::Item(ItemNamed("ITEM_DOUBLOON")),
               Param::Int(2));
    _EndMatch();
}

void SceneScript_bg305::MapEvents()
{
    // UseItem the map on "missbrown": only once they have talked, and not
    // while she sobs; otherwise nothing at all.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(MISS_BROWN, ItemNamed("ITEM_MAP_B")));
    _IfMatch(Both(IsTrue(VARBOOL_BG305_C04_TALK_MISS_BROWN), IsFalse(VARBOOL_BG305_C04_MISS_BROWN_SOBBING)));
    GoTo(HEROINE, WP_BEFORE_DESK);
    Dialog(0xc38ff813);
    _EndMatch();
    _EndMatch();

    // Callbacks: she unrolls the map on the desk, and rolls it up again.
    _IfEvent(OnCallback(0x40cbd492));
    Play(HEROINE, "g_showmap01");
    Hold(AttachmentNamed("rolled_map"));
    Play(HEROINE, "g_showmap02");
    PutAway(AttachmentNamed("rolled_map"));
    Hold(AttachmentNamed("unrolled_map"));
    Play(HEROINE, "g_showmap03");
    Play(HEROINE, "g_showmap05_l");
    _EndMatch();

    _IfEvent(OnCallback(0x4e6f5625));
    PutAway(AttachmentNamed("unrolled_map"));
    Hold(AttachmentNamed("rolled_map"));
    Play(HEROINE, "g_showmap06");
    PutAway(AttachmentNamed("rolled_map"));
    Play(HEROINE, "g_showmap07");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg305::HalfDiskEvents()
{
    // UseItem the half-disk on "missbrown": once, after their talk; it upsets
    // her.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(MISS_BROWN, ItemNamed("ITEM_HALF_STONE_DISK01")));
    _IfMatch(
        Both(IsTrue(VARBOOL_BG305_C04_TALK_MISS_BROWN), IsFalse(VARBOOL_BG305_C04_USE_STONEHALFDISK_ON_MISS_BROWN)));
    GoTo(HEROINE, WP_BEFORE_DESK);
    Play(HEROINE, "showobject01");
    Hold(AttachmentNamed("half_stone_disk"));
    Play(HEROINE, "showobject02");
    Play(HEROINE, "showobject03_l");
    Dialog(0x7b3b8aae);
    SetBoolVar(VARBOOL_BG305_C04_USE_STONEHALFDISK_ON_MISS_BROWN, true);
    SetBoolVar(VARBOOL_BG305_C04_MISS_BROWN_SOBBING, true);
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0x3106fb7a));
    Play(HEROINE, "showobject04");
    PutAway(AttachmentNamed("half_stone_disk"));
    Play(HEROINE, "showobject05");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg305::LostKeyCallbacks()
{
    // Callback: she gets up from her desk, and stays up where the rising
    // took her.
    _IfEvent(OnCallback(0xfc050431));
    PushAnimAction(MISS_BROWN, "g_deskstandup", 0, 1);
    Play(MISS_BROWN, "g_idle_l");
    _EndMatch();

    // Callback: she goes to the chest and tries it.
    _IfEvent(OnCallback(0x92c4137c));
    GoTo(MISS_BROWN, WP_AT_CHEST);
    Play(MISS_BROWN, "mansionchestopentry01");
    Play(MISS_BROWN, "mansionchestopentry02_l");
    _EndMatch();

    // Callback: it is locked, and the key is not on its hook.
    _IfEvent(OnCallback(0x552e8aee));
    Play(MISS_BROWN, "mansionchestopentry03");
    GoTo(MISS_BROWN, WP_KEY_PANIC);
    PushAnimAction(MISS_BROWN, "keypanic01", 0, 1);
    Play(MISS_BROWN, "keypanic02_l");
    _EndMatch();

    _IfEvent(OnCallback(0x5134b850));
    Play(MISS_BROWN, "keypanic03");
    PushAnimAction(MISS_BROWN, "desksobbing_l", 1, 0);
    _EndMatch();
}

void SceneScript_bg305::EggShellEvents()
{
    // UseItem the egg shell on "missbrown": she always goes to the desk, but
    // shows it once, and not while Miss Brown sobs; then the wall map.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(MISS_BROWN, ItemNamed("ITEM_EGG_SHELL")));
    GoTo(HEROINE, WP_BEFORE_DESK);
    _IfMatch(
        Both(IsFalse(VARBOOL_BG305_C04_MISS_BROWN_SOBBING), IsFalse(VARBOOL_BG305_C04_USE_EGG_SHELL_ON_MISS_BROWN)));
    Play(HEROINE, "showobject01");
    Hold(AttachmentNamed("egg_shell"));
    Play(HEROINE, "showobject02");
    Play(HEROINE, "showobject03_l");
    Dialog(0x1ee93b4b);
    SetBoolVar(VARBOOL_BG305_C04_READ_TORN_REPORT, true);
    SetBoolVar(VARBOOL_BG305_C04_USE_EGG_SHELL_ON_MISS_BROWN, true);
    GoTo(HEROINE, WP_WALL_MAP);
    Dialog(WALL_MAP_TALK);
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0x46ea16c7));
    Play(HEROINE, "showobject04");
    PutAway(AttachmentNamed("egg_shell"));
    Play(HEROINE, "showobject05");
    Play(HEROINE, "g_talk_l");
    _EndMatch();

    // Callback: Miss Brown hands over the torn report and the heroine reads.
    _IfEvent(OnCallback(0xde9c6e70));
    Play(MISS_BROWN, "g_deskgiveobject");
    Play(HEROINE, "g_receiveobject");
    Give(HEROINE, ItemNamed("ITEM_TORN_REPORT"));
    Play(MISS_BROWN, "g_desksitting_l");
    Play(HEROINE, "g_readdocument01");
    Hold(AttachmentNamed("rolled_torn_report"));
    Play(HEROINE, "g_readdocument02");
    PutAway(AttachmentNamed("rolled_torn_report"));
    Hold(AttachmentNamed("unrolled_torn_report"));
    Play(HEROINE, "g_readdocument04_l");
    _EndMatch();

    _IfEvent(OnCallback(0x5898ac00));
    PutAway(AttachmentNamed("unrolled_torn_report"));
    Hold(AttachmentNamed("rolled_torn_report"));
    Play(HEROINE, "g_readdocument05");
    PutAway(AttachmentNamed("rolled_torn_report"));
    Play(HEROINE, "g_readdocument06");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg305::TurtleRodEvents()
{
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(MISS_BROWN, ItemNamed("ITEM_TURTLE_ROD")));
    GoTo(HEROINE, WP_BEFORE_DESK);
    Play(HEROINE, "showrod_01");
    Hold(AttachmentNamed("turtle_rod_tavrine"));
    Play(HEROINE, "showrod_02");
    Play(HEROINE, "showrod_04_l");
    Dialog(0xb5859bc7);
    Play(HEROINE, "showrod_05");
    PutAway(AttachmentNamed("turtle_rod_tavrine"));
    Play(HEROINE, "showrod_06");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg305::ChestEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("exotic_chest")), HEROINE, WP_EXOTIC_CHEST, 0x565546b0);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("exotic_chest")), HEROINE, WP_EXOTIC_CHEST, 0xd03b13e9);
    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("exotic_chest"), ItemNamed("ITEM_SMALL_KEY")), HEROINE,
                WP_EXOTIC_CHEST, 0x3b9d933e);

    // Callbacks: she looks the chest over.
    _IfEvent(OnCallback(0x7f780ec2));
    Play(HEROINE, "observechest01");
    EffectSound(CHEST_LID_SOUND);
    Play(HEROINE, "observechest02_l");
    _EndMatch();

    PlayGesture(OnCallback(0xe6715f78), HEROINE, "observechest03", "observechest04_l");
    PlayGesture(OnCallback(0x91766fee), HEROINE, "observechest05", "g_idle_l");
}

void SceneScript_bg305::KeyRackAndWallMapEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("key_rack")), HEROINE, WP_KEY_RACK, 0x292c41df);

    // Activate "key_rack": always its words; the search only once she has
    // had her idea, and never again once the key is found.
    _IfMatch(MatchExpr::MakeEvent0(Object("key_rack")));
    GoTo(HEROINE, WP_KEY_RACK);
    Dialog(0x0ed0aa2e);
    _IfMatch(Both(IsTrue(VARBOOL_BG305_C04_EVENT_EUREKA), IsFalse(VARBOOL_BG305_C04_EVENT_FOUND_KEY)));
    StartMiniGame(LOST_KEY);
    _EndMatch();
    _EndMatch();

    WalkAndTalk(ScriptEvent_Object1(Object("wall_map")), HEROINE, WP_WALL_MAP, WALL_MAP_TALK);

    // Callback: she points out the dark beach on the map.
    _IfEvent(OnCallback(0x27f11b3c));
    Play(HEROINE, "pointdarkbeechmap");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_QUEST_C4_HILARY_BASE02_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C4_HILARY_BASE03_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C4_HILARY_BASE04, true);
    SetBoolVar(VARBOOL_HO_MAP_BG307, true);
    _EndMatch();
}

void SceneScript_bg305::VaseEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("vase_of_flowers")));
    GoTo(HEROINE, WP_VASE);
    Dialog(0x18e55307);
    SetBoolVar(VARBOOL_BG305_C07_LOOK_VASE_OF_FLOWERS, true);
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(Object("vase_of_flowers")));
    GoTo(HEROINE, WP_VASE);
    Dialog(0x164ea3f0);
    SetBoolVar(VARBOOL_BG305_C07_LOOK_VASE_OF_FLOWERS, true);
    _EndMatch();

    PlayGesture(OnCallback(0x2bd80656), HEROINE, "g_use01", "g_use02_l");
    PlayGesture(OnCallback(0xa53da99b), HEROINE, "g_use03", "g_idle_l");

    _IfEvent(ScriptEvent_ItemOnObject3(Object("vase_of_flowers"), ItemNamed("ITEM_DESCRIPTION_FLOWERS")));
    GoTo(HEROINE, WP_VASE);
    Dialog(0xdd38ba3b);
    SetBoolVar(VARBOOL_BG305_C07_USE_DESCRIPTION_ON_VASE_OF_FLOWERS, true);
    _EndMatch();

    // UseItem the weed killer on "vase_of_flowers": with the chicken, the
    // claw and the water already in hand, the ingredients are complete.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("vase_of_flowers"), ItemNamed("ITEM_WEED_KILLER")));
    GoTo(HEROINE, WP_SPRAYING_VASE);
    Dialog(0xd26e7e94);
    Place(MISS_BROWN, WP_SOBBING_CHAPTER_7);
    Play(MISS_BROWN, "desksobbing_l");
    SetBoolVar(VARBOOL_BG305_C07_USE_WEED_KILLER_ON_VASE_OF_FLOWERS, true);
    _IfMatch(
        Both(Both(IsTrue(VARBOOL_BG106_C07_INT_DEAD_CHICKEN), IsTrue(VARBOOL_BG201_C07_USE_METAL_HOOK_ON_INN_SIGN)),
             IsTrue(VARBOOL_BG404_C07_USE_FLASK_ON_WATER)));
    SetBoolVar(VARBOOL_QUEST_C7_INGREDIENTS_DONE, true);
    _EndMatch();
    _EndMatch();

    // Callback: the spray kills the flowers; their petals fall while Miss
    // Brown works on.
    _IfEvent(OnCallback(0x1cdc0d34));
    Play(HEROINE, "killflowers_01");
    Hold(AttachmentNamed("weed_killer"));
    Play(MISS_BROWN, "g_deskwork_l");
    Sound(HEROINE, SPRAY_SOUND, 1122);
    Play(HEROINE, "killflowers_02");
    Wait(Object("fx_petals"), 5200);
    PushHashAction23(Object("fx_petals"), PETALS_FALLING);
    PutAway(AttachmentNamed("weed_killer"));
    Wait(MISS_BROWN, 6000);
    Play(MISS_BROWN, "g_desksitting_l");
    PushAnimAction(HEROINE, "killflowers_03", 0, 0);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, WP_PETALS);
    _EndMatch();

    // Callback: she picks up the petals.
    _IfEvent(OnCallback(0x3c18865d));
    Play(HEROINE, "g_pickobjectlow01");
    ShowObject(Object("fx_petals"), false);
    Give(HEROINE, ItemNamed("ITEM_CABA_FLOWERS_PETALS"));
    Play(HEROINE, "g_pickobjectlow02");
    Play(HEROINE, "g_idle_l");
    Play(MISS_BROWN, "g_desktalking_l");
    GoTo(HEROINE, WP_BEFORE_DESK);
    _EndMatch();
}

void SceneScript_bg305::StatueEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("statue_1")), HEROINE, WP_STATUE_1, 0x3ee0ac50);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("statue_1")), HEROINE, WP_STATUE_1, 0xc04af721);
    WalkAndTalk(ScriptEvent_Object1(Object("statue_2")), HEROINE, WP_STATUE_2, 0xa7e9fdea);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("statue_2")), HEROINE, WP_STATUE_2, 0x5943a69b);
}

} // namespace

// Scene 32, bg305_HO_TownHallReception.
REGISTER_SCENE_SCRIPT(bg305, 32);
