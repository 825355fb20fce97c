// The combination lock of the safe in Drake's office, close up (scene 54,
// bg806_CU_06_DrakesSafe): three lines of the digits 0 to 9, each with a
// switch that flickers and turns to the digit clicked. When the three lines
// show the combination the lock opens for the office's script and its digits
// answer no more; the button leads back to the office at any time. Each
// visit starts with no digit chosen.
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"

#include <array>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg806_54>;

constexpr int32_t OFFICE = 26; // bg205_CR_DrakesOfficeInterior

constexpr int32_t LINES = 3;
constexpr int32_t DIGITS = 10;
// A line's value before any of its digits is chosen: no digit matches it.
constexpr int32_t NO_DIGIT = 10;
// The combination, line by line; the paper in Drake's locked drawer tells it.
constexpr std::array<int32_t, LINES> COMBINATION = {4, 1, 7};

// The first digit's hotspot; the others follow line by line, digit by digit.
constexpr int32_t FIRST_DIGIT = Object("1_0");
constexpr int32_t LAST_DIGIT = Object("3_9");
static_assert(LAST_DIGIT - FIRST_DIGIT + 1 == LINES * DIGITS);

struct Line {
    Object switchSprite;
    int32_t iVariable;
    // The switch's sprite animation for each digit.
    std::array<uint32_t, DIGITS> positions;
};

constexpr Line LINE_TABLE[LINES] = {
    {"1_switch",
     VARINT_LINE_1,
     {0xb2547035, 0xc55340a3, 0x5c5a1119, 0x2b5d218f, 0xb539b42c, 0xc23e84ba, 0x5b37d500, 0x2c30e596, 0xbc8ff807,
      0xcb88c891}},
    {"2_switch",
     VARINT_LINE_2,
     {0x75d30ae9, 0x02d43a7f, 0x9bdd6bc5, 0xecda5b53, 0x72becef0, 0x05b9fe66, 0x9cb0afdc, 0xebb79f4a, 0x7b0882db,
      0x0c0fb24d}},
    {"3_switch",
     VARINT_LINE_3,
     {0xa845d36c, 0xdf42e3fa, 0x464bb240, 0x314c82d6, 0xaf281775, 0xd82f27e3, 0x41267659, 0x362146cf, 0xa69e5b5e,
      0xd1996bc8}},
};

class SceneScript_bg806 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    // The switch vanishes for a moment and comes back; what is queued on it
    // next starts once it is back.
    void BuildFlashSwitch(Object switchSprite);
};

void SceneScript_bg806::BuildEnterActions()
{
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    ShowObject(Object("button_ro"), false);
    for (const Line& line : LINE_TABLE)
        ShowObject(line.switchSprite, false);
    for (const Line& line : LINE_TABLE)
        SetIntVar(line.iVariable, NO_DIGIT);
}

void SceneScript_bg806::BuildExitEvents()
{
    // Activate "exit": the button pressed, back to the office.
    _IfMatch(MatchExpr::MakeEvent0(Object("exit")));
    ShowObject(Object("button_ro"), true);
    GoToScene(OFFICE);
    _EndMatch();
}

void SceneScript_bg806::BuildFlashSwitch(Object switchSprite)
{
    ShowObject(switchSprite, false);
    Wait(switchSprite, 100);
    ShowObject(switchSprite, true);
}

void SceneScript_bg806::BuildEvents()
{
    for (int32_t iLine = 0; iLine < LINES; ++iLine) {
        const Line& line = LINE_TABLE[iLine];
        for (int32_t iDigit = 0; iDigit < DIGITS; ++iDigit) {
            _IfMatch(MatchExpr::MakeEvent0(FIRST_DIGIT + iLine * DIGITS + iDigit));
            SetIntVar(line.iVariable, iDigit);
            BuildFlashSwitch(line.switchSprite);
            PushHashAction23(line.switchSprite, line.positions[iDigit]);
            _EndMatch();
        }
    }

    // No event: tested at the end of every walk, so the click that makes the
    // three lines right opens the lock.
    const auto onCombination = [](int32_t iLine) {
        return MatchExpr::Int(LINE_TABLE[iLine].iVariable, Op_IntEqual, COMBINATION[iLine]);
    };
    _IfMatch(Both(Both(onCombination(0), onCombination(1)), onCombination(2)));
    for (int32_t iDigit = FIRST_DIGIT; iDigit <= LAST_DIGIT; ++iDigit)
        SetInteractive(iDigit, false);
    SetBoolVar(VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION, true);
    _EndMatch();
}

} // namespace

// Scene 54, bg806_CU_06_DrakesSafe.
REGISTER_SCENE_SCRIPT(bg806, 54);
