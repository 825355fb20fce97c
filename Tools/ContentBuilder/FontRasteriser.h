#pragma once
#include "RgbaImage.h"

#include <cstdint>
#include <filesystem>
#include <vector>

// A bitmap font made at build time: the glyph atlas (white, with the glyphs'
// coverage as alpha) and the ".fnt.bin" file that places the glyphs in it.
struct RasterisedFont {
    RgbaImage atlas;
    std::vector<uint8_t> file;
};

// Rasterises the font that a description (JSON) names:
//   {"face": TrueType file (absolute, or below the content folder),
//    "pixelSize": glyph size in pixels, "atlasWidth": width of the atlas,
//    "ranges": [[first code point, last code point], ...]}
// Every code point of the ranges must be in the face, except the control
// characters below 32: a tab is as wide as a space, the others are empty.
// The same description always gives the same bytes. Throws ContentError
// naming the description on any fault.
RasterisedFont RasteriseFont(const std::filesystem::path& description, const std::filesystem::path& content);
