#include "TreeWidgetCtrl.h"

#include "tree/MemoryTreeCtrl.h"

namespace {

constexpr int kDataRole = Qt::UserRole;

std::string TextOf(const QTreeWidgetItem* item) { return item->text(0).toStdString(); }

}  // namespace

bool CTreeWidgetCtrl::DeleteAllItems() {
    m_pTree->clear();
    return true;
}

HTREEITEM CTreeWidgetCtrl::InsertItem(const char* text, HTREEITEM parent, HTREEITEM insertAfter) {
    QTreeWidgetItem* parentItem = parent == TVI_ROOT ? nullptr : Valid(parent);
    if (parent != TVI_ROOT && parentItem == nullptr) return 0;
    const std::string utf8 = text != nullptr ? text : "";
    auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(utf8)});
    item->setData(0, kDataRole, qlonglong{0});

    const int count = parentItem ? parentItem->childCount() : m_pTree->topLevelItemCount();
    auto sibling = [&](int i) {
        return parentItem ? parentItem->child(i) : m_pTree->topLevelItem(i);
    };
    int where = count;
    if (insertAfter == TVI_FIRST) {
        where = 0;
    } else if (insertAfter == TVI_SORT) {
        // Before the first sibling that sorts after the new text; equal texts keep their order.
        for (int i = 0; i < count; ++i) {
            if (CompareTreeText(TextOf(sibling(i)), utf8) > 0) {
                where = i;
                break;
            }
        }
    } else if (insertAfter != TVI_LAST) {
        for (int i = 0; i < count; ++i) {
            if (Handle(sibling(i)) == insertAfter) where = i + 1;
        }
    }
    if (parentItem) {
        parentItem->insertChild(where, item);
    } else {
        m_pTree->insertTopLevelItem(where, item);
    }
    return Handle(item);
}

bool CTreeWidgetCtrl::SetItemData(HTREEITEM item, std::intptr_t data) {
    QTreeWidgetItem* found = Valid(item);
    if (found == nullptr) return false;
    found->setData(0, kDataRole, qlonglong{data});
    return true;
}

HTREEITEM CTreeWidgetCtrl::GetSelectedItem() const {
    // The caret item when it is selected, as the platform's tree reports it.
    QTreeWidgetItem* current = m_pTree->currentItem();
    if (current != nullptr && current->isSelected()) return Handle(current);
    const QList<QTreeWidgetItem*> selected = m_pTree->selectedItems();
    return selected.isEmpty() ? 0 : Handle(selected.front());
}

std::string CTreeWidgetCtrl::GetItemText(HTREEITEM item) const {
    const QTreeWidgetItem* found = Valid(item);
    return found ? TextOf(found) : std::string();
}

std::intptr_t CTreeWidgetCtrl::GetItemData(HTREEITEM item) const {
    const QTreeWidgetItem* found = Valid(item);
    return found ? static_cast<std::intptr_t>(found->data(0, kDataRole).toLongLong()) : 0;
}

HTREEITEM CTreeWidgetCtrl::GetParentItem(HTREEITEM item) const {
    const QTreeWidgetItem* found = Valid(item);
    return found ? Handle(found->parent()) : 0;
}

HTREEITEM CTreeWidgetCtrl::GetRootItem() const {
    return m_pTree->topLevelItemCount() > 0 ? Handle(m_pTree->topLevelItem(0)) : 0;
}

HTREEITEM CTreeWidgetCtrl::GetChildItem(HTREEITEM item) const {
    const QTreeWidgetItem* found = Valid(item);
    return found && found->childCount() > 0 ? Handle(found->child(0)) : 0;
}

HTREEITEM CTreeWidgetCtrl::GetNextSiblingItem(HTREEITEM item) const {
    QTreeWidgetItem* found = Valid(item);
    if (found == nullptr) return 0;
    if (QTreeWidgetItem* parent = found->parent()) {
        const int i = parent->indexOfChild(found);
        return i + 1 < parent->childCount() ? Handle(parent->child(i + 1)) : 0;
    }
    const int i = m_pTree->indexOfTopLevelItem(found);
    return i >= 0 && i + 1 < m_pTree->topLevelItemCount() ? Handle(m_pTree->topLevelItem(i + 1))
                                                          : 0;
}
