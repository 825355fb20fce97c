#include "Support/PlayWay.h"

#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace TestSupport {

namespace {

// The island map that the island's paths lead over.
const std::string ISLAND_MAP = "bg901_BountyIslandMap";

} // namespace

KeptOnFailure::~KeptOnFailure()
{
    if (!testing::Test::HasFailure())
        return;
    const std::filesystem::path kept = BinaryDir() / "PlayFailures" / m_name;
    std::error_code ignored;
    std::filesystem::remove_all(kept, ignored);
    std::filesystem::create_directories(kept, ignored);
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path(), ignored)) {
        const std::filesystem::path& file = entry.path();
        if (file.extension() == ".png" || file.extension() == ".txt")
            std::filesystem::copy_file(file, kept / file.filename(), std::filesystem::copy_options::overwrite_existing,
                                       ignored);
    }
}

void Way::Do(const std::string& thing, Verb verb, ClickStyle style)
{
    m_play.Use(thing, verb, style);
    m_play.WaitUntilInteractive();
    Expect(Acted(thing, verb));
}

void Way::Start(const std::string& thing, Verb verb)
{
    m_play.Use(thing, verb);
    Expect(Acted(thing, verb));
}

void Way::LeaveBy(const std::string& thing, Verb verb, const std::string& next)
{
    Start(thing, verb);
    Arrive(next);
}

void Way::Answer(const std::string& who, const std::string& answer)
{
    m_play.Use(who, Verb::Talk);
    m_play.ChooseKey(answer);
    m_play.WaitUntilInteractive();
    Expect("Action \"Talk\" on " + On(who));
}

void Way::Give(const std::string& item, const std::string& thing)
{
    m_play.DragItemOnto(item, thing);
    m_play.WaitUntilInteractive();
    Expect("UseItem \"" + item + "\" on " + On(thing));
}

void Way::GiveThenLeave(const std::string& item, const std::string& thing, const std::string& next)
{
    m_play.DragItemOnto(item, thing);
    Expect("UseItem \"" + item + "\" on " + On(thing));
    Arrive(next);
}

void Way::PutTogether(const std::string& item, const std::string& other)
{
    m_play.Combine(item, other);
    m_play.CloseInventory();
    m_play.WaitUntilInteractive();
    Expect("CombineItem \"" + item + "\" with \"" + other + "\"");
}

void Way::PutTogetherThenWatch(const std::string& item, const std::string& other)
{
    m_play.Combine(item, other);
    m_play.WaitUntilInteractive();
    Expect("CombineItem \"" + item + "\" with \"" + other + "\"");
}

void Way::GoBy(const std::string& marked)
{
    TakeExit(marked, Exit::Marked);
    m_play.WaitUntilInteractive();
}

void Way::Leave(const std::string& exit, const std::string& next, Exit kind)
{
    TakeExit(exit, kind);
    Arrive(next);
}

void Way::LeaveAnswering(const std::string& exit, const std::string& answer, const std::string& next, Exit kind)
{
    TakeExit(exit, kind);
    m_play.ChooseKey(answer);
    Arrive(next);
}

void Way::Travel(const std::string& exit, const std::string& next, Exit kind)
{
    TakeExit(exit, kind);
    Expect(SceneLoadLine(ISLAND_MAP));
    Arrive(next);
}

void Way::TravelByMap(const std::string& next)
{
    m_play.OpenMapTab();
    PinTo(next);
}

void Way::TravelOver(const std::string& exit, const std::string& next, Exit kind)
{
    TakeExit(exit, kind);
    m_play.WaitForMapTab();
    PinTo(next);
}

void Way::PinTo(const std::string& next)
{
    m_play.TravelByMap(next);
    Expect("Action \"Map\" on \"");
    Arrive(next);
}

void Way::Arrive(const std::string& next)
{
    m_play.WaitForScene(next);
    m_play.WaitUntilInteractive();
    Expect(SceneLoadLine(next));
    m_scene = next;
}

std::string Way::Acted(const std::string& thing, Verb verb) const
{
    static const char* const VERBS[] = {"Activate", "Look", "Talk"};
    return "Action \"" +
           std::string(VERBS[verb == Verb::Activate ? 0
                             : verb == Verb::Look   ? 1
                                                    : 2]) +
           "\" on " + On(thing);
}

void Way::TakeExit(const std::string& exit, Exit kind)
{
    if (kind == Exit::Marked)
        m_play.Click(exit);
    else
        m_play.Use(exit, Verb::Activate);
    Expect("Action \"Activate\" on " + On(exit));
}

} // namespace TestSupport
