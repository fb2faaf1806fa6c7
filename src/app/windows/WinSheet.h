#pragma once

#include <QWizard>
#include <array>

#include "input/WindowsCommand.h"

class CQuarnDoc;
class CWinPage;
class IUserMessages;
class QWidget;

// "Windows Data": one page per orientation, each on its own copy of that orientation's window
// list. Nothing reaches the document here; the command takes Values() after Finish.
class CWinSheet : public QWizard {
    Q_OBJECT

  public:
    CWinSheet(const CWindowsValues& values, IUserMessages& messages, QWidget* parent = nullptr);

    // The pages' lists, with the unit and the records as the sheet opened.
    CWindowsValues Values() const;
    CWinPage* Page(int number) const { return m_pages[static_cast<size_t>(number - 1)]; }

  private:
    CWindowsValues m_values;
    std::array<CWinPage*, kOrientations> m_pages{};
};

// The Project menu's Glass Windows Data command: the eight orientation pages on copies of the
// document's window lists; Finish copies them back and recalculates. True when the project
// changed.
bool RunWindowsWizard(QWidget* parent, CQuarnDoc& doc);
