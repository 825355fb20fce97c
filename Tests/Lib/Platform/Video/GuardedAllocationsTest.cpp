// The guarded allocations that the movie tests and the movie harness watch
// FFmpeg with replace operator new: a block made by one form of new and
// freed by a delete that the standard pairs with it must come from the same
// maker, else the sanitizer build stops at the first one (the fuzzer's driver
// frees its no-throw blocks with a plain delete).
#include "Support/GuardedAllocations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>

namespace {

TEST(GuardedAllocationsTest, EveryFormOfNewIsFreedByItsDelete)
{
    const TestSupport::GuardedAllocations guarded;
    for (const size_t size : {size_t(16), TestSupport::GuardedAllocations::MIN_GUARDED_SIZE + 3}) {
        SCOPED_TRACE(size);
        auto* plain = static_cast<char*>(operator new(size));
        std::memset(plain, 1, size);
        operator delete(plain);

        auto* array = new char[size];
        std::memset(array, 2, size);
        delete[] array;

        auto* noThrow = static_cast<char*>(operator new(size, std::nothrow));
        ASSERT_NE(noThrow, nullptr);
        std::memset(noThrow, 3, size);
        operator delete(noThrow);

        auto* noThrowArray = new (std::nothrow) char[size];
        ASSERT_NE(noThrowArray, nullptr);
        std::memset(noThrowArray, 4, size);
        delete[] noThrowArray;

        auto* sized = static_cast<char*>(operator new(size));
        operator delete(sized, size);
    }
}

} // namespace
