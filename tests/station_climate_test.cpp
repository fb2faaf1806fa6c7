#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lumora/lumora.h"

namespace {

struct Climate {
    double v[12];
};

// Calls the library with every output preset to a marker, so unwritten outputs show.
Climate Lookup(int index, double marker = -12345.0) {
    Climate c;
    for (double& x : c.v) x = marker;
    SetCityVars(&index, &c.v[0], &c.v[1], &c.v[2], &c.v[3], &c.v[4], &c.v[5], &c.v[6], &c.v[7],
                &c.v[8], &c.v[9], &c.v[10], &c.v[11]);
    return c;
}

bool Written(const Climate& c) { return c.v[0] != -12345.0; }

}  // namespace

TEST(StationClimate, IndicesWithoutARecordWriteNothing) {
    for (int index : {0, -1, 1990, 780, INT_MIN, INT_MAX, 100000}) {
        const Climate c = Lookup(index);
        for (double x : c.v) EXPECT_EQ(x, -12345.0) << "index " << index;
    }
}

TEST(StationClimate, PublishedRowsAreDeliveredExactly) {
    struct Row {
        int index;
        double v[12];
    };
    const Row rows[] = {
        {1, {32.95, 85.95, 660, 18, 22, 96, 77, 93, 76, 91, 76, 21}},
        {27, {33.43, 112.02, 1106, 34, 37, 110, 70, 108, 70, 106, 70, 23}},
        {106, {39.75, 104.87, 5331, -3, 3, 93, 60, 90, 59, 87, 59, 26.9}},
        {860, {-34.82, 58.53, 65, 31, 34, 93, 73, 90, 72, 87, 71, 21.6}},
        {869, {-33.95, -151.18, 10, 42, 44, 90, 68, 85, 67, 82, 68, 12.1}},
        {1014, {1.37, -103.98, 52, 73, 74, 91, 79, 90, 79, 90, 79, 11.3}},
        {1062, {51.48, 0, 149, 24, 26, 82, 68, 79, 66, 76, 65, 16}},
        {1989, {53.15, -140.7, 223, -28, -23, 78, 67, 75, 65, 73, 64, 15.5}},
    };
    for (const Row& row : rows) {
        const Climate c = Lookup(row.index);
        for (int i = 0; i < 12; ++i) EXPECT_EQ(c.v[i], row.v[i]) << row.index << " value " << i;
    }
    EXPECT_LT(Lookup(860).v[0], 0.0);   // southern hemisphere
    EXPECT_LT(Lookup(869).v[1], 0.0);   // east of Greenwich
    EXPECT_EQ(Lookup(1062).v[1], 0.0);  // London, on the meridian
}

TEST(StationClimate, TwinIndicesCarryIdenticalRecords) {
    for (auto [a, b] : {std::pair{167, 1133}, std::pair{405, 1176}}) {
        const Climate ca = Lookup(a);
        const Climate cb = Lookup(b);
        ASSERT_TRUE(Written(ca));
        for (int i = 0; i < 12; ++i) EXPECT_EQ(ca.v[i], cb.v[i]) << a << "/" << b << " value " << i;
    }
}

TEST(StationClimate, EveryRecordHasTheStoredFormAndOrderings) {
    int records = 0;
    for (int index = 1; index <= 1989; ++index) {
        const Climate c = Lookup(index);
        if (!Written(c)) continue;
        ++records;
        const double* v = c.v;
        SCOPED_TRACE(index);
        EXPECT_GE(v[0], -90.0);
        EXPECT_LE(v[0], 90.0);
        EXPECT_GE(v[1], -180.0);
        EXPECT_LE(v[1], 180.0);
        EXPECT_EQ(std::round(v[0] * 100) / 100, v[0]);
        EXPECT_EQ(std::round(v[1] * 100) / 100, v[1]);
        for (int i = 2; i <= 10; ++i) EXPECT_EQ(std::round(v[i]), v[i]) << "value " << i;
        EXPECT_EQ(std::round(v[11] * 10) / 10, v[11]);
        EXPECT_LE(v[3], v[4]);  // 99.6 % not above 99 %
        EXPECT_GE(v[5], v[7]);  // 0.4 % not below 1 % not below 2 %
        EXPECT_GE(v[7], v[9]);
        for (int i = 6; i <= 10; i += 2) EXPECT_LE(v[i], v[i - 1]);  // wet-bulb below dry-bulb
        EXPECT_GT(v[11], 0.0);
    }
    EXPECT_GT(records, 1900);
    EXPECT_LE(records, 1988);
}

// The compiled table is generated from the project's station data file; both must agree.
TEST(StationClimate, CompiledTableMatchesTheDataFile) {
    std::ifstream in(THERMAVO_SOURCE_DIR "/data/stations/stations.csv");
    ASSERT_TRUE(in) << "data/stations/stations.csv";
    std::string line;
    std::vector<bool> listed(1990, false);
    bool header = true;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        // index,country,state,name,12 values; names may hold commas inside quotes.
        std::vector<std::string> fields;
        std::string field;
        bool quoted = false;
        for (char ch : line) {
            if (ch == '"') {
                quoted = !quoted;
            } else if (ch == ',' && !quoted) {
                fields.push_back(field);
                field.clear();
            } else {
                field += ch;
            }
        }
        fields.push_back(field);
        ASSERT_EQ(fields.size(), 16u) << line;
        const int index = std::stoi(fields[0]);
        ASSERT_TRUE(index >= 1 && index <= 1989) << line;
        listed[index] = true;
        const Climate c = Lookup(index);
        for (int i = 0; i < 12; ++i) EXPECT_EQ(c.v[i], std::stod(fields[4 + i])) << line;
    }
    for (int index = 1; index <= 1989; ++index) {
        EXPECT_EQ(Written(Lookup(index)), listed[index]) << "index " << index;
    }
}
