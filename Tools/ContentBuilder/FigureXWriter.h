#pragma once
#include "CharacterFigure.h"
#include "FigureMotions.h"

#include <string>
#include <vector>

// One animation set of a generated figure.
struct FigureAnimation {
    std::string name;
    FigureMotion motion = FigureMotion::Idle;
    double seconds = 0.0;
    bool loop = false;
};

// The figure as the text X file that the game reads: a skinned mesh of its
// boxes (one bone each, one material per colour) under a frame per bone, and
// one animation set per animation, in the order given; a figure without
// animations is a plain mesh standing at rest. The same figure and
// animations give the same text.
std::string WriteFigureX(const CharacterFigure& figure, const std::vector<FigureAnimation>& animations,
                         const std::string& comment);
