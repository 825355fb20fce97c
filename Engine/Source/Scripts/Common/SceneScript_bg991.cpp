// The cut-scene placeholder (scene 59, bg991_cine_placeholder): a picture that
// stands for a cut-scene. A click fades the screen and goes on to the scene
// that follows the cut-scene, by chapter and by the scene the player came
// from.
#include "Common/SceneObjectNames.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg991_59>;

class SceneScript_bg991 final : public SceneScript {
protected:
    void BuildExitEvents() override;
};

void SceneScript_bg991::BuildExitEvents()
{
    // Activate "clique": fade out, then the first route that holds. The
    // routes are separate tests in a row: a go-to-scene makes this scene the
    // previous one at once, so no later route that tests it holds.
    _IfMatch(MatchExpr::MakeEvent0(Object("clique")));
    FadeOut(3000);
    // Landing from the world map.
    _IfMatch(InChapterFrom(3, 57));
    GoToScene(22);
    _EndMatch();
    _IfMatch(InChapterFrom(4, 57));
    GoToScene(28);
    _EndMatch();
    _IfMatch(InChapterFrom(6, 57));
    GoToScene(39);
    _EndMatch();
    _IfMatch(InChapterFrom(9, 57));
    GoToScene(43);
    _EndMatch();
    _IfMatch(InChapter(1));
    GoToScene(12);
    _EndMatch();
    _IfMatch(InChapterFrom(2, 11));
    GoToScene(11);
    _EndMatch();
    _IfMatch(InChapterFrom(2, 13));
    GoToScene(13);
    _EndMatch();
    _IfMatch(InChapterFrom(4, 33));
    GoToScene(33);
    _EndMatch();
    _IfMatch(InChapterFrom(5, 61));
    GoToScene(7);
    _EndMatch();
    _IfMatch(InChapterFrom(5, 13));
    GoToScene(17);
    _EndMatch();
    _IfMatch(InChapterFrom(5, 18));
    GoToScene(19);
    _EndMatch();
    _IfMatch(InChapterFrom(5, 19));
    GoToScene(17);
    _EndMatch();
    _IfMatch(InChapterFrom(6, 39));
    GoToScene(39);
    _EndMatch();
    _IfMatch(InChapterFrom(6, 42));
    GoToScene(42);
    _EndMatch();
    _IfMatch(InChapterFrom(8, 25));
    GoToScene(25);
    _EndMatch();
    _IfMatch(InChapterFrom(9, 44));
    GoToScene(44);
    _EndMatch();
    _IfMatch(InChapterFrom(9, 46));
    GoToScene(46);
    _EndMatch();
    _IfMatch(InChapterFrom(9, 47));
    GoToScene(47);
    _EndMatch();
    _IfMatch(InChapterFrom(10, 49));
    GoToScene(49);
    _EndMatch();
    _IfMatch(InChapterFrom(10, 47));
    GoToScene(61);
    _EndMatch();
    _EndMatch();
}

} // namespace

// Scene 59, bg991_cine_placeholder.
REGISTER_SCENE_SCRIPT(bg991, 59);
