#pragma once
#include <cstdint>

constexpr int32_t MAX_ANIMATIONS = 48;
constexpr int32_t NUM_ANIMATION_TYPES = 11;
constexpr uint32_t ANIMATION_TYPE_STANDARD = 0;
constexpr uint32_t ANIMATION_TYPE_WALK = 1;
constexpr uint32_t ANIMATION_TYPE_IDLE = 2;
constexpr uint32_t ANIMATION_TYPE_RUN = 3;
// How long a walk, idle or run animation fades into another one.
constexpr uint32_t ANIMATION_FADE_MS = 200;

// A character's animations: the table of up to 48 (animation id, mesh set,
// cycle length), the 11 type slots that name the walk, idle and run ones,
// and the two tracks that play them: track 0 the current animation, track 1
// the previous one while it fades out or plays to its end.
class CharacterAnimations {
public:
    struct Entry {
        int32_t m_iId = -1;
        // The mesh's animation set; -1 when the mesh has none of that name.
        int32_t m_iSet = -1;
        float m_fPeriod = 0.0f;
    };
    struct Track {
        int32_t m_iEntry = -1;
        float m_fPosition = 0.0f;
        float m_fWeight = 0.0f;
        bool m_bOn = false;
    };

    // Appends the animation; a type 1..10 points its slot at it. False when
    // the table is full.
    bool AddAnimation(int32_t iId, int32_t iSet, float fPeriod, uint32_t uType);
    // The first entry with the id, or -1.
    int32_t FindAnimation(int32_t iId) const;
    int32_t GetSlot(uint32_t uType) const { return uType < NUM_ANIMATION_TYPES ? m_aiSlots[uType] : -1; }
    // Points the type's slot at the first entry with the id; false when none.
    bool ChangeAnimationType(int32_t iId, uint32_t iTypeId);
    // Switches to the entry: at once, by a 200 ms cross-fade between walk,
    // idle and run, or after the old one's cycle when wait-first is set.
    // Starting the current one changes nothing.
    void SetCurrentAnimationFromIndex(int32_t iNewAnimation, bool bLoop, bool bMoving);
    void Update(uint32_t dtMs);
    bool IsAnimationDone(bool bShown) const;
    int32_t GetCurrentIndex() const { return m_iCurrent; }
    int32_t GetPreviousIndex() const { return m_iPrevious; }
    const Entry& GetEntry(int32_t iIndex) const { return m_aEntries[iIndex]; }
    int32_t GetNumAnimations() const { return m_iNumAnimations; }
    const Track& GetTrack(int32_t iTrack) const { return m_aTracks[iTrack]; }

    uint8_t m_bDone = 1;
    uint8_t m_bLoop = 1;
    uint8_t m_bKeep = 0;
    uint8_t m_bWaitFirst = 0;
    uint8_t m_bMoving = 0;
    // An immediate switch hands the moving animation's end over.
    uint8_t m_bTransformHandedOver = 0;

private:
    bool IsLocomotion(int32_t iIndex) const;

    Entry m_aEntries[MAX_ANIMATIONS];
    int32_t m_iNumAnimations = 0;
    int32_t m_aiSlots[NUM_ANIMATION_TYPES] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int32_t m_iCurrent = -1;
    int32_t m_iPrevious = -1;
    uint32_t m_uFadeClock = 0;
    uint8_t m_bBlend = 0;
    uint8_t m_bWaiting = 0;
    Track m_aTracks[2];
};
