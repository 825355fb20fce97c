#include "Support/ScreenPlaces.h"

#include "Adventure/Common/Entity.h"
#include "Common/ItemIds.h"
#include "Common/SceneIds.h"
#include "Dialogs/Common/DialogInterface.h"
#include "Game/TwGame.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Interface/Common/SystemMessageBox.h"
#include "Inventory/Common/Inventory.h"
#include "Managers/Common/SceneManager.h"
#include "MiniGame/Common/MGSprite.h"
#include "MiniGame/Common/MiniGame.h"
#include "Scene/Common/Region.h"
#include "Scene/Common/Scene.h"
#include "Screen/CoreVirtualScreen.h"
#include "ScriptEngine/common/MapThumb.h"
#include "States/Common/MiniGameState.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace TestSupport {
namespace {

ScreenPoint Middle(fx32 left, fx32 top, fx32 right, fx32 bottom)
{
    return {left + (right - left) / 2, top + (bottom - top) / 2};
}

ScreenPoint SpriteMiddle(const InterfaceSprite& sprite)
{
    fx32 x[4];
    fx32 y[4];
    sprite.ComputeCorners(sprite.m_fxX, sprite.m_fxY, x, y);
    return {(x[0] + x[1] + x[2] + x[3]) / 4, (y[0] + y[1] + y[2] + y[3]) / 4};
}

uint32_t ItemIdOf(const std::string& name)
{
    for (const ItemIdRow& row : Id::GetItemTable())
        if (row.m_pName && name == row.m_pName)
            return row.m_uId;
    return 0;
}

} // namespace

Scene* PlayedScene()
{
    return dynamic_cast<Scene*>(SceneManager::GetCurrentScene());
}

MiniGame* PlayedMiniGame()
{
    auto* state = dynamic_cast<MiniGameState*>(g_oTwGame.GetCurrentState());
    return state ? state->GetMiniGame() : nullptr;
}

SceneObject* FindObject(const Scene& scene, const std::string& name)
{
    // The scene file keeps sixteen bytes of a name: the scene table holds it
    // whole.
    const SceneDesc* row = Id::GetSceneDesc(scene.m_iId);
    for (int32_t i = 0; i < scene.m_iNumEntities; ++i) {
        const Entity& entity = scene.m_vEntities[i];
        const bool named = row && i < row->m_iNbObjects ? name == row->m_ppObjectNames[i] : name == entity.m_sName;
        if (!named)
            continue;
        if (entity.m_pRegion)
            return entity.m_pRegion;
        // An object with nothing to show gives way to a character of its name.
        if (SceneObject* sprite = entity.GetShownSprite())
            return sprite;
    }
    for (int32_t i = 0; i < scene.m_iNumCharacters; ++i) {
        const Scriptable* actor = scene.m_apActors[i].get();
        if (actor && actor->GetName() && name == actor->GetName())
            return scene.m_apCharacters[i].get();
    }
    return nullptr;
}

namespace {

// The played scene's hotspot of that name, else why it is not there.
const SceneObject* PlayedObject(const std::string& name, std::string& missing)
{
    const Scene* scene = PlayedScene();
    const SceneObject* object = scene ? FindObject(*scene, name) : nullptr;
    if (!scene)
        missing = "no scene is played";
    else if (!object)
        missing = "the scene " + std::string(scene->GetName()) + " has no " + name;
    return object;
}

int64_t SquaredDistance(const ScreenPoint& from, const CoreFxVec& to)
{
    const int64_t dx = int64_t(from.x) - to.x;
    const int64_t dy = int64_t(from.y) - to.y;
    return dx * dx + dy * dy;
}

} // namespace

Place ObjectPlace(const std::string& name)
{
    std::string missing;
    const SceneObject* object = PlayedObject(name, missing);
    if (!object)
        return Place::Nowhere(missing);
    const Scene* scene = PlayedScene();
    const SceneRect& box = object->m_oBox;
    ScreenPoint layer = Middle(box.xMin, box.yMin, box.xMax, box.yMax);
    const auto* region = dynamic_cast<const Region*>(object);
    if (region && !region->Contains(layer.x, layer.y, 0) && !region->m_vTriangles.empty()) {
        const RegionTriangle& t = region->m_vTriangles.front();
        layer = {((t.x0 + t.x1 + t.x2) << FX32_SHIFT) / 3, ((t.y0 + t.y1 + t.y2) << FX32_SHIFT) / 3};
    }
    // Boxes lie on the main layer, which scrolls under the screen.
    return {{layer.x - scene->m_fScroll, layer.y}, {}};
}

Place ObjectCornerPlace(const std::string& name)
{
    std::string missing;
    const SceneObject* object = PlayedObject(name, missing);
    if (!object)
        return Place::Nowhere(missing);
    const SceneRect& box = object->m_oBox;
    const fx32 inset = 4 * FX32_ONE;
    const fx32 left = box.xMin + inset;
    const fx32 top = box.yMin + inset;
    const fx32 right = box.xMax - inset;
    const fx32 bottom = box.yMax - inset;
    const ScreenPoint corners[] = {{left, top}, {right, top}, {left, bottom}, {right, bottom}};
    const CoreFxVec& marker = object->m_oPulse.m_oPosition;
    const fx32 scroll = PlayedScene()->m_fScroll;
    std::optional<ScreenPoint> farthest;
    for (const ScreenPoint& corner : corners) {
        const bool onScreen = corner.x - scroll >= 0 && corner.x - scroll <= 256 * FX32_ONE && corner.y >= 0 &&
                              corner.y <= 192 * FX32_ONE;
        if (onScreen && object->Contains(corner.x, corner.y, 0) &&
            (!farthest || SquaredDistance(corner, marker) > SquaredDistance(*farthest, marker)))
            farthest = corner;
    }
    if (!farthest)
        return Place::Nowhere("no corner of the box of " + name + " lies on it and on the screen");
    return {{farthest->x - scroll, farthest->y}, {}};
}

Place VerbPlace(int32_t verb)
{
    Scene* scene = PlayedScene();
    if (!scene || !scene->m_bVerbMenuOpen)
        return Place::Nowhere("no verb menu is open");
    for (int32_t slot = 0; slot < 2; ++slot) {
        if (scene->m_oCursor.m_aSlots[slot].m_iVerb == verb) {
            const CoreFxVec2 place = scene->m_oCursor.GetVerbPlace(slot);
            return {{place.x, place.y}, {}};
        }
    }
    return Place::Nowhere("the verb menu does not offer verb " + std::to_string(verb));
}

Place ItemCellPlace(const std::string& item)
{
    InterfaceMenu* menu = InterfaceMenu::GetInstance();
    const uint32_t id = ItemIdOf(item);
    if (!menu || id == 0)
        return Place::Nowhere("no inventory, or no item " + item);
    const Inventory& inventory = menu->GetInventory();
    const auto cells = inventory.GetCells();
    for (int32_t k = 0; k < INVENTORY_PAGE_CELLS; ++k) {
        const int32_t cell = inventory.GetPageStart() + k;
        if (cell < INVENTORY_CELLS && cells[cell] == id) {
            const CoreFxVec2 corner = Inventory::GetCellPosition(k);
            const fx32 cellSize = Inventory::GetCellPosition(1).x - Inventory::GetCellPosition(0).x;
            return {{corner.x + cellSize / 2, corner.y + cellSize / 2}, {}};
        }
    }
    return Place::Nowhere("the inventory page shows no " + item);
}

std::optional<int32_t> ItemPageTurns(const std::string& item)
{
    InterfaceMenu* menu = InterfaceMenu::GetInstance();
    const uint32_t id = ItemIdOf(item);
    if (!menu || id == 0)
        return std::nullopt;
    const Inventory& inventory = menu->GetInventory();
    const auto cells = inventory.GetCells();
    const auto cell = std::find(cells.begin(), cells.end(), id);
    if (cell == cells.end())
        return std::nullopt;
    const int32_t page = int32_t(cell - cells.begin()) / INVENTORY_PAGE_CELLS;
    return page - inventory.GetPageStart() / INVENTORY_PAGE_CELLS;
}

Place InventoryArrowPlace(bool next)
{
    InterfaceMenu* menu = InterfaceMenu::GetInstance();
    if (!menu)
        return Place::Nowhere("no in-game menu");
    const InterfaceButton& arrow = menu->GetButton(next ? BUTTON_NEXT_PAGE : BUTTON_PREVIOUS_PAGE);
    if (!arrow.m_bVisible)
        return Place::Nowhere(next ? "no arrow to the next inventory page" : "no arrow to the previous inventory page");
    const CoreFxVec2 centre = arrow.GetCenter();
    return {{centre.x, centre.y}, {}};
}

Place ChoiceRowPlace(int32_t row)
{
    const DialogInterface& talk = g_oDialogInterface;
    const fx32 height = talk.GetRowHeight();
    if (talk.GetState() != DIALOG_STATE_THINKING || height <= 0)
        return Place::Nowhere("the talk screen offers no propositions");
    const fx32 top = talk.GetTextTop() + row * height;
    return {Middle(talk.GetTextLeft(), top, talk.GetTextRight(), top + height), {}};
}

Place PageArrowPlace(bool next)
{
    const InterfaceSprite& arrow = next ? g_oDialogInterface.GetArrowDown() : g_oDialogInterface.GetArrowUp();
    if (!arrow.m_bVisible)
        return Place::Nowhere(next ? "no arrow to the next page" : "no arrow to the previous page");
    return {SpriteMiddle(arrow), {}};
}

Place MapTabPlace()
{
    InterfaceMenu* menu = InterfaceMenu::GetInstance();
    if (!menu || !menu->IsOpen())
        return Place::Nowhere("the in-game menu is not open");
    // The tab bar's buttons stand where the tabs' "off" buttons do.
    const CoreFxVec2 centre = menu->GetButton(int32_t {BUTTON_INVENTORY_OFF} + TAB_MAP).GetCenter();
    return {{centre.x, centre.y}, {}};
}

Place MapPinPlace(const std::string& scene)
{
    InterfaceMenu* menu = InterfaceMenu::GetInstance();
    if (!menu || menu->GetCurrentTabIndex() != TAB_MAP)
        return Place::Nowhere("the map tab is not shown");
    const std::span<const MapThumbDesc> locations = MapThumb::GetThumbDescs();
    for (int32_t location = 0; location < NB_MAP_THUMBS; ++location) {
        const SceneDesc* leadsTo = Id::GetSceneDesc(static_cast<int32_t>(locations[location].m_uSceneId));
        const InterfaceButton& pin = menu->GetMap().GetPin(location);
        if (leadsTo && scene == leadsTo->m_pName && pin.m_bVisible && MapThumb::IsActive(locations[location])) {
            const CoreFxVec2 centre = pin.GetCenter();
            return {{centre.x, centre.y}, {}};
        }
    }
    return Place::Nowhere("no open location of the map leads to " + scene);
}

Place QuitLinePlace(bool stay)
{
    if (!g_bQuitBoxShown)
        return Place::Nowhere("the quit box is not shown");
    // Button lines are centred across the screen; the line that stays
    // follows the one that quits.
    const int32_t line = TwGame::QUIT_BUTTON + (stay ? 1 : 0);
    return {{VIRTUAL_SCREEN_WIDTH / 2, SystemMessageBox::ButtonLineY(line)}, {}};
}

Place MiniGameButtonPlace(int32_t button)
{
    MiniGame* game = PlayedMiniGame();
    if (!game || !game->GetMessageBox().IsShown())
        return Place::Nowhere("no mini-game box is shown");
    const MGMessageBox::Button& shown = game->GetMessageBox().GetButton(button);
    if (!shown.m_sText)
        return Place::Nowhere("the mini-game box has no button " + std::to_string(button));
    const MGRectangle& box = shown.m_oRect;
    return {Middle(box.m_fxX, box.m_fxY, box.m_fxX + box.m_fxWidth, box.m_fxY + box.m_fxHeight), {}};
}

Place MiniGameSpritePlace(const MGSprite& sprite)
{
    if (!sprite.IsInitialized() || !sprite.IsVisible())
        return Place::Nowhere("the mini-game's picture is not shown");
    CoreFxVec2 size;
    sprite.GetScaledSize(size);
    const CoreFxVec& position = sprite.GetPosition();
    const fx32 left = position.x - sprite.GetPivot().x;
    const fx32 top = position.y - sprite.GetPivot().y;
    return {Middle(left, top, left + size.x, top + size.y), {}};
}

SceneObject* PickedAt(ScreenPoint point)
{
    Scene* scene = PlayedScene();
    return scene ? scene->PickObjectAt(point.x, point.y) : nullptr;
}

std::string NameOf(const SceneObject* object)
{
    if (!object)
        return "nothing";
    if (object->m_pScriptable && object->m_pScriptable->GetName())
        return object->m_pScriptable->GetName();
    return std::string(object->m_sName, strnlen(object->m_sName, sizeof object->m_sName));
}

} // namespace TestSupport
