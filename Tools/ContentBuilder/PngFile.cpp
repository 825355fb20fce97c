#include "PngFile.h"

#include <png.h>

bool ReadPng(const std::filesystem::path& path, RgbaImage& image, std::string& error)
{
    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        error = png.message;
        return false;
    }
    png.format = PNG_FORMAT_RGBA;
    RgbaImage decoded(png.width, png.height);
    if (!png_image_finish_read(&png, nullptr, decoded.pixels.data(), 0, nullptr)) {
        error = png.message;
        png_image_free(&png);
        return false;
    }
    image = std::move(decoded);
    return true;
}
