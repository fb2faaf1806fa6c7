#pragma once

#include "CanvasView.h"

class CQuarnDoc;

// The pages a print of the kind has: 3 for the input data report, else 1.
int PrintPageCount(int kind);

// Paints pages first..last of the document's current kind onto printer as File > Print lays
// them out; printerOutput only for a real printer. client: the size of the pane on screen,
// which the drawing code is given too. False when the printer cannot be painted on.
bool PrintDocumentPages(CQuarnDoc& doc, QPrinter& printer, bool printerOutput, int first, int last,
                        QSize client);

// The results pane of a project window: draws the document's current view kind through the
// core's drawing code.
class CQuarnView : public CCanvasView {
    Q_OBJECT

  public:
    CQuarnView(CQuarnDoc& doc, QWidget* parent = nullptr);

    CQuarnDoc& Document() const { return m_doc; }

    // The pages a print of the current kind has: 3 for the input data report, else 1.
    int PageCount() const override;

  protected:
    DrawResult DrawContent(ICanvas& canvas, const ViewPage& page) override;
    void ContentDrawn(const DrawResult& drawn) override;
    bool PrintRange(QPrinter& printer, bool printerOutput, int first, int last,
                    QSize client) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    CQuarnDoc& m_doc;
    // The kind the last drawing showed, recorded in the document once the painter is done.
    int m_nDrawnKind = 0;
};
