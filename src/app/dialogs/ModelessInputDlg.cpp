#include "ModelessInputDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "HelpWindow.h"
#include "document/QuarnDoc.h"
#include "uvalue/UvalSheet.h"
#include "wizard/NumEdit.h"

namespace {
constexpr const char* kNoChangeMessage = "No change applied";
}  // namespace

CModelessInputDlg::CModelessInputDlg(CQuarnDoc& doc, const QString& title, const char* helpTopic,
                                     QWidget* parent)
    : QDialog(parent), m_doc(doc), m_helpTopic(helpTopic) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    m_calculator = [this] { return CalcUValue(this, m_doc); };
}

CNumEdit* CModelessInputDlg::Field(const QString& name) const {
    for (const Binding& binding : m_bindings)
        if (binding.name == name) return binding.edit;
    return nullptr;
}

CNumEdit* CModelessInputDlg::AddField(const QString& name, double* member, bool isSigned) {
    CNumEdit* edit = isSigned ? new CSignedNumEdit(this) : new CNumEdit(this);
    edit->setObjectName(name);
    // Room for about ten digits: enough for any area or U-value, and the grid stays compact.
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(10, '0')) + 12);
    m_bindings.push_back({name, edit, member});
    return edit;
}

QPushButton* CModelessInputDlg::AddCalcButton(const QString& text, const QString& field) {
    auto* button = new QPushButton(text, this);
    button->setObjectName("calc:" + field);
    // Enter in a box means OK, not the calculator next to it.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, field] {
        for (const Binding& binding : m_bindings)
            if (binding.name == field) OnCalc(binding);
    });
    return button;
}

QLabel* CModelessInputDlg::AddLabel(const QString& text, Qt::Alignment alignment) {
    auto* label = new QLabel(text, this);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

void CModelessInputDlg::SetBody(QLayout* body) {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    buttons->addButton("Help", QDialogButtonBox::HelpRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { OpenHelpTopic(this, m_helpTopic); });
    InstallHelpKey(this, [this] { return QString::fromUtf8(m_helpTopic); });
    auto* main = new QVBoxLayout(this);
    main->addLayout(body);
    main->addWidget(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);
    ShowValues();
}

void CModelessInputDlg::ShowValues() {
    for (const Binding& binding : m_bindings) {
        binding.edit->setText(FormatDouble(*binding.member));
        // Converted values run to fifteen digits: the box shows their start, not their tail.
        binding.edit->setCursorPosition(0);
    }
}

bool CModelessInputDlg::ExchangeValues() {
    std::vector<double> read(m_bindings.size());
    for (size_t i = 0; i < m_bindings.size(); ++i) {
        if (!ReadDouble(m_bindings[i].edit, read[i])) {
            Refuse(kNotANumberMessage, m_bindings[i].edit);
            return false;
        }
    }
    for (size_t i = 0; i < m_bindings.size(); ++i) *m_bindings[i].member = read[i];
    return true;
}

void CModelessInputDlg::Refuse(const std::string& message, QWidget* focus) {
    m_doc.Messages().ShowMessage(message);
    if (focus == nullptr) return;
    focus->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) edit->selectAll();
}

void CModelessInputDlg::OnCalc(const Binding& binding) {
    if (!ExchangeValues()) return;
    const double value = m_calculator ? m_calculator() : 0.0;
    // 0.0 is the calculator's "nothing": cancelled, or no layer to resist the heat.
    if (value == 0.0) return;
    *binding.member = value;
    ShowValues();
}

void CModelessInputDlg::accept() {
    if (!ExchangeValues()) return;
    if (const InputResult error = ValidateValues()) {
        Refuse(error->strMessage, Field(QString::fromStdString(error->strField)));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ApplyValues();
    QApplication::restoreOverrideCursor();
    m_bQuiet = true;
    setResult(Accepted);
    close();
}

void CModelessInputDlg::reject() {
    m_bQuiet = true;
    setResult(Rejected);
    close();
}

void CModelessInputDlg::closeEvent(QCloseEvent* event) {
    // Only the close box gets here unannounced: it drops the input, and says so.
    if (!m_bQuiet) {
        m_bQuiet = true;
        m_doc.Messages().ShowMessage(kNoChangeMessage);
    }
    event->accept();
}
