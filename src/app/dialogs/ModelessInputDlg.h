#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "input/FieldTable.h"
#include "input/InputError.h"

class CNumEdit;
class CQuarnDoc;
class QCloseEvent;
class QLabel;
class QLayout;
class QPushButton;

// What the walls-and-roof and the floor-and-ceiling dialogs share. Both stay open beside the
// views, work on the one project they were opened for and delete themselves when they close:
// OK stores the values and recalculates, Cancel and Esc drop them, the close box drops them
// after saying so. Every number box is bound to a member of the command's values and named
// after the document field it ends up in ("m_dRoofArea", "m_dWallArea[2]").
class CModelessInputDlg : public QDialog {
    Q_OBJECT

  public:
    // The U-value calculator: a U-value in the project's input units, 0.0 for none.
    using Calculator = std::function<double()>;

    CQuarnDoc& Document() const { return m_doc; }
    void SetCalculator(Calculator calculator) { m_calculator = std::move(calculator); }

    // The box of a field; null when the dialog has none of that name.
    CNumEdit* Field(const QString& name) const;

    void accept() override;
    void reject() override;

  protected:
    CModelessInputDlg(CQuarnDoc& doc, const QString& title, const char* helpTopic, QWidget* parent);

    // A number box bound to a member; only the signed kind takes a minus sign.
    CNumEdit* AddField(const QString& name, double* member, bool isSigned = false);
    // The box of a row of the command's field table (element `element` of an array field):
    // named after it, bound to its member, signed when its check takes a minus sign.
    template <class Values>
    CNumEdit* AddField(std::span<const FieldRow<Values>> rows, Values& values, const char* field,
                       int element = -1) {
        const FieldRow<Values>* row = FindField(rows, field);
        double* member = row != nullptr ? FieldAddress<double>(*row, values, element) : nullptr;
        Q_ASSERT(member != nullptr);
        const std::string name =
            element >= 0 ? ElementName(field, static_cast<size_t>(element)) : std::string(field);
        return AddField(QString::fromStdString(name), member,
                        row != nullptr && row->check.kind == CheckKind::kSigned);
    }
    // A button that puts the calculator's U-value into the named field.
    QPushButton* AddCalcButton(const QString& text, const QString& field);
    QLabel* AddLabel(const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
    // Puts the body above the OK, Cancel and Help buttons and shows the members.
    void SetBody(QLayout* body);

    // The command's check and store, on the members as the boxes left them.
    virtual InputResult ValidateValues() = 0;
    virtual void ApplyValues() = 0;

    void closeEvent(QCloseEvent* event) override;

  private:
    struct Binding {
        QString name;
        CNumEdit* edit;
        double* member;
    };

    void ShowValues();
    // Boxes into members, all or none; a box that is no number is reported and focused.
    bool ExchangeValues();
    void OnCalc(const Binding& binding);
    void Refuse(const std::string& message, QWidget* focus);

    CQuarnDoc& m_doc;
    const char* m_helpTopic;
    std::vector<Binding> m_bindings;
    Calculator m_calculator;
    // Set once the dialog ends in a way that needs no "No change applied".
    bool m_bQuiet = false;
};
