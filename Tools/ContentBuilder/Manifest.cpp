#include "Manifest.h"

#include "ContentError.h"

#include <fstream>

namespace fs = std::filesystem;

nlohmann::json LoadManifest(const fs::path& content)
{
    const fs::path path = content / MANIFEST_FILE_NAME;
    if (!fs::exists(path))
        return nlohmann::json::object();
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
