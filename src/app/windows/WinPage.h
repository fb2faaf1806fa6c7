#pragma once

#include <QString>
#include <QWizardPage>
#include <array>

#include "windows/WindowList.h"
#include "wizard/NumEdit.h"

class CWindowSketch;
class IUserMessages;
class QLabel;
class QPushButton;
class QTreeWidget;

// One orientation of the Windows Data wizard: the fields of one window description, the
// buttons that add it to the orientation's list or change the list, and the list itself. The
// page works on its own copy of the list, in the page's unit (ft or m); the sheet collects it on
// Finish.
class CWinPage : public QWizardPage {
    Q_OBJECT

  public:
    static constexpr int kDimensions = 8;

    // orientation: 0 (N) .. 7 (NW), which gives the title.
    CWinPage(int orientation, QWidget* parent);

    // bEnglish: 1 English, 0 Metric, -1 neither (lengths taken as typed, no unit captions).
    void Load(const CWindowList& windows, int bEnglish, const QString& lengthUnit,
              IUserMessages& messages);
    const CWindowList& Windows() const { return m_aWindows; }

    QTreeWidget* List() const { return m_listWindows; }
    CNumEdit* DimensionField(int i) const { return m_pDimension[static_cast<size_t>(i)]; }
    QLineEdit* QuantityField() const { return m_pQuantity; }

    void OnRefresh();
    void OnAdd();
    void OnEdit();
    void OnUpdate();
    void OnRemove();
    void OnRemoveAll();

  private:
    QPushButton* AddButton(const QString& text, const char* name, void (CWinPage::*handler)());
    // The fields as a record; false (after the message) when one cannot be read or the record
    // is refused.
    bool ReadFields(CWindo& window);
    void ShowFields(const CWindo& window);
    void ClearFields();
    int SelectedRow() const;
    void SetRow(int row, const CWindo& window);
    void RenumberFrom(int row);
    void FocusField(QLineEdit* field);
    void FocusHeight() { FocusField(DimensionField(0)); }
    void Say(const char* text);

    int m_bEnglish = -1;
    CWindowList m_aWindows;
    std::array<CNumEdit*, kDimensions> m_pDimension{};
    std::array<QLabel*, kDimensions> m_pUnit{};
    QLineEdit* m_pQuantity = nullptr;
    CWindowSketch* m_pSketch = nullptr;
    QTreeWidget* m_listWindows = nullptr;
    IUserMessages* m_pMessages = nullptr;
};

// The eight orientations, in page order: the pages differ only in orientation (title, list).
template <int Orientation>
class CWinOrientationPage : public CWinPage {
  public:
    explicit CWinOrientationPage(QWidget* parent = nullptr) : CWinPage(Orientation, parent) {}
};
using CPage1NWin = CWinOrientationPage<0>;
using CPage2NEWin = CWinOrientationPage<1>;
using CPage3EWin = CWinOrientationPage<2>;
using CPage4SEWin = CWinOrientationPage<3>;
using CPage5SWin = CWinOrientationPage<4>;
using CPage6SWWin = CWinOrientationPage<5>;
using CPage7WWin = CWinOrientationPage<6>;
using CPage8NWWin = CWinOrientationPage<7>;
