#include "WallsRoofDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ContextHelp.h"
#include "HelpBrowser.h"
#include "wizard/NumEdit.h"

namespace {
// The rows of the table, in the document's orientation order with the roof last.
constexpr const char* kRowNames[kOrientations + 1] = {
    "N Wall", "NE Wall", "E Wall", "SE Wall", "S Wall", "SW Wall", "W Wall", "NW Wall", "Roof"};

QString Indexed(const char* name, int index) { return QString("%1[%2]").arg(name).arg(index); }
}  // namespace

CWallsRoofDlg::CWallsRoofDlg(CQuarnDoc& doc, QWidget* parent)
    : CModelessInputDlg(doc, "External Walls and Roof Input Data", kHelpWallsRoof, parent),
      m_values(FillWallsRoof(doc)) {
    const QString areaUnit = QString::fromStdString(m_values.m_strAreaUnit);
    const QString uUnit = QString::fromStdString(m_values.m_strUValueUnit);

    // Columns: row name, area, summer U and its button, winter U and its button.
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(8);
    table->addWidget(AddLabel("Net Area", Qt::AlignHCenter), 0, 1);
    table->addWidget(AddLabel("Summer U-Value", Qt::AlignHCenter), 0, 2, 1, 2);
    table->addWidget(AddLabel("Winter U-Value", Qt::AlignHCenter), 0, 4, 1, 2);
    table->addWidget(AddLabel(areaUnit, Qt::AlignHCenter), 1, 1);
    table->addWidget(AddLabel(uUnit, Qt::AlignHCenter), 1, 2, 1, 4);
    for (int row = 0; row <= kOrientations; ++row) {
        const bool roof = row == kOrientations;
        const int element = roof ? -1 : row;
        const QString cool = roof ? "m_dRoofUCool" : Indexed("m_dWallUCool", row);
        const QString heat = roof ? "m_dRoofUHeat" : Indexed("m_dWallUHeat", row);
        const int line = row + 2;
        table->addWidget(AddLabel(kRowNames[row]), line, 0);
        table->addWidget(Add(roof ? "m_dRoofArea" : "m_dWallArea", element), line, 1);
        table->addWidget(Add(roof ? "m_dRoofUCool" : "m_dWallUCool", element), line, 2);
        table->addWidget(AddCalcButton(QString("%1 Sum").arg(kRowNames[row]), cool), line, 3);
        table->addWidget(Add(roof ? "m_dRoofUHeat" : "m_dWallUHeat", element), line, 4);
        table->addWidget(AddCalcButton(QString("%1 Win").arg(kRowNames[row]), heat), line, 5);
    }

    auto* below = new QGroupBox("Walls Below Grade (Heating Only)", this);
    auto* grid = new QGridLayout(below);
    grid->setHorizontalSpacing(8);
    grid->addWidget(AddLabel("Net Area", Qt::AlignHCenter), 0, 0);
    grid->addWidget(AddLabel("Ground Temp", Qt::AlignHCenter), 0, 1);
    grid->addWidget(AddLabel("Winter U-Value", Qt::AlignHCenter), 0, 2, 1, 2);
    grid->addWidget(AddLabel(areaUnit, Qt::AlignHCenter), 1, 0);
    grid->addWidget(AddLabel(QString::fromStdString(m_values.m_strTempUnit), Qt::AlignHCenter), 1,
                    1);
    grid->addWidget(AddLabel(uUnit, Qt::AlignHCenter), 1, 2, 1, 2);
    grid->addWidget(Add("m_dBGWallArea"), 2, 0);
    grid->addWidget(Add("m_dGroundTemp"), 2, 1);
    grid->addWidget(Add("m_dBGWallUHeat"), 2, 2);
    grid->addWidget(AddCalcButton("BG Walls Win", "m_dBGWallUHeat"), 2, 3);
    grid->setColumnStretch(4, 1);

    auto* body = new QVBoxLayout;
    body->addLayout(table);
    body->addSpacing(6);
    body->addWidget(below);
    SetBody(body);
    ApplyWhatsThis(this, WallsRoofWhatsThis());
}

CNumEdit* CWallsRoofDlg::Add(const char* field, int element) {
    return AddField(WallsRoofFields(), m_values, field, element);
}

InputResult CWallsRoofDlg::ValidateValues() { return ValidateWallsRoof(m_values); }

void CWallsRoofDlg::ApplyValues() { ApplyWallsRoof(Document(), m_values); }
