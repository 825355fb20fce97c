#include "Engine/Interface/Common/MenuTabWorld.h"

#include "DataPack/DkDataPackBinding.h"
#include "Graphics/DeviceTexture.h"
#include "Common/SceneIds.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/ScriptManager.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Support/Files.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

namespace MenuTabTest {

namespace {

// A virtual unit is five pixels of the 1280 x 960 window.
int32_t ToPixels(fx32 units)
{
    return units * 5 / FX32_ONE;
}

} // namespace

MenuTabWorld::MenuTabWorld() : m_oSavedVars(g_VarManager)
{
    TestSupport::EnsureMainHeap();
    EXPECT_TRUE(m_renderer.IsReady());
    g_VarManager = VarSet {};
    m_input.Devices().SetClientSize(1280, 960);
    m_pack = TestSupport::ReadFileBytes(TestSupport::DataDir() / "common.dr");
    EXPECT_TRUE(DkDataPackBinding::BindPack(m_oDataPack, m_pack.data(), m_pack.size(), "common.dr"));
    EXPECT_TRUE(g_oDkLocalizer.Initialize(m_aBanks));
    m_texts = TestSupport::ReadFileBytes(TestSupport::DataDir() / "text" / "en-GBTextCommon.dat");
    EXPECT_NE(g_oDkLocalizer.AddBank("en-GBTextCommon.dat", m_texts.data(), uint32_t(m_texts.size())), -1);
    const std::string font = (TestSupport::DataDir() / "fonts" / "MainFont.fnt.bin").string();
    EXPECT_TRUE(m_font.Initialize(font.c_str(), {"MainFont_00", 0}));
    m_services.mainText.Initialize(&m_font, 12);
    m_services.secondText.Initialize(&m_font, 12);
    SetInterfaceMenuServices(&m_services);
    SetMenuTabSceneLink(&m_sceneLink);
    SceneManager::SetPlayingCharacter(KID);
    SetScriptSceneLink(&m_scriptSceneLink);
    g_oScriptManager.SetSceneScriptMaker([](int) -> SceneScript* { return nullptr; });

    InterfaceButton::FillDefinitionTable();
    InterfaceMenu* pMenu = InterfaceMenu::CreateSingleton();
    EXPECT_TRUE(pMenu->Open(KID));
    EXPECT_TRUE(pMenu->Load());
    m_scene.EnterState(INPUT_STATE_IDLE);
    m_log.Take();
}

MenuTabWorld::~MenuTabWorld()
{
    if (InterfaceMenu* pMenu = InterfaceMenu::GetInstance()) {
        pMenu->Unload();
        pMenu->Close();
        InterfaceMenu::DestroySingleton();
    }
    if (g_oScriptManager.IsChangePending())
        ApplySceneChange();
    SceneManager::Terminate();
    SceneManager::ClearSceneIds();
    g_oScriptManager.SetSceneScriptMaker(&CreateScriptFromId);
    SetScriptSceneLink(nullptr);
    SetMenuTabSceneLink(nullptr);
    SetInterfaceMenuServices(nullptr);
    m_services.mainText.Release();
    m_services.secondText.Release();
    m_font.Release();
    g_oDkLocalizer.Release();
    DkDataPackBinding::UnbindPack(m_oDataPack);
    g_VarManager = m_oSavedVars;
}

void MenuTabWorld::ShowTab(int32_t iTab)
{
    m_scene.EnterState(INPUT_STATE_MENU);
    Menu().SetCurrentTab(iTab);
}

void MenuTabWorld::Frame(fx32 x, fx32 y, bool bButton, uint32_t dtMs)
{
    m_input.Devices().SetPointer(ToPixels(x), ToPixels(y));
    m_input.Devices().SetMouseButton(0, bButton);
    m_input.Frame();
    Menu().Update(dtMs);
}

void MenuTabWorld::Click(fx32 x, fx32 y)
{
    Frame(x, y, true);
    Frame(x, y, false);
}

void MenuTabWorld::Draw()
{
    m_services.mainText.glyphs.clear();
    m_services.secondText.glyphs.clear();
    Menu().DrawPanel();
}

std::vector<DrawnQuad> MenuTabWorld::DrawQuads(void (InterfaceMenu::*draw)())
{
    CoreRenderer& renderer = m_renderer.Renderer();
    Platform::GraphicsRecorder& recorder = m_renderer.Graphics().Recorder();
    EXPECT_TRUE(renderer.BeginFrame());
    recorder.Clear();
    (Menu().*draw)();
    std::vector<DrawnQuad> quads;
    uint64_t texture = 0;
    for (const Platform::GraphicsCall& call : recorder.Calls()) {
        if (call.name == "SetTexture")
            texture = call.arguments[1];
        if (call.name != "DrawPrimitiveUP")
            continue;
        // Four corners, in the order of a strip or of a fan.
        CorePrimitiveVertex v[4];
        std::memcpy(v, call.data.data(), sizeof v);
        const auto [left, right] = std::minmax({v[0].x, v[1].x, v[2].x, v[3].x});
        const auto [top, bottom] = std::minmax({v[0].y, v[1].y, v[2].y, v[3].y});
        quads.push_back({texture, left + renderer.GetHalfPixelOffsetX(), top + renderer.GetHalfPixelOffsetY(),
                         right - left, bottom - top});
    }
    recorder.Clear();
    renderer.EndFrame();
    return quads;
}

uint64_t MenuTabWorld::TextureId(const char* name)
{
    const CoreTexture* pTexture = g_pTextureManager->GetTextureByName(name);
    EXPECT_NE(pTexture, nullptr) << name;
    return pTexture ? static_cast<Platform::DeviceTexture*>(pTexture->m_pD3DTexture)->Id() : 0;
}

int32_t MenuTabWorld::ApplySceneChange()
{
    g_oScriptManager.Update(16);
    return SceneManager::GetCurrentSceneId();
}

} // namespace MenuTabTest
