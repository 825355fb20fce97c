#pragma once
#include "CharacterFigure.h"

#include <string>
#include <vector>

// The few motions a generated figure knows; every animation plays the one
// its name reads as.
enum class FigureMotion {
    Idle,
    Walk,
    Talk,
    PickUp,
    Sit,
    // Down on the ground: knocked out, fainted or dead.
    Lie
};

// The motion nearest to what the animation's name says ("g_walk_l" walks,
// "benchcrying01" sits, "g_pickobjectlow01" picks up, "g_dlgpolite" talks,
// "unconscious_l" lies); a name that says none of them idles.
FigureMotion MotionForAnimation(const std::string& name);

// A figure's pose at one moment: each bone's turn in degrees about the
// figure's x (a hanging limb swings forward for a positive turn, a bending
// back leans forward for a negative one), y and z, and how far the hips come
// down so that the feet stay on the ground.
struct FigurePose {
    std::vector<FigureVector> turns;
    double drop = 0.0;
};

// The pose of the motion at `phase` (0 to 1 over the animation). A looping
// animation repeats its motion `cycles` times and may start anywhere in it;
// one played once starts and ends at rest so that the next one follows on,
// except a fall, which ends on the ground where its looping rest goes on.
FigurePose PoseAt(const CharacterFigure& figure, FigureMotion motion, double phase, double cycles, bool loop);
