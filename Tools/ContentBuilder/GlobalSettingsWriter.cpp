#include "ByteWriter.h"
#include "SoundBankWriters.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

struct VariableDesc {
    const char* name;
    uint8_t flags; // 0x01 public, 0x02 read-only, 0x04 per cue, 0x08 reserved
    float initial;
    float minimum;
    float maximum;
};

// The engine's reserved variables; the cue-instance count must come first and
// the speed of sound must exist for 3D placement.
constexpr VariableDesc VARIABLES[] = {
    {"NumCueInstances", 0x0F, 0.0f, 0.0f, 1024.0f}, {"AttackTime", 0x0F, 0.0f, 0.0f, 32767.0f},
    {"ReleaseTime", 0x0F, 0.0f, 0.0f, 32767.0f},    {"OrientationAngle", 0x0D, 0.0f, -180.0f, 180.0f},
    {"DopplerPitchScalar", 0x0D, 1.0f, 0.0f, 4.0f}, {"SpeedOfSound", 0x09, 343.5f, 0.0f, 1000000.0f},
    {"Distance", 0x0D, 0.0f, 0.0f, FLT_MAX},
};
constexpr uint32_t VARIABLE_COUNT = sizeof VARIABLES / sizeof VARIABLES[0];

constexpr uint32_t OFFSETS_AT = 0x21;

enum OffsetSlot {
    Offset_Categories,
    Offset_Variables,
    Offset_Blob1,
    Offset_CategoryNameIndex,
    Offset_Blob2,
    Offset_VariableNameIndex,
    Offset_CategoryNames,
    Offset_VariableNames,
    Offset_Rpcs,
    Offset_DspPresets,
    Offset_DspParameters,
};

} // namespace

uint8_t VolumeByte(double decibels)
{
    const double value = 28240.0 * std::pow(10.0, (100.0 * decibels - 8715.0) / 3969.0);
    return static_cast<uint8_t>(std::clamp<long>(std::lround(value), 1, 255));
}

std::vector<uint8_t> WriteGlobalSettings(const SoundPackDesc& pack)
{
    ByteWriter out;
    const uint32_t categoryCount = static_cast<uint32_t>(pack.categories.size());
    out.Bytes(reinterpret_cast<const uint8_t*>("XGSF"), 4);
    out.U16(46);  // content version
    out.U16(42);  // tool version
    out.U16(0);   // check word, not verified
    out.Zeros(8); // build time
    out.U8(3);    // platform
    // Counts: categories, variables, the two name hash tables, RPCs, DSP
    // presets and parameters; the hash tables and effects are not used.
    out.U16(categoryCount);
    out.U16(VARIABLE_COUNT);
    out.Zeros(5 * 2);
    out.Zeros(11 * 4);
    auto setOffset = [&out](OffsetSlot slot) { out.PatchU32(OFFSETS_AT + 4 * slot, out.Size()); };

    setOffset(Offset_Categories);
    for (const SoundCategoryDesc& category : pack.categories) {
        out.U8(0xFF); // no instance limit
        out.U16(0);   // fade in
        out.U16(0);   // fade out
        out.U8(0);    // behaviour at the limit
        out.U16(category.parent);
        out.U8(VolumeByte(category.volumeDb));
        out.U8(1); // visible
    }
    setOffset(Offset_Variables);
    for (const VariableDesc& variable : VARIABLES) {
        out.U8(variable.flags);
        out.F32(variable.initial);
        out.F32(variable.minimum);
        out.F32(variable.maximum);
    }
    setOffset(Offset_Rpcs);
    setOffset(Offset_DspPresets);
    setOffset(Offset_DspParameters);
    setOffset(Offset_Blob1);

    setOffset(Offset_CategoryNameIndex);
    const uint32_t categoryIndexAt = out.Size();
    out.Zeros(categoryCount * 6);
    setOffset(Offset_CategoryNames);
    for (uint32_t i = 0; i < categoryCount; ++i) {
        out.PatchU32(categoryIndexAt + 6 * i, out.Size());
        out.PatchU16(categoryIndexAt + 6 * i + 4, 0xFFFF);
        out.String(pack.categories[i].name);
    }
    setOffset(Offset_Blob2);

    setOffset(Offset_VariableNameIndex);
    const uint32_t variableIndexAt = out.Size();
    out.Zeros(VARIABLE_COUNT * 6);
    setOffset(Offset_VariableNames);
    for (uint32_t i = 0; i < VARIABLE_COUNT; ++i) {
        out.PatchU32(variableIndexAt + 6 * i, out.Size());
        out.PatchU16(variableIndexAt + 6 * i + 4, 0xFFFF);
        out.String(VARIABLES[i].name);
    }
    return out.Bytes();
}
