#include "Scene/Common/SceneInputLink.h"

namespace {

NullSceneInputLink s_oNullLink;
SceneInputLink* s_pLink = &s_oNullLink;

} // namespace

SceneInputLink& GetSceneInputLink()
{
    return *s_pLink;
}

void SetSceneInputLink(SceneInputLink* pLink)
{
    s_pLink = pLink ? pLink : &s_oNullLink;
}
