#include "ChaseObstacleKinds.h"
#include "ContentError.h"
#include "ContentSteps.h"
#include "OutputFile.h"
#include "RaceFileWriter.h"
#include "SourceRecord.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr const char* DIFFICULTIES[] = {"easy", "medium", "hard"};
constexpr const char* SUFFIX = ".race.json";

uint8_t ReadDifficulty(const SourceRecord& record)
{
    const nlohmann::json& value = record.Member("difficulty");
    for (uint8_t difficulty = 0; difficulty < 3; ++difficulty) {
        if (value == DIFFICULTIES[difficulty])
            return difficulty;
    }
    record.Fail("\"difficulty\" must be \"easy\", \"medium\" or \"hard\"");
}

RaceElementRow ReadElement(const SourceRecord& record)
{
    const nlohmann::json& kind = record.Member("kind");
    const int found = kind.is_string() ? ChaseObstacleKind(kind.get<std::string>()) : -1;
    if (found < 0)
        record.Fail("\"kind\" names no obstacle kind");
    return {static_cast<uint8_t>(found), static_cast<uint8_t>(record.Flag("mirrored", false) ? 1 : 0),
            record.ToFixed(record.Member("x"), "\"x\""), record.ToFixed(record.Member("y"), "\"y\"")};
}

std::vector<RacePatternRow> ReadPatterns(const nlohmann::json& source, const std::string& label)
{
    std::vector<RacePatternRow> patterns;
    bool used[3] = {};
    const SourceRecord file(source, label);
    for (const nlohmann::json& patternSource : file.Member("patterns")) {
        const SourceRecord pattern(patternSource, label + ": pattern " + std::to_string(patterns.size()));
        RacePatternRow row {ReadDifficulty(pattern), pattern.Fixed("width", 256.0), {}};
        for (const nlohmann::json& element : pattern.Member("elements"))
            row.elements.push_back(ReadElement(
                SourceRecord(element, pattern.Place() + ": element " + std::to_string(row.elements.size()))));
        used[row.difficulty] = true;
        patterns.push_back(std::move(row));
    }
    // The game draws every difficulty; one without patterns is refused there.
    for (uint8_t difficulty = 0; difficulty < 3; ++difficulty) {
        if (!used[difficulty])
            file.Fail(std::string("has no \"") + DIFFICULTIES[difficulty] + "\" pattern");
    }
    return patterns;
}

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
            WriteOutputFile(data / "minigame" / (stem + ".race"), WriteRaceFile(ReadPatterns(json, label)));
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
