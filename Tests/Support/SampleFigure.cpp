#include "Support/SampleFigure.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace TestSupport {

std::string ReadSampleFigure()
{
    const std::filesystem::path path =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "Content/Meshes/tavrine.x";
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace TestSupport
