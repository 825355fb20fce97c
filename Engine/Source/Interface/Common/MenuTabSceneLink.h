#pragma once
#include "Maths/CoreFxVec.h"

#include <cstdint>

// What the map, quest and options tabs ask of the current scene: its input
// state (they act in the menu state, the options tab also in its modal
// state) and the scene cursor, which the pad moves and selects with. The game
// provides it; tests install fakes.
class MenuTabSceneLink {
public:
    virtual ~MenuTabSceneLink() = default;

    // The current scene's input state; 0 when no scene is current.
    virtual int32_t GetInputState() = 0;
    virtual CoreFxVec2 GetCursorPosition() = 0;
    virtual void SetCursorPosition(const CoreFxVec2& position) = 0;
};

// The scene manager's current scene, when it is an adventure scene.
class CurrentSceneMenuTabLink final : public MenuTabSceneLink {
public:
    int32_t GetInputState() override;
    CoreFxVec2 GetCursorPosition() override;
    void SetCursorPosition(const CoreFxVec2& position) override;
};

// The link the tabs use; SetMenuTabSceneLink(nullptr) restores the game's.
MenuTabSceneLink& GetMenuTabSceneLink();
void SetMenuTabSceneLink(MenuTabSceneLink* pLink);
