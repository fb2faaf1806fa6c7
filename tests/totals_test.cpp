#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "document/QuarnDoc.h"
#include "support/TestSupport.h"

namespace {

constexpr int kHour = 14;
constexpr int kMonth = 7;  // a month column that daily tables do not have

struct Cell {
    const char* name;
    std::function<double&(CQuarnDocData&)> at;
};

Cell Hourly(const char* name, HourlyTable CQuarnDocData::*table) {
    return {name, [table](CQuarnDocData& d) -> double& { return (d.*table)[kHour][kMonth]; }};
}
Cell Daily(const char* name, DailyTable CQuarnDocData::*table) {
    return {name, [table](CQuarnDocData& d) -> double& { return (d.*table)[kHour][1]; }};
}

const std::vector<Cell>& SensibleComponents() {
    static const std::vector<Cell> cells = {
        Hourly("glass solar", &CQuarnDocData::m_tblGlassSolarAll),
        Hourly("skylights", &CQuarnDocData::m_tblSkylight),
        Daily("electronic equipment", &CQuarnDocData::m_tblElecEquip),
        Daily("power equipment", &CQuarnDocData::m_tblPowerEquip),
        Daily("hooded appliances", &CQuarnDocData::m_tblHoodedAppl),
        Hourly("infiltration", &CQuarnDocData::m_tblInfilSens),
        Hourly("walls", &CQuarnDocData::m_tblWallAll),
        Hourly("roof", &CQuarnDocData::m_tblRoof),
        Hourly("glass blocks", &CQuarnDocData::m_tblGlassBlockAll),
        Hourly("floor, ceiling, partitions", &CQuarnDocData::m_tblFloorCeilPart),
        Daily("lights", &CQuarnDocData::m_tblLights),
        Hourly("glass conduction", &CQuarnDocData::m_tblGlassCondAll),
        Daily("people", &CQuarnDocData::m_tblPeopleSens),
        Daily("unhooded appliances", &CQuarnDocData::m_tblUnhoodedApplSens),
    };
    return cells;
}

const std::vector<Cell>& LatentComponents() {
    static const std::vector<Cell> cells = {
        Hourly("infiltration", &CQuarnDocData::m_tblInfilLat),
        Daily("people", &CQuarnDocData::m_tblPeopleLat),
        Daily("unhooded appliances", &CQuarnDocData::m_tblUnhoodedApplLat),
    };
    return cells;
}

struct TotalsTest : ::testing::Test {
    CRecordingMessages messages;
    CQuarnDoc doc{messages};

    void Totals() {
        doc.CalcRoomTotals(kHour, kMonth);
        doc.CalcGrandTotal(kHour, kMonth);
    }
    double Sensible() const { return doc.m_tblRoomSensible[kHour][kMonth]; }
    double Latent() const { return doc.m_tblRoomLatent[kHour][kMonth]; }
    double Room() const { return doc.m_tblRoomTotal[kHour][kMonth]; }
    double Grand() const { return doc.m_tblTotal[kHour][kMonth]; }
};

}  // namespace

TEST_F(TotalsTest, EachComponentEntersItsRoomTotalOnce) {
    for (const Cell& c : SensibleComponents()) {
        doc = CQuarnDoc(messages);
        c.at(doc) = 0.25;
        Totals();
        EXPECT_EQ(Sensible(), 0.25) << c.name;
        EXPECT_EQ(Latent(), 0.0) << c.name;
        EXPECT_EQ(Room(), 0.25) << c.name;
        EXPECT_EQ(Grand(), 0.25) << c.name;
    }
    for (const Cell& c : LatentComponents()) {
        doc = CQuarnDoc(messages);
        c.at(doc) = -0.125;  // drier outdoor air: negative, not clamped
        Totals();
        EXPECT_EQ(Sensible(), 0.0) << c.name;
        EXPECT_EQ(Latent(), -0.125) << c.name;
        EXPECT_EQ(Room(), -0.125) << c.name;
        EXPECT_EQ(Grand(), -0.125) << c.name;
    }
}

TEST_F(TotalsTest, VentilationEntersOnlyTheGrandTotalAndOrientationsOnlyThroughTheirSums) {
    doc.m_tblVentSens[kHour][kMonth] = 0.5;
    doc.m_tblVentLat[kHour][kMonth] = 0.25;
    doc.m_tblWall[kSouth][kHour][kMonth] = 8;
    doc.m_tblGlassSolar[kEast][kHour][kMonth] = 8;
    doc.m_tblGlassCond[kWest][kHour][kMonth] = 8;
    doc.m_tblGlassBlock[kNorth][kHour][kMonth] = 8;
    doc.m_tblRoof[kHour][kMonth + 1] = 8;  // another month
    doc.m_tblLights[kHour + 1][1] = 8;     // another hour
    Totals();
    EXPECT_EQ(Sensible(), 0.0);
    EXPECT_EQ(Latent(), 0.0);
    EXPECT_EQ(Room(), 0.0);
    EXPECT_EQ(Grand(), 0.75);

    doc.m_tblRoof[kHour][kMonth] = 1;
    doc.m_tblPeopleLat[kHour][1] = 2;
    Totals();
    EXPECT_EQ(Room(), 3.0);
    EXPECT_EQ(Grand(), 3.75);
}

TEST_F(TotalsTest, LoadComponentsInOutputUnits) {
    // Each item's table holds the item number / 64 (exact in binary).
    const std::vector<std::pair<int, Cell>> items = {
        {1, Hourly("grand total", &CQuarnDocData::m_tblTotal)},
        {2, Hourly("walls", &CQuarnDocData::m_tblWallAll)},
        {3, Hourly("roof", &CQuarnDocData::m_tblRoof)},
        {4, Hourly("floor, ceiling, partitions", &CQuarnDocData::m_tblFloorCeilPart)},
        {5, Hourly("glass solar", &CQuarnDocData::m_tblGlassSolarAll)},
        {6, Hourly("glass conduction", &CQuarnDocData::m_tblGlassCondAll)},
        {7, Hourly("skylights", &CQuarnDocData::m_tblSkylight)},
        {8, Hourly("glass blocks", &CQuarnDocData::m_tblGlassBlockAll)},
        {9, Daily("lights", &CQuarnDocData::m_tblLights)},
        {10, Daily("people sensible", &CQuarnDocData::m_tblPeopleSens)},
        {11, Daily("people latent", &CQuarnDocData::m_tblPeopleLat)},
        {12, Daily("electronic equipment", &CQuarnDocData::m_tblElecEquip)},
        {13, Daily("power equipment", &CQuarnDocData::m_tblPowerEquip)},
        {14, Daily("unhooded sensible", &CQuarnDocData::m_tblUnhoodedApplSens)},
        {15, Daily("unhooded latent", &CQuarnDocData::m_tblUnhoodedApplLat)},
        {16, Hourly("infiltration sensible", &CQuarnDocData::m_tblInfilSens)},
        {17, Hourly("infiltration latent", &CQuarnDocData::m_tblInfilLat)},
        {18, Hourly("ventilation sensible", &CQuarnDocData::m_tblVentSens)},
        {19, Hourly("ventilation latent", &CQuarnDocData::m_tblVentLat)},
        {20, Hourly("room sensible", &CQuarnDocData::m_tblRoomSensible)},
        {21, Hourly("room latent", &CQuarnDocData::m_tblRoomLatent)},
        {22, Hourly("room total", &CQuarnDocData::m_tblRoomTotal)},
    };
    for (const auto& [item, cell] : items) cell.at(doc) = item / 64.0;
    doc.m_tblHoodedAppl[kHour][1] = 1.0;  // item 14 adds the hooded appliances

    for (const auto& [item, cell] : items) {
        const double tons = item == 14 ? 1.0 + 14 / 64.0 : item / 64.0;
        doc.m_nOutputUnits = 0;
        EXPECT_EQ(doc.GetLoadComponent(kHour, kMonth, item), tons) << cell.name;
        doc.m_nOutputUnits = 1;
        EXPECT_DOUBLE_EQ(doc.GetLoadComponent(kHour, kMonth, item), tons * 3.52) << cell.name;
        doc.m_nOutputUnits = 2;
        EXPECT_EQ(doc.GetLoadComponent(kHour, kMonth, item), 0.0) << cell.name;
    }
    doc.m_nOutputUnits = 0;
    EXPECT_EQ(doc.GetLoadComponent(kHour, kMonth, 0), 0.0);
    EXPECT_EQ(doc.GetLoadComponent(kHour, kMonth, 23), 0.0);
    doc.m_nOutputUnits = -1;
    EXPECT_EQ(doc.GetLoadComponent(kHour, kMonth, 1), 0.0);
}

TEST_F(TotalsTest, VentilationAirFlowInOutputUnits) {
    doc.m_dVentCFM = 423.72;
    EXPECT_EQ(doc.GetVentilationAirFlow(), 423.72);
    doc.m_nOutputUnits = 1;
    EXPECT_DOUBLE_EQ(doc.GetVentilationAirFlow(), 200.0);  // L/s at 2.1186 CFM each
    doc.m_nOutputUnits = 3;
    EXPECT_EQ(doc.GetVentilationAirFlow(), 0.0);
}
