#pragma once
#include <filesystem>
#include <string>

// The X text of the actor's figure, made from its description, the file
// `description` (Characters/<actor>.json in the content folder): one
// animation set for every animation that the animation table gives the
// actor; sets whose names end in "_l" loop over two seconds, the others play
// for half a second. Throws ContentError naming the file when it cannot be
// read, is damaged or names no actor of the actor table.
std::string BuildCharacterX(const std::string& actor, const std::filesystem::path& description);
