#pragma once

#include <QMdiSubWindow>

class CMainFrame;
class CQuarnApp;
class CQuarnDoc;
class CQuarnView;
class CSummaryView;
class QSplitter;

// A project window: the summary pane (at least 280 pixels) on the left and the results pane on
// the right, which is the active pane.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    static constexpr int kSummaryWidth = 280;

    CChildFrame(CQuarnApp& app, CMainFrame& mainFrame, CQuarnDoc& doc);
    ~CChildFrame() override;

    // The summary pane's initial width: its form, whole, and never less than kSummaryWidth.
    int SummaryWidth() const;

    CQuarnDoc& Document() const { return m_doc; }
    CQuarnView* View() const { return m_pView; }
    CSummaryView* Summary() const { return m_pSummary; }
    QSplitter* Splitter() const { return m_pSplitter; }

    // Both panes redraw from the document.
    void UpdateViews();
    // "Space1", or "Space1:2" when the document has several windows.
    void SetFrameTitle(const QString& title);
    // Moves the focus to the other pane (F6, Shift+F6).
    void NextPane();
    // Closes without the save question (it was asked for the whole document already).
    void CloseWithoutAsking();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    CQuarnApp& m_app;
    CMainFrame& m_mainFrame;
    CQuarnDoc& m_doc;
    QSplitter* m_pSplitter;
    CSummaryView* m_pSummary;
    CQuarnView* m_pView;
    bool m_bAsked = false;
};
