#pragma once
#include "Scene/Common/SceneInputLink.h"
#include "Scene/Common/SceneInterfaceLink.h"

namespace Tw {
class TextRenderer;
}

// The main-font or small-font text renderer of the current game state: the
// main adventure state's, null while another state (or none) runs.
Tw::TextRenderer* GetCurrentStateTextRenderer(bool bSmallFont);

// What every scene of the game asks each frame of the parts around it: the
// talk screen's frame and drawing, whether the script manager keeps the game
// busy and the current state's text renderers. The in-game menu's frame and
// drawing and the held item stand empty until the menu exists.
class GameSceneInterfaceLink final : public SceneInterfaceLink {
public:
    void UpdateMenu(uint32_t) override { }
    void UpdateTalkScreen(uint32_t dtMs) override;
    void DrawTalkScreen() override;
    void DrawMenuPanel() override { }
    void DrawMenuBars() override { }
    CoreTexture* GetHeldItemIcon() override { return nullptr; }
    bool IsBusy() override;
    Tw::TextRenderer* GetMainTextRenderer() override { return GetCurrentStateTextRenderer(false); }
    Tw::TextRenderer* GetSmallTextRenderer() override { return GetCurrentStateTextRenderer(true); }
};

// What a scene's input asks of the game: the talk screen and its caption,
// the dialog manager and the loaded text tables. The in-game menu's tab and
// the held item stand empty until the menu and the inventory exist.
class GameSceneInputLink final : public SceneInputLink {
public:
    bool IsTalkScreenActive() override;
    bool IsDialogRunning() override;
    bool DialogOffersChoices() override;
    void SetCaption(const char* pText) override;
    void HideCaption() override;
    void SetMenuTab(int32_t) override { }
    int32_t GetSelectedItem() override { return -1; }
    const char* GetItemName(int32_t) override { return nullptr; }
    void ClearItemSelection() override { }
    const char* GetText(uint32_t uTextId) override;
};
