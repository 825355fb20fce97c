#include "Support/StandingFigures.h"

#include "3D/Common/Camera.h"
#include "Maths/Fx32.h"
#include "Mesh/CoreMesh.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/Scene.h"

#include <algorithm>
#include <cmath>

namespace TestSupport {

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

fx32 SidewaysOverlap(const SceneRect& first, const SceneRect& second)
{
    if (std::min(first.yMax, second.yMax) <= std::max(first.yMin, second.yMin))
        return 0;
    return std::max(0, std::min(first.xMax, second.xMax) - std::max(first.xMin, second.xMin));
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

bool Faces(fx32 orientation, const CoreFxVec& from, const CoreFxVec& to)
{
    // A character turned to angle a looks along (sin a, -cos a) on the floor.
    const double angle = static_cast<double>(orientation) / FX32_ONE;
    const double dx = static_cast<double>(to.x - from.x);
    const double dy = static_cast<double>(to.y - from.y);
    return std::sin(angle) * dx - std::cos(angle) * dy > 0.0;
}

} // namespace TestSupport
