#include "Adventure/Common/Scriptable.h"
#include "Common/GameLink.h"
#include "Common/ItemIds.h"
#include "Common/SceneIds.h"
#include "Log/CoreLog.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneEventSink.h"
#include "Scene/Common/SceneInputLink.h"

#include <cstring>

const SceneEventParams SceneEventParams::DEFAULT {};

namespace {

// Object names come from 16-byte fields that need not end in a terminator,
// so the log reads no more than that.
constexpr const char* USE_ITEM_LINE = "UseItem \"%s\" on \"%.*s:%.16s[%d]\" [executed:%d]\n";

// The scene's name from the scene table, or the 16 bytes of its description.
struct LoggedSceneName {
    int length;
    const char* text;
};

LoggedSceneName SceneNameOf(const Scene& scene)
{
    const SceneDesc* row = Id::GetSceneDesc(scene.m_iId);
    if (row && row->m_pName)
        return {static_cast<int>(std::strlen(row->m_pName)), row->m_pName};
    return {static_cast<int>(SCENE_OBJECT_NAME_SIZE), scene.m_sName};
}

} // namespace

void Scene::PostEvent(int32_t iCode, const SceneEventParams& params)
{
    switch (iCode) {
    case SCENE_EVENT_OPEN_MENU:
        m_bVerbMenuOpen = 0;
        m_oCursor.ResetVerbPosition();
        EnterState(INPUT_STATE_MENU);
        GetSceneInputLink().SetMenuTab(params.m_iTab == -1 ? 0 : params.m_iTab);
        m_oCursor.SetMode(CURSOR_MENU);
        break;
    case SCENE_EVENT_DRAG_ITEM: EnterState(INPUT_STATE_ITEM_DRAG); break;
    case SCENE_EVENT_USE_ITEM: UseItemAt(params); break;
    case SCENE_EVENT_DROP_ITEM:
        GetSceneInputLink().ClearItemSelection();
        EnterIdleState();
        break;
    case SCENE_EVENT_WALK:
        if (m_bIs3D)
            EnterState(INPUT_STATE_WALK);
        break;
    case SCENE_EVENT_FOLLOW:
        if (m_bIs3D)
            EnterState(INPUT_STATE_FOLLOW);
        break;
    case SCENE_EVENT_STOP_FOLLOW:
        if (!m_bIs3D)
            break;
        EnterIdleState();
        if (SceneCharacter* active = GetActiveCharacter())
            active->StopMoving();
        break;
    case SCENE_EVENT_ACTION:
        FireHoveredAction();
        UpdateCaption();
        break;
    case SCENE_EVENT_TALK: EnterState(INPUT_STATE_TALK); break;
    case SCENE_EVENT_PAD_POINTER: EnterState(INPUT_STATE_PAD_POINTER); break;
    case SCENE_EVENT_POINTER_ONLY: EnterState(INPUT_STATE_POINTER_ONLY); break;
    case SCENE_EVENT_MENU_STATE: EnterState(INPUT_STATE_MENU); break;
    case SCENE_EVENT_CLOSE_MENU:
    case SCENE_EVENT_TALK_DONE:
    case SCENE_EVENT_IDLE:
    case SCENE_EVENT_NOT_INTERACTIVE: EnterIdleState(); break;
    default: break;
    }
}

void Scene::UseItemAt(const SceneEventParams& params)
{
    SceneInputLink& link = GetSceneInputLink();
    const SceneObject* picked = PickObjectAt(params.m_iX, params.m_iY);
    Scriptable* target = picked ? picked->m_pScriptable : nullptr;
    if (target) {
        // The event names the item, not the cell that holds it.
        const uint32_t item = link.GetItemId(link.GetSelectedItem());
        EventDesc event;
        BuildEvent(&event, TwEventType_UseItem, 2, ID_PARAMETER_TYPE_SCRIPTABLE, target->GetId(),
                   ID_PARAMETER_TYPE_ITEM, static_cast<int32_t>(item));
        const bool executed = GetSceneEventSink().FireEvent(event);
        const char* itemName = Id::GetItemName(item);
        CorePrint(&g_oCoreLog, "GAME[%s]:", GetGameLink().GetClockString());
        const LoggedSceneName scene = SceneNameOf(*this);
        CorePrint(&g_oCoreLog, USE_ITEM_LINE, itemName ? itemName : "", scene.length, scene.text, target->GetName(),
                  target->GetId(), executed ? 1 : 0);
    }
    link.ClearItemSelection();
    EnterIdleState();
}
