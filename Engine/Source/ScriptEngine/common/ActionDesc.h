#pragma once
#include "ScriptEngine/common/ScriptParameters.h"

#include <cstdint>

// One numbering of actions shared by every runner: the target of an action
// decides who runs it (none: the script manager; an actor, an entity or any
// scriptable: that object, which hands the types it does not know to the
// scriptable base). A: actor, E: entity, S: any scriptable, M: script manager.
enum ActionType : int32_t {
    ID_ACTION_TYPE_NONE = 0,                    // no current action
    ID_ACTION_TYPE_SET_ACTIVE = 1,              // M: input lock off/on; S: interactive flag (BOOL)
    ID_ACTION_TYPE_WAIT_FOR = 2,                // S: wait until a scriptable is idle (SCRIPTABLE)
    ID_ACTION_TYPE_SELECT_CHARACTER = 3,        // M: select a character (SCRIPTABLE)
    ID_ACTION_TYPE_WALK_TO_ACTOR = 4,           // A: walk to another actor
    ID_ACTION_TYPE_WALK_TO_WAYPOINT = 5,        // A: walk via up to three WAYPOINTs
    ID_ACTION_TYPE_TURN_TO_WAYPOINT = 6,        // A: turn to a WAYPOINT's facing
    ID_ACTION_TYPE_TURN_TO_ACTOR = 7,           // A: turn toward an actor (SCRIPTABLE, INT speed)
    ID_ACTION_TYPE_TURN_TO_ANGLE = 8,           // A: turn to an angle in degrees (INT)
    ID_ACTION_TYPE_PLACE_AT_WAYPOINT = 9,       // A: place at a WAYPOINT (BOOL: take its facing)
    ID_ACTION_TYPE_SET_WALK_ONLY = 10,          // A: never run (BOOL)
    ID_ACTION_TYPE_ANIMATION = 11,              // A: play an animation (INT id, BOOL loop)
    ID_ACTION_TYPE_PLAY_ANIMATION = 12,         // A: play an animation (INT id, BOOL loop, BOOL commit)
    ID_ACTION_TYPE_ANIMATION_HOLD = 13,         // A: play and hold the last frame (INT id, BOOL loop)
    ID_ACTION_TYPE_PAUSE_ANIMATION = 14,        // E: pause the sprite animation (BOOL)
    ID_ACTION_TYPE_CHANGE_ANIMATION_TYPE = 15,  // A: switch the animation set type (INT, INT)
    ID_ACTION_TYPE_ADD_ITEM = 16,               // A: give an item (ITEM, INT amount)
    ID_ACTION_TYPE_REMOVE_ITEM = 17,            // A: take an item (ITEM)
    ID_ACTION_TYPE_SHOW_MENU = 18,              // M: show the in-game menu page (INT, -1 closes)
    ID_ACTION_TYPE_SET_CAST_SHADOW = 19,        // A: shadow on/off (BOOL)
    ID_ACTION_TYPE_SET_VISIBLE = 20,            // A, E: show or hide (BOOL)
    ID_ACTION_TYPE_SET_BLOCKER = 21,            // S: walk-mesh blocker on/off (INT, BOOL)
    ID_ACTION_TYPE_SET_WALK_PAUSED = 22,        // A: pause a walk (BOOL)
    ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION = 23,  // E: sprite animation by name (HASH)
    ID_ACTION_TYPE_SET_COLOR = 24,              // E: colour of every sprite (UINT)
    ID_ACTION_TYPE_SET_ALPHA = 25,              // E: alpha of every sprite (INT 0..255)
    ID_ACTION_TYPE_WAIT = 26,                   // S: stay busy for milliseconds (INT)
    ID_ACTION_TYPE_GO_TO_SCENE = 27,            // M: change scene (INT scene id)
    ID_ACTION_TYPE_START_DIALOG = 28,           // A: dialog of the scene's group (INT key)
    ID_ACTION_TYPE_START_COMMON_DIALOG = 29,    // A: dialog of the common group (INT key)
    ID_ACTION_TYPE_START_MINIGAME = 30,         // M: INT mini-game id
    ID_ACTION_TYPE_PLAY_MOVIE = 31,             // M: INT movie id
    ID_ACTION_TYPE_DISPATCH = 32,               // M: queue the dispatch state
    ID_ACTION_TYPE_SET_VARIABLE = 33,           // M: INT variable, INT or BOOL value
    ID_ACTION_TYPE_ADD_TO_VARIABLE = 34,        // M: INT variable, INT amount
    ID_ACTION_TYPE_SUBTRACT_FROM_VARIABLE = 35, // M: INT variable, INT amount
    ID_ACTION_TYPE_SET_PLAYING_CHARACTER = 36,  // M: SCRIPTABLE
    ID_ACTION_TYPE_RANDOM_VARIABLE = 37,        // M: INT variable, INT minimum, INT maximum
    ID_ACTION_TYPE_SET_PICKING_BOX = 38,        // A: INT height, INT half width, INT bottom
    ID_ACTION_TYPE_START_EFFECT = 39,           // S: INT kind (1 fade in, 2 fade out, 3 blink), INT ms
    ID_ACTION_TYPE_STOP_EFFECT = 40,            // S: stop the first running scriptable effect
    ID_ACTION_TYPE_SET_GAME_LANGUAGE = 41,      // M: INT language
    ID_ACTION_TYPE_SET_VOICE_LANGUAGE = 42,     // M: INT language
    ID_ACTION_TYPE_QUIT = 43,                   // M: quit the game
    ID_ACTION_TYPE_NO_EFFECT_44 = 44,           // nobody runs it
    ID_ACTION_TYPE_NO_EFFECT_45 = 45,           // nobody runs it
    ID_ACTION_TYPE_MUSIC_SCRIPT_VOLUME = 46,    // M: INT volume
    ID_ACTION_TYPE_AMBIENT_SCRIPT_VOLUME = 47,  // M: INT volume
    ID_ACTION_TYPE_MASTER_MUSIC_VOLUME = 48,    // M: INT volume
    ID_ACTION_TYPE_MASTER_AMBIENT_VOLUME = 49,  // M: INT volume
    ID_ACTION_TYPE_MASTER_EFFECTS_VOLUME = 50,  // M: INT volume
    ID_ACTION_TYPE_MASTER_SPEECH_VOLUME = 51,   // M: INT volume
    ID_ACTION_TYPE_PLAY_SOUND_EFFECT = 52,      // M: SOUND
    ID_ACTION_TYPE_STOP_SOUND_EFFECT = 53,      // M
    ID_ACTION_TYPE_PLAY_MUSIC = 54,             // M: SOUND
    ID_ACTION_TYPE_STOP_MUSIC = 55,             // M
    ID_ACTION_TYPE_PLAY_AMBIENT = 56,           // M: SOUND
    ID_ACTION_TYPE_STOP_AMBIENT = 57,           // M
    ID_ACTION_TYPE_PLAY_ACTOR_SOUND = 58,       // A: SOUND, INT delay in ms, UINT
    ID_ACTION_TYPE_SCENE_DIRECTION = 59,        // M: INT direction
    ID_ACTION_TYPE_FADE_SPRITES = 60,           // E: INT ms, BOOL fade in
    ID_ACTION_TYPE_ADD_ATTACHMENT = 61,         // A: INT attachment, INT bone
    ID_ACTION_TYPE_REMOVE_ATTACHMENT = 62,      // A: INT attachment
    ID_ACTION_TYPE_SCENE_FADE_IN = 63,          // M: INT ms
    ID_ACTION_TYPE_SCENE_FADE_OUT = 64,         // M: INT ms
    ID_ACTION_TYPE_SECOND_FADE_IN = 65,         // M: INT ms
    ID_ACTION_TYPE_SECOND_FADE_OUT = 66,        // M: INT ms
    ID_ACTION_TYPE_LOAD_SAVE_FILE = 67,         // M
    ID_ACTION_TYPE_SAVE_CURRENT_SLOT = 68,      // M
    ID_ACTION_TYPE_START_CURRENT_SLOT = 69,     // M
    ID_ACTION_TYPE_CLEAR_CURRENT_SLOT = 70,     // M
    ID_ACTION_TYPE_COPY_CURRENT_SLOT = 71,      // M
    ID_ACTION_TYPE_IS_SLOT_EMPTY = 72,          // M: INT bool variable
};

constexpr int32_t ID_ACTION_TYPE_FIRST = ID_ACTION_TYPE_SET_ACTIVE;
constexpr int32_t ID_ACTION_TYPE_LAST = ID_ACTION_TYPE_IS_SLOT_EMPTY;
constexpr int ACTION_PARAMETERS_MAX = 3;

// What a script wants done, as a plain 32-byte record of eight 32-bit words:
// the type, the target scriptable (ID_SCRIPTABLE_INVALID: the script manager
// runs it) and up to three typed parameters, unused words 0.
struct ActionDesc {
    int32_t m_iActionType;
    int32_t m_iTargetId;
    int32_t m_iParameterType[ACTION_PARAMETERS_MAX];
    int32_t m_oParameter[ACTION_PARAMETERS_MAX];

    // No action, no target, no parameters.
    static constexpr ActionDesc MakeEmpty() { return ActionDesc {ID_ACTION_TYPE_NONE, ID_SCRIPTABLE_INVALID, {}, {}}; }
};

static_assert(sizeof(ActionDesc) == 32, "actions are 32-byte records");
