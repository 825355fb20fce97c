#include "Scene/Common/Layer.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Scene/Common/SerialStream.h"

#include <new>

namespace {

// The fewest bytes a record can take: the fixed fields, a frame curve
// without controllers and three zero flags; a region without triangles.
// Counts are checked against them before anything is allocated.
constexpr uint64_t SPRITE_RECORD_MIN_SIZE = 100 + 16 + 12;
constexpr uint64_t REGION_RECORD_MIN_SIZE = 48 + 4 + 12;

} // namespace

bool Layer::Initialize(SerialStream& stream)
{
    stream.ReadBytes(m_sName, SCENE_OBJECT_NAME_SIZE);
    m_oSize.x = stream.ReadS32();
    m_oSize.y = stream.ReadS32();

    const int32_t spriteCount = stream.ReadS32();
    if (spriteCount > 0) {
        if (!stream.HasRoomFor(uint32_t(spriteCount), SPRITE_RECORD_MIN_SIZE))
            return false;
        m_vSprites.reset(new (std::nothrow) Sprite[spriteCount]);
        ENGINE_ASSERT(m_vSprites != NULL);
        if (!m_vSprites)
            return false;
        m_iNbSprites = spriteCount;
    }
    for (int32_t i = 0; i < m_iNbSprites; ++i) {
        if (!m_vSprites[i].Initialize(stream)) {
            CorePrint(&g_oCoreLog, "Layer::Initialize - Cannot load Sprite number : %i\n", i);
            return false;
        }
    }

    const int32_t regionCount = stream.ReadS32();
    if (regionCount > 0) {
        if (!stream.HasRoomFor(uint32_t(regionCount), REGION_RECORD_MIN_SIZE))
            return false;
        m_vRegions.reset(new (std::nothrow) Region[regionCount]);
        ENGINE_ASSERT(m_vRegions != NULL);
        if (!m_vRegions)
            return false;
        m_iNbRegions = regionCount;
    }
    for (int32_t i = 0; i < m_iNbRegions; ++i) {
        if (!m_vRegions[i].Initialize(stream)) {
            CorePrint(&g_oCoreLog, "Layer::Initialize - Cannot load region number : %i\n", i);
            return false;
        }
    }
    return stream.IsGood();
}

void Layer::Update(uint32_t milliseconds, const TouchScene& scene)
{
    for (int32_t i = 0; i < m_iNbRegions; ++i) {
        m_vRegions[i].Update(milliseconds);
        m_vRegions[i].UpdateTouches(scene);
    }
    for (int32_t i = 0; i < m_iNbSprites; ++i)
        m_vSprites[i].Update(milliseconds);
}

void Layer::RenderSprites(CoreRenderer& renderer, fx32 minimum, fx32 maximum) const
{
    for (int32_t i = 0; i < m_iNbSprites; ++i) {
        const Sprite& sprite = m_vSprites[i];
        if (sprite.IsVisible() && sprite.m_iDepth >= minimum && sprite.m_iDepth <= maximum)
            sprite.Render(renderer);
    }
}

void Layer::Release()
{
    for (int32_t i = 0; i < m_iNbSprites; ++i)
        m_vSprites[i].Release();
    m_vSprites.reset();
    m_iNbSprites = 0;
    for (int32_t i = 0; i < m_iNbRegions; ++i)
        m_vRegions[i].Release();
    m_vRegions.reset();
    m_iNbRegions = 0;
}
