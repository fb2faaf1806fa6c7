#pragma once

#include <QString>

#include "messages/UserMessages.h"

class QWidget;

// The program's messages as message boxes over the main window. Tests derive from it to record
// what would have been shown instead of blocking on a modal box.
class CGuiMessages : public IUserMessages {
  public:
    enum class SaveAnswer { kSave, kDiscard, kCancel };

    void SetParentWidget(QWidget* parent) { m_pParent = parent; }

    void ShowMessage(const std::string& text) override;
    void ReportFileError(const std::string& path, const std::string& cause) override;

    // The question before a modified project is closed: "Save changes to <name>?".
    virtual SaveAnswer AskSaveChanges(const QString& documentName);
    // A question with OK and Cancel; true for OK.
    virtual bool AskOkCancel(const QString& text);

  protected:
    QWidget* m_pParent = nullptr;
};

// The application title, used as the caption of every message box.
inline constexpr const char* kAppTitle = "Thermavo";

// Asks through the program's messages when they are the GUI's (tests record there), else with
// a message box of its own.
bool AskOkCancel(IUserMessages& messages, const QString& text);
