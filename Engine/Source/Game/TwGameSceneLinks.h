#pragma once
#include "Scene/Common/SceneInputLink.h"
#include "Scene/Common/SceneInterfaceLink.h"
#include "States/Common/MainGameState.h"

// What every scene of the game asks each frame of the parts around it: the
// talk screen's frame and drawing, whether the script manager keeps the game
// busy and the current state's text renderers, and the in-game menu's frame,
// drawing and picked-up item.
class GameSceneInterfaceLink final : public SceneInterfaceLink {
public:
    void UpdateMenu(uint32_t dtMs) override;
    void UpdateTalkScreen(uint32_t dtMs) override;
    void DrawTalkScreen() override;
    void DrawMenuPanel() override;
    void DrawMenuBars() override;
    CoreTexture* GetHeldItemIcon() override;
    bool IsBusy() override;
    Tw::TextRenderer* GetMainTextRenderer() override { return GetCurrentStateTextRenderer(false); }
    Tw::TextRenderer* GetSmallTextRenderer() override { return GetCurrentStateTextRenderer(true); }
};

// What a scene's input asks of the game: the talk screen and its caption,
// the dialog manager, the loaded text tables, the in-game menu's tab and the
// inventory's picked-up item.
class GameSceneInputLink final : public SceneInputLink {
public:
    bool IsTalkScreenActive() override;
    bool IsDialogRunning() override;
    bool DialogOffersChoices() override;
    void SetCaption(const char* pText) override;
    void HideCaption() override;
    void SetMenuTab(int32_t iTab) override;
    int32_t GetSelectedItem() override;
    const char* GetItemName(int32_t iItem) override;
    uint32_t GetItemId(int32_t iItem) override;
    void ClearItemSelection() override;
    const char* GetText(uint32_t uTextId) override;
};
