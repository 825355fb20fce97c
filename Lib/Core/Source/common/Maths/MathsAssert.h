#pragma once
#include "Error/EngineAssert.h"

#include <cstddef>

// Asserts a pointer argument of a maths routine and leaves the routine when
// it is null, so that a bad call logs instead of crashing.
#define MATHS_REQUIRE_POINTER(pointer, message)      \
    do {                                             \
        ENGINE_ASSERT_MSG(pointer != NULL, message); \
        if ((pointer) == nullptr)                    \
            return;                                  \
    } while (0)
