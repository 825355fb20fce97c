// The character as the sound manager sees it: its sound actor and the
// sounds its animations make.
#include "Managers/Common/SoundManager.h"
#include "Scene/Common/Character.h"

Character::~Character()
{
    if (m_iSoundActor >= 0)
        SoundManager::ReleaseSoundActor(this);
}

int32_t Character::GetCurrentAnimationId() const
{
    const int32_t current = m_oAnimations.GetCurrentIndex();
    return current >= 0 ? m_oAnimations.GetEntry(current).m_iId : 0;
}

void Character::UpdateAnimation(uint32_t dtMs)
{
    // A hidden character's animation waits where it is.
    if (!m_bShown)
        return;
    // Sounds are tied to one animation's frames: none while two blend.
    if (m_iSoundActor >= 0 && HasActor() && m_oAnimations.GetCurrentIndex() >= 0 &&
        m_oAnimations.GetPreviousIndex() < 0)
        SoundManager::PlayActorAnimSFXAtFrame(this, static_cast<double>(dtMs) / 1000.0);
    m_oAnimations.Update(dtMs);
    if (m_pBody)
        m_pBody->Pose(m_oAnimations);
}
