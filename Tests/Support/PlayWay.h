#pragma once
#include "Support/PlayScript.h"
#include "Support/TestPaths.h"

#include <string>
#include <utility>
#include <vector>

namespace TestSupport {

// Keeps, when the test fails, what a person needs to see why: the play's
// transcript, the game's log and the pictures, in PlayFailures/<name> of the
// build folder.
class KeptOnFailure {
public:
    KeptOnFailure(const TempDir& folder, std::string name) : m_folder(folder), m_name(std::move(name)) { }
    ~KeptOnFailure();
    KeptOnFailure(const KeptOnFailure&) = delete;
    KeptOnFailure& operator=(const KeptOnFailure&) = delete;

private:
    const TempDir& m_folder;
    std::string m_name;
};

// How a player sees an exit: marked by an arrow under the pointer, or a
// hotspot like any other.
enum class Exit {
    Marked,
    Hotspot,
};

// The player's way through a chapter, step by step, with the lines the
// game's log must show for it, in order.
class Way {
public:
    Way(PlayScript& play, std::string scene) : m_play(play), m_scene(std::move(scene)) { }

    // A verb on a hotspot or character, and the game idle again after it.
    void Do(const std::string& thing, Verb verb, ClickStyle style = ClickStyle::Quick);
    // A talk with the character in which the heroine gives the answer (its
    // text key), and the game idle again after it.
    void Answer(const std::string& who, const std::string& answer);
    // An item dragged from the inventory onto a hotspot or character, and the
    // game idle again after it.
    void Give(const std::string& item, const std::string& thing);
    // The same, after which another scene (or the same one again) comes up.
    void GiveThenLeave(const std::string& item, const std::string& thing, const std::string& next);
    // Two items put together in the inventory, which is closed again.
    void PutTogether(const std::string& item, const std::string& other);
    // Two items put together in the inventory whose handler closes it to
    // show what she does with them, and the game idle again after it.
    void PutTogetherThenWatch(const std::string& item, const std::string& other);
    // A way within the scene that an arrow marks (the stairs): one click,
    // and the game idle again after it.
    void GoBy(const std::string& marked);
    // An exit: one click leaves where an arrow marks it, else its verb.
    void Leave(const std::string& exit, const std::string& next, Exit kind = Exit::Marked);
    // An exit that asks where to: the answer (its text key) leads on.
    void LeaveAnswering(const std::string& exit, const std::string& answer, const std::string& next,
                        Exit kind = Exit::Marked);
    // A verb on a hotspot or character after which the game is not idle
    // again in this scene: a movie, a mini-game or another scene follows.
    void Start(const std::string& thing, Verb verb);
    // The same, and the next scene it leads to.
    void LeaveBy(const std::string& thing, Verb verb, const std::string& next);
    // An exit to the island map, which draws the way on and leads there by
    // itself.
    void Travel(const std::string& exit, const std::string& next, Exit kind = Exit::Marked);
    // Over the map tab of the in-game menu to the scene.
    void TravelByMap(const std::string& next);
    // An exit that opens the in-game menu on its map tab, and over it to the
    // scene.
    void TravelOver(const std::string& exit, const std::string& next, Exit kind = Exit::Marked);
    // The next scene, and the game idle in it.
    void Arrive(const std::string& next);
    void Expect(const std::string& line) { m_log.push_back(line); }

    PlayScript& Play() { return m_play; }
    const std::vector<std::string>& Log() const { return m_log; }

private:
    void TakeExit(const std::string& exit, Exit kind);
    // The game's line for the verb on the thing.
    std::string Acted(const std::string& thing, Verb verb) const;
    // The pin of the scene on the shown map tab, and the scene.
    void PinTo(const std::string& next);
    // The game's log names a thing by its first sixteen letters.
    std::string On(const std::string& thing) const { return "\"" + m_scene + ":" + thing.substr(0, 16); }

    PlayScript& m_play;
    std::string m_scene;
    std::vector<std::string> m_log;
};

} // namespace TestSupport
