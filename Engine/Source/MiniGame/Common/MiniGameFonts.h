#pragma once
#include "Utils/Common/Font/Common/TwFont.h"

// The three fonts of the mini-games, loaded while the mini-game state runs:
// the title font (box titles and buttons), a main font of their own (box
// texts) and the score font (the games' own texts).
class MiniGameFonts {
public:
    // A font that cannot be loaded stays empty; the others load anyway.
    static void Load();
    // The score font, the main font and the title font, in this order.
    static void Release();

    static Tw::Font TitleFont;
    static Tw::Font MainFont;
    static Tw::Font MGScoreFont;
};
