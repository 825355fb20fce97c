#include "Manifest.h"

#include "ContentError.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <vector>

namespace fs = std::filesystem;

namespace {

nlohmann::json ParseManifestFile(const fs::path& path)
{
    std::ifstream file(path);
    if (!file)
        throw ContentError("cannot open " + path.string());
    try {
        nlohmann::json manifest = nlohmann::json::parse(file);
        if (!manifest.is_object())
            throw ContentError(path.string() + ": the manifest must be an object");
        return manifest;
    } catch (const nlohmann::json::exception& error) {
        throw ContentError(path.string() + ": " + error.what());
    }
}

// A fragment's sections are lists appended to the manifest's lists of the
// same name.
void AppendFragment(nlohmann::json& manifest, const nlohmann::json& fragment, const fs::path& path)
{
    for (const auto& [section, list] : fragment.items()) {
        if (!list.is_array())
            throw ContentError(path.string() + ": \"" + section + "\" must be a list");
        nlohmann::json& target = manifest[section];
        if (target.is_null())
            target = nlohmann::json::array();
        if (!target.is_array())
            throw ContentError(path.string() + ": \"" + section + "\" is not a list in the manifest");
        for (const auto& definition : list)
            target.push_back(definition);
    }
}

// Packs take an entry's bytes from the definition of its name, so two
// definitions of one name (two games' "masks_BG") would silently share one.
void RefuseDuplicateNames(const nlohmann::json& manifest)
{
    for (const auto& [section, list] : manifest.items()) {
        if (section == "packs" || !list.is_array())
            continue;
        std::set<std::string> names;
        for (const auto& definition : list)
            if (definition.is_object() && definition.contains("name") && definition.at("name").is_string() &&
                !names.insert(definition.at("name").get<std::string>()).second)
                throw ContentError("\"" + definition.at("name").get<std::string>() + "\" is defined twice in \"" +
                                   section + "\"; name one of them apart and give its pack entry a \"source\"");
    }
}

} // namespace

nlohmann::json LoadManifest(const fs::path& content)
{
    const fs::path path = content / MANIFEST_FILE_NAME;
    nlohmann::json manifest = fs::exists(path) ? ParseManifestFile(path) : nlohmann::json::object();
    const fs::path fragments = content / MANIFEST_FRAGMENT_FOLDER;
    std::vector<fs::path> files;
    if (fs::is_directory(fragments))
        for (const fs::directory_entry& entry : fs::directory_iterator(fragments))
            if (entry.is_regular_file() && entry.path().extension() == ".json" &&
                entry.path().stem().extension().empty())
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files)
        AppendFragment(manifest, ParseManifestFile(file), file);
    RefuseDuplicateNames(manifest);
    return manifest;
}

const nlohmann::json& FindDefinition(const nlohmann::json& manifest, const char* section, const std::string& name)
{
    if (manifest.contains(section))
        for (const auto& definition : manifest.at(section))
            if (definition.is_object() && definition.value("name", std::string()) == name)
                return definition;
    throw ContentError(std::string("no definition named \"") + name + "\" in \"" + section + "\"");
}

std::string RequireString(const nlohmann::json& definition, const char* member)
{
    if (!definition.contains(member) || !definition.at(member).is_string())
        throw ContentError(std::string("\"") + member + "\" (a string) is missing in " + definition.dump());
    return definition.at(member).get<std::string>();
}
