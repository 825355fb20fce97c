#include "ChaseCollisionsWriter.h"

#include "ByteWriter.h"
#include "ChaseObstacleKinds.h"
#include "ContentError.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr size_t KIND_MAX = 25;
// The game refuses box fields beyond this many units either way.
constexpr double BOX_FIELD_MAX = 4096.0;

uint32_t ToFixed(double units)
{
    return static_cast<uint32_t>(static_cast<int32_t>(std::lround(units * 4096.0)));
}

} // namespace

std::vector<uint8_t> WriteChaseCollisions(const nlohmann::json& source)
{
    if (!source.is_object() || !source.contains("kinds") || !source.at("kinds").is_array())
        throw ContentError("\"kinds\" (a list) is missing");
    const nlohmann::json& kinds = source.at("kinds");
    if (kinds.empty() || kinds.size() > KIND_MAX)
        throw ContentError("a chase has 1 to 25 obstacle kinds, not " + std::to_string(kinds.size()));
    ByteWriter writer;
    writer.U8(static_cast<uint32_t>(kinds.size()));
    std::vector<bool> seen(kinds.size(), false);
    for (size_t i = 0; i < kinds.size(); ++i) {
        const std::string name = kinds[i].is_object() ? kinds[i].value("name", std::string()) : std::string();
        const int found = ChaseObstacleKind(name);
        // The game stores a record at its kind, which must lie below the count.
        if (found < 0 || static_cast<size_t>(found) >= kinds.size())
            throw ContentError("entry " + std::to_string(i) + ": \"" + name + "\" is no obstacle kind of the first " +
                               std::to_string(kinds.size()));
        const size_t kind = static_cast<size_t>(found);
        if (seen[kind])
            throw ContentError("kind \"" + name + "\" is given twice");
        seen[kind] = true;
        double box[4] = {0, 0, 0, 0};
        if (kinds[i].contains("box")) {
            const nlohmann::json& numbers = kinds[i].at("box");
            if (!numbers.is_array() || numbers.size() != 4)
                throw ContentError("kind " + std::to_string(kind) + ": \"box\" must be [x, y, width, height]");
            for (size_t field = 0; field < 4; ++field) {
                if (!numbers[field].is_number())
                    throw ContentError("kind " + std::to_string(kind) + ": \"box\" must hold numbers");
                box[field] = numbers[field].get<double>();
                if (!(std::fabs(box[field]) <= BOX_FIELD_MAX))
                    throw ContentError("kind " + std::to_string(kind) + ": a box lies beyond 4096 units");
            }
            if (box[2] < 0 || box[3] < 0)
                throw ContentError("kind " + std::to_string(kind) + ": a box has no negative size");
        }
        writer.U32(static_cast<uint32_t>(kind));
        for (double value : box)
            writer.U32(ToFixed(value));
    }
    return writer.Bytes();
}
