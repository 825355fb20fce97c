#include "RaceSource.h"

#include "ChaseObstacleKinds.h"
#include "SourceRecord.h"

namespace {

constexpr const char* DIFFICULTIES[] = {"easy", "medium", "hard"};

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

} // namespace

std::vector<RacePatternRow> ReadRaceSource(const nlohmann::json& source, const std::string& label)
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
