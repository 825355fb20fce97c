#pragma once
#include "RgbaImage.h"

#include <filesystem>
#include <string>

// Reads a PNG file of any colour type into 8-bit RGBA; false with the reason
// in `error` when the file cannot be read or decoded.
bool ReadPng(const std::filesystem::path& path, RgbaImage& image, std::string& error);
