#pragma once

class CQuarnDoc;

// thermavo-cli render FILE.Spc KIND -o OUT.svg|OUT.pdf [--print] [--page N]
//                    [--output-units english|metric]
// Draws any view kind, graphs too: SVG in the screen layout (or with --print the printed
// layout, page N of the input data report), PDF always in the printed layout, every page.
// args are the words after "render". Returns the exit code.
int RunRender(CQuarnDoc& doc, int argc, char** args);
