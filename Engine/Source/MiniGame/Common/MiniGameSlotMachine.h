#pragma once
#include "MiniGame/Common/MiniGame.h"

#include <cstdint>

// The slot machine: four reels and three coins. Each pull of the lever costs
// a coin and spins every reel that is not held; between pulls the player
// holds reels by their buttons, which makes the other reels favour the held
// symbols. Four equal symbols win, and the symbol goes into the current save
// slot's VARINT_CRACKPOT_RESULT for the adventure's scripts.
class MiniGameSlotMachine final : public MiniGame {
public:
    // The game's mini-game id.
    static constexpr int32_t ID = 3;
    static constexpr int32_t REEL_COUNT = 4;
    static constexpr int32_t SYMBOL_COUNT = 8;
    // What a skipped game reports: the bottle.
    static constexpr int32_t SKIPPED_RESULT = 2;
    // The symbol each reel shows before the first spin.
    static constexpr int32_t FIRST_SYMBOL = 4;

    static constexpr uint32_t NAME_TEXT = 0xD2E633A2;
    static constexpr uint32_t INSTRUCTIONS_TEXT = 0x0C917307;
    static constexpr int32_t MUSIC = 0x60D0778B;
    static constexpr int32_t SOUND_LEVER = 0x224BC7A8;
    static constexpr int32_t SOUND_HOLD = 0x2C3A03CC;
    static constexpr int32_t SOUND_FREE = 0x35335276;

    static constexpr fx32 SPIN_TIME = 0x4000;
    static constexpr fx32 LEVER_TIME = 0xB33;
    // Reel r stops when the spin timer falls below (3 - r) steps.
    static constexpr fx32 REEL_STOP_STEP = 0x666;
    static constexpr fx32 RAYS_CROSSING_TIME = 0x3800;
    static constexpr fx32 RAYS_LONGEST_PAUSE = 0xF000;
    static constexpr fx32 FRAME_TIME = 0x19A;
    static constexpr uint32_t SPIN_OFFSET_MS = 16384;

    enum class Phase : int32_t {
        FirstPull = 0,
        BetweenPulls = 1,
        Spinning = 2,
        Finished = 3,
    };

    MiniGameSlotMachine() = default;
    ~MiniGameSlotMachine() override = default;

    bool Initialize() override;
    void ResetGame(bool won) override;
    void Shutdown() override;
    bool Update(uint32_t dtMs) override;
    void Render() override;

    // The sum of the eight symbols' weights, taking the held weight of each
    // symbol whose bit is set in the mask.
    static uint32_t TotalWeight(uint32_t heldMask);
    // The symbol that a draw in [0, TotalWeight(heldMask)) picks.
    static int32_t PickSymbol(uint32_t heldMask, uint32_t draw);

    // The symbols shown by held reels, one bit each.
    uint32_t GetHeldMask() const;
    // Whether reel r shows its spinning picture now.
    bool IsReelSpinning(int32_t iReel) const;
    Phase GetPhase() const { return m_ePhase; }
    int32_t GetSymbol(int32_t iReel) const { return m_aoReels[iReel].m_iSymbol; }
    bool IsHeld(int32_t iReel) const { return m_aoReels[iReel].m_bHeld != 0; }
    fx32 GetSpinTimer() const { return m_fxSpinTimer; }
    fx32 GetLeverTimer() const { return m_fxLeverTimer; }
    fx32 GetRaysTimer() const { return m_fxRaysTimer; }
    uint8_t GetCoins() const { return m_oMeter.GetValue(); }
    const MGSprite& GetLeverUp() const { return m_oLeverUp; }
    const MGSprite& GetHeldButton(int32_t iReel) const { return m_aoReels[iReel].m_oHeldButton; }
    const MGSprite& GetFreeButton(int32_t iReel) const { return m_aoReels[iReel].m_oFreeButton; }
    const MGSprite& GetRays() const { return m_oRays; }
    const MGSprite& GetCursor() const { return m_oBackground; }
    // Starts the game's own generator from the seed instead of the clock.
    void SeedRandom(uint64_t seed);

private:
    struct Reel {
        int32_t m_iSymbol = FIRST_SYMBOL;
        uint8_t m_bHeld = 0;
        MGSprite m_oSpinning;
        MGSprite m_oHeldButton;
        MGSprite m_oFreeButton;
        MGSprite m_aoSymbols[SYMBOL_COUNT];
    };

    // The game's copy of the core's generator, so that its draws leave the
    // adventure's sequence alone.
    struct Generator {
        uint64_t m_uX = 0;
        uint64_t m_uMultiplier = 0;
        uint64_t m_uIncrement = 0;
        // A draw in [0, n).
        uint32_t Draw(uint32_t n);
    };

    bool InitializeSpriteNames();
    bool InitializeFixedSprites();
    void InitializeReels();
    void PlaceSprites();
    void UpdateGame(uint32_t dtMs);
    void HandleInput();
    void PullLever();
    void ToggleHolds(fx32 x, fx32 y);
    void UpdateRays(uint32_t dtMs);
    bool AreReelsEqual() const;
    void RenderReel(const Reel& reel, int32_t iReel) const;
    static void RenderSprite(const MGSprite& sprite);

    MGSprite m_oMachineBackground;
    MGSprite m_oJackpot;
    MGSprite m_oJackpotForeground;
    MGSprite m_oMachineForeground;
    MGSprite m_oLeverUp;
    MGSprite m_oLeverDown;
    MGSprite m_oRays;
    Reel m_aoReels[REEL_COUNT];
    Phase m_ePhase = Phase::FirstPull;
    fx32 m_fxSpinTimer = 0;
    fx32 m_fxLeverTimer = 0;
    fx32 m_fxRaysTimer = 0;
    Generator m_oRandom;
};
