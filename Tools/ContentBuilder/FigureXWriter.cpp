#include "FigureXWriter.h"

#include "XAnimationText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

using XAnimationText::FileQuaternion;
using XAnimationText::Number;
using XAnimationText::WriteKey;

constexpr int TICKS_PER_SECOND = 4800;
// Keys per repeat of a motion; the interpolation between them is smooth
// enough for limbs that swing a few tens of degrees.
constexpr int KEYS_PER_CYCLE = 8;

std::string Vector(const FigureVector& v, const char* separator)
{
    return Number(v.x) + separator + Number(v.y) + separator + Number(v.z);
}

std::string Translation(const FigureVector& t)
{
    return "1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, " + Vector(t, ", ") + ", 1.0";
}

FigureVector Minus(const FigureVector& a, const FigureVector& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

FigureVector LocalPosition(const CharacterFigure& figure, int bone)
{
    const FigureBone& b = figure.bones[bone];
    return b.parent < 0 ? b.position : Minus(b.position, figure.bones[b.parent].position);
}

// The corners of a box's faces, each face seen from outside in the order the
// renderer takes as its front, and the faces' normals.
struct BoxFace {
    std::array<FigureVector, 4> corners;
    FigureVector normal;
};

std::array<BoxFace, 6> BoxFaces(const FigureBox& box)
{
    const double x0 = box.min.x, y0 = box.min.y, z0 = box.min.z;
    const double x1 = box.max.x, y1 = box.max.y, z1 = box.max.z;
    return {{
        {{{{x0, y0, z1}, {x0, y1, z1}, {x1, y1, z1}, {x1, y0, z1}}}, {0, 0, 1}},
        {{{{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}}}, {0, 0, -1}},
        {{{{x0, y0, z0}, {x0, y0, z1}, {x1, y0, z1}, {x1, y0, z0}}}, {0, -1, 0}},
        {{{{x1, y1, z0}, {x1, y1, z1}, {x0, y1, z1}, {x0, y1, z0}}}, {0, 1, 0}},
        {{{{x1, y0, z0}, {x1, y0, z1}, {x1, y1, z1}, {x1, y1, z0}}}, {1, 0, 0}},
        {{{{x0, y1, z0}, {x0, y1, z1}, {x0, y0, z1}, {x0, y0, z0}}}, {-1, 0, 0}},
    }};
}

void WriteMesh(std::ostringstream& out, const CharacterFigure& figure, bool skinned)
{
    const size_t faces = figure.boxes.size() * 6;
    out << "  Mesh BodyMesh {\n   " << faces * 4 << ";\n";
    for (size_t b = 0; b < figure.boxes.size(); ++b) {
        const std::array<BoxFace, 6> boxFaces = BoxFaces(figure.boxes[b]);
        for (size_t f = 0; f < 6; ++f)
            for (size_t c = 0; c < 4; ++c)
                out << "   " << Vector(boxFaces[f].corners[c], "; ")
                    << (b + 1 == figure.boxes.size() && f == 5 && c == 3 ? ";;\n" : ";,\n");
    }
    out << "   " << faces << ";\n";
    for (size_t f = 0; f < faces; ++f)
        out << "   4; " << 4 * f << ", " << 4 * f + 1 << ", " << 4 * f + 2 << ", " << 4 * f + 3
            << (f + 1 == faces ? ";;\n" : ";,\n");

    out << "   MeshNormals {\n    " << faces << ";\n";
    for (size_t b = 0; b < figure.boxes.size(); ++b) {
        const std::array<BoxFace, 6> boxFaces = BoxFaces(figure.boxes[b]);
        for (size_t f = 0; f < 6; ++f)
            out << "    " << Vector(boxFaces[f].normal, "; ")
                << (b + 1 == figure.boxes.size() && f == 5 ? ";;\n" : ";,\n");
    }
    out << "    " << faces << ";\n";
    for (size_t f = 0; f < faces; ++f)
        out << "    4; " << f << ", " << f << ", " << f << ", " << f << (f + 1 == faces ? ";;\n" : ";,\n");
    out << "   }\n";

    out << "   MeshMaterialList {\n    " << figure.materials.size() << ";\n    " << faces << ";\n    ";
    for (size_t b = 0; b < figure.boxes.size(); ++b)
        for (size_t f = 0; f < 6; ++f)
            out << figure.boxes[b].material << (b + 1 == figure.boxes.size() && f == 5 ? ";\n" : ", ");
    for (size_t m = 0; m < figure.materials.size(); ++m) {
        const FigureColour& c = figure.materials[m];
        out << "    Material Colour" << m << " {\n     " << Number(c[0]) << "; " << Number(c[1]) << "; " << Number(c[2])
            << "; " << Number(c[3]) << ";;\n     4.0;\n     0.0; 0.0; 0.0;;\n     0.0; 0.0; 0.0;;\n"
            << "    }\n";
    }
    out << "   }\n";

    // A skin needs an animation to pose its bones: without one the game
    // would draw every box at its bone's offset from the origin, so a figure
    // that plays nothing stands as a plain mesh.
    if (!skinned) {
        out << "  }\n";
        return;
    }
    // Each box moves whole with its bone.
    std::vector<std::vector<size_t>> boneVertices(figure.bones.size());
    for (size_t b = 0; b < figure.boxes.size(); ++b)
        for (size_t v = 0; v < 24; ++v)
            boneVertices[figure.boxes[b].bone].push_back(24 * b + v);
    size_t skinBones = 0;
    for (const std::vector<size_t>& vertices : boneVertices)
        skinBones += vertices.empty() ? 0 : 1;
    out << "   XSkinMeshHeader { 1; 1; " << skinBones << "; }\n";
    for (size_t bone = 0; bone < figure.bones.size(); ++bone) {
        const std::vector<size_t>& vertices = boneVertices[bone];
        if (vertices.empty())
            continue;
        out << "   SkinWeights {\n    \"" << figure.bones[bone].name << "\";\n    " << vertices.size() << ";\n    ";
        for (size_t i = 0; i < vertices.size(); ++i)
            out << vertices[i] << (i + 1 == vertices.size() ? ";\n    " : ", ");
        for (size_t i = 0; i < vertices.size(); ++i)
            out << "1.0" << (i + 1 == vertices.size() ? ";\n" : ", ");
        const FigureVector& p = figure.bones[bone].position;
        out << "    " << Translation({-p.x, -p.y, -p.z}) << ";;\n   }\n";
    }
    out << "  }\n";
}

void WriteFrames(std::ostringstream& out, const CharacterFigure& figure, int parent, const std::string& indent)
{
    for (size_t bone = 0; bone < figure.bones.size(); ++bone) {
        if (figure.bones[bone].parent != parent)
            continue;
        out << "\n"
            << indent << "Frame " << figure.bones[bone].name << " {\n"
            << indent << " FrameTransformMatrix { " << Translation(LocalPosition(figure, int(bone))) << ";; }\n";
        WriteFrames(out, figure, int(bone), indent + " ");
        out << indent << "}\n";
    }
}

void WriteAnimationSet(std::ostringstream& out, const CharacterFigure& figure, const FigureAnimation& animation)
{
    const double cycles = animation.loop ? std::max(1.0, std::round(animation.seconds)) : 1.0;
    const int keys = int(cycles) * KEYS_PER_CYCLE + 1;
    const int ticks = int(std::lround(animation.seconds * TICKS_PER_SECOND));
    std::vector<int> times;
    std::vector<FigurePose> poses;
    for (int k = 0; k < keys; ++k) {
        const double phase = double(k) / (keys - 1);
        times.push_back(int(std::lround(phase * ticks)));
        poses.push_back(PoseAt(figure, animation.motion, phase, cycles, animation.loop));
    }
    out << "\nAnimationSet " << animation.name << " {\n";
    for (size_t bone = 0; bone < figure.bones.size(); ++bone) {
        std::vector<std::string> turns;
        std::vector<std::string> positions;
        for (int k = 0; k < keys; ++k) {
            const std::array<double, 4> q = FileQuaternion(poses[k].turns[bone]);
            turns.push_back(Number(q[0]) + ", " + Number(q[1]) + ", " + Number(q[2]) + ", " + Number(q[3]));
            FigureVector position = LocalPosition(figure, int(bone));
            if (figure.bones[bone].name == FigureBones::ROOT)
                position.z += poses[k].drop;
            positions.push_back(Vector(position, ", "));
        }
        out << " Animation {\n  { " << figure.bones[bone].name << " }\n";
        WriteKey(out, 0, 4, times, turns);
        WriteKey(out, 2, 3, times, positions);
        out << " }\n";
    }
    out << "}\n";
}

} // namespace

std::string WriteFigureX(const CharacterFigure& figure, const std::vector<FigureAnimation>& animations,
                         const std::string& comment)
{
    std::ostringstream out;
    out << "xof 0303txt 0032\n\n// " << comment << "\n\nFrame Scene_Root {\n FrameTransformMatrix { " << Translation({})
        << ";; }\n\n Frame Body {\n  FrameTransformMatrix { " << Translation({}) << ";; }\n";
    WriteMesh(out, figure, !animations.empty());
    out << " }\n";
    WriteFrames(out, figure, -1, " ");
    out << "}\n\nAnimTicksPerSecond { " << TICKS_PER_SECOND << "; }\n";
    for (const FigureAnimation& animation : animations)
        WriteAnimationSet(out, figure, animation);
    return out.str();
}
