// A movie file opened as the core opens it for the movie state (silent
// first, to learn its sound tracks, then again with the voice track), then
// played to its end: every frame decoded, its sound queued and the whole
// picture copied out, as drawing copies it. Large blocks end at a guard page,
// so that a write past the picture by FFmpeg's own (uninstrumented) code stops
// the run.
#include "FuzzSupport.h"
#include "Support/GuardedAllocations.h"
#include "Video/FfmpegVideoSystem.h"

#include <memory>
#include <string>
#include <vector>

namespace {

// A voice track beyond the first, as a French or German game plays.
constexpr uint32_t VOICE_TRACK = 2;
// Frames decoded at most: a file of many tiny frames stays quick.
constexpr uint32_t MAX_FRAMES = 300;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    Fuzz::SelectFastSilentOutput();
    static TestSupport::GuardedAllocations s_guarded;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Fuzz::InputFile s_file(".bik");
    static Platform::FfmpegVideoSystem s_videos;
    const std::string& path = s_file.Write(data, size);
    std::string error;
    std::unique_ptr<Platform::Movie> movie = s_videos.Open(path.c_str(), Platform::MOVIE_NO_SOUND, error);
    if (!movie)
        return 0;
    const uint32_t track = VOICE_TRACK < movie->Info().soundTrackCount ? VOICE_TRACK : 0;
    movie.reset();
    movie = s_videos.Open(path.c_str(), track, error);
    if (!movie)
        return 0;
    const Platform::MovieInfo info = movie->Info();
    std::vector<uint8_t> picture(size_t(info.width) * info.height * 4);
    for (uint32_t frame = 0; frame < info.frameCount && frame < MAX_FRAMES; ++frame) {
        movie->DoFrame();
        movie->CopyToBuffer(picture.data(), info.width * 4, 0, 0, info.width, info.height);
        movie->NextFrame();
    }
    return 0;
}
