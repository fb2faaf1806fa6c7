#pragma once

#include "ModelessInputDlg.h"
#include "input/WallsRoofCommand.h"

// "External Walls and Roof Input Data": net area and summer and winter U-values of the eight
// walls and the roof, and the walls below grade, in the project's input units.
class CWallsRoofDlg : public CModelessInputDlg {
    Q_OBJECT

  public:
    CWallsRoofDlg(CQuarnDoc& doc, QWidget* parent);

  protected:
    InputResult ValidateValues() override;
    void ApplyValues() override;

  private:
    // The box of a field of the command's table.
    CNumEdit* Add(const char* field, int element = -1);

    CWallsRoofValues m_values;
};
