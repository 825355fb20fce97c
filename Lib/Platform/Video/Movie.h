#pragma once
#include <cstdint>

namespace Platform {

// What a movie file says of itself once opened.
struct MovieInfo {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t frameCount = 0;
    // Frames per second as frameRate / frameRateDivisor; the rate is 0 when
    // the file does not tell it.
    uint32_t frameRate = 0;
    uint32_t frameRateDivisor = 1;
    uint32_t soundTrackCount = 0;
    // The frames the file's header announces by its length, 0 when it tells
    // none: more than frameCount when the file was cut short.
    uint32_t announcedFrameCount = 0;
};

// The normal volume of a movie's sound track.
constexpr int32_t MOVIE_VOLUME_NORMAL = 32768;

// One open movie: frames are numbered from 1; DoFrame decodes the current
// frame into the movie's picture, NextFrame moves on. The movie keeps its own
// time from its first Wait: a frame is due once its place in the movie's
// time has come. Pictures are copied out as 32-bit 0xAARRGGBB pixels.
class Movie {
public:
    virtual ~Movie() = default;

    virtual const MovieInfo& Info() const = 0;
    // The frame that DoFrame decodes next (1 .. frameCount, frameCount + 1
    // once the last frame was passed).
    virtual uint32_t CurrentFrame() const = 0;
    // Decodes the current frame; a frame that cannot be decoded keeps the
    // last picture. Starts the sound on the first call.
    virtual void DoFrame() = 0;
    virtual void NextFrame() = 0;
    // True while the current frame is not yet due.
    virtual bool Wait() = 0;
    // True when the frame after the current one is already due too, so that
    // the current one can be dropped.
    virtual bool ShouldSkip() = 0;
    // Copies a rectangle of the picture into the buffer (rows of `pitch`
    // bytes); the rectangle is clipped to the picture.
    virtual void CopyToBuffer(uint8_t* buffer, uint32_t pitch, uint32_t x, uint32_t y, uint32_t width,
                              uint32_t height) const = 0;
    // The volume of an opened sound track (0 is the one the movie was opened
    // with), MOVIE_VOLUME_NORMAL for the file's own level.
    virtual void SetVolume(uint32_t track, int32_t volume) = 0;
};

} // namespace Platform
