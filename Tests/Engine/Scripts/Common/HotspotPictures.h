#pragma once
#include "Graphics/RgbaImage.h"

#include <cstdint>
#include <string>
#include <vector>

class Scene;
class SceneObject;

// How much of what lies under a hotspot on the screen is drawn there: the
// share (0..1) of the picture's pixels inside the hotspot that differ from
// the colour most common in a band around it, the plain wall, sky or ground
// the hotspot would otherwise stand on. The picture is the scene drawn at
// one pixel to a screen unit, without its characters.
double DrawnShareUnder(const Platform::RgbaImage& picture, const SceneObject& hotspot, int32_t scroll);

// The hotspots a player can click in the scene as it stands (characters
// aside) whose drawn share is below the least a player can see, each with
// its share in per cent. An exit at the screen's edge is shown by its arrow.
std::vector<std::string> UnseenHotspots(const Scene& scene, const Platform::RgbaImage& picture);

// Hides the scene's characters while it lives, so that a picture shows
// what is drawn under them.
class CharactersHidden {
public:
    explicit CharactersHidden(Scene& scene);
    ~CharactersHidden();
    CharactersHidden(const CharactersHidden&) = delete;
    CharactersHidden& operator=(const CharactersHidden&) = delete;

private:
    Scene& m_scene;
    std::vector<uint8_t> m_shown;
};
