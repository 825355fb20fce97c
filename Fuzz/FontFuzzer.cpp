// A bitmap font read as the game reads it, then used to measure, lay out and
// print texts of every kind of code point (the drawing itself is left out:
// the glyphs' rectangles are what the file decides).
#include "FuzzSupport.h"
#include "Utils/Common/Font/Common/TextRenderer.h"
#include "Utils/Common/Font/Common/TwFont.h"

namespace {

class DiscardingRenderer final : public Tw::TextRenderer {
public:
    void DrawGlyph(uint32_t, uint32_t, uint32_t, uint32_t, fx32, fx32, fx32, fx32, uint32_t) override { }
};

const char* const TEXTS[] = {
    "The tide turns: \xE2\x80\x9CQuick!\xE2\x80\x9D \xE2\x80\x93 42 \xE2\x82\xAC\xE2\x80\xA6",
    "\xC2\xBF"
    "D\xC3\xB3nde?\tGr\xC3\xBC\xC3\x9F\xC2\xA0Gott\n\n\xEE\x80\x81 \xF0\x9F\x98\x80 \xFF\x80",
    "averyveryverylongwordthatcannotbreak and then short words to wrap at the edge\n",
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 0xFFFFFFFFu)
        return 0;
    Tw::Font font;
    if (!font.InitializeFromMemory("fuzz", data, uint32_t(size), {}))
        return 0;
    DiscardingRenderer renderer;
    renderer.Initialize(&font, 4);
    for (const char* text : TEXTS) {
        font.ComputeTextWidth(text);
        font.ComputeTextLength(text);
        renderer.Print(text, 128 * FX32_ONE, 96 * FX32_ONE, 0xFFFFFFFF, 0x2022);
    }
    renderer.SetClipRect(10 * FX32_ONE, 10 * FX32_ONE, 120 * FX32_ONE, 60 * FX32_ONE);
    for (const char* text : TEXTS)
        renderer.Print(text, 120 * FX32_ONE, 5 * FX32_ONE, 0xFFFFFFFF, 0x3004);
    renderer.Release();
    font.Release();
    return 0;
}
