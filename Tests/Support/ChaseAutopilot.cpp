#include "Support/ChaseAutopilot.h"

#include "MiniGame/Common/MGRectangle.h"
#include "MiniGame/Common/MGSprite.h"

#include <vector>

namespace TestSupport {

namespace {

constexpr fx32 U = FX32_ONE;
// The player's box inside her picture, as the chase tests it.
constexpr fx32 BOX_LEFT = 0xA333;
constexpr fx32 BOX_TOP = 0xECCD;
constexpr fx32 BOX_WIDTH = 10 * U;
constexpr fx32 BOX_HEIGHT = 20 * U;
// How far ahead the autopilot looks, and the room it keeps.
constexpr fx32 LOOK_AHEAD = 90 * U;
constexpr fx32 ROOM = 3 * U;

struct Span {
    fx32 left, right;
};

// The player x at which her box would meet each solid obstacle box whose
// rows lie between `above` and `below`.
std::vector<Span> BlockedSpans(MiniGameChase& chase, fx32 above, fx32 below)
{
    std::vector<Span> spans;
    const MGSprite& player = chase.GetPlayer();
    const fx32 offset = BOX_LEFT - player.GetPivot().x;
    const RaceElement* elements = chase.GetRace().GetElements();
    for (int32_t i = 0; elements != nullptr && i < chase.GetRace().GetElementCapacity(); ++i) {
        const RaceElement& e = elements[i];
        const MGRectangle* box = chase.GetCollisionBox(e.m_iKind);
        if (box == nullptr || box->m_fxWidth == 0 || box->m_fxHeight == 0)
            continue;
        const CoreFxVec2& size = chase.GetSpritePool().GetSprite(e.m_iKind, 0)->GetSize();
        const fx32 x = e.m_fxX - size.x / 2 + box->m_fxX;
        const fx32 y = e.m_fxY - size.y / 2 + box->m_fxY;
        if (y + box->m_fxHeight < above || y > below)
            continue;
        spans.push_back({x - BOX_WIDTH - offset - ROOM, x + box->m_fxWidth - offset + ROOM});
    }
    return spans;
}

bool Blocked(const std::vector<Span>& spans, fx32 x)
{
    for (const Span& span : spans) {
        if (x >= span.left && x <= span.right)
            return true;
    }
    return false;
}

} // namespace

ChaseKeys SteerChase(MiniGameChase& chase)
{
    const MGSprite& player = chase.GetPlayer();
    const fx32 x = player.GetPosition().x;
    const fx32 top = player.GetPosition().y - player.GetPivot().y + BOX_TOP;
    const std::vector<Span> beside = BlockedSpans(chase, top - ROOM, top + BOX_HEIGHT + ROOM);
    const std::vector<Span> ahead = BlockedSpans(chase, top - LOOK_AHEAD, top + BOX_HEIGHT + ROOM);
    fx32 target = x;
    for (fx32 step = 0; step <= 160 * U; step += U / 2) {
        const fx32 right = x + step;
        const fx32 left = x - step;
        if (left >= MiniGameChase::PLAYER_MIN_X && !Blocked(ahead, left) && !Blocked(beside, left)) {
            target = left;
            break;
        }
        if (right <= MiniGameChase::PLAYER_MAX_X && !Blocked(ahead, right) && !Blocked(beside, right)) {
            target = right;
            break;
        }
    }
    return {target > x + U, target < x - U};
}

} // namespace TestSupport
