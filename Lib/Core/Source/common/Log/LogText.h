#pragma once
#include <cstddef>

// The log's text as its outputs get it. Names read from damaged files may
// hold any byte, and a control byte that reaches a terminal can move its
// cursor, clear it or rename its window: control bytes other than tabs and
// line ends, and bytes that do not form a well-formed UTF-8 character, are
// written as "\xNN", everything else as it is. Returns the text itself
// when nothing needs escaping, else the buffer, which holds as much of the
// escaped text as fits.
const char* EscapeLogText(const char* text, char* buffer, size_t size);
