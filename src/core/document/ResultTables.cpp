#include "document/ResultTables.h"

ResultTableCells ResultTableOf(const CQuarnDocData& d, ResultTable table, int o) {
    auto hourly = [](const HourlyTable& t) { return ResultTableCells{&t[0][0], 13}; };
    auto daily = [](const DailyTable& t) { return ResultTableCells{&t[0][0], 2}; };
    switch (table) {
        case ResultTable::kNone:
            break;
        case ResultTable::kTotal:
            return hourly(d.m_tblTotal);
        case ResultTable::kWallAll:
            return hourly(d.m_tblWallAll);
        case ResultTable::kWall:
            return hourly(d.m_tblWall[o]);
        case ResultTable::kRoof:
            return hourly(d.m_tblRoof);
        case ResultTable::kFloorCeilPart:
            return hourly(d.m_tblFloorCeilPart);
        case ResultTable::kGlassSolarAll:
            return hourly(d.m_tblGlassSolarAll);
        case ResultTable::kGlassSolar:
            return hourly(d.m_tblGlassSolar[o]);
        case ResultTable::kGlassCondAll:
            return hourly(d.m_tblGlassCondAll);
        case ResultTable::kGlassCond:
            return hourly(d.m_tblGlassCond[o]);
        case ResultTable::kSkylight:
            return hourly(d.m_tblSkylight);
        case ResultTable::kGlassBlockAll:
            return hourly(d.m_tblGlassBlockAll);
        case ResultTable::kGlassBlock:
            return hourly(d.m_tblGlassBlock[o]);
        case ResultTable::kLights:
            return daily(d.m_tblLights);
        case ResultTable::kPeopleSens:
            return daily(d.m_tblPeopleSens);
        case ResultTable::kPeopleLat:
            return daily(d.m_tblPeopleLat);
        case ResultTable::kElecEquip:
            return daily(d.m_tblElecEquip);
        case ResultTable::kPowerEquip:
            return daily(d.m_tblPowerEquip);
        case ResultTable::kHoodedAppl:
            return daily(d.m_tblHoodedAppl);
        case ResultTable::kUnhoodedApplSens:
            return daily(d.m_tblUnhoodedApplSens);
        case ResultTable::kUnhoodedApplLat:
            return daily(d.m_tblUnhoodedApplLat);
        case ResultTable::kInfilSens:
            return hourly(d.m_tblInfilSens);
        case ResultTable::kInfilLat:
            return hourly(d.m_tblInfilLat);
        case ResultTable::kVentSens:
            return hourly(d.m_tblVentSens);
        case ResultTable::kVentLat:
            return hourly(d.m_tblVentLat);
        case ResultTable::kGlassSunlitArea:
            return hourly(d.m_tblGlassSunlitArea[o]);
        case ResultTable::kRoomSensible:
            return hourly(d.m_tblRoomSensible);
        case ResultTable::kRoomLatent:
            return hourly(d.m_tblRoomLatent);
        case ResultTable::kRoomTotal:
            return hourly(d.m_tblRoomTotal);
    }
    return {};
}

const std::vector<LoadItemBinding>& LoadItemBindings() {
    using T = ResultTable;
    static const std::vector<LoadItemBinding> bindings{
        {LoadItem::kTotal, T::kTotal},
        {LoadItem::kWalls, T::kWallAll},
        {LoadItem::kRoof, T::kRoof},
        {LoadItem::kFloorCeilPart, T::kFloorCeilPart},
        {LoadItem::kGlassSolar, T::kGlassSolarAll},
        {LoadItem::kGlassCond, T::kGlassCondAll},
        {LoadItem::kSkylights, T::kSkylight},
        {LoadItem::kGlassBlocks, T::kGlassBlockAll},
        {LoadItem::kLights, T::kLights},
        {LoadItem::kPeopleSens, T::kPeopleSens},
        {LoadItem::kPeopleLat, T::kPeopleLat},
        {LoadItem::kElecEquip, T::kElecEquip},
        {LoadItem::kPowerEquip, T::kPowerEquip},
        // Hooded appliances have no latent part; the reports show them with the unhooded ones.
        {LoadItem::kAppliancesSens, T::kHoodedAppl, T::kUnhoodedApplSens},
        {LoadItem::kAppliancesLat, T::kUnhoodedApplLat},
        {LoadItem::kInfilSens, T::kInfilSens},
        {LoadItem::kInfilLat, T::kInfilLat},
        {LoadItem::kVentSens, T::kVentSens},
        {LoadItem::kVentLat, T::kVentLat},
        {LoadItem::kRoomSensible, T::kRoomSensible},
        {LoadItem::kRoomLatent, T::kRoomLatent},
        {LoadItem::kRoomTotal, T::kRoomTotal},
    };
    return bindings;
}

std::optional<LoadItem> LoadItemOfNumber(int number) {
    if (number < 1 || number > kLoadItemCount) return std::nullopt;
    return static_cast<LoadItem>(number);
}

namespace {
// The daily tables hold the same value for every month, in column 1.
double CellOf(const ResultTableCells& cells, int hour, int month) {
    return cells.At(hour, cells.IsDaily() ? 1 : month);
}
}  // namespace

double LoadItemTons(const CQuarnDocData& d, int hour, int month, LoadItem item) {
    const LoadItemBinding& b = LoadItemBindings()[static_cast<int>(item) - 1];
    // A single table's value is returned as stored (no 0 + x, which would turn -0 into +0).
    double tons = CellOf(ResultTableOf(d, b.first), hour, month);
    if (b.second != ResultTable::kNone) tons += CellOf(ResultTableOf(d, b.second), hour, month);
    return tons;
}
