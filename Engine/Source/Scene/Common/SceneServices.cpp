#include "Scene/Common/SceneServices.h"

#include "Log/CoreLog.h"

namespace {

NullSceneServices s_oNullServices;
SceneServices* s_pServices = &s_oNullServices;

} // namespace

bool NullSceneServices::InsertScriptable(int32_t iId, Scriptable* /*pScriptable*/)
{
    CorePrint(&g_oCoreLog, "No script manager: InsertScriptable(%d)\n", iId);
    return false;
}

bool NullSceneServices::RemoveScriptable(int32_t iId)
{
    CorePrint(&g_oCoreLog, "No script manager: RemoveScriptable(%d)\n", iId);
    return false;
}

int32_t NullSceneServices::AddTextBank(const char* pName, uint8_t* /*pTable*/, uint32_t /*uSize*/)
{
    CorePrint(&g_oCoreLog, "No localiser: text table \"%s\" not added\n", pName);
    return -1;
}

void NullSceneServices::RemoveTextBank(int32_t /*iBank*/)
{
}

int32_t NullSceneServices::AddDialogGroup(const uint8_t* /*pData*/, size_t /*uSize*/, int32_t /*iSceneId*/,
                                          const char* pFileName)
{
    CorePrint(&g_oCoreLog, "No dialog manager: dialogs \"%s\" not added\n", pFileName);
    return -1;
}

void NullSceneServices::RemoveDialogGroup(int32_t /*iSlot*/)
{
}

bool NullSceneServices::InitializeInterface(Scene& /*oScene*/)
{
    return true;
}

void NullSceneServices::ShutdownInterface(Scene& /*oScene*/)
{
}

const char* NullSceneServices::GetSaveSlotLabel(int32_t /*iSlot*/)
{
    return nullptr;
}

SceneServices& GetSceneServices()
{
    return *s_pServices;
}

void SetSceneServices(SceneServices* pServices)
{
    s_pServices = pServices ? pServices : &s_oNullServices;
}
