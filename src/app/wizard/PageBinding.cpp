#include "PageBinding.h"

#include <QAbstractButton>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProxyStyle>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <set>

#include "AppStrings.h"
#include "NumEdit.h"

CBoundPage::CBoundPage(QWidget* parent) : CProjPageBase(parent) {}

void CBoundPage::Bind(Kind kind, QWidget* widget, QButtonGroup* group, const char* field,
                      int element) {
    const GeneralDataRow* row = FindField(GeneralDataFields(), field);
    Q_ASSERT(row != nullptr);
    if (row == nullptr) return;
    const std::string name =
        element >= 0 ? ElementName(field, static_cast<size_t>(element)) : std::string(field);
    m_bindings.push_back({kind, widget, group, row, element, name});
}

void CBoundPage::BindText(QLineEdit* edit, const char* field) {
    Bind(Kind::kText, edit, nullptr, field, -1);
}
void CBoundPage::BindNumber(QLineEdit* edit, const char* field, int element) {
    Bind(Kind::kNumber, edit, nullptr, field, element);
}
void CBoundPage::BindInteger(QLineEdit* edit, const char* field, int element) {
    Bind(Kind::kInteger, edit, nullptr, field, element);
}
void CBoundPage::BindSpin(QSpinBox* spin, const char* field, int element) {
    Bind(Kind::kSpin, spin, nullptr, field, element);
}
void CBoundPage::BindChoice(QButtonGroup* group, const char* field) {
    Bind(Kind::kChoice, nullptr, group, field, -1);
}
void CBoundPage::BindChecked(QWidget* widget, const char* field) {
    Bind(Kind::kChecked, widget, nullptr, field, -1);
}
void CBoundPage::BindCaption(QLabel* label, std::string CGeneralDataValues::*text) {
    m_captions.push_back({label, text});
}

void CBoundPage::LoadValues(const CGeneralDataValues& values) {
    CGeneralDataValues v = values;
    for (const Binding& b : m_bindings) {
        switch (b.kind) {
            case Kind::kText:
                // Project texts of a loaded file are 8-bit.
                static_cast<QLineEdit*>(b.widget)->setText(
                    ToQString(*FieldAddress<std::string>(*b.row, v)));
                break;
            case Kind::kNumber:
                static_cast<QLineEdit*>(b.widget)->setText(
                    FormatDouble(*FieldAddress<double>(*b.row, v, b.element)));
                break;
            case Kind::kInteger:
                static_cast<QLineEdit*>(b.widget)->setText(
                    QString::number(*FieldAddress<int>(*b.row, v, b.element)));
                break;
            case Kind::kSpin:
                static_cast<QSpinBox*>(b.widget)->setValue(
                    *FieldAddress<int>(*b.row, v, b.element));
                break;
            case Kind::kChoice:
                SelectButton(b.group, *FieldAddress<int>(*b.row, v));
                break;
            case Kind::kChecked:
                break;
        }
    }
    for (const Caption& c : m_captions) c.label->setText(QString::fromStdString(v.*c.text));
    LoadExtra(values);
}

bool CBoundPage::StoreValues(CGeneralDataValues& values, QString& message, QWidget*& focus) {
    CGeneralDataValues v = values;
    std::set<std::string> read;
    auto check = [&] {
        return ValidateGeneralData(
            v, [&](const GeneralDataRow&, const std::string& field) { return read.count(field); });
    };
    auto refuse = [&](const InputError& error) {
        message = QString::fromStdString(error.strMessage);
        focus = WidgetOf(error.strField);
        // A tree without a choice is refused only going forward; the rest of the page stays.
        const GeneralDataRow* row = FindField(GeneralDataFields(), error.strField);
        if (row != nullptr && row->check.kind == CheckKind::kTreeChoice) values = v;
        return false;
    };

    for (const Binding& b : m_bindings) {
        bool ok = true;
        switch (b.kind) {
            case Kind::kText: {
                std::string* text = FieldAddress<std::string>(*b.row, v);
                *text = ToProjectText(static_cast<QLineEdit*>(b.widget)->text(), *text);
                break;
            }
            case Kind::kNumber: {
                double number = 0;
                ok = ReadDouble(static_cast<QLineEdit*>(b.widget), number);
                if (ok) *FieldAddress<double>(*b.row, v, b.element) = number;
                break;
            }
            case Kind::kInteger: {
                const int n = static_cast<QLineEdit*>(b.widget)->text().trimmed().toInt(&ok);
                if (ok) *FieldAddress<int>(*b.row, v, b.element) = n;
                break;
            }
            case Kind::kSpin:
                // The box holds digits only: always an integer.
                *FieldAddress<int>(*b.row, v, b.element) =
                    static_cast<QSpinBox*>(b.widget)->value();
                break;
            case Kind::kChoice: {
                const int chosen = b.group->checkedId();
                *FieldAddress<int>(*b.row, v) = chosen;
                if (chosen < 0) continue;  // nothing chosen is not checked here
                break;
            }
            case Kind::kChecked:
                continue;  // set by StoreExtra below
        }
        if (!ok) {
            if (m_bRangeFirst) {
                if (const InputResult error = check()) return refuse(*error);
            }
            message = b.kind == Kind::kInteger ? kNotAnIntegerMessage : kNotANumberMessage;
            focus = b.widget;
            return false;
        }
        read.insert(b.field);
    }
    StoreExtra(v);
    for (const Binding& b : m_bindings) {
        if (b.kind == Kind::kChecked) read.insert(b.field);
    }
    if (const InputResult error = check()) return refuse(*error);
    values = v;
    return true;
}

QWidget* CBoundPage::WidgetOf(const std::string& field) const {
    for (const Binding& b : m_bindings) {
        if (b.field == field) return b.widget;
    }
    return nullptr;
}

// ---- One-column pages ----

namespace {
const char* const kHourChoiceTexts[] = {"2 Hours",  "4 Hours",     "6 Hours",  "8 Hours",
                                        "10 Hours", "12 Hours",    "14 Hours", "16 Hours",
                                        "18 Hours", "Above 18 Hrs"};

QString NameOf(const char* field, int element) {
    return QString::fromStdString(element >= 0 ? ElementName(field, static_cast<size_t>(element))
                                               : std::string(field));
}
}  // namespace

CColumnPage::CColumnPage(int page, QWidget* parent) : CBoundPage(parent) {
    setTitle(ProjPageTitle(page));
    m_layout = new QVBoxLayout(this);
}

void CColumnPage::AddHeading(const QString& text) {
    auto* label = new QLabel(text, this);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setWordWrap(true);
    m_layout->addWidget(label);
}

QLabel* CColumnPage::AddNote(const QString& text, QBoxLayout* layout) {
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

CIntEdit* CColumnPage::IntBox(const char* field, int element) {
    auto* edit = new CIntEdit(this);
    edit->setObjectName(NameOf(field, element));
    BindInteger(edit, field, element);
    return edit;
}

CNumEdit* CColumnPage::RealBox(const char* field, int element) {
    auto* edit = new CNumEdit(this);
    edit->setObjectName(NameOf(field, element));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("000000000000") + 12);
    BindNumber(edit, field, element);
    return edit;
}

CSpinEdit* CColumnPage::SpinBox(const char* field, int low, int high) {
    auto* spin = new CSpinEdit(low, high, this);
    spin->setObjectName(field);
    spin->setMaximumWidth(spin->fontMetrics().horizontalAdvance("0000000") + 40);
    BindSpin(spin, field);
    return spin;
}

QHBoxLayout* CColumnPage::HourRow(const QString& label, const char* field) {
    auto* row = new QHBoxLayout;
    auto* text = new QLabel(label, this);
    text->setWordWrap(true);
    row->addWidget(text, 1);
    row->addWidget(SpinBox(field, 1, 24));
    return row;
}

QGroupBox* CColumnPage::HoursBox(const QString& title, const char* field) {
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(std::size(kHourChoiceTexts)); ++i) {
        auto* button = new QRadioButton(kHourChoiceTexts[i], box);
        grid->addWidget(button, i / 5, i % 5);
        button->setObjectName(QString("%1:%2").arg(field).arg(i));
        group->addButton(button, i);
    }
    BindChoice(group, field);
    return box;
}

QGroupBox* CColumnPage::RadioBox(const QString& title, const char* field, const QStringList& texts,
                                 int columns) {
    QButtonGroup* group = nullptr;
    QGroupBox* box = RadioGrid(this, title, field, texts, columns, group);
    BindChoice(group, field);
    return box;
}

QLabel* CColumnPage::CaptionLabel(const QString& name, std::string CGeneralDataValues::*text) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    BindCaption(label, text);
    return label;
}

// ---- Widgets ----

QGroupBox* RadioColumn(QWidget* parent, const QString& title, const QStringList& buttons,
                       const QString& name, QButtonGroup*& group) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < buttons.size(); ++i) {
        auto* button = new QRadioButton(buttons[i], box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return box;
}

QGroupBox* RadioGrid(QWidget* parent, const QString& title, const QString& name,
                     const QStringList& texts, int columns, QButtonGroup*& group) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    group = new QButtonGroup(parent);
    const int rows = (static_cast<int>(texts.size()) + columns - 1) / columns;
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts[i], box);
        button->setObjectName(QString("%1:%2").arg(name).arg(i));
        grid->addWidget(button, i % rows, i / rows);
        group->addButton(button, i);
    }
    return box;
}

void SelectButton(QButtonGroup* group, int index) {
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
        return;
    }
    // -1 (or anything else) shows no choice: an exclusive group cannot uncheck otherwise.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(true);
}

CIntEdit::CIntEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
    setAlignment(Qt::AlignRight);
    setMaximumWidth(fontMetrics().horizontalAdvance("0000000") + 12);
}

QLabel* WrappedLabel(const QString& text, QWidget* parent, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    if (!name.isEmpty()) label->setObjectName(name);
    return label;
}

namespace {

// Highlights an item's text only, as the platform's trees do, not the stretch from the text to
// the end of the column (which is as wide as the longest item shown).
class CTextHighlightDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        // The item's own width is what the column is sized to fit: the text is never elided.
        QStyleOptionViewItem narrowed = option;
        narrowed.rect.setWidth(std::min(option.rect.width(), sizeHint(option, index).width()));
        QStyledItemDelegate::paint(painter, narrowed, index);
    }
};

// Keeps the highlight off the branch lines left of the text too.
class CTextSelectionStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ItemView_ShowDecorationSelected) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

QTreeWidget* MakeTree(QWidget* parent, const QString& name) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    tree->setItemDelegate(new CTextHighlightDelegate(tree));
    auto* style = new CTextSelectionStyle;
    style->setParent(tree);
    tree->setStyle(style);
    return tree;
}

void ResetTree(QTreeWidget* tree) {
    tree->collapseAll();
    tree->clearSelection();
    tree->setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
}

CChoiceTree::CChoiceTree(QWidget* parent, const QString& name, void (*fill)(CTreeCtrl&))
    : m_pTree(MakeTree(parent, name)), m_tree(m_pTree), m_fill(fill) {
    QObject::connect(m_pTree, &QTreeWidget::itemSelectionChanged, m_pTree, [this] {
        const HTREEITEM item = m_tree.GetSelectedItem();
        m_selection = item != 0 ? ReadTreeSelection(m_tree, item) : TreeSelection{};
    });
}

void CChoiceTree::Load() {
    m_fill(m_tree);
    ResetTree(m_pTree);
    m_selection = TreeSelection{};
}
