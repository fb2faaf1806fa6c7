#pragma once

#include <QDialog>

#include "Version.h"

class CLinkStatic;

// Where the about box's two links lead.
inline constexpr const char* kSalesAddress = "sales@thermavo.example";
inline constexpr const char* kWebSite = "https://www.thermavo.example/";

// "About Thermavo": icon, name and version, what the program does, the sales and web links.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    CLinkStatic* SalesLink() const { return m_pSales; }
    CLinkStatic* WebLink() const { return m_pWeb; }

  private:
    CLinkStatic* m_pSales = nullptr;
    CLinkStatic* m_pWeb = nullptr;
};
