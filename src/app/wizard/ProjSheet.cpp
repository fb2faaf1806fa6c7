#include "ProjSheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <array>

#include "ContextHelp.h"
#include "HelpWindow.h"
#include "document/QuarnDoc.h"
#include "input/ConstructionTrees.h"

QString ProjPageTitle(int page) {
    return QStringLiteral("General Project Data Input - Page %1 of 14").arg(page);
}

namespace {

using PageFactory = CProjPageBase* (*)(QWidget*);
constexpr std::array<PageFactory, 14> kFactories = {
    CreateProjPage1,  CreateProjPage2,  CreateProjPage3,  CreateProjPage4, CreateProjPage5,
    CreateProjPage6,  CreateProjPage7,  CreateProjPage8,  CreateProjPage9, CreateProjPage10,
    CreateProjPage11, CreateProjPage12, CreateProjPage13, CreateProjPage14};

// The tree pages refuse only Next without a choice; going back needs no choice.
bool IsTreeRefusal(const QString& message) {
    return message == QString::fromUtf8(kNoWallGroupMessage) ||
           message == QString::fromUtf8(kNoBClassMessage);
}

}  // namespace

CProjSheet::CProjSheet(const CGeneralDataValues& values, QWidget* parent)
    : CExchangeWizard(parent), m_values(values) {
    setWindowTitle(QString::fromUtf8(kGeneralDataCaption));
    setSizeGripEnabled(true);
    for (size_t i = 0; i < kFactories.size(); ++i) {
        CProjPageBase* page = kFactories[i](this);
        page->setTitle(ProjPageTitle(static_cast<int>(i) + 1));
        page->LoadValues(m_values);
        setPage(static_cast<int>(i), page);
        m_pages.push_back(page);
    }
    KeepLargestPageSize();
    // Page 13 sends the user to Help for the glass abbreviations.
    SetButtons(true);
    const auto topic = [this] { return GeneralDataPageTopic(currentId() + 1); };
    connect(this, &QWizard::helpRequested, this, [this, topic] { OpenHelpTopic(this, topic()); });
    InstallHelpKey(this, topic);
    ApplyWhatsThis(this, GeneralDataWhatsThis());
}

bool CProjSheet::validateCurrentPage() {
    if (!CExchangeWizard::validateCurrentPage()) return false;
    if (currentId() != static_cast<int>(m_pages.size()) - 1) return true;
    // Finish: the pages never visited still hold the document's values; the command's own
    // check covers them too.
    if (const InputResult error = ValidateGeneralData(m_values)) {
        Report(QString::fromStdString(error->strMessage), nullptr);
        return false;
    }
    return true;
}

bool CProjSheet::StorePage(int id, bool forward) {
    if (id < 0 || id >= static_cast<int>(m_pages.size())) return true;
    CGeneralDataValues stored = m_values;
    QString message;
    QWidget* focus = nullptr;
    if (m_pages[static_cast<size_t>(id)]->StoreValues(stored, message, focus) ||
        (!forward && IsTreeRefusal(message))) {
        m_values = stored;
        return true;
    }
    Report(message, focus);
    return false;
}

void CProjSheet::Report(const QString& message, QWidget* focus) {
    if (m_reporter) {
        m_reporter(message);
    } else {
        QMessageBox::warning(this, windowTitle(), message);
    }
    FocusField(focus);
}

bool RunGeneralDataWizard(QWidget* parent, CQuarnDoc& doc) {
    CProjSheet sheet(FillGeneralData(doc), parent);
    if (sheet.exec() != QDialog::Accepted) return false;
    const CGeneralDataValues& values = sheet.Values();
    if (ValidateGeneralData(values)) return false;  // the sheet refused Finish already
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ApplyGeneralData(doc, values);
    QApplication::restoreOverrideCursor();
    return true;
}
