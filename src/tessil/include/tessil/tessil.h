#pragma once

#include "tessil/TreeCtrl.h"

#if defined(_WIN32)
#define TESSIL_API __declspec(dllexport)
#else
#define TESSIL_API __attribute__((visibility("default")))
#endif

// Fills the tree with the weather stations: the root "Weather Station", the countries, the
// states of the United States and the provinces of Canada, and the stations, each carrying its
// station index as item data (countries, states and the root carry 0). The control is cleared
// first; nothing is expanded or selected.
extern "C" TESSIL_API void PopulateCityTree(CTreeCtrl* pTree);
