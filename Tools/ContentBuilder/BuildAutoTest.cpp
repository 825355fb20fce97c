#include "AutoTestSource.h"
#include "ContentError.h"
#include "ContentSteps.h"

#include "ScriptEngine/common/AutoTestRecording.h"

#include <cstdio>
#include <fstream>

namespace fs = std::filesystem;

// Content/AutoTest/Recording.txt becomes the recording that "-autotest"
// replays.
bool BuildAutoTestRecording(const fs::path& content, const fs::path& data)
{
    const fs::path source = content / "AutoTest" / "Recording.txt";
    if (!fs::exists(source))
        return true;
    try {
        const std::vector<uint8_t> bytes = CompileAutoTestRecordingFile(source);
        const fs::path target = data / AUTOTEST_RECORDING_FILE;
        std::ofstream file(target, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!file)
            throw ContentError("cannot write " + target.string());
    } catch (const ContentError& error) {
        std::fprintf(stderr, "ContentBuilder: %s\n", error.what());
        return false;
    }
    return true;
}
