#pragma once

#include <functional>
#include <string>

#include "draw/Canvas.h"
#include "views/ViewDrawing.h"

class CQuarnDoc;

// The pages of the input data report (kind 202) in the printed layout.
constexpr int kInputDataPages = 3;

// thermavo-cli render FILE.Spc KIND -o OUT.svg|OUT.pdf [--print] [--page N]
//                    [--output-units english|metric]
// Draws any view kind, graphs too: SVG in the screen layout (or with --print the printed
// layout, page N of the input data report), PDF always in the printed layout, every page.
// outputUnits is 0 or 1 to show the project in that unit system, -1 for its own. Returns the
// exit code.
int RunRender(CQuarnDoc& doc, const char* path, int kind, const std::string& outPath, bool print,
              int page, int outputUnits);

// Draws a drawing that is not a view of one project (the block load summary): SVG in the
// screen layout, PDF in the printed layout, as many pages as pages answers for the printed
// page. Returns the exit code.
int RenderDrawing(const std::function<DrawResult(ICanvas&, const ViewPage&)>& draw,
                  const std::function<int(const ViewPage&)>& pages, const std::string& outPath);
