#pragma once
#include "ScriptEngine/common/ScriptParameters.h"

#include <cstdint>

struct SceneDesc;

// What the player or the world did. The names in the comments are the debug
// texts of the types.
enum TwEventType : int32_t {
    InvalidTwEventType = -1,          // an empty record
    TwEventType_Activate = 0,         // "Activate": scriptable
    TwEventType_Look = 1,             // "Look": scriptable
    TwEventType_Talk = 2,             // "Talk": exactly one scriptable
    TwEventType_UseItem = 3,          // "UseItem": scriptable, item
    TwEventType_Touch = 4,            // "Touch": region scriptable, character scriptable
    TwEventType_UnTouch = 5,          // "UnTouch": region scriptable, character scriptable
    TwEventType_Combine = 6,          // "Combine": item, item
    TwEventType_Map = 7,              // "Map": index of a map location
    TwEventType_Init = 8,             // "Init": scene start, no parameters
    TwEventType_Dialog_CB = 9,        // "Dialog_CB": callback number of a dialog node
    TwEventType_Dialog_AutoTest = 10, // "Dialog_AutoTest": a recorded dialog choice
    TwEventType_BadInteract = 11,     // "BadInteract": no parameters
    TwEventType_System = 12,          // "System": an integer may be given
};

constexpr int32_t NB_TW_EVENT_TYPES = 13;
constexpr int EVENT_PARAMETERS_MAX = 3;

// An event as a plain 32-byte record of eight 32-bit words, copied by value
// into the pending-event slot, the walk context and the script tree's nodes.
// Unused parameter words are 0.
struct EventDesc {
    TwEventType m_eType;
    int32_t m_iNbParameter;
    int32_t m_iParameterType[EVENT_PARAMETERS_MAX];
    int32_t m_oParameter[EVENT_PARAMETERS_MAX];

    // An empty record: type -1, no parameters.
    static constexpr EventDesc MakeEmpty() { return EventDesc {InvalidTwEventType, 0, {}, {}}; }
    bool IsEmpty() const { return m_eType == InvalidTwEventType; }

    // Whether the event matches the pattern (a node of the script tree). The
    // roles are not symmetric: a pattern without parameters matches every
    // event of its type, and a use of an item matches a pattern on the same
    // scriptable when the event names no item or the pattern's item.
    static bool MatchEvent(const EventDesc& oPattern, const EventDesc& oEvent);
    // The debug name of an event type, "Unknown" for values outside the table.
    static const char* GetTypeName(int32_t iType);
    // A debug text such as "Look(Entity[3](bg101::door),)". Entities are named
    // from the scene's row when one is given. The text lives in one static
    // buffer that the next call overwrites.
    static const char* ToString(const SceneDesc* pScene, const EventDesc& oEvent);
};

static_assert(sizeof(EventDesc) == 32, "events are 32-byte records");

// Fills an event from `count` pairs of (parameter type, value) and returns
// `out`. A boolean keeps only whether it is non-zero. A parameter type that an
// event cannot carry (0, a waypoint, above 9) is reported and stored with the
// value 0; pairs beyond three are reported and left out.
EventDesc* BuildEvent(EventDesc* out, int type, int count, ...);
