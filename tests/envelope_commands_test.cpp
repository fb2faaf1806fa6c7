#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/QuarnDoc.h"
#include "input/DataCommandGuards.h"
#include "input/FloorCeilingCommand.h"
#include "input/GlassBlocksCommand.h"
#include "input/OptionsCommand.h"
#include "input/WallsRoofCommand.h"
#include "input/WindowsCommand.h"
#include "support/InstallDir.h"
#include "support/NewProjectTest.h"

namespace {

// A project whose general data exist, with design temperatures that give round differences.
struct EnvelopeTest : NewProjectTest {
    void SetUp() override {
        NewProjectTest::SetUp();
        doc->m_bGeneralDataSupplied = 1;
        doc->m_dOutsideDBCool = 95;
        doc->m_dInsideDBCool = 78;
        doc->m_dInsideDBHeat = 72;
        doc->m_dOutsideDBHeat = 22;
        doc->SetModifiedFlag(false);
    }
    void Metric() { doc->m_nInputUnits = 1; }
    void NoUnits() { doc->m_nInputUnits = 2; }
    double HeatDT() const { return doc->m_dInsideDBHeat - doc->m_dOutsideDBHeat; }
};

CWindo Window(int quantity, double height, double width, double overhang = 0) {
    CWindo w;
    w.m_nQuantity = quantity;
    w.m_dHeight = height;
    w.m_dWidth = width;
    w.m_dOverhangWidth = overhang;
    return w;
}

// ---- Guards ----

TEST_F(NewProjectTest, DataCommandsRefuseWithTheirMessageAndChangeNothing) {
    const std::pair<DataCommand, const char*> cases[] = {
        {DataCommand::kGlassWindows, "glass windows data"},
        {DataCommand::kWallsRoof, "walls and roof data"},
        {DataCommand::kOtherBuilding, "other building data"},
        {DataCommand::kGlassBlocks, "glass blocks data"},
    };
    const CQuarnDocData before = *doc;
    for (const auto& [command, what] : cases) {
        messages.Clear();
        const std::string expected =
            std::string(
                "Please supply 'General Project Data' in the 'Project' menu\n"
                "before supplying ") +
            what;
        EXPECT_EQ(DataCommandRefusal(*doc, command), expected);
        EXPECT_FALSE(CheckDataCommandGuard(*doc, command));
        EXPECT_EQ(messages.messages, std::vector<std::string>{expected});
    }
    EXPECT_TRUE(before == static_cast<const CQuarnDocData&>(*doc));
    EXPECT_FALSE(doc->IsModified());

    doc->m_bGeneralDataSupplied = 1;
    messages.Clear();
    for (const auto& [command, what] : cases) {
        EXPECT_FALSE(DataCommandRefusal(*doc, command));
        EXPECT_TRUE(CheckDataCommandGuard(*doc, command));
    }
    EXPECT_TRUE(messages.messages.empty());
}

// ---- Walls and roof ----

TEST_F(EnvelopeTest, WallsRoofMetricStoresWithItsFactors) {
    Metric();
    CWallsRoofValues v = FillWallsRoof(*doc);
    EXPECT_EQ(v.m_strAreaUnit, "(Sq m)");
    EXPECT_EQ(v.m_strUValueUnit, "W/(Sq m . C)");
    EXPECT_EQ(v.m_strTempUnit, "(Deg C)");
    v.m_dWallArea[kNorth] = 10;
    v.m_dWallUHeat[kNorth] = 5.68;
    v.m_dRoofArea = 20;
    v.m_dRoofUCool = 2.84;
    v.m_dGroundTemp = -5;
    ASSERT_FALSE(ValidateWallsRoof(v));
    ApplyWallsRoof(*doc, v);

    EXPECT_DOUBLE_EQ(doc->m_dWallArea[kNorth], 107.64);
    EXPECT_DOUBLE_EQ(doc->m_dWallUHeat[kNorth], 1.0);
    EXPECT_DOUBLE_EQ(doc->m_dRoofArea, 215.28);
    EXPECT_DOUBLE_EQ(doc->m_dRoofUCool, 0.5);
    EXPECT_DOUBLE_EQ(doc->m_dGroundTemp, 23.0);
    EXPECT_EQ(doc->m_bWallsRoofSupplied, 1);
    EXPECT_TRUE(doc->IsModified());
    // The heating losses were recalculated from the new values.
    EXPECT_DOUBLE_EQ(doc->m_dHeatLoss[0], 107.64 * 1.0 * HeatDT());

    // Shown again in metric: the stored values come back as typed.
    const CWallsRoofValues again = FillWallsRoof(*doc);
    EXPECT_NEAR(again.m_dWallArea[kNorth], 10, 1e-12);
    EXPECT_NEAR(again.m_dGroundTemp, -5, 1e-12);
}

TEST_F(EnvelopeTest, WallsRoofWithoutUnitsKeepsTheProjectsValues) {
    NoUnits();
    doc->m_dWallArea[kNorth] = 300;
    doc->m_dGroundTemp = 50;
    const CWallsRoofValues v = FillWallsRoof(*doc);
    EXPECT_EQ(v.m_dWallArea[kNorth], 0);
    EXPECT_EQ(v.m_dGroundTemp, 0);
    EXPECT_EQ(v.m_strAreaUnit, "");
    ApplyWallsRoof(*doc, v);
    EXPECT_EQ(doc->m_dWallArea[kNorth], 300);
    EXPECT_EQ(doc->m_dGroundTemp, 50);
    EXPECT_EQ(doc->m_bWallsRoofSupplied, 1);
    EXPECT_TRUE(doc->IsModified());
}

TEST(WallsRoofValidation, OnlyTheGroundTemperatureTakesAMinusSign) {
    CWallsRoofValues v;
    v.m_dGroundTemp = -20;
    EXPECT_FALSE(ValidateWallsRoof(v));
    v.m_dWallUHeat[3] = -0.1;
    const InputResult e = ValidateWallsRoof(v);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->strField, "m_dWallUHeat[3]");
    EXPECT_EQ(e->strMessage, kNotNegativeMessage);
}

// ---- Floor, ceiling, partitions and skylights ----

TEST_F(EnvelopeTest, FloorCeilingFirstOpeningStartsFromHalfTheDesignDifferences) {
    const CFloorCeilingValues v = FillFloorCeiling(*doc);
    for (int s = 0; s < kSurfaces; ++s) {
        EXPECT_EQ(v.m_dSurfTDCool[s], 8.5) << s;
        EXPECT_EQ(v.m_dSurfTDHeat[s], 25.0) << s;
    }

    Metric();
    const CFloorCeilingValues m = FillFloorCeiling(*doc);
    for (int s = 0; s < kSurfaces; ++s) {
        EXPECT_DOUBLE_EQ(m.m_dSurfTDCool[s], 8.5 / 1.8) << s;
        EXPECT_DOUBLE_EQ(m.m_dSurfTDHeat[s], 25.0 / 1.8) << s;
    }
    EXPECT_EQ(m.m_strTempDiffUnit, "(C Deg)");

    // A cooler outside than inside gives no difference rather than a negative one.
    doc->m_dOutsideDBCool = 70;
    doc->m_dOutsideDBHeat = 75;
    const CFloorCeilingValues cold = FillFloorCeiling(*doc);
    EXPECT_EQ(cold.m_dSurfTDCool[kFloor], 0.0);
    EXPECT_EQ(cold.m_dSurfTDHeat[kCeiling], 0.0);
}

TEST_F(EnvelopeTest, FloorCeilingOnceConfirmedShowsTheStoredDifferences) {
    CFloorCeilingValues v = FillFloorCeiling(*doc);
    for (double& td : v.m_dSurfTDCool) td = 0;
    v.m_dSurfTDHeat[kPartition2] = 12;
    ApplyFloorCeiling(*doc, v);
    EXPECT_EQ(doc->m_bFloorCeilingSupplied, 1);
    const CFloorCeilingValues again = FillFloorCeiling(*doc);
    EXPECT_EQ(again.m_dSurfTDCool[kFloor], 0.0);
    EXPECT_EQ(again.m_dSurfTDHeat[kPartition2], 12.0);
    EXPECT_EQ(again.m_dSurfTDHeat[kFloor], 25.0);
}

TEST_F(EnvelopeTest, FloorCeilingMetricStoresWithItsFactors) {
    Metric();
    CFloorCeilingValues v = FillFloorCeiling(*doc);
    EXPECT_EQ(v.m_strEdgeFactorUnit, "(W/m)");
    EXPECT_EQ(v.m_strLengthUnit, "(m)");
    EXPECT_DOUBLE_EQ(v.m_dSlabEdgeFactor, doc->m_dSlabEdgeFactor * 0.961286);
    v.m_dSlabPerimeter = 10;
    v.m_dSlabEdgeFactor = 0.961286;
    v.m_dSurfArea[kCeiling] = 10;
    v.m_dSurfTDHeat[kCeiling] = 10;
    v.m_dSurfUHeat[kCeiling] = 5.68;
    v.m_dSkySC[1] = 0.7;
    v.m_dGroundTemp = -5;
    ApplyFloorCeiling(*doc, v);

    EXPECT_DOUBLE_EQ(doc->m_dSlabPerimeter, 32.81);
    EXPECT_DOUBLE_EQ(doc->m_dSlabEdgeFactor, 1.0);
    EXPECT_DOUBLE_EQ(doc->m_dSurfArea[kCeiling], 107.64);
    EXPECT_DOUBLE_EQ(doc->m_dSurfTDHeat[kCeiling], 18.0);
    EXPECT_DOUBLE_EQ(doc->m_dSurfUHeat[kCeiling], 1.0);
    EXPECT_EQ(doc->m_dSkySC[1], 0.7);
    EXPECT_DOUBLE_EQ(doc->m_dGroundTemp, 23.0);
    // The unedited defaults go back in F degrees.
    EXPECT_DOUBLE_EQ(doc->m_dSurfTDCool[kPartition1], 8.5);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_DOUBLE_EQ(doc->m_dHeatLoss[8], 18.0 * 1.0 * 107.64);
}

TEST_F(EnvelopeTest, FloorCeilingWithoutUnitsKeepsTheProjectsValues) {
    NoUnits();
    doc->m_dSlabArea = 900;
    const CFloorCeilingValues v = FillFloorCeiling(*doc);
    EXPECT_EQ(v.m_dSlabArea, 0);
    EXPECT_EQ(v.m_dSurfTDCool[kFloor], 0);
    EXPECT_EQ(v.m_strTempDiffUnit, "");
    ApplyFloorCeiling(*doc, v);
    EXPECT_EQ(doc->m_dSlabArea, 900);
    EXPECT_EQ(doc->m_dSlabEdgeFactor, 45.0);
    EXPECT_EQ(doc->m_bFloorCeilingSupplied, 1);
}

// ---- Glass blocks ----

struct GlassBlocksTest : EnvelopeTest {
    CScopedInstallDir install;
    void SetUp() override {
        EnvelopeTest::SetUp();
        // Factors that name their file, row and column, scaled exactly below 1.
        install.WriteTable(1, [](int r, int c) { return (1000 + r * 100 + c) / 65536.0; });
        install.WriteTable(2, [](int r, int c) { return (2000 + r * 100 + c) / 65536.0; });
    }
};

TEST_F(GlassBlocksTest, MetricAreasUseTheirOwnFactor) {
    Metric();
    doc->m_dGlassBlockArea[kEast] = 107.65;
    CGlassBlocksValues v = FillGlassBlocks(*doc);
    EXPECT_EQ(v.m_strAreaUnit, "Sq m");
    EXPECT_DOUBLE_EQ(v.m_dGlassBlockArea[kEast], 10.0);
    v.m_dGlassBlockArea[kNorth] = 10;
    v.m_nGlassBlockShade = 1;
    ASSERT_FALSE(ValidateGlassBlocks(v));
    ApplyGlassBlocks(*doc, v);
    // 10.765 here, where the walls dialog uses 10.764.
    EXPECT_DOUBLE_EQ(doc->m_dGlassBlockArea[kNorth], 107.65);
}

TEST_F(GlassBlocksTest, ShadeChoiceSetsPropertiesAndFactorsThenRecalculates) {
    CGlassBlocksValues v = FillGlassBlocks(*doc);
    EXPECT_EQ(v.m_strAreaUnit, "Sq Ft");
    v.m_dGlassBlockArea[kSouth] = 100;
    v.m_nGlassBlockShade = 1;
    ApplyGlassBlocks(*doc, v);
    EXPECT_EQ(doc->m_nGlassBlockShade, 1);
    EXPECT_EQ(doc->m_dGlassBlockUCool, 0.48);
    EXPECT_EQ(doc->m_dGlassBlockUHeat, 0.38);
    EXPECT_EQ(doc->m_dGlassBlockSCSun, 0.44);
    EXPECT_EQ(doc->m_dGlassBlockSCShade, 0.34);
    EXPECT_EQ(doc->m_dCLFGlassBlock[5][7], (2000 + 5 * 100 + 7) / 65536.0);  // the shaded table
    EXPECT_EQ(doc->m_bGlassBlocksSupplied, 1);
    EXPECT_TRUE(doc->IsModified());
    const double shaded = doc->m_dHeatLoss[5];
    EXPECT_DOUBLE_EQ(shaded, 100 * 0.38 * HeatDT());

    v.m_nGlassBlockShade = 0;
    ApplyGlassBlocks(*doc, v);
    EXPECT_EQ(doc->m_dGlassBlockUHeat, 0.43);
    EXPECT_EQ(doc->m_dGlassBlockSCSun, 0.65);
    EXPECT_NE(doc->m_dCLFGlassBlock[5][7], (2000 + 5 * 100 + 7) / 65536.0);
    EXPECT_DOUBLE_EQ(shaded / doc->m_dHeatLoss[5], 0.38 / 0.43);
}

TEST_F(GlassBlocksTest, NoShadeChosenLeavesThePropertiesAndAStrayValueShowsNone) {
    doc->m_nGlassBlockShade = 7;
    doc->m_dGlassBlockUHeat = 0.5;
    CGlassBlocksValues v = FillGlassBlocks(*doc);
    EXPECT_EQ(v.m_nGlassBlockShade, -1);
    ASSERT_FALSE(ValidateGlassBlocks(v));
    ApplyGlassBlocks(*doc, v);
    EXPECT_EQ(doc->m_nGlassBlockShade, -1);
    EXPECT_EQ(doc->m_dGlassBlockUHeat, 0.5);

    v.m_nGlassBlockShade = 2;
    const InputResult e = ValidateGlassBlocks(v);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->strField, "m_nGlassBlockShade");
}

TEST_F(GlassBlocksTest, WithoutUnitsTheFieldsStayInitialAndTheAreasAreKept) {
    NoUnits();
    doc->m_dGlassBlockArea[kWest] = 55;
    CGlassBlocksValues v = FillGlassBlocks(*doc);
    EXPECT_EQ(v.m_dGlassBlockArea[kWest], 0);
    EXPECT_EQ(v.m_strAreaUnit, "");
    v.m_nGlassBlockShade = 0;
    ApplyGlassBlocks(*doc, v);
    EXPECT_EQ(doc->m_dGlassBlockArea[kWest], 55);
    EXPECT_EQ(doc->m_dGlassBlockUCool, 0.51);
}

// ---- Glass windows ----

TEST_F(EnvelopeTest, WindowsMetricLengthsShowInMetresAndStoreInFeet) {
    Metric();
    doc->m_aWindows[kSouth].Add(Window(2, 3.281 * 1.5, 6.562));
    CWindowsValues v = FillWindows(*doc);
    EXPECT_EQ(v.m_bEnglish, 0);
    EXPECT_EQ(v.m_strLengthUnit, "m");
    ASSERT_EQ(v.m_aWindows[kSouth].GetSize(), 1);
    EXPECT_DOUBLE_EQ(v.m_aWindows[kSouth].GetAt(0).m_dHeight, 1.5);
    EXPECT_DOUBLE_EQ(v.m_aWindows[kSouth].GetAt(0).m_dWidth, 2.0);

    v.m_aWindows[kNorth].Add(Window(3, 1, 2, 0.5));
    ASSERT_FALSE(ValidateWindows(v));
    ApplyWindows(*doc, v);
    ASSERT_EQ(doc->m_aWindows[kNorth].GetSize(), 1);
    const CWindo stored = doc->m_aWindows[kNorth].GetAt(0);
    EXPECT_EQ(stored.m_nQuantity, 3);
    EXPECT_DOUBLE_EQ(stored.m_dHeight, 3.281);
    EXPECT_DOUBLE_EQ(stored.m_dWidth, 6.562);
    EXPECT_DOUBLE_EQ(stored.m_dOverhangWidth, 0.5 * 3.281);
    EXPECT_EQ(doc->m_bWindowsSupplied, 1);
    EXPECT_TRUE(doc->IsModified());
    // The hourly calculation saw the new glass.
    EXPECT_DOUBLE_EQ(doc->m_dWindowArea[kNorth], 3 * 3.281 * 6.562);
}

TEST_F(EnvelopeTest, WindowsFinishWithoutEditsKeepsEveryRecordExactly) {
    Metric();
    // 0.5 ft divided by 3.281 and multiplied again does not come back bit for bit.
    ASSERT_NE(0.5 / 3.281 * 3.281, 0.5);
    CWindo odd = Window(1, 0.5, 0.7, 0.5);
    odd.m_dRightFinWidth = 1.0 / 3.0;
    doc->m_aWindows[kNorthEast].Add(odd);
    doc->m_aWindows[kNorthEast].Add(Window(5, 4.4, 2.2));
    const CWindowList before = doc->m_aWindows[kNorthEast];
    CWindowsValues v = FillWindows(*doc);
    // Moving a record keeps it exact too.
    CWindowList reordered;
    reordered.Add(v.m_aWindows[kNorthEast].GetAt(1));
    reordered.Add(v.m_aWindows[kNorthEast].GetAt(0));
    v.m_aWindows[kNorthEast] = reordered;
    ApplyWindows(*doc, v);
    EXPECT_EQ(doc->m_aWindows[kNorthEast].GetAt(0), before.GetAt(1));
    EXPECT_EQ(doc->m_aWindows[kNorthEast].GetAt(1), before.GetAt(0));
}

TEST_F(EnvelopeTest, WindowsFinishReplacesEveryList) {
    doc->m_aWindows[kWest].Add(Window(1, 4, 4));
    doc->m_aWindows[kEast].Add(Window(1, 4, 4));
    CWindowsValues v = FillWindows(*doc);
    EXPECT_EQ(v.m_bEnglish, 1);
    EXPECT_EQ(v.m_strLengthUnit, "Ft");
    v.m_aWindows[kWest].RemoveAll();
    v.m_aWindows[kEast].SetAt(0, Window(2, 5, 3));
    ApplyWindows(*doc, v);
    EXPECT_EQ(doc->m_aWindows[kWest].GetSize(), 0);
    ASSERT_EQ(doc->m_aWindows[kEast].GetSize(), 1);
    EXPECT_EQ(doc->m_aWindows[kEast].GetAt(0), Window(2, 5, 3));
    EXPECT_EQ(doc->m_dWindowArea[kWest], 0);
}

TEST_F(EnvelopeTest, WindowsRefuseAQuantityBelowOneAndNegativeLengths) {
    CWindowsValues v = FillWindows(*doc);
    v.m_aWindows[kSouthEast].Add(Window(1, 4, 4));
    v.m_aWindows[kSouthEast].Add(Window(0, 4, 4));
    InputResult e = ValidateWindows(v);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->strField, "SE[1].m_nQuantity");
    EXPECT_EQ(e->strMessage, "Number of glass windows must\nbe greater than zero");

    v.m_aWindows[kSouthEast].SetAt(1, Window(1, 4, 4));
    CWindo w = Window(1, 4, 4);
    w.m_dLeftFinDist = -1;
    v.m_aWindows[kNorthWest].Add(w);
    e = ValidateWindows(v);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->strField, "NW[0].m_dLeftFinDist");
}

TEST_F(EnvelopeTest, WindowsWithoutUnitsCopyTheListsUnconverted) {
    NoUnits();
    doc->m_aWindows[kNorth].Add(Window(1, 4, 5));
    CWindowsValues v = FillWindows(*doc);
    EXPECT_EQ(v.m_bEnglish, -1);
    EXPECT_EQ(v.m_strLengthUnit, "");
    EXPECT_EQ(v.m_aWindows[kNorth].GetAt(0), Window(1, 4, 5));
    ApplyWindows(*doc, v);
    EXPECT_EQ(doc->m_aWindows[kNorth].GetAt(0), Window(1, 4, 5));
}

// ---- Options ----

TEST_F(NewProjectTest, OptionsWriteTheFileAndChangeTheProjectWithoutMarkingIt) {
    COptionsValues v = FillOptions(*doc);
    EXPECT_EQ(v.m_nInputUnits, 0);
    v.m_nInputUnits = 1;
    v.m_nFontSize = 1;
    ASSERT_FALSE(ValidateOptions(v));
    int updates = 0;
    doc->SetViewUpdater([&updates] { ++updates; });
    ApplyOptions(*doc, v);

    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"Future projects will use these settings"});
    EXPECT_EQ(doc->m_nInputUnits, 1);
    EXPECT_EQ(doc->m_nOutputUnits, 0);
    EXPECT_EQ(doc->m_nFontSize, 1);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(updates, 1);
    const std::vector<uint8_t> expected = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(ReadFileBytes(config.OptionsPath()), expected);
}

TEST_F(NewProjectTest, OptionsOutsideTheChoicesShowNoButton) {
    doc->m_nOutputUnits = 2;
    COptionsValues v = FillOptions(*doc);
    EXPECT_EQ(v.m_nOutputUnits, -1);
    EXPECT_FALSE(ValidateOptions(v));
    v.m_nDisplaySize = 3;
    const InputResult e = ValidateOptions(v);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->strField, "m_nDisplaySize");
    EXPECT_EQ(e->strMessage, "Please enter an integer between 0 and 1.");
}

}  // namespace
