#pragma once
#include <cstddef>
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

// The number of bytes Utf8EncodeChar writes for c: 2 below 0x800, 3 below
// 0x10000, otherwise 4.
uint32_t Utf8EncodedLength(uint32_t c);

// Writes the code point c (128 or more; the caller writes smaller ones as one
// byte) as 2, 3 or 4 bytes; returns the position past them.
char* Utf8EncodeChar(char* dest, uint32_t c);

// Copies the first `count` code points of src to dest, re-encoded, each one
// whole: a code point that would not fit in the `capacity` bytes of dest ends
// the copy. When src ends before `count` code points, one zero byte is written
// for each missing code point (as far as they fit). Nothing is written for a
// null src or dest, or a count of 0. Returns the position past the last byte
// written, where the caller puts the terminating NUL (so it keeps one byte of
// the capacity for it).
char* Utf8CopyCodePoints(const char* src, int32_t count, char* dest, size_t capacity);

// The length of the longest start of text that holds whole code points and
// fits in maxBytes bytes (the text's end counts as its NUL).
size_t Utf8FittingLength(const char* text, size_t maxBytes);
