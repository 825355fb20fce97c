#pragma once
#include "CharacterDescription.h"

#include <string>
#include <vector>

// A point or a turn of a figure: x to its left hand, y ahead of it, z up.
struct FigureVector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// A bone where it stands at rest, in the figure's coordinates. Bones come
// after their parents; a parent of -1 is the figure's root frame.
struct FigureBone {
    std::string name;
    int parent = -1;
    FigureVector position;
};

// A box of the body, carried whole by one bone.
struct FigureBox {
    int bone = 0;
    FigureVector min;
    FigureVector max;
    int material = 0;
};

// A generated figure at rest: its skeleton (the bones that scripts bind
// attachments to among them), its boxes and their colours, and the measures
// that its animations bend it by.
struct CharacterFigure {
    std::vector<FigureBone> bones;
    std::vector<FigureBox> boxes;
    std::vector<FigureColour> materials;
    FigureBuild build = FigureBuild::Person;
    bool seated = false;
    double height = 0.0;
    // Heights of the hips, the knees and the ankles at rest.
    double hip = 0.0;
    double knee = 0.0;
    double ankle = 0.0;

    // The bone's index, or -1.
    int FindBone(const std::string& name) const;
};

// The skeleton's bones. Bip01, the hands, the head, the right foot and the
// footsteps bone carry the names that scripts bind attachments to; the
// others bend the limbs.
namespace FigureBones {
constexpr const char* ROOT = "Bip01";
constexpr const char* SPINE = "Bip01_Spine";
constexpr const char* HEAD = "Bip01_Head";
constexpr const char* L_UPPER_ARM = "Bip01_L_UpperArm";
constexpr const char* L_FOREARM = "Bip01_L_Forearm";
constexpr const char* L_HAND = "Bip01_L_Hand";
constexpr const char* R_UPPER_ARM = "Bip01_R_UpperArm";
constexpr const char* R_FOREARM = "Bip01_R_Forearm";
constexpr const char* R_HAND = "Bip01_R_Hand";
constexpr const char* L_THIGH = "Bip01_L_Thigh";
constexpr const char* L_CALF = "Bip01_L_Calf";
constexpr const char* L_FOOT = "Bip01_L_Foot";
constexpr const char* R_THIGH = "Bip01_R_Thigh";
constexpr const char* R_CALF = "Bip01_R_Calf";
constexpr const char* R_FOOT = "Bip01_R_Foot";
constexpr const char* FOOTSTEPS = "Bip01_Footsteps";
} // namespace FigureBones

// The figure of the description, standing (or sitting, when seated) on the
// ground at z = 0 and facing along y.
CharacterFigure BuildCharacterFigure(const CharacterDescription& description);
