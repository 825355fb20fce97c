#include "Sound/GlobalSettingsLayout.h"

#include "Sound/BoundedReader.h"

#include <algorithm>

namespace Platform {
namespace {

constexpr size_t LONGEST_NAME = 256;
constexpr uint16_t NO_PARENT = 0xFFFF;
constexpr uint8_t VARIABLE_PER_CUE = 0x04;

enum Count {
    Count_Categories,
    Count_Variables,
    Count_Blob1,
    Count_Blob2,
    Count_Rpcs,
    Count_DspPresets,
    Count_DspParameters,
    COUNT_SLOTS
};
enum Offset {
    Offset_Categories,
    Offset_Variables,
    Offset_Blob1,
    Offset_CategoryNameIndex,
    Offset_Blob2,
    Offset_VariableNameIndex,
    Offset_CategoryNames,
    Offset_VariableNames,
    OFFSET_SLOTS = 11
};

struct Header {
    uint16_t counts[COUNT_SLOTS];
    uint32_t offsets[OFFSET_SLOTS];
};

std::string ReadHeader(BoundedReader& in, Header& header)
{
    const uint32_t magic = in.U32();
    const uint16_t contentVersion = in.U16();
    const uint16_t toolVersion = in.U16();
    in.Skip(2 + 8); // check word, build time
    const uint8_t platform = in.U8();
    for (uint16_t& count : header.counts)
        count = in.U16();
    for (uint32_t& offset : header.offsets)
        offset = in.U32();
    if (!in.Good())
        return "truncated header";
    if (magic != 0x46534758) // "XGSF"
        return "not a global settings file";
    if (contentVersion < 43 || contentVersion > 46 || toolVersion != 42 || platform != 3)
        return "unsupported version or platform";
    if (header.counts[Count_Rpcs] || header.counts[Count_DspPresets] || header.counts[Count_DspParameters] ||
        header.counts[Count_Blob2])
        return "RPC, DSP and variable hash tables are not supported";
    if (header.counts[Count_Categories] == 0 || header.counts[Count_Variables] == 0)
        return "no categories or no variables";
    return {};
}

bool TableAt(const BoundedReader& in, const Header& header, Offset slot)
{
    return header.offsets[slot] == in.Position();
}

// A name table: the index (name offset, hash link) then the names, each index
// entry pointing at its own name.
std::string ReadNames(BoundedReader& in, const Header& header, Offset indexSlot, Offset namesSlot, size_t count,
                      std::vector<std::string>& names)
{
    if (!TableAt(in, header, indexSlot))
        return "name index out of place";
    std::vector<uint32_t> nameOffsets(count);
    for (uint32_t& offset : nameOffsets) {
        offset = in.U32();
        in.U16();
    }
    if (!in.Good())
        return "truncated name index";
    if (!TableAt(in, header, namesSlot))
        return "names out of place";
    names.resize(count);
    for (size_t i = 0; i < count; ++i) {
        if (nameOffsets[i] != in.Position())
            return "name index does not match the names";
        if (!in.CString(LONGEST_NAME, names[i]))
            return "truncated or overlong name";
    }
    return {};
}

} // namespace

std::string CheckGlobalSettings(const uint8_t* bytes, size_t size, GlobalSettingsInfo& info)
{
    info = {};
    if (!bytes)
        return "no data";
    BoundedReader in(bytes, size);
    Header header {};
    std::string error = ReadHeader(in, header);
    if (!error.empty())
        return error;
    const size_t categoryCount = header.counts[Count_Categories];
    const size_t variableCount = header.counts[Count_Variables];

    if (!TableAt(in, header, Offset_Categories))
        return "category table out of place";
    for (size_t i = 0; i < categoryCount; ++i) {
        in.Skip(6); // instance limit, fades, behaviour
        const uint16_t parent = in.U16();
        in.Skip(2); // volume, visibility
        if (!in.Good())
            return "truncated category table";
        // Parents come before their children so that every chain ends at the
        // root without a cycle.
        if (i == 0 ? parent != NO_PARENT : parent >= i)
            return "category " + std::to_string(i) + " has a bad parent";
    }
    if (!TableAt(in, header, Offset_Variables))
        return "variable table out of place";
    std::vector<uint8_t> variableFlags(variableCount);
    for (uint8_t& flags : variableFlags) {
        flags = in.U8();
        in.Skip(12); // initial, minimum, maximum
    }
    if (!in.Good())
        return "truncated tables";
    if (header.counts[Count_Blob1]) {
        if (!TableAt(in, header, Offset_Blob1))
            return "category hash table out of place";
        in.Skip(2 * size_t(header.counts[Count_Blob1]));
    }
    error = ReadNames(in, header, Offset_CategoryNameIndex, Offset_CategoryNames, categoryCount, info.categoryNames);
    if (error.empty())
        error =
            ReadNames(in, header, Offset_VariableNameIndex, Offset_VariableNames, variableCount, info.variableNames);
    if (!error.empty())
        return error;
    if (!in.AtEnd())
        return "data after the variable names";

    auto variable = [&](const char* name) -> int {
        const auto found = std::find(info.variableNames.begin(), info.variableNames.end(), name);
        return found == info.variableNames.end() ? -1 : static_cast<int>(found - info.variableNames.begin());
    };
    if (variable("NumCueInstances") != 0 || !(variableFlags[0] & VARIABLE_PER_CUE))
        return "the first variable is not the cue-instance count";
    const int speedOfSound = variable("SpeedOfSound");
    if (speedOfSound < 0 || (variableFlags[speedOfSound] & VARIABLE_PER_CUE))
        return "no global SpeedOfSound variable";
    for (const char* name : {"Distance", "DopplerPitchScalar", "OrientationAngle"}) {
        const int index = variable(name);
        if (index < 0 || !(variableFlags[index] & VARIABLE_PER_CUE))
            return std::string("no per-cue ") + name + " variable";
    }
    return {};
}

} // namespace Platform
