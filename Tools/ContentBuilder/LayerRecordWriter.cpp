#include "SceneRecords.h"
#include "SourceRecord.h"

namespace {

// The records of one list member ("sprites", "regions"), each named in faults.
const nlohmann::json& RecordList(const SourceRecord& layer, const char* member)
{
    static const nlohmann::json empty = nlohmann::json::array();
    if (!layer.Has(member))
        return empty;
    const nlohmann::json& list = layer.Member(member);
    if (!list.is_array())
        layer.Fail(std::string("\"") + member + "\" must be a list");
    return list;
}

std::string RecordPlace(const SourceRecord& layer, const char* kind, const nlohmann::json& record, size_t index)
{
    std::string place = layer.Place() + ": " + kind + " ";
    if (record.is_object() && record.contains("name") && record.at("name").is_string())
        place.append("\"").append(record.at("name").get<std::string>()).append("\"");
    else
        place.append(std::to_string(index));
    return place;
}

} // namespace

void WriteLayerRecord(ByteWriter& out, const nlohmann::json& source, const std::string& place)
{
    const SourceRecord layer(source, place);
    layer.WriteName(out, "name");
    for (int32_t value : layer.FixedList("size", 2, {}))
        out.U32(static_cast<uint32_t>(value));

    const nlohmann::json& sprites = RecordList(layer, "sprites");
    out.U32(static_cast<uint32_t>(sprites.size()));
    for (size_t i = 0; i < sprites.size(); ++i)
        WriteSpriteRecord(out, sprites[i], RecordPlace(layer, "sprite", sprites[i], i));

    const nlohmann::json& regions = RecordList(layer, "regions");
    out.U32(static_cast<uint32_t>(regions.size()));
    for (size_t i = 0; i < regions.size(); ++i)
        WriteRegionRecord(out, regions[i], RecordPlace(layer, "region", regions[i], i));
}
