#include "Scene/Common/SceneCast.h"

#include "Scene/Common/CharacterCast.h"

namespace {

CharacterCast s_oGameCast;
SceneCast* s_pCast = &s_oGameCast;

} // namespace

SceneCast& GetSceneCast()
{
    return *s_pCast;
}

void SetSceneCast(SceneCast* pCast)
{
    s_pCast = pCast ? pCast : &s_oGameCast;
}
