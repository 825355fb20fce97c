// The close-up placeholder (scene 58, bg990_closeup_placeholder): a picture
// that stands for a close-up of the story. A click fades the screen and goes
// back to the scene the player came from, where the chapter has a way back.
#include "Common/SceneObjectNames.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"

#include <initializer_list>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg990_58>;

class SceneScript_bg990 final : public SceneScript {
protected:
    void BuildExitEvents() override;

private:
    // Back to each of the scenes when the player came from it.
    void BackTo(std::initializer_list<int32_t> sceneIds);
};

void SceneScript_bg990::BackTo(std::initializer_list<int32_t> sceneIds)
{
    for (const int32_t iSceneId : sceneIds) {
        _IfMatch(CameFrom(iSceneId));
        GoToScene(iSceneId);
        _EndMatch();
    }
}

void SceneScript_bg990::BuildExitEvents()
{
    // Activate "clique": fade out and go back; a chapter and scene that no
    // block names only fade the screen.
    _IfMatch(MatchExpr::MakeEvent0(Object("clique")));
    FadeOut(3000);
    _IfMatch(InChapter(3));
    BackTo({7, 23, 24});
    _EndMatch();
    _IfMatch(InChapter(5));
    BackTo({13, 9});
    _EndMatch();
    _IfMatch(InChapter(7));
    BackTo({28});
    _EndMatch();
    BackTo({21});
    _IfMatch(InChapter(9));
    BackTo({46});
    _EndMatch();
    _IfMatch(InChapter(10));
    BackTo({50});
    _EndMatch();
    _EndMatch();
}

} // namespace

// Scene 58, bg990_closeup_placeholder.
REGISTER_SCENE_SCRIPT(bg990, 58);
