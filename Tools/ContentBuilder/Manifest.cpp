#include "Manifest.h"

#include "ContentError.h"
#include "ItemIcons.h"
#include "PortraitPainter.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <vector>

namespace fs = std::filesystem;

namespace {

nlohmann::json ParseManifestFile(const fs::path& path, const std::string& label)
{
    std::ifstream file(path);
    if (!file)
        throw ContentError("cannot open " + label);
    try {
        nlohmann::json manifest = nlohmann::json::parse(file);
        if (!manifest.is_object())
            throw ContentError(label + ": the manifest must be an object");
        return manifest;
    } catch (const nlohmann::json::exception& error) {
        throw ContentError(label + ": " + error.what());
    }
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The fragments after the manifest itself, in the order they are appended.
std::vector<fs::path> FragmentFiles(const fs::path& content)
{
    std::vector<fs::path> miniGames;
    const fs::path folder = content / MANIFEST_FRAGMENT_FOLDER;
    if (fs::is_directory(folder))
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().extension() == ".json" &&
                entry.path().stem().extension().empty())
                miniGames.push_back(entry.path());
    std::sort(miniGames.begin(), miniGames.end());

    std::vector<fs::path> anywhere;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(content))
        if (entry.is_regular_file() && EndsWith(entry.path().filename().string(), MANIFEST_FRAGMENT_SUFFIX))
            anywhere.push_back(entry.path());
    std::sort(anywhere.begin(), anywhere.end());

    miniGames.insert(miniGames.end(), anywhere.begin(), anywhere.end());
    return miniGames;
}

// Where each name was defined or entered, to name both files of a clash.
class ManifestOrigins {
public:
    // Records the first place of `key`; throws naming both places when it
    // has one already.
    void Claim(const std::string& key, const std::string& label, const std::string& clash)
    {
        const auto [first, fresh] = m_places.emplace(key, label);
        if (!fresh)
            throw ContentError(clash + " (" + first->second + ", " + label + ")");
    }

private:
    std::map<std::string, std::string> m_places;
};

void AppendPacks(nlohmann::json& packs, const nlohmann::json& list, const std::string& label, ManifestOrigins& origins)
{
    for (const nlohmann::json& pack : list) {
        if (!pack.is_object() || !pack.contains("file") || !pack.at("file").is_string() || !pack.contains("entries") ||
            !pack.at("entries").is_array())
            throw ContentError(label + ": a pack is {\"file\": name, \"entries\": [...]}, not " + pack.dump());
        const std::string file = pack.at("file").get<std::string>();
        auto listed = std::find_if(packs.begin(), packs.end(),
                                   [&](const nlohmann::json& known) { return known.at("file") == file; });
        if (listed == packs.end()) {
            packs.push_back({{"file", file}, {"entries", nlohmann::json::array()}});
            listed = packs.end() - 1;
        }
        for (const nlohmann::json& entry : pack.at("entries")) {
            // The engine finds an entry of a kind by its name: a second one
            // would hide the first.
            if (entry.is_object() && entry.contains("name") && entry.at("name").is_string()) {
                const std::string name = entry.at("name").get<std::string>();
                const std::string kind = entry.value("kind", std::string());
                origins.Claim("pack " + file + "/" + kind + "/" + name, label,
                              "\"" + name + "\" (" + kind + ") is entered twice in pack \"" + file + "\"");
            }
            listed->at("entries").push_back(entry);
        }
    }
}

// A fragment's sections are lists appended to the manifest's lists of the
// same name; a "comment" says what the fragment holds.
void AppendFragment(nlohmann::json& manifest, const nlohmann::json& fragment, const std::string& label,
                    ManifestOrigins& origins)
{
    for (const auto& [section, list] : fragment.items()) {
        if (section == "comment")
            continue;
        if (!list.is_array())
            throw ContentError(label + ": \"" + section + "\" must be a list");
        nlohmann::json& target = manifest[section];
        if (target.is_null())
            target = nlohmann::json::array();
        if (section == "packs") {
            AppendPacks(target, list, label, origins);
            continue;
        }
        for (const auto& definition : list) {
            // Packs take an entry's bytes from the definition of its name, so
            // two definitions of one name (two games' "masks_BG") would
            // silently share one.
            if (definition.is_object() && definition.contains("name") && definition.at("name").is_string()) {
                const std::string name = definition.at("name").get<std::string>();
                origins.Claim(section + "/" + name, label,
                              "\"" + name + "\" is defined twice in \"" + section +
                                  "\"; name one of them apart and give its pack entry a \"source\"");
            }
            target.push_back(definition);
        }
    }
}

} // namespace

nlohmann::json LoadManifest(const fs::path& content)
{
    nlohmann::json manifest = nlohmann::json::object();
    ManifestOrigins origins;
    const fs::path path = content / MANIFEST_FILE_NAME;
    if (fs::exists(path))
        AppendFragment(manifest, ParseManifestFile(path, MANIFEST_FILE_NAME), MANIFEST_FILE_NAME, origins);
    if (!fs::is_directory(content))
        return manifest;
    for (const fs::path& file : FragmentFiles(content)) {
        const std::string label = fs::relative(file, content).generic_string();
        AppendFragment(manifest, ParseManifestFile(file, label), label, origins);
    }
    AppendFragment(manifest, ItemIconFragment(content), ITEM_LIST_FILE, origins);
    AppendFragment(manifest, PortraitFragment(content, manifest), PORTRAIT_FIGURES_FOLDER, origins);
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
