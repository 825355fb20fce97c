#pragma once
#include "Managers/Common/SoundCharacter.h"
#include "Maths/Fx32.h"

#include <cstdint>

constexpr int MAX_SOUND_ACTORS = 6;

// A speaking or stepping character's own effect and voice players.
struct SoundActor {
    SoundCharacter* pCharacter;
    int iEffectPlayer;
    int iUnused1;
    int iDialogPlayer;
    int iUnused2;
    uint8_t bActive;
};

// One row of the animation sound table: the sound played when the actor's
// animation reaches the frame (at 15 frames per second) in a scene of the
// step-sound set (0 = any).
struct AnimSoundRow {
    uint32_t uActorId;
    int32_t iAnimationId;
    uint32_t uStepSoundSet;
    uint32_t uFrame;
    int32_t iSoundId;
    fx32 volume;
};

constexpr int ANIM_SOUND_ROWS = 25;

// The game's one access to sound: the music, ambience and effect players,
// six sound actors, the script and master volumes (4096 = full) mirrored as
// percentages into the game variables, the animation sound table and the
// sound groups. Main thread only.
class SoundManager {
public:
    virtual ~SoundManager();

    static bool Initialize();
    static bool InitializePlatform();
    static void Terminate();
    // Once per frame: pans the sound actors by their characters' places.
    static void Update();

    static void PlayMusic(int32_t iSoundId);
    static void StopMusic();
    static void PlayAmbient(int32_t iSoundId);
    static void StopAmbient();
    static void PlayEffect(int32_t iSoundId);
    static void PlayActorSpeech(int iActorIndex, int32_t iSoundId);
    static void StopActorSpeech(int iActorIndex);
    static void PlayActorEffect(int iActorIndex, int32_t iSoundId, fx32 volume);
    // From a character's animation update, with the time (in seconds) that
    // the current frame step covers.
    static void PlayActorAnimSFXAtFrame(SoundCharacter* pCharacter, double seconds);

    static void SetMusicScriptVolume(fx32 volume);
    static void SetAmbientScriptVolume(fx32 volume);
    static void SetMusicVolume(fx32 volume);
    static void SetAmbientVolume(fx32 volume);
    static void SetEffectsVolume(fx32 volume);
    static void SetSpeechVolume(fx32 volume);

    // Pushes the group's wave banks on the sound engine's group stack.
    static bool LoadGroup(uint32_t uGroupId);

    // A character takes the first free sound actor (-1 when none is free)
    // when it loads, and gives it back when the scene shuts down.
    static int TakeSoundActor(SoundCharacter* pCharacter);
    static void ReleaseSoundActor(SoundCharacter* pCharacter);

    // The pan of a place on the virtual screen: (x - 128) / 128, from -4096
    // at the left edge to 4096 at the right, clamped beyond.
    static fx32 PanOfScreenX(fx32 x);

    static const AnimSoundRow s_aAnimSounds[ANIM_SOUND_ROWS];

    static fx32 m_fxMusicScriptVolume;
    static fx32 m_fxAmbientScriptVolume;
    static fx32 m_fxMasterMusicVolume;
    static fx32 m_fxMasterAmbientVolume;
    static fx32 m_fxMasterEffectsVolume;
    static fx32 m_fxMasterSpeechVolume;
    static int32_t m_iCurrentMusicId;
    static int32_t m_iLastEffectId;
    static int32_t m_iCurrentAmbientId;
    static SoundActor m_vSoundActors[MAX_SOUND_ACTORS];
    static int m_iMusicPlayer;
    static int m_iEffectPlayer;
    static int m_iAmbientPlayer;

private:
    static void UpdateMusicVolume();
    static void UpdateAmbientVolume();
};
