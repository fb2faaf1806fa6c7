#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tree/MemoryTreeCtrl.h"

namespace {
std::vector<std::string> Children(const CMemoryTreeCtrl& tree, HTREEITEM parent) {
    std::vector<std::string> texts;
    for (HTREEITEM i = tree.GetChildItem(parent); i != 0; i = tree.GetNextSiblingItem(i)) {
        texts.push_back(tree.GetItemText(i));
    }
    return texts;
}
}  // namespace

TEST(MemoryTree, SortedInsertionIgnoresCaseAndKeepsEqualTextsInArrivalOrder) {
    CMemoryTreeCtrl tree;
    const HTREEITEM root = tree.InsertItem("Root", TVI_ROOT, TVI_LAST);
    for (const char* text : {"delta", "Bravo", "alpha", "Charlie", "bravo", "Alpha2"}) {
        tree.InsertItem(text, root, TVI_SORT);
    }
    EXPECT_EQ(Children(tree, root),
              (std::vector<std::string>{"alpha", "Alpha2", "Bravo", "bravo", "Charlie", "delta"}));
}

TEST(MemoryTree, InsertionModesParentsAndData) {
    CMemoryTreeCtrl tree;
    const HTREEITEM root = tree.InsertItem("Root", TVI_ROOT, TVI_LAST);
    const HTREEITEM b = tree.InsertItem("b", root, TVI_LAST);
    tree.InsertItem("a", root, TVI_FIRST);
    tree.InsertItem("c", root, b);  // after b
    tree.InsertItem("z", root, TVI_LAST);
    EXPECT_EQ(Children(tree, root), (std::vector<std::string>{"a", "b", "c", "z"}));
    EXPECT_EQ(tree.GetParentItem(b), root);
    EXPECT_EQ(tree.GetParentItem(root), 0);
    EXPECT_EQ(tree.GetItemData(b), 0);
    EXPECT_TRUE(tree.SetItemData(b, 1062));
    EXPECT_EQ(tree.GetItemData(b), 1062);
    EXPECT_EQ(tree.InsertItem("orphan", 123456, TVI_LAST), 0);  // unknown parent
    EXPECT_EQ(tree.GetCount(), 5);
}

TEST(MemoryTree, DeletingAllItemsInvalidatesOldHandles) {
    CMemoryTreeCtrl tree;
    const HTREEITEM old = tree.InsertItem("Old", TVI_ROOT, TVI_LAST);
    tree.SelectItem(old);
    tree.DeleteAllItems();
    EXPECT_EQ(tree.GetSelectedItem(), 0);
    EXPECT_EQ(tree.GetRootItem(), 0);
    const HTREEITEM fresh = tree.InsertItem("New", TVI_ROOT, TVI_LAST);
    EXPECT_NE(fresh, old);
    EXPECT_EQ(tree.GetItemText(old), "");
    EXPECT_FALSE(tree.SetItemData(old, 5));
    EXPECT_EQ(tree.GetCount(), 1);
}
