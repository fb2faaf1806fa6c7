#include <cstddef>

#include "tessil/tessil.h"

namespace {

struct TreeRegion {
    int nCountry;  // index into kCountries
    const char* pszName;
};

struct TreeStation {
    int nCountry;  // index into kCountries
    int nRegion;   // index into kRegions, or -1 for a station directly under its country
    int nIndex;    // station index of the climate library
    const char* pszName;
};

const char* const kCountries[] = {
#include "TreeCountries.inc"
};

const TreeRegion kRegions[] = {
#include "TreeRegions.inc"
};

const TreeStation kStations[] = {
#include "TreeStations.inc"
};

constexpr size_t kCountryCount = sizeof kCountries / sizeof kCountries[0];
constexpr size_t kRegionCount = sizeof kRegions / sizeof kRegions[0];

}  // namespace

extern "C" void PopulateCityTree(CTreeCtrl* pTree) {
    pTree->DeleteAllItems();
    const HTREEITEM root = pTree->InsertItem("Weather Station", TVI_ROOT, TVI_LAST);

    HTREEITEM countries[kCountryCount];
    for (size_t i = 0; i < kCountryCount; ++i) {
        countries[i] = pTree->InsertItem(kCountries[i], root, TVI_SORT);
    }
    HTREEITEM regions[kRegionCount];
    for (size_t i = 0; i < kRegionCount; ++i) {
        regions[i] =
            pTree->InsertItem(kRegions[i].pszName, countries[kRegions[i].nCountry], TVI_SORT);
    }
    for (const TreeStation& station : kStations) {
        const HTREEITEM parent =
            station.nRegion >= 0 ? regions[station.nRegion] : countries[station.nCountry];
        const HTREEITEM item = pTree->InsertItem(station.pszName, parent, TVI_SORT);
        pTree->SetItemData(item, station.nIndex);
    }
}
