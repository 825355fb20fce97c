#include "Maths/CoreMatrix.h"

#include "Maths/MathsAssert.h"

namespace {

// (-1)^(row + column) times the determinant of the 3 x 3 matrix left when
// the row and the column are removed.
float Cofactor(const CoreMatrix& matrix, int row, int column)
{
    ENGINE_ASSERT_MSG(row >= 0 && row < 4, "Out of range");
    ENGINE_ASSERT_MSG(column >= 0 && column < 4, "Out of range");
    if (row < 0 || row >= 4 || column < 0 || column >= 4)
        return 0.0f;
    float minor[3][3];
    for (int r = 0, mr = 0; r < 4; ++r) {
        if (r == row)
            continue;
        for (int c = 0, mc = 0; c < 4; ++c) {
            if (c == column)
                continue;
            minor[mr][mc++] = matrix.m[r][c];
        }
        ++mr;
    }
    const float determinant = minor[0][0] * (minor[1][1] * minor[2][2] - minor[1][2] * minor[2][1]) -
                              minor[0][1] * (minor[1][0] * minor[2][2] - minor[1][2] * minor[2][0]) +
                              minor[0][2] * (minor[1][0] * minor[2][1] - minor[1][1] * minor[2][0]);
    return (row + column) % 2 == 0 ? determinant : -determinant;
}

} // namespace

void CoreMatrix::Inverse(CoreMatrix* pOut, const CoreMatrix* pM)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    MATHS_REQUIRE_POINTER(pM, "pM != NULL");
    const CoreMatrix& matrix = *pM;
    double sum = 0.0;
    // Expansion along the first column; the summation order decides the last
    // bits of the determinant.
    constexpr int EXPANSION_ROWS[4] = {1, 0, 2, 3};
    for (const int row : EXPANSION_ROWS)
        sum += static_cast<double>(Cofactor(matrix, row, 0)) * matrix.m[row][0];
    const float det = static_cast<float>(sum);
    ENGINE_ASSERT_MSG(det != 0.0f, "Wrong determinant");
    const float inverseDet = 1.0f / det;
    CoreMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.m[c][r] = Cofactor(matrix, r, c) * inverseDet;
    *pOut = result;
}
