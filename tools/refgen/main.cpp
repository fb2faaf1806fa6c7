// thermavo-refgen: computes the reference tables and writes them as CSV sources.
#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>

#include "ClfFit.h"
#include "Cltd.h"
#include "Constants.h"
#include "ShadingFit.h"
#include "Steam.h"
#include "Tables.h"

namespace {

const char* const kUsage =
    "usage: thermavo-refgen COMMAND ...\n"
    "  all OUT_DIR                 write every computed qlexNN.csv\n"
    "  steam SOURCE_CSV OUT_DIR    write qlex75.csv from steam_table_IP.csv\n"
    "  fit-check                   roof No 1 against the calibration target, roof U-values\n"
    "  fit FRAGMENT_DIR            re-derive the fitted parameters from the published fragments\n"
    "                              (data/reference/fragments) and the tables' distance to them\n";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void PrintRoofRow(const char* name, const refgen::HourlyProfile& cltd) {
    int peakHour = 1;
    for (int h = 1; h <= refgen::kHours; ++h) {
        if (cltd[h - 1] > cltd[peakHour - 1]) peakHour = h;
    }
    std::printf("%s: peak %.2f F at hour %d\n  ", name, cltd[peakHour - 1], peakHour);
    for (double value : cltd) std::printf(" %.1f", value);
    std::printf("\n");
}

int FitCheck() {
    using namespace refgen;
    std::printf("Roof No 1, 40 N July 21, dark (target without ceiling: peak 79-80 F at 14)\n");
    PrintRoofRow("without ceiling", ExactCltd(PeriodicConduction(Roof(1, false)), kHorizontal));
    PrintRoofRow("with ceiling", ExactCltd(PeriodicConduction(Roof(1, true)), kHorizontal));
    std::printf("\nRoof U-values, Btu/(h ft2 F), without ceiling\n");
    std::printf("  No  computed  listed  difference\n");
    for (int n = 1; n <= static_cast<int>(kRoofListedU.size()); ++n) {
        const double u = Roof(n, false).UIp();
        const double listed = kRoofListedU[static_cast<size_t>(n - 1)];
        std::printf("  %2d  %8.4f  %6.3f  %+10.4f\n", n, u, listed, u - listed);
    }
    return 0;
}

// Each table family's fit, one after the other, from the fragments in fragmentDir.
int Fit(const std::string& fragmentDir) {
    std::fputs(refgen::FormatClfFitReport(refgen::FitClfParameters(fragmentDir)).c_str(), stdout);
    std::fputs("\n", stdout);
    return refgen::PrintShadingFit(fragmentDir);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "all" && argc == 3) {
            refgen::WriteFiles(refgen::ComputedFiles(), argv[2]);
            return 0;
        }
        if (command == "steam" && argc == 4) {
            refgen::WriteFiles({{75, refgen::SteamTable(ReadFile(argv[2]))}}, argv[3]);
            return 0;
        }
        if (command == "fit-check" && argc == 2) return FitCheck();
        if (command == "fit" && argc == 3) return Fit(argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "thermavo-refgen: %s\n", error.what());
        return 1;
    }
    std::fputs(kUsage, stderr);
    return 2;
}
