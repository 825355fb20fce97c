#pragma once
#include "Support/PlayerInput.h"

#include <optional>
#include <string>

class MGSprite;
class MiniGame;
class Scene;
class SceneObject;

namespace TestSupport {

// Where the player finds a thing on the screen, or why it is not there.
struct Place {
    ScreenPoint point;
    std::string missing;

    bool Found() const { return missing.empty(); }
    static Place Nowhere(std::string why) { return {{}, std::move(why)}; }
};

// The places a player clicks, read from the running game's own data on the
// virtual screen: nothing here is typed in.

// The scene being played: the current scene once loaded, else null.
Scene* PlayedScene();
// The mini-game that runs instead of the adventure, else null.
MiniGame* PlayedMiniGame();
// The scene's hotspot of that name: an entity's region or shown sprite, or
// an actor's character.
SceneObject* FindObject(const Scene& scene, const std::string& name);
// The on-screen centre of the hotspot's box (a region's first triangle when
// the centre falls outside it).
Place ObjectPlace(const std::string& name);
// A point of the hotspot near the corner of its box farthest from its
// marker (where its verb menu opens), on the screen.
Place ObjectCornerPlace(const std::string& name);
// The icon of the verb (CURSOR_LOOK, CURSOR_TALK, CURSOR_ACTIVATE) in the
// open verb menu.
Place VerbPlace(int32_t verb);
// The middle of the inventory cell that shows the item (an ITEM_ name).
Place ItemCellPlace(const std::string& item);
// The inventory pages from the shown one to the one that holds the item
// (negative: back), or none when no cell holds it.
std::optional<int32_t> ItemPageTurns(const std::string& item);
// The inventory's arrow that turns to the next (or previous) page.
Place InventoryArrowPlace(bool next);
// The middle of row k of the talk screen's page of propositions.
Place ChoiceRowPlace(int32_t row);
// The talk screen's arrow that turns to the next (or previous) page.
Place PageArrowPlace(bool next);
// The in-game menu's button of the map tab.
Place MapTabPlace();
// The pin on the map tab of the open travel location that leads to the scene
// (a scene table name).
Place MapPinPlace(const std::string& scene);
// The quit box's line that quits, or (stay) the one that goes on playing.
Place QuitLinePlace(bool stay = false);
// The middle of button k (0 the first, 1 the second) of the running
// mini-game's message box, as the box lays it out.
Place MiniGameButtonPlace(int32_t button);
// The middle of a picture of the running mini-game (a lever, a button), as
// the game tests a click on it.
Place MiniGameSpritePlace(const MGSprite& sprite);

// What the pointer at the point would pick in the played scene, as the
// scene's own picking finds it.
SceneObject* PickedAt(ScreenPoint point);
// The name of a picked object's owner, for messages.
std::string NameOf(const SceneObject* object);

} // namespace TestSupport
