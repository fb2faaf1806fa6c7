#pragma once

#include <QMdiSubWindow>

class CQuarnDoc;
class CQuarnView;
class CSummaryView;
class QCloseEvent;
class QSplitter;

// A project window: the summary pane (at least 280 pixels) on the left and the results pane on
// the right, which is the active pane. It knows nothing of the window that holds it: it tells
// of its closing and its end by signals.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    static constexpr int kSummaryWidth = 280;

    explicit CChildFrame(CQuarnDoc& doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    // The summary pane's initial width: its form, whole, and never less than kSummaryWidth.
    int SummaryWidth() const;

    CQuarnDoc& Document() const { return m_doc; }
    CQuarnView* View() const { return m_pView; }
    CSummaryView* Summary() const { return m_pSummary; }
    QSplitter* Splitter() const { return m_pSplitter; }

    // Both panes redraw from the document.
    void UpdateViews();
    // "Space1", or "Space1:2" when the document has several windows; the title bar adds the
    // platform's mark while the project has unsaved changes (setWindowModified).
    void SetFrameTitle(const QString& title);
    const QString& FrameTitle() const { return m_strTitle; }
    // Moves the focus to the other pane (F6, Shift+F6).
    void NextPane();
    // Closes without the close request (the save question was asked for the whole document).
    void CloseWithoutAsking();

  signals:
    // The user asks to close the window; a receiver that ignores the event keeps it open.
    // Receivers are called at once, before the window decides.
    void CloseRequested(CChildFrame* frame, QCloseEvent* event);
    // The window has closed and is about to be deleted.
    void Closed(CChildFrame* frame);
    // The window is being deleted; its panes are gone, its document is still there.
    void Destroying(CChildFrame* frame);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    CQuarnDoc& m_doc;
    QSplitter* m_pSplitter;
    CSummaryView* m_pSummary;
    CQuarnView* m_pView;
    bool m_bAsked = false;
    QString m_strTitle;
};
