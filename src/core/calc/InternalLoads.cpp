// Heat gains from inside the space: lights, people, equipment and appliances. Each is an
// installed quantity times a cooling load factor that depends on how long the source has been
// on; the same value holds for every month, so the results are daily tables.
#include <memory>

#include "document/QuarnDoc.h"
#include "tables/ReferenceReader.h"

namespace {

// Btu/h to tons of refrigeration, the engine's one conversion (1 / 12000).
constexpr double kTonsPerBtuh = 8.333333333333333e-05;
// W x 3.41 Btu/h per W / 100 % / 12000.
constexpr double kLightsFactor = 2.841666666666667e-06;
// kW x 3411.528 Btu/h per kW / 100 % / 12000.
constexpr double kElecEquipFactor = 0.00284294;

constexpr int kFirstLightsFile = 3;  // 8 hours on; 10, 12, 14, 16 follow
constexpr int kLightsFiles = 5;
constexpr int kLightsAllOnChoice = 5;  // more than 16 hours: no storage effect
constexpr int kHoodedFile = 35;
constexpr int kUnhoodedAndEquipmentFile = 36;
constexpr int kPeopleFile = 37;
constexpr int kAbove18HoursChoice = 9;

// Sensible and latent gain per person at a 78 F room, and the Btu/h that each degree above 78
// moves from sensible to latent; in the order of the occupancy categories.
struct PeopleGain {
    double dSensible;
    double dLatent;
    double dShiftPerDegree;
};
constexpr PeopleGain kPeopleGains[kOccupancyCategories] = {
    {210, 140, 7.083},   // seated at rest: theater, movie
    {230, 190, 7.917},   // very light work: office, hotel, apartment
    {255, 325, 10.83},   // seated, eating: restaurant
    {255, 255, 8.75},    // light work: office, hotel, apartment
    {315, 325, 8.75},    // light work: retail store, bank
    {345, 435, 14.58},   // light bench work: factory
    {345, 695, 15.83},   // light machine work: factory
    {345, 615, 15.83},   // bowling
    {405, 875, 15.0},    // moderate dancing
    {565, 1035, 12.92},  // heavy machine work: factory
    {635, 1165, 12.92},  // heavy work, athletics: gymnasium
};

// Reads a table of factors by hours after switch-on (rows 1..9 for 2, 4, ..., 18 hours of
// operation) and copies the row of the hours choice, or all 1.0 for more than 18 hours. Returns
// false when it changed nothing: the file could not be read or the choice is not one of those.
bool ReadOperatingHoursCLF(int number, int choice, IUserMessages& messages, double (&row)[25]) {
    const std::shared_ptr<const TableData> table = ReadSharedReferenceTable(number, messages);
    if (table == nullptr) return false;
    if (choice >= 0 && choice < kAbove18HoursChoice) {
        for (int d = 0; d < 25; ++d) row[d] = table->At(choice + 1, d);
        return true;
    }
    if (choice == kAbove18HoursChoice) {
        for (double& value : row) value = 1.0;
        return true;
    }
    return false;
}

// The hours of operation counted by the latent loads: 2, 4, ..., 18, or 23 above 18 hours.
int OperatingHours(int choice) { return choice == kAbove18HoursChoice ? 23 : 2 * (choice + 1); }

// Hours from a switch-on hour to hour h, in 64 bits: the on-hours of a project are whatever
// its file held, and no int difference of them may overflow.
long long HoursSince(int h, int onHour) { return static_cast<long long>(h) - onHour; }

// Whether hour h lies within the span of hours after onHour, both ends included.
bool WithinHours(int h, int onHour, int hours) {
    return onHour <= h && h <= static_cast<long long>(onHour) + hours;
}

// Factor of a row indexed by hours after switch-on 1..24. Nothing wraps past midnight: an hour
// before the switch-on hour of the same day has no load.
double FactorAt(const double (&row)[25], long long hoursOn) {
    return hoursOn >= 1 && hoursOn <= 24 ? row[hoursOn] : 0.0;
}

}  // namespace

void CQuarnDoc::ReadLightsCLF() {
    TableData table;
    if (m_nLightHoursSel >= 0 && m_nLightHoursSel < kLightsFiles) {
        if (!ReadReferenceTable(kFirstLightsFile + m_nLightHoursSel, Messages(), table)) return;
    } else if (m_nLightHoursSel == kLightsAllOnChoice) {
        table.nRows = 17;
        table.nCols = 24;
        table.values.assign(17 * 24, 1.0);
    }

    // 'b' classifications A..D are stored as the tree codes 10..40.
    const bool bChosen = m_nBClass >= 10 && m_nBClass <= 40 && m_nBClass % 10 == 0;
    if (!bChosen) {
        Messages().ShowMessage(
            "No 'b' Classification for lights selected.\nGo back to Page 7 of Data Input "
            "Wizard.");
        return;
    }
    // An unknown hours choice or 'a' classification selects no row; the previous one stays.
    if (table.nRows != 17 || m_nAClass < 0 || m_nAClass > 3) return;
    const int row = 1 + 4 * m_nAClass + (m_nBClass / 10 - 1);
    for (int d = 0; d < 24; ++d) m_dCLFLights[d] = table.At(row, d);
}

void CQuarnDoc::AdjustPeopleGains() {
    const double d = m_dInsideDBCool - 78.0;
    for (int i = 0; i < kOccupancyCategories; ++i) {
        m_dPeopleGain[i][0] = kPeopleGains[i].dSensible - d * kPeopleGains[i].dShiftPerDegree;
        m_dPeopleGain[i][1] = kPeopleGains[i].dLatent + d * kPeopleGains[i].dShiftPerDegree;
    }
}

void CQuarnDoc::ReadPeopleCLF() {
    if (ReadOperatingHoursCLF(kPeopleFile, m_nOccupancyHoursSel, Messages(), m_dCLFPeople)) {
        m_nOccupancyHours = OperatingHours(m_nOccupancyHoursSel);
    }
}

void CQuarnDoc::ReadHoodedCLF() {
    ReadOperatingHoursCLF(kHoodedFile, m_nHoodedHoursSel, Messages(), m_dCLFHoodedAppl);
}

void CQuarnDoc::ReadUnhoodedCLF() {
    if (ReadOperatingHoursCLF(kUnhoodedAndEquipmentFile, m_nUnhoodedHoursSel, Messages(),
                              m_dCLFUnhoodedAppl)) {
        m_nUnhoodedHours = OperatingHours(m_nUnhoodedHoursSel);
    }
}

void CQuarnDoc::ReadPowerEquipCLF() {
    ReadOperatingHoursCLF(kUnhoodedAndEquipmentFile, m_nPowerEquipHoursSel, Messages(),
                          m_dCLFPowerEquip);
}

void CQuarnDoc::ReadElecEquipCLF() {
    ReadOperatingHoursCLF(kUnhoodedAndEquipmentFile, m_nElecEquipHoursSel, Messages(),
                          m_dCLFElecEquip);
}

void CQuarnDoc::CalcInternalLoads(int hour) {
    if (hour < 1 || hour > 24) return;
    const int h = hour;

    // The lights row starts at the switch-on hour itself (index 0).
    const long long lightsOn = HoursSince(h, m_nLightOnHour);
    const double lightsCLF = lightsOn >= 0 && lightsOn <= 23 ? m_dCLFLights[lightsOn] : 0.0;
    m_tblLights[h][1] = (m_dFluorWatts * m_dBallastFactor + m_dIncandWatts) *
                        m_nLightSchedule[h - 1] * lightsCLF * kLightsFactor;

    double sensible = 0.0;
    double latent = 0.0;
    for (int i = 0; i < kOccupancyCategories; ++i) {
        sensible += m_nOccupants[i] * m_dPeopleGain[i][0];
        latent += m_nOccupants[i] * m_dPeopleGain[i][1];
    }
    m_tblPeopleSens[h][1] =
        sensible * FactorAt(m_dCLFPeople, HoursSince(h, m_nOccupancyStartHour)) * kTonsPerBtuh;
    // Moisture is a load the moment people are in; it has no storage lag.
    const bool occupied = WithinHours(h, m_nOccupancyStartHour, m_nOccupancyHours);
    m_tblPeopleLat[h][1] = occupied ? latent * kTonsPerBtuh : 0.0;

    m_tblElecEquip[h][1] = m_nElecEquipUseFactor * m_dElecEquipKW *
                           FactorAt(m_dCLFElecEquip, HoursSince(h, m_nElecEquipOnHour)) *
                           kElecEquipFactor;

    // A motor efficiency of 0 means the motors were not described: no load rather than a
    // division by zero.
    if (m_nMotorInDrivenInEff == 0 || m_nMotorInDrivenOutEff == 0) {
        m_tblPowerEquip[h][1] = 0.0;
    } else {
        const double motorInDrivenIn = m_dMotorInDrivenInKW * 3411.528 / m_nMotorInDrivenInEff *
                                       m_nMotorInDrivenInUse * m_nMotorInDrivenInLoad * 0.01;
        const double motorOutDrivenIn =
            // The product of the two factors in double: exact, and it cannot overflow.
            static_cast<double>(m_nMotorOutDrivenInUse) * m_nMotorOutDrivenInLoad *
            m_dMotorOutDrivenInKW * 0.3411528;
        const double motorInDrivenOut = (100.0 - m_nMotorInDrivenOutEff) * m_dMotorInDrivenOutKW *
                                        3411.528 / m_nMotorInDrivenOutEff * m_nMotorInDrivenOutUse *
                                        m_nMotorInDrivenOutLoad * 0.0001;
        m_tblPowerEquip[h][1] = FactorAt(m_dCLFPowerEquip, HoursSince(h, m_nPowerEquipOnHour)) *
                                (motorInDrivenIn + motorOutDrivenIn + motorInDrivenOut) *
                                kTonsPerBtuh;
    }

    // Hoods carry off the appliances' moisture and most of their heat.
    m_tblHoodedAppl[h][1] = FactorAt(m_dCLFHoodedAppl, HoursSince(h, m_nHoodedOnHour)) *
                            (m_dHoodedGasBtuh * 0.1 + m_dHoodedElecBtuh * 0.16) * kTonsPerBtuh;

    const double unhoodedInput = m_dUnhoodedElecBtuh + m_dUnhoodedGasBtuh;
    m_tblUnhoodedApplSens[h][1] = unhoodedInput *
                                  FactorAt(m_dCLFUnhoodedAppl, HoursSince(h, m_nUnhoodedOnHour)) *
                                  0.33 * kTonsPerBtuh;
    const bool unhoodedOn = WithinHours(h, m_nUnhoodedOnHour, m_nUnhoodedHours);
    m_tblUnhoodedApplLat[h][1] = unhoodedOn ? unhoodedInput * 0.17 * kTonsPerBtuh : 0.0;
}
