#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tables/DataFiles.h"
#include "tables/TableFile.h"

namespace {
// A CSV of the given shape whose cell [r][c] is r * 100 + c.
std::string Csv(int rows, int cols) {
    std::string text = "# a comment\n\n";
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            text += (c ? "," : "") + std::to_string(r * 100 + c);
        }
        text += "\n";
    }
    return text;
}

// A steam table of water at saturation: -80 F upwards by 1 F, pressure, vapour volume, ice or
// water and vapour enthalpies and entropies of the right magnitudes.
std::string SteamCsv() {
    std::string text = "0,1,2,3,4,5,6,7\n";
    for (int r = 1; r <= 196; ++r) {
        const double t = -81.0 + r;
        const double p = 0.0885 * std::exp((t - 32) / 36.0);
        text += std::to_string(r) + "," + std::to_string(t) + "," + std::to_string(p) + "," +
                std::to_string(3300 / p * 0.0885) + "," + std::to_string(t - 32) + "," +
                std::to_string(1061 + 0.444 * t) + "," + std::to_string(0.002 * (t - 32)) + "," +
                std::to_string(2.2 - 0.004 * t) + "\n";
    }
    return text;
}

bool Mentions(const std::vector<std::string>& problems, const std::string& text) {
    for (const std::string& problem : problems) {
        if (problem.find(text) != std::string::npos) return true;
    }
    return false;
}
}  // namespace

TEST(DataFiles, ShapesGiveTheExactByteSizes) {
    const std::pair<int, int> sizes[] = {{1, 5600},  {2, 2000},  {3, 3264},  {7, 3264},  {8, 1040},
                                         {24, 1040}, {26, 1800}, {32, 1800}, {33, 2800}, {34, 2800},
                                         {35, 2000}, {37, 2000}, {38, 6496}, {39, 1040}, {41, 1040},
                                         {73, 1040}, {75, 12608}};
    for (auto [number, bytes] : sizes) {
        ASSERT_NE(FindDataFile(number), nullptr) << number;
        EXPECT_EQ(FindDataFile(number)->Bytes(), bytes) << number;
    }
    for (int unused : {0, 25, 74, 76}) EXPECT_EQ(FindDataFile(unused), nullptr) << unused;
    EXPECT_EQ(AllDataFiles().size(), 7u + 17u + 7u + 2u + 4u + 2u + 33u + 1u);
}

TEST(DataFiles, NamesAndNumbers) {
    EXPECT_EQ(DataFileName(7), "qlex07.dat");
    EXPECT_EQ(DataSourceName(75), "qlex75.csv");
    EXPECT_EQ(DataFileNumber("/some/dir/qlex26.dat"), 26);
    EXPECT_EQ(DataFileNumber("qlex08.csv"), 8);
    for (const char* bad : {"qlex8.dat", "qlex123.dat", "qlexab.dat", "qlex12.txt", "Qlex12.dat"}) {
        EXPECT_EQ(DataFileNumber(bad), -1) << bad;
    }
}

TEST(TableFile, CsvOfTheRightShapeRoundTripsThroughTheDataFile) {
    const DataFileShape& shape = *FindDataFile(26);
    TableData table;
    std::string error;
    ASSERT_TRUE(ParseTableCsv(Csv(9, 25), shape, table, error)) << error;
    EXPECT_EQ(table.At(8, 24), 824.0);
    const std::vector<uint8_t> bytes = EncodeTable(table);
    ASSERT_EQ(bytes.size(), 1800u);
    EXPECT_EQ(bytes[8], 0);  // cell [0][1] = 1.0: 00 .. 00 F0 3F
    EXPECT_EQ(bytes[15], 0x3F);
    TableData back;
    ASSERT_TRUE(DecodeTable(bytes, shape, back, error));
    EXPECT_EQ(back.values, table.values);
    // Finite, but rows 2..8 (201 .. 824) are far beyond any wall CLTD.
    EXPECT_EQ(CheckTable(back, 26).size(), 7u * 24);
    EXPECT_TRUE(CheckTable(back, 25).empty());
}

TEST(TableFile, SourcesOfTheWrongShapeOrWithBadNumbersAreRefused) {
    const DataFileShape& shape = *FindDataFile(26);
    TableData table;
    std::string error;
    EXPECT_FALSE(ParseTableCsv(Csv(8, 25), shape, table, error));
    EXPECT_NE(error.find("8 rows"), std::string::npos) << error;
    EXPECT_FALSE(ParseTableCsv(Csv(10, 25), shape, table, error));
    EXPECT_FALSE(ParseTableCsv(Csv(9, 24), shape, table, error));
    EXPECT_NE(error.find("24 columns"), std::string::npos) << error;
    EXPECT_FALSE(ParseTableCsv(Csv(9, 26), shape, table, error));
    for (const char* cell : {"nan", "inf", "1e999", "", "1.5x", "--2"}) {
        std::string text = Csv(9, 25);
        text.replace(text.find("\n102,") + 1, 3, cell);
        EXPECT_FALSE(ParseTableCsv(text, shape, table, error)) << cell;
        EXPECT_NE(error.find("line"), std::string::npos) << error;
    }
}

TEST(TableFile, DataFilesOfTheWrongSizeAreRefused) {
    const DataFileShape& shape = *FindDataFile(39);
    TableData table;
    std::string error;
    EXPECT_FALSE(DecodeTable(std::vector<uint8_t>(1032), shape, table, error));
    EXPECT_FALSE(DecodeTable(std::vector<uint8_t>(1048), shape, table, error));
    EXPECT_TRUE(DecodeTable(std::vector<uint8_t>(1040), shape, table, error));
}

TEST(TableFile, SteamTableMustAscendAndEveryValueBeFinite) {
    const DataFileShape& shape = *FindDataFile(75);
    TableData table;
    std::string error;
    ASSERT_TRUE(ParseTableCsv(SteamCsv(), shape, table, error)) << error;
    EXPECT_TRUE(CheckTable(table, 75).empty());
    table.values[static_cast<size_t>(50 * 8 + 1)] = table.At(49, 1);  // a repeated temperature
    EXPECT_EQ(CheckTable(table, 75).size(), 1u);
    table.values[3] = std::nan("");
    EXPECT_EQ(CheckTable(table, 75).size(), 2u);
}

// Each kind of table holds values of one physical quantity; a data value outside its range is a
// problem, a label (row 0, column 0; the lights tables have no label column) only when it is not
// finite.
TEST(TableFile, DataValuesOutsideThePhysicalRangeOfTheirKindAreProblems) {
    struct Kind {
        int number;
        double min, max;
    };
    const Kind kinds[] = {{1, 0, 1.2},  {2, 0, 1.2},   {3, 0, 1.2},    {7, 0, 1.2},
                          {8, -40, 40}, {24, -40, 40}, {26, -40, 150}, {34, -40, 150},
                          {35, 0, 1.2}, {37, 0, 1.2},  {38, 0, 1.5},   {39, 0, 400},
                          {40, 0, 400}, {41, 0, 400},  {73, 0, 400}};
    for (const Kind& kind : kinds) {
        const DataFileShape& shape = *FindDataFile(kind.number);
        const bool lights = kind.number >= 3 && kind.number <= 7;
        TableData table;
        table.nRows = shape.nRows;
        table.nCols = shape.nCols;
        for (int r = 0; r < shape.nRows; ++r) {
            for (int c = 0; c < shape.nCols; ++c) {
                const bool label = r == 0 || (c == 0 && !lights);
                table.values.push_back(label ? 1000.0 * r + c : (c % 2 ? kind.min : kind.max));
            }
        }
        auto cell = [&](int r, int c) -> double& {
            return table.values[static_cast<size_t>(r * table.nCols + c)];
        };
        EXPECT_TRUE(CheckTable(table, kind.number).empty()) << kind.number;

        for (double outside : {kind.min - 0.01, kind.max + 0.01, 4.4e32, -1e300}) {
            cell(2, 3) = outside;
            const std::vector<std::string> problems = CheckTable(table, kind.number);
            ASSERT_EQ(problems.size(), 1u) << kind.number << ": " << outside;
            EXPECT_NE(problems[0].find("row 2, column 3"), std::string::npos) << problems[0];
        }
        cell(2, 3) = kind.max;
        cell(4, 0) = 1e6;
        EXPECT_EQ(CheckTable(table, kind.number).size(), lights ? 1u : 0u) << kind.number;
        cell(4, 0) = std::nan("");
        EXPECT_EQ(CheckTable(table, kind.number).size(), 1u) << kind.number;
    }
    // Files the program does not read have no range.
    TableData other;
    other.nRows = other.nCols = 1;
    other.values = {1e300};
    EXPECT_TRUE(CheckTable(other, 25).empty());
}

TEST(TableFile, SteamTableMustHoldWaterAtSaturation) {
    TableData sound;
    std::string error;
    ASSERT_TRUE(ParseTableCsv(SteamCsv(), *FindDataFile(75), sound, error)) << error;
    ASSERT_TRUE(CheckTable(sound, 75).empty());
    struct Damage {
        int row, column;
        double value;
        const char* problem;
    };
    const Damage damages[] = {
        {196, 1, 800.0, "critical point"},           // hotter than water can be saturated
        {1, 1, -500.0, "absolute zero"},             // colder than absolute zero
        {90, 2, 0.0, "row 90: pressure 0"},          // no vapour pressure
        {90, 2, 4000.0, "critical pressure"},        // above the critical pressure
        {120, 2, 0.5, "pressures do not increase"},  // lower than the row before
        {10, 3, -1.0, "specific volume"},            //
        {10, 4, 4.4e32, "row 10: enthalpy"},         // garbage
        {10, 5, -300.0, "row 10: enthalpy"},         // below ice at absolute zero
        {10, 5, -110.0, "enthalpy of ice or water is not below"},
        {10, 6, 3.0, "entropy of ice or water is not below"},
    };
    for (const Damage& damage : damages) {
        TableData table = sound;
        table.values[static_cast<size_t>(damage.row * table.nCols + damage.column)] = damage.value;
        const std::vector<std::string> problems = CheckTable(table, 75);
        EXPECT_TRUE(Mentions(problems, damage.problem))
            << damage.problem << ": " << (problems.empty() ? "none" : problems[0]);
    }
}

// The data files the build writes from the committed sources pass every check.
TEST(TableFile, EveryShippedTableIsSound) {
    for (const DataFileShape& shape : AllDataFiles()) {
        TableData table;
        std::string cause;
        ASSERT_EQ(
            ReadTableFile(THERMAVO_DATA_DIR + DataFileName(shape.nNumber), shape, table, cause),
            TableFileRead::kRead)
            << DataFileName(shape.nNumber) << ": " << cause;
        const std::vector<std::string> problems = CheckTable(table, shape.nNumber);
        EXPECT_TRUE(problems.empty()) << DataFileName(shape.nNumber) << ": " << problems[0];
    }
}
