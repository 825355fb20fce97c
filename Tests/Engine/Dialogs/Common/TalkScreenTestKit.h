#pragma once
// What the talk screen's tests share: services that a test steers and
// watches, a text renderer that notes what it draws, the pointer and keys of
// a headless window, and the world of a talk screen (the sample common pack
// bound, the sample main font, the localiser, the dialog manager).
#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "DataPack/DkDataPackBinding.h"
#include "Dialogs/Common/DialogInterface.h"
#include "Dialogs/Common/DialogManager.h"
#include "Dialogs/Common/TalkScreenServices.h"
#include "Input/InputEventTrigger.h"
#include "Managers/Common/VarManager.h"
#include "ScriptEngine/common/EventDesc.h"
#include "Support/HeadlessInput.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Font/Common/TwFont.h"
#include "Utils/Common/Font/PC/TextureTextRenderer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace TalkScreenTest {

constexpr fx32 U = FX32_ONE;
constexpr uint32_t HERO = ActorIdOf("tavrine_kid");
constexpr uint32_t MOTHER = ActorIdOf("bonita_c_chair");
// The sound actor of the mother's character; everyone else speaks on 0.
constexpr int MOTHER_SOUND_ACTOR = 2;

class FakeServices final : public TalkScreenServices {
public:
    FakeServices() { SetTalkScreenServices(this); }
    ~FakeServices() override { SetTalkScreenServices(nullptr); }
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    Tw::TextRenderer* GetTextRenderer() override { return renderer; }
    bool IsGameBusy() override { return busy; }
    int GetSpeakerSoundActor(uint32_t uActorId) override { return uActorId == MOTHER ? MOTHER_SOUND_ACTOR : 0; }
    void PlaySpeech(int iSoundActor, int32_t iSoundId) override
    {
        speech.push_back("play " + std::to_string(iSoundActor) + " " + std::to_string(iSoundId));
    }
    void StopSpeech(int iSoundActor) override { speech.push_back("stop " + std::to_string(iSoundActor)); }
    const EventDesc* PeekAutoTestEvent() override { return next < recorded.size() ? &recorded[next] : nullptr; }
    void ConsumeAutoTestEvent() override { ++next; }

    Tw::TextRenderer* renderer = nullptr;
    bool busy = false;
    std::vector<std::string> speech;
    std::vector<EventDesc> recorded;
    size_t next = 0;
};

// Draws as the game does and notes each glyph: where and in which colour.
class RecordingTextRenderer final : public Tw::TextureTextRenderer {
public:
    struct Glyph {
        fx32 x;
        fx32 y;
        uint32_t colour;
    };
    void DrawGlyph(uint32_t u, uint32_t v, uint32_t w, uint32_t h, fx32 x, fx32 y, fx32 width, fx32 height,
                   uint32_t colour) override
    {
        glyphs.push_back({x, y, colour});
        TextureTextRenderer::DrawGlyph(u, v, w, h, x, y, width, height, colour);
    }
    std::vector<Glyph> glyphs;
};

// A 4:3 window of 1280 x 960 pixels with the game's default triggers, the
// talk screen's pointer events on and its up and down events bound to the
// arrow keys (they have no default binding).
class TalkInput {
public:
    TalkInput();
    ~TalkInput();
    TalkInput(const TalkInput&) = delete;
    TalkInput& operator=(const TalkInput&) = delete;

    // One frame of input: the pointer at the point (virtual units), the left
    // button as given.
    void Frame(fx32 x, fx32 y, bool bButton);
    // A frame with the key up, then one with it pressed.
    void PressKey(uint8_t code);

private:
    TestSupport::ScopedHeadlessInput m_input;
    InputEventTrigger m_oUp;
    InputEventTrigger m_oDown;
};

// The world a talk screen runs in, on a renderer that the test made: the
// sample common pack, the sample main font printing through a recording
// renderer, the localiser with the tables a test adds, an empty dialog
// manager and the playing character set to the kid.
class TalkWorld {
public:
    void SetUp();
    void TearDown();

    // A text table (hand-made, or a sample one) in the next bank.
    void AddTexts(std::vector<std::pair<uint32_t, std::string>> texts);
    void AddSampleTexts(const char* fileName);
    // A dialogs file as the group of that id; its slot.
    int32_t AddGroup(const std::vector<uint8_t>& bytes, int32_t iGroupId);
    int32_t AddSampleGroup(const char* fileName, int32_t iGroupId);

    DialogManager& Manager() { return *DialogManager::GetInstance(); }

    FakeServices services;
    RecordingTextRenderer text;
    Tw::Font font;

private:
    std::vector<uint8_t> m_pack;
    DataPack m_oDataPack;
    DkLocalizerBank m_aBanks[DkLocalizer::BANK_COUNT];
    std::vector<std::vector<uint8_t>> m_aFiles;
    VarSet m_oSavedVars;
};

} // namespace TalkScreenTest
