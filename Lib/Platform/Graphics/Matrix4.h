#pragma once

namespace Platform {

// The graphics device's matrix: 4 x 4 floats in the row-vector convention
// (a point transforms as v' = v * M), stored row by row; translation lives in
// the fourth row.
struct Matrix4 {
    float m[4][4];
};

inline constexpr Matrix4 IDENTITY_MATRIX = {
    {{1.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 1.0f}}};

struct Vector3 {
    float x, y, z;
};

} // namespace Platform
