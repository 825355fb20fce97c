#pragma once
#include "Managers/Common/ScriptAutoTestLink.h"

// The game's: the current scene's input state, the game's inventory script
// and the map tab's travel locations.
class GameAutoTestLink final : public ScriptAutoTestLink {
public:
    int32_t GetSceneInputState() override;
    bool CombineItem(uint32_t uFirstItem, uint32_t uSecondItem, EventDesc* pOut) override;
    int32_t GetNbMapLocations() override;
    bool IsMapLocationActive(int32_t iIndex) override;
    int32_t GetMapLocationScene(int32_t iIndex) override;
};
