#pragma once
#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <vector>

// The bytes of a mesh definition of the manifest, an X file of the content
// folder taken as it is, or the figure of a character made from its
// description (CharacterMeshBuilder.h), n being the actor's name:
//   {"name": n, "x": path in the content folder}
//   {"name": n, "character": path of the description in the content folder}
// Throws ContentError naming the mesh when the file cannot be read or is no
// X file.
std::vector<uint8_t> BuildMesh(const nlohmann::json& definition, const std::filesystem::path& content);
