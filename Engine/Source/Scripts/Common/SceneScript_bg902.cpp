// The controls screen (scene 4, bg902_Controls): shown before the first
// scene of a new game, it pictures the mouse and keyboard controls; either
// skip button goes on into the living room.
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"

namespace {

// The scene's objects: the picture of each set of controls, the two skip
// buttons and the labels of each picture.
constexpr int32_t CONTROLS_WIN32 = 0;
constexpr int32_t CONTROLS_PS3 = 1;
constexpr int32_t CONTROLS_PS3MOVE = 2;
constexpr int32_t SKIP_1 = 3;
constexpr int32_t SKIP_2 = 4;
constexpr int32_t PC_LEFT = 5;
constexpr int32_t PC_SPACEBAR = 7;
constexpr int32_t PS3_LMUSHROOM = 8;
constexpr int32_t PS3_START = 13;
constexpr int32_t PS3MOVE_M = 14;
constexpr int32_t PS3MOVE_CROSS = 16;
constexpr int32_t WII_A = 17;
constexpr int32_t DS_START = 22;

constexpr uint32_t MENU_MUSIC = 0x47e6e6f9;

class SceneScript_bg902 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;

private:
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
    ShowObject(CONTROLS_PS3, false);
    ShowRange(PS3_LMUSHROOM, PS3_START, false);
    ShowObject(CONTROLS_PS3MOVE, false);
    ShowRange(PS3MOVE_M, PS3MOVE_CROSS, false);
    ShowObject(CONTROLS_WIN32, false);
    ShowRange(PC_LEFT, PC_SPACEBAR, false);
    ShowRange(WII_A, DS_START, false);
    ShowObject(CONTROLS_WIN32, true);
    ShowRange(PC_LEFT, PC_SPACEBAR, true);
    SetInteractive(SKIP_2, false);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MUSIC, Param::Sound(static_cast<int32_t>(MENU_MUSIC)),
               Param::Bool(true));
}

void SceneScript_bg902::BuildExitEvents()
{
    // Activate "skip_1" or "skip_2": into the living room
    // (bg101_BO_CastilloLivingRoom).
    for (const int32_t iObject : {SKIP_1, SKIP_2}) {
        _IfMatch(MatchExpr::MakeEvent0(iObject));
        GoToScene(9);
        _EndMatch();
    }
}

} // namespace

// Scene 4, bg902_Controls.
REGISTER_SCENE_SCRIPT(bg902, 4);
