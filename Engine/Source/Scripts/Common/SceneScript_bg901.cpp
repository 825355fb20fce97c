// The first island's travel map (scene 56, bg901_BountyIslandMap): the route
// from the scene the player left to the next one is drawn on the map, and
// the game moves on to that scene by itself.
#include "ScriptEngine/common/SceneScript.h"
#include "Hash/CoreCrc32.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"

namespace {

// The scene's objects: the three routes, named after the scenes they join.
constexpr int32_t BG102_BG103 = 1;
constexpr int32_t BG103_BG104 = 2;
constexpr int32_t BG104_BG102 = 3;

// A route: its object, the scene it starts from and leads to, how long it
// stays on show, and its animations (at rest, then drawn).
struct Route {
    int32_t iObject;
    int32_t iFrom;
    int32_t iTo;
    int32_t iShownMs;
    uint32_t uRest;
    uint32_t uDrawn;
};

constexpr Route ROUTES[] = {
    // bg102_BO_CastilloHouseExterior to bg103_BO_FlatTopHill.
    {BG102_BG103, 10, 11, 5000, CoreCrc32Of("bg102_bg103_rest"), CoreCrc32Of("bg102_bg103")},
    // bg103_BO_FlatTopHill to bg104_BO_Fork.
    {BG103_BG104, 11, 12, 5000, CoreCrc32Of("bg103_bg104_rest"), CoreCrc32Of("bg103_bg104")},
    // bg104_BO_Fork to bg102_BO_CastilloHouseExterior.
    {BG104_BG102, 12, 10, 4000, CoreCrc32Of("bg104_bg102_rest"), CoreCrc32Of("bg104_bg102")},
};

class SceneScript_bg901 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
};

void SceneScript_bg901::BuildEnterActions()
{
    for (const Route& route : ROUTES) {
        ShowObject(route.iObject, false);
        PushHashAction23(route.iObject, route.uRest);
    }
    for (const Route& route : ROUTES) {
        _IfMatch(CameFrom(route.iFrom));
        ShowObject(route.iObject, true);
        PushHashAction23(route.iObject, route.uDrawn);
        AddToQueue(route.iObject, ID_ACTION_TYPE_WAIT, Param::Int(route.iShownMs));
        WaitUntilIdle(route.iObject);
        _EndMatch();
    }
}

void SceneScript_bg901::BuildExitEvents()
{
    // No event: the walk from the scene start reaches these blocks after the
    // enter actions. A go-to-scene makes this scene the previous one at once,
    // so at most one block leaves; from any other scene the map stays.
    for (const Route& route : ROUTES) {
        _IfMatch(CameFrom(route.iFrom));
        GoToScene(route.iTo);
        _EndMatch();
    }
}

} // namespace

// Scene 56, bg901_BountyIslandMap.
REGISTER_SCENE_SCRIPT(bg901, 56);
