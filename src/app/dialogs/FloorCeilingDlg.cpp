#include "FloorCeilingDlg.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ContextHelp.h"
#include "HelpBrowser.h"
#include "wizard/NumEdit.h"

namespace {
// The surface rows in the document's Surface order, and the stem of their U-value buttons
// (glass in a partition has none: its U-value comes from the glass, not from layers).
struct SurfaceRow {
    const char* name;
    const char* button;
};
constexpr SurfaceRow kSurfaceRows[kSurfaces] = {{"Floor above\nuncond. space", "Flr"},
                                                {"Ceiling", "Ceil"},
                                                {"Partition 1", "Pt1"},
                                                {"Partition 2", "Pt2"},
                                                {"Partition 3", "Pt3"},
                                                {"Glass in\nPartition", nullptr}};
constexpr const char* kSkylightRows[2] = {"Skylights in Direct Sunlight",
                                          "Skylights, Externally Shaded"};

QString Indexed(const char* name, int index) { return QString("%1[%2]").arg(name).arg(index); }

QFrame* Separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
}  // namespace

CFloorCeilingDlg::CFloorCeilingDlg(CQuarnDoc& doc, QWidget* parent)
    : CModelessInputDlg(doc, "Floor, Ceiling, Partitions and Skylights Input Data",
                        kHelpFloorCeiling, parent),
      m_values(FillFloorCeiling(doc)) {
    auto unit = [](const std::string& text) { return QString::fromStdString(text); };
    const Qt::Alignment centre = Qt::AlignHCenter;

    // Columns: row name, area, summer and winter temperature difference, summer U and its
    // button, winter U and its button. The skylights share the area and U-value columns and
    // put their shading coefficient under the summer difference.
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(8);
    table->addWidget(AddLabel("Area", centre), 0, 1, 2, 1, Qt::AlignBottom);
    table->addWidget(AddLabel("Temp Difference", centre), 0, 2, 1, 2);
    table->addWidget(AddLabel("U-Value", centre), 0, 4, 1, 4);
    table->addWidget(AddLabel("Summer", centre), 1, 2);
    table->addWidget(AddLabel("Winter", centre), 1, 3);
    table->addWidget(AddLabel("Summer", centre), 1, 4);
    table->addWidget(AddLabel("Winter", centre), 1, 6);
    table->addWidget(AddLabel(unit(m_values.m_strAreaUnit), centre), 2, 1);
    table->addWidget(AddLabel(unit(m_values.m_strTempDiffUnit), centre), 2, 2, 1, 2);
    table->addWidget(AddLabel(unit(m_values.m_strUValueUnit), centre), 2, 4, 1, 4);
    for (int s = 0; s < kSurfaces; ++s) {
        const int line = s + 3;
        const QString cool = Indexed("m_dSurfUCool", s);
        const QString heat = Indexed("m_dSurfUHeat", s);
        table->addWidget(AddLabel(kSurfaceRows[s].name), line, 0);
        table->addWidget(Add("m_dSurfArea", s), line, 1);
        table->addWidget(Add("m_dSurfTDCool", s), line, 2);
        table->addWidget(Add("m_dSurfTDHeat", s), line, 3);
        table->addWidget(Add("m_dSurfUCool", s), line, 4);
        table->addWidget(Add("m_dSurfUHeat", s), line, 6);
        if (const char* stem = kSurfaceRows[s].button) {
            table->addWidget(AddCalcButton(QString("%1 Sum").arg(stem), cool), line, 5);
            table->addWidget(AddCalcButton(QString("%1 Win").arg(stem), heat), line, 7);
        }
    }

    table->addWidget(Separator(this), 9, 0, 1, 8);
    table->addWidget(AddLabel("Area", centre), 10, 1, 2, 1, Qt::AlignBottom);
    table->addWidget(AddLabel("Shading\nCoefficient", centre), 10, 2, 2, 1, Qt::AlignBottom);
    table->addWidget(AddLabel("U-Value", centre), 10, 4, 1, 4);
    table->addWidget(AddLabel("Summer", centre), 11, 4);
    table->addWidget(AddLabel("Winter", centre), 11, 6);
    table->addWidget(AddLabel(unit(m_values.m_strAreaUnit), centre), 12, 1);
    table->addWidget(AddLabel(unit(m_values.m_strUValueUnit), centre), 12, 4, 1, 4);
    for (int i = 0; i < 2; ++i) {
        const int line = i + 13;
        table->addWidget(AddLabel(kSkylightRows[i]), line, 0);
        table->addWidget(Add("m_dSkyArea", i), line, 1);
        table->addWidget(Add("m_dSkySC", i), line, 2);
        table->addWidget(Add("m_dSkyUCool", i), line, 4);
        table->addWidget(Add("m_dSkyUHeat", i), line, 6);
    }

    auto* slab = new QGroupBox("Floor On or Below Grade (Heating Only)", this);
    auto* grid = new QGridLayout(slab);
    grid->setHorizontalSpacing(8);
    grid->addWidget(AddLabel("Area", centre), 0, 0, Qt::AlignBottom);
    grid->addWidget(AddLabel("Ground Temp", centre), 0, 1, Qt::AlignBottom);
    grid->addWidget(AddLabel("Winter U-Value", centre), 0, 2, 1, 2, Qt::AlignBottom);
    grid->addWidget(AddLabel("Perim Factor", centre), 0, 4, Qt::AlignBottom);
    grid->addWidget(AddLabel("Exposed\nSlab Perim", centre), 0, 5, Qt::AlignBottom);
    grid->addWidget(AddLabel(unit(m_values.m_strAreaUnit), centre), 1, 0);
    grid->addWidget(AddLabel(unit(m_values.m_strTempUnit), centre), 1, 1);
    grid->addWidget(AddLabel(unit(m_values.m_strUValueUnit), centre), 1, 2, 1, 2);
    grid->addWidget(AddLabel(unit(m_values.m_strEdgeFactorUnit), centre), 1, 4);
    grid->addWidget(AddLabel(unit(m_values.m_strLengthUnit), centre), 1, 5);
    grid->addWidget(Add("m_dSlabArea"), 2, 0);
    grid->addWidget(Add("m_dGroundTemp"), 2, 1);
    grid->addWidget(Add("m_dSlabUHeat"), 2, 2);
    grid->addWidget(AddCalcButton("Flr Win", "m_dSlabUHeat"), 2, 3);
    grid->addWidget(Add("m_dSlabEdgeFactor"), 2, 4);
    grid->addWidget(Add("m_dSlabPerimeter"), 2, 5);
    grid->setColumnStretch(6, 1);

    auto* body = new QVBoxLayout;
    body->addLayout(table);
    body->addSpacing(6);
    body->addWidget(slab);
    SetBody(body);
    ApplyWhatsThis(this, FloorCeilingWhatsThis());
}

CNumEdit* CFloorCeilingDlg::Add(const char* field, int element) {
    return AddField(FloorCeilingFields(), m_values, field, element);
}

InputResult CFloorCeilingDlg::ValidateValues() { return ValidateFloorCeiling(m_values); }

void CFloorCeilingDlg::ApplyValues() { ApplyFloorCeiling(Document(), m_values); }
