// Loaded into a program with LD_PRELOAD: at its first presented frame, says
// how long the program took to get there since FIRST_FRAME_START (seconds
// since the epoch, as bash's EPOCHREALTIME gives it, read just before the
// program started) and how much processor time all its threads used, then
// ends the program.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double SecondsSinceEpoch()
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double ProcessorMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

} // namespace

extern "C" void SDL_GL_SwapWindow(SDL_Window* window)
{
    using Swap = void (*)(SDL_Window*);
    const auto swap = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    if (swap != nullptr)
        swap(window);
    const char* start = std::getenv("FIRST_FRAME_START");
    const double wall = start != nullptr ? (SecondsSinceEpoch() - std::atof(start)) * 1e3 : 0.0;
    std::fprintf(stderr, "first present: %.1f ms, processor %.1f ms\n", wall, ProcessorMilliseconds());
    _exit(0);
}
