#pragma once

// What the shell and view suites share: a private configuration folder, a recorder in place
// of message boxes, the example office as a project file, and a started program.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "ChildFrame.h"
#include "GuiMessages.h"
#include "MainFrame.h"
#include "QuarnApp.h"
#include "QuarnView.h"
#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "input/ProjectDescription.h"
#include "paths/InstallDir.h"

// Records what would have been shown; the save question gets a chosen answer.
class CRecordingMessages : public CGuiMessages {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ReportFileError(const std::string& path, const std::string&) override {
        fileErrors.push_back(path);
    }
    SaveAnswer AskSaveChanges(const QString& name) override {
        asked.push_back(name);
        return answer;
    }
    bool AskOkCancel(const QString& text) override {
        asked.push_back(text);
        return okAnswer;
    }
    bool Said(const std::string& text) const {
        return std::find(messages.begin(), messages.end(), text) != messages.end();
    }
    void Clear() {
        messages.clear();
        fileErrors.clear();
        asked.clear();
    }

    std::vector<std::string> messages, fileErrors;
    QStringList asked;
    SaveAnswer answer = SaveAnswer::kDiscard;
    bool okAnswer = true;
};

// The configuration folder (options file and settings) must be private to the run; it has to
// be set before the application object reads any path.
inline QTemporaryDir& ConfigHome() {
    static QTemporaryDir dir;
    return dir;
}
inline void UsePrivateConfig() {
    qputenv("XDG_CONFIG_HOME", ConfigHome().path().toUtf8());
    g_strInstallDir = THERMAVO_DATA_DIR;
}

// The bundled example office, built through its description and saved as a project file
// showing the view kind given.
inline QString BuildOfficeFile(const QString& folder, int viewKind = 101,
                               const QString& name = "office.Spc") {
    CRecordingMessages messages;
    CQuarnDoc doc(messages);
    doc.OnNewDocument();
    std::ifstream in(std::string(THERMAVO_SOURCE_DIR) + "/examples/office.json");
    if (!in || ApplyProjectDescription(doc, nlohmann::json::parse(in))) return QString();
    const QString path = QDir(folder).filePath(name);
    doc.m_nViewKind = viewKind;
    return SaveProject(doc, path.toStdString()) ? path : QString();
}

// A document holding the example office, with the chosen input units, unmodified and with
// nothing recorded yet.
struct OfficeDoc {
    explicit OfficeDoc(int inputUnits = 0) : doc(messages) {
        doc.OnNewDocument();
        std::ifstream in(std::string(THERMAVO_SOURCE_DIR) + "/examples/office.json");
        ok = in && !ApplyProjectDescription(doc, nlohmann::json::parse(in));
        doc.m_nInputUnits = inputUnits;
        doc.SetModifiedFlag(false);
        messages.Clear();
    }
    CRecordingMessages messages;
    CQuarnDoc doc;
    bool ok = false;
};

// A started program; the splash stays away so that keys reach the views.
struct RunningApp {
    explicit RunningApp(const QStringList& extra = {}) : app(&messages) {
        app.InitInstance(QStringList{"thermavo", "-nosplash"} + extra);
    }
    CMainFrame& Frame() { return *app.MainFrame(); }
    CQuarnDoc* Doc() { return Frame().ActiveDoc(); }
    CQuarnView* View() { return Frame().ActiveFrame()->View(); }
    // Lays out pending geometry first: a pane without a size draws nothing.
    void Draw() {
        QCoreApplication::sendPostedEvents();
        View()->viewport()->grab();
    }
    void Trigger(int id) { Frame().FindAction(id)->trigger(); }
    bool Enabled(int id) { return Frame().FindAction(id)->isEnabled(); }

    CRecordingMessages messages;
    CQuarnApp app;
};

#define THERMAVO_APP_TEST_MAIN(TestClass)       \
    int main(int argc, char** argv) {           \
        UsePrivateConfig();                     \
        QApplication application(argc, argv);   \
        TestClass test;                         \
        return QTest::qExec(&test, argc, argv); \
    }
