// The six mini-games played one after another in one game process, headless
// and unpaced, with the process's memory noted after each: a game that ends
// must hand back what it took, or a long evening of play ends out of memory.
#include "App/CoreApp.h"
#include "Common/VarIds.h"
#include "Game/TwGame.h"
#include "Input/KeyCodes.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/VarManager.h"
#include "MiniGame/Common/MiniGame.h"
#include "MiniGame/Common/MiniGameFactory.h"
#include "MiniGame/Common/MiniGameResult.h"
#include "Nubra/Common/Memory/NubraMemory.h"
#include "ScriptEngine/common/ActionDesc.h"
#include "States/Common/GameStateIds.h"
#include "States/Common/MiniGameState.h"
#include "Support/Files.h"
#include "Support/GameProcess.h"
#include "Support/SanitizerBuild.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr int32_t FIRST_GAME = MINIGAME_WOODEN_SWORD_DUEL;
constexpr int32_t GAME_COUNT = MINIGAME_LAST - MINIGAME_WOODEN_SWORD_DUEL + 1;
// Frames of play in each game, about two seconds of game time.
constexpr int PLAY_FRAMES = 120;
// A small window keeps the drawing cheap; what a frame holds is the same.
constexpr int32_t WINDOW_WIDTH = 640;
constexpr int32_t WINDOW_HEIGHT = 480;
// Frames the adventure runs between two games, so that the scene it went
// back to is loaded and drawn again before the memory is noted.
constexpr int ADVENTURE_FRAMES = 30;
constexpr int FRAME_LIMIT = 20000;
constexpr const char* MEMORY_FILE = "memory.txt";

// What the process holds: its resident pages, the C library's main arena
// with the part of it in use, the game's own heap in use and its live
// textures.
struct MemorySample {
    long long iResidentKb = 0;
    long long iArenaKb = 0;
    long long iInUseKb = 0;
    long long iGameHeapBytes = 0;
    long long iTextures = 0;
};

MemorySample SampleMemory()
{
    MemorySample sample;
    long long size = 0;
    long long resident = 0;
    if (FILE* file = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(file, "%lld %lld", &size, &resident) == 2)
            sample.iResidentKb = resident * sysconf(_SC_PAGESIZE) / 1024;
        std::fclose(file);
    }
    const struct mallinfo2 info = mallinfo2();
    sample.iArenaKb = static_cast<long long>(info.arena) / 1024;
    sample.iInUseKb = static_cast<long long>(info.uordblks) / 1024;
    Nubra::Memory::MallInfo heap;
    if (Nubra::Memory::BigHeap* mainHeap = Nubra::Memory::MainHeap())
        Nubra::Memory::BigHeap::GetMallInfo(mainHeap, heap);
    sample.iGameHeapBytes = static_cast<long long>(heap.m_uUsedBytes);
    sample.iTextures = g_pTextureManager ? g_pTextureManager->GetTextureCount() : 0;
    return sample;
}

// Plays the games inside the game's process, one step per frame, from the
// input devices' poll: skips the splash, goes from the start menu to the
// mini-game menu and starts each game there as its pictures do, takes the
// instructions box, plays with clicks and keys, quits through the pause box
// and notes the memory once the adventure runs the menu again. Ends the game
// after the last.
class MiniGameRounds {
public:
    void Step(Platform::HeadlessInputDevices& input)
    {
        ++m_iFrame;
        input.SetClientSize(WINDOW_WIDTH, WINDOW_HEIGHT);
        input.SetMouseButton(0, false);
        for (uint8_t key : {Platform::KEY_ESCAPE, Platform::KEY_LEFT, Platform::KEY_RIGHT, Platform::KEY_UP,
                            Platform::KEY_DOWN, Platform::KEY_SPACE})
            input.SetKey(key, false);
        if (g_oTwGame.GetCurrentStateId() == STATE_ID_MINIGAME)
            PlayMiniGame(input);
        else if (g_oTwGame.GetCurrentStateId() == STATE_ID_MAIN)
            RunAdventure();
    }

private:
    void RunAdventure()
    {
        if (++m_iAdventureFrames < ADVENTURE_FRAMES || g_oScriptManager.IsBusy())
            return;
        // The player comes to each game through the mini-game menu (some
        // games go on in a scene of the story when won).
        if (g_VarManager.GetInt(VARINT_C_CURRENT_SCENE) != MiniGameResult::MINIGAME_MENU_SCENE) {
            m_iAdventureFrames = 0;
            g_oScriptManager.GoToScene(MiniGameResult::MINIGAME_MENU_SCENE);
            return;
        }
        if (m_iGame >= FIRST_GAME)
            NoteMemory();
        if (m_iGame == MINIGAME_LAST) {
            g_pCoreApp->m_bQuit = true;
            return;
        }
        m_iGame = m_iGame < FIRST_GAME ? FIRST_GAME : m_iGame + 1;
        m_iPlayFrames = 0;
        ActionDesc action = ActionDesc::MakeEmpty();
        action.m_iActionType = ID_ACTION_TYPE_START_MINIGAME;
        action.m_iParameterType[0] = ID_PARAMETER_TYPE_INT;
        action.m_oParameter[0] = m_iGame;
        g_oScriptManager.StartAction(action);
    }

    void PlayMiniGame(Platform::HeadlessInputDevices& input)
    {
        m_iAdventureFrames = 0;
        auto* state = static_cast<MiniGameState*>(g_oTwGame.GetCurrentState());
        MiniGame* game = state->GetMiniGame();
        // The splash: a click every few frames skips its logos.
        if (game == nullptr || m_iGame < FIRST_GAME) {
            if (m_iFrame % 8 == 0)
                Click(input, WINDOW_WIDTH / 2, WINDOW_HEIGHT / 2);
            return;
        }
        switch (game->GetState()) {
        case MiniGame::STATE_INSTRUCTIONS:
        case MiniGame::STATE_END_BOX: ClickButton(input, *game, 0); break;
        case MiniGame::STATE_PAUSE_BOX: ClickButton(input, *game, 1); break;
        case MiniGame::STATE_PLAYING:
            if (++m_iPlayFrames >= PLAY_FRAMES)
                input.SetKey(Platform::KEY_ESCAPE, m_iFrame % 2 == 0);
            else
                Play(input);
            break;
        // Esc also asks whether to quit the whole game; Esc again says no,
        // and the game then takes it as its pause.
        case MiniGame::STATE_SUSPENDED: input.SetKey(Platform::KEY_ESCAPE, m_iFrame % 2 == 0); break;
        default: break;
        }
    }

    // Clicks and keys in a fixed pseudo-random order, as a restless player.
    void Play(Platform::HeadlessInputDevices& input)
    {
        m_uSeed = m_uSeed * 1103515245u + 12345u;
        const uint32_t roll = m_uSeed >> 8;
        if (roll % 5 == 0)
            Click(input, int32_t(roll % WINDOW_WIDTH), int32_t((roll / WINDOW_WIDTH) % WINDOW_HEIGHT));
        static constexpr uint8_t KEYS[] = {Platform::KEY_LEFT, Platform::KEY_RIGHT, Platform::KEY_UP,
                                           Platform::KEY_DOWN, Platform::KEY_SPACE};
        input.SetKey(KEYS[(roll / 7) % std::size(KEYS)], roll % 3 != 0);
    }

    void ClickButton(Platform::HeadlessInputDevices& input, MiniGame& game, int32_t i)
    {
        if (m_iFrame % 4 != 0 || game.GetMessageBox().GetButton(i).m_sText == nullptr)
            return;
        // The virtual screen is 256 units wide.
        const MGRectangle& rect = game.GetMessageBox().GetButton(i).m_oRect;
        Click(input, (rect.m_fxX + rect.m_fxWidth / 2) * WINDOW_WIDTH / 256 / FX32_ONE,
              (rect.m_fxY + rect.m_fxHeight / 2) * WINDOW_WIDTH / 256 / FX32_ONE);
    }

    static void Click(Platform::HeadlessInputDevices& input, int32_t x, int32_t y)
    {
        input.SetPointer(x, y);
        input.SetMouseButton(0, true);
    }

    void NoteMemory()
    {
        const MemorySample sample = SampleMemory();
        std::ofstream out(MEMORY_FILE, std::ios::app);
        out << m_iGame << ' ' << sample.iResidentKb << ' ' << sample.iArenaKb << ' ' << sample.iInUseKb << ' '
            << sample.iGameHeapBytes << ' ' << sample.iTextures << '\n';
    }

    int m_iFrame = 0;
    int m_iAdventureFrames = 0;
    int m_iPlayFrames = 0;
    int32_t m_iGame = MINIGAME_SPLASH;
    uint32_t m_uSeed = 1;
};

TEST(MiniGameMemoryTest, AfterAllSixGamesTheProcessHoldsAboutWhatItHeldAfterTheFirst)
{
    if (TestSupport::EngineRunsUnderAddressSanitizer())
        GTEST_SKIP() << "the sanitizer's heap holds freed blocks back: the process's memory is not the game's";
    TestSupport::TempDir folder;
    TestSupport::CopySampleData(folder);
    folder.WriteFile("Settings.ini", "[ScreenResolution]\nResolutionX=" + std::to_string(WINDOW_WIDTH) +
                                         "\nResolutionY=" + std::to_string(WINDOW_HEIGHT) + "\n");
    MiniGameRounds rounds;
    TestSupport::ScriptedInputDevices devices;
    for (int frame = 0; frame < FRAME_LIMIT; ++frame)
        devices.At(frame, [&rounds](auto& input) { rounds.Step(input); });
    const pid_t game = TestSupport::StartGameWithInput(folder, "minigames", devices);
    ASSERT_EQ(TestSupport::WaitForExit(game, 300s), 0) << TestSupport::ReadFileText(folder / "log.txt");

    const std::string log = TestSupport::ReadFileText(folder / "log.txt");
    EXPECT_EQ(log.find("could not be loaded"), std::string::npos) << log;
    EXPECT_EQ(log.find("Can't find the file"), std::string::npos) << log;
    std::vector<MemorySample> samples;
    std::istringstream figures(TestSupport::ReadFileText(folder / MEMORY_FILE));
    for (int32_t id = 0; figures >> id;) {
        MemorySample sample;
        figures >> sample.iResidentKb >> sample.iArenaKb >> sample.iInUseKb >> sample.iGameHeapBytes >>
            sample.iTextures;
        samples.push_back(sample);
        std::printf("after mini-game %d: resident %lld KiB, main arena %lld KiB (%lld KiB in use), game heap %lld "
                    "bytes, %lld textures\n",
                    int(id), sample.iResidentKb, sample.iArenaKb, sample.iInUseKb, sample.iGameHeapBytes,
                    sample.iTextures);
    }
    ASSERT_EQ(samples.size(), size_t(GAME_COUNT)) << log;
    // For the performance table, which reads the test's report (--gtest_output).
    RecordProperty("residentKiBAfterFirst", std::to_string(samples.front().iResidentKb));
    RecordProperty("residentKiBAfterAll", std::to_string(samples.back().iResidentKb));
    EXPECT_LE(samples.back().iResidentKb * 10, samples.front().iResidentKb * 11);
    EXPECT_LE(samples.back().iInUseKb * 10, samples.front().iInUseKb * 11);
    EXPECT_LE(samples.back().iArenaKb * 10, samples.front().iArenaKb * 11);
    // The game's own heap and textures are the game's alone: every game
    // gives back all it took, to the byte.
    for (const MemorySample& sample : samples) {
        EXPECT_EQ(sample.iGameHeapBytes, samples.front().iGameHeapBytes);
        EXPECT_EQ(sample.iTextures, samples.front().iTextures);
    }
}

} // namespace
