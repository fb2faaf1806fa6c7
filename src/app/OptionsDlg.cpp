#include "OptionsDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ContextHelp.h"
#include "HelpWindow.h"

namespace {
// The four radio groups, each bound to its row of the options table.
struct OptionGroup {
    const char* title;
    const char* first;
    const char* second;
    const char* field;
};
constexpr OptionGroup kGroups[4] = {{"Input Units", "English", "Metric", "m_nInputUnits"},
                                    {"Output Units", "English", "Metric", "m_nOutputUnits"},
                                    {"Display Size", "Large", "Small", "m_nDisplaySize"},
                                    {"Font Size", "Large", "Small", "m_nFontSize"}};

int* Member(COptionsValues& values, const char* field) {
    return FieldAddress<int>(*FindField(OptionsFields(), field), values);
}
}  // namespace

COptionsDlg::COptionsDlg(const COptionsValues& values, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Set Application Options");
    COptionsValues shown = values;
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        const OptionGroup& group = kGroups[i];
        auto* box = new QGroupBox(group.title, this);
        box->setObjectName(group.field);
        auto* layout = new QVBoxLayout(box);
        m_groups[i] = new QButtonGroup(this);
        int id = 0;
        for (const char* text : {group.first, group.second}) {
            auto* radio = new QRadioButton(text, box);
            layout->addWidget(radio);
            m_groups[i]->addButton(radio, id++);
        }
        if (QAbstractButton* chosen = m_groups[i]->button(*Member(shown, group.field)))
            chosen->setChecked(true);
        grid->addWidget(box, i / 2, i % 2);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addWidget(buttons);
    InstallHelpKey(this, [] { return QString::fromUtf8(kHelpOptions); });
    ApplyWhatsThis(this, OptionsWhatsThis());
}

COptionsValues COptionsDlg::Values() const {
    COptionsValues values;
    for (int i = 0; i < 4; ++i) *Member(values, kGroups[i].field) = m_groups[i]->checkedId();
    return values;
}
