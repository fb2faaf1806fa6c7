#include "document/ProjectFile.h"

#include <memory>
#include <optional>
#include <type_traits>

#include "archive/Archive.h"
#include "archive/AtomicFile.h"
#include "document/Options.h"
#include "document/ProjectChecks.h"
#include "text/Format.h"

namespace {

// The class tag in front of every window record carries no information; readers skip it.
constexpr int32_t kWindowRecordTag = 0x6F646E57;
constexpr size_t kWindowRecordSize = 72;
// Far above any real project (about 190 KB plus 72 bytes a window); guards memory only.
constexpr size_t kMaxProjectFileSize = 256u << 20;

struct Storing {
    CArchiveWriter& ar;
    void operator()(const int& v) { ar.WriteInt(v); }
    void operator()(const double& v) { ar.WriteDouble(v); }
    void operator()(const std::string& v) { ar.WriteString(v); }
};

struct Loading {
    CArchiveReader& ar;
    void operator()(int& v) { v = ar.ReadInt(); }
    void operator()(double& v) { v = ar.ReadDouble(); }
    void operator()(std::string& v) { v = ar.ReadString(); }
};

// Arrays are written element by element, row by row.
template <class Io, class T>
void Each(Io& io, T& value) {
    if constexpr (std::is_array_v<T>) {
        for (auto& element : value) Each(io, element);
    } else {
        io(value);
    }
}

template <class Io, class... T>
void Row(Io& io, T&... values) {
    (Each(io, values), ...);
}

// Tables of one shape walked together: for each element, the element of every table in turn.
template <class Io, class Table>
void Interleaved(Io& io, const std::vector<Table*>& tables) {
    for (size_t r = 0; r < std::extent_v<Table, 0>; ++r) {
        for (size_t c = 0; c < std::extent_v<Table, 1>; ++c) {
            for (Table* table : tables) io((*table)[r][c]);
        }
    }
}

// The "All" table with the eight tables of its orientation family, in the given order.
template <class Table>
std::vector<Table*> WithFamily(Table* before, Table (&family)[kOrientations], Table* after) {
    std::vector<Table*> tables;
    if (before != nullptr) tables.push_back(before);
    for (Table& t : family) tables.push_back(&t);
    if (after != nullptr) tables.push_back(after);
    return tables;
}

// Rows 3 to 81 of the file, after the window lists and the version. D is CQuarnDocData when
// loading and const CQuarnDocData when storing, so one function describes both directions.
template <class Io, class D>
void TransferRows(Io& io, D& d, int version) {
    using Hourly = std::remove_reference_t<decltype((d.m_tblTotal))>;
    using Daily = std::remove_reference_t<decltype((d.m_tblLights))>;

    Row(io, d.m_nCityIndex);
    Row(io, d.m_strCityName, d.m_strCityRegion, d.m_strProjectName, d.m_strProjectDesigner,
        d.m_strProjectAddress, d.m_strProjectDate);
    Row(io, d.m_dLatitude, d.m_dLongitude, d.m_dElevation, d.m_dHeatDB996, d.m_dHeatDB99,
        d.m_dCoolDB04, d.m_dCoolWB04, d.m_dCoolDB1, d.m_dCoolWB1, d.m_dCoolDB2, d.m_dCoolWB2,
        d.m_dDailyRange);
    Row(io, d.m_nCoolDesignLevel, d.m_nHeatDesignLevel);
    Row(io, d.m_dOutsideDBCool, d.m_dOutsideWBCool, d.m_dOutsideDBHeat);
    for (int i = 0; i < 13; ++i) Row(io, d.m_dMonthWB[i], d.m_dMonthDB[i]);
    Row(io, d.m_dInsideDBCool, d.m_dInsideRH, d.m_dInsideDBHeat);
    Row(io, d.m_nRoofType);  // 10
    Row(io, d.m_dCLTDRoof);
    Row(io, d.m_nSuspendedCeiling, d.m_nRoofColor, d.m_nAtticFan, d.m_nWallColor);
    Row(io, d.m_dRoofK, d.m_dRoofF, d.m_dWallK);
    Row(io, d.m_nWallGroup);
    Row(io, d.m_strWallGroup1, d.m_strWallGroup2);  // 15
    Row(io, d.m_dCLTDWall);
    Row(io, d.m_dLM);
    Row(io, d.m_dCLTDGlass);
    Row(io, d.m_tblCLTDGlassCorr);
    Row(io, d.m_nLightOnHour, d.m_nLightHoursSel, d.m_nAClass, d.m_nBClass);  // 20
    Row(io, d.m_strBClass1, d.m_strBClass2, d.m_strBClass3);
    Row(io, d.m_dCLFLights);
    Row(io, d.m_nLightSchedule);
    Row(io, d.m_dFluorWatts, d.m_dIncandWatts, d.m_dBallastFactor);
    Row(io, d.m_nInputUnits, d.m_nOutputUnits);  // 25
    if (version == kProjectFileVersion) Row(io, d.m_nDisplaySize, d.m_nFontSize);
    Row(io, d.m_dPeopleGain);
    Row(io, d.m_nOccupancyStartHour, d.m_nOccupancyHoursSel, d.m_nOccupancyHours);
    Row(io, d.m_nOccupants);
    Row(io, d.m_dVentPerOccupant, d.m_dVentCFM);
    Row(io, d.m_dCLFPeople);  // 30
    Row(io, d.m_nHoodedOnHour, d.m_nHoodedHoursSel);
    Row(io, d.m_dHoodedElecBtuh, d.m_dHoodedGasBtuh);
    Row(io, d.m_nUnhoodedOnHour, d.m_nUnhoodedHoursSel);
    Row(io, d.m_dUnhoodedElecBtuh, d.m_dUnhoodedGasBtuh);
    Row(io, d.m_nUnhoodedHours);  // 35
    Row(io, d.m_dCLFHoodedAppl, d.m_dCLFUnhoodedAppl);
    Row(io, d.m_nPowerEquipOnHour, d.m_nPowerEquipHoursSel);
    Row(io, d.m_dMotorInDrivenInKW);
    Row(io, d.m_nMotorInDrivenInEff, d.m_nMotorInDrivenInLoad, d.m_nMotorInDrivenInUse);
    Row(io, d.m_dMotorOutDrivenInKW);  // 40
    Row(io, d.m_nMotorOutDrivenInLoad, d.m_nMotorOutDrivenInUse);
    Row(io, d.m_dMotorInDrivenOutKW);
    Row(io, d.m_nMotorInDrivenOutEff, d.m_nMotorInDrivenOutLoad, d.m_nMotorInDrivenOutUse);
    Row(io, d.m_dCLFPowerEquip);
    Row(io, d.m_nElecEquipOnHour, d.m_nElecEquipHoursSel);  // 45
    Row(io, d.m_dElecEquipKW);
    Row(io, d.m_nElecEquipUseFactor);
    Row(io, d.m_dInfilACHCool, d.m_dInfilACHHeat, d.m_dBuildingVolume);
    for (int c = 0; c < 13; ++c) {  // psychrometric block, column by column
        for (int p = 0; p < 6; ++p) Row(io, d.m_dPsyAtDB[p][c]);
        for (int p = 0; p < 6; ++p) Row(io, d.m_dPsyAtWB[p][c]);
        Row(io, d.m_dMonthHumRatio[c]);
    }
    Row(io, d.m_dPsyAtRoom, d.m_dRoomHumRatio);  // 50
    Row(io, d.m_dCLFElecEquip, d.m_dDailyRangePct);
    Row(io, d.m_nGlassType, d.m_nInteriorShading, d.m_nShadingRoomCombo);
    Row(io, d.m_dSCSunlit, d.m_dSCShaded);
    Row(io, d.m_dCLFGlass);
    for (int i = 0; i < 25; ++i) Row(io, d.m_dCLFSkyA[i], d.m_dCLFSkyB[i]);  // 55
    Row(io, d.m_dGlassUCool, d.m_dGlassUHeat, d.m_dGlassUSkyCool, d.m_dGlassUSkyHeat);
    Row(io, d.m_dSHGFSunlit, d.m_dSHGFShaded);
    Row(io, d.m_dWallArea, d.m_dRoofArea);
    Row(io, d.m_dWallUCool, d.m_dRoofUCool);
    Row(io, d.m_dWallUHeat, d.m_dRoofUHeat);  // 60
    Row(io, d.m_dBGWallArea, d.m_dGroundTemp, d.m_dBGWallUHeat);
    Row(io, d.m_dSurfArea, d.m_dSurfTDCool, d.m_dSurfUCool, d.m_dSurfUHeat);
    Row(io, d.m_dSkyArea, d.m_dSkySC, d.m_dSkyUCool, d.m_dSkyUHeat);
    Row(io, d.m_dSurfTDHeat);
    Row(io, d.m_dSlabArea, d.m_dSlabUHeat, d.m_dSlabEdgeFactor, d.m_dSlabPerimeter);  // 65
    Row(io, d.m_bGeneralDataSupplied, d.m_bWindowsSupplied, d.m_bWallsRoofSupplied,
        d.m_bGlassBlocksSupplied, d.m_bFloorCeilingSupplied);
    Row(io, d.m_dGlassBlockArea);
    Row(io, d.m_nGlassBlockShade);
    Row(io, d.m_dGlassBlockUCool, d.m_dGlassBlockUHeat, d.m_dGlassBlockSCSun,
        d.m_dGlassBlockSCShade);
    Row(io, d.m_dCLFGlassBlock);  // 70

    Interleaved(io, std::vector<Hourly*>{&d.m_tblTotal, &d.m_tblRoomTotal, &d.m_tblRoomLatent,
                                         &d.m_tblRoomSensible});
    Interleaved(io, WithFamily<Hourly>(nullptr, d.m_tblWall, &d.m_tblWallAll));
    Interleaved(io, WithFamily<Hourly>(&d.m_tblGlassBlockAll, d.m_tblGlassBlock, nullptr));
    Interleaved(io, std::vector<Hourly*>{&d.m_tblRoof, &d.m_tblFloorCeilPart, &d.m_tblSkylight,
                                         &d.m_tblVentSens, &d.m_tblVentLat, &d.m_tblInfilSens,
                                         &d.m_tblInfilLat});
    Row(io, d.m_nViewKind);  // 75
    Row(io, d.m_strViewTitle, d.m_strViewAxis);
    Row(io, d.m_dWindowArea);
    std::vector<Hourly*> areas;  // shaded N, sunlit N, shaded NE, ...
    for (int o = 0; o < kOrientations; ++o) {
        areas.push_back(&d.m_tblGlassShadedArea[o]);
        areas.push_back(&d.m_tblGlassSunlitArea[o]);
    }
    Interleaved(io, areas);
    std::vector<Hourly*> glass =
        WithFamily<Hourly>(&d.m_tblGlassSolarAll, d.m_tblGlassSolar, nullptr);
    for (Hourly* t : WithFamily<Hourly>(&d.m_tblGlassCondAll, d.m_tblGlassCond, nullptr)) {
        glass.push_back(t);
    }
    Interleaved(io, glass);
    Interleaved(io, std::vector<Daily*>{&d.m_tblLights, &d.m_tblPeopleSens, &d.m_tblPeopleLat,
                                        &d.m_tblElecEquip, &d.m_tblPowerEquip, &d.m_tblHoodedAppl,
                                        &d.m_tblUnhoodedApplSens, &d.m_tblUnhoodedApplLat});  // 80
    Row(io, d.m_dHeatLoss);
}

void WriteWindowLists(CArchiveWriter& ar, const CQuarnDocData& d) {
    for (const CWindowList& list : d.m_aWindows) {
        ar.WriteCount(static_cast<uint32_t>(list.GetSize()));
        for (int i = 0; i < list.GetSize(); ++i) {
            const CWindo w = list.GetAt(i);
            ar.WriteInt(kWindowRecordTag);
            ar.WriteInt(w.m_nQuantity);
            for (double v :
                 {w.m_dHeight, w.m_dWidth, w.m_dLeftFinDist, w.m_dRightFinDist, w.m_dOverhangWidth,
                  w.m_dOverhangHeight, w.m_dLeftFinWidth, w.m_dRightFinWidth}) {
                ar.WriteDouble(v);
            }
        }
    }
}

void ReadWindowLists(CArchiveReader& ar, CQuarnDocData& d) {
    for (int o = 0; o < kOrientations; ++o) {
        const uint32_t count = ar.ReadCount();
        // Checked before anything is allocated: a hostile count cannot exceed the file.
        if (count > ar.Remaining() / kWindowRecordSize) {
            throw CArchiveError(StrFormat(
                "the window list count %u is larger than the rest of the file can hold", count));
        }
        CWindowList& list = d.m_aWindows[o];
        list.RemoveAll();
        for (uint32_t i = 0; i < count; ++i) {
            CWindo w;
            ar.Skip(4);  // class tag
            w.m_nQuantity = ar.ReadInt();
            for (double* v : {&w.m_dHeight, &w.m_dWidth, &w.m_dLeftFinDist, &w.m_dRightFinDist,
                              &w.m_dOverhangWidth, &w.m_dOverhangHeight, &w.m_dLeftFinWidth,
                              &w.m_dRightFinWidth}) {
                *v = ar.ReadDouble();
            }
            list.Add(w);
        }
        list.FreeExtra();
    }
}

std::string DamagedCause(const std::string& detail) {
    return "The file is damaged or is not a Thermavo project (" + detail + ").";
}

}  // namespace

std::vector<uint8_t> SerializeProject(const CQuarnDocData& doc, int version) {
    CArchiveWriter ar;
    WriteWindowLists(ar, doc);
    ar.WriteInt(version);
    Storing io{ar};
    TransferRows(io, doc, version);
    return ar.Bytes();
}

LoadStatus LoadProjectBytes(CQuarnDoc& doc, const uint8_t* data, size_t size,
                            const std::string& path) {
    // Read into a separate project so a damaged file leaves the document as it was.
    auto loaded = std::make_unique<CQuarnDocData>();
    int version = 0;
    try {
        CArchiveReader ar(data, size);
        ReadWindowLists(ar, *loaded);
        version = ar.ReadInt();
        if (version == 10 || version == 27 || version == kProjectFileVersion) {
            Loading io{ar};
            TransferRows(io, *loaded, version);
        }
    } catch (const CArchiveError& e) {
        doc.Messages().ReportFileError(path, DamagedCause(e.what()));
        return LoadStatus::kFailed;
    }

    if (version != 10 && version != 27 && version != kProjectFileVersion) {
        doc.Messages().ShowMessage(
            StrFormat("Thermavo Version %.1f or later is needed to open this file", version * 0.1));
        // The project stays untitled, so a Save cannot overwrite the newer file.
        doc.OnNewDocument();
        return LoadStatus::kNewerVersion;
    }
    // A file of the right shape can still hold values no version of the program stores: they
    // would index past tables or overflow the arithmetic later on.
    if (const std::optional<std::string> bad = FindDamagedField(*loaded)) {
        doc.Messages().ReportFileError(path, DamagedCause(*bad));
        return LoadStatus::kFailed;
    }
    if (version != kProjectFileVersion) {
        // Older files carry no display and font sizes: take them as a new project does.
        int options[kOptionCount] = {};
        ReadOptionsFile(options, doc.Messages());
        loaded->m_nDisplaySize = options[2];
        loaded->m_nFontSize = options[3];
    }
    static_cast<CQuarnDocData&>(doc) = *loaded;
    return LoadStatus::kLoaded;
}

LoadStatus LoadProject(CQuarnDoc& doc, const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string cause;
    if (!ReadWholeFile(path, kMaxProjectFileSize, bytes, cause)) {
        doc.Messages().ReportFileError(path, cause);
        return LoadStatus::kFailed;
    }
    const LoadStatus status = LoadProjectBytes(doc, bytes.data(), bytes.size(), path);
    if (status == LoadStatus::kLoaded) {
        doc.SetPathName(path);
        doc.SetModifiedFlag(false);
    }
    return status;
}

bool SaveProject(CQuarnDoc& doc, const std::string& path) {
    std::string cause;
    if (!WriteFileAtomically(path, SerializeProject(doc), cause)) {
        doc.Messages().ReportFileError(path, cause);
        return false;
    }
    doc.SetPathName(path);
    doc.SetModifiedFlag(false);
    return true;
}
