#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "DocumentHost.h"
#include "GuiMessages.h"

class CMainFrame;
class CQuarnDoc;
class QPrinter;
struct StartupCommand;

// The application: profile settings, the "Space" document type with its open documents, and the
// file commands. Constructed after QApplication; InitInstance starts the program.
class CQuarnApp : public QObject, public IDocumentHost {
    Q_OBJECT

  public:
    // messages: where documents report to (tests pass a recorder); null for message boxes.
    explicit CQuarnApp(CGuiMessages* messages = nullptr);
    ~CQuarnApp() override;

    // Start-up; arguments as QApplication::arguments() gives them (program name first).
    bool InitInstance(const QStringList& arguments);
    // Start-up with the main window; false for a command that wants none (print, help...).
    bool InitInstance(const StartupCommand& command);

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CGuiMessages& Messages() const override { return *m_pMessages; }
    QSettings& Settings() { return *m_pSettings; }
    QPrinter& Printer() override;

    // ---- The document template "Space" ----
    static constexpr const char* kDocName = "Space";
    static constexpr const char* kFilter = "Thermavo Files (*.Spc)";
    static constexpr const char* kExtension = ".Spc";

    // File New: a fresh project in a new project window; null when it could not be made.
    CQuarnDoc* OnFileNew() override;
    // File Open with a dialog, and opening a named file (also from the recent list).
    void OnFileOpen() override;
    CQuarnDoc* OpenDocumentFile(const QString& path) override;
    // Save / Save As; false when cancelled or failed.
    bool DoSave(CQuarnDoc& doc, bool saveAs) override;
    // Asks about unsaved changes; false when the user cancels.
    bool SaveModified(CQuarnDoc& doc) override;
    // Closes every window of the document (after the save question).
    void CloseDocument(CQuarnDoc& doc) override;

    // The name windows show: the file's name, or "Space1", "Space2"... for a new project.
    QString DocumentTitle(const CQuarnDoc& doc) const override;
    // Frees a document whose last window has gone.
    void ReleaseDocument(CQuarnDoc* doc) override;
    const std::vector<CQuarnDoc*> Documents() const override;

    QStringList RecentFiles() const override { return m_recentFiles; }
    void AddToRecentFileList(const QString& path);

    // Whether the command line asks for the splash screen.
    bool SplashWanted() const { return m_bShowSplash; }

  private:
    struct DocRecord {
        std::unique_ptr<CQuarnDoc> doc;
        QString untitledName;
    };
    CQuarnDoc* AddDocument(std::unique_ptr<CQuarnDoc> doc);
    void LoadRecentFiles();
    void SaveRecentFiles();
    void ApplyCommandLine(const StartupCommand& command);

    std::unique_ptr<CGuiMessages> m_pOwnMessages;
    CGuiMessages* m_pMessages;
    std::unique_ptr<QSettings> m_pSettings;
    std::unique_ptr<QPrinter> m_pPrinter;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::vector<DocRecord> m_docs;
    int m_nUntitledCount = 0;
    QStringList m_recentFiles;
    bool m_bShowSplash = true;
};

// The organization and application names of the profile settings.
inline constexpr const char* kSettingsOrganization = "Thermavo Project";
inline constexpr const char* kSettingsApplication = "Thermavo";
