// The options tab in the menu: a volume click, save with its confirmation and
// saved message, a failing save, and exit to the start menu.
#include "Engine/Interface/Common/MenuTabWorld.h"

#include "Common/VarIds.h"
#include "Interface/Common/InterfaceOptions.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/SoundManager.h"
#include "Support/FaultyFileWriter.h"
#include "Engine/Managers/Common/SaveSession.h"
#include "Support/ScopedService.h"
#include "Support/ScopedSoundManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace MenuTabTest;
using TestSupport::FaultyFileWriter;

constexpr fx32 AWAY_X = 250 * U;
constexpr fx32 AWAY_Y = 185 * U;

size_t CountOf(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class OptionsTabTest : public SaveSession {
protected:
    void SetUp() override
    {
        SaveSession::SetUp();
        m_sound.emplace();
        m_world.emplace();
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 9);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
        g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(KID));
        m_world->ShowTab(TAB_OPTIONS);
        Frame();
    }
    void TearDown() override
    {
        m_world.reset();
        m_sound.reset();
        SaveSession::TearDown();
    }

    void Frame(uint32_t dtMs = 16) { m_world->Frame(AWAY_X, AWAY_Y, false, dtMs); }
    void ClickButton(int32_t iEntry)
    {
        const CoreFxVec2 centre = m_world->Menu().GetButton(iEntry).GetCenter();
        m_world->Click(centre.x, centre.y);
    }
    void Click(const CoreFxVec2& point) { m_world->Click(point.x, point.y); }
    InterfaceOptions& Options() { return m_world->Menu().GetOptions(); }

    // Save pressed and confirmed.
    void Save()
    {
        ClickButton(BUTTON_SAVE);
        ASSERT_EQ(Options().GetState(), InterfaceOptions::STATE_SAVE_CONFIRM);
        ASSERT_EQ(m_world->InputState(), INPUT_STATE_POINTER_ONLY);
        Click(InterfaceOptions::YES_POINT);
    }

    std::optional<TestSupport::ScopedSoundManager> m_sound;
    std::optional<MenuTabWorld> m_world;
};

TEST_F(OptionsTabTest, AClickOnABarSetsTheSoundManagersMasterVolume)
{
    const CoreFxVec2 effects = VolumeBars::GetOrigin(VolumeBars::Bar::Effects);
    Click({effects.x + 25 * U, effects.y + 7 * U});
    EXPECT_EQ(SoundManager::m_fxMasterEffectsVolume, 1228);
    EXPECT_EQ(SoundManager::m_fxMasterMusicVolume, FX32_ONE);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_MASTER_EFFECTS), 30);

    // The bar shows three lit steps of ten.
    EXPECT_TRUE(Options().GetStep(true, 0).m_bVisible);
    EXPECT_EQ(VolumeBars::LitSteps(SoundManager::m_fxMasterEffectsVolume), 3);
    m_world->Draw();
    EXPECT_FALSE(m_world->Services().mainText.glyphs.empty());
}

TEST_F(OptionsTabTest, ASaveLandsInTheSaveFileAndTheSavedMessageClosesTheMenu)
{
    m_log.Take();
    Save();
    EXPECT_EQ(Options().GetState(), InterfaceOptions::STATE_SAVED);
    const std::vector<uint8_t> file = FileBytes();
    // Slot 0 of "save.dat" holds the game: its scene and chapter.
    EXPECT_EQ(WordAt(file, 0x28 + 4 * 4), 9u);
    EXPECT_EQ(WordAt(file, 0x28 + 1 * 4), 1u);
    EXPECT_EQ(Slots().GetSaveSlot(0)->m_iCurrentScene, 9);

    // 3000 ms from the press, of which the release's frame took 16.
    Frame(2000);
    EXPECT_EQ(Options().GetState(), InterfaceOptions::STATE_SAVED);
    Frame(984);
    EXPECT_EQ(Options().GetState(), InterfaceOptions::STATE_SAVED);
    Frame(1);
    EXPECT_EQ(Options().GetState(), InterfaceOptions::STATE_MAIN);
    EXPECT_EQ(m_world->Menu().GetCurrentTabIndex(), TAB_INVENTORY);
    EXPECT_EQ(m_world->InputState(), INPUT_STATE_IDLE);

    // Again: written again, the message again.
    m_world->ShowTab(TAB_OPTIONS);
    Frame();
    Save();
    EXPECT_EQ(Options().GetState(), InterfaceOptions::STATE_SAVED);
    EXPECT_EQ(CountOf(m_world->Log().Text(), "Save time:"), 2u);
}

// A file that cannot be written, and one the player made read-only, which the
// save must not replace.
TEST_F(OptionsTabTest, AFailedSaveShowsNoSavedMessage)
{
    const std::filesystem::path path = m_dir / "save.dat";
    for (const bool readOnly : {false, true}) {
        FaultyFileWriter writer(readOnly ? FaultyFileWriter::Fault::None : FaultyFileWriter::Fault::Create);
        TestSupport::ScopedService<Platform::FileWriter> installed(Platform::SetFileWriter, writer);
        if (readOnly)
            std::filesystem::permissions(path, std::filesystem::perms::owner_read);
        Save();
        EXPECT_NE(Options().GetState(), InterfaceOptions::STATE_SAVED) << readOnly;
        EXPECT_EQ(Options().GetState(), InterfaceOptions::STATE_MAIN) << readOnly;
        EXPECT_EQ(m_world->InputState(), INPUT_STATE_MENU) << readOnly;
        EXPECT_TRUE(m_world->Log().Contains("Saving slot 0 to \"save.dat\" failed (5): the game was not saved\n"));
        // The file keeps what it held: an empty slot.
        EXPECT_EQ(WordAt(FileBytes(), 0x28 + 4 * 4), 0u) << readOnly;
    }
    EXPECT_TRUE(m_world->Log().Contains("Save file \"save.dat\" refused: it is read-only and is not replaced\n"));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_read);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

TEST_F(OptionsTabTest, NoGoesBackAndTheAnswersReactUpToThirtyUnitsAway)
{
    const struct {
        fx32 dx;
        fx32 dy;
        bool reacts;
    } cases[] = {
        {29 * U, 0, true}, {0, -29 * U, true}, {-21 * U, 21 * U, true}, {31 * U, 0, false}, {-22 * U, 22 * U, false}};
    for (const auto& oneCase : cases) {
        ClickButton(BUTTON_EXIT);
        ASSERT_EQ(Options().GetState(), InterfaceOptions::STATE_EXIT_CONFIRM);
        // A miss of both answers changes nothing.
        Click({InterfaceOptions::NO_POINT.x + oneCase.dx, InterfaceOptions::NO_POINT.y + oneCase.dy});
        EXPECT_EQ(Options().GetState(),
                  oneCase.reacts ? InterfaceOptions::STATE_MAIN : InterfaceOptions::STATE_EXIT_CONFIRM)
            << oneCase.dx << " " << oneCase.dy;
        if (!oneCase.reacts)
            Click(InterfaceOptions::NO_POINT);
        EXPECT_EQ(m_world->InputState(), INPUT_STATE_MENU);
    }
    EXPECT_FALSE(g_oScriptManager.IsChangePending());
}

TEST_F(OptionsTabTest, ThePointedAnswerIsPrintedDarkerThanTheOtherOnTheLightParchment)
{
    // Perceived lightness of an RGBA colour, 0 to 255.
    const auto lightness = [](uint32_t colour) {
        return 0.299 * (colour >> 24) + 0.587 * ((colour >> 16) & 0xFF) + 0.114 * ((colour >> 8) & 0xFF);
    };
    for (const CoreFxVec2& pointed : {InterfaceOptions::YES_POINT, InterfaceOptions::NO_POINT}) {
        ClickButton(BUTTON_EXIT);
        ASSERT_EQ(Options().GetState(), InterfaceOptions::STATE_EXIT_CONFIRM);
        m_world->Frame(pointed.x, pointed.y, false);
        m_world->Draw();
        // The answers' line lies below the title.
        std::optional<uint32_t> pointedColour;
        std::optional<uint32_t> otherColour;
        for (const RecordingTextRenderer::Glyph& glyph : m_world->Services().mainText.glyphs) {
            if (glyph.y < 100 * U)
                continue;
            const bool onPointed = (glyph.x < 140 * U) == (pointed.x < 140 * U);
            (onPointed ? pointedColour : otherColour) = glyph.colour;
        }
        ASSERT_TRUE(pointedColour && otherColour);
        EXPECT_LT(lightness(*pointedColour), lightness(*otherColour) - 40) << std::hex << *pointedColour;
        Click(InterfaceOptions::NO_POINT);
    }
}

TEST_F(OptionsTabTest, ExitGoesToTheStartMenuScene)
{
    ClickButton(BUTTON_EXIT);
    EXPECT_EQ(Options().GetState(), InterfaceOptions::STATE_EXIT_CONFIRM);
    Click(InterfaceOptions::YES_POINT);
    EXPECT_TRUE(g_oScriptManager.IsChangePending());
    EXPECT_EQ(g_oScriptManager.GetNextSceneId(), 3);
    EXPECT_EQ(m_world->ApplySceneChange(), 3);
}

} // namespace
