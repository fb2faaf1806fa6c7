#pragma once

#include <functional>
#include <vector>

#include "uvalue/UValue.h"
#include "wizard/ExchangeWizard.h"

class CQuarnDoc;
class CUvalPageBase;
class IUserMessages;
class QDialog;
class QWidget;

// "Calculate U-Value": the eight pages of the U-value calculator in a wizard. It starts from
// the cleared selection (nothing ticked, thicknesses 0, counts 1); leaving a page (Next, Back,
// Finish) stores and checks its boxes, and a refusal keeps the page.
class CUvalSheet : public CExchangeWizard {
    Q_OBJECT

  public:
    explicit CUvalSheet(const CQuarnDoc& doc, QWidget* parent = nullptr);

    const CUValueSelection& Selection() const { return m_selection; }
    CUvalPageBase* Page(int number) const { return m_pages[static_cast<size_t>(number - 1)]; }

  protected:
    bool StorePage(int id, bool forward) override;

  private:
    void Report(const QString& message, QWidget* focus);

    IUserMessages& m_messages;
    CUValueSelection m_selection;
    std::vector<CUvalPageBase*> m_pages;
};

// How CalcUValue shows its modal dialogs, the sheet and then the result; QDialog::exec unless
// a test puts its own in (it must return the dialog's result). Empty restores exec.
using UValueDialogRunner = std::function<int(QDialog&)>;
void SetUValueDialogRunner(UValueDialogRunner runner);

// The U-value calculator for a document: runs the eight-page wizard and returns the U-value in
// the document's input unit system (shown in the result dialog and kept in m_dLastUValue), or
// 0.0 when the user cancels or nothing adds resistance.
double CalcUValue(QWidget* parent, CQuarnDoc& doc);
