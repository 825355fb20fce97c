// The burial chamber under Carmine's monument on Tanner island (scene 42,
// bg404_TA_BurialChamber): a sarcophagus, a water-filled depression in the
// floor and a glass panel in the sarcophagus' side. In chapter 6 the heroine
// washes the sarcophagus with water from the depression, sets the greasy iron
// stem into the panel and strikes it with the small hammer; the movie shows
// the panel giving way, and back from it she holds the turtle rod. Briscoe
// and Buck come down to her, and giving Buck the rod sends her back to the ship.
// In chapter 7 the depression's water is one of the voodoo mixture's
// ingredients. The map is off in here.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg404_42>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"thomas_b"> THOMAS;
constexpr ActorNamed<"buck"> BUCK;
constexpr ActorNamed<"uncle_eduardo"> EDUARDO;

// Waypoints of the chamber.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_STAIRS_FOOT = 1;
constexpr int32_t WP_ON_THE_STAIRS = 2;
constexpr int32_t WP_THOMAS = 3;
constexpr int32_t WP_BUCK = 4;
constexpr int32_t WP_BEFORE_THE_MEN = 5;
constexpr int32_t WP_EDUARDO = 6;
constexpr int32_t WP_INSIDE = 7;
constexpr int32_t WP_SARCOPHAGUS = 8;
constexpr int32_t WP_DEPRESSION = 9;
constexpr int32_t WP_PANEL = 10;
constexpr int32_t WP_AT_THE_PANEL = 11;
constexpr int32_t WP_WAY_OUT = 12;
constexpr int32_t WP_STRUCTURE = 26;
constexpr int32_t WP_TRICKLE = 27;

// The walk-mesh blocker over the stairs: shut but on the way out.
constexpr int32_t STAIRS_BLOCKER = 0;

// The pictures of the panel and of the water on the sarcophagus.
constexpr uint32_t PANEL_OPEN = 0x2b8e4328;
constexpr uint32_t PANEL_DUSTY = 0x408b14ff;
constexpr uint32_t PANEL_WASHED = 0x4442f736;
constexpr uint32_t WATER_STILL = 0xd242e1b9;
constexpr uint32_t WATER_RUNNING = 0x9be2c532;

// Sounds: the music and the chamber, and the heroine's work.
constexpr uint32_t CHAMBER_MUSIC = 0x2e44d392;
constexpr uint32_t CHAMBER_AMBIENCE = 0x5eb19380;
constexpr uint32_t CUP_FILLS = 0x2fd969f5;
constexpr uint32_t FLASK_FILLS = 0x57ad61f7;
constexpr int32_t FILL_DELAY = 1056;
constexpr uint32_t WATER_POURS = 0x0280436d;
constexpr int32_t POUR_DELAY = 594;
constexpr uint32_t PANEL_HOLDS = 0x3c8541b8;
constexpr int32_t PANEL_DELAY = 1782;
constexpr uint32_t STEM_GOES_IN = 0x58838ee0;
constexpr int32_t STEM_DELAY = 264;
constexpr uint32_t HAMMER_BLOW = 0x004fe2fc;
constexpr int32_t BLOW_DELAY = 3696;

// Carmine's monument above, the corridor of the ship, and the movie of the
// panel giving way.
constexpr int32_t JETTY = 39;       // bg401_TA_JetyAndCliff
constexpr int32_t BUCKS_PLACE = 40; // bg402_TA_BucksPlace
constexpr int32_t MONUMENT = 41;    // bg403_TA_CarminesMonument
constexpr int32_t CORRIDOR = 6;     // bg002_WM_Corridor
constexpr int32_t MOVIE_STRIP06 = 13;
constexpr int32_t AFTER_STRIP06 = 512 + MOVIE_STRIP06;

class SceneScript_bg404 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapterSix();
    void BackFromTheMovie();
    void TheMenComeDown();
    // While Briscoe and Buck wait with her, only they can be used.
    void OnlyTheMenAnswer();
    void TalkCallbacks();
    void RodCallbacks();
    void DepressionEvents();
    // Fills the cup or the flask at the depression: the one item for the other.
    void FillAtTheDepression(uint32_t uAttachment, uint32_t uSound, uint32_t uEmpty, uint32_t uFull);
    void SarcophagusEvents();
    void PanelEvents();
    void CrowbarEvents();
    void LooksOnly();
    void ThomasEvents();
    void BuckEvents();
    // Every look, use and talk hands the player the heroine again, and she
    // walks to the place and says her piece.
    void Remark(const MatchExpr& oEvent, int32_t iWaypoint, uint32_t uDialog);
    void Remark(const EventDesc& oEvent, int32_t iWaypoint, uint32_t uDialog)
    {
        Remark(MatchExpr::Event(oEvent), iWaypoint, uDialog);
    }
    void LookAndUse(int32_t iEntity, int32_t iWaypoint, uint32_t uLookDialog, uint32_t uActivateDialog);
    // Before the two men she faces the one addressed.
    void ApproachTheMen(uint32_t uMan);
};

void SceneScript_bg404::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg404_chapter_06"), InChapter(6));
    LinkSoundGroup(SoundGroupNamed("bg404_chapter_07"), InChapter(7));
    LinkSoundGroup(0x094e40f8, InChapters({1, 2, 3, 4, 5, 8, 9, 10}));
}

void SceneScript_bg404::BuildEnterActions()
{
    PlayMusic(CHAMBER_MUSIC);
    PlayAmbience(CHAMBER_AMBIENCE);
    SetSceneDirection(2);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    SetBoolVar(VARBOOL_TA_MAP_BG404, true);

    ShowObject(Object("o_iron_stem"), false);
    PushHashAction23(Object("m_galss_panel"), PANEL_OPEN);
    SetInteractive(Object("glass_panel"), false);
    SetInteractive(Object("custom_crowbar"), false);
    ShowAndActivate(THOMAS, false);
    ShowAndActivate(BUCK, false);
    ShowAndActivate(EDUARDO, false);
    ShowObject(Object("m_depression"), false);
    ShowObject(Object("fx_water"), false);
    PushHashAction23(Object("fx_water"), WATER_STILL);

    _IfMatch(InChapter(6));
    EnterChapterSix();
    _EndMatch();

    Place(HEROINE, WP_START);
    Place(THOMAS, WP_THOMAS);
    Place(BUCK, WP_BUCK);
    TurnToward(BUCK, THOMAS, 0);
    TurnToward(BUCK, HEROINE);
    Place(EDUARDO, WP_EDUARDO);

    // Down the stairs from the monument, or from the island's other places
    // the map's way leads through it.
    for (const int32_t iFrom : {JETTY, BUCKS_PLACE, MONUMENT}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_ON_THE_STAIRS);
        GoTo(HEROINE, WP_INSIDE);
        _EndMatch();
    }

    _IfMatch(CameFrom(AFTER_STRIP06));
    BackFromTheMovie();
    _EndMatch();

    PushAction21(HEROINE, STAIRS_BLOCKER, 1);
}

void SceneScript_bg404::EnterChapterSix()
{
    // The chamber is dark but for the heroine's light.
    for (const int32_t iLight :
         {Object("fx_torch"), Object("fx_candle_flame_01"), Object("fx_candle_flame_02"), Object("fx_candle_flame_03"),
          Object("fx_halo_01"), Object("fx_halo_02"), Object("fx_halo_03")})
        ShowObject(iLight, false);

    _IfBool(VARBOOL_QUEST_C6_TURTLEROD_DONE, 0);
    _IfBool(VARBOOL_BG404_C06_USE_CUPWATER_ON_SARCOPHAGUS, 0);
    PushHashAction23(Object("m_galss_panel"), PANEL_DUSTY);
    _ElseMatch();
    PushHashAction23(Object("m_galss_panel"), PANEL_WASHED);
    ShowObject(Object("fx_water"), true);
    _EndMatch();
    _EndMatch();

    // Diego has done his part: he can leave the jetty.
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C6_DIEGO_DONE), IsFalse(VARBOOL_BG401_C06_DIEGO_GO_OUT)));
    SetBoolVar(VARBOOL_BG401_C06_DIEGO_GO_OUT, true);
    _EndMatch();

    _IfMatch(
        Both(IsTrue(VARBOOL_BG404_C06_USE_CUPWATER_ON_SARCOPHAGUS), IsFalse(VARBOOL_BG404_C06_POSE_GREASY_IRON_STEM)));
    SetInteractive(Object("glass_panel"), true);
    _EndMatch();

    _IfMatch(Both(IsTrue(VARBOOL_BG404_C06_POSE_GREASY_IRON_STEM), IsFalse(VARBOOL_QUEST_C6_TURTLEROD_DONE)));
    ShowObject(Object("o_iron_stem"), true);
    SetInteractive(Object("custom_crowbar"), true);
    _EndMatch();

    // The two men wait with her until Buck has had the rod.
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C6_TURTLEROD_DONE), IsFalse(VARBOOL_QUEST_C6_TANNERSFRIEND01)));
    ShowAndActivate(THOMAS, true);
    ShowAndActivate(BUCK, true);
    OnlyTheMenAnswer();
    _EndMatch();
}

void SceneScript_bg404::BackFromTheMovie()
{
    Place(HEROINE, WP_BEFORE_THE_MEN);
    // The rod comes out of the broken panel only once.
    _IfBool(VARBOOL_QUEST_C6_TURTLEROD_DONE, 0);
    PushHashAction23(Object("m_galss_panel"), PANEL_OPEN);
    ShowObject(Object("fx_water"), false);
    Place(HEROINE, WP_BEFORE_THE_MEN);
    ShowObject(Object("o_iron_stem"), false);
    SetInteractive(Object("custom_crowbar"), false);

    PushAddAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"), BONE_RIGHT_HAND);
    Play(HEROINE, "showrod_04_l");
    Give(HEROINE, ItemNamed("ITEM_TURTLE_ROD"));
    Give(HEROINE, ItemNamed("ITEM_IRON_STEM"));
    Dialog(0xc382343e);
    Play(HEROINE, "showrod_05");
    PushRemoveAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"));
    Play(HEROINE, "showrod_06");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_QUEST_C6_TURTLEROD_DONE, true);

    TheMenComeDown();
    _EndMatch();
}

void SceneScript_bg404::TheMenComeDown()
{
    Place(THOMAS, WP_STAIRS_FOOT);
    Place(BUCK, WP_STAIRS_FOOT);
    ShowObject(THOMAS, true);
    ShowObject(BUCK, true);

    // Briscoe first, Buck on his heels; she turns to them as they come.
    Together();
    GoTo(THOMAS, WP_THOMAS);
    Wait(BUCK, 920);
    GoTo(BUCK, WP_BUCK);
    Wait(HEROINE, 700);
    TurnToward(HEROINE, THOMAS);
    Apart();
    WaitForAll();

    Dialog(0x9ab2d530);
    SetInteractive(THOMAS, true);
    SetInteractive(BUCK, true);
    OnlyTheMenAnswer();
}

void SceneScript_bg404::OnlyTheMenAnswer()
{
    for (const int32_t iObject :
         {Object("goto_bg403"), Object("depression"), Object("sarcophagus"), Object("trickle"), Object("structure")})
        SetInteractive(iObject, false);
}

void SceneScript_bg404::BuildExitEvents()
{
    // Activate "goto_bg403": up the stairs to the monument, but not while
    // Briscoe and Buck wait for the rod.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg403")));
    _IfMatch(
        MatchExpression(Op_Or, IsFalse(VARBOOL_QUEST_C6_TURTLEROD_DONE), IsTrue(VARBOOL_QUEST_C6_TANNERSFRIEND01)));
    PushAction21(HEROINE, STAIRS_BLOCKER, 0);
    GoTo(HEROINE, WP_WAY_OUT);
    GoToScene(MONUMENT);
    Play(HEROINE, "bbinnstartwalkstairs");
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg404::BuildEvents()
{
    TalkCallbacks();
    RodCallbacks();

    // The far end of the chamber: the view follows the hidden uncle there
    // while she stands in it.
    _IfMatch(MatchExpr::MakeEvent4(HEROINE, Object("scroll_ecran")));
    SelectCharacter(EDUARDO);
    _EndMatch();
    EventDesc oLeaves;
    BuildEvent(&oLeaves, TwEventType_UnTouch, 2, ID_PARAMETER_TYPE_SCRIPTABLE,
               EntityScriptableId(Object("scroll_ecran")), ID_PARAMETER_TYPE_SCRIPTABLE, ActorScriptableId(HEROINE));
    _IfEvent(oLeaves);
    SelectCharacter(HEROINE);
    _EndMatch();

    DepressionEvents();
    SarcophagusEvents();
    PanelEvents();
    CrowbarEvents();
    LooksOnly();
    ThomasEvents();
    BuckEvents();
}

void SceneScript_bg404::TalkCallbacks()
{
    PlayGesture(OnCallback(0xa85cc740), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x572c2b06), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0xecbf3ef5), HEROINE, "g_helpless", "g_idle_l");
    PlayGesture(OnCallback(0xfe4db564), HEROINE, "g_scratchhead", "g_idle_l");
    PlayGesture(OnCallback(0xa4bcffe9), HEROINE, "g_clapshands", "g_idle_l");
}

void SceneScript_bg404::RodCallbacks()
{
    // Callback: she takes the rod out and holds it up.
    _IfEvent(OnCallback(0xb57a89f7));
    Play(HEROINE, "showrod_01");
    PushAddAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"), BONE_RIGHT_HAND);
    Play(HEROINE, "showrod_02");
    Play(HEROINE, "showrod_03_l");
    _EndMatch();

    // Callback: she holds it out.
    PlayGesture(OnCallback(0x2c73d84d), HEROINE, "showrod_04_l");

    // Callback: she puts it away.
    _IfEvent(OnCallback(0x5b74e8db));
    Play(HEROINE, "showrod_05");
    PushRemoveAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"));
    Play(HEROINE, "showrod_06");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg404::DepressionEvents()
{
    const int32_t iDepression = Object("depression");
    LookAndUse(iDepression, WP_DEPRESSION, 0x05efc34e, 0x552b4aca);
    Remark(ScriptEvent_ItemOnObject3(iDepression, ItemNamed("ITEM_OIL_LAMP")), WP_DEPRESSION, 0x58ff6563);
    Remark(ScriptEvent_ItemOnObject3(iDepression, ItemNamed("ITEM_EMPTY_BOTTLE")), WP_DEPRESSION, 0x422b099d);

    // UseItem the stone cup on "depression": she fills it.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("depression"), ItemNamed("ITEM_STONE_CUP")));
    FillAtTheDepression(AttachmentNamed("stone_cup"), CUP_FILLS, ItemNamed("ITEM_STONE_CUP"),
                        ItemNamed("ITEM_CUP_OF_WATER"));
    Dialog(0xdc8ef54d);
    _EndMatch();

    // UseItem the flask on "depression": the water of the voodoo mixture;
    // with the three other ingredients it is complete.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("depression"), ItemNamed("ITEM_FLASK")));
    FillAtTheDepression(AttachmentNamed("flask"), FLASK_FILLS, ItemNamed("ITEM_FLASK"), ItemNamed("ITEM_FLASK_WATER"));
    SetBoolVar(VARBOOL_BG404_C07_USE_FLASK_ON_WATER, true);
    _IfMatch(Both(Both(IsTrue(VARBOOL_BG201_C07_USE_METAL_HOOK_ON_INN_SIGN),
                       IsTrue(VARBOOL_BG305_C07_USE_WEED_KILLER_ON_VASE_OF_FLOWERS)),
                  IsTrue(VARBOOL_BG106_C07_INT_DEAD_CHICKEN)));
    SetBoolVar(VARBOOL_QUEST_C7_INGREDIENTS_DONE, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg404::FillAtTheDepression(uint32_t uAttachment, uint32_t uSound, uint32_t uEmpty, uint32_t uFull)
{
    SelectCharacter(HEROINE);
    GoTo(HEROINE, WP_DEPRESSION);
    ShowObject(Object("m_depression"), true);
    Play(HEROINE, "fillvoodooflask_01");
    PushAddAttachment(HEROINE, uAttachment, BONE_RIGHT_HAND);
    Sound(HEROINE, uSound, FILL_DELAY);
    Play(HEROINE, "fillvoodooflask_02");
    Take(HEROINE, uEmpty);
    Give(HEROINE, uFull);
    PushRemoveAttachment(HEROINE, uAttachment);
    Play(HEROINE, "fillvoodooflask_03");
    Play(HEROINE, "g_idle_l");
    ShowObject(Object("m_depression"), false);
}

void SceneScript_bg404::SarcophagusEvents()
{
    LookAndUse(Object("sarcophagus"), WP_SARCOPHAGUS, 0x8e3259f1, 0xf03b845b);

    // UseItem the cup of water on "sarcophagus": washed once, the glass
    // panel shows through; after that the cup does nothing here.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("sarcophagus"), ItemNamed("ITEM_CUP_OF_WATER")));
    _IfBool(VARBOOL_BG404_C06_USE_CUPWATER_ON_SARCOPHAGUS, 0);
    SelectCharacter(HEROINE);
    GoTo(HEROINE, WP_AT_THE_PANEL);
    Play(HEROINE, "cleansarcophagus_01");
    PushAddAttachment(HEROINE, AttachmentNamed("stone_cup"), BONE_RIGHT_HAND);
    Sound(HEROINE, WATER_POURS, POUR_DELAY);
    Play(HEROINE, "cleansarcophagus_02");
    Together();
    ShowObject(Object("fx_water"), true);
    PushHashAction23(Object("fx_water"), WATER_RUNNING);
    Apart();
    Play(HEROINE, "cleansarcophagus_03");
    PushRemoveAttachment(HEROINE, AttachmentNamed("stone_cup"));
    Play(HEROINE, "cleansarcophagus_04");
    Play(HEROINE, "g_idle_l");
    Take(HEROINE, ItemNamed("ITEM_CUP_OF_WATER"));
    Give(HEROINE, ItemNamed("ITEM_STONE_CUP"));
    Dialog(0x062b6f19);
    SetInteractive(Object("glass_panel"), true);
    SetBoolVar(VARBOOL_BG404_C06_USE_CUPWATER_ON_SARCOPHAGUS, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg404::PanelEvents()
{
    const int32_t iPanel = Object("glass_panel");
    Remark(ScriptEvent_Object1(iPanel), WP_PANEL, 0x45b69690);

    // Activate "glass_panel": it will not open by hand.
    _IfMatch(MatchExpr::MakeEvent0(Object("glass_panel")));
    SelectCharacter(HEROINE);
    GoTo(HEROINE, WP_PANEL);
    Sound(HEROINE, PANEL_HOLDS, PANEL_DELAY);
    Play(HEROINE, "handopenpaneltry");
    Play(HEROINE, "g_idle_l");
    Dialog(0x3bbf4b3a);
    SetBoolVar(VARBOOL_QUEST_C6_TRAPDOOR, true);
    _EndMatch();

    Remark(ScriptEvent_ItemOnObject3(iPanel, ItemNamed("ITEM_MAGNIFICENT_SWORD")), WP_PANEL, 0x5508c343);
    Remark(ScriptEvent_ItemOnObject3(iPanel, ItemNamed("ITEM_SMALL_HAMMER")), WP_PANEL, 0xb7bfdbf6);

    // UseItem the greasy iron stem on "glass_panel": it goes into the
    // panel's slot and stands out of it, a crowbar waiting for a blow.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("glass_panel"), ItemNamed("ITEM_GREASY_IRON_STEM")));
    SelectCharacter(HEROINE);
    GoTo(HEROINE, WP_AT_THE_PANEL);
    Play(HEROINE, "panelinsertsterm_01");
    Sound(HEROINE, STEM_GOES_IN, STEM_DELAY);
    Play(HEROINE, "panelinsertsterm_02");
    ShowObject(Object("o_iron_stem"), true);
    Play(HEROINE, "panelinsertsterm_03");
    Play(HEROINE, "g_idle_l");
    Take(HEROINE, ItemNamed("ITEM_GREASY_IRON_STEM"));
    Dialog(0x0b505ab3);
    SetBoolVar(VARBOOL_BG404_C06_POSE_GREASY_IRON_STEM, true);
    SetInteractive(Object("custom_crowbar"), true);
    SetInteractive(Object("glass_panel"), false);
    _EndMatch();
}

void SceneScript_bg404::CrowbarEvents()
{
    LookAndUse(Object("custom_crowbar"), WP_AT_THE_PANEL, 0xebaa9b1c, 0x33610ff1);

    // UseItem the small hammer on "custom_crowbar": the blow, and the movie
    // of the panel giving way; the scene comes back after it.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("custom_crowbar"), ItemNamed("ITEM_SMALL_HAMMER")));
    SelectCharacter(HEROINE);
    GoTo(HEROINE, WP_AT_THE_PANEL);
    Play(HEROINE, "hammerstermstart_01");
    PushAddAttachment(HEROINE, AttachmentNamed("tavrine_hammer"), BONE_RIGHT_HAND);
    Sound(HEROINE, HAMMER_BLOW, BLOW_DELAY);
    Play(HEROINE, "hammerstermstart_02");
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(MOVIE_STRIP06));
    _EndMatch();
}

void SceneScript_bg404::LooksOnly()
{
    // Look "structure": she looks up at it first.
    _IfEvent(ScriptEvent_Object1(Object("structure")));
    SelectCharacter(HEROINE);
    GoTo(HEROINE, WP_STRUCTURE);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0x30ceeb66);
    _EndMatch();

    Remark(MatchExpr::MakeEvent0(Object("structure")), WP_STRUCTURE, 0x2c7ce951);
    LookAndUse(Object("trickle"), WP_TRICKLE, 0x2044cc31, 0xf88f58dc);
}

void SceneScript_bg404::Remark(const MatchExpr& oEvent, int32_t iWaypoint, uint32_t uDialog)
{
    _IfMatch(oEvent);
    SelectCharacter(HEROINE);
    GoTo(HEROINE, iWaypoint);
    Dialog(uDialog);
    _EndMatch();
}

void SceneScript_bg404::LookAndUse(int32_t iEntity, int32_t iWaypoint, uint32_t uLookDialog, uint32_t uActivateDialog)
{
    Remark(ScriptEvent_Object1(iEntity), iWaypoint, uLookDialog);
    Remark(MatchExpr::MakeEvent0(iEntity), iWaypoint, uActivateDialog);
}

void SceneScript_bg404::ApproachTheMen(uint32_t uMan)
{
    SelectCharacter(HEROINE);
    WalkTo(HEROINE, WP_BEFORE_THE_MEN);
    TurnToward(HEROINE, uMan);
}

void SceneScript_bg404::ThomasEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(THOMAS));
    ApproachTheMen(THOMAS);
    Dialog(0x516d3021);
    _EndMatch();

    _IfEvent(ScriptEvent_FlaggedId2(THOMAS));
    ApproachTheMen(THOMAS);
    Dialog(0xe2383b26);
    _EndMatch();

    _IfEvent(ScriptEvent_ItemOnFlaggedId3(THOMAS, ItemNamed("ITEM_TURTLE_ROD")));
    ApproachTheMen(THOMAS);
    Dialog(0x58afbdf0);
    _EndMatch();

    PlayGesture(OnCallback(0x1a358376), THOMAS, "g_talk_l");
    PlayGesture(OnCallback(0x64afab29), THOMAS, "g_idle_l");
    PlayGesture(OnCallback(0x6b993a92), THOMAS, "g_thinking01", "g_thinking02_l");
    PlayGesture(OnCallback(0xf2ba0c95), THOMAS, "g_thinking03", "g_idle_l");
}

void SceneScript_bg404::BuckEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(BUCK));
    ApproachTheMen(BUCK);
    Dialog(0x62832b51);
    _EndMatch();

    _IfEvent(ScriptEvent_FlaggedId2(BUCK));
    ApproachTheMen(BUCK);
    Dialog(0x51f9c397);
    _EndMatch();

    // UseItem the turtle rod on "buck": he knows Tanner's sign; the heroine
    // goes back to the ship with it.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(BUCK, ItemNamed("ITEM_TURTLE_ROD")));
    ApproachTheMen(BUCK);
    Dialog(0x20e12754);
    SetBoolVar(VARBOOL_QUEST_C6_TANNERSFRIEND01, true);
    GoToScene(CORRIDOR);
    _EndMatch();

    PlayGesture(OnCallback(0xc7868f6e), BUCK, "g_talk_l");
    PlayGesture(OnCallback(0xcf927e2f), BUCK, "g_idle_l");

    // Callback: Buck takes the rod from her hand and holds it.
    _IfEvent(OnCallback(0xd04905e6));
    Play(BUCK, "takerod_01");
    Together();
    PushAddAttachment(BUCK, AttachmentNamed("turtle_rod_buck"), BONE_RIGHT_HAND);
    PushRemoveAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"));
    Play(BUCK, "takerod_02");
    Play(HEROINE, "bucktakerod_02");
    Play(HEROINE, "g_idle_l");
    Play(BUCK, "takerod_03_l");
    Apart();
    _EndMatch();

    // Callback: he hands it back, and she puts it away.
    _IfEvent(OnCallback(0x4940545c));
    Play(BUCK, "takerod_05");
    Play(BUCK, "takerod_06_l");
    Together();
    Play(HEROINE, "bucktakerod_06");
    Wait(BUCK, 500);
    PushRemoveAttachment(BUCK, AttachmentNamed("turtle_rod_buck"));
    PushAddAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"), BONE_RIGHT_HAND);
    Play(BUCK, "takerod_07");
    Play(HEROINE, "showrod_05");
    PushRemoveAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"));
    Play(HEROINE, "showrod_06");
    Play(HEROINE, "g_idle_l");
    Play(BUCK, "g_idle_l");
    Apart();
    _EndMatch();
}

} // namespace

// Scene 42, bg404_TA_BurialChamber.
REGISTER_SCENE_SCRIPT(bg404, 42);
