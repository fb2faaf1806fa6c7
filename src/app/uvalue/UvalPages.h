#pragma once

#include <QString>
#include <QWizardPage>
#include <vector>

#include "uvalue/UValue.h"

class QCheckBox;
class QGridLayout;
class QVBoxLayout;

// One page of the U-value calculator: the materials of its page in the material table, boxed
// by group, each a check box with its thickness, layers or films box. Ticks go straight into
// the sheet's selection (the air films and air spaces untick each other as they are ticked);
// the thicknesses and counts go there on leaving the page.
class CUvalPageBase : public QWizardPage {
    Q_OBJECT

  public:
    // thicknessUnit is the input unit's length name ("Inch" or "mm"); empty with neither.
    CUvalPageBase(int number, CUValueSelection& selection, const QString& thicknessUnit,
                  QWidget* parent);

    int Number() const { return m_nNumber; }
    QCheckBox* CheckBox(int id) const;
    // The material's thickness (CNumEdit) or count (CSpinEdit) box; null for a fixed item.
    QWidget* AmountBox(int id) const;

    // Data exchange on leaving the page: the ticked materials' boxes into the selection. An
    // unparsable thickness is refused with the platform's message and the box to focus; the
    // ranges are the core's to check. Unticked boxes are disabled and add nothing, so what
    // they hold is not read.
    bool StoreValues(CUValueSelection& selection, QString& message, QWidget*& focus) const;

  protected:
    QVBoxLayout* Body() const { return m_pBody; }

  private:
    struct Row {
        const UValueMaterial* pMaterial;
        QCheckBox* pBox;
        QWidget* pAmount;
    };

    void AddRow(const UValueMaterial& material, QGridLayout* grid, const QString& thicknessLabel);
    void OnToggled(int id, bool ticked);
    const Row* FindRow(int id) const;

    int m_nNumber;
    CUValueSelection& m_selection;
    std::vector<Row> m_rows;
    QVBoxLayout* m_pBody;
};

class CUvalDlgPage1 : public CUvalPageBase {
    Q_OBJECT
  public:
    CUvalDlgPage1(CUValueSelection& selection, const QString& unit, QWidget* parent);
};

// Pages 2 to 7 hold nothing but their materials.
template <int PageNumber>
class CUvalMaterialPage : public CUvalPageBase {
  public:
    CUvalMaterialPage(CUValueSelection& selection, const QString& unit, QWidget* parent)
        : CUvalPageBase(PageNumber, selection, unit, parent) {}
};
using CUvalDlgPage2 = CUvalMaterialPage<2>;
using CUvalDlgPage3 = CUvalMaterialPage<3>;
using CUvalDlgPage4 = CUvalMaterialPage<4>;
using CUvalDlgPage5 = CUvalMaterialPage<5>;
using CUvalDlgPage6 = CUvalMaterialPage<6>;
using CUvalDlgPage7 = CUvalMaterialPage<7>;

class CUvalDlgPage8 : public CUvalPageBase {
    Q_OBJECT
  public:
    CUvalDlgPage8(CUValueSelection& selection, const QString& unit, QWidget* parent);
};

// "Calculate U-Value of wall, roof, partition or floor - Page N of 8".
QString UvalPageTitle(int page);
