#pragma once

#include "ModelessInputDlg.h"
#include "input/FloorCeilingCommand.h"

// "Floor, Ceiling, Partitions and Skylights Input Data": the surfaces between the room and
// unconditioned spaces, the skylights and the floor on or below grade, in the project's input
// units.
class CFloorCeilingDlg : public CModelessInputDlg {
    Q_OBJECT

  public:
    CFloorCeilingDlg(CQuarnDoc& doc, QWidget* parent);

  protected:
    InputResult ValidateValues() override;
    void ApplyValues() override;

  private:
    // The box of a field of the command's table.
    CNumEdit* Add(const char* field, int element = -1);

    CFloorCeilingValues m_values;
};
