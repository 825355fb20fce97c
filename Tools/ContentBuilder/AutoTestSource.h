#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Reads a recorded play-through's source (the format is described at the top
// of Content/AutoTest/Recording.txt) and returns the file that auto-test
// playback reads; the sources it includes are read from folder. Faults throw a
// ContentError that names the file and line.
std::vector<uint8_t> CompileAutoTestRecording(const std::string& text, const std::string& sourceName,
                                              const std::filesystem::path& folder = {});
std::vector<uint8_t> CompileAutoTestRecordingFile(const std::filesystem::path& path);
