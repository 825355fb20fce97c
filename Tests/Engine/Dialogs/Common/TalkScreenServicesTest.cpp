#include "Dialogs/Common/TalkScreenServices.h"

#include "Adventure/Common/Actor.h"
#include "Common/IdHash.h"
#include "Managers/Common/ScriptManager.h"
#include "Scene/Common/Character.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr uint32_t MOTHER = ActorIdOf("bonita_c_chair");

TEST(TalkScreenServicesTest, TheSpeakerTalksOnTheSoundActorItsCharacterTookElseOnTheSharedOne)
{
    TestSupport::EnsureMainHeap();
    TestSupport::LogCapture log;
    DefaultTalkScreenServices services;
    // Nobody answers to the speaker's id.
    EXPECT_EQ(services.GetSpeakerSoundActor(MOTHER), 0);

    struct Case {
        const char* what;
        bool bActor;
        bool bCharacter;
        int32_t iSoundActor;
        int expected;
    };
    const Case cases[] = {
        {"a scriptable that is no actor", false, false, 0, 0},
        {"an actor without a character", true, false, 0, 0},
        {"a character without a sound actor", true, true, -1, 0},
        {"a character with sound actor 3", true, true, 3, 3},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Scriptable> speaker =
            c.bActor ? std::make_unique<Actor>(MOTHER) : std::make_unique<Scriptable>();
        Character character(MOTHER);
        character.SetSoundActorIndex(c.iSoundActor);
        if (c.bCharacter)
            static_cast<Actor&>(*speaker).SetCharacter(&character);
        ASSERT_TRUE(g_oScriptManager.InsertScriptable(ActorScriptableId(MOTHER), speaker.get())) << c.what;
        EXPECT_EQ(services.GetSpeakerSoundActor(MOTHER), c.expected) << c.what;
        g_oScriptManager.RemoveScriptable(ActorScriptableId(MOTHER));
    }
    // Outside the main adventure state there is nothing to print with.
    EXPECT_EQ(services.GetTextRenderer(), nullptr);
}

} // namespace
