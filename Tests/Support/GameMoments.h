#pragma once
#include <string>

namespace TestSupport {

// The moments of the running game that a player waits for before acting,
// read from the game's own state.

// The scene of that name is played: the adventure state runs it and its
// input has started.
bool IsSceneShown(const std::string& name);
// The intro or another movie plays.
bool IsMoviePlaying();
// A movie or a mini-game (the splash logos at start-up) runs instead of the
// adventure.
bool IsAdventureAway();
// The game takes no input: an event waits or runs, a dialog runs, a state
// is queued, a fade runs or the quit box asks.
bool IsBusy();
// The player may act: the adventure state runs a scene in its idle input
// state and the game is not busy.
bool IsInteractive();
// What a player sees as a game ready for a click: the adventure shows a
// scene in its idle input state, with no talk screen, no fade, no quit box
// and no waiting pointer, whatever the scripts still do unseen.
bool LooksReady();
// A sentence stands on the talk screen, waiting for a click to be typed out
// or to go on.
bool ShowsSentence();
// The talk screen's propositions stand still, ready to be chosen.
bool ShowsChoices();
// The verb menu of a hotspot is open.
bool IsVerbMenuOpen();
// The in-game menu shows its inventory.
bool IsInventoryShown();
// The in-game menu is open and takes input.
bool IsMenuIdle();
// An inventory item is carried over the scene's hotspot of that name, whose
// caption says so.
bool IsCarriedOver(const std::string& object);
// The quit box asks whether to quit.
bool IsQuitBoxShown();
// A mini-game runs or is on its way in, instead of the adventure.
bool IsMiniGameOn();
// The running mini-game's message box waits for one of its buttons.
bool AsksInMiniGameBox();
// The running mini-game shows its message box, whether or not it takes
// input yet.
bool ShowsMiniGameBox();

} // namespace TestSupport
