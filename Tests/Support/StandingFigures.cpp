#include "Support/StandingFigures.h"

#include "3D/Common/Camera.h"
#include "Maths/Fx32.h"
#include "Mesh/CoreMesh.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/Layer.h"
#include "Scene/Common/Scene.h"
#include "Scripts/Common/ActorScript.h"

#include <algorithm>
#include <cmath>

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

// How far the two boxes share their width and their height; negative when
// they are apart that way.
fx32 SharedWidth(const SceneRect& a, const SceneRect& b)
{
    return std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin);
}

fx32 SharedHeight(const SceneRect& a, const SceneRect& b)
{
    return std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin);
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

FigureSize FigureSizeOf(const SceneCharacter& character)
{
    const auto* figure = dynamic_cast<const Character*>(&character);
    const CoreMesh* mesh = figure && figure->GetBody() ? figure->GetBody()->GetMesh() : nullptr;
    if (!mesh || !mesh->m_pMesh)
        return {};
    // The figures are built upright along z, their feet at the origin.
    float top = 0.0f;
    float half = 0.0f;
    const Platform::MeshVertex* vertices = mesh->m_pMesh->GetVertices();
    for (uint32_t i = 0; i < mesh->m_pMesh->GetNumVertices(); ++i) {
        top = std::max(top, vertices[i].position.z);
        half = std::max(half, std::fabs(vertices[i].position.x));
    }
    return {static_cast<fx32>(top * FX32_ONE), static_cast<fx32>(half * FX32_ONE)};
}

SceneRect FigureBoxAt(const Scene& scene, const FigureSize& size, const CoreFxVec& feet)
{
    // As a character's picking box is made: across the line of sight.
    const Camera& camera = scene.m_oCamera;
    CoreFxVec towardEye {};
    CoreFxVec::Normalize({camera.m_vEye.x - feet.x, camera.m_vEye.y - feet.y, 0}, towardEye);
    const fx32 sx = CoreFx::Mul(towardEye.y, size.halfWidth);
    const fx32 sy = CoreFx::Mul(-towardEye.x, size.halfWidth);
    const CoreFxVec a = camera.ProjectToScreen({feet.x + sx, feet.y + sy, feet.z});
    const CoreFxVec b = camera.ProjectToScreen({feet.x - sx, feet.y - sy, feet.z + size.height});
    return {std::min(a.x, b.x) + scene.m_fScroll, std::min(a.y, b.y), std::max(a.x, b.x) + scene.m_fScroll,
            std::max(a.y, b.y)};
}

bool BoxesOverlap(const SceneRect& a, const SceneRect& b, fx32 margin)
{
    return SharedWidth(a, b) > margin && SharedHeight(a, b) > margin;
}

fx32 SidewaysOverlap(const SceneRect& first, const SceneRect& second)
{
    if (SharedHeight(first, second) <= 0)
        return 0;
    return std::max(0, SharedWidth(first, second));
}

fx32 HandWidthBeside(const SceneRect& figure)
{
    return (figure.yMax - figure.yMin) / 12;
}

std::string EdgesCrossed(const Scene& scene, const SceneRect& box)
{
    std::string edges;
    const auto add = [&edges](bool crossed, const char* edge) {
        if (crossed)
            edges += (edges.empty() ? "" : ", ") + std::string(edge);
    };
    add(box.xMin < 0, "left");
    add(box.xMax > scene.m_oMainLayerSize.x, "right");
    add(box.yMin < 0, "top");
    add(box.yMax > scene.m_oMainLayerSize.y, "bottom");
    return edges;
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

bool Faces(fx32 orientation, const CoreFxVec& from, const CoreFxVec& to)
{
    // A character turned to angle a looks along (sin a, -cos a) on the floor.
    const double angle = static_cast<double>(orientation) / FX32_ONE;
    const double dx = static_cast<double>(to.x - from.x);
    const double dy = static_cast<double>(to.y - from.y);
    return std::sin(angle) * dx - std::cos(angle) * dy > 0.0;
}

} // namespace TestSupport
