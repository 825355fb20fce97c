#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// What the sound manager reads of a character that it gives a sound actor:
// the scene's characters provide it.
class SoundCharacter {
public:
    virtual ~SoundCharacter() = default;

    // The index of the character's sound actor (-1 when it has none), kept
    // in the character.
    virtual int32_t GetSoundActorIndex() const = 0;
    virtual void SetSoundActorIndex(int32_t index) = 0;
    // Whether the character has its actor, and that actor's id.
    virtual bool HasActor() const = 0;
    virtual uint32_t GetActorId() const = 0;
    // The current animation's id (0 when no animation slot is current) and
    // the position in seconds of its track within the track's period.
    virtual int32_t GetCurrentAnimationId() const = 0;
    virtual double GetCurrentAnimationFrame() const = 0;
    // The character's projected horizontal position on the virtual screen
    // (0 at the left edge, 256 at the right).
    virtual fx32 GetScreenX() const = 0;
    // The step-sound set of the scene the character stands in.
    virtual uint32_t GetStepSoundSet() const = 0;
};
