#include "UValueResultDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CUValueResultDlg::CUValueResultDlg(const QString& text, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Overall Heat Transfer Coefficient (U-Value)"));
    m_pText = new QLabel(text, this);
    m_pText->setObjectName(QStringLiteral("uvalueText"));
    m_pText->setAlignment(Qt::AlignCenter);
    m_pText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Horizontal, this);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(8);
    layout->addWidget(m_pText);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    // The caption is longer than the text; the box shows it whole.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 120);
}

QString CUValueResultDlg::Text() const { return m_pText->text(); }
