#pragma once
#include "CharacterFigure.h"

#include <array>
#include <sstream>
#include <string>
#include <vector>

// The pieces of a text X file's animation sets that every figure writer
// shares, so that the same poses give the same text.
namespace XAnimationText {

// A number with at most four decimals and no negative zero, so that the text
// does not depend on rounding noise.
std::string Number(double value);

// The turn (pitch about x, roll about y, yaw about z, in degrees) as the
// file keeps it: the conjugate of the quaternion, w first.
std::array<double, 4> FileQuaternion(const FigureVector& turn);

// One animation key of `type` (0 turns, 2 positions) with values of `width`
// numbers: its values as text, one per moment. A value that never changes is
// kept at the first and the last moment only, which keeps the set's length
// and most of the file away.
void WriteKey(std::ostringstream& out, int type, int width, const std::vector<int>& times,
              const std::vector<std::string>& values);

} // namespace XAnimationText
