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
// section.
constexpr const char* MANIFEST_FILE_NAME = "Manifest.json";

// The manifest of the content folder; an empty object when there is none.
// Throws ContentError when it cannot be read or parsed.
nlohmann::json LoadManifest(const std::filesystem::path& content);

// The definition named `name` in the list `section` of the manifest; throws
// ContentError when there is none.
const nlohmann::json& FindDefinition(const nlohmann::json& manifest, const char* section, const std::string& name);

// A string member of a definition; throws ContentError naming the member
// when it is missing or not a string.
std::string RequireString(const nlohmann::json& definition, const char* member);
