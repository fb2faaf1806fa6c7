#include "Tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Constants.h"
#include "SolAir.h"
#include "Steam.h"

using namespace refgen;
namespace fs = std::filesystem;

namespace {

const fs::path kReferenceDir = fs::path(THERMAVO_SOURCE_DIR) / "data" / "reference";
using Rows = std::vector<std::vector<double>>;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The data rows of a CSV source: comment and blank lines skipped.
Rows ParseRows(const std::string& text) {
    Rows rows;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<double> row;
        std::istringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ',')) row.push_back(std::stod(field));
        rows.push_back(row);
    }
    return rows;
}

struct Shape {
    int rows, cols;
};

Shape ExpectedShape(int number) {
    if (number == 1) return {28, 25};
    if (number == 2) return {10, 25};
    if (number >= 3 && number <= 7) return {17, 24};
    if (number >= 8 && number <= 24) return {13, 10};
    if (number >= 26 && number <= 32) return {9, 25};
    if (number == 33 || number == 34) return {14, 25};
    if (number >= 35 && number <= 37) return {10, 25};
    if (number == 38) return {28, 29};
    if (number >= 39 && number <= 73) return {13, 10};
    if (number == 75) return {197, 8};
    return {0, 0};
}

// Hyland and Wexler (1983) saturation pressure over ice (below 0 C) and over water, as printed
// in ASHRAE Handbook-Fundamentals 2001 chapter 6, equations 5 and 6; T in K, result in psia.
double HylandWexlerPsia(double fahrenheit) {
    const double t = (fahrenheit - 32.0) / 1.8 + 273.15;
    double lnP;
    if (t < 273.15) {
        lnP = -5.6745359e3 / t + 6.3925247 - 9.6778430e-3 * t + 6.2215701e-7 * t * t +
              2.0747825e-9 * t * t * t - 9.4840240e-13 * t * t * t * t + 4.1635019 * std::log(t);
    } else {
        lnP = -5.8002206e3 / t + 1.3914993 - 4.8640239e-2 * t + 4.1764768e-5 * t * t -
              1.4452093e-8 * t * t * t + 6.5459673 * std::log(t);
    }
    return std::exp(lnP) / 6894.757293168;  // Pa per psi
}

class TempDir {
  public:
    TempDir() : path_(fs::temp_directory_path() / ("refgen-" + std::to_string(::getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

}  // namespace

// The reference of the correction is 40 N in July itself.
TEST(LatitudeMonth, ZeroAtFortyNorthInJuly) {
    for (int o = 0; o < kOrientations; ++o) EXPECT_EQ(LatitudeMonthCorrection(40, 7, o), 0.0);
    const Table table = LatitudeMonthTable(40);
    for (int c = 1; c <= kOrientations; ++c) EXPECT_EQ(table.At(7, c), 0.0);
}

// Every file of the set, each with its shape, labels and latitude or group in the corner.
TEST(ReferenceTables, ShapesAndLabels) {
    const std::vector<ReferenceFile> files = ComputedFiles();
    std::set<int> numbers;
    for (const ReferenceFile& file : files) {
        EXPECT_TRUE(numbers.empty() || file.number > *numbers.rbegin()) << "order " << file.number;
        numbers.insert(file.number);
        const Shape shape = ExpectedShape(file.number);
        ASSERT_EQ(file.table.Rows(), shape.rows) << file.number;
        ASSERT_EQ(file.table.Cols(), shape.cols) << file.number;
        if (file.number == 38) continue;  // labelled by device number, checked with its table
        for (int c = 1; c < shape.cols; ++c) EXPECT_EQ(file.table.At(0, c), c);
        if (file.number >= 3 && file.number <= 7) continue;  // column 0 is data in lights files
        for (int r = 1; r < shape.rows; ++r) EXPECT_EQ(file.table.At(r, 0), r);
    }
    // Every file from qlex01 to qlex73 but qlex25, which the program does not read; the steam
    // table qlex75 comes from its own source.
    for (int n = 1; n <= 73; ++n) {
        EXPECT_EQ(numbers.count(n), n == 25 ? 0u : 1u) << n;
    }
    EXPECT_EQ(*numbers.rbegin(), 73);
    const auto corner = [&](int number) {
        for (const ReferenceFile& file : files) {
            if (file.number == number) return file.table.At(0, 0);
        }
        return -999.0;
    };
    EXPECT_EQ(corner(8), 0);
    EXPECT_EQ(corner(11), 24);
    EXPECT_EQ(corner(24), -64);
    EXPECT_EQ(corner(32), 7);
    EXPECT_EQ(corner(46), 20);
    EXPECT_EQ(corner(47), 24);
    EXPECT_EQ(corner(73), -64);
}

// The committed sources are exactly what the generator writes: no hand edits, nothing stale.
TEST(ReferenceTables, CommittedFilesRegenerateByteForByte) {
    TempDir dir;
    const std::vector<ReferenceFile> files = ComputedFiles();
    WriteFiles(files, dir.Path().string());
    for (const ReferenceFile& file : files) {
        const std::string name = SourceFileName(file.number);
        ASSERT_TRUE(fs::exists(kReferenceDir / name)) << name;
        EXPECT_TRUE(ReadText(dir.Path() / name) == ReadText(kReferenceDir / name))
            << name << " differs from a fresh run of thermavo-refgen all";
    }
    int committed = 0;
    for (const auto& entry : fs::directory_iterator(kReferenceDir)) {
        if (entry.path().extension() == ".csv") ++committed;
    }
    EXPECT_EQ(committed, static_cast<int>(files.size()) + 1);  // and qlex75
}

TEST(ReferenceTables, CommittedFilesHaveTheirShapes) {
    for (const auto& entry : fs::directory_iterator(kReferenceDir)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".csv") continue;
        const Shape shape = ExpectedShape(std::stoi(name.substr(4, 2)));
        const Rows rows = ParseRows(ReadText(entry.path()));
        ASSERT_EQ(static_cast<int>(rows.size()), shape.rows) << name;
        for (const auto& row : rows) ASSERT_EQ(static_cast<int>(row.size()), shape.cols) << name;
    }
}

TEST(SteamTable, RowsCoverTheDesignRangeByDegrees) {
    const std::vector<int> t = SteamTableTemperatures();
    ASSERT_EQ(t.size(), 196u);
    EXPECT_EQ(t.front(), -80);
    EXPECT_GE(t.back(), 180);
    for (int f = -40; f <= 130; ++f) EXPECT_EQ(std::count(t.begin(), t.end(), f), 1) << f;
}

// The committed steam table against an independent formulation of the saturation pressure.
TEST(SteamTable, AscendingAndAgreesWithHylandWexler) {
    const Rows rows = ParseRows(ReadText(kReferenceDir / "qlex75.csv"));
    ASSERT_EQ(rows.size(), 197u);
    for (size_t r = 2; r < rows.size(); ++r) {
        EXPECT_GT(rows[r][1], rows[r - 1][1]) << r;
        EXPECT_GT(rows[r][2], rows[r - 1][2]) << r;
        EXPECT_LT(rows[r][3], rows[r - 1][3]) << r;  // vapour volume shrinks as pressure rises
    }
    for (size_t r = 1; r < rows.size(); ++r) {
        EXPECT_NEAR(rows[r][2] / HylandWexlerPsia(rows[r][1]), 1.0, 0.005) << rows[r][1];
    }
}

TEST(SteamTable, CommittedFileRegeneratesFromSource) {
    const fs::path source = REFGEN_STEAM_SOURCE;
    if (source.empty() || !fs::exists(source)) GTEST_SKIP() << "steam_table_IP.csv not present";
    EXPECT_TRUE(SteamTable(ReadText(source)).ToCsv() == ReadText(kReferenceDir / "qlex75.csv"));
}
