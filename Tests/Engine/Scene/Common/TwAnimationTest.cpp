#include "Scene/Common/SerialStream.h"
#include "Scene/Common/TwAnimation.h"
#include "Support/LogCapture.h"

#include <gmock/gmock.h>

#include <vector>

namespace {

using testing::HasSubstr;
using TestSupport::LogCapture;

constexpr fx32 FX = FX32_ONE;

TwAnimation MakeCurve(uint32_t flags, uint32_t length, bool loop, const std::vector<uint32_t>& times,
                      const std::vector<int32_t>& values)
{
    TwAnimation animation;
    animation.m_iLength = length;
    animation.m_iFlags = loop ? TW_ANIMATION_LOOP : 0;
    animation.m_iNbCtrl = 1;
    TwAnimationCtrl& ctrl = animation.m_vCtrl.emplace_back();
    ctrl.m_iId = TW_ANIMATION_VALUE_CTRL_ID;
    ctrl.m_iFlags = flags;
    ctrl.m_iNbKeys = static_cast<uint32_t>(times.size());
    ctrl.m_vTimes = times;
    ctrl.m_iValueWords = TwAnimationCtrl::ValueWords(flags);
    ctrl.m_vValues = values;
    return animation;
}

uint32_t Scalar(const TwAnimation& animation, uint32_t time)
{
    uint32_t value = 0xDEAD;
    animation.GetValue(value, time);
    return value;
}

TEST(TwAnimationTest, ScalarCurvesFollowTheirKeys)
{
    const uint32_t STEP = 0x101;
    const uint32_t LINEAR = 0x201;
    const struct {
        const char* what;
        uint32_t flags;
        uint32_t length;
        bool loop;
        std::vector<uint32_t> times;
        std::vector<int32_t> values;
        uint32_t time;
        uint32_t expected;
    } cases[] = {
        {"linear halfway", LINEAR, 100, false, {0, 100}, {0, 10}, 50, 5},
        {"linear on its last key", LINEAR, 100, false, {0, 100}, {0, 10}, 100, 10},
        {"linear keeps its last key", LINEAR, 100, false, {0, 100}, {0, 10}, 5000, 10},
        {"integer frames truncate", LINEAR, 900, false, {0, 900}, {0, 9}, 450, 4},
        {"step on a key shows the key before", STEP, 200, false, {0, 100}, {1, 2}, 100, 1},
        {"looping step just after its last key", STEP, 200, true, {0, 100}, {1, 2}, 101, 2},
        {"non-looping step never shows its last key", STEP, 200, false, {0, 100}, {1, 2}, 101, 1},
        {"non-looping step much later", STEP, 200, false, {0, 100}, {1, 2}, 1000000, 1},
        {"loop back to key 0 across the wrap", LINEAR, 1000, true, {0, 600}, {0, 400}, 800, 200},
        {"loop wraps at its length", LINEAR, 1000, true, {0, 600}, {0, 400}, 1000, 0},
        {"loop second time round", LINEAR, 1000, true, {0, 600}, {0, 400}, 1600, 400},
        {"one key holds its value", LINEAR, 100, false, {0}, {7}, 12345, 7},
        {"binary search in many keys", STEP, 1000, false, {0, 10, 20, 30, 40, 50}, {0, 1, 2, 3, 4, 5}, 35, 3},
    };
    for (const auto& row : cases) {
        const TwAnimation curve = MakeCurve(row.flags, row.length, row.loop, row.times, row.values);
        EXPECT_EQ(Scalar(curve, row.time), row.expected) << row.what;
    }
}

TEST(TwAnimationTest, PairAndByteCurvesInterpolatePerComponent)
{
    const TwAnimation scale = MakeCurve(0x202, 100, false, {0, 100}, {FX, 2 * FX, 3 * FX, -2 * FX});
    fx32 pair[2] = {};
    scale.GetValue(pair, 25);
    EXPECT_EQ(pair[0], FX + FX / 2);
    EXPECT_EQ(pair[1], 2 * FX - FX);

    // Four bytes in file order, the first in the low byte of the word.
    const TwAnimation alpha = MakeCurve(0x204, 100, false, {0, 100}, {0x000000FF, 0x40302000});
    uint8_t bytes[4] = {};
    alpha.GetValue(bytes, 50);
    EXPECT_EQ(bytes[0], 127);
    EXPECT_EQ(bytes[1], 16);
    EXPECT_EQ(bytes[2], 24);
    EXPECT_EQ(bytes[3], 32);
    const TwAnimation stepped = MakeCurve(0x104, 100, false, {0, 100}, {0x11, 0x22});
    stepped.GetValue(bytes, 60);
    EXPECT_EQ(bytes[0], 0x11);
}

TEST(TwAnimationTest, HermiteCurveEasesBetweenItsKeys)
{
    // Key: value x, y, z, in-tangent x, y, z, out-tangent x, y, z.
    const std::vector<int32_t> keys = {0, 0, 0, 0, 0, 0, 0, 0, 0, 100 * FX, 200 * FX, 0, 0, 0, 0, 0, 0, 0};
    const TwAnimation path = MakeCurve(0x303, 1000, false, {0, 1000}, keys);
    fx32 at[3] = {};
    path.GetValue_spline(at, 0);
    EXPECT_EQ(at[0], 0);
    path.GetValue_spline(at, 1000);
    EXPECT_EQ(at[0], 100 * FX);
    EXPECT_EQ(at[1], 200 * FX);
    path.GetValue_spline(at, 500);
    EXPECT_EQ(at[0], 50 * FX);
    EXPECT_EQ(at[1], 100 * FX);
    // Slow at both ends: a quarter of the time covers less than a quarter.
    path.GetValue_spline(at, 250);
    EXPECT_GT(at[0], 0);
    EXPECT_LT(at[0], 25 * FX);
    path.GetValue_spline(at, 750);
    EXPECT_GT(at[0], 75 * FX);

    // The out-tangent of the first key weighs 0.125 halfway, the in-tangent
    // of the second -0.125.
    std::vector<int32_t> tangents = keys;
    tangents[6] = 40 * FX;
    tangents[12] = 8 * FX;
    const TwAnimation bent = MakeCurve(0x303, 1000, false, {0, 1000}, tangents);
    bent.GetValue_spline(at, 500);
    EXPECT_EQ(at[0], 50 * FX + 5 * FX - FX);
}

TEST(TwAnimationTest, DegenerateCurvesNeitherDivideByZeroNorReadOutside)
{
    uint32_t value = 0;
    // Two keys at one time.
    const TwAnimation sameTime = MakeCurve(0x201, 100, false, {0, 0}, {3, 9});
    std::string log;
    {
        LogCapture capture;
        value = Scalar(sameTime, 0);
        log = capture.Take();
    }
    EXPECT_EQ(value, 3u);
    EXPECT_THAT(log, HasSubstr("condition: deltaTime != 0"));
    EXPECT_THAT(log, HasSubstr("TwAnimation cannot handle deltatime of 0 between 2 frames"));

    // A looping curve of length 0 has nothing to wrap on and clamps.
    const TwAnimation noLength = MakeCurve(0x201, 0, true, {0, 100}, {0, 10});
    EXPECT_EQ(Scalar(noLength, 50), 5u);
    EXPECT_EQ(Scalar(noLength, 5000), 10u);

    // A time before the first key gives that key, after the ratio report.
    const TwAnimation lateStart = MakeCurve(0x201, 300, false, {100, 200}, {4, 8});
    {
        LogCapture capture;
        value = Scalar(lateStart, 50);
        log = capture.Take();
    }
    EXPECT_EQ(value, 4u);
    EXPECT_THAT(log, HasSubstr("condition: ratio>=0"));

    // Getters of another kind, a missing value controller and a controller
    // without keys leave the output alone.
    const TwAnimation pairs = MakeCurve(0x202, 100, false, {0, 100}, {1, 2, 3, 4});
    EXPECT_EQ(Scalar(pairs, 50), 0xDEADu);
    fx32 at[3] = {7, 7, 7};
    pairs.GetValue_spline(at, 50);
    EXPECT_EQ(at[0], 7);
    TwAnimation other = MakeCurve(0x201, 100, false, {0, 100}, {0, 10});
    other.m_vCtrl[0].m_iId = 5;
    {
        LogCapture capture;
        value = Scalar(other, 50);
        log = capture.Take();
    }
    EXPECT_EQ(value, 0xDEADu);
    EXPECT_THAT(log, HasSubstr("condition: pCtrl!=NULL"));
    const TwAnimation empty = MakeCurve(0x201, 100, false, {}, {});
    {
        LogCapture capture;
        value = Scalar(empty, 50);
        log = capture.Take();
    }
    EXPECT_EQ(value, 0xDEADu);
    EXPECT_THAT(log, HasSubstr("condition: pCtrl->m_iNbKeys>0"));
}

std::vector<uint8_t> Words(std::initializer_list<uint32_t> words)
{
    std::vector<uint8_t> bytes;
    for (uint32_t word : words)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<uint8_t>(word >> shift));
    return bytes;
}

TEST(TwAnimationTest, RecordsReadWholeOrNotAtAll)
{
    // Length 300, looping, two controllers: one without values, then a
    // four-byte step curve of two keys.
    const std::vector<uint8_t> record =
        Words({300,       TW_ANIMATION_LOOP,          2,     0, 7, 0x105, 1, 2, 1, 0,   0,
               40,        TW_ANIMATION_VALUE_CTRL_ID, 0x104, 0, 0, 2,     0, 0, 0, 150, 0x04030201,
               0x0A0B0C0D});
    SerialStream stream(record.data(), record.size(), "curve.dat");
    const std::unique_ptr<TwAnimation> curve = TwAnimation::Initialize(stream);
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(stream.GetPosition(), record.size());
    EXPECT_TRUE(curve->Loops());
    EXPECT_EQ(curve->GetFirstCtrlKeyCount(), 1u);
    EXPECT_EQ(curve->m_vCtrl[0].m_vReserved[0], 1u);
    EXPECT_EQ(curve->m_vCtrl[0].m_vValues.size(), 0u);
    uint8_t bytes[4] = {};
    curve->GetValue(bytes, 200);
    EXPECT_EQ(bytes[0], 0x0D);
    EXPECT_EQ(bytes[3], 0x0A);
    curve->GetValue(bytes, 100);
    EXPECT_EQ(bytes[0], 0x01);

    for (size_t size = 0; size < record.size(); ++size) {
        SerialStream truncated(record.data(), size, "curve.dat");
        LogCapture capture;
        EXPECT_EQ(TwAnimation::Initialize(truncated), nullptr) << size;
        const std::string log = capture.Take();
        EXPECT_THAT(log, HasSubstr("\"curve.dat\" is truncated"));
    }
}

TEST(TwAnimationTest, CountsBeyondTheFileAreRefusedBeforeAnythingIsMade)
{
    const std::vector<uint8_t> controllers = Words({100, 0, 0xFFFFFFFF, 0});
    const std::vector<uint8_t> keys =
        Words({100, 0, 1, 0, TW_ANIMATION_VALUE_CTRL_ID, 0x303, 0, 0, 0x10000000, 0, 0, 0});
    for (const std::vector<uint8_t>& record : {controllers, keys}) {
        SerialStream stream(record.data(), record.size(), "huge.dat");
        {
            LogCapture capture;
            EXPECT_EQ(TwAnimation::Initialize(stream), nullptr);
        }
        EXPECT_FALSE(stream.IsGood());
    }
}

} // namespace
