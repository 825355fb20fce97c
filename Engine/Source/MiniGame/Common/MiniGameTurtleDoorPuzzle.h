#pragma once
#include "MiniGame/Common/MGRectangle.h"
#include "MiniGame/Common/MiniGame.h"

#include <cstdint>

// The stacking puzzle of the turtle door, played with the pointer against a
// 40-second clock. Three turtles of three sizes stand on the posts of water,
// earth and sky; the player drags a turtle from the top of its stack onto
// another post, where it may only rest on bigger turtles. A complete stack
// (big, medium, small) lights its post's symbol when that post is the next in
// the order sky, water, earth; lighting all three wins, the clock running out
// loses.
class MiniGameTurtleDoorPuzzle final : public MiniGame {
public:
    static constexpr int32_t ID = 7;
    static constexpr const char* PACK_NAME = "MG_TurtleDoorPuzzle";

    // Turtle numbers: the index of the turtle's sprite, and what a slot holds.
    enum Turtle : int32_t {
        Turtle_Small = 0,
        Turtle_Medium = 1,
        Turtle_Big = 2,
        Turtle_None = 4,
    };
    enum Zone : int32_t {
        ZONE_WATER = 0,
        ZONE_EARTH = 1,
        ZONE_SKY = 2,
    };
    static constexpr int32_t ZONE_COUNT = 3;
    static constexpr int32_t SLOT_COUNT = 3;
    static constexpr int32_t TURTLE_COUNT = 3;
    static constexpr fx32 PLAY_TIME = 0x28000;

    static constexpr uint32_t TEXT_NAME = 0x2FA429A1;
    static constexpr uint32_t TEXT_INSTRUCTIONS = 0x2344F559;
    static constexpr int32_t MUSIC = 0x47E6E6F9;
    static constexpr int32_t SOUND_SMALL = 0x47CC8C92;
    static constexpr int32_t SOUND_MEDIUM = 0x6D4AB353;
    static constexpr int32_t SOUND_BIG = 0x7443E2E9;
    static constexpr int32_t SOUND_SYMBOL_LIT = 0x366604AD;

    // A post: its stack (slot 0 at the bottom; Turtle_None when empty) and
    // the symbol that lights when its stack is completed in turn.
    struct DropZone {
        int32_t m_aiSlots[SLOT_COUNT] = {Turtle_None, Turtle_None, Turtle_None};
        MGSprite m_oSymbol;
    };

    MiniGameTurtleDoorPuzzle() = default;
    ~MiniGameTurtleDoorPuzzle() override = default;

    bool Initialize() override;
    void ResetGame(bool won) override;
    void Shutdown() override;
    bool Update(uint32_t dtMs) override;
    void Render() override;

    // The starting board: big on water, medium on earth, small on sky.
    void ResetBoard();
    // Puts every turtle but the dragged one where its slot says.
    void LayoutTurtles();
    // Whether the turtle lies on top of its stack (or on none); false for a
    // number that names no turtle.
    bool CanPickTurtle(int32_t iTurtle) const;

    // What a slot holds; Turtle_None outside the board.
    int32_t GetSlot(int32_t iZone, int32_t iSlot) const;
    int32_t GetPickedTurtle() const { return m_ePickedTurtle; }
    int32_t GetProgress() const { return m_iProgress; }
    fx32 GetTimeLeft() const { return m_fxTimeLeft; }
    void SetTimeLeft(fx32 fxTimeLeft) { m_fxTimeLeft = fxTimeLeft; }
    const MGGauge& GetGauge() const { return m_oGauge; }
    const MGSprite& GetTurtle(int32_t iTurtle) const { return m_aoTurtles[iTurtle]; }
    const MGSprite& GetSymbol(int32_t iZone) const { return m_aoZones[iZone].m_oSymbol; }
    // The pointer cursor is the base's background sprite.
    const MGSprite& GetCursor() const { return m_oBackground; }
    static const MGRectangle& GetDropZone(int32_t iZone);
    // The zone whose stack must be completed at that progress (0..2); -1
    // once all are lit.
    static int32_t GetCompletionZone(int32_t iProgress);

private:
    void InitializeSpriteNames();
    void UpdateGame(uint32_t dtMs);
    void HandleInputs();
    void PickTurtleAt(fx32 x, fx32 y);
    void DropPickedTurtle();
    // The slot of the target that takes the dragged turtle, or -1 when the
    // post refuses it.
    int32_t FindFreeSlot(const DropZone& zone) const;
    void LightSymbolOf(int32_t iZone);
    static void PlayTurtleSound(int32_t iTurtle);

    DropZone m_aoZones[ZONE_COUNT];
    MGSprite m_oBoard;
    MGSprite m_aoTurtles[TURTLE_COUNT];
    int32_t m_ePickedTurtle = Turtle_None;
    fx32 m_fxTimeLeft = 0;
    int32_t m_iProgress = 0;
};
