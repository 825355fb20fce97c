// The picture of the tsetse fly (scene 55, bg814_CU_04_TseTseFly), which the
// book on fauna and flora in the family house's living room opens. It only
// shows the picture: a click anywhere on it goes back to the living room.
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg814_55>;

constexpr int32_t LIVING_ROOM = 21; // bg113_BO_CastilloLivingRoom_A

class SceneScript_bg814 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
};

void SceneScript_bg814::BuildEnterActions()
{
    // No travel from a picture; the next scene's start opens the map again.
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
}

void SceneScript_bg814::BuildExitEvents()
{
    // Activate "clique": back to the living room.
    _IfMatch(MatchExpr::MakeEvent0(Object("clique")));
    GoToScene(LIVING_ROOM);
    _EndMatch();
}

} // namespace

// Scene 55, bg814_CU_04_TseTseFly.
REGISTER_SCENE_SCRIPT(bg814, 55);
