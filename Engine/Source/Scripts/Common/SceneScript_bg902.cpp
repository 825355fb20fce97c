// The controls screen (scene 4, bg902_Controls): shown before the first
// scene of a new game, it pictures the mouse and keyboard controls; either
// skip button goes on into the living room.
#include "Common/SceneObjectNames.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg902_4>;

constexpr uint32_t MENU_MUSIC = 0x47e6e6f9;

class SceneScript_bg902 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;

private:
    // Shows or hides the objects of the scene's list from the first to the
    // last named.
    void ShowRange(int32_t iFirst, int32_t iLast, bool bVisible);
};

void SceneScript_bg902::ShowRange(int32_t iFirst, int32_t iLast, bool bVisible)
{
    for (int32_t iObject = iFirst; iObject <= iLast; ++iObject)
        ShowObject(iObject, bVisible);
}

void SceneScript_bg902::BuildEnterActions()
{
    // Only the mouse and keyboard picture stays.
    ShowObject(Object("controls_ps3"), false);
    ShowRange(Object("ps3_lmushroom"), Object("ps3_start"), false);
    ShowObject(Object("controls_ps3move"), false);
    ShowRange(Object("ps3move_m"), Object("ps3move_cross"), false);
    ShowObject(Object("controls_win32"), false);
    ShowRange(Object("pc_left"), Object("pc_spacebar"), false);
    ShowRange(Object("wii_a"), Object("ds_start"), false);
    ShowObject(Object("controls_win32"), true);
    ShowRange(Object("pc_left"), Object("pc_spacebar"), true);
    SetInteractive(Object("skip_2"), false);
    PlayMusic(MENU_MUSIC);
}

void SceneScript_bg902::BuildExitEvents()
{
    // Activate "skip_1" or "skip_2": into the living room
    // (bg101_BO_CastilloLivingRoom).
    for (Object skip : {Object("skip_1"), Object("skip_2")}) {
        _IfMatch(MatchExpr::MakeEvent0(skip));
        GoToScene(9);
        _EndMatch();
    }
}

} // namespace

// Scene 4, bg902_Controls.
REGISTER_SCENE_SCRIPT(bg902, 4);
