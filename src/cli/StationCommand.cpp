#include "StationCommand.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>

#include "lumora/lumora.h"
#include "tessil/tessil.h"
#include "tree/MemoryTreeCtrl.h"
#include "tree/StationList.h"

namespace {
std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}
}  // namespace

int ListStationsMatching(const char* text) {
    CMemoryTreeCtrl tree;
    PopulateCityTree(&tree);
    std::vector<StationEntry> stations = ListStations(tree);
    std::sort(stations.begin(), stations.end(),
              [](const StationEntry& a, const StationEntry& b) { return a.nIndex < b.nIndex; });
    const std::string wanted = Lower(text);
    int shown = 0;
    for (const StationEntry& s : stations) {
        if (Lower(s.strName).find(wanted) == std::string::npos) continue;
        std::printf("%4d\t%s\t%s\t%s\n", s.nIndex, s.strCountry.c_str(), s.strState.c_str(),
                    s.strName.c_str());
        ++shown;
    }
    if (shown == 0) {
        std::fprintf(stderr, "No station name contains \"%s\".\n", text);
        return 1;
    }
    return 0;
}

int PrintStationClimate(int index) {
    // NaN marks what the library did not write.
    double v[12];
    std::fill(std::begin(v), std::end(v), std::nan(""));
    SetCityVars(&index, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9],
                &v[10], &v[11]);
    if (std::isnan(v[0])) {
        std::fprintf(stderr, "Station index %d has no climate record.\n", index);
        return 1;
    }
    static const char* const labels[12] = {"Latitude (deg, north positive)",
                                           "Longitude (deg, west positive)",
                                           "Elevation (ft)",
                                           "Heating dry-bulb 99.6% (F)",
                                           "Heating dry-bulb 99% (F)",
                                           "Cooling dry-bulb 0.4% (F)",
                                           "Coincident wet-bulb 0.4% (F)",
                                           "Cooling dry-bulb 1% (F)",
                                           "Coincident wet-bulb 1% (F)",
                                           "Cooling dry-bulb 2% (F)",
                                           "Coincident wet-bulb 2% (F)",
                                           "Daily range (F)"};
    CMemoryTreeCtrl tree;
    PopulateCityTree(&tree);
    for (const StationEntry& s : ListStations(tree)) {
        if (s.nIndex != index) continue;
        std::printf("Station %d: %s (%s%s%s)\n", index, s.strName.c_str(), s.strCountry.c_str(),
                    s.strState.empty() ? "" : ", ", s.strState.c_str());
    }
    for (int i = 0; i < 12; ++i) std::printf("%-32s %g\n", labels[i], v[i]);
    return 0;
}
