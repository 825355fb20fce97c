#include "MiniGame/Common/MiniGameChase.h"

#include "Bytes/LittleEndian.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"

namespace {

constexpr uint32_t HEADER_SIZE = 1;
// The player's box inside her picture.
constexpr fx32 PLAYER_BOX_LEFT = 0xA333;
constexpr fx32 PLAYER_BOX_TOP = 0xECCD;
constexpr fx32 PLAYER_BOX_WIDTH = 10 * FX32_ONE;
constexpr fx32 PLAYER_BOX_HEIGHT = 20 * FX32_ONE;
// A box lies around a picture on a 256 x 192 screen; far larger offsets or
// sizes would overflow the collision test's 20.12 sums.
constexpr fx32 BOX_FIELD_MAX = 4096 * FX32_ONE;

bool BoxFieldsInRange(const uint8_t* record)
{
    for (uint32_t at = 4; at < 20; at += 4) {
        const fx32 value = static_cast<fx32>(ReadWord(record, at));
        if (value > BOX_FIELD_MAX || value < -BOX_FIELD_MAX)
            return false;
    }
    return true;
}

bool Refuse(const char* fileName, const char* reason)
{
    CorePrint(&g_oCoreLog, "MiniGameChase::InitializeCollisionsResource -- \"%s\" refused: %s\n", fileName, reason);
    return false;
}

} // namespace

bool MiniGameChase::InitializeCollisionsResource()
{
    if (Core::LoadResource(&m_oCollisionsFile, COLLISIONS_FILE, true) == -1)
        return false;
    return InitializeCollisionsResource(m_oCollisionsFile.m_pBuffer, m_oCollisionsFile.m_uSize, COLLISIONS_FILE);
}

bool MiniGameChase::InitializeCollisionsResource(const uint8_t* data, uint32_t size, const char* fileName)
{
    m_iCollisionObstacleCount = 0;
    m_pCollisionRects.reset();
    if (data == nullptr || size < HEADER_SIZE)
        return Refuse(fileName, "empty");
    const int8_t count = static_cast<int8_t>(data[0]);
    // The pool and the sprite ids hold 1 to 25 kinds; the records must fill
    // the file exactly, or the count and the data disagree.
    if (count < 1 || count > OBSTACLE_KIND_MAX)
        return Refuse(fileName, "the kind count is not 1 to 25");
    if (size != HEADER_SIZE + uint32_t(count) * COLLISION_RECORD_SIZE)
        return Refuse(fileName, "the size does not match the record count");
    m_iCollisionObstacleCount = count;
    m_pCollisionRects = std::make_unique<MGRectangle[]>(count);
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* record = data + HEADER_SIZE + i * COLLISION_RECORD_SIZE;
        if (!BoxFieldsInRange(record)) {
            m_iCollisionObstacleCount = 0;
            m_pCollisionRects.reset();
            return Refuse(fileName, "a box lies beyond 4096 units");
        }
        const int32_t iType = static_cast<int32_t>(ReadWord(record, 0));
        ENGINE_ASSERT(iType >= 0 && iType < m_iCollisionObstacleCount);
        // Only a kind's own rectangle may take the record.
        if (iType < 0 || iType >= m_iCollisionObstacleCount)
            continue;
        MGRectangle& rect = m_pCollisionRects[iType];
        rect.m_fxX = static_cast<fx32>(ReadWord(record, 4));
        rect.m_fxY = static_cast<fx32>(ReadWord(record, 8));
        rect.SetSize(static_cast<fx32>(ReadWord(record, 12)), static_cast<fx32>(ReadWord(record, 16)));
        rect.m_fxDepth = 0;
    }
    return true;
}

void MiniGameChase::FreeCollisionsResource()
{
    m_pCollisionRects.reset();
    m_iCollisionObstacleCount = 0;
    Core::ReleaseResource(&m_oCollisionsFile);
}

const MGRectangle* MiniGameChase::GetCollisionBox(int32_t iKind) const
{
    return m_pCollisionRects && iKind >= 0 && iKind < m_iCollisionObstacleCount ? &m_pCollisionRects[iKind] : nullptr;
}

int32_t MiniGameChase::CheckCollisions()
{
    MGRectangle player;
    const CoreFxVec& position = m_oPlayer.GetPosition();
    player.m_fxX = position.x - m_oPlayer.GetPivot().x + PLAYER_BOX_LEFT;
    player.m_fxY = position.y - m_oPlayer.GetPivot().y + PLAYER_BOX_TOP;
    player.SetSize(PLAYER_BOX_WIDTH, PLAYER_BOX_HEIGHT);
    int32_t result = 0;
    RaceElement* pElements = m_oRace.GetElements();
    for (int32_t i = 0; pElements != nullptr && i < m_oRace.GetElementCapacity(); ++i) {
        const RaceElement& element = pElements[i];
        // The race's reader keeps kinds below the pool's type count; a
        // free slot has none.
        const MGRectangle* pBox = GetCollisionBox(element.m_iKind);
        if (pBox == nullptr || element.m_iCopy < 0 || element.m_iCopy >= SpritePool::POOL_SIZE)
            continue;
        MGSprite* pSprite = m_oSpritePool.GetSprite(element.m_iKind, element.m_iCopy);
        pSprite->SetPosition(element.m_fxX, element.m_fxY, 0);
        const fx32 top = element.m_fxY - pSprite->GetPivot().y;
        if (top + pSprite->GetSize().y < 0 || top >= SCREEN_HEIGHT)
            continue;
        if (pBox->m_fxWidth == 0 || pBox->m_fxHeight == 0)
            continue;
        MGRectangle obstacle;
        obstacle.m_fxX = element.m_fxX - pSprite->GetSize().x / 2 + pBox->m_fxX;
        obstacle.m_fxY = element.m_fxY - pSprite->GetSize().y / 2 + pBox->m_fxY;
        obstacle.m_fxWidth = pBox->m_fxWidth;
        obstacle.m_fxHeight = pBox->m_fxHeight;
        // The box is not mirrored with the picture of a mirrored element.
        if (obstacle.Intersects(player))
            result = 2;
    }
    return result;
}
