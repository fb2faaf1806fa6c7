#pragma once

#include <QDialog>

class CLinkStatic;

// The program's version as the about box and the splash show it.
#ifdef THERMAVO_VERSION
inline constexpr const char* kThermavoVersion = THERMAVO_VERSION;
#else
inline constexpr const char* kThermavoVersion = "4.0";
#endif

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
