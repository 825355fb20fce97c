#pragma once
#include "Scene/Common/Scene.h"
#include "Support/FakeSceneServices.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

class CoreTexture;

namespace TestSupport {

// A sprite of a hand-made layer: its depth and box, and the texture of its
// one frame (none: it draws nothing).
struct HandMadeSprite {
    fx32 depth;
    SceneRect box;
    CoreTexture* texture = nullptr;
};

// A region of a hand-made layer covering its box with two triangles.
struct HandMadeRegion {
    fx32 depth;
    SceneRect box;
    uint32_t direction = DIR_NONE;
};

// Gives the scene one main layer of that width (192 high) with the sprites
// and regions in order, and its depth of no region as loading works it out.
void BuildMainLayer(Scene& scene, fx32 width, const std::vector<HandMadeSprite>& sprites,
                    const std::vector<HandMadeRegion>& regions);

// Puts a fake character for the actor id into the scene's next slot, at that
// depth; the scene owns it.
FakeCastMember& AddFakeCharacter(Scene& scene, uint32_t uActorId, fx32 depth);

// Blank 32 x 32 textures by those names in the texture manager; false when
// one cannot be made.
bool AddBlankTextures(std::initializer_list<const char*> names);

// Sets the display settings' window size for the life of the object.
class ScopedWindowSize {
public:
    ScopedWindowSize(uint32_t width, uint32_t height);
    ~ScopedWindowSize();
    ScopedWindowSize(const ScopedWindowSize&) = delete;
    ScopedWindowSize& operator=(const ScopedWindowSize&) = delete;

private:
    uint32_t m_uWidth;
    uint32_t m_uHeight;
};

} // namespace TestSupport
