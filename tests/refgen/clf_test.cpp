#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "ClfConstants.h"
#include "ClfFit.h"
#include "ClfTables.h"
#include "Constants.h"
#include "Fragments.h"
#include "RoomResponse.h"
#include "Tables.h"

using namespace refgen;
namespace fs = std::filesystem;

namespace {

const fs::path kFragmentDir = fs::path(THERMAVO_SOURCE_DIR) / "data" / "reference" / "fragments";

Fragment ProjectFragment(const char* name) { return ReadFragment((kFragmentDir / name).string()); }

bool IsClfFile(int number) { return number <= 7 || (number >= 35 && number <= 37); }

// The data cells of a CLF file: the lights files have no label column.
template <typename Visit>
void ForEachDataCell(const ReferenceFile& file, Visit visit) {
    const int firstCol = file.number >= 3 && file.number <= 7 ? 0 : 1;
    for (int r = 1; r < file.table.Rows(); ++r) {
        for (int c = firstCol; c < file.table.Cols(); ++c) visit(r, c, file.table.At(r, c));
    }
}

const RoomResponse kRooms[] = {{0.80, 0.26}, {0.85, 0.26}, {0.90, 0.26},
                               {0.95, 0.75}, {0.80, 0.45}, {0.5, 0.1}};

class TempDir {
  public:
    TempDir() : path_(fs::temp_directory_path() / ("refgen-clf-" + std::to_string(::getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }
    void Write(const char* name, const std::string& text) const {
        std::ofstream(path_ / name, std::ios::binary) << text;
    }

  private:
    fs::path path_;
};

std::string Cell(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9f", value);
    return buffer;
}

}  // namespace

// ---- Room response ---------------------------------------------------------------------------

// Unit steady gain: a gain that never changes is the load, whatever the room and the share.
TEST(RoomResponse, ConstantGainIsItsOwnLoad) {
    HourlyProfile gain;
    gain.fill(1.0);
    for (const RoomResponse& room : kRooms) {
        for (double share : {0.0, 1.0 / 3.0, 0.635}) {
            for (double load : CoolingLoad(gain, room, share)) EXPECT_NEAR(load, 1.0, 1e-12);
        }
    }
}

// The closed-form periodic start against the plain recursion run over many repeated days.
TEST(RoomResponse, PeriodicStateOfRepeatedDays) {
    const HourlyProfile gain = DesignDayShgf(2);
    for (const RoomResponse& room : kRooms) {
        double previousLoad = 0, previousGain = 0;
        HourlyProfile stepped{};
        for (int day = 0; day < 400; ++day) {
            for (int t = 0; t < kHours; ++t) {
                stepped[t] = room.sameHour * gain[t] + room.NextHour() * previousGain +
                             room.pole * previousLoad;
                previousLoad = stepped[t];
                previousGain = gain[t];
            }
        }
        const HourlyProfile load = PeriodicLoad(gain, room);
        for (int t = 0; t < kHours; ++t) EXPECT_NEAR(load[t], stepped[t], 1e-9) << room.pole;
    }
}

// Stored heat is released later, never lost: the daily sums of gain and load agree.
TEST(RoomResponse, KeepsTheDailySum) {
    const HourlyProfile gain = ScheduledClf(0, {0.85, 0.26}, 0.0);  // all zero
    for (double value : gain) EXPECT_EQ(value, 0.0);
    for (int o = 0; o < kOrientations; ++o) {
        const HourlyProfile shgf = DesignDayShgf(o);
        const HourlyProfile load = CoolingLoad(shgf, {0.90, 0.26}, 0.40);
        double in = 0, out = 0;
        for (int t = 0; t < kHours; ++t) {
            in += shgf[t];
            out += load[t];
        }
        EXPECT_NEAR(out, in, 1e-9 * in) << o;
    }
}

// ---- Schedules ------------------------------------------------------------------------------

// Lights or people present all day are a constant gain.
TEST(ScheduledClf, OnAllDayIsOne) {
    for (int a = 0; a < 4; ++a) {
        for (int b = 0; b < 4; ++b) {
            for (double clf : ScheduledClf(24, LightsResponse(a, b), 0.0)) {
                EXPECT_NEAR(clf, 1.0, 1e-12);
            }
        }
    }
    for (double clf : ScheduledClf(24, RoomOf(RoomConstruction::kMedium), 1.0 / 3.0)) {
        EXPECT_NEAR(clf, 1.0, 1e-12);
    }
}

// Load rises while the gain is on (hours 1..N) and falls after; the switch-on hour holds only
// the remainder of yesterday, below the first hour's value.
TEST(ScheduledClf, RisesWhileOnFallsAfter) {
    for (int hoursOn : {2, 8, 16, 18}) {
        for (int a = 0; a < 4; ++a) {
            for (int b = 0; b < 4; ++b) {
                const HourlyProfile clf = ScheduledClf(hoursOn, LightsResponse(a, b), 0.0);
                EXPECT_LT(clf[0], clf[1]);
                EXPECT_GE(clf[1], kLightsA[a]);
                for (int k = 2; k <= hoursOn; ++k) EXPECT_GT(clf[k], clf[k - 1]);
                for (int k = hoursOn + 1; k < kHours; ++k) EXPECT_LT(clf[k], clf[k - 1]);
            }
        }
    }
}

// ---- Against the published fragments ----------------------------------------------------------

TEST(ClfFragments, GlassWithInteriorShadingWithinOneHundredthRms) {
    const FragmentPart glass = GlassShadingCells(ProjectFragment(kGlassShadingFragment));
    EXPECT_EQ(glass.cells.size(), 205u);  // 9 x 13 by day, 8 x 11 at night
    const Distance d = DistanceTo(GlassClfTable(true), glass.cells, true);
    EXPECT_LE(d.rms, 0.01);
    EXPECT_LE(DistanceTo(GlassClfTable(true), glass.cells).max, 0.02 + 1e-9);  // without W h20
}

TEST(ClfFragments, PeopleWithinRmsOfTheMethod) {
    const FragmentPart people = PeopleCells(ProjectFragment(kPeopleFragment));
    const Distance d = DistanceTo(InternalGainClfTable(InternalGain::kPeople), people.cells);
    EXPECT_EQ(d.cells, 143);  // 8 rows x 18 columns, less the suspect
    EXPECT_LE(d.rms, 0.012);
    EXPECT_LE(d.max, 0.035);
}

// Fixture X to the printed two decimals, fixture Y within one unit of the last.
TEST(ClfFragments, LightsFixtures) {
    const std::vector<FragmentPart> parts = LightsFixtureCells(ProjectFragment(kLightsFragment));
    ASSERT_EQ(parts.size(), 4u);
    for (const FragmentPart& part : parts) {
        const int hoursOn = kLightsHoursOn[part.fileNumber - kLightsFirstFile];
        const Distance d = DistanceTo(LightsClfTable(hoursOn), part.cells, true);
        EXPECT_EQ(d.cells, 19) << part.name;
        const bool fixtureX = part.cells.front().row == LightsFileRow(1, 2);
        EXPECT_LE(d.max, fixtureX ? 1e-9 : 0.01 + 1e-9) << part.name;
    }
}

// `thermavo-refgen fit` lands close to every fitted value of ClfConstants.h.
TEST(ClfFit, RederivesTheAdoptedValues) {
    const ClfFitReport report = FitClfParameters(kFragmentDir.string());
    const std::map<std::string, double> tolerance = {
        {"pole.glass_shading", 0.005},      {"convective.glass_shading.joint", 0.01},
        {"convective.glass_shading", 0.01}, {"pole.people", 0.01},
        {"v0.people.joint", 0.005},         {"v0.people", 0.005},
        {"pole.lights_X", 0.005},           {"pole.lights_Y", 0.01}};
    ASSERT_EQ(report.fits.size(), tolerance.size());
    for (const FittedValue& fit : report.fits) {
        ASSERT_TRUE(tolerance.count(fit.key)) << fit.key;
        EXPECT_NEAR(fit.fitted, fit.adopted, tolerance.at(fit.key)) << fit.key;
    }
    EXPECT_EQ(report.Fit("pole.people").adopted, kPoleMedium);
    EXPECT_EQ(report.Fit("pole.lights_X").adopted, kPoleHeavy);
    EXPECT_EQ(report.Fit("pole.lights_Y").adopted, kPoleLight);
    EXPECT_EQ(report.distances.size(), 6u);
}

// Fragments made by the model itself with other parameters: the fit must find those.
TEST(ClfFit, RecoversKnownParameters) {
    TempDir dir;
    std::string glass = "orientation";
    for (int h = 1; h <= kHours; ++h) glass += ",h" + std::to_string(h);
    const char* names[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW", "HOR"};
    for (int o = 0; o < kOrientations; ++o) {
        const HourlyProfile clf = GlassClf(DesignDayShgf(o), {0.82, kRadiantSameHour}, 0.55);
        glass += std::string("\n") + names[o];
        for (double v : clf) glass += "," + Cell(v);
    }
    dir.Write(kGlassShadingFragment, glass + "\n");

    std::string people = "total_hours";
    for (int h = 1; h <= kHours; ++h) people += ",h" + std::to_string(h);
    for (int n = 2; n <= 18; n += 2) {
        const HourlyProfile clf = ScheduledClf(n, {0.83, 0.30}, kConvectivePeople);
        people += "\n" + std::to_string(n);
        for (int j = 1; j <= kHours; ++j) people += "," + Cell(clf[j % kHours]);
    }
    dir.Write(kPeopleFragment, people + "\n");

    std::string lights = "hours_after_on,X10,Y16";
    const HourlyProfile x = ScheduledClf(10, {0.88, 0.55}, 0.0);
    const HourlyProfile y = ScheduledClf(16, {0.77, 0.75}, 0.0);
    for (int k = 0; k < kHours; ++k) {
        lights += "\n" + std::to_string(k) + "," + Cell(x[k]) + "," + Cell(y[k]);
    }
    dir.Write(kLightsFragment, lights + "\n");

    const ClfFitReport report = FitClfParameters(dir.Path().string());
    EXPECT_NEAR(report.Fit("pole.glass_shading").fitted, 0.82, 1e-5);
    EXPECT_NEAR(report.Fit("convective.glass_shading.joint").fitted, 0.55, 1e-5);
    EXPECT_NEAR(report.Fit("pole.people").fitted, 0.83, 1e-5);
    EXPECT_NEAR(report.Fit("v0.people.joint").fitted, 0.30, 1e-5);
    EXPECT_NEAR(report.Fit("pole.lights_X").fitted, 0.88, 1e-5);
    EXPECT_NEAR(report.Fit("pole.lights_Y").fitted, 0.77, 1e-5);
    EXPECT_LT(report.Fit("pole.people").distance.rms, 1e-6);
}

// ---- The fragment files ---------------------------------------------------------------------

TEST(Fragments, EmptyCellsAndSuspects) {
    const Fragment f = ParseFragment(
        "# a comment\n# suspect: r2,b -- reads 9\nname,a,b,c\nr1,0.5,,\nr2,0.25,9,1\r\n", "t");
    ASSERT_EQ(f.columns, (std::vector<std::string>{"a", "b", "c"}));
    ASSERT_EQ(f.cells.size(), 2u);
    EXPECT_EQ(f.cells[0][0], 0.5);
    EXPECT_FALSE(f.cells[0][1].has_value());
    EXPECT_FALSE(f.cells[0][2].has_value());
    EXPECT_EQ(f.cells[1][2], 1.0);
    EXPECT_TRUE(f.IsSuspect(1, 1));
    EXPECT_FALSE(f.IsSuspect(0, 1));
    EXPECT_THROW(ParseFragment("n,a\nr1,0.5,1\n", "t"), std::runtime_error);
    EXPECT_THROW(ParseFragment("n,a\nr1,x\n", "t"), std::runtime_error);
    EXPECT_THROW(ParseFragment("# suspect: r9,a\nn,a\nr1,1\n", "t"), std::runtime_error);
}

// The merged glass fragment: the horizontal row has no night hours, the others all 24; the
// one suspect is W at hour 20.
TEST(Fragments, MergedGlassFragment) {
    const Fragment f = ProjectFragment(kGlassShadingFragment);
    ASSERT_EQ(f.rowLabels.size(), 9u);
    for (size_t r = 0; r < 9; ++r) {
        for (int h = 1; h <= kHours; ++h) {
            const bool printed = r < 8 || (h >= 6 && h <= 18);
            EXPECT_EQ(f.cells[r][h - 1].has_value(), printed) << f.rowLabels[r] << " h" << h;
        }
    }
    ASSERT_EQ(f.suspects.size(), 1u);
    EXPECT_TRUE(f.IsSuspect(6, f.ColumnIndex("h20")));
    EXPECT_TRUE(ProjectFragment(kPeopleFragment).IsSuspect(5, 3));
}

// ---- The files ------------------------------------------------------------------------------

// Shares of a gain: none below 0, and none above 1 (the room's response to a gain is a
// weighted mean of the gains before it, with positive weights).
TEST(ClfTables, ValuesWithinZeroAndOne) {
    int files = 0;
    for (const ReferenceFile& file : ComputedFiles()) {
        if (!IsClfFile(file.number)) continue;
        ++files;
        ForEachDataCell(file, [&](int r, int c, double value) {
            EXPECT_GE(value, 0.0) << file.number << " " << r << "," << c;
            EXPECT_LE(value, 1.0) << file.number << " " << r << "," << c;
            EXPECT_EQ(value, RoundClf(value)) << file.number << " " << r << "," << c;
        });
    }
    EXPECT_EQ(files, 10);
}

TEST(ClfTables, ShapesAndCorners) {
    struct Expect {
        int number, rows, cols;
        double corner;
    };
    const Expect expected[] = {
        {1, 28, 25, 40}, {2, 10, 25, 40}, {3, 17, 24, 8},  {4, 17, 24, 10},   {5, 17, 24, 12},
        {6, 17, 24, 14}, {7, 17, 24, 16}, {35, 10, 25, 0}, {36, 10, 25, 0.4}, {37, 10, 25, 0.33}};
    const std::vector<ReferenceFile> files = ComputedFiles();
    for (const Expect& e : expected) {
        const auto file = std::find_if(files.begin(), files.end(), [&](const ReferenceFile& f) {
            return f.number == e.number;
        });
        ASSERT_NE(file, files.end()) << e.number;
        EXPECT_EQ(file->table.Rows(), e.rows) << e.number;
        EXPECT_EQ(file->table.Cols(), e.cols) << e.number;
        EXPECT_EQ(file->table.At(0, 0), e.corner) << e.number;
    }
}

// A heavier room stores more: lower peaks by day, more load at night, the same daily sum.
TEST(ClfTables, HeavierRoomsFlattenGlassLoad) {
    const Table table = GlassClfTable(false);
    for (int o = 0; o < kOrientations; ++o) {
        double peak[3] = {}, night[3] = {};
        for (int c = 0; c < 3; ++c) {
            const int row = GlassFileRow(o, static_cast<RoomConstruction>(c));
            for (int h = 1; h <= kHours; ++h) peak[c] = std::max(peak[c], table.At(row, h));
            night[c] = table.At(row, 2);
        }
        EXPECT_GT(peak[0], peak[1]) << o;
        EXPECT_GT(peak[1], peak[2]) << o;
        EXPECT_LT(night[0], night[1]) << o;
        EXPECT_LT(night[1], night[2]) << o;
    }
}

// The people row of N hours at its two ends: on entry and on leaving the load steps by the
// convective part and by at least v0 - (1 - p) of the radiant part (less rounding).
TEST(ClfTables, PeopleAndAppliancesStepWithTheConvectivePart) {
    for (InternalGain gain : {InternalGain::kHoodedAppliances, InternalGain::kUnhoodedAppliances,
                              InternalGain::kPeople}) {
        const Table table = InternalGainClfTable(gain);
        const double share = ConvectiveShare(gain);
        const double step = share + (1 - share) * (kRadiantSameHour - (1 - kPoleMedium)) - 0.01;
        for (int r = 1; r <= kOperatingRows; ++r) {
            const int n = r * kOperatingHoursStep;
            EXPECT_GE(table.At(r, 1) - table.At(r, 24), step) << r;  // 24 is the entry hour
            EXPECT_GE(table.At(r, n) - table.At(r, n + 1), step) << r;
        }
    }
}
