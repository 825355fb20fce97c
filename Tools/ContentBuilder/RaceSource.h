#pragma once
#include "RaceFileWriter.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// The patterns of a race track's readable source: {"patterns": [{"difficulty":
// "easy" | "medium" | "hard", "width": screen units (256.0 when left out),
// "elements": [{"kind": obstacle kind name, "x", "y", "mirrored"}]}]}. Throws
// ContentError naming the pattern and element at fault, and for a source
// without a pattern of some difficulty.
std::vector<RacePatternRow> ReadRaceSource(const nlohmann::json& source, const std::string& label);
