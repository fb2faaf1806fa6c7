#include "ContextHelp.h"

#include <QLabel>
#include <QRegularExpression>
#include <QWidget>
#include <array>
#include <map>

#include "HelpBrowser.h"
#include "views/ViewKinds.h"

namespace {

QString Section(const char* page, const char* anchor) {
    return QString::fromUtf8(page) + '#' + QString::fromUtf8(anchor);
}

// The sections of the help pages, page by page of each wizard.
constexpr std::array<const char*, 14> kGeneralDataSections = {
    "project",  "frequency", "inside",     "roof",  "exposure",   "wallgroup", "lights",
    "schedule", "occupancy", "appliances", "power", "electronic", "glass",     "shading"};
constexpr std::array<const char*, 8> kUValueSections = {
    "boards", "insulation", "masonry-a", "masonry-b", "plaster", "roofing", "air", "result"};
// Every orientation page asks the same things.
constexpr const char* kWindowsSection = "describing";

constexpr const char* kViewSections[] = {"tables",  "graphs", "shading", "peak",
                                         "heating", "input",  "block"};

template <size_t N>
QString PageTopic(const char* page, const std::array<const char*, N>& sections, int number) {
    if (number < 1 || number > static_cast<int>(N)) return QString::fromUtf8(page);
    return Section(page, sections[static_cast<size_t>(number - 1)]);
}

// ---- What's-this texts, one table per dialog ----

constexpr const char* kHourOn =
    "The solar hour (1 to 24) at which this load starts; it then runs for the hours chosen "
    "below.";
constexpr const char* kHoursOn =
    "How many hours a day this load is on, counted from its starting hour.";
constexpr const char* kMotorEfficiency =
    "The weighted average efficiency of the motors of this group, in percent (1 to 100).";
constexpr const char* kMotorLoad =
    "The weighted average load factor of the motors of this group: the part of the rated "
    "power they deliver, in percent (1 to 180).";
constexpr const char* kMotorUse =
    "The weighted average use factor of the motors of this group: the part of them running at "
    "a time, in percent (1 to 100).";

const WhatsThisText kGeneralData[] = {
    // Page 1
    {"projectName", "The name of the project (at most 34 characters), shown on the reports."},
    {"projectDesigner", "The designer of the project, shown on the reports."},
    {"projectAddress", "The address of the project, shown on the reports."},
    {"projectDate", "The date of the project, as you want it shown on the reports."},
    {"stationSearch",
     "Type part of a station name to show only the matching stations in the tree."},
    {"cityTree",
     "The weather stations by country and region: click the station closest to the project; "
     "without a click the project keeps its station."},
    // Page 2
    {"coolDesignLevel",
     "Which of the station's summer design temperatures is used: the one exceeded 0.4 %, 1 % "
     "or 2 % of the hours of a year."},
    {"heatDesignLevel",
     "Which of the station's winter design temperatures is used: the one exceeded 99.6 % or "
     "99 % of the hours of a year."},
    // Page 3
    {"insideDBCool", "The dry-bulb temperature the space is to be kept at in summer."},
    {"insideRH", "The relative humidity the space is to be kept at in summer, 40 to 65 %."},
    {"insideDBHeat", "The dry-bulb temperature the space is to be kept at in winter."},
    // Page 4
    {"roofType",
     "The roof construction closest to the building's; it selects the roof's cooling load "
     "temperature differences."},
    // Page 5
    {"suspendedCeiling", "Whether the roof has a suspended ceiling below it."},
    {"roofColor",
     "The outside colour of the roof; a light roof in a rural area gains less heat from the "
     "sun."},
    {"atticFan", "Whether an attic fan or ducts are in the space above the suspended ceiling."},
    {"wallColor",
     "The outside colour of the walls; lighter walls in a rural area gain less heat from the "
     "sun."},
    // Page 6
    {"wallTree",
     "The wall constructions by their main material: expand one and click the leaf whose "
     "layers match the walls; its letter A to G is the wall group."},
    // Page 7
    {"lightOnHour", "The solar hour (1 to 24) at which the lights are turned on."},
    {"lightHoursSel", "How many hours a day the lights stay on."},
    {"aClass",
     "How the light fixtures are ventilated and the air is supplied and returned: the 'a' "
     "classification of the lights' cooling load factor."},
    {"bClassTree",
     "The floor covering, the room air circulation and the floor construction: click a leaf "
     "to give the room's 'b' classification, A to D."},
    // Page 8
    {"m_nLightSchedule",
     "The percentage of the installed lights that is on during each hour of the day, 0 to "
     "100."},
    {"m_dFluorWatts", "The total installed watts of the fluorescent lamps of the space."},
    {"m_dIncandWatts", "The total installed watts of the incandescent lamps of the space."},
    {"m_dBallastFactor",
     "The ballast factor of the fluorescent lamps, which their watts are multiplied by."},
    // Page 9
    {"m_nOccupancyStartHour", "The solar hour (1 to 24) at which the building is occupied."},
    {"m_nOccupancyHoursSel", "How many hours a day the building is occupied."},
    {"m_nOccupants",
     "The number of people doing this activity; their heat gain depends on the activity."},
    {"m_dVentPerOccupant", "The outdoor air to be supplied for each person doing this activity."},
    // Page 10
    {"m_nHoodedOnHour", kHourOn},
    {"m_nHoodedHoursSel", kHoursOn},
    {"m_dHoodedElecBtuh",
     "The manufacturer's input rating of the electric or steam heated appliances under a "
     "hood."},
    {"m_dHoodedGasBtuh",
     "The manufacturer's input rating of the gas heated appliances under a hood."},
    {"m_nUnhoodedOnHour", kHourOn},
    {"m_nUnhoodedHoursSel", kHoursOn},
    {"m_dUnhoodedElecBtuh",
     "The manufacturer's input rating of the electric or steam heated appliances without a "
     "hood."},
    {"m_dUnhoodedGasBtuh",
     "The manufacturer's input rating of the gas heated appliances without a hood."},
    // Page 11
    {"m_nPowerEquipOnHour", kHourOn},
    {"m_nPowerEquipHoursSel", kHoursOn},
    {"m_dMotorInDrivenInKW",
     "The installed kW of motors that are, with the equipment they drive, in the conditioned "
     "space or air stream."},
    {"m_nMotorInDrivenInEff", kMotorEfficiency},
    {"m_nMotorInDrivenInLoad", kMotorLoad},
    {"m_nMotorInDrivenInUse", kMotorUse},
    {"m_dMotorOutDrivenInKW",
     "The installed kW of motors outside the conditioned space whose driven equipment is "
     "inside it or in its air stream."},
    {"m_nMotorOutDrivenInLoad", kMotorLoad},
    {"m_nMotorOutDrivenInUse", kMotorUse},
    {"m_dMotorInDrivenOutKW",
     "The installed kW of motors in the conditioned space whose driven equipment is outside "
     "it."},
    {"m_nMotorInDrivenOutEff", kMotorEfficiency},
    {"m_nMotorInDrivenOutLoad", kMotorLoad},
    {"m_nMotorInDrivenOutUse", kMotorUse},
    // Page 12
    {"m_nElecEquipOnHour", kHourOn},
    {"m_nElecEquipHoursSel", kHoursOn},
    {"m_dElecEquipKW", "The total kW of the electronic equipment of the space."},
    {"m_nElecEquipUseFactor",
     "The part of the electronic equipment in use at a time, in percent (1 to 100)."},
    {"m_dInfilACHCool",
     "The outdoor air leaking in during summer, in air changes of the building volume per "
     "hour; 0 when ventilation air keeps the building pressurized."},
    {"m_dInfilACHHeat",
     "The outdoor air leaking in during winter, in air changes of the building volume per "
     "hour; 0 when ventilation air keeps the building pressurized."},
    {"m_dBuildingVolume", "The volume of the building, which the air changes refer to."},
    // Page 13
    {"m_nGlassType",
     "The glass of the windows of the building envelope; Help explains the abbreviations."},
    // Page 14
    {"m_nInteriorShading", "The blind, shade or drapery inside the windows, if any."},
    {"m_nShadingRoomCombo",
     "Whether the glass has interior shading and, if not, how heavy the room construction is; "
     "it selects the cooling load factors of the glass."},
};

const WhatsThisText kWindows[] = {
    {"height", "The height Wh of the window glass."},
    {"width", "The width Ww of the window glass."},
    {"leftFinDist",
     "The distance Ld from the left edge of the window to its left side fin. Leave it 0 when "
     "there is no fin."},
    {"rightFinDist",
     "The distance Rd from the right edge of the window to its right side fin. Leave it 0 "
     "when there is no fin."},
    {"overhangWidth",
     "How far the overhang above the window projects from the wall, Vw. Leave it 0 when there "
     "is no overhang."},
    {"overhangHeight",
     "The height Vh of the overhang above the top of the window. Leave it 0 when there is no "
     "overhang."},
    {"leftFinWidth",
     "How far the left side fin projects from the wall, Lw. Leave it 0 when there is no fin."},
    {"rightFinWidth",
     "How far the right side fin projects from the wall, Rw. Leave it 0 when there is no fin."},
    {"quantity", "The number of windows of exactly this description, at least 1."},
    {"listWindows",
     "The windows of this orientation, one row per description; select a row by its number "
     "in the Type column to edit or remove it."},
    {"sketch",
     "A sketch of the window with its side fins and overhang as the fields describe them."},
    {"refresh", "Redraws the sketch of the window from the fields."},
    {"add", "Adds the fields as a new row of the list."},
    {"edit", "Copies the selected row into the fields."},
    {"update", "Replaces the selected row with the fields."},
    {"remove", "Deletes the selected row."},
    {"removeAll", "Deletes every window of this orientation, after asking."},
};

const WhatsThisText kUValue[] = {
    {"material",
     "Tick each material, air film and air space the wall, roof, partition or floor is made "
     "of; their thermal resistances are added in series."},
    {"amount",
     "The thickness of the ticked material, in inches or millimetres by the input units, or "
     "its number of layers or films."},
};

constexpr const char* kCalcButton =
    "Calculates this U-value from the materials of the construction, with the U-value "
    "wizard.";

const WhatsThisText kWallsRoof[] = {
    {"m_dWallArea", "The net area of the walls facing this way, without their windows."},
    {"m_dRoofArea", "The net area of the roof, without its skylights."},
    {"m_dWallUCool", "The U-value of the walls facing this way in summer."},
    {"m_dRoofUCool", "The U-value of the roof in summer."},
    {"m_dWallUHeat", "The U-value of the walls facing this way in winter."},
    {"m_dRoofUHeat", "The U-value of the roof in winter."},
    {"m_dBGWallArea",
     "The net area of the walls below grade, which count for the heating load only."},
    {"m_dGroundTemp",
     "The temperature of the ground in winter, shared by the walls and floors below grade."},
    {"m_dBGWallUHeat", "The winter U-value of the walls below grade."},
    {"calc", kCalcButton},
};

const WhatsThisText kFloorCeiling[] = {
    {"m_dSurfArea",
     "The area of this floor above an unconditioned space, ceiling, partition or glass in a "
     "partition."},
    {"m_dSurfTDCool",
     "The summer temperature difference across this surface, from the unconditioned side to "
     "the space."},
    {"m_dSurfTDHeat",
     "The winter temperature difference across this surface, from the space to the "
     "unconditioned side."},
    {"m_dSurfUCool", "The U-value of this surface in summer."},
    {"m_dSurfUHeat", "The U-value of this surface in winter."},
    {"m_dSkyArea", "The area of the skylights in direct sunlight or externally shaded."},
    {"m_dSkySC", "The shading coefficient of these skylights' glass."},
    {"m_dSkyUCool", "The U-value of these skylights in summer."},
    {"m_dSkyUHeat", "The U-value of these skylights in winter."},
    {"m_dSlabArea",
     "The area of the floor on or below grade, which counts for the heating load only."},
    {"m_dGroundTemp",
     "The temperature of the ground in winter, shared by the walls and floors below grade."},
    {"m_dSlabUHeat", "The winter U-value of the floor on or below grade."},
    {"m_dSlabEdgeFactor",
     "The heat loss of the floor's exposed edge per unit length of its perimeter."},
    {"m_dSlabPerimeter", "The length of the floor's edge exposed to the outside."},
    {"calc", kCalcButton},
};

const WhatsThisText kGlassBlocks[] = {
    {"area", "The area of the glass block walls facing this way."},
    {"m_nGlassBlockShade",
     "Whether the glass blocks have an indoor shade, which sets their U-values and shading "
     "coefficients."},
};

const WhatsThisText kOptions[] = {
    {"m_nInputUnits",
     "The units the input dialogs show and take, English or metric; projects are stored in "
     "English units either way."},
    {"m_nOutputUnits", "The units of the tables, graphs and reports, English or metric."},
    {"m_nDisplaySize", "How large the tables, graphs and reports are laid out on the screen."},
    {"m_nFontSize", "The size of the text of the tables and reports."},
};

}  // namespace

QString GeneralDataPageTopic(int page) {
    return PageTopic(kHelpGeneralData, kGeneralDataSections, page);
}

QString WindowsPageTopic(int page) {
    if (page < 1 || page > 8) return QString::fromUtf8(kHelpWindows);
    return Section(kHelpWindows, kWindowsSection);
}

QString UValuePageTopic(int page) { return PageTopic(kHelpUValue, kUValueSections, page); }

QString ViewKindTopic(int kind) {
    const ViewKindInfo* info = FindViewKind(kind);
    if (info == nullptr) return QString::fromUtf8(kHelpViews);
    switch (kind) {
        case kPeakSummaryKind:
            return Section(kHelpViews, "peak");
        case kHeatingReportKind:
            return Section(kHelpViews, "heating");
        case kInputDataReportKind:
            return Section(kHelpViews, "input");
        default:
            break;
    }
    if (info->quantity == ViewQuantity::kGlassAreaInSun ||
        info->quantity == ViewQuantity::kPercentInSun) {
        return Section(kHelpViews, "shading");
    }
    return Section(kHelpViews, info->form == ViewForm::kGraph ? "graphs" : "tables");
}

QString BlockLoadTopic() { return Section(kHelpViews, "block"); }

QStringList ContextHelpTopics() {
    QStringList topics;
    for (int page = 1; page <= 14; ++page) topics << GeneralDataPageTopic(page);
    for (int page = 1; page <= 8; ++page) topics << WindowsPageTopic(page) << UValuePageTopic(page);
    for (const char* section : kViewSections) topics << Section(kHelpViews, section);
    for (const ViewKindInfo& info : AllViewKinds()) topics << ViewKindTopic(info.nKind);
    topics.removeDuplicates();
    return topics;
}

QString WhatsThisKey(const QString& objectName) {
    static const QRegularExpression tail(QStringLiteral("([:\\[].*|\\d+)$"));
    QString key = objectName;
    key.remove(tail);
    return key;
}

std::span<const WhatsThisText> GeneralDataWhatsThis() { return kGeneralData; }
std::span<const WhatsThisText> WindowsWhatsThis() { return kWindows; }
std::span<const WhatsThisText> UValueWhatsThis() { return kUValue; }
std::span<const WhatsThisText> WallsRoofWhatsThis() { return kWallsRoof; }
std::span<const WhatsThisText> FloorCeilingWhatsThis() { return kFloorCeiling; }
std::span<const WhatsThisText> GlassBlocksWhatsThis() { return kGlassBlocks; }
std::span<const WhatsThisText> OptionsWhatsThis() { return kOptions; }

QStringList ApplyWhatsThis(QWidget* root, std::span<const WhatsThisText> table) {
    std::map<QString, const char*> texts;
    for (const WhatsThisText& entry : table)
        texts.emplace(QString::fromUtf8(entry.key), entry.text);
    std::map<QString, bool> used;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const QString key = WhatsThisKey(widget->objectName());
        const auto found = texts.find(key);
        if (key.isEmpty() || found == texts.end()) continue;
        widget->setWhatsThis(QString::fromUtf8(found->second));
        used[key] = true;
    }
    // A click on a field's label asks about the field.
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr && label->whatsThis().isEmpty()) {
            label->setWhatsThis(label->buddy()->whatsThis());
        }
    }
    QStringList unused;
    for (const auto& [key, text] : texts) {
        if (!used[key]) unused << key;
    }
    return unused;
}
