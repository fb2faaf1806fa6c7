#include "GlassBlockDlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ContextHelp.h"
#include "HelpWindow.h"
#include "document/QuarnDoc.h"
#include "wizard/NumEdit.h"

namespace {

constexpr const char* kAreaLabels[kOrientations] = {
    "North glass block walls",      "North East glass block walls", "East glass block walls",
    "South East glass block walls", "South glass block walls",      "South West glass block walls",
    "West glass block walls",       "North West glass block walls"};

}  // namespace

CGlassBlockDlg::CGlassBlockDlg(const CGlassBlocksValues& values, IUserMessages& messages,
                               QWidget* parent)
    : QDialog(parent), m_values(values), m_messages(messages) {
    setWindowTitle(QStringLiteral("Glass Block Walls Data"));

    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Area"), this), 0, 1, Qt::AlignHCenter);
    auto* unit = new QLabel(QString::fromStdString(values.m_strAreaUnit), this);
    unit->setObjectName(QStringLiteral("areaUnit"));
    grid->addWidget(unit, 1, 1, Qt::AlignHCenter);
    for (int k = 0; k < kOrientations; ++k) {
        m_pArea[k] = new CNumEdit(this);
        m_pArea[k]->setObjectName(QStringLiteral("area%1").arg(k));
        m_pArea[k]->setAlignment(Qt::AlignRight);
        m_pArea[k]->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 12);
        m_pArea[k]->setText(FormatDouble(values.m_dGlassBlockArea[k]));
        auto* label = new QLabel(QString::fromUtf8(kAreaLabels[k]), this);
        label->setBuddy(m_pArea[k]);
        grid->addWidget(label, k + 2, 0);
        grid->addWidget(m_pArea[k], k + 2, 1);
    }

    auto* shadeBox = new QGroupBox(QStringLiteral("For glass blocks"), this);
    shadeBox->setObjectName(QStringLiteral("m_nGlassBlockShade"));
    auto* shadeLayout = new QVBoxLayout(shadeBox);
    m_pShade = new QButtonGroup(this);
    int id = 0;
    for (const char* text : {"No Indoor Shade", "Indoor Shade"}) {
        auto* radio = new QRadioButton(QString::fromUtf8(text), shadeBox);
        m_pShade->addButton(radio, id++);
        shadeLayout->addWidget(radio);
    }
    shadeLayout->addStretch(1);
    if (QAbstractButton* chosen = m_pShade->button(values.m_nGlassBlockShade)) {
        chosen->setChecked(true);
    }

    auto* fields = new QHBoxLayout;
    fields->addLayout(grid);
    fields->addSpacing(16);
    fields->addWidget(shadeBox, 0, Qt::AlignTop);

    // Plain text buttons, like the other input dialogs (standard ones carry style icons).
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { OpenHelpTopic(this, QString::fromUtf8(kHelpGlassBlocks)); });
    InstallHelpKey(this, [] { return QString::fromUtf8(kHelpGlassBlocks); });

    auto* main = new QVBoxLayout(this);
    main->addLayout(fields);
    main->addSpacing(8);
    main->addWidget(buttons);
    ApplyWhatsThis(this, GlassBlocksWhatsThis());
}

void CGlassBlockDlg::accept() {
    CGlassBlocksValues values = m_values;
    for (int k = 0; k < kOrientations; ++k) {
        if (!ReadDouble(m_pArea[k], values.m_dGlassBlockArea[k])) {
            Refuse(kNotANumberMessage, m_pArea[k]);
            return;
        }
    }
    values.m_nGlassBlockShade = m_pShade->checkedId();
    if (const InputResult error = ValidateGlassBlocks(values)) {
        QWidget* focus = nullptr;
        for (int k = 0; k < kOrientations; ++k) {
            if (error->strField == "m_dGlassBlockArea[" + std::to_string(k) + "]") {
                focus = m_pArea[k];
            }
        }
        Refuse(error->strMessage, focus);
        return;
    }
    m_values = values;
    QDialog::accept();
}

void CGlassBlockDlg::Refuse(const std::string& message, QWidget* focus) {
    m_messages.ShowMessage(message);
    if (focus == nullptr) return;
    focus->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) edit->selectAll();
}

bool RunGlassBlocksDialog(QWidget* parent, CQuarnDoc& doc) {
    CGlassBlockDlg dialog(FillGlassBlocks(doc), doc.Messages(), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ApplyGlassBlocks(doc, dialog.Values());  // recalculates, marks modified, updates views
    QApplication::restoreOverrideCursor();
    return true;
}
