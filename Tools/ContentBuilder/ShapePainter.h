#pragma once
#include "RgbaImage.h"

#include <nlohmann/json.hpp>

// Paints a list of shapes, in order, each replacing the pixels it covers
// (a transparent colour cuts a hole). Coordinates are pixels from the top
// left, pixel centres at +0.5. Shapes:
//   {"rect": [x, y, w, h], "colour": c}
//   {"circle": [cx, cy, r], "inner": r2, "colour": c}   ("inner" makes a ring)
//   {"polygon": [[x, y], ...], "colour": c}              (even-odd filled)
//   {"line": [[x0, y0], [x1, y1]], "width": w, "colour": c}
//   {"group": [shapes...], "at": [[dx, dy], ...]}        (drawn once per offset)
//   {"text": t, "at": [centre x, top], "size": pixels, "face": TrueType file,
//    "colour": c}                                         (TextPainter.h)
// Colours are "#RRGGBB" or "#RRGGBBAA". Throws ContentError on a bad shape.
void PaintShapes(const nlohmann::json& shapes, RgbaImage& image);

// Parses "#RRGGBB" or "#RRGGBBAA" into RGBA bytes; throws ContentError.
void ParseColour(const nlohmann::json& text, uint8_t rgba[4]);
