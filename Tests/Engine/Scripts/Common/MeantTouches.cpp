#include "Engine/Scripts/Common/MeantTouches.h"

#include "Support/TestPaths.h"

#include <fstream>

std::vector<std::string> TakeOutMeantTouches(std::set<std::string>& faults, const std::string& name)
{
    std::vector<std::string> stale;
    std::ifstream in(TestSupport::SourceDir() / "Tests" / "Data" / (name + ".txt"));
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.starts_with("#"))
            continue;
        const size_t because = line.find(" because ");
        const size_t colon = line.find(": ");
        if (because == std::string::npos || colon == std::string::npos || colon > because) {
            stale.push_back(line + " names no scene, pair and reason");
            continue;
        }
        const std::string scene = line.substr(0, colon) + " in ";
        const std::string pair = ": " + line.substr(colon + 2, because - colon - 2) + " stand ";
        const size_t before = faults.size();
        std::erase_if(faults, [&](const std::string& fault) {
            return fault.starts_with(scene) && fault.find(pair) != std::string::npos;
        });
        if (faults.size() == before)
            stale.push_back(line.substr(0, because) + " is meant to touch but no longer stands in the other");
    }
    return stale;
}
