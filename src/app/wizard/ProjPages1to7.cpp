// Pages 1 to 7 of the General Project Data wizard: project and station, design frequencies,
// inside conditions, roof, exposure, wall group and lights.

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <type_traits>

#include "AppStrings.h"
#include "NumEdit.h"
#include "ProjPage.h"
#include "TreeWidgetCtrl.h"
#include "input/ConstructionTrees.h"
#include "tessil/tessil.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Values every check accepts, so that checking a page's own fields against them reports only
// that page's faults with the command's own messages.
CGeneralDataValues AcceptedValues() {
    CGeneralDataValues v;
    ForEachField(v, [](const char*, auto& value) {
        using T = std::remove_reference_t<decltype(value)>;
        if constexpr (std::is_array_v<T>) {
            std::fill(std::begin(value), std::end(value), 1);
        } else if constexpr (std::is_same_v<T, int>) {
            value = 1;  // a valid radio button, hour, percentage and count alike
        } else if constexpr (std::is_same_v<T, double>) {
            value = 50;  // inside the humidity range, not negative
        }
    });
    v.nCurrentWallGroup = 10;
    v.nCurrentBClass = 10;
    return v;
}

// The first refused field among the named ones, checked as ValidateGeneralData checks them.
InputResult CheckFields(const CGeneralDataValues& values,
                        std::initializer_list<const char*> names) {
    CGeneralDataValues source = values;
    std::map<std::string, void*> wanted;
    for (const char* name : names) wanted[name] = nullptr;
    ForEachField(source, [&](const char* name, auto& value) {
        if (auto it = wanted.find(name); it != wanted.end()) it->second = &value;
    });
    CGeneralDataValues checked = AcceptedValues();
    ForEachField(checked, [&](const char* name, auto& value) {
        using T = std::remove_reference_t<decltype(value)>;
        auto it = wanted.find(name);
        if (it == wanted.end() || it->second == nullptr) return;
        const T& from = *static_cast<const T*>(it->second);
        if constexpr (std::is_array_v<T>) {
            std::copy(std::begin(from), std::end(from), std::begin(value));
        } else {
            value = from;
        }
    });
    return ValidateGeneralData(checked);
}

// A boxed radio group whose buttons are numbered from 0; -1 when none is checked.
class CRadioGroup {
  public:
    CRadioGroup(const QString& title, const QStringList& buttons, QWidget* parent,
                const QString& name)
        : m_pBox(new QGroupBox(title, parent)), m_pGroup(new QButtonGroup(m_pBox)) {
        m_pBox->setObjectName(name);
        auto* layout = new QVBoxLayout(m_pBox);
        for (int i = 0; i < buttons.size(); ++i) {
            auto* button = new QRadioButton(buttons[i], m_pBox);
            m_pGroup->addButton(button, i);
            layout->addWidget(button);
        }
    }
    QGroupBox* Box() const { return m_pBox; }
    int Get() const { return m_pGroup->checkedId(); }
    void Set(int index) {
        if (QAbstractButton* button = m_pGroup->button(index)) {
            button->setChecked(true);
        } else if (QAbstractButton* checked = m_pGroup->checkedButton()) {
            // An exclusive group cannot uncheck its last button.
            m_pGroup->setExclusive(false);
            checked->setChecked(false);
            m_pGroup->setExclusive(true);
        }
    }

  private:
    QGroupBox* m_pBox;
    QButtonGroup* m_pGroup;
};

QTreeWidget* MakeTree(QWidget* parent, const QString& name) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    return tree;
}

// After filling: everything collapsed and nothing chosen on this visit.
void ResetTree(QTreeWidget* tree) {
    tree->collapseAll();
    tree->clearSelection();
    tree->setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
}

QLabel* WrappedLabel(const QString& text, QWidget* parent, const QString& name = {}) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    if (!name.isEmpty()) label->setObjectName(name);
    return label;
}

// ---------------------------------------------------------------------------------------------

class CProjPage1 : public CProjPageBase {
  public:
    explicit CProjPage1(QWidget* parent) : CProjPageBase(parent), m_tree(nullptr) {
        auto* layout = new QVBoxLayout(this);
        auto* form = new QFormLayout;
        m_pName = AddEdit(form, "Project Name:", "projectName");
        m_pName->setMaxLength(34);
        m_pDesigner = AddEdit(form, "Project Designer:", "projectDesigner");
        m_pAddress = AddEdit(form, "Project Address:", "projectAddress");
        m_pDate = AddEdit(form, "Date:", "projectDate");
        layout->addLayout(form);

        layout->addWidget(
            new QLabel("Select the weather station closest to the project location.", this));
        auto* find = new QHBoxLayout;
        m_pFind = new QLineEdit(this);
        m_pFind->setObjectName("stationSearch");
        m_pFind->setPlaceholderText("Type part of a station name");
        m_pFind->setClearButtonEnabled(true);
        auto* findLabel = new QLabel("Find station:", this);
        findLabel->setBuddy(m_pFind);
        find->addWidget(findLabel);
        find->addWidget(m_pFind, 1);
        layout->addLayout(find);
        m_pTree = MakeTree(this, "cityTree");
        m_pTree->setMinimumHeight(160);
        layout->addWidget(m_pTree, 1);
        m_tree = CTreeWidgetCtrl(m_pTree);
        m_pCaption = WrappedLabel({}, this, "stationCaption");
        layout->addWidget(m_pCaption);

        connect(m_pTree, &QTreeWidget::itemSelectionChanged, this, [this] { OnSelect(); });
        connect(m_pFind, &QLineEdit::textChanged, this,
                [this](const QString& text) { Filter(text); });
    }

    void LoadValues(const CGeneralDataValues& v) override {
        // Project texts and the station names of a loaded file are 8-bit.
        m_pName->setText(ToQString(v.m_strProjectName));
        m_pDesigner->setText(ToQString(v.m_strProjectDesigner));
        m_pAddress->setText(ToQString(v.m_strProjectAddress));
        m_pDate->setText(ToQString(v.m_strProjectDate));
        m_pCaption->setText(ToQString(v.strStationCaption));
        m_pTree->clear();
        PopulateCityTree(&m_tree);
        ResetTree(m_pTree);
        m_selection = TreeSelection{};
    }

    bool StoreValues(CGeneralDataValues& v, QString& message, QWidget*& focus) override {
        v.m_strProjectName = ToProjectText(m_pName->text(), v.m_strProjectName);
        v.m_strProjectDesigner = ToProjectText(m_pDesigner->text(), v.m_strProjectDesigner);
        v.m_strProjectAddress = ToProjectText(m_pAddress->text(), v.m_strProjectAddress);
        v.m_strProjectDate = ToProjectText(m_pDate->text(), v.m_strProjectDate);
        // Index 0 (nothing chosen on this visit) keeps the project's station on Finish.
        v.m_nCityIndex = m_selection.nCode;
        v.m_strCityName = m_selection.strLeaf;
        v.m_strCityRegion = m_selection.strParent;
        if (InputResult error = CheckFields(v, {"m_strProjectName"})) {
            message = Q(error->strMessage);
            focus = m_pName;
            return false;
        }
        return true;
    }

  private:
    QLineEdit* AddEdit(QFormLayout* form, const char* label, const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        form->addRow(label, edit);
        return edit;
    }

    void OnSelect() {
        const HTREEITEM item = m_tree.GetSelectedItem();
        m_selection = item != 0 ? ReadTreeSelection(m_tree, item) : TreeSelection{};
    }

    // Hides what does not match; the tree's items and order stay the library's.
    bool FilterItem(QTreeWidgetItem* item, const QString& text) {
        bool any = false;
        for (int i = 0; i < item->childCount(); ++i) any |= FilterItem(item->child(i), text);
        const bool leaf = item->childCount() == 0;
        const bool show =
            text.isEmpty() || any || (leaf && item->text(0).contains(text, Qt::CaseInsensitive));
        item->setHidden(!show);
        if (!text.isEmpty() && !leaf) item->setExpanded(any);
        return show;
    }
    void Filter(const QString& text) {
        for (int i = 0; i < m_pTree->topLevelItemCount(); ++i) {
            FilterItem(m_pTree->topLevelItem(i), text.trimmed());
        }
        if (text.trimmed().isEmpty()) m_pTree->collapseAll();
    }

    QLineEdit *m_pName, *m_pDesigner, *m_pAddress, *m_pDate, *m_pFind;
    QTreeWidget* m_pTree;
    CTreeWidgetCtrl m_tree;
    QLabel* m_pCaption;
    TreeSelection m_selection;
};

// ---------------------------------------------------------------------------------------------

class CProjPage2 : public CProjPageBase {
  public:
    explicit CProjPage2(QWidget* parent)
        : CProjPageBase(parent),
          m_cool(
              "Frequency levels of Cooling Outside Temperatures",
              {"0.4% Design Temperature Frequency", "1% Design Temperature Frequency (Recommended)",
               "2% Design Temperature Frequency"},
              this, "coolDesignLevel"),
          m_heat("Frequency levels of Heating Outside Temperatures",
                 {"99.6% Design Temperature Frequency",
                  "99% Design Temperature Frequency (Recommended)"},
                 this, "heatDesignLevel") {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(m_cool.Box());
        layout->addWidget(m_heat.Box());
        layout->addStretch();
    }
    void LoadValues(const CGeneralDataValues& v) override {
        m_cool.Set(v.m_nCoolDesignLevel);
        m_heat.Set(v.m_nHeatDesignLevel);
    }
    bool StoreValues(CGeneralDataValues& v, QString&, QWidget*&) override {
        v.m_nCoolDesignLevel = m_cool.Get();
        v.m_nHeatDesignLevel = m_heat.Get();
        return true;
    }

  private:
    CRadioGroup m_cool, m_heat;
};

// ---------------------------------------------------------------------------------------------

class CProjPage3 : public CProjPageBase {
  public:
    explicit CProjPage3(QWidget* parent) : CProjPageBase(parent) {
        auto* layout = new QVBoxLayout(this);
        auto* cool = new QGroupBox("Inside design conditions for Cooling", this);
        auto* coolForm = new QFormLayout(cool);
        m_pDBCool = AddNumber(coolForm, cool, "Inside disign dry bulb temperature (Cooling)",
                              "insideDBCool", m_pCoolUnit);
        m_pRH = AddNumber(coolForm, cool, "Inside design relative humidity (Cooling)", "insideRH",
                          m_pRHUnit);
        m_pRHUnit->setText("% RH");
        auto* heat = new QGroupBox("Inside design conditions for Heating", this);
        auto* heatForm = new QFormLayout(heat);
        m_pDBHeat = AddNumber(heatForm, heat, "Inside design dry bulb temperature (Heating)",
                              "insideDBHeat", m_pHeatUnit);
        layout->addWidget(cool);
        layout->addWidget(heat);
        layout->addStretch();
    }
    void LoadValues(const CGeneralDataValues& v) override {
        m_pDBCool->setText(FormatDouble(v.m_dInsideDBCool));
        m_pRH->setText(FormatDouble(v.m_dInsideRH));
        m_pDBHeat->setText(FormatDouble(v.m_dInsideDBHeat));
        m_pCoolUnit->setText(Q(v.strCoolTempUnit));
        m_pHeatUnit->setText(Q(v.strHeatTempUnit));
    }
    bool StoreValues(CGeneralDataValues& v, QString& message, QWidget*& focus) override {
        const std::pair<CNumEdit*, double*> boxes[] = {{m_pDBCool, &v.m_dInsideDBCool},
                                                       {m_pRH, &v.m_dInsideRH},
                                                       {m_pDBHeat, &v.m_dInsideDBHeat}};
        for (const auto& [edit, member] : boxes) {
            if (!ReadDouble(edit, *member)) {
                message = kNotANumberMessage;
                focus = edit;
                return false;
            }
        }
        if (InputResult error =
                CheckFields(v, {"m_dInsideDBCool", "m_dInsideRH", "m_dInsideDBHeat"})) {
            message = Q(error->strMessage);
            focus = error->strField == "m_dInsideRH"       ? m_pRH
                    : error->strField == "m_dInsideDBCool" ? m_pDBCool
                                                           : m_pDBHeat;
            return false;
        }
        return true;
    }

  private:
    CNumEdit* AddNumber(QFormLayout* form, QWidget* box, const char* label, const char* name,
                        QLabel*& unit) {
        auto* row = new QHBoxLayout;
        auto* edit = new CNumEdit(box);
        edit->setObjectName(name);
        edit->setMinimumWidth(140);
        edit->setMaximumWidth(180);
        unit = new QLabel(box);
        unit->setMinimumWidth(40);
        row->addWidget(edit);
        row->addWidget(unit);
        row->addStretch();
        form->addRow(label, row);
        return edit;
    }

    CNumEdit *m_pDBCool, *m_pRH, *m_pDBHeat;
    QLabel *m_pCoolUnit, *m_pRHUnit, *m_pHeatUnit;
};

// ---------------------------------------------------------------------------------------------

class CProjPage4 : public CProjPageBase {
  public:
    explicit CProjPage4(QWidget* parent)
        : CProjPageBase(parent),
          m_roof(
              "Description of Roof Construction",
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
              this, "roofType") {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel("Please Select Roof Construction", this));
        layout->addWidget(m_roof.Box());
        layout->addStretch();
    }
    void LoadValues(const CGeneralDataValues& v) override { m_roof.Set(v.m_nRoofType); }
    bool StoreValues(CGeneralDataValues& v, QString&, QWidget*&) override {
        v.m_nRoofType = m_roof.Get();
        return true;
    }

  private:
    CRadioGroup m_roof;
};

// ---------------------------------------------------------------------------------------------

class CProjPage5 : public CProjPageBase {
  public:
    explicit CProjPage5(QWidget* parent)
        : CProjPageBase(parent),
          m_ceiling("Roof with or without suspended ceiling",
                    {"Roof with suspended ceiling", "Roof without suspended ceiling"}, this,
                    "suspendedCeiling"),
          m_roofColor("External roof color",
                      {"Dark colored (or light in industrial area)",
                       "Permanently light colored (rural area)"},
                      this, "roofColor"),
          m_atticFan("Is attic fan and / or duct in suspended ceiling space?", {"Yes", "No"}, this,
                     "atticFan"),
          m_wallColor(
              "External wall color",
              {"Dark colored (or medium to light in industrial area)",
               "Permanently medium colored (rural area)", "Permanently light colored (rural area)"},
              this, "wallColor") {
        auto* layout = new QVBoxLayout(this);
        for (CRadioGroup* group : {&m_ceiling, &m_roofColor, &m_atticFan, &m_wallColor}) {
            layout->addWidget(group->Box());
        }
        layout->addStretch();
    }
    void LoadValues(const CGeneralDataValues& v) override {
        m_ceiling.Set(v.m_nSuspendedCeiling);
        m_roofColor.Set(v.m_nRoofColor);
        m_atticFan.Set(v.m_nAtticFan);
        m_wallColor.Set(v.m_nWallColor);
    }
    bool StoreValues(CGeneralDataValues& v, QString&, QWidget*&) override {
        v.m_nSuspendedCeiling = m_ceiling.Get();
        v.m_nRoofColor = m_roofColor.Get();
        v.m_nAtticFan = m_atticFan.Get();
        v.m_nWallColor = m_wallColor.Get();
        return true;
    }

  private:
    CRadioGroup m_ceiling, m_roofColor, m_atticFan, m_wallColor;
};

// ---------------------------------------------------------------------------------------------

// The tree part of pages 6 and 7: rebuilt on loading, the leaf chosen on this visit kept.
class CChoiceTree {
  public:
    CChoiceTree(QWidget* parent, const QString& name, void (*fill)(CTreeCtrl&))
        : m_pTree(MakeTree(parent, name)), m_tree(m_pTree), m_fill(fill) {
        QObject::connect(m_pTree, &QTreeWidget::itemSelectionChanged, m_pTree, [this] {
            const HTREEITEM item = m_tree.GetSelectedItem();
            m_selection = item != 0 ? ReadTreeSelection(m_tree, item) : TreeSelection{};
        });
    }
    void Load() {
        m_fill(m_tree);
        ResetTree(m_pTree);
        m_selection = TreeSelection{};
    }
    QTreeWidget* Widget() const { return m_pTree; }
    const TreeSelection& Selection() const { return m_selection; }

  private:
    QTreeWidget* m_pTree;
    CTreeWidgetCtrl m_tree;
    void (*m_fill)(CTreeCtrl&);
    TreeSelection m_selection;
};

class CProjPage6 : public CProjPageBase {
  public:
    explicit CProjPage6(QWidget* parent)
        : CProjPageBase(parent), m_tree(this, "wallTree", FillWallGroupTree) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel("Please select the wall construction group (A to G)", this));
        layout->addWidget(m_tree.Widget(), 1);
        m_pCaption = WrappedLabel({}, this, "wallGroupCaption");
        layout->addWidget(m_pCaption);
    }
    void LoadValues(const CGeneralDataValues& v) override {
        m_tree.Load();
        m_pCaption->setText(ToQString(v.strWallGroupCaption).left(200));
    }
    bool StoreValues(CGeneralDataValues& v, QString& message, QWidget*& focus) override {
        // A node (data 0) is no choice: the project's group stays.
        const TreeSelection& s = m_tree.Selection();
        v.m_nWallGroup = s.nCode;
        if (s.nCode != 0) {
            v.m_strWallGroup1 = s.strLeaf;
            v.m_strWallGroup2 = s.strParent;
        }
        if (v.m_nWallGroup == 0 && v.nCurrentWallGroup == 0) {
            message = kNoWallGroupMessage;
            focus = m_tree.Widget();
            return false;
        }
        return true;
    }

  private:
    CChoiceTree m_tree;
    QLabel* m_pCaption;
};

// ---------------------------------------------------------------------------------------------

class CProjPage7 : public CProjPageBase {
  public:
    explicit CProjPage7(QWidget* parent)
        : CProjPageBase(parent),
          m_hours("Number of hours per day for which lights are on",
                  {"Eight Hours", "Ten Hours", "Twelve Hours", "Fourteen Hours", "Sixteen Hours",
                   "Greater than Sixteen Hours"},
                  this, "lightHoursSel"),
          m_aClass("'a' Classification: Light Fixture and Ventilation Arrangements",
                   {"0.45 - Recessed lights, not vented, air < 0.5 cfm/sq ft, diffusers below "
                    "ceiling",
                    "0.55 - Recesd lgts, not vented, air >= 0.5 cfm/sq ft, difrs below/thru "
                    "ceiling",
                    "0.65 - Vented, air >= 0.5 cfm/sq ft thru ceiling or wall, return air thru "
                    "ceiling",
                    "0.75 - Vented or free hanging, supply air thru ceiling or wall, return air "
                    "ducted"},
                   this, "aClass"),
          m_tree(this, "bClassTree", FillBClassTree) {
        auto* layout = new QVBoxLayout(this);
        auto* heading = new QLabel("LIGHTS", this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        layout->addWidget(heading);
        auto* hourRow = new QHBoxLayout;
        m_pOnHour = new CSpinEdit(1, 24, this);
        m_pOnHour->setObjectName("lightOnHour");
        m_pOnHour->setMinimumWidth(70);
        auto* hourLabel =
            new QLabel("Hour when lights are turned on (1 to 24 Hr. Solar Time).", this);
        hourLabel->setBuddy(m_pOnHour);
        hourRow->addWidget(hourLabel);
        hourRow->addWidget(m_pOnHour);
        hourRow->addStretch();
        layout->addLayout(hourRow);
        auto* radios = new QHBoxLayout;
        radios->addWidget(m_hours.Box());
        radios->addWidget(m_aClass.Box(), 1);
        layout->addLayout(radios);
        layout->addWidget(
            new QLabel("Please select the 'b' Classification (A to D) of the room", this));
        m_tree.Widget()->setMinimumHeight(120);
        layout->addWidget(m_tree.Widget(), 1);
        m_pCaption = WrappedLabel({}, this, "bClassCaption");
        layout->addWidget(m_pCaption);
    }
    void LoadValues(const CGeneralDataValues& v) override {
        m_pOnHour->setValue(v.m_nLightOnHour);
        m_hours.Set(v.m_nLightHoursSel);
        m_aClass.Set(v.m_nAClass);
        m_tree.Load();
        m_pCaption->setText(ToQString(v.strBClassCaption));
    }
    bool StoreValues(CGeneralDataValues& v, QString& message, QWidget*& focus) override {
        v.m_nLightOnHour = m_pOnHour->value();
        v.m_nLightHoursSel = m_hours.Get();
        v.m_nAClass = m_aClass.Get();
        const TreeSelection& s = m_tree.Selection();
        v.m_nBClass = s.nCode;
        if (s.nCode != 0) {
            v.m_strBClass1 = s.strLeaf;
            v.m_strBClass2 = s.strParent;
            v.m_strBClass3 = s.strGrandparent;
        }
        if (InputResult error = CheckFields(v, {"m_nLightOnHour"})) {
            message = Q(error->strMessage);
            focus = m_pOnHour;
            return false;
        }
        if (v.m_nBClass == 0 && v.nCurrentBClass == 0) {
            message = kNoBClassMessage;
            focus = m_tree.Widget();
            return false;
        }
        return true;
    }

  private:
    CSpinEdit* m_pOnHour;
    CRadioGroup m_hours, m_aClass;
    CChoiceTree m_tree;
    QLabel* m_pCaption;
};

}  // namespace

CProjPageBase* CreateProjPage1(QWidget* parent) { return new CProjPage1(parent); }
CProjPageBase* CreateProjPage2(QWidget* parent) { return new CProjPage2(parent); }
CProjPageBase* CreateProjPage3(QWidget* parent) { return new CProjPage3(parent); }
CProjPageBase* CreateProjPage4(QWidget* parent) { return new CProjPage4(parent); }
CProjPageBase* CreateProjPage5(QWidget* parent) { return new CProjPage5(parent); }
CProjPageBase* CreateProjPage6(QWidget* parent) { return new CProjPage6(parent); }
CProjPageBase* CreateProjPage7(QWidget* parent) { return new CProjPage7(parent); }
