// The view through the telescope in the graveyard (scene 52,
// bg803_CU_03_Telescope). Once the firefly sits in the statue's mouth, its
// light shows where the map cylinder's rings must stand; before, the statue
// stays dark. A dialog follows a second after the view opens, and a click on
// the picture goes back to the graveyard.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg803_52>;

constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

constexpr int32_t GRAVEYARD = 24; // bg203_CR_GraveyardOfTheAncients

constexpr uint32_t NIGHT_MUSIC = 0x54c965c6;
constexpr uint32_t NIGHT_AMBIENCE = 0x44b8b19d;

constexpr uint32_t THE_VIEW_DIALOG = 0x23019ed1;
// The view stays silent for a moment before she speaks.
constexpr int32_t SILENCE_MS = 1000;

class SceneScript_bg803 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
};

void SceneScript_bg803::BuildEnterActions()
{
    PlayMusic(NIGHT_MUSIC);
    PlayAmbience(NIGHT_AMBIENCE);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    _IfBool(VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE, 0);
    ShowObject(Object("fx_fire_fly"), false);
    ShowObject(Object("m_glow"), false);
    ShowObject(Object("m_light"), false);
    _EndMatch();
    // The dialog actor stays busy for the silence, so the dialog queued
    // behind it starts after it; the dialog holds the walk.
    Wait(LOGIC_DIALOG, SILENCE_MS);
    Dialog(THE_VIEW_DIALOG);
}

void SceneScript_bg803::BuildExitEvents()
{
    // Activate "clique": back to the graveyard.
    _IfMatch(MatchExpr::MakeEvent0(Object("clique")));
    GoToScene(GRAVEYARD);
    _EndMatch();
}

} // namespace

// Scene 52, bg803_CU_03_Telescope.
REGISTER_SCENE_SCRIPT(bg803, 52);
