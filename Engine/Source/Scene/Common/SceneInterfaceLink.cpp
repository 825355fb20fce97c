#include "Scene/Common/SceneInterfaceLink.h"

namespace {

NullSceneInterfaceLink s_oNullLink;
SceneInterfaceLink* s_pLink = &s_oNullLink;

} // namespace

SceneInterfaceLink& GetSceneInterfaceLink()
{
    return *s_pLink;
}

void SetSceneInterfaceLink(SceneInterfaceLink* pLink)
{
    s_pLink = pLink ? pLink : &s_oNullLink;
}
