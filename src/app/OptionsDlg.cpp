#include "OptionsDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

COptionsDlg::COptionsDlg(const COptionsValues& values, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Set Application Options");
    struct GroupText {
        const char* title;
        const char* first;
        const char* second;
        int value;
    };
    const GroupText groups[4] = {{"Input Units", "English", "Metric", values.m_nInputUnits},
                                 {"Output Units", "English", "Metric", values.m_nOutputUnits},
                                 {"Display Size", "Large", "Small", values.m_nDisplaySize},
                                 {"Font Size", "Large", "Small", values.m_nFontSize}};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* box = new QGroupBox(groups[i].title, this);
        auto* layout = new QVBoxLayout(box);
        m_groups[i] = new QButtonGroup(this);
        int id = 0;
        for (const char* text : {groups[i].first, groups[i].second}) {
            auto* radio = new QRadioButton(text, box);
            layout->addWidget(radio);
            m_groups[i]->addButton(radio, id++);
        }
        if (QAbstractButton* chosen = m_groups[i]->button(groups[i].value))
            chosen->setChecked(true);
        grid->addWidget(box, i / 2, i % 2);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addWidget(buttons);
}

COptionsValues COptionsDlg::Values() const {
    COptionsValues values;
    values.m_nInputUnits = m_groups[0]->checkedId();
    values.m_nOutputUnits = m_groups[1]->checkedId();
    values.m_nDisplaySize = m_groups[2]->checkedId();
    values.m_nFontSize = m_groups[3]->checkedId();
    return values;
}
