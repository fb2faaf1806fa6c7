#pragma once

#include <QDialog>

#include "input/OptionsCommand.h"

class QButtonGroup;

// "Set Application Options": input and output units, display size and font size, each a pair
// of radio buttons; a group may start with neither button chosen (-1).
class COptionsDlg : public QDialog {
    Q_OBJECT

  public:
    COptionsDlg(const COptionsValues& values, QWidget* parent = nullptr);

    COptionsValues Values() const;
    // The group of a value: 0 input units, 1 output units, 2 display size, 3 font size.
    QButtonGroup* Group(int index) const { return m_groups[index]; }

  private:
    QButtonGroup* m_groups[4] = {};
};
