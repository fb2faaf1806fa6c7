#include "tree/MemoryTreeCtrl.h"

#include <algorithm>
#include <cctype>

int CompareTreeText(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

const CMemoryTreeCtrl::Node* CMemoryTreeCtrl::Find(HTREEITEM item) const {
    if (item < m_firstHandle) return nullptr;
    const size_t pos = static_cast<size_t>(item - m_firstHandle);
    return pos < m_nodes.size() ? &m_nodes[pos] : nullptr;
}

CMemoryTreeCtrl::Node* CMemoryTreeCtrl::Find(HTREEITEM item) {
    return const_cast<Node*>(static_cast<const CMemoryTreeCtrl*>(this)->Find(item));
}

bool CMemoryTreeCtrl::DeleteAllItems() {
    m_firstHandle += static_cast<HTREEITEM>(m_nodes.size());
    m_nodes.clear();
    m_top.clear();
    m_selected = 0;
    m_count = 0;
    return true;
}

std::vector<HTREEITEM>& CMemoryTreeCtrl::SiblingsUnder(HTREEITEM parent) {
    Node* node = Find(parent);
    return node != nullptr ? node->children : m_top;
}

const std::vector<HTREEITEM>* CMemoryTreeCtrl::SiblingsOf(HTREEITEM item) const {
    const Node* node = Find(item);
    if (node == nullptr) return nullptr;
    const Node* parent = Find(node->parent);
    return parent != nullptr ? &parent->children : &m_top;
}

HTREEITEM CMemoryTreeCtrl::InsertItem(const char* text, HTREEITEM parent, HTREEITEM insertAfter) {
    if (parent != TVI_ROOT && Find(parent) == nullptr) return 0;
    const HTREEITEM handle = m_firstHandle + static_cast<HTREEITEM>(m_nodes.size());
    Node node;
    node.text = text != nullptr ? text : "";
    node.parent = parent == TVI_ROOT ? 0 : parent;
    m_nodes.push_back(node);
    ++m_count;

    std::vector<HTREEITEM>& siblings = SiblingsUnder(node.parent);
    auto where = siblings.end();
    if (insertAfter == TVI_FIRST) {
        where = siblings.begin();
    } else if (insertAfter == TVI_SORT) {
        // After the last sibling that does not sort after the new text.
        where = std::find_if(siblings.begin(), siblings.end(), [&](HTREEITEM s) {
            return CompareTreeText(Find(s)->text, m_nodes.back().text) > 0;
        });
    } else if (insertAfter != TVI_LAST) {
        auto after = std::find(siblings.begin(), siblings.end(), insertAfter);
        if (after != siblings.end()) where = after + 1;
    }
    siblings.insert(where, handle);
    return handle;
}

bool CMemoryTreeCtrl::SetItemData(HTREEITEM item, std::intptr_t data) {
    Node* node = Find(item);
    if (node == nullptr) return false;
    node->data = data;
    return true;
}

std::string CMemoryTreeCtrl::GetItemText(HTREEITEM item) const {
    const Node* node = Find(item);
    return node != nullptr ? node->text : std::string();
}

std::intptr_t CMemoryTreeCtrl::GetItemData(HTREEITEM item) const {
    const Node* node = Find(item);
    return node != nullptr ? node->data : 0;
}

HTREEITEM CMemoryTreeCtrl::GetParentItem(HTREEITEM item) const {
    const Node* node = Find(item);
    return node != nullptr ? node->parent : 0;
}

HTREEITEM CMemoryTreeCtrl::GetChildItem(HTREEITEM item) const {
    const Node* node = Find(item);
    return node != nullptr && !node->children.empty() ? node->children.front() : 0;
}

HTREEITEM CMemoryTreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
    const std::vector<HTREEITEM>* siblings = SiblingsOf(item);
    if (siblings == nullptr) return 0;
    auto it = std::find(siblings->begin(), siblings->end(), item);
    return it != siblings->end() && it + 1 != siblings->end() ? *(it + 1) : 0;
}

bool CMemoryTreeCtrl::SelectItem(HTREEITEM item) {
    if (item != 0 && Find(item) == nullptr) return false;
    m_selected = item;
    return true;
}

bool CMemoryTreeCtrl::Expand(HTREEITEM item, bool expand) {
    Node* node = Find(item);
    if (node == nullptr) return false;
    node->expanded = expand;
    return true;
}

bool CMemoryTreeCtrl::IsExpanded(HTREEITEM item) const {
    const Node* node = Find(item);
    return node != nullptr && node->expanded;
}
