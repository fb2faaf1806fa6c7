#pragma once

#include <QAbstractScrollArea>

#include "draw/Canvas.h"

class CQuarnDoc;
class QPainter;
class QPrinter;
class QPrintPreviewDialog;

// The results pane: draws the document's current view kind through the core's drawing code,
// one logical unit (0.01 inch) to one pixel, scrolled by the sizes the drawing asks for.
class CQuarnView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    CQuarnView(CQuarnDoc& doc, QWidget* parent = nullptr);

    CQuarnDoc& Document() const { return m_doc; }
    const ScrollSizes& LastScrollSizes() const { return m_sizes; }
    bool IsActive() const { return m_bActive; }

    // Prints with the print dialog; false when cancelled.
    bool Print(QPrinter& printer);
    // The print preview dialog on this view's kind (not yet shown; deleted on close).
    QPrintPreviewDialog* CreatePrintPreview(QPrinter& printer);
    // Paints the pages of the current kind onto printer; printerOutput only for a real printer.
    // useRange: honour the from/to pages chosen in the print dialog.
    void PrintPages(QPrinter& printer, bool printerOutput, bool useRange);

    // The pages a print of the current kind has: 3 for the input data report, else 1.
    int PageCount() const;

  signals:
    // After every paint: the document's copy text and availability may have changed.
    void Drawn();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ApplyScrollSizes(const ScrollSizes& sizes);
    void SetActive(bool active);

    CQuarnDoc& m_doc;
    ScrollSizes m_sizes{100, 100, 0, 0, 0, 0};
    bool m_bActive = false;
};
