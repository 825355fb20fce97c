#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// The codes of Scene::PostEvent.
enum SceneEventCode : int32_t {
    SCENE_EVENT_OPEN_MENU = 0,
    SCENE_EVENT_CLOSE_MENU = 1,
    SCENE_EVENT_DRAG_ITEM = 2,
    SCENE_EVENT_USE_ITEM = 3,
    SCENE_EVENT_DROP_ITEM = 4,
    SCENE_EVENT_WALK = 5,
    SCENE_EVENT_FOLLOW = 6,
    SCENE_EVENT_STOP_FOLLOW = 7,
    SCENE_EVENT_ACTION = 8,
    SCENE_EVENT_TALK = 9,
    SCENE_EVENT_TALK_DONE = 10,
    SCENE_EVENT_PAD_POINTER = 11,
    SCENE_EVENT_IDLE = 12,
    SCENE_EVENT_POINTER_ONLY = 13,
    SCENE_EVENT_MENU_STATE = 14,
    SCENE_EVENT_NOT_INTERACTIVE = 15,
};

// What comes with a posted event: a point on the virtual screen (the drop of
// an item) and the in-game menu's tab (-1 for the first).
struct SceneEventParams {
    int32_t m_aUnused[3] = {};
    fx32 m_iX = 0;
    fx32 m_iY = 0;
    int32_t m_iTab = -1;

    static const SceneEventParams DEFAULT;
};
