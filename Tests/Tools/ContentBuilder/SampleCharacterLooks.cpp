#include "Tools/ContentBuilder/SampleCharacterLooks.h"

#include "Support/TestPaths.h"

#include <nlohmann/json.hpp>

#include <cctype>
#include <filesystem>
#include <fstream>

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

} // namespace

std::map<std::string, CharacterLook> SampleCharacterLooks()
{
    const std::filesystem::path content = TestSupport::SourceDir() / "Content";
    std::map<std::string, CharacterLook> looks;
    for (const char* folder : {"Characters", "Portraits"})
        for (const auto& entry : std::filesystem::directory_iterator(content / folder)) {
            const nlohmann::json character = nlohmann::json::parse(std::ifstream(entry.path()));
            if (character.contains("top") && character.contains("hair"))
                looks.emplace(entry.path().stem().string(),
                              CharacterLook {ColourOf(character.at("top")), ColourOf(character.at("hair")),
                                             character.value("build", "person") == "animal"});
        }
    return looks;
}
