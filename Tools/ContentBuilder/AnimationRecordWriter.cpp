#include "SceneRecords.h"
#include "SourceRecord.h"

namespace {

constexpr uint32_t LOOP_FLAG = 0x10000;
constexpr uint32_t VALUE_CTRL_ID = 0xFFFFFFFF;
constexpr uint32_t STEP = 0x100;
constexpr uint32_t LINEAR = 0x200;
constexpr uint32_t HERMITE = 0x303;

uint32_t ValueKind(SpriteCurve curve)
{
    switch (curve) {
    case SpriteCurve::Frames: return 0x01;
    case SpriteCurve::Scale: return 0x02;
    case SpriteCurve::Alpha: return 0x04;
    case SpriteCurve::Position: break;
    }
    return 0x03;
}

// x and y of a point or tangent; z is not used by sprites and stays 0.
void WriteXy0(ByteWriter& out, const SourceRecord& key, const char* member, bool required)
{
    if (!required && !key.Has(member)) {
        out.Zeros(12);
        return;
    }
    for (int32_t value : key.FixedList(member, 2, {}))
        out.U32(static_cast<uint32_t>(value));
    out.U32(0);
}

// The time of a key: [time, value], or {"time", ...} for a position.
const nlohmann::json& KeyTime(const SourceRecord& animation, const nlohmann::json& key, SpriteCurve curve,
                              const std::string& what)
{
    if (curve == SpriteCurve::Position) {
        if (!key.is_object() || !key.contains("time"))
            animation.Fail(what + " must be {\"time\": ..., \"at\": [x, y]}");
        return key.at("time");
    }
    if (!key.is_array() || key.size() != 2)
        animation.Fail(what + " must be [time, value]");
    return key[0];
}

} // namespace

uint32_t WriteAnimationRecord(ByteWriter& out, const nlohmann::json& source, SpriteCurve curve,
                              const std::string& place)
{
    const SourceRecord animation(source, place);
    const nlohmann::json& keys = animation.Member("keys");
    if (!keys.is_array() || keys.empty())
        animation.Fail("\"keys\" must list at least one key");
    const uint32_t length = static_cast<uint32_t>(animation.Integer("length", 1, UINT32_MAX, 1));
    const bool loop = animation.Flag("loop", false);

    uint32_t flags = HERMITE;
    if (curve != SpriteCurve::Position) {
        const std::string interpolation =
            animation.Has("interpolation") && animation.Member("interpolation").is_string()
                ? animation.Member("interpolation").get<std::string>()
                : std::string("step");
        if (interpolation != "step" && interpolation != "linear")
            animation.Fail("\"interpolation\" must be \"step\" or \"linear\"");
        flags = (interpolation == "step" ? STEP : LINEAR) | ValueKind(curve);
    }

    // Times start at 0 and rise: equal times leave a segment of no duration.
    std::vector<uint32_t> times;
    for (size_t i = 0; i < keys.size(); ++i) {
        const std::string what = "key " + std::to_string(i);
        const nlohmann::json& time = KeyTime(animation, keys[i], curve, what);
        times.push_back(static_cast<uint32_t>(animation.ToInteger(time, 0, UINT32_MAX, what + ": the time")));
        if (i == 0 && times[0] != 0)
            animation.Fail("the first key must be at time 0");
        if (i > 0 && times[i] <= times[i - 1])
            animation.Fail(what + ": times must rise from key to key");
    }
    if (loop && length <= times.back())
        animation.Fail("a looping curve must be longer than its last key's time");

    out.U32(length);
    out.U32(loop ? LOOP_FLAG : 0);
    out.U32(1);
    out.U32(0);
    out.U32(VALUE_CTRL_ID);
    out.U32(flags);
    out.Zeros(8);
    out.U32(static_cast<uint32_t>(keys.size()));
    out.Zeros(8);
    for (uint32_t time : times)
        out.U32(time);
    for (size_t i = 0; i < keys.size(); ++i) {
        const std::string what = "key " + std::to_string(i);
        switch (curve) {
        case SpriteCurve::Frames:
            out.U32(static_cast<uint32_t>(animation.ToInteger(keys[i][1], 0, UINT32_MAX, what + ": the frame")));
            break;
        case SpriteCurve::Alpha:
            out.U8(static_cast<uint32_t>(animation.ToInteger(keys[i][1], 0, 255, what + ": the alpha")));
            out.Zeros(3);
            break;
        case SpriteCurve::Scale: {
            const nlohmann::json& scale = keys[i][1];
            if (!scale.is_array() || scale.size() != 2)
                animation.Fail(what + ": the scale must be [x, y]");
            out.U32(static_cast<uint32_t>(animation.ToFixed(scale[0], what + ": the scale")));
            out.U32(static_cast<uint32_t>(animation.ToFixed(scale[1], what + ": the scale")));
            break;
        }
        case SpriteCurve::Position: {
            const SourceRecord key(keys[i], place + ": " + what);
            WriteXy0(out, key, "at", true);
            WriteXy0(out, key, "in", false);
            WriteXy0(out, key, "out", false);
            break;
        }
        }
    }
    return static_cast<uint32_t>(keys.size());
}
