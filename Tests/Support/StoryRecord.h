#pragma once
#include "Support/TestPaths.h"

#include <map>
#include <set>
#include <string>

namespace TestSupport {

// Where the story of a running game stands: the scene played, the playing
// character, the items of the shown inventory, the boolean variables that
// are set and the integer variables that are not 0, all by their names.
struct StoryRecord {
    std::string scene;
    std::string character;
    std::set<std::string> items;
    std::set<std::string> flags;
    std::map<std::string, int> numbers;

    // Read from the running game.
    static StoryRecord OfGame();
    // One fact a line: "scene NAME", "character NAME", "item NAME", "flag
    // NAME", "number NAME VALUE".
    std::string Text() const;
    static StoryRecord FromText(const std::string& text);
};

// The story that a play recorded in the folder under the name ("<name>.txt");
// empty when there is none.
StoryRecord RecordedStory(const TempDir& folder, const std::string& name = "story");

} // namespace TestSupport
