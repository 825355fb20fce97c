#pragma once
#include "Maths/CoreFxVec.h"
#include "Scene/Common/Region.h"
#include "Scene/Common/Sprite.h"

#include <cstdint>
#include <memory>

class CoreRenderer;
class SerialStream;

// One plane of the painted scene: its sprites and its regions, in file order.
class Layer {
public:
    // Reads one layer record with its sprites and regions; false, after a
    // line naming the sprite or region, when one cannot be read.
    bool Initialize(SerialStream& stream);
    // Every region (pulse and touch tracking), then every sprite.
    void Update(uint32_t milliseconds, const TouchScene& scene);
    // Draws, in file order, the visible sprites whose depth lies in
    // minimum..maximum, so that the scene can put characters between them.
    void RenderSprites(CoreRenderer& renderer, fx32 minimum, fx32 maximum) const;
    // Releases every sprite and region and empties both arrays.
    void Release();

    // The scene scrolls over its main layer's width.
    CoreFxVec2 m_oSize {};
    std::unique_ptr<Region[]> m_vRegions;
    int32_t m_iNbRegions = 0;
    std::unique_ptr<Sprite[]> m_vSprites;
    int32_t m_iNbSprites = 0;
    char m_sName[SCENE_OBJECT_NAME_SIZE] = {};
};
