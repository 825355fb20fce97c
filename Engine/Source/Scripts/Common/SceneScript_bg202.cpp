// The Buckleberry inn on Crab island (scene 23, bg202_CR_BuckleberryInn), two
// floors: the bar room, where Anita works behind the bar and the stranger sits
// in the shadows, and the upper floor with the jackpot machine. A doubloon
// plays the machine (mini-game 3; its first bottle prize is the strong
// alcohol), the basket holds a match box, and in chapter 3 the alcohol
// poured on the modern picture bares a hairpin; the crab-island map shown to
// Anita points the way to the old graveyard. Chapter 8: the ink sac, the
// whittled pole, the fishing rod and the musket's ram rod, the witness
// account, and Pierre drinking at the bar until his consignment is done.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg202_23>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"anita"> ANITA;
constexpr ActorNamed<"stranger"> STRANGER;
constexpr ActorNamed<"pierre_l"> PIERRE;

// Waypoints: the heroine's places on both floors and by the things of the
// inn, then where the people stand.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_FOOT_OF_STAIRS = 1;
constexpr int32_t WP_HEAD_OF_STAIRS = 2;
constexpr int32_t WP_IN_FROM_DOCKS = 3;
constexpr int32_t WP_UPPER_FLOOR = 4;
constexpr int32_t WP_BAR_ROOM = 5;
constexpr int32_t WP_STRANGERS_SEAT = 6;
constexpr int32_t WP_ANITA_AT_BAR = 7;
constexpr int32_t WP_BY_STRANGER = 8;
constexpr int32_t WP_BEFORE_BAR = 9;
constexpr int32_t WP_DOOR = 10;
constexpr int32_t WP_OUTSIDE = 11;
constexpr int32_t WP_STRANGER_AT_BAR = 12;
constexpr int32_t WP_ANITA_BY_STRANGER = 13;
constexpr int32_t WP_PIERRE = 14;
constexpr int32_t WP_BY_PIERRE = 15;
constexpr int32_t WP_BY_ANITA_AND_STRANGER = 16;
constexpr int32_t WP_ANITA_ON_HER_WAY = 17;
constexpr int32_t WP_BASKET = 18;
constexpr int32_t WP_JACKPOT_MACHINE = 19;
constexpr int32_t WP_LEAVING = 21;
constexpr int32_t WP_MODERN_PICTURE = 23;
constexpr int32_t WP_FISHING_ROD = 24;
constexpr int32_t WP_MUSKET = 25;
constexpr int32_t WP_SIGN = 28;
constexpr int32_t WP_TRAPDOOR = 29;

// Walk-mesh blockers 0 to 4; 3 and 4 close the stairs.
constexpr int32_t BLOCKERS = 5;
constexpr int32_t STAIRS_BLOCKERS[] = {3, 4};

constexpr int32_t DOCKS = 22;                // bg201_CR_Docks
constexpr int32_t CLOSE_UP_PLACEHOLDER = 58; // bg990_closeup_placeholder
constexpr int32_t SLOT_MACHINE = 3;
// Back from a mini-game: 256 and its id.
constexpr int32_t BACK_FROM_SLOT_MACHINE = 256 + SLOT_MACHINE;

// Sounds: the inn's music and murmur, the coin in the machine, and the
// people's own (the ink, the hug, the knife on the pole).
constexpr uint32_t INN_MUSIC = 0x5964f801;
constexpr uint32_t INN_AMBIENCE = 0x335f4a07;
constexpr uint32_t COIN_SOUND = 0x1932ff82;
constexpr uint32_t INK_SOUND = 0x7a19f00c;
constexpr uint32_t HUG_SOUND = 0x5df8f709;
constexpr uint32_t WHITTLE_SOUND = 0x65652380;

// The dialogs that the map scene shares with the entry from scene 58.
constexpr uint32_t MAP_DIALOG = 0x97ba2e5b;

// A dialog callback on which a character plays an animation once (none: 0)
// and then a loop.
struct AnimationCallback {
    uint32_t uCallback;
    uint32_t uActor;
    int32_t iFirst;
    int32_t iLoop;
};

class SceneScript_bg202 final : public SceneScript {
protected:
    void LinkSoundGroups() override;
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void HideChapterObjects();
    void EnterChapter8();
    void SetUpFloor();
    void PlaceHeroineAndBarmaid();
    void EnterChapter3();
    void BackFromSlotMachine();

    void GestureCallbacks();
    void SpeakerCallbacks();
    void AnitaEvents();
    void MapCallbacks();
    void OctopusEvents();
    void PedroCallbacks();
    void StrangerEvents();
    void PoleCallback();
    void WitnessAccountCallback();
    void PierreEvents();
    void BasketAndMachineEvents();
    void PictureEvents();
    void StairsEvents();
    void RodEvents();
    void SignAndTrapdoorEvents();

    // The heroine walks to her place for one of the two people: beside both
    // during the Pedro quest, before the bar while he stands there, else the
    // other place with its facing.
    void ApproachStranger(uint32_t uDialog);
    void ApproachAnita(uint32_t uDialog);
    // Before the bar, turned to Anita wherever she stands.
    void ToAnitaAtTheBar();
};

MatchExpr InPedroQuest()
{
    return Both(IsTrue(VARBOOL_QUEST_C8_PEDRO01), IsFalse(VARBOOL_BG202_C08_PEDRO_AT_BAR));
}

void SceneScript_bg202::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg202_chapter_08"), InChapter(8));
    // Every other chapter of the story: asked chapter by chapter, the
    // condition would outgrow what one condition may hold.
    LinkSoundGroup(0x423f3938, InEveryChapterBut(8));
}

void SceneScript_bg202::BuildEnterActions()
{
    PlayMusic(INN_MUSIC);
    PlayAmbience(INN_AMBIENCE);
    SetSceneDirection(9);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    HideChapterObjects();

    _IfMatch(Both(InChapter(3), IsFalse(VARBOOL_BG202_C03_PICK_HAIRPIN)));
    SetInteractive(Object("modern_picture"), true);
    _EndMatch();

    // Chapters 3 to 7: the stranger sits in the shadows.
    _IfMatch(MatchExpression(
        Op_Or,
        MatchExpression(Op_Or, MatchExpression(Op_Or, MatchExpression(Op_Or, InChapter(3), InChapter(4)), InChapter(5)),
                        InChapter(6)),
        InChapter(7)));
    ShowObject(Object("i_ram_rod"), true);
    Place(STRANGER, WP_STRANGERS_SEAT);
    Play(STRANGER, "g_shadowsit_l");
    _EndMatch();

    _IfMatch(InChapter(8));
    EnterChapter8();
    _EndMatch();

    _IfMatch(InChapter(9));
    Play(STRANGER, "barstanding_l");
    Place(STRANGER, WP_STRANGER_AT_BAR);
    _EndMatch();

    SetUpFloor();
    PlaceHeroineAndBarmaid();

    _IfMatch(InChapter(3));
    EnterChapter3();
    _EndMatch();

    _IfMatch(CameFrom(BACK_FROM_SLOT_MACHINE));
    BackFromSlotMachine();
    _EndMatch();

    for (int32_t iBlocker = 0; iBlocker < BLOCKERS; ++iBlocker)
        PushAction21(HEROINE, iBlocker, 1);
}

void SceneScript_bg202::HideChapterObjects()
{
    ShowObject(Object("i_fishing_rod"), false);
    SetInteractive(Object("fishing_rod"), false);
    ShowObject(Object("i_ram_rod"), false);
    SetInteractive(Object("musket"), false);
    SetInteractive(Object("modern_picture"), false);
    ShowObject(PIERRE, false);
    SetInteractive(PIERRE, false);
}

void SceneScript_bg202::EnterChapter8()
{
    SetInteractive(Object("musket"), true);
    _IfBool(VARBOOL_BG202_C08_PICK_FISHING_ROD, 0);
    ShowObject(Object("i_fishing_rod"), true);
    SetInteractive(Object("fishing_rod"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG202_C08_PICK_RAM_ROD, 0);
    ShowObject(Object("i_ram_rod"), true);
    _EndMatch();

    // Pierre drinks at the bar between his notes and his consignment.
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C8_NOTES04_DONE), IsFalse(VARBOOL_QUEST_C8_CONSIGNMENT06_DONE)));
    ShowObject(PIERRE, true);
    SetInteractive(PIERRE, true);
    Place(PIERRE, WP_PIERRE);
    Play(PIERRE, "bardepressed_l");
    _EndMatch();

    _IfBool(VARBOOL_BG202_C08_PEDRO_AT_BAR, 1);
    Play(STRANGER, "barstanding_l");
    Place(STRANGER, WP_STRANGER_AT_BAR);
    _ElseMatch();
    Play(STRANGER, "sitwhittling_l");
    PushAddAttachment(STRANGER, AttachmentNamed("piece_of_wood"), BONE_LEFT_HAND);
    PushAddAttachment(STRANGER, AttachmentNamed("knife"), BONE_RIGHT_HAND);
    Place(STRANGER, WP_STRANGERS_SEAT);
    _EndMatch();
}

void SceneScript_bg202::SetUpFloor()
{
    _IfBool(VARBOOL_BG202_C03_EVENT_UPSTAIR, 1);
    const int32_t aBarRoom[] = {Object("basket"),
                                Object("goto_bg201"),
                                Object("modern_picture"),
                                Object("upstairs"),
                                ANITA,
                                STRANGER,
                                PIERRE,
                                Object("fishing_rod"),
                                Object("musket"),
                                Object("sign"),
                                Object("trapdoor")};
    for (const int32_t iTarget : aBarRoom)
        SetInteractive(iTarget, false);
    _ElseMatch();
    SetInteractive(Object("downstairs"), false);
    SetInteractive(Object("jackpot_machine"), false);
    _EndMatch();
}

void SceneScript_bg202::PlaceHeroineAndBarmaid()
{
    _IfBool(VARBOOL_BG202_C03_EVENT_UPSTAIR, 0);
    Place(HEROINE, WP_START);
    _IfMatch(InPedroQuest());
    Place(ANITA, WP_ANITA_BY_STRANGER);
    _ElseMatch();
    Place(ANITA, WP_ANITA_AT_BAR);
    Play(ANITA, "barworking01_l");
    _EndMatch();
    _IfMatch(CameFrom(DOCKS));
    Place(HEROINE, WP_DOOR);
    GoTo(HEROINE, WP_IN_FROM_DOCKS);
    _EndMatch();
    _ElseMatch();
    Place(HEROINE, WP_UPPER_FLOOR);
    _EndMatch();
}

void SceneScript_bg202::EnterChapter3()
{
    // Back from the close-up with the graveyard quest open: the map scene.
    _IfMatch(CameFrom(CLOSE_UP_PLACEHOLDER));
    _IfBool(VARBOOL_QUEST_C3_FIND_GRAVEYARD02, 1);
    Place(HEROINE, WP_BEFORE_BAR);
    PushAddAttachment(HEROINE, AttachmentNamed("unrolled_map"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap04_l");
    Play(ANITA, "g_idle_l");
    Dialog(MAP_DIALOG);
    SetBoolVar(VARBOOL_CR_MAP_BG203, true);
    _EndMatch();
    _EndMatch();

    // She answers the barmaid's call, so she faces her.
    _IfBool(VARBOOL_BG202_C03_EVENT_CLOSING_SOON, 0);
    TurnToward(HEROINE, ANITA);
    Dialog(0xb9664fad);
    _EndMatch();
}

void SceneScript_bg202::BackFromSlotMachine()
{
    Place(ANITA, WP_ANITA_AT_BAR);
    Play(ANITA, "barworking01_l");
    _IfBool(VARBOOL_BG202_C03_EVENT_UPSTAIR, 1);
    Place(HEROINE, WP_JACKPOT_MACHINE);
    _EndMatch();

    // One outcome each: the tests follow one another as an if / else chain.
    _IfBool(VARBOOL_C_WIN_MINIGAME, 1);
    SetBoolVar(VARBOOL_C_WIN_MINIGAME, false);
    _IfInt(VARINT_CRACKPOT_RESULT, Op_IntEqual, 2);
    _IfBool(VARBOOL_WIN_MINIGAME_03, 0);
    Play(HEROINE, "getbottleprize");
    Play(HEROINE, "g_idle_l");
    Give(HEROINE, ItemNamed("ITEM_STRONG_ALCOHOL_BOTTLE"));
    SetBoolVar(VARBOOL_WIN_MINIGAME_03, true);
    Dialog(0x76ee55fd);
    _ElseMatch();
    Dialog(0xd1ee1d45);
    _EndMatch();
    _ElseMatch();
    _IfInt(VARINT_CRACKPOT_RESULT, Op_IntEqual, 1);
    Play(HEROINE, "getbottleprize");
    Play(HEROINE, "g_idle_l");
    AddToQueue(HEROINE, ID_ACTION_TYPE_ADD_ITEM, Param::Item(ItemNamed("ITEM_DOUBLOON")), Param::Int(3));
    Dialog(0x5f7e0cf9);
    _ElseMatch();
    _IfInt(VARINT_CRACKPOT_RESULT, Op_IntEqual, 0);
    Dialog(0xf1f455bb);
    _ElseMatch();
    _IfInt(VARINT_CRACKPOT_RESULT, Op_IntEqual, 3);
    Dialog(0xb6b85202);
    _ElseMatch();
    Dialog(0xb1477d58);
    _EndMatch();
    _EndMatch();
    _EndMatch();
    _EndMatch();
    _ElseMatch();
    Dialog(0xb1477d58);
    _EndMatch();
}

void SceneScript_bg202::BuildExitEvents()
{
    // Activate "goto_bg201": out to the docks, but not with the musket's ram
    // rod. Leaving during the Pedro quest brings the stranger to the bar.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg201")));
    WalkTo(HEROINE, WP_LEAVING);
    _IfBool(VARBOOL_QUEST_C8_PEDRO01, 1);
    SetBoolVar(VARBOOL_BG202_C08_PEDRO_AT_BAR, true);
    _EndMatch();
    _IfBool(VARBOOL_BG202_C08_PICK_RAM_ROD, 1);
    Dialog(0xf4c474b8);
    _ElseMatch();
    GoToScene(DOCKS);
    GoTo(HEROINE, WP_OUTSIDE);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg202::BuildEvents()
{
    GestureCallbacks();
    SpeakerCallbacks();
    AnitaEvents();
    MapCallbacks();
    OctopusEvents();
    PedroCallbacks();
    StrangerEvents();
    PoleCallback();
    WitnessAccountCallback();
    PierreEvents();
    BasketAndMachineEvents();
    PictureEvents();
    StairsEvents();
    RodEvents();
    SignAndTrapdoorEvents();
}

void SceneScript_bg202::GestureCallbacks()
{
    constexpr AnimationCallback CALLBACKS[] = {
        {0xc7f3f060, HEROINE, 0, AnimationOf<"tavrine">("g_talk_l").m_iId},
        {0x22a8abc2, HEROINE, 0, AnimationOf<"tavrine">("g_idle_l").m_iId},
        {0x76794709, HEROINE, 0, AnimationOf<"tavrine">("g_talkfurious_l").m_iId},
        {0x071cd48c, HEROINE, AnimationOf<"tavrine">("g_dlghandwave").m_iId, AnimationOf<"tavrine">("g_talk_l").m_iId},
        {0x96ecddc8, HEROINE, AnimationOf<"tavrine">("g_dlgthinking").m_iId, AnimationOf<"tavrine">("g_talk_l").m_iId},
        {0x1ad758e8, HEROINE, AnimationOf<"tavrine">("g_dlgpolite").m_iId, AnimationOf<"tavrine">("g_talk_l").m_iId},
        {0x993bbe31, HEROINE, AnimationOf<"tavrine">("g_helpless").m_iId, AnimationOf<"tavrine">("g_idle_l").m_iId},
        {0xb9bd54ff, HEROINE, AnimationOf<"tavrine">("g_scratchhead").m_iId, AnimationOf<"tavrine">("g_idle_l").m_iId},
        {0x7dbb6784, HEROINE, AnimationOf<"tavrine">("g_lookingaround").m_iId,
         AnimationOf<"tavrine">("g_idle_l").m_iId},
        {0xe6921b07, HEROINE, AnimationOf<"tavrine">("g_clapshands").m_iId, AnimationOf<"tavrine">("g_idle_l").m_iId},
    };
    for (const AnimationCallback& oCallback : CALLBACKS) {
        _IfEvent(OnCallback(oCallback.uCallback));
        if (oCallback.iFirst != 0)
            PushAnimAction11(oCallback.uActor, oCallback.iFirst, 0);
        PushAnimAction11(oCallback.uActor, oCallback.iLoop, 1);
        _EndMatch();
    }
}

void SceneScript_bg202::SpeakerCallbacks()
{
    // The stranger talks and falls silent where he is: at the bar, whittling
    // at his seat in chapter 8, or in the shadows.
    _IfEvent(OnCallback(0x6bea22ee));
    _IfBool(VARBOOL_BG202_C08_PEDRO_AT_BAR, 1);
    Play(STRANGER, "bartalk_l");
    _ElseMatch();
    _IfMatch(InChapter(8));
    Play(STRANGER, "sittalkwhittling_l");
    _ElseMatch();
    Play(STRANGER, "g_shadowsittalk_l");
    _EndMatch();
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0xe543cd4f));
    _IfBool(VARBOOL_BG202_C08_PEDRO_AT_BAR, 1);
    Play(STRANGER, "barstanding_l");
    _ElseMatch();
    _IfMatch(InChapter(8));
    Play(STRANGER, "sitwhittling_l");
    _ElseMatch();
    Play(STRANGER, "g_shadowsit_l");
    _EndMatch();
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0x3267dac6));
    PushAnimAction13(ANITA, "g_talk_l", 1);
    _EndMatch();

    // Anita falls silent: idle during the Pedro quest, else back to her work
    // behind the bar, one loop and then the other.
    _IfEvent(OnCallback(0xde161a63));
    _IfMatch(InPedroQuest());
    Play(ANITA, "g_idle_l");
    _ElseMatch();
    _IfBool(VARBOOL_BG202_C03_ANITA_BARWORKING, 1);
    Play(ANITA, "barworking01_l");
    SetBoolVar(VARBOOL_BG202_C03_ANITA_BARWORKING, false);
    _ElseMatch();
    Play(ANITA, "barworking02_l");
    SetBoolVar(VARBOOL_BG202_C03_ANITA_BARWORKING, true);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg202::ApproachAnita(uint32_t uDialog)
{
    _IfMatch(InPedroQuest());
    WalkTo(HEROINE, WP_BY_ANITA_AND_STRANGER);
    TurnToward(HEROINE, ANITA);
    _ElseMatch();
    ToAnitaAtTheBar();
    _EndMatch();
    Dialog(uDialog);
}

void SceneScript_bg202::ToAnitaAtTheBar()
{
    WalkTo(HEROINE, WP_BEFORE_BAR);
    TurnToward(HEROINE, ANITA);
}

void SceneScript_bg202::AnitaEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(ANITA));
    ApproachAnita(0xd85db392);
    _EndMatch();

    // Talk "anita": during the Pedro quest the talk starts while the heroine
    // is still on her way.
    _IfEvent(ScriptEvent_FlaggedId2(ANITA));
    _IfMatch(InPedroQuest());
    Together();
    WalkTo(HEROINE, WP_BY_ANITA_AND_STRANGER);
    TurnToward(HEROINE, ANITA);
    Apart();
    _ElseMatch();
    ToAnitaAtTheBar();
    _EndMatch();
    Dialog(0xaa69aeff);
    _EndMatch();

    // The crab-island map, shown once; a second showing matches and does
    // nothing.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ANITA, ItemNamed("ITEM_CRAB_ISLAND_MAP")));
    _IfBool(VARBOOL_CR_MAP_BG203, 0);
    ToAnitaAtTheBar();
    Dialog(MAP_DIALOG);
    SetBoolVar(VARBOOL_CR_MAP_BG203, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg202::MapCallbacks()
{
    // The map is unrolled and held up...
    _IfEvent(OnCallback(0xf3686b72));
    Play(HEROINE, "g_showmap01");
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_map"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap02");
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_map"));
    PushAddAttachment(HEROINE, AttachmentNamed("unrolled_map"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap03");
    Play(HEROINE, "g_showmap05_l");
    _EndMatch();

    PlayGesture(OnCallback(0x6a613ac8), HEROINE, "g_showmap04_l");
    PlayGesture(OnCallback(0x1d660a5e), HEROINE, "g_showmap05_l");

    // ...and rolled up and put away.
    _IfEvent(OnCallback(0x83029ffd));
    PushRemoveAttachment(HEROINE, AttachmentNamed("unrolled_map"));
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_map"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_showmap06");
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_map"));
    Play(HEROINE, "g_showmap07");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg202::OctopusEvents()
{
    // The octopus becomes an ink sac once Anita has spoken of it; before
    // that the event matches and nothing happens.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ANITA, ItemNamed("ITEM_OCTOPUS")));
    _IfBool(VARBOOL_BG202_C08_TALK_ANITA_OCTOPUS, 1);
    ToAnitaAtTheBar();
    Dialog(0x83719d18);
    Take(HEROINE, ItemNamed("ITEM_OCTOPUS"));
    Give(HEROINE, ItemNamed("ITEM_INK_SAC"));
    SetBoolVar(VARBOOL_BG202_C08_HAVE_INK_SAC, true);
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0x74907c07));
    Together();
    Play(HEROINE, "inkoctopuss01");
    PushAction58(ANITA, static_cast<int32_t>(INK_SOUND), 2508, SOUND_FULL_VOLUME);
    Play(ANITA, "inkoctopuss01");
    Play(ANITA, "g_talk_l");
    Play(HEROINE, "g_talk_l");
    Apart();
    _EndMatch();

    // Sent by a dialog that needs nothing done here.
    _IfEvent(OnCallback(0x141519cb));
    _EndMatch();
}

void SceneScript_bg202::PedroCallbacks()
{
    // Anita leaves the bar and stops the stranger whittling.
    _IfEvent(OnCallback(0x22c2217c));
    Play(HEROINE, "g_idle_l");
    Wait(HEROINE, 1000);
    Play(HEROINE, "g_impatience");
    Play(HEROINE, "g_idle_l");
    Play(ANITA, "g_idle_l");
    Together();
    GoTo(ANITA, WP_ANITA_ON_HER_WAY);
    PushAnimAction(ANITA, "prouhead", 0, 1);
    Play(ANITA, "g_walk_l");
    GoTo(ANITA, WP_ANITA_BY_STRANGER);
    Wait(HEROINE, 6000);
    GoTo(HEROINE, WP_BY_ANITA_AND_STRANGER);
    Wait(STRANGER, 11200);
    Play(STRANGER, "stopanita01");
    PushRemoveAttachment(STRANGER, AttachmentNamed("piece_of_wood"));
    PushRemoveAttachment(STRANGER, AttachmentNamed("knife"));
    Play(STRANGER, "stopanita02");
    Play(ANITA, "stopanita01");
    Play(ANITA, "g_idle_l");
    Play(STRANGER, "stopanita04_l");
    Apart();
    _EndMatch();

    PlayGesture(OnCallback(0xbbcb70c6), STRANGER, "stopanita03_l");

    // They make it up: a hug, and he goes back to his whittling.
    _IfEvent(OnCallback(0xa89b2367));
    Together();
    PushAction58(ANITA, static_cast<int32_t>(HUG_SOUND), 462, SOUND_FULL_VOLUME);
    Play(ANITA, "hugstranger01");
    Play(STRANGER, "hugstranger01");
    Play(ANITA, "g_idle_l");
    PushAddAttachment(STRANGER, AttachmentNamed("piece_of_wood"), BONE_LEFT_HAND);
    PushAddAttachment(STRANGER, AttachmentNamed("knife"), BONE_RIGHT_HAND);
    Play(STRANGER, "hugstranger02");
    Play(STRANGER, "sittalkwhittling_l");
    Apart();
    _EndMatch();

    // The witness account, shown to Anita.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ANITA, ItemNamed("ITEM_WITNESS_ACCOUNT")));
    ToAnitaAtTheBar();
    Dialog(0x5d43d297);
    _EndMatch();
}

void SceneScript_bg202::ApproachStranger(uint32_t uDialog)
{
    // Where he stands at the bar (once Pedro is there, and all chapter 9)
    // she talks to him from before it, turned to him.
    _IfMatch(MatchExpression(Op_Or, InChapter(9),
                             Both(IsTrue(VARBOOL_QUEST_C8_PEDRO01), IsTrue(VARBOOL_BG202_C08_PEDRO_AT_BAR))));
    WalkTo(HEROINE, WP_BEFORE_BAR);
    TurnToward(HEROINE, STRANGER);
    _ElseMatch();
    _IfBool(VARBOOL_QUEST_C8_PEDRO01, 1);
    WalkTo(HEROINE, WP_BY_ANITA_AND_STRANGER);
    TurnToward(HEROINE, STRANGER);
    _ElseMatch();
    GoTo(HEROINE, WP_BY_STRANGER);
    _EndMatch();
    _EndMatch();
    Dialog(uDialog);
}

void SceneScript_bg202::StrangerEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(STRANGER));
    ApproachStranger(0xc2187a91);
    _EndMatch();

    _IfEvent(ScriptEvent_FlaggedId2(STRANGER));
    ApproachStranger(0x5ccfba39);
    _EndMatch();

    // The wooden pole, whittled while the pole quest is on; else the event
    // matches and nothing happens.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(STRANGER, ItemNamed("ITEM_WOODEN_POLE")));
    _IfBool(VARBOOL_QUEST_C8_POLE01, 1);
    ApproachStranger(0x955a40d5);
    Take(HEROINE, ItemNamed("ITEM_WOODEN_POLE"));
    Give(HEROINE, ItemNamed("ITEM_WHITTLED_POLE"));
    SetBoolVar(VARBOOL_BG202_C08_HAVE_WHITTLED_POLE, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg202::PoleCallback()
{
    // The pole changes hands, is whittled and handed back.
    _IfEvent(OnCallback(0xa55a4108));
    Together();
    Play(HEROINE, "g_givedocument01");
    PushAddAttachment(HEROINE, AttachmentNamed("wooden_pole_tavrine"), BONE_RIGHT_HAND);
    Play(STRANGER, "whittlepole01");
    PushRemoveAttachment(STRANGER, AttachmentNamed("piece_of_wood"));
    PushRemoveAttachment(STRANGER, AttachmentNamed("knife"));
    PushAddAttachment(STRANGER, AttachmentNamed("knife"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_givedocument02");
    Play(STRANGER, "whittlepole02");
    PushRemoveAttachment(HEROINE, AttachmentNamed("wooden_pole_tavrine"));
    PushAddAttachment(STRANGER, AttachmentNamed("wooden_pole_stranger"), BONE_LEFT_HAND);
    Play(HEROINE, "g_givedocument03");
    Play(HEROINE, "g_idle_l");
    PushAction58(STRANGER, static_cast<int32_t>(WHITTLE_SOUND), 858, SOUND_FULL_VOLUME);
    Play(STRANGER, "whittlepole03");
    Apart();
    GoTo(HEROINE, WP_BY_STRANGER);
    Together();
    Play(STRANGER, "whittlepole04");
    PushRemoveAttachment(STRANGER, AttachmentNamed("wooden_pole_stranger"));
    Play(HEROINE, "g_getdocument01");
    PushAddAttachment(HEROINE, AttachmentNamed("whittled_pole_tavrine"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_getdocument02");
    Play(STRANGER, "whittlepole05");
    PushAddAttachment(STRANGER, AttachmentNamed("piece_of_wood"), BONE_LEFT_HAND);
    PushRemoveAttachment(HEROINE, AttachmentNamed("whittled_pole_tavrine"));
    Play(HEROINE, "g_getdocument03");
    Play(STRANGER, "whittlepole06");
    Play(HEROINE, "g_idle_l");
    Play(STRANGER, "sitwhittling_l");
    Apart();
    _EndMatch();

    _IfEvent(ScriptEvent_ItemOnFlaggedId3(STRANGER, ItemNamed("ITEM_WITNESS_ACCOUNT")));
    WalkTo(HEROINE, WP_BEFORE_BAR);
    TurnToward(HEROINE, STRANGER);
    Dialog(0x5d43d297);
    _EndMatch();
}

void SceneScript_bg202::WitnessAccountCallback()
{
    // The account goes to Anita behind the bar.
    _IfEvent(OnCallback(0xc1b957b5));
    Together();
    GoTo(HEROINE, WP_BEFORE_BAR);
    GoTo(ANITA, WP_ANITA_AT_BAR);
    Play(ANITA, "receive");
    Play(ANITA, "g_talk_l");
    Play(HEROINE, "g_giveobject");
    Play(HEROINE, "g_talk_l");
    Take(HEROINE, ItemNamed("ITEM_WITNESS_ACCOUNT"));
    Apart();
    _EndMatch();
}

void SceneScript_bg202::PierreEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(PIERRE), HEROINE, WP_BY_PIERRE, 0x5fa2bc2d);

    // Talk "pierre_l": once his consignment is done he walks out, for good.
    _IfEvent(ScriptEvent_FlaggedId2(PIERRE));
    GoTo(HEROINE, WP_BY_PIERRE);
    Dialog(0x0ff6d3af);
    _IfBool(VARBOOL_QUEST_C8_CONSIGNMENT06_DONE, 1);
    Play(PIERRE, "idle_l");
    WalkTo(PIERRE, WP_TRAPDOOR);
    WalkTo(PIERRE, WP_LEAVING);
    WalkTo(PIERRE, WP_DOOR);
    ShowObject(PIERRE, false);
    SetInteractive(PIERRE, false);
    _EndMatch();
    _EndMatch();

    PlayGesture(OnCallback(0x4e57a562), PIERRE, "bardepressedtalk_l");
    PlayGesture(OnCallback(0x6431fedd), PIERRE, "bardepressed_l");

    // He gets up from the bar and the two face each other.
    _IfEvent(OnCallback(0xd2ae9ab6));
    PushAnimAction(PIERRE, "standup", 0, 1);
    Play(PIERRE, "idle_l");
    TurnToward(HEROINE, PIERRE);
    TurnToward(PIERRE, HEROINE);
    _EndMatch();

    PlayGesture(OnCallback(0x4f33b9ad), PIERRE, "talk_l");
}

void SceneScript_bg202::BasketAndMachineEvents()
{
    LookAndActivate(Object("basket"), HEROINE, WP_BASKET, 0xe8aba676, 0xbbf474a7);

    // The match box, out of the basket.
    _IfEvent(OnCallback(0xf7b9f1c6));
    Play(HEROINE, "g_pickobjectmiddle01");
    Give(HEROINE, ItemNamed("ITEM_MATCH_BOX"));
    Play(HEROINE, "g_pickobjectmiddle02");
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    LookAndActivate(Object("jackpot_machine"), HEROINE, WP_JACKPOT_MACHINE, 0xd9dc29ba, 0xc11feea6);

    // A doubloon in the slot: the coin is gone before she reaches the
    // machine, and the game starts once she has put it in.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("jackpot_machine"), ItemNamed("ITEM_DOUBLOON")));
    Take(HEROINE, ItemNamed("ITEM_DOUBLOON"));
    GoTo(HEROINE, WP_JACKPOT_MACHINE);
    Play(HEROINE, "g_leaveobjectmiddle01");
    EffectSound(COIN_SOUND);
    Play(HEROINE, "g_leaveobjectmiddle02");
    Play(HEROINE, "g_idle_l");
    StartMiniGame(SLOT_MACHINE);
    _EndMatch();
}

void SceneScript_bg202::PictureEvents()
{
    LookAndActivate(Object("modern_picture"), HEROINE, WP_MODERN_PICTURE, 0x02f586d3, 0x7675ed04);

    // The alcohol poured over the picture bares the hairpin behind it.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("modern_picture"), ItemNamed("ITEM_STRONG_ALCOHOL_BOTTLE")));
    GoTo(HEROINE, WP_MODERN_PICTURE);
    Play(HEROINE, "fillmapcaselamp01");
    PushAddAttachment(HEROINE, AttachmentNamed("bottle"), BONE_RIGHT_HAND);
    Play(HEROINE, "fillmapcaselamp02");
    PushRemoveAttachment(HEROINE, AttachmentNamed("bottle"));
    Play(HEROINE, "fillmapcaselamp03");
    Play(HEROINE, "g_idle_l");
    Dialog(0x7a36cc69);
    SetBoolVar(VARBOOL_BG202_C03_USE_ALCOHOL_ON_MODERN_PICTURE, true);
    Dialog(0xfe0bc33f);
    SetBoolVar(VARBOOL_BG202_C03_PICK_HAIRPIN, true);
    SetInteractive(Object("modern_picture"), false);
    _EndMatch();

    _IfEvent(OnCallback(0x9612a783));
    Play(HEROINE, "g_pickobjectlow01");
    Give(HEROINE, ItemNamed("ITEM_HAIRPIN"));
    Play(HEROINE, "g_pickobjectlow02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG202_C03_USE_ALCOHOL_ON_HAIRPIN, true);
    _EndMatch();

    _IfEvent(OnCallback(0x0f1bf639));
    Take(HEROINE, ItemNamed("ITEM_STRONG_ALCOHOL_BOTTLE"));
    Give(HEROINE, ItemNamed("ITEM_NEAR_EMPTY_BOTTLE"));
    _EndMatch();
}

void SceneScript_bg202::StairsEvents()
{
    // Activate "upstairs": up the stairs, where only the machine and the way
    // down answer.
    _IfMatch(MatchExpr::MakeEvent0(Object("upstairs")));
    for (const int32_t iBlocker : STAIRS_BLOCKERS)
        PushAction21(HEROINE, iBlocker, 0);
    WalkTo(HEROINE, WP_FOOT_OF_STAIRS);
    Place(HEROINE, WP_HEAD_OF_STAIRS);
    WalkTo(HEROINE, WP_UPPER_FLOOR);
    SetInteractive(Object("upstairs"), false);
    SetInteractive(Object("downstairs"), true);
    SetInteractive(Object("jackpot_machine"), true);
    SetInteractive(ANITA, false);
    SetInteractive(STRANGER, false);
    SetInteractive(PIERRE, false);
    for (const int32_t iObject : {Object("basket"), Object("modern_picture"), Object("goto_bg201"),
                                  Object("fishing_rod"), Object("musket"), Object("sign"), Object("trapdoor")})
        SetInteractive(iObject, false);
    SetBoolVar(VARBOOL_BG202_C03_EVENT_UPSTAIR, true);
    for (const int32_t iBlocker : STAIRS_BLOCKERS)
        PushAction21(HEROINE, iBlocker, 1);
    _EndMatch();

    // Activate "downstairs": back to the bar room and what the chapter has
    // there.
    _IfMatch(MatchExpr::MakeEvent0(Object("downstairs")));
    for (const int32_t iBlocker : STAIRS_BLOCKERS)
        PushAction21(HEROINE, iBlocker, 0);
    WalkTo(HEROINE, WP_HEAD_OF_STAIRS);
    Place(HEROINE, WP_FOOT_OF_STAIRS);
    WalkTo(HEROINE, WP_BAR_ROOM);
    SetInteractive(Object("upstairs"), true);
    SetInteractive(Object("downstairs"), false);
    SetInteractive(Object("jackpot_machine"), false);
    SetInteractive(ANITA, true);
    SetInteractive(STRANGER, true);
    for (const int32_t iObject : {Object("basket"), Object("sign"), Object("trapdoor"), Object("goto_bg201")})
        SetInteractive(iObject, true);
    _IfMatch(Both(InChapter(3), IsFalse(VARBOOL_BG202_C03_PICK_HAIRPIN)));
    SetInteractive(Object("modern_picture"), true);
    _EndMatch();
    _IfMatch(InChapter(8));
    SetInteractive(Object("musket"), true);
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C8_JUSTICE03_DONE), IsFalse(VARBOOL_QUEST_C8_CONSIGNMENT06_DONE)));
    SetInteractive(PIERRE, true);
    _EndMatch();
    _IfBool(VARBOOL_BG202_C08_PICK_FISHING_ROD, 0);
    SetInteractive(Object("fishing_rod"), true);
    _EndMatch();
    _EndMatch();
    SetBoolVar(VARBOOL_BG202_C03_EVENT_UPSTAIR, false);
    for (const int32_t iBlocker : STAIRS_BLOCKERS)
        PushAction21(HEROINE, iBlocker, 1);
    _EndMatch();
}

void SceneScript_bg202::RodEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("fishing_rod")), HEROINE, WP_FISHING_ROD, 0xc383a7e2);

    // Activate "fishing_rod": taken only once Anita has spoken of it.
    _IfMatch(MatchExpr::MakeEvent0(Object("fishing_rod")));
    GoTo(HEROINE, WP_FISHING_ROD);
    _IfBool(VARBOOL_BG202_C08_TALK_ANITA_ABOUT_FISHING_ROD, 0);
    Dialog(0x0d3de703);
    SetBoolVar(VARBOOL_BG202_C08_INT_FISHING_ROD, true);
    _ElseMatch();
    Give(HEROINE, ItemNamed("ITEM_FISHING_ROD"));
    Play(HEROINE, "g_pickobjectmiddle01");
    ShowObject(Object("i_fishing_rod"), false);
    Play(HEROINE, "g_pickobjectmiddle02");
    Play(HEROINE, "g_idle_l");
    SetInteractive(Object("fishing_rod"), false);
    SetBoolVar(VARBOOL_BG202_C08_PICK_FISHING_ROD, true);
    _EndMatch();
    _EndMatch();

    WalkAndTalk(ScriptEvent_Object1(Object("musket")), HEROINE, WP_MUSKET, 0x8c9d25e1);

    // Activate "musket": the ram rod, once Anita has spoken of the musket and
    // while it is in its place.
    _IfMatch(MatchExpr::MakeEvent0(Object("musket")));
    GoTo(HEROINE, WP_MUSKET);
    _IfBool(VARBOOL_BG202_C08_TALK_ANITA_ABOUT_MUSKET, 0);
    Dialog(0xdfc2f730);
    SetBoolVar(VARBOOL_BG202_C08_INT_MUSKET, true);
    _ElseMatch();
    _IfBool(VARBOOL_BG202_C08_PICK_RAM_ROD, 0);
    Give(HEROINE, ItemNamed("ITEM_RAM_ROD"));
    SetBoolVar(VARBOOL_BG202_C08_PICK_RAM_ROD, true);
    Play(HEROINE, "g_pickobjectlow01");
    ShowObject(Object("i_ram_rod"), false);
    Play(HEROINE, "g_pickobjectlow02");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
    _EndMatch();
    _EndMatch();

    // The ram rod goes back into the musket.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("musket"), ItemNamed("ITEM_RAM_ROD")));
    GoTo(HEROINE, WP_MUSKET);
    Take(HEROINE, ItemNamed("ITEM_RAM_ROD"));
    Play(HEROINE, "g_leaveobjectlow01");
    ShowObject(Object("i_ram_rod"), true);
    Play(HEROINE, "g_leaveobjectlow02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG202_C08_PICK_RAM_ROD, false);
    _EndMatch();
}

void SceneScript_bg202::SignAndTrapdoorEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("sign")));
    GoTo(HEROINE, WP_SIGN);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0xc34c65aa);
    _EndMatch();
    WalkAndTalk(MatchExpr::MakeEvent0(Object("sign")), HEROINE, WP_SIGN, 0xe15fb16b);

    LookAndActivate(Object("trapdoor"), HEROINE, WP_TRAPDOOR, 0xe88ed1e3, 0x1870c51a);
}

} // namespace

// Scene 23, bg202_CR_BuckleberryInn.
REGISTER_SCENE_SCRIPT(bg202, 23);
