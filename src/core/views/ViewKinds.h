#pragma once

#include <string>
#include <vector>

#include "document/ResultTables.h"

class CQuarnDoc;

// The view kinds a project window can show in its right-hand pane: hourly graphs, hourly tables
// (kind = graph kind + 100) and three reports. The GUI builds the View menu, the toolbar and the
// status-bar prompts from this list; ViewValue and ViewLabels read its result table and titles
// from it.

enum class ViewForm { kGraph, kTable, kReport };

// What the kind's values are, which decides the unit conversion and the title.
enum class ViewQuantity {
    kCoolingLoad,     // tons, kW in metric output
    kGlassAreaInSun,  // sq ft, sq m in metric output
    kPercentInSun,    // sunlit area / window area of the orientation, x 100
    kNone,            // heating and input data reports: no hourly values
};

struct ViewKindInfo {
    int nKind = 0;
    int nCommandId = 0;
    ViewForm form = ViewForm::kReport;
    ViewQuantity quantity = ViewQuantity::kNone;
    ResultTable table = ResultTable::kNone;  // the table behind the kind, if any
    int nOrientation = -1;                   // 0..7 (N..NW) for tables by orientation, else -1
    std::string strMenuText;
    // The popups leading to the item inside the View menu, outermost first.
    std::vector<std::string> menuPath;
    // Status-bar prompt; a second line after "\n" is the tooltip.
    std::string strPrompt;
    // Cooling loads: the words before " Cooling Load - Tons"; empty for other quantities.
    std::string strTitleStem;
};

// Every kind, ordered by kind number: graphs 1..52, 70..77, 80..87, tables 101..152, 170..177,
// 180..187, reports 200..202.
const std::vector<ViewKindInfo>& AllViewKinds();

// Null when the number is no kind.
const ViewKindInfo* FindViewKind(int kind);
const ViewKindInfo* FindViewKindByCommand(int commandId);

// The kind a loaded project shows: the one it was saved with, or the Total Cooling Load table
// when the file holds no kind of this list.
int RestoredViewKind(int savedKind);

bool IsGraphKind(int kind);
bool IsTableKind(int kind);

inline constexpr int kTotalCoolingTableKind = 101;  // a new project's kind, and Esc's
inline constexpr int kPeakSummaryKind = 200;
inline constexpr int kHeatingReportKind = 201;
inline constexpr int kInputDataReportKind = 202;

// The View menu below "Toolbar", "Status Bar" and their separator, in order. An entry is a
// command (nKind != 0) or a separator (nKind == 0) inside the popups of path; a GUI opens a
// popup when its path first appears.
struct ViewMenuEntry {
    std::vector<std::string> path;
    int nKind = 0;
    bool IsSeparator() const { return nKind == 0; }
};
const std::vector<ViewMenuEntry>& ViewMenuEntries();

// The kinds with a toolbar button, left to right.
const std::vector<int>& ToolbarViewKinds();

// The cells of a kind's result table in a document; no cells for the kinds without one.
ResultTableCells GetResultTable(const CQuarnDocData& doc, const ViewKindInfo& info);

// The command handler of a view kind: shows it in every view of the document.
void SelectViewKind(CQuarnDoc& doc, int kind);
// Its update-UI handler: every kind can be chosen at any time except the one shown.
bool IsViewKindCommandEnabled(const CQuarnDoc& doc, int kind);
