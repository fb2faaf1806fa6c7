#include "QuarnApp.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>

#include "AppStrings.h"
#include "MainFrame.h"
#include "SplashScreen.h"
#include "StartupCommand.h"
#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "views/ViewKinds.h"

CQuarnApp::CQuarnApp(CGuiMessages* messages) {
    if (messages == nullptr) {
        m_pOwnMessages = std::make_unique<CGuiMessages>();
        messages = m_pOwnMessages.get();
    }
    m_pMessages = messages;
}

CQuarnApp::~CQuarnApp() {
    // Windows go before the documents they show.
    m_pMainFrame.reset();
    m_docs.clear();
}

bool CQuarnApp::InitInstance(const QStringList& arguments) {
    return InitInstance(ParseStartupCommand(arguments));
}

bool CQuarnApp::InitInstance(const StartupCommand& command) {
    if (command.action != StartupCommand::Action::kOpen) return false;
    // 1. The splash decision comes from the command line alone.
    m_bShowSplash = command.bSplash;
    CSplashWnd::EnableSplashScreen(m_bShowSplash);

    // 3. The profile settings and the recent files.
    QApplication::setOrganizationName(kSettingsOrganization);
    QApplication::setApplicationName(kSettingsApplication);
    // No display name: the platform would append it to every window title, and the main
    // window's title names the program already.
    m_pSettings = std::make_unique<QSettings>(kSettingsOrganization, kSettingsApplication);
    LoadRecentFiles();

    // 5. The main frame over the desktop's work area; it asks for the splash screen itself.
    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    m_pMessages->SetParentWidget(m_pMainFrame.get());

    // 7. The command line: the projects named, or a new one.
    ApplyCommandLine(command);
    m_pMainFrame->show();
    return true;
}

void CQuarnApp::ApplyCommandLine(const StartupCommand& command) {
    if (command.files.isEmpty()) {
        OnFileNew();
        return;
    }
    for (const QString& file : command.files) OpenDocumentFile(file);
}

QPrinter& CQuarnApp::Printer() {
    if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

CQuarnDoc* CQuarnApp::AddDocument(std::unique_ptr<CQuarnDoc> doc) {
    CQuarnDoc* raw = doc.get();
    m_docs.push_back({std::move(doc), QString()});
    raw->SetViewUpdater([this, raw] {
        if (m_pMainFrame) m_pMainFrame->UpdateViewsOf(raw);
    });
    return raw;
}

CQuarnDoc* CQuarnApp::OnFileNew() {
    auto doc = std::make_unique<CQuarnDoc>(*m_pMessages);
    if (!doc->OnNewDocument()) return nullptr;
    CQuarnDoc* raw = AddDocument(std::move(doc));
    m_docs.back().untitledName = QString("%1%2").arg(kDocName).arg(++m_nUntitledCount);
    m_pMainFrame->CreateChildFrame(*raw);
    return raw;
}

void CQuarnApp::OnFileOpen() {
    const QString path =
        QFileDialog::getOpenFileName(m_pMainFrame.get(), "Open", QString(), kFilter);
    if (!path.isEmpty()) OpenDocumentFile(path);
}

CQuarnDoc* CQuarnApp::OpenDocumentFile(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    // An open project is shown again rather than loaded twice.
    for (const DocRecord& record : m_docs) {
        if (QFileInfo(ToQString(record.doc->GetPathName())).absoluteFilePath() == full) {
            m_pMainFrame->ActivateDocument(*record.doc);
            return record.doc.get();
        }
    }
    auto doc = std::make_unique<CQuarnDoc>(*m_pMessages);
    const LoadStatus status = LoadProject(*doc, FromQString(full));
    if (status == LoadStatus::kFailed) return nullptr;
    CQuarnDoc* raw = AddDocument(std::move(doc));
    if (status == LoadStatus::kNewerVersion) {
        // The document became a new project: it gets a new name, not the file's.
        raw->SetPathName(std::string());
        m_docs.back().untitledName = QString("%1%2").arg(kDocName).arg(++m_nUntitledCount);
    } else {
        AddToRecentFileList(full);
    }
    // A project opens on the kind it was saved with.
    raw->m_nViewKind = RestoredViewKind(raw->m_nViewKind);
    m_pMainFrame->CreateChildFrame(*raw);
    return raw;
}

bool CQuarnApp::DoSave(CQuarnDoc& doc, bool saveAs) {
    QString path = ToQString(doc.GetPathName());
    if (saveAs || path.isEmpty()) {
        const QString suggested = path.isEmpty() ? DocumentTitle(doc) + kExtension : path;
        path = QFileDialog::getSaveFileName(m_pMainFrame.get(), "Save As", suggested, kFilter);
        if (path.isEmpty()) return false;
        if (QFileInfo(path).suffix().isEmpty()) path += kExtension;
    }
    // The core writes a temporary file and renames it, so a failed save keeps the old file.
    if (!SaveProject(doc, FromQString(path))) return false;
    AddToRecentFileList(QFileInfo(path).absoluteFilePath());
    m_pMainFrame->UpdateTitles();
    return true;
}

bool CQuarnApp::SaveModified(CQuarnDoc& doc) {
    if (!doc.IsModified()) return true;
    switch (m_pMessages->AskSaveChanges(DocumentTitle(doc))) {
        case CGuiMessages::SaveAnswer::kSave:
            return DoSave(doc, false);
        case CGuiMessages::SaveAnswer::kDiscard:
            return true;
        case CGuiMessages::SaveAnswer::kCancel:
            break;
    }
    return false;
}

void CQuarnApp::CloseDocument(CQuarnDoc& doc) {
    if (!SaveModified(doc)) return;
    m_pMainFrame->CloseFramesOf(doc);
}

QString CQuarnApp::DocumentTitle(const CQuarnDoc& doc) const {
    if (!doc.GetPathName().empty()) return QFileInfo(ToQString(doc.GetPathName())).fileName();
    for (const DocRecord& record : m_docs)
        if (record.doc.get() == &doc) return record.untitledName;
    return kDocName;
}

void CQuarnApp::ReleaseDocument(CQuarnDoc* doc) {
    std::erase_if(m_docs, [doc](const DocRecord& record) { return record.doc.get() == doc; });
}

const std::vector<CQuarnDoc*> CQuarnApp::Documents() const {
    std::vector<CQuarnDoc*> docs;
    for (const DocRecord& record : m_docs) docs.push_back(record.doc.get());
    return docs;
}

void CQuarnApp::LoadRecentFiles() {
    m_recentFiles.clear();
    m_pSettings->beginGroup("Recent File List");
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString path = m_pSettings->value(QString("File%1").arg(i)).toString();
        if (!path.isEmpty()) m_recentFiles << path;
    }
    m_pSettings->endGroup();
}

void CQuarnApp::SaveRecentFiles() {
    m_pSettings->beginGroup("Recent File List");
    m_pSettings->remove("");
    for (int i = 0; i < m_recentFiles.size(); ++i)
        m_pSettings->setValue(QString("File%1").arg(i + 1), m_recentFiles[i]);
    m_pSettings->endGroup();
}

void CQuarnApp::AddToRecentFileList(const QString& path) {
    m_recentFiles.removeAll(path);
    m_recentFiles.prepend(path);
    while (m_recentFiles.size() > kRecentFileCount) m_recentFiles.removeLast();
    SaveRecentFiles();
    if (m_pMainFrame) m_pMainFrame->UpdateRecentFileMenu();
}
