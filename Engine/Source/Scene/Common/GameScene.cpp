#include "Scene/Common/GameScene.h"

#include "Common/GameLink.h"
#include "Input/Common/InputEventIds.h"
#include "Input/InputEventHandler.h"
#include "Input/InputPointer.h"
#include "Log/CoreLog.h"
#include "Scene/Common/SceneInterfaceLink.h"

namespace {

constexpr uint32_t NO_POINTER = 0xFFFFFFFFu;
// Lines of a caption.
constexpr int32_t CAPTION_LINES = 12;

} // namespace

GameScene::~GameScene()
{
    ReleaseFonts();
}

bool GameScene::Initialize(SceneId iId)
{
    // A scene object is loaded once, but its fonts must not be kept twice.
    ReleaseFonts();
    m_fSceneTime = 0;
    return Scene::Initialize(iId) && InitializeFonts();
}

bool GameScene::InitializeFonts()
{
    CorePrint(&g_oCoreLog, " - Initialize menu font...\n");
    m_oTitleFont.Initialize("fonts/TitleFont.fnt.bin", {"TitleFont_00", 0});
    m_oMenuFont.Initialize("fonts/MenuFont.fnt.bin", {"MenuFont_00", 0});
    GetGameLink().LogStep("Font done");
    m_oTitleRenderer.Initialize(&m_oTitleFont, CAPTION_LINES);
    m_oMenuRenderer.Initialize(&m_oMenuFont, CAPTION_LINES);
    return true;
}

void GameScene::ReleaseFonts()
{
    m_oTitleRenderer.Release();
    m_oMenuRenderer.Release();
    m_oTitleFont.Release();
    m_oMenuFont.Release();
}

void GameScene::Shutdown()
{
    ReleaseFonts();
    Scene::Shutdown();
}

void GameScene::Update(uint32_t dtMs)
{
    UpdateLayers(dtMs);
    HandleInputs(dtMs);
    m_fSceneTime += static_cast<fx32>((static_cast<uint64_t>(dtMs) << FX32_SHIFT) / 1000);
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        m_apCharacters[i]->Update(dtMs);
    PickUnderCursor();
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        m_apCharacters[i]->UpdateTransform(m_oCamera, m_fScroll);
    UpdateCharacterDepths();
    UpdateScroll(dtMs);
}

void GameScene::HandleInputs(uint32_t /*dtMs*/)
{
    ApplyPointerFlags();
    const InputEventHandler* handler = InputEventHandler::m_pSingleton;
    if (!handler)
        return;
    uint32_t pointer = NO_POINTER;
    if (handler->IsEventActive(InputEventId_PointerMoved, &pointer, nullptr) && pointer != NO_POINTER) {
        m_oCursor.SetPosition(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer));
        m_pHoveredObject = PickObjectAt(m_oCursor.m_vPosition.x, m_oCursor.m_vPosition.y);
        if (m_oCursor.HasVerbMenu()) {
            m_oCursor.ResetVerbPosition();
            m_oCursor.SetMode(CURSOR_POINTER);
        }
    }
    if (handler->IsEventActive(InputEventId_PointerOutside, nullptr, nullptr))
        m_pHoveredObject = nullptr;
    pointer = NO_POINTER;
    if (m_iInputState == INPUT_STATE_IDLE && handler->IsEventActive(InputEventId_PointerPressed, &pointer, nullptr) &&
        pointer != NO_POINTER) {
        if (SceneObject* picked = PickObjectAt(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer))) {
            m_pHoveredObject = picked;
            FireHoveredAction();
        }
    }
}

Tw::TextRenderer* GameScene::CaptionRenderer(int32_t iFont)
{
    switch (iFont) {
    case 0: return GetSceneInterfaceLink().GetMainTextRenderer();
    case 1: return &m_oTitleRenderer;
    case 2: return GetSceneInterfaceLink().GetSmallTextRenderer();
    case 3: return &m_oMenuRenderer;
    default: return nullptr;
    }
}
