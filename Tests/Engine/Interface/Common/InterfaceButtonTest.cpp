// The menu's buttons: their pivots, hit tests with margins, and buttons whose
// texture is missing.
#include "Graphics/GraphicsFormats.h"
#include "Interface/Common/InterfaceButton.h"
#include "Support/HandMadeDds.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTextureManager.h"

#include <gmock/gmock.h>

#include <string>

namespace {

using testing::HasSubstr;

constexpr fx32 U = FX32_ONE;

InterfaceButton Button(fx32 width, fx32 height, int32_t pivot)
{
    InterfaceButton button;
    button.m_fxWidth = width;
    button.m_fxHeight = height;
    button.m_fxX = 100 * U;
    button.m_fxY = 50 * U;
    button.m_iPivot = pivot;
    return button;
}

TEST(InterfaceButtonTest, EveryPivotNamesItsPointOfTheRectangleAndAnUnknownOneIsReported)
{
    // A 41 x 21 rectangle: odd sizes show that halves are truncated.
    const fx32 w = 41 * U + 1;
    const fx32 h = 21 * U + 1;
    const fx32 expected[9][2] = {
        {0, 0}, {-w / 2, 0}, {-w, 0}, {0, -h / 2}, {-w / 2, -h / 2}, {-w, -h / 2}, {0, -h}, {-w / 2, -h}, {-w, -h},
    };
    for (int32_t pivot = 0; pivot < 9; ++pivot) {
        const InterfaceButton button = Button(w, h, pivot);
        fx32 dx = 1;
        fx32 dy = 1;
        button.GetPivotShift(dx, dy);
        EXPECT_EQ(dx, expected[pivot][0]) << pivot;
        EXPECT_EQ(dy, expected[pivot][1]) << pivot;
        // Whatever the pivot, the centre is the rectangle's.
        const CoreFxVec2 centre = button.GetCenter();
        EXPECT_EQ(centre.x, 100 * U + expected[pivot][0] + w / 2) << pivot;
    }
    for (const int32_t pivot : {-1, 9}) {
        TestSupport::LogCapture log;
        fx32 dx = 1;
        fx32 dy = 1;
        Button(w, h, pivot).GetPivotShift(dx, dy);
        EXPECT_EQ(dx, 0);
        EXPECT_EQ(dy, 0);
        EXPECT_THAT(log.Take(), HasSubstr("function:  InterfaceButton::GetPivotShift\ncondition: false\n"));
    }
}

TEST(InterfaceButtonTest, TheEdgeHitsAndANegativeMarginShrinksTheAreaByHalfOfItOnEachSide)
{
    // 40 x 20 with its top-left corner at (100, 50): centre (120, 60).
    const InterfaceButton button = Button(40 * U, 20 * U, PIVOT_TOP_LEFT);
    struct Case {
        fx32 x, y, margin;
        bool hit;
    };
    const Case cases[] = {
        {100 * U, 50 * U, 0, true},       // the corner
        {140 * U, 70 * U, 0, true},       // the opposite corner
        {140 * U + 1, 60 * U, 0, false},  // just past the right edge
        {120 * U, 50 * U - 1, 0, false},  // just above
        {132 * U, 60 * U, -16 * U, true}, // 12 right of the centre
        {132 * U + 1, 60 * U, -16 * U, false},
        {108 * U, 60 * U, -16 * U, true}, // 12 left
        {107 * U, 60 * U, -16 * U, false},
        {120 * U, 62 * U, -16 * U, true}, // the height shrinks to 2 each side
        {120 * U, 63 * U, -16 * U, false},
        {144 * U, 60 * U, 8 * U, true}, // a positive margin grows it
    };
    for (const Case& c : cases)
        EXPECT_EQ(button.HitTest(c.x, c.y, c.margin), c.hit) << c.x / U << " " << c.y / U << " " << c.margin / U;
}

class InterfaceButtonTextureTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        InterfaceButton::FillDefinitionTable();
    }
    void AddTexture(const char* name, uint32_t width, uint32_t height)
    {
        const std::vector<uint8_t> dds = TestSupport::HandMadeDds(width, height, DDS_FOURCC_DXT1, width * height / 2);
        ASSERT_NE(g_pTextureManager->CreateTexture(name, dds.data(), dds.size()), nullptr);
    }
};

TEST_F(InterfaceButtonTextureTest, AButtonTakesItsRowsPlaceAndATextureOfFivePixelsToTheUnit)
{
    AddTexture("s_inv_arrow_right_off", 60, 160);
    InterfaceButton button;
    ASSERT_TRUE(button.InitFromTable(BUTTON_NEXT_PAGE));
    EXPECT_EQ(button.m_iDefinitionRow, BUTTON_NEXT_PAGE);
    EXPECT_TRUE(button.m_bVisible);
    EXPECT_EQ(button.m_fxX, 220 * U);
    EXPECT_EQ(button.m_fxY, 81 * U);
    EXPECT_EQ(button.m_iPivot, PIVOT_MIDDLE_LEFT);
    EXPECT_EQ(button.m_fxWidth, 12 * U);
    EXPECT_EQ(button.m_fxHeight, 32 * U);
    EXPECT_NE(button.m_hTexture, nullptr);
}

TEST_F(InterfaceButtonTextureTest, AButtonWhoseTextureIsMissingShowsAtTheSizeItHadAndSaysSo)
{
    InterfaceButton button = Button(7 * U, 9 * U, PIVOT_CENTRE);
    TestSupport::LogCapture log;
    EXPECT_FALSE(button.InitFromTable(BUTTON_SAVE));
    EXPECT_THAT(log.Take(), HasSubstr("couldn't find texture \"s_options_but_save_off\"\n"));
    EXPECT_TRUE(button.m_bVisible);
    EXPECT_EQ(button.m_fxWidth, 7 * U);
    EXPECT_EQ(button.m_fxHeight, 9 * U);
    EXPECT_EQ(button.m_fxX, 88 * U);
    EXPECT_EQ(button.m_hTexture, nullptr);
    EXPECT_FALSE(button.InitFromTable(NB_BUTTON_DEFINITIONS));
}

TEST(InterfaceButtonTableTest, TheTabBarsOnAndOffButtonsShareTheirPlacesAndEveryRowNamesAPicture)
{
    InterfaceButton::FillDefinitionTable();
    for (int32_t row = 0; row < NB_BUTTON_DEFINITIONS; ++row) {
        const InterfaceButtonDef* def = InterfaceButton::GetDefinition(row);
        ASSERT_NE(def, nullptr);
        ASSERT_NE(def->m_pSpriteName, nullptr) << row;
        EXPECT_GE(def->m_iPivot, PIVOT_TOP_LEFT) << row;
        EXPECT_LE(def->m_iPivot, PIVOT_BOTTOM_RIGHT) << row;
    }
    for (int32_t tab = 0; tab < 4; ++tab) {
        const InterfaceButtonDef* on = InterfaceButton::GetDefinition(BUTTON_INVENTORY_ON + tab);
        const InterfaceButtonDef* off = InterfaceButton::GetDefinition(BUTTON_INVENTORY_OFF + tab);
        EXPECT_EQ(on->m_fxX, off->m_fxX);
        EXPECT_EQ(on->m_fxY, off->m_fxY);
        EXPECT_THAT(std::string(on->m_pSpriteName), testing::EndsWith("_on"));
        EXPECT_THAT(std::string(off->m_pSpriteName), testing::EndsWith("_off"));
    }
    EXPECT_EQ(InterfaceButton::GetDefinition(BUTTON_NEXT_PAGE)->m_fxX, 220 * U);
    EXPECT_EQ(InterfaceButton::GetDefinition(BUTTON_NEXT_PAGE)->m_fxY, 81 * U);
}

} // namespace
