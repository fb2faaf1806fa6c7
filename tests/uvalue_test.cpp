#include "uvalue/UValue.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "document/QuarnDoc.h"
#include "input/DataCommandGuards.h"
#include "support/NewProjectTest.h"

namespace {

constexpr int kFaceBrick = 1123;
constexpr int kCommonBrick = 1171;
constexpr int kGlassFiber = 1101;
constexpr int kGypsumBoard = 1080;
constexpr int kStillUp = 1142;
constexpr int kStillDown = 1144;
constexpr int kSlopeUp = 1137;
constexpr int kStillVertical = 1146;
constexpr int kWind7 = 1148;
constexpr int kWind15 = 1149;
constexpr int kWallSummer = 1150;
constexpr int kRoofHorizontalUp = 1152;

TEST(UValueTable, IdsAreUniqueAndEachKindHasItsBox) {
    std::set<int> ids;
    int pages = 0;
    for (const UValueMaterial& m : UValueMaterials()) {
        EXPECT_TRUE(ids.insert(m.nId).second) << m.nId;
        if (m.nAmountId != 0) {
            EXPECT_TRUE(ids.insert(m.nAmountId).second) << m.nAmountId;
        }
        EXPECT_EQ(m.nAmountId == 0, m.kind == UValueKind::kFixed) << m.nId;
        EXPECT_GT(m.dFactor, 0) << m.nId;
        EXPECT_GE(m.nPage, pages) << m.nId;  // page by page
        pages = m.nPage;
    }
    EXPECT_EQ(UValueMaterials().size(), 55u);
    EXPECT_EQ(pages, 7);
    EXPECT_EQ(FindUValueMaterial(1000), nullptr);
}

TEST(UValueCalc, BrickWallInEnglishUnits) {
    CUValueSelection s;
    s.SetThickness(kFaceBrick, 4);
    s.SetThickness(kCommonBrick, 8);
    s.Tick(kFaceBrick);
    s.Tick(kCommonBrick);
    s.Tick(kStillVertical);
    s.Tick(kWind15);
    ASSERT_FALSE(ValidateUValue(s));
    const UValueResult r = CalcUValueOf(s, 0);
    EXPECT_NEAR(r.dR, 4 / 9.0 + 1.6 + 0.68 + 0.17, 1e-12);
    EXPECT_EQ(r.dRInput, r.dR);
    EXPECT_DOUBLE_EQ(r.dU, 1 / r.dR);
    EXPECT_EQ(UValueResultText(r.dU, 0), "U-Value: 0.3455 Btu/(Hr.Sq Ft.F)");
}

TEST(UValueCalc, GlassFiberInMillimetres) {
    CUValueSelection s;
    s.SetThickness(kGlassFiber, 100);
    s.Tick(kGlassFiber);
    const UValueResult r = CalcUValueOf(s, 1);
    EXPECT_NEAR(r.dR, 15.748031496062993, 1e-12);
    EXPECT_DOUBLE_EQ(r.dU, 5.68 / r.dR);
    EXPECT_DOUBLE_EQ(r.dRInput * r.dU, 1.0);
    EXPECT_EQ(UValueResultText(r.dU, 1), "U-Value: 0.3607 W/(Sq m.C)");
}

TEST(UValueCalc, LayersAndFilmsCountAndUntickedItemsDoNot) {
    CUValueSelection s;
    s.SetCount(kGypsumBoard, 3);
    s.Tick(kGypsumBoard);
    s.SetCount(kStillDown, 2);
    s.Tick(kStillDown);
    s.SetThickness(kCommonBrick, 8);  // not ticked
    s.SetThickness(kFaceBrick, 0);    // ticked with no thickness
    s.Tick(kFaceBrick);
    EXPECT_NEAR(CalcUValueOf(s, 0).dR, 3 * 0.4444444444444444 + 2 * 0.92, 1e-12);
    // Metric input converts thicknesses only, never counts.
    EXPECT_NEAR(CalcUValueOf(s, 1).dR, 3 * 0.4444444444444444 + 2 * 0.92, 1e-12);
}

TEST(UValueCalc, NothingTickedOrNoUnitSystemGivesZero) {
    CUValueSelection s;
    EXPECT_EQ(CalcUValueOf(s, 0).dU, 0.0);
    EXPECT_EQ(UValueResultText(0.0, 0), "U-Value: 0.0000 Btu/(Hr.Sq Ft.F)");
    s.Tick(kWind7);
    EXPECT_EQ(CalcUValueOf(s, 2).dU, 0.0);
    EXPECT_EQ(UValueResultText(4.0, 2), "");
}

TEST(UValueRules, ADoubledStillAirFilmLeavesNoRoomForWind) {
    CUValueSelection s;
    s.SetCount(kStillUp, 2);
    s.Tick(kStillUp);
    s.Tick(kWind7);
    InputResult e = ValidateUValue(s);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->strMessage, "You cannot select more than two air films");

    s.SetCount(kStillUp, 1);
    EXPECT_FALSE(ValidateUValue(s));

    // Two still-air films without wind are fine.
    s.SetCount(kStillUp, 2);
    s.Untick(kWind7);
    EXPECT_FALSE(ValidateUValue(s));

    // The 45 degree films have no count and pass with a wind film.
    CUValueSelection slope;
    slope.Tick(kSlopeUp);
    slope.Tick(kWind15);
    EXPECT_FALSE(ValidateUValue(slope));
}

TEST(UValueRules, TickingOneOfAGroupUnticksTheOthers) {
    CUValueSelection s;
    s.Tick(kWallSummer);
    std::vector<int> unticked;
    s.Tick(kRoofHorizontalUp, &unticked);
    EXPECT_FALSE(s.Get(kWallSummer).bTicked);
    EXPECT_TRUE(s.Get(kRoofHorizontalUp).bTicked);
    EXPECT_EQ(unticked, std::vector<int>{kWallSummer});

    s.Tick(kStillUp);
    s.Tick(kWind7);
    s.Tick(kStillVertical);
    s.Tick(kWind15);
    EXPECT_FALSE(s.Get(kStillUp).bTicked);
    EXPECT_FALSE(s.Get(kWind7).bTicked);
    // Films and spaces are separate groups; materials belong to none.
    EXPECT_TRUE(s.Get(kRoofHorizontalUp).bTicked);
    s.Tick(kFaceBrick);
    s.Tick(kCommonBrick);
    EXPECT_TRUE(s.Get(kFaceBrick).bTicked);
    EXPECT_FALSE(s.Tick(999));
}

TEST(UValueRules, CountsAndThicknessesOutOfRange) {
    CUValueSelection s;
    s.SetCount(kGypsumBoard, 11);
    InputResult e = ValidateUValue(s);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->strField, "1080");
    EXPECT_EQ(e->strMessage, "Please enter an integer between 1 and 10.");

    s.SetCount(kGypsumBoard, 10);
    s.SetCount(kStillVertical, 3);
    e = ValidateUValue(s);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->strMessage, "Please enter an integer between 1 and 2.");

    s.SetCount(kStillVertical, 2);
    s.SetThickness(kGlassFiber, -1);
    e = ValidateUValue(s);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->strMessage, kNotNegativeMessage);

    // A count box belongs to layered and film items only, a thickness to per-inch items.
    EXPECT_FALSE(s.SetCount(kGlassFiber, 2));
    EXPECT_FALSE(s.SetThickness(kWind7, 2));
}

TEST_F(NewProjectTest, FinishRemembersTheValueAndCancelClearsIt) {
    CUValueSelection s;
    s.SetThickness(kGlassFiber, 100);
    s.Tick(kGlassFiber);
    doc->m_nInputUnits = 1;
    const double u = FinishUValue(*doc, s);
    EXPECT_NEAR(u, 0.0635 * 5.68, 1e-12);
    EXPECT_EQ(doc->m_dLastUValue, u);

    EXPECT_EQ(CancelUValue(*doc), 0.0);
    EXPECT_EQ(doc->m_dLastUValue, 0.0);

    doc->m_dLastUValue = 3;
    doc->m_nInputUnits = 2;
    EXPECT_EQ(FinishUValue(*doc, s), 0.0);
    EXPECT_EQ(doc->m_dLastUValue, 0.0);
    EXPECT_FALSE(doc->IsModified());
}

}  // namespace
