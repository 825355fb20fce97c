#pragma once
#include "Video/Movie.h"

#include <cstdint>

namespace Platform {

// The frame counter and clock shared by every movie backend: the movie's
// time starts at its first Wait and is read from the platform clock, so that
// a fake clock paces movies in tests.
class MoviePacing : public Movie {
public:
    const MovieInfo& Info() const override { return m_info; }
    uint32_t CurrentFrame() const override { return m_uCurrentFrame; }
    void NextFrame() override;
    bool Wait() override;
    bool ShouldSkip() override;

protected:
    MovieInfo m_info;

private:
    // Whether frame `frame` is due at the movie's present time; a movie
    // without a frame rate has every frame due at once.
    bool IsDue(uint32_t frame);

    uint32_t m_uCurrentFrame = 1;
    bool m_bStarted = false;
    uint64_t m_uStartCounter = 0;
};

} // namespace Platform
