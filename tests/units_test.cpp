#include "units/Units.h"

#include <gtest/gtest.h>

#include <memory>

#include "document/QuarnDoc.h"
#include "support/TestSupport.h"
#include "text/Format.h"

TEST(Units, TemperatureConversions) {
    EXPECT_DOUBLE_EQ(FahrenheitToCelsius(32.0), 0.0);
    EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(0.0), 32.0);
    EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(20.0), 68.0);  // metric inside temperature as stored
    EXPECT_DOUBLE_EQ(FahrenheitToCelsius(-40.0), -40.0);
    // A value shown and stored back unedited changes only by rounding.
    for (double f : {-63.0, 14.0, 72.0, 78.0, 117.0}) {
        EXPECT_NEAR(CelsiusToFahrenheit(FahrenheitToCelsius(f)), f, 1e-12);
    }
    EXPECT_DOUBLE_EQ(TempDiffToEnglish(TempDiffToMetric(18.0)), 18.0);
}

TEST(Units, AreasInTheReportAndTheGlassBlockDialogDiffer) {
    EXPECT_EQ(StrFormat("%.2f", AreaToMetric(100.0)), "9.29");
    const double report = AreaToMetric(1000.0);
    const double dialog = 1000.0 / kSqFtPerSqMGlassBlock;
    EXPECT_NEAR(report, 92.902, 0.0005);
    EXPECT_NEAR(dialog, 92.894, 0.0005);
    EXPECT_GT(report - dialog, 0.005);  // differ in the fifth significant digit
}

TEST(Units, RoundDownCutsTowardMinusInfinity) {
    EXPECT_DOUBLE_EQ(RoundDown(25.55559, 3), 25.555);
    EXPECT_DOUBLE_EQ(RoundDown(-1.2341, 3), -1.235);
    EXPECT_DOUBLE_EQ(RoundDown(2.0, 3), 2.0);
    // 78 F shown in C with three decimals, as the general data wizard does.
    EXPECT_DOUBLE_EQ(RoundDown(FahrenheitToCelsius(78.0), 3), 25.555);
}

TEST(Units, LabelsFollowTheUnitSystemAndTheThirdStateHasNone) {
    CRecordingMessages messages;
    auto doc = std::make_unique<CQuarnDoc>(messages);

    doc->m_nInputUnits = 0;
    doc->m_nOutputUnits = 1;
    EXPECT_EQ(doc->IsInputEnglish(), 1);
    EXPECT_EQ(doc->IsInputMetric(), 0);
    EXPECT_EQ(doc->IsOutputMetric(), 1);
    EXPECT_EQ(doc->GetInputTempUnit(), "Deg F");
    EXPECT_EQ(doc->GetOutputTempUnit(), "Deg C");
    EXPECT_EQ(doc->GetInputUnitsName(), "English");
    EXPECT_EQ(doc->GetOutputUnitsName(), "Metric");
    EXPECT_EQ(doc->GetOutputLengthUnit(), "Meter");
    EXPECT_EQ(doc->GetInputThicknessUnit(), "Inch");

    for (int third : {2, -1}) {
        doc->m_nInputUnits = third;
        doc->m_nOutputUnits = third;
        EXPECT_EQ(doc->IsInputMetric() + doc->IsInputEnglish(), 0);
        EXPECT_EQ(doc->IsOutputMetric() + doc->IsOutputEnglish(), 0);
        EXPECT_EQ(doc->GetInputTempUnit(), "");
        EXPECT_EQ(doc->GetOutputTempUnit(), "");
        EXPECT_EQ(doc->GetOutputLengthUnit(), "");
        EXPECT_EQ(doc->GetInputThicknessUnit(), "");
        EXPECT_EQ(doc->GetInputUnitsName(), "No Units Selected");
        EXPECT_EQ(doc->GetOutputUnitsName(), "No Units Selected");
    }

    doc->m_nDisplaySize = 1;
    doc->m_nFontSize = 0;
    EXPECT_EQ(doc->IsDisplaySmall(), 1);
    EXPECT_EQ(doc->IsDisplayLarge(), 0);
    EXPECT_EQ(doc->IsFontLarge(), 1);
    EXPECT_EQ(doc->IsFontSmall(), 0);
}

TEST(Units, StationLabelsAtZeroAreNorthAndWest) {
    CRecordingMessages messages;
    auto doc = std::make_unique<CQuarnDoc>(messages);
    EXPECT_EQ(doc->GetLatitudeLabel(), "Deg North");
    EXPECT_EQ(doc->GetLongitudeLabel(), "Deg West");
    doc->m_dLatitude = -33.95;
    doc->m_dLongitude = -151.18;
    EXPECT_EQ(doc->GetLatitudeLabel(), "Deg South");
    EXPECT_EQ(doc->GetLongitudeLabel(), "Deg East");
}
