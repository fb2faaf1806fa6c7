#pragma once

#include <string>
#include <vector>

#include "input/InputError.h"
#include "tessil/TreeCtrl.h"

// The two choice trees of the general data wizard: the wall construction groups and the 'b'
// classification of lights. The data lives here so that the wizard pages and the project
// builder of the command-line tool fill and resolve the trees the same way.

inline constexpr const char* kWallTreeRoot = "Wall Construction Group Description";
inline constexpr const char* kBClassTreeRoot = "Room Air Circulation Rate and Floor Construction";

// What the tree pages say when Next finds neither a leaf chosen on this visit nor a value in
// the project.
inline constexpr const char* kNoWallGroupMessage =
    "Please expand the tree and select a wall\nconstruction group, A to G, at a leaf node";
inline constexpr const char* kNoBClassMessage =
    "Please expand the tree and select a\n 'b' Classification, A to D, at a leaf node";

// A leaf: its text (beginning with the letter of its class) and its code, A = 10, B = 20, ...
struct TreeLeaf {
    const char* pszText;
    int nCode;
};

// A wall construction node under the root and its group leaves, in the order they are inserted
// (the tree shows both levels sorted alphabetically).
struct WallConstructionNode {
    const char* pszText;
    std::vector<TreeLeaf> leaves;
};
const std::vector<WallConstructionNode>& WallConstructionNodes();

// The 'b' tree: floor covering, then air circulation, then the floor leaves; shown in
// insertion order. Every covering holds the same four circulation nodes.
const std::vector<const char*>& FloorCoverings();
const std::vector<const char*>& AirCirculations();
const std::vector<TreeLeaf>& BClassLeaves(int floorCovering, int airCirculation);

// Clear the tree and fill it as pages 6 and 7 do at each initialisation; nodes carry data 0,
// leaves their code. Nothing is expanded or selected.
void FillWallGroupTree(CTreeCtrl& tree);
void FillBClassTree(CTreeCtrl& tree);

// What a tree page keeps when an item is selected: the item's data and text and the texts of
// its parent and grandparent (empty where there is none). Data 0 (a node) is no choice.
struct TreeSelection {
    int nCode = 0;
    std::string strLeaf;
    std::string strParent;
    std::string strGrandparent;
};
TreeSelection ReadTreeSelection(const CTreeCtrl& tree, HTREEITEM item);

// A leaf resolved into the values the wizard stores into the project.
struct WallGroupChoice {
    int m_nWallGroup = 0;
    std::string m_strWallGroup1;  // leaf
    std::string m_strWallGroup2;  // construction node
};
struct BClassChoice {
    int m_nBClass = 0;
    std::string m_strBClass1;  // leaf
    std::string m_strBClass2;  // air circulation
    std::string m_strBClass3;  // floor covering
};

// Resolve a path of item texts below the root: {construction, leaf} for the wall tree, e.g.
// {"Frame Wall", "G: 1-in. to 3-in. (25 mm to 75 mm) Insulation"}, and {floor covering, air
// circulation, leaf} for the 'b' tree; the root's text may lead the path. Texts must match
// exactly. A path that ends on a node is refused with the page's own message; a text that is
// not in the tree is refused naming it. The field of the error is "m_nWallGroup" or
// "m_nBClass".
InputResult ResolveWallGroup(const std::vector<std::string>& path, WallGroupChoice& choice);
InputResult ResolveBClass(const std::vector<std::string>& path, BClassChoice& choice);
