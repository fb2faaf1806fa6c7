#pragma once

#include <QLineEdit>
#include <QSpinBox>
#include <QString>

// A line edit for numbers: characters other than the digits and the point (and the minus sign
// for the signed kind) are dropped without a beep, whether typed, pasted or dropped. Signs and
// points are not counted: unparsable text is refused at the page's data exchange.
class CNumEdit : public QLineEdit {
  public:
    explicit CNumEdit(QWidget* parent = nullptr);

  protected:
    CNumEdit(const QString& allowed, QWidget* parent);
};

class CSignedNumEdit : public CNumEdit {
  public:
    explicit CSignedNumEdit(QWidget* parent = nullptr);
};

// An integer box with a spin control: arrows stay within the range, but typed digits may leave
// it so that the page's exchange refuses them with the range message.
class CSpinEdit : public QSpinBox {
  public:
    CSpinEdit(int low, int high, QWidget* parent = nullptr);
    void stepBy(int steps) override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    int m_nLow, m_nHigh;
};

// What the exchange says of a number box whose text is not a number.
inline constexpr const char* kNotANumberMessage = "Please enter a number.";
inline constexpr const char* kNotAnIntegerMessage = "Please enter an integer.";

// Reads a number box as the exchange does; false when the text is not a number.
bool ReadDouble(const QLineEdit* edit, double& value);
// The text a number box shows for a value (15 significant digits, no trailing zeros).
QString FormatDouble(double value);
