#pragma once
#include <nlohmann/json.hpp>

#include <array>
#include <string>
#include <vector>

// A colour of a figure's material: red, green, blue and alpha from 0 to 1.
using FigureColour = std::array<double, 4>;

enum class FigureBuild {
    Person,
    Animal
};

// The shapes that tell one figure from another.
enum class FigureShape {
    Hat,
    Beard,
    LongHair,
    Skirt,
    Tail,
    Ears,
    Chair
};

struct CharacterShape {
    FigureShape shape;
    FigureColour colour;
};

// A character as its short description gives it, "Characters/<actor>.json":
//   {"height": the figure's height in scene units (40 to 300),
//    "build": "person" (the default) or "animal" (on four legs),
//    "width": how broad it is beside others of its height (0.6 to 1.6, 1),
//    "seated": true for one who plays every animation sitting down,
//    "skin", "top", "bottom", "hair", "shoes": "#RRGGBB" or "#RRGGBBAA"
//      (an animal's coat is its "top", its muzzle "skin", its mane "hair"
//      and its hooves "shoes"),
//    "shapes": [{"shape": "hat", "beard", "long_hair", "skirt", "tail",
//                "ears" or "chair", "colour"}]}
// Colours left out take a plain default; a member not listed here is refused
// so that a misspelt one does not pass unseen. Animals wear no beard, long
// hair, skirt or chair.
struct CharacterDescription {
    std::string actor;
    double height = 0.0;
    double width = 1.0;
    FigureBuild build = FigureBuild::Person;
    bool seated = false;
    FigureColour skin {};
    FigureColour top {};
    FigureColour bottom {};
    FigureColour hair {};
    FigureColour shoes {};
    std::vector<CharacterShape> shapes;

    bool Has(FigureShape shape) const;
};

// Reads the description of `actor`; throws ContentError naming `place` and
// the member at fault.
CharacterDescription ReadCharacterDescription(const nlohmann::json& source, const std::string& actor,
                                              const std::string& place);
