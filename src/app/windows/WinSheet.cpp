#include "WinSheet.h"

#include "ContextHelp.h"
#include "HelpWindow.h"
#include "WinPage.h"
#include "document/QuarnDoc.h"

CWinSheet::CWinSheet(const CWindowsValues& values, IUserMessages& messages, QWidget* parent)
    : QWizard(parent), m_values(values) {
    setWindowTitle("Windows Data");
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage, false);
    setSizeGripEnabled(true);
    m_pages = {new CPage1NWin(this),  new CPage2NEWin(this), new CPage3EWin(this),
               new CPage4SEWin(this), new CPage5SWin(this),  new CPage6SWWin(this),
               new CPage7WWin(this),  new CPage8NWWin(this)};
    const QString unit = QString::fromStdString(m_values.m_strLengthUnit);
    for (int k = 0; k < kOrientations; ++k) {
        CWinPage* page = m_pages[static_cast<size_t>(k)];
        page->Load(m_values.m_aWindows[k], m_values.m_bEnglish, unit, messages);
        setPage(k, page);
    }
    InstallHelpKey(this, [this] { return WindowsPageTopic(currentId() + 1); });
    ApplyWhatsThis(this, WindowsWhatsThis());
}

CWindowsValues CWinSheet::Values() const {
    CWindowsValues values = m_values;
    for (int k = 0; k < kOrientations; ++k) {
        values.m_aWindows[k].Copy(m_pages[static_cast<size_t>(k)]->Windows());
    }
    return values;
}

bool RunWindowsWizard(QWidget* parent, CQuarnDoc& doc) {
    CWinSheet sheet(FillWindows(doc), doc.Messages(), parent);
    if (sheet.exec() != QDialog::Accepted) return false;
    ApplyWindows(doc, sheet.Values());
    return true;
}
