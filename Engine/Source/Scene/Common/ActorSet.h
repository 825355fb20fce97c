#pragma once
#include "Scene/Common/Region.h"

#include <cstdint>
#include <memory>

class SerialStream;

// The most attachments an actor set loads.
constexpr int32_t MAX_ACTOR_SET_ATTACHMENTS = 16;

// One animation choice of a character: its animation type (0 standard, 1
// walk, 2 idle, 3 run, ...) and the animation's name.
struct ActorSetAnimation {
    uint32_t m_uType = 0;
    const char* m_pName = nullptr;
};

// One cast of a scene: the characters that stand in it, the animation each
// uses for each animation type, and the attachments loaded with them. Its
// texts point into the loaded scene description, which outlives the set.
class ActorSet {
public:
    // Reads one actor-set record. False, after a line naming the file, when
    // the record is cut short or holds more characters or attachments than a
    // set has room for.
    bool Initialize(SerialStream& stream);

    const char* m_pName = nullptr;
    int32_t m_iNumCharacterNames = 0;
    const char* m_apCharacterNames[MAX_ACTORS] = {};
    int32_t m_aNumAnimations[MAX_ACTORS] = {};
    // Null for a character without animation choices.
    std::unique_ptr<ActorSetAnimation[]> m_apAnimations[MAX_ACTORS];
    int32_t m_iNumAttachments = 0;
    const char* m_apAttachmentNames[MAX_ACTOR_SET_ATTACHMENTS] = {};
};
