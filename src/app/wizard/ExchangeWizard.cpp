#include "ExchangeWizard.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLineEdit>

CExchangeWizard::CExchangeWizard(QWidget* parent) : QWizard(parent) {
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage, false);
    setOption(QWizard::HaveCustomButton1, true);
    setButtonText(QWizard::CustomButton1, buttonText(QWizard::BackButton));
    SetButtons(false);
    connect(this, &QWizard::customButtonClicked, this, [this](int which) {
        if (which == QWizard::CustomButton1) GoBack();
    });
    connect(this, &QWizard::currentIdChanged, this, [this] { UpdateBackButton(); });
    UpdateBackButton();
}

void CExchangeWizard::SetButtons(bool withHelp) {
    QList<QWizard::WizardButton> layout;
    if (withHelp) layout << QWizard::HelpButton;
    layout << QWizard::Stretch << QWizard::CustomButton1 << QWizard::NextButton
           << QWizard::FinishButton << QWizard::CancelButton;
    setOption(QWizard::HaveHelpButton, withHelp);
    setButtonLayout(layout);
}

void CExchangeWizard::UpdateBackButton() {
    if (QAbstractButton* back = button(QWizard::CustomButton1)) back->setEnabled(currentId() > 0);
}

void CExchangeWizard::KeepLargestPageSize() {
    QSize largest(0, 0);
    for (const int id : pageIds()) {
        QWizardPage* shown = page(id);
        shown->ensurePolished();  // the style's fonts and margins, as shown
        largest = largest.expandedTo(shown->sizeHint()).expandedTo(shown->minimumSizeHint());
    }
    for (const int id : pageIds()) page(id)->setMinimumSize(largest);
}

void CExchangeWizard::GoBack() {
    if (currentId() <= 0) return;
    if (!StorePage(currentId(), false)) return;
    back();
}

bool CExchangeWizard::validateCurrentPage() { return StorePage(currentId(), true); }

void CExchangeWizard::FocusField(QWidget* field) {
    if (field == nullptr) return;
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) spin->selectAll();
}
