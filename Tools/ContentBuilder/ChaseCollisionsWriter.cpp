#include "ChaseCollisionsWriter.h"

#include "ByteWriter.h"
#include "ContentError.h"

#include <cmath>
#include <string>

namespace {

constexpr size_t KIND_MAX = 25;

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
    for (size_t kind = 0; kind < kinds.size(); ++kind) {
        double box[4] = {0, 0, 0, 0};
        if (kinds[kind].contains("box")) {
            const nlohmann::json& numbers = kinds[kind].at("box");
            if (!numbers.is_array() || numbers.size() != 4)
                throw ContentError("kind " + std::to_string(kind) + ": \"box\" must be [x, y, width, height]");
            for (size_t i = 0; i < 4; ++i) {
                if (!numbers[i].is_number())
                    throw ContentError("kind " + std::to_string(kind) + ": \"box\" must hold numbers");
                box[i] = numbers[i].get<double>();
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
