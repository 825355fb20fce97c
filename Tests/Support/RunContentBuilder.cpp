#include "Support/RunContentBuilder.h"

#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <cstdlib>
#include <sys/wait.h>

namespace TestSupport {

ContentBuildResult RunContentBuilder(const std::filesystem::path& content, const std::filesystem::path& data)
{
    const std::filesystem::path errors = data.parent_path() / "builder.err";
    const std::string command = (BinaryDir() / "ContentBuilder").string() + " '" + content.string() + "' '" +
                                data.string() + "' 2> '" + errors.string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileText(errors)};
}

} // namespace TestSupport
