#include "Scene/Common/Character.h"

#include "3D/Common/Camera.h"
#include "Error/EngineAssert.h"
#include "Adventure/Common/Scriptable.h"
#include "Maths/CoreFxDivide.h"

namespace {

constexpr fx32 ARRIVAL_DISTANCE = 0x5000;
constexpr fx32 LOOK_AHEAD_DISTANCE = 50 * FX32_ONE;
constexpr fx32 TURN_SPEED = 0x8000;

fx32 Length2D(fx32 x, fx32 y)
{
    return CoreFxVec::Length({x, y, 0});
}

} // namespace

Character::Character(uint32_t uActorId) : m_uActorId(uActorId)
{
    m_oPulse.m_bActive = 0;
}

void Character::SetPosition(const CoreFxVec& position)
{
    m_vPosition = position;
    m_vPreviousPosition = position;
    m_vCorrectedPosition = position;
    if (const WalkMesh* mesh = GetWalkMesh()) {
        int32_t triangle = INVALID_TRIANGLE;
        fx32 height = position.z;
        if (WalkMesh::FindTriangle(position, mesh->m_pTriangles.get(), mesh->m_iNumTriangles, &height, &triangle)) {
            m_uTriangle = static_cast<uint8_t>(triangle);
            m_vPosition.z = height;
            m_vCorrectedPosition.z = height;
        }
    }
}

void Character::Update(uint32_t dtMs)
{
    SceneObject::Update(dtMs);
    if (dtMs != 0) {
        UpdateAnimation(dtMs);
        UpdateMovement(dtMs);
        UpdateRotation(dtMs);
        UpdateRootMotion();
        ApplyMoveOffset();
    }
    StartFollowUpAnimation();
    ApplyPendingTransform();
}

void Character::StartFollowUpAnimation()
{
    if (!m_bWalking || m_bHeld) {
        const int32_t idle = m_oAnimations.GetSlot(ANIMATION_TYPE_IDLE);
        if (!m_oAnimations.m_bKeep && idle >= 0)
            StartLooping(idle);
        return;
    }
    const int32_t walk = m_oAnimations.GetSlot(m_bRunning ? ANIMATION_TYPE_RUN : ANIMATION_TYPE_WALK);
    if (walk >= 0)
        StartLooping(walk);
    m_oAnimations.m_bKeep = 0;
}

void Character::HeadFor(const CoreFxVec& target)
{
    m_bFollowingPath = 0;
    m_bWalking = 1;
    m_vLookAhead = target;
}

bool Character::MoveToWithPath(const CoreFxVec& destination, int32_t iIntermediatePointsNumber,
                               const CoreFxVec* pPoints)
{
    ENGINE_ASSERT(MAX_INTERMEDIATE_POINTS >= static_cast<unsigned int>(iIntermediatePointsNumber));
    const WalkMesh* mesh = GetWalkMesh();
    if (!mesh || iIntermediatePointsNumber < 0 || iIntermediatePointsNumber > MAX_INTERMEDIATE_POINTS)
        return false;
    // Legs are appended over the previous leg's last point, which is the next
    // one's start; a path that would outgrow the store is refused whole.
    CoreFxVec path[MAX_WALK_PATH_POINTS];
    int32_t numPoints = 1;
    path[0] = m_vPosition;
    for (int32_t leg = 0; leg <= iIntermediatePointsNumber; ++leg) {
        const CoreFxVec& to = leg < iIntermediatePointsNumber ? pPoints[leg] : destination;
        const int32_t segments =
            mesh->ComputePathChunk(path[numPoints - 1], to, path + numPoints - 1, MAX_WALK_PATH_POINTS - numPoints + 1);
        if (segments == 0)
            return false;
        numPoints += segments;
    }
    m_vDestination = destination;
    for (int32_t i = 0; i < numPoints; ++i)
        m_avPath[i] = path[i];
    m_iNumPoints = numPoints;
    m_bFollowingPath = 1;
    m_bWalking = 1;
    m_iCovered = LOOK_AHEAD_DISTANCE;
    m_iSegment = 0;
    SimplifyPath();
    ComputePathLengths();
    if (m_iNumPoints > 1 && !(m_iNumPoints == 2 && m_aiLengths[0] < ARRIVAL_DISTANCE)) {
        const CoreFxVec direction {m_avPath[1].x - m_avPath[0].x, m_avPath[1].y - m_avPath[0].y, 0};
        RotateTo(direction, TURN_SPEED);
    }
    return true;
}

void Character::SimplifyPath()
{
    const WalkMesh* mesh = GetWalkMesh();
    int32_t kept = 1;
    int32_t from = 0;
    while (from < m_iNumPoints - 1) {
        // The next point is always taken, even behind a wall edge, so that
        // a mesh whose neighbouring centres do not see each other still
        // gives a path.
        int32_t reached = from + 1;
        CoreFxVec edge {};
        while (reached + 1 < m_iNumPoints && !mesh->IsSegmentCrossingEdge(m_avPath[from], m_avPath[reached + 1], edge))
            ++reached;
        m_avPath[kept++] = m_avPath[reached];
        from = reached;
    }
    m_iNumPoints = kept;
}

void Character::ComputePathLengths()
{
    m_iRemaining = 0;
    for (int32_t i = 0; i + 1 < m_iNumPoints; ++i) {
        m_aiLengths[i] = CoreFxVec::Distance(m_avPath[i], m_avPath[i + 1]);
        m_iRemaining += m_aiLengths[i];
    }
}

void Character::AdvanceAlongPath(uint32_t dtMs)
{
    if (!m_bFollowingPath || m_iNumPoints < 2)
        return;
    const fx32 step = static_cast<fx32>(static_cast<int64_t>(m_iWalkSpeed) * dtMs / 1000);
    const int32_t last = m_iNumPoints - 2;
    for (;;) {
        m_iCovered += step;
        m_iRemaining = m_iRemaining - step < 0 ? 0 : m_iRemaining - step;
        while (m_iCovered > m_aiLengths[m_iSegment] && m_iSegment < last)
            m_iCovered -= m_aiLengths[m_iSegment++];
        if (m_iCovered >= m_aiLengths[m_iSegment]) {
            m_vLookAhead = m_vDestination;
            return;
        }
        const CoreFxVec& a = m_avPath[m_iSegment];
        const CoreFxVec& b = m_avPath[m_iSegment + 1];
        const fx32 share = CoreFx::Div(m_iCovered, m_aiLengths[m_iSegment]);
        m_vLookAhead = {a.x + CoreFx::Mul(share, b.x - a.x), a.y + CoreFx::Mul(share, b.y - a.y), a.z};
        m_bWalking = 1;
        // Without a step (a very short frame) the look-ahead cannot move on.
        if (step <= 0 ||
            Length2D(m_vLookAhead.x - m_vPosition.x, m_vLookAhead.y - m_vPosition.y) >= LOOK_AHEAD_DISTANCE)
            return;
    }
}

fx32 Character::ComputeSpeed(fx32 remaining, uint32_t dtMs) const
{
    const fx32 t = static_cast<fx32>(static_cast<int64_t>(dtMs) * FX32_ONE / 1000);
    fx32 v = m_iSpeed;
    if (remaining < 15 * FX32_ONE) {
        v = v - CoreFx::Mul(30 * FX32_ONE, t);
        v = v < 0 ? 0 : v;
    } else if (v <= m_iWalkSpeed && (remaining < 350 * FX32_ONE || m_bForceWalk)) {
        v = v + CoreFx::Mul(300 * FX32_ONE, t);
        v = v > m_iWalkSpeed ? m_iWalkSpeed : v;
    }
    if (remaining <= 350 * FX32_ONE || m_bForceWalk) {
        if (m_iSpeed > m_iWalkSpeed) {
            v = v - CoreFx::Mul(100 * FX32_ONE, t);
            v = v < m_iWalkSpeed ? m_iWalkSpeed : v;
        }
    } else {
        v = v + CoreFx::Mul(400 * FX32_ONE, t);
        v = v > m_iRunSpeed ? m_iRunSpeed : v;
    }
    return v;
}

fx32 Character::SelectSpeed(fx32 distance, uint32_t dtMs)
{
    if (m_bFollowingPath)
        return ComputeSpeed(m_iRemaining, dtMs);
    if (m_bSpeedRequest) {
        const bool run = m_bRunRequest && !m_bForceWalk;
        m_bSpeedRequest = 0;
        m_bRunRequest = 0;
        return run ? m_iRunSpeed : m_iWalkSpeed;
    }
    return ComputeSpeed(distance, dtMs);
}

void Character::UpdateMovement(uint32_t dtMs)
{
    m_vPreviousPosition = m_vPosition;
    AdvanceAlongPath(dtMs);
    const WalkMesh* mesh = GetWalkMesh();
    bool slid = false;
    if (m_bWalking && !m_bHeld && mesh) {
        CoreFxVec d {m_vLookAhead.x - m_vPosition.x, m_vLookAhead.y - m_vPosition.y, 0};
        if (m_uTriangle != INVALID_TRIANGLE)
            mesh->ProjectOnTrianglePlane(m_uTriangle, d);
        const fx32 length = CoreFxVec::Length(d);
        fx32 speed = 0;
        if (length > ARRIVAL_DISTANCE)
            speed = SelectSpeed(length, dtMs);
        if (speed > 0) {
            m_iSpeed = speed;
            m_bRunning = speed > m_iWalkSpeed;
            const fx32 flat = Length2D(d.x, d.y);
            if (!m_bTurning && flat > 0) {
                m_iFacingX = CoreFx::Div(d.x, flat);
                m_iFacingY = CoreFx::Div(d.y, flat);
            }
            const fx32 step = static_cast<fx32>(static_cast<uint64_t>(static_cast<uint32_t>(speed)) * dtMs / 1000);
            m_vPosition.x += CoreFx::Div(CoreFx::Mul(step, d.x), length);
            m_vPosition.y += CoreFx::Div(CoreFx::Mul(step, d.y), length);
            slid = StayOnWalkMesh(dtMs);
        } else {
            m_bWalking = 0;
        }
    }
    const fx32 moved = CoreFxVec::Distance(m_vPreviousPosition, m_vPosition);
    m_iSpeed = static_cast<fx32>(static_cast<int64_t>(moved) * 1000 / dtMs);
    if (m_iSpeed <= FX32_ONE && slid)
        m_bWalking = 0;

    bool putBack = false;
    if (m_pSurroundings && m_pSurroundings->m_pSelected == this && mesh) {
        CoreFxVec tangent {};
        if (CheckCollision(tangent)) {
            if (tangent.x == 0 && tangent.y == 0 && tangent.z == 0) {
                putBack = true;
            } else {
                // The tangent turned to point along the movement.
                const CoreFxVec m {m_vPosition.x - m_vPreviousPosition.x, m_vPosition.y - m_vPreviousPosition.y, 0};
                if (CoreFxVec::Dot(tangent, m) < 0)
                    tangent = {-tangent.x, -tangent.y, 0};
                CoreFxVec slide {};
                CoreFxVec::MultAdd(CoreFxVec::Length(m), tangent, m_vPreviousPosition, slide);
                m_vPosition = {slide.x, slide.y, m_vPosition.z};
                // Going round someone must not lead off the floor.
                int32_t triangle = INVALID_TRIANGLE;
                if (WalkMesh::FindTriangle(m_vPosition, mesh->m_pTriangles.get(), mesh->m_iNumTriangles, &m_vPosition.z,
                                           &triangle))
                    m_uTriangle = static_cast<uint8_t>(triangle);
                else
                    putBack = true;
            }
        }
        if (!putBack && mesh->IsInActiveBlocker(m_vPosition))
            putBack = true;
        if (putBack) {
            m_vPosition = m_vPreviousPosition;
            m_bWalking = 0;
        }
    }
    if (!m_bWalking) {
        if (m_bFollowingPath && !putBack &&
            Length2D(m_vDestination.x - m_vPosition.x, m_vDestination.y - m_vPosition.y) < ARRIVAL_DISTANCE)
            m_vPosition = m_vDestination;
        m_iSpeed = 0;
        m_bFollowingPath = 0;
    }
}

bool Character::StayOnWalkMesh(uint32_t dtMs)
{
    const WalkMesh& mesh = *GetWalkMesh();
    int32_t triangle = INVALID_TRIANGLE;
    fx32 height = 0;
    if (WalkMesh::FindTriangle(m_vPosition, mesh.m_pTriangles.get(), mesh.m_iNumTriangles, &height, &triangle)) {
        m_uTriangle = static_cast<uint8_t>(triangle);
        m_vPosition.z = height;
        return false;
    }
    const CoreFxVec beyond {2 * m_vPosition.x - m_vPreviousPosition.x, 2 * m_vPosition.y - m_vPreviousPosition.y,
                            2 * m_vPosition.z - m_vPreviousPosition.z};
    CoreFxVec edge {};
    if (mesh.IsSegmentCrossingEdge(m_vPreviousPosition, beyond, edge) && SlideAlong(edge, dtMs)) {
        m_vSlideEdge = edge;
        return true;
    }
    if (!SlideAlong(m_vSlideEdge, dtMs)) {
        m_vPosition = m_vPreviousPosition;
        m_bWalking = 0;
        m_bFollowingPath = 0;
    }
    return true;
}

bool Character::SlideAlong(const CoreFxVec& edge, uint32_t dtMs)
{
    const WalkMesh& mesh = *GetWalkMesh();
    const fx32 share = ComputeTurnStep(edge, dtMs);
    const fx32 step = static_cast<fx32>(static_cast<int64_t>(m_iSpeed) * dtMs / 1000);
    CoreFxVec position {m_vPreviousPosition.x + CoreFx::Mul(CoreFx::Mul(edge.x, share), step),
                        m_vPreviousPosition.y + CoreFx::Mul(CoreFx::Mul(edge.y, share), step), m_vPosition.z};
    int32_t triangle = INVALID_TRIANGLE;
    fx32 height = 0;
    if (!WalkMesh::FindTriangle(position, mesh.m_pTriangles.get(), mesh.m_iNumTriangles, &height, &triangle))
        return false;
    m_vPosition = {position.x, position.y, height};
    m_uTriangle = static_cast<uint8_t>(triangle);
    return true;
}

fx32 Character::ComputeTurnStep(const CoreFxVec& edge, uint32_t dtMs) const
{
    const fx32 step = static_cast<fx32>(static_cast<int64_t>(m_iSpeed) * dtMs / 1000);
    if (step == 0)
        return 0;
    const CoreFxVec toward {m_vLookAhead.x - m_vPosition.x, m_vLookAhead.y - m_vPosition.y,
                            m_vLookAhead.z - m_vPosition.z};
    fx32 share = CoreFx::Div(CoreFxVec::Dot(toward, edge), step);
    share = share < 0 ? -share : share;
    share = share > FX32_ONE ? FX32_ONE : share;
    const int64_t facing = static_cast<int64_t>(m_iFacingX) * edge.x + static_cast<int64_t>(m_iFacingY) * edge.y;
    return facing <= 0 ? -share : share;
}

bool Character::CheckCollision(CoreFxVec& tangent) const
{
    tangent = {0, 0, 0};
    if (!m_bCollision || !m_pSurroundings)
        return false;
    const CoreFxVec m {m_vPosition.x - m_vPreviousPosition.x, m_vPosition.y - m_vPreviousPosition.y,
                       m_vPosition.z - m_vPreviousPosition.z};
    bool found = false;
    for (int32_t i = 0; i < m_pSurroundings->m_iNumCharacters; ++i) {
        const Character* other = m_pSurroundings->m_ppCharacters[i];
        if (!other || other == this || !other->m_bShown ||
            (other->m_pScriptable && !other->m_pScriptable->IsInteractive()))
            continue;
        const CoreFxVec v {other->m_vPosition.x - m_vPosition.x, other->m_vPosition.y - m_vPosition.y,
                           other->m_vPosition.z - m_vPosition.z};
        if (CoreFxVec::Length(v) >= m_iRadius + other->m_iRadius || CoreFxVec::Dot(v, m) <= 0)
            continue;
        if (found) {
            tangent = {0, 0, 0};
        } else {
            CoreFxVec::Normalize({-v.y, v.x, 0}, tangent);
        }
        found = true;
    }
    return found;
}
