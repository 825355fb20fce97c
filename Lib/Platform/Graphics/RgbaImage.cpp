#include "Graphics/RgbaImage.h"

#include <png.h>

namespace Platform {

uint32_t RgbaImage::At(uint32_t x, uint32_t y) const
{
    if (x >= width || y >= height)
        return 0;
    const uint8_t* pixel = &pixels[(size_t(y) * width + x) * 4];
    return (uint32_t(pixel[0]) << 24) | (uint32_t(pixel[1]) << 16) | (uint32_t(pixel[2]) << 8) | pixel[3];
}

bool WritePng(const RgbaImage& image, const std::string& path)
{
    if (image.width == 0 || image.height == 0 || image.pixels.size() != size_t(image.width) * image.height * 4)
        return false;
    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    png.width = image.width;
    png.height = image.height;
    png.format = PNG_FORMAT_RGBA;
    const bool written = png_image_write_to_file(&png, path.c_str(), 0, image.pixels.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return written;
}

} // namespace Platform
