#include "views/ViewKinds.h"

#include <algorithm>

#include "document/QuarnDoc.h"

namespace {

const char* const kOrientationWords[kOrientations] = {"North", "North East", "East", "South East",
                                                      "South", "South West", "West", "North West"};
const char* const kOrientationLetters[kOrientations] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};

// One cooling-load quantity, shown as a graph (its kind) and as a table (kind + 100).
struct CoolingQuantity {
    int nGraphKind;
    int nGraphCommand;
    int nTableCommand;
    std::string strMenuText;
    std::string strTitleStem;
    std::string strPromptWords;  // "Roof" in "Roof cooling load profile"
    ResultTable table;
    int nOrientation;
    const char* pszPopup;  // popup inside "Cooling Tables" / "Cooling Graphs", or null
};

// The quantities in kind order, which is also their order in the menus.
std::vector<CoolingQuantity> CoolingQuantities() {
    std::vector<CoolingQuantity> q;
    auto one = [&q](int kind, int graphCmd, int tableCmd, const char* menu, const char* stem,
                    const char* prompt, ResultTable table, const char* popup) {
        q.push_back({kind, graphCmd, tableCmd, menu, stem, prompt, table, -1, popup});
    };
    // Eight orientations from the first kind and the first command ids on.
    auto eight = [&q](int kind, int graphCmd, int tableCmd, const char* menuTail,
                      const char* stemTail, const char* promptTail, ResultTable table,
                      const char* popup) {
        for (int o = 0; o < kOrientations; ++o) {
            q.push_back({kind + o, graphCmd + o, tableCmd + o,
                         std::string(kOrientationLetters[o]) + menuTail,
                         std::string(kOrientationWords[o]) + stemTail,
                         std::string(kOrientationWords[o]) + promptTail, table, o, popup});
        }
    };
    one(1, 32785, 32796, "Total Cooling Load", "Total", "Total", ResultTable::kTotal, nullptr);
    one(2, 32787, 32798, "All Walls Cooling Load", "All Walls", "All walls", ResultTable::kWallAll,
        "Walls Cooling Load");
    eight(3, 32788, 32799, " Wall Cooling Load", " Wall", " wall", ResultTable::kWall,
          "Walls Cooling Load");
    one(11, 32786, 32797, "Roof Cooling Load", "Roof", "Roof", ResultTable::kRoof, nullptr);
    one(12, 32808, 32807, "Floor, Ceiling, Partit", "Floor, Ceiling & Partitions",
        "Floor, ceiling and partitions", ResultTable::kFloorCeilPart, nullptr);
    one(13, 32841, 32859, "All Glass Solar Load", "All Glass Solar", "All glass solar",
        ResultTable::kGlassSolarAll, "Glass Solar Load");
    eight(14, 32842, 32860, " Glass Solar Load", " Glass Solar", " glass solar",
          ResultTable::kGlassSolar, "Glass Solar Load");
    one(22, 32850, 32868, "All Glass Conduction", "All Glass Conduction", "All glass conduction",
        ResultTable::kGlassCondAll, "Glass Conduction");
    eight(23, 32851, 32869, " Glass Conduction", " Glass Conduction", " glass conduction",
          ResultTable::kGlassCond, "Glass Conduction");
    one(31, 32877, 32878, "Skylights Load", "Skylights", "Skylights", ResultTable::kSkylight,
        nullptr);
    one(32, 32879, 32888, "All Glass Blocks", "All Glass Blocks", "All glass blocks",
        ResultTable::kGlassBlockAll, "Glass Blocks Load");
    eight(33, 32880, 32889, " Glass Blocks", " Glass Blocks", " glass blocks",
          ResultTable::kGlassBlock, "Glass Blocks Load");
    one(41, 32897, 32898, "Lights Cooling Load", "Lights", "Lights", ResultTable::kLights, nullptr);
    one(42, 32899, 32901, "People Sensible Load", "People Sensible", "People sensible",
        ResultTable::kPeopleSens, "People Load");
    one(43, 32900, 32902, "People Latent Load", "People Latent", "People latent",
        ResultTable::kPeopleLat, "People Load");
    one(44, 32903, 32904, "Electronic Equipment", "Electronic Equipment", "Electronic equipment",
        ResultTable::kElecEquip, nullptr);
    one(45, 32905, 32906, "Power Equipment", "Power Equipment", "Power equipment",
        ResultTable::kPowerEquip, nullptr);
    one(46, 32907, 32910, "Hooded Appl Load", "Hooded Appliances", "Hooded appliances",
        ResultTable::kHoodedAppl, "Appliances");
    one(47, 32908, 32911, "Unhooded Sensible", "Unhooded Appliances Sensible",
        "Unhooded appliances sensible", ResultTable::kUnhoodedApplSens, "Appliances");
    one(48, 32909, 32912, "Unhooded Latent", "Unhooded Appliances Latent",
        "Unhooded appliances latent", ResultTable::kUnhoodedApplLat, "Appliances");
    one(49, 32913, 32917, "Infil Sensible Load", "Infiltration Sensible", "Infiltration sensible",
        ResultTable::kInfilSens, "Infiltration");
    one(50, 32914, 32918, "Infil Latent Load", "Infiltration Latent", "Infiltration latent",
        ResultTable::kInfilLat, "Infiltration");
    one(51, 32915, 32919, "Ventil Sensible Load", "Ventilation Sensible", "Ventilation sensible",
        ResultTable::kVentSens, "Ventilation");
    one(52, 32916, 32920, "Ventil Latent Load", "Ventilation Latent", "Ventilation latent",
        ResultTable::kVentLat, "Ventilation");
    return q;
}

std::vector<std::string> PathOf(const char* menu, const char* popup) {
    std::vector<std::string> path{menu};
    if (popup != nullptr) path.emplace_back(popup);
    return path;
}

// Prompts that do not follow the "... cooling load profile/report" pattern.
std::string CoolingPrompt(const CoolingQuantity& q, bool graph) {
    const int command = graph ? q.nGraphCommand : q.nTableCommand;
    switch (command) {
        case 32785:
            return "Total cooling load profile\nView Total Cooling Load Graph";
        case 32796:
            return "Total cooling load report\nView Total Cooling Load Table";
        case 32852:
            return " North East glass conduction cooling load profile";
        default:
            return q.strPromptWords + (graph ? " cooling load profile" : " cooling load report");
    }
}

std::vector<ViewKindInfo> BuildKinds() {
    std::vector<ViewKindInfo> kinds;
    for (const CoolingQuantity& q : CoolingQuantities()) {
        for (const bool graph : {true, false}) {
            ViewKindInfo k;
            k.nKind = graph ? q.nGraphKind : q.nGraphKind + 100;
            k.nCommandId = graph ? q.nGraphCommand : q.nTableCommand;
            k.form = graph ? ViewForm::kGraph : ViewForm::kTable;
            k.quantity = ViewQuantity::kCoolingLoad;
            k.table = q.table;
            k.nOrientation = q.nOrientation;
            k.strMenuText = q.strMenuText;
            k.menuPath = PathOf(graph ? "Cooling Graphs" : "Cooling Tables", q.pszPopup);
            k.strPrompt = CoolingPrompt(q, graph);
            k.strTitleStem = q.strTitleStem;
            kinds.push_back(k);
        }
    }
    for (int o = 0; o < kOrientations; ++o) {
        const std::string word = kOrientationWords[o];
        const std::string letters = kOrientationLetters[o];
        for (const bool graph : {true, false}) {
            ViewKindInfo area;
            area.nKind = (graph ? 70 : 170) + o;
            // The North graph was added before the others and has its own id.
            area.nCommandId = graph ? (o == 0 ? 32809 : 32825 + o) : 32810 + o;
            area.form = graph ? ViewForm::kGraph : ViewForm::kTable;
            area.quantity = ViewQuantity::kGlassAreaInSun;
            area.table = ResultTable::kGlassSunlitArea;
            area.nOrientation = o;
            area.strMenuText = letters + " Glass Areas in Sun";
            area.menuPath = {graph ? "Glass Shading Graphs" : "Glass Shading Tables",
                             "Glass Areas in Sun"};
            area.strPrompt =
                graph
                    ? "Graph showing " + word + " glass areas in direct sunshine vs time of day"
                    : "Table showing " + word + " glass areas in direct sunshine at various hours";
            kinds.push_back(area);

            ViewKindInfo percent = area;
            percent.nKind = (graph ? 80 : 180) + o;
            percent.nCommandId = (graph ? 32833 : 32818) + o;
            percent.quantity = ViewQuantity::kPercentInSun;
            percent.strMenuText = "Percent " + letters + " Glass in Sun";
            percent.menuPath.back() = "Percent Glass in Sun";
            percent.strPrompt =
                graph ? "Graph showing percent " + word + " glass in direct sunshine vs time of day"
                      : "Table showing percent " + word +
                            " glass in direct sunshine at various hours";
            kinds.push_back(percent);
        }
    }
    // The peak summary shows the total cooling load's peak, so it reads the values of kind 1.
    ViewKindInfo summary;
    summary.nKind = kPeakSummaryKind;
    summary.nCommandId = 32921;
    summary.quantity = ViewQuantity::kCoolingLoad;
    summary.table = ResultTable::kTotal;
    summary.strMenuText = "Peak Cooling Summary";
    summary.menuPath = {"Cooling Tables"};
    summary.strPrompt =
        "Summary of cooling design conditions and peak load\nView Peak Cooling Load Summary";
    summary.strTitleStem = "Total";
    kinds.push_back(summary);

    ViewKindInfo heating;
    heating.nKind = kHeatingReportKind;
    heating.nCommandId = 32922;
    heating.strMenuText = "Heating Report";
    heating.strPrompt = "Show heating load report\nView Heating Load Report";
    kinds.push_back(heating);

    ViewKindInfo input;
    input.nKind = kInputDataReportKind;
    input.nCommandId = 32937;
    input.strMenuText = "Project Input Data";
    input.strPrompt = "Shows the project input data\nView Project Input Data";
    kinds.push_back(input);

    std::sort(kinds.begin(), kinds.end(),
              [](const ViewKindInfo& a, const ViewKindInfo& b) { return a.nKind < b.nKind; });
    return kinds;
}

std::vector<ViewMenuEntry> BuildMenu() {
    std::vector<ViewMenuEntry> menu;
    auto add = [&menu](const ViewKindInfo& k) { menu.push_back({k.menuPath, k.nKind}); };
    auto addRange = [&add](int first, int last) {
        for (const ViewKindInfo& k : AllViewKinds()) {
            if (k.nKind >= first && k.nKind <= last) add(k);
        }
    };
    add(*FindViewKind(kPeakSummaryKind));
    menu.push_back({{"Cooling Tables"}, 0});
    addRange(101, 152);
    addRange(1, 52);
    menu.push_back({{}, 0});
    add(*FindViewKind(kHeatingReportKind));
    menu.push_back({{}, 0});
    addRange(170, 187);
    addRange(70, 87);
    menu.push_back({{}, 0});
    add(*FindViewKind(kInputDataReportKind));
    return menu;
}

}  // namespace

const std::vector<ViewKindInfo>& AllViewKinds() {
    static const std::vector<ViewKindInfo> kinds = BuildKinds();
    return kinds;
}

const ViewKindInfo* FindViewKind(int kind) {
    const std::vector<ViewKindInfo>& kinds = AllViewKinds();
    const auto it =
        std::lower_bound(kinds.begin(), kinds.end(), kind,
                         [](const ViewKindInfo& k, int wanted) { return k.nKind < wanted; });
    return it != kinds.end() && it->nKind == kind ? &*it : nullptr;
}

int RestoredViewKind(int savedKind) {
    return FindViewKind(savedKind) != nullptr ? savedKind : kTotalCoolingTableKind;
}

const ViewKindInfo* FindViewKindByCommand(int commandId) {
    for (const ViewKindInfo& k : AllViewKinds()) {
        if (k.nCommandId == commandId) return &k;
    }
    return nullptr;
}

bool IsGraphKind(int kind) {
    const ViewKindInfo* info = FindViewKind(kind);
    return info != nullptr && info->form == ViewForm::kGraph;
}

bool IsTableKind(int kind) {
    const ViewKindInfo* info = FindViewKind(kind);
    return info != nullptr && info->form == ViewForm::kTable;
}

const std::vector<ViewMenuEntry>& ViewMenuEntries() {
    static const std::vector<ViewMenuEntry> menu = BuildMenu();
    return menu;
}

const std::vector<int>& ToolbarViewKinds() {
    static const std::vector<int> kinds{1, kTotalCoolingTableKind, kPeakSummaryKind,
                                        kHeatingReportKind, kInputDataReportKind};
    return kinds;
}

ResultTableCells GetResultTable(const CQuarnDocData& d, const ViewKindInfo& info) {
    return ResultTableOf(d, info.table, info.nOrientation);
}

void SelectViewKind(CQuarnDoc& doc, int kind) {
    doc.m_nViewKind = kind;
    doc.UpdateAllViews();
}

bool IsViewKindCommandEnabled(const CQuarnDoc& doc, int kind) { return doc.m_nViewKind != kind; }
