#include "UvalSheet.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSpinBox>

#include "ContextHelp.h"
#include "HelpWindow.h"
#include "UValueResultDlg.h"
#include "UvalPages.h"
#include "document/QuarnDoc.h"

namespace {

UValueDialogRunner& DialogRunner() {
    static UValueDialogRunner runner;
    return runner;
}

int RunDialog(QDialog& dialog) { return DialogRunner() ? DialogRunner()(dialog) : dialog.exec(); }

}  // namespace

void SetUValueDialogRunner(UValueDialogRunner runner) { DialogRunner() = std::move(runner); }

CUvalSheet::CUvalSheet(const CQuarnDoc& doc, QWidget* parent)
    : CExchangeWizard(parent), m_messages(doc.Messages()) {
    setWindowTitle(QStringLiteral("Calculate U-Value"));
    const QString unit = QString::fromStdString(doc.GetInputThicknessUnit());
    CUValueSelection& s = m_selection;
    m_pages = {new CUvalDlgPage1(s, unit, this), new CUvalDlgPage2(s, unit, this),
               new CUvalDlgPage3(s, unit, this), new CUvalDlgPage4(s, unit, this),
               new CUvalDlgPage5(s, unit, this), new CUvalDlgPage6(s, unit, this),
               new CUvalDlgPage7(s, unit, this), new CUvalDlgPage8(s, unit, this)};
    // Every page as large as the largest, so that the wizard does not change size on the way.
    QSize largest;
    for (CUvalPageBase* page : m_pages) largest = largest.expandedTo(page->sizeHint());
    for (size_t i = 0; i < m_pages.size(); ++i) {
        m_pages[i]->setMinimumSize(largest);
        setPage(static_cast<int>(i), m_pages[i]);
    }
    InstallHelpKey(this, [this] { return UValuePageTopic(currentId() + 1); });
    ApplyWhatsThis(this, UValueWhatsThis());
}

bool CUvalSheet::StorePage(int id, bool forward) {
    if (id < 0 || id >= static_cast<int>(m_pages.size())) return true;
    CUvalPageBase* page = m_pages[static_cast<size_t>(id)];
    CUValueSelection stored = m_selection;
    QString message;
    QWidget* focus = nullptr;
    if (!page->StoreValues(stored, message, focus)) {
        Report(message, focus);
        return false;
    }
    if (const InputResult error = ValidateUValue(stored)) {
        // The films are counted together only when the air films page is left forward (and
        // so before Finish); every count and thickness was checked before it.
        const bool films = error->strMessage == kTwoAirFilmsMessage;
        if (!films || (forward && page->Number() >= 7)) {
            const int field = std::stoi(error->strField);
            QWidget* box = nullptr;
            for (CUvalPageBase* p : m_pages) {
                if (!box) box = p->AmountBox(field);
            }
            Report(QString::fromStdString(error->strMessage), box);
            return false;
        }
    }
    m_selection = stored;
    return true;
}

void CUvalSheet::Report(const QString& message, QWidget* focus) {
    m_messages.ShowMessage(message.toStdString());
    FocusField(focus);
}

double CalcUValue(QWidget* parent, CQuarnDoc& doc) {
    CUvalSheet sheet(doc, parent);
    if (RunDialog(sheet) != QDialog::Accepted) return CancelUValue(doc);
    const double u = FinishUValue(doc, sheet.Selection());
    const std::string text = UValueResultText(u, doc.m_nInputUnits);
    if (!text.empty()) {
        CUValueResultDlg result(QString::fromStdString(text), parent);
        RunDialog(result);
    }
    return u;
}
