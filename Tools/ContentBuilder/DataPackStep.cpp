#include "ContentError.h"
#include "ContentSteps.h"
#include "DataPack/DataPackFormat.h"
#include "DataPackWriter.h"
#include "Manifest.h"
#include "MeshBuilder.h"
#include "OutputFile.h"
#include "TextureBuilder.h"

#include <cstdio>
#include <map>

namespace fs = std::filesystem;

namespace {

// How the bytes of an entry of each kind are made: from the definition of
// the entry's name in the kind's section of the manifest, or of its "source"
// when it has one (games whose packs each hold their own "masks_BG").
struct EntryKind {
    const char* code;
    uint32_t kind;
    const char* section;
    std::vector<uint8_t> (*build)(const nlohmann::json& definition, const fs::path& content);
};

const EntryKind ENTRY_KINDS[] = {
    {"TX2D", DATAPACK_TEXTURE, "textures", BuildTexture},
    {"XMES", DATAPACK_XMESH, "meshes", BuildMesh},
};

const EntryKind& FindEntryKind(const std::string& code)
{
    for (const EntryKind& kind : ENTRY_KINDS)
        if (code == kind.code)
            return kind;
    throw ContentError("no entry kind \"" + code + "\"");
}

// A texture's name field holds 255 characters and its terminator.
constexpr size_t MAX_ENTRY_NAME = 255;

// A pack's file name: relative, below the data folder.
fs::path PackPath(const fs::path& data, const std::string& file)
{
    const fs::path relative = fs::path(file).lexically_normal();
    if (file.empty() || relative.is_absolute() || *relative.begin() == "..")
        throw ContentError("pack file \"" + file + "\" is not a path below the data folder");
    return data / relative;
}

void BuildPack(const nlohmann::json& manifest, const nlohmann::json& pack, const fs::path& content,
               const fs::path& data, std::map<std::string, std::vector<uint8_t>>& built)
{
    const std::string file = RequireString(pack, "file");
    std::vector<DataPackEntrySource> entries;
    try {
        for (const auto& entry : pack.at("entries")) {
            const std::string code = RequireString(entry, "kind");
            const std::string name = RequireString(entry, "name");
            if (name.empty() || name.size() > MAX_ENTRY_NAME)
                throw ContentError("entry name \"" + name + "\" must be 1 to 255 characters long");
            const EntryKind& kind = FindEntryKind(code);
            const std::string source = entry.contains("source") ? RequireString(entry, "source") : name;
            const std::string key = code + "/" + source;
            if (!built.count(key))
                built[key] = kind.build(FindDefinition(manifest, kind.section, source), content);
            entries.push_back({kind.kind, name, built[key]});
        }
    } catch (const nlohmann::json::exception& error) {
        throw ContentError(file + ": " + error.what());
    } catch (const ContentError& error) {
        throw ContentError(file + ": " + error.what());
    }
    WriteOutputFile(PackPath(data, file), WriteDataPack(entries));
}

} // namespace

bool BuildDataPacks(const fs::path& content, const fs::path& data)
{
    try {
        const nlohmann::json manifest = LoadManifest(content);
        std::map<std::string, std::vector<uint8_t>> built;
        if (manifest.contains("packs"))
            for (const auto& pack : manifest.at("packs"))
                BuildPack(manifest, pack, content, data, built);
        return true;
    } catch (const ContentError& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    } catch (const nlohmann::json::exception& error) {
        std::fprintf(stderr, "ContentBuilder: %s: %s\n", MANIFEST_FILE_NAME, error.what());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    }
    return false;
}
