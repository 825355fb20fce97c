#include "ContentError.h"
#include "ContentSteps.h"
#include "DialogFileWriter.h"
#include "Manifest.h"
#include "OutputFile.h"
#include "SceneBuild.h"
#include "StandInSource.h"

#include "Common/SceneIds.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw ContentError("cannot open " + path.string());
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The figures of the manifest, and the animation list of each character as
// the first scene source (in name order) that casts it gives it.
StandInCast ReadCast(const fs::path& content, const nlohmann::json& manifest, const std::set<std::string>& sources)
{
    StandInCast cast;
    if (manifest.contains("meshes") && manifest.at("meshes").is_array())
        for (const nlohmann::json& mesh : manifest.at("meshes"))
            if (mesh.is_object() && mesh.contains("name") && mesh.at("name").is_string())
                cast.figures.insert(mesh.at("name").get<std::string>());
    for (const std::string& name : sources) {
        const fs::path path = content / "Scenes" / (name + ".json");
        nlohmann::json source;
        try {
            source = nlohmann::json::parse(ReadText(path));
        } catch (const nlohmann::json::exception& error) {
            throw ContentError(path.string() + ": " + error.what());
        }
        for (const nlohmann::json& set : source.value("actorSets", nlohmann::json::array()))
            for (const nlohmann::json& character : set.value("characters", nlohmann::json::array()))
                if (character.contains("name") && character.contains("animations"))
                    cast.animations.emplace(character.at("name").get<std::string>(), character.at("animations"));
    }
    return cast;
}

// The table's texts from its source in Content/Text, when it has one.
std::vector<TextRow> SourceTexts(const fs::path& content, const std::string& language, const std::string& table)
{
    const fs::path path = content / "Text" / language / (table + ".txt");
    if (!fs::exists(path))
        return {};
    return ReadTextSource(ReadText(path), "Text/" + language + "/" + table + ".txt");
}

void AddTexts(std::vector<TextRow>& table, const std::vector<TextRow>& texts)
{
    for (const TextRow& text : texts) {
        bool given = false;
        for (const TextRow& row : table)
            given = given || row.id == text.id;
        if (!given)
            table.push_back(text);
    }
}

void BuildStandIn(const SceneDesc& row, const StandInCast& cast, const nlohmann::json& manifest,
                  const fs::path& content, const fs::path& data)
{
    const std::string name = row.m_pName;
    BuildSceneFiles(StandInSource(row, cast), row, manifest, content, data, "the stand-in of " + name);
    if (row.m_bHasDialog && !fs::exists(content / "Dialogs" / (name + ".txt")))
        WriteOutputFile(data / Id::GetSceneDialogsPath(row.m_iId),
                        WriteDialogFile(DialogSourceGroup {name.substr(0, name.find('_')), {}}));
}

} // namespace

// Every scene of the scene table without a source in Content/Scenes gets its
// generated stand-in (StandInSource.h): its files, an empty dialog group when
// its row has dialogs and Content/Dialogs none, and its exits' captions in
// the scene's text table of every language of Content/Text, beside the texts
// that a source there gives the table.
bool BuildStandInScenes(const fs::path& content, const fs::path& data)
{
    try {
        const std::set<std::string> sources = SceneSourceNames(content);
        const nlohmann::json manifest = LoadManifest(content);
        const StandInCast cast = ReadCast(content, manifest, sources);
        std::map<std::string, std::vector<const SceneDesc*>> tables;
        for (const SceneDesc* const* row = Id::GetSceneRegistry(); *row; ++row) {
            if (sources.count((*row)->m_pName))
                continue;
            BuildStandIn(**row, cast, manifest, content, data);
            tables["BG" + std::string((*row)->m_pName).substr(2, 3)].push_back(*row);
        }
        if (!fs::exists(content / "Text"))
            return true;
        for (const fs::directory_entry& folder : fs::directory_iterator(content / "Text")) {
            if (!folder.is_directory())
                continue;
            const std::string language = folder.path().filename().string();
            for (const auto& [table, rows] : tables) {
                std::vector<TextRow> texts = SourceTexts(content, language, table);
                for (const SceneDesc* row : rows)
                    AddTexts(texts, StandInTexts(*row, language));
                WriteOutputFile(data / "text" / (language + "Text" + table + ".dat"), WriteTextTable(texts));
            }
        }
        return true;
    } catch (const ContentError& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    }
    return false;
}
