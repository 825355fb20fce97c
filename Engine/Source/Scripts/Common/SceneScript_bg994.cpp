// The start screen of the demo (scene 62, bg994_start_demo). A click on the
// picture fades out and sets the story up for the demo, in chapter 5 before
// the family house: the demo flag, Diego at the heroine's side, the chapter's
// events and quests of the house not yet played, the crossbow and the small
// blanket not yet found. Every click sets it all up anew, so the demo plays
// again from its start after its end screen.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg994_62>;

constexpr ActorNamed<"tavrine"> TAVRINE;

constexpr int32_t HOUSE_EXTERIOR = 20; // bg112_BO_CastilloHouseExterior_A
constexpr int32_t DEMO_CHAPTER = 5;
constexpr int32_t FADE_OUT_MS = 3000;

// The flags the demo starts with, set in this order.
struct DemoFlag {
    int32_t iVarId;
    bool bValue;
};
constexpr DemoFlag DEMO_FLAGS[] = {
    {VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE, true},
    {VARBOOL_BG101_C05_USE_SMALL_BLANKET_ON_DRAWER, false},
    {VARBOOL_BG101_C05_USE_FLOWER_PICTURE_ON_BONITA_SPIRIT, false},
    {VARBOOL_BG101_C05_PICK_SMALL_BLANKET, false},
    {VARBOOL_BG101_C05_PICK_PAINT_BRUSH, false},
    {VARBOOL_BG101_C05_PICK_PAINT_SET, false},
    {VARBOOL_BG101_C05_PICK_SHEET_OF_PAPER, false},
    {VARBOOL_BG101_C05_EVENT_BONITA_DEMON_FACE, false},
    {VARBOOL_BG101_C05_EVENT_WAKE_UP, false},
    {VARBOOL_BG101_C05_INT_DOOR_WONDOWS, false},
    {VARBOOL_BG112_C05_EVENT_MEMORIES, false},
    {VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR, false},
    {VARBOOL_BG113_C05_EVENT_RETURN_SPIRIT, false},
    {VARBOOL_BG113_C05_PICK_FAUNA_FLORA_BOOK, false},
    {VARBOOL_BG113_C05_PICK_SMALL_BLANCKET, false},
    {VARBOOL_BG113_C05_EVENT_WHAT_WAS_THAT, false},
    {VARBOOL_BG113_C05_PICK_CROSSBOW, false},
    {VARBOOL_BG113_C05_EVENT_SAD_MEMORIES, false},
    {VARBOOL_QUEST_C5_ESCAPE_ROOM, false},
    {VARBOOL_QUEST_C5_ESCAPE_ROOM_DONE, false},
    {VARBOOL_QUEST_C5_THE_SIGN, false},
    {VARBOOL_QUEST_C5_THE_SIGN_DONE, false},
    {VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES, false},
    {VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES_DONE, false},
};

class SceneScript_bg994 final : public SceneScript {
protected:
    void BuildExitEvents() override;
};

void SceneScript_bg994::BuildExitEvents()
{
    // Activate "clique": the demo's start, all in the one walk of the click,
    // while the screen fades out.
    _IfMatch(MatchExpr::MakeEvent0(Object("clique")));
    FadeOut(FADE_OUT_MS);
    SetBoolVar(VARBOOL_BG994_DEMO, true);
    SetIntVar(VARINT_CURRENT_CHAPTER, DEMO_CHAPTER);
    SetIntVar(VARINT_DIEGO_MOOD, 0);
    for (const DemoFlag& flag : DEMO_FLAGS)
        SetBoolVar(flag.iVarId, flag.bValue);
    Give(TAVRINE, ItemNamed("ITEM_DIEGO"));
    Take(TAVRINE, ItemNamed("ITEM_CROSSBOW"));
    Take(TAVRINE, ItemNamed("ITEM_SMALL_BLANKET"));
    GoToScene(HOUSE_EXTERIOR);
    _EndMatch();
}

} // namespace

// Scene 62, bg994_start_demo.
REGISTER_SCENE_SCRIPT(bg994, 62);
