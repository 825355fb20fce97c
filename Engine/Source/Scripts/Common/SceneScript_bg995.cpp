// The end screen of the demo (scene 63, bg995_end_demo): the scenes where
// the demo's part of the story ends lead here while the demo flag is set. It
// waits for a click, which goes back to the demo's start screen.
#include "Common/SceneObjectNames.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg995_63>;

constexpr int32_t DEMO_START = 62; // bg994_start_demo

class SceneScript_bg995 final : public SceneScript {
protected:
    void BuildExitEvents() override;
};

void SceneScript_bg995::BuildExitEvents()
{
    // Activate "clique": the start screen, from which the demo plays again.
    _IfMatch(MatchExpr::MakeEvent0(Object("clique")));
    GoToScene(DEMO_START);
    _EndMatch();
}

} // namespace

// Scene 63, bg995_end_demo.
REGISTER_SCENE_SCRIPT(bg995, 63);
