#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// An 8-bit RGBA picture, rows from the top, 4 bytes per pixel.
struct RgbaImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> pixels;

    RgbaImage() = default;
    RgbaImage(uint32_t w, uint32_t h) : width(w), height(h), pixels(size_t(w) * h * 4, 0) { }

    uint8_t* At(uint32_t x, uint32_t y) { return &pixels[(size_t(y) * width + x) * 4]; }
    const uint8_t* At(uint32_t x, uint32_t y) const { return &pixels[(size_t(y) * width + x) * 4]; }
};
