#include "SceneFiles.h"
#include "SceneRecords.h"
#include "SourceRecord.h"

#include "Common/SceneIds.h"
#include "Hash/CoreCrc32.h"

#include <algorithm>
#include <set>

namespace {

constexpr uint16_t VERSION_MAJOR = 4;
constexpr uint16_t VERSION_MINOR = 1;
// Eight bytes, the last a NUL.
constexpr char FILE_ID[8] = "TWSCENE";

const nlohmann::json& List(const SourceRecord& record, const char* member)
{
    static const nlohmann::json empty = nlohmann::json::array();
    if (!record.Has(member))
        return empty;
    const nlohmann::json& list = record.Member(member);
    if (!list.is_array())
        record.Fail(std::string("\"") + member + "\" must be a list");
    return list;
}

std::string NameOf(const nlohmann::json& record)
{
    return record.is_object() && record.contains("name") && record.at("name").is_string()
               ? record.at("name").get<std::string>()
               : std::string();
}

// The entities in file order: the objects of the scene's row, or the
// source's own list for a scene without a row.
std::vector<std::string> EntityOrder(const SourceRecord& scene, const SceneDesc* row)
{
    std::vector<std::string> order;
    if (row) {
        for (int32_t i = 0; i < row->m_iNbObjects; ++i)
            order.push_back(row->m_ppObjectNames[i]);
    }
    std::set<std::string> seen;
    for (const nlohmann::json& entity : List(scene, "entities")) {
        const std::string name = NameOf(entity);
        if (name.empty())
            scene.Fail("every entity needs a \"name\"");
        if (!seen.insert(name).second)
            scene.Fail("entity \"" + name + "\" is listed twice");
        if (!row)
            order.push_back(name);
        else if (std::find(order.begin(), order.end(), name) == order.end())
            scene.Fail("entity \"" + name + "\" is not an object of scene " + std::to_string(row->m_iId));
    }
    return order;
}

// Gives every sprite (over all layers) and every region (per layer) without
// an "id" the next free one, turns an "id" given as a text into the text's
// CRC-32, and records all by name.
void AssignIds(nlohmann::json& records, std::map<std::string, int64_t>& byName, const SourceRecord& scene,
               const char* kind)
{
    std::set<int64_t> taken;
    for (nlohmann::json& record : records) {
        // Scripts that play a sprite animation by its name find the sprite
        // by the name's CRC-32.
        if (record.is_object() && record.contains("id") && record.at("id").is_string())
            record["id"] = CoreCrc32::HashString(record.at("id").get<std::string>().c_str());
        if (record.is_object() && record.contains("id") && record.at("id").is_number_integer())
            taken.insert(record.at("id").get<int64_t>());
    }
    int64_t next = 0;
    for (nlohmann::json& record : records) {
        if (!record.is_object())
            continue;
        if (!record.contains("id")) {
            while (taken.count(next))
                ++next;
            record["id"] = next;
            taken.insert(next);
        }
        const std::string name = NameOf(record);
        if (!name.empty() && !byName.emplace(name, record.at("id").get<int64_t>()).second)
            scene.Fail(std::string(kind) + " \"" + name + "\" is named twice");
    }
}

// A sprite's or region's "entity" given by name becomes the entity's index.
void ResolveEntity(nlohmann::json& record, const SceneNames& names, const SourceRecord& scene)
{
    if (!record.is_object() || !record.contains("entity") || !record.at("entity").is_string())
        return;
    const std::string entity = record.at("entity").get<std::string>();
    const auto found = names.entities.find(entity);
    if (found == names.entities.end())
        scene.Fail("\"" + NameOf(record) + "\" names entity \"" + entity + "\", which the scene does not have");
    record["entity"] = found->second;
}

void WriteLayers(ByteWriter& out, const SourceRecord& scene, SceneNames& names, const std::string& place)
{
    nlohmann::json layers = List(scene, "layers");
    if (layers.empty())
        scene.Fail("a scene needs at least one layer");
    nlohmann::json sprites = nlohmann::json::array();
    for (nlohmann::json& layer : layers)
        if (layer.is_object() && layer.contains("sprites") && layer.at("sprites").is_array())
            for (nlohmann::json& sprite : layer.at("sprites"))
                sprites.push_back(sprite);
    AssignIds(sprites, names.sprites, scene, "sprite");

    size_t spriteIndex = 0;
    uint32_t mainLayer = 0;
    const std::string mainName = scene.Has("mainLayer") ? scene.Name("mainLayer") : std::string();
    bool mainFound = mainName.empty();
    for (size_t l = 0; l < layers.size(); ++l) {
        nlohmann::json& layer = layers[l];
        if (layer.is_object() && layer.contains("sprites") && layer.at("sprites").is_array())
            for (nlohmann::json& sprite : layer.at("sprites"))
                sprite = sprites[spriteIndex++];
        if (layer.is_object() && layer.contains("regions") && layer.at("regions").is_array()) {
            // Regions are looked up in the main layer: names of the others
            // are only checked for doubles.
            std::map<std::string, int64_t> regions;
            AssignIds(layer.at("regions"), regions, scene, "region");
            if (NameOf(layer) == mainName || (mainName.empty() && l == 0))
                names.regions = regions;
        }
        if (!mainName.empty() && NameOf(layer) == mainName) {
            mainLayer = static_cast<uint32_t>(l);
            mainFound = true;
        }
    }
    if (!mainFound)
        scene.Fail("no layer \"" + mainName + "\" for \"mainLayer\"");

    out.U32(mainLayer);
    out.U32(static_cast<uint32_t>(layers.size()));
    for (nlohmann::json& layer : layers) {
        if (layer.is_object()) {
            for (const char* member : {"sprites", "regions"})
                if (layer.contains(member) && layer.at(member).is_array())
                    for (nlohmann::json& record : layer.at(member))
                        ResolveEntity(record, names, scene);
        }
        WriteLayerRecord(out, layer, place + ": layer \"" + NameOf(layer) + "\"");
    }
}

} // namespace

std::string SceneShortName(const nlohmann::json& source, const std::string& tableName, const std::string& place)
{
    const SourceRecord scene(source, place);
    if (scene.Has("name"))
        return scene.Name("name");
    return tableName.substr(0, std::min<size_t>(tableName.find('_'), 16));
}

void WriteLocatorRecord(ByteWriter& out, const nlohmann::json& source, const std::string& place)
{
    const SourceRecord locator(source, place);
    for (int32_t value : locator.FixedList("position", 3, {}))
        out.U32(static_cast<uint32_t>(value));
    out.U32(static_cast<uint32_t>(locator.Integer("word3", INT32_MIN, UINT32_MAX, 0)));
    out.U32(static_cast<uint32_t>(locator.Fixed("orientation", 0)));
    out.U32(static_cast<uint32_t>(locator.Integer("word5", INT32_MIN, UINT32_MAX, 0)));
    out.U32(static_cast<uint32_t>(locator.Fixed("radius", 0)));
}

std::vector<uint8_t> WriteSceneDescription(const nlohmann::json& source, const SceneDesc* row, const std::string& place)
{
    const SourceRecord scene(source, place);
    SceneNames names;
    const std::vector<std::string> entities = EntityOrder(scene, row);
    for (size_t i = 0; i < entities.size(); ++i)
        names.entities.emplace(entities[i], static_cast<int64_t>(i));
    if (!row && !scene.Has("name"))
        scene.Fail("a scene without a row of the scene table needs a \"name\"");

    ByteWriter out;
    // Byte by byte: the optimiser takes a block copy into the empty writer
    // for an overflow.
    for (char letter : FILE_ID)
        out.U8(static_cast<uint8_t>(letter));
    const std::string name = SceneShortName(source, row ? row->m_pName : "", place);
    out.Bytes(reinterpret_cast<const uint8_t*>(name.data()), name.size());
    out.Zeros(static_cast<uint32_t>(16 - name.size()));
    out.U16(VERSION_MAJOR);
    out.U16(VERSION_MINOR);
    out.U32(scene.Has("camera") ? 1 : 0);
    out.U32(scene.Flag("dialogs", false) ? 1 : 0);
    out.U32(scene.Flag("text", false) ? 1 : 0);
    out.U32(0);
    out.U32(static_cast<uint32_t>(scene.Integer("soundVariant", 0, UINT32_MAX, 1)));
    out.Zeros(16);
    WriteLayers(out, scene, names, place);

    std::map<std::string, const nlohmann::json*> sources;
    for (const nlohmann::json& entity : List(scene, "entities"))
        sources.emplace(NameOf(entity), &entity);
    static const nlohmann::json blank = nlohmann::json::object();
    out.U32(static_cast<uint32_t>(entities.size()));
    for (const std::string& entity : entities) {
        const auto found = sources.find(entity);
        WriteEntityRecord(out, found == sources.end() ? blank : *found->second, entity, names,
                          place + ": entity \"" + entity + "\"");
    }

    const nlohmann::json& locators = List(scene, "locators");
    out.U32(static_cast<uint32_t>(locators.size()));
    for (size_t i = 0; i < locators.size(); ++i)
        WriteLocatorRecord(out, locators[i], place + ": locator " + std::to_string(i));

    const nlohmann::json& sets = List(scene, "actorSets");
    out.U32(static_cast<uint32_t>(sets.size()));
    for (size_t i = 0; i < sets.size(); ++i)
        WriteActorSetRecord(out, sets[i], source, place + ": actor set \"" + NameOf(sets[i]) + "\"");
    return out.Bytes();
}
