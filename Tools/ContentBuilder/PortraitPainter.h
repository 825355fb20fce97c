#pragma once
#include <nlohmann/json.hpp>

#include <filesystem>

// The talk screen's portraits of the characters nobody drew. Each character
// described in "Characters/<actor>.json" (and each one whose figure is a mesh
// of its own and that has only a portrait description, "Portraits/<actor>.json",
// in the same format) gets a picture per mood: "intdial_<actor>" for the
// default mood and "intdial_<actor>_<mood>" for the others, the names the
// talk screen looks up. Skin, hair and top colours and the hat, beard and
// long hair shapes of the description make the face; an animal gets a
// muzzle. A character with a drawn "intdial_<actor>" in the manifest keeps
// its drawn pictures only. Each also gets its quest log picture,
// "intquest_<actor>": the default face in a wooden frame, unless one is drawn.
constexpr const char* PORTRAIT_FIGURES_FOLDER = "Characters";
constexpr const char* PORTRAIT_ONLY_FOLDER = "Portraits";
constexpr const char* PORTRAIT_PACK = "common.dr";

// The manifest fragment of the painted portraits: their texture definitions
// and their entries of the common pack, by actor name; `manifest` is the
// manifest so far, whose drawn portraits win. Throws ContentError naming the
// description at fault.
nlohmann::json PortraitFragment(const std::filesystem::path& content, const nlohmann::json& manifest);
