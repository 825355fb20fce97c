#pragma once
#include "ByteWriter.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>

// Writers of the records that a scene description is made of, each from its
// readable source, a JSON object. `place` names the record in the faults they
// throw (ContentError). Positions and sizes are in units of the 256 x 192
// screen, times in milliseconds.
//
// A layer: {"name", "size": [w, h], "sprites": [...], "regions": [...]}.
// A sprite: {"name", "id", "entity", "position": [x, y], "depth", "size",
//   "colour": "#RRGGBBAA", "scale", "pivot", "scroll", "start", "preload",
//   "marker": [x, y, z], "frameCurve", "positionCurve", "scaleCurve",
//   "alphaCurve", "textures": one entry per frame, each a texture name or the
//   names of two splits side by side}; only the name, position, depth, size
//   and textures are required. A sprite preloads (draws frames past the
//   first) when it lists more than one frame of textures.
// A curve: {"length", "loop", "interpolation": "step" or "linear", "keys"}:
//   frames [time, frame], scale [time, [x, y]], alpha [time, 0..255],
//   position {"time", "at": [x, y], "in": [x, y], "out": [x, y]} (tangents
//   per segment, Hermite interpolation).
// A region: {"name", "id", "entity", "depth", "triangles": [[[x, y], [x, y],
//   [x, y]], ...], "position", "size" (the triangles' bounds when left out),
//   "direction", "marker"}; corners in whole screen units, listed clockwise on
//   the screen (y grows downwards).

// What a sprite's curve animates: the kind of its key values.
enum class SpriteCurve {
    Frames,
    Position,
    Scale,
    Alpha
};

// Writes the curve's record; returns its key count.
uint32_t WriteAnimationRecord(ByteWriter& out, const nlohmann::json& source, SpriteCurve curve,
                              const std::string& place);
void WriteSpriteRecord(ByteWriter& out, const nlohmann::json& source, const std::string& place);
void WriteRegionRecord(ByteWriter& out, const nlohmann::json& source, const std::string& place);
void WriteLayerRecord(ByteWriter& out, const nlohmann::json& source, const std::string& place);
