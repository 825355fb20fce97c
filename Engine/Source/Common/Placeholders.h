#pragma once
#include <cstdint>

class TwGame;

// Stand-ins for the parts of start-up, shutdown and the frame whose
// subsystems are not built yet. A start-up stand-in writes its step's log
// lines and succeeds; the others do nothing. Each is replaced by the real
// step when its subsystem arrives, and removed from here.
namespace Placeholder {

// Start-up steps, in start-up order.
bool InitializeLocalizerCommon(TwGame& game);
bool InitializeFonts(TwGame& game);
bool InitializeCardManager(TwGame& game);
bool InitializeEffects();
bool InitializeAdventureManager(TwGame& game);
bool CreateInGameMenuAndBindQuitBox();

// Shutdown steps, in shutdown order.
void ReleaseStates();
void ReleaseQuitBoxText();
void DestroyInGameMenu();
void DestroyAdventureManager();
void ResetFades();
void DestroyCardManager();
void ReleaseFonts();
void ReleaseCommonTextTables();

// The main loop.
bool InitializeStates();
void EndStateFrame();

// The update pass.
void UpdateQuitRequest(TwGame& game);
void ManageStates(uint32_t dt);
void UpdateEffects(uint32_t dt);

// The render pass.
void RenderCurrentState();
void RenderEffects();
void RenderQuitBox();

} // namespace Placeholder
