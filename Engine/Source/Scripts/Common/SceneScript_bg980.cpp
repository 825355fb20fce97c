// The mini-game menu (scene 2, bg980_MiniGame_Menu): each picture starts its
// mini-game or opens its close-up scene, and the menu button goes back to the
// chapter menu.
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg980_2>;

// The mini-games' pictures; mg_01 starts mini-game 2, the others follow in
// order.
constexpr Object MINIGAME_PICTURES[] = {"mg_01", "mg_02", "mg_03", "mg_04", "mg_05", "mg_06"};
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
    GoToSceneOn(Object("menu"), 1);

    // Activate "mg_01" .. "mg_06": start mini-games 2 to 7.
    int32_t iMiniGame = FIRST_MINIGAME;
    for (Object picture : MINIGAME_PICTURES) {
        _IfMatch(MatchExpr::MakeEvent0(picture));
        StartMiniGame(iMiniGame++);
        _EndMatch();
    }

    // Activate "cu_01": the shaman's hut close-up (bg801_CU_01_ShamansHut).
    GoToSceneOn(Object("cu_01"), 51);
    // Activate "cu_03": the map cylinder close-up (bg804_CU_03_MapCylinder).
    GoToSceneOn(Object("cu_03"), 53);
    // Activate "cu_04": the safe close-up (bg806_CU_06_DrakesSafe).
    GoToSceneOn(Object("cu_04"), 54);
}

} // namespace

// Scene 2, bg980_MiniGame_Menu.
REGISTER_SCENE_SCRIPT(bg980, 2);
