#include "SceneRecords.h"
#include "SourceRecord.h"

namespace {

// A still picture: one key, frame 0.
const nlohmann::json STILL_FRAMES = {{"length", 1}, {"keys", {{0, 0}}}};

// The names of one frame's splits, left to right.
std::vector<std::string> FrameTextures(const SourceRecord& sprite, const nlohmann::json& frame, size_t index)
{
    const std::string what = "textures of frame " + std::to_string(index);
    std::vector<std::string> names;
    if (frame.is_string())
        names.push_back(frame.get<std::string>());
    else if (frame.is_array())
        for (const nlohmann::json& name : frame)
            names.push_back(name.is_string() ? name.get<std::string>() : std::string());
    if (names.empty() || names.size() > 2)
        sprite.Fail(what + " must be one texture name or two");
    for (const std::string& name : names)
        if (name.empty() || name.find('\0') != std::string::npos)
            sprite.Fail(what + ": a texture name must be a non-empty text");
    return names;
}

void WriteFixed(ByteWriter& out, const std::vector<int32_t>& values)
{
    for (int32_t value : values)
        out.U32(static_cast<uint32_t>(value));
}

void WriteOptionalCurve(ByteWriter& out, const SourceRecord& sprite, const char* member, SpriteCurve curve)
{
    if (!sprite.Has(member)) {
        out.U32(0);
        return;
    }
    out.U32(1);
    WriteAnimationRecord(out, sprite.Member(member), curve, sprite.Place() + ": " + member);
}

} // namespace

void WriteSpriteRecord(ByteWriter& out, const nlohmann::json& source, const std::string& place)
{
    const SourceRecord sprite(source, place);
    const nlohmann::json& textures = sprite.Member("textures");
    if (!textures.is_array() || textures.empty())
        sprite.Fail("\"textures\" must list the textures of at least one frame");
    std::vector<std::vector<std::string>> frames;
    for (size_t i = 0; i < textures.size(); ++i) {
        frames.push_back(FrameTextures(sprite, textures[i], i));
        if (frames[i].size() != frames[0].size())
            sprite.Fail("every frame must have as many textures as the first");
    }
    const bool preload = sprite.Flag("preload", frames.size() > 1);

    sprite.WriteName(out, "name");
    out.U32(static_cast<uint32_t>(sprite.Integer("id", -1, UINT32_MAX, -1)));
    out.U32(static_cast<uint32_t>(sprite.Integer("entity", -1, INT32_MAX, -1)));
    WriteFixed(out, sprite.FixedList("position", 2, {}));
    out.U32(static_cast<uint32_t>(sprite.ToFixed(sprite.Member("depth"), "\"depth\"")));
    WriteFixed(out, sprite.FixedList("size", 2, {}));
    for (uint8_t byte : sprite.Colour("colour", "#FFFFFFFF"))
        out.U8(byte);
    WriteFixed(out, sprite.FixedList("scale", 2, {1, 1}));
    WriteFixed(out, sprite.FixedList("pivot", 2, {0, 0}));
    WriteFixed(out, sprite.FixedList("scroll", 2, {0, 0}));
    out.U32(static_cast<uint32_t>(sprite.Integer("start", 0, UINT32_MAX, 0)));
    out.U32(0);
    out.U32(static_cast<uint32_t>(frames[0].size()));
    out.U32(preload ? 1 : 0);
    WriteFixed(out, sprite.FixedList("marker", 3, {-1, -1, 0}));

    // The frame curve has one key per frame, and shows only frames it has.
    const nlohmann::json& frameCurve = sprite.Has("frameCurve") ? sprite.Member("frameCurve") : STILL_FRAMES;
    const uint32_t frameCount = WriteAnimationRecord(out, frameCurve, SpriteCurve::Frames, place + ": frameCurve");
    for (const nlohmann::json& key : frameCurve.at("keys"))
        if (key[1].get<uint64_t>() >= frameCount)
            sprite.Fail("frameCurve shows frame " + key[1].dump() + " of " + std::to_string(frameCount) + " frames");
    if (frames.size() != (preload ? frameCount : 1))
        sprite.Fail(preload ? "a preloading sprite lists the textures of every key of its frameCurve"
                            : "a sprite without preload lists the textures of its first frame only");
    WriteOptionalCurve(out, sprite, "positionCurve", SpriteCurve::Position);
    WriteOptionalCurve(out, sprite, "scaleCurve", SpriteCurve::Scale);
    WriteOptionalCurve(out, sprite, "alphaCurve", SpriteCurve::Alpha);

    for (const std::vector<std::string>& names : frames)
        for (const std::string& name : names)
            out.String(name);
}
