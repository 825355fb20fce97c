#include "Support/SampleFigure.h"

#include "Support/Files.h"

#include <filesystem>

namespace TestSupport {

std::string ReadSampleMesh(const std::string& name)
{
    const std::filesystem::path path =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "Content/Meshes" / (name + ".x");
    return ReadFileText(path);
}

std::string ReadSampleFigure()
{
    return ReadSampleMesh("tavrine");
}

std::string ReadUntexturedSampleFigure()
{
    std::string data = ReadSampleFigure();
    const std::string texture = "TextureFilename { \"Tavrine.DDS\"; }";
    const size_t at = data.find(texture);
    if (at != std::string::npos)
        data.erase(at, texture.size());
    return data;
}

} // namespace TestSupport
