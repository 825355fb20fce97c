#include "Adventure/Common/Entity.h"
#include "Scene/Common/GameScene.h"
#include "Scene/Common/SceneInterfaceLink.h"
#include "Utils/Common/DkLocalizer.h"

namespace {

constexpr uint32_t NO_CAPTION = 0xFFFFFFFFu;
// Print flags by alignment: left, centred, right, each centred on y.
constexpr uint32_t ALIGN_LEFT = 0x21;
constexpr uint32_t ALIGN_CENTRE = 0x22;
constexpr uint32_t ALIGN_RIGHT = 0x24;

fx32 WholeUnits(fx32 value)
{
    return (value >> FX32_SHIFT) << FX32_SHIFT;
}

const char* CaptionText(const Entity& entity)
{
    if (entity.m_iSaveSlotNumber != 0)
        return entity.GetSlotLabel();
    if (entity.m_uCaptionTextId != NO_CAPTION)
        return g_oDkLocalizer.GetText(entity.m_uCaptionTextId);
    return nullptr;
}

} // namespace

void GameScene::RenderLabels(CoreRenderer& /*renderer*/)
{
    SceneInterfaceLink& link = GetSceneInterfaceLink();
    for (int32_t i = 0; i < m_iNumEntities; ++i) {
        const Entity& entity = m_vEntities[i];
        if (!entity.IsVisible())
            continue;
        const char* text = CaptionText(entity);
        const SceneObject* anchor = entity.m_pRegion;
        if (!anchor)
            anchor = entity.GetCurrentSprite();
        Tw::TextRenderer* printer = CaptionRenderer(entity.m_iCaptionFont);
        if (!text || !anchor || !printer)
            continue;

        const SceneRect& box = anchor->m_oBox;
        fx32 x = 0;
        uint32_t flags = ALIGN_CENTRE;
        if (entity.m_iCaptionAlignment == 0) {
            x = box.xMin;
            flags = ALIGN_LEFT;
        } else if (entity.m_iCaptionAlignment == 2) {
            x = box.xMax;
            flags = ALIGN_RIGHT;
        } else {
            x = (box.xMin + box.xMax) / 2;
        }
        x = WholeUnits(x - m_fScroll);
        const fx32 y = WholeUnits((box.yMin + box.yMax) / 2);
        const bool hovered = !link.IsBusy() && m_pHoveredObject == anchor && entity.IsInteractive();
        printer->BeginPrint();
        printer->Print(text, x, y, hovered ? entity.m_uColourB : entity.m_uColourA, flags);
        printer->EndPrint();
    }
}

void GameScene::RenderOverlay(CoreRenderer& /*renderer*/)
{
}
