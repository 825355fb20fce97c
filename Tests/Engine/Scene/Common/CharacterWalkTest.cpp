// Walking on the walk mesh: the speed ramp and the snap onto the
// destination, turning the short way, sliding along walls, blockers and
// other characters in the way.
#include "Scene/Common/Character.h"
#include "Support/WalkMeshSamples.h"

#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

using TestSupport::WALK_CELL_SIZE;

constexpr fx32 ONE = FX32_ONE;
constexpr fx32 WALK_SPEED = 145 * ONE;
constexpr uint32_t FRAME_MS = 16;
constexpr int32_t IDLE_ID = 7;
constexpr int32_t WALK_ID = 8;

CoreFxVec At(double x, double y)
{
    return {fx32(x * ONE), fx32(y * ONE), 0};
}

class CharacterWalkTest : public testing::Test {
protected:
    void Load(int32_t numCells, std::vector<std::vector<WalkMeshTriangle>> blockers = {})
    {
        LoadFloor(TestSupport::StripFloor(numCells), std::move(blockers));
    }

    void LoadFloor(std::vector<WalkMeshTriangle> triangles, std::vector<std::vector<WalkMeshTriangle>> blockers = {})
    {
        WalkMeshSource source;
        source.triangles = std::move(triangles);
        source.blockers = std::move(blockers);
        ASSERT_TRUE(TestSupport::BakeAndLoad(source, m_mesh));
        m_surroundings.m_pWalkMesh = &m_mesh;
        m_surroundings.m_ppCharacters = m_apCharacters;
    }

    Character& Add(const CoreFxVec& position)
    {
        Character& character = m_characters[m_surroundings.m_iNumCharacters];
        m_apCharacters[m_surroundings.m_iNumCharacters++] = &character;
        character.SetSurroundings(&m_surroundings);
        character.SetPosition(position);
        character.GetAnimations().AddAnimation(IDLE_ID, 0, 2.0f, ANIMATION_TYPE_IDLE);
        character.GetAnimations().AddAnimation(WALK_ID, 1, 1.0f, ANIMATION_TYPE_WALK);
        return character;
    }

    // Slot i's character as newly made.
    Character& Fresh(int32_t i)
    {
        std::destroy_at(&m_characters[i]);
        return *std::construct_at(&m_characters[i]);
    }

    // Frames until the character stops walking, at most the given number.
    int32_t WalkFrames(Character& character, int32_t maxFrames)
    {
        int32_t frame = 0;
        while (frame < maxFrames && character.m_bWalking) {
            character.Update(FRAME_MS);
            ++frame;
        }
        return frame;
    }

    WalkMesh m_mesh;
    CharacterSurroundings m_surroundings;
    Character m_characters[3];
    const Character* m_apCharacters[3] = {};
};

TEST_F(CharacterWalkTest, TheActiveCharacterRunsOnLongWalksAndSnapsOntoTheDestination)
{
    Load(20);
    struct Case {
        bool forceWalk;
        bool runs;
    };
    for (const Case& c : {Case {false, true}, Case {true, false}}) {
        SCOPED_TRACE(c.forceWalk);
        Character& character = Fresh(0);
        m_surroundings.m_iNumCharacters = 0;
        Add(At(20, 32));
        character.SetForceWalk(c.forceWalk);
        const CoreFxVec destination = At(1020, 32);
        ASSERT_TRUE(character.MoveToWithPath(destination, 0, nullptr));
        EXPECT_EQ(character.m_iNumPoints, 2) << "a straight floor needs no corners";
        fx32 fastest = 0;
        fx32 fastestNearEnd = 0;
        int32_t frames = 0;
        while (character.m_bWalking && frames < 1000) {
            character.Update(FRAME_MS);
            ++frames;
            fastest = std::max(fastest, character.m_iSpeed);
            if (destination.x - character.m_vPosition.x < 100 * ONE)
                fastestNearEnd = std::max(fastestNearEnd, character.m_iSpeed);
        }
        ASSERT_LT(frames, 1000);
        EXPECT_EQ(fastest > WALK_SPEED + ONE, c.runs) << fastest;
        EXPECT_LE(fastest, character.m_iRunSpeed + ONE);
        EXPECT_LE(fastestNearEnd, WALK_SPEED + ONE);
        EXPECT_EQ(character.m_vPosition.x, destination.x);
        EXPECT_EQ(character.m_vPosition.y, destination.y);
        EXPECT_EQ(character.m_iSpeed, 0);
        EXPECT_FALSE(character.m_bFollowingPath);
        EXPECT_EQ(character.GetAnimations().GetCurrentIndex(), character.GetAnimations().GetSlot(ANIMATION_TYPE_IDLE))
            << "idle follows the walk";
    }
}

// From each point it keeps, the character walks straight past every route
// point that she reaches and keeps the last one before the first wall edge in
// her way, even where a later point of the route is in sight again.
TEST_F(CharacterWalkTest, AShortenedPathKeepsTheLastRoutePointBeforeTheFirstWallInTheWay)
{
    int32_t laterPointsInSight = 0;
    int32_t walks = 0;
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        LoadFloor(TestSupport::GrownFloor(200, seed));
        // Halfway from the centre to a corner: no point of a route.
        const auto insideTriangle = [this](int32_t triangle) {
            const CoreFxVec centre = m_mesh.GetBarycenter(triangle);
            const CoreFxVec& corner = m_mesh.m_pTriangles[triangle].m_vVertices[0];
            return CoreFxVec {(centre.x + corner.x) / 2, (centre.y + corner.y) / 2, centre.z};
        };
        const auto inSight = [this](const CoreFxVec& a, const CoreFxVec& b) {
            CoreFxVec edge {};
            return !m_mesh.IsSegmentCrossingEdge(a, b, edge);
        };
        for (int32_t start = 0; start < m_mesh.m_iNumTriangles; start += 13)
            for (int32_t end = 5; end < m_mesh.m_iNumTriangles; end += 17) {
                Fresh(0);
                m_surroundings.m_iNumCharacters = 0;
                Character& character = Add(insideTriangle(start));
                const CoreFxVec destination = insideTriangle(end);
                std::vector<CoreFxVec> route(MAX_WALK_PATH_POINTS);
                const int32_t numRoute =
                    m_mesh.ComputePathChunk(character.m_vPosition, destination, route.data(), MAX_WALK_PATH_POINTS) + 1;
                if (numRoute < 3 || !character.MoveToWithPath(destination, 0, nullptr))
                    continue;
                ++walks;
                SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << start << " to " << end);
                // Where each kept point stands on the route.
                std::vector<int32_t> kept = {0};
                for (int32_t i = 1; i < character.m_iNumPoints; ++i) {
                    const CoreFxVec& point = character.m_avPath[i];
                    const auto found = std::find_if(
                        route.begin() + kept.back() + 1, route.begin() + numRoute,
                        [&](const CoreFxVec& p) { return p.x == point.x && p.y == point.y && p.z == point.z; });
                    ASSERT_NE(found, route.begin() + numRoute) << "point " << i << " is not on the route";
                    kept.push_back(static_cast<int32_t>(found - route.begin()));
                }
                ASSERT_EQ(kept.back(), numRoute - 1);
                for (size_t k = 0; k + 1 < kept.size(); ++k) {
                    const CoreFxVec& from = route[kept[k]];
                    for (int32_t i = kept[k] + 1; i <= kept[k + 1]; ++i)
                        EXPECT_TRUE(inSight(from, route[i])) << "route point " << i << " from " << kept[k];
                    if (kept[k + 1] + 1 < numRoute) {
                        EXPECT_FALSE(inSight(from, route[kept[k + 1] + 1])) << "she stopped short at " << kept[k + 1];
                        for (int32_t i = kept[k + 1] + 2; i < numRoute; ++i)
                            laterPointsInSight += inSight(from, route[i]) ? 1 : 0;
                    }
                }
            }
    }
    EXPECT_GT(walks, 100);
    EXPECT_GT(laterPointsInSight, 0) << "no route where a point beyond a wall is in sight again";
}

TEST_F(CharacterWalkTest, AWalkWithoutARouteLeavesTheCharacterWhereItWas)
{
    Load(4);
    Character& character = Add(At(20, 32));
    const CoreFxVec offMesh = At(500, 32);
    EXPECT_FALSE(character.MoveToWithPath(offMesh, 0, nullptr));
    const CoreFxVec through[] = {At(100, 32), offMesh};
    EXPECT_FALSE(character.MoveToWithPath(At(200, 32), 2, through));
    EXPECT_FALSE(character.m_bWalking);
    character.Update(FRAME_MS);
    EXPECT_EQ(character.m_vPosition.x, 20 * ONE);
}

TEST_F(CharacterWalkTest, TurnsTakeTheShortWay)
{
    Load(2);
    Character& character = Add(At(20, 32));
    const auto direction = [](double angle) {
        return CoreFxVec {fx32(std::sin(angle) * ONE), fx32(std::cos(angle) * ONE), 0};
    };
    character.RotateTo(direction(0.1), 0);
    EXPECT_FALSE(character.m_bTurning);
    EXPECT_NEAR(character.GetAngle(), 0.1 * ONE, 8);

    // Less than 7 units away: at once, without turning.
    character.RotateTo(direction(0.1 + 5.0 / ONE), 0x8000);
    EXPECT_FALSE(character.m_bTurning);

    character.RotateTo(direction(6.2), 0x8000);
    ASSERT_TRUE(character.m_bTurning);
    EXPECT_LT(character.m_iAngularSpeed, 0);
    for (int32_t frame = 0; frame < 20 && character.m_bTurning; ++frame) {
        character.Update(FRAME_MS);
        const fx32 angle = character.GetAngle();
        EXPECT_TRUE(angle < fx32(0.2 * ONE) || angle > fx32(6.1 * ONE)) << angle;
    }
    EXPECT_FALSE(character.m_bTurning);
    EXPECT_NEAR(character.GetAngle(), 6.2 * ONE, 8);
}

TEST_F(CharacterWalkTest, AWallTurnsAWalkIntoASlideAlongIt)
{
    Load(8);
    Character& character = Add(At(100, 40));
    character.HeadFor(At(400, 300));
    for (int32_t frame = 0; frame < 60; ++frame) {
        character.Update(FRAME_MS);
        ASSERT_LE(character.m_vPosition.y, WALK_CELL_SIZE);
    }
    EXPECT_TRUE(character.m_bWalking);
    EXPECT_GT(character.m_vPosition.x, 180 * ONE) << "she slid along the wall";
    EXPECT_GT(character.m_vPosition.y, 60 * ONE);
}

TEST_F(CharacterWalkTest, AnActiveBlockerStopsTheSelectedCharacterOnly)
{
    std::vector<WalkMeshTriangle> strip = TestSupport::StripFloor(4);
    Load(4, {{strip[4], strip[5]}});
    m_mesh.ActivateBlocker(0);
    for (const bool selected : {true, false}) {
        SCOPED_TRACE(selected);
        Fresh(0);
        m_surroundings.m_iNumCharacters = 0;
        Character& character = Add(At(20, 32));
        m_surroundings.m_pSelected = selected ? &character : nullptr;
        ASSERT_TRUE(character.MoveToWithPath(At(230, 32), 0, nullptr));
        WalkFrames(character, 400);
        EXPECT_FALSE(character.m_bWalking);
        if (selected) {
            EXPECT_LT(character.m_vPosition.x, 2 * WALK_CELL_SIZE);
            EXPECT_GT(character.m_vPosition.x, 2 * WALK_CELL_SIZE - 10 * ONE);
        } else {
            EXPECT_EQ(character.m_vPosition.x, 230 * ONE);
        }
    }
}

TEST_F(CharacterWalkTest, TheSelectedCharacterSlidesAlongOneOtherAndStopsBetweenTwo)
{
    Load(8);
    Character& heroine = Add(At(40, 32));
    Character& first = Add(At(140, 28));
    m_surroundings.m_pSelected = &heroine;
    heroine.HeadFor(At(400, 32));
    fx32 nearest = 1000 * ONE;
    for (int32_t frame = 0; frame < 60; ++frame) {
        heroine.Update(FRAME_MS);
        nearest = std::min(nearest, CoreFxVec::Distance(heroine.m_vPosition, first.m_vPosition));
    }
    EXPECT_GT(heroine.m_vPosition.y, 40 * ONE) << "she slid along him, away from his side";
    EXPECT_GT(nearest, 55 * ONE);

    heroine.SetPosition(At(100, 32));
    first.SetPosition(At(140, 20));
    Add(At(140, 44));
    heroine.HeadFor(At(400, 32));
    WalkFrames(heroine, 100);
    EXPECT_FALSE(heroine.m_bWalking);
    EXPECT_LT(heroine.m_vPosition.x, 140 * ONE);
}

} // namespace

namespace {

TEST_F(CharacterWalkTest, APathLongerThanTheStoreIsRefusedWhole)
{
    Load(30);
    Character& character = Add(At(10, 32));
    // Each leg crosses about sixty triangles: together they overflow the 64
    // points a path holds.
    const CoreFxVec far = At(1900, 32);
    EXPECT_FALSE(character.MoveToWithPath(At(20, 40), 1, &far));
    EXPECT_FALSE(character.m_bWalking);
    EXPECT_TRUE(character.MoveToWithPath(far, 0, nullptr)) << "one leg fits";
}

TEST_F(CharacterWalkTest, AHiddenCharacterKeepsWalkingButHerAnimationWaits)
{
    Load(8);
    Character& character = Add(At(20, 32));
    ASSERT_TRUE(character.MoveToWithPath(At(400, 32), 0, nullptr));
    character.Update(FRAME_MS);
    const float position = character.GetAnimations().GetTrack(0).m_fPosition;
    character.m_bShown = 0;
    const fx32 x = character.m_vPosition.x;
    for (int32_t frame = 0; frame < 10; ++frame)
        character.Update(FRAME_MS);
    EXPECT_GT(character.m_vPosition.x, x);
    EXPECT_FLOAT_EQ(character.GetAnimations().GetTrack(0).m_fPosition, position);
    character.m_bShown = 1;
    character.Update(FRAME_MS);
    EXPECT_FLOAT_EQ(character.GetAnimations().GetTrack(0).m_fPosition, position + 0.016f)
        << "she goes on where she stopped";
}

} // namespace

namespace {

TEST_F(CharacterWalkTest, AnImmediateSwitchPutsHerWhereTheMovingAnimationCommittedHer)
{
    Load(8);
    Character& character = Add(At(20, 32));
    character.GetAnimations().AddAnimation(9, 2, 0.5f, ANIMATION_TYPE_STANDARD);
    ASSERT_TRUE(character.SetCurrentAnimation(9, true, false));
    character.GetAnimations().m_bKeep = 1;
    character.m_vMoveOffset = At(30, 0);
    character.Update(FRAME_MS);
    character.CommitPosition();
    EXPECT_EQ(character.m_vPosition.x, 20 * ONE) << "committed, not yet applied";
    ASSERT_TRUE(character.SetCurrentAnimation(IDLE_ID, true, false));
    EXPECT_EQ(character.m_vPosition.x, 50 * ONE);
    EXPECT_EQ(character.m_vCorrectedPosition.x, 50 * ONE);
    EXPECT_FALSE(character.m_bPending);
}

} // namespace

namespace {

TEST_F(CharacterWalkTest, RefusedCallsReportTheConditionsTheyBreak)
{
    Load(8);
    Character& character = Add(At(20, 32));
    Character& bare = Add(At(200, 32));
    bare.GetAnimations() = CharacterAnimations();
    const CoreFxVec points[5] = {At(40, 32), At(60, 32), At(80, 32), At(100, 32), At(120, 32)};
    const struct {
        std::function<void()> call;
        const char* report;
    } cases[] = {
        {[&] { character.MoveToWithPath(At(300, 32), 5, points); },
         "condition: MAX_INTERMEDIATE_POINTS >= static_cast<unsigned int>(iIntermediatePointsNumber)\n"},
        {[&] { character.RotateTo(At(1, 0), -ONE); },
         "condition: fAngularSpeed >= 0\nmessage:\nAngular speed must be >= 0\n"},
        {[&] { bare.RotateTo(At(0, 1), 0x8000); },
         "condition: ANIMATION_INVALID != iAnimationId\nmessage:\nCharacter must have a walk or idle animation to do "
         "the 'RotateTo' action\n"},
        {[&] { character.ChangeAnimationType(WALK_ID, ANIMATION_TYPE_STANDARD); },
         "condition: iTypeId != ANIMATION_TYPE_STANDARD\n"},
        {[&] { character.GetAnimations().SetCurrentAnimationFromIndex(MAX_ANIMATIONS, true, false); },
         "condition: iNewAnimation >= 0 && iNewAnimation < MAX_ANIMATIONS\n"},
    };
    for (const auto& c : cases) {
        const std::string log = TestSupport::LogOf(c.call);
        EXPECT_NE(log.find(c.report), std::string::npos) << log;
    }
    EXPECT_FALSE(character.m_bWalking) << "too many points on the way start no walk";
}

} // namespace
