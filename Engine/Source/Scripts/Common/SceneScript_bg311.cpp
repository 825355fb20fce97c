// Chemin's hut above the voodoo village (scene 38, bg311_HO_CheminsHut): one
// scene for both sides of the hut's door. Outside, Tana keeps watch and the
// path leads down to the village; inside, with the roof faded away, Chemin
// sits in his trance on his throne by the fireplace, the bookshelf and the
// voodoo kit. The heroine takes the flora book and the kit, brews the mixture
// on the fire (crab claw, caba petals, then water from the flask) and burns
// Chemin's paper to break his trance; he gives her the painted pebble.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg311_38>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"tana"> TANA;
constexpr ActorNamed<"chemin"> CHEMIN;

// Waypoints of the hut and its yard.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_TANA = 1;
constexpr int32_t WP_CHEMIN = 2;
constexpr int32_t WP_BY_TANA = 3;
constexpr int32_t WP_DOOR_OUTSIDE = 4;
constexpr int32_t WP_DOOR_INSIDE = 5;
constexpr int32_t WP_BEFORE_CHEMIN = 6;
constexpr int32_t WP_TOP_OF_THE_CLIMB = 7;
constexpr int32_t WP_LIGHTING_THE_FIRE = 8;
constexpr int32_t WP_BURNING_THE_PAPER = 9;
constexpr int32_t WP_UP_FROM_THE_VILLAGE = 11;
constexpr int32_t WP_BOOKSHELF = 14;
constexpr int32_t WP_VOODOO_KIT = 15;
constexpr int32_t WP_FIREPLACE = 16;
constexpr int32_t WP_DOWN_THE_PATH = 17;
constexpr int32_t WP_EDGE = 26;

// The hut's doorway on the walk mesh.
constexpr int32_t DOOR_BLOCKER = 0;

// Sprite animations: the smoke at rest and rising; what lies in the vessel
// as the mixture grows, and the paper on top.
constexpr uint32_t SMOKE_AT_REST = 0xb52b80c1;
constexpr uint32_t SMOKE_RISES = 0x0274766a;
constexpr uint32_t CLAW_IN = 0x67254de5;
constexpr uint32_t PETALS_IN = 0xf52fdbd7;
constexpr uint32_t WATER_IN = 0x0a8abbce;
constexpr uint32_t PAPER_IN = 0xdd0a2a44;

// Sounds: the music and the hilltop, the claw in the vessel, the paper
// burning; the heroine's try to wake Chemin, the water poured, the fire
// struck; Chemin's fury.
constexpr uint32_t HUT_MUSIC = 0x2e44d392;
constexpr uint32_t HUT_AMBIENCE = 0x328f40cb;
constexpr uint32_t CLAW_SOUND = 0x4029a1aa;
constexpr uint32_t PAPER_SOUND = 0x4e68d970;
constexpr uint32_t WAKE_TRY_SOUND = 0x027a6a31;
constexpr uint32_t POURING_SOUND = 0x2e27c086;
constexpr uint32_t FIRE_SOUND = 0x30435525;
constexpr uint32_t FURY_SOUND = 0x74bdf2ed;

// The village below, whence the climb comes.
constexpr int32_t VOODOO_VILLAGE = 36; // bg309_HO_VoodooVillage

// The remark when something goes on the fire out of turn.
constexpr uint32_t NOT_YET = 0x62fec405;
// The dialog where the heroine strikes a light.
constexpr uint32_t LIGHT_THE_FIRE = 0xafb7c80e;

class SceneScript_bg311 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void RestoreTheMixture();
    void RestoreTheRoom();
    void PlaceTheSides();
    void ArriveFromTheVillage();

    void TanaEvents();
    void PathEvents();
    void GoInside();
    void GoOutside();
    void CheminEvents();
    void BookshelfEvents();
    void VoodooKitEvents();
    void FireplaceEvents();
    void MixtureEvents();
    void FireEvents();
    void SpellEvents();
    void TalkCallbacks();

    // Switches the things of one side of the door for those of the other.
    void ShowInside(bool bInside);
};

void SceneScript_bg311::LinkSoundGroups()
{
    LinkSoundGroup(0x4ff96649, InChapter(7));
    LinkSoundGroup(0x340941a6, InEveryChapterBut(7));
}

void SceneScript_bg311::BuildEnterActions()
{
    PlayMusic(HUT_MUSIC);
    PlayAmbience(HUT_AMBIENCE);
    SetSceneDirection(2);
    PushAction21(HEROINE, DOOR_BLOCKER, 1);
    SelectCharacter(TANA);
    ResetObjects();
    RestoreTheMixture();
    RestoreTheRoom();
    PlaceTheSides();
    ArriveFromTheVillage();

    _IfBool(VARBOOL_QUEST_C7_CLIMB_DONE, 0);
    SetBoolVar(VARBOOL_QUEST_C7_CLIMB_DONE, true);
    _EndMatch();
}

void SceneScript_bg311::ResetObjects()
{
    ShowObject(Object("o_recipe"), false);
    ShowObject(Object("fx_fire"), false);
    ShowObject(Object("fx_smoke_idle"), false);
    ShowObject(Object("fx_smoke_start"), false);
    PushHashAction23(Object("fx_smoke_start"), SMOKE_AT_REST);
    ShowObject(Object("fx_particle"), false);
}

void SceneScript_bg311::RestoreTheMixture()
{
    // While Chemin is in his trance the vessel shows what has gone into it.
    _IfBool(VARBOOL_BG311_C07_CHEMIN_NOT_IN_TRANCE, 0);
    _IfBool(VARBOOL_BG311_C07_CRAB_CLAW_ON_FIREPLACE, 1);
    ShowObject(Object("o_recipe"), true);
    PushHashAction23(Object("o_recipe"), CLAW_IN);
    _EndMatch();
    _IfBool(VARBOOL_BG311_C07_CABA_FLOWERS_PETALS_ON_FIREPLACE, 1);
    PushHashAction23(Object("o_recipe"), PETALS_IN);
    _EndMatch();
    _IfBool(VARBOOL_BG311_C07_VESSEL_AND_INGREDIENTS_ON_FIREPLACE, 1);
    PushHashAction23(Object("o_recipe"), WATER_IN);
    _EndMatch();
    _IfBool(VARBOOL_BG311_C07_CHEMIN_PAPER_ON_FIREPLACE, 1);
    PushHashAction23(Object("o_recipe"), PAPER_IN);
    _EndMatch();
    _IfBool(VARBOOL_BG311_C07_SMOKE_RISING_VESSEL, 0);
    ShowObject(Object("o_fireplace"), false);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg311::RestoreTheRoom()
{
    _IfBool(VARBOOL_BG311_C07_FIREPLACE_ON_FIRE, 1);
    ShowObject(Object("fx_fire"), true);
    _EndMatch();
    _IfBool(VARBOOL_QUEST_C7_INGREDIENTS, 1);
    ShowObject(Object("i_book"), false);
    _EndMatch();
    _IfBool(VARBOOL_BG311_C07_PICK_VOODOO_KIT, 1);
    SetInteractive(Object("voodoo_kit"), false);
    _EndMatch();
}

void SceneScript_bg311::PlaceTheSides()
{
    Place(HEROINE, WP_START);
    Place(TANA, WP_TANA);
    Place(CHEMIN, WP_CHEMIN);
    PushAddAttachment(CHEMIN, AttachmentNamed("stick_chemin"), BONE_RIGHT_HAND);
    AddToQueue(CHEMIN, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));

    _IfBool(VARBOOL_BG311_C07_CHEMIN_NOT_IN_TRANCE, 0);
    Play(CHEMIN, "transe_l");
    _ElseMatch();
    Play(CHEMIN, "tronestandfurious_l");
    _EndMatch();

    _IfBool(VARBOOL_BG311_C07_INSIDE_HUT, 0);
    ShowObject(Object("o_rooftop"), true);
    SetInteractive(Object("bookshelf"), false);
    SetInteractive(Object("fireplace"), false);
    SetInteractive(Object("voodoo_kit"), false);
    SetInteractive(Object("door_hut_out"), false);
    SetInteractive(CHEMIN, false);
    _ElseMatch();
    // Back inside: she stands by the door, facing Chemin.
    Place(HEROINE, WP_DOOR_INSIDE);
    TurnToward(HEROINE, CHEMIN, 0);
    ShowObject(Object("o_rooftop"), false);
    SetInteractive(TANA, false);
    SetInteractive(Object("goto_bg309"), false);
    SetInteractive(Object("down"), false);
    SetInteractive(Object("door_hut"), false);
    PushAction21(HEROINE, DOOR_BLOCKER, 1);
    SelectCharacter(CHEMIN);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    _EndMatch();
}

void SceneScript_bg311::ArriveFromTheVillage()
{
    // Up the path from the village: she pulls herself over the top.
    _IfMatch(Both(CameFrom(VOODOO_VILLAGE), IsFalse(VARBOOL_BG311_C07_INSIDE_HUT)));
    Place(HEROINE, WP_TOP_OF_THE_CLIMB);
    PushAnimAction(HEROINE, "maproombreakinend", 0, 1);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, WP_UP_FROM_THE_VILLAGE);
    _EndMatch();
}

void SceneScript_bg311::BuildExitEvents()
{
    // Activate "goto_bg309": down to the village, bending to the path as the
    // picture fades.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg309")));
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    GoTo(HEROINE, WP_DOWN_THE_PATH);
    GoToScene(VOODOO_VILLAGE);
    Play(HEROINE, "g_pickobjectlow01");
    _EndMatch();
}

void SceneScript_bg311::BuildEvents()
{
    TanaEvents();
    PathEvents();
    GoInside();
    GoOutside();
    CheminEvents();
    BookshelfEvents();
    VoodooKitEvents();
    FireplaceEvents();
    MixtureEvents();
    FireEvents();
    SpellEvents();
    TalkCallbacks();
}

void SceneScript_bg311::TanaEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(TANA), HEROINE, WP_BY_TANA, 0xce245998);

    _IfEvent(ScriptEvent_FlaggedId2(TANA));
    GoTo(HEROINE, WP_BY_TANA);
    Dialog(0xfd5eb15e);
    Place(TANA, WP_TANA);
    _EndMatch();

    // Callback: Tana hands over the description of the flowers.
    _IfEvent(OnCallback(0xe4cbbdb2));
    Together();
    Play(HEROINE, "g_receiveobject");
    Play(TANA, "giveobject");
    Play(TANA, "talk_l");
    Play(HEROINE, "g_talk_l");
    Apart();
    Give(HEROINE, ItemNamed("ITEM_DESCRIPTION_FLOWERS"));
    _EndMatch();
}

void SceneScript_bg311::PathEvents()
{
    // Look at "down": she peers down the cliff at the village.
    _IfEvent(ScriptEvent_Object1(Object("down")));
    GoTo(HEROINE, WP_EDGE);
    Play(HEROINE, "searching_low");
    Play(HEROINE, "g_idle_l");
    Dialog(0x9f1c9784);
    _EndMatch();

    WalkAndTalk(MatchExpr::MakeEvent0(Object("down")), HEROINE, WP_EDGE, 0xd3c29802);
}

void SceneScript_bg311::ShowInside(bool bInside)
{
    PushAction21(HEROINE, DOOR_BLOCKER, 1);
    SetInteractive(Object("bookshelf"), bInside);
    SetInteractive(Object("fireplace"), bInside);
    if (bInside) {
        // The kit stays on the floor once emptied.
        _IfBool(VARBOOL_BG311_C07_PICK_VOODOO_KIT, 0);
        SetInteractive(Object("voodoo_kit"), true);
        _EndMatch();
    } else {
        SetInteractive(Object("voodoo_kit"), false);
    }
    SetInteractive(CHEMIN, bInside);
    SetInteractive(TANA, !bInside);
    SetInteractive(Object("goto_bg309"), !bInside);
    SetInteractive(Object("down"), !bInside);
    SetInteractive(Object("door_hut"), !bInside);
    SetInteractive(Object("door_hut_out"), bInside);
    SetBoolVar(VARBOOL_BG311_C07_INSIDE_HUT, bInside);
    WaitForAll();
}

void SceneScript_bg311::GoInside()
{
    // Activate "door_hut": in through the door while the roof fades away.
    _IfMatch(MatchExpr::MakeEvent0(Object("door_hut")));
    _IfBool(VARBOOL_BG311_C07_INSIDE_HUT, 0);
    GoTo(HEROINE, WP_DOOR_OUTSIDE);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    Together();
    PushAnimAction(HEROINE, "outhutte", 0, 1);
    Wait(Object("o_rooftop"), 900);
    PushAction60(Object("o_rooftop"), 1000, 0);
    Play(HEROINE, "g_idle_l");
    Apart();
    ShowInside(true);
    SelectCharacter(CHEMIN);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg311::GoOutside()
{
    // Activate "door_hut_out": out again while the roof fades back in.
    _IfMatch(MatchExpr::MakeEvent0(Object("door_hut_out")));
    _IfBool(VARBOOL_BG311_C07_INSIDE_HUT, 1);
    GoTo(HEROINE, WP_DOOR_INSIDE);
    WalkOnly(HEROINE, false);
    SetBoolVar(VARBOOL_ACTIVE_MAP, true);
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    Together();
    Wait(Object("o_rooftop"), 500);
    ShowObject(Object("o_rooftop"), true);
    PushAction60(Object("o_rooftop"), 1000, 1);
    PushAnimAction(HEROINE, "outhutte", 0, 1);
    Play(HEROINE, "g_idle_l");
    Apart();
    ShowInside(false);
    SelectCharacter(TANA);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg311::CheminEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(CHEMIN), HEROINE, WP_BEFORE_CHEMIN, 0x97f18375);
    WalkAndTalk(ScriptEvent_FlaggedId2(CHEMIN), HEROINE, WP_BEFORE_CHEMIN, 0xa480aa8d);

    // Callback: she shakes him; he sways and sinks back into his trance.
    _IfEvent(OnCallback(0x0e829a97));
    Together();
    Sound(HEROINE, WAKE_TRY_SOUND, 858);
    Play(HEROINE, "stoptransetry");
    Play(CHEMIN, "stoptransetry");
    Play(HEROINE, "g_idle_l");
    Play(CHEMIN, "transe_l");
    Apart();
    _EndMatch();

    // Callback: Chemin hands over the painted pebble.
    _IfEvent(OnCallback(0xf407d14e));
    Together();
    Play(HEROINE, "g_receiveobject");
    Play(CHEMIN, "giveobject");
    Play(HEROINE, "g_idle_l");
    Play(CHEMIN, "tronetalkfurious_l");
    Apart();
    Give(HEROINE, ItemNamed("ITEM_PAINTED_PEBBLE"));
    SetBoolVar(VARBOOL_BG311_C07_HAD_PAINTED_PEBBLE, true);
    _EndMatch();
}

void SceneScript_bg311::BookshelfEvents()
{
    LookAndActivate(Object("bookshelf"), HEROINE, WP_BOOKSHELF, 0xa2e1a04d, 0x1fffed1a);

    // Callback: she takes the flora book down and opens it.
    _IfEvent(OnCallback(0x8c49420a));
    Play(HEROINE, "takesflorabook01");
    ShowObject(Object("i_book"), false);
    Play(HEROINE, "takesflorabook02");
    Play(HEROINE, "takesflorabook03");
    Give(HEROINE, ItemNamed("ITEM_VOODOO_RECIPES"));
    Play(HEROINE, "takesflorabook_idle_l");
    _EndMatch();

    // Callback: she closes the book.
    _IfEvent(OnCallback(0xf6d04852));
    Play(HEROINE, "g_readdocument05");
    Play(HEROINE, "g_readdocument06");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg311::VoodooKitEvents()
{
    LookAndActivate(Object("voodoo_kit"), HEROINE, WP_VOODOO_KIT, 0x158154d7, 0xe0338ecd);

    // Callback: she lifts the kit and takes the flask and the paper out.
    _IfEvent(OnCallback(0x4dfe7895));
    Play(HEROINE, "g_pickobjectlow01");
    ShowObject(Object("i_voodoo_kit"), false);
    Give(HEROINE, ItemNamed("ITEM_FLASK"));
    Give(HEROINE, ItemNamed("ITEM_VOODOO_PAPER"));
    Play(HEROINE, "g_pickobjectlow02");
    Play(HEROINE, "g_idle_l");
    SetInteractive(Object("voodoo_kit"), false);
    SetBoolVar(VARBOOL_BG311_C07_PICK_VOODOO_KIT, true);
    _EndMatch();

    // Callback: she puts the emptied kit back down.
    _IfEvent(OnCallback(0x96efdff8));
    Play(HEROINE, "g_leaveobjectlow01");
    ShowObject(Object("i_voodoo_kit"), true);
    Play(HEROINE, "g_leaveobjectlow02");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg311::FireplaceEvents()
{
    LookAndActivate(Object("fireplace"), HEROINE, WP_FIREPLACE, 0xd43b6c96, 0x692521c1);
}

void SceneScript_bg311::MixtureEvents()
{
    const int32_t iFireplace = Object("fireplace");
    const int32_t iVessel = Object("o_recipe");

    // The crab claw always goes in first.
    _IfEvent(ScriptEvent_ItemOnObject3(iFireplace, ItemNamed("ITEM_CRAB_CLAW")));
    GoTo(HEROINE, WP_FIREPLACE);
    Play(HEROINE, "g_leaveobjectmiddle01");
    Take(HEROINE, ItemNamed("ITEM_CRAB_CLAW"));
    EffectSound(CLAW_SOUND);
    PushHashAction23(iVessel, CLAW_IN);
    ShowObject(iVessel, true);
    Play(HEROINE, "g_leaveobjectmiddle02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG311_C07_CRAB_CLAW_ON_FIREPLACE, true);
    _EndMatch();

    // The petals go in on the claw.
    _IfEvent(ScriptEvent_ItemOnObject3(iFireplace, ItemNamed("ITEM_CABA_FLOWERS_PETALS")));
    GoTo(HEROINE, WP_FIREPLACE);
    _IfBool(VARBOOL_BG311_C07_CRAB_CLAW_ON_FIREPLACE, 1);
    Play(HEROINE, "g_leaveobjectmiddle01");
    Take(HEROINE, ItemNamed("ITEM_CABA_FLOWERS_PETALS"));
    PushHashAction23(iVessel, PETALS_IN);
    Play(HEROINE, "g_leaveobjectmiddle02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG311_C07_CABA_FLOWERS_PETALS_ON_FIREPLACE, true);
    _ElseMatch();
    Dialog(NOT_YET);
    _EndMatch();
    _EndMatch();

    // The water goes in last, once; the empty flask comes back.
    _IfEvent(ScriptEvent_ItemOnObject3(iFireplace, ItemNamed("ITEM_FLASK_WATER")));
    _IfBool(VARBOOL_BG311_C07_VESSEL_AND_INGREDIENTS_ON_FIREPLACE, 0);
    GoTo(HEROINE, WP_FIREPLACE);
    _IfBool(VARBOOL_BG311_C07_CABA_FLOWERS_PETALS_ON_FIREPLACE, 1);
    Play(HEROINE, "flasktorecip_01");
    PushAddAttachment(HEROINE, AttachmentNamed("flask"), BONE_RIGHT_HAND);
    Together();
    Sound(HEROINE, POURING_SOUND, 858);
    Play(HEROINE, "flasktorecip_02");
    Wait(iVessel, 1200);
    PushHashAction23(iVessel, WATER_IN);
    PushRemoveAttachment(HEROINE, AttachmentNamed("flask"));
    Play(HEROINE, "flasktorecip_03");
    Play(HEROINE, "g_idle_l");
    Apart();
    Take(HEROINE, ItemNamed("ITEM_FLASK_WATER"));
    Give(HEROINE, ItemNamed("ITEM_FLASK"));
    SetBoolVar(VARBOOL_BG311_C07_VESSEL_AND_INGREDIENTS_ON_FIREPLACE, true);
    SetBoolVar(VARBOOL_QUEST_C7_MIXING01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C7_MIXING02, true);
    _ElseMatch();
    Dialog(NOT_YET);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg311::FireEvents()
{
    // The flint stone or the matches, while no fire burns: the dialog decides.
    for (const uint32_t uLight : {ItemNamed("ITEM_FLINT_STONE"), ItemNamed("ITEM_MATCH_BOX")}) {
        _IfEvent(ScriptEvent_ItemOnObject3(Object("fireplace"), uLight));
        _IfBool(VARBOOL_BG311_C07_FIREPLACE_ON_FIRE, 0);
        GoTo(HEROINE, WP_FIREPLACE);
        Dialog(LIGHT_THE_FIRE);
        _EndMatch();
        _EndMatch();
    }

    // Callback: she strikes a light; the flames catch under the vessel.
    _IfEvent(OnCallback(0xd2165bda));
    GoTo(HEROINE, WP_LIGHTING_THE_FIRE);
    Together();
    Sound(HEROINE, FIRE_SOUND, 2904);
    Play(HEROINE, "startfire01");
    Wait(Object("fx_fire"), 5850);
    Wait(Object("o_fireplace"), 5850);
    ShowObject(Object("fx_fire"), true);
    ShowObject(Object("o_fireplace"), true);
    Apart();
    Play(HEROINE, "startfire02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG311_C07_FIREPLACE_ON_FIRE, true);
    _EndMatch();
}

void SceneScript_bg311::SpellEvents()
{
    const int32_t iVessel = Object("o_recipe");
    const int32_t iRisingSmoke = Object("fx_smoke_start");

    // Chemin's paper burns only on the finished mixture over the smoke.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("fireplace"), ItemNamed("ITEM_CHEMIN_PAPER")));
    GoTo(HEROINE, WP_FIREPLACE);
    _IfMatch(Both(IsTrue(VARBOOL_BG311_C07_VESSEL_AND_INGREDIENTS_ON_FIREPLACE),
                  IsTrue(VARBOOL_BG311_C07_SMOKE_RISING_VESSEL)));
    Dialog(0xe7d62b3c);
    _ElseMatch();
    Dialog(NOT_YET);
    _EndMatch();
    _EndMatch();

    // Callback: the paper goes on the vessel and burns; the smoke rises and
    // she casts the spell.
    _IfEvent(OnCallback(0x61cecd86));
    GoTo(HEROINE, WP_BURNING_THE_PAPER);
    Play(HEROINE, "g_leaveobjectmiddle01");
    PushHashAction23(iVessel, PAPER_IN);
    EffectSound(PAPER_SOUND);
    Play(HEROINE, "g_leaveobjectmiddle02");
    Together();
    Play(HEROINE, "stoptransespell_01");
    Wait(iVessel, 2600);
    PushAction60(iVessel, 300, 0);
    Wait(iRisingSmoke, 1650);
    ShowObject(iRisingSmoke, true);
    PushHashAction23(iRisingSmoke, SMOKE_RISES);
    Take(HEROINE, ItemNamed("ITEM_CHEMIN_PAPER"));
    Apart();
    for (const int32_t iCloud : {Object("fx_particle"), Object("fx_smoke_idle")}) {
        ShowObject(iCloud, true);
        PushAction60(iCloud, 500, 1);
    }
    Play(HEROINE, "stoptransespell_02_l");
    _EndMatch();

    // Callback: the spell is over; the smoke clears and she steps up to him.
    _IfEvent(OnCallback(0xb21c471e));
    PushAnimAction(HEROINE, "stoptransespell_03", 0, 1);
    for (const int32_t iCloud : {Object("fx_particle"), Object("fx_smoke_idle")}) {
        ShowObject(iCloud, false);
        PushAction60(iCloud, 500, 0);
    }
    GoTo(HEROINE, WP_BEFORE_CHEMIN);
    _EndMatch();
}

void SceneScript_bg311::TalkCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");

    _IfEvent(OnCallback(0x8b8e4390));
    Together();
    Sound(CHEMIN, FURY_SOUND, 726);
    Play(CHEMIN, "tronetalkfurious_l");
    Apart();
    _EndMatch();

    PlayGesture(OnCallback(0x862df72c), CHEMIN, "tronestandfurious_l");
    PlayGesture(OnCallback(0xf68551f9), CHEMIN, "comingoutoftranse_01", "comingoutoftranse_03_l");
    PlayGesture(OnCallback(0x6f8c0043), CHEMIN, "comingoutoftranse_04", "tronetalkfurious_l");
    PlayGesture(OnCallback(0x20e1c9e2), TANA, "talk_l");
    PlayGesture(OnCallback(0x08d80c65), TANA, "idle_l");
}

} // namespace

// Scene 38, bg311_HO_CheminsHut.
REGISTER_SCENE_SCRIPT(bg311, 38);
