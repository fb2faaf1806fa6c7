#pragma once

#include "draw/Canvas.h"
#include "views/ViewDrawing.h"

// The page every table, graph and report is laid out on: the fixed print page, or the
// client area (one and a half times it with Display Size Large), W by H logical units.
struct PageSize {
    int nWidth = 0;
    int nHeight = 0;
};

inline PageSize TablePageSize(int displaySize, bool printing, const ViewPage& page) {
    if (printing) return {kPrintPageWidth, kPrintPageHeight};
    if (displaySize == 0) return {(page.nClientWidth * 3) / 2, (page.nClientHeight * 3) / 2};
    return {page.nClientWidth, page.nClientHeight};
}

// Four pages deep, a quarter page across per page step, a tenth / twentieth per line.
inline ScrollSizes PageScrollSizes(int W, int H) { return {W, 4 * H, W / 4, H, W / 10, H / 20}; }
