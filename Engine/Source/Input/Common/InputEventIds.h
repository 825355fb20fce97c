#pragma once
#include <cstdint>

// The input events that game code asks for. Pointer events carry the pointer
// in their value (see Input/InputPointer.h). Ids marked "no binding" have no
// default trigger, or only an unbound one, and never fire with the default
// bindings; they keep their meaning for the code that enables them.
enum InputEventId : uint16_t {
    InputEventId_PointerPressed = 0x00,  // primary button pressed (the select click)
    InputEventId_PointerReleased = 0x01, // primary button released
    InputEventId_PointerHeld = 0x02,     // pointer with the primary button held
    InputEventId_PointerMoved = 0x03,    // pointer with the primary button up
    InputEventId_HighlightAll = 0x05,    // Space: toggle the highlight of all hotspots
    InputEventId_MenuPointerPressed = 0x07,
    InputEventId_MenuPointerHeld = 0x08,
    InputEventId_MenuPointerReleased = 0x09,
    InputEventId_BoxPointerPressed = 0x0A, // the options tab's modal box
    InputEventId_BoxPointer = 0x0B,
    InputEventId_DragPointerHeld = 0x0C, // an inventory item carried on the pointer
    InputEventId_DragPointerReleased = 0x0D,
    InputEventId_OpenMenu = 0x0E,              // secondary button
    InputEventId_Quit = 0x12,                  // Esc: opens and closes the quit box
    InputEventId_NextTab = 0x13,               // no binding
    InputEventId_PreviousTab = 0x14,           // no binding
    InputEventId_TalkUp = 0x15,                // no binding
    InputEventId_TalkDown = 0x16,              // no binding
    InputEventId_Reserved17 = 0x17,            // no binding
    InputEventId_Reserved18 = 0x18,            // no binding
    InputEventId_Reserved19 = 0x19,            // no binding
    InputEventId_Reserved1A = 0x1A,            // no binding
    InputEventId_Home = 0x1B,                  // Home key
    InputEventId_InventoryNextPage = 0x1C,     // no binding
    InputEventId_InventoryPreviousPage = 0x1D, // no binding
    InputEventId_QuestPageUp = 0x1E,           // no binding
    InputEventId_QuestPageDown = 0x1F,         // no binding
    InputEventId_PointerInside = 0x20,
    InputEventId_PointerOutside = 0x21,

    // The mini-game controls, switched together by InputSystem::EnableGameEvents.
    InputEventId_GameAction1 = 0x2B, // no binding
    InputEventId_GameAction2 = 0x2C, // no binding
    InputEventId_GameSkip = 0x2D,    // primary button pressed
    InputEventId_GameSecondaryPressed = 0x2E,
    InputEventId_GamePointerPressed = 0x2F,
    InputEventId_GamePointerHeld = 0x30,
    InputEventId_GamePointerReleased = 0x31,
    InputEventId_GameCtrlPressed = 0x32,
    InputEventId_GameCtrlHeld = 0x33,
    InputEventId_GameCtrlReleased = 0x34,
    InputEventId_GameAltPressed = 0x35,
    InputEventId_GameAltHeld = 0x36,
    InputEventId_GameAltReleased = 0x37,
    InputEventId_GameRightHeld = 0x38,
    InputEventId_GameLeftHeld = 0x39,
    InputEventId_GameUpHeld = 0x3A,
    InputEventId_GameDownHeld = 0x3B,
    InputEventId_GameRightPressed = 0x3C,
    InputEventId_GameLeftPressed = 0x3D,
    InputEventId_GamePointerUp = 0x3E,   // pointer with the primary button up
    InputEventId_GamePointerDown = 0x3F, // pointer with the primary button held
    InputEventId_GameReserved40 = 0x40,  // no binding
    InputEventId_GameReserved41 = 0x41,  // no binding
    InputEventId_GamePause = 0x42,       // Esc during a mini-game
    InputEventId_GameAxisX = 0x46,       // no binding: a 20.12 horizontal axis
    InputEventId_GameConfirm = 0x54,     // no binding: confirm at the pointer
    InputEventId_GameReserved55 = 0x55,  // no binding

    // The scene cursor, which a pad moves over the in-game menu's targets.
    InputEventId_CursorHover = 0x4F,  // no binding: hover at the scene cursor
    InputEventId_CursorMove = 0x50,   // no binding: a direction, two signed 16-bit values
    InputEventId_CursorSelect = 0x51, // no binding: select at the scene cursor

    InputEventId_Reserved43 = 0x43, // no binding
    InputEventId_Reserved47 = 0x47, // no binding

    InputEventId_None = 0xFFFF, // a trigger that no code asks for
};
