#pragma once

#include <cstdint>
#include <string>

// A tree control as the station tree library and its callers see it: the few operations of
// the platform's tree view that they use. The GUI adapts a QTreeWidget to it; the core and the
// tests have an in-memory tree.

// An item handle; 0 is no item. The pseudo handles name the top level and insertion modes.
using HTREEITEM = std::intptr_t;
inline constexpr HTREEITEM TVI_ROOT = -0x10000;
inline constexpr HTREEITEM TVI_FIRST = -0xFFFF;
inline constexpr HTREEITEM TVI_LAST = -0xFFFE;
inline constexpr HTREEITEM TVI_SORT = -0xFFFD;  // among the siblings in alphabetical order

class CTreeCtrl {
  public:
    virtual ~CTreeCtrl() = default;

    // Used by the library.
    virtual bool DeleteAllItems() = 0;
    // Inserts an item with text only (no image, no state, data 0) and returns its handle.
    // Sorted insertion compares texts case-insensitively, as the platform's tree does.
    virtual HTREEITEM InsertItem(const char* text, HTREEITEM parent, HTREEITEM insertAfter) = 0;
    virtual bool SetItemData(HTREEITEM item, std::intptr_t data) = 0;

    // Used by the callers.
    virtual HTREEITEM GetSelectedItem() const = 0;
    virtual std::string GetItemText(HTREEITEM item) const = 0;
    virtual std::intptr_t GetItemData(HTREEITEM item) const = 0;
    virtual HTREEITEM GetParentItem(HTREEITEM item) const = 0;
    virtual HTREEITEM GetRootItem() const = 0;
    virtual HTREEITEM GetChildItem(HTREEITEM item) const = 0;
    virtual HTREEITEM GetNextSiblingItem(HTREEITEM item) const = 0;
};
