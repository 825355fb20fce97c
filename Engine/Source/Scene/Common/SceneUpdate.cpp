#include "Adventure/Common/Scriptable.h"
#include "Log/CoreLog.h"
#include "Maths/CoreFxDivide.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneInterfaceLink.h"

#include <iterator>

namespace {

using CoreFx::Div;
using CoreFx::Mul;

constexpr fx32 FX = FX32_ONE;
// A pointer ray must descend by more than this to meet the floor.
constexpr int64_t MIN_RAY_DESCENT = 100 * FX;
// Where a ray that never meets the floor sends the walk target.
constexpr fx32 FAR_WALK_DISTANCE = 5000 * FX;
// The fx32 value of the square root of one half.
constexpr fx32 HALF_ROOT = 0xB50;

struct DirectionPair {
    fx32 c;
    fx32 s;
};

// Direction codes 1..8 round the compass; 9 (and any other) straight down.
constexpr DirectionPair DIRECTIONS[] = {
    {0, 0},
    {FX, 0},
    {HALF_ROOT, -HALF_ROOT},
    {0, -FX},
    {-HALF_ROOT, -HALF_ROOT},
    {-FX, 0},
    {-HALF_ROOT, HALF_ROOT},
    {0, FX},
    {HALF_ROOT, HALF_ROOT},
    {0, 0},
};

} // namespace

bool Scene::Prepare()
{
    m_fRegionDepthStep = m_iNumCharacters > 0 ? Div(m_fRegionDepthStep, m_iNumCharacters * FX) : 0;
    m_fScroll = 0;
    UpdateScrollRatio();
    PickUnderCursor();
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        m_apCharacters[i]->UpdateTransform(m_oCamera, m_fScroll);
    InitializeScroll();
    UpdateCharacterDepths();
    return true;
}

void Scene::UpdateLayers(uint32_t dtMs)
{
    TouchCharacter characters[MAX_ACTORS];
    for (int32_t i = 0; i < m_iNumCharacters; ++i) {
        const CoreFxVec screen = m_apCharacters[i]->GetScreenPosition();
        characters[i] = {m_apActors[i].get(), screen.x, screen.y};
    }
    TouchScene touch;
    touch.m_sName = m_sName;
    touch.m_iScrollX = m_fScroll;
    touch.m_pCharacters = characters;
    touch.m_iNbCharacters = static_cast<uint32_t>(m_iNumCharacters);
    for (int32_t i = 0; i < m_iNumLayers; ++i)
        m_vLayers[i].Update(dtMs, touch);
}

void Scene::Update(uint32_t dtMs)
{
    SceneInterfaceLink& link = GetSceneInterfaceLink();
    link.UpdateMenu(dtMs);
    UpdateLayers(dtMs);
    UpdateHighlights(s_bHighlightAll && m_iInputState != INPUT_STATE_TALK);
    HandleInputs(dtMs);
    link.UpdateTalkScreen(dtMs);
    m_oCursor.Update(dtMs);
    UpdateSurroundings();
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        m_apCharacters[i]->Update(dtMs);
    PickUnderCursor();
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        m_apCharacters[i]->UpdateTransform(m_oCamera, m_fScroll);
    if (m_iInputState == INPUT_STATE_FOLLOW) {
        if (SceneCharacter* active = GetActiveCharacter())
            active->HeadFor(m_vWalkTarget);
    }
    UpdateCharacterDepths();
    UpdateScroll(dtMs);
}

void Scene::PickUnderCursor()
{
    const SceneCharacter* active = GetActiveCharacter();
    const fx32 height = active ? active->GetFeetPosition().z : 0;
    CoreFxVec nearPoint {};
    CoreFxVec farPoint {};
    if (m_oCamera.UnprojectScreenPoint(m_oPointerTarget.x, m_oPointerTarget.y, nearPoint, farPoint) == -1)
        CorePrint(&g_oCoreLog, "Unproject returned -1\n");

    if (static_cast<int64_t>(nearPoint.z) > static_cast<int64_t>(farPoint.z) + MIN_RAY_DESCENT) {
        if (m_iInputState == INPUT_STATE_WALK) {
            WalkMeshRay ray {nearPoint, {farPoint.x - nearPoint.x, farPoint.y - nearPoint.y, farPoint.z - nearPoint.z}};
            CoreFxVec::Normalize(ray.m_vDirection, ray.m_vDirection);
            CoreFxVec hit {};
            m_bWalkTargetPicked = m_oWalkMesh.RayCast(ray, hit);
            if (m_bWalkTargetPicked)
                m_vWalkTarget = hit;
        } else if (m_iInputState == INPUT_STATE_FOLLOW) {
            const fx32 t = Div(nearPoint.z - height, nearPoint.z - farPoint.z);
            m_vWalkTarget.x = nearPoint.x + Mul(farPoint.x - nearPoint.x, t);
            m_vWalkTarget.y = nearPoint.y + Mul(farPoint.y - nearPoint.y, t);
            m_vWalkTarget.z = height;
        }
        return;
    }
    // A ray along the floor meets it nowhere near: send the walk target far
    // out the way it points.
    const CoreFxVec& eye = m_oCamera.m_vEye;
    CoreFxVec direction {farPoint.x - eye.x, farPoint.y - eye.y, farPoint.z - eye.z};
    CoreFxVec::Normalize(direction, direction);
    m_vWalkTarget = {Mul(FAR_WALK_DISTANCE, direction.x), Mul(FAR_WALK_DISTANCE, direction.y), height};
    m_bWalkTargetPicked = true;
}

fx32 Scene::DepthAt(fx32 x, fx32 y) const
{
    const Layer* main = GetMainLayer();
    bool inRegion = false;
    fx32 depth = 0;
    for (int32_t r = 0; main && r < main->m_iNbRegions; ++r) {
        const Region& region = main->m_vRegions[r];
        if (region.Contains(x, y, 0) && (!inRegion || region.m_iDepth < depth)) {
            depth = region.m_iDepth;
            inRegion = true;
        }
    }
    return inRegion ? depth : m_fNoRegionLayer;
}

void Scene::UpdateCharacterDepths()
{
    for (int32_t i = 0; i < m_iNumCharacters; ++i) {
        SceneCharacter& character = *m_apCharacters[i];
        if (!character.IsVisible())
            continue;
        const CoreFxVec screen = character.GetScreenPosition();
        character.m_iDepth = DepthAt(CoreFx::WrapAdd(screen.x, m_fScroll), screen.y);
    }
}

void Scene::SetActiveCharacter(uint32_t uActorId)
{
    m_iActiveCharacter = -1;
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        if (m_aCharacterIds[i] == uActorId) {
            m_iActiveCharacter = i;
            break;
        }
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        m_apCharacters[i]->SetForceWalk(i != m_iActiveCharacter);
}

void Scene::SelectCharacter(uint32_t uActorId)
{
    int32_t selected = -1;
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        if (m_aCharacterIds[i] == uActorId) {
            selected = i;
            break;
        }
    if (selected == m_iSelectedCharacter)
        return;
    m_iSelectedCharacter = selected;
    m_iScrollMode = SCROLL_PUSH;
    m_bFollowOnSettle = 1;
    m_fScrollTarget = m_fScroll;
}

SceneCharacter* Scene::GetActiveCharacter() const
{
    return m_iActiveCharacter >= 0 && m_iActiveCharacter < m_iNumCharacters ? m_apCharacters[m_iActiveCharacter].get()
                                                                            : nullptr;
}

SceneCharacter* Scene::GetSelectedCharacter() const
{
    return m_iSelectedCharacter >= 0 && m_iSelectedCharacter < m_iNumCharacters
               ? m_apCharacters[m_iSelectedCharacter].get()
               : nullptr;
}

void Scene::DirectionToVector(int32_t iCode)
{
    CoreFxVec forward {m_oCamera.m_vTarget.x - m_oCamera.m_vEye.x, m_oCamera.m_vTarget.y - m_oCamera.m_vEye.y,
                       m_oCamera.m_vTarget.z - m_oCamera.m_vEye.z};
    CoreFxVec::Normalize(forward, forward);
    const int32_t count = static_cast<int32_t>(std::size(DIRECTIONS));
    const DirectionPair pair = iCode > 0 && iCode < count ? DIRECTIONS[iCode] : DIRECTIONS[count - 1];
    CoreFxVec direction {(Mul(pair.c, forward.x) - Mul(pair.s, forward.y)) / 4,
                         (Mul(pair.s, forward.x) + Mul(pair.c, forward.y)) / 4, -FX};
    CoreFxVec::Normalize(direction, m_vShadowDirection);
}
