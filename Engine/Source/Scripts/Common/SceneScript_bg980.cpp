// The mini-game menu (scene 2, bg980_MiniGame_Menu): each picture starts its
// mini-game or opens its close-up scene, and the menu button goes back to the
// chapter menu.
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"

namespace {

// The scene's objects: mg_01 .. mg_06 are 0 to 5.
constexpr int32_t MG_01 = 0;
constexpr int32_t NB_MINIGAMES = 6;
constexpr int32_t CU_01 = 6;
constexpr int32_t CU_03 = 7;
constexpr int32_t CU_04 = 8;
constexpr int32_t MENU = 9;

// The mini-game of mg_01; the others follow in order.
constexpr int32_t FIRST_MINIGAME = 2;

class SceneScript_bg980 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;

private:
    // A handler on Activate of the object that only changes the scene.
    void GoToSceneOn(int32_t iObject, int32_t iSceneId);
};

void SceneScript_bg980::BuildEnterActions()
{
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
}

void SceneScript_bg980::GoToSceneOn(int32_t iObject, int32_t iSceneId)
{
    _IfMatch(MatchExpr::MakeEvent0(iObject));
    GoToScene(iSceneId);
    _EndMatch();
}

void SceneScript_bg980::BuildExitEvents()
{
    // Activate "menu": back to the chapter menu (bg900_chapter_menu).
    GoToSceneOn(MENU, 1);

    // Activate "mg_01" .. "mg_06": start mini-games 2 to 7.
    for (int32_t index = 0; index < NB_MINIGAMES; ++index) {
        _IfMatch(MatchExpr::MakeEvent0(MG_01 + index));
        StartMiniGame(FIRST_MINIGAME + index);
        _EndMatch();
    }

    // Activate "cu_01": the shaman's hut close-up (bg801_CU_01_ShamansHut).
    GoToSceneOn(CU_01, 51);
    // Activate "cu_03": the map cylinder close-up (bg804_CU_03_MapCylinder).
    GoToSceneOn(CU_03, 53);
    // Activate "cu_04": the safe close-up (bg806_CU_06_DrakesSafe).
    GoToSceneOn(CU_04, 54);
}

} // namespace

// Scene 2, bg980_MiniGame_Menu.
REGISTER_SCENE_SCRIPT(bg980, 2);
