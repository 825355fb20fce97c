#include "String/CoreStrToLower.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(CoreStrToLowerTest, CopiesInLowerCaseWithTheTerminator)
{
    char destination[16];
    std::memset(destination, 'x', sizeof destination);
    CoreStrToLower(destination, "Item_KEY 7");
    EXPECT_STREQ(destination, "item_key 7");
}

TEST(CoreStrToLowerTest, NullSourceLowersInPlaceAndNullDestinationDoesNothing)
{
    char text[] = "MiXeD";
    CoreStrToLower(text, nullptr);
    EXPECT_STREQ(text, "mixed");
    CoreStrToLower(nullptr, "ABC");
}

TEST(CoreStrToLowerTest, Utf8BytesPassUnchanged)
{
    char text[] = "\xC3\x89T\xC3\xA9";
    CoreStrToLower(text, nullptr);
    EXPECT_STREQ(text, "\xC3\x89t\xC3\xA9");
}

} // namespace
