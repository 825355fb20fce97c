#include "MiniGame/Common/MiniGameTurtleDoorPuzzle.h"

#include "Error/EngineAssert.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Input/InputPointer.h"
#include "Managers/Common/SoundManager.h"

namespace {

constexpr fx32 DRAGGED_DEPTH = -FX32_ONE;

// The event's pointer on the virtual screen, when the event is active.
bool PointerOf(uint16_t eventId, fx32& x, fx32& y)
{
    uint32_t value = INPUT_NO_POINTER;
    if (!InputEventActiveAt(eventId, value))
        return false;
    x = InputPointerVirtualX(value);
    y = InputPointerVirtualY(value);
    return true;
}

} // namespace

void MiniGameTurtleDoorPuzzle::HandleInputs()
{
    fx32 x = 0;
    fx32 y = 0;
    if (PointerOf(InputEventId_GamePointerPressed, x, y))
        PickTurtleAt(x, y);
    if (PointerOf(InputEventId_GamePointerHeld, x, y)) {
        if (m_ePickedTurtle != Turtle_None)
            m_aoTurtles[m_ePickedTurtle].SetPosition(x, y, DRAGGED_DEPTH);
        else
            m_oBackground.SetPosition(x, y, 0);
    }
    if (InputEventActive(InputEventId_GamePointerReleased) && m_ePickedTurtle != Turtle_None)
        DropPickedTurtle();
    if (PointerOf(InputEventId_GamePointerUp, x, y))
        m_oBackground.SetPosition(x, y, 0);
    m_oBackground.SetVisible(true);
}

void MiniGameTurtleDoorPuzzle::PickTurtleAt(fx32 x, fx32 y)
{
    for (int32_t iTurtle = Turtle_Small; iTurtle < TURTLE_COUNT; ++iTurtle) {
        const MGSprite& oTurtle = m_aoTurtles[iTurtle];
        if (!oTurtle.IsInitialized() || !oTurtle.IsPointInside(x, y))
            continue;
        if (!CanPickTurtle(iTurtle)) {
            m_ePickedTurtle = Turtle_None;
            return;
        }
        m_ePickedTurtle = iTurtle;
        m_aoTurtles[iTurtle].SetPosition(x, y, DRAGGED_DEPTH);
        PlayTurtleSound(iTurtle);
        return;
    }
}

int32_t MiniGameTurtleDoorPuzzle::FindFreeSlot(const DropZone& zone) const
{
    for (int32_t iSlot = 0; iSlot < SLOT_COUNT; ++iSlot) {
        const int32_t iHeld = zone.m_aiSlots[iSlot];
        if (iHeld == Turtle_None)
            return iSlot;
        // A turtle rests only on bigger ones: the same or a smaller one below
        // refuses it.
        if (iHeld <= m_ePickedTurtle)
            return -1;
    }
    return -1;
}

void MiniGameTurtleDoorPuzzle::DropPickedTurtle()
{
    const MGSprite& oTurtle = m_aoTurtles[m_ePickedTurtle];
    CoreFxVec2 size;
    oTurtle.GetScaledSize(size);
    MGRectangle box;
    box.m_fxX = oTurtle.GetPosition().x - oTurtle.GetPivot().x;
    box.m_fxY = oTurtle.GetPosition().y - oTurtle.GetPivot().y;
    box.SetSize(size.x, size.y);

    for (int32_t iZone = 0; iZone < ZONE_COUNT; ++iZone) {
        if (!GetDropZone(iZone).Intersects(box))
            continue;
        DropZone& target = m_aoZones[iZone];
        const int32_t iSlot = FindFreeSlot(target);
        if (iSlot >= 0) {
            for (DropZone& zone : m_aoZones) {
                for (int32_t& iHeld : zone.m_aiSlots) {
                    if (iHeld == m_ePickedTurtle)
                        iHeld = Turtle_None;
                }
            }
            target.m_aiSlots[iSlot] = m_ePickedTurtle;
            if (iSlot == SLOT_COUNT - 1) {
                ENGINE_ASSERT(m_ePickedTurtle == Turtle_Small);
                LightSymbolOf(iZone);
            }
        }
        break;
    }
    PlayTurtleSound(m_ePickedTurtle);
    m_ePickedTurtle = Turtle_None;
    LayoutTurtles();
}

void MiniGameTurtleDoorPuzzle::LightSymbolOf(int32_t iZone)
{
    if (m_iProgress >= ZONE_COUNT || GetCompletionZone(m_iProgress) != iZone)
        return;
    ++m_iProgress;
    if (m_aoZones[iZone].m_oSymbol.IsInitialized())
        m_aoZones[iZone].m_oSymbol.SetVisible(true);
    SoundManager::PlayEffect(SOUND_SYMBOL_LIT);
}
