#include "FigureMotions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

namespace B = FigureBones;

constexpr double PI = 3.14159265358979323846;

// Words in animation names, by the motion they read as; the first list that
// matches wins, so a talk on a bench sits.
struct MotionWords {
    FigureMotion motion;
    std::vector<const char*> words;
};

const MotionWords MOTION_WORDS[] = {
    // Hesitating is no sitting, and getting up from a faint or a desk ends
    // on one's feet.
    {FigureMotion::Idle, {"hesitat", "unfaint", "standup"}},
    {FigureMotion::Lie, {"unconscious", "faint", "died"}},
    {FigureMotion::Sit,
     {"sit", "seat", "chair", "bench", "desk", "slouch", "sleep", "embroid", "crouch", "kneel", "lying"}},
    {FigureMotion::Walk, {"walk", "run", "step", "stairs", "climb", "flee", "follow"}},
    {FigureMotion::PickUp,
     {"pick", "take", "grab", "leave", "put", "fill", "dip", "sweep", "throw", "search", "dig", "lift", "drop",
      "gather", "collect"}},
    {FigureMotion::Talk, {"talk",    "dlg",  "say",     "laugh", "speak",    "shout", "explain", "order",
                          "polite",  "give", "receive", "show",  "wave",     "clap",  "threat",  "implore",
                          "victory", "fist", "scratch", "tap",   "helpless", "wash",  "push",    "open"}},
};

double Radians(double degrees)
{
    return degrees * PI / 180.0;
}

double Degrees(double radians)
{
    return radians * 180.0 / PI;
}

class PoseMaker {
public:
    PoseMaker(const CharacterFigure& figure, FigurePose& pose) : m_figure(figure), m_pose(pose)
    {
        m_pose.turns.assign(figure.bones.size(), FigureVector {});
    }

    void Turn(const char* bone, double pitch, double roll = 0.0, double yaw = 0.0)
    {
        FigureVector& turn = m_pose.turns[m_figure.FindBone(bone)];
        turn.x += pitch;
        turn.y += roll;
        turn.z += yaw;
    }
    double Pitch(const char* bone) const { return m_pose.turns[m_figure.FindBone(bone)].x; }

private:
    const CharacterFigure& m_figure;
    FigurePose& m_pose;
};

// Hip height that a leg, turned at the hip and the knee, keeps above its
// ankle.
double LegHeight(const CharacterFigure& figure, double thigh, double calf)
{
    return (figure.hip - figure.knee) * std::cos(Radians(thigh)) +
           (figure.knee - figure.ankle) * std::cos(Radians(thigh + calf));
}

void Seat(PoseMaker& make)
{
    make.Turn(B::L_THIGH, 90.0);
    make.Turn(B::R_THIGH, 90.0);
    make.Turn(B::L_CALF, -90.0);
    make.Turn(B::R_CALF, -90.0);
    // Hands in the lap.
    make.Turn(B::L_UPPER_ARM, 25.0);
    make.Turn(B::R_UPPER_ARM, 25.0);
    make.Turn(B::L_FOREARM, 55.0);
    make.Turn(B::R_FOREARM, 55.0);
}

void Breathe(PoseMaker& make, double wave)
{
    make.Turn(B::SPINE, -1.5 * wave);
    make.Turn(B::HEAD, 0.0, 0.0, 8.0 * wave);
    make.Turn(B::L_UPPER_ARM, 0.0, -2.0 - wave);
    make.Turn(B::R_UPPER_ARM, 0.0, 2.0 + wave);
}

void Stride(PoseMaker& make, double wave, bool animal)
{
    const double reach = std::max(0.0, wave);
    const double trail = std::max(0.0, -wave);
    make.Turn(B::L_THIGH, 28.0 * wave);
    make.Turn(B::R_THIGH, -28.0 * wave);
    make.Turn(B::L_CALF, -35.0 * trail);
    make.Turn(B::R_CALF, -35.0 * reach);
    // Arms, or forelegs, swing against the legs of their side.
    const double arm = animal ? 28.0 : 22.0;
    make.Turn(B::L_UPPER_ARM, -arm * wave);
    make.Turn(B::R_UPPER_ARM, arm * wave);
    make.Turn(B::L_FOREARM, animal ? -35.0 * reach : 12.0);
    make.Turn(B::R_FOREARM, animal ? -35.0 * trail : 12.0);
    if (!animal)
        make.Turn(B::SPINE, -3.0);
}

void Gesture(PoseMaker& make, double wave, double reach, bool animal)
{
    if (animal) {
        make.Turn(B::HEAD, -10.0 * reach + 6.0 * wave);
        return;
    }
    make.Turn(B::HEAD, 4.0 * wave, 0.0, 10.0 * reach * wave);
    make.Turn(B::R_UPPER_ARM, 35.0 * reach + 8.0 * wave, 10.0 * reach);
    make.Turn(B::R_FOREARM, 50.0 * reach + 20.0 * wave);
    make.Turn(B::L_FOREARM, 15.0 * reach);
}

void Stoop(PoseMaker& make, const CharacterFigure& figure, double depth, bool animal, bool seated)
{
    if (animal) {
        make.Turn(B::HEAD, -45.0 * depth);
        return;
    }
    if (seated) {
        make.Turn(B::SPINE, -25.0 * depth);
        make.Turn(B::L_UPPER_ARM, 30.0 * depth);
        make.Turn(B::R_UPPER_ARM, 30.0 * depth);
        return;
    }
    make.Turn(B::SPINE, -60.0 * depth);
    make.Turn(B::HEAD, -10.0 * depth);
    make.Turn(B::L_UPPER_ARM, 70.0 * depth);
    make.Turn(B::R_UPPER_ARM, 70.0 * depth);
    make.Turn(B::L_FOREARM, 15.0 * depth);
    make.Turn(B::R_FOREARM, 15.0 * depth);
    // Knees bend forward while the feet stay under the hips.
    const double thigh = 35.0 * depth;
    const double calf =
        -thigh -
        Degrees(std::asin((figure.hip - figure.knee) * std::sin(Radians(thigh)) / (figure.knee - figure.ankle)));
    make.Turn(B::L_THIGH, thigh);
    make.Turn(B::R_THIGH, thigh);
    make.Turn(B::L_CALF, calf);
    make.Turn(B::R_CALF, calf);
}

// The height above the ground of the figure's lowest corner when its root is
// turned by `angle` degrees, every other bone at rest: a person falls back
// about x, an animal rolls onto its side about y (its sides are alike, so
// either way round).
double LowestCorner(const CharacterFigure& figure, double angle, bool animal)
{
    const int root = figure.FindBone(B::ROOT);
    const double hips = figure.bones[root].position.z;
    const double s = std::sin(Radians(angle));
    const double c = std::cos(Radians(angle));
    double lowest = std::numeric_limits<double>::infinity();
    for (const FigureBox& box : figure.boxes) {
        // Boxes on the footsteps bone stay where they are.
        int bone = box.bone;
        while (bone >= 0 && bone != root)
            bone = figure.bones[bone].parent;
        if (bone != root)
            continue;
        for (const double across : {animal ? box.min.x : box.min.y, animal ? box.max.x : box.max.y})
            for (const double up : {box.min.z, box.max.z})
                lowest = std::min(lowest, hips + across * s + (up - hips) * c);
    }
    return lowest;
}

// Falls to the ground, a person onto the back and an animal onto its side,
// and returns how far the hips come down so that the body rests on the
// ground, not in it.
double Fall(PoseMaker& make, const CharacterFigure& figure, double depth, bool animal)
{
    const double angle = 90.0 * depth;
    if (animal)
        make.Turn(B::ROOT, 0.0, angle);
    else
        make.Turn(B::ROOT, angle);
    return -LowestCorner(figure, angle, animal);
}

} // namespace

FigureMotion MotionForAnimation(const std::string& name)
{
    for (const MotionWords& entry : MOTION_WORDS)
        for (const char* word : entry.words)
            if (name.find(word) != std::string::npos)
                return entry.motion;
    return FigureMotion::Idle;
}

FigurePose PoseAt(const CharacterFigure& figure, FigureMotion motion, double phase, double cycles, bool loop)
{
    FigurePose pose;
    PoseMaker make(figure, pose);
    const bool animal = figure.build == FigureBuild::Animal;
    // Sitting is where a seated figure does everything from; animals lower
    // their heads instead.
    const bool seated = !animal && (figure.seated || motion == FigureMotion::Sit);
    if (seated)
        Seat(make);
    const double wave = std::sin(2.0 * PI * cycles * phase);
    // Motions played once rise from rest and return to it.
    const double envelope = loop ? 1.0 : std::sin(PI * phase);
    switch (motion) {
    case FigureMotion::Walk:
        if (!seated) {
            Stride(make, wave, animal);
            break;
        }
        [[fallthrough]];
    case FigureMotion::Idle:
    case FigureMotion::Sit:
        Breathe(make, wave);
        if (seated) {
            make.Turn(B::HEAD, -8.0);
            make.Turn(B::L_FOREARM, 8.0 * std::sin(4.0 * PI * cycles * phase));
            make.Turn(B::R_FOREARM, -8.0 * std::sin(4.0 * PI * cycles * phase));
        }
        break;
    case FigureMotion::Talk: Gesture(make, std::sin(4.0 * PI * cycles * phase) * envelope, envelope, animal); break;
    case FigureMotion::PickUp: Stoop(make, figure, std::pow(std::sin(PI * phase), 2.0), animal, seated); break;
    case FigureMotion::Lie:
        if (seated) {
            // Slumped where one sits.
            make.Turn(B::SPINE, -25.0);
            make.Turn(B::HEAD, -30.0);
            break;
        }
        // A fall played once ends on the ground, where the loop lies on.
        pose.drop = Fall(make, figure, loop ? 1.0 : std::pow(std::sin(0.5 * PI * phase), 2.0), animal);
        return pose;
    }
    if (!animal) {
        const double rest = LegHeight(figure, 0.0, 0.0);
        pose.drop = std::max(LegHeight(figure, make.Pitch(B::L_THIGH), make.Pitch(B::L_CALF)),
                             LegHeight(figure, make.Pitch(B::R_THIGH), make.Pitch(B::R_CALF))) -
                    rest;
    }
    return pose;
}
