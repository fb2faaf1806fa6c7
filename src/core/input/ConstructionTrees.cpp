#include "input/ConstructionTrees.h"

#include "text/Format.h"
#include "tree/MemoryTreeCtrl.h"

namespace {

constexpr int A = 10, B = 20, C = 30, D = 40, E = 50, F = 60, G = 70;

const std::vector<WallConstructionNode> kWallNodes = {
    {"4-in. (100 mm) Face Brick+(Brick)",
     {{"C: Air Space+4-in. (100 mm) Face Brick", C},
      {"D: 4-in. (100 mm) Common Brick", D},
      {"C: 1-in (25 mm) Insulation or Air Space+4-in. (100 mm) Common Brick", C},
      {"B: 2-in. (50 mm) Insulation+4-in. (100 mm) Common Brick", B},
      {"B: 8-in. (200 mm) Common Brick", B},
      {"A: Insulation or Air Space+8-in. (200 mm) Common Brick", A}}},
    {"4-in. (100 mm) Face Brick+(H.W. Concrete)",
     {{"C: Air Space+2-in. (50 mm) Concrete", C},
      {"B: 2-in. (50 mm) Insulation+4-in. (100 mm) Concrete", B},
      {"A: Air Space or Insulation+8-in. (200 mm) or more Concrete", A}}},
    {"4-in. (100 mm) Face Brick+(L.W. or H.W Concrete Block)",
     {{"E: 4-in. (100 mm) Block", E},
      {"D: Air Space or Insulation+4-in. (100 mm) Block", D},
      {"D: 8-in. (200 mm) Block", D},
      {"D: 6-in. (150 mm) Block", D},
      {"C: Air Space or 1-in. (25 mm) Insulation+6-in. (150 mm) or 8-in. (200 mm) Block", C},
      {"B: 2-in. (50 mm) Insulation+8-in. (200 mm) Block", B}}},
    {"4-in. (100 mm) Face Brick+(Clay Tile)",
     {{"D: 4-in. (100 mm) Tile", D},
      {"D: Air Space+4-in. (100 mm) Tile", D},
      {"C: Insulation+4-in. (100 mm) Tile", C},
      {"C: 8-in. (200 mm) Tile", C},
      {"B: Air Space or 1-in. (25 mm) Insulation+8-in. (200 mm) Tile", B},
      {"A: 2-in. (50 mm) Insulation+8-in. (200 mm) Tile", A}}},
    {"H.W. Concrete Wall+(Finish)",
     {{"E: 4-in. (100 mm) Concrete", E},
      {"D: 4-in. (100 mm) Concrete+1-in. (25 mm) or 2-in. (50 mm) Insulation", D},
      {"C: 2-in. (50 mm) Insulation+4-in. (100 mm) Concrete", C},
      {"C: 8-in. (200 mm) Concrete", C},
      {"B: 8-in. (200 mm) Concrete+1-in. (25 mm) or 2-in. (50 mm) Insulation", B},
      {"A: 2-in. (50 mm) Insulation+8-in. (200 mm) Concrete", A},
      {"B: 12-in. (300 mm) Concrete", B},
      {"A: 12-in. (300 mm) Concrete+Insulation", A}}},
    {"L.W. and H.W. Concrete Block+(Finish)",
     {{"F: 4-in. (100 mm) Block+Air Space / Insulation", F},
      {"E: 2-in. (50 mm) Insulation+4-in. (100 mm) Block", E},
      {"E: 8-in. (200 mm) Block", E},
      {"D: 8-in. (200 mm) Block+Air Space / Insulation", D},
      {"E: 6-in. (150 mm) Block", E}}},
    {"Clay Tile+(Finish)",
     {{"F: 4-in. (100 mm) Tile", F},
      {"F: 4-in. (100 mm) Tile+Air Space", F},
      {"E: 4-in. (100 mm) Tile+1-in. (25 mm) Insulation", E},
      {"D: 2-in. (50 mm) Insulation+4-in. (100 mm) Tile", D},
      {"D: 8-in. (200 mm) Tile", D},
      {"C: 8-in. (200 mm) Tile+Air Space / 1-in. (25 mm) Insulation", C},
      {"B: 2-in. (50 mm) Insulation+8-in. (200 mm) Tile", B}}},
    {"Metal Curtain Wall",
     {{"G: With / without Air Space+1-in. to 3-in. (25 mm to 75 mm) Insulation", G}}},
    {"Frame Wall", {{"G: 1-in. to 3-in. (25 mm to 75 mm) Insulation", G}}},
};

const std::vector<const char*> kFloorCoverings = {"Floor Covered With Carpet And Rubber Pad",
                                                  "Floor Covered With Tile"};

const std::vector<const char*> kAirCirculations = {
    "Low Ventilation Rate - minimum for cooling load",
    "Medium Ventilation Rate - supply thru floor, wall or ceiling diffuser",
    "High Room Air Circulation - return thru ceiling space",
    "Very High Room Air Circulation - return thru ceiling space"};

// [floor covering][air circulation]: five floors each; only the classes differ.
const std::vector<TreeLeaf> kBClassLeaves[2][4] = {
    {
        {{"B: 2 in. (50 mm) Wooden Floor", B},
         {"B: 3 in. (75 mm) Concrete Floor", B},
         {"C: 6 in. (150 mm) Concrete Floor", C},
         {"D: 8 in. (200 mm) Concrete Floor", D},
         {"D: 12 in. (300 mm) Concrete Floor", D}},
        {{"A: 2 in. (50 mm) Wooden Floor", A},
         {"B: 3 in. (75 mm) Concrete Floor", B},
         {"C: 6 in. (150 mm) Concrete Floor", C},
         {"D: 8 in. (200 mm) Concrete Floor", D},
         {"D: 12 in. (300 mm) Concrete Floor", D}},
        {{"A: 2 in. (50 mm) Wooden Floor", A},
         {"B: 3 in. (75 mm) Concrete Floor", B},
         {"C: 6 in. (150 mm) Concrete Floor", C},
         {"C: 8 in. (200 mm) Concrete Floor", C},
         {"D: 12 in. (300 mm) Concrete Floor", D}},
        {{"A: 2 in. (50 mm) Wooden Floor", A},
         {"A: 3 in. (75 mm) Concrete Floor", A},
         {"B: 6 in. (150 mm) Concrete Floor", B},
         {"C: 8 in. (200 mm) Concrete Floor", C},
         {"D: 12 in. (300 mm) Concrete Floor", D}},
    },
    {
        {{"A: 2 in. (50 mm) Wooden Floor", A},
         {"B: 3 in. (75 mm) Concrete Floor", B},
         {"C: 6 in. (150 mm) Concrete Floor", C},
         {"D: 8 in. (200 mm) Concrete Floor", D},
         {"D: 12 in. (300 mm) Concrete Floor", D}},
        {{"A: 2 in. (50 mm) Wooden Floor", A},
         {"B: 3 in. (75 mm) Concrete Floor", B},
         {"C: 6 in. (150 mm) Concrete Floor", C},
         {"C: 8 in. (200 mm) Concrete Floor", C},
         {"D: 12 in. (300 mm) Concrete Floor", D}},
        {{"A: 2 in. (50 mm) Wooden Floor", A},
         {"A: 3 in. (75 mm) Concrete Floor", A},
         {"B: 6 in. (150 mm) Concrete Floor", B},
         {"C: 8 in. (200 mm) Concrete Floor", C},
         {"D: 12 in. (300 mm) Concrete Floor", D}},
        {{"A: 2 in. (50 mm) Wooden Floor", A},
         {"A: 3 in. (75 mm) Concrete Floor", A},
         {"B: 6 in. (150 mm) Concrete Floor", B},
         {"C: 8 in. (200 mm) Concrete Floor", C},
         {"D: 12 in. (300 mm) Concrete Floor", D}},
    },
};

HTREEITEM FindChild(const CTreeCtrl& tree, HTREEITEM parent, const std::string& text) {
    for (HTREEITEM item = tree.GetChildItem(parent); item != 0;
         item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemText(item) == text) return item;
    }
    return 0;
}

// Walks the path from the root of a filled tree. On success returns nothing and sets the item;
// otherwise the error for the field, with noChoice as the message for a path that does not end
// on a leaf.
InputResult ResolvePath(const CTreeCtrl& tree, std::vector<std::string> path, const char* field,
                        const char* noChoice, HTREEITEM& found) {
    const HTREEITEM root = tree.GetRootItem();
    if (!path.empty() && path.front() == tree.GetItemText(root)) path.erase(path.begin());
    HTREEITEM item = root;
    std::string where = tree.GetItemText(root);
    for (const std::string& text : path) {
        item = FindChild(tree, item, text);
        if (item == 0) {
            return InputError{
                field, StrFormat("No item \"%s\" under \"%s\".", text.c_str(), where.c_str())};
        }
        where = text;
    }
    if (tree.GetItemData(item) == 0) return InputError{field, noChoice};
    found = item;
    return std::nullopt;
}

}  // namespace

const std::vector<WallConstructionNode>& WallConstructionNodes() { return kWallNodes; }
const std::vector<const char*>& FloorCoverings() { return kFloorCoverings; }
const std::vector<const char*>& AirCirculations() { return kAirCirculations; }

const std::vector<TreeLeaf>& BClassLeaves(int floorCovering, int airCirculation) {
    return kBClassLeaves[floorCovering][airCirculation];
}

void FillWallGroupTree(CTreeCtrl& tree) {
    tree.DeleteAllItems();
    const HTREEITEM root = tree.InsertItem(kWallTreeRoot, TVI_ROOT, TVI_LAST);
    for (const WallConstructionNode& node : kWallNodes) {
        const HTREEITEM parent = tree.InsertItem(node.pszText, root, TVI_SORT);
        for (const TreeLeaf& leaf : node.leaves) {
            tree.SetItemData(tree.InsertItem(leaf.pszText, parent, TVI_SORT), leaf.nCode);
        }
    }
}

void FillBClassTree(CTreeCtrl& tree) {
    tree.DeleteAllItems();
    const HTREEITEM root = tree.InsertItem(kBClassTreeRoot, TVI_ROOT, TVI_LAST);
    for (size_t f = 0; f < kFloorCoverings.size(); ++f) {
        const HTREEITEM covering = tree.InsertItem(kFloorCoverings[f], root, TVI_LAST);
        for (size_t a = 0; a < kAirCirculations.size(); ++a) {
            const HTREEITEM circulation = tree.InsertItem(kAirCirculations[a], covering, TVI_LAST);
            for (const TreeLeaf& leaf : kBClassLeaves[f][a]) {
                tree.SetItemData(tree.InsertItem(leaf.pszText, circulation, TVI_LAST), leaf.nCode);
            }
        }
    }
}

TreeSelection ReadTreeSelection(const CTreeCtrl& tree, HTREEITEM item) {
    TreeSelection selection;
    if (item == 0) return selection;
    selection.nCode = static_cast<int>(tree.GetItemData(item));
    selection.strLeaf = tree.GetItemText(item);
    const HTREEITEM parent = tree.GetParentItem(item);
    if (parent != 0) {
        selection.strParent = tree.GetItemText(parent);
        const HTREEITEM grandparent = tree.GetParentItem(parent);
        if (grandparent != 0) selection.strGrandparent = tree.GetItemText(grandparent);
    }
    return selection;
}

InputResult ResolveWallGroup(const std::vector<std::string>& path, WallGroupChoice& choice) {
    CMemoryTreeCtrl tree;
    FillWallGroupTree(tree);
    HTREEITEM item = 0;
    if (InputResult error = ResolvePath(tree, path, "m_nWallGroup", kNoWallGroupMessage, item)) {
        return error;
    }
    const TreeSelection selection = ReadTreeSelection(tree, item);
    choice.m_nWallGroup = selection.nCode;
    choice.m_strWallGroup1 = selection.strLeaf;
    choice.m_strWallGroup2 = selection.strParent;
    return std::nullopt;
}

InputResult ResolveBClass(const std::vector<std::string>& path, BClassChoice& choice) {
    CMemoryTreeCtrl tree;
    FillBClassTree(tree);
    HTREEITEM item = 0;
    if (InputResult error = ResolvePath(tree, path, "m_nBClass", kNoBClassMessage, item)) {
        return error;
    }
    const TreeSelection selection = ReadTreeSelection(tree, item);
    choice.m_nBClass = selection.nCode;
    choice.m_strBClass1 = selection.strLeaf;
    choice.m_strBClass2 = selection.strParent;
    choice.m_strBClass3 = selection.strGrandparent;
    return std::nullopt;
}
