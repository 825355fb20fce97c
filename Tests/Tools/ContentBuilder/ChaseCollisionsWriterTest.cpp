// The chase's collisions sources: what the builder makes of them, read back
// by the game's reader, and the faults it names.
#include "ContentBuilder/ChaseCollisionsWriter.h"
#include "ContentBuilder/ContentError.h"
#include "MiniGame/Common/MiniGameChase.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string SourceError(const std::string& text)
{
    try {
        WriteChaseCollisions(nlohmann::json::parse(text));
    } catch (const ContentError& error) {
        return error.what();
    }
    return "";
}

TEST(ChaseCollisionsWriterTest, SourcesBuildFilesTheGameReadsWithEachBoxAtItsKind)
{
    const std::vector<uint8_t> bytes = WriteChaseCollisions(nlohmann::json::parse(R"({"kinds": [
        {"name": "Boxes", "box": [1.5, -0.25, 30, 22]}, {"name": "Bags"}, {"name": "Box", "box": [1, 1, 14, 14]}
    ]})"));
    ASSERT_EQ(bytes.size(), 1u + 3 * MiniGameChase::COLLISION_RECORD_SIZE);
    TestSupport::LogCapture log;
    MiniGameChase chase;
    ASSERT_TRUE(chase.InitializeCollisionsResource(bytes.data(), uint32_t(bytes.size()), "MG_Test.col"));
    EXPECT_EQ(log.Text(), "");
    ASSERT_EQ(chase.GetCollisionObstacleCount(), 3);
    const MGRectangle& boxes = *chase.GetCollisionBox(2);
    EXPECT_EQ(boxes.m_fxX, 0x1800);
    EXPECT_EQ(boxes.m_fxY, -0x400);
    EXPECT_EQ(boxes.m_fxWidth, 30 * FX32_ONE);
    EXPECT_EQ(boxes.m_fxHeight, 22 * FX32_ONE);
    EXPECT_EQ(chase.GetCollisionBox(0)->m_fxWidth, 0);
    EXPECT_EQ(chase.GetCollisionBox(1)->m_fxWidth, 14 * FX32_ONE);
}

TEST(ChaseCollisionsWriterTest, SourcesTheGameWouldRefuseAreNamedFaults)
{
    std::string many = R"({"kinds": [)";
    for (int i = 0; i < 26; ++i)
        many += std::string(i ? "," : "") + R"({"name": "Box"})";
    many += "]}";
    const std::pair<std::string, const char*> cases[] = {
        {R"({})", "\"kinds\" (a list) is missing"},
        {R"({"kinds": []})", "a chase has 1 to 25 obstacle kinds, not 0"},
        {many, "a chase has 1 to 25 obstacle kinds, not 26"},
        {R"({"kinds": [{"name": "Cart"}]})", "entry 0: \"Cart\" is no obstacle kind of the first 1"},
        {R"({"kinds": [{"name": "Box"}]})", "entry 0: \"Box\" is no obstacle kind of the first 1"},
        {R"({"kinds": [{"name": "Bags"}, {"name": "Bags"}]})", "kind \"Bags\" is given twice"},
        {R"({"kinds": [{"name": "Bags", "box": [1, 2, 3]}]})", "kind 0: \"box\" must be [x, y, width, height]"},
        {R"({"kinds": [{"name": "Bags", "box": [1, 2, "3", 4]}]})", "kind 0: \"box\" must hold numbers"},
        {R"({"kinds": [{"name": "Bags", "box": [1, 2, 3, -4]}]})", "kind 0: a box has no negative size"},
        {R"({"kinds": [{"name": "Bags", "box": [1e12, 2, 3, 4]}]})", "kind 0: a box lies beyond 4096 units"},
        {R"({"kinds": [{"name": "Bags", "box": [1, -4097, 3, 4]}]})", "kind 0: a box lies beyond 4096 units"},
    };
    for (const auto& [source, fault] : cases)
        EXPECT_EQ(SourceError(source), fault) << source;
}

} // namespace
