#pragma once

class TwGame;

// Stand-ins for the parts of start-up, shutdown and the frame whose
// subsystems are not built yet. A start-up stand-in writes its step's log
// lines and succeeds; the others do nothing. Each is replaced by the real
// step when its subsystem arrives, and removed from here.
namespace Placeholder {

// Start-up steps, in start-up order.
bool CreateInventoryScript();
bool CreateInGameMenu();

// Shutdown steps, in shutdown order.
void DestroyInGameMenu();
void DestroyInventoryScript();

} // namespace Placeholder
