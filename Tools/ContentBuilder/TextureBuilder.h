#pragma once
#include "RgbaImage.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <vector>

// Builds the DDS image of a texture definition of the manifest:
//   {"name": n, "format": "DXT1" | "DXT5", "png": path in the content folder}
//   {"name": n, "format": ..., "font": font description in the content
//    folder}                                     (its glyph atlas)
//   {"name": n, "format": ..., "size": [w, h], "background": colour,
//    "shapes": [...]}                            (drawn at build time)
// Throws ContentError naming the texture on any fault.
std::vector<uint8_t> BuildTexture(const nlohmann::json& definition, const std::filesystem::path& content);

// The picture of a drawn definition ("size", "background", "shapes") before
// it is compressed; throws ContentError on a bad shape.
RgbaImage DrawTexturePicture(const nlohmann::json& definition);
