#include "Dialogs/Common/TypewriterLine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TypewriterLineTest, AThreeLetterLineRevealsAtTwentyFiveCodePointsASecond)
{
    struct Case {
        uint32_t dt;
        fx32 progress;
        const char* shown;
        bool done;
    };
    // "abc" and its end are four code points: 16384 of progress.
    const Case cases[] = {
        {100, 10225, "ab", false},
        {160, 16375, "abc", false},
        {161, 0, "abc", true},
    };
    for (const Case& c : cases) {
        TypewriterLine line;
        line.SetText("abc");
        EXPECT_EQ(line.GetTotal(), 4);
        EXPECT_STREQ(line.GetText(), "");
        line.Update(c.dt);
        EXPECT_EQ(line.GetProgress(), c.progress) << c.dt;
        EXPECT_STREQ(line.GetText(), c.shown) << c.dt;
        EXPECT_EQ(line.IsDone(), c.done) << c.dt;
    }
}

TEST(TypewriterLineTest, AnEmptyLineIsDoneOnItsThirdFrame)
{
    TypewriterLine line;
    line.SetText("");
    EXPECT_EQ(line.GetTotal(), 1);
    line.Update(16);
    line.Update(16);
    EXPECT_EQ(line.GetProgress(), 3250);
    EXPECT_FALSE(line.IsDone());
    line.Update(16);
    EXPECT_TRUE(line.IsDone());
}

TEST(TypewriterLineTest, ACodePointIsRevealedWholeAndAStrayByteCountsAsOne)
{
    TypewriterLine line;
    line.SetText("\xC3\xA9\x80z");
    EXPECT_EQ(line.GetTotal(), 4);
    std::string previous;
    for (int frame = 0; frame < 12 && !line.IsDone(); ++frame) {
        line.Update(16);
        const std::string shown = line.GetText();
        // Never half of the two-byte sequence.
        EXPECT_NE(shown, "\xC3");
        EXPECT_EQ(shown.compare(0, previous.size(), previous), 0);
        previous = shown;
    }
    EXPECT_TRUE(line.IsDone());
    EXPECT_STREQ(line.GetText(), "\xC3\xA9\x80z");
}

TEST(TypewriterLineTest, CompletingShowsTheWholeLineAndSettingAgainHidesIt)
{
    TypewriterLine line;
    line.SetText("hello");
    line.Update(100);
    line.Complete();
    EXPECT_TRUE(line.IsDone());
    EXPECT_STREQ(line.GetText(), "hello");
    line.Update(1000);
    EXPECT_STREQ(line.GetText(), "hello");
    line.SetText("bye");
    EXPECT_FALSE(line.IsDone());
    EXPECT_STREQ(line.GetText(), "");
}

TEST(TypewriterLineTest, ATextLongerThanTheBufferIsCutBeforeTheCodePointThatDoesNotFit)
{
    // 254 letters then a three-byte code point: only the letters fit with
    // the NUL.
    std::string text(254, 'a');
    text += "\xE2\x82\xAC and more";
    TypewriterLine line;
    line.SetText(text.c_str());
    EXPECT_EQ(line.GetTotal(), 255);
    line.Update(60000);
    EXPECT_TRUE(line.IsDone());
    EXPECT_EQ(std::string(line.GetText()), std::string(254, 'a'));
    line.SetText(nullptr);
    EXPECT_EQ(line.GetTotal(), 1);
}

} // namespace
