// The graveyard of the ancients on Crab island (scene 24,
// bg203_CR_GraveyardOfTheAncients). Chapter 3: Razzo joins her on the first
// visit and rides along as an item; the pistol breaks two pieces off the
// ironwork fence, nectar on the flat grave lures the fireflies into the
// bottle, a firefly lights the statue's mouth, Razzo on the telescope shows
// the combination (scene 52) and the gripping device on the map cylinder
// (scene 53) opens it: the key, the half stone disc and map B, and off to
// the loading screen. Chapter 7: the full moon and the chicken's bloody
// feather. Chapter 8: the worried priest, the mounds and the grave dug with
// the shovel, and the old papers that settle his quest. The one exit opens
// the map, unless the priest holds her back.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

#include <type_traits>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg203_24>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"razzo"> RAZZO;
constexpr ActorNamed<"father_jerome"> PRIEST;
constexpr ActorNamed<"boat_windsome_maid"> BOAT;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

// Waypoints, by who stands there when.
constexpr int32_t WP_RAZZO = 0;
constexpr int32_t WP_RAZZO_AT_STATUE = 1;
constexpr int32_t WP_BY_SMALL_KEY = 2;
constexpr int32_t WP_BY_HALF_STONE_DISC = 3;
constexpr int32_t WP_BY_MAP_B = 4;
constexpr int32_t WP_BY_RAZZO = 5;
constexpr int32_t WP_ENTRY = 6;
constexpr int32_t WP_STAND = 7;
constexpr int32_t WP_LEAVING = 8;
constexpr int32_t WP_BEFORE_PRIEST = 10;
constexpr int32_t WP_PRIEST = 11;
constexpr int32_t WP_STATUE = 12;
constexpr int32_t WP_PLAQUE = 13;
constexpr int32_t WP_FENCE = 14;
constexpr int32_t WP_FIREFLIES = 15;
constexpr int32_t WP_FLOWERS = 16;
constexpr int32_t WP_FLAT_GRAVE = 17;
constexpr int32_t WP_TELESCOPE = 18;
constexpr int32_t WP_MAP_CYLINDER = 19;
constexpr int32_t WP_EXIT = 20;
constexpr int32_t WP_BOAT = 16;
constexpr int32_t WP_FULL_MOON = 37;
constexpr int32_t WP_SMALL_MOUND_1 = 38;
constexpr int32_t WP_SMALL_MOUND_2 = 39;
constexpr int32_t WP_GRAVE = 40;
constexpr int32_t WP_POSTER = 43;
constexpr int32_t WP_WOODS = 44;

// The walk-mesh blocker across the way out.
constexpr int32_t EXIT_BLOCKER = 0;

// The scene's music and ambience.
constexpr uint32_t MUSIC = 0x2e44d392;
constexpr uint32_t AMBIENCE = 0x44b8b19d;

// Sounds: the pistol on the fence, a try at the fireflies, the bottle set
// down (near empty, with nectar), the firefly's flight, the knock on the
// cylinder, Razzo's climb up and down, the feather torn off, the digging.
constexpr uint32_t FENCE_HIT_SOUND = 0x1a2a29c2;
constexpr uint32_t FIREFLY_CATCH_SOUND = 0x3c650d17;
constexpr uint32_t BOTTLE_DOWN_SOUND = 0x482520a1;
constexpr uint32_t NECTAR_DOWN_SOUND = 0x6c3f9e4a;
constexpr uint32_t FIREFLY_FLIGHT_SOUND = 0x7c438b52;
constexpr uint32_t CYLINDER_KNOCK_SOUND = 0x3d77925d;
constexpr uint32_t CLIMB_UP_SOUND = 0x4138d7e9;
constexpr uint32_t CLIMB_DOWN_SOUND = 0x43c2dc06;
constexpr uint32_t FEATHER_SOUND = 0x66099e06;
constexpr uint32_t MOUND_DIG_SOUND = 0x0c11d176;
constexpr uint32_t GRAVE_DIG_SOUND = 0x16108db1;

// Sprite animations, by their hashes in the scene's sprite data: the
// pictures' resting states, the dug mounds and grave, and the effects.
constexpr uint32_t FIREFLY_TO_STATUE_REST = 0xc8946cd1;
constexpr uint32_t FIREFLY_TO_STATUE_FLIGHT = 0x1cca5018;
constexpr uint32_t FENCE_PIECES_REST = 0x678dce1b;
constexpr uint32_t FENCE_PIECES_STRUCK = 0x4cf9c7b4;
constexpr uint32_t FENCE_PIECES_LOOSE = 0xdbcc4f9e;
constexpr uint32_t MOUND_1_WHOLE = 0x8257de1f;
constexpr uint32_t MOUND_1_DUG = 0x30c442d8;
constexpr uint32_t MOUND_2_WHOLE = 0xf550ee89;
constexpr uint32_t MOUND_2_DUG = 0x47c3724e;
constexpr uint32_t GRAVE_WHOLE = 0x1b5e8fa5;
constexpr uint32_t GRAVE_DUG = 0xa9cd1362;
constexpr uint32_t FIREFLY_BOTTLE_REST = 0x0b44a988;
constexpr uint32_t FIREFLY_BOTTLE_SWARM = 0x5b0a7f69;
constexpr uint32_t ARM_REST = 0xc543fde8;
constexpr uint32_t ARM_RISING = 0xac9c324a;

// The scenes this one meets.
constexpr int32_t DOCKS = 22;              // bg201_CR_Docks
constexpr int32_t OFFICE_EXTERIOR = 25;    // bg204_CR_DrakesOfficeExterior
constexpr int32_t TELESCOPE_CLOSE_UP = 52; // bg803_CU_03_Telescope
constexpr int32_t CYLINDER_CLOSE_UP = 53;  // bg804_CU_03_MapCylinder
constexpr int32_t LOADING = 61;            // bg993_Loading_placeholder

// The marker the end of chapter 3 queues.
constexpr int32_t END_OF_CHAPTER_MARKER = 4;

// A small mound dug with the shovel, and one of the three things that
// the open cylinder holds.
struct Mound {
    int32_t iHotspot;
    int32_t iPicture;
    int32_t iWaypoint;
    uint32_t uLookDialog;
    uint32_t uActivateDialog;
    uint32_t uDug;
    uint32_t uDugDialog;
    int32_t iDugFlag;
};
struct CylinderFind {
    uint32_t uCallback;
    int32_t iWaypoint;
    uint32_t uItem;
    int32_t iPicture;
    int32_t iPickedFlag;
};

EventDesc Activated(int32_t iObject)
{
    return MatchExpr::MakeEvent0(iObject).m_oEvent;
}

MatchExpr Either(const MatchExpr& oFirst, const MatchExpr& oSecond)
{
    return MatchExpression(Op_Or, oFirst, oSecond);
}

// The chapter-8 priest stands in the way: the whittled pole's quest is on.
MatchExpr PoleQuestOn()
{
    return Both(IsTrue(VARBOOL_QUEST_C8_POLE01), IsTrue(VARBOOL_BG202_C08_HAVE_WHITTLED_POLE));
}

// The grave is to be dug and the papers not yet shown: the priest bars the
// way out and the map is off.
MatchExpr GraveBusinessOpen()
{
    return Both(IsTrue(VARBOOL_QUEST_C8_GRAVE), IsFalse(VARBOOL_QUEST_C8_JUSTICE02_DONE));
}

// The flowers' berries can be picked for the priest.
MatchExpr BerriesWanted()
{
    return Both(Both(InChapter(8), IsTrue(VARBOOL_QUEST_C8_JUSTICE02)), IsFalse(VARBOOL_BG203_C08_PICK_WILD_BERRIES));
}

class SceneScript_bg203 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetPictures();
    void SetUpChapter3();
    void SetUpChapter8();
    void ShowWhatIsDug();
    void WalkIn();
    void Chapter3Arrivals();
    void RazzoJoins();
    void BackFromTheTelescope();
    void BackFromTheCylinder();
    void FullMoonChapter7();
    void WorriedPriestChapter8();

    void GestureCallbacks();
    void StatueEvents();
    void FenceEvents();
    void FireflyEvents();
    void FlowerEvents();
    void FlatGraveEvents();
    void TelescopeEvents();
    void ClimbCallbacks();
    void MapCylinderEvents();
    void ShowMapCallbacks();
    void RazzoEvents();
    void MoundEvents();
    void GraveEvents();
    void PriestEvents();
    void ReadPapersCallbacks();
    void RemarkEvents();

    void Idle() { Play(HEROINE, "g_idle_l"); }
    void DigMound(const Mound& oMound);
    void PickFromCylinder(const CylinderFind& oFind);
    void PickFromFlowers(uint32_t uCallback, uint32_t uItem, int32_t iPickedFlag);
};

void SceneScript_bg203::LinkActorSets()
{
    LinkActorSet("chapter_3", InChapter(3));
}

void SceneScript_bg203::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg203_chapter_03"), InChapter(3));
    LinkSoundGroup(SoundGroupNamed("bg203_chapter_07"), InChapter(7));
    LinkSoundGroup(0x73e4ddb4, InChapter(8));
    // The chapters without content of their own share a group without a name.
    MatchExpr oOther = InChapter(1);
    for (int32_t iChapter : {2, 4, 5, 6, 9, 10})
        oOther = Either(oOther, InChapter(iChapter));
    LinkSoundGroup(0x0e9539a6, oOther);
}

void SceneScript_bg203::BuildEnterActions()
{
    PlayMusic(MUSIC);
    PlayAmbience(AMBIENCE);
    SetSceneDirection(9);
    ResetPictures();

    _IfMatch(InChapter(3));
    SetUpChapter3();
    _ElseMatch();
    for (const int32_t iHotspot : {Object("map_cylinder"), Object("telescope"), Object("ironwork_fence")})
        SetInteractive(iHotspot, false);
    ShowObject(PRIEST, false);
    SetInteractive(PRIEST, false);
    _EndMatch();

    _IfMatch(InChapter(7));
    _IfBool(VARBOOL_QUEST_C7_BLOOD_FEATHER01_DONE, 0);
    SetInteractive(Object("full_moon"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG203_C07_USE_DEAD_CHICKEN_ON_FLAT_GRAVE, 1);
    ShowObject(Object("o_dead_chicken"), true);
    _EndMatch();
    _EndMatch();

    _IfMatch(InChapter(8));
    SetUpChapter8();
    _EndMatch();

    ShowWhatIsDug();
    Place(HEROINE, WP_STAND);
    WalkIn();

    _IfMatch(InChapter(3));
    Chapter3Arrivals();
    _EndMatch();

    _IfMatch(InChapter(7));
    FullMoonChapter7();
    _EndMatch();

    _IfMatch(InChapter(8));
    WorriedPriestChapter8();
    _EndMatch();

    PushAction21(HEROINE, EXIT_BLOCKER, 1);
}

void SceneScript_bg203::ResetPictures()
{
    ShowObject(Object("fx_firefly_to_statue"), false);
    PushHashAction23(Object("fx_firefly_to_statue"), FIREFLY_TO_STATUE_REST);
    ShowObject(Object("fx_firefly_to_statue_ds"), false);
    PushHashAction23(Object("fx_firefly_to_statue_ds"), FIREFLY_TO_STATUE_REST);
    for (const int32_t iPicture :
         {Object("fx_firefly_statue_loop"), Object("i_bottle"), Object("i_half_stone_disc"), Object("i_map_b"),
          Object("i_old_papers"), Object("i_small_key"), Object("m_bras_mabel"), Object("i_ironwork_fence")})
        ShowObject(iPicture, false);
    PushHashAction23(Object("i_ironwork_fence"), FENCE_PIECES_REST);
    PushHashAction23(Object("m_tombe_2"), MOUND_1_WHOLE);
    SetInteractive(Object("small_mound_1"), false);
    PushHashAction23(Object("m_tombe_3"), MOUND_2_WHOLE);
    SetInteractive(Object("small_mound_2"), false);
    PushHashAction23(Object("m_tombe_mabel"), GRAVE_WHOLE);
    SetInteractive(Object("grave"), false);
    ShowObject(Object("fx_firefly_bottle"), false);
    PushHashAction23(Object("fx_firefly_bottle"), FIREFLY_BOTTLE_REST);
    for (const int32_t iPicture : {Object("fx_bottle"), Object("m_mapcontaineropen"), Object("o_dead_chicken")})
        ShowObject(iPicture, false);
    SetInteractive(Object("full_moon"), false);
    ShowObject(Object("fx_arm"), false);
    PushHashAction23(Object("fx_arm"), ARM_REST);
    ShowObject(BOAT, false);
    SetInteractive(BOAT, false);
    Place(BOAT, WP_BOAT);
}

void SceneScript_bg203::SetUpChapter3()
{
    _IfBool(VARBOOL_BG203_C03_PICK_IRONWORK_PIECE, 0);
    ShowObject(Object("i_ironwork_fence"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG203_C03_NEAR_EMPTY_BOTTLE_IS_HERE, 1);
    ShowObject(Object("i_bottle"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG203_C03_MAP_CYLINDER_IS_OPEN, 0);
    ShowObject(Object("m_mapcontaineropen"), true);
    _EndMatch();
    // Before his first walk in, Razzo is not here yet.
    _IfBool(VARBOOL_BG203_C03_FIRST_TIME, 0);
    ShowObject(RAZZO, false);
    _ElseMatch();
    Place(RAZZO, WP_RAZZO);
    _EndMatch();
    _IfBool(VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE, 1);
    ShowObject(Object("fx_firefly_statue_loop"), true);
    _EndMatch();
}

void SceneScript_bg203::SetUpChapter8()
{
    // Back after the worried scene, the priest waits at his place.
    _IfMatch(Both(Both(IsTrue(VARBOOL_QUEST_C8_POLE01), IsFalse(VARBOOL_QUEST_C8_JUSTICE03)),
                  IsTrue(VARBOOL_BG203_C08_EVENT_PRIEST_IS_WORRIED)));
    Place(PRIEST, WP_PRIEST);
    ShowObject(PRIEST, true);
    SetInteractive(PRIEST, true);
    Play(PRIEST, "scaredlookaround_l");
    _EndMatch();

    _IfBool(VARBOOL_QUEST_C8_JUSTICE01, 1);
    for (const int32_t iHotspot : {Object("small_mound_1"), Object("small_mound_2"), Object("grave")})
        SetInteractive(iHotspot, true);
    _IfMatch(GraveBusinessOpen());
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    _EndMatch();
    _EndMatch();

    _IfBool(VARBOOL_BG204_C08_EVENT_DIEGO_ARRIVES, 1);
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    _EndMatch();
}

void SceneScript_bg203::ShowWhatIsDug()
{
    _IfBool(VARBOOL_BG203_C08_SHOVEL_ON_SMALL_MOUND_1, 1);
    SetInteractive(Object("small_mound_1"), false);
    PushHashAction23(Object("m_tombe_2"), MOUND_1_DUG);
    _EndMatch();
    _IfBool(VARBOOL_BG203_C08_SHOVEL_ON_SMALL_MOUND_2, 1);
    SetInteractive(Object("small_mound_2"), false);
    PushHashAction23(Object("m_tombe_3"), MOUND_2_DUG);
    _EndMatch();
    _IfBool(VARBOOL_QUEST_C8_GRAVE_DONE, 1);
    SetInteractive(Object("grave"), false);
    PushHashAction23(Object("m_tombe_mabel"), GRAVE_DUG);
    ShowObject(Object("m_bras_mabel"), true);
    _EndMatch();
}

void SceneScript_bg203::WalkIn()
{
    // From the docks or the office she walks in, unless the chapter-8
    // priest's scene brings her in its own way.
    _IfMatch(Either(IsTrue(VARBOOL_QUEST_C8_JUSTICE03),
                    Either(IsFalse(VARBOOL_QUEST_C8_POLE01), IsFalse(VARBOOL_BG202_C08_HAVE_WHITTLED_POLE))));
    for (const int32_t iFrom : {DOCKS, OFFICE_EXTERIOR}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_ENTRY);
        GoTo(HEROINE, WP_STAND);
        _EndMatch();
    }
    _EndMatch();
}

void SceneScript_bg203::Chapter3Arrivals()
{
    _IfBool(VARBOOL_BG203_C03_FIRST_TIME, 0);
    RazzoJoins();
    _EndMatch();
    _IfMatch(CameFrom(TELESCOPE_CLOSE_UP));
    BackFromTheTelescope();
    _EndMatch();
    _IfMatch(CameFrom(CYLINDER_CLOSE_UP));
    BackFromTheCylinder();
    _EndMatch();
}

void SceneScript_bg203::RazzoJoins()
{
    Place(RAZZO, WP_ENTRY);
    ShowObject(RAZZO, true);
    GoTo(RAZZO, WP_RAZZO);
    Give(HEROINE, ItemNamed("ITEM_RAZZO"));
    SetBoolVar(VARBOOL_QUEST_C3_FIND_GRAVEYARD02_DONE, true);
    SetBoolVar(VARBOOL_BG203_C03_FIRST_TIME, true);
}

void SceneScript_bg203::BackFromTheTelescope()
{
    // Both still up on the statue; the dialog's callbacks bring them down.
    Place(HEROINE, WP_TELESCOPE);
    Place(RAZZO, WP_RAZZO_AT_STATUE);
    Play(HEROINE, "statueclimb02_l");
    Play(RAZZO, "statueclimb04_l");
    SetBoolVar(VARBOOL_QUEST_C3_FIND_THE_COMBINATION_DONE, true);
    Dialog(0xe042091b);
}

void SceneScript_bg203::BackFromTheCylinder()
{
    _IfBool(VARBOOL_BG203_C03_MAP_CYLINDER_IS_OPEN, 1);
    ShowObject(Object("m_mapcontaineropen"), false);
    for (const int32_t iPicture : {Object("i_half_stone_disc"), Object("i_map_b"), Object("i_small_key")})
        ShowObject(iPicture, true);
    _EndMatch();

    Place(HEROINE, WP_MAP_CYLINDER);
    PushAddAttachment(HEROINE, AttachmentNamed("gripping_device"), BONE_RIGHT_HAND);
    Play(HEROINE, "mapcylindergrip03");
    PushRemoveAttachment(HEROINE, AttachmentNamed("gripping_device"));
    Play(HEROINE, "mapcylindergrip04");
    Idle();
    Dialog(0x8a9dd7e9);

    // The map found: the end of the chapter's visit.
    _IfBool(VARBOOL_BG203_C03_MAP_CYLINDER_IS_OPEN, 1);
    SetBoolVar(VARBOOL_QUEST_C3_FIND_THE_MAP_DONE, true);
    NoEffect(END_OF_CHAPTER_MARKER);
    Take(HEROINE, ItemNamed("ITEM_RAZZO"));
    Dialog(0x4f3120e4);
    Take(HEROINE, ItemNamed("ITEM_CRAB_ISLAND_MAP"));
    Take(HEROINE, ItemNamed("ITEM_GRIPPING_DEVICE"));
    Together();
    GoTo(HEROINE, WP_LEAVING);
    Wait(RAZZO, 400);
    GoTo(RAZZO, WP_LEAVING);
    Apart();
    FadeOut(3000);
    GoToScene(LOADING);
    _EndMatch();
}

void SceneScript_bg203::FullMoonChapter7()
{
    _IfMatch(Both(IsFalse(VARBOOL_BG203_C07_EVENT_FULL_MOON), IsTrue(VARBOOL_QUEST_C7_TRANCE02)));
    TurnToward(HEROINE, BOAT);
    SelectCharacter(BOAT);
    Dialog(0x543ed1ee);
    SelectCharacter(HEROINE);
    SetBoolVar(VARBOOL_BG203_C07_EVENT_FULL_MOON, true);
    _EndMatch();
}

void SceneScript_bg203::WorriedPriestChapter8()
{
    _IfMatch(Both(PoleQuestOn(), IsFalse(VARBOOL_BG203_C08_EVENT_PRIEST_IS_WORRIED)));
    WalkOnly(HEROINE, true);
    ShowObject(PRIEST, true);
    SetInteractive(PRIEST, true);
    Place(PRIEST, WP_ENTRY);
    Place(HEROINE, WP_ENTRY);
    Together();
    WalkTo(PRIEST, WP_STAND);
    GoTo(PRIEST, WP_PRIEST);
    Play(PRIEST, "scaredtalk_l");
    Wait(HEROINE, 5000);
    GoTo(HEROINE, WP_BEFORE_PRIEST);
    Apart();
    Wait(LOGIC_DIALOG, 12000);
    Dialog(0x1c6edc09);
    SetBoolVar(VARBOOL_BG203_C08_EVENT_PRIEST_IS_WORRIED, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    WalkOnly(HEROINE, false);
    _EndMatch();
}

void SceneScript_bg203::BuildExitEvents()
{
    // Activate "goto_bg201": to the way out, then the map; in chapter 8 the
    // priest holds her back while the grave is still to be dealt with.
    _IfEvent(Activated(Object("goto_bg201")));
    PushAction21(HEROINE, EXIT_BLOCKER, 0);
    WalkTo(HEROINE, WP_EXIT);
    _IfMatch(Both(InChapter(8), GraveBusinessOpen()));
    // Called back, she steps in from the way out again to hear him.
    GoTo(HEROINE, WP_STAND);
    PushAction21(HEROINE, EXIT_BLOCKER, 1);
    TurnToward(HEROINE, PRIEST);
    TurnToward(PRIEST, HEROINE);
    Play(PRIEST, "scaredlookaround_l");
    Dialog(0x1233f8b0);
    _ElseMatch();
    OpenIslandMap(HEROINE, WP_STAND, EXIT_BLOCKER);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg203::BuildEvents()
{
    GestureCallbacks();
    StatueEvents();
    FenceEvents();
    FireflyEvents();
    FlowerEvents();
    FlatGraveEvents();
    TelescopeEvents();
    ClimbCallbacks();
    MapCylinderEvents();
    ShowMapCallbacks();
    RazzoEvents();
    WalkAndTalk(ScriptEvent_Object1(Object("full_moon")), HEROINE, WP_FULL_MOON, 0x543ed1ee);
    MoundEvents();
    GraveEvents();
    PriestEvents();
    ReadPapersCallbacks();
    RemarkEvents();
}

void SceneScript_bg203::GestureCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0x76794709), HEROINE, "g_talkfurious_l");
    _IfEvent(OnCallback(0x96ecddc8));
    Play(HEROINE, "g_dlgthinking");
    Play(HEROINE, "g_talk_l");
    _EndMatch();
    PlayGesture(OnCallback(0xb9bd54ff), HEROINE, "g_scratchhead", "g_idle_l");
    PlayGesture(OnCallback(0x7dbb6784), HEROINE, "g_lookingaround", "g_idle_l");
    PlayGesture(OnCallback(0x773e252b), HEROINE, "g_lookup", "g_idle_l");
    PlayGesture(OnCallback(0x993bbe31), HEROINE, "g_helpless", "g_idle_l");
    PlayGesture(OnCallback(0xe6921b07), HEROINE, "g_clapshands", "g_idle_l");
    PlayGesture(OnCallback(0x83e1948b), HEROINE, "g_impatience", "g_idle_l");
    _IfEvent(OnCallback(0x5d0490c6));
    TurnToward(HEROINE, PRIEST);
    Play(HEROINE, "g_talk_l");
    _EndMatch();
    PlayGesture(OnCallback(0xb9460319), RAZZO, "g_talk_l");
    PlayGesture(OnCallback(0xad128f9b), RAZZO, "g_idle_l");
    PlayGesture(OnCallback(0x6ecad21e), PRIEST, "scaredtalk_l");
    PlayGesture(OnCallback(0x330f7815), PRIEST, "scaredlookaround_l");
}

void SceneScript_bg203::StatueEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("tanners_statue")), HEROINE, WP_STATUE, 0x1193da94);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("tanners_statue")), HEROINE, WP_STATUE, 0x9fae099b);

    // The firefly bottle on the statue: one firefly flies into its mouth
    // and lights it.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("tanners_statue"), ItemNamed("ITEM_BOTTLE_FIREFLY")));
    GoTo(HEROINE, WP_STATUE);
    Play(HEROINE, "fireflytostatue01");
    PushAddAttachment(HEROINE, AttachmentNamed("bottle_firefly"), BONE_RIGHT_HAND);
    Play(HEROINE, "fireflytostatue02");
    EffectSound(FIREFLY_FLIGHT_SOUND);
    Together();
    ShowObject(Object("fx_firefly_to_statue"), true);
    PushHashAction23(Object("fx_firefly_to_statue"), FIREFLY_TO_STATUE_FLIGHT);
    PushRemoveAttachment(HEROINE, AttachmentNamed("bottle_firefly"));
    PushAddAttachment(HEROINE, AttachmentNamed("bottle"), BONE_RIGHT_HAND);
    Play(HEROINE, "fireflytostatue03");
    PushRemoveAttachment(HEROINE, AttachmentNamed("bottle"));
    Play(HEROINE, "fireflytostatue04");
    Apart();
    Idle();
    ShowObject(Object("fx_firefly_statue_loop"), true);
    Dialog(0xe951440d);
    SetBoolVar(VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE, true);
    Take(HEROINE, ItemNamed("ITEM_BOTTLE_FIREFLY"));
    Give(HEROINE, ItemNamed("ITEM_EMPTY_BOTTLE"));
    _EndMatch();
}

void SceneScript_bg203::FenceEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("plaque")), HEROINE, WP_PLAQUE, 0x486093c3);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("plaque")), HEROINE, WP_PLAQUE, 0x5d0cd4f8);
    WalkAndTalk(ScriptEvent_Object1(Object("ironwork_fence")), HEROINE, WP_FENCE, 0x9cf55cd7);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("ironwork_fence")), HEROINE, WP_FENCE, 0x12c88fd8);

    // The pistol's butt on the fence breaks two pieces off, once; after that
    // the pistol on it does nothing at all.
    const int32_t iPieces = Object("i_ironwork_fence");
    _IfEvent(ScriptEvent_ItemOnObject3(Object("ironwork_fence"), ItemNamed("ITEM_PISTOL")));
    _IfBool(VARBOOL_BG203_C03_PICK_IRONWORK_PIECE, 0);
    GoTo(HEROINE, WP_FENCE);
    Play(HEROINE, "fencepistolhit01");
    PushAddAttachment(HEROINE, AttachmentNamed("pistol"), BONE_RIGHT_HAND);
    Together();
    Sound(HEROINE, FENCE_HIT_SOUND, 2970);
    Play(HEROINE, "fencepistolhit02");
    Wait(iPieces, 6200);
    PushHashAction23(iPieces, FENCE_PIECES_STRUCK);
    Apart();
    PushHashAction23(iPieces, FENCE_PIECES_LOOSE);
    PushRemoveAttachment(HEROINE, AttachmentNamed("pistol"));
    Play(HEROINE, "fencepistolhit03");
    Idle();
    Play(HEROINE, "g_pickobjectlow01");
    ShowObject(iPieces, false);
    Give(HEROINE, ItemNamed("ITEM_IRONWORK_PIECE_1"));
    Give(HEROINE, ItemNamed("ITEM_IRONWORK_PIECE_2"));
    Play(HEROINE, "g_pickobjectlow02");
    Idle();
    Dialog(0xb1b11e08);
    SetBoolVar(VARBOOL_BG203_C03_PICK_IRONWORK_PIECE, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg203::FireflyEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("fireflies")), HEROINE, WP_FIREFLIES, 0x7852151a);

    _IfEvent(Activated(Object("fireflies")));
    GoTo(HEROINE, WP_FIREFLIES);
    Together();
    Sound(HEROINE, FIREFLY_CATCH_SOUND, 1914);
    Play(HEROINE, "fireflycatchtry");
    Apart();
    Idle();
    Dialog(0xab50ebcf);
    _EndMatch();
}

void SceneScript_bg203::FlowerEvents()
{
    // In chapter 8, while the priest wants berries, the flowers have lines
    // of their own; one of the two talks runs, never both.
    _IfEvent(ScriptEvent_Object1(Object("flowers")));
    GoTo(HEROINE, WP_FLOWERS);
    _IfMatch(BerriesWanted());
    Dialog(0xcbd39d1b);
    _ElseMatch();
    Dialog(0xa5b573f5);
    _EndMatch();
    _EndMatch();

    _IfEvent(Activated(Object("flowers")));
    GoTo(HEROINE, WP_FLOWERS);
    _IfMatch(BerriesWanted());
    Dialog(0x24a0c70c);
    _ElseMatch();
    Dialog(0x14abf696);
    _EndMatch();
    _EndMatch();

    PickFromFlowers(0xb5c408ce, ItemNamed("ITEM_FLOWERS"), VARBOOL_BG203_C03_PICK_FLOWERS);
    PickFromFlowers(0xfeba645b, ItemNamed("ITEM_WILD_BERRIES"), VARBOOL_BG203_C08_PICK_WILD_BERRIES);
}

void SceneScript_bg203::PickFromFlowers(uint32_t uCallback, uint32_t uItem, int32_t iPickedFlag)
{
    _IfEvent(OnCallback(uCallback));
    PickUp<Reach::MiddleLow>(HEROINE, ID_SCRIPTABLE_INVALID, uItem);
    SetBoolVar(iPickedFlag, true);
    _EndMatch();
}

void SceneScript_bg203::FlatGraveEvents()
{
    const int32_t iGrave = Object("fat_grave");
    const int32_t iBottle = Object("i_bottle");
    WalkAndTalk(ScriptEvent_Object1(iGrave), HEROINE, WP_FLAT_GRAVE, 0x7ca4b60f);

    // The near-empty bottle left on the grave is taken back.
    _IfEvent(Activated(iGrave));
    GoTo(HEROINE, WP_FLAT_GRAVE);
    Dialog(0xafa648da);
    _IfBool(VARBOOL_BG203_C03_NEAR_EMPTY_BOTTLE_IS_HERE, 1);
    PickUp<Reach::Low>(HEROINE, iBottle, ItemNamed("ITEM_NEAR_EMPTY_BOTTLE"), false);
    SetBoolVar(VARBOOL_BG203_C03_NEAR_EMPTY_BOTTLE_IS_HERE, false);
    _EndMatch();
    _EndMatch();

    _IfEvent(ScriptEvent_ItemOnObject3(iGrave, ItemNamed("ITEM_NEAR_EMPTY_BOTTLE")));
    GoTo(HEROINE, WP_FLAT_GRAVE);
    Play(HEROINE, "g_leaveobjectlow01");
    EffectSound(BOTTLE_DOWN_SOUND);
    ShowObject(iBottle, true);
    Take(HEROINE, ItemNamed("ITEM_NEAR_EMPTY_BOTTLE"));
    Play(HEROINE, "g_leaveobjectlow02");
    Idle();
    SetBoolVar(VARBOOL_BG203_C03_NEAR_EMPTY_BOTTLE_IS_HERE, true);
    Dialog(0xc1804744);
    _EndMatch();

    // The nectar draws the fireflies into the bottle.
    const int32_t iSwarm = Object("fx_firefly_bottle");
    const int32_t iGlow = Object("fx_bottle");
    _IfEvent(ScriptEvent_ItemOnObject3(iGrave, ItemNamed("ITEM_BOTTLE_FLOWER_NECTAR")));
    GoTo(HEROINE, WP_FLAT_GRAVE);
    Play(HEROINE, "g_leaveobjectlow01");
    EffectSound(NECTAR_DOWN_SOUND);
    ShowObject(iBottle, true);
    Take(HEROINE, ItemNamed("ITEM_BOTTLE_FLOWER_NECTAR"));
    Play(HEROINE, "g_leaveobjectlow02");
    Idle();
    Together();
    Play(HEROINE, "getfireflybottle01");
    Wait(iSwarm, 1200);
    ShowObject(iSwarm, true);
    PushHashAction23(iSwarm, FIREFLY_BOTTLE_SWARM);
    Wait(iGlow, 3000);
    ShowObject(iGlow, true);
    Wait(iBottle, 3000);
    ShowObject(iBottle, false);
    Wait(iGlow, 1400);
    ShowObject(iGlow, false);
    ShowObject(iSwarm, false);
    PushAddAttachment(HEROINE, AttachmentNamed("bottle_firefly"), BONE_RIGHT_HAND);
    Play(HEROINE, "getfireflybottle02");
    Apart();
    PushRemoveAttachment(HEROINE, AttachmentNamed("bottle_firefly"));
    Play(HEROINE, "getfireflybottle03");
    Idle();
    Give(HEROINE, ItemNamed("ITEM_BOTTLE_FIREFLY"));
    Dialog(0x385bb44b);
    _EndMatch();

    _IfEvent(OnCallback(0x60ab8383));
    TurnToward(HEROINE, RAZZO);
    _EndMatch();

    // Chapter 7: a feather torn from the chicken on the grave.
    _IfEvent(ScriptEvent_ItemOnObject3(iGrave, ItemNamed("ITEM_DEAD_CHICKEN")));
    GoTo(HEROINE, WP_FLAT_GRAVE);
    Dialog(0x8060f834);
    Give(HEROINE, ItemNamed("ITEM_BLOODY_FEATHER"));
    Take(HEROINE, ItemNamed("ITEM_DEAD_CHICKEN"));
    SetBoolVar(VARBOOL_BG203_C07_USE_DEAD_CHICKEN_ON_FLAT_GRAVE, true);
    _EndMatch();

    _IfEvent(OnCallback(0x68d8f892));
    Play(HEROINE, "ripoffchickenfeather_01");
    Play(HEROINE, "ripoffchickenfeather_02");
    ShowObject(Object("o_dead_chicken"), true);
    EffectSound(FEATHER_SOUND);
    Play(HEROINE, "ripoffchickenfeather_03");
    Play(HEROINE, "ripoffchickenfeather_04");
    Play(HEROINE, "ripoffchickenfeather_05");
    Play(HEROINE, "ripoffchickenfeather_06");
    Play(HEROINE, "ripoffchickenfeather_07");
    Idle();
    _EndMatch();
}

void SceneScript_bg203::TelescopeEvents()
{
    const int32_t iTelescope = Object("telescope");
    WalkAndTalk(ScriptEvent_Object1(iTelescope), HEROINE, WP_TELESCOPE, 0xada5aa62);
    WalkAndTalk(MatchExpr::MakeEvent0(iTelescope), HEROINE, WP_TELESCOPE, 0x7ea754b7);
    WalkAndTalk(ScriptEvent_ItemOnObject3(iTelescope, ItemNamed("ITEM_BOTTLE_FIREFLY")), HEROINE, WP_TELESCOPE,
                0x03e88408);

    // Razzo climbs on her shoulders to the telescope; its close-up follows.
    _IfEvent(ScriptEvent_ItemOnObject3(iTelescope, ItemNamed("ITEM_RAZZO")));
    GoTo(HEROINE, WP_TELESCOPE);
    TurnToward(HEROINE, RAZZO);
    TurnToward(RAZZO, HEROINE);
    Dialog(0x573fd23b);
    GoToScene(TELESCOPE_CLOSE_UP);
    _EndMatch();
}

void SceneScript_bg203::ClimbCallbacks()
{
    // Up the statue, Razzo on her shoulders.
    _IfEvent(OnCallback(0xce9c138e));
    Idle();
    GoTo(RAZZO, WP_RAZZO_AT_STATUE);
    GoTo(HEROINE, WP_TELESCOPE);
    Play(RAZZO, "statueclimb01");
    Play(RAZZO, "statueclimb02_l");
    Together();
    Play(RAZZO, "statueclimb03");
    Sound(HEROINE, CLIMB_UP_SOUND, 1452);
    Play(HEROINE, "statueclimb01");
    Play(RAZZO, "statueclimb04_l");
    Play(HEROINE, "statueclimb02_l");
    Apart();
    _EndMatch();

    // Down again.
    _IfEvent(OnCallback(0x57954234));
    Together();
    Play(RAZZO, "statueclimb05");
    Sound(HEROINE, CLIMB_DOWN_SOUND, 990);
    Play(HEROINE, "statueclimb03");
    Play(RAZZO, "g_idle_l");
    Play(HEROINE, "g_idle_l");
    Apart();
    _EndMatch();

    // Razzo stretches and goes back to his place.
    _IfEvent(OnCallback(0x209272a2));
    Play(RAZZO, "stretch");
    Play(RAZZO, "g_idle_l");
    GoTo(RAZZO, WP_RAZZO);
    _EndMatch();
}

void SceneScript_bg203::MapCylinderEvents()
{
    const int32_t iCylinder = Object("map_cylinder");
    WalkAndTalk(ScriptEvent_Object1(iCylinder), HEROINE, WP_MAP_CYLINDER, 0x9fda94e0);

    _IfEvent(Activated(iCylinder));
    GoTo(HEROINE, WP_MAP_CYLINDER);
    Together();
    Sound(HEROINE, CYLINDER_KNOCK_SOUND, 1914);
    Play(HEROINE, "knockmapcylinder");
    Apart();
    Idle();
    Dialog(0x70a9cef7);
    _EndMatch();

    // The gripping device reaches into the cylinder only once the statue's
    // mouth glows; before that she only walks up to it.
    _IfEvent(ScriptEvent_ItemOnObject3(iCylinder, ItemNamed("ITEM_GRIPPING_DEVICE")));
    GoTo(HEROINE, WP_MAP_CYLINDER);
    _IfBool(VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE, 1);
    Play(HEROINE, "mapcylindergrip01");
    PushAddAttachment(HEROINE, AttachmentNamed("gripping_device"), BONE_RIGHT_HAND);
    Play(HEROINE, "mapcylindergrip02");
    GoToScene(CYLINDER_CLOSE_UP);
    _EndMatch();
    _EndMatch();

    for (const CylinderFind& oFind :
         {CylinderFind {0x3f7fea74, WP_BY_SMALL_KEY, ItemNamed("ITEM_SMALL_KEY"), Object("i_small_key"),
                        VARBOOL_BG203_C03_PICK_SMALL_KEY},
          CylinderFind {0xd19d5eed, WP_BY_HALF_STONE_DISC, ItemNamed("ITEM_HALF_STONE_DISK01"),
                        Object("i_half_stone_disc"), VARBOOL_BG203_C03_PICK_HALF_STONE_DISCK},
          CylinderFind {0xd6c9c358, WP_BY_MAP_B, ItemNamed("ITEM_MAP_B"), Object("i_map_b"),
                        VARBOOL_BG203_C03_PICK_MAP_B}})
        PickFromCylinder(oFind);
}

void SceneScript_bg203::PickFromCylinder(const CylinderFind& oFind)
{
    _IfEvent(OnCallback(oFind.uCallback));
    GoTo(HEROINE, oFind.iWaypoint);
    PickUp<Reach::MiddleLow>(HEROINE, oFind.iPicture, oFind.uItem);
    SetBoolVar(oFind.iPickedFlag, true);
    _EndMatch();
}

void SceneScript_bg203::ShowMapCallbacks()
{
    // She unrolls the map for Razzo.
    _IfEvent(OnCallback(0x4fc092e2));
    GoTo(HEROINE, WP_BY_RAZZO);
    Play(HEROINE, "g_showmap01");
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_map"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap02");
    Together();
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_map"));
    PushAddAttachment(HEROINE, AttachmentNamed("unrolled_map"), BONE_RIGHT_HAND);
    Apart();
    Play(HEROINE, "g_showmap03");
    Play(HEROINE, "g_showmap05_l");
    _EndMatch();

    PlayGesture(OnCallback(0x38c7a274), HEROINE, "g_showmap04_l");
    PlayGesture(OnCallback(0xa6a337d7), HEROINE, "g_showmap05_l");

    // And rolls it up again.
    _IfEvent(OnCallback(0xd1a40741));
    PushRemoveAttachment(HEROINE, AttachmentNamed("unrolled_map"));
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_map"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap06");
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_map"));
    Play(HEROINE, "g_showmap07");
    Idle();
    _EndMatch();
}

void SceneScript_bg203::RazzoEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(RAZZO), HEROINE, WP_BY_RAZZO, 0x5b801f59);
    WalkAndTalk(ScriptEvent_FlaggedId2(RAZZO), HEROINE, WP_BY_RAZZO, 0x29b40234);
}

void SceneScript_bg203::MoundEvents()
{
    for (const Mound& oMound :
         {Mound {Object("small_mound_1"), Object("m_tombe_2"), WP_SMALL_MOUND_1, 0x6e5a6d22, 0xed669bbf, MOUND_1_DUG,
                 0x30f66d97, VARBOOL_BG203_C08_SHOVEL_ON_SMALL_MOUND_1},
          Mound {Object("small_mound_2"), Object("m_tombe_3"), WP_SMALL_MOUND_2, 0xf7533c98, 0x746fca05, MOUND_2_DUG,
                 0xa9ff3c2d, VARBOOL_BG203_C08_SHOVEL_ON_SMALL_MOUND_2}}) {
        WalkAndTalk(ScriptEvent_Object1(oMound.iHotspot), HEROINE, oMound.iWaypoint, oMound.uLookDialog);
        WalkAndTalk(MatchExpr::MakeEvent0(oMound.iHotspot), HEROINE, oMound.iWaypoint, oMound.uActivateDialog);
        DigMound(oMound);
    }
}

void SceneScript_bg203::DigMound(const Mound& oMound)
{
    _IfEvent(ScriptEvent_ItemOnObject3(oMound.iHotspot, ItemNamed("ITEM_SHOVEL")));
    GoTo(HEROINE, oMound.iWaypoint);
    EffectSound(MOUND_DIG_SOUND);
    Play(HEROINE, "digmound01");
    PushAddAttachment(HEROINE, AttachmentNamed("shovel"), BONE_RIGHT_HAND);
    Play(HEROINE, "digmound02");
    PushHashAction23(oMound.iPicture, oMound.uDug);
    Play(HEROINE, "digmound03");
    PushRemoveAttachment(HEROINE, AttachmentNamed("shovel"));
    Play(HEROINE, "digmound04");
    Idle();
    Dialog(oMound.uDugDialog);
    SetInteractive(oMound.iHotspot, false);
    SetBoolVar(oMound.iDugFlag, true);
    _EndMatch();
}

void SceneScript_bg203::GraveEvents()
{
    const int32_t iGrave = Object("grave");
    WalkAndTalk(ScriptEvent_Object1(iGrave), HEROINE, WP_GRAVE, 0xed3f1559);
    WalkAndTalk(MatchExpr::MakeEvent0(iGrave), HEROINE, WP_GRAVE, 0x5b556704);

    // Mabel's grave dug open: her arm, and the old papers in it.
    const int32_t iArm = Object("fx_arm");
    _IfEvent(ScriptEvent_ItemOnObject3(iGrave, ItemNamed("ITEM_SHOVEL")));
    GoTo(HEROINE, WP_GRAVE);
    Play(HEROINE, "digmound01");
    PushAddAttachment(HEROINE, AttachmentNamed("shovel"), BONE_RIGHT_HAND);
    Together();
    Sound(HEROINE, GRAVE_DIG_SOUND, 1100);
    Play(HEROINE, "digmound02");
    Apart();
    // A wait on her own queue behind the dig, then the walk waits for her.
    AddToQueue(HEROINE, ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(ID_SCRIPTABLE_INVALID));
    WaitUntilIdle(HEROINE);
    PushHashAction23(Object("m_tombe_mabel"), GRAVE_DUG);
    Together();
    Wait(iArm, 500);
    ShowObject(iArm, true);
    PushHashAction23(iArm, ARM_RISING);
    Apart();
    Play(HEROINE, "digmound03");
    ShowObject(iArm, false);
    ShowObject(Object("m_bras_mabel"), true);
    ShowObject(Object("i_old_papers"), true);
    PushRemoveAttachment(HEROINE, AttachmentNamed("shovel"));
    Play(HEROINE, "digmound04");
    Idle();
    TurnToward(HEROINE, PRIEST);
    TurnToward(PRIEST, HEROINE);
    Play(PRIEST, "scaredlookaround_l");
    Dialog(0xf09a78c1);
    SetBoolVar(VARBOOL_QUEST_C8_GRAVE_DONE, true);
    SetInteractive(iGrave, false);
    _EndMatch();

    _IfEvent(OnCallback(0xfc2ccb2b));
    Place(HEROINE, WP_GRAVE);
    PickUp<Reach::Low>(HEROINE, Object("i_old_papers"), ItemNamed("ITEM_OLD_PAPERS"));
    _EndMatch();
}

void SceneScript_bg203::PriestEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(PRIEST), HEROINE, WP_BEFORE_PRIEST, 0x1edef909);

    _IfEvent(ScriptEvent_FlaggedId2(PRIEST));
    GoTo(HEROINE, WP_BEFORE_PRIEST);
    TurnToward(PRIEST, HEROINE);
    Play(PRIEST, "scaredlookaround_l");
    Dialog(0x2dafd0f1);
    _EndMatch();

    // The old papers shown to the priest settle the justice quest; he goes.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(PRIEST, ItemNamed("ITEM_OLD_PAPERS")));
    GoTo(HEROINE, WP_BEFORE_PRIEST);
    GoTo(PRIEST, WP_PRIEST);
    Play(PRIEST, "scaredlookaround_l");
    Play(HEROINE, "g_showdocument01");
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_torn_report"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showdocument02");
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_torn_report"));
    PushAddAttachment(HEROINE, AttachmentNamed("unrolled_torn_report"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showdocument03");
    Play(HEROINE, "g_showdocument04_l");
    Dialog(0x335e13de);
    SetBoolVar(VARBOOL_QUEST_C8_JUSTICE02_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C8_JUSTICE03, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, true);
    Together();
    WalkTo(PRIEST, WP_ENTRY);
    Wait(HEROINE, 4000);
    TurnToward(HEROINE, PRIEST);
    Apart();
    ShowObject(PRIEST, false);
    _EndMatch();
}

void SceneScript_bg203::ReadPapersCallbacks()
{
    _IfEvent(OnCallback(0x51608736));
    GoTo(PRIEST, WP_PRIEST);
    Play(PRIEST, "readdocument01");
    Play(PRIEST, "readdocument03_l");
    _EndMatch();

    PlayGesture(OnCallback(0xc869d68c), PRIEST, "readdocument02_l");
    PlayGesture(OnCallback(0xbf6ee61a), PRIEST, "readdocument03_l");

    // He hands the papers back; she rolls them up.
    _IfEvent(OnCallback(0x210a73b9));
    Play(PRIEST, "readdocument04");
    Play(PRIEST, "idle_l");
    PushRemoveAttachment(HEROINE, AttachmentNamed("unrolled_torn_report"));
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_torn_report"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showdocument05");
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_torn_report"));
    Play(HEROINE, "g_showdocument06");
    Idle();
    _EndMatch();

    // She gives him the papers for good.
    _IfEvent(OnCallback(0x560d432f));
    Together();
    Play(PRIEST, "receive");
    Play(HEROINE, "g_giveobject");
    Take(HEROINE, ItemNamed("ITEM_OLD_PAPERS"));
    Play(HEROINE, "g_idle_l");
    Play(PRIEST, "idle_l");
    Apart();
    _EndMatch();
}

void SceneScript_bg203::RemarkEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("poster")));
    GoTo(HEROINE, WP_POSTER);
    SelectCharacter(BOAT);
    Dialog(0x908a7dc2);
    SelectCharacter(HEROINE);
    _EndMatch();

    _IfEvent(Activated(Object("poster")));
    GoTo(HEROINE, WP_POSTER);
    SelectCharacter(BOAT);
    Dialog(0x2194f8a1);
    SelectCharacter(HEROINE);
    _EndMatch();

    WalkAndTalk(ScriptEvent_Object1(Object("woods")), HEROINE, WP_WOODS, 0xa912e511);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("woods")), HEROINE, WP_WOODS, 0x1f78974c);
}

} // namespace

// Scene 24, bg203_CR_GraveyardOfTheAncients.
REGISTER_SCENE_SCRIPT(bg203, 24);
