// The game's cast: actors linked with the characters they drive, and what
// a pack that cannot be loaded leaves behind.
#include "Adventure/Common/Actor.h"
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/CharacterCast.h"
#include "Support/FakeSceneServices.h"

#include "Support/LogCapture.h"

#include <gtest/gtest.h>

namespace {

using TestSupport::LogOf;

TEST(CharacterCastTest, ActorsDriveCharactersAndAMissingPackLoadsNone)
{
    CharacterCast cast;
    const uint32_t tavrine = Id::GetActorId("tavrine");
    std::unique_ptr<Scriptable> actor = cast.CreateActor(tavrine);
    ASSERT_NE(dynamic_cast<Actor*>(actor.get()), nullptr);
    EXPECT_STREQ(actor->GetName(), "tavrine");

    std::unique_ptr<SceneCharacter> character;
    const std::string log =
        LogOf([&] { character = cast.LoadCharacter("scenes/nowhere/tavrine.dr", tavrine, *actor, "tavrine"); });
    EXPECT_EQ(character, nullptr);
    EXPECT_NE(log.find("Load actor: \"scenes/nowhere/tavrine.dr\"\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Error loading actor\n"), std::string::npos) << log;
    EXPECT_EQ(static_cast<Actor&>(*actor).GetCharacter(), nullptr);

    // Without a body every animation is there but cannot play: done at once.
    Character walker(tavrine);
    cast.AddAnimation(walker, Id::GetAnimationId(tavrine, "g_idle_l"), ANIMATION_TYPE_IDLE);
    EXPECT_NE(LogOf([&] { cast.AddAnimation(walker, ANIMATION_INVALID, ANIMATION_TYPE_WALK); }).find("left out"),
              std::string::npos);
    EXPECT_EQ(walker.GetAnimations().GetNumAnimations(), 1);
    EXPECT_EQ(walker.GetAnimations().GetSlot(ANIMATION_TYPE_WALK), -1);
    EXPECT_TRUE(walker.SetCurrentAnimation(Id::GetAnimationId(tavrine, "g_idle_l"), false, false));
    EXPECT_TRUE(walker.IsAnimationDone());
}

TEST(CharacterCastTest, EveryScenePlaysTheGamesCastUnlessAnotherIsSet)
{
    const uint32_t tavrine = Id::GetActorId("tavrine");
    EXPECT_NE(dynamic_cast<Actor*>(GetSceneCast().CreateActor(tavrine).get()), nullptr);
    {
        TestSupport::FakeSceneCast fake;
        EXPECT_EQ(&GetSceneCast(), &fake);
    }
    EXPECT_NE(dynamic_cast<CharacterCast*>(&GetSceneCast()), nullptr);
}

} // namespace
