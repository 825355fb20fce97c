#pragma once
#include "Adventure/Common/Scriptable.h"
#include "Scene/Common/SceneObject.h"

#include <cstdint>

class Region;
class Scene;
class SerialStream;
class Sprite;

// Two words of a look dialog, kept for the scene and the talk screen.
struct EntityLookDialog {
    int32_t m_iWord0 = 0;
    int32_t m_iWord1 = 0;
};

// The scriptable behind a hotspot or a piece of scenery of a 2D scene: a
// group of up to 16 sprites of the scene's layers, of which one is shown at
// a time, or exactly one region. Scripts address it by its index in the
// scene's list of objects and switch, hide, colour, fade and pause its
// sprites; the player is offered its event types as verbs.
class Entity : public Scriptable {
public:
    static constexpr int32_t s_MaxObject = 16;
    static constexpr int32_t s_MaxTwEventTypes = 4;
    static constexpr int32_t s_MaxLookDialogs = 4;

    // The scene whose sprites and regions the entity uses, before Initialize.
    void SetScene(Scene* pScene) { m_pScene = pScene; }

    // Reads the entity record. False, after a line naming the entity and the
    // file, when the record is cut short or a count exceeds its array: such a
    // record would overrun the entity.
    bool Initialize(SerialStream& stream);
    // Turns the sprite ids (or the region id) of the record into the scene's
    // objects; false when one of them names nothing (that entry stays null).
    bool ResolveSprites();

    const char* GetName() const override { return m_sName; }
    void StartAction() override;
    int GetEventTypes(TwEventType* pTypes, int iMax) const override;
    // The sprite on show follows the visible flag.
    void SetVisible(uint8_t bVisible) override;
    // The highlight flag of every sprite and of the region.
    void SetObjectsFlag(uint8_t bFlag) override;
    void UpdateAction(uint32_t dt) override;
    virtual void DoSetVisible(uint8_t bVisible);

    // The index in the entity's sprites of the scene's sprite with that id,
    // or -1.
    int32_t GetSpriteIndex(int32_t iSpriteId) const;
    // Hides the sprite on show and shows the one at the index from its start.
    // The current index changes nothing; a negative one only hides the
    // sprite on show, an index beyond the sprites is ignored.
    void SetCurrentSprite(int32_t iIndex);
    // "Slot XX" for slot number 0, the label of save slot 0..2 for 1..3,
    // null otherwise.
    const char* GetSlotLabel() const;

    Sprite* GetCurrentSprite() const;
    // The sprite on show: the current one, or the first while none has been
    // made current (the scene shows an entity's first sprite at start).
    Sprite* GetShownSprite() const;
    bool IsAnimationPaused() const { return m_bAnimationPaused != 0; }

    // The name with a terminator (a 16-byte name has none in the file).
    char m_sName[SCENE_OBJECT_NAME_SIZE + 1] = {};
    Region* m_pRegion = nullptr;
    int32_t m_iRegionId = -1;
    Sprite* m_apSprites[s_MaxObject] = {};
    int32_t m_aSpriteIds[s_MaxObject] = {};
    int32_t m_iNumSprite = 0;
    int32_t m_iCurrentSprite = -1;
    int32_t m_iNumRegion = 0;
    uint8_t m_bAnimationPaused = 0;
    int32_t m_iNumTwEventType = 0;
    TwEventType m_aEventTypes[s_MaxTwEventTypes] = {};
    // Kept from the file; the entity does not use it.
    uint32_t m_uEventWord = 0;
    int32_t m_iNumLookDialog = 0;
    EntityLookDialog m_aLookDialogs[s_MaxLookDialogs];
    uint32_t m_uCaptionTextId = 0;
    int32_t m_iCaptionFont = 0;
    int32_t m_iSaveSlotNumber = 0;
    int32_t m_iCaptionAlignment = 0;
    // 0xRRGGBBAA.
    uint32_t m_uColourA = 0;
    uint32_t m_uColourB = 0;

private:
    // Reads a count and checks it against its array; false refuses the record.
    bool ReadCount(SerialStream& stream, int32_t& iCount, int32_t iMax, const char* pWhat);
    // Look before Activate, and no verbs without event types.
    void ApplyEventTypes();
    // Action 23: the sprite's animation has ended, or there is none to wait for.
    bool IsSpriteAnimationDone() const;

    Scene* m_pScene = nullptr;
};
