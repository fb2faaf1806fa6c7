#pragma once

#include <string>
#include <vector>

#include "tessil/TreeCtrl.h"

// A station as the station tree shows it: its index (the item data), its country, its state or
// province (empty outside the United States and Canada) and its name.
struct StationEntry {
    int nIndex = 0;
    std::string strCountry;
    std::string strState;
    std::string strName;
};

// Every station item of a filled station tree, in tree order.
std::vector<StationEntry> ListStations(const CTreeCtrl& tree);
