#pragma once
// What the chase's tests share: the sample world with the mini-game fonts,
// the sound manager and the game's keys, a chase started on seeded
// generators and put straight into play, and the track's elements at hand.
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "MiniGame/Common/MiniGameChase.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <cstdint>
#include <memory>

namespace ChaseTest {

constexpr fx32 U = FX32_ONE;
constexpr uint32_t FRAME = 16;

// Shuts the chase down before freeing it, as the mini-game state does.
struct ChaseDeleter {
    void operator()(MiniGameChase* chase) const
    {
        chase->Shutdown();
        delete chase;
    }
};
using ChasePtr = std::unique_ptr<MiniGameChase, ChaseDeleter>;

class ChaseFixture : public TestSupport::NullRendererTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A chase made with both generators seeded and its instructions passed:
    // the first update plays.
    ChasePtr StartChase(uint64_t seed);
    // A frame: the input polled, then the game's update.
    bool Step(MiniGameChase& chase, uint32_t dt = FRAME);
    // Every element of the track made free.
    static void ClearTrack(MiniGameChase& chase);
    // Element i made an obstacle of the kind with its centre at (x, y).
    static void Place(MiniGameChase& chase, int32_t i, int32_t kind, fx32 x, fx32 y);

    TestSupport::LogCapture log;
    MiniGameTest::MiniGameWorld world;
};

} // namespace ChaseTest
