#include "Input/Common/DefaultInputTriggers.h"

#include "Input/Common/InputEventIds.h"
#include "Input/KeyCodes.h"
#include "Input/PadState.h"

namespace {

constexpr uint16_t SECONDARY_BUTTON = 1;
constexpr uint16_t PRIMARY_BUTTON = 0;

} // namespace

InputEventTrigger g_aoDefaultInputTriggers[INPUT_DEFAULT_TRIGGER_COUNT] = {
    /*  0 */ {InputEventId_PointerPressed, InputTriggerType_PointerPressed},
    /*  1 */ {InputEventId_PointerReleased, InputTriggerType_PointerReleased},
    /*  2 */ {InputEventId_PointerMoved, InputTriggerType_PointerUp},
    /*  3 */ {InputEventId_PointerHeld, InputTriggerType_PointerHeld},
    /*  4 */ {InputEventId_PointerInside, InputTriggerType_PointerInside},
    /*  5 */ {InputEventId_PointerOutside, InputTriggerType_PointerOutside},
    /*  6 */ {InputEventId_MenuPointerPressed, InputTriggerType_PointerPressed},
    /*  7 */ {InputEventId_MenuPointerHeld, InputTriggerType_PointerHeld},
    /*  8 */ {InputEventId_MenuPointerReleased, InputTriggerType_PointerReleased},
    /*  9 */ {InputEventId_InventoryNextPage, InputTriggerType_Unbound},
    /* 10 */ {InputEventId_InventoryPreviousPage, InputTriggerType_Unbound},
    /* 11 */ {InputEventId_QuestPageUp, InputTriggerType_Unbound},
    /* 12 */ {InputEventId_QuestPageDown, InputTriggerType_Unbound},
    /* 13 */ {InputEventId_BoxPointerPressed, InputTriggerType_PointerPressed},
    /* 14 */ {InputEventId_BoxPointer, InputTriggerType_Pointer},
    /* 15 */ {InputEventId_DragPointerHeld, InputTriggerType_PointerHeld},
    /* 16 */ {InputEventId_DragPointerReleased, InputTriggerType_PointerReleased},
    /* 17 */ {InputEventId_Home, InputTriggerType_KeyPressed, Platform::KEY_HOME},
    /* 18 */ {InputEventId_Reserved19, InputTriggerType_Unbound},
    /* 19 */ {InputEventId_Reserved18, InputTriggerType_Unbound},
    /* 20 */ {InputEventId_Reserved1A, InputTriggerType_Unbound},
    /* 21 */ {InputEventId_HighlightAll, InputTriggerType_KeyPressed, Platform::KEY_SPACE},
    /* 22 */ {InputEventId_OpenMenu, InputTriggerType_MouseButtonPressed, SECONDARY_BUTTON},
    /* 23 */ {InputEventId_Quit, InputTriggerType_KeyPressed, Platform::KEY_ESCAPE},
    /* 24 */ {InputEventId_NextTab, InputTriggerType_Unbound},
    /* 25 */ {InputEventId_PreviousTab, InputTriggerType_Unbound},
    /* 26 */ {InputEventId_TalkUp, InputTriggerType_Unbound},
    /* 27 */ {InputEventId_TalkDown, InputTriggerType_Unbound},
    /* 28 */ {InputEventId_Reserved17, InputTriggerType_Unbound},
    /* 29 */ {InputEventId_GameSkip, InputTriggerType_MouseButtonPressed, PRIMARY_BUTTON},
    /* 30 */ {InputEventId_GameSecondaryPressed, InputTriggerType_MouseButtonPressed, SECONDARY_BUTTON},
    /* 31 */ {InputEventId_None, InputTriggerType_PadPressed, Platform::XINPUT_GAMEPAD_X},
    /* 32 */ {InputEventId_None, InputTriggerType_PadPressed, Platform::XINPUT_GAMEPAD_Y},
    /* 33 */ {InputEventId_GameRightHeld, InputTriggerType_KeyHeld, Platform::KEY_RIGHT},
    /* 34 */ {InputEventId_GameLeftHeld, InputTriggerType_KeyHeld, Platform::KEY_LEFT},
    /* 35 */ {InputEventId_GameUpHeld, InputTriggerType_KeyHeld, Platform::KEY_UP},
    /* 36 */ {InputEventId_GameDownHeld, InputTriggerType_KeyHeld, Platform::KEY_DOWN},
    /* 37 */ {InputEventId_GameRightPressed, InputTriggerType_KeyPressed, Platform::KEY_RIGHT},
    /* 38 */ {InputEventId_GameLeftPressed, InputTriggerType_KeyPressed, Platform::KEY_LEFT},
    /* 39 */ {InputEventId_GamePointerPressed, InputTriggerType_PointerPressed},
    /* 40 */ {InputEventId_GamePointerHeld, InputTriggerType_PointerHeld},
    /* 41 */ {InputEventId_GamePointerReleased, InputTriggerType_PointerReleased},
    /* 42 */ {InputEventId_GameCtrlPressed, InputTriggerType_KeyPressed, Platform::KEY_LEFTCONTROL},
    /* 43 */ {InputEventId_GameCtrlHeld, InputTriggerType_KeyHeld, Platform::KEY_LEFTCONTROL},
    /* 44 */ {InputEventId_GameCtrlReleased, InputTriggerType_KeyReleased, Platform::KEY_LEFTCONTROL},
    /* 45 */ {InputEventId_GameAltPressed, InputTriggerType_KeyPressed, Platform::KEY_LEFTALT},
    /* 46 */ {InputEventId_GameAltHeld, InputTriggerType_KeyHeld, Platform::KEY_LEFTALT},
    /* 47 */ {InputEventId_GameAltReleased, InputTriggerType_KeyReleased, Platform::KEY_LEFTALT},
    /* 48 */ {InputEventId_GamePause, InputTriggerType_KeyPressed, Platform::KEY_ESCAPE},
    /* 49 */ {InputEventId_GamePointerUp, InputTriggerType_PointerUp},
    /* 50 */ {InputEventId_GamePointerDown, InputTriggerType_PointerHeld},
    /* 51 */ {InputEventId_Reserved43, InputTriggerType_Unbound},
    /* 52 */ {InputEventId_Reserved47, InputTriggerType_Unbound},
};
