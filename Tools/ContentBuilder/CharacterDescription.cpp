#include "CharacterDescription.h"

#include "SourceRecord.h"

#include <algorithm>
#include <utility>

namespace {

constexpr double MIN_HEIGHT = 40.0;
constexpr double MAX_HEIGHT = 300.0;
constexpr double MIN_WIDTH = 0.6;
constexpr double MAX_WIDTH = 1.6;

const char* const MEMBERS[] = {"height", "build",  "width", "seated", "skin",
                               "top",    "bottom", "hair",  "shoes",  "shapes"};

const std::pair<const char*, FigureShape> SHAPE_NAMES[] = {
    {"hat", FigureShape::Hat},     {"beard", FigureShape::Beard}, {"long_hair", FigureShape::LongHair},
    {"skirt", FigureShape::Skirt}, {"tail", FigureShape::Tail},   {"ears", FigureShape::Ears},
    {"chair", FigureShape::Chair}};

FigureColour ReadColour(const SourceRecord& record, const char* member, const char* fallback)
{
    const std::vector<uint8_t> bytes = record.Colour(member, fallback);
    return {bytes[0] / 255.0, bytes[1] / 255.0, bytes[2] / 255.0, bytes[3] / 255.0};
}

double ReadNumber(const SourceRecord& record, const char* member, double min, double max, double fallback)
{
    if (!record.Has(member))
        return fallback;
    const nlohmann::json& value = record.Member(member);
    if (!value.is_number() || value.get<double>() < min || value.get<double>() > max)
        record.Fail(std::string("\"") + member + "\" must be a number from " + std::to_string(int(min)) + " to " +
                    std::to_string(int(max)));
    return value.get<double>();
}

CharacterShape ReadShape(const nlohmann::json& source, const std::string& place)
{
    const SourceRecord record(source, place);
    const nlohmann::json& name = record.Member("shape");
    for (const auto& [text, shape] : SHAPE_NAMES)
        if (name.is_string() && name.get<std::string>() == text)
            return {shape, ReadColour(record, "colour", "#808080")};
    record.Fail("no shape " + name.dump());
}

} // namespace

bool CharacterDescription::Has(FigureShape shape) const
{
    return std::any_of(shapes.begin(), shapes.end(), [&](const CharacterShape& s) { return s.shape == shape; });
}

CharacterDescription ReadCharacterDescription(const nlohmann::json& source, const std::string& actor,
                                              const std::string& place)
{
    const SourceRecord record(source, place);
    for (const auto& member : source.items())
        if (std::find(std::begin(MEMBERS), std::end(MEMBERS), member.key()) == std::end(MEMBERS))
            record.Fail("no member \"" + member.key() + "\" in a character description");

    CharacterDescription description;
    description.actor = actor;
    if (!record.Has("height"))
        record.Fail("\"height\" is missing");
    description.height = ReadNumber(record, "height", MIN_HEIGHT, MAX_HEIGHT, 0.0);
    description.width = ReadNumber(record, "width", MIN_WIDTH, MAX_WIDTH, 1.0);
    if (record.Has("build")) {
        const nlohmann::json& build = record.Member("build");
        if (build == "animal")
            description.build = FigureBuild::Animal;
        else if (build != "person")
            record.Fail("\"build\" must be \"person\" or \"animal\"");
    }
    if (record.Has("seated")) {
        if (!record.Member("seated").is_boolean())
            record.Fail("\"seated\" must be true or false");
        description.seated = record.Member("seated").get<bool>();
    }
    description.skin = ReadColour(record, "skin", "#E8B890");
    description.top = ReadColour(record, "top", "#808080");
    description.bottom = ReadColour(record, "bottom", "#505060");
    description.hair = ReadColour(record, "hair", "#503020");
    description.shoes = ReadColour(record, "shoes", "#302018");
    if (record.Has("shapes")) {
        const nlohmann::json& shapes = record.Member("shapes");
        if (!shapes.is_array())
            record.Fail("\"shapes\" must be a list");
        for (size_t i = 0; i < shapes.size(); ++i)
            description.shapes.push_back(ReadShape(shapes[i], place + ": shape " + std::to_string(i)));
    }
    return description;
}
