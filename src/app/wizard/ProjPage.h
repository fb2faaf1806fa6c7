#pragma once

#include <QString>
#include <QWizardPage>

#include "input/GeneralDataCommand.h"

// One page of the General Project Data wizard. The sheet hands every page the values the
// command filled from the document, and collects them back on leaving a page (forward or back)
// and on Finish; the core's ValidateGeneralData and ApplyGeneralData do the rest.
class CProjPageBase : public QWizardPage {
  public:
    using QWizardPage::QWizardPage;

    // Sets the page's controls from the values (the page's initial state when it is shown).
    virtual void LoadValues(const CGeneralDataValues& values) = 0;

    // Data exchange on leaving the page: copies the controls into the values. When a field is
    // refused, returns false with the platform's message and the widget to focus.
    virtual bool StoreValues(CGeneralDataValues& values, QString& message, QWidget*& focus) = 0;
};

// The fourteen pages, in order, built in files by topic: station and conditions (1-3),
// constructions (4-6), internal loads (7-12) and glass (13, 14).
CProjPageBase* CreateProjPage1(QWidget* parent);
CProjPageBase* CreateProjPage2(QWidget* parent);
CProjPageBase* CreateProjPage3(QWidget* parent);
CProjPageBase* CreateProjPage4(QWidget* parent);
CProjPageBase* CreateProjPage5(QWidget* parent);
CProjPageBase* CreateProjPage6(QWidget* parent);
CProjPageBase* CreateProjPage7(QWidget* parent);
CProjPageBase* CreateProjPage8(QWidget* parent);
CProjPageBase* CreateProjPage9(QWidget* parent);
CProjPageBase* CreateProjPage10(QWidget* parent);
CProjPageBase* CreateProjPage11(QWidget* parent);
CProjPageBase* CreateProjPage12(QWidget* parent);
CProjPageBase* CreateProjPage13(QWidget* parent);
CProjPageBase* CreateProjPage14(QWidget* parent);

// "General Project Data Input - Page N of 14".
QString ProjPageTitle(int page);
