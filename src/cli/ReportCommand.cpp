#include "ReportCommand.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "archive/AtomicFile.h"
#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "draw/RecordingCanvas.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

namespace {

// The pane size the report command draws for; only the layout depends on it, not the text.
constexpr int kPaneWidth = 1000;
constexpr int kPaneHeight = 800;

const char* const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string FullPrecision(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// A CSV field, quoted when it holds a separator or a quote.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

struct KindValues {
    std::string strTitle;
    std::string strCaption;
    double values[24][12];
};

// The 24 x 12 data cells of a table kind as its table shows them, unrounded.
KindValues ReadKind(const CQuarnDoc& doc, int kind) {
    KindValues v;
    for (int h = 1; h <= 24; ++h) {
        for (int m = 1; m <= 12; ++m) v.values[h - 1][m - 1] = ViewValue(doc, kind, h, m);
    }
    if (const std::optional<ViewLabelText> labels = ViewLabels(kind, OutputUnitSystem(doc))) {
        v.strTitle = labels->strTitle;
        v.strCaption = labels->strAxis;
    }
    return v;
}

std::string Csv(const KindValues& v) {
    std::string text = CsvField(v.strTitle) + "\nHour";
    for (const char* month : kMonthNames) text += std::string(",") + month;
    text += "\n";
    for (int h = 1; h <= 24; ++h) {
        text += std::to_string(h);
        for (int m = 0; m < 12; ++m) text += "," + FullPrecision(v.values[h - 1][m]);
        text += "\n";
    }
    return text;
}

}  // namespace

bool LoadForView(CQuarnDoc& doc, const char* path, int outputUnits) {
    if (LoadProject(doc, path) != LoadStatus::kLoaded) return false;
    if (outputUnits >= 0) {
        doc.m_nOutputUnits = outputUnits;
    }
    return true;
}

// Shortest text that reads back as the same double.
int RunReport(CQuarnDoc& doc, const char* path, int kind, int units) {
    const ViewKindInfo* info = FindViewKind(kind);
    if (info == nullptr) {
        std::fprintf(stderr,
                     "%d is not a view kind (tables 101..152, 170..177, 180..187; "
                     "reports 200, 201, 202)\n",
                     kind);
        return 1;
    }
    if (info->form == ViewForm::kGraph) {
        std::fprintf(stderr,
                     "Kind %d is a graph: graphs have no text to print (table %d has "
                     "the same values).\n",
                     kind, kind + 100);
        return 1;
    }
    if (!LoadForView(doc, path, units)) return 1;

    CRecordingCanvas canvas;
    ViewPage page;
    page.nClientWidth = kPaneWidth;
    page.nClientHeight = kPaneHeight;
    const DrawResult drawn = DrawView(doc, kind, canvas, page);
    if (drawn.copy != DrawResult::Copy::kText) {
        // A display-size option other than Large or Small draws nothing.
        std::fprintf(stderr, "%s: kind %d drew no text\n", path, kind);
        return 1;
    }
    const std::string& text = drawn.strCopyText;
    std::fputs(text.c_str(), stdout);
    if (!text.empty() && text.back() != '\n') std::fputs("\n", stdout);
    return 0;
}

int RunExport(CQuarnDoc& doc, const char* path, const char* csvDir, const char* jsonPath,
              int units) {
    if (!LoadForView(doc, path, units)) return 1;
    if (!doc.IsOutputEnglish() && !doc.IsOutputMetric()) {
        std::fprintf(stderr, "%s: the project has no output unit system; give --output-units\n",
                     path);
        return 1;
    }

    if (csvDir != nullptr) {
        std::error_code ec;
        std::filesystem::create_directories(csvDir, ec);
        if (ec) {
            std::fprintf(stderr, "%s: %s\n", csvDir, ec.message().c_str());
            return 1;
        }
    }
    nlohmann::json json = nlohmann::json::object();
    for (const ViewKindInfo& info : AllViewKinds()) {
        if (info.form != ViewForm::kTable) continue;
        const KindValues v = ReadKind(doc, info.nKind);
        const std::string key = std::to_string(info.nKind);
        if (csvDir != nullptr &&
            !WriteText((std::filesystem::path(csvDir) / ("kind-" + key + ".csv")).string(),
                       Csv(v))) {
            return 1;
        }
        if (jsonPath != nullptr) {
            nlohmann::json rows = nlohmann::json::array();
            for (const auto& row : v.values) rows.push_back(std::vector<double>(row, row + 12));
            json[key] = {{"title", v.strTitle},
                         {"caption", v.strCaption},
                         {"unitSystem", doc.GetOutputUnitsName()},
                         {"values", rows}};
        }
    }
    if (jsonPath != nullptr && !WriteText(jsonPath, json.dump() + "\n")) return 1;
    return 0;
}

bool WriteText(const std::string& path, const std::string& text) {
    std::string cause;
    if (!WriteFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()), cause)) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), cause.c_str());
        return false;
    }
    return true;
}
