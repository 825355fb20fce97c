#include "XAnimationText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace XAnimationText {

namespace {

constexpr double PI = 3.14159265358979323846;

} // namespace

std::string Number(double value)
{
    double rounded = std::round(value * 10000.0) / 10000.0;
    if (rounded == 0.0)
        rounded = 0.0;
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", rounded);
    std::string result = text;
    while (result.back() == '0' && result[result.size() - 2] != '.')
        result.pop_back();
    return result;
}

std::array<double, 4> FileQuaternion(const FigureVector& turn)
{
    const double hx = turn.x * PI / 360.0, hy = turn.y * PI / 360.0, hz = turn.z * PI / 360.0;
    const double cx = std::cos(hx), sx = std::sin(hx), cy = std::cos(hy), sy = std::sin(hy);
    const double cz = std::cos(hz), sz = std::sin(hz);
    // z, then y, then x: the yaw is applied last.
    const double w = cz * cy * cx + sz * sy * sx;
    const double x = cz * cy * sx - sz * sy * cx;
    const double y = cz * sy * cx + sz * cy * sx;
    const double z = sz * cy * cx - cz * sy * sx;
    return {w, -x, -y, -z};
}

void WriteKey(std::ostringstream& out, int type, int width, const std::vector<int>& times,
              const std::vector<std::string>& values)
{
    const bool still = std::all_of(values.begin(), values.end(), [&](const std::string& v) { return v == values[0]; });
    std::vector<size_t> moments;
    for (size_t k = 0; k < values.size(); ++k)
        if (!still || k == 0 || k + 1 == values.size())
            moments.push_back(k);
    out << "  AnimationKey {\n   " << type << ";\n   " << moments.size() << ";\n";
    for (size_t i = 0; i < moments.size(); ++i)
        out << "   " << times[moments[i]] << "; " << width << "; " << values[moments[i]]
            << (i + 1 == moments.size() ? ";;;\n" : ";;,\n");
    out << "  }\n";
}

} // namespace XAnimationText
