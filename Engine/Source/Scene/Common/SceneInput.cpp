#include "Adventure/Common/Scriptable.h"
#include "Error/EngineAssert.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Input/InputPointer.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneInputLink.h"
#include "Scene/Common/SceneInterfaceLink.h"

namespace {

// Past this hold (0.2 s) a release no longer walks and the character follows
// the pointer instead.
constexpr fx32 HOLD_LIMIT = 0x333;
// 50 units squared: how far the pointer may stray from an open verb menu.
constexpr int64_t VERB_MENU_REACH_SQUARED = 0x9C4000;
constexpr int MAX_EVENT_TYPES = 13;
// What the unknown-state assert reports.
constexpr bool FALSE = false;

// The trigger is active and carries a position.
bool ActiveAt(uint16_t id, uint32_t& pointer)
{
    return InputEventActiveAt(id, pointer) && pointer != INPUT_NO_POINTER;
}

bool HeldOrMovedAt(uint32_t& pointer)
{
    return ActiveAt(InputEventId_PointerHeld, pointer) || ActiveAt(InputEventId_PointerMoved, pointer);
}

fx32 MillisecondsToFx(uint32_t dtMs)
{
    return static_cast<fx32>((static_cast<int64_t>(dtMs) << 12) / 1000);
}

bool Offers(const TwEventType* pTypes, int count, TwEventType type)
{
    for (int i = 0; i < count; ++i)
        if (pTypes[i] == type)
            return true;
    return false;
}

// Whether the object is a hotspot: interactive, with Look, Talk or Activate.
bool IsHotspot(const SceneObject& object)
{
    const Scriptable* owner = object.m_pScriptable;
    if (!owner || !owner->IsInteractive())
        return false;
    TwEventType types[MAX_EVENT_TYPES];
    const int count = owner->GetEventTypes(types, MAX_EVENT_TYPES);
    return Offers(types, count, TwEventType_Look) || Offers(types, count, TwEventType_Talk) ||
           Offers(types, count, TwEventType_Activate);
}

// Whether a click on the object is its own: an exit acts at once and a
// hotspot opens its verbs. Anything else (a walk-in area, a place only items
// are used on) is ground to a click, which walks her there.
bool TakesClicks(const SceneObject& object)
{
    return object.GetDirection() != DIR_NONE || IsHotspot(object);
}

// The point lies more than 50 units from the anchor.
bool BeyondVerbMenuReach(const CoreFxVec2& anchor, fx32 x, fx32 y)
{
    const int64_t dx = static_cast<int64_t>(anchor.x) - x;
    const int64_t dy = static_cast<int64_t>(anchor.y) - y;
    return ((dx * dx) >> 12) + ((dy * dy) >> 12) > VERB_MENU_REACH_SQUARED;
}

void SetModeOnce(SceneCursor& cursor, int32_t iMode)
{
    if (cursor.GetMode() != iMode)
        cursor.SetMode(iMode);
}

} // namespace

void Scene::ApplyPointerFlags()
{
    if (InputEventActive(InputEventId_PointerInside))
        m_oCursor.m_bShown = 1;
    if (InputEventActive(InputEventId_PointerOutside))
        m_oCursor.m_bShown = 0;
}

void Scene::HandleInputs(uint32_t dtMs)
{
    ApplyPointerFlags();
    if (m_iInputState == INPUT_STATE_PAD_POINTER) {
        HandlePadPointerInput();
        return;
    }
    if (GetSceneInterfaceLink().IsBusy()) {
        HandleBusyInput();
        return;
    }
    switch (m_iInputState) {
    case INPUT_STATE_IDLE:
        if (GetSceneInputLink().IsTalkScreenActive())
            PostEvent(SCENE_EVENT_TALK);
        else
            HandleIdleInput(dtMs);
        break;
    case INPUT_STATE_FOLLOW: HandleFollowInput(); break;
    case INPUT_STATE_WALK: HandleWalkInput(); break;
    case INPUT_STATE_MENU: HandleMenuInput(); break;
    case INPUT_STATE_ITEM_DRAG: HandleItemDragInput(); break;
    case INPUT_STATE_POINTER_ONLY: HandlePointerOnlyInput(); break;
    case INPUT_STATE_TALK: {
        uint32_t pointer;
        if (HeldOrMovedAt(pointer))
            m_oCursor.SetPosition(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer));
        if (!GetSceneInputLink().IsTalkScreenActive())
            PostEvent(SCENE_EVENT_TALK_DONE);
        break;
    }
    default: ENGINE_ASSERT_MSG(FALSE, "Unknown state"); break;
    }
}

void Scene::HandleBusyInput()
{
    SceneInputLink& link = GetSceneInputLink();
    const bool dialog = link.IsDialogRunning();
    if ((dialog || link.IsTalkScreenActive()) && m_iInputState != INPUT_STATE_TALK)
        PostEvent(SCENE_EVENT_TALK);
    else if (m_iInputState == INPUT_STATE_TALK)
        PostEvent(SCENE_EVENT_TALK_DONE);
    uint32_t pointer;
    // The pad's stick (72) keeps the pointer where it is.
    if (!InputEventActive(72) &&
        (ActiveAt(InputEventId_PointerMoved, pointer) || ActiveAt(InputEventId_PointerHeld, pointer)))
        m_oCursor.SetPosition(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer));
    SetModeOnce(m_oCursor, dialog && link.DialogOffersChoices() ? CURSOR_POINTER : CURSOR_WAIT);
}

void Scene::HandleIdleInput(uint32_t dtMs)
{
    uint32_t pointer;
    if (HeldOrMovedAt(pointer))
        TrackPointer(pointer);
    else if (!m_bVerbMenuOpen)
        m_pHoveredObject = nullptr;
    HandleIdleButtons(dtMs);
    UpdateCaption();
    if (InputEventActive(InputEventId_OpenMenu)) {
        m_oCursor.ResetVerbPosition();
        m_oCursor.SetMode(CURSOR_POINTER);
        m_bVerbMenuOpen = 0;
        PostEvent(SCENE_EVENT_OPEN_MENU);
    } else if (InputEventActive(InputEventId_HighlightAll)) {
        s_bHighlightAll = !s_bHighlightAll;
    }
}

void Scene::TrackPointer(uint32_t pointer)
{
    const fx32 x = InputPointerVirtualX(pointer);
    const fx32 y = InputPointerVirtualY(pointer);
    m_oCursor.SetPosition(x, y);
    SceneObject* picked = PickObjectAt(x, y);
    if (!m_bVerbMenuOpen) {
        m_pHoveredObject = picked;
        if (!picked)
            SetModeOnce(m_oCursor, CURSOR_POINTER);
        else if (IsHotspot(*picked))
            SetModeOnce(m_oCursor, CURSOR_HOTSPOT);
        return;
    }
    if (BeyondVerbMenuReach(m_oCursor.m_vVerbPosition, x, y)) {
        CloseVerbMenu();
        return;
    }
    const int32_t hit = m_oCursor.HitVerb(x, y);
    for (CursorVerbSlot& slot : m_oCursor.m_aSlots) {
        if (hit != CURSOR_NONE && slot.m_iVerb == hit) {
            slot.m_bAnimating = 1;
        } else {
            slot.m_bAnimating = 0;
            slot.m_uKey = 0;
            slot.m_fTime = 0;
        }
    }
}

void Scene::HandleIdleButtons(uint32_t dtMs)
{
    uint32_t pointer;
    if (m_bVerbMenuOpen) {
        if (!ActiveAt(InputEventId_PointerPressed, pointer))
            return;
        const fx32 x = InputPointerVirtualX(pointer);
        const fx32 y = InputPointerVirtualY(pointer);
        const int32_t verb = m_oCursor.HitVerb(x, y);
        if (verb != CURSOR_NONE) {
            m_oCursor.SetMode(verb);
            PostEvent(SCENE_EVENT_ACTION);
        } else {
            // A click on the object whose menu is open keeps the menu.
            if (PickObjectAt(x, y) == m_pHoveredObject)
                return;
            UpdateCaption();
        }
        CloseVerbMenu();
        return;
    }
    if (ActiveAt(InputEventId_PointerPressed, pointer)) {
        const fx32 x = InputPointerVirtualX(pointer);
        const fx32 y = InputPointerVirtualY(pointer);
        SceneObject* picked = PickObjectAt(x, y);
        // The verbs act on what was pressed: a press in the frame the
        // pointer left another object's menu found that object still hovered.
        if (picked)
            m_pHoveredObject = picked;
        if (picked && picked->GetDirection() != DIR_NONE)
            PostEvent(SCENE_EVENT_ACTION);
        else if (picked && IsHotspot(*picked))
            OpenVerbMenu(*picked, x, y);
    }
    if (!m_bVerbMenuOpen && ActiveAt(InputEventId_PointerReleased, pointer) && m_fHoldTime < HOLD_LIMIT) {
        const fx32 x = InputPointerVirtualX(pointer);
        const fx32 y = InputPointerVirtualY(pointer);
        // A short click on the ground walks there.
        const SceneObject* picked = PickObjectAt(x, y);
        if (!picked || !TakesClicks(*picked)) {
            SetPointerTarget(x, y);
            PostEvent(SCENE_EVENT_WALK);
        }
    }
    if (!m_bVerbMenuOpen && m_iInputState == INPUT_STATE_IDLE && ActiveAt(InputEventId_PointerHeld, pointer)) {
        m_fHoldTime += MillisecondsToFx(dtMs);
        if (m_fHoldTime > HOLD_LIMIT) {
            SetPointerTarget(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer));
            PostEvent(SCENE_EVENT_FOLLOW);
        }
    }
}

void Scene::OpenVerbMenu(SceneObject& object, fx32 x, fx32 y)
{
    TwEventType types[MAX_EVENT_TYPES];
    const int count = object.m_pScriptable ? object.m_pScriptable->GetEventTypes(types, MAX_EVENT_TYPES) : 0;
    int32_t verbs[2] = {CURSOR_NONE, CURSOR_NONE};
    int iIndex = 0;
    const int nbEvents = count;
    if (Offers(types, count, TwEventType_Look))
        verbs[iIndex++] = CURSOR_LOOK;
    if (Offers(types, count, TwEventType_Activate))
        verbs[iIndex++] = CURSOR_ACTIVATE;
    else if (Offers(types, count, TwEventType_Talk))
        verbs[iIndex++] = CURSOR_TALK;
    ENGINE_ASSERT(iIndex == nbEvents);
    m_oCursor.OpenVerbs(verbs[0], verbs[1]);
    const CoreFxVec2 marker = {CoreFx::WrapSub(object.m_oPulse.m_oPosition.x, m_fScroll),
                               object.m_oPulse.m_oPosition.y};
    // On a large hotspot a press far from its marker would leave a menu
    // opened there at once, and the click would be lost: the menu opens
    // where the press landed instead.
    m_oCursor.m_vVerbPosition = BeyondVerbMenuReach(marker, x, y) ? CoreFxVec2 {x, y} : marker;
    m_bVerbMenuOpen = 1;
}

void Scene::CloseVerbMenu()
{
    m_bVerbMenuOpen = 0;
    m_oCursor.ResetVerbPosition();
    m_oCursor.SetMode(CURSOR_POINTER);
}

void Scene::SetPointerTarget(fx32 x, fx32 y)
{
    // The cursor keeps to the same bounds.
    SceneCursor bounds;
    bounds.SetPosition(x, y);
    m_oPointerTarget = bounds.m_vPosition;
}
