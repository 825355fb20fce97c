#pragma once
#include <cstddef>

// Asserts name their function as "Class::Method"; the compiler gives a full
// signature, from which the qualified name is cut into a caller's buffer.
const char* CoreQualifiedFunctionName(const char* prettyFunction, char* buffer, size_t bufferSize);

#define CORE_PRETTY_FUNCTION __PRETTY_FUNCTION__
