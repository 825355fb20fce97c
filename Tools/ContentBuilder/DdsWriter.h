#pragma once
#include "RgbaImage.h"

#include <cstdint>
#include <string>
#include <vector>

// Compresses a picture into a DDS image of one level in DXT1 or DXT5 (the
// DdsFormat.h four-character codes). The header gives the picture's own size,
// and so does the image-size word at offset 36; the pixels are padded to
// whole 4 x 4 blocks with transparent black. False with the reason in
// `error` for a format other than those two, an empty picture, or one wider
// or higher than the image-size word can hold (65535).
bool WriteDds(const RgbaImage& image, uint32_t fourCc, std::vector<uint8_t>& dds, std::string& error);
