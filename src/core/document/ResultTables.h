#pragma once

#include <optional>
#include <vector>

#include "document/QuarnDocData.h"

// The cooling-load result tables by name, and the 22 load items the totals and reports read
// from them, so that views, totals and reports reach a table through one accessor.

// A result table; the ones by orientation take an orientation 0..7 (N..NW).
enum class ResultTable {
    kNone,
    kTotal,
    kWallAll,
    kWall,
    kRoof,
    kFloorCeilPart,
    kGlassSolarAll,
    kGlassSolar,
    kGlassCondAll,
    kGlassCond,
    kSkylight,
    kGlassBlockAll,
    kGlassBlock,
    kLights,  // the eight daily tables from here
    kPeopleSens,
    kPeopleLat,
    kElecEquip,
    kPowerEquip,
    kHoodedAppl,
    kUnhoodedApplSens,
    kUnhoodedApplLat,
    kInfilSens,  // hourly again
    kInfilLat,
    kVentSens,
    kVentLat,
    kGlassSunlitArea,
    kRoomSensible,
    kRoomLatent,
    kRoomTotal,
};

// A result table as stored: 25 rows (hour 0..24) of 13 columns (month 0..12), or of 2 columns
// for the daily internal loads (column 0 the hour, column 1 the value of every month).
struct ResultTableCells {
    const double* pCells = nullptr;  // row-major; null for no table
    int nColumns = 0;
    double At(int row, int column) const { return pCells[row * nColumns + column]; }
    bool IsDaily() const { return nColumns == 2; }
};

// The cells of a table in a document; no cells for kNone. orientation is read only by the
// tables by orientation and must then be 0..7.
ResultTableCells ResultTableOf(const CQuarnDocData& doc, ResultTable table, int orientation = -1);

// The load items of the peak summary and the command-line summary, numbered 1..22 as the
// reports and GetLoadComponent know them.
enum class LoadItem {
    kTotal = 1,  // grand total on the coils
    kWalls,
    kRoof,
    kFloorCeilPart,
    kGlassSolar,
    kGlassCond,
    kSkylights,
    kGlassBlocks,
    kLights,
    kPeopleSens,
    kPeopleLat,
    kElecEquip,
    kPowerEquip,
    kAppliancesSens,  // hooded plus unhooded sensible
    kAppliancesLat,
    kInfilSens,
    kInfilLat,
    kVentSens,
    kVentLat,
    kRoomSensible,
    kRoomLatent,
    kRoomTotal,
};
inline constexpr int kLoadItemCount = 22;

// An item is one table, or the sum of two (second kNone when there is only one). Every table
// here is a whole-building one: no orientation.
struct LoadItemBinding {
    LoadItem item;
    ResultTable first;
    ResultTable second = ResultTable::kNone;
};

// Every item in number order.
const std::vector<LoadItemBinding>& LoadItemBindings();

// The item of a number 1..22; none for any other number.
std::optional<LoadItem> LoadItemOfNumber(int number);

// An item's stored value at a cell (hour and month 0..24 and 0..12), tons; daily tables give
// their one value column whatever the month.
double LoadItemTons(const CQuarnDocData& doc, int hour, int month, LoadItem item);
