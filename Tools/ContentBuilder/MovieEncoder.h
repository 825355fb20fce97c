#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A sample movie as the content describes it: flat-coloured shots with a
// white square crossing the top of the picture, and one sound track per
// voice language, each a steady tone.
struct MovieDescription {
    struct Shot {
        uint32_t firstFrame;
        uint32_t color; // 0xRRGGBB
    };
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t frameRate = 25;
    uint32_t frameCount = 0;
    std::vector<Shot> shots;       // by first frame, the first at frame 0
    std::vector<double> toneHertz; // one sound track each
    // Motion JPEG, as a camera or a screen recorder writes, decodes to
    // full-range pictures at any size.
    enum class Codec {
        Mpeg4,
        MotionJpeg
    } codec = Codec::Mpeg4;
};

// The colour of a frame (0-based) of the description's shots.
uint32_t MovieShotColor(const MovieDescription& movie, uint32_t frame);

// Encodes the movie with FFmpeg's own encoders (the description's video codec,
// 16-bit PCM sound tracks) into a Matroska file at `target`; throws
// ContentError naming the file when it cannot.
void EncodeMovie(const MovieDescription& movie, const std::filesystem::path& target);
