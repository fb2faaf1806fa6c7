#include "NumEdit.h"

#include <QValidator>
#include <cmath>

namespace {

// Strips what the box does not take, keeping the caret after the characters it was after.
class CCharFilter : public QValidator {
  public:
    CCharFilter(const QString& allowed, QObject* parent) : QValidator(parent), m_allowed(allowed) {}

    State validate(QString& input, int& pos) const override {
        QString kept;
        int newPos = pos;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            if (c.isDigit() && c.unicode() <= '9') {
                kept += c;
            } else if (m_allowed.contains(c)) {
                kept += c;
            } else if (i < pos) {
                --newPos;
            }
        }
        input = kept;
        pos = newPos;
        return Acceptable;
    }

  private:
    QString m_allowed;
};

}  // namespace

CNumEdit::CNumEdit(QWidget* parent) : CNumEdit(QStringLiteral("."), parent) {}

CNumEdit::CNumEdit(const QString& allowed, QWidget* parent) : QLineEdit(parent) {
    setValidator(new CCharFilter(allowed, this));
}

CSignedNumEdit::CSignedNumEdit(QWidget* parent) : CNumEdit(QStringLiteral(".-"), parent) {}

CSpinEdit::CSpinEdit(int low, int high, QWidget* parent)
    : QSpinBox(parent), m_nLow(low), m_nHigh(high) {
    // Wide enough for any integer a user may type; the exchange checks the range.
    setRange(0, 999999);
    setAlignment(Qt::AlignRight);
}

void CSpinEdit::stepBy(int steps) {
    const int current = value();
    int next = current + steps;
    if (next < m_nLow) next = m_nLow;
    if (next > m_nHigh) next = m_nHigh;
    setValue(next);
    selectAll();
}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < m_nHigh) enabled |= StepUpEnabled;
    if (value() > m_nLow) enabled |= StepDownEnabled;
    return enabled;
}

bool ReadDouble(const QLineEdit* edit, double& value) {
    const QString text = edit->text().trimmed();
    bool ok = false;
    const double parsed = text.toDouble(&ok);
    if (!ok || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

QString FormatDouble(double value) { return QString::number(value, 'g', 15); }
