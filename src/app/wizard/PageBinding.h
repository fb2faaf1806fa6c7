#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "ProjPage.h"
#include "TreeWidgetCtrl.h"
#include "input/ConstructionTrees.h"
#include "input/GeneralDataCommand.h"

// A wizard page whose widgets are bound to rows of the General Project Data field table, by the
// row's name (and element). Loading shows each bound field; storing reads the widgets in the
// order they were bound, then checks the fields read with the command's own validator, so a
// refusal names a field and the field names its widget. A page adds a field by binding a
// widget to its row; nothing else on the page knows the field.
class CBoundPage : public CProjPageBase {
  public:
    explicit CBoundPage(QWidget* parent);

    void LoadValues(const CGeneralDataValues& values) final;
    bool StoreValues(CGeneralDataValues& values, QString& message, QWidget*& focus) final;

  protected:
    // A project text (8-bit in the document, kept as stored when unchanged).
    void BindText(QLineEdit* edit, const char* field);
    // A number box; "Please enter a number." when its text is none.
    void BindNumber(QLineEdit* edit, const char* field, int element = -1);
    // A digits-only integer box; "Please enter an integer." when empty.
    void BindInteger(QLineEdit* edit, const char* field, int element = -1);
    void BindSpin(QSpinBox* spin, const char* field, int element = -1);
    // Buttons numbered from 0; nothing chosen reads -1 and is no fault of the page (Finish
    // refuses it).
    void BindChoice(QButtonGroup* group, const char* field);
    // A field the page sets itself (a tree choice, in StoreExtra): checked with the others,
    // its refusal focuses the widget.
    void BindChecked(QWidget* widget, const char* field);
    void BindCaption(QLabel* label, std::string CGeneralDataValues::*text);

    // By default a box that is no number is reported after the range faults of the boxes
    // read before it; the inside conditions page has always reported it first.
    void ReportParseFaultsFirst() { m_bRangeFirst = false; }

    // What the page shows and sets besides its bound fields.
    virtual void LoadExtra(const CGeneralDataValues&) {}
    virtual void StoreExtra(CGeneralDataValues&) {}

  private:
    enum class Kind { kText, kNumber, kInteger, kSpin, kChoice, kChecked };
    struct Binding {
        Kind kind;
        QWidget* widget;
        QButtonGroup* group;
        const GeneralDataRow* row;
        int element;
        std::string field;  // "name" or "name[i]", as a refusal names it
    };
    struct Caption {
        QLabel* label;
        std::string CGeneralDataValues::*text;
    };

    void Bind(Kind kind, QWidget* widget, QButtonGroup* group, const char* field, int element);
    QWidget* WidgetOf(const std::string& field) const;

    std::vector<Binding> m_bindings;
    std::vector<Caption> m_captions;
    bool m_bRangeFirst = true;
};

class CIntEdit;
class CNumEdit;
class CSpinEdit;
class QBoxLayout;
class QHBoxLayout;
class QVBoxLayout;

// A bound page laid out in one column, whose boxes are named after the fields they show.
class CColumnPage : public CBoundPage {
  public:
    CColumnPage(int page, QWidget* parent);

  protected:
    QVBoxLayout* PageLayout() const { return m_layout; }
    void AddHeading(const QString& text);
    QLabel* AddNote(const QString& text, QBoxLayout* layout);

    CIntEdit* IntBox(const char* field, int element = -1);
    CNumEdit* RealBox(const char* field, int element = -1);
    // An integer box with its spin; the arrows stay within the range, typing may leave it.
    CSpinEdit* SpinBox(const char* field, int low, int high);
    // "Hour when ... (1 to 24 Hr. Solar Time)" with its box and spin on one row.
    QHBoxLayout* HourRow(const QString& label, const char* field);
    // The ten operating-hours buttons, two rows of five in reading order.
    QGroupBox* HoursBox(const QString& title, const char* field);
    QGroupBox* RadioBox(const QString& title, const char* field, const QStringList& texts,
                        int columns);
    QLabel* CaptionLabel(const QString& name, std::string CGeneralDataValues::*text);

  private:
    QVBoxLayout* m_layout;
};

// ---- Widgets the pages share ----

// A boxed radio group, one button per line, whose buttons are numbered from 0.
QGroupBox* RadioColumn(QWidget* parent, const QString& title, const QStringList& buttons,
                       const QString& name, QButtonGroup*& group);

// A boxed radio group laid out in columns, filled column by column; the buttons are named
// "name:i".
QGroupBox* RadioGrid(QWidget* parent, const QString& title, const QString& name,
                     const QStringList& texts, int columns, QButtonGroup*& group);

// Checks button `index`, or none when there is no such button.
void SelectButton(QButtonGroup* group, int index);

// A digits-only box: nothing else, also when pasted.
class CIntEdit : public QLineEdit {
  public:
    explicit CIntEdit(QWidget* parent = nullptr);
};

QLabel* WrappedLabel(const QString& text, QWidget* parent, const QString& name = {});

// A tree with one column and no header, single selection.
QTreeWidget* MakeTree(QWidget* parent, const QString& name);
// After filling: everything collapsed and nothing chosen on this visit.
void ResetTree(QTreeWidget* tree);

// A tree of choices: rebuilt on loading, collapsed with nothing chosen; the leaf chosen on
// this visit kept.
class CChoiceTree {
  public:
    CChoiceTree(QWidget* parent, const QString& name, void (*fill)(CTreeCtrl&));
    void Load();
    QTreeWidget* Widget() const { return m_pTree; }
    CTreeWidgetCtrl& Control() { return m_tree; }
    const TreeSelection& Selection() const { return m_selection; }

  private:
    QTreeWidget* m_pTree;
    CTreeWidgetCtrl m_tree;
    void (*m_fill)(CTreeCtrl&);
    TreeSelection m_selection;
};
