#pragma once
#include <cstdint>

// UTF-8 helpers shared by the fonts, the text renderer and the talk screen.

// Decodes the code point at *text and moves *text past its bytes. The lead
// byte gives the length (1 to 4 bytes); continuation bytes are taken as they
// are, without checking their top bits. A lead byte that starts no sequence
// (a stray continuation byte, 0xF8-0xFF) is one code point of its own value.
// A NUL byte decodes as 0 and is stepped over like any other byte, so callers
// stop at the first 0. A sequence cut short by the string's NUL is not read
// past it: its lead byte counts as a code point of its own value and the NUL
// is the next code point.
uint32_t Utf8DecodeNext(const char** text);
