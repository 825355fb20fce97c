#pragma once

// Include in exactly one source file of a test program that feeds malformed
// X files to the mesh service: the importer library loses the frames it had
// parsed when it gives up on a file (a few hundred bytes each time), which
// the leak checker of the sanitizer build would otherwise report as ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libassimp.so\n";
}
