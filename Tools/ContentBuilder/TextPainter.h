#pragma once
#include "RgbaImage.h"

#include <cstdint>
#include <string>

// Paints a line of text (UTF-8) in a TrueType face, `pixelSize` pixels high,
// centred on `centreX` with its top at `top`: every pixel the glyphs cover at
// least half takes the colour, as the other shapes replace what they cover.
// Throws ContentError naming the face or the character it cannot draw.
void PaintText(RgbaImage& image, const std::string& text, double centreX, double top, uint32_t pixelSize,
               const std::string& face, const uint8_t colour[4]);
