// The voodoo village of Hollow island (scene 36, bg309_HO_VoodooVillage):
// huts round a clearing, a tree that climbs to Chemin's hut above, and the
// temple whose entrance two guards keep. The guards let the heroine into the
// temple once she has shown them the sign; a talk opens the way up the tree;
// once Bajari has left the temple the guards are gone. No handler asks for
// the chapter: the story brings her here in chapter 7 alone.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

#include <iterator>
#include <type_traits>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg309_36>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"bajari_g1"> LEFT_GUARD;
constexpr ActorNamed<"bajari_g2"> RIGHT_GUARD;
constexpr ActorNamed<"tana"> TANA;

// Waypoints of the village.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_LEFT_GUARD = 1;
constexpr int32_t WP_RIGHT_GUARD = 2;
constexpr int32_t WP_ROAD_END = 3;
constexpr int32_t WP_OFF_THE_ROAD = 4;
constexpr int32_t WP_TEMPLE_DOORWAY = 5;
constexpr int32_t WP_OUT_OF_THE_TEMPLE = 6;
constexpr int32_t WP_BEFORE_THE_GUARDS = 8;
constexpr int32_t WP_TANA = 9;
constexpr int32_t WP_FOOT_OF_THE_TREE = 10;
constexpr int32_t WP_TEMPLE_THRESHOLD = 11;
constexpr int32_t WP_CLIMB = 12;
constexpr int32_t WP_BUSHES = 13;
constexpr int32_t WP_ROAD = 14;
constexpr int32_t WP_TREE = 15;
constexpr int32_t WP_HUTS[] = {16, 17, 18};

// Walk-mesh blockers: the temple's doorway, and the road out of the village.
constexpr int32_t TEMPLE_BLOCKER = 0;
constexpr int32_t ROAD_BLOCKER = 1;

constexpr uint32_t VILLAGE_MUSIC = 0x47e6e6f9;
constexpr uint32_t VILLAGE_AMBIENCE = 0x304e8c72;
constexpr int32_t VILLAGE_SOUND_GROUP = 0x70974e50;

// The guards' talks, and the remark at the shut temple.
constexpr uint32_t LOOK_GUARD = 0x1dacc1c5;
constexpr uint32_t TALK_GUARDS = 0x2edde83d;
constexpr uint32_t SHOW_THE_PEBBLE = 0xd3ddc7e7;
constexpr uint32_t TEMPLE_SHUT = 0xed07cac0;

// The callbacks of the guards' talks: the way up opens; she shows the sign
// and the guards stand aside.
constexpr uint32_t WAY_UP_OPENS = 0x961d71f8;
constexpr uint32_t SHOWS_THE_SIGN = 0xb39ab672;
constexpr uint32_t GUARDS_STAND_ASIDE = 0x8b18c59c;

// The scenes the village leads to and is entered from.
constexpr int32_t TEMPLE = 37;      // bg310_HO_VoodooTemple
constexpr int32_t CHEMINS_HUT = 38; // bg311_HO_CheminsHut
constexpr int32_t FROM_THE_ISLAND[] = {
    28, // bg301_HO_Jety
    29, // bg302_HO_TownSquareA
    30, // bg303_HO_TownSquareB
    31, // bg304_HO_TownSquareC
    34, // bg307_HO_DarkBeach
    35, // bg308_HO_DarkReefs
};

class SceneScript_bg309 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void PlacePeople();
    void ArriveFrom();

    void GuardEvents();
    void SignCallbacks();
    void GuardCallbacks();
    void TempleEvents();
    void PlaceEvents();

    // A handler in which the guard takes a loop: the first while the way is
    // shut, the second once the guards have stood aside.
    template <FixedName GUARD>
    void GuardLoop(const EventDesc& oEvent, ActorNamed<GUARD> guard, std::type_identity_t<AnimationOf<GUARD>> shut,
                   std::type_identity_t<AnimationOf<GUARD>> open);
    // Both guards idle as the way into the temple stands.
    void GuardsIdle();
};

void SceneScript_bg309::LinkSoundGroups()
{
    LinkSoundGroup(VILLAGE_SOUND_GROUP, InAnyChapter());
}

void SceneScript_bg309::BuildEnterActions()
{
    PlayMusic(VILLAGE_MUSIC);
    PlayAmbience(VILLAGE_AMBIENCE);
    SetSceneDirection(9);
    SetInteractive(Object("buissons"), false);
    PushAction21(HEROINE, TEMPLE_BLOCKER, 1);
    Place(HEROINE, WP_START);
    PlacePeople();

    // The tree is climbed once a talk has opened the way up.
    SetInteractive(Object("tree"), false);
    _IfBool(VARBOOL_BG309_C07_INTERACT_UPPER_LEVEL, 0);
    SetInteractive(Object("tree"), true);
    SetInteractive(Object("goto_climb_to_upper_level"), false);
    _EndMatch();

    // Once Bajari has left the temple, nobody keeps it.
    _IfBool(VARBOOL_QUEST_C7_TANNERSFRIEND03, 1);
    ShowAndActivate(LEFT_GUARD, false);
    ShowAndActivate(RIGHT_GUARD, false);
    _EndMatch();

    GuardsIdle();
    ArriveFrom();
    PushAction21(HEROINE, ROAD_BLOCKER, 1);
}

void SceneScript_bg309::PlacePeople()
{
    Place(LEFT_GUARD, WP_LEFT_GUARD);
    PushAddAttachment(LEFT_GUARD, AttachmentNamed("stick_bajari_g1"), BONE_LEFT_HAND);
    Place(RIGHT_GUARD, WP_RIGHT_GUARD);
    PushAddAttachment(RIGHT_GUARD, AttachmentNamed("stick_guard"), BONE_RIGHT_HAND);
    // Tana goes about her work among the huts; nobody speaks to her here.
    Place(TANA, WP_TANA);
    SetInteractive(TANA, false);
}

void SceneScript_bg309::GuardsIdle()
{
    _IfBool(VARBOOL_BG309_C07_USE_PAINTED_PEBBLE_ON_TEMPLE_ENTRANCE, 0);
    Play(LEFT_GUARD, "idle01_l");
    Play(RIGHT_GUARD, "idle01_l");
    _ElseMatch();
    Play(LEFT_GUARD, "idle02_l");
    Play(RIGHT_GUARD, "idle02_l");
    _EndMatch();
}

void SceneScript_bg309::ArriveFrom()
{
    // One test per scene: down from Chemin's hut at the foot of the tree, out
    // of the temple, or in by the road.
    _IfMatch(CameFrom(CHEMINS_HUT));
    Place(HEROINE, WP_FOOT_OF_THE_TREE);
    _EndMatch();
    _IfMatch(CameFrom(TEMPLE));
    Place(HEROINE, WP_TEMPLE_DOORWAY);
    PushAction21(HEROINE, TEMPLE_BLOCKER, 0);
    GoTo(HEROINE, WP_OUT_OF_THE_TEMPLE);
    PushAction21(HEROINE, TEMPLE_BLOCKER, 1);
    _EndMatch();
    for (const int32_t iFrom : FROM_THE_ISLAND) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_ROAD_END);
        GoTo(HEROINE, WP_OFF_THE_ROAD);
        _EndMatch();
    }
}

void SceneScript_bg309::BuildExitEvents()
{
    // Activate "goto_ho_map": down the road, where the island's map opens.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_ho_map")));
    PushAction21(HEROINE, ROAD_BLOCKER, 0);
    GoTo(HEROINE, WP_ROAD);
    OpenIslandMap(HEROINE, WP_OFF_THE_ROAD, ROAD_BLOCKER);
    _EndMatch();

    // Activate "goto_climb_to_upper_level": up the tree to Chemin's hut.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_climb_to_upper_level")));
    GoTo(HEROINE, WP_CLIMB);
    GoToScene(CHEMINS_HUT);
    _EndMatch();
}

void SceneScript_bg309::BuildEvents()
{
    GuardEvents();
    SignCallbacks();
    GuardCallbacks();
    TempleEvents();
    PlaceEvents();
}

void SceneScript_bg309::GuardEvents()
{
    // Look at either guard: she stops before them and turns to the one she
    // looks at.
    _IfEvent(ScriptEvent_FlaggedId1(LEFT_GUARD));
    WalkTo(HEROINE, WP_BEFORE_THE_GUARDS);
    TurnToward(HEROINE, LEFT_GUARD);
    Dialog(LOOK_GUARD);
    _EndMatch();

    _IfEvent(ScriptEvent_FlaggedId1(RIGHT_GUARD));
    WalkTo(HEROINE, WP_BEFORE_THE_GUARDS);
    TurnToward(HEROINE, RIGHT_GUARD);
    Dialog(LOOK_GUARD);
    _EndMatch();

    // Talk to either guard: one talk with both.
    WalkAndTalk(ScriptEvent_FlaggedId2(LEFT_GUARD), HEROINE, WP_BEFORE_THE_GUARDS, TALK_GUARDS);
    WalkAndTalk(ScriptEvent_FlaggedId2(RIGHT_GUARD), HEROINE, WP_BEFORE_THE_GUARDS, TALK_GUARDS);

    // Callback: the way up the tree is open for the rest of the visit.
    _IfEvent(OnCallback(WAY_UP_OPENS));
    SetInteractive(Object("tree"), false);
    SetInteractive(Object("goto_climb_to_upper_level"), true);
    _EndMatch();

    // UseItem the painted pebble on either guard: she shows it to them.
    const uint32_t uPebble = ItemNamed("ITEM_PAINTED_PEBBLE");
    WalkAndTalk(ScriptEvent_ItemOnFlaggedId3(LEFT_GUARD, uPebble), HEROINE, WP_BEFORE_THE_GUARDS, SHOW_THE_PEBBLE);
    WalkAndTalk(ScriptEvent_ItemOnFlaggedId3(RIGHT_GUARD, uPebble), HEROINE, WP_BEFORE_THE_GUARDS, SHOW_THE_PEBBLE);
}

void SceneScript_bg309::SignCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");

    // Callback: she holds up the sign.
    _IfEvent(OnCallback(SHOWS_THE_SIGN));
    Play(HEROINE, "showobject01");
    PushAddAttachment(HEROINE, AttachmentNamed("half_stone_disk"), BONE_RIGHT_HAND);
    Play(HEROINE, "showobject02");
    Play(HEROINE, "showobject03_l");
    _EndMatch();

    // Callback: she puts the sign away, and the guards stand aside together.
    _IfEvent(OnCallback(GUARDS_STAND_ASIDE));
    Play(HEROINE, "showobject04");
    PushRemoveAttachment(HEROINE, AttachmentNamed("half_stone_disk"));
    Play(HEROINE, "showobject05");
    Play(HEROINE, "g_idle_l");
    Together();
    Play(LEFT_GUARD, "open");
    Play(RIGHT_GUARD, "open");
    SetBoolVar(VARBOOL_BG309_C07_USE_PAINTED_PEBBLE_ON_TEMPLE_ENTRANCE, true);
    Play(LEFT_GUARD, "idle02_l");
    Play(RIGHT_GUARD, "idle02_l");
    Apart();
    _EndMatch();
}

template <FixedName GUARD>
void SceneScript_bg309::GuardLoop(const EventDesc& oEvent, ActorNamed<GUARD> guard,
                                  std::type_identity_t<AnimationOf<GUARD>> shut,
                                  std::type_identity_t<AnimationOf<GUARD>> open)
{
    _IfEvent(oEvent);
    _IfBool(VARBOOL_BG309_C07_USE_PAINTED_PEBBLE_ON_TEMPLE_ENTRANCE, 0);
    Play(guard, shut);
    _ElseMatch();
    Play(guard, open);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg309::GuardCallbacks()
{
    GuardLoop(OnCallback(0x64e9d865), LEFT_GUARD, "talk01_l", "talk02_l");
    GuardLoop(OnCallback(0xdcda4421), LEFT_GUARD, "idle01_l", "idle02_l");
    GuardLoop(OnCallback(0xe27daacb), RIGHT_GUARD, "talk01_l", "talk02_l");
    GuardLoop(OnCallback(0x37edff22), RIGHT_GUARD, "idle01_l", "idle02_l");
}

void SceneScript_bg309::TempleEvents()
{
    // Activate "goto_temple_entrance": in, once the guards have stood aside;
    // she walks on into the dark during the fade-out.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_temple_entrance")));
    _IfBool(VARBOOL_BG309_C07_USE_PAINTED_PEBBLE_ON_TEMPLE_ENTRANCE, 1);
    PushAction21(HEROINE, TEMPLE_BLOCKER, 0);
    WalkTo(HEROINE, WP_TEMPLE_THRESHOLD);
    GoToScene(TEMPLE);
    WalkTo(HEROINE, WP_TEMPLE_DOORWAY);
    _ElseMatch();
    GoTo(HEROINE, WP_BEFORE_THE_GUARDS);
    Dialog(TEMPLE_SHUT);
    _EndMatch();
    _EndMatch();

    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("goto_temple_entrance"), ItemNamed("ITEM_PAINTED_PEBBLE")), HEROINE,
                WP_BEFORE_THE_GUARDS, SHOW_THE_PEBBLE);
}

void SceneScript_bg309::PlaceEvents()
{
    // Look "buissons": she goes over to the bushes and says nothing. The
    // bushes are never pointed at in this scene.
    _IfEvent(ScriptEvent_Object1(Object("buissons")));
    GoTo(HEROINE, WP_BUSHES);
    _EndMatch();

    LookAndActivate(Object("tree"), HEROINE, WP_TREE, 0x15bbf449, 0xaa5ac9d1);

    // Look at a hut: she looks up at it first. Using one is the same remark
    // for all three.
    const int32_t huts[] = {Object("huts_1"), Object("huts_2"), Object("huts_3")};
    for (size_t i = 0; i < std::size(huts); ++i) {
        _IfEvent(ScriptEvent_Object1(huts[i]));
        GoTo(HEROINE, WP_HUTS[i]);
        Play(HEROINE, "g_lookup");
        Play(HEROINE, "g_idle_l");
        Dialog(0x071b84a8);
        _EndMatch();

        WalkAndTalk(MatchExpr::MakeEvent0(huts[i]), HEROINE, WP_HUTS[i], 0x4fe75790);
    }
}

} // namespace

// Scene 36, bg309_HO_VoodooVillage.
REGISTER_SCENE_SCRIPT(bg309, 36);
