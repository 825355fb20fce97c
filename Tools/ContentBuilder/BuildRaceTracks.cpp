#include "ContentError.h"
#include "ContentSteps.h"
#include "OutputFile.h"
#include "RaceFileWriter.h"
#include "RaceSource.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr const char* SUFFIX = ".race.json";

} // namespace

// Content/MiniGameData/<name>.race.json holds a race track's patterns; the
// game reads them as "minigame/<name>.race".
bool BuildRaceTracks(const fs::path& content, const fs::path& data)
{
    const fs::path source = content / "MiniGameData";
    if (!fs::exists(source))
        return true;
    try {
        for (const fs::directory_entry& file : fs::directory_iterator(source)) {
            const std::string name = file.path().filename().string();
            if (!name.ends_with(SUFFIX))
                continue;
            const std::string label = "MiniGameData/" + name;
            std::ifstream input(file.path(), std::ios::binary);
            const nlohmann::json json = nlohmann::json::parse(input);
            const std::string stem = name.substr(0, name.size() - std::string(SUFFIX).size());
            WriteOutputFile(data / "minigame" / (stem + ".race"), WriteRaceFile(ReadRaceSource(json, label)));
        }
        return true;
    } catch (const ContentError& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    } catch (const nlohmann::json::exception& error) {
        std::fprintf(stderr, "ContentBuilder: MiniGameData: %s\n", error.what());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    }
    return false;
}
