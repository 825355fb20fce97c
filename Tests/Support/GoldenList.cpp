#include "Support/GoldenList.h"

#include "Support/GoldenImage.h"
#include "Support/TestPaths.h"

#include <fstream>

namespace TestSupport {

testing::AssertionResult MatchesGoldenList(const std::set<std::string>& found, const std::string& name)
{
    const std::filesystem::path path = SourceDir() / "Tests" / "Data" / (name + ".txt");
    std::string comment;
    std::set<std::string> listed;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("#"))
            comment += line + "\n";
        else if (!line.empty())
            listed.insert(line);
    }
    if (GoldenUpdateRequested()) {
        std::ofstream out(path);
        out << comment;
        for (const std::string& line : found)
            out << line << "\n";
        return out ? testing::AssertionSuccess() : testing::AssertionFailure() << "cannot write " << path;
    }
    std::string unlisted;
    std::string gone;
    for (const std::string& line : found)
        if (!listed.contains(line))
            unlisted += "  " + line + "\n";
    for (const std::string& line : listed)
        if (!found.contains(line))
            gone += "  " + line + "\n";
    if (unlisted.empty() && gone.empty())
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << (unlisted.empty() ? "" : "found and not listed in " + path.string() + ":\n" + unlisted)
           << (gone.empty() ? "" : "listed in " + path.string() + " and no longer found:\n" + gone);
}

} // namespace TestSupport
