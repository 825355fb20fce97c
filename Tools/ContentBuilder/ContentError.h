#pragma once
#include <stdexcept>
#include <string>

// A fault in the content sources: what is wrong and where. The step that
// meets it prints it and fails the build.
class ContentError : public std::runtime_error {
public:
    explicit ContentError(const std::string& what) : std::runtime_error(what) { }
};
