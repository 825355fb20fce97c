#pragma once
#include <cstddef>
#include <cstdint>

// Checks a data pack of `size` bytes before anything is read from it in
// place: the magic, the header, the table of contents within the buffer,
// every entry's name inside the table's name area and ended within it, every
// entry's data after the table and inside the buffer, and no entry marked
// registered (a buffer that is bound already). A fault is logged with the
// pack's name and the result is false; nothing is written.
bool CheckDataPackLayout(const uint8_t* buffer, size_t size, const char* packName);
