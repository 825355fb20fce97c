#pragma once
#include "3D/Common/WalkMesh.h"
#include "Managers/Common/SoundCharacter.h"
#include "Scene/Common/Attachment.h"
#include "Scene/Common/CharacterAnimations.h"
#include "Scene/Common/CharacterBody.h"
#include "Scene/Common/Locator.h"
#include "Scene/Common/SceneCharacter.h"

#include <cstdint>
#include <memory>

class Character;
struct CoreMatrix;

// The most points a walk may pass on its way besides its destination.
constexpr int32_t MAX_INTERMEDIATE_POINTS = 4;

// What a character walks on and walks among: the scene's walk mesh and its
// characters (this one included), and the one the player steers, which alone
// collides and respects blockers.
struct CharacterSurroundings {
    const WalkMesh* m_pWalkMesh = nullptr;
    const Character* const* m_ppCharacters = nullptr;
    int32_t m_iNumCharacters = 0;
    const Character* m_pSelected = nullptr;
    // The scene's waypoints.
    const Locator* m_pLocators = nullptr;
    int32_t m_iNumLocators = 0;
    // The scene's loaded attachments and their ids.
    Attachment* const* m_ppAttachments = nullptr;
    const uint32_t* m_pAttachmentIds = nullptr;
    int32_t m_iNumAttachments = 0;
    // The scene's step-sound set, which picks the animation sounds.
    uint32_t m_uStepSoundSet = 0;
};

// One 3D person of a scene: where it stands and faces, its walk along a path
// on the walk mesh with the speed ramp, turning, wall sliding, collisions and
// blockers, and its animations by type. All positions are fx32 world
// coordinates (z up), speeds fx32 units per second, angles fx32 radians.
class Character : public SceneCharacter, public SoundCharacter {
public:
    explicit Character(uint32_t uActorId = 0);
    // Gives its sound actor back.
    ~Character() override;
    Character(const Character&) = delete;
    Character& operator=(const Character&) = delete;

    // Gives the character its body from the actor's pack; false when the pack
    // cannot be loaded.
    bool LoadBody(const char* pPath);
    void SetBody(std::unique_ptr<CharacterBody> pBody) { m_pBody = std::move(pBody); }
    // Registers the actor's animation with one of the types (0 for none),
    // found by name among the body's sets.
    void AddAnimation(int32_t iAnimationId, uint32_t uType);

    void SetSurroundings(const CharacterSurroundings* pSurroundings) { m_pSurroundings = pSurroundings; }

    // SceneObject: the per-frame step.
    void Update(uint32_t dtMs) override;
    bool IsVisible() const override { return m_bShown != 0; }

    // SceneCharacter.
    CoreFxVec GetFeetPosition() const override { return m_oAnimations.m_bMoving ? m_vCorrectedPosition : m_vPosition; }
    CoreFxVec GetScreenPosition() const override { return m_vScreenPosition; }
    void UpdateTransform(const Camera& camera, fx32 scroll) override;
    void Render(CoreRenderer& renderer, const Scene& scene) override;
    void SetForceWalk(bool bForceWalk) override { m_bForceWalk = bForceWalk ? 1 : 0; }
    void HeadFor(const CoreFxVec& target) override;
    // The player's click on the ground: a walk without points on the way.
    void MoveToWithPath(const CoreFxVec& target, int32_t /*iMode*/) override { MoveToWithPath(target, 0, nullptr); }

    // Starts a walk to the destination through up to four points on the way;
    // false (nothing changes) when a leg has no route or is too many points.
    bool MoveToWithPath(const CoreFxVec& destination, int32_t iIntermediatePointsNumber, const CoreFxVec* pPoints);
    // Turns toward the direction at the angular speed (0 turns at once).
    void RotateTo(const CoreFxVec& direction, fx32 fAngularSpeed);
    void TurnToAngle(fx32 angle);
    void SetDirection(fx32 angle);
    // The facing angle in 0..2 pi.
    fx32 GetAngle() const;
    void SetPosition(const CoreFxVec& position);

    const CharacterSurroundings* GetSurroundings() const { return m_pSurroundings; }
    // Plays the animation by id; false, with a warning naming it, when the
    // character does not have it (the current one goes on).
    bool SetCurrentAnimation(int32_t iAnimationId, bool bMoving, bool bLoop);
    bool IsAnimationDone() const { return m_oAnimations.IsAnimationDone(m_bShown != 0); }
    // Points the type's slot at the animation; the walk slot also takes the
    // animation's walk and run speeds. False when she has no such animation.
    bool ChangeAnimationType(int32_t iAnimationId, uint32_t uType);
    // Hands the position where a moving animation left the character over.
    void CommitPosition();
    // Stops a walk where the character stands.
    void StopMoving() override;

    // Binds the scene's attachment with that id to the bone; false (with a
    // line) when it is not loaded, already carried by someone, or this
    // character carries four.
    bool AddAttachment(int32_t iBoneId, uint32_t uAttachmentId);
    // Unbinds the attachment with that id; the others stay in order. False
    // when this character does not carry it.
    bool RemoveAttachment(uint32_t uAttachmentId);
    int32_t GetNumAttachments() const { return m_iNumAttachments; }
    const CarriedAttachment& GetAttachment(int32_t i) const { return m_aAttachments[i]; }

    // Turned to the facing and moved to the position.
    void GetWorldMatrix(CoreMatrix& world) const;
    // The rotation about z that turns the figure to its facing.
    void GetFacingMatrix(CoreMatrix& facing) const;
    const CharacterBody* GetBody() const { return m_pBody.get(); }

    // SoundCharacter.
    int32_t GetSoundActorIndex() const override { return m_iSoundActor; }
    void SetSoundActorIndex(int32_t index) override { m_iSoundActor = index; }
    bool HasActor() const override { return m_pScriptable != nullptr; }
    uint32_t GetActorId() const override { return m_uActorId; }
    int32_t GetCurrentAnimationId() const override;
    double GetCurrentAnimationFrame() const override { return m_oAnimations.GetTrack(0).m_fPosition; }
    fx32 GetScreenX() const override { return m_vScreenPosition.x; }
    uint32_t GetStepSoundSet() const override { return m_pSurroundings ? m_pSurroundings->m_uStepSoundSet : 0; }

    CharacterAnimations& GetAnimations() { return m_oAnimations; }
    const CharacterAnimations& GetAnimations() const { return m_oAnimations; }

    CoreFxVec m_vPosition {};
    CoreFxVec m_vPreviousPosition {};
    CoreFxVec m_vLookAhead {};
    CoreFxVec m_vMoveOffset {};
    CoreFxVec m_vCorrectedPosition {};
    fx32 m_iSpeed = 0;
    uint8_t m_bForceWalk = 1;
    uint8_t m_uTriangle = INVALID_TRIANGLE;
    CoreFxVec m_vSlideEdge {};
    CoreFxVec m_vScreenPosition {0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF};
    uint8_t m_bShown = 1;
    uint8_t m_bWalking = 0;
    uint8_t m_bRunning = 0;
    uint8_t m_bRunRequest = 0;
    uint8_t m_bSpeedRequest = 0;
    uint8_t m_bHeld = 0;
    // (sine, cosine) of the facing angle.
    fx32 m_iFacingX = 0;
    fx32 m_iFacingY = -FX32_ONE;
    uint8_t m_bTurning = 0;
    fx32 m_iStartAngle = 0;
    fx32 m_iTargetAngle = 0;
    fx32 m_iTurned = 0;
    fx32 m_iAngularSpeed = 0;
    fx32 m_iWalkSpeed = 145 * FX32_ONE;
    fx32 m_iRunSpeed = 1034977;
    fx32 m_iRadius = 30 * FX32_ONE;
    uint8_t m_bFollowingPath = 0;
    CoreFxVec m_vDestination {};
    CoreFxVec m_avPath[MAX_WALK_PATH_POINTS] {};
    fx32 m_aiLengths[MAX_WALK_PATH_POINTS - 1] {};
    fx32 m_iCovered = 0;
    fx32 m_iRemaining = 0;
    int32_t m_iNumPoints = 0;
    int32_t m_iSegment = 0;
    fx32 m_iBoxHalfWidth = 50 * FX32_ONE;
    fx32 m_iBoxHeight = 200 * FX32_ONE;
    fx32 m_iBoxOffset = 0;
    uint8_t m_bShadow = 1;
    uint8_t m_bCollision = 1;
    // Where a moving animation hands the character over at its end.
    CoreFxVec m_vPendingPosition {};
    CoreFxVec m_vPendingHeading {};
    // The facing a moving animation has given the figure (x, y; z 0), kept
    // while the heading flag is set.
    CoreFxVec m_vAnimationHeading {};
    uint8_t m_bHeading = 0;
    uint8_t m_bPending = 0;
    // The actor commits the pending transform when its animation ends.
    uint8_t m_bCommitAtEnd = 0;

private:
    // The animation's step: its sounds due in it, then the tracks and pose.
    void UpdateAnimation(uint32_t dtMs);
    void UpdateMovement(uint32_t dtMs);
    void UpdateRotation(uint32_t dtMs);
    void AdvanceAlongPath(uint32_t dtMs);
    // The offset of the root bone, turned to the facing, and the heading a
    // moving animation hands over.
    void UpdateRootMotion();
    void ApplyMoveOffset();
    void StartFollowUpAnimation();
    // Starts the table's animation looping; a change of animation takes its
    // settings from the actor script table.
    void StartLooping(int32_t iIndex);
    // Speeds, collision radius and picking box of the actor's animation.
    void TakeScriptInfo(int32_t iAnimationId);
    // An immediate switch of animation puts the character where the last
    // moving animation committed it.
    void ApplyPendingTransform();
    fx32 SelectSpeed(fx32 distance, uint32_t dtMs);
    fx32 ComputeSpeed(fx32 remaining, uint32_t dtMs) const;
    bool StayOnWalkMesh(uint32_t dtMs);
    bool SlideAlong(const CoreFxVec& edge, uint32_t dtMs);
    fx32 ComputeTurnStep(const CoreFxVec& edge, uint32_t dtMs) const;
    // The slide tangent when another character is in the way; false when none.
    bool CheckCollision(CoreFxVec& tangent) const;
    // Shortens the path greedily: from each kept point the later points are
    // tried in order, and the last one walked to in a straight line before
    // the first such walk that crosses a wall edge is kept next.
    void SimplifyPath();
    void ComputePathLengths();
    void SetFacingFromAngle(fx32 angle);
    void RenderShadow(CoreRenderer& renderer, const CoreMatrix& world, const CoreFxVec& light) const;
    const WalkMesh* GetWalkMesh() const { return m_pSurroundings ? m_pSurroundings->m_pWalkMesh : nullptr; }

    const CharacterSurroundings* m_pSurroundings = nullptr;
    CharacterAnimations m_oAnimations;
    uint32_t m_uActorId = 0;
    int32_t m_iSoundActor = -1;
    std::unique_ptr<CharacterBody> m_pBody;
    CarriedAttachment m_aAttachments[CHARACTER_MAX_ATTACHMENTS] {};
    int32_t m_iNumAttachments = 0;
};
