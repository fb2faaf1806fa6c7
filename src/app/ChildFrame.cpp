#include "ChildFrame.h"

#include <QCloseEvent>
#include <QSplitter>
#include <algorithm>

#include "QuarnView.h"
#include "SplashScreen.h"
#include "SummaryView.h"

CChildFrame::CChildFrame(CQuarnDoc& doc, QWidget* parent) : QMdiSubWindow(parent), m_doc(doc) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(DrawThermavoEmblem(32)));
    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pSummary = new CSummaryView(doc, m_pSplitter);
    m_pView = new CQuarnView(doc, m_pSplitter);
    m_pSplitter->addWidget(m_pSummary);
    m_pSplitter->addWidget(m_pView);
    m_pSplitter->setStretchFactor(0, 0);
    m_pSplitter->setStretchFactor(1, 1);
    m_pSplitter->setCollapsible(1, false);
    m_pSplitter->setSizes({SummaryWidth(), 100});
    setWidget(m_pSplitter);
    // The results pane is the active pane: it takes the keys.
    setFocusProxy(m_pView);
}

CChildFrame::~CChildFrame() {
    // The panes go first: the document may be freed once the frame is gone.
    delete m_pSplitter;
    emit Destroying(this);
}

void CChildFrame::UpdateViews() {
    // A summary that had to widen for its texts gets the room in the pane too.
    if (m_pSummary->Refresh()) {
        QList<int> sizes = m_pSplitter->sizes();
        const int grow = SummaryWidth() - sizes.value(0);
        if (sizes.size() == 2 && grow > 0) {
            sizes[0] += grow;
            sizes[1] = std::max(100, sizes[1] - grow);
            m_pSplitter->setSizes(sizes);
        }
    }
    m_pView->viewport()->update();
}

void CChildFrame::SetFrameTitle(const QString& title) {
    m_strTitle = title;
    setWindowTitle(title + "[*]");
}

void CChildFrame::NextPane() {
    if (m_pView->hasFocus())
        m_pSummary->setFocus();
    else
        m_pView->setFocus();
}

void CChildFrame::CloseWithoutAsking() {
    m_bAsked = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!m_bAsked) {
        emit CloseRequested(this, event);
        if (!event->isAccepted()) return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) emit Closed(this);
}

int CChildFrame::SummaryWidth() const {
    // A little room for the pane's own frame and the splitter's edge.
    const int form = m_pSummary->widget() != nullptr ? m_pSummary->widget()->width() + 4 : 0;
    return std::max(kSummaryWidth, form);
}
