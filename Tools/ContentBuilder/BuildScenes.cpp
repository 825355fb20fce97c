#include "CharacterAnimationLists.h"
#include "ContentError.h"
#include "ContentSteps.h"
#include "DataPack/DataPackFormat.h"
#include "DataPackWriter.h"
#include "Manifest.h"
#include "MeshBuilder.h"
#include "OutputFile.h"
#include "SceneFiles.h"
#include "ScenePaintingCheck.h"
#include "TextureBuilder.h"
#include "WorldShapes.h"
#include "XFigureGestures.h"

#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Hash/CoreCrc32.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace {

constexpr const char* SCENES_FOLDER = "Scenes";

const SceneDesc* FindSceneRow(const std::string& name)
{
    for (const SceneDesc* const* row = Id::GetSceneRegistry(); *row; ++row)
        if (name == (*row)->m_pName)
            return *row;
    return nullptr;
}

nlohmann::json ReadSource(const fs::path& path)
{
    std::ifstream file(path);
    if (!file)
        throw ContentError("cannot open " + path.string());
    try {
        return nlohmann::json::parse(file);
    } catch (const nlohmann::json::exception& error) {
        throw ContentError(path.string() + ": " + error.what());
    }
}

const nlohmann::json& Members(const nlohmann::json& source, const char* member)
{
    static const nlohmann::json empty = nlohmann::json::array();
    return source.contains(member) && source.at(member).is_array() ? source.at(member) : empty;
}

bool HasDefinition(const nlohmann::json& definitions, const std::string& name)
{
    return std::any_of(definitions.begin(), definitions.end(), [&](const nlohmann::json& definition) {
        return definition.is_object() && definition.value("name", std::string()) == name;
    });
}

// Every texture a sprite shows comes from the scene's pack or the common
// one; a missing one would only hide the sprite at run time.
void CheckSpriteTextures(const nlohmann::json& source, const nlohmann::json& manifest, const std::string& place)
{
    const nlohmann::json& sceneTextures = Members(source, "textures");
    const nlohmann::json& commonTextures = Members(manifest, "textures");
    for (const nlohmann::json& layer : Members(source, "layers")) {
        for (const nlohmann::json& sprite : Members(layer, "sprites")) {
            for (const nlohmann::json& frame : Members(sprite, "textures")) {
                const nlohmann::json names = frame.is_array() ? frame : nlohmann::json::array({frame});
                for (const nlohmann::json& name : names) {
                    const std::string texture = name.is_string() ? name.get<std::string>() : "";
                    if (!HasDefinition(sceneTextures, texture) && !HasDefinition(commonTextures, texture))
                        throw ContentError(place + ": sprite \"" + sprite.value("name", std::string()) +
                                           "\" shows texture \"" + texture + "\", which no pack holds");
                }
            }
        }
    }
}

std::vector<uint8_t> BuildScenePack(const nlohmann::json& source, const fs::path& content, const std::string& place)
{
    std::vector<DataPackEntrySource> entries;
    for (const nlohmann::json& texture : Members(source, "textures")) {
        const std::string name = RequireString(texture, "name");
        try {
            const nlohmann::json drawn = ProjectWorldShapes(texture, source, "texture \"" + name + "\"");
            entries.push_back({DATAPACK_TEXTURE, name, BuildTexture(drawn, content)});
        } catch (const ContentError& error) {
            throw ContentError(place + ": " + error.what());
        }
    }
    return WriteDataPack(entries);
}

// The pack of each character of each actor set, where the engine looks for
// it while the scene is loaded: the scene's or else the manifest's mesh of
// the actor's name and the manifest's texture of that name, when there is one.
void BuildActorPacks(const nlohmann::json& source, const std::string& shortName, const nlohmann::json& manifest,
                     const fs::path& content, const fs::path& data, const std::string& place)
{
    for (const nlohmann::json& set : Members(source, "actorSets")) {
        const std::string setName = RequireString(set, "name");
        for (const nlohmann::json& character : Members(set, "characters")) {
            const std::string actor = RequireString(character, "name");
            const uint32_t actorId = CoreCrc32::HashString(actor.c_str()) | 0x80000000u;
            std::vector<DataPackEntrySource> entries;
            try {
                if (HasDefinition(Members(manifest, "textures"), actor))
                    entries.push_back(
                        {DATAPACK_TEXTURE, actor, BuildTexture(FindDefinition(manifest, "textures", actor), content)});
                // A figure of the scene's own comes before the manifest's.
                const nlohmann::json& own = HasDefinition(Members(source, "meshes"), actor) ? source : manifest;
                const nlohmann::json& definition = FindDefinition(own, "meshes", actor);
                std::vector<uint8_t> mesh = BuildMesh(definition, content);
                // A generated figure has a set for every animation of its
                // actor; one drawn by hand gains those its list asks for.
                if (definition.contains("x") && character.contains("animations")) {
                    const std::string text = WithGestureSets(std::string(mesh.begin(), mesh.end()),
                                                             character.at("animations"), "figure \"" + actor + "\"");
                    mesh.assign(text.begin(), text.end());
                }
                entries.push_back({DATAPACK_XMESH, actor, std::move(mesh)});
            } catch (const ContentError& error) {
                throw ContentError(place + ": actor set \"" + setName + "\": " + error.what());
            }
            WriteOutputFile(data / Id::GetActorPath(actorId, shortName.c_str(), setName.c_str()),
                            WriteDataPack(entries));
        }
    }
}

// Writes the files of the scene of the row from its source (SceneFiles.h):
// its description, its 3D file, its pack of painted textures and the actor
// pack of every character of its actor sets, each character with its whole
// list of animations (CharacterAnimationLists.h). Throws ContentError naming
// `place`.
void BuildSceneFiles(const nlohmann::json& given, const SceneDesc& row, const nlohmann::json& manifest,
                     const fs::path& content, const fs::path& data, const std::string& place)
{
    try {
        const nlohmann::json source = WithCharacterAnimations(given, content, place);
        CheckSpriteTextures(source, manifest, place);
        CheckPaintedFromScene(source, place);
        WriteOutputFile(data / Id::GetScenePath(row.m_iId), WriteSceneDescription(source, &row, place));
        if (source.contains("camera"))
            WriteOutputFile(data / Id::GetScene3DPath(row.m_iId), WriteScene3DFile(source, place));
        WriteOutputFile(data / Id::GetScenePackPath(row.m_iId), BuildScenePack(source, content, place));
        BuildActorPacks(source, SceneShortName(source, row.m_pName, place), manifest, content, data, place);
    } catch (const nlohmann::json::exception& error) {
        throw ContentError(place + ": " + error.what());
    }
}

void BuildScene(const fs::path& path, const nlohmann::json& manifest, const fs::path& content, const fs::path& data)
{
    const std::string place = path.filename().string();
    const SceneDesc* row = FindSceneRow(path.stem().string());
    if (!row)
        throw ContentError(place + ": the scene table has no scene \"" + path.stem().string() + "\"");
    BuildSceneFiles(ReadSource(path), *row, manifest, content, data, place);
}

} // namespace

bool BuildScenes(const fs::path& content, const fs::path& data)
{
    const fs::path folder = content / SCENES_FOLDER;
    try {
        if (!fs::exists(folder))
            return true;
        const nlohmann::json manifest = LoadManifest(content);
        std::set<fs::path> sources;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().extension() == ".json")
                sources.insert(entry.path());
        for (const fs::path& source : sources)
            BuildScene(source, manifest, content, data);
        // Every scene the game can enter is made from its source; a missing
        // one would only show up when the player walks in.
        for (const SceneDesc* const* row = Id::GetSceneRegistry(); *row; ++row)
            if (!sources.count(folder / (std::string((*row)->m_pName) + ".json")))
                throw ContentError(std::string("scene \"") + (*row)->m_pName + "\" has no source " + SCENES_FOLDER +
                                   "/" + (*row)->m_pName + ".json");
        return true;
    } catch (const ContentError& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    }
    return false;
}
