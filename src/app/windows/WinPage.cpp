#include "WinPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <type_traits>

#include "GuiMessages.h"
#include "WindowSketch.h"
#include "input/WindowsCommand.h"
#include "wizard/NumEdit.h"

namespace {

// The platform's messages for text that is no number at all, as the other wizard says them.

constexpr const char* kTitles[kOrientations] = {
    "North Glass Windows Data Input - Page 1 of 8",
    "North East Glass Windows Data Input - Page 2 of 8",
    "East Glass Windows Data Input - Page 3 of 8",
    "South East Glass Windows Data Input - Page 4 of 8",
    "South Glass Windows Data Input - Page 5 of 8",
    "South West Glass Windows Data Input - Page 6 of 8",
    "West Glass Windows Data Input - Page 7 of 8",
    "North West Glass Windows Data Input - Page 8 of 8"};

// In the order of the record's lengths.
constexpr const char* kCaptions[CWinPage::kDimensions] = {"Window Height, Wh",
                                                          "Window Width, Ww",
                                                          "Left Fin Distance\nFrom Window, Ld",
                                                          "Right Fin Distance\nFrom Window, Rd",
                                                          "Overhang Width, Vw",
                                                          "Overhang Height\nAbove Window, Vh",
                                                          "Left Fin Width, Lw",
                                                          "Right Fin Width, Rw"};
constexpr const char* kFieldNames[CWinPage::kDimensions] = {
    "height",        "width",          "leftFinDist",  "rightFinDist",
    "overhangWidth", "overhangHeight", "leftFinWidth", "rightFinWidth"};

constexpr int kColumns = 10;
constexpr const char* kHeaders[kColumns] = {"Type", "Quantity", "Wh", "Ww", "Ld",
                                            "Rd",   "Vw",       "Vh", "Lw", "Rw"};
constexpr int kColumnWidths[kColumns] = {40, 60, 50, 50, 50, 50, 50, 50, 50, 50};

constexpr const char* kRemoveAllQuestion =
    "This action will delete all glass\nwindows for this orientation.";

// The quantity box: digits only.
class CDigitsEdit : public CNumEdit {
  public:
    explicit CDigitsEdit(QWidget* parent) : CNumEdit(QString(), parent) {}
};

// The record's eight lengths in field order, to read or to write.
template <class W, class F>
void ForEachLength(W& window, F&& length) {
    int i = 0;
    ForEachWindowField(window, [&](const char* name, auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>) {
            length(i++, name, value);
        }
    });
}

}  // namespace

CWinPage::CWinPage(int orientation, QWidget* parent) : QWizardPage(parent) {
    setTitle(kTitles[std::clamp(orientation, 0, kOrientations - 1)]);

    auto* dimensions = new QGroupBox(this);
    auto* grid = new QGridLayout(dimensions);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < kDimensions; ++i) {
        auto* edit = new CNumEdit(dimensions);
        edit->setObjectName(kFieldNames[i]);
        edit->setMinimumWidth(90);
        edit->setMaximumWidth(120);
        auto* caption = new QLabel(kCaptions[i], dimensions);
        caption->setBuddy(edit);
        auto* unit = new QLabel(dimensions);
        unit->setObjectName(QString(kFieldNames[i]) + "Unit");
        unit->setMinimumWidth(fontMetrics().horizontalAdvance("Ft") + 8);
        grid->addWidget(caption, i, 0);
        grid->addWidget(edit, i, 1);
        grid->addWidget(unit, i, 2);
        m_pDimension[static_cast<size_t>(i)] = edit;
        m_pUnit[static_cast<size_t>(i)] = unit;
    }

    auto* quantityRow = new QHBoxLayout;
    m_pQuantity = new CDigitsEdit(dimensions);
    m_pQuantity->setObjectName("quantity");
    m_pQuantity->setFixedWidth(fontMetrics().horizontalAdvance("0000000") + 16);
    auto* quantityCaption =
        new QLabel("Number of windows of the exact above description:", dimensions);
    quantityCaption->setBuddy(m_pQuantity);
    quantityRow->addWidget(quantityCaption);
    quantityRow->addSpacing(6);
    quantityRow->addWidget(m_pQuantity);
    quantityRow->addStretch();
    grid->addLayout(quantityRow, kDimensions, 0, 1, 3);

    auto* sketchBox = new QGroupBox(this);
    auto* sketchLayout = new QVBoxLayout(sketchBox);
    m_pSketch = new CWindowSketch(sketchBox);
    m_pSketch->setObjectName("sketch");
    sketchLayout->addWidget(m_pSketch);

    auto* top = new QHBoxLayout;
    top->addWidget(dimensions);
    top->addWidget(sketchBox, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddButton("Refresh", "refresh", &CWinPage::OnRefresh));
    buttons->addWidget(AddButton("Add", "add", &CWinPage::OnAdd));
    buttons->addWidget(AddButton("Edit", "edit", &CWinPage::OnEdit));
    buttons->addWidget(AddButton("Update", "update", &CWinPage::OnUpdate));
    buttons->addWidget(AddButton("Remove", "remove", &CWinPage::OnRemove));
    buttons->addWidget(AddButton("Remove All", "removeAll", &CWinPage::OnRemoveAll));
    buttons->addStretch();

    m_listWindows = new QTreeWidget(this);
    m_listWindows->setObjectName("listWindows");
    m_listWindows->setRootIsDecorated(false);
    m_listWindows->setItemsExpandable(false);
    m_listWindows->setUniformRowHeights(true);
    m_listWindows->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listWindows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listWindows->setAllColumnsShowFocus(true);
    m_listWindows->setColumnCount(kColumns);
    QStringList headers;
    for (const char* header : kHeaders) headers << header;
    m_listWindows->setHeaderLabels(headers);
    QHeaderView* header = m_listWindows->header();
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    // The widths keep their 40:60:50 proportions, widened with the font so that "Quantity" and
    // a value like "1234.56" fit.
    const QFontMetrics metrics(header->font());
    const double scale =
        std::max(1.0, (metrics.horizontalAdvance("Quantity") + 3.0 * metrics.averageCharWidth()) /
                          kColumnWidths[1]);
    int total = 0;
    for (int c = 0; c < kColumns; ++c) {
        const int width = static_cast<int>(kColumnWidths[c] * scale + 0.5);
        m_listWindows->setColumnWidth(c, width);
        total += width;
    }
    m_listWindows->setMinimumWidth(total + 2 * m_listWindows->frameWidth() + 4);
    m_listWindows->setMinimumHeight(metrics.height() * 9);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addWidget(m_listWindows, 1);

    ClearFields();
}

QPushButton* CWinPage::AddButton(const QString& text, const char* name,
                                 void (CWinPage::*handler)()) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);  // Enter in a field keeps the wizard's own default button
    connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    return button;
}

void CWinPage::Load(const CWindowList& windows, int bEnglish, const QString& lengthUnit,
                    IUserMessages& messages) {
    m_pMessages = &messages;
    m_bEnglish = bEnglish;
    m_aWindows.RemoveAll();
    for (int i = 0; i < windows.GetSize(); ++i) m_aWindows.Add(windows.GetAt(i));
    m_aWindows.FreeExtra();
    for (QLabel* unit : m_pUnit) unit->setText(lengthUnit);
    m_listWindows->clear();
    for (int i = 0; i < m_aWindows.GetSize(); ++i) SetRow(i, m_aWindows.GetAt(i));
}

// ---- buttons ------------------------------------------------------------------------------

void CWinPage::OnRefresh() {
    m_listWindows->viewport()->update();
    FocusHeight();
}

void CWinPage::OnAdd() {
    CWindo window;
    if (!ReadFields(window)) return;
    const int row = m_aWindows.Add(window);
    SetRow(row, window);
    ClearFields();
    m_aWindows.FreeExtra();
    FocusHeight();
}

void CWinPage::OnEdit() {
    const int row = SelectedRow();
    if (row < 0) {
        Say("Please select the item to be edited\nin the Type column and try again");
        return;
    }
    ShowFields(m_aWindows.GetAt(row));
    FocusHeight();
}

void CWinPage::OnUpdate() {
    CWindo window;
    if (!ReadFields(window)) return;
    const int row = SelectedRow();
    if (row < 0) {
        Say("Please select the item to be updated\nin the Type column and try again");
        return;
    }
    m_aWindows.SetAt(row, window);
    SetRow(row, window);
    m_listWindows->clearSelection();  // the row is a new one, as after Add
    ClearFields();
    m_aWindows.FreeExtra();
    FocusHeight();
}

void CWinPage::OnRemove() {
    const int row = SelectedRow();
    if (row < 0) {
        Say("Please select the item to be removed\nin the Type column and try again");
    } else if (row < m_aWindows.GetSize()) {
        m_aWindows.RemoveAt(row);
        m_aWindows.FreeExtra();
        delete m_listWindows->takeTopLevelItem(row);
        RenumberFrom(row);
    }
    FocusHeight();
}

void CWinPage::OnRemoveAll() {
    if (m_aWindows.GetSize() == 0) {
        Say("There are no items to remove");
    } else if (m_pMessages != nullptr && AskOkCancel(*m_pMessages, kRemoveAllQuestion)) {
        m_aWindows.RemoveAll();
        m_aWindows.FreeExtra();
        m_listWindows->clear();
    }
    FocusHeight();
}

// ---- fields and rows ----------------------------------------------------------------------

bool CWinPage::ReadFields(CWindo& window) {
    double lengths[kDimensions] = {};
    for (int i = 0; i < kDimensions; ++i) {
        if (!ReadDouble(DimensionField(i), lengths[i])) {
            Say(kNotANumberMessage);
            FocusField(DimensionField(i));
            return false;
        }
    }
    bool ok = false;
    const int quantity = m_pQuantity->text().trimmed().toInt(&ok);
    if (!ok) {
        Say(kNotAnIntegerMessage);
        FocusField(m_pQuantity);
        return false;
    }

    // The lengths stay in the page's unit; Finish converts them. With neither unit system they
    // are kept as typed rather than left undefined.
    CWindo typed;
    typed.m_nQuantity = quantity;
    ForEachLength(typed, [&](int i, const char*, double& value) { value = lengths[i]; });

    CWindowsValues check;
    check.m_aWindows[0].Add(typed);
    if (const InputResult error = ValidateWindows(check)) {
        Say(error->strMessage.c_str());
        const std::string field = error->strField.substr(error->strField.rfind('.') + 1);
        QLineEdit* focus = m_pQuantity;
        ForEachLength(typed, [&](int i, const char* name, double&) {
            if (field == name) focus = DimensionField(i);
        });
        FocusField(focus);
        return false;
    }
    window = typed;
    return true;
}

void CWinPage::ShowFields(const CWindo& window) {
    CWindo shown = window;
    ForEachLength(shown, [this](int i, const char*, double& value) {
        DimensionField(i)->setText(FormatDouble(value));
    });
    m_pQuantity->setText(QString::number(shown.m_nQuantity));
}

void CWinPage::ClearFields() { ShowFields(CWindo{}); }

int CWinPage::SelectedRow() const {
    int first = -1;
    for (QTreeWidgetItem* item : m_listWindows->selectedItems()) {
        const int row = m_listWindows->indexOfTopLevelItem(item);
        if (row >= 0 && (first < 0 || row < first)) first = row;
    }
    return first;
}

void CWinPage::SetRow(int row, const CWindo& window) {
    QTreeWidgetItem* item = m_listWindows->topLevelItem(row);
    if (item == nullptr) {
        item = new QTreeWidgetItem;
        m_listWindows->insertTopLevelItem(row, item);
    }
    item->setText(0, QString::number(row + 1));
    item->setText(1, QString::number(window.m_nQuantity));
    CWindo shown = window;
    ForEachLength(shown, [item](int i, const char*, double& value) {
        item->setText(2 + i, QString::asprintf("%.2f", value));
    });
    for (int c = 0; c < kColumns; ++c) item->setTextAlignment(c, Qt::AlignCenter);
}

void CWinPage::RenumberFrom(int row) {
    for (int r = row; r < m_listWindows->topLevelItemCount(); ++r) {
        m_listWindows->topLevelItem(r)->setText(0, QString::number(r + 1));
    }
}

void CWinPage::FocusField(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
}

void CWinPage::Say(const char* text) {
    if (m_pMessages != nullptr) m_pMessages->ShowMessage(text);
}
