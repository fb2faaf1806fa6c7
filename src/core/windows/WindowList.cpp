#include "windows/WindowList.h"

#include <stdexcept>

namespace {
void CheckIndex(int i, size_t size) {
    if (i < 0 || static_cast<size_t>(i) >= size) {
        throw std::out_of_range("window list index out of range");
    }
}
}  // namespace

CWindo CWindowList::GetAt(int i) const {
    CheckIndex(i, m_records.size());
    return m_records[static_cast<size_t>(i)];
}

int CWindowList::Add(const CWindo& w) {
    m_records.push_back(w);
    return GetSize() - 1;
}

void CWindowList::SetAt(int i, const CWindo& w) {
    CheckIndex(i, m_records.size());
    m_records[static_cast<size_t>(i)] = w;
}

void CWindowList::RemoveAt(int i) {
    CheckIndex(i, m_records.size());
    m_records.erase(m_records.begin() + i);
}
