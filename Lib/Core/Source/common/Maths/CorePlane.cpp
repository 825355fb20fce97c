#include "Maths/CorePlane.h"

#include "Maths/CoreMatrix.h"
#include "Maths/MathsAssert.h"

void CorePlane::Transform(CorePlane* pOut, const CorePlane* pPlane, const CoreMatrix* pMInvTrans)
{
    MATHS_REQUIRE_POINTER(pOut, "pOut != NULL");
    MATHS_REQUIRE_POINTER(pPlane, "pPlane != NULL");
    MATHS_REQUIRE_POINTER(pMInvTrans, "pMInvTrans != NULL");
    const float in[4] = {pPlane->a, pPlane->b, pPlane->c, pPlane->d};
    float out[4];
    for (int r = 0; r < 4; ++r)
        out[r] = pMInvTrans->m[r][0] * in[0] + pMInvTrans->m[r][1] * in[1] + pMInvTrans->m[r][2] * in[2] +
                 pMInvTrans->m[r][3] * in[3];
    *pOut = {out[0], out[1], out[2], out[3]};
}
