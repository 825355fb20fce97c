#include "Managers/Common/SceneWorldLink.h"

#include "Input/Common/InputEventIds.h"
#include "Input/InputEventHandler.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ManagedScene.h"

namespace {

// A scene with nothing in it. Like every scene's input it lets Esc open the
// quit box.
class EmptyScene final : public ManagedScene {
public:
    bool Initialize(int32_t iSceneId) override
    {
        CorePrint(&g_oCoreLog, "No scene world: scene %d is empty\n", iSceneId);
        if (InputEventHandler* pHandler = InputEventHandler::m_pSingleton)
            pHandler->EnableEventTrigger(InputEventId_Quit, true);
        return true;
    }
    void Shutdown() override { }
    void Update(uint32_t) override { }
    void Render() override { }
    void SetActiveCharacter(uint32_t) override { }
};

NullSceneWorldLink s_oNullLink;
SceneWorldLink* s_pLink = &s_oNullLink;

} // namespace

std::unique_ptr<ManagedScene> NullSceneWorldLink::CreateScene(bool)
{
    return std::make_unique<EmptyScene>();
}

void NullSceneWorldLink::LoadMenu()
{
    CorePrint(&g_oCoreLog, "No in-game menu: its scene part is not loaded\n");
}

void NullSceneWorldLink::UnloadMenu()
{
    CorePrint(&g_oCoreLog, "No in-game menu: its scene part is not unloaded\n");
}

SceneWorldLink& GetSceneWorldLink()
{
    return *s_pLink;
}

void SetSceneWorldLink(SceneWorldLink* pLink)
{
    s_pLink = pLink ? pLink : &s_oNullLink;
}
