#include "Maths/CoreMatrix.h"

#include "Maths/CoreFxVec.h"
#include "Maths/CorePlane.h"
#include "Maths/CoreVec4.h"
#include "Maths/MathsAssert.h"

#include <cmath>

void CoreMatrix::Identity(CoreMatrix* pOut)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    *pOut = {{{1.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 1.0f}}};
}

void CoreMatrix::Scaling(CoreMatrix* pOut, float sx, float sy, float sz)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    Identity(pOut);
    pOut->m[0][0] = sx;
    pOut->m[1][1] = sy;
    pOut->m[2][2] = sz;
}

void CoreMatrix::Translation(CoreMatrix* pOut, float tx, float ty, float tz)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    Identity(pOut);
    pOut->m[0][3] = tx;
    pOut->m[1][3] = ty;
    pOut->m[2][3] = tz;
}

void CoreMatrix::Transpose(CoreMatrix* pOut, const CoreMatrix* pM)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    MATHS_REQUIRE_POINTER(pM, "pM != NULL");
    CoreMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.m[r][c] = pM->m[c][r];
    *pOut = result;
}

void CoreMatrix::Multiply(CoreMatrix* pOut, const CoreMatrix* pM1, const CoreMatrix* pM2)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    MATHS_REQUIRE_POINTER(pM1, "M1 != NULL");
    MATHS_REQUIRE_POINTER(pM2, "M2 != NULL");
    CoreMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.m[r][c] = pM1->m[r][0] * pM2->m[0][c] + pM1->m[r][1] * pM2->m[1][c] + pM1->m[r][2] * pM2->m[2][c] +
                             pM1->m[r][3] * pM2->m[3][c];
    *pOut = result;
}

void CoreMatrix::Shadow(CoreMatrix* pOut, const CoreFxVec* pLight, const CorePlane* pPlane)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    MATHS_REQUIRE_POINTER(pLight, "pLight != NULL");
    MATHS_REQUIRE_POINTER(pPlane, "pPlane != NULL");
    // The light is a direction: its w is 0, so the plane's d drops out of the dot.
    const float light[4] = {CoreFx::ToFloat(pLight->x), CoreFx::ToFloat(pLight->y), CoreFx::ToFloat(pLight->z), 0.0f};
    const float plane[4] = {pPlane->a, pPlane->b, pPlane->c, pPlane->d};
    const float normalLength = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
    const float dot = (plane[0] * light[0] + plane[1] * light[1] + plane[2] * light[2]) / normalLength;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            pOut->m[r][c] = (r == c ? dot : 0.0f) - light[r] * plane[c];
}

void CoreMatrix::GetTranslationFx(const CoreMatrix* pM, fx32* pX, fx32* pY, fx32* pZ)
{
    MATHS_REQUIRE_POINTER(pM, "pMatrix != NULL");
    if (pX != nullptr)
        *pX = CoreFx::FromFloat(pM->m[0][3]);
    if (pY != nullptr)
        *pY = CoreFx::FromFloat(pM->m[1][3]);
    if (pZ != nullptr)
        *pZ = CoreFx::FromFloat(pM->m[2][3]);
}

void CoreTransformCoord(CoreFxVec* pOut, const CoreFxVec* pV, const CoreMatrix* pM)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    MATHS_REQUIRE_POINTER(pV, "pV != NULL");
    MATHS_REQUIRE_POINTER(pM, "pM != NULL");
    CoreVec4 point;
    CoreFxVec::FromFx(point, *pV);
    CoreVec4 transformed;
    CoreVec4::Transform(&transformed, &point, pM);
    *pOut = {CoreFx::FromFloat(transformed.x), CoreFx::FromFloat(transformed.y), CoreFx::FromFloat(transformed.z)};
}
