// The chase's rules on the recording renderer with the sample data: its
// collisions file, the start, the steering and its bounds, a hit with its
// pause and invulnerability, the third hit, the collision boxes and the
// finish line.
#include "Bytes/LittleEndian.h"
#include "Common/VarIds.h"
#include "Engine/MiniGame/Common/ChaseTestKit.h"
#include "Input/KeyCodes.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/SaveSlotData.h"
#include "MiniGame/Common/MiniGameTime.h"
#include "Random/CoreRandom.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace ChaseTest;

constexpr const char* TYPE_ASSERT = "iType >= 0 && iType < m_iCollisionObstacleCount";
constexpr const char* SIZE_ASSERT = "fWidth >= 0 && fHeight >= 0";
// Sample kinds: a crate that hits and grass the heroine runs over.
constexpr int32_t BOX = 1;
constexpr int32_t GRASS = 14;

struct Record {
    int32_t type;
    fx32 x, y, width, height;
};

std::vector<uint8_t> CollisionsFile(int8_t count, const std::vector<Record>& records)
{
    std::vector<uint8_t> bytes(1 + records.size() * MiniGameChase::COLLISION_RECORD_SIZE);
    bytes[0] = static_cast<uint8_t>(count);
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        const size_t at = 1 + i * MiniGameChase::COLLISION_RECORD_SIZE;
        WriteWord(bytes.data(), at, uint32_t(r.type));
        WriteWord(bytes.data(), at + 4, uint32_t(r.x));
        WriteWord(bytes.data(), at + 8, uint32_t(r.y));
        WriteWord(bytes.data(), at + 12, uint32_t(r.width));
        WriteWord(bytes.data(), at + 16, uint32_t(r.height));
    }
    return bytes;
}

TEST(MiniGameChaseCollisionsFile, BoxesGoToTheirKindsAndBadCountsAreRefused)
{
    MiniGameChase chase;
    // Records go to the rectangle of their type, not of their place; a kind
    // without a record keeps an empty box.
    std::string text = TestSupport::LogOf([&] {
        const auto bytes = CollisionsFile(3, {{2, 0x1800, -0x800, 0xA000, 0x5000}, {0, 1, 2, 3, 4}, {0, 5, 6, 7, 8}});
        ASSERT_TRUE(chase.InitializeCollisionsResource(bytes.data(), uint32_t(bytes.size()), "a.col"));
    });
    EXPECT_EQ(text, "");
    ASSERT_EQ(chase.GetCollisionObstacleCount(), 3);
    const MGRectangle& two = *chase.GetCollisionBox(2);
    EXPECT_EQ(std::vector<fx32>({two.m_fxX, two.m_fxY, two.m_fxWidth, two.m_fxHeight}),
              std::vector<fx32>({0x1800, -0x800, 0xA000, 0x5000}));
    EXPECT_EQ(chase.GetCollisionBox(0)->m_fxWidth, 7);
    EXPECT_EQ(chase.GetCollisionBox(1)->m_fxWidth, 0);
    EXPECT_EQ(chase.GetCollisionBox(3), nullptr);

    // A record of a kind outside the count is told and left out; a negative
    // size is told and leaves the size empty.
    text = TestSupport::LogOf([&] {
        const auto bytes = CollisionsFile(2, {{2, 1, 1, 1, 1}, {-1, 1, 1, 1, 1}});
        ASSERT_TRUE(chase.InitializeCollisionsResource(bytes.data(), uint32_t(bytes.size()), "b.col"));
    });
    EXPECT_NE(text.find(TYPE_ASSERT), std::string::npos) << text;
    EXPECT_NE(text.find("MiniGameChase::InitializeCollisionsResource"), std::string::npos) << text;
    EXPECT_EQ(chase.GetCollisionBox(0)->m_fxWidth, 0);
    EXPECT_EQ(chase.GetCollisionBox(1)->m_fxWidth, 0);
    text = TestSupport::LogOf([&] {
        const auto bytes = CollisionsFile(1, {{0, 0x1000, 0x1000, -1, 0x1000}});
        ASSERT_TRUE(chase.InitializeCollisionsResource(bytes.data(), uint32_t(bytes.size()), "c.col"));
    });
    EXPECT_NE(text.find(SIZE_ASSERT), std::string::npos) << text;
    EXPECT_EQ(chase.GetCollisionBox(0)->m_fxX, 0x1000);
    EXPECT_EQ(chase.GetCollisionBox(0)->m_fxWidth, 0);
    // The widest box still taken.
    text = TestSupport::LogOf([&] {
        const auto bytes = CollisionsFile(1, {{0, -0x1000000, 0x1000000, 0x1000000, 0x1000000}});
        ASSERT_TRUE(chase.InitializeCollisionsResource(bytes.data(), uint32_t(bytes.size()), "d.col"));
    });
    EXPECT_EQ(text, "");
    EXPECT_EQ(chase.GetCollisionBox(0)->m_fxHeight, 0x1000000);

    struct Case {
        std::vector<uint8_t> bytes;
        const char* reason;
    };
    auto longer = CollisionsFile(1, {{0, 1, 1, 1, 1}});
    longer.push_back(0);
    const Case refused[] = {
        {{}, "empty"},
        {CollisionsFile(0, {}), "the kind count is not 1 to 25"},
        {CollisionsFile(-1, {}), "the kind count is not 1 to 25"},
        {CollisionsFile(26, std::vector<Record>(26)), "the kind count is not 1 to 25"},
        {CollisionsFile(2, {{0, 1, 1, 1, 1}}), "the size does not match the record count"},
        {longer, "the size does not match the record count"},
        // Boxes so far out that the collision test's sums would overflow.
        {CollisionsFile(1, {{0, 0x7FFFFFFF, 0, 0x1000, 0x1000}}), "a box lies beyond 4096 units"},
        {CollisionsFile(1, {{0, 0, -0x1000001, 0x1000, 0x1000}}), "a box lies beyond 4096 units"},
        {CollisionsFile(2, {{0, 0, 0, 0x1000, 0x1000}, {1, 0, 0, 0x7FFFFFFF, 0x1000}}), "a box lies beyond 4096 units"},
        {CollisionsFile(1, {{0, 0, 0, 0x1000, INT32_MIN}}), "a box lies beyond 4096 units"},
    };
    for (const Case& c : refused) {
        text = TestSupport::LogOf([&] {
            EXPECT_FALSE(chase.InitializeCollisionsResource(c.bytes.data(), uint32_t(c.bytes.size()), "bad.col"));
        });
        EXPECT_EQ(text, std::string("MiniGameChase::InitializeCollisionsResource -- \"bad.col\" refused: ") + c.reason +
                            "\n");
        EXPECT_EQ(chase.GetCollisionObstacleCount(), 0);
        EXPECT_EQ(chase.GetCollisionBox(0), nullptr);
    }
}

TEST(MiniGameChaseCollisionsFile, TheSampleFileHoldsEveryKindAndEachTruncationIsRefused)
{
    const std::vector<uint8_t> file =
        TestSupport::ReadFileBytes(TestSupport::DataDir() / "minigame" / "MG_TheChase.col");
    MiniGameChase chase;
    TestSupport::LogCapture log;
    ASSERT_TRUE(chase.InitializeCollisionsResource(file.data(), uint32_t(file.size()), "MG_TheChase.col"));
    ASSERT_EQ(chase.GetCollisionObstacleCount(), MiniGameChase::OBSTACLE_KIND_MAX);
    EXPECT_GT(chase.GetCollisionBox(BOX)->m_fxWidth, 0);
    EXPECT_EQ(chase.GetCollisionBox(GRASS)->m_fxWidth, 0);
    for (uint32_t size = 0; size < file.size(); ++size) {
        log.Take();
        EXPECT_FALSE(chase.InitializeCollisionsResource(file.data(), size, "MG_TheChase.col")) << size;
        EXPECT_NE(log.Text().find("\"MG_TheChase.col\" refused"), std::string::npos) << size;
    }
    EXPECT_EQ(log.Text().find("Assert"), std::string::npos);
}

class MiniGameChaseTest : public ChaseFixture { };

TEST_F(MiniGameChaseTest, TheStartPlacesTheRunnerTheCursorAndTheTrackAndSendsTheAdventureToTheDocks)
{
    ChasePtr chase = StartChase(7);
    ASSERT_NE(chase, nullptr);
    EXPECT_STREQ(chase->GetName(), "The chase");
    MGSprite& player = chase->GetPlayer();
    EXPECT_EQ(player.GetPosition().x, 128 * U);
    EXPECT_EQ(player.GetPosition().y, 150 * U);
    EXPECT_EQ(player.GetPivot().x, player.GetSize().x / 2);
    EXPECT_EQ(chase->GetCursor().GetPosition().y, 0);
    EXPECT_EQ(chase->GetCursor().GetPivot().x, chase->GetCursor().GetSize().x / 2);
    EXPECT_GE(chase->GetCursorTarget(), 42 * U);
    EXPECT_LT(chase->GetCursorTarget(), 200 * U);
    EXPECT_EQ(chase->GetMeter().GetValue(), 3);
    EXPECT_EQ(chase->GetRace().GetRacePatternsNb(), 10);
    EXPECT_EQ(chase->GetCollisionObstacleCount(), chase->GetSpritePool().GetTypeNb());
    AdventureManager& adventure = *AdventureManager::GetInstance();
    EXPECT_EQ(adventure.GetSaveSlot(adventure.GetSaveSlotIndex())->m_aVarInts[VARINT_C_CURRENT_SCENE],
              MiniGameChase::RESUME_SCENE);
    // The shared generator is not moved by the cursor's own draws.
    const uint64_t shared = CoreRandom::s_uX;
    chase->PickCursorTarget();
    EXPECT_EQ(CoreRandom::s_uX, shared);
}

TEST_F(MiniGameChaseTest, SteeringMovesAtItsPaceStaysInTheStreetAndBothArrowsCancel)
{
    struct Case {
        bool right, left;
        bool axis;
        int32_t value;
        uint32_t dt;
        fx32 step;
    };
    // 16 ms at 150 units a second is 9830.4 in 20.12, rounded towards zero.
    const Case cases[] = {
        {true, false, false, 0, 16, 9830},
        {false, true, false, 0, 16, -9830},
        {true, true, false, 0, 16, 0},
        {false, false, true, -FX32_ONE, 16, 9830},
        {false, false, true, FX32_HALF, 16, -4915},
        {false, false, true, 100, 16, 0},
        {true, false, true, FX32_ONE, 16, 0},
        {false, false, false, 0, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MiniGameChase::SteerStep(c.right, c.left, c.axis ? &c.value : nullptr, c.dt), c.step)
            << c.right << c.left << c.value;

    ChasePtr chase = StartChase(3);
    ASSERT_NE(chase, nullptr);
    ClearTrack(*chase);
    const auto hold = [&](bool right, bool left, int frames) {
        world.HoldKey(Platform::KEY_RIGHT, right);
        world.HoldKey(Platform::KEY_LEFT, left);
        for (int i = 0; i < frames; ++i) {
            Step(*chase);
            const fx32 x = chase->GetPlayer().GetPosition().x;
            ASSERT_TRUE(x >= 42 * U && x <= 200 * U) << x;
        }
    };
    hold(true, false, 2);
    EXPECT_EQ(chase->GetPlayer().GetPosition().x, 128 * U + 9830);
    hold(true, true, 10);
    EXPECT_EQ(chase->GetPlayer().GetPosition().x, 128 * U + 9830);
    hold(true, false, 100);
    EXPECT_EQ(chase->GetPlayer().GetPosition().x, 200 * U);
    hold(false, true, 100);
    EXPECT_EQ(chase->GetPlayer().GetPosition().x, 42 * U);
    hold(false, false, 1);
}

TEST_F(MiniGameChaseTest, AHitPausesTheRunThenGivesTwoSecondsOfBlinkingAtSeventyPercent)
{
    ChasePtr chase = StartChase(11);
    ASSERT_NE(chase, nullptr);
    ClearTrack(*chase);
    const CoreFxVec start = chase->GetPlayer().GetPosition();
    Step(*chase);
    ASSERT_EQ(chase->GetPhase(), MiniGameChase::PHASE_RUNNING);
    Place(*chase, 0, BOX, start.x - 3 * U, start.y);
    Step(*chase);
    ASSERT_EQ(chase->GetPhase(), MiniGameChase::PHASE_HIT);
    EXPECT_EQ(chase->GetMeter().GetValue(), 2);

    // The run stands still for half a second, the impact in her place.
    const fx32 distance = chase->GetRaceDistance();
    uint32_t pausedMs = 0;
    while (chase->GetPhase() == MiniGameChase::PHASE_HIT && pausedMs < 2000) {
        EXPECT_EQ(chase->GetRaceDistance(), distance);
        chase->Render();
        Step(*chase);
        pausedMs += FRAME;
    }
    EXPECT_GE(pausedMs, 500u);
    EXPECT_LE(pausedMs, 500u + 2 * FRAME);
    EXPECT_EQ(chase->GetPlayer().GetPosition().x, 128 * U);
    EXPECT_EQ(chase->GetSpeed(), CoreFx::Mul(0xB33, 80 * U));

    // Two seconds without hits while she blinks, even on top of a crate.
    uint32_t invulnerableMs = 0;
    int shown = 0;
    int hidden = 0;
    while (chase->GetInvulnerabilityTimer() > 0 && invulnerableMs < 4000) {
        Place(*chase, 0, BOX, chase->GetPlayer().GetPosition().x, start.y);
        Step(*chase);
        invulnerableMs += FRAME;
        (chase->GetPlayer().IsVisible() ? shown : hidden) += 1;
        ASSERT_EQ(chase->GetPhase(), MiniGameChase::PHASE_RUNNING);
        ASSERT_EQ(chase->GetMeter().GetValue(), 2);
    }
    EXPECT_GE(invulnerableMs, 2000u);
    EXPECT_LE(invulnerableMs, 2000u + 2 * FRAME);
    EXPECT_GT(shown, 20);
    EXPECT_GT(hidden, 20);
    EXPECT_TRUE(chase->GetPlayer().IsVisible());
    EXPECT_EQ(chase->GetSpeed(), 80 * U);
    // Once it is over, a crate hits again.
    Step(*chase);
    EXPECT_EQ(chase->GetPhase(), MiniGameChase::PHASE_HIT);
    EXPECT_EQ(chase->GetMeter().GetValue(), 1);
}

TEST_F(MiniGameChaseTest, TheNextUpdateAfterTheThirdHitEndsTheRunAsLost)
{
    ChasePtr chase = StartChase(5);
    ASSERT_NE(chase, nullptr);
    ClearTrack(*chase);
    Step(*chase);
    for (int hit = 1; hit <= 3; ++hit) {
        for (int frame = 0; frame < 400 && chase->GetPhase() != MiniGameChase::PHASE_HIT; ++frame) {
            Place(*chase, 0, BOX, chase->GetPlayer().GetPosition().x, chase->GetPlayer().GetPosition().y);
            Step(*chase);
        }
        ASSERT_EQ(chase->GetPhase(), MiniGameChase::PHASE_HIT) << hit;
        EXPECT_EQ(chase->GetMeter().GetValue(), 3 - hit);
        if (hit == 3)
            break;
        for (int frame = 0; frame < 400 && chase->GetPhase() == MiniGameChase::PHASE_HIT; ++frame)
            Step(*chase);
    }
    Step(*chase);
    EXPECT_EQ(chase->GetState(), MiniGame::STATE_END_BOX);
    EXPECT_FALSE(chase->IsWon());
    EXPECT_EQ(chase->GetPhase(), MiniGameChase::PHASE_HIT);
}

TEST_F(MiniGameChaseTest, EmptyBoxesNeverHitAndTouchingBoxesDo)
{
    ChasePtr chase = StartChase(2);
    ASSERT_NE(chase, nullptr);
    ClearTrack(*chase);
    const MGSprite& player = chase->GetPlayer();
    const fx32 playerLeft = player.GetPosition().x - player.GetPivot().x + 0xA333;
    const fx32 y = player.GetPosition().y;
    const MGRectangle& box = *chase->GetCollisionBox(BOX);
    const fx32 halfWidth = chase->GetSpritePool().GetSprite(BOX, 0)->GetSize().x / 2;
    // The crate's right edge on the player's left edge, then one step left.
    const fx32 touching = playerLeft - box.m_fxX - box.m_fxWidth + halfWidth;
    struct Case {
        int32_t kind;
        fx32 x;
        int32_t result;
    };
    const Case cases[] = {
        {BOX, touching, 2},
        {BOX, touching - 1, 0},
        {GRASS, player.GetPosition().x, 0},
        {RACE_ELEMENT_TYPE_NONE, player.GetPosition().x, 0},
    };
    for (const Case& c : cases) {
        Place(*chase, 5, c.kind, c.x, y);
        EXPECT_EQ(chase->CheckCollisions(), c.result) << c.kind << " " << c.x;
    }
    // Off the screen, below or above, nothing hits.
    Place(*chase, 5, BOX, player.GetPosition().x, 192 * U + halfWidth);
    EXPECT_EQ(chase->CheckCollisions(), 0);
    EXPECT_EQ(log.Text().find("Assert"), std::string::npos) << log.Text();
}

TEST_F(MiniGameChaseTest, TheFinishComesAt5000AndTheWinBoxTwoAndAHalfSecondsAfterSheLeftTheScreen)
{
    ChasePtr chase = StartChase(9);
    ASSERT_NE(chase, nullptr);
    ClearTrack(*chase);
    uint32_t runMs = 0;
    while (chase->GetPhase() != MiniGameChase::PHASE_FINISHING && runMs < 70000) {
        Step(*chase);
        runMs += FRAME;
        // The speed of the level reached, from the next frame on.
        const fx32 distance = chase->GetRaceDistance();
        if (chase->GetPhase() == MiniGameChase::PHASE_RUNNING) {
            ASSERT_EQ(chase->GetSpeed(), distance < 0x7CF830 ? 80 * U : distance < 0xDABC18 ? 90 * U : 100 * U);
        }
    }
    EXPECT_GE(chase->GetRaceDistance(), MiniGameChase::TRACK_LENGTH);
    EXPECT_GT(runMs, 56500u);
    EXPECT_LT(runMs, 57500u);
    EXPECT_EQ(chase->GetSpeed(), 100 * U);
    EXPECT_EQ(chase->GetCursorTarget(), chase->GetPlayer().GetPosition().x);

    // She runs off the top; the cursor closes in and never overshoots.
    const fx32 target = chase->GetCursorTarget();
    fx32 gap = std::abs(chase->GetCursor().GetPosition().x - target);
    uint32_t outMs = 0;
    while (!chase->IsOffScreen() && outMs < 5000) {
        Step(*chase);
        outMs += FRAME;
        const fx32 now = std::abs(chase->GetCursor().GetPosition().x - target);
        EXPECT_LE(now, gap);
        gap = now;
    }
    EXPECT_NEAR(outMs, 1700, 2 * FRAME);
    uint32_t waitMs = 0;
    while (chase->GetState() == MiniGame::STATE_PLAYING && waitMs < 5000) {
        Step(*chase);
        waitMs += FRAME;
    }
    EXPECT_EQ(chase->GetState(), MiniGame::STATE_END_BOX);
    EXPECT_TRUE(chase->IsWon());
    EXPECT_GE(waitMs, 2500u);
    EXPECT_LE(waitMs, 2500u + 3 * FRAME);
}

TEST_F(MiniGameChaseTest, AHitOnTheFinishLineEndsItsPauseAndStillWins)
{
    ChasePtr chase = StartChase(5);
    ASSERT_NE(chase, nullptr);
    ClearTrack(*chase);
    const fx32 frameSeconds = MiniGameSeconds(FRAME);
    uint32_t runMs = 0;
    while (chase->GetRaceDistance() + CoreFx::Mul(frameSeconds, chase->GetSpeed()) < MiniGameChase::TRACK_LENGTH &&
           runMs < 70000) {
        Step(*chase);
        runMs += FRAME;
    }
    ASSERT_EQ(chase->GetPhase(), MiniGameChase::PHASE_RUNNING);
    // The frame that crosses the line also runs her into a crate.
    const CoreFxVec& position = chase->GetPlayer().GetPosition();
    Place(*chase, 0, BOX, position.x, position.y);
    Step(*chase);
    ASSERT_EQ(chase->GetPhase(), MiniGameChase::PHASE_HIT);
    EXPECT_EQ(chase->GetMeter().GetValue(), 2);

    // The pause runs out before the finish, which she then runs at 70 %.
    uint32_t pausedMs = 0;
    while (chase->GetPhase() == MiniGameChase::PHASE_HIT && pausedMs < 2000) {
        Step(*chase);
        pausedMs += FRAME;
    }
    ASSERT_EQ(chase->GetPhase(), MiniGameChase::PHASE_FINISHING);
    EXPECT_GE(pausedMs, 500u);
    EXPECT_EQ(chase->GetSpeed(), CoreFx::Mul(0xB33, 100 * U));
    uint32_t endMs = 0;
    while (chase->GetState() == MiniGame::STATE_PLAYING && endMs < 10000) {
        Step(*chase);
        endMs += FRAME;
    }
    EXPECT_EQ(chase->GetState(), MiniGame::STATE_END_BOX);
    EXPECT_TRUE(chase->IsWon());
}

} // namespace
