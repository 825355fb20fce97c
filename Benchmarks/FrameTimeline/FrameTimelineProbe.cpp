// Loaded into the game with LD_PRELOAD: writes the file named by
// FRAME_TIMELINE, one line per presented frame and one per line the game
// writes to its log file, each with the wall time (ms, monotonic) and the
// processor time of all the program's threads (ms) when it happened:
//   present <wall> <processor>
//   log <wall> <processor> <the log line>
// Tools/Scripts/performance-table.sh reads the intro movie's first frame and
// the pacing from it. The lines are kept in memory until the program ends,
// so that the probe adds no file writes to the frames it times.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <mutex>
#include <string>
#include <sys/resource.h>

namespace {

double WallMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double ProcessorMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

std::mutex s_mutex;
// Never freed: a log line written while the program's statics are destroyed
// still finds it.
std::string& s_lines = *new std::string;

void Add(const char* kind, const char* text)
{
    char times[64];
    std::snprintf(times, sizeof times, "%s %.3f %.3f", kind, WallMilliseconds(), ProcessorMilliseconds());
    const std::lock_guard<std::mutex> lock(s_mutex);
    s_lines += times;
    if (text != nullptr) {
        s_lines += ' ';
        s_lines.append(text, std::strcspn(text, "\n"));
    }
    s_lines += '\n';
}

__attribute__((destructor)) void WriteTimeline()
{
    const char* path = std::getenv("FRAME_TIMELINE");
    FILE* file = path != nullptr ? std::fopen(path, "w") : nullptr;
    if (file == nullptr)
        return;
    const std::lock_guard<std::mutex> lock(s_mutex);
    std::fwrite(s_lines.data(), 1, s_lines.size(), file);
    std::fclose(file);
}

template <typename Function>
Function Next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" void SDL_GL_SwapWindow(SDL_Window* window)
{
    static const auto swap = Next<void (*)(SDL_Window*)>("SDL_GL_SwapWindow");
    if (swap != nullptr)
        swap(window);
    Add("present", nullptr);
}

// The game writes each log line to the terminal and to its log file; the
// file's copy is the one kept.
extern "C" int fputs(const char* text, FILE* stream)
{
    static const auto put = Next<int (*)(const char*, FILE*)>("fputs");
    if (stream != stdout && stream != stderr)
        Add("log", text);
    return put(text, stream);
}
