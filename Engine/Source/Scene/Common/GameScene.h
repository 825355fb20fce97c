#pragma once
#include "Scene/Common/Scene.h"
#include "Utils/Common/Font/Common/TwFont.h"
#include "Utils/Common/Font/PC/TextureTextRenderer.h"

#include <cstdint>

// The scene of the menus (the start menu, the chapter menu, the controls
// screen and the world map): an ordinary scene driven by the pointer alone,
// without verb menus, whose entities print their captions (or save-slot
// labels) over their sprites or regions, in a second colour while hovered.
class GameScene : public Scene {
public:
    GameScene() = default;
    ~GameScene() override;

    // The scene, then, when it loaded, the title and menu fonts.
    bool Initialize(SceneId iId) override;
    // Loads "fonts/TitleFont.fnt.bin" and "fonts/MenuFont.fnt.bin" and makes
    // their text renderers; true (a missing font is reported and prints
    // nothing).
    bool InitializeFonts();
    // The fonts and their renderers, then the scene.
    void Shutdown() override;
    // The layers, the pointer, the scene clock, the characters, the walk
    // target, the depths and the scroll; no highlights and no verb menu.
    void Update(uint32_t dtMs) override;
    // The cursor follows the pointer and hovers what lies under it; a click
    // on a hotspot fires its action.
    void HandleInputs(uint32_t dtMs) override;
    // Every visible entity's caption over its region or current sprite.
    void RenderLabels(CoreRenderer& renderer) override;
    // Menu scenes have no in-game menu.
    void RenderOverlay(CoreRenderer& renderer) override;

    // fx32 seconds since the scene started.
    fx32 m_fSceneTime = 0;
    Tw::TextureTextRenderer m_oTitleRenderer;
    Tw::Font m_oTitleFont;
    Tw::TextureTextRenderer m_oMenuRenderer;
    Tw::Font m_oMenuFont;

private:
    void ReleaseFonts();
    // The renderer of a caption's font: 0 the game state's main font, 1 the
    // title font, 2 the game state's small font, 3 the menu font.
    Tw::TextRenderer* CaptionRenderer(int32_t iFont);
};
