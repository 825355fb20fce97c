#pragma once
#include <cstdint>

class TwGame;

// Stand-ins for the parts of start-up, shutdown and the frame whose
// subsystems are not built yet. A start-up stand-in writes its step's log
// lines and succeeds; the others do nothing. Each is replaced by the real
// step when its subsystem arrives, and removed from here.
namespace Placeholder {

// Start-up steps, in start-up order.
bool InitializeEffects();
bool CreateInGameMenuAndBindQuitBox();

// Shutdown steps, in shutdown order.
void ReleaseStates();
void ReleaseQuitBoxText();
void DestroyInGameMenu();
void ResetFades();

// The main loop. Until the states exist, InitializeStates does the
// save-file check state's work.
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

// The scene manager's playing character.
uint32_t GetPlayingCharacter();
void SetPlayingCharacter(uint32_t actorId);

// The text tables' reload for a new game language.
void ReloadLocalizer(TwGame& game);

} // namespace Placeholder
