#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace Platform {

// An image of 8-bit RGBA pixels, top row first.
struct RgbaImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> pixels;

    // The pixel as 0xRRGGBBAA.
    uint32_t At(uint32_t x, uint32_t y) const;
};

// Writes the image as a PNG file; false when the file cannot be written.
bool WritePng(const RgbaImage& image, const std::string& path);

} // namespace Platform
