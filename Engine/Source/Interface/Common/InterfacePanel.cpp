#include "Interface/Common/InterfacePanel.h"

#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTextureManager.h"

namespace {

// A 16:9 frame centred on the 256-wide virtual screen: 341.33 wide from
// x = -42.67, the full 192 high.
constexpr fx32 BACKGROUND_WIDTH = 1398100;
constexpr fx32 BACKGROUND_X = -174762;
constexpr fx32 BACKGROUND_HEIGHT = 192 * FX32_ONE;

} // namespace

bool InterfacePanel::Load()
{
    m_hBackground = g_pTextureManager ? g_pTextureManager->GetTextureByName("s_gen_screen_bg") : nullptr;
    return true;
}

void InterfacePanel::Draw()
{
    if (m_hBackground == nullptr || g_pTextureManager == nullptr || g_pTextureManager->m_pRenderer == nullptr)
        return;
    g_pTextureManager->m_pRenderer->DrawTexturedQuad(m_hBackground, BACKGROUND_WIDTH, BACKGROUND_HEIGHT, BACKGROUND_X,
                                                     0, 0);
}
