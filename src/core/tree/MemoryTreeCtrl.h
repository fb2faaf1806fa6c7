#pragma once

#include <string>
#include <vector>

#include "tessil/TreeCtrl.h"

// The order of sorted insertion: byte-wise and case-insensitive, as the platform's tree sorts.
// Every tree control of ours sorts by it, so that all of them build the same tree.
int CompareTreeText(const std::string& a, const std::string& b);

// A tree control held in memory, for the command-line tool and the tests; it behaves as the
// platform's tree does for the operations the station tree uses.
class CMemoryTreeCtrl : public CTreeCtrl {
  public:
    bool DeleteAllItems() override;
    HTREEITEM InsertItem(const char* text, HTREEITEM parent, HTREEITEM insertAfter) override;
    bool SetItemData(HTREEITEM item, std::intptr_t data) override;

    HTREEITEM GetSelectedItem() const override { return m_selected; }
    std::string GetItemText(HTREEITEM item) const override;
    std::intptr_t GetItemData(HTREEITEM item) const override;
    HTREEITEM GetParentItem(HTREEITEM item) const override;
    HTREEITEM GetRootItem() const override { return m_top.empty() ? 0 : m_top.front(); }
    HTREEITEM GetChildItem(HTREEITEM item) const override;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const override;

    bool SelectItem(HTREEITEM item);
    bool Expand(HTREEITEM item, bool expand);
    bool IsExpanded(HTREEITEM item) const;
    int GetCount() const { return m_count; }

  private:
    struct Node {
        std::string text;
        std::intptr_t data = 0;
        HTREEITEM parent = 0;
        std::vector<HTREEITEM> children;
        bool expanded = false;
    };

    const Node* Find(HTREEITEM item) const;
    Node* Find(HTREEITEM item);
    std::vector<HTREEITEM>& SiblingsUnder(HTREEITEM parent);
    const std::vector<HTREEITEM>* SiblingsOf(HTREEITEM item) const;

    std::vector<Node> m_nodes;
    std::vector<HTREEITEM> m_top;
    // Handles keep growing across DeleteAllItems, so a stale handle never names a new item.
    HTREEITEM m_firstHandle = 1;
    HTREEITEM m_selected = 0;
    int m_count = 0;
};
