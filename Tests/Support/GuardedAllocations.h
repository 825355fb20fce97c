#pragma once
#include <cstddef>

namespace TestSupport {

// While one lives, every block of at least MIN_GUARDED_SIZE bytes that
// operator new hands out ends where a page starts that must not be touched:
// a write past its end stops the program at once, whoever makes it (FFmpeg's
// own code too, which no sanitizer sees). The few bytes kept between the end
// and that page for alignment are checked when the block is freed. Only a
// program that links GuardedAllocations.cpp has them; everything else it
// allocates comes from malloc as usual.
class GuardedAllocations {
public:
    static constexpr size_t MIN_GUARDED_SIZE = 64 * 1024;

    GuardedAllocations();
    ~GuardedAllocations();
    GuardedAllocations(const GuardedAllocations&) = delete;
    GuardedAllocations& operator=(const GuardedAllocations&) = delete;
};

} // namespace TestSupport
