#include "SceneFiles.h"
#include "SourceRecord.h"
#include "TextTableWriter.h"

#include "ScriptEngine/common/EventDesc.h"

namespace {

constexpr size_t MAX_EVENT_TYPES = 4;
constexpr size_t MAX_LOOK_DIALOGS = 4;
constexpr size_t MAX_SPRITES = 16;
// No save slot: the entity is no slot label.
constexpr int64_t NO_SAVE_SLOT = -1;
constexpr int64_t NO_CAPTION = 0xFFFFFFFF;

const nlohmann::json& List(const SourceRecord& entity, const char* member, size_t max)
{
    static const nlohmann::json empty = nlohmann::json::array();
    if (!entity.Has(member))
        return empty;
    const nlohmann::json& list = entity.Member(member);
    if (!list.is_array() || list.size() > max)
        entity.Fail(std::string("\"") + member + "\" must be a list of at most " + std::to_string(max));
    return list;
}

// An event type by its name ("Look") or its number.
uint32_t EventType(const SourceRecord& entity, const nlohmann::json& value)
{
    if (value.is_string()) {
        for (int32_t type = 0; type < NB_TW_EVENT_TYPES; ++type)
            if (value.get<std::string>() == EventDesc::GetTypeName(type))
                return static_cast<uint32_t>(type);
        entity.Fail("no event type \"" + value.get<std::string>() + "\"");
    }
    return static_cast<uint32_t>(entity.ToInteger(value, 0, NB_TW_EVENT_TYPES - 1, "an event type"));
}

// A sprite or region by its name or its id.
uint32_t ObjectId(const SourceRecord& entity, const nlohmann::json& value, const std::map<std::string, int64_t>& ids,
                  const char* kind)
{
    if (value.is_string()) {
        const auto found = ids.find(value.get<std::string>());
        if (found == ids.end())
            entity.Fail(std::string("no ") + kind + " \"" + value.get<std::string>() + "\" in the layers");
        return static_cast<uint32_t>(found->second);
    }
    return static_cast<uint32_t>(entity.ToInteger(value, INT32_MIN, INT32_MAX, std::string("a ") + kind + " id"));
}

// The caption: a text key of the text tables ("MENU_START") or a text id;
// without one, the id that stands for no text (a text id 0 would be looked up).
uint32_t CaptionTextId(const SourceRecord& entity)
{
    if (entity.Has("caption") && entity.Member("caption").is_string())
        return TextIdOfKey(entity.Member("caption").get<std::string>());
    return static_cast<uint32_t>(entity.Integer("caption", 0, UINT32_MAX, NO_CAPTION));
}

void WriteColour(ByteWriter& out, const SourceRecord& entity, const char* member)
{
    for (uint8_t byte : entity.Colour(member, "#FFFFFFFF"))
        out.U8(byte);
}

} // namespace

void WriteEntityRecord(ByteWriter& out, const nlohmann::json& source, const std::string& name, const SceneNames& names,
                       const std::string& place)
{
    const SourceRecord entity(source, place);
    // The file keeps 16 bytes of the name; longer object names are cut.
    const std::string shortName = name.substr(0, 16);
    out.Bytes(reinterpret_cast<const uint8_t*>(shortName.data()), shortName.size());
    out.Zeros(static_cast<uint32_t>(16 - shortName.size()));

    const nlohmann::json& events = List(entity, "events", MAX_EVENT_TYPES);
    out.U32(static_cast<uint32_t>(events.size()));
    for (const nlohmann::json& event : events)
        out.U32(EventType(entity, event));
    out.U32(static_cast<uint32_t>(entity.Integer("word", INT32_MIN, UINT32_MAX, 0)));

    const nlohmann::json& lookDialogs = List(entity, "lookDialogs", MAX_LOOK_DIALOGS);
    out.U32(static_cast<uint32_t>(lookDialogs.size()));
    for (const nlohmann::json& dialog : lookDialogs) {
        if (!dialog.is_array() || dialog.size() != 2)
            entity.Fail("a look dialog must be two numbers [a, b]");
        for (const nlohmann::json& word : dialog)
            out.U32(static_cast<uint32_t>(entity.ToInteger(word, INT32_MIN, UINT32_MAX, "a look dialog word")));
    }

    const nlohmann::json& sprites = List(entity, "sprites", MAX_SPRITES);
    if (!sprites.empty() && entity.Has("region"))
        entity.Fail("an entity has sprites or a region, not both");
    out.U32(static_cast<uint32_t>(sprites.size()));
    for (const nlohmann::json& sprite : sprites)
        out.U32(ObjectId(entity, sprite, names.sprites, "sprite"));
    if (entity.Has("region")) {
        out.U32(1);
        out.U32(ObjectId(entity, entity.Member("region"), names.regions, "region"));
    } else {
        out.U32(0);
    }

    out.U32(CaptionTextId(entity));
    out.U32(static_cast<uint32_t>(entity.Integer("font", 0, 3, 0)));
    out.U32(static_cast<uint32_t>(entity.Integer("saveSlot", -1, 3, NO_SAVE_SLOT)));
    out.U32(static_cast<uint32_t>(entity.Integer("alignment", INT32_MIN, INT32_MAX, 0)));
    WriteColour(out, entity, "colourA");
    WriteColour(out, entity, "colourB");
}
