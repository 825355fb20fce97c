#pragma once
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>

// The manifest, "Manifest.json" in the content folder, lists what the data
// folder holds. Each kind of source has its own section, a list of named
// definitions ("textures"...); "packs" lists the data packs, each a file
// name and its entries in pack order:
//   {"file": "common.dr", "entries": [{"kind": "TX2D", "name": "star"}, ...]}
// An entry takes its bytes from the definition of that name in its kind's
// section, or of its "source" when it has one (packs of different games
// holding different pictures under one entry name). A name defined twice in
// a section is refused.
constexpr const char* MANIFEST_FILE_NAME = "Manifest.json";

// Each mini-game keeps its own sources in "MiniGames/<name>.json" beside the
// manifest: a fragment with the manifest's sections, whose lists are appended
// to the manifest's in file-name order. Other files there ("<name>.col.json")
// are sources of the mini-games' own formats, not fragments.
constexpr const char* MANIFEST_FRAGMENT_FOLDER = "MiniGames";

// The manifest of the content folder with its fragments; an empty object when
// there is neither. Throws ContentError when a file cannot be read or parsed
// or a name is defined twice.
nlohmann::json LoadManifest(const std::filesystem::path& content);

// The definition named `name` in the list `section` of the manifest; throws
// ContentError when there is none.
const nlohmann::json& FindDefinition(const nlohmann::json& manifest, const char* section, const std::string& name);

// A string member of a definition; throws ContentError naming the member
// when it is missing or not a string.
std::string RequireString(const nlohmann::json& definition, const char* member);
