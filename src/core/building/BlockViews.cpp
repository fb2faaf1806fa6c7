// The block's Total Cooling Load table and graph: a project's own table and graph code, fed the
// block's hourly sums.
#include <optional>

#include "building/BlockSummaryDrawing.h"
#include "building/Building.h"
#include "draw/RecordingCanvas.h"
#include "views/ViewKinds.h"

namespace {

HourlyView BlockHourlyView(const CBuilding& building, UnitSystem units) {
    if (units != UnitSystem::kMetric) units = UnitSystem::kEnglish;
    const std::optional<ViewLabelText> labels = ViewLabels(kTotalCoolingTableKind, units);
    const bool metric = units == UnitSystem::kMetric;
    HourlyView view;
    view.value = [&building, metric](int hour, int month) -> double {
        if (hour < 0 || hour > 24 || month < 0 || month > 12) return 0.0;
        // The hour column reads the hour, as a project's table stores it.
        if (month == 0) return hour;
        if (hour == 0) return month;
        const double tons = building.Tons(LoadItem::kTotal, hour, month);
        return metric ? kKwPerTon * tons : tons;
    };
    view.strTitle = "Block " + labels->strTitle;
    view.strAxis = labels->strAxis;
    view.strName = building.Name();
    view.nDisplaySize = building.First().m_nDisplaySize;
    view.nFontSize = building.First().m_nFontSize;
    return view;
}

}  // namespace

DrawResult DrawBlockTable(const CBuilding& building, UnitSystem units, ICanvas& canvas,
                          const ViewPage& page) {
    return DrawHourlyTable(BlockHourlyView(building, units), canvas, page);
}

DrawResult DrawBlockGraph(const CBuilding& building, UnitSystem units, ICanvas& canvas,
                          const ViewPage& page) {
    return DrawHourlyGraph(BlockHourlyView(building, units), canvas, page);
}

std::string BlockTableText(const CBuilding& building, UnitSystem units) {
    // The text Copy takes from the drawn table, so the clipboard and the command line agree.
    CRecordingCanvas canvas;
    ViewPage page;
    page.nClientWidth = kPrintPageWidth;
    page.nClientHeight = kPrintPageHeight;
    return DrawBlockTable(building, units, canvas, page).strCopyText;
}
