#include "Input/SdlKeyTable.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace Platform;

TEST(SdlKeyTableTest, OrdinaryKeysTakeTheirScanCodes)
{
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_ESCAPE), 0x01);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_1), 0x02);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_0), 0x0B);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_Q), 0x10);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_RETURN), 0x1C);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_LCTRL), 0x1D);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_A), 0x1E);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_M), 0x32);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_LALT), 0x38);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_SPACE), 0x39);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_F1), 0x3B);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_F10), 0x44);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_7), 0x47);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_PERIOD), 0x53);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_F12), 0x58);
}

TEST(SdlKeyTableTest, ExtendedKeysSitAboveTheHighBit)
{
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_ENTER), 0x9C);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_RCTRL), 0x9D);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_DIVIDE), 0xB5);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_RALT), 0xB8);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_HOME), 0xC7);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_UP), 0xC8);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_PAGEUP), 0xC9);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_LEFT), 0xCB);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_RIGHT), 0xCD);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_END), 0xCF);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_DOWN), 0xD0);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_DELETE), 0xD3);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_LGUI), 0xDB);
}

TEST(SdlKeyTableTest, KeysWithoutAPlaceAndBadScancodesGiveNone)
{
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_UNKNOWN), KEY_NONE);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_F24), KEY_NONE);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_MODE), KEY_NONE);
    EXPECT_EQ(KeyCodeFromScancode(static_cast<SDL_Scancode>(-1)), KEY_NONE);
    EXPECT_EQ(KeyCodeFromScancode(SDL_NUM_SCANCODES), KEY_NONE);
}

// A mistyped entry usually lands on a code that another key already has.
TEST(SdlKeyTableTest, OnlyTheKnownAliasesShareACode)
{
    std::map<int, int> keysPerCode;
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        const KeyCode code = KeyCodeFromScancode(static_cast<SDL_Scancode>(scancode));
        if (code != KEY_NONE)
            ++keysPerCode[code];
    }
    for (const auto& [code, keys] : keysPerCode) {
        const bool alias = code == KEY_BACKSLASH || code == KEY_PRINTSCREEN;
        EXPECT_EQ(keys, alias ? 2 : 1) << "code " << code;
    }
    EXPECT_EQ(keysPerCode.size(), 136u);
}

} // namespace
