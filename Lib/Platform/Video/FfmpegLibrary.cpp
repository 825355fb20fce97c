#include "Video/FfmpegLibrary.h"

extern "C" {
#include <libavutil/macros.h>
}

#include <dlfcn.h>

namespace Platform {
namespace {

// The libraries by the names of the versions the program was built with.
struct LibraryName {
    const char* key;
    const char* fileName;
};
constexpr LibraryName LIBRARIES[] = {
    {"avutil", "libavutil.so." AV_STRINGIFY(LIBAVUTIL_VERSION_MAJOR)},
    {"swresample", "libswresample.so." AV_STRINGIFY(LIBSWRESAMPLE_VERSION_MAJOR)},
    {"swscale", "libswscale.so." AV_STRINGIFY(LIBSWSCALE_VERSION_MAJOR)},
    {"avcodec", "libavcodec.so." AV_STRINGIFY(LIBAVCODEC_VERSION_MAJOR)},
    {"avformat", "libavformat.so." AV_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR)},
};
constexpr size_t LIBRARY_COUNT = sizeof LIBRARIES / sizeof LIBRARIES[0];

struct Loaded {
    FfmpegLibrary functions;
    std::string error;
    bool complete = false;
};

void* Find(void* const (&handles)[LIBRARY_COUNT], const char* library, const char* name, std::string& error)
{
    for (size_t i = 0; i < LIBRARY_COUNT; ++i) {
        if (std::string(LIBRARIES[i].key) != library)
            continue;
        void* function = dlsym(handles[i], name);
        if (function == nullptr)
            error = std::string(LIBRARIES[i].fileName) + " has no " + name;
        return function;
    }
    return nullptr;
}

Loaded Load()
{
    Loaded loaded;
    void* handles[LIBRARY_COUNT] = {};
    for (size_t i = 0; i < LIBRARY_COUNT; ++i) {
        handles[i] = dlopen(LIBRARIES[i].fileName, RTLD_NOW | RTLD_LOCAL);
        if (handles[i] == nullptr) {
            loaded.error = std::string("cannot load ") + LIBRARIES[i].fileName;
            return loaded;
        }
    }
    FfmpegLibrary& functions = loaded.functions;
#define VELMARSH_FFMPEG_FIND(library, name)                                                                    \
    functions.name = reinterpret_cast<decltype(functions.name)>(Find(handles, #library, #name, loaded.error)); \
    if (functions.name == nullptr)                                                                             \
        return loaded;
    VELMARSH_FFMPEG_FUNCTIONS(VELMARSH_FFMPEG_FIND)
#undef VELMARSH_FFMPEG_FIND
    functions.av_log_set_level(AV_LOG_QUIET);
    loaded.complete = true;
    return loaded;
}

} // namespace

const FfmpegLibrary* LoadFfmpeg(std::string& error)
{
    // The libraries stay loaded until the program ends.
    static const Loaded s_loaded = Load();
    if (!s_loaded.complete) {
        error = s_loaded.error;
        return nullptr;
    }
    return &s_loaded.functions;
}

} // namespace Platform
