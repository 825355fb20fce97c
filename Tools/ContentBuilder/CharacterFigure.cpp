#include "CharacterFigure.h"

#include <algorithm>
#include <cmath>

namespace {

namespace B = FigureBones;

const FigureColour EYES = {0.1, 0.08, 0.08, 1.0};

// Lays out a figure's bones and boxes; materials are made as colours are
// first used, so that equal descriptions give equal files.
class FigureMaker {
public:
    explicit FigureMaker(CharacterFigure& figure) : m_figure(figure) { }

    int Bone(const char* name, const char* parent, FigureVector position)
    {
        m_figure.bones.push_back({name, parent ? m_figure.FindBone(parent) : -1, position});
        return int(m_figure.bones.size()) - 1;
    }
    void Box(const char* bone, FigureVector min, FigureVector max, const FigureColour& colour)
    {
        m_figure.boxes.push_back({m_figure.FindBone(bone), min, max, Material(colour)});
    }
    // A box and its mirror image on the figure's other side.
    void Pair(const char* left, const char* right, FigureVector min, FigureVector max, const FigureColour& colour)
    {
        Box(left, min, max, colour);
        Box(right, {-max.x, min.y, min.z}, {-min.x, max.y, max.z}, colour);
    }

private:
    int Material(const FigureColour& colour)
    {
        const auto found = std::find(m_figure.materials.begin(), m_figure.materials.end(), colour);
        if (found != m_figure.materials.end())
            return int(found - m_figure.materials.begin());
        m_figure.materials.push_back(colour);
        return int(m_figure.materials.size()) - 1;
    }

    CharacterFigure& m_figure;
};

void MakePerson(const CharacterDescription& d, FigureMaker& make, CharacterFigure& figure)
{
    const double h = d.height;
    const double w = d.width;
    // Heads stay large on small figures, as children's do.
    const double headHeight = 0.13 * h + 6.0;
    const double neck = h - headHeight;
    const double shoulder = neck - 0.01 * h;
    const double hip = 0.5 * h;
    const double knee = 0.27 * h;
    const double ankle = 0.045 * h;
    const double elbow = shoulder - 0.19 * h;
    const double wrist = elbow - 0.17 * h;
    const double torsoX = 0.12 * h * w;
    const double torsoY = 0.065 * h * w;
    const double armHalf = 0.032 * h * w;
    const double armX = torsoX + armHalf + 0.004 * h;
    const double legX = torsoX * 0.5;
    const double legHalf = std::min(0.05 * h * w, legX - 0.5);
    const double headX = headHeight * 0.42;
    const double headY = headHeight * 0.45;
    figure.hip = hip;
    figure.knee = knee;
    figure.ankle = ankle;

    make.Bone(B::ROOT, nullptr, {0, 0, hip});
    make.Bone(B::SPINE, B::ROOT, {0, 0, hip});
    make.Bone(B::HEAD, B::SPINE, {0, 0, neck});
    make.Bone(B::L_UPPER_ARM, B::SPINE, {armX, 0, shoulder});
    make.Bone(B::L_FOREARM, B::L_UPPER_ARM, {armX, 0, elbow});
    make.Bone(B::L_HAND, B::L_FOREARM, {armX, 0, wrist});
    make.Bone(B::R_UPPER_ARM, B::SPINE, {-armX, 0, shoulder});
    make.Bone(B::R_FOREARM, B::R_UPPER_ARM, {-armX, 0, elbow});
    make.Bone(B::R_HAND, B::R_FOREARM, {-armX, 0, wrist});
    make.Bone(B::L_THIGH, B::ROOT, {legX, 0, hip});
    make.Bone(B::L_CALF, B::L_THIGH, {legX, 0, knee});
    make.Bone(B::L_FOOT, B::L_CALF, {legX, 0, ankle});
    make.Bone(B::R_THIGH, B::ROOT, {-legX, 0, hip});
    make.Bone(B::R_CALF, B::R_THIGH, {-legX, 0, knee});
    make.Bone(B::R_FOOT, B::R_CALF, {-legX, 0, ankle});
    make.Bone(B::FOOTSTEPS, nullptr, {0, 0, 0});

    make.Box(B::ROOT, {-torsoX * 0.95, -torsoY * 0.95, hip - 0.07 * h}, {torsoX * 0.95, torsoY * 0.95, hip}, d.bottom);
    make.Box(B::SPINE, {-torsoX, -torsoY, hip - 0.01 * h}, {torsoX, torsoY, neck}, d.top);
    make.Pair(B::L_UPPER_ARM, B::R_UPPER_ARM, {armX - armHalf, -armHalf, elbow},
              {armX + armHalf, armHalf, shoulder + armHalf * 0.5}, d.top);
    make.Pair(B::L_FOREARM, B::R_FOREARM, {armX - armHalf * 0.9, -armHalf * 0.9, wrist},
              {armX + armHalf * 0.9, armHalf * 0.9, elbow}, d.top);
    make.Pair(B::L_HAND, B::R_HAND, {armX - armHalf, -armHalf, wrist - 0.06 * h}, {armX + armHalf, armHalf, wrist},
              d.skin);
    make.Pair(B::L_THIGH, B::R_THIGH, {legX - legHalf, -legHalf, knee}, {legX + legHalf, legHalf, hip}, d.bottom);
    make.Pair(B::L_CALF, B::R_CALF, {legX - legHalf * 0.9, -legHalf * 0.9, ankle},
              {legX + legHalf * 0.9, legHalf * 0.9, knee}, d.bottom);
    make.Pair(B::L_FOOT, B::R_FOOT, {legX - legHalf, -legHalf, 0}, {legX + legHalf, 0.09 * h, ankle}, d.shoes);

    // The head with a face that shows where the figure looks.
    make.Box(B::HEAD, {-headX, -headY, neck}, {headX, headY, h - 0.12 * headHeight}, d.skin);
    make.Pair(B::HEAD, B::HEAD, {headX * 0.3, headY, neck + 0.55 * headHeight},
              {headX * 0.6, headY + 0.6, neck + 0.68 * headHeight}, EYES);
    make.Box(B::HEAD, {-0.07 * headHeight, headY, neck + 0.35 * headHeight},
             {0.07 * headHeight, headY + 0.1 * headHeight, neck + 0.52 * headHeight}, d.skin);
    make.Box(B::HEAD, {-headX - 0.6, -headY - 0.6, h - 0.22 * headHeight}, {headX + 0.6, headY * 0.7, h}, d.hair);
    make.Box(B::HEAD, {-headX - 0.6, -headY - 0.6, neck + 0.3 * headHeight},
             {headX + 0.6, -headY + 0.1 * headHeight, h - 0.2 * headHeight}, d.hair);

    for (const CharacterShape& shape : d.shapes) {
        const FigureColour& c = shape.colour;
        switch (shape.shape) {
        case FigureShape::Hat:
            make.Box(B::HEAD, {-headX * 1.7, -headY * 1.7, h - 0.1 * headHeight},
                     {headX * 1.7, headY * 1.7, h - 0.02 * headHeight}, c);
            make.Box(B::HEAD, {-headX * 1.05, -headY * 1.05, h - 0.1 * headHeight},
                     {headX * 1.05, headY * 1.05, h + 0.4 * headHeight}, c);
            break;
        case FigureShape::Beard:
            make.Box(B::HEAD, {-headX * 0.9, headY * 0.3, neck - 0.25 * headHeight},
                     {headX * 0.9, headY + 0.12 * headHeight, neck + 0.36 * headHeight}, c);
            break;
        case FigureShape::LongHair:
            // Down the back, and beside the face so that it shows from ahead.
            make.Box(B::HEAD, {-headX - 1.0, -headY - 1.4, shoulder - 0.1 * h},
                     {headX + 1.0, -headY * 0.2, h - 0.1 * headHeight}, c);
            make.Pair(B::HEAD, B::HEAD, {headX, -headY * 0.2, shoulder - 0.06 * h},
                      {headX + 0.05 * headHeight + 1.0, headY * 0.6, h - 0.1 * headHeight}, c);
            break;
        case FigureShape::Skirt:
            make.Box(B::ROOT, {-torsoX * 1.15, -torsoY * 1.35, knee - 0.02 * h}, {torsoX * 1.15, torsoY * 1.35, hip},
                     c);
            break;
        case FigureShape::Tail:
            make.Box(B::ROOT, {-0.015 * h, -torsoY - 0.25 * h, hip - 0.1 * h}, {0.015 * h, -torsoY, hip - 0.07 * h}, c);
            break;
        case FigureShape::Ears:
            make.Pair(B::HEAD, B::HEAD, {headX, -0.1 * headHeight, neck + 0.4 * headHeight},
                      {headX + 0.12 * headHeight, 0.1 * headHeight, neck + 0.7 * headHeight}, c);
            break;
        case FigureShape::Chair: {
            // Under the hips of the seated figure, its back behind them.
            const double seat = knee - legHalf;
            make.Box(B::FOOTSTEPS, {-torsoX * 1.3, -torsoY * 1.6, seat - 0.04 * h},
                     {torsoX * 1.3, hip - knee + legHalf, seat}, c);
            make.Box(B::FOOTSTEPS, {-torsoX * 1.3, -torsoY * 1.6 - 0.03 * h, 0},
                     {torsoX * 1.3, -torsoY * 1.6, seat + 0.32 * h}, c);
            make.Pair(B::FOOTSTEPS, B::FOOTSTEPS, {torsoX * 1.3 - 0.03 * h, hip - knee + legHalf - 0.03 * h, 0},
                      {torsoX * 1.3, hip - knee + legHalf, seat - 0.04 * h}, c);
            break;
        }
        }
    }
}

void MakeAnimal(const CharacterDescription& d, FigureMaker& make, CharacterFigure& figure)
{
    const double h = d.height;
    const double w = d.width;
    const double back = 0.5 * h;
    const double knee = 0.27 * h;
    const double hoof = 0.06 * h;
    const double half = 0.55 * h * w;
    const double bodyX = 0.15 * h * w;
    const double legX = 0.09 * h * w;
    const double legHalf = 0.045 * h;
    const double front = half - 0.08 * h;
    // The head top stays below the height so that the ears reach it.
    const double headZ = back + 0.15 * h;
    const double headX = 0.07 * h;
    figure.hip = back;
    figure.knee = knee;
    figure.ankle = hoof;

    make.Bone(B::ROOT, nullptr, {0, 0, back});
    make.Bone(B::SPINE, B::ROOT, {0, 0, back});
    make.Bone(B::HEAD, B::SPINE, {0, half, headZ});
    // Forelegs on the arms' bones, so that attachments find hooves to hold.
    make.Bone(B::L_UPPER_ARM, B::SPINE, {legX, front, back});
    make.Bone(B::L_FOREARM, B::L_UPPER_ARM, {legX, front, knee});
    make.Bone(B::L_HAND, B::L_FOREARM, {legX, front, hoof});
    make.Bone(B::R_UPPER_ARM, B::SPINE, {-legX, front, back});
    make.Bone(B::R_FOREARM, B::R_UPPER_ARM, {-legX, front, knee});
    make.Bone(B::R_HAND, B::R_FOREARM, {-legX, front, hoof});
    make.Bone(B::L_THIGH, B::ROOT, {legX, -front, back});
    make.Bone(B::L_CALF, B::L_THIGH, {legX, -front, knee});
    make.Bone(B::L_FOOT, B::L_CALF, {legX, -front, hoof});
    make.Bone(B::R_THIGH, B::ROOT, {-legX, -front, back});
    make.Bone(B::R_CALF, B::R_THIGH, {-legX, -front, knee});
    make.Bone(B::R_FOOT, B::R_CALF, {-legX, -front, hoof});
    make.Bone(B::FOOTSTEPS, nullptr, {0, 0, 0});

    make.Box(B::SPINE, {-bodyX, -half, back - 0.04 * h}, {bodyX, half, back + 0.22 * h}, d.top);
    // One pair of legs: its upper, lower and end bones on the left and right.
    const auto legs = [&](const char* const(&left)[3], const char* const(&right)[3], double y) {
        make.Pair(left[0], right[0], {legX - legHalf, y - legHalf, knee}, {legX + legHalf, y + legHalf, back}, d.top);
        make.Pair(left[1], right[1], {legX - legHalf * 0.8, y - legHalf * 0.8, hoof},
                  {legX + legHalf * 0.8, y + legHalf * 0.8, knee}, d.top);
        make.Pair(left[2], right[2], {legX - legHalf, y - legHalf, 0}, {legX + legHalf, y + legHalf, hoof}, d.shoes);
    };
    legs({B::L_UPPER_ARM, B::L_FOREARM, B::L_HAND}, {B::R_UPPER_ARM, B::R_FOREARM, B::R_HAND}, front);
    legs({B::L_THIGH, B::L_CALF, B::L_FOOT}, {B::R_THIGH, B::R_CALF, B::R_FOOT}, -front);
    // The neck rises from the chest; the muzzle points ahead.
    make.Box(B::HEAD, {-headX * 0.8, half - 0.14 * h, back + 0.08 * h}, {headX * 0.8, half + 0.04 * h, headZ + 0.2 * h},
             d.top);
    make.Box(B::HEAD, {-headX, half - 0.04 * h, headZ + 0.06 * h}, {headX, half + 0.3 * h, headZ + 0.22 * h}, d.skin);
    make.Box(B::HEAD, {-headX * 0.4, half - 0.16 * h, back + 0.2 * h}, {headX * 0.4, half - 0.06 * h, headZ + 0.24 * h},
             d.hair);
    make.Pair(B::HEAD, B::HEAD, {headX, half + 0.02 * h, headZ + 0.15 * h},
              {headX + 0.6, half + 0.06 * h, headZ + 0.19 * h}, EYES);

    for (const CharacterShape& shape : d.shapes) {
        const FigureColour& c = shape.colour;
        switch (shape.shape) {
        case FigureShape::Tail:
            make.Box(B::SPINE, {-0.02 * h, -half - 0.03 * h, back - 0.16 * h}, {0.02 * h, -half, back + 0.2 * h}, c);
            make.Box(B::SPINE, {-0.035 * h, -half - 0.045 * h, back - 0.24 * h},
                     {0.035 * h, -half + 0.005 * h, back - 0.14 * h}, c);
            break;
        case FigureShape::Ears:
            make.Pair(B::HEAD, B::HEAD, {headX * 0.3, half - 0.05 * h, headZ + 0.18 * h},
                      {headX * 0.3 + 0.04 * h, half - 0.01 * h, headZ + 0.35 * h}, c);
            break;
        case FigureShape::Hat:
            make.Box(B::HEAD, {-headX * 1.3, half - 0.07 * h, headZ + 0.2 * h},
                     {headX * 1.3, half + 0.08 * h, headZ + 0.26 * h}, c);
            break;
        default:
            // Beards, long hair, skirts and chairs are for people.
            break;
        }
    }
}

} // namespace

int CharacterFigure::FindBone(const std::string& name) const
{
    for (size_t i = 0; i < bones.size(); ++i)
        if (bones[i].name == name)
            return int(i);
    return -1;
}

CharacterFigure BuildCharacterFigure(const CharacterDescription& description)
{
    CharacterFigure figure;
    figure.build = description.build;
    figure.seated = description.seated;
    figure.height = description.height;
    FigureMaker make(figure);
    if (description.build == FigureBuild::Animal)
        MakeAnimal(description, make, figure);
    else
        MakePerson(description, make, figure);
    return figure;
}
