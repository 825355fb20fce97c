// The town hall's map room (scene 16, bg108_BO_TownHallInterior): four maps,
// an easel, a chest with a map inside, a figurine, books and a dresser. The
// heroine climbs in from the square (scene 15) and out again by the window.
// The chicken bone opens the locked chest; the serial number tells which map
// is Briscoe's, and she takes it. The objects answer in every chapter.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg108_16>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

// Walk-mesh blocker: the floor under the window.
constexpr int32_t WINDOW_BLOCKER = 0;

// The chest's and the easel's sprite animations.
constexpr uint32_t CHEST_OPEN = 0x9926E733;
constexpr uint32_t CHEST_LOCKED = 0x08D67B80;
constexpr uint32_t EASEL = 0x1601CE21;

// A thing that only talks: Look and Activate walk to its waypoint and start
// their dialogs (LookAndActivate).
struct Remark {
    Object hotspot;
    int32_t iWaypoint;
    uint32_t uLookDialog;
    uint32_t uActivateDialog;
};

// The four maps share their dialogs; each has its own place.
constexpr Remark MAPS[] = {
    {"map_1", 3, 0x728FB819, 0x0F3D6E09},
    {"map_2", 4, 0x728FB819, 0x0F3D6E09},
    {"map_3", 5, 0x728FB819, 0x0F3D6E09},
    {"map_4", 6, 0x728FB819, 0x0F3D6E09},
};
constexpr Remark FURNITURE[] = {
    {"figurine", 12, 0x72D2A509, 0x4D46F90B},
    {"books", 13, 0x8B7960F9, 0xAE0B78FB},
    {"dresser", 14, 0xC2FB6A1C, 0x2EA6BFDC},
};

class SceneScript_bg108 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ChestEvents();
    void OpenTheChest();
    void TakeTheMap();
};

void SceneScript_bg108::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg108_chapter_02"), InChapter(2));
    // The other chapters' group has no bank.
    LinkSoundGroup(0x38C89EF3, InEveryChapterBut(2));
}

void SceneScript_bg108::BuildEnterActions()
{
    PlayMusic(0x2E44D392);
    PlayAmbience(0x51CC1D40);
    SetSceneDirection(1);
    WalkOnly(HEROINE, true);
    // No travel from inside the town hall.
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    PushHashAction23(Object("o_easel"), EASEL);

    _IfBool(VARBOOL_BG108_C02_CHEST_IS_OPEN, 1);
    PushHashAction23(Object("o_chest"), CHEST_OPEN);
    SetInteractive(Object("locked_chest"), false);
    _ElseMatch();
    PushHashAction23(Object("o_chest"), CHEST_LOCKED);
    SetInteractive(Object("open_chest"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG108_C02_PICK_MAP_T, 1);
    ShowObject(Object("o_map"), false);
    _EndMatch();

    Place(HEROINE, 2);
    // In through the window from the square.
    _IfMatch(CameFrom(15));
    Place(HEROINE, 1);
    PushAnimAction(HEROINE, "maproombreakinend", 0, 1);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, 2);
    _EndMatch();
    PushAction21(HEROINE, WINDOW_BLOCKER, 1);
}

void SceneScript_bg108::BuildExitEvents()
{
    // Activate "goto_bg107": out of the window to the square.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg107")));
    PushAction21(HEROINE, WINDOW_BLOCKER, 0);
    GoTo(HEROINE, 9);
    Play(HEROINE, "maproombreakoutstart");
    GoToScene(15); // bg107_BO_TownhallExterior
    _EndMatch();
}

void SceneScript_bg108::BuildEvents()
{
    for (const Remark& oMap : MAPS)
        LookAndActivate(oMap.hotspot, HEROINE, oMap.iWaypoint, oMap.uLookDialog, oMap.uActivateDialog);

    // Dialog_CB 0x993BBE31: she shrugs.
    PlayGesture(OnCallback(0x993BBE31), HEROINE, "g_helpless", "g_idle_l");

    ChestEvents();
    for (const Remark& oThing : FURNITURE)
        LookAndActivate(oThing.hotspot, HEROINE, oThing.iWaypoint, oThing.uLookDialog, oThing.uActivateDialog);
}

void SceneScript_bg108::ChestEvents()
{
    LookAndActivate(Object("locked_chest"), HEROINE, 11, 0x64937AC4, 0x087707B8);
    OpenTheChest();
    LookAndActivate(Object("open_chest"), HEROINE, 10, 0xC3F85373, 0x931313BA);
    TakeTheMap();
}

void SceneScript_bg108::OpenTheChest()
{
    // UseItem "locked_chest" with the chicken bone: she picks the lock, and
    // the lid comes up while she tells of it.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("locked_chest"), ItemNamed("ITEM_SMALL_CHICKEN_BONE")));
    GoTo(HEROINE, 11);
    Dialog(0xF4502989);
    Together();
    Sound(HEROINE, 0x6F0DA74A, 1980);
    Play(HEROINE, "openchest");
    Wait(Object("o_chest"), 4300);
    PushHashAction23(Object("o_chest"), CHEST_OPEN);
    Play(HEROINE, "g_idle_l");
    Apart();
    SetBoolVar(VARBOOL_BG108_C02_CHEST_IS_OPEN, true);
    Take(HEROINE, ItemNamed("ITEM_SMALL_CHICKEN_BONE"));
    Wait(LOGIC_DIALOG, 5000);
    Dialog(0xE88DA9E5);
    SetInteractive(Object("open_chest"), true);
    SetInteractive(Object("locked_chest"), false);
    _EndMatch();
}

void SceneScript_bg108::TakeTheMap()
{
    // UseItem "open_chest" with the serial number: the map that bears it is
    // Briscoe's; she takes it once, and keeps the number.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("open_chest"), ItemNamed("ITEM_SERIAL_NUMBER")));
    _IfBool(VARBOOL_BG108_C02_PICK_MAP_T, 0);
    GoTo(HEROINE, 10);
    Play(HEROINE, "g_pickobjectlow01");
    Give(HEROINE, ItemNamed("ITEM_BRISCOES_MAP"));
    ShowObject(Object("o_map"), false);
    Play(HEROINE, "g_pickobjectlow02");
    Play(HEROINE, "g_idle_l");
    Dialog(0x71AC7E36);
    SetBoolVar(VARBOOL_QUEST_C2_FIND_MAP_DONE, true);
    SetBoolVar(VARBOOL_BG108_C02_PICK_MAP_T, true);
    _EndMatch();
    _EndMatch();
}

} // namespace

// Scene 16, bg108_BO_TownHallInterior.
REGISTER_SCENE_SCRIPT(bg108, 16);
