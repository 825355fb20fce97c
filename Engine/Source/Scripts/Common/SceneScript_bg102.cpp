// The house's front (scene 10, bg102_BO_CastilloHouseExterior): the yard
// before the family house. Its content is a stand-in for now, and so is its
// script: in chapter 1 the kid comes out of the living room's front door into
// the yard; the yard's things and their handlers come with the scene itself.
#include "Common/NamedIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"

namespace {

constexpr ActorNamed<"tavrine_kid"> KID;

class SceneScript_bg102 final : public SceneScript {
protected:
    void LinkActorSets() override;
    void BuildEnterActions() override;
};

void SceneScript_bg102::LinkActorSets()
{
    LinkActorSet("Chapter_1", InChapter(1));
}

void SceneScript_bg102::BuildEnterActions()
{
    _IfMatch(InChapter(1));
    Place(KID, 0);
    // Out of the front door of the living room (bg101_BO_CastilloLivingRoom).
    _IfMatch(CameFrom(9));
    Place(KID, 2);
    GoTo(KID, 3);
    _EndMatch();
    _EndMatch();
}

} // namespace

// Scene 10, bg102_BO_CastilloHouseExterior.
REGISTER_SCENE_SCRIPT(bg102, 10);
