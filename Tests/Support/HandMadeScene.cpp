#include "Support/HandMadeScene.h"

#include "Game/TwGame.h"
#include "Support/HandMadeDds.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <algorithm>

namespace TestSupport {

namespace {

int16_t Whole(fx32 value)
{
    return static_cast<int16_t>(value >> FX32_SHIFT);
}

} // namespace

void BuildMainLayer(Scene& scene, fx32 width, const std::vector<HandMadeSprite>& sprites,
                    const std::vector<HandMadeRegion>& regions)
{
    scene.m_vLayers = std::make_unique<Layer[]>(1);
    scene.m_iNumLayers = 1;
    scene.m_iMainLayerIndex = 0;
    Layer& layer = scene.m_vLayers[0];
    layer.m_oSize = {width, 192 * FX32_ONE};
    scene.m_oMainLayerSize = layer.m_oSize;
    scene.m_fNoRegionLayer = -63 * FX32_ONE;

    layer.m_vSprites = std::make_unique<Sprite[]>(sprites.size());
    layer.m_iNbSprites = static_cast<int32_t>(sprites.size());
    for (size_t i = 0; i < sprites.size(); ++i) {
        Sprite& sprite = layer.m_vSprites[i];
        sprite.m_iDepth = sprites[i].depth;
        sprite.m_oPosition = {sprites[i].box.xMin, sprites[i].box.yMin};
        sprite.m_oSize = {sprites[i].box.xMax - sprites[i].box.xMin, sprites[i].box.yMax - sprites[i].box.yMin};
        sprite.m_oScale = {FX32_ONE, FX32_ONE};
        sprite.m_iColour = 0xFFFFFFFF;
        sprite.m_iNbSplitInfos = 1;
        if (CoreTexture* texture = sprites[i].texture) {
            sprite.m_vSplitInfos[0].m_vFrames = {texture};
            const CoreTextureDescription* description = CoreTexture::GetTextureDescriptionFromHandle(texture);
            sprite.m_vSplitInfos[0].m_vTextureSize = {description->m_iImageWidth, description->m_iImageHeight};
        }
        sprite.ComputeBoundingBox();
        scene.m_fNoRegionLayer = std::max(scene.m_fNoRegionLayer, sprite.m_iDepth);
    }

    layer.m_vRegions = std::make_unique<Region[]>(regions.size());
    layer.m_iNbRegions = static_cast<int32_t>(regions.size());
    for (size_t i = 0; i < regions.size(); ++i) {
        Region& region = layer.m_vRegions[i];
        const SceneRect& box = regions[i].box;
        region.m_iDepth = regions[i].depth;
        region.m_oBox = box;
        region.m_iDirection = regions[i].direction;
        const int16_t left = Whole(box.xMin), top = Whole(box.yMin), right = Whole(box.xMax), bottom = Whole(box.yMax);
        region.m_vTriangles = {{left, top, right, top, right, bottom}, {left, top, right, bottom, left, bottom}};
        region.m_iNbTriangles = 2;
        scene.m_fNoRegionLayer = std::max(scene.m_fNoRegionLayer, region.m_iDepth);
    }
}

FakeCastMember& AddFakeCharacter(Scene& scene, uint32_t uActorId, fx32 depth)
{
    auto character = std::make_unique<FakeCastMember>();
    character->m_iDepth = depth;
    FakeCastMember& result = *character;
    const int32_t slot = scene.m_iNumCharacters++;
    scene.m_apCharacters[slot] = std::move(character);
    scene.m_aCharacterIds[slot] = uActorId;
    return result;
}

ScopedWindowSize::ScopedWindowSize(uint32_t width, uint32_t height)
    : m_uWidth(g_oTwGame.m_oDisplaySettings.uWidth), m_uHeight(g_oTwGame.m_oDisplaySettings.uHeight)
{
    g_oTwGame.m_oDisplaySettings.uWidth = width;
    g_oTwGame.m_oDisplaySettings.uHeight = height;
}

ScopedWindowSize::~ScopedWindowSize()
{
    g_oTwGame.m_oDisplaySettings.uWidth = m_uWidth;
    g_oTwGame.m_oDisplaySettings.uHeight = m_uHeight;
}

bool AddBlankTextures(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        const std::vector<uint8_t> dds = HandMadeDds(32, 32, DDS_FOURCC_DXT1, 32 * 32 / 2);
        if (g_pTextureManager->CreateTexture(name, dds.data(), dds.size()) == nullptr)
            return false;
    }
    return true;
}

} // namespace TestSupport
