#include "Input/InputEventHandler.h"
#include "Input/InputEventTrigger.h"
#include "Input/InputPointer.h"
#include "Input/KeyCodes.h"
#include "Support/HeadlessInput.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class InputEventHandlerTest : public testing::Test {
protected:
    void SetUp() override { InputEventHandler::CreateSingleton(); }
    void TearDown() override { InputEventHandler::DestroySingleton(); }

    InputEventHandler& Handler() { return *InputEventHandler::m_pSingleton; }

    InputEventTrigger& Add(uint16_t eventId, uint32_t type, uint16_t argument = 0)
    {
        m_triggers.push_back(std::make_unique<InputEventTrigger>(eventId, type, argument));
        InputEventTrigger& trigger = *m_triggers.back();
        Handler().RegisterEventTrigger(&trigger);
        return trigger;
    }

    TestSupport::ScopedHeadlessInput m_input;
    std::vector<std::unique_ptr<InputEventTrigger>> m_triggers;
};

TEST_F(InputEventHandlerTest, EitherTriggerOfAnIdMakesItActiveAndTheFirstGivesTheValues)
{
    InputEventTrigger& key = Add(7, InputTriggerType_KeyPressed, Platform::KEY_RETURN);
    InputEventTrigger& pointer = Add(7, InputTriggerType_PointerPressed);
    Handler().EnableEventTrigger(7, true);
    EXPECT_TRUE(key.IsEnabled());
    EXPECT_TRUE(pointer.IsEnabled());

    m_input.Devices().SetPointer(640, 480);
    m_input.Devices().SetMouseButton(0, true);
    m_input.Frame();
    uint32_t value1 = 1;
    uint32_t value2 = 1;
    ASSERT_TRUE(Handler().IsEventActive(7, &value1, &value2));
    EXPECT_EQ(value1, InputPackPointer(2048, 2048));
    EXPECT_EQ(value2, 0u);

    m_input.Devices().SetKey(Platform::KEY_RETURN, true);
    m_input.Devices().SetMouseButton(0, false);
    m_input.Frame();
    EXPECT_TRUE(Handler().IsEventActive(7, nullptr, nullptr));

    // Both active: the key was registered first and carries no pointer.
    m_input.Devices().SetKey(Platform::KEY_RETURN, false);
    m_input.Frame();
    m_input.Devices().SetKey(Platform::KEY_RETURN, true);
    m_input.Devices().SetMouseButton(0, true);
    m_input.Frame();
    EXPECT_EQ(Handler().GetActiveTriggerCount(), 2u);
    EXPECT_EQ(Handler().GetActiveTrigger(0), &key);
    EXPECT_EQ(Handler().GetActiveTrigger(1), &pointer);
    EXPECT_EQ(Handler().GetActiveTrigger(2), nullptr);
    ASSERT_TRUE(Handler().IsEventActive(7, &value1, nullptr));
    EXPECT_EQ(value1, 0u);
}

TEST_F(InputEventHandlerTest, DisabledTriggerKeepsItsValuesButIsNeverActive)
{
    InputEventTrigger& pointer = Add(3, InputTriggerType_PointerUp);
    Handler().EnableEventTrigger(3, true);
    m_input.Devices().SetPointer(0, 480);
    m_input.Frame();
    ASSERT_TRUE(Handler().IsEventActive(3, nullptr, nullptr));

    Handler().EnableEventTrigger(3, false);
    m_input.Devices().SetPointer(640, 0);
    m_input.Frame();
    uint32_t value1 = 0xDEAD;
    EXPECT_FALSE(Handler().IsEventActive(3, &value1, nullptr));
    EXPECT_EQ(value1, 0xDEADu);
    EXPECT_EQ(pointer.GetValue1(), InputPackPointer(0, 2048));
    EXPECT_EQ(Handler().GetActiveTriggerCount(), 0u);
}

TEST_F(InputEventHandlerTest, EnablingTakesEffectAtTheNextUpdate)
{
    Add(0x12, InputTriggerType_KeyHeld, Platform::KEY_ESCAPE);
    m_input.Devices().SetKey(Platform::KEY_ESCAPE, true);
    m_input.Frame();
    EXPECT_FALSE(Handler().IsEventActive(0x12, nullptr, nullptr));
    Handler().EnableEventTrigger(0x12, true);
    EXPECT_FALSE(Handler().IsEventActive(0x12, nullptr, nullptr));
    m_input.Frame();
    EXPECT_TRUE(Handler().IsEventActive(0x12, nullptr, nullptr));
    EXPECT_FALSE(Handler().IsEventActive(0x13, nullptr, nullptr));
}

TEST_F(InputEventHandlerTest, FullTableRefusesTheExtraTriggerWithAnAssert)
{
    for (uint32_t index = 0; index < INPUT_MAX_EVENTTRIGGER; ++index)
        Add(static_cast<uint16_t>(index), InputTriggerType_KeyHeld, Platform::KEY_SPACE);
    TestSupport::LogCapture capture;
    InputEventTrigger& extra = Add(500, InputTriggerType_KeyHeld, Platform::KEY_SPACE);
    const std::string report = capture.Take();
    EXPECT_NE(report.find("condition: m_iEventTriggerCount < INPUT_MAX_EVENTTRIGGER\n"), std::string::npos) << report;
    EXPECT_EQ(Handler().GetEventTriggerCount(), INPUT_MAX_EVENTTRIGGER);

    for (uint32_t index = 0; index < INPUT_MAX_EVENTTRIGGER; ++index)
        Handler().EnableEventTrigger(static_cast<uint16_t>(index), true);
    Handler().EnableEventTrigger(500, true);
    EXPECT_FALSE(extra.IsEnabled());
    m_input.Devices().SetKey(Platform::KEY_SPACE, true);
    m_input.Frame();
    EXPECT_EQ(Handler().GetActiveTriggerCount(), INPUT_MAX_EVENTTRIGGER);
    EXPECT_FALSE(Handler().IsEventActive(500, nullptr, nullptr));
}

TEST_F(InputEventHandlerTest, SecondHandlerIsRefusedWithAnAssert)
{
    InputEventHandler* first = InputEventHandler::m_pSingleton;
    TestSupport::LogCapture capture;
    InputEventHandler::CreateSingleton();
    const std::string report = capture.Take();
    EXPECT_NE(report.find("function:  InputEventHandler::CreateSingleton\ncondition: m_pSingleton == NULL\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(InputEventHandler::m_pSingleton, first);
}

} // namespace
