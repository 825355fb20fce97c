#include "App/CoreApp.h"
#include "Game/TwGame.h"
#include "Log/CoreLog.h"
#include "Renderer/CoreRenderer.h"
#include "System/MessageBoxes.h"

bool TwGame::InitializeDisplay()
{
    CorePrint(&g_oCoreLog, " - Initialize Display...\n");
    CoreRendererSettings settings;
    settings.m_hWindow = m_oDisplaySettings.pWindow;
    settings.m_uReserved1 = m_oDisplaySettings.uReserved1;
    settings.m_uReserved2 = m_oDisplaySettings.uReserved2;
    settings.m_uWidth = m_oDisplaySettings.uWidth;
    settings.m_uHeight = m_oDisplaySettings.uHeight;
    settings.m_uFullScreen = m_oDisplaySettings.bFullScreen;
    settings.m_uMultiSample = m_oDisplaySettings.uAntiAliasing;
    settings.m_uPrimitiveBufferSize = m_oDisplaySettings.uPrimitiveVertexCount;

    CoreRenderer* renderer = new CoreRenderer();
    if (!g_pCoreApp || !renderer->Initialize(settings)) {
        delete renderer;
        // The box is gone once answered: the log keeps the reason.
        CorePrint(&g_oCoreLog, "Could not initialize renderer!\n");
        Platform::GetMessageBoxes().ShowError("Error", "Could not initialize renderer!");
        return false;
    }
    g_pCoreApp->m_pRenderer = renderer;
    LogStep("Display done");
    return true;
}

void TwGame::ShutdownDisplay()
{
    if (!g_pCoreApp || !g_pCoreApp->m_pRenderer)
        return;
    g_pCoreApp->m_pRenderer->Shutdown();
    delete g_pCoreApp->m_pRenderer;
    g_pCoreApp->m_pRenderer = nullptr;
}
