#pragma once
#include <cstddef>

namespace Platform {

// The importer trusts what an X file says: an index out of range is read or
// written out of bounds, a count far beyond the data is allocated and filled
// at once, a deep hierarchy is walked by recursion. This walks a text X file
// by the importer's own reading rules and accepts it only when every count
// is backed by its data, every index lies in range, every number is finite
// and the hierarchy stays within bounds, so that only files the importer
// reads safely reach it. Binary and compressed X files are refused.
bool IsSafeXFileText(const char* pData, size_t iSize);

} // namespace Platform
