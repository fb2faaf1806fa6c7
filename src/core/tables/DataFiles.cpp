#include "tables/DataFiles.h"

#include <filesystem>

#include "text/Format.h"

namespace {

std::vector<DataFileShape> BuildList() {
    std::vector<DataFileShape> files;
    auto add = [&](int first, int last, int rows, int cols, const char* what) {
        for (int n = first; n <= last; ++n) files.push_back({n, rows, cols, what});
    };
    add(1, 1, 28, 25, "CLF for glass without interior shading (light/medium/heavy rooms)");
    add(2, 2, 10, 25, "CLF for glass with interior shading");
    add(3, 7, 17, 24, "CLF for lights, on 8/10/12/14/16 hours a day");
    add(8, 24, 13, 10, "latitude-month correction LM (0; 8..64 N; 8..64 S)");
    add(26, 32, 9, 25, "CLTD of sunlit walls, construction groups A..G");
    add(33, 34, 14, 25, "CLTD of flat roofs without / with suspended ceiling");
    add(35, 35, 10, 25, "CLF for hooded appliances");
    add(36, 36, 10, 25, "CLF for unhooded appliances and equipment");
    add(37, 37, 10, 25, "CLF for people");
    add(38, 38, 28, 29, "shading coefficients, glass type by interior shading");
    add(39, 40, 13, 10, "SHGF for shaded glass (north / south band)");
    add(41, 73, 13, 10, "SHGF for sunlit glass (0; 4..64 N; 4..64 S)");
    add(75, 75, 197, 8, "steam table, properties of water at saturation");
    return files;
}

}  // namespace

const std::vector<DataFileShape>& AllDataFiles() {
    static const std::vector<DataFileShape> files = BuildList();
    return files;
}

const DataFileShape* FindDataFile(int number) {
    for (const DataFileShape& shape : AllDataFiles()) {
        if (shape.nNumber == number) return &shape;
    }
    return nullptr;
}

std::string DataFileName(int number) { return StrFormat("qlex%02d.dat", number); }
std::string DataSourceName(int number) { return StrFormat("qlex%02d.csv", number); }

int DataFileNumber(const std::string& fileName) {
    const std::string name = std::filesystem::path(fileName).filename().string();
    if (name.size() != 10 || name.compare(0, 4, "qlex") != 0) return -1;
    if (name.compare(6, 4, ".dat") != 0 && name.compare(6, 4, ".csv") != 0) return -1;
    const char a = name[4], b = name[5];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}
