// The first island's travel map (scene 56, bg901_BountyIslandMap): the route
// from the scene the player left to the next one is drawn on the map, and
// the game moves on to that scene by itself.
#include "Common/SceneObjectNames.h"
#include "Hash/CoreCrc32.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg901_56>;

// A route: its object (named after the scenes it joins), the scene it starts from and leads to, how long it
// stays on show, and its animations (at rest, then drawn).
struct Route {
    Object object;
    int32_t iFrom;
    int32_t iTo;
    int32_t iShownMs;
    uint32_t uRest;
    uint32_t uDrawn;
};

constexpr Route ROUTES[] = {
    // bg102_BO_CastilloHouseExterior to bg103_BO_FlatTopHill.
    {"bg102_bg103", 10, 11, 5000, CoreCrc32Of("bg102_bg103_rest"), CoreCrc32Of("bg102_bg103")},
    // bg103_BO_FlatTopHill to bg104_BO_Fork.
    {"bg103_bg104", 11, 12, 5000, CoreCrc32Of("bg103_bg104_rest"), CoreCrc32Of("bg103_bg104")},
    // bg104_BO_Fork to bg102_BO_CastilloHouseExterior.
    {"bg104_bg102", 12, 10, 4000, CoreCrc32Of("bg104_bg102_rest"), CoreCrc32Of("bg104_bg102")},
};

class SceneScript_bg901 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
};

void SceneScript_bg901::BuildEnterActions()
{
    for (const Route& route : ROUTES) {
        ShowObject(route.object, false);
        PushHashAction23(route.object, route.uRest);
    }
    for (const Route& route : ROUTES) {
        _IfMatch(CameFrom(route.iFrom));
        ShowObject(route.object, true);
        PushHashAction23(route.object, route.uDrawn);
        Wait(route.object, route.iShownMs);
        WaitUntilIdle(route.object);
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
