#include "Error/CoreError.h"
#include "Error/EngineAssert.h"
#include "Support/LogCapture.h"
#include "Support/ScopedMessageBoxes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Widget {
    void Check(int value) { ENGINE_ASSERT(value > 0); }
    void CheckWithMessage(int value) { ENGINE_ASSERT_MSG(value > 0, "value was %d (100%%)\n", value); }
    void CheckWithBareMessage(int value) { ENGINE_ASSERT_MSG(value > 0, "value was %d", value); }
};

// Operators whose symbols hold brackets or a blank.
struct Version {
    int m_iNumber = 0;
    bool operator<(const Version& other) const
    {
        ENGINE_ASSERT(other.m_iNumber >= 0);
        return m_iNumber < other.m_iNumber;
    }
    explicit operator bool() const
    {
        ENGINE_ASSERT(m_iNumber >= 0);
        return m_iNumber != 0;
    }
};

int CheckedCoreSite(int value)
{
    CORE_ASSERT(value != 0, "value must not be %d", value);
    return value;
}

int OtherCoreSite(int value)
{
    CORE_ASSERT(value != 0, "other site");
    return value;
}

std::string EngineAssertOutput(void (Widget::*check)(int), int value)
{
    Widget widget;
    TestSupport::LogCapture capture;
    (widget.*check)(value);
    return capture.Take();
}

TEST(EngineAssertTest, PrintsFourLinesAndContinues)
{
    const std::string output = EngineAssertOutput(&Widget::Check, 0);
    const std::string expectedStart = "ASSERT\nfile:      " __FILE__ "(";
    EXPECT_EQ(output.rfind(expectedStart, 0), 0u) << output;
    EXPECT_NE(output.find(")\nfunction:  {anonymous}::Widget::Check\ncondition: value > 0\n"), std::string::npos)
        << output;
    EXPECT_EQ(output.find("message:"), std::string::npos);
}

TEST(EngineAssertTest, OperatorsAreNamedWithTheirSymbol)
{
    const Version broken {-1};
    TestSupport::LogCapture capture;
    (void)(Version {} < broken);
    (void)static_cast<bool>(broken);
    const std::string output = capture.Take();
    EXPECT_NE(output.find("function:  {anonymous}::Version::operator<\n"), std::string::npos) << output;
    EXPECT_NE(output.find("function:  {anonymous}::Version::operator bool\n"), std::string::npos) << output;
}

TEST(EngineAssertTest, MessageFollowsTheBlockAndEveryFailureReports)
{
    const std::string first = EngineAssertOutput(&Widget::CheckWithMessage, -3);
    EXPECT_NE(first.find("condition: value > 0\nmessage:\nvalue was -3 (100%)\n"), std::string::npos) << first;
    EXPECT_EQ(EngineAssertOutput(&Widget::CheckWithMessage, -3), first);
    EXPECT_EQ(EngineAssertOutput(&Widget::CheckWithMessage, 1), "");
}

TEST(EngineAssertTest, MessageWithoutLineEndStillEndsItsLine)
{
    const std::string output = EngineAssertOutput(&Widget::CheckWithBareMessage, -3);
    EXPECT_TRUE(output.ends_with("condition: value > 0\nmessage:\nvalue was -3\n")) << output;
}

TEST(CoreAssertTest, ReportBlockAndBoxText)
{
    TestSupport::ScopedMessageBoxes boxes;
    TestSupport::LogCapture errors;
    CheckedCoreSite(0);
    const std::string block = errors.Take();
    EXPECT_EQ(block.rfind("################ ERROR 0 ################\n[TYPE]:         ASSERT (1)\n"
                          "[DESCRIPTION]:  value must not be 0\n[EXPRESSION]:   value != 0\n[LOCATION]:\n",
                          0),
              0u)
        << block;
    EXPECT_NE(block.find(" : in function <{anonymous}::CheckedCoreSite>\n\n[THREAD HANDLE:fffffffe ID:"),
              std::string::npos)
        << block;

    ASSERT_EQ(boxes.Boxes().ShownBoxes().size(), 1u);
    const auto& shown = boxes.Boxes().ShownBoxes()[0];
    EXPECT_EQ(shown.title, "ASSERT");
    EXPECT_EQ(shown.text.rfind("[DESCRIPTION]\nvalue must not be 0\n\n[EXPRESSION]\nvalue != 0\n\n[LOCATION]\n", 0),
              0u);
    EXPECT_NE(shown.text.find("IGNORE THE ASSERT? ALWAYS? OR TO EXIT THE APPLICATION?    \n\n"), std::string::npos);
}

TEST(CoreAssertTest, AlwaysSilencesOnlyItsOwnSite)
{
    TestSupport::ScopedMessageBoxes boxes;
    boxes.Boxes().QueueAnswer(Platform::AssertAnswer::Ignore);
    boxes.Boxes().QueueAnswer(Platform::AssertAnswer::Always);
    TestSupport::LogCapture errors;
    OtherCoreSite(0);
    OtherCoreSite(0);
    OtherCoreSite(0);
    CheckedCoreSite(0);
    const std::string output = errors.Take();
    ASSERT_EQ(boxes.Boxes().ShownBoxes().size(), 3u);
    EXPECT_NE(boxes.Boxes().ShownBoxes()[2].text.find("value must not be 0"), std::string::npos);
}

TEST(CoreAssertTest, FailedBoxCountsAsAlways)
{
    TestSupport::ScopedMessageBoxes boxes;
    boxes.Boxes().QueueAnswer(Platform::AssertAnswer::Dismissed);
    EXPECT_EQ(CoreErrorReport(CoreErrorKind_Assert, "c", "f.cpp", 1, "F", "m"), CoreError_IgnoreAlways);
}

TEST(CoreAssertTest, DispatchWithoutReporterAnswersMinusOne)
{
    const CoreErrorReportFn saved = g_pfnCoreErrorReport;
    g_pfnCoreErrorReport = nullptr;
    EXPECT_EQ(CoreErrorDispatch("c", "f.cpp", 1, "void F()", "m"), CoreError_NoReporter);
    g_pfnCoreErrorReport = saved;
}

TEST(CoreAssertDeathTest, BreakWithoutDebuggerExitsWithCodeOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TestSupport::ScopedMessageBoxes boxes;
            boxes.Boxes().QueueAnswer(Platform::AssertAnswer::Break);
            CheckedCoreSite(0);
            std::fputs("after break\n", stderr);
        },
        testing::ExitedWithCode(1), "value must not be 0");
}

} // namespace
