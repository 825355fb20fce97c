#pragma once
#include <cstdint>

class CoreTexture;

namespace Tw {
class TextRenderer;
}

// What a scene asks each frame of the talk screen, the in-game menu and the
// game around it: their updates and drawing, the item the player holds and
// whether the game is busy. The game provides it; tests install fakes.
class SceneInterfaceLink {
public:
    virtual ~SceneInterfaceLink() = default;

    // The in-game menu's frame, first in the scene's update.
    virtual void UpdateMenu(uint32_t dtMs) = 0;
    // The talk screen's frame, after the scene's input.
    virtual void UpdateTalkScreen(uint32_t dtMs) = 0;
    // The talk screen's caption box, then the talk screen.
    virtual void DrawTalkScreen() = 0;
    // The in-game menu's current panel.
    virtual void DrawMenuPanel() = 0;
    // The in-game menu's two bars.
    virtual void DrawMenuBars() = 0;
    // The icon of the inventory item the player holds; null when none is
    // selected.
    virtual CoreTexture* GetHeldItemIcon() = 0;
    // The script manager runs an event, a scene change is pending, the
    // scene-transition fade runs or a game state waits in the queue.
    virtual bool IsBusy() = 0;
    // The current game state's text renderers of the main and the small
    // font; null while it has none.
    virtual Tw::TextRenderer* GetMainTextRenderer() = 0;
    virtual Tw::TextRenderer* GetSmallTextRenderer() = 0;
};

// Stands in until the talk screen and the menu exist: nothing to update or
// draw, no item in hand, never busy, no text renderers.
class NullSceneInterfaceLink : public SceneInterfaceLink {
public:
    void UpdateMenu(uint32_t) override { }
    void UpdateTalkScreen(uint32_t) override { }
    void DrawTalkScreen() override { }
    void DrawMenuPanel() override { }
    void DrawMenuBars() override { }
    CoreTexture* GetHeldItemIcon() override { return nullptr; }
    bool IsBusy() override { return false; }
    Tw::TextRenderer* GetMainTextRenderer() override { return nullptr; }
    Tw::TextRenderer* GetSmallTextRenderer() override { return nullptr; }
};

// The link every scene uses; SetSceneInterfaceLink(nullptr) restores the
// null one.
SceneInterfaceLink& GetSceneInterfaceLink();
void SetSceneInterfaceLink(SceneInterfaceLink* pLink);
