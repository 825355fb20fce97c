#pragma once
// What the map, quest and options tabs' tests share: the in-game menu over
// the sample common pack and texts on a recording device, opened and loaded
// for the kid, in an unloaded scene whose input state and cursor the tabs
// read, with the mouse of a headless 1280 x 960 window.
#include "Common/IdHash.h"
#include "DataPack/DataPack.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Interface/Common/InterfaceMenuServices.h"
#include "Interface/Common/MenuTabSceneLink.h"
#include "Managers/Common/SceneManagerScriptLink.h"
#include "Managers/Common/VarManager.h"
#include "Scene/Common/Scene.h"
#include "Support/FakeSceneWorld.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Support/ScopedInputSystem.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Font/Common/TextRenderer.h"
#include "Utils/Common/Font/Common/TwFont.h"

#include <cstdint>
#include <string>
#include <vector>

namespace MenuTabTest {

constexpr fx32 U = FX32_ONE;
constexpr uint32_t KID = ActorIdOf("tavrine_kid");
constexpr uint32_t HEROINE = ActorIdOf("tavrine");

// Lays text out in the sample main font and notes every line it prints.
class RecordingTextRenderer final : public Tw::TextRenderer {
public:
    void DrawGlyph(uint32_t, uint32_t, uint32_t, uint32_t, fx32 x, fx32 y, fx32, fx32, uint32_t colour) override
    {
        glyphs.push_back({x, y, colour});
    }
    struct Glyph {
        fx32 x;
        fx32 y;
        uint32_t colour;
    };
    std::vector<Glyph> glyphs;
};

// The tabs' scene: the test's unloaded scene.
class TestSceneLink final : public MenuTabSceneLink {
public:
    explicit TestSceneLink(Scene& scene) : m_scene(scene) { }
    int32_t GetInputState() override { return m_scene.m_iInputState; }
    CoreFxVec2 GetCursorPosition() override { return m_scene.m_oCursor.m_vPosition; }
    void SetCursorPosition(const CoreFxVec2& position) override { m_scene.m_oCursor.m_vPosition = position; }

private:
    Scene& m_scene;
};

// Never busy; scene events go to the test's scene and are noted.
class TestServices final : public InterfaceMenuServices {
public:
    explicit TestServices(Scene& scene) : m_scene(scene) { }
    bool IsGameBusy() override { return false; }
    void PlayEffect(int32_t iSoundId) override { effects.push_back(iSoundId); }
    bool FireEvent(const EventDesc&) override { return false; }
    bool CombineItems(uint32_t, uint32_t, EventDesc*) override { return false; }
    void PostSceneEvent(int32_t iCode) override
    {
        sceneEvents.push_back(iCode);
        m_scene.PostEvent(iCode);
    }
    Tw::TextRenderer* GetMainTextRenderer() override { return &mainText; }
    Tw::TextRenderer* GetSecondTextRenderer() override { return &secondText; }

    RecordingTextRenderer mainText;
    RecordingTextRenderer secondText;
    std::vector<int32_t> effects;
    std::vector<int32_t> sceneEvents;

private:
    Scene& m_scene;
};

// One quad as the device drew it: its texture's device number, its corner
// and size in virtual-screen units.
struct DrawnQuad {
    uint64_t texture;
    float x;
    float y;
    float width;
    float height;
};

class MenuTabWorld {
public:
    MenuTabWorld();
    ~MenuTabWorld();
    MenuTabWorld(const MenuTabWorld&) = delete;
    MenuTabWorld& operator=(const MenuTabWorld&) = delete;

    // The menu on that tab, the scene in the menu state.
    void ShowTab(int32_t iTab);
    // One frame: the pointer at (x, y) with the button up or down, the
    // triggers, then the menu's update.
    void Frame(fx32 x, fx32 y, bool bButton, uint32_t dtMs = 16);
    // A press and a release at the point.
    void Click(fx32 x, fx32 y);
    // The panel drawn once; the glyphs printed by both renderers, noted
    // afresh.
    void Draw();
    // One of the menu's drawing passes (the panel unless told) in a frame
    // of the recording device: its quads.
    std::vector<DrawnQuad> DrawQuads(void (InterfaceMenu::*draw)() = &InterfaceMenu::DrawPanel);
    // The device's number of the common pack's texture of that name.
    uint64_t TextureId(const char* name);
    // The script manager's frame, which carries out a requested scene
    // change (scenes of the fake world, without scripts): the scene then
    // current.
    int32_t ApplySceneChange();

    InterfaceMenu& Menu() { return *InterfaceMenu::GetInstance(); }
    int32_t InputState() const { return m_scene.m_iInputState; }
    TestServices& Services() { return m_services; }
    TestSupport::LogCapture& Log() { return m_log; }
    TestSupport::FakeSceneWorld& SceneWorld() { return m_sceneWorld.World(); }

private:
    TestSupport::LogCapture m_log;
    TestSupport::ScopedNullRenderer m_renderer;
    TestSupport::ScopedInputSystem m_input;
    std::vector<uint8_t> m_pack;
    DataPack m_oDataPack {};
    std::vector<uint8_t> m_texts;
    DkLocalizerBank m_aBanks[DkLocalizer::BANK_COUNT] = {};
    Tw::Font m_font;
    VarSet m_oSavedVars;
    Scene m_scene;
    TestSceneLink m_sceneLink {m_scene};
    TestServices m_services {m_scene};
    TestSupport::ScopedFakeSceneWorld m_sceneWorld;
    SceneManagerScriptLink m_scriptSceneLink;
};

} // namespace MenuTabTest
