#include "ChaseCollisionsWriter.h"
#include "ContentError.h"
#include "ContentSteps.h"
#include "OutputFile.h"

#include <cstdio>
#include <fstream>

namespace fs = std::filesystem;

// Content/MiniGameData/<Name>.col.json becomes "minigame/<Name>.col".
bool BuildChaseCollisions(const fs::path& content, const fs::path& data)
{
    const fs::path folder = content / "MiniGameData";
    if (!fs::exists(folder))
        return true;
    std::string current;
    try {
        for (const fs::directory_entry& source : fs::directory_iterator(folder)) {
            const std::string name = source.path().filename().string();
            if (!name.ends_with(".col.json"))
                continue;
            current = source.path().string();
            std::ifstream file(source.path());
            const nlohmann::json json = nlohmann::json::parse(file);
            WriteOutputFile(data / "minigame" / source.path().stem(), WriteChaseCollisions(json));
        }
        return true;
    } catch (const ContentError& error) {
        std::fprintf(stderr, "ContentBuilder: %s: %s\n", current.c_str(), error.what());
    } catch (const nlohmann::json::exception& error) {
        std::fprintf(stderr, "ContentBuilder: %s: %s\n", current.c_str(), error.what());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
    }
    return false;
}
