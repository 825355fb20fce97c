#pragma once
#include <cstdint>

struct EventDesc;

namespace Tw {
class TextRenderer;
}

// What the in-game menu reaches outside itself: whether the game is busy, the
// sound effects, the script manager's events, the inventory script's
// combinations, the current scene's posted events and the adventure state's
// text renderers. The game provides them; tests install their own.
class InterfaceMenuServices {
public:
    virtual ~InterfaceMenuServices() = default;

    // An event runs, a scene change is pending, the scene-transition fade
    // runs or a game state is queued: the tab bar and the inventory take no
    // input.
    virtual bool IsGameBusy() = 0;
    virtual void PlayEffect(int32_t iSoundId) = 0;
    // Whether the event was accepted.
    virtual bool FireEvent(const EventDesc& oEvent) = 0;
    // Combines two held items through the inventory script; fills the event
    // to fire. False when the pair does not combine.
    virtual bool CombineItems(uint32_t uDragged, uint32_t uTarget, EventDesc* pEvent) = 0;
    // Posts an event code to the current scene's input.
    virtual void PostSceneEvent(int32_t iCode) = 0;
    // The adventure state's renderers of the main and the small font; null
    // while it has none.
    virtual Tw::TextRenderer* GetMainTextRenderer() = 0;
    virtual Tw::TextRenderer* GetSecondTextRenderer() = 0;
};

// The game's services: the script manager, the sound manager, the game's
// inventory script, the scene link of the script manager and the main
// adventure state's renderers.
class DefaultInterfaceMenuServices final : public InterfaceMenuServices {
public:
    bool IsGameBusy() override;
    void PlayEffect(int32_t iSoundId) override;
    bool FireEvent(const EventDesc& oEvent) override;
    bool CombineItems(uint32_t uDragged, uint32_t uTarget, EventDesc* pEvent) override;
    void PostSceneEvent(int32_t iCode) override;
    Tw::TextRenderer* GetMainTextRenderer() override;
    Tw::TextRenderer* GetSecondTextRenderer() override;
};

// The services of the menu; SetInterfaceMenuServices(nullptr) restores the
// default ones.
InterfaceMenuServices& GetInterfaceMenuServices();
void SetInterfaceMenuServices(InterfaceMenuServices* pServices);
