#pragma once
#include <nlohmann/json.hpp>

#include <filesystem>
#include <set>
#include <string>

struct SceneDesc;

// Writes the files of the scene of the row from its source (SceneFiles.h):
// its description, its 3D file, its pack of painted textures and the actor
// pack of every character of its actor sets, each character with its whole
// list of animations (CharacterAnimationLists.h). Throws ContentError naming
// `place`.
void BuildSceneFiles(const nlohmann::json& source, const SceneDesc& row, const nlohmann::json& manifest,
                     const std::filesystem::path& content, const std::filesystem::path& data, const std::string& place);

// The scene names that Content/Scenes holds a source of.
std::set<std::string> SceneSourceNames(const std::filesystem::path& content);
