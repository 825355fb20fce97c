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
// a section, or entered twice in one pack, is refused.
constexpr const char* MANIFEST_FILE_NAME = "Manifest.json";

// Each mini-game keeps its own sources in "MiniGames/<name>.json" beside the
// manifest: a fragment with the manifest's sections. Other files there
// ("<name>.col.json") are sources of the mini-games' own formats.
constexpr const char* MANIFEST_FRAGMENT_FOLDER = "MiniGames";

// Any folder of the content may hold fragments named "<name>.manifest.json",
// so that a scene, a character or a set of items brings its own definitions
// and packs without touching a line of the manifest.
constexpr const char* MANIFEST_FRAGMENT_SUFFIX = ".manifest.json";

// The manifest of the content folder with its fragments: the mini-games'
// ones in file-name order, then the "*.manifest.json" of every folder in
// path order. A fragment's lists are appended to the manifest's; a pack it
// names again gains its entries after those already listed. The generated
// item icons (ItemIcons.h) and the painted portraits (PortraitPainter.h) come last. An empty object
// when there is no source at all. Throws ContentError naming the file when
// one cannot be read or parsed, or naming both files of a name defined twice.
nlohmann::json LoadManifest(const std::filesystem::path& content);

// The definition named `name` in the list `section` of the manifest; throws
// ContentError when there is none.
const nlohmann::json& FindDefinition(const nlohmann::json& manifest, const char* section, const std::string& name);

// A string member of a definition; throws ContentError naming the member
// when it is missing or not a string.
std::string RequireString(const nlohmann::json& definition, const char* member);
