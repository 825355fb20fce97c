// The race track sources: what the builder makes of them, read back by the
// game's reader, and the faults it names.
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/RaceFileWriter.h"
#include "ContentBuilder/RaceSource.h"
#include "MiniGame/Common/MiniGameRace.h"
#include "MiniGame/Common/SpritePool.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int32_t U = 4096;

std::string SourceError(const char* text)
{
    try {
        ReadRaceSource(nlohmann::json::parse(text), "MG_Test.race.json");
    } catch (const ContentError& error) {
        return error.what();
    }
    return "";
}

TEST(RaceSourceTest, SourcesBuildFilesTheGameReads)
{
    const std::vector<RacePatternRow> patterns = ReadRaceSource(nlohmann::json::parse(R"({"patterns": [
        {"difficulty": "hard", "elements": [{"kind": "Tiles4", "x": 10.5, "y": 400.0, "mirrored": true}]},
        {"difficulty": "easy", "width": 320.0, "elements": [
            {"kind": "Bags", "x": 60.0, "y": 0.0}, {"kind": "Well", "x": 160.0, "y": 480.0}]},
        {"difficulty": "medium", "elements": []}
    ]})"),
                                                                "MG_Test.race.json");
    std::vector<uint8_t> bytes = WriteRaceFile(patterns);
    TestSupport::LogCapture log;
    SpritePool pool;
    MiniGameRace race;
    ASSERT_TRUE(pool.Initialize(25));
    ASSERT_TRUE(race.Initialize(&pool));
    CoreResource resource;
    resource.m_pBuffer = bytes.data();
    resource.m_uSize = static_cast<uint32_t>(bytes.size());
    ASSERT_TRUE(race.InitializePatterns(resource, "MG_Test.race")) << log.Text();
    ASSERT_EQ(race.GetPatternNb(0), 1);
    ASSERT_EQ(race.GetPatternNb(1), 1);
    ASSERT_EQ(race.GetPatternNb(2), 1);
    const RacePattern& hard = race.GetPatterns(2)[0];
    ASSERT_EQ(hard.m_uElementNb, 1u);
    EXPECT_EQ(hard.m_eTypes[0], 24);
    EXPECT_EQ(hard.m_aiOrientations[0], 1);
    EXPECT_EQ(hard.m_aPositions[0].x, 10 * U + U / 2);
    EXPECT_EQ(hard.m_aPositions[0].y, 80 * U);
    const RacePattern& easy = race.GetPatterns(0)[0];
    ASSERT_EQ(easy.m_uElementNb, 2u);
    EXPECT_EQ(easy.m_eTypes[0], 0);
    EXPECT_EQ(easy.m_eTypes[1], 13);
    EXPECT_EQ(easy.m_aiOrientations[0], 0);
    EXPECT_EQ(easy.m_aPositions[0].x, 28 * U);
    EXPECT_EQ(easy.m_aPositions[0].y, 480 * U);
    EXPECT_EQ(easy.m_aPositions[1].y, 0);
    EXPECT_EQ(race.GetPatterns(1)[0].m_uElementNb, 0u);
    race.FreePatterns();
    race.Shutdown();
    pool.Shutdown();
}

TEST(RaceSourceTest, FaultsNameThePatternAndElement)
{
    const char* const ALL = R"({"difficulty": "easy", "elements": []}, {"difficulty": "medium", "elements": []},
                               {"difficulty": "hard", "elements": []})";
    const std::pair<std::string, std::string> cases[] = {
        {R"({"patterns": [{"difficulty": "easy", "elements": []}, {"difficulty": "hard", "elements": []}]})",
         "MG_Test.race.json: has no \"medium\" pattern"},
        {R"({"patterns": [{"difficulty": "tricky", "elements": []}]})",
         "MG_Test.race.json: pattern 0: \"difficulty\" must be \"easy\", \"medium\" or \"hard\""},
        {std::string(R"({"patterns": [)") + ALL + R"(, {"difficulty": "easy", "elements": [
             {"kind": "Bags", "x": 1, "y": 2}, {"kind": "Cart", "x": 1, "y": 2}]}]})",
         "MG_Test.race.json: pattern 3: element 1: \"kind\" names no obstacle kind"},
        {std::string(R"({"patterns": [)") + ALL +
             R"(, {"difficulty": "easy", "elements": [{"kind": "Bags", "y": 2}]}]})",
         "MG_Test.race.json: pattern 3: element 0: \"x\" is missing"},
        {std::string(R"({"patterns": [)") + ALL +
             R"(, {"difficulty": "easy", "elements": [{"kind": "Box", "x": 1, "y": 2, "mirrored": 1}]}]})",
         "MG_Test.race.json: pattern 3: element 0: \"mirrored\" must be true or false"},
        {R"({"tracks": []})", "MG_Test.race.json: \"patterns\" is missing"},
    };
    for (const auto& [source, error] : cases)
        EXPECT_EQ(SourceError(source.c_str()), error) << source;

    std::string full = std::string(R"({"patterns": [)") + ALL + R"(, {"difficulty": "easy", "elements": [)";
    for (int i = 0; i < 87; ++i)
        full += std::string(i ? "," : "") + R"({"kind": "Box", "x": 1, "y": 2})";
    EXPECT_THROW(WriteRaceFile(ReadRaceSource(nlohmann::json::parse(full + "]}]}"), "MG_Test.race.json")),
                 ContentError);
}

} // namespace
