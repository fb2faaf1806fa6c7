// The hourly table: title, project name and a 24-hour by 12-month grid with an hour column, for
// every table kind. The same pass builds the tab-separated text that Copy puts on the clipboard.

#include <optional>
#include <string>

#include "document/QuarnDoc.h"
#include "text/Format.h"
#include "views/PageSetup.h"
#include "views/ViewDrawing.h"

namespace {

constexpr const char* kMonthHeaders[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The font heights of the title, the project name and the cells. When the options name no
// font size on screen no fonts are made and the canvas keeps whatever font it has.
struct TableFonts {
    bool bMake = false;
    int nTitle = 0;
    int nProject = 0;
    int nCell = 0;
};

TableFonts ChooseTableFonts(int displaySize, int fontSize, bool printing, int width) {
    if (displaySize == 0) {
        if (printing) return {true, 18, 17, 14};
        if (fontSize == 0) return {true, width / 28, width / 30, width / 36};
        if (fontSize == 1) return {true, width / 45, width / 48, width / 56};
    } else {
        if (printing || fontSize == 0) return {true, 18, 17, 14};
        if (fontSize == 1) return {true, 9, 8, 7};
    }
    return {};
}

CanvasFont TableFont(int height, bool underline) {
    CanvasFont font;
    font.nHeight = height;
    font.nWeight = 500;
    font.bUnderline = underline;
    font.strFace = "Arial";
    return font;
}

// One format for the whole table, so every column lines up on the same number of decimals.
const char* CellFormat(double absMax) {
    if (absMax < 10) return "%.3f";
    if (absMax < 100) return "%.2f";
    if (absMax < 1000) return "%.1f";
    return "%.0f";
}

}  // namespace

DrawResult DrawTable(const CQuarnDoc& doc, int kind, ICanvas& canvas, const ViewPage& page) {
    return DrawHourlyTable(HourlyViewOf(doc, kind), canvas, page);
}

DrawResult DrawHourlyTable(const HourlyView& view, ICanvas& canvas, const ViewPage& page) {
    const int displaySize = view.nDisplaySize;
    if (displaySize != 0 && displaySize != 1) return {};
    const bool printing = canvas.IsPrinting();

    const PageSize size = TablePageSize(displaySize, printing, page);
    const int W = size.nWidth;
    const int H = size.nHeight;
    const ScrollSizes sizes = PageScrollSizes(W, H);
    const std::string& title = view.strTitle;

    const int u = W / 12;
    const int L = printing ? u : u / 4;
    const int R = printing ? W - u : W - u / 4;
    const int y0 = -u;
    const int c = (R - L) / 13;
    const int xMid = L + (R - L) / 2;

    const TableFonts heights = ChooseTableFonts(displaySize, view.nFontSize, printing, W);
    auto selectFont = [&](int height, bool underline) {
        if (heights.bMake) canvas.SetFont(TableFont(height, underline));
    };

    selectFont(heights.nTitle, true);
    canvas.SetTextAlign(kAlignCenter | kAlignTop);
    canvas.TextOut(xMid, y0, title);
    std::string copy = title + "\n";

    const std::string& project = view.strName;
    selectFont(heights.nProject, false);
    canvas.SetTextAlign(kAlignCenter | kAlignTop);
    canvas.TextOut(xMid, y0 - u / 2, project);
    copy += project + "\n\n";

    const int gridTop = y0 - u;
    const int gridBottom = y0 - 14 * u;
    canvas.SetPen({255, 0, 0, 1});
    canvas.Rectangle(L, gridTop, R, gridBottom);
    canvas.MoveTo(L, y0 - u - 2 * u / 3);
    canvas.LineTo(R, y0 - u - 2 * u / 3);
    canvas.MoveTo(L + c, gridTop);
    canvas.LineTo(L + c, gridBottom);
    canvas.SetPen({0, 0, 0, 1});
    for (int k = 2; k <= 12; ++k) {
        canvas.MoveTo(L + k * c, gridTop);
        canvas.LineTo(L + k * c, gridBottom);
    }

    selectFont(heights.nCell, false);
    canvas.SetTextAlign(kAlignCenter | kAlignBottom);
    const int yHeader = y0 - u - u / 2;
    canvas.TextOut(L + c / 2, yHeader, "Hour");
    copy += "Hour\t";
    for (int k = 1; k <= 12; ++k) {
        canvas.TextOut(L + c / 2 + k * c, yHeader, kMonthHeaders[k - 1]);
        copy += kMonthHeaders[k - 1];
        copy += k < 12 ? "\t" : "\n";
    }

    const double absMax = FindPeak(view.value).dAbsMax;
    const char* format = CellFormat(absMax);
    std::string cells[25][13];
    for (int h = 1; h <= 24; ++h) {
        for (int k = 0; k <= 12; ++k) {
            if (k == 0) {
                cells[h][k] = StrFormat("%.2f", view.value(h, 0));
            } else if (absMax != 0) {
                cells[h][k] = StrFormat(format, view.value(h, k));
            }
        }
    }
    // The values take the cell font unless the widest would run into its neighbours; then the
    // largest font that keeps a space between columns.
    int cellWidth = 0;
    for (int h = 1; h <= 24; ++h) {
        for (int k = 0; k <= 12; ++k)
            cellWidth = std::max(cellWidth, canvas.GetTextExtent(cells[h][k]).cx);
    }
    for (int height = heights.nCell;
         heights.bMake && height > 1 && cellWidth + std::max(2, height / 4) > c;) {
        selectFont(--height, false);
        cellWidth = 0;
        for (int h = 1; h <= 24; ++h) {
            for (int k = 0; k <= 12; ++k)
                cellWidth = std::max(cellWidth, canvas.GetTextExtent(cells[h][k]).cx);
        }
    }
    for (int h = 1; h <= 24; ++h) {
        const int y = y0 - u - (h * u) / 2 + (-2 * u) / 3;
        for (int k = 0; k <= 12; ++k) {
            canvas.TextOut(L + c / 2 + k * c, y, cells[h][k]);
            copy += cells[h][k];
            copy += k < 12 ? "\t" : "\n";
        }
    }

    return {sizes, DrawResult::Copy::kText, copy};
}
