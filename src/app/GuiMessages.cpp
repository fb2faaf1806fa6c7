#include "GuiMessages.h"

#include <QMessageBox>

void CGuiMessages::ShowMessage(const std::string& text) {
    QMessageBox::information(m_pParent, kAppTitle, QString::fromStdString(text));
}

void CGuiMessages::ReportFileError(const std::string& path, const std::string& cause) {
    QMessageBox::warning(m_pParent, kAppTitle,
                         QString::fromStdString(path) + "\n" + QString::fromStdString(cause));
}

CGuiMessages::SaveAnswer CGuiMessages::AskSaveChanges(const QString& documentName) {
    const auto answer = QMessageBox::question(
        m_pParent, kAppTitle, QString("Save changes to %1?").arg(documentName),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return SaveAnswer::kSave;
    if (answer == QMessageBox::No) return SaveAnswer::kDiscard;
    return SaveAnswer::kCancel;
}
