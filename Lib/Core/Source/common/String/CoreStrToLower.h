#pragma once

// Copies the source string in lower case, terminator included, into the
// destination; a null source lowers the destination in place, a null
// destination does nothing. In the program's C locale only ASCII letters
// change.
void CoreStrToLower(char* destination, const char* source);
