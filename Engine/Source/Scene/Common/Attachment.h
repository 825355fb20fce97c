#pragma once
#include "Scene/Common/CharacterBody.h"
#include "Scene/Common/SceneObject.h"

#include <cstdint>

// The most attachments one character carries.
constexpr int32_t CHARACTER_MAX_ATTACHMENTS = 4;

// The name of the bone with that id ("root", "Bip01", "Bip01_L_Hand", ...),
// null outside 0..6.
const char* GetBoneName(int32_t iBoneId);

// A small rigid object of a scene that a character carries on one of its
// bones while it is bound; a scene loads it, an actor binds it.
class Attachment : public SceneObject {
public:
    bool IsBound() const { return m_bBound != 0; }

    uint8_t m_bBound = 0;
    // Its rigid mesh from its pack.
    CharacterBody m_oBody;
};

// One carried attachment and the bone it follows.
struct CarriedAttachment {
    Attachment* m_pAttachment;
    int32_t m_iBoneId;
};
