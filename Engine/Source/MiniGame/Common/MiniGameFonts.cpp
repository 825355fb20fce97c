#include "MiniGame/Common/MiniGameFonts.h"

Tw::Font MiniGameFonts::TitleFont;
Tw::Font MiniGameFonts::MainFont;
Tw::Font MiniGameFonts::MGScoreFont;

void MiniGameFonts::Load()
{
    MainFont.Initialize("fonts/MainFont.fnt.bin", {"MainFont_00", 0});
    TitleFont.Initialize("fonts/TitleFont.fnt.bin", {"TitleFont_00", 0});
    MGScoreFont.Initialize("fonts/MGScoreFont.fnt.bin", {"MGScoreFont_00", 0});
}

void MiniGameFonts::Release()
{
    MGScoreFont.Release();
    MainFont.Release();
    TitleFont.Release();
}
