#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/PeakSearch.h"
#include "support/InstallDir.h"
#include "tables/ReferenceReader.h"

TEST(ReferenceReader, InterpolateIncludingTheZeroWidthCase) {
    EXPECT_DOUBLE_EQ(Interpolate(16, 20, 24, 2, 6), 4.0);
    EXPECT_DOUBLE_EQ(Interpolate(16, 16, 24, 2, 6), 2.0);
    EXPECT_DOUBLE_EQ(Interpolate(64, 70, 64, 3, 9), 3.0);  // beyond the last file: no extrapolation
    EXPECT_DOUBLE_EQ(Interpolate(0, -1, 1, 10, 20), 0.0);  // extrapolates when asked to
}

TEST(ReferenceReader, LatitudeBracketsAreLowerInclusiveUpperExclusive) {
    struct Case {
        double latitude;
        int lmLow, lmHigh, shgfLow, shgfHigh;
        double x0, x1;  // of the LM bracket
    };
    const Case cases[] = {
        {0.0, 8, 9, 41, 42, 0, 8},       {16.0, 10, 11, 45, 46, 16, 24},
        {20.0, 10, 11, 46, 47, 16, 24},  {23.99, 10, 11, 46, 47, 16, 24},
        {24.0, 11, 12, 47, 48, 24, 32},  {63.9, 15, 16, 56, 57, 56, 64},
        {64.0, 16, 16, 57, 57, 64, 64},  {76.53, 16, 16, 57, 57, 64, 64},
        {-4.0, 8, 17, 58, 59, 0, 8},     {-33.95, 20, 21, 65, 66, 32, 40},
        {-64.0, 24, 24, 73, 73, 64, 64},
    };
    for (const Case& c : cases) {
        const LatitudeBracket lm = LatitudeCorrectionBracket(c.latitude);
        const LatitudeBracket shgf = SunlitShgfBracket(c.latitude);
        EXPECT_EQ(lm.nFileLow, c.lmLow) << c.latitude;
        EXPECT_EQ(lm.nFileHigh, c.lmHigh) << c.latitude;
        EXPECT_EQ(shgf.nFileLow, c.shgfLow) << c.latitude;
        EXPECT_EQ(shgf.nFileHigh, c.shgfHigh) << c.latitude;
        EXPECT_EQ(lm.x0, c.x0) << c.latitude;
        EXPECT_EQ(lm.x1, c.x1) << c.latitude;
        EXPECT_EQ(lm.x, c.latitude < 0 ? -c.latitude : c.latitude);
    }
}

TEST(ReferenceReader, MissingAndDamagedFilesAreReportedAndReadNothing) {
    CScopedInstallDir install;
    CRecordingMessages messages;
    TableData table;
    EXPECT_FALSE(ReadReferenceTable(26, messages, table));
    ASSERT_EQ(messages.fileErrors.size(), 1u);
    EXPECT_NE(messages.fileErrors[0].find("qlex26.dat"), std::string::npos);

    install.WriteBytes(26, std::vector<uint8_t>(1799));
    EXPECT_FALSE(ReadReferenceTable(26, messages, table));
    EXPECT_NE(messages.fileErrors[1].find("damaged"), std::string::npos);

    install.WriteTable(26, [](int r, int c) { return (r * 100.0 + c) / 8; });
    EXPECT_TRUE(ReadReferenceTable(26, messages, table));
    EXPECT_EQ(table.At(8, 24), 103.0);
    EXPECT_EQ(messages.fileErrors.size(), 2u);
}

// A file of the right size whose values no such table can hold (garbage, a NaN, one cell out of
// range) is damaged like one of the wrong size: reported by name and cause, nothing returned.
TEST(ReferenceReader, FilesOfTheRightSizeWithUnsoundValuesAreDamagedAndReadNothing) {
    CScopedInstallDir install;
    CRecordingMessages messages;
    TableData table;
    install.WriteBytes(34, std::vector<uint8_t>(2800, 0x7f));  // every value about 1.4e306
    EXPECT_FALSE(ReadReferenceTable(34, messages, table));
    EXPECT_TRUE(table.values.empty());
    ASSERT_EQ(messages.fileErrors.size(), 1u);
    const std::string& garbage = messages.fileErrors[0];
    EXPECT_NE(garbage.find("qlex34.dat: The reference data file is damaged: row 1, column 1 holds"),
              std::string::npos)
        << garbage;
    EXPECT_NE(garbage.find("not a cooling load temperature difference (-40 to 150 F)"),
              std::string::npos)
        << garbage;
    EXPECT_NE(garbage.find("(312 problems in all)."), std::string::npos) << garbage;

    install.WriteTable(34, [](int r, int c) { return r == 5 && c == 7 ? std::nan("") : 20.0; });
    EXPECT_FALSE(ReadReferenceTable(34, messages, table));
    ASSERT_EQ(messages.fileErrors.size(), 2u);
    EXPECT_NE(messages.fileErrors[1].find("damaged: row 5, column 7 is not a finite number."),
              std::string::npos)
        << messages.fileErrors[1];

    install.WriteTable(34, [](int r, int c) { return r == 13 && c == 24 ? 4.4e32 : 20.0; });
    EXPECT_FALSE(ReadReferenceTable(34, messages, table));
    ASSERT_EQ(messages.fileErrors.size(), 3u);
    EXPECT_NE(messages.fileErrors[2].find("row 13, column 24 holds 4.4e+32"), std::string::npos)
        << messages.fileErrors[2];

    // The labels may hold anything finite; the table then reads.
    install.WriteTable(34, [](int r, int c) { return r == 0 || c == 0 ? 1e6 : 20.0; });
    EXPECT_TRUE(ReadReferenceTable(34, messages, table));
    EXPECT_EQ(messages.fileErrors.size(), 3u);
}

TEST(ReferenceReader, LatitudeTablesInterpolateEveryCellAndNeedBothFiles) {
    CScopedInstallDir install;
    CRecordingMessages messages;
    install.WriteTable(10, [](int r, int c) { return r + c; });
    double table[13][10] = {};
    table[3][4] = -99;
    EXPECT_FALSE(ReadInterpolatedLatitudeTable(LatitudeCorrectionBracket(20.0), messages, table));
    EXPECT_EQ(table[3][4], -99);  // nothing written without the second file
    install.WriteTable(11, [](int r, int c) { return 1.5 * (r + c); });
    ASSERT_TRUE(ReadInterpolatedLatitudeTable(LatitudeCorrectionBracket(20.0), messages, table));
    EXPECT_DOUBLE_EQ(table[3][4], 8.75);  // halfway between 7 and 10.5
    EXPECT_DOUBLE_EQ(table[0][0], 0.0);   // labels are interpolated too
    ASSERT_TRUE(ReadInterpolatedLatitudeTable(LatitudeCorrectionBracket(16.0), messages, table));
    EXPECT_DOUBLE_EQ(table[3][4], 7.0);                     // exactly 16: the lower file unchanged
    install.WriteTable(11, [](int, int) { return 99.0; });  // no correction is that large
    table[3][4] = -99;
    EXPECT_FALSE(ReadInterpolatedLatitudeTable(LatitudeCorrectionBracket(20.0), messages, table));
    EXPECT_EQ(table[3][4], -99);  // nothing written with a damaged second file
}

TEST(PeakSearch, TiesKeepTheEarliestHourThenMonth) {
    // Equal maxima at (hour 14, month 9) and (hour 14, month 7) and (hour 15, month 1).
    auto value = [](int hour, int month) {
        if ((hour == 14 && (month == 9 || month == 7)) || (hour == 15 && month == 1)) return 5.0;
        if (hour == 3 && month == 2) return -7.0;
        return 1.0;
    };
    const PeakResult peak = FindPeak(value);
    EXPECT_EQ(peak.dMax, 5.0);
    EXPECT_EQ(peak.nMaxHour, 14);
    EXPECT_EQ(peak.nMaxMonth, 7);
    EXPECT_EQ(peak.dMin, -7.0);
    EXPECT_EQ(peak.nMinHour, 3);
    EXPECT_EQ(peak.nMinMonth, 2);
    EXPECT_EQ(peak.dAbsMax, 7.0);

    const PeakResult zero = FindPeak([](int, int) { return 0.0; });
    EXPECT_EQ(zero.nMaxMonth, 1);
    EXPECT_EQ(zero.nMaxHour, 1);
    EXPECT_EQ(zero.dAbsMax, 0.0);
}
