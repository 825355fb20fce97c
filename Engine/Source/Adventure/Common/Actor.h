#pragma once
#include "Adventure/Common/Scriptable.h"
#include "Maths/Fx32.h"

#include <cstdint>

class Character;
struct Locator;

// The scriptable behind one character of the game: scripts send it walks,
// turns, animations and visibility changes, and it drives its character and
// tells the runtime when each action is done. The logic actors have no
// character: their character actions are refused with a line.
class Actor : public Scriptable {
public:
    explicit Actor(uint32_t uActorId);

    const char* GetName() const override;
    // Runs a held-back sound when its delay is over, then the action step.
    void Update(uint32_t dt) override;
    void StartAction() override;
    void UpdateAction(uint32_t dt) override;
    int GetEventTypes(TwEventType* pTypes, int iMax) const override;
    void CancelMove() override;

    void SetCharacter(Character* pCharacter) { m_pCharacter = pCharacter; }
    Character* GetCharacter() const { return m_pCharacter; }
    uint32_t GetActorId() const { return m_iActorId; }
    // Runs a held-back action at once; only sounds (action 58) are held.
    void InstantAction(const ActionDesc& oAction);
    const ActionDesc& GetBufferedAction() const { return m_oBufferedAction; }

private:
    // The waypoint of the current scene, or null (invalid index, no scene).
    const Locator* FindWaypoint(int32_t iIndex) const;
    // The actor with a character that a parameter names, or null.
    const Actor* FindOtherActor(int32_t iScriptableId) const;
    // Starts the walk or turn; waits while the character moves.
    void WaitForMovement();
    // Plays the animation; false (the action is over) when there is none to
    // play.
    bool StartAnimationAction(int32_t iAnimationId, bool bLoop, bool bMoving);
    // The animation playing now finishes its cycle before this one starts.
    void HoldUntilCycleEnds(int32_t iAnimationId);
    // Turns toward the other actor (action 7); false when it cannot start.
    bool DoRotateToActor(int32_t iScriptableId, fx32 angularSpeed);
    bool StartCharacterAction(const int32_t* pValues);
    // The actions also sent to the logic actors: dialogs and sounds.
    void StartDialogAction(int32_t iType, uint32_t uKey);
    void StartSoundAction(const int32_t* pValues);
    // Plays the sound on the sound actor of the actor with this one's id.
    void PlaySound(int32_t iSoundId, fx32 volume) const;

    Character* m_pCharacter = nullptr;
    uint32_t m_iActorId;
    // A sound held back for m_uBufferedDelay more milliseconds; type 0 when
    // none.
    ActionDesc m_oBufferedAction = ActionDesc::MakeEmpty();
    uint32_t m_uBufferedDelay = 0;
};
