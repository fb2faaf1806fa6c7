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
    EXPECT_TRUE(CheckTable(back, 26).empty());
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
    ASSERT_TRUE(ParseTableCsv(Csv(197, 8), shape, table, error)) << error;
    EXPECT_TRUE(CheckTable(table, 75).empty());
    table.values[static_cast<size_t>(50 * 8 + 1)] = table.At(49, 1);  // a repeated temperature
    EXPECT_EQ(CheckTable(table, 75).size(), 1u);
    table.values[3] = std::nan("");
    EXPECT_EQ(CheckTable(table, 75).size(), 2u);
}
