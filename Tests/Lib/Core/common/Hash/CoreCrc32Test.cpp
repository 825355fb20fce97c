#include "Hash/CoreCrc32.h"

#include <gtest/gtest.h>

namespace {

TEST(CoreCrc32Test, PublishedCheckValues)
{
    CoreCrc32::Init();
    EXPECT_EQ(CoreCrc32::HashString(""), 0u);
    EXPECT_EQ(CoreCrc32::HashString("123456789"), 0xCBF43926u);
    EXPECT_EQ(CoreCrc32::HashString("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

TEST(CoreCrc32Test, CompileTimeHashEqualsRunTimeHash)
{
    static_assert(CoreCrc32Of("123456789") == 0xCBF43926u);
    EXPECT_EQ(CoreCrc32Of("logic_dialog"), CoreCrc32::HashString("logic_dialog"));
}

TEST(CoreCrc32Test, CaseSensitive)
{
    EXPECT_NE(CoreCrc32::HashString("logic_dialog"), CoreCrc32::HashString("LOGIC_DIALOG"));
}

TEST(CoreCrc32Test, UpdateInPiecesEqualsOneBlock)
{
    const char text[] = "123456789";
    CoreCrc32::SetRunning(0xFFFFFFFFu);
    CoreCrc32::Update(4, text);
    CoreCrc32::Update(0, text);
    CoreCrc32::Update(5, text + 4);
    EXPECT_EQ(~CoreCrc32::Running(), CoreCrc32::HashBlock(text, 9));
}

} // namespace
