#include "Engine/Scripts/Common/HotspotPictures.h"

#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/Region.h"
#include "Scene/Common/Scene.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

// The band around a hotspot whose commonest colour is its plain ground, in
// pixels.
constexpr int32_t PLAIN_BAND = 8;
// Colours nearer than this (sum of the channels' differences) look alike;
// DXT rounding and light make a little.
constexpr int32_t ALIKE_DISTANCE = 40;
// Less than this share of drawn pixels under a hotspot shows the player
// nothing to click.
constexpr double LEAST_DRAWN_SHARE = 0.1;

bool CoversPixel(const SceneObject& hotspot, int32_t x, int32_t y, int32_t scroll)
{
    const fx32 sceneX = (x + scroll) * FX32_ONE + FX32_ONE / 2;
    const fx32 sceneY = y * FX32_ONE + FX32_ONE / 2;
    if (const auto* region = dynamic_cast<const Region*>(&hotspot))
        return region->Contains(sceneX, sceneY, 0);
    const SceneRect& box = hotspot.m_oBox;
    return sceneX >= box.xMin && sceneX < box.xMax && sceneY >= box.yMin && sceneY < box.yMax;
}

int32_t ColourDistance(uint32_t a, uint32_t b)
{
    int32_t distance = 0;
    for (const int shift : {24, 16, 8})
        distance += std::abs(static_cast<int32_t>((a >> shift) & 0xFF) - static_cast<int32_t>((b >> shift) & 0xFF));
    return distance;
}

// An exit at the screen's edge leads off it: the exit arrow shows the way,
// over the path or ground that goes on out of the picture.
bool IsWayOffTheScreen(const SceneObject& hotspot, int32_t scroll, const Platform::RgbaImage& picture)
{
    const auto* region = dynamic_cast<const Region*>(&hotspot);
    if (region == nullptr || region->GetDirection() == DIR_NONE)
        return false;
    const SceneRect& box = hotspot.m_oBox;
    constexpr int32_t EDGE = 2;
    return box.xMin / FX32_ONE - scroll <= EDGE || box.yMin / FX32_ONE <= EDGE ||
           box.xMax / FX32_ONE - scroll >= static_cast<int32_t>(picture.width) - EDGE ||
           box.yMax / FX32_ONE >= static_cast<int32_t>(picture.height) - EDGE;
}

} // namespace

double DrawnShareUnder(const Platform::RgbaImage& picture, const SceneObject& hotspot, int32_t scroll)
{
    const SceneRect& box = hotspot.m_oBox;
    const int32_t left = std::max(box.xMin / FX32_ONE - scroll - PLAIN_BAND, 0);
    const int32_t right = std::min(box.xMax / FX32_ONE - scroll + PLAIN_BAND, static_cast<int32_t>(picture.width) - 1);
    const int32_t top = std::max(box.yMin / FX32_ONE - PLAIN_BAND, 0);
    const int32_t bottom = std::min(box.yMax / FX32_ONE + PLAIN_BAND, static_cast<int32_t>(picture.height) - 1);
    std::vector<uint32_t> inside;
    std::map<uint32_t, int32_t> bandColours;
    for (int32_t y = top; y <= bottom; ++y)
        for (int32_t x = left; x <= right; ++x) {
            const uint32_t colour = picture.At(static_cast<uint32_t>(x), static_cast<uint32_t>(y));
            if (CoversPixel(hotspot, x, y, scroll))
                inside.push_back(colour);
            else
                ++bandColours[colour & 0xF8F8F800];
        }
    if (inside.empty())
        return 0;
    if (bandColours.empty())
        return 1;
    const uint32_t plain = std::max_element(bandColours.begin(), bandColours.end(), [](const auto& a, const auto& b) {
                               return a.second < b.second;
                           })->first;
    const auto drawn = std::count_if(inside.begin(), inside.end(), [plain](uint32_t colour) {
        return ColourDistance(colour & 0xF8F8F800, plain) > ALIKE_DISTANCE;
    });
    return static_cast<double>(drawn) / static_cast<double>(inside.size());
}

std::vector<std::string> UnseenHotspots(const Scene& scene, const Platform::RgbaImage& picture)
{
    std::vector<const SceneObject*> hotspots = ClickableObjects(scene);
    std::erase_if(hotspots, [](const SceneObject* object) { return dynamic_cast<const SceneCharacter*>(object); });
    std::vector<std::string> faults;
    const int32_t scroll = scene.m_fScroll / FX32_ONE;
    for (const SceneObject* hotspot : hotspots) {
        if (IsWayOffTheScreen(*hotspot, scroll, picture))
            continue;
        const double share = DrawnShareUnder(picture, *hotspot, scroll);
        if (share < LEAST_DRAWN_SHARE) {
            const CoreFxVec2 centre = ClickPointOf(*hotspot);
            faults.push_back(std::string(scene.GetName()) + ": " + ObjectNameOf(hotspot) + " at (" +
                             std::to_string(centre.x / FX32_ONE) + ", " + std::to_string(centre.y / FX32_ONE) +
                             ") shows " + std::to_string(static_cast<int>(share * 100)) + " % drawn");
        }
    }
    return faults;
}

CharactersHidden::CharactersHidden(Scene& scene) : m_scene(scene)
{
    for (int32_t i = 0; i < scene.m_iNumCharacters; ++i) {
        auto* character = dynamic_cast<Character*>(scene.m_apCharacters[i].get());
        m_shown.push_back(character != nullptr ? character->m_bShown : 0);
        if (character != nullptr)
            character->m_bShown = 0;
    }
}

CharactersHidden::~CharactersHidden()
{
    for (int32_t i = 0; i < m_scene.m_iNumCharacters && i < static_cast<int32_t>(m_shown.size()); ++i)
        if (auto* character = dynamic_cast<Character*>(m_scene.m_apCharacters[i].get()))
            character->m_bShown = m_shown[static_cast<size_t>(i)];
}
