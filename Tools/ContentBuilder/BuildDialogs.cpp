#include "ContentError.h"
#include "ContentSteps.h"
#include "DialogFileWriter.h"
#include "DialogSource.h"
#include "OutputFile.h"

#include "Common/SceneIds.h"

#include <algorithm>
#include <cstdio>

namespace fs = std::filesystem;

namespace {

constexpr const char* COMMON_GROUP = "common";

bool IsSceneName(const std::string& name)
{
    for (const SceneDesc* const* row = Id::GetSceneRegistry(); *row != nullptr; ++row)
        if (name == (*row)->m_pName)
            return true;
    return false;
}

void BuildGroup(const fs::path& source, const fs::path& scenes)
{
    const std::string stem = source.stem().string();
    if (stem != COMMON_GROUP && !IsSceneName(stem))
        throw ContentError(source.filename().string() + ": names neither the common group nor a scene");
    // The group's name in the file: "common", or the scene's short name.
    const DialogSourceGroup group = ReadDialogSource(source, stem.substr(0, stem.find('_')));
    const std::vector<uint8_t> bytes = WriteDialogFile(group);
    const fs::path target = scenes / (stem + ".dialogs.dat");
    WriteOutputFile(target, bytes);
}

} // namespace

// Content/Dialogs holds one source per dialog group: "common.txt" for the
// common group and "<scene name>.txt" for a scene's; each becomes
// "scenes/<name>.dialogs.dat".
bool BuildDialogs(const fs::path& content, const fs::path& data)
{
    const fs::path folder = content / "Dialogs";
    if (!fs::exists(folder))
        return true;
    std::vector<fs::path> sources;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".txt")
            sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end());
    fs::create_directories(data / "scenes", error);
    if (error) {
        std::fprintf(stderr, "ContentBuilder: %s: %s\n", folder.c_str(), error.message().c_str());
        return false;
    }
    try {
        for (const fs::path& source : sources)
            BuildGroup(source, data / "scenes");
    } catch (const ContentError& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
        return false;
    }
    return true;
}
