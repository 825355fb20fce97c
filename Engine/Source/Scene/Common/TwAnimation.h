#pragma once
#include "Maths/Fx32.h"

#include <cstdint>
#include <memory>
#include <vector>

class SerialStream;

// A controller's flags: the value kind in the low byte, the interpolation in
// the next one.
constexpr uint32_t CtrlType_mask = 0x00FF;
constexpr uint32_t CtrlInterpolate_mask = 0xFF00;
constexpr uint32_t CTRL_TYPE_SCALAR = 0x01;
constexpr uint32_t CTRL_TYPE_VECTOR2 = 0x02;
constexpr uint32_t CTRL_TYPE_HERMITE = 0x03;
constexpr uint32_t CTRL_TYPE_BYTES = 0x04;
constexpr uint32_t CTRL_INTERPOLATE_STEP = 0x100;
constexpr uint32_t CTRL_INTERPOLATE_LINEAR = 0x200;
constexpr uint32_t CTRL_INTERPOLATE_HERMITE = 0x300;
// The controller that the value getters read is the first with this id.
constexpr uint32_t TW_ANIMATION_VALUE_CTRL_ID = 0xFFFFFFFF;
// Animation flag: the time wraps at the length.
constexpr uint32_t TW_ANIMATION_LOOP = 0x10000;

// A Hermite key: the value, the in-tangent and the out-tangent, x, y and z each.
constexpr uint32_t HERMITE_KEY_WORDS = 9;

// One list of timed keys of one value kind with one interpolation. Times are
// unsigned milliseconds, ascending.
struct TwAnimationCtrl {
    // Reads one controller record; false when the stream failed.
    bool Initialize(SerialStream& stream);
    // Words per key that a flags value carries: 1 (one fx32, or four bytes
    // with the first in the low byte), 2, 9 (a Hermite key); 0 for the
    // combinations without values.
    static uint32_t ValueWords(uint32_t flags);

    // The words of the key at that index; null after "index<m_iNbKeys" when
    // there is no such key.
    const int32_t* GetValue(uint32_t index) const;

    uint32_t m_iId = 0;
    uint32_t m_iFlags = 0;
    // Read from the file and kept.
    uint32_t m_vReserved[2] = {};
    uint32_t m_iNbKeys = 0;
    std::vector<uint32_t> m_vTimes;
    uint32_t m_iValueWords = 0;
    std::vector<int32_t> m_vValues;
};

// A small key-frame animation of a sprite: its frame index, position, scale
// or alpha over the sprite's clock. The getters keep no state: the time
// decides the value. A getter whose controller holds no values of its kind
// leaves the output unchanged.
class TwAnimation {
public:
    // Reads an animation record; null when the stream failed.
    static std::unique_ptr<TwAnimation> Initialize(SerialStream& stream);

    // A scalar: the frame index of a sprite.
    void GetValue(uint32_t& value, uint32_t time) const;
    // Two fx32: the scale of a sprite.
    void GetValue(fx32 (&value)[2], uint32_t time) const;
    // Four bytes: the first is the alpha of a sprite.
    void GetValue(uint8_t (&value)[4], uint32_t time) const;
    // The cubic Hermite curve through the keys' x, y and z.
    void GetValue_spline(fx32 (&value)[3], uint32_t time) const;

    bool Loops() const { return (m_iFlags & TW_ANIMATION_LOOP) != 0; }
    // The key count of the first controller (the frame count of a sprite);
    // 0 without controllers.
    uint32_t GetFirstCtrlKeyCount() const { return m_vCtrl.empty() ? 0 : m_vCtrl[0].m_iNbKeys; }
    // The controller that the getters read; null after "pCtrl!=NULL" when
    // there is none.
    const TwAnimationCtrl* GetValueCtrl() const;

    uint32_t m_iLength = 0;
    uint32_t m_iFlags = 0;
    uint32_t m_iNbCtrl = 0;
    std::vector<TwAnimationCtrl> m_vCtrl;
};
