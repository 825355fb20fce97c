#pragma once
#include "Maths/CoreFxMtx.h"
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"

#include <cstdint>
#include <memory>

class CoreTexture;

// What the sprite pool knows of one sprite id's texture: its size on the
// virtual screen and in texels, and the texture handle.
struct MGTextureRecord {
    fx32 m_fxWidth = 0;
    fx32 m_fxHeight = 0;
    uint32_t m_uUnused = 0;
    CoreTexture* m_hTexture = nullptr;
    fx32 m_fxTexelWidth = 0;
    fx32 m_fxTexelHeight = 0;
};

// A picture of a mini-game: a textured quad on the 256 x 192 virtual screen
// with position, scale, pivot, rotation, colour and alpha, and an optional
// frame animation. Frames are global sprite ids (1..255) that the running
// game has bound to texture names; the static pool resolves an id to its
// texture the first time it is used and counts the frames that refer to it,
// so that the end of a run can report every reference not given back.
class MGSprite {
public:
    static constexpr int32_t SPRITE_ID_COUNT = 256;
    static constexpr uint32_t SPRITE_NAME_SIZE = 256;
    // The message box's ids: the pointer, the two scroll arrows, the frame.
    static constexpr int32_t ID_POINTER = 252;
    static constexpr int32_t ID_DOWN_ARROW = 253;
    static constexpr int32_t ID_UP_ARROW = 254;
    static constexpr int32_t ID_MESSAGE_BOX = 255;
    static constexpr uint32_t SCREEN_FLAGS_DEFAULT = 2;

    // The three reference-count tables, by name in the end-of-run report.
    enum class CountTable {
        Memory,
        TopScreen,
        BottomScreen
    };

    MGSprite();
    ~MGSprite() = default;
    MGSprite(const MGSprite&) = delete;
    MGSprite& operator=(const MGSprite&) = delete;

    // Binds an id (1..255) to prefix + name; a name starting with ':' names
    // the texture after it. An id out of range or a name of 256 bytes or
    // more is refused with a log line.
    static bool RegisterSpriteName(int32_t iId, const char* prefix, const char* name);
    // The id's texture record, resolved while no frame counts the id; the
    // id's count grows by one. Refused with a log line for an id out of
    // 1..255 and for a name the texture manager does not know.
    static bool LoadTextureFromPool(int32_t iId, MGTextureRecord** ppOut);
    // Gives one count of the id back; a count already 0 stays 0.
    static void ReleaseTextureFromPool(int32_t iId);
    // Clears the three count tables (the start of a run).
    static void ClearPoolCounts();
    // Warns for every id still counted in any table, then clears them.
    static void ShutdownPoolSystem();
    static uint16_t GetPoolCount(CountTable eTable, int32_t iId);
    static const char* GetRegisteredName(int32_t iId);

    // The frames are the ids; durations in fx32 seconds (0 holds the frame);
    // `next` gives each frame's successor, or null for a loop. On failure
    // nothing stays counted and the sprite stays uninitialised.
    bool Initialize(const int32_t* ids, uint32_t count, const fx32* durations, const uint32_t* next);
    // A one-frame sprite, not animating; with bFar its z is -2048.0.
    bool InitializeFromId(int32_t iId, bool bFar);
    // Gives every frame's count back; nothing for a sprite not initialised.
    void Shutdown();
    void Update(uint32_t dtMs);

    // Frame 0 shows another id: the old id's count is given back and the new
    // one's taken. Size and corners stay.
    void ChangeSprite(int32_t iId);
    // A frame outside the sprite's frames is refused.
    void SetCurrentFrame(int32_t iFrame);
    int32_t GetCurrentFrame() const;
    int32_t GetFrameCount() const { return m_iNbFrames; }
    bool IsAnimating() const { return m_bAnimating; }
    void SetAnimating(bool bAnimating) { m_bAnimating = bAnimating; }
    bool IsInitialized() const { return m_bInitialized; }

    void SetPosition(fx32 x, fx32 y, fx32 z);
    void SetPosition(const CoreFxVec& position);
    void Translate(fx32 dx, fx32 dy);
    const CoreFxVec& GetPosition() const { return m_vPosition; }
    const CoreFxVec2& GetSize() const { return m_vSize; }
    CoreFxVec2& GetScaledSize(CoreFxVec2& out) const;
    void SetScale(const CoreFxVec2& scale);
    const CoreFxVec2& GetScale() const { return m_vScale; }
    void SetAlpha(fx32 alpha);
    fx32 GetAlpha() const { return m_fxAlpha; }
    void SetColor(fx32 red, fx32 green, fx32 blue);
    void SetRotation(fx32 angle);
    const CoreFxMtx33& GetRotationMatrix() const { return m_oRotation; }
    void SetPivot(const CoreFxVec2& pivot);
    void SetPivotCentered();
    const CoreFxVec2& GetPivot() const { return m_vPivot; }
    // Inside the scaled box around the pivot, edges included.
    bool IsPointInside(fx32 x, fx32 y) const;
    bool IsVisible() const;
    void SetVisible(bool bVisible);

    // The vertex colour: 0xRRGGBBAA from the colour and alpha fields.
    uint32_t GetVertexColor() const;
    // Draws the current frame at that position (its z is not used).
    void RenderWithPosition(const CoreFxVec& position) const;

private:
    void FreeFrames();

    CoreFxVec2 m_vScale {FX32_ONE, FX32_ONE};
    CoreFxVec2 m_vSize {0, 0};
    CoreFxVec m_aCorners[4] {};
    CoreFxVec m_vPosition {0, 0, -FX32_ONE};
    CoreFxMtx33 m_oRotation {};
    fx32 m_fxRed = 255 * FX32_ONE;
    fx32 m_fxGreen = 255 * FX32_ONE;
    fx32 m_fxBlue = 255 * FX32_ONE;
    fx32 m_fxAlpha = 0;
    fx32 m_fxAngle = 0;
    CoreFxVec2 m_vPivot {0, 0};
    bool m_bVisible = true;
    uint32_t m_uScreenFlags = SCREEN_FLAGS_DEFAULT;
    std::unique_ptr<MGTextureRecord*[]> m_apFrameRecords;
    int32_t m_iNbFrames = 0;
    int32_t m_iCurrentFrame = 0;
    fx32 m_fxFrameTimer = 0;
    std::unique_ptr<fx32[]> m_afxDurations;
    std::unique_ptr<int32_t[]> m_aiFrameIds;
    std::unique_ptr<uint32_t[]> m_auNextFrames;
    bool m_bAnimating = false;
    bool m_bInitialized = false;
};
