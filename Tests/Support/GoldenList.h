#pragma once
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace TestSupport {

// Compares what a check finds with its reference list, Tests/Data/<name>.txt,
// one line each (lines starting with "#" say what the list is): a line found
// and not listed, and a listed line no longer found, both fail, so the list
// shrinks as each is mended. VELMARSH_UPDATE_GOLDEN=1 rewrites the list,
// keeping its leading comment.
testing::AssertionResult MatchesGoldenList(const std::set<std::string>& found, const std::string& name);

} // namespace TestSupport
