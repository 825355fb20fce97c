#pragma once
#include <nlohmann/json.hpp>

#include <filesystem>

// A character's own animations, "CharacterAnimations/<actor>.json": a list of
// [type, animation] as a scene gives them, most needed first, for what the
// character does in every scene it stands in (the heroine's gestures), so
// that no scene has to list them.
//
// The scene source with each character of each actor set given its whole
// list: its own in the set, or else the scene's for its actor, followed by
// as many of the character's shared list as the 48 animations a character
// holds leave room for (an animation the scene lists keeps the scene's
// type). Throws ContentError naming `place` or the shared list's file when
// one is not a list.
nlohmann::json WithCharacterAnimations(const nlohmann::json& source, const std::filesystem::path& content,
                                       const std::string& place);
