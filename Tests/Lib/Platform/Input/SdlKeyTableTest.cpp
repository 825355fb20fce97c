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
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_F13), 0x64);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_RSHIFT), 0x36);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_NONUSBACKSLASH), 0x56);
}

// The keypad's operators sit between its digits, where a swap is easy to miss.
TEST(SdlKeyTableTest, KeypadKeysTakeTheirScanCodes)
{
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_MULTIPLY), 0x37);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_NUMLOCKCLEAR), 0x45);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_SCROLLLOCK), 0x46);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_8), 0x48);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_9), 0x49);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_MINUS), 0x4A);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_4), 0x4B);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_5), 0x4C);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_6), 0x4D);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_PLUS), 0x4E);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_1), 0x4F);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_2), 0x50);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_3), 0x51);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_KP_0), 0x52);
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
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_RGUI), 0xDC);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_APPLICATION), 0xDD);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_PRINTSCREEN), 0xB7);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_PAUSE), 0xC5);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_INSERT), 0xD2);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_PAGEDOWN), 0xD1);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_MUTE), 0xA0);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_VOLUMEUP), 0xB0);
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
