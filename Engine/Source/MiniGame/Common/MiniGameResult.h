#pragma once
#include <cstdint>

// The mini-games' road back to the adventure: booleans and integers of the
// current save slot's stored game variables, which the adventure restores
// when it starts the slot's scene again.
namespace MiniGameResult {

// Sets or clears the boolean in the current slot; false when there is no
// slot or the id is no boolean.
bool SetSlotBool(int32_t iVarId, bool bValue);
bool GetSlotBool(int32_t iVarId);
// Sets the integer in the current slot; false when there is no slot or the
// id is no integer.
bool SetSlotInt(int32_t iVarId, int32_t iValue);
// The scene the adventure goes on in after the game, in the current slot;
// a game the player started from the mini-game menu goes back to the menu
// instead. False when there is no slot.
bool SetResumeScene(int32_t iSceneId);

// The mini-game menu's scene id.
constexpr int32_t MINIGAME_MENU_SCENE = 2;

} // namespace MiniGameResult
