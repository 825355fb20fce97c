#include "Scene/Common/TwAnimation.h"

#include "Error/EngineAssert.h"
#include "Scene/Common/SerialStream.h"

namespace {

// The controller record before its keys: seven words.
constexpr uint64_t CTRL_HEADER_SIZE = 28;

} // namespace

uint32_t TwAnimationCtrl::ValueWords(uint32_t flags)
{
    switch (flags) {
    case CTRL_INTERPOLATE_STEP | CTRL_TYPE_SCALAR:
    case CTRL_INTERPOLATE_LINEAR | CTRL_TYPE_SCALAR:
    case CTRL_INTERPOLATE_STEP | CTRL_TYPE_BYTES:
    case CTRL_INTERPOLATE_LINEAR | CTRL_TYPE_BYTES: return 1;
    case CTRL_INTERPOLATE_STEP | CTRL_TYPE_VECTOR2:
    case CTRL_INTERPOLATE_LINEAR | CTRL_TYPE_VECTOR2: return 2;
    case CTRL_INTERPOLATE_HERMITE | CTRL_TYPE_HERMITE: return HERMITE_KEY_WORDS;
    default: return 0;
    }
}

bool TwAnimationCtrl::Initialize(SerialStream& stream)
{
    m_iId = stream.ReadU32();
    m_iFlags = stream.ReadU32();
    m_vReserved[0] = stream.ReadU32();
    m_vReserved[1] = stream.ReadU32();
    const uint32_t keyCount = stream.ReadU32();
    stream.ReadU32();
    stream.ReadU32();
    if (!stream.IsGood())
        return false;
    ENGINE_ASSERT((m_iFlags & CtrlType_mask)!=0);
    ENGINE_ASSERT((m_iFlags & CtrlInterpolate_mask)!=0);

    m_iValueWords = ValueWords(m_iFlags);
    if (!stream.HasRoomFor(keyCount, 4 * (1 + uint64_t(m_iValueWords))))
        return false;
    m_iNbKeys = keyCount;
    m_vTimes.resize(keyCount);
    for (uint32_t& time : m_vTimes)
        time = stream.ReadU32();
    // Four-byte values come byte by byte in file order: the first lands in
    // the low byte, as a little-endian word read puts it.
    m_vValues.resize(size_t(keyCount) * m_iValueWords);
    for (int32_t& word : m_vValues)
        word = stream.ReadS32();
    return stream.IsGood();
}

const int32_t* TwAnimationCtrl::GetValue(uint32_t index) const
{
    ENGINE_ASSERT(index<m_iNbKeys);
    if (index >= m_iNbKeys || m_iValueWords == 0)
        return nullptr;
    return &m_vValues[size_t(index) * m_iValueWords];
}

std::unique_ptr<TwAnimation> TwAnimation::Initialize(SerialStream& stream)
{
    std::unique_ptr<TwAnimation> pTwAnimation = std::make_unique<TwAnimation>();
    pTwAnimation->m_iLength = stream.ReadU32();
    pTwAnimation->m_iFlags = stream.ReadU32();
    pTwAnimation->m_iNbCtrl = stream.ReadU32();
    stream.ReadU32();
    if (!stream.IsGood())
        return nullptr;
    ENGINE_ASSERT(pTwAnimation->m_iLength!=0);
    ENGINE_ASSERT(pTwAnimation->m_iNbCtrl!=0);

    if (!stream.HasRoomFor(pTwAnimation->m_iNbCtrl, CTRL_HEADER_SIZE))
        return nullptr;
    pTwAnimation->m_vCtrl.resize(pTwAnimation->m_iNbCtrl);
    for (TwAnimationCtrl& ctrl : pTwAnimation->m_vCtrl) {
        if (!ctrl.Initialize(stream))
            return nullptr;
    }
    return pTwAnimation;
}

const TwAnimationCtrl* TwAnimation::GetValueCtrl() const
{
    const TwAnimationCtrl* pCtrl = nullptr;
    for (const TwAnimationCtrl& ctrl : m_vCtrl) {
        if (ctrl.m_iId == TW_ANIMATION_VALUE_CTRL_ID) {
            pCtrl = &ctrl;
            break;
        }
    }
    ENGINE_ASSERT(pCtrl!=NULL);
    return pCtrl;
}
