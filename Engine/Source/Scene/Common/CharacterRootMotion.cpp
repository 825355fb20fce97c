// Root motion: animations that move the figure away from where the character
// stands, and the hand-over of where they leave it.
#include "Maths/CoreMatrix.h"
#include "Scene/Common/Character.h"

namespace {

// Bone id 1: the root of the skeleton.
constexpr int32_t ROOT_BONE = 1;

} // namespace

void Character::GetFacingMatrix(CoreMatrix& facing) const
{
    CoreMatrix::Identity(&facing);
    const float s = CoreFx::ToFloat(m_iFacingX);
    const float c = CoreFx::ToFloat(m_iFacingY);
    facing.m[0][0] = c;
    facing.m[0][1] = s;
    facing.m[1][0] = -s;
    facing.m[1][1] = c;
}

void Character::UpdateRootMotion()
{
    CoreMatrix bone;
    // Without a posed skeleton nothing moves the figure.
    if (!m_pBody || !m_pBody->GetBoneMatrix(GetBoneName(ROOT_BONE), bone))
        return;
    CoreMatrix facing;
    GetFacingMatrix(facing);
    CoreMatrix turned;
    CoreMatrix::Multiply(&turned, &facing, &bone);
    m_vMoveOffset = {CoreFx::FromFloat(turned.m[0][3]), CoreFx::FromFloat(turned.m[1][3]),
                     CoreFx::FromFloat(turned.m[2][3])};
    if (m_oAnimations.m_bMoving && m_bHeading) {
        // The bone's forward axis (the figure's y, which the facing turns to
        // (sine, cosine)), flattened onto the ground.
        const CoreFxVec axis = {CoreFx::FromFloat(turned.m[0][1]), CoreFx::FromFloat(turned.m[1][1]), 0};
        CoreFxVec::Normalize(axis, m_vAnimationHeading);
    }
}

void Character::ApplyMoveOffset()
{
    m_vCorrectedPosition = {m_vPosition.x + m_vMoveOffset.x, m_vPosition.y + m_vMoveOffset.y,
                            m_vPosition.z + m_vMoveOffset.z};
    if (m_vMoveOffset.x == 0 && m_vMoveOffset.y == 0 && m_vMoveOffset.z == 0)
        return;
    // The feet stay on the ground: the position's own height where nothing
    // is under them.
    const WalkMesh* mesh = GetWalkMesh();
    if (!mesh || !mesh->ProjectDown(m_vCorrectedPosition, m_vCorrectedPosition))
        m_vCorrectedPosition.z = m_vPosition.z;
}

void Character::CommitPosition()
{
    m_vPendingPosition = m_vCorrectedPosition;
    m_vPendingHeading = m_vAnimationHeading;
    m_bPending = 1;
}

void Character::ApplyPendingTransform()
{
    if (!m_oAnimations.m_bTransformHandedOver)
        return;
    m_oAnimations.m_bTransformHandedOver = 0;
    if (!m_bPending)
        return;
    m_vPosition = m_vPendingPosition;
    // An animation that gave no heading leaves the facing as it is: a zero
    // facing would turn the figure into nothing.
    if (m_vPendingHeading.x != 0 || m_vPendingHeading.y != 0) {
        m_iFacingX = m_vPendingHeading.x;
        m_iFacingY = m_vPendingHeading.y;
    }
    m_bTurning = 0;
    m_vMoveOffset = {0, 0, 0};
    m_bPending = 0;
    ApplyMoveOffset();
}
