#pragma once

#include <QDialog>

#include "input/GlassBlocksCommand.h"

class CNumEdit;
class CQuarnDoc;
class IUserMessages;
class QButtonGroup;
class QWidget;

// "Glass Block Walls Data": the glass block wall area of each orientation, in the input unit,
// and whether the glass blocks have an indoor shade. OK exchanges the fields and keeps the
// dialog open on a refused one.
class CGlassBlockDlg : public QDialog {
    Q_OBJECT

  public:
    CGlassBlockDlg(const CGlassBlocksValues& values, IUserMessages& messages,
                   QWidget* parent = nullptr);

    const CGlassBlocksValues& Values() const { return m_values; }
    CNumEdit* AreaEdit(int orientation) const { return m_pArea[orientation]; }
    QButtonGroup* ShadeGroup() const { return m_pShade; }

    void accept() override;

  private:
    void Refuse(const std::string& message, QWidget* focus);

    CGlassBlocksValues m_values;
    IUserMessages& m_messages;
    CNumEdit* m_pArea[kOrientations] = {};
    QButtonGroup* m_pShade = nullptr;
};

// The Project menu's Glass Blocks Data command (after its guard): the modal "Glass Block Walls
// Data" dialog; OK stores through the core and recalculates. True when the project changed.
bool RunGlassBlocksDialog(QWidget* parent, CQuarnDoc& doc);
