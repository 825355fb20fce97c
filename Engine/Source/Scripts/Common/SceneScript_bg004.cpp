// Alessandro's cabin at night (scene 8, bg004_WM_AlessandrosCabin_N), the
// same cabin as scene 7 in the chapters that need it after dark. Chapter 4:
// the news of Eduardo, with the half stone disk, the small key and the map
// taken from the desk and the course set for Hollow Island; the doubloons of
// the debt change hands here as by day. Chapter 8: an introduction, uncle
// Eduardo back on his globe once the turtle rod has been used on him, his
// coordinates, and the talk with him that ends the visit; pen and paper may
// be taken, and the writing kit goes to Alessandro.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg004_8>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"alessandro_c"> ALESSANDRO;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"uncle_eduardo"> UNCLE;

// Walk-mesh blockers: the doorway, and the strip before the globe.
constexpr int32_t DOOR_BLOCKER = 0;
constexpr int32_t GLOBE_BLOCKER = 1;

// Waypoints: where the people stand in each chapter, the way in and out, and
// the heroine's places by the things of the cabin.
constexpr int32_t WP_ALESSANDRO = 0;
constexpr int32_t WP_DIEGO = 1;
constexpr int32_t WP_BY_ALESSANDRO = 2;
constexpr int32_t WP_BRISCOE = 3;
constexpr int32_t WP_OUTSIDE = 4;
constexpr int32_t WP_INSIDE_DOOR = 5;
constexpr int32_t WP_IN = 6;
constexpr int32_t WP_DESK = 8;
constexpr int32_t WP_BY_ALESSANDRO_LATE = 9;
constexpr int32_t WP_ALESSANDRO_LATE = 10;
constexpr int32_t WP_BRISCOE_LATE = 11;
constexpr int32_t WP_WRITING_KIT = 13;
constexpr int32_t WP_GLOBE = 14;
constexpr int32_t WP_BEFORE_DOOR = 15;
constexpr int32_t WP_PEN_AND_PAPER = 20;
constexpr int32_t WP_SHRINE = 21;
constexpr int32_t WP_BY_UNCLE = 22;
constexpr int32_t WP_BED = 25;
constexpr int32_t WP_SNAKE = 26;
constexpr int32_t WP_PUPPET = 27;

// The disk, the key and the map of the news of Eduardo, on the desk.
constexpr int32_t DESK_FINDS[] = {Object("m_disk"), Object("m_key"), Object("m_mappb")};

constexpr int32_t CORRIDOR = 6;       // bg002_WM_Corridor
constexpr int32_t LOADING_SCENE = 61; // bg993_Loading_placeholder

// Sounds: the cabin's night ambience, and the uncle's coordinates.
constexpr uint32_t NIGHT_AMBIENCE = 0x59b83b5c;
constexpr uint32_t COORDINATES_SOUND = 0x64572729;

// A dialog callback on which a character plays a short animation (none: 0)
// and then a looping one.
struct AnimationCallback {
    uint32_t uCallback;
    uint32_t uActor;
    int32_t iFirst;
    int32_t iLoop;
};

class SceneScript_bg004 final : public SceneScript {
protected:
    void LinkSoundGroups() override;
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void PlaceByChapter();
    void NewsOfEduardo();
    void EnterChapter8();

    void AnimationCallbacks();
    void UncleCallbacks();
    void AlessandroEvents();
    void DebtCallbacks();
    void BriscoeEvents();
    void UncleEvents();
    void PenAndPaperEvents();
    void RoomEvents();

    void TalkToBriscoe(const EventDesc& oEvent, uint32_t uDialog);
};

void SceneScript_bg004::LinkSoundGroups()
{
    LinkSoundGroup(0x6612f096, InChapter(8));
    // Every other chapter of the story: asked chapter by chapter, the
    // condition would outgrow what one condition may hold.
    LinkSoundGroup(0x00a5e082, InEveryChapterBut(8));
}

void SceneScript_bg004::BuildEnterActions()
{
    PlayAmbience(NIGHT_AMBIENCE);
    SetSceneDirection(4);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    PushAction21(HEROINE, DOOR_BLOCKER, 1);
    PushAction21(HEROINE, GLOBE_BLOCKER, 1);
    for (const int32_t iActor :
         {static_cast<int32_t>(DIEGO), static_cast<int32_t>(BRISCOE), static_cast<int32_t>(UNCLE)}) {
        ShowObject(iActor, false);
        SetInteractive(iActor, false);
    }
    SetInteractive(Object("uncle_eduardo"), false);
    for (const int32_t iPicture : {Object("m_disk"), Object("m_key"), Object("m_mappb"), Object("m_door")})
        ShowObject(iPicture, false);
    SetInteractive(Object("pen_and_paper"), false);

    PlaceByChapter();

    // Taken from the desk: the paper is gone, and the ink bottle too until
    // the writing kit has gone to Alessandro.
    _IfBool(VARBOOL_BG004_C08_PICK_PEN_AND_PAPER, 1);
    ShowObject(Object("i_paper"), false);
    _IfBool(VARBOOL_BG004_C08_GIVE_WRITING_KIT, 0);
    ShowObject(Object("i_ink_bottle"), false);
    _EndMatch();
    _EndMatch();

    Place(DIEGO, WP_DIEGO);

    // In from the corridor: the heroine steps in through the door.
    _IfMatch(CameFrom(CORRIDOR));
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    ShowObject(Object("m_door"), true);
    Place(HEROINE, WP_INSIDE_DOOR);
    GoTo(HEROINE, WP_IN);
    PushAction21(HEROINE, DOOR_BLOCKER, 1);
    _EndMatch();

    _IfMatch(InChapter(4));
    _IfBool(VARBOOL_BG003_C04_EVENT_NEWS_EDUARDO, 0);
    NewsOfEduardo();
    _EndMatch();
    _EndMatch();

    _IfMatch(InChapter(8));
    EnterChapter8();
    _EndMatch();
}

void SceneScript_bg004::PlaceByChapter()
{
    _IfMatch(Both(InChapter(4), IsFalse(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG)));
    ShowObject(BRISCOE, true);
    SetInteractive(BRISCOE, true);
    Place(BRISCOE, WP_BRISCOE);
    _EndMatch();

    _IfMatch(MatchExpression(Op_Or, MatchExpression(Op_Or, InChapter(3), InChapter(4)),
                             MatchExpression(Op_Or, InChapter(7), InChapter(9))));
    Place(ALESSANDRO, WP_ALESSANDRO);
    Place(HEROINE, WP_IN);
    _EndMatch();

    _IfMatch(MatchExpression(Op_Or, InChapter(5), InChapter(6)));
    Place(ALESSANDRO, WP_ALESSANDRO_LATE);
    Place(HEROINE, WP_IN);
    _EndMatch();

    _IfMatch(InChapter(8));
    Place(BRISCOE, WP_BRISCOE_LATE);
    Place(UNCLE, WP_GLOBE);
    ShowObject(BRISCOE, true);
    SetInteractive(BRISCOE, true);
    Place(ALESSANDRO, WP_ALESSANDRO_LATE);
    _IfBool(VARBOOL_BG004_C08_EVENT_BACK_WITH_UNCLE_EDUARDO, 1);
    ShowObject(UNCLE, true);
    SetInteractive(UNCLE, true);
    AddToQueue(UNCLE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    PushAnimAction(UNCLE, "onglobeidle_l", 1, 0);
    _EndMatch();
    _IfMatch(Both(IsFalse(VARBOOL_BG004_C08_PICK_PEN_AND_PAPER), IsTrue(VARBOOL_QUEST_C8_PEN_PAPER01)));
    SetInteractive(Object("pen_and_paper"), true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg004::NewsOfEduardo()
{
    for (const int32_t iPicture : DESK_FINDS)
        ShowObject(iPicture, true);
    ShowObject(BRISCOE, true);
    SetInteractive(BRISCOE, true);
    Play(BRISCOE, "impatient_idle_l");
    Place(HEROINE, WP_BY_ALESSANDRO);
    TurnToward(HEROINE, ALESSANDRO, 0);
    TurnToward(ALESSANDRO, HEROINE, 0);
    Dialog(0x7a305145);
    GoTo(HEROINE, WP_DESK);
    Play(HEROINE, "g_pickobjectmiddle01");
    for (const uint32_t uItem :
         {ItemNamed("ITEM_HALF_STONE_DISK01"), ItemNamed("ITEM_SMALL_KEY"), ItemNamed("ITEM_MAP_B")})
        Give(HEROINE, uItem);
    for (const int32_t iPicture : DESK_FINDS)
        ShowObject(iPicture, false);
    Play(HEROINE, "g_pickobjectmiddle02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG003_C04_EVENT_NEWS_EDUARDO, true);
    Dialog(0xb8f3cfe3);
    SetBoolVar(VARBOOL_QUEST_C4_SAIL_HOLLOW_ISLAND, true);
    SetBoolVar(VARBOOL_BG003_C04_EVENT_SAIL_HOLLOW_ISLAND, true);
}

void SceneScript_bg004::EnterChapter8()
{
    _IfBool(VARBOOL_BG004_C08_EVENT_INTRO, 0);
    Place(HEROINE, WP_BY_ALESSANDRO_LATE);
    Dialog(0xf71a5d11);
    SetBoolVar(VARBOOL_BG004_C08_EVENT_INTRO, true);
    _EndMatch();

    // The turtle rod has brought the uncle back: he comes down onto his
    // globe while the heroine stands in the doorway.
    _IfMatch(Both(IsTrue(VARBOOL_BG206_C08_USE_TURTLEROD_ON_EDUARDO),
                  IsFalse(VARBOOL_BG004_C08_EVENT_BACK_WITH_UNCLE_EDUARDO)));
    Place(UNCLE, WP_GLOBE);
    Place(HEROINE, WP_INSIDE_DOOR);
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    ShowObject(UNCLE, true);
    SetInteractive(UNCLE, true);
    AddToQueue(UNCLE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    PushAnimAction(UNCLE, "goonglobe", 0, 0);
    PushAnimAction(UNCLE, "onglobeidle_l", 1, 0);
    TurnToward(ALESSANDRO, UNCLE);
    Dialog(0xbd4d2da9);
    PushAction21(HEROINE, DOOR_BLOCKER, 1);
    SetBoolVar(VARBOOL_BG004_C08_EVENT_BACK_WITH_UNCLE_EDUARDO, true);
    _EndMatch();
}

void SceneScript_bg004::BuildExitEvents()
{
    // Activate "goto_bg002": out to the corridor, unless the uncle is back
    // and the talk with him is still to come.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg002")));
    WalkTo(HEROINE, WP_BEFORE_DOOR);
    _IfMatch(Both(InChapter(8), IsTrue(VARBOOL_BG004_C08_EVENT_BACK_WITH_UNCLE_EDUARDO)));
    Dialog(0x0eceb5b6);
    _ElseMatch();
    ShowObject(Object("m_door"), true);
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    GoTo(HEROINE, WP_OUTSIDE);
    GoToScene(CORRIDOR);
    ShowObject(Object("m_door"), false);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg004::BuildEvents()
{
    // Called while the uncle talks: the heroine goes over to him.
    _IfEvent(OnCallback(0x7f972873));
    GoTo(HEROINE, WP_BY_UNCLE);
    _EndMatch();

    AnimationCallbacks();
    UncleCallbacks();
    AlessandroEvents();
    DebtCallbacks();
    BriscoeEvents();
    UncleEvents();
    PenAndPaperEvents();
    RoomEvents();
}

void SceneScript_bg004::AnimationCallbacks()
{
    constexpr AnimationCallback CALLBACKS[] = {
        {0x660fbec0, ALESSANDRO, 0, AnimationOf<"alessandro_c">("g_talk_l").m_iId},
        {0x0c1f2fc2, ALESSANDRO, 0, AnimationOf<"alessandro_c">("g_idle_l").m_iId},
        {0xe1902fc1, ALESSANDRO, AnimationOf<"alessandro_c">("g_serioustalk01").m_iId,
         AnimationOf<"alessandro_c">("g_serioustalk02_l").m_iId},
        {0x97f950fa, ALESSANDRO, AnimationOf<"alessandro_c">("g_serioustalk03").m_iId,
         AnimationOf<"alessandro_c">("g_idle_l").m_iId},
        {0xc7f3f060, HEROINE, 0, AnimationOf<"tavrine">("g_talk_l").m_iId},
        {0x22a8abc2, HEROINE, 0, AnimationOf<"tavrine">("g_idle_l").m_iId},
        {0x1ad758e8, HEROINE, AnimationOf<"tavrine">("g_dlgpolite").m_iId, AnimationOf<"tavrine">("g_talk_l").m_iId},
    };
    for (const AnimationCallback& oCallback : CALLBACKS) {
        _IfEvent(OnCallback(oCallback.uCallback));
        if (oCallback.iFirst != 0)
            PushAnimAction11(oCallback.uActor, oCallback.iFirst, 0);
        PushAnimAction11(oCallback.uActor, oCallback.iLoop, 1);
        _EndMatch();
    }

    // The heroine turns to Briscoe.
    _IfEvent(OnCallback(0xe55f3ad4));
    TurnToward(HEROINE, BRISCOE);
    _EndMatch();

    constexpr AnimationCallback BRISCOE_CALLBACKS[] = {
        {0xa3246fdd, BRISCOE, 0, AnimationOf<"thomas_b">("g_talk_l").m_iId},
        {0xbf5934d1, BRISCOE, 0, AnimationOf<"thomas_b">("g_idle_l").m_iId},
    };
    for (const AnimationCallback& oCallback : BRISCOE_CALLBACKS) {
        _IfEvent(OnCallback(oCallback.uCallback));
        PushAnimAction11(oCallback.uActor, oCallback.iLoop, 1);
        _EndMatch();
    }

    // Briscoe turns to the heroine.
    _IfEvent(OnCallback(0xaf0b6c57));
    TurnToward(BRISCOE, HEROINE);
    _EndMatch();

    constexpr AnimationCallback THINKING_CALLBACKS[] = {
        {0xb06fa56a, BRISCOE, AnimationOf<"thomas_b">("g_thinking01").m_iId,
         AnimationOf<"thomas_b">("g_thinking02_l").m_iId},
        {0x14c08077, BRISCOE, AnimationOf<"thomas_b">("g_thinking03").m_iId, AnimationOf<"thomas_b">("g_idle_l").m_iId},
    };
    for (const AnimationCallback& oCallback : THINKING_CALLBACKS) {
        _IfEvent(OnCallback(oCallback.uCallback));
        PushAnimAction11(oCallback.uActor, oCallback.iFirst, 0);
        PushAnimAction11(oCallback.uActor, oCallback.iLoop, 1);
        _EndMatch();
    }
}

void SceneScript_bg004::UncleCallbacks()
{
    _IfEvent(OnCallback(0x84c729c9));
    PushAnimAction(UNCLE, "onglobetalk_l", 1, 0);
    _EndMatch();

    _IfEvent(OnCallback(0xc46c102f));
    PushAnimAction(UNCLE, "onglobeidle_l", 1, 0);
    _EndMatch();

    // The coordinates of the island, given with a flourish.
    _IfEvent(OnCallback(0x24f3ce40));
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_SOUND_EFFECT, Param::Sound(COORDINATES_SOUND),
               Param::Bool(true));
    PushAnimAction(UNCLE, "givecoordinates01", 0, 0);
    PushAnimAction(UNCLE, "givecoordinates02_l", 1, 0);
    _EndMatch();
}

void SceneScript_bg004::AlessandroEvents()
{
    // Look "alessandro_c": once he has spoken of Bonita, he sends her out.
    _IfEvent(ScriptEvent_FlaggedId1(ALESSANDRO));
    Dialog(0x69e399ff);
    _IfBool(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA, 1);
    GoToScene(CORRIDOR);
    _EndMatch();
    _EndMatch();

    // Called from his talk: the heroine steps up to him where he stands in
    // the chapter.
    _IfEvent(OnCallback(0x3f5818c8));
    _IfMatch(MatchExpression(Op_Or, MatchExpression(Op_Or, InChapter(3), InChapter(4)),
                             MatchExpression(Op_Or, InChapter(7), InChapter(9))));
    WalkTo(HEROINE, WP_BY_ALESSANDRO);
    TurnToward(HEROINE, ALESSANDRO);
    TurnToward(ALESSANDRO, HEROINE);
    _EndMatch();
    _IfMatch(MatchExpression(Op_Or, MatchExpression(Op_Or, InChapter(5), InChapter(6)), InChapter(8)));
    WalkTo(HEROINE, WP_BY_ALESSANDRO_LATE);
    TurnToward(HEROINE, ALESSANDRO);
    TurnToward(ALESSANDRO, HEROINE);
    _EndMatch();
    _EndMatch();

    _IfEvent(ScriptEvent_FlaggedId2(ALESSANDRO));
    Dialog(0x9459f379);
    _EndMatch();

    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ALESSANDRO, ItemNamed("ITEM_DOUBLOON")));
    Dialog(0x4306d996);
    _EndMatch();

    // The writing kit: he takes it only once Pedro's errand is done.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ALESSANDRO, ItemNamed("ITEM_WRITING_KIT")));
    GoTo(HEROINE, WP_WRITING_KIT);
    TurnToward(ALESSANDRO, HEROINE);
    Dialog(0x8de8ce63);
    Place(ALESSANDRO, WP_ALESSANDRO_LATE);
    _IfBool(VARBOOL_QUEST_C8_PEDRO03_DONE, 1);
    Take(HEROINE, ItemNamed("ITEM_WRITING_KIT"));
    SetBoolVar(VARBOOL_BG004_C08_GIVE_WRITING_KIT, true);
    _EndMatch();
    _EndMatch();

    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ALESSANDRO, ItemNamed("ITEM_MAP_B")));
    Dialog(0x83e4ec3f);
    _EndMatch();
}

void SceneScript_bg004::DebtCallbacks()
{
    // Alessandro lends the five doubloons.
    _IfEvent(OnCallback(0x642871e5));
    Play(HEROINE, "g_receiveobject");
    Play(ALESSANDRO, "g_giveobject");
    Play(HEROINE, "g_talk_l");
    Play(ALESSANDRO, "g_talk_l");
    AddToQueue(HEROINE, ID_ACTION_TYPE_ADD_ITEM, Param::Item(ItemNamed("ITEM_DOUBLOON")), Param::Int(5));
    SetBoolVar(VARBOOL_QUEST_C4_PAY_DEBT, true);
    _EndMatch();

    // ...and has them back.
    _IfEvent(OnCallback(0xe494496a));
    Play(HEROINE, "g_giveobject");
    Play(ALESSANDRO, "g_receiveobject");
    Play(HEROINE, "g_talk_l");
    Play(ALESSANDRO, "g_talk_l");
    AddToQueue(HEROINE, ID_ACTION_TYPE_REMOVE_ITEM, Param::Item(ItemNamed("ITEM_DOUBLOON")), Param::Int(5));
    SetBoolVar(VARBOOL_QUEST_C4_PAY_DEBT_DONE, true);
    NoEffect(10);
    _EndMatch();

    // The writing kit changes hands.
    _IfEvent(OnCallback(0x200fd8bc));
    Play(HEROINE, "g_giveobject");
    Play(ALESSANDRO, "g_receiveobject");
    Play(HEROINE, "g_idle_l");
    Play(ALESSANDRO, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg004::BriscoeEvents()
{
    TalkToBriscoe(ScriptEvent_FlaggedId1(BRISCOE), 0x855c7ca6);
    TalkToBriscoe(ScriptEvent_FlaggedId2(BRISCOE), 0x360977a1);
}

void SceneScript_bg004::TalkToBriscoe(const EventDesc& oEvent, uint32_t uDialog)
{
    _IfEvent(oEvent);
    _IfMatch(InChapter(8));
    WalkTo(HEROINE, WP_BY_ALESSANDRO_LATE);
    _ElseMatch();
    WalkTo(HEROINE, WP_BY_ALESSANDRO);
    _EndMatch();
    TurnToward(HEROINE, BRISCOE);
    Dialog(uDialog);
    _EndMatch();
}

void SceneScript_bg004::UncleEvents()
{
    WalkAndTalk(MatchExpr::Event(ScriptEvent_FlaggedId1(UNCLE)), HEROINE, WP_BY_UNCLE, 0x8591e617);

    // Talk "uncle_eduardo": his coordinates end the visit; what the voyage
    // no longer needs stays behind.
    _IfEvent(ScriptEvent_FlaggedId2(UNCLE));
    GoTo(HEROINE, WP_BY_UNCLE);
    Dialog(0xd48f5867);
    FadeOut(3000);
    for (const uint32_t uItem : {ItemNamed("ITEM_SMALL_KEY"), ItemNamed("ITEM_SHOVEL"), ItemNamed("ITEM_BLOW_PIPE"),
                                 ItemNamed("ITEM_FLYING_SILHOUETTE")})
        Take(HEROINE, uItem);
    GoToScene(LOADING_SCENE);
    _EndMatch();
}

void SceneScript_bg004::PenAndPaperEvents()
{
    WalkAndTalk(MatchExpr::Event(ScriptEvent_Object1(Object("pen_and_paper"))), HEROINE, WP_PEN_AND_PAPER, 0x7dc31935);

    // Activate "pen_and_paper": asked for, and taken from the desk with the
    // empty ink bottle.
    _IfMatch(MatchExpr::MakeEvent0(Object("pen_and_paper")));
    GoTo(HEROINE, WP_PEN_AND_PAPER);
    TurnToward(ALESSANDRO, HEROINE);
    TurnToward(HEROINE, ALESSANDRO);
    Dialog(0x9f110a8d);
    GoTo(HEROINE, WP_PEN_AND_PAPER);
    Play(HEROINE, "g_pickobjectmiddle01");
    ShowObject(Object("i_ink_bottle"), false);
    ShowObject(Object("i_paper"), false);
    SetInteractive(Object("pen_and_paper"), false);
    Play(HEROINE, "g_pickobjectmiddle02");
    Play(HEROINE, "g_idle_l");
    Give(HEROINE, ItemNamed("ITEM_PEN_AND_PAPER"));
    Give(HEROINE, ItemNamed("ITEM_EMPTY_INK_BOTTLE"));
    SetBoolVar(VARBOOL_BG004_C08_PICK_PEN_AND_PAPER, true);
    _EndMatch();
}

void SceneScript_bg004::RoomEvents()
{
    WalkAndTalk(MatchExpr::Event(ScriptEvent_Object1(Object("bonita_shrine"))), HEROINE, WP_SHRINE, 0xdf1a0ce5);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("bonita_shrine")), HEROINE, WP_SHRINE, 0x1a42e548);
    WalkAndTalk(MatchExpr::Event(ScriptEvent_Object1(Object("bed"))), HEROINE, WP_BED, 0x86fc42bc);

    _IfMatch(MatchExpr::MakeEvent0(Object("bed")));
    GoTo(HEROINE, WP_BED);
    Dialog(0x5d6d1499);
    Play(HEROINE, "g_tapnonsense");
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    _IfEvent(ScriptEvent_Object1(Object("snake")));
    GoTo(HEROINE, WP_SNAKE);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0x080a8d02);
    _EndMatch();
    WalkAndTalk(MatchExpr::MakeEvent0(Object("snake")), HEROINE, WP_SNAKE, 0x62f172b5);

    _IfEvent(ScriptEvent_Object1(Object("puppet")));
    GoTo(HEROINE, WP_PUPPET);
    Dialog(0x3970b997);
    Play(HEROINE, "g_scratchhead");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
    WalkAndTalk(MatchExpr::MakeEvent0(Object("puppet")), HEROINE, WP_PUPPET, 0x6c1f6447);
}

} // namespace

// Scene 8, bg004_WM_AlessandrosCabin_N.
REGISTER_SCENE_SCRIPT(bg004, 8);
