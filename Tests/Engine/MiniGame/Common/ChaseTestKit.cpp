#include "Engine/MiniGame/Common/ChaseTestKit.h"

#include "Game/TwGame.h"
#include "Input/Common/InputSystem.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "Random/CoreRandom.h"

#include <gtest/gtest.h>

namespace ChaseTest {

void ChaseFixture::SetUp()
{
    NullRendererTest::SetUp();
    world.SetUp();
    ASSERT_TRUE(SoundManager::Initialize()) << log.Text();
    g_oTwGame.m_bPaused = 0;
    MiniGameFonts::Load();
    MGSprite::ClearPoolCounts();
    InputSystem::EnableGameEvents(true);
}

void ChaseFixture::TearDown()
{
    InputSystem::EnableGameEvents(false);
    MGSprite::ShutdownPoolSystem();
    // The sprite names are the program's: the next test starts without the
    // chase's.
    for (int32_t id = 1; id < MGSprite::SPRITE_ID_COUNT; ++id)
        MGSprite::RegisterSpriteName(id, "", "");
    MiniGameFonts::Release();
    // The music's state outlives the sound manager; the next test starts
    // without it.
    SoundManager::StopMusic();
    SoundManager::Terminate();
    world.TearDown();
    NullRendererTest::TearDown();
}

ChasePtr ChaseFixture::StartChase(uint64_t seed)
{
    CoreRandom::Init(seed);
    ChasePtr chase(new MiniGameChase);
    if (!chase->Initialize()) {
        ADD_FAILURE() << log.Text();
        return nullptr;
    }
    chase->GetRace().GetRandom().Init(static_cast<int64_t>(seed));
    chase->ResetGame(false);
    chase->GetMessageBox().Hide();
    chase->SetState(MiniGame::STATE_PLAYING);
    return chase;
}

bool ChaseFixture::Step(MiniGameChase& chase, uint32_t dt)
{
    world.Frame();
    return chase.Update(dt);
}

void ChaseFixture::ClearTrack(MiniGameChase& chase)
{
    RaceElement* elements = chase.GetRace().GetElements();
    for (int32_t i = 0; i < chase.GetRace().GetElementCapacity(); ++i) {
        elements[i].m_iKind = RACE_ELEMENT_TYPE_NONE;
        elements[i].m_iCopy = -1;
    }
}

void ChaseFixture::Place(MiniGameChase& chase, int32_t i, int32_t kind, fx32 x, fx32 y)
{
    chase.GetRace().GetElements()[i] = {x, y, kind, 0, 0};
}

} // namespace ChaseTest
