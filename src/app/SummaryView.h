#pragma once

#include <QLabel>
#include <QScrollArea>
#include <array>

#include "views/SummaryText.h"

class CQuarnDoc;

// One sunken box of the summary pane: plain text, tab stops every eight average characters
// as a static text control expands them, clipped at the box's edges.
class CSummaryBox : public QFrame {
    Q_OBJECT

  public:
    explicit CSummaryBox(QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const { return m_text; }
    // The width the box needs to show its longest line whole, frame included.
    int NeededWidth() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_text;
};

// The summary pane: the key project inputs in eight sunken boxes under
// "KEY PROJECT INPUT VARIABLES", refreshed from the document whenever its views update.
class CSummaryView : public QScrollArea {
    Q_OBJECT

  public:
    CSummaryView(CQuarnDoc& doc, QWidget* parent = nullptr);

    // Takes the texts from the document; boxes without new text keep what they showed. Boxes
    // widen (never narrow) when a text would not fit, so that no value is cut off; true when
    // they did.
    bool Refresh();

    const SummaryText& Text() const { return m_text; }
    CSummaryBox* Box(int index) const { return m_boxes[index]; }
    QLabel* Heading() const { return m_pHeading; }

  private:
    CQuarnDoc& m_doc;
    SummaryText m_text;
    QLabel* m_pHeading;
    std::array<CSummaryBox*, 8> m_boxes{};
};
