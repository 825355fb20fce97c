#include "Tools/ContentBuilder/SampleCharacterLooks.h"

#include "Support/SampleFigure.h"
#include "Support/TestPaths.h"

#include <nlohmann/json.hpp>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

namespace {

// "#rrggbb" of "#RRGGBB" or "#RRGGBBAA": how much a figure shows through is
// not its colour.
std::string ColourOf(const nlohmann::json& colour)
{
    return LowerCase(colour.get<std::string>().substr(0, 7));
}

// "#rrggbb" of the "Hair" material of the actor's own mesh, or "none": a
// hand-made figure without one is bald whatever its portrait shows.
std::string HairOfMesh(const std::string& actor)
{
    const std::string mesh = TestSupport::ReadSampleMesh(actor);
    const std::string material = "Material Hair {";
    const size_t at = mesh.find(material);
    if (at == std::string::npos)
        return "none";
    std::istringstream diffuse(mesh.substr(at + material.size()));
    double red = 0, green = 0, blue = 0;
    char separator = 0;
    diffuse >> red >> separator >> green >> separator >> blue;
    const auto byte = [](double channel) { return int(std::lround(channel * 255)); };
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", byte(red), byte(green), byte(blue));
    return text;
}

} // namespace

std::map<std::string, CharacterLook> SampleCharacterLooks()
{
    const std::filesystem::path content = TestSupport::SourceDir() / "Content";
    std::map<std::string, CharacterLook> looks;
    for (const std::string folder : {"Characters", "Portraits"})
        for (const auto& entry : std::filesystem::directory_iterator(content / folder)) {
            const nlohmann::json character = nlohmann::json::parse(std::ifstream(entry.path()));
            if (!character.contains("top") || !character.contains("hair"))
                continue;
            const std::string actor = entry.path().stem().string();
            // A portrait's own description only paints the face; the scenes
            // show the hair of the figure's mesh.
            const std::string hair = folder == "Portraits" ? HairOfMesh(actor) : ColourOf(character.at("hair"));
            looks.emplace(actor, CharacterLook {ColourOf(character.at("top")), hair,
                                                character.value("build", "person") == "animal"});
        }
    return looks;
}
