// The chase's race track without the chase: the race file's reader on files
// made with the content builder's writer, the track built from a known
// generator, the elements placed above the screen, and the damaged files the
// reader must refuse.
#include "ContentBuilder/RaceFileWriter.h"
#include "MiniGame/Common/MiniGameRace.h"
#include "MiniGame/Common/SpritePool.h"
#include "Random/CoreRandom.h"
#include "Resource/CoreResource.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

constexpr fx32 U = FX32_ONE;
constexpr int32_t KIND_NB = 25;
constexpr fx32 HEIGHT = 480 * U;

RacePatternRow Pattern(uint8_t difficulty, std::vector<RaceElementRow> elements, int32_t width = 256 * U)
{
    return {difficulty, width, std::move(elements)};
}

// One pattern of each difficulty; element kinds tell the difficulties apart.
std::vector<RacePatternRow> ThreeDifficulties()
{
    return {Pattern(0, {{0, 0, 60 * U, 100 * U}, {1, 1, 180 * U, 300 * U}}), Pattern(1, {{2, 0, 128 * U, 480 * U}}),
            Pattern(2, {{3, 1, 70 * U, 0}, {4, 0, 190 * U, 200 * U}, {5, 0, 128 * U, 400 * U}})};
}

CoreResource ResourceOf(std::vector<uint8_t>& bytes)
{
    CoreResource resource;
    resource.m_pBuffer = bytes.empty() ? nullptr : bytes.data();
    resource.m_uSize = static_cast<uint32_t>(bytes.size());
    resource.m_uCapacity = resource.m_uSize;
    return resource;
}

int32_t DifficultyOf(const MiniGameRace& race, const RacePattern* pattern)
{
    for (int32_t difficulty = 0; difficulty < MiniGameRace::LEVEL_NB; ++difficulty) {
        const RacePattern* first = race.GetPatterns(difficulty);
        if (first != nullptr && pattern >= first && pattern < first + race.GetPatternNb(difficulty))
            return difficulty;
    }
    return -1;
}

class MiniGameRaceTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pool.Initialize(KIND_NB));
        ASSERT_TRUE(race.Initialize(&pool));
    }
    void TearDown() override
    {
        race.FreePatterns();
        race.Shutdown();
        pool.Shutdown();
    }

    bool Read(std::vector<uint8_t> bytes)
    {
        file = std::move(bytes);
        return race.InitializePatterns(ResourceOf(file), "test.race");
    }
    // Every draw of the race's generator gives the same raw value.
    void DrawAlways(uint32_t raw)
    {
        RandomGenerator& random = race.GetRandom();
        random.m_uMultiplier = 1;
        random.m_uIncrement = 0;
        random.m_uX = uint64_t(raw) << 32;
    }

    TestSupport::LogCapture log;
    SpritePool pool;
    MiniGameRace race;
    std::vector<uint8_t> file;
};

TEST_F(MiniGameRaceTest, PatternsAreCentredOnTheScreenAndMeasuredUpFromTheirBottom)
{
    struct Case {
        int32_t width;
        int32_t fileX;
        int32_t fileY;
        fx32 x;
        fx32 y;
    };
    const Case cases[] = {
        {256 * U, 60 * U, 100 * U, 60 * U, 380 * U},
        {320 * U, 60 * U, 480 * U, 28 * U, 0},
        {320 * U, 288 * U, 0, 256 * U, 480 * U},
        {250 * U, 0, 240 * U, 3 * U, 240 * U},
        // Half a unit of extra width shifts by a quarter; the halving goes
        // towards zero, so one 4096th less than 256.0 shifts by nothing.
        {256 * U + U / 2, 10 * U, 0, 10 * U - U / 4, 480 * U},
        {256 * U - 1, 10 * U, 0, 10 * U, 480 * U},
        {256 * U - 3, 10 * U, 0, 10 * U + 1, 480 * U},
        {200 * U, -20 * U, 500 * U, 8 * U, -20 * U},
    };
    for (const Case& c : cases) {
        std::vector<RacePatternRow> patterns = ThreeDifficulties();
        patterns[0] = Pattern(0, {{7, 1, c.fileX, c.fileY}}, c.width);
        ASSERT_TRUE(Read(WriteRaceFile(patterns))) << log.Take();
        const RacePattern& pattern = race.GetPatterns(0)[0];
        ASSERT_EQ(pattern.m_uElementNb, 1u);
        EXPECT_EQ(pattern.m_eTypes[0], 7);
        EXPECT_EQ(pattern.m_aiOrientations[0], 1);
        EXPECT_EQ(pattern.m_aPositions[0].x, c.x) << "width " << c.width << ", x " << c.fileX;
        EXPECT_EQ(pattern.m_aPositions[0].y, c.y) << "y " << c.fileY;
    }
    EXPECT_EQ(log.Take(), "");
}

TEST_F(MiniGameRaceTest, PatternsGoToTheirDifficultyInFileOrder)
{
    std::vector<RacePatternRow> patterns = {Pattern(2, {{9, 0, 0, 0}}), Pattern(0, {{1, 0, 0, 0}}),
                                            Pattern(2, {{10, 0, 0, 0}}), Pattern(1, {{5, 0, 0, 0}}), Pattern(0, {})};
    ASSERT_TRUE(Read(WriteRaceFile(patterns)));
    EXPECT_EQ(race.GetPatternNb(0), 2);
    EXPECT_EQ(race.GetPatternNb(1), 1);
    EXPECT_EQ(race.GetPatternNb(2), 2);
    EXPECT_EQ(race.GetPatterns(0)[0].m_eTypes[0], 1);
    EXPECT_EQ(race.GetPatterns(0)[1].m_uElementNb, 0u);
    EXPECT_EQ(race.GetPatterns(2)[0].m_eTypes[0], 9);
    EXPECT_EQ(race.GetPatterns(2)[1].m_eTypes[0], 10);
}

TEST_F(MiniGameRaceTest, LevelsBeginAtTheirShareOfTheRace)
{
    EXPECT_EQ(race.GetDifficultyPosition(0), 0);
    EXPECT_EQ(race.GetDifficultyPosition(1), 0x7CF830);
    EXPECT_EQ(race.GetDifficultyPosition(2), 0xDABC18);
    const std::pair<fx32, int32_t> cases[] = {
        {0, 0},         {0x7CF82F, 0}, {0x7CF830, 1}, {0xDABC17, 1}, {0xDABC18, 2},
        {0x1388000, 2}, {-1, 0},       {INT_MIN, 0},  {INT_MAX, 2},
    };
    for (auto [position, level] : cases)
        EXPECT_EQ(race.GetLevelFromRacePosition(position), level) << std::hex << position;
}

TEST_F(MiniGameRaceTest, TheTrackTakesTenPatternsAndHardensAtTheLevelStarts)
{
    ASSERT_TRUE(Read(WriteRaceFile(
        {Pattern(0, {}), Pattern(0, {}), Pattern(1, {}), Pattern(1, {}), Pattern(2, {}), Pattern(2, {})})));
    // A draw of 0.4 of every range picks easy at level 0, medium at level 1
    // and hard at level 2: the difficulty of each slot tells its level.
    DrawAlways(0x66666666);
    const uint64_t globalBefore = CoreRandom::s_uX;
    ASSERT_EQ(race.GenerateRacePatterns(), 10);
    EXPECT_EQ(CoreRandom::s_uX, globalBefore) << "the track draws from the race's own generator";
    EXPECT_EQ(race.GetRacePatternsNb(), 10);
    const int32_t expected[10] = {0, 0, 0, 0, 0, 1, 1, 1, 2, 2};
    for (int32_t slot = 0; slot < 10; ++slot) {
        EXPECT_EQ(race.GetRacePatterns()[slot].m_fxOffset, 0) << slot;
        EXPECT_EQ(DifficultyOf(race, race.GetRacePatterns()[slot].m_pPattern), expected[slot]) << "slot " << slot;
    }
    EXPECT_EQ(race.GetRacePatterns()[10].m_pPattern, nullptr);

    // Seeded alike, two builds are alike; any seed gives ten slots.
    std::vector<const RacePattern*> first;
    for (uint64_t seed : {1ull, 1ull, 0xDEADBEEFull, 0ull}) {
        race.ResetPatternSlots();
        race.GetRandom().Init(static_cast<int64_t>(seed));
        ASSERT_EQ(race.GenerateRacePatterns(), 10) << seed;
        std::vector<const RacePattern*> chosen;
        for (int32_t slot = 0; slot < 10; ++slot)
            chosen.push_back(race.GetRacePatterns()[slot].m_pPattern);
        if (first.empty()) {
            first = chosen;
        } else if (seed == 1) {
            EXPECT_EQ(chosen, first);
        }
    }
}

TEST_F(MiniGameRaceTest, ElementsStandAboveTheScreenOnePatternHeightPerSlot)
{
    ASSERT_TRUE(Read(WriteRaceFile(ThreeDifficulties())));
    DrawAlways(0x66666666);
    ASSERT_EQ(race.GenerateRacePatterns(), 10);
    race.ResetElements();
    const RaceElement* elements = race.GetElements();
    int32_t e = 0;
    for (int32_t slot = 0; slot < 10; ++slot) {
        const RacePattern& pattern = *race.GetRacePatterns()[slot].m_pPattern;
        for (uint32_t j = 0; j < pattern.m_uElementNb; ++j, ++e) {
            EXPECT_EQ(elements[e].m_iKind, pattern.m_eTypes[j]);
            EXPECT_EQ(elements[e].m_iOrientation, pattern.m_aiOrientations[j]);
            EXPECT_EQ(elements[e].m_fxX, pattern.m_aPositions[j].x);
            EXPECT_EQ(elements[e].m_fxY, -slot * HEIGHT - pattern.m_aPositions[j].y) << "slot " << slot;
            EXPECT_GE(elements[e].m_iCopy, 0);
            EXPECT_LT(elements[e].m_iCopy, SpritePool::POOL_SIZE);
        }
    }
    // Slot 0 is the easy pattern: its element at file y 300 stands 180.0
    // above the screen, the medium one's at file y 480 on slot 5's bottom.
    EXPECT_EQ(elements[1].m_fxY, -180 * U);
    EXPECT_EQ(elements[10].m_fxY, -5 * HEIGHT);
    for (; e < race.GetElementCapacity(); ++e) {
        EXPECT_EQ(elements[e].m_iKind, RACE_ELEMENT_TYPE_NONE) << e;
        EXPECT_EQ(elements[e].m_iCopy, -1) << e;
    }

    race.ResetPatternSlots();
    EXPECT_EQ(race.GetRacePatternsNb(), 0);
    EXPECT_EQ(elements[0].m_iKind, RACE_ELEMENT_TYPE_NONE);
    EXPECT_EQ(race.GetRacePatterns()[0].m_pPattern, nullptr);
}

TEST_F(MiniGameRaceTest, FullPatternsFillAtMost860Of946Elements)
{
    std::vector<RaceElementRow> full;
    for (int32_t i = 0; i < RACE_ELEMENT_MAX; ++i)
        full.push_back({static_cast<uint8_t>(i % KIND_NB), static_cast<uint8_t>(i % 2), i * U, i * U});
    ASSERT_TRUE(Read(WriteRaceFile({Pattern(0, full), Pattern(1, full), Pattern(2, full)})));
    race.GetRandom().Init(77);
    ASSERT_EQ(race.GenerateRacePatterns(), 10);
    race.ResetElements();
    EXPECT_EQ(race.GetElementCapacity(), 946);
    int32_t used = 0;
    for (int32_t e = 0; e < race.GetElementCapacity(); ++e)
        used += race.GetElements()[e].m_iKind != RACE_ELEMENT_TYPE_NONE;
    EXPECT_EQ(used, 860);
}

TEST_F(MiniGameRaceTest, DamagedFilesAreRefusedByNameAndLeaveNoPatterns)
{
    const std::vector<uint8_t> good = WriteRaceFile(ThreeDifficulties());
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* reason;
    };
    auto patched = [&](size_t offset, uint8_t value) {
        std::vector<uint8_t> bytes = good;
        bytes[offset] = value;
        return bytes;
    };
    // Pattern 0 starts at 4, its elements at 22; pattern 1 at 42.
    const Case cases[] = {
        {"empty", {}, "too short for its pattern counts"},
        {"counts cut", {3, 1, 1}, "too short for its pattern counts"},
        {"no hard pattern", WriteRaceFile({Pattern(0, {}), Pattern(1, {})}), "difficulty 2 has no patterns"},
        {"no easy pattern", WriteRaceFile({Pattern(1, {}), Pattern(2, {})}), "difficulty 0 has no patterns"},
        {"total above the counts", patched(0, 4), "4 patterns, but its difficulties count 3"},
        {"total below the counts", patched(0, 2), "2 patterns, but its difficulties count 3"},
        {"difficulty 3", patched(4, 3), "pattern 0 has no difficulty 0..2"},
        {"second medium pattern", patched(4, 1), "pattern 1 is one more than its difficulty counts"},
        {"height 464.0", patched(4 + 7, 0x1D), "pattern 0 is not 480.0 tall"},
        {"87 elements", patched(4 + 17, 87), "pattern 0 has more than 86 elements"},
        {"elements past the end", patched(4 + 17, 86), "pattern 0 is cut short"},
        {"kind 25", patched(22 + 10, KIND_NB), "pattern 0 has an element of no obstacle kind"},
        {"kind 255", patched(22, 255), "pattern 0 has an element of no obstacle kind"},
        {"orientation 2", patched(22 + 1, 2), "pattern 0 has an element of no orientation"},
        {"header cut", std::vector<uint8_t>(good.begin(), good.begin() + 4 + 17), "pattern 0 is cut short"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Read(good));
        EXPECT_FALSE(Read(c.bytes)) << c.what;
        EXPECT_EQ(log.Take(), std::string("MiniGameRace::InitializePatterns -- test.race refused: ") + c.reason + "\n")
            << c.what;
        for (int32_t difficulty = 0; difficulty < MiniGameRace::LEVEL_NB; ++difficulty)
            EXPECT_EQ(race.GetPatternNb(difficulty), 0) << c.what;
        // Without patterns the track stays empty instead of drawing from an
        // empty range.
        EXPECT_EQ(race.GenerateRacePatterns(), 0) << c.what;
        race.ResetElements();
        EXPECT_EQ(race.GetElements()[0].m_iKind, RACE_ELEMENT_TYPE_NONE) << c.what;
    }
}

TEST_F(MiniGameRaceTest, EveryTruncationOfAGoodFileIsRefused)
{
    const std::vector<uint8_t> good = WriteRaceFile(ThreeDifficulties());
    for (size_t size = 0; size < good.size(); ++size) {
        EXPECT_FALSE(Read(std::vector<uint8_t>(good.begin(), good.begin() + static_cast<ptrdiff_t>(size)))) << size;
        EXPECT_NE(log.Take().find("test.race refused"), std::string::npos) << size;
    }
    EXPECT_TRUE(Read(good));
}

TEST_F(MiniGameRaceTest, TheSampleTrackCoversTheRaceInEveryDifficulty)
{
    TestSupport::EnsureMainHeap();
    // The heap's first start reports the memory.
    log.Take();
    TestSupport::ScopedWorkingDirectory directory(TestSupport::DataDir());
    CoreResource resource;
    ASSERT_EQ(Core::LoadResource(&resource, MiniGameRace::RACE_FILE_NAME, true), 0);
    EXPECT_TRUE(race.InitializePatterns(resource));
    Core::ReleaseResource(&resource);
    EXPECT_EQ(log.Take(), "");
    for (int32_t difficulty = 0; difficulty < MiniGameRace::LEVEL_NB; ++difficulty)
        EXPECT_GT(race.GetPatternNb(difficulty), 0) << difficulty;
    for (int64_t seed : {1, 2, 3}) {
        race.ResetPatternSlots();
        race.GetRandom().Init(seed);
        EXPECT_EQ(race.GenerateRacePatterns(), 10);
        race.ResetElements();
    }
}

TEST(SpritePoolTest, APoolHoldsFiveSpritesOfEachKindAndRefusesWhatIsOutside)
{
    TestSupport::LogCapture log;
    SpritePool pool;
    EXPECT_FALSE(pool.Initialize(0));
    EXPECT_FALSE(pool.Initialize(-3));
    EXPECT_NE(log.Take().find("condition: iTypeNb > 0 && iPoolSize > 0"), std::string::npos);
    ASSERT_TRUE(pool.Initialize(3));
    EXPECT_FALSE(pool.Initialize(3)) << "a second pool would drop the first one's sprites";
    EXPECT_NE(log.Take().find("condition: NULL == m_pSprite"), std::string::npos);
    EXPECT_EQ(pool.GetTypeNb(), 3);
    EXPECT_EQ(pool.GetPoolSize(), 5);
    EXPECT_NE(pool.GetSprite(2, 4), nullptr);
    EXPECT_NE(pool.GetSprite(0, 0), pool.GetSprite(0, 1));
    for (auto [type, index] : {std::pair {3, 0}, {-1, 0}, {0, 5}, {0, -1}})
        EXPECT_EQ(pool.GetSprite(type, index), nullptr) << type << ", " << index;
    log.Take();

    CoreRandom::Init(42);
    bool seen[5] = {};
    for (int i = 0; i < 200; ++i) {
        const int32_t index = pool.PickRandomSpriteIndex(1);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 5);
        seen[index] = true;
    }
    EXPECT_EQ(CoreRandom::s_uCount, 200u) << "the picks step the global generator";
    for (bool picked : seen)
        EXPECT_TRUE(picked);
    pool.Shutdown();
    EXPECT_EQ(pool.GetTypeNb(), 0);
    EXPECT_EQ(pool.GetSprite(0, 0), nullptr);
}

} // namespace
