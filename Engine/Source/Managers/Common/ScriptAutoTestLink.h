#pragma once
#include <cstdint>

struct EventDesc;

// What auto-test playback needs besides the script manager's own links: the
// current scene's input state, the inventory script's combinations and the
// map's travel locations. The scene world and the system scripts provide it;
// tests install small fakes.
class ScriptAutoTestLink {
public:
    // The input states in which a recorded event may play: idle, and the
    // in-game menu open over the scene.
    static constexpr int32_t INPUT_STATE_IDLE = 1;
    static constexpr int32_t INPUT_STATE_MENU = 6;

    virtual ~ScriptAutoTestLink() = default;

    // The current scene's input state; -1 when there is no scene.
    virtual int32_t GetSceneInputState() = 0;
    // Combines the two items in the inventory and fills pOut with the event
    // to fire; false when the inventory script has no such combination.
    virtual bool CombineItem(uint32_t uFirstItem, uint32_t uSecondItem, EventDesc* pOut) = 0;
    // The map's travel locations: how many, whether one is open, and the
    // scene it leads to. Indices are checked by the caller.
    virtual int32_t GetNbMapLocations() = 0;
    virtual bool IsMapLocationActive(int32_t iIndex) = 0;
    virtual int32_t GetMapLocationScene(int32_t iIndex) = 0;
};

// Stands in until the scene world and the map exist: there is no scene (so
// nothing plays), no combination and no map location.
class NullScriptAutoTestLink final : public ScriptAutoTestLink {
public:
    int32_t GetSceneInputState() override { return -1; }
    bool CombineItem(uint32_t, uint32_t, EventDesc*) override { return false; }
    int32_t GetNbMapLocations() override { return 0; }
    bool IsMapLocationActive(int32_t) override { return false; }
    int32_t GetMapLocationScene(int32_t) override { return 0; }
};

// The link auto-test playback uses; SetScriptAutoTestLink(nullptr) restores
// the null one.
ScriptAutoTestLink& GetScriptAutoTestLink();
void SetScriptAutoTestLink(ScriptAutoTestLink* pLink);
