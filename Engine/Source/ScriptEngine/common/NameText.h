#pragma once
#include <cstddef>

// Copies a name for printing into `out` (always terminated, cut to fit):
// at most uFieldSize bytes are read, since a name that fills a fixed field
// (16 bytes for scene objects) has no terminator, and a null name prints as
// "". Returns out.
char* CopyName(char* out, size_t uOutSize, const char* pName, size_t uFieldSize);
