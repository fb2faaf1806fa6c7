#include "tree/StationList.h"

namespace {
void Walk(const CTreeCtrl& tree, HTREEITEM item, std::vector<std::string>& path,
          std::vector<StationEntry>& out) {
    for (; item != 0; item = tree.GetNextSiblingItem(item)) {
        const std::string text = tree.GetItemText(item);
        const std::intptr_t data = tree.GetItemData(item);
        if (data != 0) {
            // Path: root, country[, state].
            StationEntry entry;
            entry.nIndex = static_cast<int>(data);
            entry.strCountry = path.size() > 1 ? path[1] : std::string();
            entry.strState = path.size() > 2 ? path[2] : std::string();
            entry.strName = text;
            out.push_back(entry);
        }
        path.push_back(text);
        Walk(tree, tree.GetChildItem(item), path, out);
        path.pop_back();
    }
}
}  // namespace

std::vector<StationEntry> ListStations(const CTreeCtrl& tree) {
    std::vector<StationEntry> stations;
    std::vector<std::string> path;
    Walk(tree, tree.GetRootItem(), path, stations);
    return stations;
}
