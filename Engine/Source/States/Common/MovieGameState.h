#pragma once
#include "Maths/Fx32.h"
#include "Resource/CoreResource.h"
#include "States/Common/DkSubTitle.h"
#include "States/Common/GameState.h"
#include "Utils/Common/Font/PC/TextureTextRenderer.h"

#include <cstdint>
#include <memory>

// Where the movie is drawn on the 2D screen (fx32 units).
struct MovieRectangle {
    fx32 m_fxLeft = 0;
    fx32 m_fxTop = 0;
    fx32 m_fxWidth = 0;
    fx32 m_fxHeight = 0;
};

// Plays the movie of the state queue's head entry with its subtitles: the
// voice language's sound track at the master music volume, the frames when
// they are due, drawn 16:9 letterboxed or pillarboxed. A click skips it.
// When it ends, or cannot be opened at all, its queue entry is taken out and
// the next queued state runs, or the main state.
class MovieGameState final : public GameState {
public:
    static constexpr int32_t SUBTITLE_LINES = 12;
    // The select click.
    static constexpr uint16_t SKIP_EVENT = 0;

    explicit MovieGameState(FiniteStateManager* pOwner);

    uint16_t Update(uint32_t dt) override;
    void Render() override;

    void LoadSubTitles(int32_t iMovieId);
    void RenderSubTitle(uint32_t uMovieTime);

    // The sound track that plays a voice language.
    static uint32_t SoundTrackOfVoiceLanguage(int32_t iVoiceLanguage);
    // The movie's rectangle in a window of that size: the whole width when
    // the window is narrower than 16:9, else the whole height.
    static MovieRectangle Placement(uint32_t uWidth, uint32_t uHeight);
    // Milliseconds of movie time at that frame; 0 without a frame rate.
    static uint32_t MovieTime(uint32_t uFrame, uint32_t uFrameRate, uint32_t uFrameRateDivisor);

    const DkSubTitle& GetSubTitles() const { return m_oSubTitle; }
    uint32_t GetSoundTrack() const { return static_cast<uint32_t>(m_iSoundTrack); }

protected:
    void OnInit() override;
    void OnShutdown() override;

private:
    // Takes the movie's queue entry out; the id of the state to run next.
    uint16_t GoToNextState();

    std::unique_ptr<Tw::TextureTextRenderer> m_pTextRenderer;
    CoreResource m_oSubTitleFile;
    DkSubTitle m_oSubTitle;
    int32_t m_iSoundTrack = 0;
};
