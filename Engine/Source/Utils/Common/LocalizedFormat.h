#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

// Fills a localised pattern with integers without handing the pattern to
// printf: a text from a text table is data, and a stray conversion in it
// must not read arguments that were never passed. "%d", "%i" and "%u", with
// an optional '0' flag and a width of up to two digits ("%02d"), take the
// next value; "%%" is a percent sign. Any other '%', and a conversion past
// the last value, is copied as it stands. The output is cut to its size and
// always terminated (a size of 0 writes nothing).
void FormatLocalizedIntegers(char* pOut, size_t uSize, const char* pPattern, std::span<const int64_t> aValues);
