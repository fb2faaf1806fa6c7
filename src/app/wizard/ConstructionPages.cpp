// Pages 4 to 6 of the General Project Data wizard: the roof, the exposure colours and the wall
// construction group.

#include <QVBoxLayout>

#include "AppStrings.h"
#include "PageBinding.h"

namespace {

class CProjPage4 : public CBoundPage {
  public:
    explicit CProjPage4(QWidget* parent) : CBoundPage(parent) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel("Please Select Roof Construction", this));
        QButtonGroup* group = nullptr;
        layout->addWidget(RadioColumn(
            this, "Description of Roof Construction",
            {"No 1   -   Steel sheet with 1 or 2 in. (25 or 50 mm) insulation",
             "No 2   -   1 in. (25 mm) wood with 1 in. (25 mm) insulation",
             "No 3   -   4 in. (100 mm) L.W. concrete",
             "No 4   -   2 in. (50 mm) H.W. concrete with 1 or 2 in. (25 or 50 mm) insulation",
             "No 5   -   1 in. (25 mm) wood with 2 in. (50 mm) insulation",
             "No 6   -   6 in. (150 mm) L.W. concrete",
             "No 7   -   2.5 in. (65 mm) wood with 1 in. (25 mm) insulation",
             "No 8   -   8 in. (200 mm) L.W. concrete",
             "No 9   -   4 in. (100 mm) H.W. concrete with 1 or 2 in. (25 or 50 mm) insulation",
             "No 10   -   2.5 in. (65 mm) wood with 2 in. (50 mm) insulation",
             "No 11   -   Roof terrace system",
             "No 12   -   6 in. (150 mm) H.W. concrete with 1 or 2 in. (25 or 50 mm) insulation",
             "No 13   -   4 in. (100 mm) wood with 1 or 2 in. (25 or 50 mm) insulation"},
            "roofType", group));
        BindChoice(group, "m_nRoofType");
        layout->addStretch();
    }
};

class CProjPage5 : public CBoundPage {
  public:
    explicit CProjPage5(QWidget* parent) : CBoundPage(parent) {
        m_layout = new QVBoxLayout(this);
        AddGroup("Roof with or without suspended ceiling",
                 {"Roof with suspended ceiling", "Roof without suspended ceiling"},
                 "suspendedCeiling", "m_nSuspendedCeiling");
        AddGroup("External roof color",
                 {"Dark colored (or light in industrial area)",
                  "Permanently light colored (rural area)"},
                 "roofColor", "m_nRoofColor");
        AddGroup("Is attic fan and / or duct in suspended ceiling space?", {"Yes", "No"},
                 "atticFan", "m_nAtticFan");
        AddGroup(
            "External wall color",
            {"Dark colored (or medium to light in industrial area)",
             "Permanently medium colored (rural area)", "Permanently light colored (rural area)"},
            "wallColor", "m_nWallColor");
        m_layout->addStretch();
    }

  private:
    void AddGroup(const QString& title, const QStringList& buttons, const QString& name,
                  const char* field) {
        QButtonGroup* group = nullptr;
        m_layout->addWidget(RadioColumn(this, title, buttons, name, group));
        BindChoice(group, field);
    }

    QVBoxLayout* m_layout;
};

class CProjPage6 : public CBoundPage {
  public:
    explicit CProjPage6(QWidget* parent)
        : CBoundPage(parent), m_tree(this, "wallTree", FillWallGroupTree) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel("Please select the wall construction group (A to G)", this));
        layout->addWidget(m_tree.Widget(), 1);
        m_pCaption = WrappedLabel({}, this, "wallGroupCaption");
        layout->addWidget(m_pCaption);
        BindChecked(m_tree.Widget(), "m_nWallGroup");
    }

  protected:
    void LoadExtra(const CGeneralDataValues& v) override {
        m_tree.Load();
        m_pCaption->setText(ToQString(v.strWallGroupCaption).left(200));
    }
    void StoreExtra(CGeneralDataValues& v) override {
        // A node (data 0) is no choice: the project's group stays.
        const TreeSelection& s = m_tree.Selection();
        v.m_nWallGroup = s.nCode;
        if (s.nCode != 0) {
            v.m_strWallGroup1 = s.strLeaf;
            v.m_strWallGroup2 = s.strParent;
        }
    }

  private:
    CChoiceTree m_tree;
    QLabel* m_pCaption;
};

}  // namespace

CProjPageBase* CreateProjPage4(QWidget* parent) { return new CProjPage4(parent); }
CProjPageBase* CreateProjPage5(QWidget* parent) { return new CProjPage5(parent); }
CProjPageBase* CreateProjPage6(QWidget* parent) { return new CProjPage6(parent); }
