#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "input/ConstructionTrees.h"
#include "tree/MemoryTreeCtrl.h"

namespace {

std::vector<HTREEITEM> Children(const CTreeCtrl& tree, HTREEITEM parent) {
    std::vector<HTREEITEM> items;
    for (HTREEITEM i = tree.GetChildItem(parent); i != 0; i = tree.GetNextSiblingItem(i)) {
        items.push_back(i);
    }
    return items;
}

std::vector<std::string> Texts(const CTreeCtrl& tree, const std::vector<HTREEITEM>& items) {
    std::vector<std::string> texts;
    for (HTREEITEM i : items) texts.push_back(tree.GetItemText(i));
    return texts;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool SortedNoCase(const std::vector<std::string>& texts) {
    return std::is_sorted(
        texts.begin(), texts.end(),
        [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
}

// A leaf's text starts with the letter of its class: A = 10, B = 20, ...
int CodeOfLetter(const std::string& text) { return (text.at(0) - 'A' + 1) * 10; }

// Every leaf of a filled tree with the texts from below the root down to it.
struct LeafPath {
    std::vector<std::string> path;
    int nCode;
};
void CollectLeaves(const CTreeCtrl& tree, HTREEITEM parent, std::vector<std::string>& path,
                   std::vector<LeafPath>& out) {
    for (HTREEITEM item : Children(tree, parent)) {
        path.push_back(tree.GetItemText(item));
        if (tree.GetChildItem(item) == 0) {
            out.push_back({path, static_cast<int>(tree.GetItemData(item))});
        } else {
            EXPECT_EQ(0, tree.GetItemData(item)) << path.back();
            CollectLeaves(tree, item, path, out);
        }
        path.pop_back();
    }
}
std::vector<LeafPath> Leaves(const CTreeCtrl& tree) {
    std::vector<LeafPath> leaves;
    std::vector<std::string> path;
    CollectLeaves(tree, tree.GetRootItem(), path, leaves);
    return leaves;
}

}  // namespace

TEST(WallGroupTree, NodesAndLeavesAreSortedAndLeavesCarryTheirLetterGroup) {
    CMemoryTreeCtrl tree;
    tree.InsertItem("left over from before", TVI_ROOT, TVI_LAST);
    FillWallGroupTree(tree);
    const HTREEITEM root = tree.GetRootItem();
    EXPECT_EQ("Wall Construction Group Description", tree.GetItemText(root));
    EXPECT_EQ(0, tree.GetNextSiblingItem(root));
    EXPECT_EQ(0, tree.GetItemData(root));

    const std::vector<std::string> constructions = {
        "4-in. (100 mm) Face Brick+(Brick)",
        "4-in. (100 mm) Face Brick+(Clay Tile)",
        "4-in. (100 mm) Face Brick+(H.W. Concrete)",
        "4-in. (100 mm) Face Brick+(L.W. or H.W Concrete Block)",
        "Clay Tile+(Finish)",
        "Frame Wall",
        "H.W. Concrete Wall+(Finish)",
        "L.W. and H.W. Concrete Block+(Finish)",
        "Metal Curtain Wall",
    };
    EXPECT_EQ(constructions, Texts(tree, Children(tree, root)));

    int leaves = 0;
    for (HTREEITEM node : Children(tree, root)) {
        const std::vector<HTREEITEM> items = Children(tree, node);
        EXPECT_TRUE(SortedNoCase(Texts(tree, items))) << tree.GetItemText(node);
        for (HTREEITEM leaf : items) {
            EXPECT_EQ(CodeOfLetter(tree.GetItemText(leaf)), tree.GetItemData(leaf))
                << tree.GetItemText(leaf);
            EXPECT_EQ(0, tree.GetChildItem(leaf));
            ++leaves;
        }
    }
    EXPECT_EQ(43, leaves);
    EXPECT_EQ(1 + 9 + 43, tree.GetCount());
}

TEST(BClassTree, EveryItemKeepsItsInsertionOrder) {
    CMemoryTreeCtrl tree;
    FillBClassTree(tree);
    FillBClassTree(tree);  // rebuilt at each visit, not added to
    const HTREEITEM root = tree.GetRootItem();
    EXPECT_EQ("Room Air Circulation Rate and Floor Construction", tree.GetItemText(root));
    EXPECT_EQ(1 + 2 + 8 + 40, tree.GetCount());

    const std::vector<HTREEITEM> coverings = Children(tree, root);
    EXPECT_EQ((std::vector<std::string>{"Floor Covered With Carpet And Rubber Pad",
                                        "Floor Covered With Tile"}),
              Texts(tree, coverings));
    for (HTREEITEM covering : coverings) {
        EXPECT_EQ((std::vector<std::string>{
                      "Low Ventilation Rate - minimum for cooling load",
                      "Medium Ventilation Rate - supply thru floor, wall or ceiling diffuser",
                      "High Room Air Circulation - return thru ceiling space",
                      "Very High Room Air Circulation - return thru ceiling space"}),
                  Texts(tree, Children(tree, covering)));
        for (HTREEITEM circulation : Children(tree, covering)) {
            const std::vector<HTREEITEM> leaves = Children(tree, circulation);
            ASSERT_EQ(5u, leaves.size());
            // Wooden, 3, 6, 8 and 12 in. floors, thinnest first, whatever their class.
            const char* const floors[] = {
                "2 in. (50 mm) Wooden Floor", "3 in. (75 mm) Concrete Floor",
                "6 in. (150 mm) Concrete Floor", "8 in. (200 mm) Concrete Floor",
                "12 in. (300 mm) Concrete Floor"};
            for (size_t i = 0; i < leaves.size(); ++i) {
                const std::string text = tree.GetItemText(leaves[i]);
                EXPECT_EQ(floors[i], text.substr(3));
                EXPECT_EQ(CodeOfLetter(text), tree.GetItemData(leaves[i])) << text;
            }
        }
    }
}

TEST(TreeResolution, EveryLeafResolvesToItsCodeAndTexts) {
    CMemoryTreeCtrl walls;
    FillWallGroupTree(walls);
    std::set<int> wallCodes;
    for (const LeafPath& leaf : Leaves(walls)) {
        ASSERT_EQ(2u, leaf.path.size());
        WallGroupChoice choice;
        ASSERT_FALSE(ResolveWallGroup(leaf.path, choice)) << leaf.path.back();
        EXPECT_EQ(leaf.nCode, choice.m_nWallGroup);
        EXPECT_EQ(leaf.path[1], choice.m_strWallGroup1);
        EXPECT_EQ(leaf.path[0], choice.m_strWallGroup2);
        wallCodes.insert(choice.m_nWallGroup);

        // The root may lead the path.
        std::vector<std::string> full = leaf.path;
        full.insert(full.begin(), kWallTreeRoot);
        WallGroupChoice same;
        ASSERT_FALSE(ResolveWallGroup(full, same));
        EXPECT_EQ(choice.m_strWallGroup1, same.m_strWallGroup1);
    }
    EXPECT_EQ((std::set<int>{10, 20, 30, 40, 50, 60, 70}), wallCodes);

    CMemoryTreeCtrl bclass;
    FillBClassTree(bclass);
    std::set<int> bCodes;
    for (const LeafPath& leaf : Leaves(bclass)) {
        ASSERT_EQ(3u, leaf.path.size());
        BClassChoice choice;
        ASSERT_FALSE(ResolveBClass(leaf.path, choice));
        EXPECT_EQ(leaf.nCode, choice.m_nBClass);
        EXPECT_EQ(leaf.path[2], choice.m_strBClass1);
        EXPECT_EQ(leaf.path[1], choice.m_strBClass2);
        EXPECT_EQ(leaf.path[0], choice.m_strBClass3);
        bCodes.insert(choice.m_nBClass);
    }
    EXPECT_EQ((std::set<int>{10, 20, 30, 40}), bCodes);
}

TEST(TreeResolution, KnownLeavesGiveTheirGroups) {
    WallGroupChoice frame;
    ASSERT_FALSE(
        ResolveWallGroup({"Frame Wall", "G: 1-in. to 3-in. (25 mm to 75 mm) Insulation"}, frame));
    EXPECT_EQ(70, frame.m_nWallGroup);

    // The same floor under different parents has different classes.
    BClassChoice low, high;
    ASSERT_FALSE(ResolveBClass(
        {"Floor Covered With Carpet And Rubber Pad",
         "Low Ventilation Rate - minimum for cooling load", "B: 3 in. (75 mm) Concrete Floor"},
        low));
    ASSERT_FALSE(ResolveBClass(
        {"Floor Covered With Tile", "High Room Air Circulation - return thru ceiling space",
         "A: 3 in. (75 mm) Concrete Floor"},
        high));
    EXPECT_EQ(20, low.m_nBClass);
    EXPECT_EQ(10, high.m_nBClass);
}

TEST(TreeResolution, NodesAndUnknownTextsAreRefused) {
    WallGroupChoice wall;
    wall.m_nWallGroup = 99;
    InputResult node = ResolveWallGroup({"Frame Wall"}, wall);
    ASSERT_TRUE(node);
    EXPECT_EQ("m_nWallGroup", node->strField);
    EXPECT_EQ(
        "Please expand the tree and select a wall\nconstruction group, A to G, at a leaf node",
        node->strMessage);
    EXPECT_EQ(99, wall.m_nWallGroup);  // untouched on failure
    EXPECT_TRUE(ResolveWallGroup({}, wall));

    InputResult unknown = ResolveWallGroup({"Frame Wall", "G: 1-in. to 3-in. insulation"}, wall);
    ASSERT_TRUE(unknown);
    EXPECT_EQ("No item \"G: 1-in. to 3-in. insulation\" under \"Frame Wall\".",
              unknown->strMessage);
    // A leaf under the wrong construction is not found either.
    EXPECT_TRUE(ResolveWallGroup(
        {"Metal Curtain Wall", "G: 1-in. to 3-in. (25 mm to 75 mm) Insulation"}, wall));

    BClassChoice b;
    InputResult circulation = ResolveBClass(
        {"Floor Covered With Tile", "Low Ventilation Rate - minimum for cooling load"}, b);
    ASSERT_TRUE(circulation);
    EXPECT_EQ("m_nBClass", circulation->strField);
    EXPECT_EQ("Please expand the tree and select a\n 'b' Classification, A to D, at a leaf node",
              circulation->strMessage);
}

TEST(TreeResolution, ASelectedNodeIsNoChoice) {
    CMemoryTreeCtrl tree;
    FillBClassTree(tree);
    const HTREEITEM covering = tree.GetChildItem(tree.GetRootItem());
    const TreeSelection node = ReadTreeSelection(tree, covering);
    EXPECT_EQ(0, node.nCode);
    EXPECT_EQ("Floor Covered With Carpet And Rubber Pad", node.strLeaf);
    EXPECT_EQ(kBClassTreeRoot, node.strParent);
    EXPECT_EQ("", node.strGrandparent);
    EXPECT_EQ(0, ReadTreeSelection(tree, 0).nCode);
}
