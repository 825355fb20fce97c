#include "Scene/Common/SceneEventSink.h"

#include "Log/CoreLog.h"

namespace {

NullSceneEventSink s_oNullSink;
SceneEventSink* s_pSink = &s_oNullSink;

} // namespace

bool NullSceneEventSink::FireEvent(const EventDesc& oEvent)
{
    CorePrint(&g_oCoreLog, "SceneEventSink -- no script manager: event \"%s\" dropped\n",
              EventDesc::GetTypeName(oEvent.m_eType));
    return false;
}

SceneEventSink& GetSceneEventSink()
{
    return *s_pSink;
}

void SetSceneEventSink(SceneEventSink* pSink)
{
    s_pSink = pSink ? pSink : &s_oNullSink;
}
