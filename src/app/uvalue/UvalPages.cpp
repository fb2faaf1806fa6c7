#include "UvalPages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "wizard/NumEdit.h"

namespace {

// Pages with more materials than this put their groups in two columns so that the wizard
// stays within the screen height.
constexpr int kOneColumnMaterials = 8;

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel* Wrapped(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// Consecutive materials of one group (or the ungrouped ones directly under the heading).
struct Section {
    QString group;
    std::vector<const UValueMaterial*> materials;
};

std::vector<Section> SectionsOf(int page) {
    std::vector<Section> sections;
    for (const UValueMaterial& m : UValueMaterials()) {
        if (m.nPage != page) continue;
        const QString group = QString::fromUtf8(m.pszGroup);
        if (sections.empty() || sections.back().group != group) sections.push_back({group, {}});
        sections.back().materials.push_back(&m);
    }
    return sections;
}

}  // namespace

QString UvalPageTitle(int page) {
    return QStringLiteral("Calculate U-Value of wall, roof, partition or floor - Page %1 of 8")
        .arg(page);
}

CUvalPageBase::CUvalPageBase(int number, CUValueSelection& selection, const QString& thicknessUnit,
                             QWidget* parent)
    : QWizardPage(parent), m_nNumber(number), m_selection(selection) {
    setTitle(UvalPageTitle(number));
    m_pBody = new QVBoxLayout(this);
    const std::vector<Section> sections = SectionsOf(number);
    if (sections.empty()) return;

    const QString thicknessLabel =
        thicknessUnit.isEmpty() ? QString() : thicknessUnit + QStringLiteral(" Thick");
    m_pBody->addWidget(
        Heading(QString::fromUtf8(sections.front().materials.front()->pszHeading), this));
    int total = 0;
    for (const Section& s : sections) total += static_cast<int>(s.materials.size());

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    const bool two = total > kOneColumnMaterials;
    QVBoxLayout* right = two ? new QVBoxLayout : nullptr;
    // One column keeps its natural width, so that the boxes stay near their labels.
    columns->addLayout(left, two ? 1 : 0);
    if (two) {
        columns->addLayout(right, 1);
    } else {
        columns->addStretch(1);
    }
    m_pBody->addLayout(columns);

    int placed = 0;
    for (const Section& s : sections) {
        QVBoxLayout* column = (two && 2 * placed >= total) ? right : left;
        placed += static_cast<int>(s.materials.size());
        auto* grid = new QGridLayout;
        grid->setColumnStretch(0, 1);
        grid->setHorizontalSpacing(12);
        // Keeps the boxes of every group in one column under each other.
        if (!thicknessLabel.isEmpty()) {
            grid->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance(thicknessLabel));
        }
        if (s.group.isEmpty()) {
            column->addLayout(grid);
        } else {
            auto* box = new QGroupBox(s.group, this);
            box->setLayout(grid);
            column->addWidget(box);
        }
        for (const UValueMaterial* m : s.materials) AddRow(*m, grid, thicknessLabel);
    }
    left->addStretch(1);
    if (right) right->addStretch(1);
}

void CUvalPageBase::AddRow(const UValueMaterial& m, QGridLayout* grid,
                           const QString& thicknessLabel) {
    const int row = grid->rowCount();
    auto* box = new QCheckBox(QString::fromUtf8(m.pszLabel), this);
    box->setObjectName(QStringLiteral("material%1").arg(m.nId));
    grid->addWidget(box, row, 0);

    QWidget* amount = nullptr;
    switch (m.kind) {
        case UValueKind::kPerInch: {
            auto* edit = new CNumEdit(this);
            edit->setText(FormatDouble(0.0));
            edit->setAlignment(Qt::AlignRight);
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 9);
            grid->addWidget(new QLabel(thicknessLabel, this), row, 2);
            amount = edit;
            break;
        }
        case UValueKind::kPerLayer:
        case UValueKind::kPerFilm: {
            const bool layers = m.kind == UValueKind::kPerLayer;
            auto* spin = new CSpinEdit(1, layers ? 10 : 2, this);
            spin->setValue(1);
            spin->setToolTip(layers ? QStringLiteral("Number of layers (1 to 10)")
                                    : QStringLiteral("Number of films (1 to 2)"));
            spin->setFixedWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 9);
            // An empty unit column keeps the box under the thickness boxes of the column.
            if (!thicknessLabel.isEmpty()) grid->addWidget(new QLabel(this), row, 2);
            amount = spin;
            break;
        }
        case UValueKind::kFixed:
            break;
    }
    if (amount != nullptr) {
        amount->setObjectName(QStringLiteral("amount%1").arg(m.nAmountId));
        amount->setEnabled(false);
        grid->addWidget(amount, row, 1);
    }
    m_rows.push_back({&m, box, amount});
    const int id = m.nId;
    connect(box, &QCheckBox::toggled, this, [this, id](bool ticked) { OnToggled(id, ticked); });
}

const CUvalPageBase::Row* CUvalPageBase::FindRow(int id) const {
    for (const Row& row : m_rows) {
        if (row.pMaterial->nId == id) return &row;
    }
    return nullptr;
}

QCheckBox* CUvalPageBase::CheckBox(int id) const {
    const Row* row = FindRow(id);
    return row ? row->pBox : nullptr;
}

QWidget* CUvalPageBase::AmountBox(int id) const {
    const Row* row = FindRow(id);
    return row ? row->pAmount : nullptr;
}

void CUvalPageBase::OnToggled(int id, bool ticked) {
    const Row* row = FindRow(id);
    if (!ticked) {
        m_selection.Untick(id);
        if (row->pAmount) row->pAmount->setEnabled(false);
        return;
    }
    std::vector<int> unticked;
    m_selection.Tick(id, &unticked);
    for (int other : unticked) {
        const Row* otherRow = FindRow(other);
        if (otherRow == nullptr) continue;  // the exclusive groups are all on one page
        const QSignalBlocker blocker(otherRow->pBox);
        otherRow->pBox->setChecked(false);
        if (otherRow->pAmount) otherRow->pAmount->setEnabled(false);
    }
    if (row->pAmount) {
        row->pAmount->setEnabled(true);
        row->pAmount->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(row->pAmount)) edit->selectAll();
        if (auto* spin = qobject_cast<QSpinBox*>(row->pAmount)) spin->selectAll();
    }
}

bool CUvalPageBase::StoreValues(CUValueSelection& selection, QString& message,
                                QWidget*& focus) const {
    for (const Row& row : m_rows) {
        const int id = row.pMaterial->nId;
        if (!row.pBox->isChecked() || row.pAmount == nullptr) continue;
        if (auto* edit = qobject_cast<QLineEdit*>(row.pAmount)) {
            double thickness = 0;
            if (!ReadDouble(edit, thickness)) {
                message = QString::fromUtf8(kNotANumberMessage);
                focus = edit;
                return false;
            }
            selection.SetThickness(id, thickness);
        } else if (auto* spin = qobject_cast<QSpinBox*>(row.pAmount)) {
            selection.SetCount(id, spin->value());
        }
    }
    return true;
}

CUvalDlgPage1::CUvalDlgPage1(CUValueSelection& selection, const QString& unit, QWidget* parent)
    : CUvalPageBase(1, selection, unit, parent) {
    Body()->addSpacing(12);
    Body()->addWidget(Heading(QStringLiteral("INSTRUCTIONS"), this));
    Body()->addWidget(Wrapped(
        QStringLiteral("1. On this page and the next six, tick every material the wall, roof, "
                       "partition or floor is made of, and its air films and air space."),
        this));
    Body()->addWidget(Wrapped(QStringLiteral("2. Enter the thickness, or the number of layers, "
                                             "of each ticked material where a box asks for it."),
                              this));
    Body()->addWidget(Wrapped(
        QStringLiteral("3. Go on to page 8 and press Finish to calculate the U-value."), this));
    Body()->addStretch(1);
}

CUvalDlgPage8::CUvalDlgPage8(CUValueSelection& selection, const QString& unit, QWidget* parent)
    : CUvalPageBase(8, selection, unit, parent) {
    Body()->addWidget(Wrapped(
        QStringLiteral("Press Finish to calculate the U-value of the materials you ticked."),
        this));
    Body()->addWidget(Wrapped(
        QStringLiteral("The U-value is given in the input units set with Tools / Options: "
                       "Btu/(Hr.Sq Ft.F) with English units, W/(Sq m.C) with Metric units."),
        this));
    Body()->addStretch(1);
}
