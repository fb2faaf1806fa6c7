// The block load summary on the canvas: its text lines, columns lined up by measure.
#include "building/BlockSummaryDrawing.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "building/Building.h"
#include "views/PageSetup.h"
#include "views/ReportWriter.h"

namespace {

constexpr int kScreenFontHeight = 16;
constexpr int kPrintFontHeight = 14;

std::vector<std::vector<std::string>> Rows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        size_t start = 0;
        for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
            fields.push_back(line.substr(start, tab - start));
            start = tab + 1;
        }
        fields.push_back(line.substr(start));
        rows.push_back(fields);
    }
    return rows;
}

int FontHeight(bool printing) { return printing ? kPrintFontHeight : kScreenFontHeight; }

int LinesPerPage(const ViewPage& page) {
    const int height = page.nPrintHeight > 0 ? page.nPrintHeight : kPrintPageHeight;
    return std::max(10, height / FontHeight(true) - 2);
}

}  // namespace

int BlockSummaryPages(const CBuilding& building, UnitSystem units, const ViewPage& page) {
    const int lines = static_cast<int>(Rows(BlockSummaryText(building, units)).size());
    const int per = LinesPerPage(page);
    return (lines + per - 1) / per;
}

DrawResult DrawBlockSummary(const CBuilding& building, UnitSystem units, ICanvas& canvas,
                            const ViewPage& page) {
    const std::string text = BlockSummaryText(building, units);
    const std::vector<std::vector<std::string>> rows = Rows(text);
    const bool printing = canvas.IsPrinting();
    const int height = FontHeight(printing);
    canvas.SetFont(ReportFont(height, false));
    const int W = printing ? kPrintPageWidth : std::max(page.nClientWidth, 1);
    const int L = printing ? height : height / 2;
    const int gap = 2 * height;

    // A run of lines with the same number of fields is one table: its first column as wide as
    // its widest label, each further column right-aligned after the widest value.
    std::vector<std::vector<int>> rights(rows.size());
    int widest = 0;
    for (size_t first = 0; first < rows.size();) {
        size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1].size() == rows[first].size()) ++last;
        std::vector<int> widths(rows[first].size(), 0);
        for (size_t r = first; r <= last; ++r) {
            for (size_t c = 0; c < rows[r].size(); ++c) {
                widths[c] = std::max(widths[c], canvas.GetTextExtent(rows[r][c]).cx);
            }
        }
        // A table wider than the page closes its gaps up to half a line, then runs past the
        // page: the screen scrolls to it.
        int used = 0;
        for (const int width : widths) used += width;
        const int gaps = static_cast<int>(widths.size()) - 1;
        const int columnGap =
            gaps == 0 ? gap : std::clamp((W - 2 * L - used) / gaps, height / 2, gap);
        std::vector<int> right(widths.size());
        int x = L;
        for (size_t c = 0; c < widths.size(); ++c) {
            x += (c == 0 ? widths[c] : columnGap + widths[c]);
            right[c] = x;
        }
        for (size_t r = first; r <= last; ++r) rights[r] = right;
        widest = std::max(widest, x);
        first = last + 1;
    }

    // Printed, one page's share of the lines; on screen all of them.
    size_t begin = 0;
    size_t end = rows.size();
    if (printing) {
        const size_t per = static_cast<size_t>(LinesPerPage(page));
        begin = std::min(rows.size(), per * static_cast<size_t>(std::max(page.nPageNumber, 1) - 1));
        end = std::min(rows.size(), begin + per);
    }
    int y = -height;
    for (size_t r = begin; r < end; ++r) {
        const std::vector<std::string>& fields = rows[r];
        canvas.SetFont(ReportFont(height, r == 0));
        canvas.SetTextAlign(kAlignLeft | kAlignTop);
        if (!fields[0].empty()) canvas.TextOut(L, y, fields[0]);
        canvas.SetTextAlign(kAlignRight | kAlignTop);
        for (size_t c = 1; c < fields.size(); ++c) {
            if (!fields[c].empty()) canvas.TextOut(rights[r][c], y, fields[c]);
        }
        y -= height;
    }
    canvas.SetTextAlign(kAlignLeft | kAlignTop);
    if (printing) return {PageScrollSizes(W, kPrintPageHeight), DrawResult::Copy::kText, text};
    // On screen the scroll ends at the last line and at the widest table.
    const int H = std::max(-y + height, page.nClientHeight);
    ScrollSizes sizes = PageScrollSizes(std::max(W, widest + L), H);
    sizes.nTotalHeight = H;
    return {sizes, DrawResult::Copy::kText, text};
}
