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

// Blocks that libraries of other makers lose, which the leak check would
// otherwise report as ours: the sound engine library creates two locks per
// engine through SDL (whose frames the leak check cannot unwind past) and
// never frees them; the mesh importer loses the frames it had parsed when it
// gives up on a malformed file (a few hundred bytes each time); and the
// streaming library that the movie libraries load frees a block of its
// start-up only in its own clean-up, which a game ended during its start-up
// does not reach. The fuzzer's driver keeps its corpus, its mutators and its
// options to the end; in a harness whose operator new is its own (the movie
// harness's guarded allocations) the leak check reports them at exit. Those
// frames never stand above a harness's call, so no reader's block is hidden.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libSDL2\n"
           "leak:libassimp.so\n"
           "leak:libsrt-gnutls.so\n"
           "leak:fuzzer::InputCorpus\n"
           "leak:fuzzer::InputInfo\n"
           "leak:fuzzer::MutationDispatcher\n"
           "leak:fuzzer::FuzzingOptions\n"
           "leak:fuzzer::Sha1ToString\n";
}
