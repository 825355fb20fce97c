#pragma once
#include <cstdint>

struct EventDesc;

namespace Tw {
class TextRenderer;
}

// What the talk screen reaches outside the dialogs: the text renderer it
// prints with, whether the game is busy, the speakers' voices and the
// recorded answers of auto-test playback. The game states, the script manager
// and the scene provide them; tests install their own.
class TalkScreenServices {
public:
    virtual ~TalkScreenServices() = default;

    // The main-font text renderer of the current game state; null while
    // there is none (nothing is printed).
    virtual Tw::TextRenderer* GetTextRenderer() = 0;
    // An event is running, a scene change is pending, the scene-transition
    // fade runs or a game state is queued.
    virtual bool IsGameBusy() = 0;
    // The sound actor that carries the speaker's voice: the one its actor's
    // character keeps, 0 when the speaker has no actor or no character.
    virtual int GetSpeakerSoundActor(uint32_t uActorId) = 0;
    virtual void PlaySpeech(int iSoundActor, int32_t iSoundId) = 0;
    virtual void StopSpeech(int iSoundActor) = 0;
    // The next recorded event of auto-test playback, or null when none is
    // left; Consume moves past it.
    virtual const EventDesc* PeekAutoTestEvent() = 0;
    virtual void ConsumeAutoTestEvent() = 0;
};

// The game's services: the current game state's main-font renderer, busy as
// the script manager says; until the scene's actors provide their voices,
// speech through the sound manager on sound actor 0; the recorded answers are
// the script manager's auto-test recording.
class DefaultTalkScreenServices final : public TalkScreenServices {
public:
    Tw::TextRenderer* GetTextRenderer() override;
    bool IsGameBusy() override;
    int GetSpeakerSoundActor(uint32_t) override { return 0; }
    void PlaySpeech(int iSoundActor, int32_t iSoundId) override;
    void StopSpeech(int iSoundActor) override;
    const EventDesc* PeekAutoTestEvent() override;
    void ConsumeAutoTestEvent() override;
};

// The services of the talk screen; SetTalkScreenServices(nullptr) restores
// the default ones.
TalkScreenServices& GetTalkScreenServices();
void SetTalkScreenServices(TalkScreenServices* pServices);
