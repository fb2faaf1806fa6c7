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

bool CGuiMessages::AskOkCancel(const QString& text) {
    return QMessageBox::question(m_pParent, kAppTitle, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

bool AskOkCancel(IUserMessages& messages, const QString& text) {
    if (auto* gui = dynamic_cast<CGuiMessages*>(&messages)) return gui->AskOkCancel(text);
    return QMessageBox::question(nullptr, kAppTitle, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}
