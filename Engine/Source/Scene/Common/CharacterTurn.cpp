// Facing, turning and the character's box on the screen.
#include "3D/Common/Camera.h"
#include "Common/AnimationIds.h"
#include "Error/EngineAssert.h"
#include "Maths/CoreMath.h"
#include "Scene/Common/Character.h"
#include "fx32/fx_trig.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr fx32 PI = 12868;
constexpr fx32 TWO_PI = 25736;
// Angles closer than this are already reached.
constexpr fx32 TURN_TOLERANCE = 7;
constexpr fx32 TURN_SPEED = 0x8000;

// The fx32 angle in 0..2 pi of a facing (sine, cosine).
fx32 AngleOf(fx32 sine, fx32 cosine)
{
    const double c = std::clamp(static_cast<double>(cosine) / FX32_ONE, -1.0, 1.0);
    const fx32 angle = CoreFx::RoundHalfAwayFromZero(static_cast<float>(std::acos(c) * FX32_ONE));
    return sine < 0 ? TWO_PI - angle : angle;
}

} // namespace

fx32 Character::GetAngle() const
{
    return AngleOf(m_iFacingX, m_iFacingY);
}

void Character::SetFacingFromAngle(fx32 angle)
{
    const uint16_t index = FX_RadToIdx(angle);
    m_iFacingX = FX_SinIdx(index);
    m_iFacingY = FX_CosIdx(index);
}

void Character::RotateTo(const CoreFxVec& direction, fx32 fAngularSpeed)
{
    if (direction.x == 0 && direction.y == 0 && direction.z == 0)
        return;
    ENGINE_ASSERT_MSG(fAngularSpeed >= 0, "Angular speed must be >= 0\n");
    CoreFxVec unit {};
    CoreFxVec::Normalize({direction.x, direction.y, 0}, unit);
    if (unit.x == 0 && unit.y == 0)
        return;
    const fx32 current = GetAngle();
    fx32 target = AngleOf(unit.x, unit.y);
    // The shorter way round.
    if (target - current > PI)
        target -= TWO_PI;
    else if (current - target > PI)
        target += TWO_PI;
    const fx32 difference = target - current;
    if (fAngularSpeed > 0 && (difference > TURN_TOLERANCE || difference < -TURN_TOLERANCE)) {
        m_bTurning = 1;
        m_iAngularSpeed = difference < 0 ? -fAngularSpeed : fAngularSpeed;
        m_iStartAngle = current;
        m_iTargetAngle = target;
        m_iTurned = 0;
        int32_t animation = m_oAnimations.GetSlot(ANIMATION_TYPE_WALK);
        if (animation < 0)
            animation = m_oAnimations.GetSlot(ANIMATION_TYPE_IDLE);
        const int32_t iAnimationId = animation >= 0 ? m_oAnimations.GetEntry(animation).m_iId : ANIMATION_INVALID;
        ENGINE_ASSERT_MSG(ANIMATION_INVALID != iAnimationId,
                          "Character must have a walk or idle animation to do the 'RotateTo' action\n");
        if (animation >= 0)
            StartLooping(animation);
        return;
    }
    m_iFacingX = unit.x;
    m_iFacingY = unit.y;
    m_bTurning = 0;
}

void Character::UpdateRotation(uint32_t dtMs)
{
    if (!m_bTurning)
        return;
    const fx32 t = static_cast<fx32>(static_cast<int64_t>(dtMs) * FX32_ONE / 1000);
    m_iTurned += CoreFx::Mul(m_iAngularSpeed, t);
    const fx32 total = std::abs(m_iTargetAngle - m_iStartAngle);
    if (std::abs(m_iTurned) >= total) {
        SetFacingFromAngle(m_iTargetAngle);
        m_bTurning = 0;
        return;
    }
    SetFacingFromAngle(m_iStartAngle + m_iTurned);
}

void Character::SetDirection(fx32 angle)
{
    m_bTurning = 0;
    SetFacingFromAngle(PI - angle);
}

void Character::TurnToAngle(fx32 angle)
{
    const uint16_t index = FX_RadToIdx(PI - angle);
    RotateTo({FX_SinIdx(index), FX_CosIdx(index), 0}, TURN_SPEED);
}

void Character::UpdateTransform(const Camera& camera, fx32 scroll)
{
    const CoreFxVec feet = GetFeetPosition();
    m_vScreenPosition = camera.ProjectToScreen(feet);
    CoreFxVec d {};
    CoreFxVec::Normalize({camera.m_vEye.x - feet.x, camera.m_vEye.y - feet.y, 0}, d);
    const CoreFxVec side {d.y, -d.x, 0};
    const fx32 sx = CoreFx::Mul(side.x, m_iBoxHalfWidth);
    const fx32 sy = CoreFx::Mul(side.y, m_iBoxHalfWidth);
    const CoreFxVec a = camera.ProjectToScreen({feet.x + sx, feet.y + sy, feet.z});
    const CoreFxVec b = camera.ProjectToScreen({feet.x - sx, feet.y - sy, feet.z + m_iBoxHeight});
    m_oBox.xMin = std::min(a.x, b.x) + scroll;
    m_oBox.xMax = std::max(a.x, b.x) + scroll;
    m_oBox.yMin = std::min(a.y, b.y) - m_iBoxOffset;
    m_oBox.yMax = std::max(a.y, b.y) - m_iBoxOffset;
    m_oPulse.m_oPosition.x = m_oBox.xMin + (m_oBox.xMax - m_oBox.xMin) / 2;
    m_oPulse.m_oPosition.y = m_oBox.yMin + (m_oBox.yMax - m_oBox.yMin) / 2;
}

void Character::StopMoving()
{
    m_bWalking = 0;
    m_bRunning = 0;
    m_bTurning = 0;
    m_bFollowingPath = 0;
    m_iSpeed = 0;
}
