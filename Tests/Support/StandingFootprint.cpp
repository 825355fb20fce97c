#include "Support/StandingFootprint.h"

#include "Scene/Common/Character.h"
#include "Scene/Common/Layer.h"
#include "Scene/Common/Scene.h"
#include "Scripts/Common/ActorScript.h"

#include <algorithm>

namespace TestSupport {
namespace {

// A picture held by another may stick out of it by this much (a cart's
// wheel below its bed).
constexpr fx32 HELD_PICTURE_SLACK = 2 * FX32_ONE;
// The parts of one thing lie this close in depth.
constexpr fx32 PART_DEPTH_SLACK = FX32_ONE;

// Whether the inner picture stands on the outer one: within its width, its
// bottom edge on it (a pump's handle sticks out above the pump).
bool Holds(const SceneRect& outer, const SceneRect& inner)
{
    return inner.xMin >= outer.xMin - HELD_PICTURE_SLACK && inner.xMax <= outer.xMax + HELD_PICTURE_SLACK &&
           inner.yMax >= outer.yMin && inner.yMax <= outer.yMax + HELD_PICTURE_SLACK;
}

} // namespace

StandingFootprint FootprintAt(const Scene& scene, uint32_t uActorId, const CoreFxVec& position)
{
    Character character(uActorId);
    ActorScriptInfo info {};
    GetActorScriptInfos(uActorId, 0, &info);
    character.m_iBoxHalfWidth = info.m_aMove[3];
    character.m_iBoxHeight = info.m_aMove[4];
    character.m_iBoxOffset = info.m_aMove[5];
    CharacterSurroundings surroundings;
    surroundings.m_pWalkMesh = &scene.m_oWalkMesh;
    character.SetSurroundings(&surroundings);
    character.SetPosition(position);
    character.UpdateTransform(scene.m_oCamera, scene.m_fScroll);
    character.SetSurroundings(nullptr);
    const CoreFxVec screen = character.GetScreenPosition();
    const ScreenPoint feet {CoreFx::WrapAdd(screen.x, scene.m_fScroll), screen.y};
    return {feet, character.m_oBox, scene.DepthAt(feet.x, feet.y)};
}

fx32 StandingBaseLine(const Layer& layer, int32_t iSprite)
{
    const Sprite& sprite = layer.m_vSprites[iSprite];
    fx32 base = sprite.m_oBox.yMax;
    for (int32_t i = 0; i < layer.m_iNbSprites; ++i) {
        const Sprite& carrier = layer.m_vSprites[i];
        // What a picture stands on is drawn under it, or over it by no more
        // than a part of one thing is (a pump over its handle): a glow or a
        // roof drawn well over it carries nothing.
        if (carrier.m_iDepth > SCENE_DEEPEST_DEPTH && carrier.m_iDepth <= sprite.m_iDepth + PART_DEPTH_SLACK &&
            Holds(carrier.m_oBox, sprite.m_oBox))
            base = std::max(base, carrier.m_oBox.yMax);
    }
    return base;
}

bool BoxesOverlap(const SceneRect& a, const SceneRect& b, fx32 margin)
{
    return std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin) > margin &&
           std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin) > margin;
}

} // namespace TestSupport
