#pragma once

#include <QTreeWidget>

#include "tessil/TreeCtrl.h"

// The tree control of the station library and the construction trees, over a QTreeWidget. A
// handle is the item's address; the item data lives in the user role.
class CTreeWidgetCtrl : public CTreeCtrl {
  public:
    explicit CTreeWidgetCtrl(QTreeWidget* tree) : m_pTree(tree) {}

    bool DeleteAllItems() override;
    HTREEITEM InsertItem(const char* text, HTREEITEM parent, HTREEITEM insertAfter) override;
    bool SetItemData(HTREEITEM item, std::intptr_t data) override;

    HTREEITEM GetSelectedItem() const override;
    std::string GetItemText(HTREEITEM item) const override;
    std::intptr_t GetItemData(HTREEITEM item) const override;
    HTREEITEM GetParentItem(HTREEITEM item) const override;
    HTREEITEM GetRootItem() const override;
    HTREEITEM GetChildItem(HTREEITEM item) const override;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const override;

    static QTreeWidgetItem* Item(HTREEITEM item) {
        return reinterpret_cast<QTreeWidgetItem*>(item);
    }
    static HTREEITEM Handle(const QTreeWidgetItem* item) {
        return reinterpret_cast<HTREEITEM>(item);
    }

  private:
    QTreeWidgetItem* Valid(HTREEITEM item) const { return item > 0 ? Item(item) : nullptr; }

    QTreeWidget* m_pTree;
};
