// Pages 1 to 3 of the General Project Data wizard: the project and its weather station, the
// design temperature frequencies and the inside design conditions.

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "AppStrings.h"
#include "NumEdit.h"
#include "PageBinding.h"
#include "tessil/tessil.h"

namespace {

class CProjPage1 : public CBoundPage {
  public:
    explicit CProjPage1(QWidget* parent) : CBoundPage(parent), m_tree(nullptr) {
        auto* layout = new QVBoxLayout(this);
        auto* form = new QFormLayout;
        QLineEdit* name = AddEdit(form, "Project Name:", "projectName", "m_strProjectName");
        name->setMaxLength(34);
        AddEdit(form, "Project Designer:", "projectDesigner", "m_strProjectDesigner");
        AddEdit(form, "Project Address:", "projectAddress", "m_strProjectAddress");
        AddEdit(form, "Date:", "projectDate", "m_strProjectDate");
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

  protected:
    void LoadExtra(const CGeneralDataValues& v) override {
        // The station names of a loaded file are 8-bit.
        m_strProjectCaption = ToQString(v.strStationCaption);
        m_pCaption->setText(m_strProjectCaption);
        m_pTree->clear();
        PopulateCityTree(&m_tree);
        ResetTree(m_pTree);
        m_selection = TreeSelection{};
    }
    void StoreExtra(CGeneralDataValues& v) override {
        // Index 0 (nothing chosen on this visit) keeps the project's station on Finish.
        v.m_nCityIndex = m_selection.nCode;
        v.m_strCityName = m_selection.strLeaf;
        v.m_strCityRegion = m_selection.strParent;
    }

  private:
    QLineEdit* AddEdit(QFormLayout* form, const char* label, const char* name, const char* field) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        form->addRow(label, edit);
        BindText(edit, field);
        return edit;
    }

    void OnSelect() {
        const HTREEITEM item = m_tree.GetSelectedItem();
        m_selection = item != 0 ? ReadTreeSelection(m_tree, item) : TreeSelection{};
        // A region is no station: Finish would keep the project's, so the caption shows it.
        m_pCaption->setText(
            m_selection.nCode != 0
                ? ToQString(StationCaption(m_selection.strLeaf, m_selection.strParent))
                : m_strProjectCaption);
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

    QLineEdit* m_pFind;
    QTreeWidget* m_pTree;
    CTreeWidgetCtrl m_tree;
    QLabel* m_pCaption;
    QString m_strProjectCaption;
    TreeSelection m_selection;
};

class CProjPage2 : public CBoundPage {
  public:
    explicit CProjPage2(QWidget* parent) : CBoundPage(parent) {
        auto* layout = new QVBoxLayout(this);
        QButtonGroup* group = nullptr;
        layout->addWidget(RadioColumn(
            this, "Frequency levels of Cooling Outside Temperatures",
            {"0.4% Design Temperature Frequency", "1% Design Temperature Frequency (Recommended)",
             "2% Design Temperature Frequency"},
            "coolDesignLevel", group));
        BindChoice(group, "m_nCoolDesignLevel");
        layout->addWidget(RadioColumn(this, "Frequency levels of Heating Outside Temperatures",
                                      {"99.6% Design Temperature Frequency",
                                       "99% Design Temperature Frequency (Recommended)"},
                                      "heatDesignLevel", group));
        BindChoice(group, "m_nHeatDesignLevel");
        layout->addStretch();
    }
};

class CProjPage3 : public CBoundPage {
  public:
    explicit CProjPage3(QWidget* parent) : CBoundPage(parent) {
        ReportParseFaultsFirst();
        auto* layout = new QVBoxLayout(this);
        auto* cool = new QGroupBox("Inside design conditions for Cooling", this);
        auto* coolForm = new QFormLayout(cool);
        AddNumber(coolForm, cool, "Inside disign dry bulb temperature (Cooling)", "insideDBCool",
                  "m_dInsideDBCool", &CGeneralDataValues::strCoolTempUnit);
        QLabel* rhUnit = AddNumber(coolForm, cool, "Inside design relative humidity (Cooling)",
                                   "insideRH", "m_dInsideRH", nullptr);
        rhUnit->setText("% RH");
        auto* heat = new QGroupBox("Inside design conditions for Heating", this);
        auto* heatForm = new QFormLayout(heat);
        AddNumber(heatForm, heat, "Inside design dry bulb temperature (Heating)", "insideDBHeat",
                  "m_dInsideDBHeat", &CGeneralDataValues::strHeatTempUnit);
        layout->addWidget(cool);
        layout->addWidget(heat);
        layout->addStretch();
    }

  private:
    // A number box with its unit beside it; returns the unit label.
    QLabel* AddNumber(QFormLayout* form, QWidget* box, const char* label, const char* name,
                      const char* field, std::string CGeneralDataValues::*unitText) {
        auto* row = new QHBoxLayout;
        auto* edit = new CNumEdit(box);
        edit->setObjectName(name);
        edit->setMinimumWidth(140);
        edit->setMaximumWidth(180);
        auto* unit = new QLabel(box);
        unit->setMinimumWidth(40);
        row->addWidget(edit);
        row->addWidget(unit);
        row->addStretch();
        form->addRow(label, row);
        BindNumber(edit, field);
        if (unitText != nullptr) BindCaption(unit, unitText);
        return unit;
    }
};

}  // namespace

CProjPageBase* CreateProjPage1(QWidget* parent) { return new CProjPage1(parent); }
CProjPageBase* CreateProjPage2(QWidget* parent) { return new CProjPage2(parent); }
CProjPageBase* CreateProjPage3(QWidget* parent) { return new CProjPage3(parent); }
