#include "ShapePainter.h"

#include "ContentError.h"
#include "TextPainter.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Point {
    double x;
    double y;
};

using Coverage = std::function<bool(double x, double y)>;

Point ReadPoint(const nlohmann::json& value)
{
    if (!value.is_array() || value.size() != 2)
        throw ContentError("a point must be [x, y], not " + value.dump());
    return {value[0].get<double>(), value[1].get<double>()};
}

std::vector<double> ReadNumbers(const nlohmann::json& value, size_t count)
{
    if (!value.is_array() || value.size() != count)
        throw ContentError("expected " + std::to_string(count) + " numbers, not " + value.dump());
    std::vector<double> numbers;
    for (const auto& number : value)
        numbers.push_back(number.get<double>());
    return numbers;
}

// Sets every pixel of the box whose centre the coverage holds.
void Fill(RgbaImage& image, double left, double top, double right, double bottom, const uint8_t colour[4],
          const Coverage& covers)
{
    const int x0 = std::max(0, int(std::floor(left)));
    const int y0 = std::max(0, int(std::floor(top)));
    const int x1 = std::min(int(image.width), int(std::ceil(right)));
    const int y1 = std::min(int(image.height), int(std::ceil(bottom)));
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (covers(x + 0.5, y + 0.5))
                std::copy(colour, colour + 4, image.At(uint32_t(x), uint32_t(y)));
}

bool InsidePolygon(const std::vector<Point>& polygon, double x, double y)
{
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

double DistanceToSegment(Point a, Point b, double x, double y)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy));
}

void PaintShape(const nlohmann::json& shape, RgbaImage& image, Point offset);

void PaintGroup(const nlohmann::json& shape, RgbaImage& image, Point offset)
{
    const nlohmann::json& children = shape.at("group");
    std::vector<Point> places {{0, 0}};
    if (shape.contains("at")) {
        places.clear();
        for (const auto& place : shape.at("at"))
            places.push_back(ReadPoint(place));
    }
    for (const Point& place : places)
        for (const auto& child : children)
            PaintShape(child, image, {offset.x + place.x, offset.y + place.y});
}

void PaintShape(const nlohmann::json& shape, RgbaImage& image, Point offset)
{
    if (shape.contains("group")) {
        PaintGroup(shape, image, offset);
        return;
    }
    uint8_t colour[4];
    ParseColour(shape.at("colour"), colour);
    if (shape.contains("rect")) {
        const auto r = ReadNumbers(shape.at("rect"), 4);
        const double left = r[0] + offset.x;
        const double top = r[1] + offset.y;
        Fill(image, left, top, left + r[2], top + r[3], colour,
             [&](double x, double y) { return x >= left && x < left + r[2] && y >= top && y < top + r[3]; });
    } else if (shape.contains("circle")) {
        const auto c = ReadNumbers(shape.at("circle"), 3);
        const Point centre {c[0] + offset.x, c[1] + offset.y};
        const double radius = c[2];
        const double inner = shape.value("inner", 0.0);
        Fill(image, centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius, colour,
             [&](double x, double y) {
                 const double distance = std::hypot(x - centre.x, y - centre.y);
                 return distance <= radius && distance >= inner;
             });
    } else if (shape.contains("polygon")) {
        std::vector<Point> polygon;
        for (const auto& point : shape.at("polygon")) {
            const Point p = ReadPoint(point);
            polygon.push_back({p.x + offset.x, p.y + offset.y});
        }
        if (polygon.size() < 3)
            throw ContentError("a polygon needs at least 3 points: " + shape.dump());
        double left = polygon[0].x, right = left, top = polygon[0].y, bottom = top;
        for (const Point& p : polygon) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        Fill(image, left, top, right, bottom, colour, [&](double x, double y) { return InsidePolygon(polygon, x, y); });
    } else if (shape.contains("line")) {
        const nlohmann::json& ends = shape.at("line");
        if (!ends.is_array() || ends.size() != 2)
            throw ContentError("a line must be [[x0, y0], [x1, y1]]: " + shape.dump());
        Point a = ReadPoint(ends[0]);
        Point b = ReadPoint(ends[1]);
        a = {a.x + offset.x, a.y + offset.y};
        b = {b.x + offset.x, b.y + offset.y};
        const double half = shape.value("width", 1.0) / 2;
        Fill(image, std::min(a.x, b.x) - half, std::min(a.y, b.y) - half, std::max(a.x, b.x) + half,
             std::max(a.y, b.y) + half, colour,
             [&](double x, double y) { return DistanceToSegment(a, b, x, y) <= half; });
    } else if (shape.contains("text")) {
        const auto at = ReadNumbers(shape.at("at"), 2);
        PaintText(image, shape.at("text").get<std::string>(), at[0] + offset.x, at[1] + offset.y,
                  shape.value("size", 12u), shape.at("face").get<std::string>(), colour);
    } else {
        throw ContentError("unknown shape: " + shape.dump());
    }
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

void ParseColour(const nlohmann::json& text, uint8_t rgba[4])
{
    const std::string colour = text.is_string() ? text.get<std::string>() : std::string();
    if ((colour.size() != 7 && colour.size() != 9) || colour[0] != '#')
        throw ContentError("a colour must be \"#RRGGBB\" or \"#RRGGBBAA\", not " + text.dump());
    rgba[3] = 0xFF;
    for (size_t i = 1; i < colour.size(); i += 2) {
        const int high = HexDigit(colour[i]);
        const int low = HexDigit(colour[i + 1]);
        if (high < 0 || low < 0)
            throw ContentError("a colour must be \"#RRGGBB\" or \"#RRGGBBAA\", not " + text.dump());
        rgba[i / 2] = uint8_t(high * 16 + low);
    }
}

void PaintShapes(const nlohmann::json& shapes, RgbaImage& image)
{
    if (!shapes.is_array())
        throw ContentError("\"shapes\" must be a list");
    for (const auto& shape : shapes)
        PaintShape(shape, image, {0, 0});
}
