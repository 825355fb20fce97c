#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Input/InputPointer.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneInputLink.h"

namespace {

// "Use", then "on", around the item's name in the drag caption.
constexpr uint32_t USE_TEXT_ID = 0x1ED665A3u;
constexpr uint32_t ON_TEXT_ID = 0xDA5CF25u;
constexpr size_t USE_CAPTION_SIZE = 116;
// The pad's pointer-hold trigger keeps the pad cursor where it is.
constexpr uint16_t PAD_HOLD = 76;

bool ActiveAt(uint16_t id, uint32_t& pointer)
{
    return InputEventActiveAt(id, pointer) && pointer != INPUT_NO_POINTER;
}

void MoveCursor(SceneCursor& cursor, uint32_t pointer)
{
    cursor.SetPosition(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer));
}

} // namespace

void Scene::HandleFollowInput()
{
    uint32_t pointer;
    if (ActiveAt(InputEventId_PointerHeld, pointer)) {
        MoveCursor(m_oCursor, pointer);
        SetPointerTarget(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer));
    } else {
        PostEvent(SCENE_EVENT_STOP_FOLLOW);
    }
}

void Scene::HandleWalkInput()
{
    // The walk target came from this pointer target at the end of the last
    // frame; a click off the walk mesh found none.
    SceneCharacter* active = GetActiveCharacter();
    if (active && m_bWalkTargetPicked)
        active->MoveToWithPath(m_vWalkTarget, 0);
    m_bWalkTargetPicked = false;
    EnterIdleState();
}

void Scene::HandleMenuInput()
{
    uint32_t pointer;
    if (InputEventActive(InputEventId_OpenMenu) || InputEventActive(15) || InputEventActive(16) ||
        InputEventActive(17)) {
        // The secondary button drops a held item before it closes the menu.
        if (GetSceneInputLink().GetSelectedItem() < 0)
            PostEvent(SCENE_EVENT_CLOSE_MENU);
    } else if (InputEventActive(6)) {
    } else if (ActiveAt(InputEventId_PointerMoved, pointer) || ActiveAt(InputEventId_PointerHeld, pointer)) {
        MoveCursor(m_oCursor, pointer);
        if (m_oCursor.GetMode() != CURSOR_MENU)
            m_oCursor.SetMode(CURSOR_MENU);
    }
}

void Scene::HandleItemDragInput()
{
    SceneInputLink& link = GetSceneInputLink();
    uint32_t pointer;
    if (ActiveAt(InputEventId_DragPointerReleased, pointer)) {
        SceneEventParams params;
        params.m_iX = InputPointerVirtualX(pointer);
        params.m_iY = InputPointerVirtualY(pointer);
        PostEvent(SCENE_EVENT_USE_ITEM, params);
        link.HideCaption();
        return;
    }
    if (!ActiveAt(InputEventId_DragPointerHeld, pointer))
        return;
    MoveCursor(m_oCursor, pointer);
    m_pHoveredObject = PickObjectAt(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer));
    const int32_t item = link.GetSelectedItem();
    if (!m_pHoveredObject || !m_pHoveredObject->m_pScriptable || item < 0) {
        // Off every hotspot the item is used on nothing: no caption may say otherwise.
        link.HideCaption();
        return;
    }
    char caption[USE_CAPTION_SIZE];
    ComposeUseCaption(caption, sizeof(caption), link.GetText(USE_TEXT_ID), link.GetItemName(item),
                      link.GetText(ON_TEXT_ID), GetCaptionText(m_pHoveredObject->m_pScriptable));
    link.SetCaption(caption);
}

void Scene::HandlePointerOnlyInput()
{
    m_pHoveredObject = nullptr;
    uint32_t pointer;
    if (ActiveAt(InputEventId_BoxPointer, pointer)) {
        MoveCursor(m_oCursor, pointer);
        if (m_oCursor.GetMode() != CURSOR_POINTER)
            m_oCursor.SetMode(CURSOR_POINTER);
    }
}

void Scene::HandlePadPointerInput()
{
    uint32_t pointer;
    if (ActiveAt(InputEventId_PointerPressed, pointer))
        MoveCursor(m_oCursor, pointer);
    else if (!InputEventActive(PAD_HOLD) &&
             (ActiveAt(InputEventId_PointerMoved, pointer) || ActiveAt(InputEventId_PointerHeld, pointer)))
        MoveCursor(m_oCursor, pointer);
}
