#include "BlockLoadDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "QtText.h"
#include "messages/UserMessages.h"

CBlockLoadDlg::CBlockLoadDlg(std::vector<BlockMember> projects, IUserMessages& messages,
                             QWidget* parent)
    : QDialog(parent), m_projects(std::move(projects)), m_messages(messages) {
    setWindowTitle("Block Load of Open Projects");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel("The block load adds the checked projects' loads hour by hour.\n"
                   "Count: how many identical spaces of a project the building has."));

    auto* list = new QWidget;
    auto* grid = new QGridLayout(list);
    grid->addWidget(new QLabel("<b>Project</b>"), 0, 0);
    grid->addWidget(new QLabel("<b>Count</b>"), 0, 1);
    for (size_t i = 0; i < m_projects.size(); ++i) {
        const BlockMember& project = m_projects[i];
        const QString space = ToQString(BlockSpaceName(*project.pDoc, project.strTitle));
        QString text = project.strTitle;
        if (space != text) text += QString(" (%1)").arg(space);
        auto* check = new QCheckBox(text);
        check->setChecked(true);
        auto* count = new QSpinBox;
        count->setRange(1, kMaxCount);
        count->setValue(1);
        count->setAccessibleName(QString("Count of %1").arg(project.strTitle));
        const int row = static_cast<int>(i) + 1;
        grid->addWidget(check, row, 0);
        grid->addWidget(count, row, 1);
        connect(check, &QCheckBox::toggled, count, &QWidget::setEnabled);
        m_checks.push_back(check);
        m_counts.push_back(count);
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(static_cast<int>(m_projects.size()) + 1, 1);
    // Many open projects scroll rather than stretch the dialog past the screen.
    auto* scroll = new QScrollArea;
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumHeight(std::min(list->sizeHint().height(), 320));
    scroll->setMinimumWidth(list->sizeHint().width() + 24);
    layout->addWidget(scroll, 1);

    auto* form = new QFormLayout;
    m_pName = new QLineEdit(kDefaultBlockName);
    m_pName->setMaxLength(80);
    form->addRow("Block &name:", m_pName);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::vector<BlockMember> CBlockLoadDlg::Chosen() const {
    std::vector<BlockMember> chosen;
    for (size_t i = 0; i < m_projects.size(); ++i) {
        if (!m_checks[i]->isChecked()) continue;
        BlockMember member = m_projects[i];
        member.nCount = m_counts[i]->value();
        chosen.push_back(member);
    }
    return chosen;
}

std::string CBlockLoadDlg::BlockName() const {
    const QString name = m_pName->text().trimmed();
    return name.isEmpty() ? std::string(kDefaultBlockName) : FromQString(name);
}

void CBlockLoadDlg::accept() {
    if (Chosen().empty()) {
        m_messages.ShowMessage("Check at least one project for the block load.");
        return;
    }
    QDialog::accept();
}
