#include "ScriptEngine/common/AutoTestRecording.h"

#include "Bytes/LittleEndian.h"
#include "ContentBuilder/AutoTestSource.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

const char* const SOURCE = "scene bg101_BO_CastilloLivingRoom\n"
                           "Look water_jug\n"
                           "UseItem dustpan ITEM_CORK\n"
                           "Combine ITEM_CORK ITEM_MAGNET\n"
                           "Talk tavrine\n"
                           "Map 3\n"
                           "Dialog_AutoTest 0x00001234\n"
                           "System\n"
                           "System -5\n";

std::vector<uint8_t> SampleBytes()
{
    return CompileAutoTestRecording(SOURCE, "sample");
}

TEST(AutoTestRecordingTest, TheSampleDataRecordingReadsBack)
{
    TestSupport::LogCapture log;
    AutoTestRecording recording;
    ASSERT_TRUE(recording.Load((TestSupport::DataDir() / AUTOTEST_RECORDING_FILE).c_str())) << log.Text();
    ASSERT_FALSE(recording.GetEvents().empty());
    for (const EventDesc& event : recording.GetEvents())
        EXPECT_NE(event.m_eType, InvalidTwEventType);
}

TEST(AutoTestRecordingTest, EveryKindReadsBackWithItsParameters)
{
    TestSupport::LogCapture log;
    AutoTestRecording recording;
    ASSERT_TRUE(recording.Parse(SampleBytes(), "sample")) << log.Text();
    const std::span<const EventDesc> events = recording.GetEvents();
    ASSERT_EQ(events.size(), 8u);
    const std::string texts[] = {
        "Look(Entity[2](::),)",
        "UseItem(Entity[4](::),ITEM_CORK)",
        "Combine(ITEM_CORK,ITEM_MAGNET)",
        "Talk(tavrine,)",
        "Map(3,)",
        "Dialog_AutoTest(4660,)",
        "System(,)",
        "System(-5,)",
    };
    for (size_t i = 0; i < events.size(); ++i)
        EXPECT_EQ(EventDesc::ToString(nullptr, events[i]), texts[i]) << i;
    EXPECT_EQ(log.Text(), "");
}

TEST(AutoTestRecordingTest, EveryTruncationAndAnExtraByteAreRefusedWithTheFileNamed)
{
    const std::vector<uint8_t> bytes = SampleBytes();
    for (size_t size = 0; size <= bytes.size() + 1; ++size) {
        if (size == bytes.size())
            continue;
        std::vector<uint8_t> cut(bytes.begin(),
                                 bytes.begin() + static_cast<std::ptrdiff_t>(std::min(size, bytes.size())));
        if (size > bytes.size())
            cut.push_back(0);
        TestSupport::LogCapture log;
        AutoTestRecording recording;
        EXPECT_FALSE(recording.Parse(cut, "cut.dat")) << size;
        EXPECT_TRUE(recording.GetEvents().empty());
        EXPECT_EQ(log.Text().rfind("auto-test recording \"cut.dat\" refused: ", 0), 0u) << log.Text();
    }
}

TEST(AutoTestRecordingTest, EveryDamagedFieldIsRefusedNamingItsRecord)
{
    struct Case {
        size_t record;
        size_t word;
        uint32_t value;
        const char* line;
        // A second word of the same record, written when its index is not 0.
        size_t word2 = 0;
        uint32_t value2 = 0;
    };
    const Case cases[] = {
        {0, 0, 13, "record 0: unknown event type"},
        {0, 0, 0xFFFFFFFFu, "record 0: unknown event type"},
        {1, 1, 4, "record 1: parameter count outside 0..3"},
        {0, 1, 2, "record 0: wrong parameter count for its event type", 3, ID_PARAMETER_TYPE_INT},
        {1, 3, ID_PARAMETER_TYPE_WAYPOINT, "record 1: parameter type that an event cannot carry"},
        {1, 3, 0, "record 1: parameter type that an event cannot carry"},
        {2, 2, ID_PARAMETER_TYPE_SCRIPTABLE, "record 2: wrong parameter type for its event type"},
        {3, 7, 1, "record 3: unused parameter not zero"},
        {4, 4, ID_PARAMETER_TYPE_INT, "record 4: unused parameter not zero"},
        {4, 2, ID_PARAMETER_TYPE_SCENE, "record 4: wrong parameter type for its event type"},
        {7, 2, 10, "record 7: parameter type that an event cannot carry"},
        {4, 0, static_cast<uint32_t>(AUTOTEST_WAIT), "record 4: negative wait", 5, 0xFFFFFFFFu},
    };
    const std::vector<uint8_t> good = SampleBytes();
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = good;
        const size_t at = AUTOTEST_RECORDING_HEADER_SIZE + c.record * AUTOTEST_RECORD_SIZE;
        WriteWord(bytes.data(), at + c.word * 4, c.value);
        if (c.word2 != 0)
            WriteWord(bytes.data(), at + c.word2 * 4, c.value2);
        TestSupport::LogCapture log;
        AutoTestRecording recording;
        EXPECT_FALSE(recording.Parse(bytes, "bad.dat")) << c.line;
        EXPECT_EQ(log.Text(), std::string("auto-test recording \"bad.dat\" refused: ") + c.line + "\n");
    }
    struct HeaderCase {
        size_t offset;
        uint32_t value;
        const char* reason;
    };
    const HeaderCase headers[] = {
        {0, 0x43525442u, "not an ATRC recording"},
        {4, 9, "size does not match its record count"},
        {4, 0xFFFFFFFFu, "more records than a recording holds"},
    };
    for (const HeaderCase& c : headers) {
        std::vector<uint8_t> bytes = good;
        WriteWord(bytes.data(), c.offset, c.value);
        TestSupport::LogCapture log;
        AutoTestRecording recording;
        EXPECT_FALSE(recording.Parse(bytes, "bad.dat"));
        EXPECT_EQ(log.Text(), std::string("auto-test recording \"bad.dat\" refused: ") + c.reason + "\n");
    }
}

TEST(AutoTestRecordingTest, AMissingFileIsNamed)
{
    TestSupport::TempDir folder;
    TestSupport::LogCapture log;
    AutoTestRecording recording;
    const std::string path = (folder / "autotest.dat").string();
    EXPECT_FALSE(recording.Load(path.c_str()));
    EXPECT_TRUE(log.Contains(path)) << log.Text();
}

} // namespace
