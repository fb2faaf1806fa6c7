#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "ExchangeWizard.h"
#include "ProjPage.h"
#include "input/GeneralDataCommand.h"

class CQuarnDoc;

// "Input Data for Project": the fourteen General Project Data pages in a wizard. Every page is
// loaded from the values once; leaving a page (Next, Back, Finish) stores it back.
class CProjSheet : public CExchangeWizard {
    Q_OBJECT

  public:
    // What a refused exchange shows; a message box unless a test puts a recorder in.
    using Reporter = std::function<void(const QString&)>;

    explicit CProjSheet(const CGeneralDataValues& values, QWidget* parent = nullptr);

    const CGeneralDataValues& Values() const { return m_values; }
    CProjPageBase* Page(int number) const { return m_pages[static_cast<size_t>(number - 1)]; }
    void SetReporter(Reporter reporter) { m_reporter = std::move(reporter); }

    // Next and Finish; Finish also checks the pages never visited.
    bool validateCurrentPage() override;

  protected:
    bool StorePage(int id, bool forward) override;

  private:
    void Report(const QString& message, QWidget* focus);

    CGeneralDataValues m_values;
    std::vector<CProjPageBase*> m_pages;
    Reporter m_reporter;
};

// The Project menu's General Project Data command: fills the pages from the document, runs the
// wizard and, on Finish, stores the values and recalculates. True when the project changed.
bool RunGeneralDataWizard(QWidget* parent, CQuarnDoc& doc);
