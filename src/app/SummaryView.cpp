#include "SummaryView.h"

#include <QPainter>
#include <QTextOption>

#include "AppStrings.h"

namespace {
// The boxes' tops and heights in dialog units of the form, 171 units wide from x = 7.
struct BoxPlace {
    int y, height;
};
constexpr BoxPlace kPlaces[8] = {{20, 15},  {41, 22},  {69, 15},  {90, 15},
                                 {111, 15}, {132, 64}, {202, 29}, {237, 20}};
// Dialog units to pixels for the usual 8-point dialog font.
int DluX(int units) { return units * 3 / 2; }
int DluY(int units) { return units * 13 / 8; }
}  // namespace

CSummaryBox::CSummaryBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void CSummaryBox::setText(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    update();
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
    form->setFixedSize(DluX(185), DluY(271));
    m_pHeading = new QLabel("KEY PROJECT INPUT VARIABLES", form);
    m_pHeading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_pHeading->setGeometry(DluX(7), DluY(8), DluX(171), DluY(11));
    for (int i = 0; i < 8; ++i) {
        auto* box = new CSummaryBox(form);
        box->setGeometry(DluX(7), DluY(kPlaces[i].y), DluX(171), DluY(kPlaces[i].height));
        m_boxes[i] = box;
    }
    setWidget(form);
    setFrameShape(QFrame::NoFrame);
    setMinimumWidth(60);
    Refresh();
}

void CSummaryView::Refresh() {
    m_text = BuildSummaryText(m_doc, m_text);
    const std::string* texts[8] = {&m_text.strProject,   &m_text.strStation,   &m_text.strLatitude,
                                   &m_text.strLongitude, &m_text.strElevation, &m_text.strOutside,
                                   &m_text.strInside,    &m_text.strUnits};
    for (int i = 0; i < 8; ++i) m_boxes[i]->setText(ToQString(*texts[i]));
}
