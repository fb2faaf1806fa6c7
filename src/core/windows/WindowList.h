#pragma once

#include <vector>

#include "windows/Windo.h"

// The ordered list of window records of one orientation, held by value.
class CWindowList {
  public:
    int GetSize() const { return static_cast<int>(m_records.size()); }
    CWindo GetAt(int i) const;
    const std::vector<CWindo>& Records() const { return m_records; }
    int Add(const CWindo& w);
    void SetAt(int i, const CWindo& w);
    void RemoveAt(int i);  // later records move up one place
    void RemoveAll() { m_records.clear(); }
    void Copy(const CWindowList& other) { m_records = other.m_records; }
    void FreeExtra() { m_records.shrink_to_fit(); }

    bool operator==(const CWindowList&) const = default;

  private:
    std::vector<CWindo> m_records;
};
