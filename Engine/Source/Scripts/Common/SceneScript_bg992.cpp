// The mini-game placeholder (scene 60, bg992_Minigame_placeholder): a picture
// that stands for a mini-game of the story. A click fades the screen and goes
// on to the scene after the mini-game, by chapter and by the scene the player
// came from; two of the routes count the mini-game as won.
#include "Common/VarIds.h"
#include "Hash/CoreCrc32.h"
#include "Common/SceneObjectNames.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg992_60>;

// The picture's animation in chapters 1 to 4, by the CRC-32 of its name in the
// scene's description.
constexpr uint32_t MG_CHAPTER_ANIMATIONS[] = {
    CoreCrc32Of("mg_chapter01"),
    CoreCrc32Of("mg_chapter02"),
    CoreCrc32Of("mg_chapter03"),
    CoreCrc32Of("mg_chapter04"),
};

class SceneScript_bg992 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
};

void SceneScript_bg992::BuildEnterActions()
{
    for (int32_t index = 0; index < 4; ++index) {
        _IfMatch(InChapter(index + 1));
        PushHashAction23(Object("mg"), MG_CHAPTER_ANIMATIONS[index]);
        _EndMatch();
    }
}

void SceneScript_bg992::BuildExitEvents()
{
    // Activate "clique": fade out, then the first route that holds (separate
    // tests in a row, as the go-to-scene makes this scene the previous one).
    _IfMatch(MatchExpr::MakeEvent0(Object("clique")));
    FadeOut(3000);
    _IfMatch(InChapter(1));
    GoToScene(11);
    _EndMatch();
    _IfMatch(InChapter(2));
    GoToScene(16);
    _EndMatch();
    _IfMatch(InChapterFrom(3, 23));
    GoToScene(23);
    _EndMatch();
    _IfMatch(InChapterFrom(3, 24));
    GoToScene(24);
    _EndMatch();
    _IfMatch(InChapterFrom(4, 23));
    GoToScene(23);
    _EndMatch();
    _IfMatch(InChapterFrom(4, 32));
    GoToScene(32);
    _EndMatch();
    _IfMatch(InChapterFrom(5, 17));
    GoToScene(13);
    _EndMatch();
    _IfMatch(InChapterFrom(6, 40));
    GoToScene(41);
    _EndMatch();
    _IfMatch(InChapterFrom(8, 26));
    GoToScene(26);
    _EndMatch();
    _IfMatch(InChapterFrom(9, 43));
    SetBoolVar(VARBOOL_WIN_MINIGAME_07, true);
    GoToScene(44);
    _EndMatch();
    _IfMatch(InChapterFrom(10, 48));
    SetBoolVar(VARBOOL_BG508_C10_PUZZLE_SUCCESS, true);
    GoToScene(48);
    _EndMatch();
    _EndMatch();
}

} // namespace

// Scene 60, bg992_Minigame_placeholder.
REGISTER_SCENE_SCRIPT(bg992, 60);
