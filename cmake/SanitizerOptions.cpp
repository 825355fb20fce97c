// The sanitizer runtime's settings, linked into every program of the
// sanitizer builds so that a program run by hand behaves as it does under
// CTest.
//
// Dynamic thread-local storage is not tracked: the runtime guesses a block's
// bounds from a header that this C library no longer writes, so a block that
// the allocator places 16 bytes past a page boundary (as it often does for a
// block of the OpenGL driver's) is recorded with two unrelated words as its
// bounds, and the leak check crashes when it scans them at exit. Untracked,
// the blocks are ordinary heap blocks reached from each thread's block
// vector, so the leak check still sees every pointer they hold.
extern "C" const char* __asan_default_options()
{
    return "intercept_tls_get_addr=0";
}
