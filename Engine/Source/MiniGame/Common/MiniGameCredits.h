#pragma once
#include "MiniGame/Common/MiniGame.h"
#include "MiniGame/Common/MiniGameCreditsScript.h"

#include <cstdint>

// The end credits: the rows of the credits script scroll up over black at
// half a unit per update, with at most three pictures on screen at once, one
// per picture slot. Once the last row has left the top, or the player skips,
// the scene-transition fade starts; when it has finished the credits are
// over. It uses none of the base's boxes.
class MiniGameCredits final : public MiniGame {
public:
    static constexpr int32_t PICTURE_SLOT_COUNT = 3;
    static constexpr int32_t INVALID_PICTURE_SLOT = 0x7FFF;
    static constexpr fx32 SCROLL_STEP = 0x800;
    static constexpr fx32 SMALL_GAP_HEIGHT = 0xC000;
    static constexpr fx32 BIG_GAP_HEIGHT = 0x30000;
    static constexpr int32_t MUSIC = 0x2FCA9A98;

    MiniGameCredits() = default;
    ~MiniGameCredits() override = default;

    bool Initialize() override;
    void ResetGame(bool won) override;
    void Shutdown() override;
    bool Update(uint32_t dtMs) override;
    void Render() override;

    // Gives every picture row on screen a slot: a slot that shows the row's
    // picture keeps it, a new picture takes the first free one. A picture
    // that finds no free slot is refused.
    void UpdatePictures();

    // The rows that scroll; the shipped script unless a test gives another.
    void SetScript(const CreditsEntry* pRows, int32_t iCount);
    fx32 GetScrollPosition() const { return m_fxScrollPosition; }
    void SetScrollPosition(fx32 fxPosition) { m_fxScrollPosition = fxPosition; }
    fx32 GetTotalHeight() const { return m_fxTotalHeight; }
    bool IsEnding() const { return m_bEnding; }
    int32_t GetSlotPicture(int32_t iSlot) const { return m_aiPictureIds[iSlot]; }
    bool IsSlotFree(int32_t iSlot) const { return m_abPictureFree[iSlot]; }
    // The height of a row now: a picture row takes the height of slot 0's
    // picture.
    fx32 GetRowHeight(const CreditsEntry& row) const;

private:
    void InitializeSpriteNames();
    // The slot that shows the picture, or INVALID_PICTURE_SLOT.
    int32_t FindSlot(int32_t iPicture) const;
    bool IsSkipPressed() const;
    // Calls the visitor with each on-screen row and its y, from the top.
    template <typename Visitor>
    void ForEachVisibleRow(Visitor visit) const;

    MGSprite m_aoPictures[PICTURE_SLOT_COUNT];
    int32_t m_aiPictureIds[PICTURE_SLOT_COUNT] = {};
    bool m_abPictureFree[PICTURE_SLOT_COUNT] = {true, true, true};
    fx32 m_fxScrollPosition = 0;
    fx32 m_fxTotalHeight = 0;
    bool m_bEnding = false;
    const CreditsEntry* m_pRows = CreditsScript::ROWS;
    int32_t m_iRowCount = CreditsScript::ROW_COUNT;
};
