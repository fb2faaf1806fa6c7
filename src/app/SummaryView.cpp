#include "SummaryView.h"

#include <QPainter>
#include <QTextOption>
#include <algorithm>

#include "AppStrings.h"

namespace {
// The boxes' tops and heights in dialog units of the form, 171 units wide from x = 7.
struct BoxPlace {
    int y, height;
};
constexpr BoxPlace kPlaces[8] = {{20, 15},  {41, 22},  {69, 15},  {90, 15},
                                 {111, 15}, {132, 64}, {202, 29}, {237, 20}};
// Dialog units to pixels for the form's font: a quarter of the average character width across,
// an eighth of the line height down, so that the texts fit whatever font the system has.
struct DialogUnits {
    explicit DialogUnits(const QFontMetrics& metrics)
        : nCharWidth(metrics.averageCharWidth()), nCharHeight(metrics.height()) {}
    int X(int units) const { return units * nCharWidth / 4; }
    int Y(int units) const { return units * nCharHeight / 8; }
    int nCharWidth, nCharHeight;
};
}  // namespace

CSummaryBox::CSummaryBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void CSummaryBox::setText(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    update();
}

int CSummaryBox::NeededWidth() const {
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, 100000, 100000),
                                                  Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs,
                                                  m_text, fontMetrics().averageCharWidth() * 8);
    const QMargins frame = contentsMargins();
    return text.width() + frame.left() + frame.right() + 3 + 2 + 2;
}

void CSummaryBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setTabStopDistance(fontMetrics().averageCharWidth() * 8);
    option.setWrapMode(QTextOption::NoWrap);
    painter.setClipRect(contentsRect());
    painter.drawText(QRectF(contentsRect().adjusted(3, 1, -2, -1)), m_text, option);
}

CSummaryView::CSummaryView(CQuarnDoc& doc, QWidget* parent) : QScrollArea(parent), m_doc(doc) {
    auto* form = new QWidget;
    // The form's 8-point font: the boxes were laid out for it.
    QFont font = form->font();
    font.setPointSize(8);
    form->setFont(font);
    const DialogUnits dlu{QFontMetrics(font)};
    form->setFixedSize(dlu.X(185), dlu.Y(271));
    m_pHeading = new QLabel("KEY PROJECT INPUT VARIABLES", form);
    m_pHeading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_pHeading->setGeometry(dlu.X(7), dlu.Y(8), dlu.X(171), dlu.Y(11));
    for (int i = 0; i < 8; ++i) {
        auto* box = new CSummaryBox(form);
        box->setGeometry(dlu.X(7), dlu.Y(kPlaces[i].y), dlu.X(171), dlu.Y(kPlaces[i].height));
        m_boxes[i] = box;
    }
    setWidget(form);
    setFrameShape(QFrame::NoFrame);
    setMinimumWidth(60);
    Refresh();
}

bool CSummaryView::Refresh() {
    m_text = BuildSummaryText(m_doc, m_text);
    const std::string* texts[8] = {&m_text.strProject,   &m_text.strStation,   &m_text.strLatitude,
                                   &m_text.strLongitude, &m_text.strElevation, &m_text.strOutside,
                                   &m_text.strInside,    &m_text.strUnits};
    int needed = 0;
    for (int i = 0; i < 8; ++i) {
        m_boxes[i]->setText(ToQString(*texts[i]));
        needed = std::max(needed, m_boxes[i]->NeededWidth());
    }
    const int extra = needed - m_boxes[0]->width();
    if (extra <= 0) return false;
    QWidget* form = widget();
    form->setFixedWidth(form->width() + extra);
    m_pHeading->resize(m_pHeading->width() + extra, m_pHeading->height());
    for (CSummaryBox* box : m_boxes) box->resize(box->width() + extra, box->height());
    return true;
}
