#include "Error/EngineAssert.h"
#include "Scene/Common/TwAnimation.h"
#include "Scene/Common/TwLerp.h"

#include <algorithm>

namespace {

// The two keys around a time and how far between them it lies.
struct Segment {
    const int32_t* pPrev = nullptr;
    const int32_t* pNext = nullptr;
    fx32 ratio = 0;
};

// The controller the getters read, when it holds values of `words` words per
// key and at least one key.
const TwAnimationCtrl* FindCtrl(const TwAnimation& animation, uint32_t words)
{
    const TwAnimationCtrl* pCtrl = animation.GetValueCtrl();
    if (!pCtrl)
        return nullptr;
    ENGINE_ASSERT(pCtrl->m_iNbKeys>0);
    if (pCtrl->m_iNbKeys == 0 || pCtrl->m_iValueWords != words)
        return nullptr;
    return pCtrl;
}

// At a key's exact time the segment is the one ending at that key. A single
// key is its own segment.
Segment FindSegment(const TwAnimation& animation, const TwAnimationCtrl& ctrl, uint32_t time)
{
    const uint32_t count = ctrl.m_iNbKeys;
    const std::vector<uint32_t>& times = ctrl.m_vTimes;
    Segment segment;
    if (count == 1) {
        segment.pPrev = segment.pNext = ctrl.GetValue(0);
        return segment;
    }
    // A looping animation of length 0 has nothing to wrap on: it clamps.
    const uint32_t t =
        animation.Loops() && animation.m_iLength != 0 ? time % animation.m_iLength : std::min(time, times[count - 1]);

    // The last key whose time is below t, key 0 when none is.
    uint32_t lo = 0;
    uint32_t hi = count;
    uint32_t mid = count / 2;
    while (mid != lo) {
        if (times[mid] < t)
            lo = mid;
        else
            hi = mid;
        mid = (lo + hi) / 2;
    }
    uint32_t prev = lo;
    uint32_t next = lo + 1;
    int64_t deltaTime;
    int64_t elapsed;
    if (next == count) {
        // Past the last key of a looping animation: back to key 0 across the loop.
        prev = count - 1;
        next = 0;
        deltaTime = int64_t(animation.m_iLength) - times[prev] + times[0];
    } else {
        deltaTime = int64_t(times[next]) - times[prev];
    }
    elapsed = int64_t(t) - times[prev];
    ENGINE_ASSERT_MSG(deltaTime != 0, "TwAnimation cannot handle deltatime of 0 between 2 frames\n");
    segment.pPrev = ctrl.GetValue(prev);
    segment.pNext = ctrl.GetValue(next);
    segment.ratio = deltaTime == 0 ? 0 : CheckLerpRatio(elapsed * FX32_ONE / deltaTime);
    return segment;
}

void Unpack(uint8_t (&bytes)[4], int32_t word)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(static_cast<uint32_t>(word) >> (8 * i));
}

} // namespace

void TwAnimation::GetValue(uint32_t& value, uint32_t time) const
{
    const TwAnimationCtrl* pCtrl = FindCtrl(*this, 1);
    if (!pCtrl)
        return;
    const Segment segment = FindSegment(*this, *pCtrl, time);
    if (pCtrl->m_iNbKeys == 1)
        value = static_cast<uint32_t>(*segment.pPrev);
    else if (pCtrl->m_iFlags & CTRL_INTERPOLATE_LINEAR)
        value = static_cast<uint32_t>(Lerp(*segment.pPrev, *segment.pNext, segment.ratio));
    else if (pCtrl->m_iFlags & CTRL_INTERPOLATE_STEP)
        value = static_cast<uint32_t>(*segment.pPrev);
}

void TwAnimation::GetValue(fx32 (&value)[2], uint32_t time) const
{
    const TwAnimationCtrl* pCtrl = FindCtrl(*this, 2);
    if (!pCtrl)
        return;
    const Segment segment = FindSegment(*this, *pCtrl, time);
    const fx32 prev[2] = {segment.pPrev[0], segment.pPrev[1]};
    const fx32 next[2] = {segment.pNext[0], segment.pNext[1]};
    if (pCtrl->m_iNbKeys > 1 && (pCtrl->m_iFlags & CTRL_INTERPOLATE_LINEAR))
        Lerp(value, prev, next, segment.ratio);
    else if (pCtrl->m_iNbKeys == 1 || (pCtrl->m_iFlags & CTRL_INTERPOLATE_STEP))
        std::copy(prev, prev + 2, value);
}

void TwAnimation::GetValue(uint8_t (&value)[4], uint32_t time) const
{
    const TwAnimationCtrl* pCtrl = FindCtrl(*this, 1);
    if (!pCtrl)
        return;
    const Segment segment = FindSegment(*this, *pCtrl, time);
    uint8_t prev[4];
    uint8_t next[4];
    Unpack(prev, *segment.pPrev);
    Unpack(next, *segment.pNext);
    if (pCtrl->m_iNbKeys > 1 && (pCtrl->m_iFlags & CTRL_INTERPOLATE_LINEAR))
        Lerp(value, prev, next, segment.ratio);
    else if (pCtrl->m_iNbKeys == 1 || (pCtrl->m_iFlags & CTRL_INTERPOLATE_STEP))
        std::copy(prev, prev + 4, value);
}

// Every product is an fx32 product rounded to nearest. The tangents are per
// unit of the segment, not scaled by its duration.
void TwAnimation::GetValue_spline(fx32 (&value)[3], uint32_t time) const
{
    const TwAnimationCtrl* pCtrl = FindCtrl(*this, HERMITE_KEY_WORDS);
    if (!pCtrl)
        return;
    const Segment segment = FindSegment(*this, *pCtrl, time);
    if (pCtrl->m_iNbKeys == 1) {
        std::copy(segment.pPrev, segment.pPrev + 3, value);
        return;
    }
    using CoreFx::Mul;
    using CoreFx::WrapAdd;
    const fx32 s = segment.ratio;
    const fx32 twoS = Mul(s, 2 * FX32_ONE);
    const fx32 twoS2 = Mul(twoS, s);
    const fx32 threeS = Mul(s, 3 * FX32_ONE);
    const fx32 threeS2 = Mul(threeS, s);
    const fx32 twoS3 = Mul(twoS2, s);
    const fx32 h00 = twoS3 - threeS2 + FX32_ONE;
    const fx32 minusTwoS = static_cast<fx32>((-(int64_t(s) * 2 * FX32_ONE) + FX32_HALF) >> FX32_SHIFT);
    const fx32 h01 = Mul(Mul(minusTwoS, s), s) + threeS2;
    const fx32 s2 = Mul(s, s);
    const fx32 s3 = Mul(s2, s);
    const fx32 h10 = s3 - twoS2 + s;
    const fx32 h11 = s3 - s2;

    const int32_t* p0 = segment.pPrev;
    const int32_t* p1 = segment.pNext;
    const int32_t* outTangent = p0 + 6;
    const int32_t* inTangent = p1 + 3;
    for (int c = 0; c < 3; ++c)
        value[c] = WrapAdd(WrapAdd(Mul(p0[c], h00), Mul(p1[c], h01)),
                           WrapAdd(Mul(outTangent[c], h10), Mul(inTangent[c], h11)));
}
