#include "Maths/CoreVec4.h"

#include "Maths/CoreMatrix.h"
#include "Maths/MathsAssert.h"

void CoreVec4::Transform(CoreVec4* pOut, const CoreVec4* pIn, const CoreMatrix* pM)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    MATHS_REQUIRE_POINTER(pIn, "pIn != NULL");
    MATHS_REQUIRE_POINTER(pM, "pM != NULL");
    ENGINE_ASSERT_MSG(pIn != pOut, "pIn != pOut");
    const float in[4] = {pIn->x, pIn->y, pIn->z, pIn->w};
    float out[4];
    for (int r = 0; r < 4; ++r)
        out[r] = pM->m[r][0] * in[0] + pM->m[r][1] * in[1] + pM->m[r][2] * in[2] + pM->m[r][3] * in[3];
    *pOut = {out[0], out[1], out[2], out[3]};
}

void CoreVec4::Scale(CoreVec4* pOut, const CoreVec4* pIn, float s)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    MATHS_REQUIRE_POINTER(pIn, "pIn != NULL");
    *pOut = {pIn->x * s, pIn->y * s, pIn->z * s, pIn->w * s};
}
