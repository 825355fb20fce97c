#include "XFigureGestures.h"

#include "ContentError.h"
#include "FigureMotions.h"
#include "XAnimationText.h"

#include <algorithm>
#include <cmath>
#include <regex>
#include <set>
#include <sstream>
#include <vector>

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int KEYS = 9;

const char* const BONES[] = {"Bip01", "Bip01_Head", "Bip01_L_Hand", "Bip01_R_Hand"};
enum Bone {
    ROOT,
    HEAD,
    L_HAND,
    R_HAND,
    BONE_COUNT
};

struct Pose {
    FigureVector turns[BONE_COUNT];
    FigureVector moves[BONE_COUNT];
};

// The bone's place under its parent at rest: the translation of its frame.
FigureVector RestOf(const std::string& text, const char* bone, const std::string& place)
{
    static const std::string number = R"(\s*(-?[0-9.eE+-]+)\s*[,;])";
    std::string matrix;
    for (int i = 0; i < 16; ++i)
        matrix += number;
    const std::regex frame(std::string(R"(Frame\s+)") + bone + R"(\s*\{\s*FrameTransformMatrix\s*\{)" + matrix);
    std::smatch found;
    if (!std::regex_search(text, found, frame))
        throw ContentError(place + ": the figure has no bone \"" + bone + "\" to play its gestures with");
    try {
        return {std::stod(found[13]), std::stod(found[14]), std::stod(found[15])};
    } catch (const std::exception&) {
        throw ContentError(place + ": the bone \"" + std::string(bone) + "\" stands at no readable place");
    }
}

std::set<std::string> SetsOf(const std::string& text)
{
    std::set<std::string> sets;
    const std::regex set(R"(AnimationSet\s+([A-Za-z0-9_]+)\s*\{)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), set); it != std::sregex_iterator(); ++it)
        sets.insert((*it)[1]);
    return sets;
}

double SecondsOf(FigureMotion motion)
{
    return motion == FigureMotion::Walk ? 1.0 : motion == FigureMotion::PickUp ? 1.6 : 2.0;
}

// The hand-made figure faces +y, as the game turns every figure: a turn of
// negative pitch leans a bone forward, and a bone roll to her right is
// negative. Every motion starts and ends at rest, so that it loops and hands
// over to the next one alike.
Pose PoseAt(FigureMotion motion, double phase, const FigureVector (&rest)[BONE_COUNT])
{
    Pose pose;
    for (int b = 0; b < BONE_COUNT; ++b)
        pose.moves[b] = rest[b];
    const double up = std::pow(std::sin(PI * phase), 2.0);
    const double wave = std::sin(4.0 * PI * phase) * up;
    switch (motion) {
    case FigureMotion::PickUp:
        // Bends from the hips and reaches down and ahead with both hands.
        pose.turns[ROOT].x = -40.0 * up;
        pose.moves[ROOT].z -= 10.0 * up;
        pose.turns[HEAD].x = -15.0 * up;
        for (const Bone hand : {L_HAND, R_HAND}) {
            pose.moves[hand].x *= 1.0 - 0.3 * up;
            pose.moves[hand].y += 18.0 * up;
            pose.moves[hand].z -= 22.0 * up;
        }
        break;
    case FigureMotion::Talk:
        pose.turns[HEAD].x = -6.0 * wave;
        pose.turns[R_HAND].y = -30.0 * up;
        pose.moves[R_HAND].y += 10.0 * up;
        pose.moves[R_HAND].z += 11.0 * up + 3.0 * wave;
        break;
    case FigureMotion::Sit: pose.moves[ROOT].z -= 30.0 * up; break;
    case FigureMotion::Walk: pose.moves[ROOT].z -= 2.0 * std::abs(std::sin(2.0 * PI * phase)); break;
    // She stands by those who fall ("brownfaints01") and has her own sets
    // for her own falls.
    case FigureMotion::Lie:
    case FigureMotion::Idle:
        pose.moves[ROOT].z -= 2.0 * up;
        pose.turns[HEAD].z = 10.0 * wave;
        break;
    }
    return pose;
}

void WriteSet(std::ostringstream& out, const std::string& name, const FigureVector (&rest)[BONE_COUNT], int ticks)
{
    using namespace XAnimationText;
    const FigureMotion motion = MotionForAnimation(name);
    const int length = static_cast<int>(std::lround(SecondsOf(motion) * ticks));
    std::vector<int> times;
    std::vector<Pose> poses;
    for (int k = 0; k < KEYS; ++k) {
        times.push_back(length * k / (KEYS - 1));
        poses.push_back(PoseAt(motion, double(k) / (KEYS - 1), rest));
    }
    out << "\nAnimationSet " << name << " {\n";
    for (int b = 0; b < BONE_COUNT; ++b) {
        std::vector<std::string> turns;
        std::vector<std::string> moves;
        for (const Pose& pose : poses) {
            const auto q = FileQuaternion(pose.turns[b]);
            turns.push_back(Number(q[0]) + ", " + Number(q[1]) + ", " + Number(q[2]) + ", " + Number(q[3]));
            const FigureVector& m = pose.moves[b];
            moves.push_back(Number(m.x) + ", " + Number(m.y) + ", " + Number(m.z));
        }
        out << " Animation {\n  { " << BONES[b] << " }\n";
        WriteKey(out, 0, 4, times, turns);
        WriteKey(out, 2, 3, times, moves);
        out << " }\n";
    }
    out << "}\n";
}

// The file's ticks per second; 4800 when it does not say.
int TicksOf(const std::string& text)
{
    std::smatch found;
    return std::regex_search(text, found, std::regex(R"(AnimTicksPerSecond\s*\{\s*([0-9]{1,6})\s*;)"))
               ? std::max(1, std::stoi(found[1]))
               : 4800;
}

} // namespace

std::string WithGestureSets(const std::string& xText, const nlohmann::json& animations, const std::string& place)
{
    std::set<std::string> sets = SetsOf(xText);
    std::vector<std::string> missing;
    for (const nlohmann::json& animation : animations)
        if (animation.is_array() && animation.size() == 2 && animation[1].is_string() &&
            sets.insert(animation[1].get<std::string>()).second)
            missing.push_back(animation[1].get<std::string>());
    if (missing.empty())
        return xText;
    FigureVector rest[BONE_COUNT];
    for (int b = 0; b < BONE_COUNT; ++b)
        rest[b] = RestOf(xText, BONES[b], place);
    const int ticks = TicksOf(xText);
    std::ostringstream out;
    out << xText;
    for (const std::string& name : missing)
        WriteSet(out, name, rest, ticks);
    return out.str();
}
