#pragma once
#include <nlohmann/json.hpp>

#include <string>

// A figure drawn by hand as a text X file carries the few bones that scripts
// bind attachments to (Bip01, its head and hands) and sets for a few
// animations only. Every animation of `animations` ([type, name] each) that
// the file has no set for gains one here, of the motion its name reads as,
// so that the figure plays what its scenes ask of it instead of standing
// still. The file's own sets and text stay as they are; the same file and
// list give the same text. Throws ContentError naming `place` when the file
// lacks one of those bones.
std::string WithGestureSets(const std::string& xText, const nlohmann::json& animations, const std::string& place);
