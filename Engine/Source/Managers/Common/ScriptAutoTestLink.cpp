#include "Managers/Common/ScriptAutoTestLink.h"

namespace {

NullScriptAutoTestLink s_oNullLink;
ScriptAutoTestLink* s_pLink = &s_oNullLink;

} // namespace

ScriptAutoTestLink& GetScriptAutoTestLink()
{
    return *s_pLink;
}

void SetScriptAutoTestLink(ScriptAutoTestLink* pLink)
{
    s_pLink = pLink ? pLink : &s_oNullLink;
}
