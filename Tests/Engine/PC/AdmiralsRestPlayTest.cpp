// The inn as a player plays it: the real program with its SDL input, from a
// slot saved in the inn in chapter 2 before Briscoe has come, where a click
// on the floor by the dark kitchen walks her there like any other floor, and
// stepping onto it tells her the kitchen is closed.
#include "Common/NamedIds.h"
#include "Common/VarIds.h"
#include "Scripts/Common/ChapterStarts.h"
#include "Support/ChapterStartSlot.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string INN = "bg106_BO_AdmiralsRest";

constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 2}};
constexpr int32_t INN_ID = 14;

using AdmiralsRestPlayTest = TestSupport::GamePlayTest;

TEST_F(AdmiralsRestPlayTest, AClickOnTheKitchenFloorWalksHerOntoItAndItsTouchTellsOfTheClosedKitchen)
{
    const ChapterStart inTheInn {ActorNamed<"tavrine"> {}, {}, INTS, {}, INN_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, inTheInn));

    TestSupport::ContinueTheChapter(way, INN);
    // Nell sits in front of the middle of it.
    play.Click("event_kitchen", TestSupport::ClickStyle::Quick, TestSupport::Spot::Corner);
    play.WaitUntilBusy();
    play.WaitUntilInteractive();
    way.Expect("Event \"Touch\" actor \"tavrine\" on \"bg106:event_kitchen");
    PlayToTheEnd();
}

} // namespace
