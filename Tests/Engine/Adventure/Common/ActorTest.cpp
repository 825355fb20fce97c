// The actor's actions on its character: walks to waypoints, turns, animations
// and what actors without a character do with them.
#include "Adventure/Common/Actor.h"
#include "Common/AnimationIds.h"
#include "FakeScriptableServices.h"
#include "Scene/Common/Character.h"
#include "Support/WalkMeshSamples.h"

#include "Support/LogCapture.h"

#include <gtest/gtest.h>

namespace {

using TestSupport::LogOf;

constexpr fx32 ONE = FX32_ONE;
constexpr int32_t IDLE_ID = 486;
constexpr int32_t WAVE_ID = 471;
constexpr int32_t HEROINE_ID = static_cast<int32_t>(0xF0E7A990u);
constexpr int32_t OTHER_ID = static_cast<int32_t>(0xD9024648u);

ActionDesc Action(int32_t type, int32_t v0 = 0, int32_t v1 = 0, int32_t v2 = 0)
{
    return ActionDesc {type, ID_SCRIPTABLE_INVALID, {}, {v0, v1, v2}};
}

class ActorTest : public testing::Test {
protected:
    void SetUp() override
    {
        WalkMeshSource source;
        source.triangles = TestSupport::StripFloor(16);
        ASSERT_TRUE(TestSupport::BakeAndLoad(source, m_mesh));
        m_locators[0] = {{20 * ONE, 32 * ONE, 0}, 0, 0, 0, 0};
        m_locators[1] = {{300 * ONE, 32 * ONE, 0}, 0, 6434, 0, 0};
        m_locators[2] = {{900 * ONE, 32 * ONE, 0}, 0, 0, 0, 0};
        m_locators[3] = {{150 * ONE, 40 * ONE, 0}, 0, 0, 0, 0};
        m_surroundings.m_pWalkMesh = &m_mesh;
        m_surroundings.m_pLocators = m_locators;
        m_surroundings.m_iNumLocators = 4;
        m_surroundings.m_ppCharacters = m_apCharacters;
        m_surroundings.m_iNumCharacters = 2;
        for (Character* character : {&m_heroine, &m_other}) {
            character->SetSurroundings(&m_surroundings);
            character->GetAnimations().AddAnimation(IDLE_ID, 0, 2.0f, ANIMATION_TYPE_IDLE);
            character->GetAnimations().AddAnimation(WAVE_ID, 1, 0.5f, ANIMATION_TYPE_STANDARD);
        }
        m_actor.SetCharacter(&m_heroine);
        m_otherActor.SetCharacter(&m_other);
        m_services.Register(m_actor, HEROINE_ID);
        m_services.Register(m_otherActor, OTHER_ID);
        m_heroine.SetPosition(m_locators[0].m_vPosition);
        m_other.SetPosition(m_locators[1].m_vPosition);
    }

    // Frames of the character and its actor until the actor is idle.
    int32_t RunUntilIdle(int32_t maxFrames)
    {
        int32_t frames = 0;
        while (!m_actor.IsIdle() && frames < maxFrames) {
            m_heroine.Update(16);
            m_actor.Update(16);
            ++frames;
        }
        return frames;
    }

    WalkMesh m_mesh;
    Locator m_locators[4] {};
    CharacterSurroundings m_surroundings;
    Character m_heroine;
    Character m_other;
    const Character* m_apCharacters[2] = {&m_heroine, &m_other};
    FakeScriptableServices m_services;
    Actor m_actor {0xF0E7A990u};
    Actor m_otherActor {0xD9024648u};
};

TEST_F(ActorTest, WalksToAWaypointThroughTheOnesOnTheWay)
{
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_WALK_TO_WAYPOINT, 2, -1, 3));
    EXPECT_FALSE(m_actor.IsIdle());
    EXPECT_LT(RunUntilIdle(1000), 1000);
    EXPECT_EQ(m_heroine.m_vPosition.x, 900 * ONE);
    EXPECT_EQ(m_heroine.m_vPosition.y, 32 * ONE);
    EXPECT_TRUE(m_heroine.m_bCollision);
}

TEST_F(ActorTest, WalksThatCannotStartCompleteAtOnce)
{
    m_locators[2].m_vPosition.x = 2000 * ONE;
    for (const ActionDesc& action :
         {Action(ID_ACTION_TYPE_WALK_TO_WAYPOINT, 2, -1, -1), Action(ID_ACTION_TYPE_WALK_TO_WAYPOINT, 4, -1, -1),
          Action(ID_ACTION_TYPE_WALK_TO_ACTOR, 0x12345)}) {
        m_actor.ExecuteAction(action);
        EXPECT_TRUE(m_actor.IsIdle());
        EXPECT_EQ(m_heroine.m_vPosition.x, 20 * ONE);
    }
}

TEST_F(ActorTest, WalksToTheSpotInFrontOfAnotherActor)
{
    m_other.SetDirection(6434);
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_WALK_TO_ACTOR, OTHER_ID));
    EXPECT_FALSE(m_heroine.m_bCollision);
    EXPECT_LT(RunUntilIdle(1000), 1000);
    EXPECT_EQ(m_heroine.m_vPosition.x, 300 * ONE + m_other.m_iFacingX * 50);
    EXPECT_TRUE(m_heroine.m_bCollision);
}

TEST_F(ActorTest, TurnsAtOnceToAnAngleAndTowardAnotherActor)
{
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_TURN_TO_ANGLE, 90));
    EXPECT_FALSE(m_actor.IsIdle());
    EXPECT_NEAR(m_heroine.GetAngle(), 6434, 4);
    m_actor.Update(16);
    EXPECT_TRUE(m_actor.IsIdle());

    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_TURN_TO_ACTOR, OTHER_ID, 0x8000));
    EXPECT_LT(RunUntilIdle(100), 100);
    EXPECT_GT(m_heroine.m_iFacingX, ONE - 8) << "the other stands along +x";

    // Toward itself: reported, nothing turns.
    const fx32 facing = m_heroine.m_iFacingX;
    const std::string log =
        LogOf([&] { m_actor.ExecuteAction(Action(ID_ACTION_TYPE_TURN_TO_ACTOR, HEROINE_ID, 0x8000)); });
    EXPECT_NE(log.find("function:  Actor::DoRotateToActor\ncondition: m_iActorId != iActor\n"), std::string::npos)
        << log;
    EXPECT_TRUE(m_actor.IsIdle());
    EXPECT_EQ(m_heroine.m_iFacingX, facing);
    EXPECT_FALSE(m_heroine.m_bTurning);
}

TEST_F(ActorTest, TurningTowardAnActorAimsWhereItsMovingAnimationShowsIt)
{
    m_other.GetAnimations().m_bMoving = 1;
    m_other.m_vCorrectedPosition = {20 * ONE, 300 * ONE, 0};
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_TURN_TO_ACTOR, OTHER_ID, 0));
    EXPECT_EQ(m_heroine.m_iFacingX, 0);
    EXPECT_EQ(m_heroine.m_iFacingY, ONE) << "toward +y, not toward its logical place along +x";
}

TEST_F(ActorTest, PlacingAndTurningAtAWaypointFaceTheSameWay)
{
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_PLACE_AT_WAYPOINT, 1, 0x100));
    EXPECT_TRUE(m_actor.IsIdle());
    EXPECT_EQ(m_heroine.m_vPosition.x, 300 * ONE);
    EXPECT_EQ(m_heroine.m_iFacingY, -ONE) << "only the low byte says to take the waypoint's facing";
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_TURN_TO_WAYPOINT, 1));
    EXPECT_FALSE(m_actor.IsIdle());
    EXPECT_LT(RunUntilIdle(100), 100);
    const fx32 turnedX = m_heroine.m_iFacingX;
    const fx32 turnedY = m_heroine.m_iFacingY;
    m_heroine.SetDirection(0);
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_PLACE_AT_WAYPOINT, 1, 1));
    EXPECT_EQ(m_heroine.m_iFacingX, turnedX);
    EXPECT_EQ(m_heroine.m_iFacingY, turnedY);
    EXPECT_EQ(turnedX, ONE);
}

TEST_F(ActorTest, FlagActionsTakeTheLowByteAndCompleteAtOnce)
{
    const struct {
        int32_t type;
        const uint8_t& flag;
    } cases[] = {
        {ID_ACTION_TYPE_SET_WALK_ONLY, m_heroine.m_bForceWalk},
        {ID_ACTION_TYPE_SET_CAST_SHADOW, m_heroine.m_bShadow},
        {ID_ACTION_TYPE_SET_VISIBLE, m_heroine.m_bShown},
        {ID_ACTION_TYPE_SET_WALK_PAUSED, m_heroine.m_bHeld},
    };
    for (const auto& c : cases) {
        m_actor.ExecuteAction(Action(c.type, 0x101));
        EXPECT_TRUE(m_actor.IsIdle()) << c.type;
        EXPECT_EQ(c.flag, 1) << c.type;
        m_actor.ExecuteAction(Action(c.type, 0x100));
        EXPECT_EQ(c.flag, 0) << c.type;
    }
    EXPECT_FALSE(m_actor.IsVisible());
}

TEST_F(ActorTest, AMovingAnimationCommitsWhereItEndedOnlyWhenAsked)
{
    for (const int32_t commit : {0, 1}) {
        m_heroine.m_bPending = 0;
        m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ANIMATION, IDLE_ID, 1));
        m_actor.ExecuteAction(Action(ID_ACTION_TYPE_PLAY_ANIMATION, WAVE_ID, 0, commit));
        EXPECT_FALSE(m_actor.IsIdle());
        EXPECT_TRUE(m_heroine.GetAnimations().m_bMoving);
        EXPECT_LT(RunUntilIdle(100), 100);
        EXPECT_EQ(m_heroine.m_bPending, commit);
        EXPECT_FALSE(m_heroine.m_bCommitAtEnd);
    }
}

TEST_F(ActorTest, LoopingAnimationsCompleteAtOnceAndOneShotsWhenTheyEnd)
{
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ANIMATION, IDLE_ID, 1));
    EXPECT_TRUE(m_actor.IsIdle());
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ANIMATION, WAVE_ID, 0));
    EXPECT_FALSE(m_actor.IsIdle());
    EXPECT_NEAR(RunUntilIdle(100), 32, 1) << "0.5 s in 16 ms frames";
    EXPECT_EQ(m_heroine.GetAnimations().GetEntry(m_heroine.GetAnimations().GetCurrentIndex()).m_iId, WAVE_ID)
        << "the one-shot keeps its last pose";
}

TEST_F(ActorTest, ALoopTheActorStartsPlaysOnUntilAWalkEndsIt)
{
    const CharacterAnimations& animations = m_heroine.GetAnimations();
    const auto playing = [&animations] { return animations.GetEntry(animations.GetCurrentIndex()).m_iId; };
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ANIMATION, WAVE_ID, 1));
    EXPECT_TRUE(m_actor.IsIdle());
    // Several cycles of the half-second wave.
    for (int frame = 0; frame < 100; ++frame) {
        m_heroine.Update(16);
        m_actor.Update(16);
        ASSERT_EQ(playing(), WAVE_ID) << "frame " << frame;
    }
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_WALK_TO_WAYPOINT, 3, -1, -1));
    EXPECT_LT(RunUntilIdle(400), 400);
    m_heroine.Update(16);
    EXPECT_EQ(playing(), IDLE_ID) << "the idle follows the walk";
}

TEST_F(ActorTest, AnAnimationTheCharacterLacksIsOnlyLogged)
{
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ANIMATION, IDLE_ID, 1));
    for (const int32_t id : {ANIMATION_INVALID, 531}) {
        const std::string log = LogOf([&] { m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ANIMATION, id, 0)); });
        EXPECT_NE(log.find("WARN["), std::string::npos) << log;
        EXPECT_TRUE(m_actor.IsIdle());
        EXPECT_EQ(m_heroine.GetAnimations().GetCurrentIndex(), 0);
    }
    EXPECT_NE(LogOf([&] {
                  m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ANIMATION, 531, 0));
              }).find("Character()::SetCurrentAnimation - Missing animation g_talk_l\n"),
              std::string::npos);
}

TEST_F(ActorTest, AnAnimationWithoutAnIdLeavesTheWalkAndTheFlagsAlone)
{
    for (const int32_t type :
         {ID_ACTION_TYPE_ANIMATION, ID_ACTION_TYPE_PLAY_ANIMATION, ID_ACTION_TYPE_ANIMATION_HOLD}) {
        ASSERT_TRUE(m_heroine.MoveToWithPath(m_locators[2].m_vPosition, 0, nullptr));
        m_heroine.Update(16);
        const std::string log = LogOf([&] { m_actor.ExecuteAction(Action(type, ANIMATION_INVALID, 0, 1)); });
        EXPECT_NE(log.find("Actor(tavrine) - no animation to play\n"), std::string::npos) << log;
        EXPECT_TRUE(m_actor.IsIdle()) << type;
        EXPECT_TRUE(m_heroine.m_bWalking) << type;
        EXPECT_TRUE(m_heroine.m_bFollowingPath) << type;
        EXPECT_FALSE(m_heroine.GetAnimations().m_bKeep) << type;
        EXPECT_FALSE(m_heroine.GetAnimations().m_bWaitFirst) << type;
        EXPECT_FALSE(m_heroine.m_bCommitAtEnd) << type;
        m_heroine.StopMoving();
    }
}

TEST_F(ActorTest, AHeldAnimationWaitsForTheIdleToFinishItsCycle)
{
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ANIMATION, IDLE_ID, 1));
    for (int frame = 0; frame < 75; ++frame)
        m_heroine.Update(16);
    const CharacterAnimations& animations = m_heroine.GetAnimations();
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ANIMATION_HOLD, WAVE_ID, 0));
    EXPECT_FALSE(m_actor.IsIdle());
    EXPECT_EQ(animations.GetPreviousIndex(), 0) << "the idle plays on";
    EXPECT_FALSE(animations.GetTrack(0).m_bOn);
    // 0.8 s of the 2 s idle are left, then the 0.5 s wave plays whole.
    EXPECT_NEAR(RunUntilIdle(200), 82, 2);
    EXPECT_EQ(animations.GetPreviousIndex(), -1);
    EXPECT_FLOAT_EQ(animations.GetTrack(0).m_fWeight, 1.0f);

    // Holding the animation that already plays leaves no wait behind.
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ANIMATION_HOLD, WAVE_ID, 1));
    EXPECT_FALSE(animations.m_bWaitFirst);
}

TEST_F(ActorTest, AttachmentActionsTakeTheIdFirstAndTheBoneSecond)
{
    Attachment axe;
    Attachment* attachments[1] = {&axe};
    const uint32_t ids[1] = {0x00CD7AC7u};
    m_surroundings.m_ppAttachments = attachments;
    m_surroundings.m_pAttachmentIds = ids;
    m_surroundings.m_iNumAttachments = 1;
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ADD_ATTACHMENT, static_cast<int32_t>(ids[0]), 4));
    EXPECT_TRUE(m_actor.IsIdle());
    ASSERT_EQ(m_heroine.GetNumAttachments(), 1);
    EXPECT_EQ(m_heroine.GetAttachment(0).m_pAttachment, &axe);
    EXPECT_EQ(m_heroine.GetAttachment(0).m_iBoneId, 4);
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_REMOVE_ATTACHMENT, static_cast<int32_t>(ids[0])));
    EXPECT_TRUE(m_actor.IsIdle());
    EXPECT_EQ(m_heroine.GetNumAttachments(), 0);
    EXPECT_FALSE(axe.IsBound());
}

TEST_F(ActorTest, ActorsWithoutACharacterRefuseCharacterActions)
{
    Actor logic(0x80552EA9u);
    for (const int32_t type : {ID_ACTION_TYPE_WALK_TO_WAYPOINT, ID_ACTION_TYPE_TURN_TO_ACTOR, ID_ACTION_TYPE_ANIMATION,
                               ID_ACTION_TYPE_SET_VISIBLE}) {
        const std::string log = LogOf([&] { logic.ExecuteAction(Action(type, 1, 1)); });
        EXPECT_NE(log.find("Actor(villager2) has no character: action " + std::to_string(type) + " refused\n"),
                  std::string::npos)
            << log;
        EXPECT_TRUE(logic.IsIdle());
        logic.Update(16);
    }
}

TEST_F(ActorTest, APickingBoxLastsUntilTheNextAnimationChange)
{
    m_heroine.Update(16);
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_SET_PICKING_BOX, 300, 80, 10));
    EXPECT_TRUE(m_actor.IsIdle());
    for (int frame = 0; frame < 5; ++frame) {
        m_heroine.Update(16);
        m_actor.Update(16);
    }
    EXPECT_EQ(m_heroine.m_iBoxHeight, 300 * ONE) << "the idle that goes on keeps it";
    EXPECT_EQ(m_heroine.m_iBoxHalfWidth, 80 * ONE);
    EXPECT_EQ(m_heroine.m_iBoxOffset, 10 * ONE);
    m_actor.ExecuteAction(Action(ID_ACTION_TYPE_ANIMATION, WAVE_ID, 1));
    EXPECT_EQ(m_heroine.m_iBoxHeight, 200 * ONE) << "the actor's own settings come with the new animation";
    EXPECT_EQ(m_heroine.m_iBoxHalfWidth, 50 * ONE);
    EXPECT_EQ(m_heroine.m_iBoxOffset, 0);
}

TEST_F(ActorTest, OffersLookAndTalk)
{
    TwEventType types[2] = {static_cast<TwEventType>(9), static_cast<TwEventType>(9)};
    EXPECT_EQ(m_actor.GetEventTypes(types, 1), 2);
    EXPECT_EQ(types[0], static_cast<TwEventType>(1));
    EXPECT_EQ(types[1], static_cast<TwEventType>(9));
    EXPECT_STREQ(m_actor.GetName(), "tavrine");
}

} // namespace
