// The main window's project windows: making, finding, titling and closing them.
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMdiArea>
#include <QMimeData>
#include <QSplitter>
#include <QUrl>
#include <algorithm>
#include <map>

#include "AppStrings.h"
#include "BlockFrame.h"
#include "ChildFrame.h"
#include "DocumentHost.h"
#include "GuiMessages.h"
#include "MainFrame.h"
#include "QuarnView.h"
#include "document/QuarnDoc.h"

CChildFrame* CMainFrame::CreateChildFrame(CQuarnDoc& doc) {
    auto* frame = new CChildFrame(doc);
    connect(frame, &CChildFrame::CloseRequested, this, &CMainFrame::OnFrameCloseRequested);
    connect(frame, &CChildFrame::Closed, this, &CMainFrame::OnFrameClosed);
    connect(frame, &CChildFrame::Destroying, this, &CMainFrame::OnFrameDestroyed);
    connect(frame->View(), &CQuarnView::Drawn, this, [this] {
        UpdateModifiedMarks();
        UpdateCommandUI();
    });
    connect(frame->View(), &CQuarnView::ZoomChanged, this, [this, frame] {
        if (frame == ActiveFrame()) UpdateZoomStatus();
    });
    m_frames.push_back(frame);
    m_pMdiArea->addSubWindow(frame);
    // Before the main window is first shown its client area has no size yet.
    if (layout() != nullptr && !isVisible()) layout()->setGeometry(rect());
    // Top left, full width, 183/200 of the height of the client area.
    const QSize client = m_pMdiArea->contentsRect().size();
    frame->setGeometry(0, 0, client.width(), client.height() * 183 / 200);
    frame->show();
    frame->Splitter()->setSizes(
        {frame->SummaryWidth(), std::max(100, client.width() - frame->SummaryWidth())});
    // A new window shows the layout at 100 % unless the user asked for Fit Width.
    if (FindAction(cmd::kFitWidthOnOpen)->isChecked())
        frame->View()->SetFit(CQuarnView::ZoomFit::kWidth);
    m_pMdiArea->setActiveSubWindow(frame);
    frame->View()->setFocus();
    SwitchMenu(kMenuBarProject);
    UpdateTitles();
    UpdateCommandUI();
    UpdateZoomStatus();
    return frame;
}

void CMainFrame::ActivateDocument(CQuarnDoc& doc) {
    for (CChildFrame* frame : m_frames) {
        if (&frame->Document() == &doc) {
            m_pMdiArea->setActiveSubWindow(frame);
            return;
        }
    }
}

void CMainFrame::CloseFramesOf(CQuarnDoc& doc) {
    const auto frames = m_frames;
    for (CChildFrame* frame : frames)
        if (&frame->Document() == &doc) frame->CloseWithoutAsking();
}

void CMainFrame::UpdateViewsOf(const CQuarnDoc* doc) {
    for (CChildFrame* frame : m_frames)
        if (&frame->Document() == doc) frame->UpdateViews();
    RebuildBlocksOf(doc);
    UpdateModifiedMarks();
    UpdateCommandUI();
}

void CMainFrame::UpdateTitles() {
    std::map<const CQuarnDoc*, int> counts, numbers;
    for (CChildFrame* frame : m_frames) ++counts[&frame->Document()];
    for (CChildFrame* frame : m_frames) {
        const CQuarnDoc* doc = &frame->Document();
        QString title = m_host.DocumentTitle(*doc);
        if (counts[doc] > 1) title += QString(":%1").arg(++numbers[doc]);
        frame->SetFrameTitle(title);
    }
    UpdateModifiedMarks();
    CChildFrame* active = ActiveFrame();
    const CBlockFrame* block = ActiveBlock();
    setWindowTitle(active  ? QString("%1 - %2").arg(kAppTitle, active->FrameTitle())
                   : block ? QString("%1 - %2").arg(kAppTitle, block->Title())
                           : QString(kAppTitle));
}

void CMainFrame::UpdateModifiedMarks() {
    for (CChildFrame* frame : m_frames) frame->setWindowModified(frame->Document().IsModified());
}

void CMainFrame::OnFrameCloseRequested(CChildFrame* frame, QCloseEvent* event) {
    // The last window of a document closes the document: ask about unsaved changes first.
    CQuarnDoc& doc = frame->Document();
    const auto windows =
        std::count_if(m_frames.begin(), m_frames.end(),
                      [&doc](const CChildFrame* f) { return &f->Document() == &doc; });
    if (windows == 1 && !m_host.SaveModified(doc)) event->ignore();
}

void CMainFrame::OnFrameClosed(CChildFrame* frame) {
    std::erase(m_frames, frame);
    const CQuarnDoc* doc = &frame->Document();
    if (std::none_of(m_frames.begin(), m_frames.end(),
                     [doc](const CChildFrame* other) { return &other->Document() == doc; })) {
        CloseInputDialogsOf(doc);
        CloseBlocksOf(doc);
    }
    if (m_frames.empty()) SwitchMenu(kMenuBarNoProject);
    UpdateTitles();
    UpdateCommandUI();
}

void CMainFrame::OnFrameDestroyed(CChildFrame* frame) {
    std::erase(m_frames, frame);
    CQuarnDoc* doc = &frame->Document();
    bool shown = false;
    for (CChildFrame* other : m_frames)
        if (&other->Document() == doc) shown = true;
    if (!shown) {
        CloseInputDialogsOf(doc);
        CloseBlocksOf(doc);
        m_host.ReleaseDocument(doc);
    }
    if (m_bClosing) return;
    if (m_frames.empty()) SwitchMenu(kMenuBarNoProject);
    UpdateTitles();
    UpdateCommandUI();
}

void CMainFrame::ArrangeIcons() {
    const QRect area = m_pMdiArea->viewport()->rect();
    int x = area.left();
    int bottom = area.bottom() + 1;
    int rowHeight = 0;
    for (CChildFrame* frame : m_frames) {
        if (!frame->isMinimized()) continue;
        const QSize size = frame->size();
        // A full row starts the next one above it.
        if (x > area.left() && x + size.width() > area.right() + 1) {
            x = area.left();
            bottom -= rowHeight;
            rowHeight = 0;
        }
        frame->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

CChildFrame* CMainFrame::ActiveFrame() const {
    auto* frame = qobject_cast<CChildFrame*>(m_pMdiArea->currentSubWindow());
    // A frame on its way out no longer counts.
    if (frame && std::find(m_frames.begin(), m_frames.end(), frame) == m_frames.end())
        return nullptr;
    return frame;
}

CQuarnDoc* CMainFrame::ActiveDoc() const {
    CChildFrame* frame = ActiveFrame();
    return frame ? &frame->Document() : nullptr;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Every modified project is asked about; a cancel keeps the program open.
    for (CQuarnDoc* doc : m_host.Documents()) {
        if (!m_host.SaveModified(*doc)) {
            event->ignore();
            return;
        }
    }
    for (CQuarnDoc* doc : m_host.Documents()) CloseFramesOf(*doc);
    event->accept();
}

// ---- Dropped files ----

namespace {
QStringList LocalFiles(const QMimeData* data) {
    QStringList paths;
    if (data == nullptr) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    return paths;
}
}  // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QStringList paths = LocalFiles(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    // Opened after the drop has ended: a message box inside it would keep the program the
    // files came from waiting until the box is closed.
    QMetaObject::invokeMethod(
        this, [this, paths] { OpenDroppedFiles(paths); }, Qt::QueuedConnection);
}

void CMainFrame::OpenDroppedFiles(const QStringList& paths) {
    QStringList others;
    for (const QString& path : paths) {
        // Project files are named *.Spc, but other systems may have changed the case.
        if (QFileInfo(path).suffix().compare("spc", Qt::CaseInsensitive) == 0)
            m_host.OpenDocumentFile(path);
        else
            others << QDir::toNativeSeparators(path);
    }
    if (others.isEmpty()) return;
    const QString text =
        others.size() == 1
            ? QString("%1\nis not a Thermavo project file (.Spc) and was not opened.")
                  .arg(others.first())
            : QString(
                  "These files are not Thermavo project files (.Spc) and were not "
                  "opened:\n%1")
                  .arg(others.join('\n'));
    m_host.Messages().ShowMessage(text.toStdString());
}
