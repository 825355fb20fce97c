#pragma once
#include "TextTableWriter.h"

#include <nlohmann/json.hpp>

#include <map>
#include <set>
#include <string>
#include <vector>

struct SceneDesc;

// What the stand-ins know of the characters: the actors that have a figure,
// and each one's animation list as the first scene source that casts it
// gives it.
struct StandInCast {
    std::set<std::string> figures;
    std::map<std::string, nlohmann::json> animations;
};

// The source (SceneFiles.h) of the generated stand-in of a scene of the scene
// table: its entities are the row's objects in the row's order, a banner at
// the top of its picture names the place, and each exit (StandInExits.h) is
// a door with a caption naming where it leads. A 3D
// scene stands in a room seen through a fixed camera, its floor the walk
// mesh painted through that camera, its doors on the back wall, and its
// actor sets are the row's, with the characters that have a figure standing
// at its first waypoints; a 2D scene is a picture with its exits in a row at
// the bottom.
nlohmann::json StandInSource(const SceneDesc& row, const StandInCast& cast);

// The texts of the stand-in in the language (a code such as "fr-FR"): the
// captions of its exits.
std::vector<TextRow> StandInTexts(const SceneDesc& row, const std::string& language);

// The name of the place, as the scene's name gives it:
// "bg111_BO_BriscoesHouseInterior_B" is "Briscoes House Interior B".
std::string PlaceName(const std::string& sceneName);
