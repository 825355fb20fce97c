#pragma once
#include <compare>
#include <map>
#include <string>

// How a character of the sample looks in the scenes, as its description
// gives it: the colours of its top (an animal's coat) and of its hair (a
// mane), "#rrggbb" in lower case; a see-through figure's alpha is left out.
struct CharacterLook {
    std::string top;
    std::string hair;
    bool animal = false;

    auto operator<=>(const CharacterLook&) const = default;
};

// Every described character's look by actor name: the box figures of
// Content/Characters and the figures of their own mesh that Content/Portraits
// describes, whose hair is their mesh's "Hair" material.
std::map<std::string, CharacterLook> SampleCharacterLooks();

std::string LowerCase(std::string text);
