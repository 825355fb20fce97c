#pragma once
#include <set>
#include <string>
#include <vector>

// Placements where the story wants two people touching (a hug, a hand that
// shakes a sleeper, children standing on each other), listed in
// Tests/Data/<name>.txt one pair a line, "<scene>: <pair> because <why>",
// the pair written as the placement check writes it ("diego at 3 and
// tavrine at 0").

// Takes every line of a listed pair, in any chapter and cast, out of the
// placement check's faults; one line for each listed pair that is found in
// none, or that gives no reason.
std::vector<std::string> TakeOutMeantTouches(std::set<std::string>& faults, const std::string& name);
