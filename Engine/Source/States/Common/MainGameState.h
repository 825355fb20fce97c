#pragma once
#include "Common/IdHash.h"
#include "States/Common/GameState.h"
#include "Utils/Common/Font/PC/TextureTextRenderer.h"

class PackageResource;

// The adventure: scenes, scripts, dialogs and the in-game menu. Its entry
// restores the current save slot and asks for the slot's scene; each frame,
// unless the game is paused, it updates the script manager, the inventory
// script, the running dialog and the scene, in this order, and hands over to
// the head of the state queue once the scene fade-out has finished. Its exit
// stores the game state in the slot and ends the adventure.
class MainGameState final : public GameState {
public:
    // Whom the in-game menu opens for while the slot holds no game.
    static constexpr uint32_t DEFAULT_MENU_CHARACTER = ActorIdOf("tavrine");
    static constexpr const char* COMMON_DIALOGS = "scenes/common.dialogs.dat";
    static constexpr int32_t TEXT_LINES = 12;

    explicit MainGameState(FiniteStateManager* pOwner);
    ~MainGameState() override;

    uint16_t Update(uint32_t dt) override;
    void Render() override;

    // The text renderers of the talk screen, the in-game menu and the scene's
    // labels, in the main font and in the small font.
    Tw::TextRenderer& GetMainTextRenderer() { return m_oMainText; }
    Tw::TextRenderer& GetSmallTextRenderer() { return m_oSmallText; }
    // Whether the entry went through; an entry that stopped early runs no
    // adventure.
    bool IsAdventureStarted() const { return m_bAdventureStarted; }

protected:
    void OnInit() override;
    void OnShutdown() override;

private:
    // The scene of the entry: the live current scene, or the start menu when
    // that is no scene.
    static int32_t SceneToStart();
    // A queued state may start: the scene fade-out has finished and the
    // fade-in does not run.
    bool IsHandOverDue() const;
    void ReleaseTextRenderers();

    Tw::TextureTextRenderer m_oMainText;
    Tw::TextureTextRenderer m_oSmallText;
    PackageResource* m_pCommonDialogs = nullptr;
    bool m_bAdventureStarted = false;
};

// The main-font or small-font text renderer of the current game state: the
// main adventure state's, null while another state (or none) runs.
Tw::TextRenderer* GetCurrentStateTextRenderer(bool bSmallFont);
