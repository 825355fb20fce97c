#include "Support/SampleFigure.h"

#include "Support/Files.h"

#include <filesystem>

namespace TestSupport {

std::string ReadSampleFigure()
{
    const std::filesystem::path path =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "Content/Meshes/tavrine.x";
    return ReadFileText(path);
}

} // namespace TestSupport
